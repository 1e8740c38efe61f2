// The scenes without their windows: object bundles with their limits, what the mirror and
// ray-path scenes draw for each layer and style table, and the key that keeps a cached
// picture current.
#include "core/Aids.h"
#include "core/Fields.h"
#include "core/NumRules.h"
#include "core/ObjectBundles.h"
#include "lens/LensScene.h"
#include "mirror/MirrorScene.h"
#include "refraction/ImagingScene.h"
#include "refraction/RayPathScene.h"

#include <functional>
#include <memory>
#include <set>
#include <tuple>

#include <QtTest>
#include <cmath>

using namespace varelo;
Q_DECLARE_METATYPE(const varelo::Styles *)

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

// One module's scene seen through its fields: the fullest state the limits allow.
struct SceneProbe {
    std::function<void(FieldVisitor &)> visit;
    std::function<uint64_t()> key;
    std::function<void(Surface &)> draw;
    std::function<bool(std::string &)> check;
};

// Every option of the "Ansicht" menu the scene has, on.
void allViewOptions(Scene &s) {
    size_t count = 0;
    const ViewOptionRow *rows = ViewOptionRows(count);
    for (size_t i = 0; i < count; ++i)
        if (s.viewOptions() & rows[i].option)
            s.view.*rows[i].member = true;
}

template <typename S> SceneProbe probe(std::shared_ptr<S> scene, const Styles &styles) {
    return {[scene](FieldVisitor &v) { scene->visit(v); }, [scene] { return scene->key(); },
            [scene, &styles](Surface &s) { scene->draw(s, styles, kFullRedraw | Layer::Extra); },
            [scene](std::string &faults) { return scene->checkLesson(faults); }};
}

void fillBundles(ObjectBundles &b) {
    for (int k = 1; k <= ObjectBundles::kMaxObjects; ++k) {
        if (k > 1)
            b.addObject(-1700 + 40.f * k, -700 + 90.f * k);
        for (int j = 0; j < ObjectBundles::kMaxRays; ++j)
            b.storeRay(-100 + j, -500 + 10.f * j);
    }
}

void fillMarkers(MarkerSet &m) {
    for (int i = 0; i < 10; ++i)
        m.addPointPair(-1600, -650, -500 + 50.f * i, 300);
    for (int i = 0; i < MarkerSet::kEyes; ++i)
        m.addEye(800 + 30.f * i, -400);
    m.setScreenLine(1200);
    m.rasterOn = 1;
}

SceneProbe fullestScene(const QString &module, bool fill) {
    if (module == "mirror") {
        auto s = std::make_shared<MirrorScene>();
        if (fill) {
            s->mirror.curvature = -20;
            s->mirror.mirrorRadius = -600;
            s->mirror.halfAperture = 590;
            s->dottedReflected = s->extendReflected = s->drawNormals = true;
            s->zoomFactor = 1.25f * 1.25f;
            fillBundles(*s);
            fillMarkers(s->markers);
            allViewOptions(*s);
        }
        return probe(s, kScreenMirrorStyles);
    }
    if (module == "lens") {
        auto s = std::make_shared<LensScene>();
        if (fill) {
            s->setRightCurvature(-20);
            s->setThickness(400);
            s->setRefrIndex(1.75f);
            s->storePreset(3);
            s->showFront = s->extendFront = s->showBack = s->extendBack = s->showNormals = true;
            s->graphOn = 1;
            fillBundles(*s);
            fillMarkers(s->markers);
            for (int i = 0; i < LensScene::kMaxProtractors; ++i)
                s->placeProtractor(-150, -400 + 80.f * i);
            allViewOptions(*s);
        }
        return probe(s, kScreenLensStyles);
    }
    if (module == "ray path") {
        auto s = std::make_shared<RayPathScene>();
        if (fill) {
            s->relIndex = 1.5f;
            s->moveObject(-200, -400);
            for (int i = 0; i < RayPathScene::kMaxRays; ++i)
                if (s->aimPreview(-600 + 12.f * i, 0))
                    s->storePreview();
            s->previewActive = false;
            s->showReflected = s->extendReflected = s->extendRefracted = s->showNormals = true;
            for (int i = 0; i < RayPathScene::kMaxPoints; ++i)
                s->addPoint(-900 + 80.f * i, 300);
            for (int i = 0; i < RayPathScene::kMaxEyes; ++i)
                s->addEye(-900 + 80.f * i, -800);
            s->placeProtractor(100);
            s->diagramOn = 1;
            allViewOptions(*s);
        }
        return probe(s, kScreenRayPathStyles);
    }
    auto s = std::make_shared<ImagingScene>();
    if (fill) {
        s->rowMode = true;
        s->rasterOn = true;
        s->relIndex = 1.8f;
        s->eyeX = -300;
        for (int i = 0; i < ImagingScene::kMaxRowPoints; ++i)
            s->addRowPoint(-900 + 18.f * i, 100 + 5.f * i);
        allViewOptions(*s);
    }
    return probe(s, kScreenImagingStyles);
}

// An arrowhead as drawn: its tip and the way it points (from the middle of its wing ends).
struct Arrow {
    double x, y, dx, dy;
};
// The wing lines are `size` device pixels long and start together at the tip.
std::vector<Arrow> arrowsDrawn(const Surface &s, const SurfaceRecorder &rec, const Style &arrow, int &wings) {
    std::vector<SurfaceOp> w;
    for (const SurfaceOp &op : rec.ops)
        if (op.kind == SurfaceOp::Line && op.width == arrow.width &&
            std::fabs(std::hypot(s.toDeviceX(op.x2) - s.toDeviceX(op.x1), s.toDeviceY(op.y2) - s.toDeviceY(op.y1)) -
                      arrow.size) < 0.01)
            w.push_back(op);
    wings = int(w.size());
    std::vector<Arrow> out;
    for (size_t i = 0; i + 1 < w.size(); ++i)
        for (size_t j = i + 1; j < w.size(); ++j)
            if (w[i].x1 == w[j].x1 && w[i].y1 == w[j].y1 && w[i].width > 0) {
                out.push_back({w[i].x1, w[i].y1, w[i].x1 - (w[i].x2 + w[j].x2) / 2, w[i].y1 - (w[i].y2 + w[j].y2) / 2});
                w[j].width = 0; // paired
                break;
            }
    return out;
}

// A segment of real light: its start and its end (finite), or its direction (a free end).
struct Light {
    double x, y, dx, dy;
    bool finite;
};

// An arrow on the segment, pointing along the light: at its middle when it is finite.
bool arrowOn(const Arrow &a, const Light &l) {
    const double len = std::hypot(l.dx, l.dy), alen = std::hypot(a.dx, a.dy);
    const double along = ((a.x - l.x) * l.dx + (a.y - l.y) * l.dy) / len;
    const double off = std::fabs((a.x - l.x) * l.dy - (a.y - l.y) * l.dx) / len;
    const bool pointsAlong = (a.dx * l.dx + a.dy * l.dy) / (alen * len) > 0.9999;
    if (!pointsAlong || off > 0.5 || along <= 0)
        return false;
    return !l.finite || std::fabs(along - len / 2) < 0.5;
}

QStringList anglesWritten(const SurfaceRecorder &rec) {
    QStringList out;
    for (const SurfaceOp &op : rec.ops) {
        const QString t = QString::fromStdString(op.text);
        if (op.kind == SurfaceOp::Text && (t.contains(QChar(0xb0)) || t == QStringLiteral("Totalreflexion")))
            out << t;
    }
    return out;
}

// A plane-parallel plate 300 thick (from x = -300 to 0), n = 1.6.
void makePlate(LensScene &l) {
    l.lens.k1 = l.lens.k2 = 0;
    l.lens.thickness = 300;
}

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
    void fieldsRoundTrip_data();
    void fieldsRoundTrip();
    void damagedFieldsChangeNothing();
    void presentationTables_data();
    void presentationTables();
    void imagingAids_data();
    void imagingAids();
    void colouredBundles();
    void arrowsOnRealLight();
    void lensAngleReadings_data();
    void lensAngleReadings();
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

void TestScenes::fieldsRoundTrip_data() {
    QTest::addColumn<QString>("module");
    for (const char *m : {"mirror", "ray path", "imaging", "lens"})
        QTest::newRow(m) << QString::fromLatin1(m);
}

void TestScenes::fieldsRoundTrip() {
    // Every field written into a plain map and read back into a fresh scene gives the
    // same key and the same drawing.
    QFETCH(QString, module);
    SceneProbe full = fullestScene(module, true), fresh = fullestScene(module, false);
    QVERIFY(full.key() != fresh.key());
    FieldWriter writer;
    full.visit(writer);
    FieldReader reader(writer.values);
    fresh.visit(reader);
    QCOMPARE(QString::fromStdString(reader.faults), QString());
    // The fullest state, made through the setters, is one the controls could produce.
    std::string faults;
    QVERIFY2(fresh.check(faults), faults.c_str());
    QCOMPARE(fresh.key(), full.key());
    FieldDump a, b;
    full.visit(a);
    fresh.visit(b);
    QCOMPARE(QString::fromStdString(b.text), QString::fromStdString(a.text));
    RecordingSurface drawnFull, drawnFresh;
    full.draw(drawnFull);
    fresh.draw(drawnFresh);
    QCOMPARE(drawnFresh.rec.ops.size(), drawnFull.rec.ops.size());
    QVERIFY(drawnFull.rec.ops.size() > 100);
    for (size_t i = 0; i < drawnFull.rec.ops.size(); ++i) {
        const SurfaceOp &x = drawnFull.rec.ops[i], &y = drawnFresh.rec.ops[i];
        QVERIFY(x.kind == y.kind && x.x1 == y.x1 && x.y1 == y.y1 && x.x2 == y.x2 && x.y2 == y.y2 &&
                x.color == y.color && x.width == y.width && x.style == y.style);
    }
}

void TestScenes::damagedFieldsChangeNothing() {
    // A count beyond the capacity, a fraction where a whole number belongs, a value out
    // of its range or missing: each is refused and the field keeps its value.
    MirrorScene scene;
    FieldWriter writer;
    scene.visit(writer);
    const uint64_t before = scene.key();
    for (const auto &bad : std::vector<std::pair<std::string, double>>{{"bundles.objectCount", 11},
                                                                       {"bundles.objectCount", 1.5},
                                                                       {"mirror.curvature", 37},
                                                                       {"markers.pointCount", -1},
                                                                       {"bundles.objX[1]", std::nan("")}}) {
        FieldMap damaged = writer.values;
        damaged[bad.first] = bad.second;
        FieldReader reader(damaged);
        scene.visit(reader);
        QVERIFY2(reader.faults.find(bad.first) != std::string::npos, bad.first.c_str());
        QCOMPARE(scene.key(), before);
    }
    FieldMap missing = writer.values;
    missing.erase("mirror.halfAperture");
    FieldReader reader(missing);
    scene.visit(reader);
    QVERIFY(reader.faults.find("mirror.halfAperture missing") != std::string::npos);
    QCOMPARE(scene.key(), before);
    // A lesson from before the view options keeps them off, with no fault.
    FieldMap older = writer.values;
    QVERIFY(older.erase("view.arrows") && older.erase("view.presentation"));
    FieldReader olderReader(older);
    scene.visit(olderReader);
    QCOMPARE(QString::fromStdString(olderReader.faults), QString());
}

void TestScenes::presentationTables_data() {
    QTest::addColumn<const Styles *>("screen");
    QTest::addColumn<const Styles *>("present");
    QTest::addColumn<QList<int>>("rays");
    QTest::newRow("mirror") << &kScreenMirrorStyles << &kPresentMirrorStyles << QList<int>{kMirrorRay, kMirrorDotted};
    QTest::newRow("ray path") << &kScreenRayPathStyles << &kPresentRayPathStyles << QList<int>{kPathRay, kPathReflected};
    QTest::newRow("imaging") << &kScreenImagingStyles << &kPresentImagingStyles << QList<int>{kImgRay};
    QTest::newRow("lens") << &kScreenLensStyles << &kPresentLensStyles << QList<int>{kLensRay, kLensFront, kLensBack};
}

void TestScenes::presentationTables() {
    // Every kind the screen draws is at least 2 px heavy on a projector, the light's rays 3,
    // and a pattern stays a pattern at that width; the colours stay the screen's.
    QFETCH(const Styles *, screen);
    QFETCH(const Styles *, present);
    QFETCH(QList<int>, rays);
    QCOMPARE(present->size(), screen->size());
    for (int kind = 0; kind < screen->size(); ++kind) {
        const Style &a = (*screen)[kind], &b = (*present)[kind];
        if (a.width == 0)
            continue; // not drawn
        QVERIFY2(b.width >= 2 && b.width >= a.width, qPrintable(QString::number(kind)));
        if (rays.contains(kind))
            QCOMPARE(b.width, 3);
        QVERIFY(b.color == a.color);
        if (a.style == kDotted || a.style == kDashDot)
            QCOMPARE(b.style, a.style | kPatternAtAnyWidth);
    }
}

void TestScenes::imagingAids_data() {
    QTest::addColumn<QString>("module");
    QTest::addColumn<int>("curvature"); // the mirror's; the lens's k1 = -k2
    QTest::addColumn<QPointF>("object");
    QTest::addColumn<QList<double>>("marks"); // x of the axis marks
    QTest::addColumn<bool>("imaged");
    QTest::addColumn<QPointF>("image");
    // Concave, r = -1000: f = 500; 1/b = 1/500 - 1/1600 gives b = 727.3, scaled by -b / g.
    QTest::newRow("concave mirror") << "mirror" << -12 << QPointF(-1600, -750) << QList<double>{-500} << true
                                    << QPointF(-727.3, 340.9);
    // Convex, r = 1000: f = -500, b = -381.0: a virtual image behind the mirror.
    QTest::newRow("convex mirror") << "mirror" << 12 << QPointF(-1600, -750) << QList<double>{500} << true
                                   << QPointF(381.0, -178.6);
    QTest::newRow("plane mirror") << "mirror" << 0 << QPointF(-1600, -750) << QList<double>{} << true
                                  << QPointF(1600, -750);
    QTest::newRow("object in the focal plane") << "mirror" << -12 << QPointF(-500, -300) << QList<double>{-500} << false
                                               << QPointF();
    // The initial lens: H, H', F, F' at -200.7, -99.3, -1083.7, 783.7.
    QTest::newRow("initial lens") << "lens" << 12 << QPointF(-1600, -650)
                                  << QList<double>{-200.7, -99.3, -1083.7, 783.7} << true << QPointF(2293.7, 1111.6);
    QTest::newRow("plane plate") << "lens" << 0 << QPointF(-1600, -650) << QList<double>{} << false << QPointF();
}

void TestScenes::imagingAids() {
    QFETCH(QString, module);
    QFETCH(int, curvature);
    QFETCH(QPointF, object);
    QFETCH(QList<double>, marks);
    QFETCH(bool, imaged);
    QFETCH(QPointF, image);
    RecordingSurface s; // 5 world units a pixel
    if (module == "mirror") {
        MirrorScene m;
        m.setCurvature(curvature);
        m.setCurrent(float(object.x()), float(object.y()));
        m.view.focalPoints = m.view.paraxialImage = true;
        m.draw(s, kScreenMirrorStyles, kFullRedraw);
    } else {
        LensScene l;
        l.setRightCurvature(-curvature);
        l.setLeftCurvature(curvature);
        l.setCurrent(float(object.x()), float(object.y()));
        l.view.focalPoints = l.view.paraxialImage = true;
        l.draw(s, kScreenLensStyles, kFullRedraw);
    }
    // Marks: vertical lines 2 x 8 px long through the axis.
    QList<double> found;
    for (const SurfaceOp &op : lines(s.rec))
        if (op.x1 == op.x2 && std::fabs(op.y1 + op.y2) < 1e-6 && std::fabs(std::fabs(op.y2 - op.y1) - 80) < 1e-6)
            found << op.x1;
    QCOMPARE(found.size(), marks.size());
    for (int i = 0; i < marks.size(); ++i)
        QVERIFY2(std::fabs(found[i] - marks[i]) < 0.1, qPrintable(QString::number(found[i])));
    std::vector<std::string> labels;
    for (const SurfaceOp &op : s.rec.ops)
        if (op.kind == SurfaceOp::Text)
            labels.push_back(op.text);
    if (module == "lens" && !marks.isEmpty())
        QVERIFY(labels == (std::vector<std::string>{"H", "H\u2032", "F", "F\u2032", "f = 88"}));
    // The paraxial image: an open red circle of 6 px.
    int circles = 0;
    for (const SurfaceOp &op : s.rec.ops)
        if (op.kind == SurfaceOp::Circle && op.color == kRed && std::fabs(op.x2 - 30) < 1e-6) {
            ++circles;
            QVERIFY2(std::fabs(op.x1 - image.x()) < 0.2 && std::fabs(op.y1 - image.y()) < 0.2,
                     qPrintable(QString("%1 %2").arg(op.x1).arg(op.y1)));
        }
    QCOMPARE(circles, imaged ? 1 : 0);
}

void TestScenes::colouredBundles() {
    // Each bundle's black rays take their own colour; the lens's reflected rays keep theirs.
    std::set<std::tuple<int, int, int>> palette;
    for (int k = 0; k < kBundleColours; ++k) {
        const Rgb c = BundleColour(k);
        palette.insert({c.r, c.g, c.b});
        QVERIFY(c != kBlack && c != kWhite && c != kRed);
    }
    QCOMPARE(int(palette.size()), kBundleColours);
    LensScene l;
    l.showFront = true;
    l.storeRay(-300, -400);
    l.addObject(-1500, 200);
    l.storeRay(-300, 100);
    l.view.colouredBundles = true;
    RecordingSurface s;
    l.draw(s, kScreenLensStyles, Layer::Bundles);
    std::set<std::tuple<int, int, int>> colours;
    for (const SurfaceOp &op : lines(s.rec))
        colours.insert({op.color.r, op.color.g, op.color.b});
    const Rgb first = BundleColour(0), second = BundleColour(1), green = kScreenLensStyles[kLensFront].color;
    QVERIFY(colours.count({first.r, first.g, first.b}) && colours.count({second.r, second.g, second.b}));
    QVERIFY(colours.count({green.r, green.g, green.b}));
    QVERIFY(!colours.count({0, 0, 0}));
}

void TestScenes::arrowsOnRealLight() {
    // Every case draws its light with the arrows on, each extension too; the light's
    // segments are worked out by hand.
    // Ray path, hit at x = 100 from (0, 500): sin beta = 1.33 * 100 / sqrt(100^2 + 500^2).
    const double sb = 1.33 * 100 / std::hypot(100.0, 500.0), cb = std::sqrt(1 - sb * sb);
    // The plate: incidence at atan(1/2), sin beta = sin(alpha) / 1.6; out parallel to the way in.
    const double pb = (1 / std::sqrt(5.0)) / 1.6, plateDrop = 300 * pb / std::sqrt(1 - pb * pb);
    struct Case {
        const char *name;
        const Style &arrow;
        std::function<void(Surface &, bool)> draw;
        std::vector<Light> light;
    };
    const PageTexts page;
    const std::vector<Case> cases = {
        {"mirror: dotted reflected ray and its extension", kScreenMirrorStyles[kMirrorArrow],
         [](Surface &s, bool on) {
             MirrorScene m;
             m.storeRay(0, 0);
             m.dottedReflected = m.extendReflected = m.drawNormals = true;
             m.view.arrows = on;
             m.draw(s, kScreenMirrorStyles, Layer::Bundles);
         },
         {{-1600, -750, 1600, 750, true}, {0, 0, -1600, 750, false}}},
        {"mirror: printed page", kPrinterMirrorStyles[kMirrorArrow],
         [&page](Surface &s, bool on) {
             MirrorScene m;
             m.storeRay(0, 0);
             m.view.arrows = on;
             m.drawPage(s, page);
         },
         {{-1600, -750, 1600, 750, true}, {0, 0, -1600, 750, false}}},
        {"ray path: partially reflected ray and both extensions", kScreenRayPathStyles[kPathArrow],
         [](Surface &s, bool on) {
             RayPathScene r;
             r.rayCount = 1;
             r.rayHitX[1] = 100;
             r.setRayOptions(true, true, true, true, true);
             r.view.arrows = on;
             r.draw(s, kScreenRayPathStyles, Layer::Bundles);
         },
         {{0, 500, 100, -500, true}, {100, 0, sb, -cb, false}, {100, 0, 100, 500, false}}},
        {"ray path: total reflection", kScreenRayPathStyles[kPathArrow],
         [](Surface &s, bool on) {
             RayPathScene r;
             r.rayCount = 1;
             r.rayHitX[1] = 600; // tan alpha = 1.2: beyond the critical angle of 1.33
             r.setRayOptions(true, true, true, true, false);
             r.view.arrows = on;
             r.draw(s, kScreenRayPathStyles, Layer::Bundles);
         },
         {{0, 500, 600, -500, true}, {600, 0, 600, 500, false}}},
        {"ray path: the dragged ray", kScreenRayPathStyles[kPathArrow],
         [](Surface &s, bool on) {
             RayPathScene r;
             r.aimPreview(50, 250);
             r.view.arrows = on;
             r.draw(s, kScreenRayPathStyles, Layer::Live);
         },
         {{0, 500, 100, -500, true}, {100, 0, sb, -cb, false}}},
        {"lens: through a plate, with its extension", kScreenLensStyles[kLensArrow],
         [](Surface &s, bool on) {
             LensScene l;
             makePlate(l);
             l.storeRay(-300, 0);
             l.extendTransmitted = l.showNormals = true;
             l.view.arrows = on;
             l.draw(s, kScreenLensStyles, Layer::Bundles);
         },
         {{-1600, -650, 1300, 650, true}, {-300, 0, 300, plateDrop, true}, {0, plateDrop, 2, 1, false}}},
        {"lens: every kind, a shared segment gets one arrow", kScreenLensStyles[kLensArrow],
         [](Surface &s, bool on) {
             LensScene l;
             makePlate(l);
             l.storeRay(-300, 0);
             l.showFront = l.showBack = true;
             l.view.arrows = on;
             l.draw(s, kScreenLensStyles, Layer::Bundles);
         },
         // Reflected at x = 0 back to the entry surface and out parallel to the front reflection.
         {{-1600, -650, 1300, 650, true}, {-300, 0, 300, plateDrop, true}, {0, plateDrop, 2, 1, false},
          {-300, 0, -2, 1, false}, {0, plateDrop, -300, plateDrop, true}, {-300, 2 * plateDrop, -2, 1, false}}},
        {"lens: printed page", kPrinterLensStyles[kLensArrow],
         [&page](Surface &s, bool on) {
             LensScene l;
             makePlate(l);
             l.storeRay(-300, 0);
             l.view.arrows = on;
             l.drawPage(s, page);
         },
         {{-1600, -650, 1300, 650, true}, {-300, 0, 300, plateDrop, true}, {0, plateDrop, 2, 1, false}}},
        {"imaging: n = 1, the five rays straight to the eye", kScreenImagingStyles[kImgArrow],
         [](Surface &s, bool on) {
             ImagingScene g;
             g.relIndex = 1;
             g.view.arrows = on;
             g.draw(s, kScreenImagingStyles, Layer::Bundles);
         },
         // O = (0, 500), E = (300, -500): the middle ray meets the interface at 150, the
         // others 5 (O's depth / 100) apart.
         {{0, 500, 140, -500, true}, {0, 500, 145, -500, true}, {0, 500, 150, -500, true},
          {0, 500, 155, -500, true}, {0, 500, 160, -500, true}, {140, 0, 140, -500, false},
          {145, 0, 145, -500, false}, {150, 0, 150, -500, false}, {155, 0, 155, -500, false},
          {160, 0, 160, -500, false}}},
    };
    for (const Case &c : cases) {
        RecordingSurface off, on;
        c.draw(off, false);
        c.draw(on, true);
        int wings = 0;
        QVERIFY2(arrowsDrawn(off, off.rec, c.arrow, wings).empty() && wings == 0, c.name);
        const std::vector<Arrow> arrows = arrowsDrawn(on, on.rec, c.arrow, wings);
        QVERIFY2(wings == 2 * int(arrows.size()), c.name);
        QVERIFY2(arrows.size() == c.light.size(), c.name);
        for (const Light &l : c.light) {
            int found = 0;
            for (const Arrow &a : arrows)
                found += arrowOn(a, l);
            QVERIFY2(found == 1, qPrintable(QString("%1: segment from (%2, %3)").arg(c.name).arg(l.x).arg(l.y)));
        }
    }
}

void TestScenes::lensAngleReadings_data() {
    // The default lens (R2 centred at x = 700, R1 at -1000, radii 1000, n = 1.6) and a ray
    // parallel to the axis at the height y; worked out with Snell's law at both spheres.
    QTest::addColumn<float>("y");
    QTest::addColumn<float>("dragY"); // a ray being dragged at this height (0: none)
    QTest::addColumn<bool>("printed");
    QTest::addColumn<QStringList>("readings");
    const QStringList at300{"α = 17,5°", "β = 10,8°", "α = 22,6°", "β = 38,0°"};
    const QStringList at480{"α = 28,7°", "β = 17,5°", "α = 39,1°", "Totalreflexion"};
    QTest::newRow("both surfaces") << -300.f << 0.f << false << at300;
    QTest::newRow("total reflection at the second surface") << -480.f << 0.f << false << at480;
    QTest::newRow("while dragging, only the dragged ray's") << -300.f << -480.f << false << at480;
    QTest::newRow("on the printed page") << -480.f << 0.f << true << at480;
}

void TestScenes::lensAngleReadings() {
    QFETCH(float, y);
    QFETCH(float, dragY);
    QFETCH(bool, printed);
    QFETCH(QStringList, readings);
    SetDecimalSeparator(',');
    LensScene l;
    l.setCurrent(-1600, y);
    l.storeRay(-200, y);
    l.view.angles = true;
    if (dragY != 0) {
        l.setCurrent(-1600, dragY);
        l.aimTrial(-200, dragY);
    }
    RecordingSurface s;
    if (printed)
        l.drawPage(s, PageTexts{});
    else
        l.draw(s, kScreenLensStyles, kFullRedraw | Layer::Live);
    SetDecimalSeparator('.');
    QCOMPARE(anglesWritten(s.rec), readings);
    // Off, nothing is written.
    l.view.angles = false;
    RecordingSurface none;
    l.draw(none, kScreenLensStyles, kFullRedraw | Layer::Live);
    QVERIFY(anglesWritten(none.rec).isEmpty());
}

int runSceneTests(int argc, char **argv) {
    TestScenes t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_scenes.moc"

