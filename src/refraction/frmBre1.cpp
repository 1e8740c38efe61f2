#include "refraction/frmBre1.h"

#include "canvas/Dialogs.h"
#include "canvas/Hardcopy.h"
#include "canvas/PrinterSurface.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
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

const RayPathWidths kScreenRayPathWidths{5, 2, 5};
const RayPathWidths kPrinterRayPathWidths{20, 4, 20};

namespace {
constexpr Rgb kAuxGrey{192, 192, 192};
constexpr double kDeg = 3.14159265358979323846 / 180;

QString qs(const std::string &s) { return QString::fromStdString(s); }

void drawPointSymbol(Surface &s) {
    s.Scale(-14, -14, 14, 14);
    s.SetDrawWidth(5);
    s.PSet(0, 0);
}

void drawEyeSymbol(Surface &s) {
    s.SetDrawWidth(3);
    s.Circle(0, 0, 50);
    s.SetDrawWidth(10);
    s.PSet(-30, 0);
}

void drawProtractorSymbol(Surface &s) {
    s.Scale(-600, -600, 600, 600);
    s.SetDrawWidth(1);
    s.Circle(0, 0, 500);
    for (int a = 0; a < 360; a += 30)
        s.PSet(499 * std::cos(a * kDeg), -499 * std::sin(a * kDeg));
    s.SetDrawWidth(2);
    s.Line(-500, 0, 500, 0);
    s.Line(0, -500, 0, 500);
}
} // namespace

frmBre1::frmBre1() : Form(FormId::Bre1) {
    setWindowTitle(QStringLiteral("Brechung von Bündeln an einer ebenen Grenzfläche - Strahlenverlauf"));
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(192, 192, 192)));
    setFont(classicFont(8.25));
    createControls();
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
    HScroll1->setFocusPolicy(Qt::NoFocus);

    auto check = [this](const char *text) { return new QCheckBox(QString::fromUtf8(text), this); };
    Check3D1 = check("gebrochene");
    Check3D1->setChecked(true);
    Check3D2 = check("verlängern");
    Check3D3 = check("gespiegelte");
    Check3D4 = check("verlängern");
    Check3D5 = check("Einfallslote");

    Picture5 = new SymbolButton(drawPointSymbol, Rgb{224, 224, 224}, this);
    Picture2 = new SymbolButton(drawEyeSymbol, Rgb{224, 224, 224}, this);
    Picture3 = new SymbolButton(drawProtractorSymbol, kWhite, this);
    Picture4 = new SymbolButton([this](Surface &) { DrawDiagramIcon(); }, kWhite, this);

    Picture6 = new PictureBox(Picture1);
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
    for (QCheckBox *c : {Check3D1, Check3D2, Check3D3, Check3D4, Check3D5})
        connect(c, &QCheckBox::clicked, this, [this] { Check3D_Click(); });
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
    const double W = 0.98 * Screen::widthTwips();
    const double H = 0.95 * Screen::heightTwips() - kWindowFrameTwips;
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
    place(Label3, x, y, 0.22 * W, 0.04 * H);
    y += 0.04 * H;
    const double side = 0.052 * W;
    double sx = x;
    for (SymbolButton *s : {Picture5, Picture2, Picture3, Picture4}) {
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
}

void frmBre1::Form_Load() {
    piVal = static_cast<float>(4 * std::atan(1.0));
    layoutControls();
    objX = 0;
    objY = 500;
    relIndex = 1.33f;
    indexRatio = 1.33f;
    reflGrey = 200;
    rayCount = 0;
    Picture1->SetDrawWidth(2);
    Picture1->Line(-1000, 0, 1000, 0);
    Picture1->SetDrawWidth(5);
    Picture1->PSet(objX, objY);
    Picture1->SetDrawWidth(1);
}

void frmBre1::Form_Unload() {
    Screen::setMousePointer(0); // an armed marker tool must not leave its cross-hair behind
    for (FormId id : {FormId::Bre1, FormId::Bre2, FormId::BreI1, FormId::BreI2})
        Forms::unload(id);
    Forms::show(FormId::Varelo);
}

void frmBre1::Command5_Click() {
    Forms::unload(FormId::Bre1);
    Forms::show(FormId::Bre2);
}

void frmBre1::Command7_Click() {
    for (FormId id : {FormId::Bre1, FormId::BreI1, FormId::BreI2, FormId::Bre2})
        Forms::unload(id);
    Forms::show(FormId::Varelo);
}

void frmBre1::Command3_Click() {
    infoOn = static_cast<int16_t>(1 - infoOn);
    if (infoOn == 1) {
        const bool wasLoaded = Forms::isLoaded(FormId::BreI1);
        Form *info = Forms::show(FormId::BreI1);
        // Closing the notes with their close box sets the toggle back.
        if (!wasLoaded)
            connect(info, &Form::unloaded, this, [this] {
                infoOn = 0;
                Command3->setText(QStringLiteral("Info"));
            });
        Command3->setText(QStringLiteral("Info off"));
    } else {
        Forms::hide(FormId::BreI1);
        Command3->setText(QStringLiteral("Info"));
    }
}

// ---- Tracing and drawing ----

void frmBre1::UpdateIndexRatio() { indexRatio = IndexRatio(relIndex, objY); }

void frmBre1::traceAndDraw(Surface &s, const RefractionTrace &t, int grey) {
    if (Check3D5->isChecked())
        s.Line(t.hitX, 100, t.hitX, -100, kRed);
    if (t.refracted) {
        if (Check3D1->isChecked())
            s.Line(t.hitX, 0, t.refrEndX, t.refrEndY, s.ForeColor());
        if (Check3D2->isChecked())
            s.Line(t.hitX, 0, t.refrBackX, t.refrBackY, kAuxGrey);
    }
    const int g = t.refracted ? grey : 0;
    reflGrey = static_cast<int16_t>(g);
    s.Line(objX, objY, t.hitX, 0, s.ForeColor());
    const uint8_t level = static_cast<uint8_t>(g);
    if (Check3D3->isChecked())
        s.Line(t.hitX, 0, t.reflEndX, t.reflEndY, Rgb{level, level, level});
    if (Check3D4->isChecked())
        s.Line(t.hitX, 0, t.reflBackX, t.reflBackY, kAuxGrey);
}

void frmBre1::DrawAllRaysOn(Surface &s, const RayPathWidths &w, float interfaceHalfLength) {
    s.SetDrawWidth(w.objectDot);
    s.PSet(objX, objY);
    s.SetDrawWidth(w.interface);
    s.Line(-interfaceHalfLength, 0, interfaceHalfLength, 0);
    s.SetDrawWidth(1);
    for (int i = 1; i <= rayCount; ++i) {
        hitX = rayHitX[i];
        last = TraceRefraction(objX, objY, hitX, indexRatio);
        traceAndDraw(s, last, 192);
    }
    DrawMarkersOn(s, w);
}

void frmBre1::DrawAllRays() { DrawAllRaysOn(*Picture1, kScreenRayPathWidths, 2000); }

bool frmBre1::DrawPreviewRay(float mx, float my) {
    float h = 0;
    if (!PreviewHitPoint(objX, objY, mx, my, h))
        return false;
    hitX = h;
    last = TraceRefraction(objX, objY, hitX, indexRatio);
    traceAndDraw(*Picture1, last, 200);
    return true;
}

void frmBre1::eraseLastPreview() {
    Surface &s = *Picture1;
    s.SetDrawWidth(2);
    s.Line(hitX, 100, hitX, -100, kWhite);
    s.Line(objX, objY, hitX, 0, kWhite);
    if (last.refracted) {
        s.Line(hitX, 0, last.refrEndX, last.refrEndY, kWhite);
        s.Line(hitX, 0, last.refrBackX, last.refrBackY, kWhite);
    }
    s.Line(hitX, 0, last.reflEndX, last.reflEndY, kWhite);
    s.Line(hitX, 0, last.reflBackX, last.reflBackY, kWhite);
}

// ---- Markers ----

void frmBre1::DrawEye(Surface &s, int i) {
    s.SetDrawWidth(3);
    s.Circle(eyeX[i], eyeY[i], 50);
    s.SetDrawWidth(15);
    s.PSet(eyeX[i] - 30 * eyeDirX[i], eyeY[i] - 30 * eyeDirY[i]);
    s.SetDrawWidth(1);
}

void frmBre1::DrawProtractor(Surface &s, float xc) {
    auto at = [xc](double r, int deg, double &x, double &y) {
        x = xc + r * std::cos(deg * kDeg);
        y = -r * std::sin(deg * kDeg);
    };
    double x = 0, y = 0, x2 = 0, y2 = 0;
    s.SetDrawWidth(2);
    for (int a = 0; a <= 360; a += 5) {
        at(498, a, x, y);
        s.PSet(x, y, s.ForeColor());
    }
    s.SetDrawWidth(4);
    for (int a = 0; a <= 360; a += 10) {
        at(499, a, x, y);
        s.PSet(x, y, s.ForeColor());
    }
    s.SetDrawWidth(5);
    for (int a = 0; a <= 360; a += 30) {
        at(499, a, x, y);
        s.PSet(x, y, kWhite);
    }
    s.SetDrawWidth(3);
    for (int a = 0; a <= 360; a += 30) {
        at(500, a, x, y);
        at(480, a, x2, y2);
        s.Line(x, y, x2, y2, s.ForeColor());
    }
    s.SetDrawWidth(2);
    s.Line(xc + 500, 0, xc - 500, 0, s.ForeColor());
    s.Line(xc, 500, xc, -500, kRed);
    s.SetDrawWidth(1);
}

void frmBre1::DrawMarkersOn(Surface &s, const RayPathWidths &w) {
    s.SetDrawWidth(w.markDot);
    for (int i = 1; i <= pointCount; ++i)
        s.PSet(pointX[i], pointY[i], s.ForeColor());
    for (int i = 1; i <= eyeCount; ++i)
        DrawEye(s, i);
    s.SetDrawWidth(1);
    if (protractorOn)
        DrawProtractor(s, protractorX);
    // On paper the diagram is part of the page; on the screen it has its own picture.
    if (&s != Picture1 && diagramOn)
        DrawDiagramIntoPicture(s);
}

void frmBre1::DrawMarkers() { DrawMarkersOn(*Picture1, kScreenRayPathWidths); }

void frmBre1::eraseEye(float x, float y) {
    Picture1->SetDrawWidth(20);
    for (int r = 0; r <= 48; r += 8)
        Picture1->Circle(x, y, r, kWhite);
}

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

// ---- Mouse ----

void frmBre1::Picture1_MouseDown(int button, int, float x, float y) {
    const bool armed = pointMode || eyeMode || protractorMode;
    if (button == 1 && !armed) {
        rayDrag_ = true;
        mouseX = x;
        mouseY = y;
        Picture1->SetDrawWidth(1);
        previewValid_ = DrawPreviewRay(x, y);
    } else if (button == 1) {
        Picture1->SetDrawWidth(5);
        mouseX = x;
        mouseY = y;
        if (pointMode) {
            if (pointCount >= kMaxPoints) {
                releaseSymbol(Picture5, pointMode);
                refuse(QStringLiteral("Nur 20 Punkte möglich"));
                return;
            }
            markPress_ = true;
            Picture1->PSet(x, y);
        } else if (eyeMode) {
            if (eyeCount >= kMaxEyes) {
                releaseSymbol(Picture2, eyeMode);
                refuse(QStringLiteral("Nur 20 Augen möglich"));
                return;
            }
            markPress_ = true;
            ++eyeCount;
            eyeX[eyeCount] = x;
            eyeY[eyeCount] = y;
            Picture1->SetDrawWidth(3);
            Picture1->Circle(x, y, 50);
            Picture1->SetDrawWidth(1);
        } else {
            markPress_ = true;
            protractorX = x;
            DrawProtractor(*Picture1, x);
            releaseSymbol(Picture3, protractorMode);
            protractorOn = 1;
        }
    } else if (button == 2) {
        Picture1->SetDrawWidth(5);
        Picture1->PSet(x, y, kBlack);
        objX = x;
        objY = y;
        UpdateIndexRatio();
        Picture1->Cls();
        DrawAllRays();
    }
}

void frmBre1::Picture1_MouseMove(int button, int, float x, float y) {
    const bool nearP = std::fabs(objX - x) < 100 && std::fabs(objY - y) < 100;
    Picture1->setMousePointer(!(button & 1) && nearP ? 2 : 0);
    if (button == 1 && rayDrag_) {
        eraseLastPreview();
        Picture1->Line(-2000, 0, 2000, 0);
        Picture1->SetDrawWidth(1);
        Picture1->Line(-2000, 0, 2000, 0, kBlack);
        DrawAllRays();
        mouseX = x;
        mouseY = y;
        Picture1->SetDrawWidth(1);
        previewValid_ = DrawPreviewRay(x, y);
    } else if (button == 1 && markPress_ && eyeMode && !pointMode) {
        eraseEye(eyeX[eyeCount], eyeY[eyeCount]);
        eyeX[eyeCount] = x;
        eyeY[eyeCount] = y;
        Picture1->SetDrawWidth(3);
        Picture1->Circle(x, y, 50);
        Picture1->SetDrawWidth(1);
    } else if (button == 1 && markPress_ && pointMode) {
        Picture1->SetDrawWidth(5);
        Picture1->PSet(mouseX, mouseY, kWhite);
        mouseX = x;
        mouseY = y;
        Picture1->PSet(x, y);
    } else if (button == 2) {
        Picture1->Cls();
        Picture1->Line(-2000, 0, 2000, 0);
        Picture1->SetDrawWidth(5);
        Picture1->PSet(x, y);
        objX = x;
        objY = y;
        UpdateIndexRatio();
        Picture1->SetDrawWidth(1);
        DrawAllRays();
    }
}

void frmBre1::Picture1_MouseUp(int button, int, float x, float y) {
    if (button == 1 && rayDrag_) {
        rayDrag_ = false;
        // A refused preview stores nothing (not a copy of the ray traced before it).
        if (previewValid_) {
            if (rayCount >= kMaxRays) {
                refuse(QStringLiteral("Nur 100 Strahlen möglich"));
            } else {
                ++rayCount;
                rayHitX[rayCount] = hitX;
            }
        }
        previewValid_ = false;
        DrawAllRays();
        Picture1->SetDrawWidth(1);
    } else if (button == 1 && markPress_) {
        markPress_ = false;
        if (eyeMode && !pointMode) {
            eyeX[eyeCount] = x;
            eyeY[eyeCount] = y;
            const float dx = x - pointX[pointCount], dy = y - pointY[pointCount];
            const float d = std::sqrt(dx * dx + dy * dy);
            // On the point it would look at, the eye looks left.
            eyeDirX[eyeCount] = d > 0 ? dx / d : 1;
            eyeDirY[eyeCount] = d > 0 ? dy / d : 0;
            DrawEye(*Picture1, eyeCount);
        } else if (pointMode) {
            Picture1->SetDrawWidth(5);
            Picture1->PSet(x, y);
            ++pointCount;
            pointX[pointCount] = x;
            pointY[pointCount] = y;
        }
        if (eyeMode || pointMode) {
            Picture1->SetDrawWidth(1);
            releaseSymbol(Picture5, pointMode);
            releaseSymbol(Picture2, eyeMode);
        }
    }
    Picture1->SetDrawWidth(1);
    DrawAllRays();
    Screen::setMousePointer(0);
}

// ---- Controls ----

void frmBre1::Check3D_Click() {
    Picture1->Cls();
    DrawAllRays();
}

void frmBre1::showIndexTexts() {
    if (relIndex < 1) {
        const QString u = qs(NumText(Int(100 / relIndex + 0.5f) / 100));
        Text3->setText(u);
        Text2->setText(QStringLiteral("1.00"));
        Text1->setText(QStringLiteral("n = ") + u);
        Text4->setText(QStringLiteral("n = 1 "));
    } else {
        Text3->setText(QStringLiteral("1.00"));
        Text2->setText(qs(NumText(relIndex)));
        Text1->setText(QStringLiteral("n = 1 "));
        Text4->setText(QStringLiteral("n = ") + qs(NumText(relIndex)));
    }
}

void frmBre1::HScroll1_Change() {
    relIndex = HScroll1->value() / 100.0f;
    if (diagramOn) {
        Label2->setText(QStringLiteral("Einfalls- und Brechungswinkel für n = ") + qs(NumText(relIndex)));
        DrawAngleDiagram(); // drawn anew: earlier reading marks vanish
    }
    DrawDiagramIcon();
    showIndexTexts();
    UpdateIndexRatio();
    Picture1->Cls();
    DrawAllRays();
}

void frmBre1::Command1_Click() {
    Picture1->Cls();
    rayCount = 0;
    Picture1->SetDrawWidth(5);
    Picture1->PSet(objX, objY);
    Picture1->SetDrawWidth(1);
    Picture1->Line(-2000, 0, 2000, 0, kBlack);
    DrawMarkers();
}

void frmBre1::Command4_Click() {
    Picture1->Cls();
    move(Screen::px(1), Screen::px(1));
    pointCount = 0;
    eyeCount = 0;
    protractorOn = 0;
    showDiagram(false);
    Picture1->SetDrawWidth(1);
    DrawAllRays();
}

// ---- Printing and saving ----

void frmBre1::Command2_Click() {
    PrintHardcopy(
        [this] {
            Picture1->Cls();
            DrawAllRays();
        },
        [this](PrinterSurface &s, const QString &title) {
            const double pw = s.pageWidthTwips(), ph = s.pageHeightTwips();
            s.Scale(-pw / 10, -ph / 10, pw / 10, ph / 10);
            DrawAllRaysOn(s, kPrinterRayPathWidths, 1200);
            const double L = s.ScaleLeft(), T = s.ScaleTop(), W = s.ScaleWidth(), H = s.ScaleHeight();
            s.SetFontSize(20);
            s.SetCurrentX(L + 0.05 * W);
            s.SetCurrentY(T + 0.05 * H);
            s.PrintText(title);
            s.SetFontSize(12);
            QString upper, lower;
            if (relIndex < 1) {
                upper = QStringLiteral("n = ") + qs(NumText(Int(100 / relIndex + 0.5f) / 100));
                lower = QStringLiteral("n = 1");
            } else {
                upper = QStringLiteral("n =  1");
                lower = QStringLiteral("n = ") + qs(NumText(relIndex));
            }
            s.SetCurrentX(L + 0.8 * W);
            s.SetCurrentY(T + 0.2 * H);
            s.PrintText(upper);
            s.SetCurrentX(L + 0.8 * W);
            s.SetCurrentY(T + 0.6 * H);
            s.PrintText(lower);
        });
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
    steps.beforeAsking = [this] {
        if (diagramOn)
            DrawDiagramIntoPicture(*Picture1);
    };
    steps.beforeWriting = [this] {
        DrawAllRays();
        DrawMarkers();
    };
    SavePictureFile(*Picture1, steps);
}

// ---- Angle diagram ----

void frmBre1::showDiagram(bool shown) {
    diagramOn = shown ? 1 : 0;
    if (shown) {
        Picture6->move(int(0.6375 * Picture1->width()), 0);
        Picture6->show();
        DrawAngleDiagram();
    } else {
        Picture6->hide();
    }
}

void frmBre1::Picture4_MouseDown() {
    Picture4->flipBorder();
    if (Picture4->borderStyle()) {
        Label2->setText(QStringLiteral("Einfalls- und Brechungswinkel für n = ") + qs(NumText(relIndex)));
        showDiagram(true);
    } else {
        showDiagram(false);
    }
    DrawAllRays();
}

void frmBre1::Picture6_MouseDown(int button, int, float x, float y) {
    if (button == 1 && Picture4->borderStyle() == 0)
        DiagramClick(x, y);
    Picture4->setBorderStyle(0);
    diagramOn = 1;
}

void frmBre1::DrawAngleDiagram() {
    Surface &s = *Picture6;
    s.Cls();
    s.Scale(-10, 100, 100, -10);
    s.SetDrawWidth(3);
    s.Line(0, 0, 92, 0, kBlack);
    s.Line(0, 0, 0, 92, kBlack);
    float beta = 0;
    for (int i = 0; i <= 180; ++i)
        if (RefractionAngleDeg(i * 0.5f, relIndex, beta))
            s.PSet(i * 0.5f, beta, kBlack);
    for (int t = 0; t <= 90; t += 5) {
        s.SetDrawWidth(t % 30 == 0 ? 5 : t % 10 == 0 ? 3 : 1);
        s.PSet(t, -2, kBlack);
        s.PSet(-2, t, kBlack);
    }
    s.SetDrawWidth(1);
    for (int a = 0; a <= 90; ++a)
        s.PSet(a, a / relIndex, kBlack);
}

void frmBre1::DiagramClick(float x, float y) {
    Surface &s = *Picture6;
    s.SetDrawWidth(1);
    float angle = 0;
    if (x <= 90 && x > y && RefractionAngleDeg(x, relIndex, angle)) {
        s.Line(x, 0, x, angle, kBlack);
        s.LineTo(0, angle, kBlack);
        y = angle;
    }
    if (y < 90 && y >= x && IncidenceAngleDeg(y, relIndex, angle)) {
        s.Line(angle, 0, angle, y, kBlack);
        s.LineTo(0, y, kBlack);
    }
}

void frmBre1::DrawDiagramIcon() {
    Surface &s = *Picture4;
    s.Cls();
    s.Scale(-10, 100, 100, -10);
    s.SetDrawWidth(2);
    s.Line(0, 0, 92, 0, kBlack);
    s.Line(0, 0, 0, 92, kBlack);
    s.SetDrawWidth(1);
    float beta = 0;
    for (int i = 0; i <= 180; ++i)
        if (RefractionAngleDeg(i * 0.5f, relIndex, beta))
            s.PSet(i * 0.5f, beta, kBlack);
    for (int a = 0; a <= 90; ++a)
        s.PSet(a, a / relIndex, kBlack);
}

void frmBre1::DrawDiagramIntoPicture(Surface &s) {
    const double left = s.ScaleLeft(), top = s.ScaleTop(), width = s.ScaleWidth(), height = s.ScaleHeight();
    s.Scale(-900, -1100, 900, 1100);
    s.SetDrawWidth(1);
    s.Line(400, -200, 400, -900, kBlack);
    s.Line(400, -200, 900, -200, kBlack);
    for (int t = 0; t <= 90; t += 5) {
        s.SetDrawWidth(t % 30 == 0 ? 5 : t % 10 == 0 ? 3 : 1);
        s.PSet(400 + 5 * t, -190, kBlack);
        s.PSet(390, -200 - 7 * t, kBlack);
    }
    s.SetDrawWidth(2);
    float beta = 0;
    for (int i = 0; i <= 450; ++i)
        if (RefractionAngleDeg(i * 0.2f, relIndex, beta))
            s.PSet(400 + 5 * (i * 0.2f), -200 - 7 * beta, kBlack);
    for (int i = 0; i <= 180; ++i)
        s.PSet(400 + 5 * (i * 0.5f), -200 - 7 * (i * 0.5f / relIndex), kBlack);
    s.SetDrawWidth(1);
    s.SetDrawStyle(kDotted);
    for (int t = 0; t <= 90; t += 10) {
        s.Line(400 + 5 * t, -200, 400 + 5 * t, -900, kBlack);
        s.Line(400, -200 - 7 * t, 900, -200 - 7 * t, kBlack);
    }
    s.SetDrawStyle(kSolid);
    // The exact scale comes back (not rounded), so that nothing shifts afterwards.
    s.SetScaleLeft(left);
    s.SetScaleTop(top);
    s.SetScaleWidth(width);
    s.SetScaleHeight(height);
}

} // namespace varelo
