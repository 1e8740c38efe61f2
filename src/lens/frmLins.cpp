#include "lens/frmLins.h"

#include "canvas/BundleActions.h"
#include "canvas/Dialogs.h"
#include "canvas/Hardcopy.h"
#include "canvas/HelpPanel.h"
#include "canvas/PictureBox.h"
#include "canvas/PrinterSurface.h"
#include "canvas/Screen.h"
#include "canvas/SpinButton.h"
#include "canvas/WindowLayout.h"
#include "core/AngleGraph.h"
#include "core/NumRules.h"
#include "shell/Forms.h"
#include "shell/Modules.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace varelo {

namespace {
constexpr double kDeg = kPi / 180;
const Rgb kSymbolGrey{224, 224, 224};

QString shown(float length) { return qs(NumText(Int(length / 10 + 0.5f))); }

void drawProtractorSymbol(Surface &s) {
    s.SetDrawWidth(1);
    for (int i = 1; i <= 36; ++i)
        s.PSet(79 * std::cos(i * 10 * kDeg), -79 * std::sin(i * 10 * kDeg), kBlack);
    s.SetDrawWidth(3);
    for (int i = 0; i <= 36; i += 3)
        s.PSet(79 * std::cos(i * 10 * kDeg), -79 * std::sin(i * 10 * kDeg), kBlack);
    s.SetDrawWidth(2);
    s.Line(90, 0, -90, 0, kBlack);
    s.Line(0, -90, 0, 90, kBlack);
    s.SetDrawWidth(1);
}

// A preset's lens, small, filling its field.
void drawPresetFace(Surface &s, const float *rec) {
    LensParams p;
    p.k1 = static_cast<int16_t>(CInt(rec[LensScene::kPresetK1]));
    p.k2 = static_cast<int16_t>(CInt(rec[LensScene::kPresetK2]));
    if (p.k1 != 0)
        p.r1 = 12000.0f / p.k1;
    if (p.k2 != 0)
        p.r2 = 12000.0f / p.k2;
    p.semiDiameter = rec[LensScene::kPresetSemiDiameter];
    p.thickness = rec[LensScene::kPresetThickness];
    EnforceDiameterLimit(p);
    const double left = std::min<double>(-p.thickness, RimX2(p)), right = std::max<double>(0, RimX1(p));
    const double half = 1.2 * std::max<double>(p.semiDiameter, (right - left) / 2);
    const double cx = (left + right) / 2;
    s.Scale(cx - half, -half, cx + half, half);
    s.SetDrawWidth(1);
    DrawLensOutline(s, p, kBlack);
}


QString graphCaption(float n) { return QStringLiteral("Einfalls- und Brechungswinkel für n = ") + qs(NumText(n)); }

// The graph in its own picture.
const AngleGraphWidths kGraphWidths{2, 2, 1, 3, 5, 1};

// The operating notes over the picture.
const HelpNote kHelpNotes[] = {
    {"Label22", QT_TRANSLATE_NOOP("varelo::HelpPanel", "                                                      Bedienungshinweise"), 0},
    {"Label19", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Einstellen der Linsenparameter"), 1},
    {"Label23", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Einstellbar sind die Krümmungsradien der Oberflächen, der Linsendurchmesser und die Dicke der Linse in "
     "der Mitte. Zu beachten ist dabei, daß diese Parameter nicht unabhängig voneinander sind. Z.B. kann eine "
     "Verkleinerung der Radien  oder der Dicke eine Verkleinerung des  Durchmssers nach sich ziehen. Alle "
     "Linsenformen - einschließlich der Grenzfälle der planparallelen Platte und der Kugel  - lassen sich "
     "einstellen."), 2},
    {"Label36", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Fertige Linsen"), 1},
    {"Label37", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Durch anklicken der Felder 1-6 mit der linken Maustaste lassen sich die wichtigsten Linsentypen sofort "
     "auf den Bildschirm holen. Mit Klick auf die rechte Taste speichert man jede eingestellte Linse. Beim "
     "Umschalten von einer Linse auf die andere bleibt ein vorhandenes, vom Objektpunkt ausgehendes "
     "Strahlenbündel erhalten, so dass man die Wirkung verschiedener Linsen auf dieses Büschel sofort "
     "beurteilen kann."), 2},
    {"Label29", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Bewegen des Objektpunktes"), 1},
    {"Label24", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Der Objektpunkt P kann durch Drücken der rechten Maustaste erfaßt und durch Ziehen bei gedrückter Taste "
     "an beliebige Position des Bildschirmes vor die Linse gezogen werden. Außerhalb des Bildschirmes kann P "
     "mit Hilfe der Spintasten rechts unten bewegt werden.      "), 2},
    {"Label20", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Starten von Lichtstrahlen"), 1},
    {"Label27", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Setzt man den Mauszeiger bei gedrückter linker Taste auf eine Stelle vor der Linse, so wird ein vom "
     "Objektpunk ausgehender, die Linse durchsetzender Strahl  sichtbar, allerdings nur dann, wenn diesem "
     "nicht der Weg durch die Linsenfassung oder wegen Totalreflexion versperrt wird.  "), 2},
    {"Label38", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Beim Loslassen der Maustaste bleibt der Strahl auf dem Bildschirm. Je nach eingestellter Option werden "
     "auch gespiegelte Strahlen, Verlängerungen und Einfallslote sichtbar. Mehrere dicht nebeneinander die "
     "Linse treffende Strahlen markieren ein Lichtbündel, eine Einschnürung desselben einen Bildpunkt."), 2},
    {"Label4", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Weitere Objektpunkte"), 1},
    {"Label21", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Durch Drücken der Taste Neues Objekt kann ein zweiter bzw. dritter, usw. Objektpunkt erzeugt werden, "
     "von dem aus sich wieder ein Strahlenbüschel starten lässt. Durch Vergleich der relativen Lage von "
     "Objekt- und Bildpunkten kann man Abbildungseigenschaften der Linsen studieren."), 2},
    {"Label33", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Parallelbündel"), 1},
    {"Label34", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Entfernt man P sehr weit von der Linse, so werden die von ihm ausgehenden, die Linse treffenden "
     "Strahlen annähernd parallel. Die dazu notwendige große Entfernung läßt sich bei kleinem Zoomfaktor mit "
     "der Maus, sonst mit den Spintasten rechts unten erreichen.  "), 2},
    {"Label41", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Eine andere Möglichkeit zur Erzeugung von parallelen Strahlen besteht darin, eine Anzahl von neuen "
     "Objektpunkten zu generieren und von diesen aus parallele Strahlen zu starten."), 2},
    {"Label42", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Winkelmesser und  n-Graph"), 1},
    {"Label43", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Um zu zeigen, dass die durch die Linse gehenden Strahlen das Brechungsgesetz erfüllen, kann man "
     "Winkelmesser auf die Vorder- und Rückseite der Linse setzen. Diese richten sich immer so aus, dass eine "
     "der beiden zueinander senkrechten Achsen das Einfallslot wird, so dass man Einfalls- und "
     "Brechungswinkel ablesen kann. "), 2},
    {"Label44", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Man kann auch einen Graphen im Bildfeld platzieren, der den Zusammenhang zwischen beiden Winkeln "
     "entsprechend dem Brechungsgesetz wiedergibt."), 2},
    {"Label30", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Markieren "), 1},
    {"Label28",
     kMarkerNote,
     2},
    {"Label31", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Drucken"), 1},
    {"Label32", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Es kann ein Ausdruck der aktuellen am Monitor sichtbaren  Darstellung  in hoher Auflösung erzeugt "
     "werden. Der angeschlossene Drucker sollte auf Querformat eingestellt werden. "), 2},
    {"Label26", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Bild speichern"), 1},
    {"Label39", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Das Bild lässt sich zur weiteren Verarbeitung im bmp-Format in einer Datei speichern; der Dateiname "
     "sollte die Endung bmp tragen. Verzichtet man auf die Angabe eines Pfades, so wird die Datei im Desktop "
     "abgelegt."), 2},
};
} // namespace

frmLins::frmLins() : Form(FormId::Lins) {
    setWindowTitle(QStringLiteral("Sphärische Linsen  als Bündel-Wandler"));
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(192, 192, 192)));
    setFont(classicFont(8.25));
    createControls();
    zoom = std::make_unique<ZoomPan>(Picture1, HScroll1, VScroll1, Text10, [this] {
        scene.zoomFactor = zoom->zoomFactor;
        scene.panX = static_cast<float>(zoom->panX());
        scene.panY = static_cast<float>(zoom->panY());
        redrawScene();
    });
    markers = std::make_unique<MarkerOverlay>(scene.markers, Picture1, Picture2, Picture3, Picture4, Picture5,
                                              [this](Layers layers) { redraw(layers); });
    help = std::make_unique<HelpPanel>(Picture1, zoom.get(), command1, Command8, kHelpNotes,
                                       int(std::size(kHelpNotes)),
                                       std::vector<QWidget *>{Label6, Label9, Text1, Text2}, [this] { redrawScene(); });
    described(Command7, QStringLiteral("Aktuelles Bündel löschen; nur den letzten Strahl: Strg+Z (zurückholen: "
                                       "Strg+Umschalt+Z)"));
    installUndoShortcuts(this, [this] { Undo(); }, [this] { Redo(); });
    completeToolTips(this);
}

frmLins::~frmLins() = default;

void frmLins::createControls() {
    Picture1 = new PictureBox(this);
    named(Picture1, QStringLiteral("Bildfeld"));
    Picture1->onMouseDown = [this](int b, int s, float x, float y) { Picture1_MouseDown(b, s, x, y); };
    Picture1->onMouseMove = [this](int b, int s, float x, float y) { Picture1_MouseMove(b, s, x, y); };
    Picture1->onMouseUp = [this](int b, int s, float x, float y) { Picture1_MouseUp(b, s, x, y); };

    auto label = [this](const char *text) { return new QLabel(QString::fromUtf8(text), this); };
    Label10 = label("Linsenparameter");
    Label2 = label("R1 (rechts)");
    label1 = label("R2 (links)");
    Label3 = label("Dicke ");
    Label5 = label("Durchmesser");
    Label8 = label("Brechzahl n");
    Label25 = label("Fertige Linsen");
    Label11 = label("Wahl der dargest.Strahlen ");
    Label12 = label("Position und Nummer des aktuellen Objekts");
    Label12->setWordWrap(true);
    Label7 = label("Zoom");
    Label35 = label("Markieren");
    const char *numbers[] = {" 1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    for (int i = 1; i <= LensScene::kPresets; ++i) {
        presetLabels[i] = label(numbers[i - 1]);
        presetLabels[i]->setAlignment(Qt::AlignCenter);
        presetLabels[i]->setAutoFillBackground(true);
    }

    auto scroll = [this](Qt::Orientation o, int min, int max, int small, int large, int value, const char *name) {
        auto *s = new QScrollBar(o, this);
        s->setRange(min, max);
        s->setSingleStep(small);
        s->setPageStep(large);
        s->setValue(value);
        named(s, QString::fromUtf8(name));
        s->setFocusPolicy(Qt::StrongFocus);
        return s;
    };
    HScroll3 = scroll(Qt::Horizontal, -36, 36, 1, 2, -12, "Krümmung der rechten Fläche R1");
    HScroll2 = scroll(Qt::Horizontal, -36, 36, 1, 2, -12, "Krümmung der linken Fläche R2");
    HScroll4 = scroll(Qt::Horizontal, 10, 1000, 1, 10, 300, "Dicke der Linse in der Mitte");
    HScroll5 = scroll(Qt::Horizontal, 10, 1000, 5, 50, 500, "Durchmesser der Linse");
    HScroll6 = scroll(Qt::Horizontal, 10, 200, 1, 10, 160, "Brechzahl n");
    HScroll1 = scroll(Qt::Horizontal, -6000, 6000, 100, 400, 0, "Bildfeld waagerecht verschieben");
    VScroll1 = scroll(Qt::Vertical, -3000, 3000, 50, 200, 0, "Bildfeld senkrecht verschieben");

    auto box = [this](const char *name) {
        QLineEdit *t = displayBox(this);
        named(t, QString::fromUtf8(name));
        return t;
    };
    Text4 = box("Radius R1");
    Text3 = box("Radius R2");
    Text5 = box("Dicke");
    Text6 = box("Durchmesser");
    Text7 = box("Brechzahl");
    Text8 = box("x-Position des Objekts");
    Text9 = box("y-Position des Objekts");
    Text11 = box("Nummer des aktuellen Objekts");
    Text10 = box("Zoomfaktor");
    Text1 = displayBox(Picture1);
    Text2 = displayBox(Picture1);
    for (QLineEdit *t : {Text1, Text2})
        t->setPalette(QPalette()); // the pointer position in the system colours
    named(Text1, QStringLiteral("x-Position der Maus"));
    named(Text2, QStringLiteral("y-Position der Maus"));

    auto check = [this](const char *text) { return new QCheckBox(QString::fromUtf8(text), this); };
    Check3D1 = check("durchgehende");
    Check3D4 = check("verlängern");
    Check3D2 = check("vorn gespiegelte");
    Check3D5 = check("      \"");
    Check3D3 = check("hinten gespiegelte");
    Check3D6 = check("      \"");
    Check3D8 = check("Einfallslote ");
    Check3D1->setChecked(true);
    named(Check3D5, QStringLiteral("vorn gespiegelte verlängern"));
    named(Check3D6, QStringLiteral("hinten gespiegelte verlängern"));

    Spin1 = new SpinButton(this);
    Spin2 = new SpinButton(this);
    Spin3 = new SpinButton(this);
    Spin1->setNames(QStringLiteral("Zoom vergrößern"), QStringLiteral("Zoom verkleinern"));
    Spin2->setNames(QStringLiteral("Objektpunkt nach links"), QStringLiteral("Objektpunkt nach rechts"));
    Spin3->setNames(QStringLiteral("Objektpunkt nach oben"), QStringLiteral("Objektpunkt nach unten"));

    Picture2 = new SymbolButton([](Surface &s) { DrawPointSymbol(s, 10); }, kSymbolGrey, this);
    Picture3 = new SymbolButton([](Surface &s) { DrawEyeSymbol(s, 45, 2); }, kSymbolGrey, this);
    Picture4 = new SymbolButton(DrawRasterSymbol, kWhite, this);
    Picture5 = new SymbolButton(DrawLineSymbol, kWhite, this);
    Picture6 = new SymbolButton(drawProtractorSymbol, kWhite, this);
    Picture7 = new SymbolButton([this](Surface &s) { DrawAngleGraphFace(s, scene.lens.refrIndex); }, kWhite, this);
    named(Picture2, QStringLiteral("Punkt markieren"));
    named(Picture3, QStringLiteral("Auge setzen"));
    named(Picture4, QStringLiteral("Raster ein/aus"));
    named(Picture5, QStringLiteral("Bildschirmlinie"));
    named(Picture6, QStringLiteral("Winkelmesser"));
    named(Picture7, QStringLiteral("Winkeldiagramm"));
    for (int i = 1; i <= LensScene::kPresets; ++i) {
        presetFields[i] = new SymbolButton([this, i](Surface &s) { drawPresetFace(s, scene.presets[i]); }, kWhite, this);
        presetFields[i]->onMouseDown = [this, i](int button, int, float, float) { Preset_MouseDown(i, button); };
        named(presetFields[i], QStringLiteral("Fertige Linse %1").arg(i));
        described(presetFields[i], QStringLiteral("Fertige Linse %1: links laden, rechts speichern").arg(i));
    }

    auto button = [this](const char *text) { return new QPushButton(QString::fromUtf8(text), this); };
    Command2 = button("Markierungen löschen");
    Command7 = button("Aktuelles Bündel löschen");
    Command5 = button("Neues Objekt");
    Command6 = button("Neu beginnen");
    Command3 = button("Bild drucken");
    Command4 = button("Bild speichern");
    command1 = button("Info ");
    Command8 = button("Didaktische Bemerkungen");
    Command9 = button("Menue");

    Picture8 = new PictureBox(Picture1);
    Picture8->hide();
    named(Picture8, QStringLiteral("Einfalls- und Brechungswinkel"));
    described(Picture8, QStringLiteral("Winkeldiagramm: klicken zum Ablesen"));
    Picture8->onMouseDown = [this](int b, int s, float x, float y) { Picture8_MouseDown(b, s, x, y); };
    Label40 = new QLabel(Picture8);
    Label40->setWordWrap(true);
    Label40->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label40->setFont(classicFont(6.5));

    Label6 = new QLabel(
        QStringLiteral("Objektpunkt durch Drücken der rechten Maustaste  und  durch Ziehen in gew.Position bringen!"),
        Picture1);
    Label9 = new QLabel(QStringLiteral("Strahl kann durch Drücken  und Ziehen der linken Maustaste selektiert werden"),
                        Picture1);
    for (QLabel *l : {Label6, Label9})
        l->setWordWrap(true);

    for (QScrollBar *bar : {HScroll3, HScroll2, HScroll4})
        connect(bar, &QScrollBar::sliderPressed, this, [this] { semiDiameterAtPress_ = scene.lens.semiDiameter; });
    connect(HScroll3, &QScrollBar::valueChanged, this, [this] { HScroll3_Change(); });
    connect(HScroll2, &QScrollBar::valueChanged, this, [this] { HScroll2_Change(); });
    connect(HScroll4, &QScrollBar::valueChanged, this, [this] { HScroll4_Change(); });
    connect(HScroll5, &QScrollBar::valueChanged, this, [this] { HScroll5_Change(); });
    connect(HScroll6, &QScrollBar::valueChanged, this, [this] { HScroll6_Change(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { zoom->HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { zoom->VScroll1_Change(); });
    // An option reacts to every change of its value: mouse, keyboard or screen reader.
    for (QCheckBox *c : {Check3D1, Check3D2, Check3D3, Check3D4, Check3D5, Check3D6, Check3D8})
        connect(c, &QCheckBox::toggled, this, [this] { Check3D_Click(); });
    connect(Spin1, &SpinButton::SpinDown, this, [this] { Spin1_SpinDown(); });
    connect(Spin1, &SpinButton::SpinUp, this, [this] { Spin1_SpinUp(); });
    connect(Spin2, &SpinButton::SpinDown, this, [this] { Spin2_SpinDown(); });
    connect(Spin2, &SpinButton::SpinUp, this, [this] { Spin2_SpinUp(); });
    connect(Spin3, &SpinButton::SpinDown, this, [this] { Spin3_SpinDown(); });
    connect(Spin3, &SpinButton::SpinUp, this, [this] { Spin3_SpinUp(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(command1, &QPushButton::clicked, this, [this] { command1_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
    Picture2->onClick = [this] { Picture2_Click(); };
    Picture3->onClick = [this] { Picture3_Click(); };
    Picture4->onClick = [this] { Picture4_Click(); };
    Picture5->onClick = [this] { Picture5_Click(); };
    Picture6->onClick = [this] { Picture6_Click(); };
    Picture7->onClick = [this] { Picture7_Click(); };
}

void frmLins::layoutControls() {
    using Screen::place;
    const double W = 0.98 * Screen::widthTwips();
    const double H = 0.96 * Screen::heightTwips() - kWindowFrameTwips;
    setClientTwips(1, 1, W, H);
    placeWidePicture(Picture1, W, H);
    const double picW = Picture1->width() * Screen::twipsPerPixel();
    const double picH = Picture1->height() * Screen::twipsPerPixel();
    const double scrollH = H / 40;
    place(VScroll1, picW, 1, W / 60, picH);
    place(HScroll1, 0, picH, picW, scrollH);

    const double T0 = picH + scrollH;
    const double headerH = 0.035 * H, rowH = 0.042 * H;
    // Lens parameters: a label, a scroll bar and a text box in each row.
    double x = 0.005 * W, y = T0;
    place(Label10, x, y, 0.155 * W, headerH);
    y += headerH;
    const std::pair<QLabel *, std::pair<QScrollBar *, QLineEdit *>> rows[] = {
        {Label2, {HScroll3, Text4}}, {label1, {HScroll2, Text3}}, {Label3, {HScroll4, Text5}},
        {Label5, {HScroll5, Text6}}, {Label8, {HScroll6, Text7}}};
    for (const auto &row : rows) {
        place(row.first, x, y, 0.07 * W, rowH);
        place(row.second.first, x + 0.07 * W, y + 0.1 * rowH, 0.05 * W, 0.8 * rowH);
        place(row.second.second, x + 0.122 * W, y + 0.1 * rowH, 0.035 * W, 0.8 * rowH);
        y += rowH;
    }
    // Presets: two rows of five numbered fields.
    x = 0.165 * W;
    y = T0;
    place(Label25, x, y, 0.13 * W, headerH);
    y += headerH;
    const double side = 0.023 * W, numberH = 0.025 * H;
    for (int i = 1; i <= LensScene::kPresets; ++i) {
        const int col = (i - 1) % 5, line = (i - 1) / 5;
        const double fx = x + col * (side + 0.003 * W), fy = y + line * (numberH + side + 0.01 * H);
        place(presetLabels[i], fx, fy, side, numberH);
        place(presetFields[i], fx, fy + numberH, side, side);
    }
    // Ray options: each ray kind with its extension beside it; the first extension has a
    // caption of its own and takes a row.
    x = 0.3 * W;
    y = T0;
    place(Label11, x, y, 0.19 * W, headerH);
    y += headerH;
    const double rayRow = 0.041 * H;
    const std::pair<QCheckBox *, QCheckBox *> options[] = {
        {Check3D1, nullptr}, {Check3D4, nullptr}, {Check3D2, Check3D5}, {Check3D3, Check3D6}, {Check3D8, nullptr}};
    for (const auto &o : options) {
        place(o.first, x, y, 0.134 * W, rayRow);
        if (o.second)
            place(o.second, x + 0.134 * W, y, 0.056 * W, rayRow);
        y += rayRow;
    }
    // Zoom.
    x = 0.494 * W;
    y = T0;
    place(Label7, x, y, 0.04 * W, headerH);
    y += headerH;
    place(Text10, x, y, 0.04 * W, 0.05 * H);
    y += 0.06 * H;
    place(Spin1, x, y, 0.03 * W, 0.07 * H);
    // Current object.
    x = 0.538 * W;
    y = T0;
    place(Label12, x, y, 0.135 * W, 0.04 * H);
    y += 0.04 * H;
    // The position boxes as wide as a far object point's text needs.
    place(Text8, x, y, 0.05 * W, 0.05 * H);
    place(Spin2, x + 0.05 * W, y, 0.0175 * W, 0.05 * H);
    place(Spin3, x + 0.0675 * W, y, 0.0175 * W, 0.05 * H);
    place(Text9, x + 0.085 * W, y, 0.05 * W, 0.05 * H);
    y += 0.06 * H;
    place(Text11, x, y, 0.035 * W, 0.05 * H);
    place(Command5, x + 0.04 * W, y, 0.095 * W, 0.05 * H);
    y += 0.06 * H;
    place(Command6, x, y, 0.135 * W, 0.05 * H);
    // Markers.
    x = 0.677 * W;
    y = T0;
    place(Label35, x, y, 0.17 * W, headerH);
    y += headerH + 0.015 * H;
    double sx = x;
    const double symbol = 0.025 * W;
    for (SymbolButton *s : {Picture3, Picture2, Picture5, Picture4, Picture6, Picture7}) {
        place(s, sx, y, symbol, symbol);
        sx += symbol + 0.004 * W;
    }
    y += symbol + 0.02 * H;
    place(Command2, x, y, 0.17 * W, 0.045 * H);
    y += 0.055 * H;
    place(Command7, x, y, 0.17 * W, 0.045 * H);
    // Buttons.
    x = 0.85 * W;
    y = T0 + 0.02 * H;
    for (QPushButton *b : {Command3, Command4, command1, Command8, Command9}) {
        place(b, x, y, 0.14 * W, 0.04 * H);
        y += 0.046 * H;
    }

    // Controls inside the picture are placed in world coordinates of the start view.
    placeInWorld(Picture1, Text1, 1500, -1000, 250, 100);
    placeInWorld(Picture1, Text2, 1750, -1000, 250, 100);
    placeInWorld(Picture1, Label6, -1950, -990, 1800, 100);
    placeInWorld(Picture1, Label9, -1950, 850, 1800, 100);
    // The graph's top-left corner at (700, -1000) of the start view.
    place(Picture8, 0.675 * picW, 0, 2535, 1455);
    Picture8->resizeImage(Picture8->width(), Picture8->height());
    // The caption in the graph's empty upper part, right of its vertical axis.
    Label40->setGeometry(int(0.12 * Picture8->width()), 2, int(0.86 * Picture8->width()), int(0.3 * Picture8->height()));
    help->layout({"Label19", "Label23", "Label36", "Label37", "Label29", "Label24", "Label20", "Label27", "Label38",
                  "Label4", "Label21"},
                 {"Label33", "Label34", "Label41", "Label42", "Label43", "Label44", "Label30", "Label28", "Label31",
                  "Label32", "Label26", "Label39"});
    const int cw = Picture1->width() / 5;
    Command8->setGeometry(Picture1->x() + Picture1->width() - cw - 10,
                          Picture1->y() + Picture1->height() - Screen::px(0.06 * H), cw, Screen::px(0.05 * H));
    fitLabels(this);
    // The keyboard follows the panel's groups from left to right.
    std::vector<QWidget *> chain{HScroll1, VScroll1, HScroll3, HScroll2, HScroll4, HScroll5, HScroll6};
    for (int i = 1; i <= LensScene::kPresets; ++i)
        chain.push_back(presetFields[i]);
    for (QWidget *c : std::initializer_list<QWidget *>{Check3D1, Check3D4, Check3D2, Check3D5, Check3D3, Check3D6,
                                                       Check3D8, Spin1, Spin2, Spin3, Command5, Command6, Picture3,
                                                       Picture2, Picture5, Picture4, Picture6, Picture7, Command2,
                                                       Command7, Command3, Command4, command1, Command8, Command9})
        chain.push_back(c);
    setTabChain(chain);
}

void frmLins::Form_Load() {
    layoutControls();
    zoom->Load();
    scene = LensScene();
    {
        const QSignalBlocker b3(HScroll3), b2(HScroll2), b4(HScroll4), b5(HScroll5), b6(HScroll6);
        HScroll3->setValue(-12);
        HScroll2->setValue(-12);
        HScroll4->setValue(300);
        HScroll5->setValue(500);
        HScroll6->setValue(160);
    }
    showLensTexts(false);
    showObjectTexts();
    Text11->setText(QStringLiteral("   1"));
    markers->Load();
    help->Load();
    showGraph(false);
    redraw(Layer::Element | Layer::Bundles);
}

void frmLins::Form_Unload() { UnloadModule(FormId::Lins); }

void frmLins::Command9_Click() { Forms::closeModule(FormId::Lins); }

void frmLins::Command8_Click() { Forms::show(FormId::LinsInf); }

// ---- Lens parameters ----

void frmLins::showLensTexts(bool planFromPreset) {
    const QString plan = planFromPreset ? QStringLiteral("plan") : QStringLiteral(" plan");
    const LensParams &p = scene.lens;
    Text4->setText(p.k1 != 0 ? shown(p.r1) : plan);
    Text3->setText(p.k2 != 0 ? shown(p.r2) : plan);
    Text5->setText(shown(p.thickness));
    Text7->setText(qs(NumText(p.refrIndex)));
    showDiameter();
}

void frmLins::showDiameter() {
    const QSignalBlocker b(HScroll5);
    HScroll5->setValue(CInt(scene.lens.semiDiameter));
    Text6->setText(shown(2 * scene.lens.semiDiameter));
}

void frmLins::afterLensChange() {
    showDiameter();
    redrawScene();
    setPresetHighlight(0);
}

void frmLins::HScroll3_Change() {
    scene.setRightCurvature(HScroll3->value(), HScroll3->isSliderDown() ? semiDiameterAtPress_ : 0);
    Text4->setText(scene.lens.k1 != 0 ? shown(scene.lens.r1) : QStringLiteral(" plan"));
    afterLensChange();
}

void frmLins::HScroll2_Change() {
    scene.setLeftCurvature(-HScroll2->value(), HScroll2->isSliderDown() ? semiDiameterAtPress_ : 0);
    Text3->setText(scene.lens.k2 != 0 ? shown(scene.lens.r2) : QStringLiteral(" plan"));
    afterLensChange();
}

void frmLins::HScroll4_Change() {
    const bool moved = scene.setThickness(static_cast<float>(HScroll4->value()),
                                          HScroll4->isSliderDown() ? semiDiameterAtPress_ : 0);
    Text5->setText(shown(scene.lens.thickness));
    if (moved)
        showObjectTexts();
    afterLensChange();
}

void frmLins::HScroll5_Change() {
    scene.setSemiDiameter(static_cast<float>(HScroll5->value()));
    afterLensChange();
}

void frmLins::HScroll6_Change() {
    scene.setRefrIndex(HScroll6->value() / 100.0f);
    Text7->setText(qs(NumText(scene.lens.refrIndex)));
    Picture7->redrawSymbol();
    if (scene.graphOn) {
        setFittedText(Label40, graphCaption(scene.lens.refrIndex));
        paintGraph(); // drawn anew: earlier reading lines vanish
    }
    redrawScene();
    setPresetHighlight(0);
}

void frmLins::setPresetHighlight(int i) {
    presetShown = i;
    for (int j = 1; j <= LensScene::kPresets; ++j)
        presetFields[j]->setBorderStyle(j == i ? 1 : 0);
}

void frmLins::Preset_MouseDown(int i, int button) {
    if (button == 2) {
        scene.storePreset(i);
        presetFields[i]->redrawSymbol();
        return;
    }
    if (button != 1)
        return;
    const bool moved = scene.loadPreset(i);
    {
        const QSignalBlocker b3(HScroll3), b2(HScroll2), b4(HScroll4), b6(HScroll6);
        HScroll3->setValue(scene.lens.k1);
        HScroll2->setValue(-scene.lens.k2);
        HScroll4->setValue(CInt(scene.lens.thickness));
        HScroll6->setValue(CInt(100 * scene.lens.refrIndex));
    }
    showLensTexts(true);
    if (moved)
        showObjectTexts();
    Picture7->redrawSymbol();
    if (scene.graphOn) {
        setFittedText(Label40, graphCaption(scene.lens.refrIndex));
        paintGraph();
    }
    redrawScene();
    setPresetHighlight(i);
    if (i == 4) {
        // Once loaded, the label of field 4 stays red.
        QPalette p = presetLabels[4]->palette();
        p.setColor(QPalette::Window, QColor(255, 0, 0));
        presetLabels[4]->setPalette(p);
    }
}

// ---- Drawing ----

void frmLins::redrawScene() { redraw(kFullRedraw); }

void frmLins::redraw(Layers layers) {
    drag.draw(*Picture1, layers, scene.key(), kFullRedraw, Layer::Raster,
              [this](Layers l) { scene.draw(*Picture1, kScreenLensStyles, l); });
}

void frmLins::Check3D_Click() {
    scene.showTransmitted = Check3D1->isChecked();
    scene.extendTransmitted = Check3D4->isChecked();
    scene.showFront = Check3D2->isChecked();
    scene.extendFront = Check3D5->isChecked();
    scene.showBack = Check3D3->isChecked();
    scene.extendBack = Check3D6->isChecked();
    scene.showNormals = Check3D8->isChecked();
    redrawScene();
}

// ---- Mouse ----

void frmLins::Picture1_MouseDown(int button, int, float x, float y) {
    markers->computeRasterSteps();
    if (button == 1 && markers->anyMode()) {
        markers->MouseDown(x, y);
    } else if (button == 1 && protractorMode) {
        placeProtractor(x, y);
    } else if (button == 1) {
        scene.aimTrial(x, y);
        redraw(Layer::Live);
    } else if (button == 2) {
        moveObjectTo(x, y);
    }
}

void frmLins::Picture1_MouseMove(int button, int, float x, float y) {
    Text1->setText(QStringLiteral("x = ") + shown(scene.shownX(x)));
    Text2->setText(QStringLiteral("y = ") + qs(NumText(-Int(y / 10 + 0.5f))));
    const bool nearP = std::fabs(scene.currentX() - x) < 100 && std::fabs(scene.currentY() - y) < 100;
    Picture1->setMousePointer(button == 2 && nearP ? 2 : 0);
    if (button == 1 && markers->anyMode()) {
        markers->MouseMove(x, y);
    } else if (button == 1) {
        if (scene.trialActive) {
            scene.aimTrial(x, y);
            redraw(Layer::Live);
        }
    } else if (button == 2) {
        moveObjectTo(x, y);
    }
}

void frmLins::Picture1_MouseUp(int button, int, float x, float) {
    Screen::setMousePointer(0);
    Picture1->setMousePointer(0);
    if (button == 1 && markers->anyMode()) {
        markers->MouseUp(x, scene.currentX(), scene.currentY());
    } else if (button == 1 && scene.trialActive) {
        storeTrialRay();
    }
    // One click places one protractor.
    protractorMode = 0;
    Picture6->setBorderStyle(0);
}

void frmLins::storeTrialRay() {
    scene.endTrial();
    BundleActions::storeRay(scene, scene.trialHasEntry, scene.entryX, scene.entryY, [this] { redrawScene(); });
}

void frmLins::moveObjectTo(float x, float y) {
    // The object point stays in front of the lens.
    if (!scene.inObjectRegion(x))
        return;
    scene.setCurrent(x, y);
    scene.aimX = x;
    scene.aimY = y;
    redrawScene();
    showObjectTexts();
}

// ---- Object points ----

void frmLins::showObjectX() { Text8->setText(QStringLiteral("x=") + shown(scene.shownX(scene.currentX()))); }

void frmLins::showObjectY() { Text9->setText(QStringLiteral("y=") + qs(NumText(-Int(scene.currentY() / 10 + 0.5f)))); }

void frmLins::showObjectTexts() {
    showObjectX();
    showObjectY();
}

// Each spin button rewrites its own coordinate, also when the move is refused.
void frmLins::Spin2_SpinDown() {
    if (scene.moveTowardsElement(-1.2f * scene.lens.thickness))
        redrawScene();
    showObjectX();
}

void frmLins::Spin2_SpinUp() {
    if (scene.moveAwayFromElement())
        redrawScene();
    showObjectX();
}

void frmLins::Spin3_SpinDown() {
    if (scene.moveDown())
        redrawScene();
    showObjectY();
}

void frmLins::Spin3_SpinUp() {
    if (scene.moveUp())
        redrawScene();
    showObjectY();
}

void frmLins::Spin1_SpinDown() { zoom->ZoomOut(); }
void frmLins::Spin1_SpinUp() { zoom->ZoomIn(); }

void frmLins::Command5_Click() {
    const float zf = zoom->zoomFactor;
    if (!BundleActions::newObject(scene, scene.newObjectX(zf), scene.newObjectY(zf), Label6, Text11,
                                  QStringLiteral(" ")))
        return;
    scene.drawObjectPoint(*Picture1, kScreenLensStyles, scene.objectCount);
    Picture1->SetDrawWidth(1);
}

void frmLins::Command7_Click() {
    scene.clearCurrent();
    Text11->setText(QStringLiteral("   ") + QString::number(scene.objectCount));
    redrawScene();
}

void frmLins::Undo() { BundleActions::undo(scene, scene.trialActive, [this] { redrawScene(); }); }
void frmLins::Redo() { BundleActions::redo(scene, scene.trialActive, [this] { redrawScene(); }); }

void frmLins::Command6_Click() {
    scene.restart(scene.newObjectX(zoom->zoomFactor), scene.newObjectY(zoom->zoomFactor));
    scene.markers.clearPointsAndEyes();
    scene.protractorCount = 0;
    showGraph(false);
    Text11->setText(QStringLiteral("   1"));
    redraw(Layer::Clear | Layer::Element | Layer::Bundles);
}

// ---- Markers ----

void frmLins::Picture2_Click() { markers->PointSymbol_Click(); }
void frmLins::Picture3_Click() { markers->EyeSymbol_Click(); }
void frmLins::Picture4_Click() { markers->RasterSymbol_Click(); }
void frmLins::Picture5_Click() { markers->LineSymbol_Click(); }
void frmLins::Command2_Click() {
    scene.protractorCount = 0;
    showGraph(false);
    markers->ClearMarkers();
}

void frmLins::Picture6_Click() {
    Picture6->flipBorder();
    protractorMode = static_cast<int16_t>(Picture6->borderStyle());
    if (protractorMode)
        Screen::setMousePointer(2);
}

void frmLins::placeProtractor(float x, float y) {
    Picture6->setBorderStyle(0);
    Screen::setMousePointer(0);
    // An eleventh is not placed; the click only ends the mode.
    if (scene.placeProtractor(x, y))
        scene.drawProtractor(*Picture1, kScreenLensStyles, scene.protractorCount);
}

// ---- Angle graph ----

void frmLins::paintGraph() { DrawAngleGraph(*Picture8, scene.lens.refrIndex, kGraphWidths); }

void frmLins::showGraph(bool shown) {
    scene.graphOn = shown ? 1 : 0;
    Picture7->setBorderStyle(shown ? 1 : 0);
    if (shown) {
        setFittedText(Label40, graphCaption(scene.lens.refrIndex));
        paintGraph();
    }
    Picture8->setVisible(shown && help->helpShown == 0);
}

void frmLins::Picture7_Click() {
    showGraph(Picture7->borderStyle() == 0);
    // The bundles are replayed over the present picture.
    redraw(Layer::Bundles | Layer::Markers);
}

void frmLins::Picture8_MouseDown(int button, int, float x, float y) {
    if (button == 1)
        DrawAngleReading(*Picture8, scene.lens.refrIndex, x, y);
}

// ---- Operating notes ----

void frmLins::command1_Click() {
    help->toggle();
    Picture8->setVisible(scene.graphOn && help->helpShown == 0);
}

// ---- Printing and saving ----

void frmLins::Command3_Click() {
    PrintHardcopy(scene, PageOrientation::Landscape, [this] { redraw(Layer::Element | Layer::Bundles); });
}

void frmLins::Command4_Click() {
    // The file holds the lens, the rays with the markers and protractors drawn after them,
    // and the graph while it is shown.
    constexpr Layers kSaved = Layer::Clear | Layer::Element | Layer::Bundles | Layer::Markers;
    SaveSteps steps;
    steps.prompt = QStringLiteral(
        "Bitte geben Sie den Namen der Bilddatei an; als Extension sollten Sie.bmp verwenden! Falls Sie auf "
        "Angabe eines Pfades verzichten, wird die Datei in jenem Ordner abgelegt, aus dem heraus Sie das Programm "
        "gestartet haben.");
    steps.defaultName = QStringLiteral("Linsen.bmp");
    steps.errorText = QStringLiteral("Fehler beim Speichern!  Disk full?");
    steps.criticalIcon = false;
    steps.beforeAsking = [this] {
        redraw(kSaved);
        if (scene.graphOn)
            Picture1->paintImage(Picture8->x(), Picture8->y(), Picture8->grab().toImage());
    };
    steps.afterWriting = [this] { redraw(kSaved); };
    steps.drawVector = [this](Surface &s) {
        scene.draw(s, kScreenLensStyles, kSaved);
        if (scene.graphOn) {
            const QRect box = Picture8->geometry();
            DrawAngleGraphInBox(s, scene.lens.refrIndex, kGraphWidths, s.toWorldX(box.left()), s.toWorldY(box.top()),
                                box.width() * s.ScaleWidth() / s.deviceWidth(),
                                box.height() * s.ScaleHeight() / s.deviceHeight());
        }
    };
    if (!SavePictureFile(*Picture1, steps))
        redrawScene(); // cancelled: the whole scene comes back
}

} // namespace varelo
