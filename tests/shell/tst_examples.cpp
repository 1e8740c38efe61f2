// The shipped example lessons: each opens from the program's resources into its module window
// without a message, and shows what its title promises, measured against the optics of its
// scene. The files are also the lesson format's version-1 golden files: a later format must
// still open them.
#include "TestSupport.h"

#include "lens/frmLins.h"
#include "mirror/frmSpieg.h"
#include "refraction/frmBre1.h"
#include "refraction/frmBre2.h"
#include "shell/Lessons.h"
#include "shell/ModuleMenu.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <limits>

using namespace varelo;
using namespace varelo::test;

namespace {
const QString kCaustic = QStringLiteral(":/lessons/hohlspiegel-kaustik.varelo");
const QString kPlane = QStringLiteral(":/lessons/ebener-spiegel.varelo");
const QString kTotal = QStringLiteral(":/lessons/totalreflexion.varelo");
const QString kDepth = QStringLiteral(":/lessons/scheinbare-tiefe.varelo");
const QString kAberration = QStringLiteral(":/lessons/aberration.varelo");
const QString kSphere = QStringLiteral(":/lessons/glaskugel.varelo");

constexpr double kInf = std::numeric_limits<double>::infinity();
// The picture of the mirror and lens windows is 4000 wide at 100 %, centred on the pan.
constexpr double kHalfViewWidth = 2000;

// Where x lies in the view, as a fraction of its half width from the centre (1: at the edge).
double inView(double x, float pan, float zoom) { return std::fabs(x - pan) * zoom / kHalfViewWidth; }

// The paraxial image of an axial point at x < 0 in front of a spherical mirror with its vertex
// at 0 (mirror equation, 1/s + 1/s' = 2/|r|); on the object's side for a concave mirror.
double mirrorImageX(double objX, double radius) { return -1 / (2 / std::fabs(radius) - 1 / -objX); }

// The paraxial image of an axial point through a thick lens in air, surface by surface
// (n1/s + n2/s' = (n2 - n1)/R, R > 0 with its centre behind the surface): the left surface
// (radius r2) at -t, the right one (radius r1) at 0.
double lensImageX(const LensParams &p, double objX) {
    const double n = p.refrIndex, t = p.thickness;
    const double s1 = -t - objX;
    const double s1i = n / ((n - 1) / p.r2 - 1 / s1);
    const double s2 = t - s1i;
    return 1 / ((1 - n) / p.r1 - n / s2);
}

// The thick lens's focal length (lensmaker's equation with the thickness term).
double lensFocalLength(const LensParams &p) {
    const double n = p.refrIndex;
    return 1 / ((n - 1) * (1 / p.r2 - 1 / p.r1) + (n - 1) * (n - 1) * p.thickness / (n * p.r2 * p.r1));
}

// The named quantity of the lesson open in its window.
double measure(const QString &q) {
    if (auto *m = Forms::as<frmSpieg>(FormId::Spieg); m && m->isVisible()) {
        const MirrorScene &s = m->scene;
        const double px = s.objX[1];
        if (q == "rays")
            return s.rayCount[1];
        if (q == "centre of curvature x")
            return s.mirror.curvature == 0 ? kInf : s.mirror.mirrorRadius;
        if (q == "paraxial image in view")
            return inView(mirrorImageX(px, s.mirror.mirrorRadius), s.panX, s.zoomFactor);
        if (q == "curvature")
            return s.mirror.curvature;
        if (q == "extensions shown")
            return s.extendReflected;
        if (q == "eyes")
            return s.markers.eyeCount;
    }
    if (auto *b = Forms::as<frmBre1>(FormId::Bre1); b && b->isVisible()) {
        const RayPathScene &s = b->scene;
        const double critical = std::asin(1 / s.relIndex);
        int beyond = 0;
        for (int i = 1; i <= s.rayCount; ++i)
            beyond += std::atan2(std::fabs(s.rayHitX[i] - s.objX), std::fabs(s.objY)) > critical;
        if (q == "n")
            return s.relIndex;
        if (q == "object depth")
            return s.objY;
        if (q == "rays beyond the critical angle")
            return beyond;
        if (q == "reflected shown")
            return s.showReflected;
    }
    if (auto *i = Forms::as<frmBre2>(FormId::Bre2); i && i->isVisible()) {
        const ImagingScene &s = i->scene;
        if (q == "n")
            return s.relIndex;
        if (q == "row mode")
            return s.rowMode;
        if (q == "row points")
            return s.rowCount;
        if (q == "eye height")
            return s.eyeY;
    }
    if (auto *l = Forms::as<frmLins>(FormId::Lins); l && l->isVisible()) {
        const LensScene &s = l->scene;
        const LensParams &p = s.lens;
        if (q == "r1")
            return p.r1;
        if (q == "r2")
            return p.r2;
        if (q == "r1 + r2")
            return p.r1 + p.r2;
        if (q == "thickness - 2|r|")
            return p.thickness - 2 * std::fabs(p.r1);
        if (q == "aperture - |r|")
            return p.semiDiameter - std::fabs(p.r1);
        if (q == "object distance in focal lengths")
            return (-p.thickness - s.objX[1]) / lensFocalLength(p);
        if (q == "object in view")
            return inView(s.objX[1], s.panX, s.zoomFactor);
        if (q == "rays")
            return s.rayCount[1];
        if (q == "paraxial image in view")
            return inView(lensImageX(p, s.objX[1]), s.panX, s.zoomFactor);
        if (q == "paraxial image behind the lens")
            return lensImageX(p, s.objX[1]);
    }
    return std::nan("");
}
} // namespace

class TestExamples : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpProgram(); }
    void init() { Forms::show(FormId::Varelo); }
    void cleanup() { tearDownWindows(); }

    void everyExampleTested();
    void examplesOpen_data();
    void examplesOpen();
    void examplesShowTheirPoint_data();
    void examplesShowTheirPoint();
};

namespace {
struct Example {
    QString file;
    FormId window;
    const char *module;
};
const Example kExamples[] = {
    {kCaustic, FormId::Spieg, "mirror"},  {kPlane, FormId::Spieg, "mirror"},
    {kTotal, FormId::Bre1, "ray-path"},   {kDepth, FormId::Bre2, "imaging"},
    {kAberration, FormId::Lins, "lens"},  {kSphere, FormId::Lins, "lens"},
};
} // namespace

void TestExamples::everyExampleTested() {
    QStringList listed;
    for (const ExampleLesson &e : ExampleLessons())
        listed << QString::fromLatin1(e.file);
    QStringList tested;
    for (const Example &e : kExamples)
        tested << e.file;
    QCOMPARE(listed, tested);
}

void TestExamples::examplesOpen_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("module");
    for (const Example &e : kExamples)
        QTest::newRow(qPrintable(e.file)) << e.file << int(e.window) << QString::fromLatin1(e.module);
}

void TestExamples::examplesOpen() {
    QFETCH(QString, file);
    QFETCH(int, window);
    QFETCH(QString, module);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
    QCOMPARE(o.value(QStringLiteral("format")).toString(), QStringLiteral("varelo-lesson"));
    QCOMPARE(o.value(QStringLiteral("version")).toInt(), 1);
    QCOMPARE(o.value(QStringLiteral("module")).toString(), module);

    QVERIFY2(OpenLesson(file, FormId::Varelo), qPrintable(dialogs().messages.join(QLatin1Char('\n'))));
    QVERIFY2(dialogs().messages.isEmpty(), qPrintable(dialogs().messages.join(QLatin1Char('\n'))));
    QVERIFY(Forms::isVisible(static_cast<FormId>(window)));
    QVERIFY(!Forms::isVisible(FormId::Varelo));
}

void TestExamples::examplesShowTheirPoint_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    const auto row = [](const char *example, const QString &file, const char *quantity, double low, double high) {
        QTest::addRow("%s: %s", example, quantity) << file << QString::fromLatin1(quantity) << low << high;
    };
    // A caustic needs a dense bundle over the whole opening of a concave mirror; an object on
    // the axis gives the symmetric one with its tip at the paraxial image, which the view shows
    // together with the mirror and the object.
    row("caustic", kCaustic, "rays", 50, 100);
    row("caustic", kCaustic, "centre of curvature x", -kInf, -1);
    row("caustic", kCaustic, "paraxial image in view", 0, 0.8);
    // The plane mirror: the backward extensions meet in P', mirror-symmetric to P, where the
    // mark sits; every reflected ray enters the eye, which looks towards P'.
    row("plane mirror", kPlane, "curvature", 0, 0);
    row("plane mirror", kPlane, "extensions shown", 1, 1);
    row("plane mirror", kPlane, "rays", 5, 100);
    row("plane mirror", kPlane, "eyes", 1, 1);
    // Total reflection at n = 1.5 (critical angle 41.8°): P in the glass below the interface,
    // rays on both sides of the critical angle, one just below it, the reflected rays drawn.
    row("total reflection", kTotal, "n", 1.5, 1.5);
    row("total reflection", kTotal, "object depth", 1, kInf);
    row("total reflection", kTotal, "rays beyond the critical angle", 8, 100);
    row("total reflection", kTotal, "reflected shown", 1, 1);
    // Apparent depth: a straight row of points under water (n = 1.33) seen from above.
    row("apparent depth", kDepth, "n", 1.33 - 1e-6, 1.33 + 1e-6);
    row("apparent depth", kDepth, "row mode", 1, 1);
    row("apparent depth", kDepth, "row points", 10, 100);
    row("apparent depth", kDepth, "eye height", -kInf, -50);
    // Spherical aberration: a thick biconvex lens (both centres of curvature inside), an
    // object near the axis beyond twice the focal length from the lens's front, a bundle over
    // most of the lens; the object, both focal points and the paraxial image in view, so
    // that the marginal rays visibly cross before it.
    row("aberration", kAberration, "r1", -kInf, -1);
    row("aberration", kAberration, "r2", 1, kInf);
    row("aberration", kAberration, "object distance in focal lengths", 1.5, 2.5);
    row("aberration", kAberration, "object in view", 0, 0.95);
    row("aberration", kAberration, "paraxial image in view", 0, 0.8);
    // The glass sphere: one radius for both surfaces, thickness and aperture from it; its
    // focus lies just behind it, inside the view.
    row("glass sphere", kSphere, "r1 + r2", 0, 0);
    row("glass sphere", kSphere, "thickness - 2|r|", 0, 0);
    row("glass sphere", kSphere, "aperture - |r|", 0, 0);
    row("glass sphere", kSphere, "paraxial image behind the lens", 0, 500);
    row("glass sphere", kSphere, "paraxial image in view", 0, 0.8);
}

void TestExamples::examplesShowTheirPoint() {
    QFETCH(QString, file);
    QFETCH(QString, quantity);
    QFETCH(double, low);
    QFETCH(double, high);
    QVERIFY2(OpenLesson(file, FormId::Varelo), qPrintable(dialogs().messages.join(QLatin1Char('\n'))));
    const double v = measure(quantity);
    QVERIFY2(low <= v && v <= high, qPrintable(QStringLiteral("%1 = %2, not in [%3, %4]")
                                                   .arg(quantity).arg(v).arg(low).arg(high)));
}

int runExampleTests(int argc, char **argv) {
    TestExamples t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_examples.moc"
