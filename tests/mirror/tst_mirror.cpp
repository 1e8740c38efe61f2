// The mirror window: parameters, rays and bundles, object points, the live ray over the kept
// picture, markers in the window, help panel, layout, printing and saving.
#include "TestSupport.h"

#include "canvas/Hardcopy.h"
#include "canvas/PictureBox.h"
#include "canvas/SpinButton.h"
#include "canvas/Screen.h"
#include "canvas/HelpPanel.h"
#include "mirror/frmSpieg.h"

#include <QAction>
#include <QCheckBox>
#include <QMenuBar>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QImageReader>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <cmath>

using namespace varelo;
using namespace varelo::test;

class TestMirror : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpProgram(); }
    void init();
    void cleanup() { tearDownWindows(); }

    void initialState();
    void curvatureAndDiameter_data();
    void curvatureAndDiameter();
    void diameterLimitedByRadius();
    void curvatureDragEndsWhereItStarted();
    void drawMirrorOperations_data();
    void drawMirrorOperations();
    void pressAndReleaseStoresRay();
    void releaseWithoutHitStoresNothing();
    void rayOutsideOpeningIsStoredInvisible();
    void bundleTurnsWithP();
    void optionsAreDrawn();
    void rightButtonMovesP_data();
    void rightButtonMovesP();
    void spinButtons();
    void objectAndRayLimits();
    void deleteBundleAndStartAgain();
    void liveRayFollowsMouse_data();
    void liveRayFollowsMouse();
    void sceneChangeDuringDrag_data();
    void sceneChangeDuringDrag();
    void screenLineAndClear();
    void pupilGrowsWithZoom();
    void helpPanel();
    void didacticNote();
    void layoutFractions_data();
    void layoutFractions();
    void pictureKeepsItsImage();
    void printToPdf_data();
    void printToPdf();
    void saveBitmap();
    void undoAndRedoRays();
    void pictureFormats();
    void touchTapAndHold();
    void pinchZooms();
    void fullScreenKeys();
    void presentationLook();

private:
    frmSpieg *w = nullptr;
    QImage img() { return w->Picture1->image(); }
    QPoint px(float x, float y) {
        return QPoint(int(w->Picture1->toDeviceX(x)), int(w->Picture1->toDeviceY(y)));
    }
    bool blackNear(float x, float y, int r = 2) {
        const QPoint p = px(x, y);
        return colourNear(img(), p.x(), p.y(), r, Qt::black);
    }
    void drag(float x, float y) {
        w->Picture1_MouseDown(1, 0, x, y);
        w->Picture1_MouseMove(1, 0, x, y);
        w->Picture1_MouseUp(1, 0, x, y);
    }
    void armPoint() {
        while (!w->markers->markPointMode)
            w->Picture2_Click();
    }
    void armEye() {
        while (!w->markers->markEyeMode)
            w->Picture3_Click();
    }
    void place(float x, float y) {
        w->Picture1_MouseDown(1, 0, x, y);
        w->Picture1_MouseUp(1, 0, x, y);
    }
};

void TestMirror::init() {
    Forms::show(FormId::Varelo);
    w = qobject_cast<frmSpieg *>(Forms::show(FormId::Spieg));
    QVERIFY(w);
}

void TestMirror::initialState() {
    QCOMPARE(w->Text6->text(), QStringLiteral("120"));
    QVERIFY(!w->Check3D2->isChecked() && !w->Check3D5->isChecked() && !w->Check3D8->isChecked());
    QCOMPARE(w->Picture1->ScaleWidth(), 4000.0);
    QCOMPARE(w->scene.markers.screenLineX, int16_t(2000));
    // The first picture: the plane mirror from (0, 600) to (0, -600) and P1.
    QVERIFY(blackNear(0, -590));
    QVERIFY(blackNear(0, 590));
    QVERIFY(!blackNear(0, -680, 1));
    QVERIFY(blackNear(-1600, -750, 1));
    QVERIFY(w->Label6->isVisible() && w->Label9->isVisible() && !w->Command8->isVisible());
}

void TestMirror::curvatureAndDiameter_data() {
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QString>("radiusText");
    QTest::addColumn<float>("radius");
    QTest::addColumn<float>("h");
    QTest::addColumn<int>("diameterBar");
    QTest::addColumn<QString>("diameterText");
    QTest::newRow("concave 12") << QList<int>{12} << "-100" << -1000.f << 600.f << 600 << "120";
    QTest::newRow("convex -12") << QList<int>{-12} << "100" << 1000.f << 600.f << 600 << "120";
    QTest::newRow("steepest concave 36") << QList<int>{36} << "-33" << -333.3333f << 330.f << 330 << "66";
    QTest::newRow("convex -20") << QList<int>{-20} << "60" << 600.f << 594.f << 594 << "119";
    QTest::newRow("back to plane") << QList<int>{-20, 0} << " plan" << 600.f << 594.f << 594 << "119";
}

void TestMirror::curvatureAndDiameter() {
    QFETCH(QList<int>, values);
    QFETCH(QString, radiusText);
    QFETCH(float, radius);
    QFETCH(float, h);
    QFETCH(int, diameterBar);
    QFETCH(QString, diameterText);
    for (int v : values)
        w->HScroll2->setValue(v);
    QCOMPARE(w->Text3->text(), radiusText);
    QVERIFY(std::fabs(w->scene.mirror.mirrorRadius - radius) < 0.01);
    QVERIFY(std::fabs(w->scene.mirror.halfAperture - h) < 0.01);
    QCOMPARE(w->HScroll5->value(), diameterBar);
    QCOMPARE(w->Text6->text(), diameterText);
}

void TestMirror::diameterLimitedByRadius() {
    w->HScroll2->setValue(-20); // r = 600, h limited to 594
    w->HScroll2->setValue(0);   // plane, radius kept
    w->HScroll5->setValue(1000);
    QCOMPARE(w->scene.mirror.halfAperture, 594.f);
    QCOMPARE(w->HScroll5->value(), 594);
    w->HScroll5->setValue(300);
    QCOMPARE(w->scene.mirror.halfAperture, 300.f);
    QCOMPARE(w->Text6->text(), QStringLiteral("60"));
    // The plane mirror is the segment |y| <= h.
    QVERIFY(blackNear(0, -290));
    QVERIFY(!blackNear(0, -400, 1));
}

void TestMirror::curvatureDragEndsWhereItStarted() {
    // Through r = 333 (limit 330) and back to the plane mirror in one drag: 600 again.
    w->HScroll2->setSliderDown(true);
    for (int v = -1; v >= -36; --v)
        w->HScroll2->setSliderPosition(v);
    QCOMPARE(w->scene.mirror.halfAperture, 330.f);
    for (int v = -35; v <= 0; ++v)
        w->HScroll2->setSliderPosition(v);
    w->HScroll2->setSliderDown(false);
    QCOMPARE(w->scene.mirror.halfAperture, 600.f);
    QCOMPARE(w->HScroll5->value(), 600);
    QCOMPARE(w->Text6->text(), QStringLiteral("120"));
    QCOMPARE(w->scene.mirror.mirrorRadius, 1200.f); // the plane mirror's radius from before
}

void TestMirror::drawMirrorOperations_data() {
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("shapeKind");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    const double a = std::atan(1 / std::sqrt(std::pow(1000.0 / 600, 2) - 1));
    QTest::newRow("plane") << 0 << int(SurfaceOp::Line) << 0.0 << 0.0;
    QTest::newRow("concave") << 12 << int(SurfaceOp::Arc) << 2 * M_PI - a << a;
    QTest::newRow("convex") << -12 << int(SurfaceOp::Arc) << M_PI - a << M_PI + a;
}

void TestMirror::drawMirrorOperations() {
    QFETCH(int, bar);
    QFETCH(int, shapeKind);
    QFETCH(double, start);
    QFETCH(double, end);
    w->HScroll2->setValue(bar);
    w->HScroll1->setValue(1000); // the axis follows the visible width
    const SurfaceRecorder rec = recordOn(w->Picture1, [&] { w->scene.DrawMirror(*w->Picture1, kScreenMirrorStyles); });
    QCOMPARE(rec.ops[0].kind, SurfaceOp::Circle);
    QCOMPARE(rec.ops[0].x2, 5.0);
    QCOMPARE(rec.ops[0].width, 1);
    QCOMPARE(rec.ops[1].kind, SurfaceOp::Line);
    QCOMPARE(rec.ops[1].style, int(kDashDot));
    QCOMPARE(rec.ops[1].x1, -1000.0);
    QCOMPARE(rec.ops[1].x2, 3000.0);
    QCOMPARE(rec.ops[1].y1, 0.0);
    QCOMPARE(int(rec.ops[2].kind), shapeKind);
    QCOMPARE(rec.ops[2].width, 2);
    if (shapeKind == SurfaceOp::Arc) {
        QVERIFY(std::fabs(rec.ops[2].start - start) < 1e-5);
        QVERIFY(std::fabs(rec.ops[2].end - end) < 1e-5);
        QCOMPARE(std::fabs(rec.ops[2].x1), 1000.0);
        QCOMPARE(rec.ops[2].x2, 1000.0);
        // The centre tick at x = r, 40 long.
        QCOMPARE(rec.ops.size(), size_t(4));
        QCOMPARE(rec.ops[3].x1, rec.ops[2].x1);
        QCOMPARE(rec.ops[3].y1 - rec.ops[3].y2, 40.0);
    } else {
        QCOMPARE(rec.ops[2].y1, 600.0);
        QCOMPARE(rec.ops[2].y2, -600.0);
        QCOMPARE(rec.ops.size(), size_t(3)); // no centre tick
    }
    QCOMPARE(w->Picture1->DrawWidth(), 1);
}

void TestMirror::pressAndReleaseStoresRay() {
    drag(-800, -375); // on the line from P1 through the vertex
    QCOMPARE(int(w->scene.rayCount[1]), 1);
    QVERIFY(std::fabs(w->scene.rayX[1][1]) < 1e-3);
    QVERIFY(std::fabs(w->scene.rayY[1][1]) < 1e-3);
    // The reflected ray runs to the lower left, 4000 long at 100 %.
    const double phi = M_PI - std::atan(0.46875);
    QVERIFY(blackNear(1000 * std::cos(phi), 1000 * std::sin(phi)));
    QVERIFY(blackNear(-800, -375));
}

void TestMirror::releaseWithoutHitStoresNothing() {
    drag(-300, -300);          // a first ray
    drag(-1600, 400);          // exactly vertical: no point of incidence
    QCOMPARE(int(w->scene.rayCount[1]), 1);
    // Strongly curved: a steep ray misses the sphere, nothing leaves P and nothing is stored.
    w->HScroll2->setValue(36);
    w->Picture1_MouseDown(2, 0, -700, -900);
    w->Redraw();
    const QImage before = img();
    const SurfaceRecorder rec = recordOn(w->Picture1, [&] { w->Picture1_MouseDown(1, 0, -695, 900); });
    for (const SurfaceOp &op : rec.ops)
        QVERIFY(!(op.kind == SurfaceOp::Line && op.x1 == -700 && op.y1 == -900));
    QCOMPARE(img(), before);
    w->Picture1_MouseUp(1, 0, -695, 900);
    QCOMPARE(int(w->scene.rayCount[1]), 1);
}

void TestMirror::rayOutsideOpeningIsStoredInvisible() {
    drag(-800, 0); // from (-1600, -750) through (-800, 0) meets x = 0 at y = 750 > 600
    QCOMPARE(int(w->scene.rayCount[1]), 1);
    QCOMPARE(w->scene.rayY[1][1], 750.f);
    w->Redraw();
    QVERIFY(!blackNear(-400, 375, 1));
    // A larger opening makes it hit.
    w->HScroll2->setValue(0);
    w->HScroll5->setValue(800);
    QVERIFY(blackNear(-400, 375, 1));
}

void TestMirror::bundleTurnsWithP() {
    w->HScroll2->setValue(12);
    drag(-800, -375);
    drag(-800, -200);
    const float sx = w->scene.rayX[1][2], sy = w->scene.rayY[1][2];
    w->Picture1_MouseDown(2, 0, -1500, 300);
    w->Picture1_MouseMove(2, 0, -1400, 200);
    QCOMPARE(w->scene.objX[1], -1400.f);
    QCOMPARE(w->scene.rayX[1][2], sx);
    QCOMPARE(w->scene.rayY[1][2], sy);
    // The incident ray now runs from the new P to the same point of incidence.
    QVERIFY(blackNear(-1400 + (sx + 1400) / 2, 200 + (sy - 200) / 2));
    // The mirror change keeps the stored points too.
    w->HScroll2->setValue(-12);
    QCOMPARE(w->scene.rayX[1][2], sx);
}

void TestMirror::optionsAreDrawn() {
    w->HScroll2->setValue(12);
    drag(-800, -300);
    const RayTrace t = TraceRay(w->scene.mirror, w->scene.objX[1], w->scene.objY[1], w->scene.rayX[1][1], w->scene.rayY[1][1], 4000);
    const float bx = t.hitX - 300 * std::cos(t.phi), by = t.hitY - 300 * std::sin(t.phi);
    const QPoint b = px(bx, by);
    QVERIFY(!colourNear(img(), b.x(), b.y(), 1, QColor(180, 180, 180)));
    w->Check3D5->click();
    QVERIFY(colourNear(img(), b.x(), b.y(), 1, QColor(180, 180, 180)));
    w->Check3D8->click();
    const Segment n = MirrorNormal(w->scene.mirror, t.hitX, t.hitY);
    const QPoint m = px((n.x1 + t.hitX) / 2, (n.y1 + t.hitY) / 2);
    QVERIFY(colourNear(img(), m.x(), m.y(), 1, QColor(255, 0, 0)));
    w->Check3D5->click();
    QVERIFY(!colourNear(img(), b.x(), b.y(), 1, QColor(180, 180, 180)));
    // Dotted reflected rays leave gaps.
    const SurfaceRecorder rec = recordOn(w->Picture1, [&] { w->Check3D2->click(); });
    bool dotted = false;
    for (const SurfaceOp &op : rec.ops)
        dotted |= op.kind == SurfaceOp::Line && op.style == kDotted && op.x1 == t.hitX;
    QVERIFY(dotted);
}

void TestMirror::rightButtonMovesP_data() {
    QTest::addColumn<bool>("raster");
    QTest::addColumn<QPointF>("mouse");
    QTest::addColumn<QPointF>("expected");
    QTest::addColumn<QString>("xText");
    QTest::addColumn<QString>("yText");
    QTest::newRow("free") << false << QPointF(-123, -77) << QPointF(-123, -77) << "x=-12" << "y=8";
    QTest::newRow("raster") << true << QPointF(-123, -77) << QPointF(-100, -100) << "x=-10" << "y=10";
    QTest::newRow("raster, right click") << true << QPointF(-1234, 567) << QPointF(-1200, 600) << "x=-120"
                                         << "y=-60";
    QTest::newRow("right of the mirror plane") << false << QPointF(300, 100) << QPointF(-1600, -750)
                                               << "x=-160" << "y=75";
    QTest::newRow("raster never snaps onto the mirror") << true << QPointF(-40, 10) << QPointF(-100, 0)
                                                         << "x=-10" << "y=0";
}

void TestMirror::rightButtonMovesP() {
    QFETCH(bool, raster);
    QFETCH(QPointF, mouse);
    QFETCH(QPointF, expected);
    QFETCH(QString, xText);
    QFETCH(QString, yText);
    if (raster)
        w->Picture4_Click();
    w->Picture1_MouseDown(2, 0, mouse.x(), mouse.y());
    w->Picture1_MouseMove(2, 0, mouse.x(), mouse.y());
    QCOMPARE(QPointF(w->scene.objX[1], w->scene.objY[1]), expected);
    QCOMPARE(w->Text8->text(), xText);
    QCOMPARE(w->Text9->text(), yText);
    QCOMPARE(w->Text1->text(), QStringLiteral("x = ") + QString::number(std::floor(mouse.x() / 10 + 0.5)));
    w->Picture1_MouseUp(2, 0, mouse.x(), mouse.y());
    QVERIFY(blackNear(expected.x(), expected.y(), 1));
}

void TestMirror::spinButtons() {
    w->Spin3_SpinUp(); // step Int(1600 / 20) = 80 upwards
    QCOMPARE(w->scene.objY[1], -830.f);
    QCOMPARE(w->Text9->text(), QStringLiteral("y=83"));
    w->Spin3_SpinDown();
    w->Spin3_SpinDown();
    QCOMPARE(w->scene.objY[1], -670.f);
    w->Spin2_SpinDown();
    QCOMPARE(w->scene.objX[1], -1440.f);
    QCOMPARE(w->Text8->text(), QStringLiteral("x=-144"));
    for (int i = 0; i < 500; ++i)
        w->Spin2_SpinDown();
    QVERIFY(w->scene.objX[1] < 0); // close to the mirror plane, never on it
}

void TestMirror::objectAndRayLimits() {
    // The 101st ray is refused with the message and, dragged over the kept picture, leaves
    // no trace.
    for (int i = 0; i < ObjectBundles::kMaxRays; ++i)
        drag(-800, -400 + i);
    QVERIFY(dialogs().messages.isEmpty());
    w->Picture1_MouseDown(1, 0, -800, 500);
    w->Picture1_MouseMove(1, 0, -800, 600);
    w->Picture1_MouseUp(1, 0, -800, 600);
    QCOMPARE(int(w->scene.rayCount[1]), 100);
    QCOMPARE(dialogs().messages, QStringList{QStringLiteral("Nur 100 Strahlen je Objekt möglich")});
    const QImage afterRefusal = img();
    w->Redraw();
    QCOMPARE(afterRefusal, img());
    // The eleventh object is refused with the critical message.
    for (int i = 0; i < 9; ++i)
        w->Command5_Click();
    QCOMPARE(w->Text11->text(), QStringLiteral("   10"));
    QCOMPARE(w->Label6->text(),
             QStringLiteral("Neues Objekt kann durch Drücken der rechten Maustaste und Ziehen bewegt werden!"));
    dialogs() = ScriptedDialogs{};
    w->Command5_Click();
    QCOMPARE(int(w->scene.objectCount), 10);
    QCOMPARE(dialogs().messages, QStringList{QStringLiteral("Nur 10 Objekte möglich")});
    QCOMPARE(dialogs().messageIcons, QList<bool>{true});
    // At 125 % a new object point lies where the first starts at 100 %, relative to the view.
    tearDownWindows();
    init();
    w->Spin1_SpinUp();
    w->Command5_Click();
    QCOMPARE(w->scene.objX[2], -1600 / 1.25f);
    QCOMPARE(w->scene.objY[2], -750 / 1.25f);
}

void TestMirror::deleteBundleAndStartAgain() {
    drag(-800, -375);
    w->Command5_Click();
    drag(-800, -300);
    drag(-800, -200);
    w->command1_Click();
    QCOMPARE(int(w->scene.rayCount[2]), 0);
    QCOMPARE(int(w->scene.rayCount[1]), 1);
    w->Picture2_Click();
    place(-200, 100);
    w->HScroll2->setValue(10);
    w->Spin1_SpinUp();
    w->Command6_Click();
    QCOMPARE(int(w->scene.objectCount), 1);
    QCOMPARE(int(w->scene.rayCount[1]), 0);
    QCOMPARE(int(w->scene.markers.pointCount), 0);
    QCOMPARE(w->Text11->text(), QStringLiteral("   1"));
    QCOMPARE(w->scene.objX[1], -1600 / 1.25f);
    QCOMPARE(int(w->scene.mirror.curvature), -10); // the mirror stays
}

void TestMirror::liveRayFollowsMouse_data() {
    QTest::addColumn<bool>("cached");
    QTest::newRow("cached layer") << true;
    QTest::newRow("full re-draw") << false;
}

void TestMirror::liveRayFollowsMouse() {
    QFETCH(bool, cached);
    w->drag.enabled = cached;
    w->HScroll2->setValue(12);
    for (int i = 0; i < 5; ++i)
        drag(-800, -550 + 100 * i);
    w->Redraw();
    w->Picture1_MouseDown(1, 0, -800, -375);
    w->Picture1_MouseMove(1, 0, -800, -300);
    w->Picture1_MouseMove(1, 0, -800, -100);
    // Only the newest live ray is visible.
    const RayTrace live = TraceRay(w->scene.mirror, -1600, -750, -800, -100, 4000);
    const RayTrace old = TraceRay(w->scene.mirror, -1600, -750, -800, -300, 4000);
    auto along = [](const RayTrace &t, float d) {
        return QPointF(t.hitX + d * std::cos(t.phi), t.hitY + d * std::sin(t.phi));
    };
    QVERIFY(blackNear(along(live, 300).x(), along(live, 300).y(), 1));
    QVERIFY(!blackNear(along(old, 300).x(), along(old, 300).y(), 0));
    w->Picture1_MouseUp(1, 0, -800, -100);
    QCOMPARE(int(w->scene.rayCount[1]), 6);
    // After the release the picture equals a full redraw of the scene.
    const QImage afterRelease = img();
    w->Redraw();
    if (cached)
        QCOMPARE(afterRelease, img());
    QVERIFY(blackNear(along(live, 300).x(), along(live, 300).y(), 1));
}

void TestMirror::sceneChangeDuringDrag_data() {
    QTest::addColumn<int>("change");
    QTest::newRow("Neues Objekt pressed with Space") << 0;
    QTest::newRow("Info pressed with Space") << 1;
}

void TestMirror::sceneChangeDuringDrag() {
    QFETCH(int, change);
    w->Picture1_MouseDown(2, 0, -1000, 200);
    drag(-800, -375);
    w->Picture1_MouseDown(1, 0, -800, -300);
    w->Picture1_MouseMove(1, 0, -800, -250); // the rest of the scene is now kept
    if (change == 0) {
        w->Command5_Click();
        w->Picture1_MouseMove(1, 0, -800, -200);
        // The frame shows the scene as it is now, with the live ray from the new point.
        ImageSurface expected(img().width(), img().height());
        expected.Scale(-2000, -1000, 2000, 1000);
        w->scene.draw(expected, kScreenMirrorStyles, kFullRedraw);
        w->scene.draw(expected, kScreenMirrorStyles, Layer::Live | Layer::Raster);
        QCOMPARE(int(w->scene.objectCount), 2);
        QCOMPARE(img(), expected.image());
    } else {
        w->Command7_Click();
        w->Picture1_MouseMove(1, 0, -800, -200);
        // Nothing shows through under the notes.
        QImage white(img().size(), img().format());
        white.fill(Qt::white);
        QCOMPARE(img(), white);
        w->Command7_Click();
    }
    w->Picture1_MouseUp(1, 0, -800, -200);
    const QImage after = img();
    w->Redraw();
    QCOMPARE(after, img());
}

void TestMirror::screenLineAndClear() {
    // The screen line's own behaviour is the marker tests'; here what clearing keeps.
    auto *m = &w->scene.markers;
    w->Picture4_Click(); // raster on
    w->Picture2_Click();
    place(-300, 300);
    drag(-800, -375);
    w->Command2_Click();
    QCOMPARE(int(m->pointCount), 0);
    QCOMPARE(int(w->scene.rayCount[1]), 1); // rays stay
    QCOMPARE(int(m->rasterOn), 1);
    QVERIFY(blackNear(-1000, -500, 1)); // the raster is drawn again
}

void TestMirror::pupilGrowsWithZoom() {
    w->Picture3_Click();
    place(-1000, 0);
    for (int zoomSteps : {0, 1}) {
        if (zoomSteps)
            w->Spin1_SpinUp();
        const SurfaceRecorder rec = recordOn(w->Picture1, [&] { w->Redraw(); });
        int pupil = 0;
        for (const SurfaceOp &op : rec.ops)
            if (op.kind == SurfaceOp::PSet && std::fabs(op.x1 - (-950)) < 1e-3)
                pupil = op.width;
        QCOMPARE(pupil, zoomSteps ? 15 : 12);
    }
}

void TestMirror::helpPanel() {
    w->VScroll1->setValue(500);
    const double top = w->Picture1->ScaleTop();
    QCOMPARE(top, -1000.0 + 500);
    w->Command7_Click();
    QCOMPARE(w->Command7->text(), QStringLiteral("Info off"));
    QVERIFY(w->Command8->isVisible());
    QVERIFY(!w->Label6->isVisible() && !w->Text1->isVisible());
    QVERIFY(w->help->labels.value("Label19")->isVisible());
    QCOMPARE(w->help->labels.value("Label22")->text(), QString(54, ' ') + "Bedienungshinweise");
    QCOMPARE(w->Picture1->ScaleTop(), -2 * w->Picture1->ScaleHeight());
    // Dragging while the help is shown draws nothing visible.
    const QImage blank = img();
    drag(-800, -375);
    w->Picture1_MouseDown(2, 0, -1000, -200);
    w->VScroll1->setValue(400);
    QCOMPARE(img(), blank);
    w->VScroll1->setValue(500);
    w->Command7_Click();
    QCOMPARE(w->Command7->text(), QStringLiteral("Info"));
    QCOMPARE(w->Picture1->ScaleTop(), top);
    QVERIFY(!w->Command8->isVisible());
    QVERIFY(!w->help->labels.value("Label19")->isVisible());
    QVERIFY(w->Label9->isVisible());
}

void TestMirror::didacticNote() {
    w->Command7_Click();
    w->Command8_Click();
    QVERIFY(Forms::isVisible(FormId::SpiegIn));
    QCOMPARE(w->Command7->text(), QStringLiteral("Info einblenden"));
    QCOMPARE(int(w->help->helpShown), 0);
    QVERIFY(!w->help->labels.value("Label19")->isVisible());
    w->Command7_Click();
    QVERIFY(w->help->labels.value("Label19")->isVisible());
}

void TestMirror::layoutFractions_data() {
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1024x768") << QSize(1024, 768);
    QTest::newRow("1280x1024") << QSize(1280, 1024);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
}

void TestMirror::layoutFractions() {
    QFETCH(QSize, screen);
    tearDownWindows();
    Screen::setSizeOverride(screen.width(), screen.height());
    init();
    const double W = w->width();
    QVERIFY(std::abs(w->Command3->x() - 0.85 * W) <= 1);
    QVERIFY(std::abs(w->Picture2->width() - 0.047 * W) <= 1);
    QVERIFY(std::abs(w->Picture3->x() - 0.625 * W) <= 1);
    // Eye, point, screen line, raster, from left to right.
    QVERIFY(w->Picture3->x() < w->Picture2->x() && w->Picture2->x() < w->Picture5->x() &&
            w->Picture5->x() < w->Picture4->x());
    // Every control inside the window (the picture's shape is the shell's module table's).
    for (QWidget *c : {static_cast<QWidget *>(w->Command9), static_cast<QWidget *>(w->command1),
                       static_cast<QWidget *>(w->Check3D8), static_cast<QWidget *>(w->Spin1)})
        QVERIFY2(c->geometry().bottom() < w->height(), qPrintable(c->objectName()));
    Screen::setSizeOverride(1280, 1024);
}

void TestMirror::pictureKeepsItsImage() {
    drag(-800, -375);
    w->Command5_Click();
    const QImage before = img();
    w->hide();
    w->show();
    w->repaint();
    QCOMPARE(img(), before);
    QVERIFY(blackNear(-800, -375));
    // What the widget shows is the retained picture.
    const QImage shown = w->Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.pixelColor(px(-800, -375)), img().pixelColor(px(-800, -375)));
}

void TestMirror::printToPdf_data() {
    QTest::addColumn<int>("bar");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("plane") << 0
                           << QStringList{"Tafelbild", "Spiegelparameter: r = plan", "Durchmesser der Öffnung = 120",
                                          "0", "50", "100", "150", "200"};
    QTest::newRow("concave") << 12
                             << QStringList{"Tafelbild", "Spiegelparameter: r = -100", "Durchmesser der Öffnung = 120",
                                            "Brennweite nach Formel f = -50", "0", "50", "100", "150", "200"};
}

void TestMirror::printToPdf() {
    QFETCH(int, bar);
    QFETCH(QStringList, texts);
    w->HScroll2->setValue(bar);
    drag(-800, -300);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("spiegel.pdf");
    const SurfaceRecorder rec = printPage([&] { w->Command3->click(); }, QStringLiteral("Tafelbild"), pdf);
    QCOMPARE(printedTexts(rec), texts);
    // The printer widths: object point 20, mirror 4, rays 2; a scale bar 2000 long.
    bool objectDot = false, mirrorStroke = false, ray = false, bar2000 = false;
    for (const SurfaceOp &op : rec.ops) {
        objectDot |= op.kind == SurfaceOp::PSet && op.width == 20 && op.x1 == -1600.0;
        mirrorStroke |= (op.kind == SurfaceOp::Arc || (op.kind == SurfaceOp::Line && op.x1 == 0 && op.y1 == 600)) &&
                        op.width == 4;
        ray |= op.kind == SurfaceOp::Line && op.width == 2 && op.x1 == -1600.0;
        bar2000 |= op.kind == SurfaceOp::Line && std::fabs(op.x2 - op.x1 - 2000) < 1e-6 && op.y1 == op.y2;
    }
    QVERIFY(objectDot && mirrorStroke && ray && bar2000);
}

void TestMirror::saveBitmap() {
    QTemporaryDir dir;
    drag(-800, -300);
    w->Picture4_Click(); // raster on
    w->Picture2_Click();
    place(-300, 700);    // a marked point away from rays
    const QString file = dir.filePath("bild.bmp");
    dialogs().inputAnswers.push_back({true, file});
    w->Command4->click();
    QImage saved(file, "BMP");
    QCOMPARE(saved.size(), w->Picture1->image().size());
    const QPoint p = px(-1600, -750), m = px(-300, 700), r = px(-1000, -500);
    QVERIFY(colourNear(saved, p.x(), p.y(), 1, Qt::black));
    QVERIFY(!colourNear(saved, m.x(), m.y(), 2, Qt::black)); // no markers
    QVERIFY(!colourNear(saved, r.x(), r.y(), 1, Qt::black)); // no raster
    // The screen shows no markers until the next redraw.
    QVERIFY(!blackNear(-300, 700, 2));
    w->Redraw();
    QVERIFY(blackNear(-300, 700, 2));
}

void TestMirror::touchTapAndHold() {
    QVERIFY(QTest::qWaitForWindowExposed(w));
    PictureBox *pic = w->Picture1;
    const double perPixel = 4000.0 / pic->width();
    // A tap is a left click: the ray towards it is stored.
    const QPoint tap(pic->width() / 4, pic->height() / 2);
    QTest::touchEvent(pic, touchScreen()).press(0, tap);
    QTest::touchEvent(pic, touchScreen()).release(0, tap);
    QCOMPARE(int(w->scene.rayCount[1]), 1);
    // A hold drops its ray unstored, shows its ring and moves P with the finger.
    const QPoint from(pic->width() / 8, pic->height() / 4), to = from + QPoint(30, 40);
    touchHold(pic, from, to);
    QVERIFY(!pic->holdShown());
    QVERIFY(!w->scene.trialActive);
    QCOMPARE(int(w->scene.rayCount[1]), 1);
    QVERIFY(std::fabs(w->scene.objX[1] - (-2000 + to.x() * perPixel)) < 0.5);
    QVERIFY(std::fabs(w->scene.objY[1] - (-1000 + to.y() * perPixel)) < 0.5);
}

void TestMirror::presentationLook() {
    // F5: the rays drawn heavy and smooth. While the curvature bar's slider is held the
    // frames are aliased; the smooth picture follows when it is let go.
    for (int i = 0; i < 5; ++i) {
        w->Picture1_MouseDown(1, 0, -300, -400 + 200.f * i);
        w->Picture1_MouseUp(1, 0, -300, -400 + 200.f * i);
    }
    auto smoothPixels = [this] {
        const QImage img = w->Picture1->image();
        int n = 0;
        for (int y = 0; y < img.height(); y += 2)
            for (int x = 0; x < img.width(); x += 2) {
                const QColor c = img.pixelColor(x, y);
                n += c.red() == c.green() && c.green() == c.blue() && c.red() > 20 && c.red() < 235;
            }
        return n;
    };
    QCOMPARE(smoothPixels(), 0);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_F5);
    QVERIFY(w->scene.view.presentation);
    QVERIFY(w->Picture1->antialiased());
    QVERIFY(smoothPixels() > 100);
    w->HScroll2->setSliderDown(true);
    w->HScroll2->setValue(w->HScroll2->value() + 2);
    QVERIFY(!w->Picture1->antialiased());
    QCOMPARE(smoothPixels(), 0);
    w->HScroll2->setSliderDown(false);
    QVERIFY(w->Picture1->antialiased());
    QVERIFY(smoothPixels() > 100);
    // So while the object point is dragged with the right button.
    const QPoint p(w->Picture1->width() / 8, w->Picture1->height() / 3);
    QTest::mousePress(w->Picture1, Qt::RightButton, {}, p);
    QVERIFY(!w->Picture1->antialiased());
    QTest::mouseRelease(w->Picture1, Qt::RightButton, {}, p);
    QVERIFY(w->Picture1->antialiased());
    QVERIFY(smoothPixels() > 100);
}

void TestMirror::pinchZooms() {
    QVERIFY(QTest::qWaitForWindowExposed(w));
    // Spread by 1.3: one zoom step in; closed to 0.6 of that: two steps out.
    pinch(w->Picture1, 100, 130);
    QCOMPARE(w->Text10->text(), QStringLiteral("125%"));
    pinch(w->Picture1, 100, 60);
    QCOMPARE(w->Text10->text(), QStringLiteral("80%"));
    QCOMPARE(int(w->scene.rayCount[1]), 0); // the fingers drew no ray
}

void TestMirror::fullScreenKeys() {
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->Spin1_SpinUp();
    QAction *entry = w->menuBar()->findChild<QAction *>(QStringLiteral("Vollbild"));
    QVERIFY(entry && entry->isCheckable());
    const int normalHeight = w->clientArea()->height();
    QTest::keyClick(w, Qt::Key_F11);
    QVERIFY(w->isFullScreen());
    QVERIFY(entry->isChecked());
    // The same fractions of the screen, without the 465 twips (31 pixels) of the frame.
    QCOMPARE(w->clientArea()->height(), normalHeight + 31);
    QVERIFY(std::abs(w->Command3->x() - 0.85 * 0.98 * 1280) <= 1);
    // The view and its zoom stay.
    QCOMPARE(w->Text10->text(), QStringLiteral("125%"));
    QCOMPARE(w->Picture1->ScaleWidth(), 4000 / 1.25);
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!w->isFullScreen());
    QVERIFY(!entry->isChecked());
    QCOMPARE(w->clientArea()->height(), normalHeight);
    entry->trigger();
    QVERIFY(w->isFullScreen());
    QTest::keyClick(w, Qt::Key_F11);
    QVERIFY(!w->isFullScreen());
}

void TestMirror::undoAndRedoRays() {
    for (int i = 0; i < 3; ++i)
        drag(-800, -400 + 100 * i);
    const float third = w->scene.rayY[1][3];
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(int(w->scene.rayCount[1]), 1);
    const QImage afterUndo = img();
    w->Redraw();
    QCOMPARE(afterUndo, img()); // the picture as after the original action
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(w, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(int(w->scene.rayCount[1]), 3);
    QCOMPARE(w->scene.rayY[1][3], third);
    // Something new stored: nothing left to bring back.
    w->Undo();
    drag(-800, 200);
    w->Redo();
    QCOMPARE(int(w->scene.rayCount[1]), 3);
    // Never into another object's bundle, never past "Neu beginnen".
    w->Command5_Click();
    w->Undo();
    QCOMPARE(int(w->scene.rayCount[1]), 3);
    w->Command6_Click();
    w->Redo();
    QCOMPARE(int(w->scene.rayCount[1]), 0);
    // At the limit: after a refused 101st ray the 100th goes.
    for (int i = 0; i < ObjectBundles::kMaxRays + 1; ++i)
        drag(-800, -400 + 4 * i);
    QCOMPARE(int(w->scene.rayCount[1]), 100);
    const float hundredth = w->scene.rayY[1][100];
    w->Undo();
    QCOMPARE(int(w->scene.rayCount[1]), 99);
    w->Redo();
    QCOMPARE(w->scene.rayY[1][100], hundredth);
    QVERIFY(w->command1->toolTip().contains(QStringLiteral("Strg+Z")));
}

void TestMirror::pictureFormats() {
    QTemporaryDir dir;
    for (int i = 0; i < 4; ++i)
        drag(-800, -400 + 150 * i);
    auto save = [&](const QString &name) {
        dialogs().inputAnswers.push_back({true, dir.filePath(name)});
        w->Command4_Click();
    };
    save("bild.bmp");
    save("bild.png");
    save("ohne");
    QImageReader png(dir.filePath("bild.png"));
    QCOMPARE(png.format(), QByteArray("png"));
    const QImage bmp(dir.filePath("bild.bmp"), "BMP");
    QCOMPARE(png.read().convertToFormat(QImage::Format_RGB32), bmp.convertToFormat(QImage::Format_RGB32));
    QVERIFY(!QImage(dir.filePath("ohne"), "BMP").isNull()); // no extension: a bitmap as before
    // SVG: the scene as vectors, a drawn element for every segment of the four rays.
    save("bild.svg");
    QFile svg(dir.filePath("bild.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    int shapes = 0;
    bool isSvg = false;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            isSvg |= xml.name() == QLatin1String("svg");
            shapes += xml.name() == QLatin1String("path") || xml.name() == QLatin1String("polyline") ||
                      xml.name() == QLatin1String("line");
        }
    QVERIFY(!xml.hasError() && isSvg);
    QVERIFY2(shapes >= 4 * 2, qPrintable(QString::number(shapes)));
    save("bild.pdf");
    QCOMPARE(pdfPageCount(dir.filePath("bild.pdf")), 1);
    QVERIFY(dialogs().messages.isEmpty());
    // A bad name in every format: the message, and an existing file stays as it was.
    for (const char *suffix : {"bmp", "png", "svg", "pdf"}) {
        dialogs().messages.clear();
        dialogs().messageIcons.clear();
        save(QStringLiteral("fehlt/bild.") + suffix);
        QCOMPARE(dialogs().messages, QStringList{"Fehler beim Speichern! Disk full?"});
        QCOMPARE(dialogs().messageIcons, QList<bool>{true});
    }
    // The window stays usable.
    drag(-800, -375);
    QCOMPARE(int(w->scene.rayCount[1]), 5);
    QFile keep(dir.filePath("bild.svg"));
    const qint64 size = keep.size();
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    dialogs().messages.clear();
    save("bild.svg");
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    if (!dialogs().messages.isEmpty()) // root may write anyway
        QCOMPARE(keep.size(), size);
}

QTEST_MAIN(TestMirror)
#include "tst_mirror.moc"
