// Number rules, the reflection and refraction optics with their worked examples, and the
// angles of the angle graph.
#include "core/AngleGraph.h"
#include "core/NumRules.h"
#include "core/View.h"
#include "mirror/MirrorOptics.h"
#include "refraction/RefractionOptics.h"

#include <QtTest>
#include <cmath>

using namespace varelo;

class TestCore : public QObject {
    Q_OBJECT
private slots:
    void viewsTheZoomCanGive_data();
    void viewsTheZoomCanGive();
    void intRoundsDown_data();
    void intRoundsDown();
    void cintTiesToEven_data();
    void cintTiesToEven();
    void numText_data();
    void numText();
    void numTextGermanSeparator();
    void traceRay_data();
    void traceRay();
    void reflectedDirectionAndLength();
    void normalsPassThroughCentre();
    void apertureAngle_data();
    void apertureAngle();
    void refractionWorkedExample();
    void refractionCases_data();
    void refractionCases();
    void previewHitPoint_data();
    void previewHitPoint();
    void diagramAngles();
};

void TestCore::intRoundsDown_data() {
    QTest::addColumn<double>("v");
    QTest::addColumn<double>("expected");
    QTest::newRow("positive") << 2.7 << 2.0;
    QTest::newRow("negative") << -2.2 << -3.0;
    QTest::newRow("display of -1600") << -1600 / 10.0 + 0.5 << -160.0;
    QTest::newRow("display of 750 negated") << 750 / 10.0 + 0.5 << 75.0;
    QTest::newRow("exact") << -3.0 << -3.0;
}

void TestCore::intRoundsDown() {
    QFETCH(double, v);
    QFETCH(double, expected);
    QCOMPARE(Int(v), expected);
}

void TestCore::cintTiesToEven_data() {
    QTest::addColumn<double>("v");
    QTest::addColumn<int>("expected");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("-3.5") << -3.5 << -4;
    QTest::newRow("2.6") << 2.6 << 3;
    QTest::newRow("7200") << 7200.0 << 7200;
    QTest::newRow("far too large") << 1e12 << 2147483647;
}

void TestCore::cintTiesToEven() {
    QFETCH(double, v);
    QFETCH(int, expected);
    QCOMPARE(CInt(v), expected);
}

void TestCore::numText_data() {
    QTest::addColumn<double>("v");
    QTest::addColumn<bool>("single");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << true << "0";
    QTest::newRow("negative integer") << -160.0 << true << "-160";
    QTest::newRow("no leading blank") << 75.0 << true << "75";
    QTest::newRow("single 0.1") << 0.1 << true << "0.1";
    QTest::newRow("single third") << 1.0 / 3 << true << "0.3333333";
    QTest::newRow("double third") << 1.0 / 3 << false << "0.333333333333333";
    QTest::newRow("single 1.33") << 1.33 << true << "1.33";
    QTest::newRow("single radius") << 12000.0 / 36 << true << "333.3333";
    QTest::newRow("large") << 30000.0 << true << "30000";
    QTest::newRow("huge") << 1e20 << true << "1E+20";
    QTest::newRow("small") << 0.00125 << true << "0.00125";
    QTest::newRow("double 2^-20") << std::ldexp(1.0, -20) << false << "0.00000095367431640625";
}

void TestCore::numText() {
    QFETCH(double, v);
    QFETCH(bool, single);
    QFETCH(QString, expected);
    const std::string text = single ? NumText(static_cast<float>(v)) : NumText(v);
    QCOMPARE(QString::fromStdString(text), expected);
    // Reads back as the same value.
    if (single)
        QCOMPARE(static_cast<float>(std::stod(text)), static_cast<float>(v));
}

void TestCore::numTextGermanSeparator() {
    SetDecimalSeparator(',');
    QCOMPARE(QString::fromStdString(NumText(1.33f)), QStringLiteral("1,33"));
    QCOMPARE(QString::fromStdString(NumText(-0.5)), QStringLiteral("-0,5"));
    QCOMPARE(QString::fromStdString(NumText(120.0f)), QStringLiteral("120"));
    SetDecimalSeparator('.');
    QCOMPARE(QString::fromStdString(NumText(1.33f)), QStringLiteral("1.33"));
}

void TestCore::traceRay_data() {
    QTest::addColumn<int>("curvature");
    QTest::addColumn<float>("radius");
    QTest::addColumn<float>("h");
    QTest::addColumn<QPointF>("P");
    QTest::addColumn<QPointF>("Q");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QPointF>("S");
    QTest::newRow("plane, through vertex") << 0 << 1200.f << 600.f << QPointF(-1600, -750)
                                           << QPointF(0, 0) << int(TraceOutcome::Reflected) << QPointF(0, 0);
    QTest::newRow("plane, Q behind P is the same line")
        << 0 << 1200.f << 600.f << QPointF(-1600, -750) << QPointF(-3200, -1500)
        << int(TraceOutcome::Reflected) << QPointF(0, 0);
    QTest::newRow("plane, beyond opening") << 0 << 1200.f << 600.f << QPointF(-1600, -750)
                                           << QPointF(0, 700) << int(TraceOutcome::OutsideOpening)
                                           << QPointF(0, 700);
    QTest::newRow("concave, back along axis") << -12 << -1000.f << 600.f << QPointF(-1600, 0)
                                              << QPointF(-800, 0) << int(TraceOutcome::Reflected)
                                              << QPointF(0, 0);
    QTest::newRow("convex, on axis") << 12 << 1000.f << 600.f << QPointF(-1600, 0)
                                     << QPointF(-800, 0) << int(TraceOutcome::Reflected) << QPointF(0, 0);
    QTest::newRow("steep ray misses sphere") << -36 << -333.333f << 330.f << QPointF(-1000, -900)
                                             << QPointF(-990, 900) << int(TraceOutcome::NoHit)
                                             << QPointF(0, 0);
    QTest::newRow("vertical line") << 0 << 1200.f << 600.f << QPointF(-500, -750) << QPointF(-500, 0)
                                   << int(TraceOutcome::NoHit) << QPointF(0, 0);
}

void TestCore::traceRay() {
    QFETCH(int, curvature);
    QFETCH(float, radius);
    QFETCH(float, h);
    QFETCH(QPointF, P);
    QFETCH(QPointF, Q);
    QFETCH(int, outcome);
    QFETCH(QPointF, S);
    MirrorParams m{static_cast<int16_t>(curvature), radius, h};
    const RayTrace t = TraceRay(m, P.x(), P.y(), Q.x(), Q.y(), 4000);
    QCOMPARE(int(t.outcome), outcome);
    if (t.outcome != TraceOutcome::NoHit) {
        QVERIFY(std::fabs(t.hitX - S.x()) < 1e-3);
        QVERIFY(std::fabs(t.hitY - S.y()) < 1e-3);
    }
}

void TestCore::reflectedDirectionAndLength() {
    const double pi = 4 * std::atan(1.0);
    // Plane mirror: slope 0.46875, reflected towards the lower left.
    RayTrace t = TraceRay(MirrorParams{}, -1600, -750, 0, 0, 4000);
    QVERIFY(std::fabs(t.phi - (pi - std::atan(0.46875))) < 1e-5);
    QVERIFY(t.endX < 0 && t.endY > 0);
    QVERIFY(std::fabs(std::hypot(t.endX - t.hitX, t.endY - t.hitY) - 4000) < 0.5);
    QVERIFY(std::fabs(t.backX + t.endX) < 0.5 && std::fabs(t.backY + t.endY) < 0.5);
    // Concave r = -1000: straight back along the axis.
    t = TraceRay(MirrorParams{-12, -1000, 600}, -1600, 0, -800, 0, 4000);
    QVERIFY(std::fabs(t.phi - pi) < 1e-6);
    QVERIFY(std::fabs(t.endX + 4000) < 0.5);
    // Concave: a ray parallel to the axis near it passes close to the focus r/2.
    t = TraceRay(MirrorParams{-12, -1000, 600}, -1600, -50, -800, -50, 4000);
    const double yAtFocus = t.hitY + (-500 - t.hitX) * std::tan(t.phi);
    QVERIFY(std::fabs(yAtFocus) < 5);
    // The angle of incidence equals the angle of reflection about the normal.
    t = TraceRay(MirrorParams{-20, -600, 594}, -1500, -400, -300, 100, 4000);
    QCOMPARE(int(t.outcome), int(TraceOutcome::Reflected));
    const double nx = t.hitX - (-600), ny = t.hitY; // normal direction
    const double ix = t.hitX - (-1500), iy = t.hitY - (-400);
    const double rx = std::cos(t.phi), ry = std::sin(t.phi);
    const double cosIn = -(ix * nx + iy * ny) / std::hypot(ix, iy) / std::hypot(nx, ny);
    const double cosOut = (rx * nx + ry * ny) / std::hypot(nx, ny);
    QVERIFY(std::fabs(std::fabs(cosIn) - std::fabs(cosOut)) < 1e-5);
}

void TestCore::normalsPassThroughCentre() {
    for (int c : {-30, -12, 8, 25}) {
        const float r = 12000.0f / c;
        MirrorParams m{static_cast<int16_t>(c), r, 0.99f * std::fabs(r)};
        for (float y : {-300.f, -50.f, 120.f}) {
            const RayTrace t = TraceRay(m, -1800, y * 2, -200, y, 4000);
            QCOMPARE(int(t.outcome), int(TraceOutcome::Reflected));
            const Segment n = MirrorNormal(m, t.hitX, t.hitY);
            QVERIFY(std::fabs(std::hypot(n.x2 - n.x1, n.y2 - n.y1) - 200) < 0.01);
            // The centre (r, 0) lies on the line of the normal.
            const double cross = (n.x2 - n.x1) * (0 - n.y1) - (n.y2 - n.y1) * (r - n.x1);
            QVERIFY2(std::fabs(cross) / 200 < 0.05, qPrintable(QString::number(cross)));
        }
    }
    const Segment plane = MirrorNormal(MirrorParams{}, 0, 123);
    QCOMPARE(plane.x1, -100.f);
    QCOMPARE(plane.x2, 100.f);
    QCOMPARE(plane.y1, 123.f);
}

void TestCore::apertureAngle_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<float>("h");
    QTest::addColumn<double>("expected");
    const double pi = 4 * std::atan(1.0);
    QTest::newRow("plane start values") << 1200.f << 600.f << pi / 6;
    QTest::newRow("steepest concave") << -333.3333f << 330.f
                                      << std::atan(1 / std::sqrt(std::pow(333.3333 / 330, 2) - 1));
    QTest::newRow("half circle") << 600.f << 600.f << pi / 2;
}

void TestCore::apertureAngle() {
    QFETCH(float, r);
    QFETCH(float, h);
    QFETCH(double, expected);
    const float pi = static_cast<float>(4 * std::atan(1.0));
    const float a = ComputeApertureAngle(r, h, pi);
    QVERIFY2(std::fabs(a - expected) < 1e-4, qPrintable(QString::number(a)));
    QVERIFY(a <= pi / 2);
}

namespace {
double deg(double rad) { return rad * 180 / M_PI; }
} // namespace

void TestCore::refractionWorkedExample() {
    // P = (0, 500) in the lower medium, n = 1.33, hit point x = 100.
    const RefractionTrace t = TraceRefraction(0, 500, 100, IndexRatio(1.33f, 500));
    QVERIFY(std::fabs(t.slope + 5) < 1e-5);
    QVERIFY(std::fabs(deg(t.alpha) - 11.31) < 0.01);
    QVERIFY(std::fabs(t.sinBeta - 0.2608) < 1e-4);
    QVERIFY(t.refracted);
    QVERIFY(std::fabs(deg(t.beta) - 15.12) < 0.01);
    QVERIFY(std::fabs(deg(t.phi) - 74.88) < 0.01);
    QVERIFY(std::fabs(t.refrEndX - 621) < 1 && std::fabs(t.refrEndY + 1931) < 1);
    QVERIFY(std::fabs(t.reflEndX - 492) < 1 && std::fabs(t.reflEndY - 1961) < 1);
    // The backward extensions point the other way.
    QVERIFY(std::fabs(t.refrBackX - (200 - t.refrEndX)) < 0.01 && std::fabs(t.refrBackY + t.refrEndY) < 0.01);
}

void TestCore::refractionCases_data() {
    QTest::addColumn<float>("n");
    QTest::addColumn<QPointF>("P");
    QTest::addColumn<float>("hitX");
    QTest::addColumn<bool>("refracted");
    QTest::addColumn<int>("refrSide");  // sign of the refracted ray's end y (0: none)
    QTest::addColumn<int>("reflSide");  // sign of the reflected ray's end y
    // Critical angle at n = 1.33: asin(1/1.33) = 48.75 degrees; P = (0, 500).
    const double below = 500 * std::tan(48.70 * M_PI / 180), above = 500 * std::tan(48.80 * M_PI / 180);
    QTest::newRow("just below the critical angle") << 1.33f << QPointF(0, 500) << float(below) << true << -1 << 1;
    QTest::newRow("just above: total reflection") << 1.33f << QPointF(0, 500) << float(above) << false << 0 << 1;
    QTest::newRow("P above: never total") << 1.33f << QPointF(0, -500) << 1900.f << true << 1 << -1;
    QTest::newRow("P above, mirrored") << 1.33f << QPointF(0, -500) << -300.f << true << 1 << -1;
    QTest::newRow("n below one, P above, total") << 0.5f << QPointF(0, -500) << 600.f << false << 0 << -1;
    QTest::newRow("perpendicular from below") << 1.33f << QPointF(250, 500) << 250.f << true << -1 << 1;
    QTest::newRow("perpendicular from above") << 1.33f << QPointF(250, -500) << 250.f << true << 1 << -1;
}

void TestCore::refractionCases() {
    QFETCH(float, n);
    QFETCH(QPointF, P);
    QFETCH(float, hitX);
    QFETCH(bool, refracted);
    QFETCH(int, refrSide);
    QFETCH(int, reflSide);
    const RefractionTrace t = TraceRefraction(P.x(), P.y(), hitX, IndexRatio(n, P.y()));
    QCOMPARE(t.refracted, refracted);
    if (refracted)
        QCOMPARE(t.refrEndY > 0 ? 1 : -1, refrSide);
    QCOMPARE(t.reflEndY > 0 ? 1 : -1, reflSide);
    // Snell's law holds and the reflected ray mirrors the incident one about the normal.
    if (refracted) {
        const double sinIn = std::sin(t.alpha), sinOut = std::fabs(std::cos(t.phi));
        QVERIFY(std::fabs(IndexRatio(n, P.y()) * sinIn - sinOut) < 1e-5);
    }
    const double inX = hitX - P.x(), inY = -P.y();
    const double len = std::hypot(inX, inY);
    QVERIFY(std::fabs((t.reflEndX - hitX) / 2000 - inX / len) < 1e-4);
    QVERIFY(std::fabs(t.reflEndY / 2000 + inY / len) < 1e-4);
}

void TestCore::previewHitPoint_data() {
    QTest::addColumn<QPointF>("mouse");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<float>("hitX");
    QTest::newRow("towards the interface") << QPointF(50, 250) << true << 100.f;
    QTest::newRow("behind P, same line") << QPointF(-50, 750) << true << 100.f;
    QTest::newRow("level with P") << QPointF(300, 500) << false << 0.f;
    QTest::newRow("straight above") << QPointF(0, 100) << false << 0.f;
    QTest::newRow("hit beyond 2000") << QPointF(1000, 499) << false << 0.f;
}

void TestCore::previewHitPoint() {
    QFETCH(QPointF, mouse);
    QFETCH(bool, ok);
    QFETCH(float, hitX);
    float h = -1;
    QCOMPARE(PreviewHitPoint(0, 500, mouse.x(), mouse.y(), h), ok);
    if (ok)
        QVERIFY(std::fabs(h - hitX) < 1e-3);
    else
        QCOMPARE(h, -1.f);
}

void TestCore::diagramAngles() {
    float b = 0, a = 0;
    QVERIFY(RefractionAngleDeg(30, 1.33f, b));
    QVERIFY(std::fabs(b - deg(std::asin(0.5 / 1.33))) < 1e-4);
    QVERIFY(IncidenceAngleDeg(b, 1.33f, a));
    QVERIFY(std::fabs(a - 30) < 1e-3);
    // n = 0.5: the curve ends at the critical angle of 30 degrees.
    QVERIFY(RefractionAngleDeg(29.5f, 0.5f, b));
    QVERIFY(!RefractionAngleDeg(30.5f, 0.5f, b));
    QVERIFY(!IncidenceAngleDeg(60, 1.33f, a));
}

void TestCore::viewsTheZoomCanGive_data() {
    QTest::addColumn<float>("zoomFactor");
    QTest::addColumn<float>("panX");
    QTest::addColumn<float>("panY");
    QTest::addColumn<bool>("reachable");
    QTest::newRow("100 %") << 1.0f << 6000.f << -3000.f << true;
    // A few units beyond: the ends another way of zooming may give.
    QTest::newRow("100 %, at the slack") << 1.0f << 6010.f << 0.f << true;
    QTest::newRow("100 %, beyond the bar") << 1.0f << 6100.f << 0.f << false;
    // One step in: 125 %, the bars shrink to ±5000 and ±2500.
    QTest::newRow("125 %") << 1.25f << -5000.f << 2500.f << true;
    QTest::newRow("125 %, beyond the bar") << 1.25f << 0.f << 2600.f << false;
    // One step out: 80 %, the bars grow to ±7200 and ±3600.
    QTest::newRow("80 %") << 0.8f << 7200.f << 3600.f << true;
    QTest::newRow("eight steps in") << float(std::pow(1.25, 8)) << 0.f << 0.f << true;
    QTest::newRow("nine steps in") << float(std::pow(1.25, 9)) << 0.f << 0.f << false;
    QTest::newRow("nine steps out") << float(std::pow(1.25, -9)) << 0.f << 0.f << true;
    QTest::newRow("ten steps out") << float(std::pow(1.25, -10)) << 0.f << 0.f << false;
    QTest::newRow("between two steps") << 1.1f << 0.f << 0.f << false;
    QTest::newRow("no zoom") << 0.0f << 0.f << 0.f << false;
    QTest::newRow("half a pan step") << 1.0f << 0.5f << 0.f << false;
}

void TestCore::viewsTheZoomCanGive() {
    QFETCH(float, zoomFactor);
    QFETCH(float, panX);
    QFETCH(float, panY);
    QFETCH(bool, reachable);
    QCOMPARE(ViewReachable(zoomFactor, panX, panY), reachable);
}

int runSceneTests(int argc, char **argv);
int runControllerTests(int argc, char **argv);
int runLensControllerTests(int argc, char **argv);
int runRefractionControllerTests(int argc, char **argv);

int main(int argc, char **argv) {
    TestCore core;
    const int failed = QTest::qExec(&core, argc, argv);
    return failed | runSceneTests(argc, argv) | runControllerTests(argc, argv) |
           runLensControllerTests(argc, argv) | runRefractionControllerTests(argc, argv);
}
#include "tst_core.moc"
