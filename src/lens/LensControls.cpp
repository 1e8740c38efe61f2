// The lens window's controls: made from one table in the keyboard's order, taken into the
// window's members, finished where the table cannot say it (the symbol faces, the preset
// fields' numbered names) and placed on the screen.
#include "lens/frmLins.h"

#include "canvas/HelpPanel.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/SpinButton.h"
#include "canvas/WindowLayout.h"
#include "lens/LensNotes.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <iterator>

namespace varelo {

namespace {
const Rgb kSymbolGrey{224, 224, 224};

#define T(text) QT_TRANSLATE_NOOP("varelo::frmLins", text)
using K = ControlKind;
constexpr ControlSpec label(const char *m, const char *caption) { return {m, K::Label, caption}; }
constexpr ControlSpec box(const char *m, const char *name, const char *parent = nullptr) {
    return {m, K::TextBox, nullptr, name, nullptr, parent};
}
constexpr ControlSpec bar(const char *m, const char *name, ScrollRange range, const char *handler = nullptr) {
    return {m, K::HScroll, nullptr, name, nullptr, nullptr, handler, range};
}
// The seven ray options share one handler.
constexpr ControlSpec ray(const char *m, const char *caption, const char *name = nullptr) {
    return {m, K::Check, caption, name, nullptr, nullptr, "Check3D_Click"};
}
// A preset field: its names and its mouse handler carry its number.
constexpr ControlSpec preset(const char *m) { return {m, K::Symbol, nullptr, nullptr, nullptr, nullptr, ""}; }
constexpr ControlSpec symbol(const char *m, const char *name) { return {m, K::Symbol, nullptr, name}; }
constexpr ControlSpec button(const char *m, const char *caption) { return {m, K::Button, caption}; }

// In the keyboard's order: the view, the lens bars, the presets, the ray options, zoom, the
// current object, the marker tools, the buttons. Where controls overlap, the later one lies
// on top: the graph over the pointer boxes on a small screen.
const ControlSpec kControls[] = {
    {"Picture1", K::Picture, nullptr, T("Bildfeld")},
    box("Text1", T("x-Position der Maus"), "Picture1"), box("Text2", T("y-Position der Maus"), "Picture1"),
    {"Picture8", K::Picture, nullptr, T("Einfalls- und Brechungswinkel"), T("Winkeldiagramm: klicken zum Ablesen"),
     "Picture1"},
    {"Label40", K::WrapLabel, nullptr, nullptr, nullptr, "Picture8"},
    {"Label6", K::WrapLabel,
     T("Objektpunkt durch Drücken der rechten Maustaste  und  durch Ziehen in gew.Position bringen!"), nullptr,
     nullptr, "Picture1"},
    {"Label9", K::WrapLabel, T("Strahl kann durch Drücken  und Ziehen der linken Maustaste selektiert werden"),
     nullptr, nullptr, "Picture1"},
    bar("HScroll1", T("Bildfeld waagerecht verschieben"), {-6000, 6000, 100, 400, 0}, ""),
    {"VScroll1", K::VScroll, nullptr, T("Bildfeld senkrecht verschieben"), nullptr, nullptr, "",
     {-3000, 3000, 50, 200, 0}},
    label("Label10", T("Linsenparameter")),
    label("Label2", T("R1 (rechts)")), bar("HScroll3", T("Krümmung der rechten Fläche R1"), {-36, 36, 1, 2, -12}),
    box("Text4", T("Radius R1")),
    label("label1", T("R2 (links)")), bar("HScroll2", T("Krümmung der linken Fläche R2"), {-36, 36, 1, 2, -12}),
    box("Text3", T("Radius R2")),
    label("Label3", T("Dicke ")), bar("HScroll4", T("Dicke der Linse in der Mitte"), {10, 1000, 1, 10, 300}),
    box("Text5", T("Dicke")),
    label("Label5", T("Durchmesser")), bar("HScroll5", T("Durchmesser der Linse"), {10, 1000, 5, 50, 500}),
    box("Text6", T("Durchmesser")),
    label("Label8", T("Brechzahl n")), bar("HScroll6", T("Brechzahl n"), {10, 200, 1, 10, 160}),
    box("Text7", T("Brechzahl")),
    label("Label25", T("Fertige Linsen")),
    label("Label13", T(" 1")), preset("Picture9"), label("Label14", T("2")), preset("Picture10"),
    label("Label15", T("3")), preset("Picture11"), label("Label16", T("4")), preset("Picture12"),
    label("Label17", T("5")), preset("Picture13"), label("Label18", T("6")), preset("Picture14"),
    label("Label45", T("7")), preset("Picture15"), label("Label46", T("8")), preset("Picture16"),
    label("Label47", T("9")), preset("Picture17"), label("Label48", T("10")), preset("Picture18"),
    label("Label11", T("Wahl der dargest.Strahlen ")),
    ray("Check3D1", T("durchgehende")), ray("Check3D4", T("verlängern")), ray("Check3D2", T("vorn gespiegelte")),
    ray("Check3D5", T("      \""), T("vorn gespiegelte verlängern")), ray("Check3D3", T("hinten gespiegelte")),
    ray("Check3D6", T("      \""), T("hinten gespiegelte verlängern")), ray("Check3D8", T("Einfallslote ")),
    label("Label7", T("Zoom")), box("Text10", T("Zoomfaktor")), {"Spin1", K::Spin, nullptr},
    {"Label12", K::WrapLabel, T("Position und Nummer des aktuellen Objekts")},
    // The spin buttons over the edges of the position boxes beside them.
    box("Text8", T("x-Position des Objekts")), box("Text9", T("y-Position des Objekts")),
    box("Text11", T("Nummer des aktuellen Objekts")), {"Spin2", K::Spin, nullptr}, {"Spin3", K::Spin, nullptr},
    button("Command5", T("Neues Objekt")), button("Command6", T("Neu beginnen")),
    label("Label35", T("Markieren")),
    symbol("Picture3", T("Auge setzen")), symbol("Picture2", T("Punkt markieren")),
    symbol("Picture5", T("Bildschirmlinie")), symbol("Picture4", T("Raster ein/aus")),
    symbol("Picture6", T("Winkelmesser")), symbol("Picture7", T("Winkeldiagramm")),
    button("Command2", T("Markierungen löschen")),
    {"Command7", K::Button, T("Aktuelles Bündel löschen"), nullptr,
     T("Aktuelles Bündel löschen; nur den letzten Strahl: Strg+Z (zurückholen: Strg+Umschalt+Z)")},
    button("Command3", T("Bild drucken")), button("Command4", T("Bild speichern")), button("command1", T("Info ")),
    button("Command8", T("Didaktische Bemerkungen")), button("Command9", T("Menue")),
};
#undef T
// The preset fields' numbers and fields, 1 .. 10.
const char *const kPresetLabels[] = {"Label13", "Label14", "Label15", "Label16", "Label17",
                                     "Label18", "Label45", "Label46", "Label47", "Label48"};
const char *const kPresetFields[] = {"Picture9",  "Picture10", "Picture11", "Picture12", "Picture13",
                                     "Picture14", "Picture15", "Picture16", "Picture17", "Picture18"};
} // namespace

frmLins::frmLins() : Form(FormId::Lins), ui(this, "varelo::frmLins", kControls, std::size(kControls)) {
    setWindowTitle(tr("Sphärische Linsen  als Bündel-Wandler"));
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(192, 192, 192)));
    setFont(classicFont(8.25));
    takeControls();
    zoom = std::make_unique<ZoomPan>(Picture1, HScroll1, VScroll1, Text10, [this] {
        scene.zoomFactor = zoom->zoomFactor;
        scene.panX = static_cast<float>(zoom->panX());
        scene.panY = static_cast<float>(zoom->panY());
        redrawScene();
    });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { zoom->HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { zoom->VScroll1_Change(); });
    for (QScrollBar *b : {HScroll3, HScroll2, HScroll4})
        connect(b, &QScrollBar::sliderPressed, this, [this] { semiDiameterAtPress_ = scene.lens.semiDiameter; });
    markers = std::make_unique<MarkerOverlay>(scene.markers, Picture1, Picture2, Picture3, Picture4, Picture5,
                                              [this](Layers layers) { redraw(layers); });
    help = std::make_unique<HelpPanel>(Picture1, zoom.get(), command1, Command8, kLensNotes, kLensNoteCount,
                                       std::vector<QWidget *>{Label6, Label9, Text1, Text2}, [this] { redrawScene(); });
    installUndoShortcuts(this, [this] { Undo(); }, [this] { Redo(); });
}

frmLins::~frmLins() = default;

void frmLins::takeControls() {
#define TAKE(member) member = static_cast<decltype(member)>(ui[#member])
    TAKE(Picture1); TAKE(Picture8); TAKE(Label40); TAKE(Label6); TAKE(Label9); TAKE(HScroll1); TAKE(VScroll1);
    TAKE(Label10); TAKE(Label2); TAKE(label1); TAKE(Label3); TAKE(Label5); TAKE(Label8); TAKE(Label25);
    TAKE(Label11); TAKE(Label12); TAKE(Label7); TAKE(Label35); TAKE(Text1); TAKE(Text2); TAKE(Text3);
    TAKE(Text4); TAKE(Text5); TAKE(Text6); TAKE(Text7); TAKE(Text8); TAKE(Text9); TAKE(Text10); TAKE(Text11);
    TAKE(HScroll2); TAKE(HScroll3); TAKE(HScroll4); TAKE(HScroll5); TAKE(HScroll6); TAKE(Check3D1);
    TAKE(Check3D2); TAKE(Check3D3); TAKE(Check3D4); TAKE(Check3D5); TAKE(Check3D6); TAKE(Check3D8);
    TAKE(Spin1); TAKE(Spin2); TAKE(Spin3); TAKE(Picture2); TAKE(Picture3); TAKE(Picture4); TAKE(Picture5);
    TAKE(Picture6); TAKE(Picture7); TAKE(Command2); TAKE(Command3); TAKE(Command4); TAKE(Command5);
    TAKE(Command6); TAKE(Command7); TAKE(Command8); TAKE(Command9); TAKE(command1);
#undef TAKE
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
        presetLabels[i] = ui.label(kPresetLabels[i - 1]);
        presetLabels[i]->setAlignment(Qt::AlignCenter);
        presetLabels[i]->setAutoFillBackground(true);
        presetFields[i] = ui.symbol(kPresetFields[i - 1]);
        presetFields[i]->setFace([this, i](Surface &s) { scene.drawPresetFace(s, i); });
        presetFields[i]->onMouseDown = [this, i](int button, int, float, float) { Preset_MouseDown(i, button); };
        named(presetFields[i], tr("Fertige Linse %1").arg(i));
        described(presetFields[i], tr("Fertige Linse %1: links laden, rechts speichern").arg(i));
    }
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
    place(Picture8, 0.675 * picW, 0, 2535, 1455);
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
