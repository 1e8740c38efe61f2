#include "mirror/frmSpieg.h"

#include "canvas/BundleActions.h"
#include "canvas/Dialogs.h"
#include "canvas/Hardcopy.h"
#include "canvas/HelpPanel.h"
#include "canvas/PictureBox.h"
#include "canvas/PrinterSurface.h"
#include "canvas/Screen.h"
#include "canvas/SpinButton.h"
#include "canvas/WindowLayout.h"
#include "core/NumRules.h"
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
// The operating notes over the picture.
const HelpNote kHelpNotes[] = {
    {"Label22", QT_TRANSLATE_NOOP("varelo::HelpPanel", "                                                      Bedienungshinweise"), 0},
    {"Label19", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Einstellen der Spiegelparameter"), 1},
    {"Label23", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Einstellbar ist der Krümmungsradius der Oberfläche und der Durchmesser der Spiegelöffnung.  "
     "Zu beachten ist dabei, daß diese Parameter nicht unabhängig voneinander sind. Z.B. kann eine "
     "Verkleinerung des Krümmungsradius  notwendig eine Verkleinerung der Öffnung nach sich ziehen. "
     "Wölb- und Hohlspiegel lassen sich ebenso einstellen wie Planspiegel."), 2},
    {"Label20", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Starten von Lichtstrahlen"), 1},
    {"Label27", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Beim Start des Programms befindet sich links oberhalb des Spiegels ein erster Objektpunkt P. "
     "Er kann durch Drücken der rechten Maustaste und Ziehen an eine beliebige Stelle vor der Linse "
     "gebracht werden. Setzt man dann den Mauszeiger auf eine beliebige Stelle zwischen Spiegel und "
     "P und drückt die linke Taste, so wird ein vom Objektpunk ausgehender, den Spiegel treffender "
     "Strahl  sichtbar, der dort reflektiert wird.  Beim Loslassen der Maustaste bleibt dieser "
     "Strahl erhalten."), 2},
    {"Label38", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Je nach eingestellter Option werden auch die rückwärtige  Verlängerung und das Einfallslote "
     "sichtbar. Mehrere dicht nebeneinander den Spiegel treffende Strahlen markieren ein "
     "Lichtbündel, eine Einschnürung desselben einen Bildpunkt."), 3},
    {"Label29", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Bewegen des Objektpunktes"), 1},
    {"Label24", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Der Objektpunkt P kann durch Drücken der rechten Maustaste erfaßt und durch Ziehen bei "
     "gedrückter Taste an beliebige Position des Bildschirmes vor den Spiegel gezogen werden. Das "
     "an P \"hängende\" Strahlenbüschel wird dabei mit bewegt. Außerhalb des Bildschirmes kann P "
     "mit Hilfe der Spintasten rechts unten bewegt werden.      "), 2},
    {"Label4", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Neues Objekt"), 1},
    {"Label21", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Durch Drücken der Taste Neues Objekt kann ein zweiter bzw. dritter, usw. Objektpunkt erzeugt "
     "werden, von dem aus sich wieder ein Strahlenbüschel starten lässt. Es können bis zu 9 neue "
     "Objektpunkte generiert werden, aktiv ist aber jeweils nur der zuletzt generierte, d.h. nur von "
     "ihm aus können neue Strahlen gestartet werden.."), 3},
    {"Label33", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Parallelbündel"), 1},
    {"Label34", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Entfernt man P sehr weit von der Linse, so werden die von ihm ausgehenden, den Spiegel "
     "treffenden Strahlen annähernd parallel. Die dazu notwendige große Entfernung läßt sich bei "
     "kleinem Zoomfaktor mit der Maus, sonst mit den Spintasten rechts unten erreichen."), 3},
    {"Label3", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Durch Vergleich der relativen Lage von Objekt- und Bildpunkten kann man "
     "Abbildungseigenschaften der Spiegel studieren."), 3},
    {"Label30", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Markieren "), 1},
    {"Label28", kMarkerNote, 2},
    {"Label31", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Drucken"), 1},
    {"Label32", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Es kann ein Ausdruck der aktuellen am Monitor sichtbaren  Darstellung  in hoher Auflösung "
     "erzeugt werden. Nach Drücken der entsprechenden Taste erscheint eine Eingabe-Box, in welche "
     "eine evtl. gewünschte Bildüberschrift einzutragen ist. Danach erscheint eine Dialog-Box für "
     "die Einstellungen am Drucker. Der angeschlossene Drucker sollte auf Querformat eingestellt "
     "werden. "), 3},
    {"Label26", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Bild speichern"), 1},
    {"Label39", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Das Bild lässt sich zur weiteren Verarbeitung im bmp-Format in einer Datei speichern. "
     "Verzichtet man auf die Angabe eines Pfades, so wird die Datei im Desktop abgelegt. Die Datei "
     "ist etwa 2,4 MB groß; mit einem Grafikprogramm läßt sie sich verkleinern."), 3},
};
} // namespace

frmSpieg::frmSpieg() : Form(FormId::Spieg) {
    setWindowTitle(QStringLiteral("Ebene und sphärische Spiegel  als Bündel-Wandler"));
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(192, 192, 192)));
    setFont(classicFont(8.25));
    createControls();
    zoom = std::make_unique<ZoomPan>(Picture1, HScroll1, VScroll1, Text10, [this] {
        scene.zoomFactor = zoom->zoomFactor;
        scene.panX = static_cast<float>(zoom->panX());
        scene.panY = static_cast<float>(zoom->panY());
        Redraw();
    });
    markers = std::make_unique<MarkerOverlay>(scene.markers, Picture1, Picture2, Picture3, Picture4, Picture5,
                                              [this](Layers layers) { redraw(layers); });
    help = std::make_unique<HelpPanel>(Picture1, zoom.get(), Command7, Command8, kHelpNotes,
                                       int(std::size(kHelpNotes)),
                                       std::vector<QWidget *>{Label6, Label9, Text1, Text2}, [this] { Redraw(); });
    described(command1, QStringLiteral("Aktuelles Bündel löschen; nur den letzten Strahl: Strg+Z (zurückholen: "
                                       "Strg+Umschalt+Z)"));
    installUndoShortcuts(this, [this] { Undo(); }, [this] { Redo(); });
    completeToolTips(this);
}

frmSpieg::~frmSpieg() = default;

void frmSpieg::createControls() {
    Picture1 = new PictureBox(this);
    Picture1->onMouseDown = [this](int b, int s, float x, float y) { Picture1_MouseDown(b, s, x, y); };
    Picture1->onMouseMove = [this](int b, int s, float x, float y) { Picture1_MouseMove(b, s, x, y); };
    Picture1->onMouseUp = [this](int b, int s, float x, float y) { Picture1_MouseUp(b, s, x, y); };

    auto label = [this](const char *text) { return new QLabel(QString::fromUtf8(text), this); };
    Label10 = label("Spiegelparameter");
    Label8 = label("   -     Krümmung     +");
    label1 = label("Radius");
    Label5 = label("Durchmesser");
    Label11 = label("Wahl der dargest. Strahlen ");
    Label12 = label("Position und Nummer des aktuellen Objekts");
    Label12->setWordWrap(true);
    Label7 = label("Zoom");
    Label2 = label("Markieren ");

    auto scroll = [this](Qt::Orientation o) {
        auto *s = new QScrollBar(o, this);
        s->setFocusPolicy(Qt::StrongFocus); // arrow keys move it
        return s;
    };
    HScroll2 = scroll(Qt::Horizontal);
    HScroll2->setRange(-36, 36);
    HScroll2->setSingleStep(1);
    HScroll2->setPageStep(2);
    HScroll5 = scroll(Qt::Horizontal);
    HScroll5->setRange(10, 1000);
    HScroll5->setSingleStep(5);
    HScroll5->setPageStep(50);
    HScroll5->setValue(600);
    HScroll1 = scroll(Qt::Horizontal);
    VScroll1 = scroll(Qt::Vertical);

    Text3 = displayBox(this);
    Text6 = displayBox(this);
    Text8 = displayBox(this);
    Text9 = displayBox(this);
    Text11 = displayBox(this);
    Text10 = displayBox(this);
    Text1 = displayBox(Picture1);
    Text2 = displayBox(Picture1);
    for (QLineEdit *t : {Text1, Text2})
        t->setPalette(QPalette()); // the pointer position in the system colours
    named(Picture1, QStringLiteral("Bildfeld"));
    named(HScroll2, QStringLiteral("Krümmung des Spiegels"));
    named(HScroll5, QStringLiteral("Durchmesser der Spiegelöffnung"));
    named(HScroll1, QStringLiteral("Bildfeld waagerecht verschieben"));
    named(VScroll1, QStringLiteral("Bildfeld senkrecht verschieben"));
    named(Text3, QStringLiteral("Radius"));
    named(Text6, QStringLiteral("Durchmesser"));
    named(Text8, QStringLiteral("x-Position des Objekts"));
    named(Text9, QStringLiteral("y-Position des Objekts"));
    named(Text11, QStringLiteral("Nummer des aktuellen Objekts"));
    named(Text10, QStringLiteral("Zoomfaktor"));
    named(Text1, QStringLiteral("x-Position der Maus"));
    named(Text2, QStringLiteral("y-Position der Maus"));

    Check3D5 = new QCheckBox(QStringLiteral(" gespiegelte verlängern"), this);
    Check3D2 = new QCheckBox(QStringLiteral("gespiegelte gestrichelt"), this);
    Check3D8 = new QCheckBox(QStringLiteral("Einfallslote einzeichnen"), this);

    Spin1 = new SpinButton(this);
    Spin2 = new SpinButton(this);
    Spin3 = new SpinButton(this);
    Spin1->setNames(QStringLiteral("Zoom vergrößern"), QStringLiteral("Zoom verkleinern"));
    Spin2->setNames(QStringLiteral("Objektpunkt nach links"), QStringLiteral("Objektpunkt nach rechts"));
    Spin3->setNames(QStringLiteral("Objektpunkt nach oben"), QStringLiteral("Objektpunkt nach unten"));

    Picture2 = new SymbolButton([](Surface &s) { DrawPointSymbol(s, 10); }, Rgb{224, 224, 224}, this);
    Picture3 = new SymbolButton([](Surface &s) { DrawEyeSymbol(s, 45, 2); }, Rgb{224, 224, 224}, this);
    const QColor window = palette().color(QPalette::Base);
    const Rgb windowRgb{static_cast<uint8_t>(window.red()), static_cast<uint8_t>(window.green()),
                        static_cast<uint8_t>(window.blue())};
    Picture4 = new SymbolButton(DrawRasterSymbol, windowRgb, this);
    Picture5 = new SymbolButton(DrawLineSymbol, windowRgb, this);
    named(Picture2, QStringLiteral("Punkt markieren"));
    named(Picture3, QStringLiteral("Auge setzen"));
    named(Picture4, QStringLiteral("Raster ein/aus"));
    named(Picture5, QStringLiteral("Bildschirmlinie"));

    auto button = [this](const char *text) { return new QPushButton(QString::fromUtf8(text), this); };
    Command2 = button("Markierungen löschen");
    command1 = button("Aktuelles Bündel löschen");
    Command5 = button("Neues Objekt");
    Command6 = button("Neu beginnen");
    Command3 = button("Bild drucken");
    Command4 = button("Bild speichern");
    Command7 = button("Info ");
    Command8 = button("Didaktische Bemerkung");
    Command9 = button("Menu");

    Label6 = new QLabel(QStringLiteral("Objektpunkt kann durch Drücken der rechten Maustaste und Ziehen bewegt werden"),
                        Picture1);
    Label9 = new QLabel(QStringLiteral("Strahl kann durch Drücken  und Ziehen der linken Maustaste selektiert werden"),
                        Picture1);
    for (QLabel *l : {Label6, Label9})
        l->setWordWrap(true);

    connect(HScroll2, &QScrollBar::sliderPressed, this, [this] {
        apertureAtPress_ = scene.mirror.halfAperture;
        radiusAtPress_ = scene.mirror.mirrorRadius;
    });
    connect(HScroll2, &QScrollBar::valueChanged, this, [this] { HScroll2_Change(); });
    connect(HScroll5, &QScrollBar::valueChanged, this, [this] { HScroll5_Change(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { zoom->HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { zoom->VScroll1_Change(); });
    // An option reacts to every change of its value: mouse, keyboard or screen reader.
    connect(Check3D2, &QCheckBox::toggled, this, [this] { Check3D2_Click(); });
    connect(Check3D5, &QCheckBox::toggled, this, [this] { Check3D5_Click(); });
    connect(Check3D8, &QCheckBox::toggled, this, [this] { Check3D8_Click(); });
    connect(Spin1, &SpinButton::SpinDown, this, [this] { Spin1_SpinDown(); });
    connect(Spin1, &SpinButton::SpinUp, this, [this] { Spin1_SpinUp(); });
    connect(Spin2, &SpinButton::SpinDown, this, [this] { Spin2_SpinDown(); });
    connect(Spin2, &SpinButton::SpinUp, this, [this] { Spin2_SpinUp(); });
    connect(Spin3, &SpinButton::SpinDown, this, [this] { Spin3_SpinDown(); });
    connect(Spin3, &SpinButton::SpinUp, this, [this] { Spin3_SpinUp(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(command1, &QPushButton::clicked, this, [this] { command1_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    Picture2->onClick = [this] { Picture2_Click(); };
    Picture3->onClick = [this] { Picture3_Click(); };
    Picture4->onClick = [this] { Picture4_Click(); };
    Picture5->onClick = [this] { Picture5_Click(); };
}

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
    const double headerH = 0.04 * H;
    // Mirror parameters.
    double x = 0.01 * W, w = 0.15 * W, y = T0;
    place(Label10, x, y, w, headerH);
    y += headerH;
    place(Label8, x, y, w, scrollH);
    y += scrollH;
    place(HScroll2, x, y, w, scrollH);
    y += scrollH;
    place(label1, x, y, w / 2, scrollH);
    place(Text3, x + w / 2, y, w / 2, scrollH);
    y += scrollH;
    place(HScroll5, x, y, w, scrollH);
    y += scrollH;
    place(Label5, x, y, 0.6 * w, scrollH);
    place(Text6, x + 0.6 * w, y, 0.4 * w, scrollH);
    // Rays shown.
    x = 0.17 * W;
    w = 0.18 * W;
    y = T0;
    place(Label11, x, y, w, 0.055 * H);
    y += 0.055 * H;
    for (QCheckBox *c : {Check3D5, Check3D2, Check3D8}) {
        y += 0.01 * H;
        place(c, x, y, w, 0.05 * H);
        y += 0.05 * H;
    }
    // Zoom.
    x = 0.36 * W;
    y = T0;
    place(Label7, x, y, 0.06 * W, headerH);
    y += headerH;
    place(Text10, x, y, 0.06 * W, 0.05 * H);
    y += 0.06 * H;
    place(Spin1, x, y, 0.04 * W, 0.07 * H);
    // Current object.
    x = 0.43 * W;
    y = T0;
    place(Label12, x, y, 0.2 * W, headerH);
    y += headerH;
    place(Text8, x, y, 0.062 * W, 0.05 * H);
    place(Spin2, x + 0.062 * W, y, 0.03 * W, 0.05 * H);
    place(Spin3, x + 0.092 * W, y, 0.03 * W, 0.05 * H);
    place(Text9, x + 0.122 * W, y, 0.062 * W, 0.05 * H);
    y += 0.06 * H;
    place(Text11, x, y, 0.062 * W, 0.05 * H);
    place(Command5, x + 0.067 * W, y, 0.115 * W, 0.05 * H);
    y += 0.06 * H;
    place(Command6, x, y, 0.18 * W, 0.05 * H);
    // Markers.
    x = 0.625 * W;
    y = T0;
    place(Label2, x, y, 0.21 * W, headerH);
    y += headerH + 0.02 * H;
    double sx = x;
    for (SymbolButton *s : {Picture3, Picture2, Picture5, Picture4}) {
        place(s, sx, y, 0.047 * W, 615);
        sx += 0.047 * W + 0.005 * W;
    }
    y += 615 + 0.026 * H;
    place(Command2, x, y, 0.203 * W, 0.05 * H);
    y += 0.06 * H;
    place(command1, x, y, 0.203 * W, 0.05 * H);
    // Buttons.
    x = 0.85 * W;
    y = T0 + 0.02 * H;
    for (QPushButton *b : {Command3, Command4, Command7, Command9}) {
        place(b, x, y, 0.14 * W, 0.05 * H);
        y += 0.06 * H;
    }

    // Controls inside the picture are placed in world coordinates of the start view.
    placeInWorld(Picture1, Text1, 1500, -1000, 250, 100);
    placeInWorld(Picture1, Text2, 1750, -1000, 250, 100);
    placeInWorld(Picture1, Label6, -1950, -990, 1800, 100);
    placeInWorld(Picture1, Label9, -1950, 850, 1800, 100);
    help->layout({"Label19", "Label23", "Label20", "Label27", "Label38", "Label29", "Label24", "Label4", "Label21"},
                 {"Label33", "Label34", "Label3", "Label30", "Label28", "Label31", "Label32", "Label26", "Label39"});
    const int cw = Picture1->width() / 5;
    Command8->setGeometry(Picture1->x() + Picture1->width() - cw - 10,
                          Picture1->y() + Picture1->height() - Screen::px(0.06 * H), cw,
                          Screen::px(0.05 * H));
    fitLabels(this);
    // The keyboard follows the panel's groups from left to right.
    setTabChain({HScroll1, VScroll1, HScroll2, HScroll5, Check3D5, Check3D2, Check3D8, Spin1, Spin2, Spin3,
                 Command5, Command6, Picture3, Picture2, Picture5, Picture4, Command2, command1, Command3, Command4,
                 Command7, Command8, Command9});
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
        const QSignalBlocker b2(HScroll2), b5(HScroll5);
        HScroll2->setValue(0);
        HScroll5->setValue(600);
    }
    Text3->setText(QStringLiteral("plan"));
    Text6->setText(QStringLiteral("120"));
    help->Load();
    // The first picture: the mirror and the first object point.
    redraw(Layer::Element | Layer::Bundles);
}

void frmSpieg::Form_Unload() { UnloadModule(FormId::Spieg); }

void frmSpieg::Command9_Click() { Forms::closeModule(FormId::Spieg); }

// ---- Mirror parameters ----

void frmSpieg::HScroll2_Change() {
    // A drag limits the opening it had when the slider was pressed, and a plane mirror
    // keeps the radius from before the drag, so that the drag does not depend on its path.
    const bool dragged = HScroll2->isSliderDown();
    scene.setCurvature(-HScroll2->value(), dragged ? apertureAtPress_ : 0, dragged ? radiusAtPress_ : 0);
    const MirrorParams &m = scene.mirror;
    Text3->setText(m.curvature != 0 ? qs(ShownLength(m.mirrorRadius)) : QStringLiteral(" plan"));
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

// ---- Drawing ----

void frmSpieg::Redraw() { redraw(kFullRedraw); }

void frmSpieg::redraw(Layers layers) {
    drag.draw(*Picture1, layers, scene.key(), kFullRedraw, Layer::Raster,
              [this](Layers l) { scene.draw(*Picture1, kScreenMirrorStyles, l); });
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
        moveObjectTo(x, y);
    }
}

void frmSpieg::Picture1_MouseMove(int button, int, float x, float y) {
    Text1->setText(QStringLiteral("x = ") + qs(NumText(Int(x / 10 + 0.5f))));
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
        moveObjectTo(x, y);
    }
}

void frmSpieg::Picture1_MouseUp(int button, int, float x, float) {
    Screen::setMousePointer(0);
    if (button == 1 && !markers->anyMode()) {
        if (scene.trialActive)
            storeTrialRay();
    } else if (button == 1) {
        markers->MouseUp(x, scene.currentX(), scene.currentY());
    }
}

void frmSpieg::storeTrialRay() {
    scene.endTrial();
    BundleActions::storeRay(scene, scene.trialHasHit, scene.hitX, scene.hitY, [this] { Redraw(); });
}

void frmSpieg::moveObjectTo(float x, float y) {
    if (scene.markers.rasterOn == 0) {
        scene.setCurrent(x, y);
    } else {
        float sx = 0, sy = 0;
        scene.markers.snapToRaster(x, y, sx, sy);
        // A snapped point on the mirror plane would leave the object side.
        if (sx >= 0)
            sx = -static_cast<float>(scene.markers.rasterStepX);
        scene.setCurrent(sx, sy);
    }
    redrawAfterObjectChange();
}

// ---- Object points ----

void frmSpieg::redrawAfterObjectChange() {
    Text8->setText(QStringLiteral("x=") + qs(NumText(Int(scene.currentX() / 10 + 0.5f))));
    Text9->setText(QStringLiteral("y=") + qs(NumText(-Int(scene.currentY() / 10 + 0.5f))));
    Redraw();
}

// The mirror plane is never reached: 0.9 x stays negative.
void frmSpieg::Spin2_SpinDown() {
    if (scene.moveTowardsElement(0))
        redrawAfterObjectChange();
}

void frmSpieg::Spin2_SpinUp() {
    if (scene.moveAwayFromElement())
        redrawAfterObjectChange();
}

void frmSpieg::Spin3_SpinDown() {
    if (scene.moveDown())
        redrawAfterObjectChange();
}

void frmSpieg::Spin3_SpinUp() {
    if (scene.moveUp())
        redrawAfterObjectChange();
}

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

void frmSpieg::readOptions() {
    scene.dottedReflected = Check3D2->isChecked();
    scene.extendReflected = Check3D5->isChecked();
    scene.drawNormals = Check3D8->isChecked();
}

void frmSpieg::Check3D2_Click() {
    readOptions();
    Redraw();
}
void frmSpieg::Check3D5_Click() {
    readOptions();
    Redraw();
}
void frmSpieg::Check3D8_Click() {
    readOptions();
    Redraw();
}
void frmSpieg::Spin1_SpinDown() { zoom->ZoomOut(); }
void frmSpieg::Spin1_SpinUp() { zoom->ZoomIn(); }
void frmSpieg::Picture2_Click() { markers->PointSymbol_Click(); }
void frmSpieg::Picture3_Click() { markers->EyeSymbol_Click(); }
void frmSpieg::Picture4_Click() { markers->RasterSymbol_Click(); }
void frmSpieg::Picture5_Click() { markers->LineSymbol_Click(); }
void frmSpieg::Command2_Click() { markers->ClearMarkers(); }

// ---- Printing and saving ----

void frmSpieg::Command3_Click() {
    PrintHardcopy(scene, PageOrientation::Landscape, [this] { redraw(Layer::Element | Layer::Bundles); });
}

void frmSpieg::Command4_Click() {
    // The file holds the mirror and the rays, without markers and raster.
    auto drawScene = [this] { redraw(Layer::Clear | Layer::Element | Layer::Bundles); };
    SaveSteps steps;
    steps.prompt = QStringLiteral(
        "Bitte geben Sie den Namen der Bilddatei an; als Extension sollten Sie.bmp verwenden! Falls Sie "
        "auf Angabe eines Pfades verzichten, wird die Datei im Desktop abgelegt.");
    steps.defaultName = QStringLiteral("Spiegel.bmp");
    steps.errorText = QStringLiteral("Fehler beim Speichern! Disk full?");
    steps.criticalIcon = true;
    steps.beforeAsking = drawScene;
    steps.afterWriting = drawScene;
    steps.drawVector = [this](Surface &s) {
        scene.draw(s, kScreenMirrorStyles, Layer::Clear | Layer::Element | Layer::Bundles);
    };
    if (!SavePictureFile(*Picture1, steps))
        Redraw(); // cancelled: the whole scene comes back
}

// ---- Help panel ----

void frmSpieg::Command7_Click() { help->toggle(); }

void frmSpieg::Command8_Click() {
    Forms::show(FormId::SpiegIn);
    help->leaveForDidacticNotes();
}

} // namespace varelo
