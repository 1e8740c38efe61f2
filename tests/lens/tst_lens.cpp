// The lens window: the state at load, the parameter bars with their limits, the presets,
// rays dragged through the lens and stored by their entry point, object points, the
// layout on small and large screens, the keyboard's order and the texts' translation.
#include "TestSupport.h"

#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/SpinButton.h"
#include "lens/frmLins.h"

#include "canvas/Hardcopy.h"
#include "canvas/HelpPanel.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <cmath>

using namespace varelo;
using namespace varelo::test;

class TestLens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpProgram(); }
    void init();
    void cleanup() { tearDownWindows(); }

    void initialState();
    void radiusBars_data();
    void radiusBars();
    void sliderDragEndsWhereItStarted_data();
    void sliderDragEndsWhereItStarted();
    void thickerLensPushesObjectPoint();
    void storeAndLoadPreset();
    void touchHoldStoresPresetAndMovesP();
    void presetFourLabelTurnsRed();
    void rayStoredByEntryPoint();
    void aimBeyondRimStoredNeverDrawn();
    void verticalAimStoresNothing();
    void fanTurnsWithObjectPoint();
    void objectRegionAndSpins();
    void objectsAndBundles();
    void newObjectStaysInFrontWhenZoomedIn();
    void undoTakesBackTheLastRay();
    void optionsShowEveryStoredRay();
    void protractorOnNearerSurface_data();
    void protractorOnNearerSurface();
    void protractorLimitAndRemoval();
    void graphPlacedAndCaptioned();
    void operatingNotes();
    void printedPage_data();
    void printedPage();
    void saveWithGraph();
    void layoutInsideWindow_data();
    void layoutInsideWindow();
    void keyboardOrder_data();
    void keyboardOrder();

private:
    frmLins *w = nullptr;
    void drag(float x, float y) {
        w->Picture1_MouseDown(1, 0, x, y);
        w->Picture1_MouseMove(1, 0, x, y);
        w->Picture1_MouseUp(1, 0, x, y);
    }
    // Lines the replay draws from the point (x, y).
    int linesFrom(float x, float y) {
        const SurfaceRecorder rec = recordOn(w->Picture1, [&] { w->Redraw(); });
        int n = 0;
        for (const SurfaceOp &op : rec.ops)
            n += op.kind == SurfaceOp::Line && std::fabs(op.x1 - x) < 1e-3 && std::fabs(op.y1 - y) < 1e-3;
        return n;
    }
};

void TestLens::init() {
    Forms::show(FormId::Varelo);
    w = qobject_cast<frmLins *>(Forms::show(FormId::Lins));
    QVERIFY(w);
    dialogs().messages.clear();
}

void TestLens::initialState() {
    const QStringList texts{w->Text4->text(), w->Text3->text(), w->Text5->text(), w->Text6->text(),
                            w->Text7->text(), w->Text8->text(), w->Text9->text(), w->Text11->text(),
                            w->Text10->text()};
    QCOMPARE(texts, (QStringList{"-100", "100", "30", "100", "1.6", "x=-145", "y=65", "   1", "100%"}));
    QCOMPARE(w->HScroll3->value(), -12);
    QCOMPARE(w->HScroll2->value(), -12);
    QVERIFY(w->Check3D1->isChecked());
    for (QCheckBox *c : {w->Check3D2, w->Check3D3, w->Check3D4, w->Check3D5, w->Check3D6, w->Check3D8})
        QVERIFY(!c->isChecked());
    QCOMPARE(w->presetShown, 0);
    // The lens is drawn: R1 (centre (-1000, 0), radius 1000) passes x = -1000 + sqrt(1000^2 - 300^2)
    // at y = -300.
    const QImage img = w->Picture1->image();
    QVERIFY(colourNear(img, int(w->Picture1->toDeviceX(-46.06)), int(w->Picture1->toDeviceY(-300)), 1, Qt::black));
    QVERIFY(!colourNear(img, int(w->Picture1->toDeviceX(-100)), int(w->Picture1->toDeviceY(-300)), 1, Qt::black));
}

void TestLens::radiusBars_data() {
    QTest::addColumn<int>("thickness");
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("radius");
    QTest::addColumn<int>("diameterBar");
    QTest::addColumn<QString>("diameter");
    // 12000 / 36 = 333.3 < 500: the aperture comes down to the rounded-down radius.
    QTest::newRow("k1 = 36") << 300 << 36 << "33" << 333 << "67";
    QTest::newRow("k1 = -36, thick lens") << 1000 << -36 << "-33" << 334 << "67";
    // The rims then cross and the aperture shrinks further, to 319.
    QTest::newRow("k1 = -36") << 300 << -36 << "-33" << 319 << "64";
    QTest::newRow("plane") << 300 << 0 << " plan" << 500 << "100";
    // r = 1000 on both sides, 100 thick: at most a sagitta of 50, sd <= 312.2 -> 310.
    QTest::newRow("thin lens") << 100 << -12 << "-100" << 310 << "62";
}

void TestLens::radiusBars() {
    QFETCH(int, thickness);
    QFETCH(int, bar);
    QFETCH(QString, radius);
    QFETCH(int, diameterBar);
    QFETCH(QString, diameter);
    w->HScroll4->setValue(thickness);
    w->HScroll3->setValue(bar);
    QCOMPARE(w->Text4->text(), radius);
    QCOMPARE(w->HScroll5->value(), diameterBar);
    QCOMPARE(w->Text6->text(), diameter);
    QCOMPARE(int(w->scene.lens.k1), bar);
}

void TestLens::sliderDragEndsWhereItStarted_data() {
    QTest::addColumn<int>("bar"); // 3: R1, 2: R2, 4: thickness
    QTest::addColumn<int>("through");
    QTest::addColumn<bool>("dragged");
    QTest::newRow("R1 to -36 and back") << 3 << -36 << true;
    QTest::newRow("R2 to 36 and back") << 2 << 36 << true;
    QTest::newRow("thickness to 10 and back") << 4 << 10 << true;
    // Steps by keyboard are single changes: each limits the diameter it finds (r = 333).
    QTest::newRow("R1 by steps") << 3 << -36 << false;
}

void TestLens::sliderDragEndsWhereItStarted() {
    QFETCH(int, bar);
    QFETCH(int, through);
    QFETCH(bool, dragged);
    QScrollBar *b = bar == 3 ? w->HScroll3 : bar == 2 ? w->HScroll2 : w->HScroll4;
    const int from = b->value(), step = through > from ? 1 : -1;
    b->setSliderDown(dragged);
    for (int v = from; v != through; v += step)
        b->setSliderPosition(v + step);
    for (int v = through; v != from; v -= step)
        b->setSliderPosition(v - step);
    b->setSliderDown(false);
    QCOMPARE(b->value(), from);
    if (dragged) {
        QCOMPARE(w->scene.lens.semiDiameter, 500.f);
        QCOMPARE(w->HScroll5->value(), 500);
    } else {
        QVERIFY(w->scene.lens.semiDiameter <= 333.4f);
    }
}

void TestLens::thickerLensPushesObjectPoint() {
    w->Picture1_MouseDown(2, 0, -500, 100);
    QCOMPARE(w->scene.currentX(), -500.f);
    w->HScroll4->setValue(600);
    QCOMPARE(w->scene.currentX(), -720.f);
    QCOMPARE(w->scene.currentY(), 100.f);
    // Relative to the lens centre: (300 - 720) / 10 = -42.
    QCOMPARE(w->Text8->text(), QStringLiteral("x=-42"));
}

void TestLens::storeAndLoadPreset() {
    w->HScroll3->setValue(0);
    w->HScroll6->setValue(120);
    w->HScroll4->setValue(450);
    const LensParams stored = w->scene.lens;
    w->Preset_MouseDown(5, 2);
    QCOMPARE(w->presetShown, 0); // storing neither loads nor highlights
    w->Preset_MouseDown(1, 1);
    QCOMPARE(w->scene.lens.thickness, 300.f);
    QCOMPARE(w->presetShown, 1);
    w->Preset_MouseDown(5, 1);
    const LensParams &p = w->scene.lens;
    QCOMPARE(int(p.k1), int(stored.k1));
    QCOMPARE(int(p.k2), int(stored.k2));
    QCOMPARE(p.r2, stored.r2);
    QCOMPARE(p.thickness, 450.f);
    QCOMPARE(p.semiDiameter, stored.semiDiameter);
    QCOMPARE(p.refrIndex, 1.2f);
    QCOMPARE(w->Text4->text(), QStringLiteral("plan")); // from a preset: no blank
    QCOMPARE(w->HScroll3->value(), 0);
    QCOMPARE(w->HScroll4->value(), 450);
    QCOMPARE(w->presetShown, 5);
    QCOMPARE(w->presetFields[5]->borderStyle(), 1);
    QCOMPARE(w->presetFields[1]->borderStyle(), 0);
    // Preset 2 holds -12000 / 920 and loads as k1 = -13.
    w->Preset_MouseDown(2, 1);
    QCOMPARE(int(w->scene.lens.k1), -13);
    QCOMPARE(w->Text3->text(), QStringLiteral("plan"));
    // A bar moved by hand clears the highlight.
    w->HScroll6->setValue(150);
    QCOMPARE(w->presetShown, 0);
}

void TestLens::touchHoldStoresPresetAndMovesP() {
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->HScroll4->setValue(450);
    SymbolButton *field = w->presetFields[5];
    const QPoint centre = field->rect().center();
    touchHold(field, centre, centre);
    QCOMPARE(w->presetShown, 0); // stored, not loaded
    w->Preset_MouseDown(1, 1);
    QCOMPARE(w->scene.lens.thickness, 300.f);
    // A tap loads what the hold stored.
    QTest::touchEvent(field, touchScreen()).press(0, centre);
    QTest::touchEvent(field, touchScreen()).release(0, centre);
    QCOMPARE(w->presetShown, 5);
    QCOMPARE(w->scene.lens.thickness, 450.f);
    // On the picture a hold moves P, and two fingers zoom.
    PictureBox *pic = w->Picture1;
    const double perPixel = 4000.0 / pic->width();
    const QPoint from(pic->width() / 8, pic->height() / 3), to = from + QPoint(20, 30);
    touchHold(pic, from, to);
    QCOMPARE(int(w->scene.rayCount[1]), 0);
    QVERIFY(std::fabs(w->scene.objX[1] - (-2000 + to.x() * perPixel)) < 0.5);
    QVERIFY(std::fabs(w->scene.objY[1] - (-1000 + to.y() * perPixel)) < 0.5);
    pinch(pic, 200, 150);
    QCOMPARE(w->Text10->text(), QStringLiteral("80%"));
}

void TestLens::presetFourLabelTurnsRed() {
    QVERIFY(w->presetLabels[4]->palette().color(QPalette::Window) != QColor(255, 0, 0));
    w->Preset_MouseDown(4, 1);
    w->Preset_MouseDown(1, 1);
    QCOMPARE(w->presetLabels[4]->palette().color(QPalette::Window), QColor(255, 0, 0));
}

void TestLens::rayStoredByEntryPoint() {
    // From P = (-1600, -650) towards (-300, -200): the left surface (centre (700, 0),
    // radius 1000) is met on its left half.
    drag(-300, -200);
    QCOMPARE(int(w->scene.rayCount[1]), 1);
    const double m = (-650.0 + 200) / (-1600.0 + 300), b = -650 - m * -1600;
    const double x = w->scene.rayX[1][1], y = w->scene.rayY[1][1];
    QVERIFY(std::fabs(y - (m * x + b)) < 1e-2);
    QVERIFY(std::fabs(std::hypot(x - 700, y) - 1000) < 1e-2);
    QVERIFY(x < 700 - 900 && std::fabs(y) <= 500); // the left half, inside the mount
}

void TestLens::aimBeyondRimStoredNeverDrawn() {
    drag(-300, -800);
    QCOMPARE(int(w->scene.rayCount[1]), 1);
    QVERIFY(std::fabs(w->scene.rayY[1][1]) > 500);
    for (QCheckBox *c : {w->Check3D2, w->Check3D3})
        c->setChecked(true);
    QCOMPARE(linesFrom(-1600, -650), 0);
}

void TestLens::verticalAimStoresNothing() {
    drag(-1600, 100);
    QCOMPARE(int(w->scene.rayCount[1]), 0);
    // Aimed at nothing: a line that misses the left sphere altogether.
    w->Picture1_MouseDown(2, 0, -1600, 0);
    drag(-1500, -2000);
    QCOMPARE(int(w->scene.rayCount[1]), 0);
    QVERIFY(dialogs().messages.isEmpty());
}

void TestLens::fanTurnsWithObjectPoint() {
    drag(-300, -200);
    const float sx = w->scene.rayX[1][1], sy = w->scene.rayY[1][1];
    w->Picture1_MouseDown(2, 0, -1200, 300);
    w->Picture1_MouseMove(2, 0, -1100, 250);
    QCOMPARE(QPointF(w->scene.currentX(), w->scene.currentY()), QPointF(-1100, 250));
    QCOMPARE(w->scene.rayX[1][1], sx);
    QCOMPARE(w->scene.rayY[1][1], sy);
    const SurfaceRecorder rec = recordOn(w->Picture1, [&] { w->Redraw(); });
    bool throughEntry = false;
    for (const SurfaceOp &op : rec.ops)
        throughEntry |= op.kind == SurfaceOp::Line && op.x1 == -1100 && op.y1 == 250 &&
                        std::fabs(op.x2 - sx) < 1e-3 && std::fabs(op.y2 - sy) < 1e-3;
    QVERIFY(throughEntry);
}

void TestLens::objectRegionAndSpins() {
    // Right of -1.1 thickness (-330) or of the left rim the point stays.
    w->Picture1_MouseDown(2, 0, -320, 0);
    QCOMPARE(w->scene.currentX(), -1600.f);
    w->Picture1_MouseDown(2, 0, -340, 0);
    QCOMPARE(w->scene.currentX(), -340.f);
    // 0.9 x = -306 would pass -1.2 thickness = -360: refused, the text is still written,
    // relative to the lens centre: Int((150 - 340) / 10 + 0.5) = -19.
    w->Text8->clear();
    w->Spin2_SpinDown();
    QCOMPARE(w->scene.currentX(), -340.f);
    QCOMPARE(w->Text8->text(), QStringLiteral("x=-19"));
    w->Spin2_SpinUp();
    QVERIFY(std::fabs(w->scene.currentX() + 377.78f) < 0.01f);
    w->Text8->clear();
    w->Spin3_SpinUp(); // up by Int(377.78 / 20) = 18; only y is rewritten
    QCOMPARE(w->scene.currentY(), -18.f);
    QCOMPARE(w->Text9->text(), QStringLiteral("y=2"));
    QCOMPARE(w->Text8->text(), QString());
}

void TestLens::objectsAndBundles() {
    // The 101st ray is refused with the message and leaves no trace.
    for (int j = 0; j < ObjectBundles::kMaxRays; ++j)
        drag(-300, -450 + 8 * j);
    w->Picture1_MouseDown(1, 0, -300, 300);
    w->Picture1_MouseMove(1, 0, -300, 320);
    w->Picture1_MouseUp(1, 0, -300, 320);
    QCOMPARE(int(w->scene.rayCount[1]), 100);
    QCOMPARE(dialogs().messages, QStringList{QStringLiteral("Nur 100 Strahlen je Objekt möglich")});
    const QImage afterRefusal = w->Picture1->image();
    w->Redraw();
    QCOMPARE(afterRefusal, w->Picture1->image());
    // The eleventh object is refused with the message.
    for (int k = 2; k <= 10; ++k)
        w->Command5_Click();
    QCOMPARE(w->Text11->text(), QStringLiteral(" 10"));
    QCOMPARE(w->Label6->text(), QStringLiteral("Neues Objekt kann durch Drücken der rechten Maustaste und Ziehen bewegt werden!"));
    dialogs().messages.clear();
    w->Command5_Click();
    QCOMPARE(int(w->scene.objectCount), 10);
    QCOMPARE(dialogs().messages, QStringList{QStringLiteral("Nur 10 Objekte möglich")});
    // The buttons: the current bundle cleared, then everything started again.
    drag(-300, -100);
    w->Command7_Click();
    QCOMPARE(int(w->scene.rayCount[10]), 0);
    QCOMPARE(w->Text11->text(), QStringLiteral("   10"));
    w->Command6_Click();
    QCOMPARE(int(w->scene.objectCount), 1);
    QCOMPARE(int(w->scene.rayCount[1]), 0);
    QCOMPARE(w->Text11->text(), QStringLiteral("   1"));
}

void TestLens::newObjectStaysInFrontWhenZoomedIn() {
    w->HScroll4->setValue(1000);
    for (int i = 0; i < 5; ++i)
        w->Spin1_SpinUp(); // zoom 1.25^5: -1600 / 3.05 = -524 would lie inside the lens
    w->Command5_Click();
    QCOMPARE(w->scene.currentX(), -1200.f);
    QVERIFY(std::fabs(w->scene.currentY() + 650 / std::pow(1.25f, 5)) < 0.01f);
    w->Command6_Click();
    QCOMPARE(w->scene.currentX(), -1200.f);
}

void TestLens::undoTakesBackTheLastRay() {
    drag(-300, -200);
    drag(-300, 0);
    w->Undo();
    QCOMPARE(int(w->scene.rayCount[1]), 1);
    w->Redo();
    QCOMPARE(int(w->scene.rayCount[1]), 2);
    w->Command7_Click(); // the bundle cleared: nothing to take back or bring back
    w->Redo();
    w->Undo();
    QCOMPARE(int(w->scene.rayCount[1]), 0);
}

void TestLens::optionsShowEveryStoredRay() {
    drag(-300, -200);
    drag(-300, 0);
    const QImage plain = w->Picture1->image();
    // "verlängern" alone, without its ray, adds nothing.
    w->Check3D1->setChecked(false);
    const QImage none = w->Picture1->image();
    w->Check3D4->setChecked(true);
    QCOMPARE(w->Picture1->image(), none);
    // The front reflection in green for both stored rays.
    w->Check3D2->setChecked(true);
    int green = 0;
    const QImage img = w->Picture1->image();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            green += img.pixelColor(x, y) == QColor(0, 255, 0);
    QVERIFY(green > 100);
    QVERIFY(plain != img);
}

void TestLens::protractorOnNearerSurface_data() {
    QTest::addColumn<int>("preset");
    QTest::addColumn<QPointF>("click");
    QTest::addColumn<float>("slope");
    // Biconvex, centres (-1000, 0) for R1 and (700, 0) for R2: on x = -150 both
    // distances are |sqrt(850^2 + 200^2) - 1000|; the tie goes to R2, slope 200 / (-850).
    QTest::newRow("between the surfaces: R2") << 1 << QPointF(-150, -200) << -0.235294f;
    QTest::newRow("near R1") << 1 << QPointF(-20, -200) << 200.f / 980;
    QTest::newRow("near R2") << 1 << QPointF(-290, 100) << -100.f / -990;
    QTest::newRow("plane face: horizontal") << 9 << QPointF(-480, 300) << 0.f;
}

void TestLens::protractorOnNearerSurface() {
    QFETCH(int, preset);
    QFETCH(QPointF, click);
    QFETCH(float, slope);
    w->Preset_MouseDown(preset, 1);
    w->Picture6_Click();
    QCOMPARE(w->protractorMode, int16_t(1));
    QCOMPARE(Screen::mousePointer(), 2);
    const SurfaceRecorder rec = recordOn(w->Picture1, [&] {
        w->Picture1_MouseDown(1, 0, float(click.x()), float(click.y()));
        w->Picture1_MouseUp(1, 0, float(click.x()), float(click.y()));
    });
    QCOMPARE(w->protractorMode, int16_t(0));
    QCOMPARE(w->Picture6->borderStyle(), 0);
    QCOMPARE(int(w->scene.protractorCount), 1);
    QCOMPARE(QPointF(w->scene.protX[1], w->scene.protY[1]), click); // at the click, not on the surface
    QVERIFY(std::fabs(w->scene.protSlope[1] - slope) < 1e-5);
    QCOMPARE(int(w->scene.rayCount[1]), 0); // the click started no ray
    // The red diameter along the normal (y upwards on the screen), the black one across.
    const double phi = std::atan(slope), cx = 100 * std::cos(phi), sy = 100 * std::sin(phi);
    bool red = false, black = false;
    for (const SurfaceOp &op : rec.ops) {
        red |= op.kind == SurfaceOp::Line && op.color == kRed && std::fabs(op.x1 - (click.x() + cx)) < 1e-3 &&
               std::fabs(op.y1 - (click.y() - sy)) < 1e-3;
        black |= op.kind == SurfaceOp::Line && op.color == kBlack && std::fabs(op.x1 - (click.x() + sy)) < 1e-3 &&
                 std::fabs(op.y1 - (click.y() + cx)) < 1e-3;
    }
    QVERIFY(red && black);
}

void TestLens::protractorLimitAndRemoval() {
    for (int i = 0; i < 11; ++i) {
        w->Picture6_Click();
        w->Picture1_MouseDown(1, 0, -150, -400 + 70 * i);
        w->Picture1_MouseUp(1, 0, -150, -400 + 70 * i);
    }
    QCOMPARE(int(w->scene.protractorCount), 10);
    QCOMPARE(w->protractorMode, int16_t(0)); // the eleventh click only disarms
    QCOMPARE(w->scene.protY[10], -400.f + 70 * 9);
    w->HScroll6->setValue(150); // the index keeps them
    QCOMPARE(int(w->scene.protractorCount), 10);
    w->Preset_MouseDown(1, 2);
    w->Preset_MouseDown(1, 1); // the same shape again: they stay
    QCOMPARE(int(w->scene.protractorCount), 10);
    w->HScroll5->setValue(400); // the diameter removes them
    QCOMPARE(int(w->scene.protractorCount), 0);
    for (void (frmLins::*clear)() : {&frmLins::Command2_Click, &frmLins::Command6_Click}) {
        w->Picture6_Click();
        w->Picture1_MouseDown(1, 0, -150, 0);
        w->Picture1_MouseUp(1, 0, -150, 0);
        QCOMPARE(int(w->scene.protractorCount), 1);
        (w->*clear)();
        QCOMPARE(int(w->scene.protractorCount), 0);
    }
}

void TestLens::graphPlacedAndCaptioned() {
    w->Spin1_SpinUp();
    w->HScroll1->setValue(700);
    w->Picture7_Click();
    QCOMPARE(w->scene.graphOn, int16_t(1));
    QCOMPARE(w->Picture7->borderStyle(), 1);
    QVERIFY(w->Picture8->isVisibleTo(w));
    // At (700, -1000) of the start view: 67.5 % across, at the top, whatever the zoom and pan.
    QVERIFY(std::abs(w->Picture8->x() - 0.675 * w->Picture1->width()) <= 1);
    QCOMPARE(w->Picture8->y(), 0);
    QCOMPARE(w->Label40->text(), QStringLiteral("Einfalls- und Brechungswinkel für n = 1.6"));
    w->HScroll6->setValue(50);
    QCOMPARE(w->Label40->text(), QStringLiteral("Einfalls- und Brechungswinkel für n = 0.5"));
    // n = 0.5: the curve ends at 30 degrees, a click beyond draws no reading lines.
    SurfaceRecorder rec;
    w->Picture8->attachRecorder(&rec);
    w->Picture8_MouseDown(1, 0, 50, 10);
    QCOMPARE(rec.count(SurfaceOp::Line), 0);
    w->Picture8_MouseDown(1, 0, 10, 60); // above the diagonal: from the angle of refraction
    QCOMPARE(rec.count(SurfaceOp::Line), 2);
    w->Picture8->attachRecorder(nullptr);
    // The reading goes down from the curve at alpha = asin(0.5 sin 60) = 25.66 degrees.
    QVERIFY(std::fabs(rec.ops[0].x1 - 25.66) < 0.01);
    // "Markierungen löschen" hides the graph.
    w->Command2_Click();
    QCOMPARE(w->scene.graphOn, int16_t(0));
    QCOMPARE(w->Picture7->borderStyle(), 0);
    QVERIFY(!w->Picture8->isVisibleTo(w));
}

void TestLens::operatingNotes() {
    w->Picture7_Click();
    w->command1_Click();
    QCOMPARE(w->command1->text(), QStringLiteral("Info off"));
    QVERIFY(w->help->labels.value("Label43")->isVisibleTo(w));
    QCOMPARE(w->help->labels.value("Label42")->text(), QStringLiteral("Winkelmesser und  n-Graph"));
    QVERIFY(!w->Picture8->isVisibleTo(w) && !w->Label6->isVisibleTo(w));
    // Every note stays inside the picture.
    for (QLabel *l : std::as_const(w->help->labels))
        QVERIFY2(l->geometry().bottom() < w->Picture1->height(), qPrintable(l->text().left(30)));
    // "Didaktische Bemerkungen" opens the notes window and leaves the panel as it is.
    w->Command8_Click();
    QVERIFY(Forms::isVisible(FormId::LinsInf));
    QCOMPARE(w->help->helpShown, int16_t(1));
    QCOMPARE(w->command1->text(), QStringLiteral("Info off"));
    w->command1_Click();
    QCOMPARE(w->command1->text(), QStringLiteral("Info"));
    QVERIFY(w->Picture8->isVisibleTo(w)); // the graph is back
    QVERIFY(!w->help->labels.value("Label43")->isVisibleTo(w));
}

void TestLens::printedPage_data() {
    QTest::addColumn<int>("preset");
    QTest::addColumn<QStringList>("lines");
    // 1/f = 0.6 (1/1000 + 1/1000): f = 833.3, shown as 83.
    QTest::newRow("initial lens") << 0
                                  << QStringList{"Tafel", "Linsenparameter: r1 (rechts) = -100    r2 (links) = 100    n = 1.6",
                                                 "Durchmesser = 100   Dicke i.d.Mitte = 30",
                                                 "Brennweite nach Linsenmacherformel f = 83",
                                                 "0", "50", "100", "150", "200"};
    QTest::newRow("plate") << 9
                           << QStringList{"Tafel", "Linsenparameter: r1 (rechts) = plan    r2 (links) = plan    n = 1.6",
                                          "Durchmesser = 100   Dicke i.d.Mitte = 50", "0", "50", "100", "150", "200"};
}

void TestLens::printedPage() {
    QFETCH(int, preset);
    QFETCH(QStringList, lines);
    if (preset)
        w->Preset_MouseDown(preset, 1);
    drag(-300, -100);
    w->Check3D4->setChecked(true);
    w->Check3D8->setChecked(true);
    QTemporaryDir dir;
    const SurfaceRecorder rec = printPage([&] { w->Command3->click(); }, QStringLiteral("Tafel"), dir.filePath("linse.pdf"));
    QCOMPARE(printedTexts(rec), lines);
    // Object dot 20, the ray black and 3 wide, its extension black and 1 wide, normals red
    // and 2 wide; the scale bar's heavy ticks 10 wide.
    bool dot = false, ray = false, extension = false, normal = false, heavyTick = false;
    // The lens outline, its centre and the dash-dot axis: readable, about 0.25 mm.
    bool axis = false, centre = false;
    for (const SurfaceOp &op : rec.ops) {
        axis |= op.kind == SurfaceOp::Line && op.y1 == 0 && op.y2 == 0 && op.width >= 6 && op.style == kDashDot;
        centre |= op.kind == SurfaceOp::Circle && op.x2 == 5 && op.width >= 6;
        if (op.kind == SurfaceOp::Arc)
            QVERIFY(op.width >= 6);
        dot |= op.kind == SurfaceOp::PSet && op.width == 20 && op.x1 == -1600;
        ray |= op.kind == SurfaceOp::Line && op.x1 == -1600 && op.width == 3 && op.color == kBlack;
        extension |= op.kind == SurfaceOp::Line && op.width == 1 && op.color == kBlack && op.style == 0 &&
                     std::hypot(op.x2 - op.x1, op.y2 - op.y1) > 1000;
        normal |= op.kind == SurfaceOp::Line && op.width == 2 && op.color == kRed;
        heavyTick |= op.kind == SurfaceOp::Line && op.width == 10;
        QVERIFY(op.kind != SurfaceOp::Line || op.color == kBlack || op.color == kRed || op.color == kWhite);
    }
    QVERIFY(dot && ray && extension && normal && heavyTick && axis && centre);
}

void TestLens::saveWithGraph() {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    drag(-300, -100);
    w->Picture6_Click();
    w->Picture1_MouseDown(1, 0, -150, 200);
    w->Picture1_MouseUp(1, 0, -150, 200);
    w->Picture7_Click();
    dialogs().inputAnswers.push_back({true, ""});
    w->Command4_Click();
    const QImage saved("Linsen.bmp", "BMP");
    QCOMPARE(saved.size(), w->Picture1->image().size());
    // The graph is in the file: black pixels inside its box at the top.
    const QRect box = w->Picture8->geometry();
    QVERIFY(colourNear(saved, box.x() + box.width() / 2, box.bottom() - 4, 4, Qt::black));
    // So is the protractor: its red diameter on the surface normal.
    const double phi = std::atan(w->scene.protSlope[1]);
    const int rx = int(w->Picture1->toDeviceX(-150 + 60 * std::cos(phi)));
    const int ry = int(w->Picture1->toDeviceY(200 - 60 * std::sin(phi)));
    QVERIFY(colourNear(saved, rx, ry, 2, Qt::red));
    QVERIFY(colourNear(w->Picture1->image(), rx, ry, 2, Qt::red)); // and stays on the screen
    // Drawn as vectors too: the protractor is the only red in the picture.
    dialogs().inputAnswers.push_back({true, dir.filePath("linse.svg")});
    w->Command4_Click();
    QFile svg(dir.filePath("linse.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("#ff0000"));
    // With the focal points switched on the vectors carry their labels too.
    w->scene.view.focalPoints = true;
    dialogs().inputAnswers.push_back({true, dir.filePath("brennpunkte.svg")});
    w->Command4_Click();
    QFile aids(dir.filePath("brennpunkte.svg"));
    QVERIFY(aids.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(aids.readAll());
    QVERIFY(text.contains(QStringLiteral("F\u2032")) && text.contains(QStringLiteral("f = 88")));
    QDir::setCurrent(previous);
}

void TestLens::layoutInsideWindow_data() {
    QTest::addColumn<QSize>("screen");
    QTest::newRow("800x600") << QSize(800, 600);
    QTest::newRow("1280x1024") << QSize(1280, 1024);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("2560x1440") << QSize(2560, 1440);
}

void TestLens::layoutInsideWindow() {
    QFETCH(QSize, screen);
    tearDownWindows();
    Screen::setSizeOverride(screen.width(), screen.height());
    init();
    QCOMPARE(w->Picture1->width(), 2 * w->Picture1->height());
    for (QWidget *c : w->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (c->isHidden() || !c->isWidgetType() || c->parentWidget() != w)
            continue;
        QVERIFY2(w->rect().contains(c->geometry()), qPrintable(c->accessibleName() + " " + c->metaObject()->className()));
    }
    // The preset fields and the symbols are square.
    QCOMPARE(w->presetFields[7]->width(), w->presetFields[7]->height());
    Screen::setSizeOverride(1280, 1024);
}

void TestLens::keyboardOrder_data() {
    QTest::addColumn<QStringList>("chain"); // a spin button's arrows as "Spin1+" and "Spin1-"
    // The keyboard follows the panel's groups from left to right, each from the top.
    QTest::newRow("view and lens bars") << QStringList{"HScroll1", "VScroll1", "HScroll3", "HScroll2", "HScroll4",
                                                       "HScroll5", "HScroll6", "Picture9"};
    QTest::newRow("presets 1 to 10") << QStringList{"Picture9",  "Picture10", "Picture11", "Picture12",
                                                    "Picture13", "Picture14", "Picture15", "Picture16",
                                                    "Picture17", "Picture18", "Check3D1"};
    // Row by row: each ray kind, then its extension beside it.
    QTest::newRow("ray options") << QStringList{"Check3D1", "Check3D4", "Check3D2", "Check3D5",
                                                "Check3D3", "Check3D6", "Check3D8", "Spin1+"};
    QTest::newRow("zoom and object") << QStringList{"Spin1+", "Spin1-", "Spin2+", "Spin2-", "Spin3+",
                                                    "Spin3-", "Command5", "Command6", "Picture3"};
    QTest::newRow("marker tools") << QStringList{"Picture3", "Picture2", "Picture5", "Picture4", "Picture6",
                                                 "Picture7", "Command2", "Command7", "Command3"};
    QTest::newRow("buttons") << QStringList{"Command3", "Command4", "command1", "Command8", "Command9"};
}

void TestLens::keyboardOrder() {
    QFETCH(QStringList, chain);
    QList<QWidget *> expected;
    for (const QString &name : chain) {
        if (name.endsWith('+') || name.endsWith('-')) {
            auto *spin = w->findChild<SpinButton *>(name.chopped(1));
            QVERIFY2(spin, qPrintable(name));
            expected << (name.endsWith('+') ? spin->upButton() : spin->downButton());
        } else {
            expected << w->findChild<QWidget *>(name);
            QVERIFY2(expected.last(), qPrintable(name));
        }
    }
    QList<QWidget *> order{expected.first()};
    for (QWidget *c = order.first()->nextInFocusChain(); order.size() < expected.size(); c = c->nextInFocusChain())
        if (c->focusPolicy() & Qt::TabFocus)
            order << c;
    QCOMPARE(order, expected);
}

int runLensOpticsTests(int argc, char **argv);

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    TestLens lens;
    const int failed = QTest::qExec(&lens, argc, argv);
    return failed | runLensOpticsTests(argc, argv);
}

#include "tst_lens.moc"
