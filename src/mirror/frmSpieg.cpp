#include "mirror/frmSpieg.h"

#include "canvas/BundleActions.h"
#include "canvas/Hardcopy.h"
#include "canvas/HelpPanel.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/SpinButton.h"
#include "canvas/WindowLayout.h"
#include "core/NumRules.h"
#include "mirror/MirrorNotes.h"
#include "shell/Forms.h"
#include "shell/Modules.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

namespace varelo {

namespace {
// What the saved picture holds: the mirror and the rays, without markers and raster.
constexpr Layers kPictureLayers = Layer::Clear | Layer::Element | Layer::Bundles;
#define T(text) QT_TRANSLATE_NOOP("varelo::frmSpieg", text)
using K = ControlKind;
// The keyboard's order (the picture's bars, then the panel's groups from left to right);
// where two controls touch, the later one lies on top.
const ControlSpec kControls[] = {
    {"Picture1", K::Picture, nullptr, T("Bildfeld")},
    {"Label10", K::Label, T("Spiegelparameter")},
    {"Label8", K::Label, T("   -     Krümmung     +")},
    {"label1", K::Label, T("Radius")},
    {"Label5", K::Label, T("Durchmesser")},
    {"Label11", K::Label, T("Wahl der dargest. Strahlen ")},
    {"Label12", K::WrapLabel, T("Position und Nummer des aktuellen Objekts")},
    {"Label7", K::Label, T("Zoom")},
    {"Label2", K::Label, T("Markieren ")},
    {"HScroll1", K::HScroll, nullptr, T("Bildfeld waagerecht verschieben"), nullptr, nullptr, ""},
    {"VScroll1", K::VScroll, nullptr, T("Bildfeld senkrecht verschieben"), nullptr, nullptr, ""},
    {"HScroll2", K::HScroll, nullptr, T("Krümmung des Spiegels"), nullptr, nullptr, nullptr, {-36, 36, 1, 2, 0}},
    {"HScroll5", K::HScroll, nullptr, T("Durchmesser der Spiegelöffnung"), nullptr, nullptr, nullptr,
     {10, 1000, 5, 50, 600}},
    {"Text3", K::TextBox, nullptr, T("Radius")},
    {"Text6", K::TextBox, nullptr, T("Durchmesser")},
    {"Text8", K::TextBox, nullptr, T("x-Position des Objekts")},
    {"Text9", K::TextBox, nullptr, T("y-Position des Objekts")},
    {"Text11", K::TextBox, nullptr, T("Nummer des aktuellen Objekts")},
    {"Text10", K::TextBox, nullptr, T("Zoomfaktor")},
    {"Text1", K::TextBox, nullptr, T("x-Position der Maus"), nullptr, "Picture1"},
    {"Text2", K::TextBox, nullptr, T("y-Position der Maus"), nullptr, "Picture1"},
    {"Check3D5", K::Check, T(" gespiegelte verlängern"), nullptr, nullptr, nullptr, "Check3D_Click"},
    {"Check3D2", K::Check, T("gespiegelte gestrichelt"), nullptr, nullptr, nullptr, "Check3D_Click"},
    {"Check3D8", K::Check, T("Einfallslote einzeichnen"), nullptr, nullptr, nullptr, "Check3D_Click"},
    {"Spin1", K::Spin, nullptr},
    {"Spin2", K::Spin, nullptr},
    {"Spin3", K::Spin, nullptr},
    {"Command5", K::Button, T("Neues Objekt")},
    {"Command6", K::Button, T("Neu beginnen")},
    {"Picture3", K::Symbol, nullptr, T("Auge setzen")},
    {"Picture2", K::Symbol, nullptr, T("Punkt markieren")},
    {"Picture5", K::Symbol, nullptr, T("Bildschirmlinie")},
    {"Picture4", K::Symbol, nullptr, T("Raster ein/aus")},
    {"Command2", K::Button, T("Markierungen löschen")},
    {"command1", K::Button, T("Aktuelles Bündel löschen"), nullptr,
     T("Aktuelles Bündel löschen; nur den letzten Strahl: Strg+Z (zurückholen: Strg+Umschalt+Z)")},
    {"Command3", K::Button, T("Bild drucken")},
    {"Command4", K::Button, T("Bild speichern")},
    {"Command7", K::Button, T("Info ")},
    {"Command8", K::Button, T("Didaktische Bemerkung")},
    {"Command9", K::Button, T("Menu")},
    {"Label6", K::WrapLabel, T("Objektpunkt kann durch Drücken der rechten Maustaste und Ziehen bewegt werden"),
     nullptr, nullptr, "Picture1"},
    {"Label9", K::WrapLabel, T("Strahl kann durch Drücken  und Ziehen der linken Maustaste selektiert werden"),
     nullptr, nullptr, "Picture1"},
};
#undef T
// Each member points at the table's control of its name.
template <class W> void take(const ControlTable &ui, std::initializer_list<std::pair<W **, const char *>> members) {
    for (const auto &[member, name] : members)
        *member = static_cast<W *>(ui[name]);
}
} // namespace

frmSpieg::frmSpieg() : Form(FormId::Spieg), ui(this, "varelo::frmSpieg", kControls, std::size(kControls)) {
    setWindowTitle(tr("Ebene und sphärische Spiegel  als Bündel-Wandler"));
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(192, 192, 192)));
    setFont(classicFont(8.25));
    Picture1 = ui.picture("Picture1");
    take<QLabel>(ui, {{&Label10, "Label10"}, {&Label8, "Label8"}, {&label1, "label1"}, {&Label5, "Label5"},
                      {&Label11, "Label11"}, {&Label12, "Label12"}, {&Label7, "Label7"}, {&Label2, "Label2"},
                      {&Label6, "Label6"}, {&Label9, "Label9"}});
    take<QScrollBar>(ui, {{&HScroll2, "HScroll2"}, {&HScroll5, "HScroll5"}, {&HScroll1, "HScroll1"},
                          {&VScroll1, "VScroll1"}});
    take<QLineEdit>(ui, {{&Text3, "Text3"}, {&Text6, "Text6"}, {&Text8, "Text8"}, {&Text9, "Text9"},
                         {&Text11, "Text11"}, {&Text10, "Text10"}, {&Text1, "Text1"}, {&Text2, "Text2"}});
    for (QLineEdit *t : {Text1, Text2})
        t->setPalette(QPalette()); // the pointer position in the system colours
    take<QCheckBox>(ui, {{&Check3D5, "Check3D5"}, {&Check3D2, "Check3D2"}, {&Check3D8, "Check3D8"}});
    take<SpinButton>(ui, {{&Spin1, "Spin1"}, {&Spin2, "Spin2"}, {&Spin3, "Spin3"}});
    Spin1->setNames(tr("Zoom vergrößern"), tr("Zoom verkleinern"));
    Spin2->setNames(tr("Objektpunkt nach links"), tr("Objektpunkt nach rechts"));
    Spin3->setNames(tr("Objektpunkt nach oben"), tr("Objektpunkt nach unten"));
    take<SymbolButton>(ui, {{&Picture2, "Picture2"}, {&Picture3, "Picture3"}, {&Picture4, "Picture4"},
                            {&Picture5, "Picture5"}});
    // Point and eye on light grey; raster and line on the window's base colour, white.
    for (SymbolButton *s : {Picture2, Picture3})
        s->setBackColor(Rgb{224, 224, 224});
    Picture2->setFace([](Surface &s) { DrawPointSymbol(s, 10); });
    Picture3->setFace([](Surface &s) { DrawEyeSymbol(s, 45, 2); });
    Picture4->setFace(DrawRasterSymbol);
    Picture5->setFace(DrawLineSymbol);
    take<QPushButton>(ui, {{&Command2, "Command2"}, {&command1, "command1"}, {&Command5, "Command5"},
                           {&Command6, "Command6"}, {&Command3, "Command3"}, {&Command4, "Command4"},
                           {&Command7, "Command7"}, {&Command8, "Command8"}, {&Command9, "Command9"}});

    zoom = std::make_unique<ZoomPan>(Picture1, HScroll1, VScroll1, Text10, [this] {
        scene.zoomFactor = zoom->zoomFactor;
        scene.panX = static_cast<float>(zoom->panX());
        scene.panY = static_cast<float>(zoom->panY());
        Redraw();
    });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { zoom->HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { zoom->VScroll1_Change(); });
    connect(HScroll2, &QScrollBar::sliderPressed, this, [this] { scene.pressCurvature(); });
    markers = std::make_unique<MarkerOverlay>(scene.markers, Picture1, Picture2, Picture3, Picture4, Picture5,
                                              [this](Layers layers) { redraw(layers); });
    help = std::make_unique<HelpPanel>(Picture1, zoom.get(), Command7, Command8, kMirrorNotes, kMirrorNoteCount,
                                       std::vector<QWidget *>{Label6, Label9, Text1, Text2}, [this] { Redraw(); });
    installUndoShortcuts(this, [this] { Undo(); }, [this] { Redo(); });
}

frmSpieg::~frmSpieg() = default;

void frmSpieg::layoutControls() {
    using Screen::place;
    const double W = 0.98 * Screen::widthTwips();
    const double H = 0.95 * Screen::heightTwips() - kWindowFrameTwips;
    setClientTwips(1, 1, W, H);
    placeWidePicture(Picture1, W, H);
    const double picW = Picture1->width() * Screen::twipsPerPixel();
    const double picH = Picture1->height() * Screen::twipsPerPixel();
    const double scrollH = H / 40;
    place(VScroll1, picW, 1, W / 60, picH);
    place(HScroll1, 0, picH, picW, scrollH);

    const double T0 = picH + scrollH;
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
    Text8->setText(QStringLiteral("x=-160"));
    Text9->setText(QStringLiteral("y=75"));
    Text11->setText(QStringLiteral("   1"));
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

void frmSpieg::Form_Unload() { UnloadModule(FormId::Spieg); }

void frmSpieg::Command9_Click() { Forms::closeModule(FormId::Spieg); }

void frmSpieg::Redraw() { redraw(kFullRedraw); }

void frmSpieg::redraw(Layers layers) {
    drag.draw(*Picture1, layers, scene.key(), kFullRedraw, Layer::Raster,
              [this](Layers l) { scene.draw(*Picture1, kScreenMirrorStyles, l); });
}

// ---- Mirror parameters ----

void frmSpieg::HScroll2_Change() {
    scene.setCurvature(-HScroll2->value(), HScroll2->isSliderDown());
    const MirrorParams &m = scene.mirror;
    Text3->setText(m.curvature != 0 ? qs(ShownLength(m.mirrorRadius)) : QLatin1Char(' ') + tr("plan"));
    showDiameter();
    Redraw();
}

void frmSpieg::HScroll5_Change() {
    scene.setHalfAperture(static_cast<float>(HScroll5->value()));
    showDiameter();
    Redraw();
}

void frmSpieg::showDiameter() {
    const QSignalBlocker b(HScroll5);
    HScroll5->setValue(CInt(scene.mirror.halfAperture));
    Text6->setText(qs(ShownLength(2 * scene.mirror.halfAperture)));
}

// ---- Mouse ----

void frmSpieg::Picture1_MouseDown(int button, int, float x, float y) {
    markers->computeRasterSteps();
    if (button == 1 && !markers->anyMode()) {
        scene.aimTrial(x, y);
        redraw(Layer::Live);
    } else if (button == 1) {
        markers->MouseDown(x, y);
    } else if (button == 2 && x < 0) {
        scene.moveCurrentTo(x, y);
        redrawAfterObjectChange();
    }
}

void frmSpieg::Picture1_MouseMove(int button, int, float x, float y) {
    Text1->setText(QStringLiteral("x = ") + qs(ShownLength(x)));
    Text2->setText(QStringLiteral("y = ") + qs(NumText(-Int(y / 10 + 0.5f))));
    const bool nearP = std::fabs(scene.currentX() - x) < 100 && std::fabs(scene.currentY() - y) < 100;
    Picture1->setMousePointer(button == 2 && nearP ? 2 : 0);
    if (button == 1 && !markers->anyMode()) {
        if (scene.trialActive) {
            scene.aimTrial(x, y);
            redraw(Layer::Live);
        }
    } else if (button == 1) {
        markers->MouseMove(x, y);
    } else if (button == 2 && x < 0) {
        scene.moveCurrentTo(x, y);
        redrawAfterObjectChange();
    }
}

void frmSpieg::Picture1_MouseUp(int button, int, float x, float) {
    Screen::setMousePointer(0);
    if (button == 1 && !markers->anyMode()) {
        if (scene.trialActive) {
            scene.endTrial();
            BundleActions::storeRay(scene, scene.trialHasHit, scene.hitX, scene.hitY, [this] { Redraw(); });
        }
    } else if (button == 1) {
        markers->MouseUp(x, scene.currentX(), scene.currentY());
    }
}

// ---- Object points ----

void frmSpieg::redrawAfterObjectChange(bool moved) {
    if (!moved)
        return;
    Text8->setText(QStringLiteral("x=") + qs(ShownLength(scene.currentX())));
    Text9->setText(QStringLiteral("y=") + qs(NumText(-Int(scene.currentY() / 10 + 0.5f))));
    Redraw();
}

// The mirror plane is never reached: 0.9 x stays negative.
void frmSpieg::Spin2_SpinDown() { redrawAfterObjectChange(scene.moveTowardsElement(0)); }
void frmSpieg::Spin2_SpinUp() { redrawAfterObjectChange(scene.moveAwayFromElement()); }
void frmSpieg::Spin3_SpinDown() { redrawAfterObjectChange(scene.moveDown()); }
void frmSpieg::Spin3_SpinUp() { redrawAfterObjectChange(scene.moveUp()); }

void frmSpieg::Command5_Click() {
    const float zf = zoom->zoomFactor;
    if (!BundleActions::newObject(scene, -1600 / zf, -750 / zf, Label6, Text11, QStringLiteral("   ")))
        return;
    scene.drawObjectPoint(*Picture1, kScreenMirrorStyles, scene.objectCount);
    Picture1->SetDrawWidth(1);
}

void frmSpieg::command1_Click() {
    scene.clearCurrent();
    Text11->setText(QStringLiteral("   ") + QString::number(scene.objectCount));
    Redraw();
}

void frmSpieg::Undo() { BundleActions::undo(scene, scene.trialActive, [this] { Redraw(); }); }
void frmSpieg::Redo() { BundleActions::redo(scene, scene.trialActive, [this] { Redraw(); }); }

void frmSpieg::Command6_Click() {
    scene.restart(-1600 / zoom->zoomFactor, -750 / zoom->zoomFactor);
    scene.markers.clearPointsAndEyes();
    Text11->setText(QStringLiteral("   1"));
    redraw(Layer::Clear | Layer::Element | Layer::Bundles);
}

// ---- Options, zoom, markers ----

void frmSpieg::Check3D_Click() {
    scene.dottedReflected = Check3D2->isChecked();
    scene.extendReflected = Check3D5->isChecked();
    scene.drawNormals = Check3D8->isChecked();
    Redraw();
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
    SaveSteps steps;
    steps.prompt = tr("Bitte geben Sie den Namen der Bilddatei an; als Extension sollten Sie.bmp verwenden! "
                      "Falls Sie auf Angabe eines Pfades verzichten, wird die Datei im Desktop abgelegt.");
    steps.defaultName = tr("Spiegel.bmp");
    steps.errorText = tr("Fehler beim Speichern! Disk full?");
    steps.criticalIcon = true;
    steps.beforeAsking = drawScene;
    steps.afterWriting = drawScene;
    steps.drawVector = [this](Surface &s) { scene.draw(s, kScreenMirrorStyles, kPictureLayers); };
    if (!SavePictureFile(*Picture1, steps))
        Redraw(); // cancelled: the whole scene comes back
}

void frmSpieg::Command7_Click() { help->toggle(); }

void frmSpieg::Command8_Click() {
    Forms::show(FormId::SpiegIn);
    help->leaveForDidacticNotes();
}

} // namespace varelo
