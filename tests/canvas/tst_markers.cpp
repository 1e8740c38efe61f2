// The marker tools on a bare picture: the point and eye symbols that exclude each other,
// placing points, eyes and the screen line, where eyes look, and the capacities.
#include "TestSupport.h"

#include "canvas/MarkerOverlay.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"

#include <QtTest>
#include <cmath>
#include <memory>

using namespace varelo;
using namespace varelo::test;

namespace {
const Styles kMarkStyles{kScreenMarkerStyles};
} // namespace

class TestMarkers : public QObject {
    Q_OBJECT
private slots:
    void init();
    void symbolPairRule();
    void pointMarkAddsObjectAndMark();
    void eyesLookAtLastPoint();
    void capacities();
    void screenLine();
    void rasterSymbol();
    void clearKeepsScreenLineAtViewEdge();

private:
    void arm(SymbolButton *sym, const int16_t &mode) {
        while (!mode)
            sym == point.get() ? o->PointSymbol_Click() : o->EyeSymbol_Click();
    }
    void place(float x, float y) {
        o->MouseDown(x, y);
        o->MouseUp(x, -1600, -750);
    }
    std::unique_ptr<PictureBox> pic;
    std::unique_ptr<SymbolButton> point, eye, raster, line;
    MarkerSet set;
    std::unique_ptr<MarkerOverlay> o;
    std::vector<Layers> asked;
};

void TestMarkers::init() {
    setUpProgram();
    dialogs().messages.clear();
    pic = std::make_unique<PictureBox>();
    pic->resize(800, 400);
    pic->resizeImage(800, 400);
    pic->Scale(-2000, -1000, 2000, 1000);
    auto sym = [] { return std::make_unique<SymbolButton>(DrawLineSymbol, kWhite); };
    point = sym();
    eye = sym();
    raster = sym();
    line = sym();
    set = MarkerSet();
    asked.clear();
    o = std::make_unique<MarkerOverlay>(set, pic.get(), point.get(), eye.get(), raster.get(), line.get(),
                                        [this](Layers l) {
                                            asked.push_back(l);
                                            pic->Cls();
                                            set.drawMarks(*pic, kMarkStyles, 1);
                                            if (l & Layer::Live)
                                                set.drawPending(*pic, kMarkStyles, 1);
                                        });
    o->Load();
}

void TestMarkers::symbolPairRule() {
    QCOMPARE(point->borderStyle() + eye->borderStyle(), 0);
    o->PointSymbol_Click();
    QCOMPARE(point->borderStyle() + eye->borderStyle(), 2);
    QCOMPARE(int(o->markPointMode), 1);
    QCOMPARE(int(o->markEyeMode), 0);
    QCOMPARE(Screen::mousePointer(), 2);
    // The second click flips both: the eye is armed.
    o->PointSymbol_Click();
    QCOMPARE(int(o->markPointMode), 0);
    QCOMPARE(int(o->markEyeMode), 1);
    Screen::setMousePointer(0);
}

void TestMarkers::pointMarkAddsObjectAndMark() {
    o->PointSymbol_Click();
    o->MouseDown(-300, 100);
    QCOMPARE(asked.back(), Layers(Layer::Live));
    QCOMPARE(set.pointCount, int16_t(0)); // only pending while the button is held
    o->MouseMove(-250, 120.4f);
    o->MouseUp(-250, -1600, -750);
    QCOMPARE(int(set.pointCount), 2);
    QCOMPARE(QPoint(set.pointX[1], set.pointY[1]), QPoint(-1600, -750));
    QCOMPARE(QPoint(set.pointX[2], set.pointY[2]), QPoint(-250, 120)); // where it was moved to
    QCOMPARE(int(o->markPointMode), 0);
    QCOMPARE(point->borderStyle(), 0);
    QCOMPARE(asked.back(), kFullRedraw);
    const QImage img = pic->image();
    QCOMPARE(colourNear(img, int(pic->toDeviceX(-300)), int(pic->toDeviceY(100)), 1, Qt::black), false);
    QVERIFY(colourNear(img, int(pic->toDeviceX(-250)), int(pic->toDeviceY(120)), 1, Qt::black));
}

void TestMarkers::eyesLookAtLastPoint() {
    // Before any point: towards the world origin.
    arm(eye.get(), o->markEyeMode);
    place(-1000, 0);
    QCOMPARE(QPointF(set.eyeDirX[1], set.eyeDirY[1]), QPointF(1, 0));
    QCOMPARE(int(o->markEyeMode), 0);
    // A marked point does not turn the existing eye; a new eye looks at it.
    arm(point.get(), o->markPointMode);
    place(-1000, -600);
    arm(eye.get(), o->markEyeMode);
    place(-1000, 400);
    QCOMPARE(QPointF(set.eyeDirX[1], set.eyeDirY[1]), QPointF(1, 0));
    QVERIFY(std::fabs(set.eyeDirY[2] + 1) < 1e-6);
    QCOMPARE(set.eyeDist[2], 1000.f);
    // Placed on its point it keeps looking left.
    arm(eye.get(), o->markEyeMode);
    place(-1000, -600);
    QCOMPARE(QPointF(set.eyeDirX[3], set.eyeDirY[3]), QPointF(-1, 0));
}

void TestMarkers::capacities() {
    for (int i = 0; i < 25; ++i) {
        arm(point.get(), o->markPointMode);
        place(-1000 + 10 * i, 0);
    }
    QCOMPARE(int(set.pointCount), 50);
    arm(point.get(), o->markPointMode);
    place(-500, 500);
    QCOMPARE(int(set.pointCount), 50);
    QCOMPARE(set.pointX[50], int16_t(-760)); // the 25th marking is untouched
    QCOMPARE(int(o->markPointMode), 0);
    QCOMPARE(dialogs().messages, QStringList{QStringLiteral("Nur 25 Punktmarkierungen möglich")});
    for (int i = 0; i < 10; ++i) {
        arm(eye.get(), o->markEyeMode);
        place(-1800 + 150 * i, 800);
    }
    arm(eye.get(), o->markEyeMode);
    place(0, 0);
    QCOMPARE(int(set.eyeCount), 10);
    QCOMPARE(set.eyeX[10], int16_t(-450));
    QCOMPARE(dialogs().messages.last(), QStringLiteral("Nur 10 Augen möglich"));
}

void TestMarkers::screenLine() {
    QCOMPARE(int(set.screenLineX), 2000);
    o->LineSymbol_Click();
    QCOMPARE(int(o->markLineMode), 1);
    o->MouseDown(-700, 0);
    QCOMPARE(int(set.screenLineX), -700); // it follows the mouse while held
    o->MouseMove(-650, 0);
    o->MouseUp(-600.4f, 0, 0);
    QCOMPARE(int(set.screenLineX), -600);
    QCOMPARE(int(o->markLineMode), 0);
    QCOMPARE(line->borderStyle(), 0);
    const QImage img = pic->image();
    QVERIFY(colourNear(img, int(pic->toDeviceX(-600)), 20, 1, Qt::black));
    QVERIFY(!colourNear(img, int(pic->toDeviceX(-700)), 20, 1, Qt::black));
    // A move without a press changes nothing.
    o->MouseMove(100, 0);
    QCOMPARE(int(set.screenLineX), -600);
}

void TestMarkers::rasterSymbol() {
    o->RasterSymbol_Click();
    QCOMPARE(int(set.rasterOn), 1);
    QCOMPARE(asked.back(), Layers(Layer::Raster));
    o->RasterSymbol_Click();
    QCOMPARE(int(set.rasterOn), 0);
    QVERIFY(!(asked.back() & Layer::Raster) && (asked.back() & Layer::Clear));
}

void TestMarkers::clearKeepsScreenLineAtViewEdge() {
    arm(point.get(), o->markPointMode);
    place(-100, 100);
    arm(eye.get(), o->markEyeMode);
    place(-200, 100);
    pic->SetScaleLeft(-1500); // panned by 500
    o->ClearMarkers();
    QCOMPARE(int(set.pointCount) + int(set.eyeCount), 0);
    QCOMPARE(int(set.screenLineX), 2500);
}

int runMarkerTests(int argc, char **argv) {
    TestMarkers t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_markers.moc"
