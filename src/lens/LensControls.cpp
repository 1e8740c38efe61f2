// The lens window's controls: made from one table in the keyboard's order, taken into the
// window's members, finished where the table cannot say it (the symbol faces, the preset
// fields' numbered names) and placed on the screen.
#include "lens/frmLins.h"

#include "canvas/HelpPanel.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/SpinButton.h"
#include "canvas/WindowLayout.h"
#include "core/NumRules.h"
#include "lens/LensNotes.h"
#include "shell/ModuleMenu.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <iterator>

namespace varelo {

namespace {
const Rgb kSymbolGrey{224, 224, 224};

ScrollRange Range(const LensBarRange &b, int value) { return {b.min, b.max, b.small, b.large, value}; }

using K = ControlKind;
ControlRow label(ControlSlot m, const char *caption) { return {m, K::Label, caption}; }
ControlRow box(ControlSlot m, const char *name, const char *parent = nullptr) {
    return {m, K::TextBox, nullptr, name, nullptr, parent};
}
ControlRow bar(ControlSlot m, const char *name, ScrollRange range, const char *handler = nullptr) {
    return {m, K::HScroll, nullptr, name, nullptr, nullptr, handler, range};
}
// The seven ray options share one handler.
ControlRow ray(ControlSlot m, const char *caption, const char *name = nullptr) {
    return {m, K::Check, caption, name, nullptr, nullptr, "Check3D_Click"};
}
// A preset field: its names and its mouse handler carry its number.
ControlRow preset(ControlSlot m) { return {m, K::Symbol, nullptr, nullptr, nullptr, nullptr, ""}; }
ControlRow symbol(ControlSlot m, const char *name) { return {m, K::Symbol, nullptr, name}; }
ControlRow button(ControlSlot m, const char *caption) { return {m, K::Button, caption}; }

} // namespace

frmLins::frmLins() : Form(FormId::Lins) {
    InstallModuleMenu(this, {"Command4_Click", "Command3_Click", "Command9_Click", "command1_Click", "Command8_Click"});
    // In the keyboard's order: the view, the lens bars, the presets, the ray options, zoom, the
    // current object, the marker tools, the buttons. Where controls overlap, the later one lies
    // on top: the graph over the pointer boxes on a small screen.
#define C(member) VARELO_CONTROL(member)
    ui.build(this, clientArea(), "varelo::frmLins", {
        {C(Picture1), K::Picture, nullptr, QT_TR_NOOP("Bildfeld")},
        box(C(Text1), QT_TR_NOOP("x-Position der Maus"), "Picture1"), box(C(Text2), QT_TR_NOOP("y-Position der Maus"), "Picture1"),
        {C(Picture8), K::Picture, nullptr, QT_TR_NOOP("Einfalls- und Brechungswinkel"), QT_TR_NOOP("Winkeldiagramm: klicken zum Ablesen"),
         "Picture1"},
        {C(Label40), K::WrapLabel, nullptr, nullptr, nullptr, "Picture8"},
        {C(Label6), K::WrapLabel,
         QT_TR_NOOP("Objektpunkt durch Drücken der rechten Maustaste  und  durch Ziehen in gew.Position bringen!"), nullptr,
         nullptr, "Picture1"},
        {C(Label9), K::WrapLabel, QT_TR_NOOP("Strahl kann durch Drücken  und Ziehen der linken Maustaste selektiert werden"),
         nullptr, nullptr, "Picture1"},
        bar(C(HScroll1), QT_TR_NOOP("Bildfeld waagerecht verschieben"), {-6000, 6000, 100, 400, 0}, ""),
        {C(VScroll1), K::VScroll, nullptr, QT_TR_NOOP("Bildfeld senkrecht verschieben"), nullptr, nullptr, "",
         {-3000, 3000, 50, 200, 0}},
        label(C(Label10), QT_TR_NOOP("Linsenparameter")),
        label(C(Label2), QT_TR_NOOP("R1 (rechts)")), bar(C(HScroll3), QT_TR_NOOP("Krümmung der rechten Fläche R1"), Range(kRadiusBar, -12)),
        box(C(Text4), QT_TR_NOOP("Radius R1")),
        label(C(label1), QT_TR_NOOP("R2 (links)")), bar(C(HScroll2), QT_TR_NOOP("Krümmung der linken Fläche R2"), Range(kRadiusBar, -12)),
        box(C(Text3), QT_TR_NOOP("Radius R2")),
        label(C(Label3), QT_TR_NOOP("Dicke ")), bar(C(HScroll4), QT_TR_NOOP("Dicke der Linse in der Mitte"), Range(kThicknessBar, 300)),
        box(C(Text5), QT_TR_NOOP("Dicke")),
        label(C(Label5), QT_TR_NOOP("Durchmesser")), bar(C(HScroll5), QT_TR_NOOP("Durchmesser der Linse"), Range(kDiameterBar, 500)),
        box(C(Text6), QT_TR_NOOP("Durchmesser")),
        label(C(Label8), QT_TR_NOOP("Brechzahl n")), bar(C(HScroll6), QT_TR_NOOP("Brechzahl n"), Range(kIndexBar, 160)),
        box(C(Text7), QT_TR_NOOP("Brechzahl")),
        label(C(Label25), QT_TR_NOOP("Fertige Linsen")),
        label(ControlSlot(presetLabels[1], "Label13"), QT_TR_NOOP(" 1")), preset(ControlSlot(presetFields[1], "Picture9")), label(ControlSlot(presetLabels[2], "Label14"), QT_TR_NOOP("2")), preset(ControlSlot(presetFields[2], "Picture10")),
        label(ControlSlot(presetLabels[3], "Label15"), QT_TR_NOOP("3")), preset(ControlSlot(presetFields[3], "Picture11")), label(ControlSlot(presetLabels[4], "Label16"), QT_TR_NOOP("4")), preset(ControlSlot(presetFields[4], "Picture12")),
        label(ControlSlot(presetLabels[5], "Label17"), QT_TR_NOOP("5")), preset(ControlSlot(presetFields[5], "Picture13")), label(ControlSlot(presetLabels[6], "Label18"), QT_TR_NOOP("6")), preset(ControlSlot(presetFields[6], "Picture14")),
        label(ControlSlot(presetLabels[7], "Label45"), QT_TR_NOOP("7")), preset(ControlSlot(presetFields[7], "Picture15")), label(ControlSlot(presetLabels[8], "Label46"), QT_TR_NOOP("8")), preset(ControlSlot(presetFields[8], "Picture16")),
        label(ControlSlot(presetLabels[9], "Label47"), QT_TR_NOOP("9")), preset(ControlSlot(presetFields[9], "Picture17")), label(ControlSlot(presetLabels[10], "Label48"), QT_TR_NOOP("10")), preset(ControlSlot(presetFields[10], "Picture18")),
        label(C(Label11), QT_TR_NOOP("Wahl der dargest.Strahlen ")),
        ray(C(Check3D1), QT_TR_NOOP("durchgehende")), ray(C(Check3D4), QT_TR_NOOP("verlängern")), ray(C(Check3D2), QT_TR_NOOP("vorn gespiegelte")),
        ray(C(Check3D5), QT_TR_NOOP("      \""), QT_TR_NOOP("vorn gespiegelte verlängern")), ray(C(Check3D3), QT_TR_NOOP("hinten gespiegelte")),
        ray(C(Check3D6), QT_TR_NOOP("      \""), QT_TR_NOOP("hinten gespiegelte verlängern")), ray(C(Check3D8), QT_TR_NOOP("Einfallslote ")),
        label(C(Label7), QT_TR_NOOP("Zoom")), box(C(Text10), QT_TR_NOOP("Zoomfaktor")), {C(Spin1), K::Spin, nullptr},
        {C(Label12), K::WrapLabel, QT_TR_NOOP("Position und Nummer des aktuellen Objekts")},
        // The spin buttons over the edges of the position boxes beside them.
        box(C(Text8), QT_TR_NOOP("x-Position des Objekts")), box(C(Text9), QT_TR_NOOP("y-Position des Objekts")),
        box(C(Text11), QT_TR_NOOP("Nummer des aktuellen Objekts")), {C(Spin2), K::Spin, nullptr}, {C(Spin3), K::Spin, nullptr},
        button(C(Command5), QT_TR_NOOP("Neues Objekt")), button(C(Command6), QT_TR_NOOP("Neu beginnen")),
        label(C(Label35), QT_TR_NOOP("Markieren")),
        symbol(C(Picture3), QT_TR_NOOP("Auge setzen")), symbol(C(Picture2), QT_TR_NOOP("Punkt markieren")),
        symbol(C(Picture5), QT_TR_NOOP("Bildschirmlinie")), symbol(C(Picture4), QT_TR_NOOP("Raster ein/aus")),
        symbol(C(Picture6), QT_TR_NOOP("Winkelmesser")), symbol(C(Picture7), QT_TR_NOOP("Winkeldiagramm")),
        button(C(Command2), QT_TR_NOOP("Markierungen löschen")),
        {C(Command7), K::Button, QT_TR_NOOP("Aktuelles Bündel löschen"), nullptr,
         QT_TR_NOOP("Aktuelles Bündel löschen; nur den letzten Strahl: Strg+Z (zurückholen: Strg+Umschalt+Z)")},
        button(C(Command3), QT_TR_NOOP("Bild drucken")), button(C(Command4), QT_TR_NOOP("Bild speichern")), button(C(command1), QT_TR_NOOP("Info ")),
        button(C(Command8), QT_TR_NOOP("Didaktische Bemerkungen")), button(C(Command9), QT_TR_NOOP("Menue")),
    });
#undef C
    setModuleLook(tr("Sphärische Linsen  als Bündel-Wandler"));
    finishControls();
    zoom = std::make_unique<ZoomPan>(Picture1, HScroll1, VScroll1, Text10, [this] {
        showUpdate(control.viewChanged(zoom->zoomFactor, static_cast<float>(zoom->panX()),
                                       static_cast<float>(zoom->panY())));
    });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { zoom->HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { zoom->VScroll1_Change(); });
    for (QScrollBar *b : {HScroll3, HScroll2, HScroll4})
        connect(b, &QScrollBar::sliderPressed, this, [this] { control.lensBarPressed(); });
    markers = std::make_unique<MarkerOverlay>(scene.markers, Picture1, Picture2, Picture3, Picture4, Picture5,
                                              [this](Layers layers) { redraw(layers); });
    help = std::make_unique<HelpPanel>(Picture1, zoom.get(), command1, Command8, kLensNotes, kLensNoteCount,
                                       std::vector<QWidget *>{Label6, Label9, Text1, Text2}, [this] { Redraw(); });
    // Two fingers zoom by the steps of the zoom buttons.
    Picture1->onPinch = [this](int step) { step > 0 ? Spin1_SpinUp() : Spin1_SpinDown(); };
    connect(Picture1, &PictureBox::pixelRatioChanged, this, [this] { Redraw(); });
}

frmLins::~frmLins() = default;

void frmLins::finishControls() {
    Picture8->hide();
    Label6->setToolTip(QString()); // its hint changes with a new object point
    Label40->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label40->setFont(classicFont(6.5));
    for (QLineEdit *t : {Text1, Text2})
        t->setPalette(QPalette()); // the pointer position in the system colours
    {
        const QSignalBlocker b(Check3D1);
        Check3D1->setChecked(true);
    }
    Spin1->setNames(tr("Zoom vergrößern"), tr("Zoom verkleinern"));
    Spin2->setNames(tr("Objektpunkt nach links"), tr("Objektpunkt nach rechts"));
    Spin3->setNames(tr("Objektpunkt nach oben"), tr("Objektpunkt nach unten"));
    Picture2->setBackColor(kSymbolGrey);
    Picture3->setBackColor(kSymbolGrey);
    Picture2->setFace([](Surface &s) { DrawPointSymbol(s, 10); });
    Picture3->setFace([](Surface &s) { DrawEyeSymbol(s, 45, 2); });
    Picture4->setFace(DrawRasterSymbol);
    Picture5->setFace(DrawLineSymbol);
    Picture6->setFace(DrawProtractorSymbol);
    Picture7->setFace([this](Surface &s) { DrawAngleGraphFace(s, scene.lens.refrIndex); });
    for (int i = 1; i <= LensScene::kPresets; ++i) {
        presetLabels[i]->setAlignment(Qt::AlignCenter);
        presetLabels[i]->setAutoFillBackground(true);
        presetFields[i]->setFace([this, i](Surface &s) { scene.drawPresetFace(s, i); });
        presetFields[i]->onMouseDown = [this, i](int button, int, float, float) { Preset_MouseDown(i, button); };
        named(presetFields[i], tr("Fertige Linse %1").arg(i));
        described(presetFields[i], tr("Fertige Linse %1: links laden, rechts speichern").arg(i));
    }
}

void frmLins::sceneReplaced() {
    help->Load();
    zoom->setView(scene.zoomFactor, CInt(scene.panX), CInt(scene.panY));
    markers->showMarks();
    protractorMode = 0;
    Picture6->setBorderStyle(0);
    {
        const QSignalBlocker b1(Check3D1), b4(Check3D4), b2(Check3D2), b5(Check3D5), b3(Check3D3), b6(Check3D6),
            b8(Check3D8);
        Check3D1->setChecked(scene.showTransmitted);
        Check3D4->setChecked(scene.extendTransmitted);
        Check3D2->setChecked(scene.showFront);
        Check3D5->setChecked(scene.extendFront);
        Check3D3->setChecked(scene.showBack);
        Check3D6->setChecked(scene.extendBack);
        Check3D8->setChecked(scene.showNormals);
    }
    for (int i = 1; i <= LensScene::kPresets; ++i)
        presetFields[i]->redrawSymbol();
    showUpdate(control.sceneReplaced());
}

void frmLins::viewChanged() {
    if (scene.graphOn)
        paintGraph();
    Redraw();
}

void frmLins::layoutControls() {
    using Screen::place;
    const auto [W, H, T0, unused] = LayoutWideWindow(clientArea(), Picture1, VScroll1, HScroll1, 0.96);

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
    place(Label7, x, T0, 0.04 * W, headerH);
    place(Text10, x, T0 + headerH, 0.04 * W, 0.05 * H);
    place(Spin1, x, T0 + headerH + 0.06 * H, 0.03 * W, 0.07 * H);
    // Current object; the position boxes as wide as a far object point's text needs.
    x = 0.538 * W;
    y = T0;
    place(Label12, x, y, 0.135 * W, 0.04 * H);
    y += 0.04 * H;
    place(Text8, x, y, 0.05 * W, 0.05 * H);
    place(Spin2, x + 0.05 * W, y, 0.0175 * W, 0.05 * H);
    place(Spin3, x + 0.0675 * W, y, 0.0175 * W, 0.05 * H);
    place(Text9, x + 0.085 * W, y, 0.05 * W, 0.05 * H);
    y += 0.06 * H;
    place(Text11, x, y, 0.035 * W, 0.05 * H);
    place(Command5, x + 0.04 * W, y, 0.095 * W, 0.05 * H);
    place(Command6, x, y + 0.06 * H, 0.135 * W, 0.05 * H);
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
    place(Command7, x, y + 0.055 * H, 0.17 * W, 0.045 * H);
    // Buttons.
    y = T0 + 0.02 * H;
    for (QPushButton *b : {Command3, Command4, command1, Command8, Command9}) {
        place(b, 0.85 * W, y, 0.14 * W, 0.04 * H);
        y += 0.046 * H;
    }

    // Controls inside the picture are placed in world coordinates of the start view.
    placeInWorld(Picture1, Text1, 1500, -1000, 250, 100);
    placeInWorld(Picture1, Text2, 1750, -1000, 250, 100);
    placeInWorld(Picture1, Label6, -1950, -990, 1800, 100);
    placeInWorld(Picture1, Label9, -1950, 850, 1800, 100);
    // The graph's top-left corner at (700, -1000) of the start view.
    place(Picture8, 0.675 * Picture1->width() * Screen::twipsPerPixel(), 0, 2535, 1455);
    Picture8->resizeImage(Picture8->width(), Picture8->height());
    // The caption in the graph's empty upper part, right of its vertical axis.
    Label40->setGeometry(int(0.12 * Picture8->width()), 2, int(0.86 * Picture8->width()), int(0.3 * Picture8->height()));
    help->layout(kLensNotesLeft, kLensNotesRight);
    const int cw = Picture1->width() / 5;
    Command8->setGeometry(Picture1->x() + Picture1->width() - cw - 10,
                          Picture1->y() + Picture1->height() - Screen::px(0.06 * H), cw, Screen::px(0.05 * H));
    fitLabels(this);
    ui.setTabChain();
}

} // namespace varelo
