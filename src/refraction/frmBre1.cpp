#include "refraction/frmBre1.h"

#include "canvas/Dialogs.h"
#include "canvas/Hardcopy.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/WindowLayout.h"
#include "core/MarkerSet.h"
#include "core/NumRules.h"
#include "shell/Forms.h"
#include "shell/ModuleMenu.h"
#include "shell/Modules.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <tuple>

namespace varelo {

namespace {
constexpr Rgb kSymbolGrey{224, 224, 224};

} // namespace

frmBre1::frmBre1() : Form(FormId::Bre1) {
    InstallModuleMenu(this, {"Command6_Click", "Command2_Click", "Command7_Click", "Command3_Click", nullptr});
    // The controls in the keyboard's order.
#define C(member) VARELO_CONTROL(member)
    using K = ControlKind;
    ui.build(this, clientArea(), "varelo::frmBre1", {
        {C(Picture1), K::Picture, nullptr, QT_TR_NOOP("Bildfeld")},
        {C(Text1), K::TextBox, QT_TR_NOOP(" n = 1"), QT_TR_NOOP("Brechzahl des oberen Mediums"), nullptr, "Picture1"},
        {C(Text4), K::TextBox, QT_TR_NOOP(" n = 1.33"), QT_TR_NOOP("Brechzahl des unteren Mediums"), nullptr, "Picture1"},
        {C(Label5), K::Label,
         QT_TR_NOOP("Neuen Strahl starten: linke Maustaste drücken und den Strahl in die gewünschte Richtung ziehen!"),
         nullptr, nullptr, "Picture1"},
        {C(Label4), K::Label, QT_TR_NOOP("Objektposition: rechte Maustaste drücken und ziehen!"), nullptr, nullptr,
         "Picture1"},
        {C(Picture6), K::Picture, nullptr, QT_TR_NOOP("Einfalls- und Brechungswinkel"),
         QT_TR_NOOP("Winkeldiagramm: klicken zum Ablesen"), "Picture1"},
        {C(Label2), K::Label, nullptr, nullptr, nullptr, "Picture6"}, // the caption follows n
        {C(Label1), K::Label, QT_TR_NOOP("Wahl der dargest. Strahlen")},
        {C(Check3D1), K::Check, QT_TR_NOOP("gebrochene"), nullptr, nullptr, nullptr, "Check3D_Click"},
        // Two boxes read "verlängern": each is named by the rays it extends.
        {C(Check3D2), K::Check, QT_TR_NOOP("verlängern"), QT_TR_NOOP("gebrochene verlängern"), nullptr, nullptr, "Check3D_Click"},
        {C(Check3D3), K::Check, QT_TR_NOOP("gespiegelte"), nullptr, nullptr, nullptr, "Check3D_Click"},
        {C(Check3D4), K::Check, QT_TR_NOOP("verlängern"), QT_TR_NOOP("gespiegelte verlängern"), nullptr, nullptr, "Check3D_Click"},
        {C(Check3D5), K::Check, QT_TR_NOOP("Einfallslote"), nullptr, nullptr, nullptr, "Check3D_Click"},
        {C(Command1), K::Button, QT_TR_NOOP("Strahlen löschen"), nullptr,
         QT_TR_NOOP("Strahlen löschen; nur den letzten Strahl: Strg+Z (zurückholen: Strg+Umschalt+Z)")},
        {C(Label6), K::Label, QT_TR_NOOP("Brechzahl n ")},
        {C(HScroll1), K::HScroll, nullptr, QT_TR_NOOP("Brechzahl n"), nullptr, nullptr, nullptr, {50, 200, 1, 1, 133}},
        {C(Text3), K::TextBox, QT_TR_NOOP("  1.00"), QT_TR_NOOP("Brechzahl oben")},
        {C(Label7), K::Label, QT_TR_NOOP("oben")},
        {C(Text2), K::TextBox, QT_TR_NOOP("  1.33"), QT_TR_NOOP("Brechzahl unten")},
        {C(Label8), K::Label, QT_TR_NOOP("unten")},
        {C(Label3), K::Label, QT_TR_NOOP("Markierungen")},
        {C(Picture2), K::Symbol, nullptr, QT_TR_NOOP("Auge setzen")},
        {C(Picture5), K::Symbol, nullptr, QT_TR_NOOP("Punkt markieren")},
        {C(Picture3), K::Symbol, nullptr, QT_TR_NOOP("Winkelmesser")},
        // The diagram symbol toggles on the press, not on the click.
        {C(Picture4), K::Symbol, nullptr, QT_TR_NOOP("Winkeldiagramm"), nullptr, nullptr, ""},
        {C(Command4), K::Button, QT_TR_NOOP("Markierungen löschen")},
        {C(Label9), K::Label, QT_TR_NOOP("Bild ...")},
        {C(Command2), K::Button, QT_TR_NOOP("drucken")},
        {C(Command6), K::Button, QT_TR_NOOP("speichern")},
        {C(Command5), K::Button, QT_TR_NOOP("zur Abbildung von Punkten")},
        {C(Command3), K::Button, QT_TR_NOOP("Info")},
        {C(Command7), K::Button, QT_TR_NOOP("Menue")},
    });
#undef C
    setModuleLook(tr("Brechung von Bündeln an einer ebenen Grenzfläche - Strahlenverlauf"));
    Picture6->hide();
    Picture5->setBackColor(kSymbolGrey);
    Picture5->setFace([](Surface &s) {
        s.Scale(-14, -14, 14, 14);
        DrawPointSymbol(s, 5);
    });
    Picture2->setBackColor(kSymbolGrey);
    Picture2->setFace([](Surface &s) { DrawEyeSymbol(s, 50, 3); });
    Picture3->setFace(RayPathScene::DrawProtractorSymbol);
    Picture4->setFace([this](Surface &s) { DrawAngleGraphFace(s, scene.relIndex); });
    Picture4->onMouseDown = [this](int, int, float, float) { Picture4_MouseDown(); };
    connect(Picture1, &PictureBox::pixelRatioChanged, this, [this] { Redraw(); });
    for (QLineEdit *t : {Text1, Text4})
        t->setPalette(QPalette()); // white, inside the picture
    const QSignalBlocker quiet(Check3D1); // the scene shows refracted rays already
    Check3D1->setChecked(true);
}

void frmBre1::layoutControls() {
    using Screen::place;
    const auto [W, H, unused, x] = LayoutColumnWindow(clientArea(), Picture1);
    const double rowH = 0.05 * H, gap = 0.01 * H;
    double y = 0.01 * H;
    // One row of the column: each control at its offset and width (fractions of W), then
    // the row's height and the space after it.
    auto row = [&](std::initializer_list<std::tuple<QWidget *, double, double>> cells, double h, double after = 0) {
        for (auto [w, dx, width] : cells)
            place(w, x + dx * W, y, width * W, h);
        y += h + after;
    };
    row({{Label1, 0, 0.23}}, 0.08 * H);
    row({{Check3D1, 0, 0.11}, {Check3D2, 0.11, 0.12}}, rowH);
    row({{Check3D3, 0, 0.11}, {Check3D4, 0.11, 0.12}}, rowH);
    row({{Check3D5, 0, 0.11}}, rowH, gap);
    row({{Command1, 0, 0.22}}, rowH, 0.025 * H);
    row({{Label6, 0, 0.2}}, 0.04 * H);
    row({{HScroll1, 0, 0.12}, {Text3, 0.125, 0.05}, {Label7, 0.18, 0.05}}, 0.04 * H);
    row({{Text2, 0.125, 0.05}, {Label8, 0.18, 0.05}}, 0.04 * H, 0.025 * H);
    row({{Label3, 0, 0.26}}, 0.04 * H);
    const double side = 0.052 * W;
    double sx = x;
    for (SymbolButton *s : {Picture2, Picture5, Picture3, Picture4}) {
        place(s, sx, y, side, side);
        sx += side + 0.004 * W;
    }
    y += side + gap;
    row({{Command4, 0, 0.22}}, rowH, 0.025 * H);
    row({{Label9, 0, 0.22}}, 0.04 * H);
    row({{Command2, 0, 0.11}, {Command6, 0.111, 0.11}}, rowH, gap);
    for (QWidget *b : {Command5, Command3, Command7})
        row({{b, 0, 0.22}}, rowH, gap);

    placeInWorld(Picture1, Text1, 800, -950, 200, 100);
    placeInWorld(Picture1, Text4, 800, 50, 200, 100);
    Label5->move(int(Picture1->toDeviceX(-990)), int(Picture1->toDeviceY(-980)));
    Label4->move(int(Picture1->toDeviceX(-990)), int(Picture1->toDeviceY(800)));
    Label5->adjustSize();
    Label4->adjustSize();
    place(Picture6, 0.6375 * Picture1->width() * Screen::twipsPerPixel(), 0, 4335, 4095);
    Picture6->resizeImage(Picture6->width(), Picture6->height());
    place(Label2, 120, 120, 3855, 375);
    fitLabels(this);
    ui.setTabChain();
}

void frmBre1::Form_Load() {
    layoutControls();
    scene = RayPathScene();
    redraw(Layer::Element | Layer::Bundles);
}

void frmBre1::layoutForScreen() {
    layoutControls();
    viewChanged();
}

void frmBre1::sceneReplaced() {
    {
        const QSignalBlocker b(HScroll1), b1(Check3D1), b2(Check3D2), b3(Check3D3), b4(Check3D4), b5(Check3D5);
        HScroll1->setValue(CInt(100 * scene.relIndex));
        Check3D1->setChecked(scene.showRefracted);
        Check3D2->setChecked(scene.extendRefracted);
        Check3D3->setChecked(scene.showReflected);
        Check3D4->setChecked(scene.extendReflected);
        Check3D5->setChecked(scene.showNormals);
    }
    showUpdate(control.sceneReplaced());
}

void frmBre1::Form_Unload() { UnloadModule(FormId::Bre1); }

void frmBre1::Command5_Click() {
    Forms::unload(FormId::Bre1);
    Forms::show(FormId::Bre2);
}

void frmBre1::Command7_Click() { Forms::closeModule(FormId::Bre1); }

void frmBre1::Command3_Click() { Forms::toggleInfo(this, FormId::BreI1, Command3, infoOn); }

void frmBre1::Redraw() { redraw(Layer::Clear | kRayPathPicture); }

void frmBre1::redraw(Layers layers) {
    Picture1->setPresentation(scene.view.presentation, [this] { Redraw(); });
    drag.draw(*Picture1, layers, scene.key(), Layer::Clear | kRayPathPicture, 0,
              [this](Layers l) { scene.draw(*Picture1, screenStyles(), l); });
}

// ---- What the controller says ----

void frmBre1::showUpdate(const RayPathUpdate &u) {
    if (u.indexChanged) {
        showIndexTexts();
        Picture4->redrawSymbol(); // its face follows n
    }
    if (u.toolsChanged) {
        Picture5->setBorderStyle(pointMode);
        Picture2->setBorderStyle(eyeMode);
        Picture3->setBorderStyle(protractorMode);
        Picture4->setBorderStyle(control.diagramFramed() ? 1 : 0);
    }
    if (u.diagram == DiagramChange::Shown) {
        Picture6->move(int(0.6375 * Picture1->width()), 0);
        Picture6->show();
    } else if (u.diagram == DiagramChange::Hidden) {
        Picture6->hide();
    }
    if (u.diagram == DiagramChange::Shown || u.diagram == DiagramChange::Redrawn) {
        setFittedText(Label2, diagramCaption());
        DrawAngleDiagram();
    }
    if (u.pointer != MousePointer::Unchanged)
        Picture1->setMousePointer(Screen::pointerFor(u.pointer));
    if (u.screenPointer != MousePointer::Unchanged)
        Screen::setMousePointer(Screen::pointerFor(u.screenPointer));
    if (u.layers)
        redraw(u.layers);
    if (u.message)
        Dialogs::instance().messageBox(QCoreApplication::translate(kRayPathTextContext, u.message), true);
}

// ---- Mouse and tools ----

void frmBre1::Picture1_MouseDown(int button, int, float x, float y) { showUpdate(control.mouseDown(button, x, y)); }
void frmBre1::Picture1_MouseMove(int button, int, float x, float y) { showUpdate(control.mouseMove(button, x, y)); }
void frmBre1::Picture1_MouseUp(int button, int, float x, float y) { showUpdate(control.mouseUp(button, x, y)); }
void frmBre1::Picture1_DropLive() { showUpdate(control.dropLive()); }
void frmBre1::Picture5_Click() { showUpdate(control.toolClicked(PathTool::Point)); }
void frmBre1::Picture2_Click() { showUpdate(control.toolClicked(PathTool::Eye)); }
void frmBre1::Picture3_Click() { showUpdate(control.toolClicked(PathTool::Protractor)); }
void frmBre1::Picture4_MouseDown() { showUpdate(control.diagramSymbolPressed()); }

void frmBre1::Picture6_MouseDown(int button, int, float x, float y) {
    const RayPathUpdate u = control.diagramPressed(button);
    if (u.diagram == DiagramChange::Reading) {
        Picture6->SetDrawWidth(1);
        DrawAngleReading(*Picture6, scene.relIndex, x, y);
    }
    showUpdate(u);
}

// ---- Options, index and buttons ----

void frmBre1::Check3D_Click() {
    showUpdate(control.options(Check3D1->isChecked(), Check3D2->isChecked(), Check3D3->isChecked(),
                               Check3D4->isChecked(), Check3D5->isChecked()));
}

void frmBre1::showIndexTexts() {
    const MediaIndices m = IndicesOfMedia(scene.relIndex);
    const QString is = QCoreApplication::translate(kRayPathTextContext, kPathIndexIs);
    const QString one = QCoreApplication::translate(kRayPathTextContext, kPathIndexOne);
    Text3->setText(qs(m.upper));
    Text2->setText(qs(m.lower));
    Text1->setText(m.upperIsOne ? one : is + qs(m.upper));
    Text4->setText(m.upperIsOne ? is + qs(m.lower) : one);
}

void frmBre1::HScroll1_Change() { showUpdate(control.indexBar(HScroll1->value())); }
void frmBre1::Command1_Click() { showUpdate(control.clearRays()); }
void frmBre1::Undo() { showUpdate(control.undo()); }
void frmBre1::Redo() { showUpdate(control.redo()); }

void frmBre1::Command4_Click() {
    move(Screen::px(1), Screen::px(1));
    showUpdate(control.clearMarkers());
}

void frmBre1::Command2_Click() {
    PrintHardcopy(scene, PageOrientation::Portrait, [this] { Redraw(); });
}

void frmBre1::Command6_Click() {
    SaveSteps steps{tr("Bitte geben Sie den Namen der Datei ein. Benützen Sie die Extension .bmp! Falls Sie auf die "
                         "Angabe eines Pfades vor dem Namen verzichten, wird die Datei in jenem Ordner abgelegt, aus dem "
                         "heraus das Programm gestartet wurde."),
                    QStringLiteral("Titel.bmp"), tr("Fehler beim Speichern! Disk full?"), false};
    steps.beforeAsking = [this] { redraw(Layer::Extra); };
    steps.beforeWriting = [this] { redraw(kRayPathPicture); };
    steps.vectorScene(scene, screenStyles(), Layer::Clear | kRayPathPicture | Layer::Extra);
    SavePictureFile(*Picture1, steps);
}

QString frmBre1::diagramCaption() const {
    return QCoreApplication::translate(kRayPathTextContext, kDiagramCaption) + qs(NumText(scene.relIndex));
}

void frmBre1::DrawAngleDiagram() {
    Picture6->drawAngleGraph(scene.relIndex, kRayPathDiagramWidths, scene.view.presentation);
}

void frmBre1::viewChanged() { showUpdate(control.viewChanged()); }

} // namespace varelo
