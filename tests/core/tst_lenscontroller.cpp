// The lens window's rules without the window: a script of events in world coordinates,
// and what the last event answers and leaves in the scene.
#include "core/ObjectBundles.h"
#include "lens/LensController.h"
#include "lens/LensScene.h"

#include <QtTest>
#include <cmath>
#include <map>

using namespace varelo;

namespace {
// Runs "down L x y; r1 36 drag; preset 5 2; ..." with an optional repeat "100x ray x y".
// After down, move and up a button: L or R, with '*' a marker tool armed, with '+' the protractor.
LensUpdate run(LensController &c, const QString &script) {
    using C = LensController;
    const std::map<QString, LensUpdate (C::*)()> plain{
        {"drop", &C::dropLive}, {"newobj", &C::newObject}, {"clear", &C::clearBundle},
        {"restart", &C::startAgain}, {"undo", &C::undo}, {"redo", &C::redo},
        {"graph", &C::angleGraph}, {"clearmarks", &C::clearMarks}};
    LensUpdate u;
    for (const QString &command : script.split(';', Qt::SkipEmptyParts)) {
        QStringList w = command.split(' ', Qt::SkipEmptyParts);
        const int times = w[0].endsWith('x') && w[0].chopped(1).toInt() > 0 ? w.takeFirst().chopped(1).toInt() : 1;
        const QString verb = w[0], b = w.value(1);
        const bool mouse = verb == "down" || verb == "move" || verb == "up";
        const int button = b.startsWith('L') ? 1 : 2, v = b.toInt();
        const float x = w.value(mouse ? 2 : 1).toFloat(), y = w.value(mouse ? 3 : 2).toFloat();
        const bool drag = w.value(2) == "drag";
        for (int i = 0; i < times; ++i) {
            if (plain.count(verb)) u = (c.*plain.at(verb))();
            else if (verb == "down") u = c.mouseDown(button, x, y, b.contains('*'), b.contains('+'));
            else if (verb == "move") u = c.mouseMove(button, x, y, false);
            else if (verb == "up") u = c.mouseUp(button, x, y, false);
            else if (verb == "ray") { c.mouseDown(1, x, y, false, false); u = c.mouseUp(1, x, y, false); }
            else if (verb == "press") c.lensBarPressed();
            else if (verb == "r1") u = c.rightRadiusBar(v, drag);
            else if (verb == "r2") u = c.leftRadiusBar(v, drag);
            else if (verb == "thick") u = c.thicknessBar(v, drag);
            else if (verb == "diam") u = c.diameterBar(v);
            else if (verb == "index") u = c.indexBar(v);
            else if (verb == "options") u = c.options({b[0] == '1', b[1] == '1', b[2] == '1', b[3] == '1',
                                                       b[4] == '1', b[5] == '1', b[6] == '1'});
            else if (verb == "preset") u = c.presetField(v, w[2].toInt());
            else if (verb == "zoom") u = c.viewChanged(x, 0, 0);
            else if (verb == "right") u = c.stepObject(ObjectStep::Right);
            else if (verb == "up1") u = c.stepObject(ObjectStep::Up);
            else if (verb == "lesson") u = c.sceneReplaced();
            else qFatal("unknown verb %s", qPrintable(verb));
        }
    }
    return u;
}

QString changes(const LensUpdate &u) {
    const bool on[] = {u.r1Changed, u.r2Changed, u.thicknessChanged, u.diameterChanged, u.indexChanged,
                       u.graphChanged, u.highlight >= 0, u.objectXChanged, u.objectYChanged, u.objectsChanged,
                       u.newObjectPoint, u.newProtractor, u.protractorDone, u.storedPreset > 0, u.toMarkers};
    QString s;
    for (int i = 0; i < 15; ++i)
        if (on[i])
            s += "12TDIGHXYNPAOSK"[i];
    return s;
}

// A value of the scene or of the answer by its name in the table.
QString value(const QString &key, const LensScene &s, const LensUpdate &u) {
    if (key == "plane") // blanks as '_'
        return QString(u.plane).replace(' ', '_');
    if (key == "opts") {
        QString o;
        for (bool b : {s.showTransmitted, s.extendTransmitted, s.showFront, s.extendFront, s.showBack,
                       s.extendBack, s.showNormals})
            o += b ? '1' : '0';
        return o;
    }
    const std::map<QString, double> numbers{
        {"objects", s.objectCount}, {"rays", s.rayCount[s.objectCount]}, {"x", s.currentX()}, {"y", s.currentY()},
        {"k1", s.lens.k1}, {"k2", s.lens.k2}, {"t", s.lens.thickness}, {"sd", s.lens.semiDiameter},
        {"prot", s.protractorCount}, {"graph", s.graphOn}, {"hl", u.highlight}, {"stored", u.storedPreset},
        {"hint", u.hint != nullptr}, {"ptr", int(u.pointer)}};
    if (!numbers.count(key))
        qFatal("unknown value %s", qPrintable(key));
    return QString::number(numbers.at(key), 'f', 2);
}
} // namespace

class TestLensController : public QObject {
    Q_OBJECT
private slots:
    void events_data();
    void events();
};

// The scene starts with its object point P at (-1600, -650) before a biconvex lens 300
// thick: R1 (right) of radius -1000 with its vertex at 0, R2 (left) of radius 1000 with its
// vertex at -300, semi-diameter 500. P may go left of -1.1 thickness (-330) and of R2's rim,
// 700 - sqrt(1000^2 - 500^2) = -166; spin steps stop at -1.2 thickness (-360).
// Pointer (ptr): 0 unchanged, 1 arrow, 2 cross.
void TestLensController::events_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<unsigned>("layers");
    QTest::addColumn<QString>("message"); // source text; empty for none
    QTest::addColumn<QString>("changes"); // the letters of changes()
    QTest::addColumn<QString>("values");  // "name=value ..." of value()
    const unsigned live = Layer::Live, full = kFullRedraw, replay = Layer::Bundles | Layer::Markers,
                   restart = Layer::Clear | Layer::Element | Layer::Bundles;
    const QString none, rays = kTooManyRays, objects = kTooManyObjects;

    // A ray from P towards (-300, -200) meets the left surface; a vertical one never does.
    QTest::newRow("press aims") << "down L -300 -200" << live << none << "" << "rays=0 ptr=0";
    QTest::newRow("release stores") << "down L -300 -200; move L -300 -150; up L -300 -150" << full << none << "O" << "rays=1 ptr=1";
    QTest::newRow("vertical aim not stored") << "ray -1600 100" << full << none << "O" << "rays=0";
    QTest::newRow("101st ray refused") << "101x ray -300 -200" << full << rays << "O" << "rays=100";
    QTest::newRow("touch hold drops the ray") << "down L -300 -200; drop; up L -300 -200" << 0u << none << "O" << "rays=0";
    QTest::newRow("marker tool first") << "down L*+ -150 0" << 0u << none << "K" << "rays=0 prot=0";
    // The protractor: one per click, ten at most.
    QTest::newRow("protractor") << "down L+ -150 -200" << 0u << none << "AO" << "prot=1 rays=0 ptr=1";
    QTest::newRow("11th protractor refused") << "11x down L+ -150 0" << 0u << none << "O" << "prot=10";
    QTest::newRow("right press moves") << "down R -340 100" << full << none << "XY" << "x=-340 y=100";
    QTest::newRow("right press at -1.1 thickness") << "down R -330 100" << 0u << none << "" << "x=-1600 y=-650";
    QTest::newRow("right drag near") << "move R -1550 -600" << full << none << "XY" << "x=-1550 y=-600 ptr=2";
    QTest::newRow("right drag far") << "move R -1000 -600" << full << none << "XY" << "x=-1000 ptr=1";
    // Preset 4, biconcave 70 thick, radii 1200: R2's rim at -1270 + sqrt(1200^2 - 500^2) =
    // -179.1 lies left of -1.1 thickness = -77.
    QTest::newRow("rim binds") << "preset 4 1; down R -150 0" << 0u << none << "" << "x=-1600";
    QTest::newRow("left of the rim") << "preset 4 1; down R -180 0" << full << none << "XY" << "x=-180";
    // R1 = 12000 / 36 = 333.3 takes the diameter down to 333; a drag goes back to the
    // diameter of its press, steps keep the limited one.
    QTest::newRow("steep R1") << "r1 36" << full << none << "1DH" << "k1=36 sd=333 hl=0 plane=_plan";
    QTest::newRow("R1 dragged there and back") << "press; r1 36 drag; r1 -12 drag" << full << none << "1DH" << "sd=500";
    QTest::newRow("R1 stepped there and back") << "r1 36; r1 -12" << full << none << "1DH" << "sd=333";
    QTest::newRow("left bar runs the other way") << "r2 -6" << full << none << "2DH" << "k2=6 sd=500";
    // A thicker lens pushes P to -1.2 thickness; a new diameter removes the protractors.
    QTest::newRow("thicker lens pushes P") << "down R -500 100; thick 600" << full << none << "TDHXY" << "x=-720 y=100";
    QTest::newRow("diameter removes protractors") << "down L+ -150 0; diam 400" << full << none << "DH" << "sd=400 prot=0";
    QTest::newRow("index keeps protractors") << "down L+ -150 0; index 150" << full << none << "IGH" << "prot=1";
    QTest::newRow("options") << "options 0110001" << full << none << "" << "opts=0110001";
    // Presets: the right button stores, the left loads and highlights.
    QTest::newRow("store preset") << "thick 450; preset 5 2" << 0u << none << "S" << "stored=5 t=450";
    QTest::newRow("load stored preset") << "thick 450; preset 5 2; preset 1 1; preset 5 1" << full << none << "12TDIGH" << "t=450 hl=5 plane=plan";
    QTest::newRow("no field 11") << "preset 11 2" << 0u << none << "" << "stored=0";
    QTest::newRow("preset pushes P") << "down R -500 0; preset 10 1" << full << none << "12TDIGHXY" << "t=1000 x=-1200";
    // Spin arrows: 0.9 x towards the lens while left of -360, up by Int(1600 / 20).
    QTest::newRow("step right refused") << "down R -340 0; right" << 0u << none << "X" << "x=-340";
    QTest::newRow("step up") << "up1" << full << none << "Y" << "y=-730";
    // New points at (-1600, -650) of the start view, but never right of -1.2 thickness.
    QTest::newRow("new object zoomed") << "zoom 1.25; newobj" << 0u << none << "NP" << "objects=2 hint=1 x=-1280 y=-520";
    QTest::newRow("new object, thick lens") << "thick 1000; zoom 4; newobj" << 0u << none << "NP" << "x=-1200 y=-162.5";
    QTest::newRow("11th object refused") << "10x newobj" << 0u << objects << "" << "objects=10 hint=0";
    QTest::newRow("clear bundle") << "ray -300 -200; newobj; ray -300 -200; clear" << full << none << "N" << "objects=2 rays=0";
    QTest::newRow("start again") << "newobj; zoom 1.25; down L+ -150 0; graph; restart" << restart << none << "GN" << "objects=1 x=-1280 prot=0 graph=0";
    QTest::newRow("graph") << "graph" << replay << none << "G" << "graph=1";
    QTest::newRow("clear marks") << "down L+ -150 0; graph; clearmarks" << 0u << none << "G" << "prot=0 graph=0";
    QTest::newRow("undo") << "ray -300 -200; ray -300 -200; undo" << full << none << "" << "rays=1";
    QTest::newRow("undo while dragging") << "ray -300 -200; down L -300 -200; undo" << 0u << none << "" << "rays=1";
    QTest::newRow("redo after clear") << "ray -300 -200; undo; clear; redo" << 0u << none << "" << "rays=0";
    QTest::newRow("lesson") << "lesson" << full << none << "12TDIGHXYN" << "hint=0 plane=_plan hl=0";
    QTest::newRow("lesson with two points") << "newobj; lesson" << full << none << "12TDIGHXYN" << "hint=1";
}

void TestLensController::events() {
    QFETCH(QString, script);
    QFETCH(unsigned, layers);
    QFETCH(QString, message);
    QFETCH(QString, changes);
    QFETCH(QString, values);
    LensScene scene;
    LensController c(scene);
    const LensUpdate u = run(c, script);
    QCOMPARE(u.layers, layers);
    QCOMPARE(QString(u.message), message);
    QCOMPARE(::changes(u), changes);
    for (const QString &pair : values.split(' ')) {
        const QString key = pair.section('=', 0, 0), expected = pair.section('=', 1), actual = value(key, scene, u);
        bool number = false;
        const double n = expected.toDouble(&number);
        QVERIFY2(number ? std::fabs(actual.toDouble() - n) < 0.01 : actual == expected,
                 qPrintable(pair + " is " + actual));
    }
}

int runLensControllerTests(int argc, char **argv) {
    TestLensController t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_lenscontroller.moc"
