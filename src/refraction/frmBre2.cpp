#include "refraction/frmBre2.h"

#include "canvas/ControlTable.h"
#include "canvas/Dialogs.h"
#include "canvas/Hardcopy.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/WindowLayout.h"
#include "core/NumRules.h"
#include "refraction/RefractionOptics.h"
#include "shell/Forms.h"
#include "shell/ModuleMenu.h"
#include "shell/Modules.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace varelo {

frmBre2::frmBre2() : Form(FormId::Bre2) {
    InstallModuleMenu(this, {"Command4_Click", "Command3_Click", "Command6_Click", "Command5_Click", nullptr});
    // The controls in the keyboard's order.
#define C(member) VARELO_CONTROL(member)
    using K = ControlKind;
    ui.build(this, clientArea(), "varelo::frmBre2", {
        {C(Picture1), K::Picture, nullptr, QT_TR_NOOP("Bildfeld")},
        {C(Text2), K::TextBox, QT_TR_NOOP(" n = 1 "), QT_TR_NOOP("Brechzahl oben"), nullptr, "Picture1"},
        {C(Text3), K::TextBox, nullptr, QT_TR_NOOP("Brechzahl unten"), nullptr, "Picture1"},
        {C(Text1), K::TextBox, QT_TR_NOOP("   1.00"), QT_TR_NOOP("Brechzahl des oberen Mediums")},
        {C(Text4), K::TextBox, QT_TR_NOOP("   1.33"), QT_TR_NOOP("Brechzahl des unteren Mediums")},
        {C(Label3), K::Label, QT_TR_NOOP("Augenposition: linke Maustate drücken!"), nullptr, nullptr, "Picture1"},
        {C(Label4), K::Label, QT_TR_NOOP("Objektposition: rechte Maustaste drücken"), nullptr, nullptr, "Picture1"},
        {C(Label2), K::Label, QT_TR_NOOP("Brechzahl n  ")},
        {C(Label5), K::Label, QT_TR_NOOP("  oben")},
        {C(Label6), K::Label, QT_TR_NOOP("  unten")},
        {C(Label1), K::Label, QT_TR_NOOP("Abbildung von ...")},
        {C(Label7), K::Label, QT_TR_NOOP("Bild ...")},
        {C(HScroll1), K::HScroll, nullptr, QT_TR_NOOP("Brechzahl n"), nullptr, nullptr, nullptr, {50, 200, 1, 10, 133}},
        {C(Option3D1), K::Option, QT_TR_NOOP("einzelnen Punkten"), nullptr, nullptr, nullptr, "Option3D_Click"},
        {C(Option3D2), K::Option, QT_TR_NOOP("Punktreihen"), nullptr, nullptr, nullptr, "Option3D_Click"},
        {C(Raster), K::Check, QT_TR_NOOP("Raster on/off")},
        {C(Command1), K::Button, QT_TR_NOOP("Löschen"), nullptr,
         QT_TR_NOOP("Löschen der Punktreihe; nur den letzten Punkt: Strg+Z (zurückholen: Strg+Umschalt+Z)")},
        {C(Command3), K::Button, QT_TR_NOOP("drucken")},
        {C(Command4), K::Button, QT_TR_NOOP("speichern")},
        {C(Command2), K::Button, QT_TR_NOOP("zum Strahlenverlauf")},
        {C(Command5), K::Button, QT_TR_NOOP("Info")},
        {C(Command6), K::Button, QT_TR_NOOP("Menue")},
    });
#undef C
    setModuleLook(tr("Brechung von schlanken Bündeln an einer ebenen Grenzfläche - Abbildung von Punkten"));
    for (QLineEdit *t : {Text2, Text3})
        t->setPalette(QPalette()); // white, inside the picture
    Text3->setText(QCoreApplication::translate(kImagingTextContext, kImgIndexIs) + qs(NumText(1.33f)));
    Option3D1->setChecked(true);
    connect(Picture1, &PictureBox::pixelRatioChanged, this, [this] { Redraw(); });
}

void frmBre2::layoutControls() {
    using Screen::place;
    const auto [W, H, unused, x] = LayoutColumnWindow(clientArea(), Picture1);
    const double rowH = 0.05 * H, gap = 0.01 * H;
    double y = 0.01 * H;
    place(Label2, x, y, 0.2 * W, 0.04 * H);
    y += 0.04 * H;
    place(HScroll1, x, y, 0.12 * W, 0.04 * H);
    place(Text1, x + 0.125 * W, y, 0.05 * W, 0.04 * H);
    place(Label5, x + 0.175 * W, y, 0.055 * W, 0.04 * H);
    y += 0.04 * H;
    place(Text4, x + 0.125 * W, y, 0.05 * W, 0.04 * H);
    place(Label6, x + 0.175 * W, y, 0.055 * W, 0.04 * H);
    y += 0.04 * H + 0.025 * H;
    place(Label1, x, y, 0.22 * W, 0.04 * H);
    y += 0.04 * H;
    for (QWidget *w : {static_cast<QWidget *>(Option3D1), static_cast<QWidget *>(Option3D2),
                       static_cast<QWidget *>(Raster)}) {
        place(w, x, y, 0.22 * W, rowH);
        y += rowH;
    }
    y += gap;
    place(Command1, x, y, 0.22 * W, rowH);
    y += rowH + 0.025 * H;
    place(Label7, x, y, 0.22 * W, 0.04 * H);
    y += 0.04 * H;
    place(Command3, x, y, 0.11 * W, rowH);
    place(Command4, x + 0.111 * W, y, 0.11 * W, rowH);
    y += rowH + gap;
    for (QPushButton *b : {Command2, Command5, Command6}) {
        place(b, x, y, 0.22 * W, rowH);
        y += rowH + gap;
    }

    placeInWorld(Picture1, Text2, 800, -950, 200, 100);
    placeInWorld(Picture1, Text3, 800, 50, 200, 100);
    Label3->move(int(Picture1->toDeviceX(-980)), int(Picture1->toDeviceY(-980)));
    Label4->move(int(Picture1->toDeviceX(-980)), int(Picture1->toDeviceY(800)));
    Label3->adjustSize();
    Label4->adjustSize();
    fitLabels(this);
    ui.setTabChain();
}

void frmBre2::Form_Load() {
    layoutControls();
    scene = ImagingScene();
    // The retained picture shows the first scene at once.
    Redraw();
}

void frmBre2::layoutForScreen() {
    layoutControls();
    Redraw();
}

void frmBre2::sceneReplaced() {
    {
        const QSignalBlocker b(HScroll1), b1(Option3D1), b2(Option3D2), b3(Raster);
        HScroll1->setValue(CInt(100 * scene.relIndex));
        (scene.rowMode ? Option3D2 : Option3D1)->setChecked(true);
        Raster->setChecked(scene.rasterOn);
    }
    showUpdate(control.sceneReplaced());
}

void frmBre2::Form_Unload() { UnloadModule(FormId::Bre2); }

void frmBre2::Command2_Click() {
    Forms::unload(FormId::Bre2);
    Forms::unload(FormId::BreI2);
    Forms::show(FormId::Bre1);
}

void frmBre2::Command6_Click() { Forms::closeModule(FormId::Bre2); }

void frmBre2::Command5_Click() { Forms::toggleInfo(this, FormId::BreI2, Command5, infoOn); }

// ---- Drawing ----

void frmBre2::Redraw() { redraw(kFullRedraw); }

void frmBre2::redraw(Layers layers) {
    Picture1->setPresentation(scene.view.presentation, [this] { Redraw(); });
    drag.draw(*Picture1, layers, scene.key(), kFullRedraw, 0,
              [this](Layers l) { scene.draw(*Picture1, screenStyles(), l); });
}

// ---- Controls ----

void frmBre2::showIndexTexts() {
    const MediaIndices m = IndicesOfMedia(scene.relIndex);
    const QString is = QCoreApplication::translate(kImagingTextContext, kImgIndexIs);
    const QString one = QCoreApplication::translate(kImagingTextContext, kImgIndexOne);
    Text1->setText(m.upperIsOne ? QStringLiteral("  1.00 ") : QStringLiteral("  ") + qs(m.upper));
    Text4->setText(QStringLiteral("  ") + qs(m.lower));
    Text2->setText(m.upperIsOne ? one : is + qs(m.upper));
    Text3->setText(m.upperIsOne ? is + qs(m.lower) : one);
}

void frmBre2::HScroll1_Change() { showUpdate(control.indexBar(HScroll1->value())); }
void frmBre2::Raster_Click() { showUpdate(control.raster(Raster->isChecked())); }
void frmBre2::Option3D_Click() { showUpdate(control.rowMode(Option3D2->isChecked())); }
void frmBre2::Undo() { showUpdate(control.undo()); }
void frmBre2::Redo() { showUpdate(control.redo()); }
void frmBre2::Command1_Click() { showUpdate(control.clearRow()); }

// ---- Mouse ----

void frmBre2::Picture1_MouseDown(int button, int, float x, float y) { showUpdate(control.mouseDown(button, x, y)); }
void frmBre2::Picture1_MouseMove(int button, int, float x, float y) { showUpdate(control.mouseMove(button, x, y)); }
void frmBre2::Picture1_MouseUp(int button, int, float x, float y) { showUpdate(control.mouseUp(button, x, y)); }
void frmBre2::Picture1_DropLive() { showUpdate(control.dropLive()); }

// ---- What the controller says ----

void frmBre2::showUpdate(const ImagingUpdate &u) {
    if (u.indexChanged)
        showIndexTexts();
    if (u.pointer != MousePointer::Unchanged)
        Picture1->setMousePointer(Screen::pointerFor(u.pointer));
    if (u.screenPointer != MousePointer::Unchanged)
        Screen::setMousePointer(Screen::pointerFor(u.screenPointer));
    if (u.layers)
        redraw(u.layers);
    if (u.eraseRaster)
        scene.DrawRaster(*Picture1, screenStyles(), true);
    if (u.objectDot)
        scene.drawObjectDot(*Picture1, screenStyles(), scene.objX, scene.objY);
    if (u.message)
        Dialogs::instance().messageBox(QCoreApplication::translate(kImagingTextContext, u.message), true);
}

// ---- Printing and saving ----

void frmBre2::Command3_Click() { PrintHardcopy(scene, PageOrientation::Portrait, [this] { Redraw(); }); }

void frmBre2::Command4_Click() {
    SaveSteps steps{tr("Bitte geben Sie den Namen der Datei ein. Benützen Sie die Extension .bmp! Falls Sie auf die "
                         "Angabe eines Pfades vor dem Namen verzichten, wird die Datei auf dem Desktop abgelegt."),
                    QStringLiteral("titel.bmp"), tr("Fehler beim Speichern! Disk full?"), false};
    // The bundle, the row and its images go into the file whatever the mode.
    steps.beforeWriting = [this] { scene.draw(*Picture1, screenStyles(), Layer::Extra); };
    steps.afterWriting = [this] {
        scene.draw(*Picture1, screenStyles(), Layer::Extra);
        scene.draw(*Picture1, screenStyles(), Layer::Element);
        scene.DrawEyeSymbol(*Picture1, screenStyles(), scene.eyeX, scene.eyeY);
    };
    steps.vectorScene(scene, screenStyles(),
                      Layer::Clear | Layer::Element | Layer::Markers | Layer::Raster | Layer::Extra);
    SavePictureFile(*Picture1, steps);
}

} // namespace varelo
