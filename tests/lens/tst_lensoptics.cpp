// The lens model and the tracing through it, with numbers worked out here from the
// geometry of the two spheres and Snell's law.
#include "lens/LensOptics.h"
#include "lens/LensScene.h"

#include <QtTest>
#include <cmath>

using namespace varelo;

namespace {
LensParams lensOf(int k1, int k2, float semiDiameter, float thickness, float n = 1.6f) {
    LensParams p;
    p.k1 = static_cast<int16_t>(k1);
    p.k2 = static_cast<int16_t>(k2);
    if (k1)
        p.r1 = 12000.0f / k1;
    if (k2)
        p.r2 = 12000.0f / k2;
    p.semiDiameter = semiDiameter;
    p.thickness = thickness;
    p.refrIndex = n;
    return p;
}
double deg(double a) { return a * 180 / 3.14159265358979323846; }
} // namespace

class TestLensOptics : public QObject {
    Q_OBJECT
private slots:
    void diameterLimit_data();
    void diameterLimit();
    void sphereAndPlate();
    void focalLength();
    void thickLensBackFocus();
    void cardinalPoints_data();
    void cardinalPoints();
    void paraxialImage_data();
    void paraxialImage();
    void equalIndexGoesStraight();
    void plateShiftsParallel();
    void steepRayBelowIndexOneIsRefused();
    void leavingThroughTheEdge();
    void totalReflectionAtTheBackSurface();
    void rimIsInclusive();
    void aimLeftOfPIsTheSameLine();
};

void TestLensOptics::diameterLimit_data() {
    QTest::addColumn<int>("k1");
    QTest::addColumn<int>("k2");
    QTest::addColumn<float>("semiDiameter");
    QTest::addColumn<float>("thickness");
    QTest::addColumn<float>("r1");
    QTest::addColumn<float>("expected");
    // |r1| = 12000 / 36 = 333.3 < 500: the radius is rounded down, the aperture follows it.
    QTest::newRow("k1 = 36") << 36 << 12 << 500.f << 300.f << 333.f << 333.f;
    QTest::newRow("k1 = -36, thick") << -36 << 12 << 500.f << 1000.f << -334.f << 334.f;
    // At 300 thick the rims then cross (-334 against 700 - sqrt(1000^2 - 334^2) = -242.6)
    // and the aperture shrinks on: at 319, -334 + sqrt(334^2 - 319^2) = -235.0 lies right
    // of 700 - sqrt(1000^2 - 319^2) = -247.8.
    QTest::newRow("k1 = -36, 300 thick") << -36 << 12 << 500.f << 300.f << -334.f << 319.f;
    // r = 1000 on both sides, 100 thick: the sagitta may be at most 50, so
    // sd^2 <= 1000^2 - 950^2 = 97500, sd <= 312.2; in steps of 5 from 500 that is 310.
    QTest::newRow("thin biconvex shrinks") << -12 << 12 << 500.f << 100.f << -1000.f << 310.f;
    QTest::newRow("consistent lens unchanged") << -12 << 12 << 500.f << 300.f << -1000.f << 500.f;
    // One curved surface of r = 1000 against the plane, 10 thick: sagitta <= 10 gives
    // sd^2 <= 1000^2 - 990^2 = 19900, sd <= 141.1 -> 140.
    QTest::newRow("plano-convex, curved left") << 0 << 12 << 500.f << 10.f << -1000.f << 140.f;
    QTest::newRow("plano-convex, curved right") << -12 << 0 << 500.f << 10.f << -1000.f << 140.f;
    // A crossing that persists to the smallest aperture ends at 10, never below.
    QTest::newRow("never below 10") << -36 << 36 << 12.f << 0.1f << -333.3333f << 10.f;
}

void TestLensOptics::diameterLimit() {
    QFETCH(int, k1);
    QFETCH(int, k2);
    QFETCH(float, semiDiameter);
    QFETCH(float, thickness);
    QFETCH(float, r1);
    QFETCH(float, expected);
    LensParams p = lensOf(k1, k2, semiDiameter, thickness);
    EnforceDiameterLimit(p);
    QCOMPARE(p.semiDiameter, expected);
    QVERIFY(std::fabs(p.r1 - r1) < 1e-3);
    if (expected > 10 && k1 && k2)
        QVERIFY(RimX1(p) >= RimX2(p));
}

void TestLensOptics::sphereAndPlate() {
    // The sphere: both rims at x = -500, both arcs half circles.
    LensParams sphere = lensOf(-24, 24, 500, 1000);
    QCOMPARE(RimX1(sphere), -500.f);
    QCOMPARE(RimX2(sphere), -500.f);
    float a1 = 0, a2 = 0;
    ComputeArcAngles(sphere, a1, a2);
    QCOMPARE(a1, float(3.14159265358979323846 / 2));
    QCOMPARE(a2, a1);
    // k1 = -12, sd 500: asin(500 / 1000) = 30 degrees.
    ComputeArcAngles(lensOf(-12, 12, 500, 300), a1, a2);
    QVERIFY(std::fabs(deg(a1) - 30) < 1e-4);
    // The plate: its faces are the rims.
    LensParams plate = lensOf(0, 0, 500, 500);
    QCOMPARE(RimX1(plate), 0.f);
    QCOMPARE(RimX2(plate), -500.f);
}

void TestLensOptics::focalLength() {
    float f = 0;
    // 1/f = 0.6 (1/1000 + 1/1000): f = 833.3.
    QVERIFY(ThinLensFocalLength(lensOf(-12, 12, 500, 300), f));
    QVERIFY(std::fabs(f - 833.333f) < 0.01f);
    // Biconcave, r = 1200 on both sides: 1/f = 0.6 (-1/1200 - 1/1200), f = -1000.
    QVERIFY(ThinLensFocalLength(lensOf(10, -10, 500, 70), f));
    QVERIFY(std::fabs(f + 1000.f) < 0.01f);
    QVERIFY(!ThinLensFocalLength(lensOf(0, 0, 500, 500), f));
    QVERIFY(!ThinLensFocalLength(lensOf(-12, 12, 500, 300, 1.0f), f));
    QVERIFY(!ThinLensFocalLength(lensOf(10, 10, 500, 300), f));
}

void TestLensOptics::thickLensBackFocus() {
    // Biconvex r = 1000, 300 thick, n = 1.6: 1/f = 0.6 (2/1000 - 0.6 * 300 / (1.6 * 1000^2)),
    // f = 883.0; the back focal distance f (1 - 0.6 * 300 / (1.6 * 1000)) = 783.7 from R1.
    const LensParams p = lensOf(-12, 12, 500, 300);
    const LensRay t = TraceLensRay(p, LensRayKind::Transmitted, -20000, 10, -10000, 10, 4000);
    QVERIFY(t.drawn);
    const double slope = (t.y[3] - t.y[2]) / double(t.x[3] - t.x[2]);
    const double crossing = t.x[2] - t.y[2] / slope;
    QVERIFY2(std::fabs(crossing - 783.7) < 1, qPrintable(QString::number(crossing)));
}

void TestLensOptics::cardinalPoints_data() {
    QTest::addColumn<int>("k1");
    QTest::addColumn<int>("k2");
    QTest::addColumn<float>("thickness");
    QTest::addColumn<bool>("focal");
    QTest::addColumn<QList<double>>("expected"); // f, H, H', F, F'
    // 1/f = 0.6 (2/1000 - 0.6 * 300 / (1.6 * 1000^2)): f = 883.0; H lies
    // f * 0.6 * 300 / 1600 = 99.3 right of the left vertex (-300), H' as far left of 0.
    QTest::newRow("initial biconvex") << -12 << 12 << 300.f << true
                                      << QList<double>{883.0, -200.7, -99.3, -1083.7, 783.7};
    // Plano-convex, the curved side to the light: f = 1000 / 0.6; H on the curved vertex,
    // H' 300 / 1.6 = 187.5 inside the plane side.
    QTest::newRow("plano-convex") << 0 << 12 << 300.f << true
                                  << QList<double>{1666.7, -300.0, -187.5, -1966.7, 1479.2};
    QTest::newRow("plane plate") << 0 << 0 << 300.f << false << QList<double>{};
    // A meniscus of equal radii 1000 thick still converges, by its thickness alone:
    // 1/f = 0.6 * 0.6 * 1000 / (1.6 * 1000^2), f = 4444.4; both principal planes lie
    // f * 0.6 * 1000 / 1600 = 1666.7 left of their vertices.
    QTest::newRow("thick meniscus") << 12 << 12 << 1000.f << true
                                    << QList<double>{4444.4, -2666.7, -1666.7, -7111.1, 2777.8};
}

void TestLensOptics::cardinalPoints() {
    QFETCH(int, k1);
    QFETCH(int, k2);
    QFETCH(float, thickness);
    QFETCH(bool, focal);
    QFETCH(QList<double>, expected);
    LensCardinals c;
    QCOMPARE(ThickLensCardinals(lensOf(k1, k2, 100, thickness), c), focal);
    if (!focal)
        return;
    const double got[] = {c.f, c.xH, c.xH2, c.xF, c.xF2};
    for (int i = 0; i < 5; ++i)
        QVERIFY2(std::fabs(got[i] - expected[i]) < 0.1, qPrintable(QString("%1: %2").arg(i).arg(got[i])));
}

void TestLensOptics::paraxialImage_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("finite");
    QTest::addColumn<double>("imageX");
    QTest::addColumn<double>("imageY");
    // The initial lens (f = 883.0, H at -200.7, H' at -99.3): g = 1399.3 gives
    // b = g f / (g - f) = 2393.1, the image at -99.3 + b, scaled by -b / g.
    QTest::newRow("initial object point") << -1600.0 << -650.0 << true << 2293.7 << 1111.6;
    QTest::newRow("near the axis") << -1800.0 << -100.0 << true << 1872.1 << 123.3;
    // Inside the focal length (g = 499.3): a virtual, upright image on the object's side,
    // b = 499.3 * 883.0 / (499.3 - 883.0) = -1149.0, magnified 1149.0 / 499.3.
    QTest::newRow("inside f") << -700.0 << 100.0 << true << -1248.3 << 230.1;
    QTest::newRow("in the focal plane") << -1083.7 << 50.0 << false << 0.0 << 0.0;
}

void TestLensOptics::paraxialImage() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(bool, finite);
    QFETCH(double, imageX);
    QFETCH(double, imageY);
    const LensParams p = lensOf(-12, 12, 500, 300);
    LensCardinals c;
    QVERIFY(ThickLensCardinals(p, c));
    // The focal plane exactly where this lens puts it.
    if (!finite)
        x = c.xF;
    double ix = 0, iy = 0;
    QCOMPARE(ParaxialLensImage(p, x, y, ix, iy), finite);
    if (finite)
        QVERIFY2(std::fabs(ix - imageX) < 0.3 && std::fabs(iy - imageY) < 0.3, qPrintable(QString("%1 %2").arg(ix).arg(iy)));
}

void TestLensOptics::equalIndexGoesStraight() {
    const LensParams p = lensOf(-12, 12, 500, 300, 1.0f);
    const LensRay t = TraceLensRay(p, LensRayKind::Transmitted, -1600, -650, -300, -200, 4000);
    QVERIFY(t.drawn);
    const double slope = (-650.0 + 200) / (-1600.0 + 300);
    QVERIFY(std::fabs((t.y[3] - t.y[2]) / (t.x[3] - t.x[2]) - slope) < 1e-4);
    QVERIFY(std::fabs(std::hypot(t.x[3] - t.x[2], t.y[3] - t.y[2]) - 4000) < 0.5);
    // The reflections are still there.
    QVERIFY(TraceLensRay(p, LensRayKind::FrontReflected, -1600, -650, -300, -200, 4000).drawn);
    QVERIFY(TraceLensRay(p, LensRayKind::BackReflected, -1600, -650, -300, -200, 4000).drawn);
}

void TestLensOptics::plateShiftsParallel() {
    // Plate 500 thick, ray of slope 0.25 entering at (-500, -100).
    const LensParams p = lensOf(0, 0, 500, 500);
    const LensRay t = TraceLensRay(p, LensRayKind::Transmitted, -1300, -300, -500, -100, 4000);
    QVERIFY(t.drawn);
    const double theta = std::atan(0.25), beta = std::asin(std::sin(theta) / 1.6);
    QCOMPARE(t.x[1], -500.f);
    QVERIFY(std::fabs(t.y[1] + 100) < 1e-3);
    QCOMPARE(t.x[2], 0.f);
    QVERIFY(std::fabs(t.y[2] - (-100 + 500 * std::tan(beta))) < 1e-2);
    QVERIFY(std::fabs((t.y[3] - t.y[2]) / (t.x[3] - t.x[2]) - 0.25) < 1e-5);
    // Horizontal normals of length 200 on both faces.
    QCOMPARE(t.normalCount, 2);
    QCOMPARE(t.normals[0].x1, -600.f);
    QCOMPARE(t.normals[0].x2, -400.f);
    QCOMPARE(t.normals[0].y1, t.normals[0].y2);
    QCOMPARE(t.normals[1].x1, -100.f);
    QCOMPARE(t.normals[1].x2, 100.f);
}

void TestLensOptics::steepRayBelowIndexOneIsRefused() {
    // n = 0.5 on the plate: beyond 30 degrees of incidence nothing enters the glass.
    const LensParams p = lensOf(0, 0, 500, 500, 0.5f);
    QVERIFY(!TraceLensRay(p, LensRayKind::Transmitted, -1500, -600, -500, 200, 4000).drawn);  // 38.7 degrees
    QVERIFY(!TraceLensRay(p, LensRayKind::BackReflected, -1500, -600, -500, 200, 4000).drawn);
    QVERIFY(TraceLensRay(p, LensRayKind::FrontReflected, -1500, -600, -500, 200, 4000).drawn);
    QVERIFY(TraceLensRay(p, LensRayKind::Transmitted, -1500, -400, -500, -200, 4000).drawn); // 11.3 degrees
}

void TestLensOptics::leavingThroughTheEdge() {
    // Plate, 45 degrees upwards entering at y = -400: inside tan(asin(sin 45 / 1.6)) = 0.492,
    // so it would leave the back face at y = -646, beyond the mount at 500.
    const LensParams p = lensOf(0, 0, 500, 500);
    QVERIFY(!TraceLensRay(p, LensRayKind::Transmitted, -1000, 100, -500, -400, 4000).drawn);
    QVERIFY(!TraceLensRay(p, LensRayKind::BackReflected, -1000, 100, -500, -400, 4000).drawn);
    const LensRay front = TraceLensRay(p, LensRayKind::FrontReflected, -1000, 100, -500, -400, 4000);
    QVERIFY(front.drawn);
    // Mirrored at the vertical face: slope -1 becomes +1, going left and up.
    QVERIFY(front.x[2] < -500 && front.y[2] < -400);
    QVERIFY(std::fabs((front.y[2] + 400) / (front.x[2] + 500) - 1) < 1e-4);
}

void TestLensOptics::totalReflectionAtTheBackSurface() {
    // r1 = -333.3, r2 = 500, 300 thick, aperture 300: a ray parallel to the axis at
    // y = -200 meets R1 beyond the critical angle asin(1 / 1.6) = 38.7 degrees; reflected
    // inside, it comes back to R2 at (-216.45, 276.71) and leaves (worked out separately).
    LensParams p = lensOf(-36, 24, 300, 300);
    EnforceDiameterLimit(p);
    QCOMPARE(p.semiDiameter, 300.f);
    QVERIFY(!TraceLensRay(p, LensRayKind::Transmitted, -1600, -200, -500, -200, 4000).drawn);
    const LensRay back = TraceLensRay(p, LensRayKind::BackReflected, -1600, -200, -500, -200, 4000);
    QVERIFY(back.drawn);
    QCOMPARE(back.pointCount, 5);
    QCOMPARE(back.blackPoints, 3);
    QVERIFY(std::fabs(back.x[3] + 216.45f) < 0.05f && std::fabs(back.y[3] - 276.71f) < 0.05f);
    // Out through R2, bent away from the normal: 4000 further at (517.53, 4208.79).
    QVERIFY(std::fabs(back.x[4] - 517.53f) < 0.5f && std::fabs(back.y[4] - 4208.79f) < 0.5f);
    QCOMPARE(back.normalCount, 3);
}

void TestLensOptics::rimIsInclusive() {
    const LensParams sphere = lensOf(-24, 24, 500, 1000);
    const LensPoint e = IntersectLeftSurface(sphere, 0, -500);
    QVERIFY(e.met && e.inside);
    QCOMPARE(e.x, -500.f);
    QVERIFY(!IntersectLeftSurface(sphere, 0, -500.5).met);
    // A convex face is met on its left half, a concave one on its right half.
    const LensParams concave = lensOf(10, -10, 500, 70);
    const LensPoint c = IntersectLeftSurface(concave, 0, -300);
    QVERIFY(std::fabs(c.x - float(-1270 + std::sqrt(1200.0 * 1200 - 300 * 300))) < 1e-2);
}

void TestLensOptics::aimLeftOfPIsTheSameLine() {
    const LensParams p = lensOf(-12, 12, 500, 300);
    const LensRay right = TraceLensRay(p, LensRayKind::Transmitted, -1600, -650, -1000, -400, 4000);
    const LensRay left = TraceLensRay(p, LensRayKind::Transmitted, -1600, -650, -2200, -900, 4000);
    QVERIFY(right.drawn && left.drawn);
    for (int i = 1; i < 4; ++i) {
        QVERIFY(std::fabs(right.x[i] - left.x[i]) < 1e-2);
        QVERIFY(std::fabs(right.y[i] - left.y[i]) < 1e-2);
    }
    float x = 0, y = 0;
    QVERIFY(!LensEntryPoint(p, -1600, -650, -1600, 0, x, y)); // vertical
    QVERIFY(LensEntryPoint(p, -1600, -650, -300, -800, x, y)); // beyond the rim, still met
    QVERIFY(std::fabs(y) > 500);
}

int runLensOpticsTests(int argc, char **argv) {
    TestLensOptics t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_lensoptics.moc"
