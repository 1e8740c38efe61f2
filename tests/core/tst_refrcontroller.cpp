// The two refraction windows' rules without the windows: scripts of events in world
// coordinates, and what the last event answers and leaves in the scene.
#include "refraction/ImagingController.h"
#include "refraction/ImagingScene.h"
#include "refraction/RayPathController.h"
#include "refraction/RayPathScene.h"
#include "refraction/RefractionOptics.h"

#include <QtTest>
#include <functional>

using namespace varelo;

namespace {
constexpr unsigned kLive = Layer::Live, kFull = kFullRedraw, kRays = Layer::Clear | kRayPathPicture;
const QString none;

// Runs "down L x y; move R x y; up N x y; place B x y; undo; ..." (buttons: N none, L, R, B
// both; place is a press, a move and a release) with an optional repeat "20x a, b";
// other verbs go to `verb`. Returns the last answer.
template <class C, class U> U run(C &c, const QString &script, const std::function<U(const QStringList &)> &verb) {
    QStringList commands;
    for (const QString &part : script.split(';', Qt::SkipEmptyParts)) {
        const QString first = part.section(' ', 0, 0, QString::SectionSkipEmpty);
        const int times = first.endsWith('x') ? first.chopped(1).toInt() : 1;
        for (int i = 0; i < times; ++i)
            commands << (times > 1 ? part.section(' ', 1, -1, QString::SectionSkipEmpty) : part).split(',');
    }
    U u;
    for (const QString &command : commands) {
        const QStringList w = command.split(' ', Qt::SkipEmptyParts);
        const QString v = w[0];
        const int b = QStringLiteral("NLRB").indexOf(w.value(1));
        const float x = w.value(2).toFloat(), y = w.value(3).toFloat();
        if (v == "down" || v == "place")
            u = c.mouseDown(b, x, y);
        if (v == "move" || v == "place")
            u = c.mouseMove(b, x, y);
        if (v == "up" || v == "place")
            u = c.mouseUp(b, x, y);
        if (!QStringList{"down", "move", "up", "place"}.contains(v))
            u = v == "undo" ? c.undo() : v == "redo" ? c.redo() : v == "drop" ? c.dropLive()
                : v == "replaced" ? c.sceneReplaced() : v == "n" ? c.indexBar(w[1].toInt()) : verb(w);
    }
    return u;
}

// The pointer over the picture, then over the screen: - unchanged, a arrow, c cross, n no drop.
QString pointers(const RefractionUpdate &u) {
    const QString letters = QStringLiteral("-acn");
    return QString(letters[int(u.pointer)]) + letters[int(u.screenPointer)];
}
QString xy(float x, float y) { return QString::number(x) + ',' + QString::number(y); }

void row(const char *name, const char *script, unsigned layers, const QString &message, const char *pointers,
         const char *changes, const char *state) {
    QTest::newRow(name) << script << message << pointers << changes << state << layers;
}
void columns() {
    for (const char *column : {"script", "message", "pointers", "changes", "state"})
        QTest::addColumn<QString>(column); // message: the source text, empty for none
    QTest::addColumn<unsigned>("layers");
}
} // namespace

class TestRefractionControllers : public QObject {
    Q_OBJECT
private slots:
    void rayPath_data();
    void rayPath();
    void imaging_data();
    void imaging();
};

// P starts at (0, 500) in the lower medium, n = 1.33. The mouse at (50, 250) aims through
// x = 100 on the interface, (-50, 250) through -100, (300, 250) through 600: 50.2 degrees,
// beyond the critical angle asin(1 / 1.33) = 48.8. Changes: I index, T tool frames, and the
// diagram s shown, h hidden, r redrawn, g read. State: P, rays (@ the last hit, T totally
// reflected), points, eyes, protractor, diagram, k, and the armed tools (P, E, W, framed D).
void TestRefractionControllers::rayPath_data() {
    columns();
    row("press aims", "down L 50 250", kLive, none, "--", "", "P0,500 r0 p0 e0 w- d0 k1.33 ");
    row("release stores", "down L 50 250; move L 100 300; up L 100 300", kRays, none, "-a", "", "P0,500 r1@250 p0 e0 w- d0 k1.33 ");
    row("101st refused, 100th kept", "99x place L 50 250; place L -50 250; place L 50 250", kRays, "Nur 100 Strahlen möglich", "-a", "", "P0,500 r100@-100 p0 e0 w- d0 k1.33 ");
    row("no hit at the limit: no message", "100x place L 50 250; place L 0 200", kRays, none, "-a", "", "P0,500 r100@100 p0 e0 w- d0 k1.33 ");
    // Total reflection follows P's side and the index: k = n below, 1 / n above.
    row("beyond the critical angle", "place L 300 250", kRays, none, "-a", "", "P0,500 r1@600T p0 e0 w- d0 k1.33 ");
    row("P above: no total reflection", "place L 300 250; down R 0 -500", kRays, none, "--", "", "P0,-500 r1@600 p0 e0 w- d0 k0.7519 ");
    // The cross within 100 of P on both axes (before it moves), unless the left button is held.
    row("near P", "move N 99 500", 0, none, "c-", "", "P0,500 r0 p0 e0 w- d0 k1.33 ");
    row("100 beside P", "move N 100 500", 0, none, "a-", "", "P0,500 r0 p0 e0 w- d0 k1.33 ");
    row("P dragged", "down R 0 500; move R 50 550", kRays, none, "c-", "", "P50,550 r0 p0 e0 w- d0 k1.33 ");
    // Tools: point and eye exclude each other; a placed mark releases both.
    row("eye, then point", "tool E; tool P", 0, none, "-c", "T", "P0,500 r0 p0 e0 w- d0 k1.33 P");
    row("point dragged", "tool P; down L -300 -300; move L -200 -300", kLive, none, "a-", "", "P0,500 r0 p0 e0 w- d0 k1.33 P");
    row("point before protractor", "tool P; tool W; place L 100 -100", kRays, none, "-a", "T", "P0,500 r0 p1 e0 w- d0 k1.33 W");
    row("protractor starts no ray", "tool W; place L 200 300", kRays, none, "-a", "", "P0,500 r0 p0 e0 w200 d0 k1.33 ");
    row("21st point refused", "20x tool P, place L -300 -300; tool P; down L 0 -900", 0, "Nur 20 Punkte möglich", "--", "T", "P0,500 r0 p20 e0 w- d0 k1.33 ");
    row("21st eye refused", "20x tool E, place L -300 -300; tool E; down L 0 -900", 0, "Nur 20 Augen möglich", "--", "T", "P0,500 r0 p0 e20 w- d0 k1.33 ");
    // The diagram: the first press on it only takes the symbol's frame away.
    row("diagram shown", "diagram", kRayPathPicture, none, "--", "Ts", "P0,500 r0 p0 e0 w- d1 k1.33 D");
    row("diagram hidden", "diagram; diagram", kRayPathPicture, none, "--", "Th", "P0,500 r0 p0 e0 w- d0 k1.33 ");
    row("first press on the diagram", "diagram; read L", 0, none, "--", "T", "P0,500 r0 p0 e0 w- d1 k1.33 ");
    row("second press reads", "diagram; read L; read L", 0, none, "--", "Tg", "P0,500 r0 p0 e0 w- d1 k1.33 ");
    row("symbol after reading shows anew", "diagram; read L; diagram", kRayPathPicture, none, "--", "Ts", "P0,500 r0 p0 e0 w- d1 k1.33 D");
    row("index redraws the diagram", "diagram; n 150", kRays, none, "--", "Ir", "P0,500 r0 p0 e0 w- d1 k1.5 D");
    row("markers cleared", "tool P; place L -300 -300; tool W; place L 200 0; clearmarks", kRays, none, "--", "h", "P0,500 r0 p0 e0 w- d0 k1.33 ");
    row("lesson with the diagram", "tool P; diagram; replaced", kRays, none, "-a", "ITs", "P0,500 r0 p0 e0 w- d1 k1.33 D");
    // Undo and redo: not while a ray is dragged; a dropped ray is not stored.
    row("undo", "place L 50 250; place L -50 250; undo", kRays, none, "--", "", "P0,500 r1@100 p0 e0 w- d0 k1.33 ");
    row("undo while dragging", "place L 50 250; down L -50 250; undo", 0, none, "--", "", "P0,500 r1@100 p0 e0 w- d0 k1.33 ");
    row("redo", "place L 50 250; place L -50 250; undo; redo", kRays, none, "--", "", "P0,500 r2@-100 p0 e0 w- d0 k1.33 ");
    row("dropped ray", "down L 50 250; drop; up L 50 250", kRays, none, "-a", "", "P0,500 r0 p0 e0 w- d0 k1.33 ");
}

void TestRefractionControllers::rayPath() {
    QFETCH(QString, script);
    RayPathScene s;
    RayPathController c(s);
    const PathTool tools[] = {PathTool::Point, PathTool::Eye, PathTool::Protractor};
    const RayPathUpdate u = run<RayPathController, RayPathUpdate>(c, script, [&](const QStringList &w) {
        if (w[0] == "tool") // "tool P" (E, W): the tool's symbol clicked
            return c.toolClicked(tools[QStringLiteral("PEW").indexOf(w[1])]);
        if (w[0] == "diagram" || w[0] == "read")
            return w[0] == "diagram" ? c.diagramSymbolPressed() : c.diagramPressed(QStringLiteral("NLR").indexOf(w[1]));
        return w[0] == "clear" ? c.clearRays() : c.clearMarkers();
    });
    const float hit = s.rayHitX[s.rayCount];
    const bool total = s.rayCount > 0 && !TraceRefraction(s.objX, s.objY, hit, s.indexRatio).refracted;
    const QString state = QString("P%1 r%2%3%4 p%5 e%6 w%7 d%8 k%9 ").arg(xy(s.objX, s.objY)).arg(s.rayCount)
                              .arg(s.rayCount ? '@' + QString::number(hit) : "", total ? "T" : "").arg(s.pointCount)
                              .arg(s.eyeCount).arg(s.protractorOn ? QString::number(s.protractorX) : "-")
                              .arg(s.diagramOn).arg(s.indexRatio, 0, 'g', 4) +
                          (c.armed(PathTool::Point) ? "P" : "") + (c.armed(PathTool::Eye) ? "E" : "") +
                          (c.armed(PathTool::Protractor) ? "W" : "") + (c.diagramFramed() ? "D" : "");
    const QString changes = QString(u.indexChanged ? "I" : "") + (u.toolsChanged ? "T" : "") + QString(" shrg")[int(u.diagram)];
    QTEST(u.layers, "layers");
    QTEST(QString(u.message), "message");
    QTEST(pointers(u), "pointers");
    QTEST(changes.trimmed(), "changes");
    QTEST(state, "state");
}

// E starts at (300, -500), O at (0, 500), single points, no raster. Changes: I index,
// X raster erased, O the object dot drawn alone. State: E, O, row points, and b while the
// point-row mode shows the bundle.
void TestRefractionControllers::imaging_data() {
    columns();
    // The eye stays 50 above the interface at the least; a drag keeps its last good place.
    row("eye too low", "down L 100 -20", 0, none, "-n", "", "E300,-500 O0,500 r0 b");
    row("eye at -50", "place L 100 -50", kFull, none, "aa", "", "E100,-50 O0,500 r0 b");
    row("eye kept where it was good", "down L -200 -300; move L -100 -10; up L -100 -10", kFull, none, "aa", "", "E-200,-300 O0,500 r0 b");
    // A single point: refused above 10; pressed above 100 or dragged above 50 it goes to 50.
    row("point too high", "down R 100 5", 0, none, "n-", "", "E300,-500 O0,500 r0 b");
    row("pressed at 60", "down R 100 60; up R 100 60", kFull, none, "aa", "", "E300,-500 O100,50 r0 b");
    row("dragged to 60", "place R 100 60", kFull, none, "aa", "", "E300,-500 O100,60 r0 b");
    row("drag at the interface left out", "down R 100 300; move R 150 5; up R 150 5", kFull, none, "aa", "", "E300,-500 O100,300 r0 b");
    row("drag above refused", "down R 100 300; move R 150 -20", 0, none, "-n", "", "E300,-500 O0,500 r0 b");
    // A row point pressed may lie above the interface; dragged, it goes to 50 too.
    row("row point above", "rows; place R 0 -200", kFull, none, "aa", "", "E300,-500 O0,-200 r1 b");
    row("row point dragged to 30", "rows; place R 0 30", kFull, none, "aa", "", "E300,-500 O0,50 r1 b");
    // The raster of 50: snapped before the limit, so 90 becomes 100 and stays.
    row("raster off", "raster 1; raster 0", 0, none, "--", "X", "E300,-500 O0,500 r0 b");
    row("raster before the limit", "raster 1; down R 80 90; up R 80 90", kFull, none, "aa", "", "E300,-500 O100,100 r0 b");
    // 100 row points; the index shows the row alone, a refused point does not bring the bundle back.
    row("index shows the row alone", "rows; place R 0 300; n 140", kFull, none, "--", "I", "E300,-500 O0,300 r1 ");
    row("101st row point refused", "rows; 100x place R 0 300; n 140; place R 0 700", kFull, "Nur 100 Punkte möglich", "aa", "", "E300,-500 O0,300 r100 ");
    row("eye brings the bundle back", "rows; place R 0 300; n 140; place L -100 -300", kFull, none, "aa", "", "E-100,-300 O0,300 r1 b");
    row("mode switch redraws nothing", "rows", 0, none, "--", "", "E300,-500 O0,500 r0 b");
    row("row cleared", "rows; place R 0 300; clear", Layer::Clear | Layer::Element | Layer::Markers | Layer::Raster, none, "--", "O", "E300,-500 O0,300 r0 b");
    row("undo", "rows; place R -100 300; place R 100 300; undo", kFull, none, "--", "", "E300,-500 O-100,300 r1 b");
    row("undo while dragging", "rows; place R -100 300; down R 100 300; undo", 0, none, "--", "", "E300,-500 O-100,300 r1 b");
    row("dropped point", "down R 100 300; drop; up R 100 300", kFull, none, "aa", "", "E300,-500 O0,500 r0 b");
}

void TestRefractionControllers::imaging() {
    QFETCH(QString, script);
    ImagingScene s;
    ImagingController c(s);
    const ImagingUpdate u = run<ImagingController, ImagingUpdate>(c, script, [&](const QStringList &w) {
        if (w[0] == "raster")
            return c.raster(w[1] == "1");
        return w[0] == "clear" ? c.clearRow() : c.rowMode(true);
    });
    const QString state = QString("E%1 O%2 r%3 %4").arg(xy(s.eyeX, s.eyeY), xy(s.objX, s.objY)).arg(s.rowCount)
                              .arg(s.bundleInRowMode ? "b" : "");
    QTEST(u.layers, "layers");
    QTEST(QString(u.message), "message");
    QTEST(pointers(u), "pointers");
    QTEST(QString(u.indexChanged ? "I" : "") + (u.eraseRaster ? "X" : "") + (u.objectDot ? "O" : ""), "changes");
    QTEST(state, "state");
}

int runRefractionControllerTests(int argc, char **argv) {
    TestRefractionControllers t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_refrcontroller.moc"
