#include "refraction/frmBre1.h"

#include "canvas/Dialogs.h"
#include "canvas/Hardcopy.h"
#include "canvas/PictureBox.h"
#include "canvas/PrinterSurface.h"
#include "canvas/Screen.h"
#include "canvas/WindowLayout.h"
#include "core/MarkerSet.h"
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
constexpr double kDeg = kPi / 180;
// The graph in its own picture.
const AngleGraphWidths kGraphWidths{3, 3, 1, 3, 5, 1};

void drawProtractorSymbol(Surface &s) {
    s.Scale(-600, -600, 600, 600);
    s.SetDrawWidth(1);
    s.Circle(0, 0, 500, kBlack);
    for (int a = 0; a < 360; a += 30)
        s.PSet(499 * std::cos(a * kDeg), -499 * std::sin(a * kDeg), kBlack);
    s.SetDrawWidth(2);
    s.Line(-500, 0, 500, 0, kBlack);
    s.Line(0, -500, 0, 500, kBlack);
}

QString caption(float n) { return QStringLiteral("Einfalls- und Brechungswinkel für n = ") + qs(NumText(n)); }

// The indices of the two media as texts: the upper one for n < 1 is Int(100 / n + 0.5) / 100.
QString upperIndexText(float n) { return qs(NumText(UpperIndex(n))); }
} // namespace

frmBre1::frmBre1() : Form(FormId::Bre1) {
    setWindowTitle(QStringLiteral("Brechung von Bündeln an einer ebenen Grenzfläche - Strahlenverlauf"));
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(192, 192, 192)));
    setFont(classicFont(8.25));
    createControls();
    described(Command1, QStringLiteral("Strahlen löschen; nur den letzten Strahl: Strg+Z (zurückholen: Strg+Umschalt+Z)"));
    // Two boxes read "verlängern": each is named by the rays it extends.
    named(Check3D2, QStringLiteral("gebrochene verlängern"));
    named(Check3D4, QStringLiteral("gespiegelte verlängern"));
    installUndoShortcuts(this, [this] { Undo(); }, [this] { Redo(); });
    completeToolTips(this);
}

void frmBre1::Undo() {
    if (!rayDrag_ && scene.takeBackRay())
        redraw(Layer::Clear | kRayPathPicture);
}

void frmBre1::Redo() {
    if (!rayDrag_ && scene.redoRay())
        redraw(Layer::Clear | kRayPathPicture);
}

void frmBre1::createControls() {
    Picture1 = new PictureBox(this);
    Picture1->onMouseDown = [this](int b, int s, float x, float y) { Picture1_MouseDown(b, s, x, y); };
    Picture1->onMouseMove = [this](int b, int s, float x, float y) { Picture1_MouseMove(b, s, x, y); };
    Picture1->onMouseUp = [this](int b, int s, float x, float y) { Picture1_MouseUp(b, s, x, y); };

    Text1 = displayBox(Picture1, QStringLiteral(" n = 1"));
    Text4 = displayBox(Picture1, QStringLiteral(" n = 1.33"));
    Text3 = displayBox(this, QStringLiteral("  1.00"));
    Text2 = displayBox(this, QStringLiteral("  1.33"));
    for (QLineEdit *t : {Text1, Text4})
        t->setPalette(QPalette()); // white, inside the picture

    auto label = [](QWidget *parent, const char *text) { return new QLabel(QString::fromUtf8(text), parent); };
    Label5 = label(Picture1, "Neuen Strahl starten: linke Maustaste drücken und den Strahl in die gewünschte Richtung ziehen!");
    Label4 = label(Picture1, "Objektposition: rechte Maustaste drücken und ziehen!");
    Label6 = label(this, "Brechzahl n ");
    Label7 = label(this, "oben");
    Label8 = label(this, "unten");
    Label1 = label(this, "Wahl der dargest. Strahlen");
    Label3 = label(this, "Markierungen");
    Label9 = label(this, "Bild ...");

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setRange(50, 200);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    HScroll1->setValue(133);
    named(HScroll1, QStringLiteral("Brechzahl n"));
    HScroll1->setFocusPolicy(Qt::StrongFocus); // arrow keys move it

    auto check = [this](const char *text) { return new QCheckBox(QString::fromUtf8(text), this); };
    Check3D1 = check("gebrochene");
    Check3D1->setChecked(true);
    Check3D2 = check("verlängern");
    Check3D3 = check("gespiegelte");
    Check3D4 = check("verlängern");
    Check3D5 = check("Einfallslote");

    Picture5 = new SymbolButton(
        [](Surface &s) {
            s.Scale(-14, -14, 14, 14);
            DrawPointSymbol(s, 5);
        },
        Rgb{224, 224, 224}, this);
    Picture2 = new SymbolButton([](Surface &s) { DrawEyeSymbol(s, 50, 3); }, Rgb{224, 224, 224}, this);
    Picture3 = new SymbolButton(drawProtractorSymbol, kWhite, this);
    Picture4 = new SymbolButton([this](Surface &s) { DrawAngleGraphFace(s, scene.relIndex); }, kWhite, this);
    named(Picture5, QStringLiteral("Punkt markieren"));
    named(Picture2, QStringLiteral("Auge setzen"));
    named(Picture3, QStringLiteral("Winkelmesser"));
    named(Picture4, QStringLiteral("Winkeldiagramm"));

    named(Picture1, QStringLiteral("Bildfeld"));
    named(Text3, QStringLiteral("Brechzahl oben"));
    named(Text2, QStringLiteral("Brechzahl unten"));
    named(Text1, QStringLiteral("Brechzahl des oberen Mediums"));
    named(Text4, QStringLiteral("Brechzahl des unteren Mediums"));
    Picture6 = new PictureBox(Picture1);
    named(Picture6, QStringLiteral("Einfalls- und Brechungswinkel"));
    described(Picture6, QStringLiteral("Winkeldiagramm: klicken zum Ablesen"));
    Picture6->hide();
    Picture6->onMouseDown = [this](int b, int s, float x, float y) { Picture6_MouseDown(b, s, x, y); };
    Label2 = new QLabel(QStringLiteral("Label2"), Picture6);

    auto button = [this](const char *text) { return new QPushButton(QString::fromUtf8(text), this); };
    Command1 = button("Strahlen löschen");
    Command4 = button("Markierungen löschen");
    Command2 = button("drucken");
    Command6 = button("speichern");
    Command5 = button("zur Abbildung von Punkten");
    Command3 = button("Info");
    Command7 = button("Menue");

    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    // An option reacts to every change of its value: mouse, keyboard or screen reader.
    for (QCheckBox *c : {Check3D1, Check3D2, Check3D3, Check3D4, Check3D5})
        connect(c, &QCheckBox::toggled, this, [this] { Check3D_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    Picture5->onClick = [this] { Picture5_Click(); };
    Picture2->onClick = [this] { Picture2_Click(); };
    Picture3->onClick = [this] { Picture3_Click(); };
    // The diagram symbol toggles on the press, not on the click.
    Picture4->onMouseDown = [this](int, int, float, float) { Picture4_MouseDown(); };
}

void frmBre1::layoutControls() {
    using Screen::place;
    const double H = 0.95 * Screen::heightTwips() - kWindowFrameTwips;
    const double W = columnWindowWidth(H);
    setClientTwips(1, 1, W, H);
    placeColumnPicture(Picture1, W, H);
    const double tpp = Screen::twipsPerPixel();
    const double x = (Picture1->x() + Picture1->width()) * tpp + 0.01 * W;
    const double rowH = 0.05 * H, gap = 0.01 * H;
    double y = 0.01 * H;
    place(Label1, x, y, 0.23 * W, 0.08 * H);
    y += 0.08 * H;
    place(Check3D1, x, y, 0.11 * W, rowH);
    place(Check3D2, x + 0.11 * W, y, 0.12 * W, rowH);
    y += rowH;
    place(Check3D3, x, y, 0.11 * W, rowH);
    place(Check3D4, x + 0.11 * W, y, 0.12 * W, rowH);
    y += rowH;
    place(Check3D5, x, y, 0.11 * W, rowH);
    y += rowH + gap;
    place(Command1, x, y, 0.22 * W, rowH);
    y += rowH + 0.025 * H;
    place(Label6, x, y, 0.2 * W, 0.04 * H);
    y += 0.04 * H;
    place(HScroll1, x, y, 0.12 * W, 0.04 * H);
    place(Text3, x + 0.125 * W, y, 0.05 * W, 0.04 * H);
    place(Label7, x + 0.18 * W, y, 0.05 * W, 0.04 * H);
    y += 0.04 * H;
    place(Text2, x + 0.125 * W, y, 0.05 * W, 0.04 * H);
    place(Label8, x + 0.18 * W, y, 0.05 * W, 0.04 * H);
    y += 0.04 * H + 0.025 * H;
    place(Label3, x, y, 0.26 * W, 0.04 * H);
    y += 0.04 * H;
    const double side = 0.052 * W;
    double sx = x;
    for (SymbolButton *s : {Picture2, Picture5, Picture3, Picture4}) {
        place(s, sx, y, side, side);
        sx += side + 0.004 * W;
    }
    y += side + gap;
    place(Command4, x, y, 0.22 * W, rowH);
    y += rowH + 0.025 * H;
    place(Label9, x, y, 0.22 * W, 0.04 * H);
    y += 0.04 * H;
    place(Command2, x, y, 0.11 * W, rowH);
    place(Command6, x + 0.111 * W, y, 0.11 * W, rowH);
    y += rowH + gap;
    for (QPushButton *b : {Command5, Command3, Command7}) {
        place(b, x, y, 0.22 * W, rowH);
        y += rowH + gap;
    }

    placeInWorld(Picture1, Text1, 800, -950, 200, 100);
    placeInWorld(Picture1, Text4, 800, 50, 200, 100);
    Label5->move(int(Picture1->toDeviceX(-990)), int(Picture1->toDeviceY(-980)));
    Label4->move(int(Picture1->toDeviceX(-990)), int(Picture1->toDeviceY(800)));
    Label5->adjustSize();
    Label4->adjustSize();
    place(Picture6, 0.6375 * Picture1->width() * tpp, 0, 4335, 4095);
    Picture6->resizeImage(Picture6->width(), Picture6->height());
    place(Label2, 120, 120, 3855, 375);
    fitLabels(this);
    setTabChain({Check3D1, Check3D2, Check3D3, Check3D4, Check3D5, Command1, HScroll1, Picture2, Picture5, Picture3,
                 Picture4, Command4, Command2, Command6, Command5, Command3, Command7});
}

void frmBre1::Form_Load() {
    layoutControls();
    scene = RayPathScene();
    redraw(Layer::Element | Layer::Bundles);
}

void frmBre1::Form_Unload() { UnloadModule(FormId::Bre1); }

void frmBre1::Command5_Click() {
    Forms::unload(FormId::Bre1);
    Forms::show(FormId::Bre2);
}

void frmBre1::Command7_Click() { Forms::closeModule(FormId::Bre1); }

void frmBre1::Command3_Click() { Forms::toggleInfo(this, FormId::BreI1, Command3, infoOn); }

// ---- Drawing ----

void frmBre1::DrawAllRays() { redraw(Layer::Element | Layer::Bundles | Layer::Markers); }

void frmBre1::redraw(Layers layers) {
    drag.draw(*Picture1, layers, scene.key(), Layer::Clear | kRayPathPicture, 0,
              [this](Layers l) { scene.draw(*Picture1, kScreenRayPathStyles, l); });
}

// ---- Mouse ----

void frmBre1::Picture1_MouseDown(int button, int, float x, float y) {
    const bool armed = pointMode || eyeMode || protractorMode;
    if (button == 1 && !armed) {
        rayDrag_ = true;
        scene.aimPreview(x, y);
        redraw(Layer::Live);
    } else if (button == 1) {
        if (pointMode) {
            if (scene.pointCount >= RayPathScene::kMaxPoints) {
                releaseSymbol(Picture5, pointMode);
                refuse(QStringLiteral("Nur 20 Punkte möglich"));
                return;
            }
            scene.pending = RayPathScene::Pending::Point;
        } else if (eyeMode) {
            if (scene.eyeCount >= RayPathScene::kMaxEyes) {
                releaseSymbol(Picture2, eyeMode);
                refuse(QStringLiteral("Nur 20 Augen möglich"));
                return;
            }
            scene.pending = RayPathScene::Pending::Eye;
        }
        markPress_ = true;
        scene.pendingX = x;
        scene.pendingY = y;
        if (scene.pending == RayPathScene::Pending::None) {
            // The protractor is set down at the press.
            scene.placeProtractor(x);
            releaseSymbol(Picture3, protractorMode);
        }
        redraw(Layer::Live);
    } else if (button == 2) {
        scene.moveObject(x, y);
        redraw(Layer::Clear | kRayPathPicture);
    }
}

void frmBre1::Picture1_MouseMove(int button, int, float x, float y) {
    const bool nearP = std::fabs(scene.objX - x) < 100 && std::fabs(scene.objY - y) < 100;
    Picture1->setMousePointer(!(button & 1) && nearP ? 2 : 0);
    if (button == 1 && rayDrag_) {
        scene.aimPreview(x, y);
        redraw(Layer::Live);
    } else if (button == 1 && markPress_ && scene.pending != RayPathScene::Pending::None) {
        scene.pendingX = x;
        scene.pendingY = y;
        redraw(Layer::Live);
    } else if (button == 2) {
        scene.moveObject(x, y);
        redraw(Layer::Clear | kRayPathPicture);
    }
}

void frmBre1::Picture1_MouseUp(int button, int, float x, float y) {
    bool refused = false;
    if (button == 1 && rayDrag_) {
        rayDrag_ = false;
        // A refused preview stores nothing (not a copy of the ray traced before it).
        if (scene.previewValid && !scene.storePreview())
            refused = true;
        scene.previewActive = scene.previewValid = false;
    } else if (button == 1 && markPress_) {
        markPress_ = false;
        const RayPathScene::Pending placed = scene.pending;
        scene.pending = RayPathScene::Pending::None;
        if (placed == RayPathScene::Pending::Eye)
            scene.addEye(x, y);
        else if (placed == RayPathScene::Pending::Point)
            scene.addPoint(x, y);
        if (placed != RayPathScene::Pending::None) {
            releaseSymbol(Picture5, pointMode);
            releaseSymbol(Picture2, eyeMode);
        }
    }
    // Whatever was previewed, the picture is the stored scene again.
    redraw(Layer::Clear | kRayPathPicture);
    Screen::setMousePointer(0);
    if (refused)
        refuse(QStringLiteral("Nur 100 Strahlen möglich"));
}

// ---- Markers ----

void frmBre1::releaseSymbol(SymbolButton *symbol, int16_t &mode) {
    symbol->setBorderStyle(0);
    mode = 0;
}

void frmBre1::refuse(const QString &message) { Dialogs::instance().messageBox(message, true); }

void frmBre1::Picture5_Click() {
    Picture5->flipBorder();
    pointMode = static_cast<int16_t>(Picture5->borderStyle());
    if (pointMode) {
        releaseSymbol(Picture2, eyeMode);
        Screen::setMousePointer(2);
    }
}

void frmBre1::Picture2_Click() {
    Picture2->flipBorder();
    eyeMode = static_cast<int16_t>(Picture2->borderStyle());
    if (eyeMode) {
        releaseSymbol(Picture5, pointMode);
        Screen::setMousePointer(2);
    }
}

void frmBre1::Picture3_Click() {
    Picture3->flipBorder();
    protractorMode = static_cast<int16_t>(Picture3->borderStyle());
    if (protractorMode)
        Screen::setMousePointer(2);
}

// ---- Controls ----

void frmBre1::Check3D_Click() {
    scene.showRefracted = Check3D1->isChecked();
    scene.extendRefracted = Check3D2->isChecked();
    scene.showReflected = Check3D3->isChecked();
    scene.extendReflected = Check3D4->isChecked();
    scene.showNormals = Check3D5->isChecked();
    redraw(Layer::Clear | kRayPathPicture);
}

void frmBre1::showIndexTexts() {
    const float n = scene.relIndex;
    if (n < 1) {
        const QString u = upperIndexText(n);
        Text3->setText(u);
        Text2->setText(QStringLiteral("1.00"));
        Text1->setText(QStringLiteral("n = ") + u);
        Text4->setText(QStringLiteral("n = 1 "));
    } else {
        Text3->setText(QStringLiteral("1.00"));
        Text2->setText(qs(NumText(n)));
        Text1->setText(QStringLiteral("n = 1 "));
        Text4->setText(QStringLiteral("n = ") + qs(NumText(n)));
    }
}

void frmBre1::HScroll1_Change() {
    scene.relIndex = HScroll1->value() / 100.0f;
    if (scene.diagramOn) {
        setFittedText(Label2, caption(scene.relIndex));
        DrawAngleDiagram(); // drawn anew: earlier reading marks vanish
    }
    Picture4->redrawSymbol();
    showIndexTexts();
    scene.UpdateIndexRatio();
    redraw(Layer::Clear | kRayPathPicture);
}

void frmBre1::Command1_Click() {
    scene.clearRays();
    redraw(Layer::Clear | kRayPathPicture);
}

void frmBre1::Command4_Click() {
    move(Screen::px(1), Screen::px(1));
    scene.clearMarkers();
    Picture6->hide();
    redraw(Layer::Clear | kRayPathPicture);
}

// ---- Printing and saving ----

void frmBre1::Command2_Click() {
    PrintHardcopy(scene, PageOrientation::Portrait, [this] { redraw(Layer::Clear | kRayPathPicture); });
}

void frmBre1::Command6_Click() {
    SaveSteps steps;
    steps.prompt = QStringLiteral(
        "Bitte geben Sie den Namen der Datei ein. Benützen Sie die Extension .bmp! Falls Sie auf die "
        "Angabe eines Pfades vor dem Namen verzichten, wird die Datei in jenem Ordner abgelegt, aus dem "
        "heraus das Programm gestartet wurde.");
    steps.defaultName = QStringLiteral("Titel.bmp");
    steps.errorText = QStringLiteral("Fehler beim Speichern! Disk full?");
    steps.criticalIcon = false;
    steps.beforeAsking = [this] { redraw(Layer::Extra); };
    steps.beforeWriting = [this] { DrawAllRays(); };
    steps.drawVector = [this](Surface &s) {
        scene.draw(s, kScreenRayPathStyles, Layer::Clear | kRayPathPicture | Layer::Extra);
    };
    SavePictureFile(*Picture1, steps);
}

// ---- Angle diagram ----

void frmBre1::Picture4_MouseDown() {
    Picture4->flipBorder();
    if (Picture4->borderStyle()) {
        setFittedText(Label2, caption(scene.relIndex));
        scene.diagramOn = 1;
        Picture6->move(int(0.6375 * Picture1->width()), 0);
        Picture6->show();
        DrawAngleDiagram();
    } else {
        scene.diagramOn = 0;
        Picture6->hide();
    }
    DrawAllRays();
}

void frmBre1::Picture6_MouseDown(int button, int, float x, float y) {
    if (button == 1 && Picture4->borderStyle() == 0) {
        Picture6->SetDrawWidth(1);
        DrawAngleReading(*Picture6, scene.relIndex, x, y);
    }
    Picture4->setBorderStyle(0);
    scene.diagramOn = 1;
}

void frmBre1::DrawAngleDiagram() { DrawAngleGraph(*Picture6, scene.relIndex, kGraphWidths); }

} // namespace varelo
