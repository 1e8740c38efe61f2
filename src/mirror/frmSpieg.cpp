#include "mirror/frmSpieg.h"

#include "canvas/Dialogs.h"
#include "canvas/Hardcopy.h"
#include "canvas/PrinterSurface.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/SpinButton.h"
#include "canvas/WindowLayout.h"
#include "core/NumRules.h"
#include "shell/Forms.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

namespace varelo {

const MirrorWidths kScreenMirrorWidths{5, 1, 2};
const MirrorWidths kPrinterMirrorWidths{20, 2, 4};

namespace {
constexpr Rgb kExtensionGrey{180, 180, 180};

QString qs(const std::string &s) { return QString::fromStdString(s); }

// The operating notes: label name, text, kind (0 title, 1 heading, 2 note on white, 3 note).
struct HelpText {
    const char *name;
    const char *text;
    int kind;
};

const HelpText kHelpTexts[] = {
    {"Label22", "                                                      Bedienungshinweise", 0},
    {"Label19", "Einstellen der Spiegelparameter", 1},
    {"Label23",
     "Einstellbar ist der Krümmungsradius der Oberfläche und der Durchmesser der Spiegelöffnung.  "
     "Zu beachten ist dabei, daß diese Parameter nicht unabhängig voneinander sind. Z.B. kann eine "
     "Verkleinerung des Krümmungsradius  notwendig eine Verkleinerung der Öffnung nach sich ziehen. "
     "Wölb- und Hohlspiegel lassen sich ebenso einstellen wie Planspiegel.",
     2},
    {"Label20", "Starten von Lichtstrahlen", 1},
    {"Label27",
     "Beim Start des Programms befindet sich links oberhalb des Spiegels ein erster Objektpunkt P. "
     "Er kann durch Drücken der rechten Maustaste und Ziehen an eine beliebige Stelle vor der Linse "
     "gebracht werden. Setzt man dann den Mauszeiger auf eine beliebige Stelle zwischen Spiegel und "
     "P und drückt die linke Taste, so wird ein vom Objektpunk ausgehender, den Spiegel treffender "
     "Strahl  sichtbar, der dort reflektiert wird.  Beim Loslassen der Maustaste bleibt dieser "
     "Strahl erhalten.",
     2},
    {"Label38",
     "Je nach eingestellter Option werden auch die rückwärtige  Verlängerung und das Einfallslote "
     "sichtbar. Mehrere dicht nebeneinander den Spiegel treffende Strahlen markieren ein "
     "Lichtbündel, eine Einschnürung desselben einen Bildpunkt.",
     3},
    {"Label29", "Bewegen des Objektpunktes", 1},
    {"Label24",
     "Der Objektpunkt P kann durch Drücken der rechten Maustaste erfaßt und durch Ziehen bei "
     "gedrückter Taste an beliebige Position des Bildschirmes vor den Spiegel gezogen werden. Das "
     "an P \"hängende\" Strahlenbüschel wird dabei mit bewegt. Außerhalb des Bildschirmes kann P "
     "mit Hilfe der Spintasten rechts unten bewegt werden.      ",
     2},
    {"Label4", "Neues Objekt", 1},
    {"Label21",
     "Durch Drücken der Taste Neues Objekt kann ein zweiter bzw. dritter, usw. Objektpunkt erzeugt "
     "werden, von dem aus sich wieder ein Strahlenbüschel starten lässt. Es können bis zu 9 neue "
     "Objektpunkte generiert werden, aktiv ist aber jeweils nur der zuletzt generierte, d.h. nur von "
     "ihm aus können neue Strahlen gestartet werden..",
     3},
    {"Label33", "Parallelbündel", 1},
    {"Label34",
     "Entfernt man P sehr weit von der Linse, so werden die von ihm ausgehenden, den Spiegel "
     "treffenden Strahlen annähernd parallel. Die dazu notwendige große Entfernung läßt sich bei "
     "kleinem Zoomfaktor mit der Maus, sonst mit den Spintasten rechts unten erreichen.",
     3},
    {"Label3",
     "Durch Vergleich der relativen Lage von Objekt- und Bildpunkten kann man "
     "Abbildungseigenschaften der Spiegel studieren.",
     3},
    {"Label30", "Markieren ", 1},
    {"Label28",
     "Im Bildfeld können mehrere Punkte, Augen sowie ein Raster (zum Ausrichten von Punkten) und "
     "eine Linie (als Bildschirm) markiert werden. Auf das entsprechende Symbol (Punkt, Auge oder "
     "Linie) links klicken und dann wieder links auf die gewünschte Stelle des Bildes. Das Auge "
     "blickt immer zu dem an letzter Stelle gesetzten Punkt.",
     2},
    {"Label31", "Drucken", 1},
    {"Label32",
     "Es kann ein Ausdruck der aktuellen am Monitor sichtbaren  Darstellung  in hoher Auflösung "
     "erzeugt werden. Nach Drücken der entsprechenden Taste erscheint eine Eingabe-Box, in welche "
     "eine evtl. gewünschte Bildüberschrift einzutragen ist. Danach erscheint eine Dialog-Box für "
     "die Einstellungen am Drucker. Der angeschlossene Drucker sollte auf Querformat eingestellt "
     "werden. ",
     3},
    {"Label26", "Bild speichern", 1},
    {"Label39",
     "Das Bild lässt sich zur weiteren Verarbeitung im bmp-Format in einer Datei speichern. "
     "Verzichtet man auf die Angabe eines Pfades, so wird die Datei im Desktop abgelegt. Die Datei "
     "ist etwa 2,4 MB groß; mit einem Grafikprogramm läßt sie sich verkleinern.",
     3},
};
} // namespace

frmSpieg::frmSpieg() : Form(FormId::Spieg) {
    setWindowTitle(QStringLiteral("Ebene und sphärische Spiegel  als Bündel-Wandler"));
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(192, 192, 192)));
    setFont(classicFont(8.25));
    createControls();
    createHelpLabels();
    zoom = std::make_unique<ZoomPan>(Picture1, HScroll1, VScroll1, Text10, [this] { Redraw(); });
    markers = std::make_unique<MarkerOverlay>(Picture1, Picture2, Picture3, Picture4, Picture5,
                                              static_cast<MarkerHost *>(this));
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
        s->setFocusPolicy(Qt::NoFocus);
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

    Check3D5 = new QCheckBox(QStringLiteral(" gespiegelte verlängern"), this);
    Check3D2 = new QCheckBox(QStringLiteral("gespiegelte gestrichelt"), this);
    Check3D8 = new QCheckBox(QStringLiteral("Einfallslote einzeichnen"), this);

    Spin1 = new SpinButton(this);
    Spin2 = new SpinButton(this);
    Spin3 = new SpinButton(this);

    Picture2 = new SymbolButton(MarkerOverlay::drawPointSymbol, Rgb{224, 224, 224}, this);
    Picture3 = new SymbolButton(MarkerOverlay::drawEyeSymbol, Rgb{224, 224, 224}, this);
    const QColor window = palette().color(QPalette::Base);
    const Rgb windowRgb{static_cast<uint8_t>(window.red()), static_cast<uint8_t>(window.green()),
                        static_cast<uint8_t>(window.blue())};
    Picture4 = new SymbolButton(MarkerOverlay::drawRasterSymbol, windowRgb, this);
    Picture5 = new SymbolButton(MarkerOverlay::drawLineSymbol, windowRgb, this);

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

    connect(HScroll2, &QScrollBar::valueChanged, this, [this] { HScroll2_Change(); });
    connect(HScroll5, &QScrollBar::valueChanged, this, [this] { HScroll5_Change(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { zoom->HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { zoom->VScroll1_Change(); });
    connect(Check3D2, &QCheckBox::clicked, this, [this] { Check3D2_Click(); });
    connect(Check3D5, &QCheckBox::clicked, this, [this] { Check3D5_Click(); });
    connect(Check3D8, &QCheckBox::clicked, this, [this] { Check3D8_Click(); });
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

void frmSpieg::createHelpLabels() {
    for (const HelpText &h : kHelpTexts) {
        auto *l = new QLabel(QString::fromUtf8(h.text), Picture1);
        l->setWordWrap(h.kind != 0);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        if (h.kind == 0) {
            p.setColor(QPalette::Window, QColor(128, 255, 255));
        } else if (h.kind == 1) {
            p.setColor(QPalette::WindowText, QColor(255, 0, 0));
            p.setColor(QPalette::Window, QColor(255, 255, 255));
        } else {
            p.setColor(QPalette::Window, QColor(255, 255, 255));
        }
        l->setPalette(p);
        l->setFont(classicFont(h.kind == 0 ? 11 : 8.25));
        l->hide();
        helpLabels.insert(QString::fromLatin1(h.name), l);
    }
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
    layoutHelpLabels();
    const int cw = Picture1->width() / 5;
    Command8->setGeometry(Picture1->x() + Picture1->width() - cw - 10,
                          Picture1->y() + Picture1->height() - Screen::px(0.06 * H), cw,
                          Screen::px(0.05 * H));
}

void frmSpieg::layoutHelpLabels() {
    // Two columns of headings and notes under the title, inside the picture.
    const int margin = 8, gap = 4;
    const int colW = (Picture1->width() - 3 * margin) / 2;
    QLabel *title = helpLabels.value(QStringLiteral("Label22"));
    title->setGeometry(margin, margin, Picture1->width() - 2 * margin, title->sizeHint().height() + 6);
    const int top = title->geometry().bottom() + 2 * gap;
    const char *left[] = {"Label19", "Label23", "Label20", "Label27", "Label38", "Label29", "Label24",
                          "Label4", "Label21"};
    const char *right[] = {"Label33", "Label34", "Label3", "Label30", "Label28", "Label31", "Label32",
                           "Label26", "Label39"};
    auto stack = [&](const char *const *names, int count, int x) {
        int y = top;
        for (int i = 0; i < count; ++i) {
            QLabel *l = helpLabels.value(QString::fromLatin1(names[i]));
            const int h = l->heightForWidth(colW) > 0 ? l->heightForWidth(colW) : l->sizeHint().height();
            l->setGeometry(x, y, colW, h);
            y += h + gap;
        }
    };
    stack(left, 9, margin);
    stack(right, 9, 2 * margin + colW);
}

void frmSpieg::Form_Load() {
    pi = static_cast<float>(4 * std::atan(1.0));
    layoutControls();
    zoom->Load();
    objectCount = 1;
    objX[1] = -1600;
    objY[1] = -750;
    rayCount[1] = 0;
    Text8->setText(QStringLiteral("x=-160"));
    Text9->setText(QStringLiteral("y=75"));
    Text11->setText(QStringLiteral("   1"));
    markers->Load();
    mirror = MirrorParams{};
    {
        const QSignalBlocker b2(HScroll2), b5(HScroll5);
        HScroll2->setValue(0);
        HScroll5->setValue(600);
    }
    Text3->setText(QStringLiteral("plan"));
    Text6->setText(QStringLiteral("120"));
    rayLength = static_cast<float>(Picture1->ScaleWidth());
    helpShown = 0;
    setHelpVisible(false);
    Command7->setText(QStringLiteral("Info "));
    // The first picture: the mirror and the first object point.
    DrawMirror(*Picture1, kScreenMirrorWidths);
    Picture1->SetDrawWidth(kScreenMirrorWidths.objectDot);
    Picture1->PSet(objX[1], objY[1]);
    Picture1->SetDrawWidth(1);
}

void frmSpieg::Form_Unload() {
    Screen::setMousePointer(0); // an armed marker tool must not leave its cross-hair behind
    Forms::unload(FormId::Spieg);
    Forms::unload(FormId::SpiegIn);
    Forms::show(FormId::Varelo);
}

void frmSpieg::Command9_Click() {
    Forms::unload(FormId::Spieg);
    Forms::show(FormId::Varelo);
}

// ---- Mirror parameters ----

void frmSpieg::HScroll2_Change() {
    mirror.curvature = static_cast<int16_t>(-HScroll2->value());
    if (mirror.curvature != 0) {
        mirror.mirrorRadius = 12000.0f / mirror.curvature;
        Text3->setText(qs(NumText(Int(mirror.mirrorRadius / 10 + 0.5f))));
    } else {
        Text3->setText(QStringLiteral(" plan"));
    }
    const float limit = static_cast<float>(0.99 * std::fabs(mirror.mirrorRadius));
    if (limit < mirror.halfAperture) {
        mirror.halfAperture = limit;
        HScroll5->setValue(static_cast<int>(Int(mirror.halfAperture)));
    }
    Redraw();
}

void frmSpieg::HScroll5_Change() {
    const int v = HScroll5->value();
    const double limit = 0.99 * std::fabs(mirror.mirrorRadius);
    if (limit <= v) {
        mirror.halfAperture = static_cast<float>(limit);
        HScroll5->setValue(CInt(mirror.halfAperture));
    } else {
        mirror.halfAperture = static_cast<float>(v);
    }
    Text6->setText(qs(NumText(Int(2 * mirror.halfAperture / 10 + 0.5f))));
    Redraw();
}

// ---- Drawing ----

void frmSpieg::Redraw() {
    dragLayerValid_ = false;
    Picture1->Cls();
    DrawMirror(*Picture1, kScreenMirrorWidths);
    DrawBundles(*Picture1, kScreenMirrorWidths, &kScreenMarkerWidths);
    markers->DrawMarkers(*Picture1, kScreenMarkerWidths);
    markers->DrawRaster(*Picture1);
}

void frmSpieg::DrawMirror(Surface &s, const MirrorWidths &w) {
    arcHalfAngle = ComputeApertureAngle(mirror.mirrorRadius, mirror.halfAperture, pi);
    const float r = mirror.mirrorRadius, h = mirror.halfAperture, a = arcHalfAngle;
    s.Circle(0, 0, 5);
    s.SetDrawStyle(kDashDot);
    s.Line(s.ScaleLeft(), 0, s.ScaleLeft() + s.ScaleWidth(), 0);
    s.SetDrawStyle(kSolid);
    s.SetDrawWidth(w.mirror);
    if (mirror.curvature == 0)
        s.Line(0, h, 0, -h);
    else if (r > 0)
        s.Arc(r, 0, std::fabs(r), s.ForeColor(), pi - a, pi + a);
    else
        s.Arc(r, 0, std::fabs(r), s.ForeColor(), 2 * pi - a, a);
    if (mirror.curvature != 0)
        s.Line(r, 20, r, -20);
    s.SetDrawWidth(1);
}

void frmSpieg::drawObjectPoints(Surface &s, int width) {
    s.SetDrawWidth(width);
    for (int k = 1; k <= objectCount; ++k)
        s.PSet(objX[k], objY[k], s.ForeColor());
}

void frmSpieg::DrawBundles(Surface &s, const MirrorWidths &w, const MarkerWidths *mw) {
    const float length = static_cast<float>(s.ScaleWidth());
    if (&s == Picture1)
        rayLength = length;
    drawObjectPoints(s, w.objectDot);
    s.SetDrawWidth(w.ray);
    const bool dotted = Check3D2->isChecked();
    const bool extend = Check3D5->isChecked();
    const bool normals = Check3D8->isChecked();
    for (int k = 1; k <= objectCount; ++k) {
        const float px = objX[k], py = objY[k];
        for (int j = 1; j <= rayCount[k]; ++j) {
            const RayTrace t = TraceRay(mirror, px, py, rayX[k][j], rayY[k][j], length);
            if (t.outcome == TraceOutcome::NoHit)
                continue;
            if (t.outcome == TraceOutcome::OutsideOpening) {
                s.Line(px, py, rayX[k][j], rayY[k][j], kWhite);
                continue;
            }
            s.Line(px, py, t.hitX, t.hitY);
            if (dotted) {
                s.SetDrawWidth(1);
                s.SetDrawStyle(kDotted);
                s.Line(t.hitX, t.hitY, t.endX, t.endY);
                s.SetDrawStyle(kSolid);
                s.SetDrawWidth(w.ray);
            } else {
                s.Line(t.hitX, t.hitY, t.endX, t.endY);
            }
            if (extend)
                s.Line(t.hitX, t.hitY, t.backX, t.backY, kExtensionGrey);
            if (normals) {
                const Segment n = MirrorNormal(mirror, t.hitX, t.hitY);
                s.Line(n.x1, n.y1, n.x2, n.y2, kRed);
            }
        }
    }
    if (mw)
        markers->DrawMarkers(s, *mw);
}

void frmSpieg::DrawTrialRay() {
    const int k = objectCount;
    const RayTrace t = TraceRay(mirror, objX[k], objY[k], markers->markX, markers->markY, rayLength);
    trialHasHit_ = t.outcome != TraceOutcome::NoHit;
    if (t.outcome == TraceOutcome::NoHit)
        return;
    hitX = t.hitX;
    hitY = t.hitY;
    if (t.outcome == TraceOutcome::OutsideOpening)
        return;
    Surface &s = *Picture1;
    s.Line(objX[k], objY[k], hitX, hitY);
    if (Check3D2->isChecked()) {
        s.SetDrawStyle(kDotted);
        s.Line(hitX, hitY, t.endX, t.endY);
        s.SetDrawStyle(kSolid);
    } else {
        s.Line(hitX, hitY, t.endX, t.endY);
    }
    trialEndX = t.endX;
    trialEndY = t.endY;
    if (Check3D5->isChecked()) {
        trialBackX = t.backX;
        trialBackY = t.backY;
        s.Line(hitX, hitY, trialBackX, trialBackY, kExtensionGrey);
    }
}

// ---- Mouse ----

void frmSpieg::Picture1_MouseDown(int button, int, float x, float y) {
    markers->computeRasterSteps();
    if (button == 1 && !markers->anyMode()) {
        trialActive_ = true;
        trialHasHit_ = false;
        dragLayerValid_ = false;
        markers->markX = x;
        markers->markY = y;
        DrawTrialRay();
        markers->DrawRaster(*Picture1);
    } else if (button == 1) {
        markers->MouseDown(x, y);
    } else if (button == 2 && x < 0) {
        moveObjectTo(x, y, true);
    }
}

void frmSpieg::Picture1_MouseMove(int button, int, float x, float y) {
    Text1->setText(QStringLiteral("x = ") + qs(NumText(Int(x / 10 + 0.5f))));
    Text2->setText(QStringLiteral("y = ") + qs(NumText(-Int(y / 10 + 0.5f))));
    const int k = objectCount;
    const bool nearP = std::fabs(objX[k] - x) < 100 && std::fabs(objY[k] - y) < 100;
    Picture1->setMousePointer(button == 2 && nearP ? 2 : 0);
    if (button == 1 && !markers->anyMode()) {
        if (trialActive_)
            followTrialRay(x, y);
    } else if (button == 1) {
        markers->MouseMove(x, y);
    } else if (button == 2 && x < 0) {
        moveObjectTo(x, y, false);
    }
    Picture1->SetDrawWidth(1);
}

void frmSpieg::Picture1_MouseUp(int button, int, float x, float y) {
    Screen::setMousePointer(0);
    if (button == 1 && !markers->anyMode()) {
        if (trialActive_)
            storeTrialRay(x, y);
    } else if (button == 1) {
        markers->MouseUp(x, y);
    }
}

void frmSpieg::moveObjectTo(float x, float y, bool press) {
    dragLayerValid_ = false;
    const int k = objectCount;
    Picture1->Cls();
    Picture1->SetDrawWidth(kScreenMirrorWidths.objectDot);
    if (markers->rasterOn == 0) {
        objX[k] = x;
        objY[k] = y;
        if (press) {
            markers->markX = x;
            markers->markY = y;
        }
    } else {
        markers->snapToRaster(x, y, objX[k], objY[k]);
        // A snapped point on the mirror plane would leave the object side.
        if (objX[k] >= 0)
            objX[k] = -static_cast<float>(markers->rasterStepX);
    }
    Picture1->PSet(objX[k], objY[k]);
    Picture1->SetDrawWidth(1);
    showObjectTexts();
    DrawMirror(*Picture1, kScreenMirrorWidths);
    DrawBundles(*Picture1, kScreenMirrorWidths, &kScreenMarkerWidths);
    markers->DrawMarkers(*Picture1, kScreenMarkerWidths);
    markers->DrawRaster(*Picture1);
}

void frmSpieg::eraseTrialRay(float mouseX, float mouseY) {
    const int k = objectCount;
    Surface &s = *Picture1;
    s.Line(objX[k], objY[k], hitX, hitY, kWhite);
    s.Line(hitX, hitY, trialEndX, trialEndY, kWhite);
    s.Line(hitX, hitY, trialBackX, trialBackY, kWhite);
    s.Line(objX[k], objY[k], mouseX, mouseY, kWhite);
}

void frmSpieg::followTrialRay(float x, float y) {
    if (dragCacheEnabled && dragLayerValid_) {
        Picture1->restoreImage(dragLayer_);
    } else {
        eraseTrialRay(x, y);
        DrawMirror(*Picture1, kScreenMirrorWidths);
        DrawBundles(*Picture1, kScreenMirrorWidths, &kScreenMarkerWidths);
        if (dragCacheEnabled) {
            dragLayer_ = Picture1->image();
            dragLayerValid_ = true;
        }
    }
    markers->markX = x;
    markers->markY = y;
    DrawTrialRay();
    markers->DrawRaster(*Picture1);
}

void frmSpieg::storeTrialRay(float x, float y) {
    trialActive_ = false;
    const int k = objectCount;
    if (dragCacheEnabled && dragLayerValid_)
        Picture1->restoreImage(dragLayer_);
    else
        eraseTrialRay(x, y);
    dragLayerValid_ = false;
    const bool full = rayCount[k] >= kMaxRays;
    if (trialHasHit_ && !full) {
        ++rayCount[k];
        rayX[k][rayCount[k]] = hitX;
        rayY[k][rayCount[k]] = hitY;
    }
    DrawMirror(*Picture1, kScreenMirrorWidths);
    DrawBundles(*Picture1, kScreenMirrorWidths, &kScreenMarkerWidths);
    markers->DrawRaster(*Picture1);
    if (trialHasHit_ && full)
        Dialogs::instance().messageBox(QStringLiteral("Nur 100 Strahlen je Objekt möglich"), true);
}

// ---- Object points ----

void frmSpieg::showObjectTexts() {
    const int k = objectCount;
    Text8->setText(QStringLiteral("x=") + qs(NumText(Int(objX[k] / 10 + 0.5f))));
    Text9->setText(QStringLiteral("y=") + qs(NumText(-Int(objY[k] / 10 + 0.5f))));
}

void frmSpieg::redrawAfterObjectChange() {
    dragLayerValid_ = false;
    showObjectTexts();
    DrawMirror(*Picture1, kScreenMirrorWidths);
    DrawBundles(*Picture1, kScreenMirrorWidths, &kScreenMarkerWidths);
    markers->DrawRaster(*Picture1);
}

void frmSpieg::Spin2_SpinDown() {
    const int k = objectCount;
    Picture1->Cls();
    objX[k] = 0.9f * objX[k];
    redrawAfterObjectChange();
}

void frmSpieg::Spin2_SpinUp() {
    const int k = objectCount;
    if (!(std::fabs(objX[k] / 0.9f) < 30000))
        return;
    Picture1->Cls();
    objX[k] = objX[k] / 0.9f;
    redrawAfterObjectChange();
}

void frmSpieg::Spin3_SpinDown() {
    const int k = objectCount;
    const float step = Int(std::fabs(objX[k]) / 20);
    if (!(std::fabs(objY[k] + step) < 30000))
        return;
    Picture1->Cls();
    objY[k] = objY[k] + step;
    redrawAfterObjectChange();
}

void frmSpieg::Spin3_SpinUp() {
    const int k = objectCount;
    const float step = Int(std::fabs(objX[k]) / 20);
    if (!(std::fabs(objY[k] - step) < 30000))
        return;
    Picture1->Cls();
    objY[k] = objY[k] - step;
    redrawAfterObjectChange();
}

void frmSpieg::Command5_Click() {
    if (objectCount >= kMaxObjects) {
        Dialogs::instance().messageBox(QStringLiteral("Nur 10 Objekte möglich"), true);
        return;
    }
    Label6->setText(QStringLiteral(
        "Neues Objekt kann durch Drücken der rechten Maustaste und Ziehen bewegt werden!"));
    ++objectCount;
    Text11->setText(QStringLiteral("   ") + QString::number(objectCount));
    const float zf = zoom->zoomFactor;
    objX[objectCount] = -1600 / zf;
    objY[objectCount] = -750 / zf;
    rayCount[objectCount] = 0;
    Picture1->SetDrawWidth(kScreenMirrorWidths.objectDot);
    Picture1->PSet(objX[objectCount], objY[objectCount]);
    Picture1->SetDrawWidth(1);
}

void frmSpieg::command1_Click() {
    dragLayerValid_ = false;
    Picture1->Cls();
    DrawMirror(*Picture1, kScreenMirrorWidths);
    drawObjectPoints(*Picture1, kScreenMirrorWidths.objectDot);
    rayCount[objectCount] = 0;
    Picture1->SetDrawWidth(1);
    DrawBundles(*Picture1, kScreenMirrorWidths, &kScreenMarkerWidths);
    Text11->setText(QStringLiteral("   ") + QString::number(objectCount));
    markers->DrawMarkers(*Picture1, kScreenMarkerWidths);
    markers->DrawRaster(*Picture1);
}

void frmSpieg::Command6_Click() {
    dragLayerValid_ = false;
    Picture1->Cls();
    DrawMirror(*Picture1, kScreenMirrorWidths);
    for (int k = 1; k <= kMaxObjects; ++k)
        rayCount[k] = 0;
    objectCount = 1;
    Text11->setText(QStringLiteral("   1"));
    markers->pointCount = 0;
    markers->eyeCount = 0;
    Picture1->SetDrawWidth(kScreenMirrorWidths.objectDot);
    objX[1] = -1600 / zoom->zoomFactor;
    objY[1] = -750 / zoom->zoomFactor;
    Picture1->PSet(objX[1], objY[1]);
    Picture1->SetDrawWidth(1);
}

// ---- Options, zoom, markers ----

void frmSpieg::Check3D2_Click() { Redraw(); }
void frmSpieg::Check3D5_Click() { Redraw(); }
void frmSpieg::Check3D8_Click() { Redraw(); }
void frmSpieg::Spin1_SpinDown() { zoom->ZoomOut(); }
void frmSpieg::Spin1_SpinUp() { zoom->ZoomIn(); }
void frmSpieg::Picture2_Click() { markers->PointSymbol_Click(); }
void frmSpieg::Picture3_Click() { markers->EyeSymbol_Click(); }
void frmSpieg::Picture4_Click() { markers->RasterSymbol_Click(); }
void frmSpieg::Picture5_Click() { markers->LineSymbol_Click(); }
void frmSpieg::Command2_Click() { markers->ClearMarkers(); }

void frmSpieg::currentObjectPoint(float &x, float &y) const {
    x = objX[objectCount];
    y = objY[objectCount];
}

float frmSpieg::currentZoomFactor() const { return zoom->zoomFactor; }

void frmSpieg::redrawWithoutRaster() {
    dragLayerValid_ = false;
    Picture1->Cls();
    DrawMirror(*Picture1, kScreenMirrorWidths);
    DrawBundles(*Picture1, kScreenMirrorWidths, &kScreenMarkerWidths);
}

void frmSpieg::repairScene() {
    DrawMirror(*Picture1, kScreenMirrorWidths);
    DrawBundles(*Picture1, kScreenMirrorWidths, &kScreenMarkerWidths);
    markers->DrawMarkers(*Picture1, kScreenMarkerWidths);
    markers->DrawRaster(*Picture1);
}

void frmSpieg::redrawAfterClear() {
    dragLayerValid_ = false;
    Picture1->Cls();
    DrawMirror(*Picture1, kScreenMirrorWidths);
    DrawBundles(*Picture1, kScreenMirrorWidths, &kScreenMarkerWidths);
    markers->DrawRaster(*Picture1);
}

void frmSpieg::refuse(const char *message) {
    Dialogs::instance().messageBox(QString::fromUtf8(message), true);
}

// ---- Printing and saving ----

void frmSpieg::Command3_Click() {
    PrintHardcopy(
        [this] {
            DrawMirror(*Picture1, kScreenMirrorWidths);
            DrawBundles(*Picture1, kScreenMirrorWidths, nullptr);
        },
        [this](PrinterSurface &s, const QString &title) {
            const double pw = s.pageWidthTwips() / 7, ph = s.pageHeightTwips() / 7;
            const double zf = zoom->zoomFactor, h = HScroll1->value(), v = VScroll1->value();
            s.Scale(-pw / zf + h, -ph / zf + v, pw / zf + h, ph / zf + v);
            DrawMirror(s, kPrinterMirrorWidths);
            DrawBundles(s, kPrinterMirrorWidths, &kPrinterMarkerWidths);
            const float r = mirror.mirrorRadius;
            const QString radius = mirror.curvature != 0 ? qs(NumText(Int(r / 10 + 0.5f))) : QStringLiteral("plan");
            const double L = s.ScaleLeft(), T = s.ScaleTop(), W = s.ScaleWidth(), H = s.ScaleHeight();
            s.SetFontSize(20);
            s.SetCurrentX(L + 0.1 * W);
            s.SetCurrentY(T + 0.05 * H);
            s.PrintText(title);
            s.SetFontSize(12);
            s.SetCurrentX(L + 0.1 * W);
            s.SetCurrentY(T + 0.9 * H);
            s.PrintText(QStringLiteral("Spiegelparameter: r = ") + radius);
            s.SetCurrentX(L + 0.1 * W);
            s.PrintText(QStringLiteral("Durchmesser der Öffnung = ") +
                        qs(NumText(Int(2 * mirror.halfAperture / 10 + 0.5f))));
            if (mirror.curvature != 0) {
                s.SetCurrentX(L + 0.1 * W);
                s.PrintText(QStringLiteral("Brennweite nach Formel f = ") + qs(NumText(Int(r / 2 / 10 + 0.5f))));
            }
            // Scale bar: 2000 world units, labelled 0 to 200 in display units.
            const double x0 = L + 0.53 * W, y0 = T + 0.9 * H;
            s.SetDrawWidth(2);
            s.Line(x0, y0, x0 + 2000, y0, kBlack);
            for (int i = 0; i <= 20; ++i)
                s.Line(x0 + 100 * i, y0 - 20, x0 + 100 * i, y0 + 20, kBlack);
            for (int i = 0; i <= 200; i += 50) {
                s.SetCurrentX(x0 + 10 * i - 50);
                s.SetCurrentY(T + 0.91 * H);
                s.PrintText(qs(NumText(i)));
            }
        });
}

void frmSpieg::Command4_Click() {
    // The file holds the mirror and the rays, without markers and raster.
    auto drawScene = [this] {
        Picture1->Cls();
        DrawMirror(*Picture1, kScreenMirrorWidths);
        DrawBundles(*Picture1, kScreenMirrorWidths, nullptr);
    };
    SaveSteps steps;
    steps.prompt = QStringLiteral(
        "Bitte geben Sie den Namen der Bilddatei an; als Extension sollten Sie.bmp verwenden! Falls Sie "
        "auf Angabe eines Pfades verzichten, wird die Datei im Desktop abgelegt.");
    steps.defaultName = QStringLiteral("Spiegel.bmp");
    steps.errorText = QStringLiteral("Fehler beim Speichern! Disk full?");
    steps.criticalIcon = true;
    steps.beforeAsking = drawScene;
    steps.afterWriting = drawScene;
    dragLayerValid_ = false;
    if (!SavePictureFile(*Picture1, steps))
        Redraw(); // cancelled: the whole scene comes back
}

// ---- Help panel ----

void frmSpieg::setHelpVisible(bool shown) {
    for (QLabel *l : std::as_const(helpLabels))
        l->setVisible(shown);
    Label6->setVisible(!shown);
    Label9->setVisible(!shown);
    Text1->setVisible(!shown);
    Text2->setVisible(!shown);
    Command8->setVisible(shown);
}

void frmSpieg::Command7_Click() {
    helpShown = static_cast<int16_t>(1 - helpShown);
    if (helpShown == 1) {
        setHelpVisible(true);
        Command7->setText(QStringLiteral("Info off"));
        zoom->park();
        Picture1->Cls();
        // Long rays could still reach the parked view: nothing is drawn under the notes.
        Picture1->SetSuspended(true);
    } else {
        Command7->setText(QStringLiteral("Info"));
        Picture1->SetSuspended(false);
        zoom->unpark();
        setHelpVisible(false);
        Redraw();
    }
}

void frmSpieg::Command8_Click() {
    Forms::show(FormId::SpiegIn);
    helpShown = 0;
    Command7->setText(QStringLiteral("Info einblenden"));
    Picture1->SetSuspended(false);
    zoom->unpark();
    setHelpVisible(false);
    Redraw();
}

} // namespace varelo
