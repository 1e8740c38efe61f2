#include "mirror/frmSpieg.h"

#include "canvas/Dialogs.h"
#include "canvas/Hardcopy.h"
#include "canvas/HelpPanel.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/SpinButton.h"
#include "canvas/WindowLayout.h"
#include "core/NumRules.h"
#include "mirror/MirrorNotes.h"
#include "shell/Forms.h"
#include "shell/ModuleMenu.h"
#include "shell/Modules.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

namespace varelo {

namespace {
// What the saved picture holds: the mirror and the rays, without markers and raster.
constexpr Layers kPictureLayers = Layer::Clear | Layer::Element | Layer::Bundles;
} // namespace

frmSpieg::frmSpieg() : Form(FormId::Spieg) {
    InstallModuleMenu(this, {"Command4_Click", "Command3_Click", "Command9_Click", "Command7_Click", "Command8_Click"});
    // The keyboard's order (the picture's bars, then the panel's groups from left to right);
    // where two controls touch, the later one lies on top.
#define C(member) VARELO_CONTROL(member)
    using K = ControlKind;
    ui.build(this, clientArea(), "varelo::frmSpieg", {
        {C(Picture1), K::Picture, nullptr, QT_TR_NOOP("Bildfeld")},
        {C(Label10), K::Label, QT_TR_NOOP("Spiegelparameter")},
        {C(Label8), K::Label, QT_TR_NOOP("   -     Krümmung     +")},
        {C(label1), K::Label, QT_TR_NOOP("Radius")},
        {C(Label5), K::Label, QT_TR_NOOP("Durchmesser")},
        {C(Label11), K::Label, QT_TR_NOOP("Wahl der dargest. Strahlen ")},
        {C(Label12), K::WrapLabel, QT_TR_NOOP("Position und Nummer des aktuellen Objekts")},
        {C(Label7), K::Label, QT_TR_NOOP("Zoom")},
        {C(Label2), K::Label, QT_TR_NOOP("Markieren ")},
        {C(HScroll1), K::HScroll, nullptr, QT_TR_NOOP("Bildfeld waagerecht verschieben"), nullptr, nullptr, ""},
        {C(VScroll1), K::VScroll, nullptr, QT_TR_NOOP("Bildfeld senkrecht verschieben"), nullptr, nullptr, ""},
        {C(HScroll2), K::HScroll, nullptr, QT_TR_NOOP("Krümmung des Spiegels"), nullptr, nullptr, nullptr, {-kCurvatureBarEnd, kCurvatureBarEnd, 1, 2, 0}},
        {C(HScroll5), K::HScroll, nullptr, QT_TR_NOOP("Durchmesser der Spiegelöffnung"), nullptr, nullptr, nullptr,
         {kApertureBarMin, kApertureBarMax, 5, 50, 600}},
        {C(Text3), K::TextBox, nullptr, QT_TR_NOOP("Radius")},
        {C(Text6), K::TextBox, nullptr, QT_TR_NOOP("Durchmesser")},
        {C(Text8), K::TextBox, nullptr, QT_TR_NOOP("x-Position des Objekts")},
        {C(Text9), K::TextBox, nullptr, QT_TR_NOOP("y-Position des Objekts")},
        {C(Text11), K::TextBox, nullptr, QT_TR_NOOP("Nummer des aktuellen Objekts")},
        {C(Text10), K::TextBox, nullptr, QT_TR_NOOP("Zoomfaktor")},
        {C(Text1), K::TextBox, nullptr, QT_TR_NOOP("x-Position der Maus"), nullptr, "Picture1"},
        {C(Text2), K::TextBox, nullptr, QT_TR_NOOP("y-Position der Maus"), nullptr, "Picture1"},
        {C(Check3D5), K::Check, QT_TR_NOOP(" gespiegelte verlängern"), nullptr, nullptr, nullptr, "Check3D_Click"},
        {C(Check3D2), K::Check, QT_TR_NOOP("gespiegelte gestrichelt"), nullptr, nullptr, nullptr, "Check3D_Click"},
        {C(Check3D8), K::Check, QT_TR_NOOP("Einfallslote einzeichnen"), nullptr, nullptr, nullptr, "Check3D_Click"},
        {C(Spin1), K::Spin, nullptr},
        {C(Spin2), K::Spin, nullptr},
        {C(Spin3), K::Spin, nullptr},
        {C(Command5), K::Button, QT_TR_NOOP("Neues Objekt")},
        {C(Command6), K::Button, QT_TR_NOOP("Neu beginnen")},
        {C(Picture3), K::Symbol, nullptr, QT_TR_NOOP("Auge setzen")},
        {C(Picture2), K::Symbol, nullptr, QT_TR_NOOP("Punkt markieren")},
        {C(Picture5), K::Symbol, nullptr, QT_TR_NOOP("Bildschirmlinie")},
        {C(Picture4), K::Symbol, nullptr, QT_TR_NOOP("Raster ein/aus")},
        {C(Command2), K::Button, QT_TR_NOOP("Markierungen löschen")},
        {C(command1), K::Button, QT_TR_NOOP("Aktuelles Bündel löschen"), nullptr,
         QT_TR_NOOP("Aktuelles Bündel löschen; nur den letzten Strahl: Strg+Z (zurückholen: Strg+Umschalt+Z)")},
        {C(Command3), K::Button, QT_TR_NOOP("Bild drucken")},
        {C(Command4), K::Button, QT_TR_NOOP("Bild speichern")},
        {C(Command7), K::Button, QT_TR_NOOP("Info ")},
        {C(Command8), K::Button, QT_TR_NOOP("Didaktische Bemerkung")},
        {C(Command9), K::Button, QT_TR_NOOP("Menu")},
        {C(Label6), K::WrapLabel, QT_TR_NOOP("Objektpunkt kann durch Drücken der rechten Maustaste und Ziehen bewegt werden"),
         nullptr, nullptr, "Picture1"},
        {C(Label9), K::WrapLabel, QT_TR_NOOP("Strahl kann durch Drücken  und Ziehen der linken Maustaste selektiert werden"),
         nullptr, nullptr, "Picture1"},
    });
#undef C
    setModuleLook(tr("Ebene und sphärische Spiegel  als Bündel-Wandler"));
    for (QLineEdit *t : {Text1, Text2})
        t->setPalette(QPalette()); // the pointer position in the system colours
    Spin1->setNames(tr("Zoom vergrößern"), tr("Zoom verkleinern"));
    Spin2->setNames(tr("Objektpunkt nach links"), tr("Objektpunkt nach rechts"));
    Spin3->setNames(tr("Objektpunkt nach oben"), tr("Objektpunkt nach unten"));
    // Point and eye on light grey; raster and line on the window's base colour, white.
    for (SymbolButton *s : {Picture2, Picture3})
        s->setBackColor(Rgb{224, 224, 224});
    Picture2->setFace([](Surface &s) { DrawPointSymbol(s, 10); });
    Picture3->setFace([](Surface &s) { DrawEyeSymbol(s, 45, 2); });
    Picture4->setFace(DrawRasterSymbol);
    Picture5->setFace(DrawLineSymbol);

    zoom = std::make_unique<ZoomPan>(Picture1, HScroll1, VScroll1, Text10, [this] {
        showUpdate(control.viewChanged(zoom->zoomFactor, static_cast<float>(zoom->panX()),
                                       static_cast<float>(zoom->panY())));
    });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { zoom->HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { zoom->VScroll1_Change(); });
    connect(HScroll2, &QScrollBar::sliderPressed, this, [this] { control.curvaturePressed(); });
    markers = std::make_unique<MarkerOverlay>(scene.markers, Picture1, Picture2, Picture3, Picture4, Picture5,
                                              [this](Layers layers) { redraw(layers); });
    help = std::make_unique<HelpPanel>(Picture1, zoom.get(), Command7, Command8, kMirrorNotes, kMirrorNoteCount,
                                       std::vector<QWidget *>{Label6, Label9, Text1, Text2}, [this] { Redraw(); });
    // Two fingers zoom by the steps of the zoom buttons.
    Picture1->onPinch = [this](int step) { step > 0 ? Spin1_SpinUp() : Spin1_SpinDown(); };
    connect(Picture1, &PictureBox::pixelRatioChanged, this, [this] { Redraw(); });
}

frmSpieg::~frmSpieg() = default;

void frmSpieg::layoutControls() {
    using Screen::place;
    const auto [W, H, T0, unused] = LayoutWideWindow(clientArea(), Picture1, VScroll1, HScroll1, 0.95);

    const double scrollH = H / 40;
    const double headerH = 0.04 * H, rowH = 0.05 * H, step = 0.06 * H;
    // Mirror parameters.
    double x = 0.01 * W, w = 0.15 * W, y = T0;
    place(Label10, x, y, w, headerH);
    place(Label8, x, y += headerH, w, scrollH);
    place(HScroll2, x, y += scrollH, w, scrollH);
    place(label1, x, y += scrollH, w / 2, scrollH);
    place(Text3, x + w / 2, y, w / 2, scrollH);
    place(HScroll5, x, y += scrollH, w, scrollH);
    place(Label5, x, y += scrollH, 0.6 * w, scrollH);
    place(Text6, x + 0.6 * w, y, 0.4 * w, scrollH);
    // Rays shown.
    x = 0.17 * W;
    place(Label11, x, T0, 0.18 * W, 0.055 * H);
    y = T0 + 0.055 * H;
    for (QCheckBox *c : {Check3D5, Check3D2, Check3D8}) {
        place(c, x, y += 0.01 * H, 0.18 * W, rowH);
        y += rowH;
    }
    // Zoom.
    x = 0.36 * W;
    place(Label7, x, T0, 0.06 * W, headerH);
    place(Text10, x, T0 + headerH, 0.06 * W, rowH);
    place(Spin1, x, T0 + headerH + step, 0.04 * W, 0.07 * H);
    // Current object.
    x = 0.43 * W;
    place(Label12, x, T0, 0.2 * W, headerH);
    y = T0 + headerH;
    place(Text8, x, y, 0.062 * W, rowH);
    place(Spin2, x + 0.062 * W, y, 0.03 * W, rowH);
    place(Spin3, x + 0.092 * W, y, 0.03 * W, rowH);
    place(Text9, x + 0.122 * W, y, 0.062 * W, rowH);
    place(Text11, x, y += step, 0.062 * W, rowH);
    place(Command5, x + 0.067 * W, y, 0.115 * W, rowH);
    place(Command6, x, y += step, 0.18 * W, rowH);
    // Markers.
    x = 0.625 * W;
    place(Label2, x, T0, 0.21 * W, headerH);
    y = T0 + (headerH + 0.02 * H);
    double sx = x;
    for (SymbolButton *s : {Picture3, Picture2, Picture5, Picture4}) {
        place(s, sx, y, 0.047 * W, 615);
        sx += 0.047 * W + 0.005 * W;
    }
    place(Command2, x, y += 615 + 0.026 * H, 0.203 * W, rowH);
    place(command1, x, y += step, 0.203 * W, rowH);
    // Buttons.
    y = T0 + 0.02 * H;
    for (QPushButton *b : {Command3, Command4, Command7, Command9}) {
        place(b, 0.85 * W, y, 0.14 * W, rowH);
        y += step;
    }

    // Controls inside the picture are placed in world coordinates of the start view.
    placeInWorld(Picture1, Text1, 1500, -1000, 250, 100);
    placeInWorld(Picture1, Text2, 1750, -1000, 250, 100);
    placeInWorld(Picture1, Label6, -1950, -990, 1800, 100);
    placeInWorld(Picture1, Label9, -1950, 850, 1800, 100);
    help->layout(kMirrorNotesLeft, kMirrorNotesRight);
    const int cw = Picture1->width() / 5;
    Command8->setGeometry(Picture1->x() + Picture1->width() - cw - 10,
                          Picture1->y() + Picture1->height() - Screen::px(0.06 * H), cw, Screen::px(0.05 * H));
    fitLabels(this);
    ui.setTabChain();
}

void frmSpieg::Form_Load() {
    layoutControls();
    zoom->Load();
    scene = MirrorScene();
    Text8->setText(qs(control.objectXText()));
    Text9->setText(qs(control.objectYText()));
    Text11->setText(qs(control.objectNumberText()));
    markers->Load();
    {
        const QSignalBlocker b(HScroll2);
        HScroll2->setValue(0);
    }
    Text3->setText(tr("plan"));
    showDiameter();
    help->Load();
    // The first picture: the mirror and the first object point.
    redraw(Layer::Element | Layer::Bundles);
}

void frmSpieg::sceneReplaced() {
    help->Load();
    zoom->setView(scene.zoomFactor, CInt(scene.panX), CInt(scene.panY));
    markers->showMarks();
    {
        const QSignalBlocker b(HScroll2), b5(Check3D5), b2(Check3D2), b8(Check3D8);
        HScroll2->setValue(-scene.mirror.curvature);
        Check3D5->setChecked(scene.extendReflected);
        Check3D2->setChecked(scene.dottedReflected);
        Check3D8->setChecked(scene.drawNormals);
    }
    Text3->setText(qs(control.radiusText()));
    showDiameter();
    showUpdate(control.sceneReplaced());
}

// The layout changes the picture's size and scale: the view and the drawing are set again.
void frmSpieg::layoutForScreen() {
    layoutControls();
    zoom->setView(scene.zoomFactor, CInt(scene.panX), CInt(scene.panY));
    Redraw();
}

void frmSpieg::Form_Unload() { UnloadModule(FormId::Spieg); }

void frmSpieg::Command9_Click() { Forms::closeModule(FormId::Spieg); }

void frmSpieg::Redraw() { redraw(kFullRedraw); }

void frmSpieg::redraw(Layers layers) {
    Picture1->setPresentation(scene.view.presentation, [this] { Redraw(); });
    drag.draw(*Picture1, layers, scene.key(), kFullRedraw, Layer::Raster,
              [this](Layers l) { scene.draw(*Picture1, screenStyles(), l); });
}

// ---- Mirror parameters ----

void frmSpieg::HScroll2_Change() { showUpdate(control.curvatureBar(HScroll2->value(), HScroll2->isSliderDown())); }

void frmSpieg::HScroll5_Change() { showUpdate(control.apertureBar(HScroll5->value())); }

void frmSpieg::showDiameter() {
    const QSignalBlocker b(HScroll5);
    HScroll5->setValue(CInt(scene.mirror.halfAperture));
    Text6->setText(qs(control.diameterText()));
}

// ---- What the controller says ----

void frmSpieg::showUpdate(const MirrorUpdate &u) {
    if (u.radiusChanged)
        Text3->setText(qs(control.radiusText()));
    if (u.diameterChanged)
        showDiameter();
    if (u.hint)
        Label6->setText(QCoreApplication::translate(kBundleTextContext, u.hint));
    if (u.objectsChanged)
        Text11->setText(qs(control.objectNumberText()));
    if (u.objectMoved) {
        Text8->setText(qs(control.objectXText()));
        Text9->setText(qs(control.objectYText()));
    }
    if (u.newObjectPoint) {
        scene.drawObjectPoint(*Picture1, screenStyles(), scene.objectCount);
        Picture1->SetDrawWidth(1);
    }
    if (u.layers)
        redraw(u.layers);
    if (u.message)
        Dialogs::instance().messageBox(QCoreApplication::translate(kBundleTextContext, u.message), true);
}

// ---- Mouse ----

void frmSpieg::Picture1_MouseDown(int button, int, float x, float y) {
    markers->computeRasterSteps();
    const MirrorUpdate u = control.mouseDown(button, x, y, markers->anyMode());
    if (u.toMarkers)
        markers->MouseDown(x, y);
    showUpdate(u);
}

void frmSpieg::Picture1_MouseMove(int button, int, float x, float y) {
    Text1->setText(qs(MirrorController::pointerXText(x)));
    Text2->setText(qs(MirrorController::pointerYText(y)));
    const MirrorUpdate u = control.mouseMove(button, x, y, markers->anyMode());
    Picture1->setMousePointer(Screen::pointerFor(u.pointer));
    if (u.toMarkers)
        markers->MouseMove(x, y);
    showUpdate(u);
}

void frmSpieg::Picture1_MouseUp(int button, int, float x, float y) {
    const MirrorUpdate u = control.mouseUp(button, x, y, markers->anyMode());
    Screen::setMousePointer(Screen::pointerFor(u.pointer));
    if (u.toMarkers)
        markers->MouseUp(x, scene.currentX(), scene.currentY());
    showUpdate(u);
}

void frmSpieg::Picture1_DropLive() {
    markers->cancelPlacing();
    showUpdate(control.dropLive());
}

// ---- Object points ----

void frmSpieg::Spin2_SpinDown() { showUpdate(control.stepObject(ObjectStep::Right)); }
void frmSpieg::Spin2_SpinUp() { showUpdate(control.stepObject(ObjectStep::Left)); }
void frmSpieg::Spin3_SpinDown() { showUpdate(control.stepObject(ObjectStep::Down)); }
void frmSpieg::Spin3_SpinUp() { showUpdate(control.stepObject(ObjectStep::Up)); }
void frmSpieg::Command5_Click() { showUpdate(control.newObject()); }
void frmSpieg::command1_Click() { showUpdate(control.clearBundle()); }
void frmSpieg::Undo() { showUpdate(control.undo()); }
void frmSpieg::Redo() { showUpdate(control.redo()); }
void frmSpieg::Command6_Click() { showUpdate(control.startAgain()); }

// ---- Options, zoom, markers ----

void frmSpieg::Check3D_Click() {
    showUpdate(control.options(Check3D5->isChecked(), Check3D2->isChecked(), Check3D8->isChecked()));
}
void frmSpieg::Spin1_SpinDown() { zoom->ZoomOut(); }
void frmSpieg::Spin1_SpinUp() { zoom->ZoomIn(); }
void frmSpieg::Picture2_Click() { markers->PointSymbol_Click(); }
void frmSpieg::Picture3_Click() { markers->EyeSymbol_Click(); }
void frmSpieg::Picture4_Click() { markers->RasterSymbol_Click(); }
void frmSpieg::Picture5_Click() { markers->LineSymbol_Click(); }
void frmSpieg::Command2_Click() { markers->ClearMarkers(); }

// ---- Printing, saving and the help panel ----

void frmSpieg::Command3_Click() {
    PrintHardcopy(scene, PageOrientation::Landscape, [this] { redraw(Layer::Element | Layer::Bundles); });
}

void frmSpieg::Command4_Click() {
    auto drawScene = [this] { redraw(kPictureLayers); };
    SaveSteps steps{tr("Bitte geben Sie den Namen der Bilddatei an; als Extension sollten Sie.bmp verwenden! "
                         "Falls Sie auf Angabe eines Pfades verzichten, wird die Datei im Desktop abgelegt."),
                    tr("Spiegel.bmp"), tr("Fehler beim Speichern! Disk full?"), true};
    steps.beforeAsking = drawScene;
    steps.afterWriting = drawScene;
    steps.vectorScene(scene, screenStyles(), kPictureLayers);
    if (!SavePictureFile(*Picture1, steps))
        Redraw(); // cancelled: the whole scene comes back
}

void frmSpieg::Command7_Click() { help->toggle(); }

void frmSpieg::Command8_Click() {
    Forms::show(FormId::SpiegIn);
    help->leaveForDidacticNotes();
}

} // namespace varelo
