#include "refraction/frmBre2.h"

#include "canvas/ControlTable.h"
#include "canvas/Dialogs.h"
#include "canvas/Hardcopy.h"
#include "canvas/PictureBox.h"
#include "canvas/PrinterSurface.h"
#include "canvas/Screen.h"
#include "canvas/WindowLayout.h"
#include "core/NumRules.h"
#include "core/Surface.h"
#include "shell/Forms.h"
#include "shell/ModuleMenu.h"
#include "shell/Modules.h"

#include <QCheckBox>
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
    Text3->setText(tr(" n = ") + qs(NumText(1.33f)));
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
    showIndexTexts();
    Redraw();
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
    const float n = scene.relIndex;
    if (n < 1) {
        const QString u = qs(NumText(UpperIndex(n)));
        Text1->setText(QStringLiteral("  ") + u);
        Text4->setText(QStringLiteral("  1.00"));
        Text2->setText(tr(" n = ") + u);
        Text3->setText(tr(" n = 1 "));
    } else {
        Text1->setText(QStringLiteral("  1.00 "));
        Text4->setText(QStringLiteral("  ") + qs(NumText(n)));
        Text2->setText(tr(" n = 1 "));
        Text3->setText(tr(" n = ") + qs(NumText(n)));
    }
}

void frmBre2::HScroll1_Change() {
    scene.relIndex = HScroll1->value() / 100.0f;
    showIndexTexts();
    // In the point-row mode the row shows alone until the next placement.
    scene.bundleInRowMode = false;
    Surface &p = *Picture1;
    const Styles &st = screenStyles();
    p.Cls();
    scene.DrawEyeSymbol(p, st, scene.eyeX, scene.eyeY);
    if (scene.rasterOn)
        scene.DrawRaster(p, st, false);
    scene.draw(p, st, Layer::Element);
    // Black dots first: the red image points must stay visible over them.
    if (scene.rowMode) {
        scene.DrawRowPoints(p, st);
        scene.DrawRowImages(p, st);
    } else {
        scene.drawObjectDot(p, st, scene.objX, scene.objY);
        scene.DrawImagingBundle(p, st);
    }
}

void frmBre2::Raster_Click() {
    scene.rasterOn = Raster->isChecked();
    // Off, the dots are erased in white and nothing else is redrawn.
    scene.DrawRaster(*Picture1, screenStyles(), !scene.rasterOn);
}

void frmBre2::Option3D_Click() { scene.rowMode = Option3D2->isChecked(); }

void frmBre2::Undo() {
    if (scene.drag == ImagingScene::Drag::None && scene.takeBackRowPoint())
        Redraw();
}

void frmBre2::Redo() {
    if (scene.drag == ImagingScene::Drag::None && scene.redoRowPoint())
        Redraw();
}

void frmBre2::Command1_Click() {
    scene.clearRow();
    redraw(Layer::Clear | Layer::Element | Layer::Markers | Layer::Raster);
    scene.drawObjectDot(*Picture1, screenStyles(), scene.objX, scene.objY);
}

// ---- Mouse ----

void frmBre2::placeObject(float x, float y, float lowest) {
    if (scene.rasterOn) {
        x = SnapToRaster(x);
        y = SnapToRaster(y);
    }
    if (y < lowest)
        y = 50;
    scene.drag = ImagingScene::Drag::Object;
    scene.dragX = x;
    scene.dragY = y;
    redraw(Layer::Live);
}

void frmBre2::Picture1_DropLive() {
    scene.drag = ImagingScene::Drag::None;
    Screen::setMousePointer(Screen::kArrow);
    Redraw();
}

void frmBre2::dragEye(float x, float y) {
    // The eye stays in the upper medium, 50 above the interface at the least.
    if (y > -50) {
        Screen::setMousePointer(Screen::kNoDrop);
        return;
    }
    Screen::setMousePointer(Screen::kCrossHair);
    scene.drag = ImagingScene::Drag::Eye;
    scene.dragX = x;
    scene.dragY = y;
    redraw(Layer::Live);
}

void frmBre2::Picture1_MouseDown(int button, int, float x, float y) {
    if (button == 1) {
        dragEye(x, y);
    } else if (button == 2) {
        if (!scene.rowMode && y < 10) {
            Picture1->setMousePointer(Screen::kNoDrop);
            return;
        }
        Screen::setMousePointer(Screen::kCrossHair);
        // A single object point near the interface goes to 50; a row point may lie anywhere.
        placeObject(x, y, scene.rowMode ? -1e30f : 100);
    }
}

void frmBre2::Picture1_MouseMove(int button, int, float x, float y) {
    if (button == 1) {
        dragEye(x, y);
    } else if (button == 2) {
        if (y >= 10) {
            Screen::setMousePointer(Screen::kCrossHair);
            placeObject(x, y, 50);
        } else if (y < -10) {
            Screen::setMousePointer(Screen::kNoDrop);
        }
    }
}

void frmBre2::Picture1_MouseUp(int button, int, float, float) {
    Screen::setMousePointer(Screen::kArrow);
    bool refused = false;
    if (button == 1 && scene.drag == ImagingScene::Drag::Eye) {
        scene.eyeX = scene.dragX;
        scene.eyeY = scene.dragY;
    } else if (button == 2 && scene.drag == ImagingScene::Drag::Object) {
        if (scene.rowMode) {
            refused = !scene.addRowPoint(scene.dragX, scene.dragY);
        } else {
            scene.placeSingleObject(scene.dragX, scene.dragY);
        }
    }
    scene.drag = ImagingScene::Drag::None;
    if ((button == 1 || button == 2) && !refused)
        scene.bundleInRowMode = true;
    Redraw();
    Picture1->setMousePointer(Screen::kArrow);
    if (refused)
        Dialogs::instance().messageBox(tr("Nur 100 Punkte möglich"), true);
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
