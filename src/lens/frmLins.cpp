#include "lens/frmLins.h"

#include "canvas/Dialogs.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/SpinButton.h"
#include "canvas/WindowLayout.h"
#include "core/AngleGraph.h"
#include "core/NumRules.h"
#include "shell/Forms.h"

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

void named(QWidget *w, const QString &name) {
    w->setAccessibleName(name);
    w->setToolTip(name);
}
} // namespace

frmLins::frmLins() : Form(FormId::Lins) {
    setWindowTitle(QStringLiteral("Sphärische Linsen  als Bündel-Wandler"));
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(192, 192, 192)));
    setFont(classicFont(8.25));
    createControls();
    zoom = std::make_unique<ZoomPan>(Picture1, HScroll1, VScroll1, Text10, [this] {
        scene.zoomFactor = zoom->zoomFactor;
        redrawScene();
    });
    markers = std::make_unique<MarkerOverlay>(scene.markers, Picture1, Picture2, Picture3, Picture4, Picture5,
                                              [this](Layers layers) { redraw(layers); });
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
    named(Spin1, QStringLiteral("Zoom"));
    named(Spin2, QStringLiteral("Objektpunkt waagerecht bewegen"));
    named(Spin3, QStringLiteral("Objektpunkt senkrecht bewegen"));

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
        named(presetFields[i], QStringLiteral("Fertige Linse %1 (links laden, rechts speichern)").arg(i));
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

    Label6 = new QLabel(
        QStringLiteral("Objektpunkt durch Drücken der rechten Maustaste  und  durch Ziehen in gew.Position bringen!"),
        Picture1);
    Label9 = new QLabel(QStringLiteral("Strahl kann durch Drücken  und Ziehen der linken Maustaste selektiert werden"),
                        Picture1);
    for (QLabel *l : {Label6, Label9})
        l->setWordWrap(true);

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
    connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
    Picture2->onClick = [this] { Picture2_Click(); };
    Picture3->onClick = [this] { Picture3_Click(); };
    Picture4->onClick = [this] { Picture4_Click(); };
    Picture5->onClick = [this] { Picture5_Click(); };
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
        place(row.first, x, y, 0.055 * W, rowH);
        place(row.second.first, x + 0.055 * W, y + 0.1 * rowH, 0.065 * W, 0.8 * rowH);
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
    // Ray options.
    x = 0.3 * W;
    y = T0;
    place(Label11, x, y, 0.165 * W, headerH);
    y += headerH;
    const std::pair<QCheckBox *, QCheckBox *> options[] = {
        {Check3D1, Check3D4}, {Check3D2, Check3D5}, {Check3D3, Check3D6}, {Check3D8, nullptr}};
    for (const auto &o : options) {
        place(o.first, x, y, 0.1 * W, rowH);
        if (o.second)
            place(o.second, x + 0.1 * W, y, 0.065 * W, rowH);
        y += rowH;
    }
    // Zoom.
    x = 0.47 * W;
    y = T0;
    place(Label7, x, y, 0.04 * W, headerH);
    y += headerH;
    place(Text10, x, y, 0.04 * W, 0.05 * H);
    y += 0.06 * H;
    place(Spin1, x, y, 0.03 * W, 0.07 * H);
    // Current object.
    x = 0.515 * W;
    y = T0;
    place(Label12, x, y, 0.145 * W, 0.04 * H);
    y += 0.04 * H;
    place(Text8, x, y, 0.045 * W, 0.05 * H);
    place(Spin2, x + 0.045 * W, y, 0.025 * W, 0.05 * H);
    place(Spin3, x + 0.07 * W, y, 0.025 * W, 0.05 * H);
    place(Text9, x + 0.095 * W, y, 0.045 * W, 0.05 * H);
    y += 0.06 * H;
    place(Text11, x, y, 0.035 * W, 0.05 * H);
    place(Command5, x + 0.04 * W, y, 0.1 * W, 0.05 * H);
    y += 0.06 * H;
    place(Command6, x, y, 0.14 * W, 0.05 * H);
    // Markers.
    x = 0.665 * W;
    y = T0;
    place(Label35, x, y, 0.18 * W, headerH);
    y += headerH + 0.015 * H;
    double sx = x;
    const double symbol = 0.027 * W;
    for (SymbolButton *s : {Picture3, Picture2, Picture5, Picture4, Picture6, Picture7}) {
        place(s, sx, y, symbol, symbol);
        sx += symbol + 0.003 * W;
    }
    y += symbol + 0.02 * H;
    place(Command2, x, y, 0.177 * W, 0.045 * H);
    y += 0.055 * H;
    place(Command7, x, y, 0.177 * W, 0.045 * H);
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
    redraw(Layer::Element | Layer::Bundles);
}

void frmLins::Form_Unload() {
    Screen::setMousePointer(0); // an armed marker tool must not leave its cross-hair behind
    Forms::show(FormId::Varelo);
}

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
    scene.setRightCurvature(HScroll3->value());
    Text4->setText(scene.lens.k1 != 0 ? shown(scene.lens.r1) : QStringLiteral(" plan"));
    afterLensChange();
}

void frmLins::HScroll2_Change() {
    scene.setLeftCurvature(-HScroll2->value());
    Text3->setText(scene.lens.k2 != 0 ? shown(scene.lens.r2) : QStringLiteral(" plan"));
    afterLensChange();
}

void frmLins::HScroll4_Change() {
    const bool moved = scene.setThickness(static_cast<float>(HScroll4->value()));
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
    if (layers & Layer::Live) {
        // The live ray or mark goes over the rest of the scene, kept from the last frame.
        drag.restore(*Picture1, scene.key(), [this] { scene.draw(*Picture1, kScreenLensStyles, kFullRedraw); });
        layers = Layer::Live | Layer::Raster;
    }
    scene.draw(*Picture1, kScreenLensStyles, layers);
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
    if (button == 1 && !markers->anyMode()) {
        scene.aimTrial(x, y);
        redraw(Layer::Live);
    } else if (button == 1) {
        markers->MouseDown(x, y);
    } else if (button == 2) {
        moveObjectTo(x, y);
    }
}

void frmLins::Picture1_MouseMove(int button, int, float x, float y) {
    Text1->setText(QStringLiteral("x = ") + shown(scene.shownX(x)));
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
    } else if (button == 2) {
        moveObjectTo(x, y);
    }
}

void frmLins::Picture1_MouseUp(int button, int, float x, float) {
    Screen::setMousePointer(0);
    if (button == 1 && !markers->anyMode()) {
        if (scene.trialActive)
            storeTrialRay();
    } else if (button == 1) {
        markers->MouseUp(x, scene.currentX(), scene.currentY());
    }
}

void frmLins::storeTrialRay() {
    scene.endTrial();
    const bool stored = scene.trialHasEntry && scene.storeRay(scene.entryX, scene.entryY);
    redrawScene();
    if (scene.trialHasEntry && !stored)
        Dialogs::instance().messageBox(QStringLiteral("Nur 100 Strahlen je Objekt möglich"), true);
}

void frmLins::moveObjectTo(float x, float y) {
    // The object point stays in front of the lens.
    if (!scene.inObjectRegion(x))
        return;
    scene.setCurrent(x, y);
    redrawScene();
    showObjectTexts();
}

// ---- Object points ----

void frmLins::showObjectTexts() {
    Text8->setText(QStringLiteral("x=") + shown(scene.shownX(scene.currentX())));
    Text9->setText(QStringLiteral("y=") + qs(NumText(-Int(scene.currentY() / 10 + 0.5f))));
}

void frmLins::Spin2_SpinDown() {
    if (scene.moveTowardsElement(-1.2f * scene.lens.thickness))
        redrawScene();
    showObjectTexts();
}

void frmLins::Spin2_SpinUp() {
    if (scene.moveAwayFromElement())
        redrawScene();
    showObjectTexts();
}

void frmLins::Spin3_SpinDown() {
    if (scene.moveDown())
        redrawScene();
    showObjectTexts();
}

void frmLins::Spin3_SpinUp() {
    if (scene.moveUp())
        redrawScene();
    showObjectTexts();
}

void frmLins::Spin1_SpinDown() { zoom->ZoomOut(); }
void frmLins::Spin1_SpinUp() { zoom->ZoomIn(); }

void frmLins::Command5_Click() {
    const float zf = zoom->zoomFactor;
    if (!scene.addObject(scene.newObjectX(zf), scene.newObjectY(zf))) {
        Dialogs::instance().messageBox(QStringLiteral("Nur 10 Objekte möglich"), true);
        return;
    }
    Label6->setText(QStringLiteral(
        "Neues Objekt kann durch Drücken der rechten Maustaste und Ziehen bewegt werden!"));
    Text11->setText(QStringLiteral(" ") + QString::number(scene.objectCount));
    scene.drawObjectPoint(*Picture1, kScreenLensStyles, scene.objectCount);
    Picture1->SetDrawWidth(1);
}

void frmLins::Command7_Click() {
    scene.clearCurrent();
    Text11->setText(QStringLiteral("   ") + QString::number(scene.objectCount));
    redrawScene();
}

void frmLins::Command6_Click() {
    scene.restart(scene.newObjectX(zoom->zoomFactor), scene.newObjectY(zoom->zoomFactor));
    scene.markers.clearPointsAndEyes();
    scene.protractorCount = 0;
    scene.graphOn = 0;
    Text11->setText(QStringLiteral("   1"));
    redraw(Layer::Clear | Layer::Element | Layer::Bundles);
}

// ---- Markers ----

void frmLins::Picture2_Click() { markers->PointSymbol_Click(); }
void frmLins::Picture3_Click() { markers->EyeSymbol_Click(); }
void frmLins::Picture4_Click() { markers->RasterSymbol_Click(); }
void frmLins::Picture5_Click() { markers->LineSymbol_Click(); }
void frmLins::Command2_Click() { markers->ClearMarkers(); }

} // namespace varelo
