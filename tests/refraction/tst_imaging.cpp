// The imaging window and its optics: the worked examples of the eye's ray and the image
// point, the limits of the eye and the object, point rows, the raster, the index texts,
// printing and saving.
#include "TestSupport.h"

#include "canvas/Hardcopy.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "refraction/ImagingOptics.h"
#include "refraction/frmBre1.h"
#include "refraction/frmBre2.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace varelo;
using namespace varelo::test;

class TestImaging : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpProgram(); }
    void init();
    void cleanup() { tearDownWindows(); }
    void touchHoldPlacesObject();

    void workedExamples_data();
    void workedExamples();
    void eyeOutsideTheCone();
    void pointJustBelowTheInterface();
    void straightUpFromBelow();
    void initialState();
    void indexTexts_data();
    void indexTexts();
    void eyeAndObjectLimits();
    void rasterSnapsAndErases();
    void pointRows();
    void rowCapacity();
    void undoTakesBackTheLastRowPoint();
    void imagePointsOverDots();
    void bundleOnlyDeepEnough();
    void printedLines();
    void saveRowPoints();

private:
    frmBre2 *w = nullptr;
    void place(int button, float x, float y) {
        w->Picture1_MouseDown(button, 0, x, y);
        w->Picture1_MouseMove(button, 0, x, y);
        w->Picture1_MouseUp(button, 0, x, y);
    }
    int redDots() {
        const SurfaceRecorder rec = recordOn(w->Picture1, [&] { w->Redraw(); });
        int n = 0;
        for (const SurfaceOp &op : rec.ops)
            n += op.kind == SurfaceOp::PSet && op.color == kRed;
        return n;
    }
};

void TestImaging::touchHoldPlacesObject() {
    QVERIFY(QTest::qWaitForWindowExposed(w));
    PictureBox *pic = w->Picture1;
    const float eyeX = w->scene.eyeX, eyeY = w->scene.eyeY;
    // World per pixel is 2000 / width in both directions; y = 0 is the middle.
    const double perPixel = 2000.0 / pic->width();
    const QPoint from(pic->width() / 3, pic->height() * 3 / 4), to = from + QPoint(25, 10);
    touchHold(pic, from, to);
    QVERIFY(std::fabs(w->scene.objX - (-1000 + to.x() * perPixel)) < 0.5);
    QVERIFY(std::fabs(w->scene.objY - (to.y() - pic->height() / 2.0) * perPixel) < 0.5);
    // The eye is moved by a drag from the upper medium, not by the hold's left press.
    QCOMPARE(w->scene.eyeX, eyeX);
    QCOMPARE(w->scene.eyeY, eyeY);
}

void TestImaging::init() {
    Forms::show(FormId::Varelo);
    w = qobject_cast<frmBre2 *>(Forms::show(FormId::Bre2));
    QVERIFY(w);
    dialogs().messages.clear();
    dialogs().messageIcons.clear();
}

void TestImaging::workedExamples_data() {
    QTest::addColumn<float>("n");
    QTest::addColumn<QPointF>("eye");
    QTest::addColumn<QPointF>("image");
    QTest::newRow("n = 1.00: the image is O") << 1.0f << QPointF(300, -500) << QPointF(0, 500);
    QTest::newRow("n = 1.33") << 1.33f << QPointF(300, -500) << QPointF(6.6, 347.3);
    QTest::newRow("n = 2.00") << 2.0f << QPointF(300, -500) << QPointF(11.5, 207.6);
    QTest::newRow("n = 0.75: below O") << 0.75f << QPointF(300, -500) << QPointF(-9.5, 721.4);
    QTest::newRow("eye straight above: depth 500 / 1.33") << 1.33f << QPointF(0, -500) << QPointF(0, 375.9);
}

void TestImaging::workedExamples() {
    QFETCH(float, n);
    QFETCH(QPointF, eye);
    QFETCH(QPointF, image);
    const float hit = FindEyeRay(0, 500, float(eye.x()), float(eye.y()), n);
    if (n == 1.33f && eye.x() == 300)
        QVERIFY(std::fabs(hit - 126.8f) < 0.05f);
    float x = 0, y = 0;
    QVERIFY(ImagePoint(0, 500, hit, n, x, y));
    QVERIFY2(std::fabs(x - image.x()) < 0.1 && std::fabs(y - image.y()) < 0.1,
             qPrintable(QStringLiteral("%1 %2").arg(x).arg(y)));
}

void TestImaging::eyeOutsideTheCone() {
    // n = 1.33: rays leave the water only within 500 / sqrt(1.33^2 - 1) = 570 of below O.
    const float hit = FindEyeRay(0, 500, 3000, -60, 1.33f);
    QVERIFY(std::fabs(hit) <= 571);
    float x = 0, y = 0;
    if (ImagePoint(0, 500, hit, 1.33f, x, y))
        QVERIFY(std::isfinite(x) && std::isfinite(y));
    // One step beyond the border there is no refracted ray, so no image point.
    QVERIFY(!ImagePoint(0, 500, 580, 1.33f, x, y));
}

void TestImaging::pointJustBelowTheInterface() {
    // The last steps are far below the spacing of floats near 600: the search still ends.
    const float hit = FindEyeRay(600, 0.2f, 300, -500, 2.0f);
    QVERIFY(std::isfinite(hit) && std::fabs(hit - 600) < 1);
}

void TestImaging::straightUpFromBelow() {
    const RefractedRay r = RefractUpwards(100, 400, 100, 1.5f);
    QVERIFY(r.refracted);
    QVERIFY(std::fabs(r.endX - 100) < 1e-3 && std::fabs(r.endY + 2000) < 1e-3);
    QVERIFY(std::fabs(r.backY - 2000) < 1e-3);
}

void TestImaging::initialState() {
    QCOMPARE(w->windowTitle(),
             QStringLiteral("Brechung von schlanken Bündeln an einer ebenen Grenzfläche - Abbildung von Punkten"));
    const QStringList texts{w->Text1->text(), w->Text4->text(), w->Text2->text(), w->Text3->text()};
    QCOMPARE(texts, (QStringList{"   1.00", "   1.33", " n = 1 ", " n = 1.33"}));
    QVERIFY(w->Option3D1->isChecked() && !w->Raster->isChecked());
    QCOMPARE(w->HScroll1->value(), 133);
    QCOMPARE(QPointF(w->scene.eyeX, w->scene.eyeY), QPointF(300, -500));
    // The first picture shows the bundle and its red image point.
    QCOMPARE(redDots(), 1);
}

void TestImaging::indexTexts_data() {
    QTest::addColumn<int>("bar");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("n = 0.75") << 75 << QStringList{"  1.33", "  1.00", " n = 1.33", " n = 1 "};
    QTest::newRow("n = 1.5") << 150 << QStringList{"  1.00 ", "  1.5", " n = 1 ", " n = 1.5"};
}

void TestImaging::indexTexts() {
    QFETCH(int, bar);
    QFETCH(QStringList, texts);
    w->HScroll1->setValue(bar);
    QCOMPARE((QStringList{w->Text1->text(), w->Text4->text(), w->Text2->text(), w->Text3->text()}), texts);
    QCOMPARE(w->scene.relIndex, bar / 100.0f);
}

void TestImaging::eyeAndObjectLimits() {
    // The eye stays above y = -50.
    w->Picture1_MouseDown(1, 0, 100, -20);
    QCOMPARE(Screen::mousePointer(), 12);
    w->Picture1_MouseUp(1, 0, 100, -20);
    QCOMPARE(QPointF(w->scene.eyeX, w->scene.eyeY), QPointF(300, -500));
    place(1, -200, -300);
    QCOMPARE(QPointF(w->scene.eyeX, w->scene.eyeY), QPointF(-200, -300));
    QCOMPARE(Screen::mousePointer(), 0);
    // The single object: refused above y = 10, put to 50 between 10 and 100.
    w->Picture1_MouseDown(2, 0, 100, 5);
    QCOMPARE(w->Picture1->mousePointer(), 12);
    w->Picture1_MouseUp(2, 0, 100, 5);
    QCOMPARE(QPointF(w->scene.objX, w->scene.objY), QPointF(0, 500));
    w->Picture1_MouseDown(2, 0, 100, 60);
    w->Picture1_MouseUp(2, 0, 100, 60);
    QCOMPARE(QPointF(w->scene.objX, w->scene.objY), QPointF(100, 50));
    // While dragged it follows the mouse down to 50 at the least.
    w->Picture1_MouseDown(2, 0, 100, 300);
    w->Picture1_MouseMove(2, 0, 150, 20);
    w->Picture1_MouseUp(2, 0, 150, 20);
    QCOMPARE(QPointF(w->scene.objX, w->scene.objY), QPointF(150, 50));
    QCOMPARE(redDots(), 1);
}

void TestImaging::rasterSnapsAndErases() {
    w->Raster->setChecked(true);
    QVERIFY(colourNear(w->Picture1->image(), int(w->Picture1->toDeviceX(-950)), int(w->Picture1->toDeviceY(-350)), 1,
                       Qt::black));
    place(2, 74, 176);
    QCOMPARE(QPointF(w->scene.objX, w->scene.objY), QPointF(50, 200));
    place(2, 76, 224);
    QCOMPARE(QPointF(w->scene.objX, w->scene.objY), QPointF(100, 200));
    // Off: the dots go white, nothing else is redrawn.
    w->Raster->setChecked(false);
    QVERIFY(!colourNear(w->Picture1->image(), int(w->Picture1->toDeviceX(-950)), int(w->Picture1->toDeviceY(-350)), 1,
                        Qt::black));
}

void TestImaging::pointRows() {
    w->Option3D2->setChecked(true);
    for (int i = 0; i < 5; ++i)
        place(2, -400 + 200 * i, 400);
    place(2, 0, -200); // above the interface: a dot without an image
    QCOMPARE(int(w->scene.rowCount), 6);
    QCOMPARE(QPointF(w->scene.rowX[6], w->scene.rowY[6]), QPointF(0, -200));
    QCOMPARE(redDots(), 5);
    // An index change shows the row alone; the next placement brings the bundle back.
    w->HScroll1->setValue(150);
    QCOMPARE(redDots(), 5);
    place(2, 300, 600);
    QCOMPARE(redDots(), 7);
    // Back to single points: the row is kept but not drawn.
    w->Option3D1->setChecked(true);
    QCOMPARE(int(w->scene.rowCount), 7);
    w->HScroll1->setValue(140);
    QCOMPARE(redDots(), 1);
    w->Command1_Click();
    QCOMPARE(int(w->scene.rowCount), 0);
}

void TestImaging::rowCapacity() {
    w->Option3D2->setChecked(true);
    for (int i = 0; i < ImagingScene::kMaxRowPoints; ++i)
        place(2, -900 + 18 * i, 300);
    QVERIFY(dialogs().messages.isEmpty());
    place(2, 0, 700);
    QCOMPARE(int(w->scene.rowCount), 100);
    QCOMPARE(w->scene.rowY[100], 300.f);
    // The refused point changes nothing: O stays the hundredth row point.
    QCOMPARE(QPointF(w->scene.objX, w->scene.objY), QPointF(w->scene.rowX[100], 300));
    QCOMPARE(dialogs().messages, QStringList{QStringLiteral("Nur 100 Punkte möglich")});
    QCOMPARE(dialogs().messageIcons, QList<bool>{true});
    // After an index change the row shows alone; a refused point does not bring the bundle.
    w->HScroll1->setValue(140);
    const int rowImages = redDots();
    place(2, 0, 700);
    QCOMPARE(redDots(), rowImages);
}

void TestImaging::undoTakesBackTheLastRowPoint() {
    w->Option3D2->setChecked(true);
    place(2, -100, 300);
    place(2, 100, 300);
    w->Undo();
    QCOMPARE(int(w->scene.rowCount), 1);
    w->Redo();
    QCOMPARE(QPointF(w->scene.rowX[2], w->scene.rowY[2]), QPointF(100, 300));
    // O goes back with its row point: the bundle and image of (100, 300) are gone.
    const SurfaceRecorder rec = recordOn(w->Picture1, [&] { w->Undo(); });
    QCOMPARE(QPointF(w->scene.objX, w->scene.objY), QPointF(-100, 300));
    for (const SurfaceOp &op : rec.ops) {
        if (op.kind == SurfaceOp::PSet && op.color == kRed)
            QVERIFY2(op.x1 < 0, "an image point of the taken-back row point");
        if (op.kind == SurfaceOp::Line)
            QVERIFY(op.x1 != 100 || op.y1 != 300);
    }
    // With no row point left, O is the object point from before the row.
    w->Undo();
    QCOMPARE(QPointF(w->scene.objX, w->scene.objY), QPointF(0, 500));
    w->Redo();
    w->Redo();
    QCOMPARE(QPointF(w->scene.objX, w->scene.objY), QPointF(100, 300));
    w->Undo();
    // An object point placed in the single mode meanwhile is the one O goes back to.
    w->Option3D1->setChecked(true);
    place(2, 300, 400);
    w->Option3D2->setChecked(true);
    w->Undo();
    QCOMPARE(QPointF(w->scene.objX, w->scene.objY), QPointF(300, 400));
    w->Redo();
    place(2, 200, 300); // a new point: the taken-back one stays away
    w->Redo();
    QCOMPARE(int(w->scene.rowCount), 2);
    QCOMPARE(w->scene.rowX[2], 200.f);
}

void TestImaging::imagePointsOverDots() {
    // At n = 1 the image point lies on its object point and must show red, in both modes.
    w->HScroll1->setValue(100);
    w->Raster->setChecked(true); // O lies on a raster point: the raster goes under it
    place(1, 300, -500);
    auto redAt = [this](float x, float y) {
        return pixelAt(w->Picture1->image(), int(w->Picture1->toDeviceX(x)), int(w->Picture1->toDeviceY(y))) ==
               QColor(Qt::red);
    };
    QVERIFY(redAt(0, 500));
    w->Option3D2->setChecked(true);
    place(2, -300, 400);
    place(2, 200, 600);
    QVERIFY(redAt(-300, 400));
    QVERIFY(redAt(200, 600));
    w->HScroll1->setValue(101);
    w->HScroll1->setValue(100);
    QVERIFY(redAt(-300, 400));
}

void TestImaging::bundleOnlyDeepEnough() {
    // A row point 30 below the interface gets its image point but no bundle, and it
    // carries no bundle into the single mode either.
    w->Option3D2->setChecked(true);
    w->Picture1_MouseDown(2, 0, 0, 30); // placed without moving: no lower limit
    w->Picture1_MouseUp(2, 0, 0, 30);
    QCOMPARE(w->scene.objY, 30.f);
    QCOMPARE(redDots(), 1);
    w->Option3D1->setChecked(true);
    QCOMPARE(redDots(), 0);
}

void TestImaging::printedLines() {
    w->HScroll1->setValue(80);
    w->Raster->setChecked(true);
    QTemporaryDir dir;
    const SurfaceRecorder rec = printPage([&] { w->Command3->click(); }, QStringLiteral("Abbildung"), dir.filePath("bild.pdf"));
    // For n < 1 too the upper line reads "n =  1".
    QCOMPARE(printedTexts(rec), (QStringList{"Abbildung", "n =  1", "n = 0.8"}));
    int rasterDots = 0, thinnest = 1000;
    for (const SurfaceOp &op : rec.ops) {
        rasterDots += op.kind == SurfaceOp::PSet && op.width == 3;
        if (op.kind == SurfaceOp::Line)
            thinnest = std::min(thinnest, op.width);
    }
    QCOMPARE(rasterDots, 41 * 41);
    QVERIFY(thinnest >= 6);
    // In the point-row mode, after an index change too, the page shows the bundle of the
    // last point: five incident rays ending on the interface.
    w->Option3D2->setChecked(true);
    place(2, 100, 400);
    w->HScroll1->setValue(120);
    const SurfaceRecorder row = printPage([&] { w->Command3->click(); }, QStringLiteral("Reihe"), dir.filePath("reihe.pdf"));
    int incident = 0;
    for (const SurfaceOp &op : row.ops)
        incident += op.kind == SurfaceOp::Line && op.x1 == 100 && op.y1 == 400 && op.y2 == 0;
    QCOMPARE(incident, 5);
}

void TestImaging::saveRowPoints() {
    QTemporaryDir dir;
    // Row points go into the file in the single mode too: their two image points.
    w->Option3D2->setChecked(true);
    place(2, -200, 400);
    place(2, 200, 400);
    w->Option3D1->setChecked(true);
    dialogs().inputAnswers.push_back({true, dir.filePath("mit_reihe.bmp")});
    const SurfaceRecorder rec = recordOn(w->Picture1, [&] { w->Command4_Click(); });
    int red = 0;
    for (const SurfaceOp &op : rec.ops)
        red += op.kind == SurfaceOp::PSet && op.color == kRed;
    QCOMPARE(red, 2 * 3); // O and the two row points, before and after writing
}

int runImagingTests(int argc, char **argv) {
    TestImaging t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_imaging.moc"
