// The mirror window's rules without the window: a script of events in world coordinates,
// and what the last event answers and leaves in the scene.
#include "core/ObjectBundles.h"
#include "mirror/MirrorController.h"
#include "mirror/MirrorScene.h"

#include <QtTest>

using namespace varelo;

namespace {
constexpr unsigned kLive = Layer::Live, kFull = kFullRedraw;
constexpr unsigned kRestart = Layer::Clear | Layer::Element | Layer::Bundles;

// Runs "down L x y; move R x y; up L x y; ray x y; newobj; ..." with an optional repeat
// "100x ray x y"; a button letter with '*' has a marker tool armed. Returns the last answer.
MirrorUpdate run(MirrorController &c, MirrorScene &scene, const QString &script) {
    MirrorUpdate u;
    for (const QString &command : script.split(';', Qt::SkipEmptyParts)) {
        QStringList w = command.split(' ', Qt::SkipEmptyParts);
        int times = 1;
        if (w[0].endsWith('x') && w[0].chopped(1).toInt() > 0)
            times = w.takeFirst().chopped(1).toInt();
        for (int i = 0; i < times; ++i) {
            const QString &verb = w[0];
            const bool mouse = verb == "down" || verb == "move" || verb == "up";
            const int b = mouse ? (w[1].startsWith('L') ? 1 : 2) : 0;
            const bool armed = mouse && w[1].endsWith('*');
            const float x = w.value(mouse ? 2 : 1).toFloat(), y = w.value(mouse ? 3 : 2).toFloat();
            if (verb == "down")
                u = c.mouseDown(b, x, y, armed);
            else if (verb == "move")
                u = c.mouseMove(b, x, y, armed);
            else if (verb == "up")
                u = c.mouseUp(b, x, y, armed);
            else if (verb == "ray") {
                c.mouseDown(1, x, y, false);
                u = c.mouseUp(1, x, y, false);
            } else if (verb == "newobj")
                u = c.newObject();
            else if (verb == "clear")
                u = c.clearBundle();
            else if (verb == "restart")
                u = c.startAgain();
            else if (verb == "undo")
                u = c.undo();
            else if (verb == "redo")
                u = c.redo();
            else if (verb == "zoom")
                u = c.viewChanged(x, 0, 0);
            else if (verb == "raster")
                scene.markers.rasterOn = 1;
            else if (verb == "left")
                u = c.stepObject(ObjectStep::Left);
            else if (verb == "right")
                u = c.stepObject(ObjectStep::Right);
            else if (verb == "up1")
                u = c.stepObject(ObjectStep::Up);
            else
                qFatal("unknown verb %s", qPrintable(verb));
        }
    }
    return u;
}

QString changes(const MirrorUpdate &u) {
    QString s;
    if (u.objectMoved)
        s += 'M';
    if (u.objectsChanged)
        s += 'N';
    if (u.newObjectPoint)
        s += 'P';
    if (u.toMarkers)
        s += 'K';
    return s;
}
} // namespace

class TestController : public QObject {
    Q_OBJECT
private slots:
    void events_data();
    void events();
};

// The scene starts with its object point at (-1600, -750) before a plane mirror of
// half-aperture 600 on x = 0; the raster's step is 100.
void TestController::events_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<unsigned>("layers");
    QTest::addColumn<QString>("message"); // source text; empty for none
    QTest::addColumn<int>("pointer");     // MousePointer
    QTest::addColumn<QString>("changes"); // M moved, N number, P new point, K marker tool
    QTest::addColumn<int>("objects");
    QTest::addColumn<int>("rays");        // of the current object point
    QTest::addColumn<float>("px");
    QTest::addColumn<float>("py");
    const int keep = int(MousePointer::Unchanged), arrow = int(MousePointer::Arrow),
              cross = int(MousePointer::CrossHair);
    const QString none, tooManyRays = kTooManyRays, tooManyObjects = kTooManyObjects;

    // A drag frame is the live layer alone; the release stores the hit point (slope
    // 375 / 800 from P meets x = 0 at y = 0) and redraws the whole picture.
    QTest::newRow("press aims") << "down L -800 -375" << kLive << none << keep << "" << 1 << 0 << -1600.f << -750.f;
    QTest::newRow("drag frame") << "down L -800 -375; move L -700 -375" << kLive << none << arrow << "" << 1 << 0 << -1600.f << -750.f;
    QTest::newRow("release stores") << "down L -900 -100; move L -800 -375; up L -800 -375" << kFull << none << arrow << "" << 1 << 1 << -1600.f << -750.f;
    QTest::newRow("move without press") << "move L -800 -375" << 0u << none << arrow << "" << 1 << 0 << -1600.f << -750.f;
    // A vertical aim never meets the plane mirror's line: redrawn, not stored, no message.
    QTest::newRow("ray missing mirror") << "ray -1600 0" << kFull << none << arrow << "" << 1 << 0 << -1600.f << -750.f;
    // Past the opening (y = 1750 on the mirror's line) it is stored all the same.
    QTest::newRow("ray past opening") << "ray -800 500" << kFull << none << arrow << "" << 1 << 1 << -1600.f << -750.f;
    QTest::newRow("100 rays") << "100x ray -800 -375" << kFull << none << arrow << "" << 1 << 100 << -1600.f << -750.f;
    QTest::newRow("101st ray refused") << "101x ray -800 -375" << kFull << tooManyRays << arrow << "" << 1 << 100 << -1600.f << -750.f;
    QTest::newRow("101st missing ray no message") << "100x ray -800 -375; ray -1600 0" << kFull << none << arrow << "" << 1 << 100 << -1600.f << -750.f;
    // An armed marker tool takes the left button; the right one still moves the point.
    QTest::newRow("marker tool press") << "down L* -800 -375" << 0u << none << keep << "K" << 1 << 0 << -1600.f << -750.f;
    QTest::newRow("marker tool release") << "down L* -800 -375; up L* -800 -375" << 0u << none << arrow << "K" << 1 << 0 << -1600.f << -750.f;
    QTest::newRow("marker tool right button") << "down R* -400 200" << kFull << none << keep << "M" << 1 << 0 << -400.f << 200.f;
    // The object point stays in front of the mirror's plane x = 0.
    QTest::newRow("right press moves") << "down R -400 200" << kFull << none << keep << "M" << 1 << 0 << -400.f << 200.f;
    QTest::newRow("right press on mirror") << "down R 0 200" << 0u << none << keep << "" << 1 << 0 << -1600.f << -750.f;
    QTest::newRow("right press behind") << "down R 50 100" << 0u << none << keep << "" << 1 << 0 << -1600.f << -750.f;
    QTest::newRow("right drag near") << "move R -1550 -700" << kFull << none << cross << "M" << 1 << 0 << -1550.f << -700.f;
    QTest::newRow("right drag far") << "move R -1000 -700" << kFull << none << arrow << "M" << 1 << 0 << -1000.f << -700.f;
    QTest::newRow("right drag behind") << "move R 300 0" << 0u << none << arrow << "" << 1 << 0 << -1600.f << -750.f;
    // On the raster: (-260, 140) to (-300, 100); (-30, 20) would snap onto x = 0.
    QTest::newRow("raster snaps") << "raster; down R -260 140" << kFull << none << keep << "M" << 1 << 0 << -300.f << 100.f;
    QTest::newRow("raster off mirror") << "raster; down R -30 20" << kFull << none << keep << "M" << 1 << 0 << -100.f << 0.f;
    // Ten object points at most; zoomed by 1.25 a new one starts at (-1280, -600).
    QTest::newRow("new object") << "zoom 1.25; newobj" << 0u << none << keep << "NP" << 2 << 0 << -1280.f << -600.f;
    QTest::newRow("11th object refused") << "10x newobj" << 0u << tooManyObjects << keep << "" << 10 << 0 << -1600.f << -750.f;
    QTest::newRow("clear bundle") << "ray -800 -375; newobj; ray -800 -375; ray -800 -375; clear" << kFull << none << keep << "N" << 2 << 0 << -1600.f << -750.f;
    QTest::newRow("start again") << "newobj; zoom 1.25; down R -400 200; restart" << kRestart << none << keep << "N" << 1 << 0 << -1280.f << -600.f;
    // Spin arrows: 0.9 x towards the mirror, x / 0.9 away, Int(1600 / 20) = 80 up.
    QTest::newRow("step right") << "right" << kFull << none << keep << "M" << 1 << 0 << -1440.f << -750.f;
    QTest::newRow("step left") << "down R -900 0; left" << kFull << none << keep << "M" << 1 << 0 << -1000.f << 0.f;
    QTest::newRow("step up") << "up1" << kFull << none << keep << "M" << 1 << 0 << -1600.f << -830.f;
    QTest::newRow("step left at the far end") << "down R -29999 0; left" << 0u << none << keep << "" << 1 << 0 << -29999.f << 0.f;
    // Undo and redo: not while a ray is dragged, nothing when nothing is there.
    QTest::newRow("undo") << "ray -800 -375; ray -800 -375; undo" << kFull << none << keep << "" << 1 << 1 << -1600.f << -750.f;
    QTest::newRow("undo while dragging") << "ray -800 -375; down L -800 -375; undo" << 0u << none << keep << "" << 1 << 1 << -1600.f << -750.f;
    QTest::newRow("undo empty") << "undo" << 0u << none << keep << "" << 1 << 0 << -1600.f << -750.f;
    QTest::newRow("redo") << "ray -800 -375; undo; redo" << kFull << none << keep << "" << 1 << 1 << -1600.f << -750.f;
    QTest::newRow("redo nothing") << "ray -800 -375; redo" << 0u << none << keep << "" << 1 << 1 << -1600.f << -750.f;
}

void TestController::events() {
    QFETCH(QString, script);
    QFETCH(unsigned, layers);
    QFETCH(QString, message);
    QFETCH(int, pointer);
    QFETCH(QString, changes);
    QFETCH(int, objects);
    QFETCH(int, rays);
    QFETCH(float, px);
    QFETCH(float, py);
    MirrorScene scene;
    MirrorController c(scene);
    const MirrorUpdate u = run(c, scene, script);
    QCOMPARE(u.layers, layers);
    QCOMPARE(QString(u.message), message);
    QCOMPARE(int(u.pointer), pointer);
    QCOMPARE(::changes(u), changes);
    QCOMPARE(int(scene.objectCount), objects);
    QCOMPARE(int(scene.rayCount[scene.objectCount]), rays);
    QCOMPARE(scene.currentX(), px);
    QCOMPARE(scene.currentY(), py);
}

int runControllerTests(int argc, char **argv) {
    TestController t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_controller.moc"
