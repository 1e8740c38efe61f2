// The scenes without their windows: object bundles with their limits, what the mirror and
// ray-path scenes draw for each layer and style table, and the key that keeps a cached
// picture current.
#include "core/ObjectBundles.h"
#include "mirror/MirrorScene.h"
#include "refraction/RayPathScene.h"

#include <QtTest>
#include <cmath>

using namespace varelo;

namespace {
// A surface that only records: 800 x 400 device pixels.
class RecordingSurface : public Surface {
public:
    explicit RecordingSurface(double x1 = -2000, double y1 = -1000, double x2 = 2000, double y2 = 1000) {
        Scale(x1, y1, x2, y2);
        attachRecorder(&rec);
    }
    int deviceWidth() const override { return 800; }
    int deviceHeight() const override { return 400; }
    SurfaceRecorder rec;

protected:
    void paintClear() override {}
    void paintLine(double, double, double, double, Rgb, int, int) override {}
    void paintDot(double, double, Rgb, int) override {}
    void paintEllipse(double, double, double, double, Rgb, int, int, double, double) override {}
};

std::vector<SurfaceOp> lines(const SurfaceRecorder &rec) {
    std::vector<SurfaceOp> out;
    for (const SurfaceOp &op : rec.ops)
        if (op.kind == SurfaceOp::Line)
            out.push_back(op);
    return out;
}
} // namespace

class TestScenes : public QObject {
    Q_OBJECT
private slots:
    void bundleCapacities();
    void spinMoves_data();
    void spinMoves();
    void mirrorLayersInOrder();
    void mirrorRayByTheLawOfReflection();
    void mirrorPrinterTable();
    void liveRayIsNotPartOfTheKey();
    void rayPathPrintedLinesReadable();
};

void TestScenes::bundleCapacities() {
    ObjectBundles b;
    b.restart(-1600, -750);
    for (int k = 2; k <= 10; ++k)
        QVERIFY(b.addObject(-100.f * k, 0));
    QVERIFY(!b.addObject(-5, -5));
    QCOMPARE(int(b.objectCount), 10);
    QCOMPARE(b.currentX(), -1000.f);
    for (int j = 1; j <= 100; ++j)
        QVERIFY(b.storeRay(0, float(j)));
    QVERIFY(!b.storeRay(0, 999));
    QCOMPARE(int(b.rayCount[10]), 100);
    QCOMPARE(b.rayY[10][100], 100.f);
    // Clearing takes only the current bundle; restarting takes them all.
    b.objectCount = 9;
    QVERIFY(b.storeRay(1, 1));
    b.objectCount = 10;
    b.clearCurrent();
    QCOMPARE(int(b.rayCount[10]), 0);
    QCOMPARE(int(b.rayCount[9]), 1);
    b.restart(-300, 20);
    QCOMPARE(int(b.objectCount), 1);
    QCOMPARE(int(b.rayCount[1]) + int(b.rayCount[9]), 0);
    QCOMPARE(QPointF(b.currentX(), b.currentY()), QPointF(-300, 20));
}

void TestScenes::spinMoves_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("move"); // 0 towards, 1 away, 2 down, 3 up
    QTest::addColumn<float>("limit");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<float>("newX");
    QTest::addColumn<float>("newY");
    QTest::newRow("towards the mirror") << -1000.f << 0.f << 0 << 0.f << true << -900.f << 0.f;
    QTest::newRow("towards a lens, stopped at -1.2 thickness") << -650.f << 0.f << 0 << -600.f << false << -650.f << 0.f;
    QTest::newRow("towards a lens, allowed") << -700.f << 0.f << 0 << -600.f << true << -630.f << 0.f;
    QTest::newRow("away") << -900.f << 10.f << 1 << 0.f << true << -1000.f << 10.f;
    QTest::newRow("away, stopped before 30000") << -27001.f << 0.f << 1 << 0.f << false << -27001.f << 0.f;
    QTest::newRow("down by |x| / 20") << -1000.f << -750.f << 2 << 0.f << true << -1000.f << -700.f;
    QTest::newRow("up, step rounded down") << -1019.f << 0.f << 3 << 0.f << true << -1019.f << -50.f;
    QTest::newRow("down, stopped before 30000") << -20000.f << 29500.f << 2 << 0.f << false << -20000.f << 29500.f;
    QTest::newRow("up, stopped before -30000") << -20000.f << -29500.f << 3 << 0.f << false << -20000.f << -29500.f;
    QTest::newRow("near the mirror the step is 0") << -10.f << 5.f << 2 << 0.f << true << -10.f << 5.f;
}

void TestScenes::spinMoves() {
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(int, move);
    QFETCH(float, limit);
    QFETCH(bool, moved);
    QFETCH(float, newX);
    QFETCH(float, newY);
    ObjectBundles b;
    b.restart(x, y);
    const bool r = move == 0 ? b.moveTowardsElement(limit) : move == 1 ? b.moveAwayFromElement()
                 : move == 2 ? b.moveDown() : b.moveUp();
    QCOMPARE(r, moved);
    QVERIFY(std::fabs(b.currentX() - newX) < 0.01f);
    QCOMPARE(b.currentY(), newY);
}

void TestScenes::mirrorLayersInOrder() {
    MirrorScene scene;
    scene.storeRay(0, -100);
    scene.markers.rasterOn = 1;
    RecordingSurface s;
    scene.draw(s, kScreenMirrorStyles, kFullRedraw);
    const auto &ops = s.rec.ops;
    QCOMPARE(ops.front().kind, SurfaceOp::Cls);
    QCOMPARE(ops[1].kind, SurfaceOp::Circle); // the mirror's centre
    QCOMPARE(ops[2].style, int(kDashDot));    // the axis
    // Then P, its ray, the screen line, and the raster dots last.
    int firstRay = -1, screenLine = -1, lastRaster = -1;
    for (size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].kind == SurfaceOp::Line && ops[i].x1 == -1600 && firstRay < 0)
            firstRay = int(i);
        if (ops[i].kind == SurfaceOp::Line && ops[i].x1 == 2000 && ops[i].x2 == 2000)
            screenLine = int(i);
        if (ops[i].kind == SurfaceOp::PSet && ops[i].width == 1)
            lastRaster = int(i);
    }
    QVERIFY(firstRay > 2 && screenLine > firstRay && lastRaster == int(ops.size()) - 1);
    // Only the chosen layers: the bundles alone start with the object point.
    RecordingSurface b;
    scene.draw(b, kScreenMirrorStyles, Layer::Bundles);
    QCOMPARE(b.rec.ops.front().kind, SurfaceOp::PSet);
    QCOMPARE(QPointF(b.rec.ops.front().x1, b.rec.ops.front().y1), QPointF(-1600, -750));
    QCOMPARE(b.rec.count(SurfaceOp::Cls), 0);
}

void TestScenes::mirrorRayByTheLawOfReflection() {
    // Plane mirror, P = (-1600, -750), stored hit point (0, 0): the reflected ray is the
    // incident one mirrored at the plane x = 0 and reaches the picture's width (4000).
    MirrorScene scene;
    scene.storeRay(0, 0);
    scene.extendReflected = true;
    RecordingSurface s;
    scene.draw(s, kScreenMirrorStyles, Layer::Bundles);
    const auto ls = lines(s.rec);
    QCOMPARE(ls.size(), size_t(3));
    const double d = std::hypot(1600.0, 750.0);
    QVERIFY(std::fabs(ls[1].x2 - 4000 * -1600 / d) < 0.5 && std::fabs(ls[1].y2 - 4000 * 750 / d) < 0.5);
    QVERIFY(std::fabs(ls[2].x2 - 4000 * 1600 / d) < 0.5 && std::fabs(ls[2].y2 - 4000 * -750 / d) < 0.5);
    QCOMPARE(ls[2].color, (Rgb{180, 180, 180}));
}

void TestScenes::mirrorPrinterTable() {
    MirrorScene scene;
    scene.mirror = MirrorParams{-12, -1000, 600};
    scene.storeRay(-100, 100);
    scene.dottedReflected = true;
    scene.drawNormals = true;
    RecordingSurface s;
    scene.draw(s, kPrinterMirrorStyles, Layer::Element | Layer::Bundles);
    int arcWidth = 0, dotWidth = 0;
    std::vector<int> rayWidths, rayStyles;
    for (const SurfaceOp &op : s.rec.ops) {
        if (op.kind == SurfaceOp::Arc)
            arcWidth = op.width;
        if (op.kind == SurfaceOp::PSet)
            dotWidth = op.width;
        if (op.kind == SurfaceOp::Line && op.y1 != 0 && std::fabs(op.y1 - op.y2) != 40) {
            rayWidths.push_back(op.width);
            rayStyles.push_back(op.style);
        }
    }
    QCOMPARE(arcWidth, 4);
    QCOMPARE(dotWidth, 20);
    // Incident ray, the dotted reflected one (dotted exists only at width 1), the normal.
    QCOMPARE(rayWidths, (std::vector<int>{2, 1, 2}));
    QCOMPARE(rayStyles, (std::vector<int>{0, int(kDotted), 0}));
}

void TestScenes::liveRayIsNotPartOfTheKey() {
    MirrorScene scene;
    const uint64_t k0 = scene.key();
    scene.aimTrial(-800, -375);
    QVERIFY(scene.trialHasHit);
    QCOMPARE(scene.key(), k0);
    RecordingSurface s;
    scene.draw(s, kScreenMirrorStyles, Layer::Live);
    QCOMPARE(lines(s.rec).size(), size_t(2)); // to the mirror and back
    QVERIFY(scene.storeRay(scene.hitX, scene.hitY));
    QVERIFY(scene.key() != k0);
    const uint64_t k1 = scene.key();
    scene.markers.addEye(-500, 0);
    QVERIFY(scene.key() != k1);
}

void TestScenes::rayPathPrintedLinesReadable() {
    RayPathScene scene;
    scene.showReflected = scene.extendRefracted = scene.extendReflected = scene.showNormals = true;
    for (float h : {-300.f, 100.f, 900.f}) {
        scene.hitX = h;
        scene.storePreview();
    }
    scene.addPoint(-200, 300);
    scene.addEye(-400, -500);
    scene.placeProtractor(100);
    scene.diagramOn = 1;
    RecordingSurface s(-595, -842, 595, 842);
    scene.draw(s, kPrinterRayPathStyles, kRayPathPicture | Layer::Extra);
    int thinnest = 1000, dotted = 0;
    bool interface1200 = false;
    for (const SurfaceOp &op : s.rec.ops) {
        if (op.kind == SurfaceOp::Line && op.style == kDotted) {
            ++dotted; // the graph's grid
            continue;
        }
        if (op.kind == SurfaceOp::Line || op.kind == SurfaceOp::PSet || op.kind == SurfaceOp::Circle)
            thinnest = std::min(thinnest, op.width);
        interface1200 |= op.kind == SurfaceOp::Line && op.x1 == -1200 && op.x2 == 1200 && op.width == 12;
    }
    QVERIFY2(thinnest >= 6, qPrintable(QString::number(thinnest)));
    QVERIFY(interface1200);
    QCOMPARE(dotted, 20);
    // On the screen the same scene keeps its one-pixel rays.
    RecordingSurface screen(-1000, -980, 1000, 980);
    scene.draw(screen, kScreenRayPathStyles, Layer::Bundles);
    QCOMPARE(lines(screen.rec).front().width, 1);
}

int runSceneTests(int argc, char **argv) {
    TestScenes t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_scenes.moc"
