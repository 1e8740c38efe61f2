// The refraction ray-path window: index texts, rays and their limit, markers, the angle
// diagram, notes, the control column, printing and saving.
#include "TestSupport.h"

#include "canvas/Hardcopy.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "core/NumRules.h"
#include "refraction/frmBre1.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <cmath>
#include <functional>
#include <map>

using namespace varelo;
using namespace varelo::test;

class TestRefraction : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpProgram(); }
    void init();
    void cleanup() { tearDownWindows(); }

    void initialState();
    void indexTexts_data();
    void indexTexts();
    void storeRayOnRelease();
    void rayCapacity();
    void refusedRayLeavesNoTrace();
    void undoTakesBackTheLastRay();
    void controlColumn();
    void keyboardOrder_data();
    void keyboardOrder();
    void pointerOverP_data();
    void pointerOverP();
    void totalReflectionIsBlack_data();
    void totalReflectionIsBlack();
    void equalIndexGoesStraightThrough();
    void draggingPAcrossInterface();
    void clearingButtonsKeepTheOtherKind();
    void eyes();
    void markCapacities();
    void protractorPressStartsNoRay();
    void diagram();
    void diagramRedrawnForNewIndex();
    void infoToggle();
    void printIndexLines_data();
    void printIndexLines();
    void saveIncludesMarksAndDiagram();
    void angleReadings_data();
    void angleReadings();

private:
    frmBre1 *w = nullptr;
    void ray(float x, float y) {
        w->Picture1_MouseDown(1, 0, x, y);
        w->Picture1_MouseMove(1, 0, x, y);
        w->Picture1_MouseUp(1, 0, x, y);
    }
    void mark(float x, float y) {
        w->Picture1_MouseDown(1, 0, x, y);
        w->Picture1_MouseUp(1, 0, x, y);
    }
    QList<SurfaceOp> linesFrom(const SurfaceRecorder &rec, float hitX) {
        QList<SurfaceOp> out;
        for (const SurfaceOp &op : rec.ops)
            if (op.kind == SurfaceOp::Line && std::fabs(op.x1 - hitX) < 1e-3 && op.y1 == 0)
                out << op;
        return out;
    }
};

void TestRefraction::init() {
    Forms::show(FormId::Varelo);
    w = qobject_cast<frmBre1 *>(Forms::show(FormId::Bre1));
    QVERIFY(w);
}

void TestRefraction::initialState() {
    QCOMPARE(w->Text1->text(), QStringLiteral(" n = 1"));
    QCOMPARE(w->Text4->text(), QStringLiteral(" n = 1.33"));
    QCOMPARE(w->Text3->text(), QStringLiteral("  1.00"));
    QCOMPARE(w->Text2->text(), QStringLiteral("  1.33"));
    QVERIFY(w->Check3D1->isChecked());
    QVERIFY(!w->Check3D3->isChecked());
    QCOMPARE(w->HScroll1->value(), 133);
    QCOMPARE(w->scene.objY, 500.f);
    QCOMPARE(w->scene.indexRatio, 1.33f);
    QCOMPARE(w->Command3->text(), QStringLiteral("Info"));
    // The interface and P.
    const QImage img = w->Picture1->image();
    const int yInterface = int(w->Picture1->toDeviceY(0));
    QVERIFY(colourNear(img, img.width() / 4, yInterface, 1, Qt::black));
    QVERIFY(colourNear(img, int(w->Picture1->toDeviceX(0)), int(w->Picture1->toDeviceY(500)), 1, Qt::black));
    QVERIFY(std::fabs(w->Picture1->ScaleHeight() / w->Picture1->ScaleWidth() -
                      double(w->Picture1->height()) / w->Picture1->width()) < 1e-9);
}

void TestRefraction::indexTexts_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("oben");
    QTest::addColumn<QString>("unten");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::newRow("n = 0.50") << 50 << "2" << "1.00" << "n = 2" << "n = 1 ";
    QTest::newRow("n = 0.75") << 75 << "1.33" << "1.00" << "n = 1.33" << "n = 1 ";
    QTest::newRow("n = 1.00") << 100 << "1.00" << "1" << "n = 1 " << "n = 1";
    QTest::newRow("n = 1.50") << 150 << "1.00" << "1.5" << "n = 1 " << "n = 1.5";
    QTest::newRow("n = 2.00") << 200 << "1.00" << "2" << "n = 1 " << "n = 2";
}

void TestRefraction::indexTexts() {
    QFETCH(int, value);
    QFETCH(QString, oben);
    QFETCH(QString, unten);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    w->HScroll1->setValue(value);
    QCOMPARE(w->Text3->text(), oben);
    QCOMPARE(w->Text2->text(), unten);
    QCOMPARE(w->Text1->text(), upper);
    QCOMPARE(w->Text4->text(), lower);
    QCOMPARE(w->scene.relIndex, value / 100.0f);
}

void TestRefraction::storeRayOnRelease() {
    w->Picture1_MouseDown(1, 0, 50, 250);
    QCOMPARE(w->scene.hitX, 100.f);
    w->Picture1_MouseMove(1, 0, 100, 300); // hit at 250
    w->Picture1_MouseUp(1, 0, 100, 300);
    QCOMPARE(int(w->scene.rayCount), 1);
    QVERIFY(std::fabs(w->scene.rayHitX[1] - 250) < 1e-3);
    // A press the hit point refuses (straight above P) stores nothing.
    ray(0, 200);
    QCOMPARE(int(w->scene.rayCount), 1);
}

void TestRefraction::rayCapacity() {
    for (int i = 0; i < RayPathScene::kMaxRays; ++i)
        ray(-495 + 10 * i, 250);
    QCOMPARE(int(w->scene.rayCount), 100);
    QVERIFY(dialogs().messages.isEmpty());
    ray(50, 250);
    QCOMPARE(int(w->scene.rayCount), 100);
    QCOMPARE(dialogs().messages, QStringList{QStringLiteral("Nur 100 Strahlen möglich")});
}

void TestRefraction::refusedRayLeavesNoTrace() {
    w->Check3D3->setChecked(true);
    for (int i = 0; i < RayPathScene::kMaxRays; ++i)
        ray(-495 + 10 * i, 250);
    w->Picture1_MouseDown(1, 0, 300, 100);
    w->Picture1_MouseMove(1, 0, 320, 100);
    w->Picture1_MouseUp(1, 0, 320, 100);
    QCOMPARE(dialogs().messages, QStringList{QStringLiteral("Nur 100 Strahlen möglich")});
    const QImage afterRefusal = w->Picture1->image();
    w->Check3D_Click(); // a fresh redraw of the stored rays
    QCOMPARE(afterRefusal, w->Picture1->image());
}

void TestRefraction::undoTakesBackTheLastRay() {
    ray(50, 250);
    ray(-50, 250);
    const float second = w->scene.rayHitX[2];
    w->Undo();
    QCOMPARE(int(w->scene.rayCount), 1);
    const QImage afterUndo = w->Picture1->image();
    w->Check3D_Click();
    QCOMPARE(afterUndo, w->Picture1->image());
    w->Redo();
    QCOMPARE(w->scene.rayHitX[2], second);
    w->Command1_Click(); // "Strahlen löschen" ends what can be brought back
    w->Redo();
    QCOMPARE(int(w->scene.rayCount), 0);
}

void TestRefraction::controlColumn() {
    const double W = w->width();
    QVERIFY(std::abs(w->Label3->width() - 0.26 * W) <= 1);
    // Eye, point, protractor, diagram, from left to right, square.
    QVERIFY(w->Picture2->x() < w->Picture5->x() && w->Picture5->x() < w->Picture3->x() &&
            w->Picture3->x() < w->Picture4->x());
    QCOMPARE(w->Picture5->width(), w->Picture5->height());
}

void TestRefraction::keyboardOrder_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("next");
    // Down the control column: the ray options row by row, then the index, the marker
    // symbols from left to right, and the buttons.
    const char *const order[] = {"Check3D1", "Check3D2", "Check3D3", "Check3D4", "Check3D5", "Command1",
                                 "HScroll1", "Picture2", "Picture5", "Picture3", "Picture4", "Command4",
                                 "Command2", "Command6", "Command5", "Command3", "Command7"};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        QTest::newRow(order[i]) << order[i] << order[i + 1];
}

void TestRefraction::keyboardOrder() {
    QFETCH(QString, control);
    QFETCH(QString, next);
    auto *c = w->findChild<QWidget *>(control);
    QVERIFY(c);
    QWidget *n = c->nextInFocusChain();
    while (n != c && !((n->focusPolicy() & Qt::TabFocus) && n->isVisibleTo(w)))
        n = n->nextInFocusChain();
    QCOMPARE(n->objectName(), next);
}

void TestRefraction::pointerOverP_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<int>("pointer");
    // P lies at (0, 500); the cross-hair shows within 100 of it on both axes.
    QTest::newRow("on P") << 0 << QPointF(0, 500) << 2;
    QTest::newRow("just inside, right") << 0 << QPointF(99, 500) << 2;
    QTest::newRow("100 to the right") << 0 << QPointF(100, 500) << 0;
    QTest::newRow("just inside, above") << 0 << QPointF(0, 401) << 2;
    QTest::newRow("100 above") << 0 << QPointF(0, 400) << 0;
    QTest::newRow("near on both axes") << 0 << QPointF(-99, 599) << 2;
    QTest::newRow("right button held") << 2 << QPointF(50, 550) << 2;
    QTest::newRow("left button held") << 1 << QPointF(0, 500) << 0;
}

void TestRefraction::pointerOverP() {
    QFETCH(int, button);
    QFETCH(QPointF, at);
    QFETCH(int, pointer);
    if (button == 2)
        w->Picture1_MouseDown(2, 0, 0, 500); // P stays where it is
    w->Picture1_MouseMove(button, 0, float(at.x()), float(at.y()));
    QCOMPARE(w->Picture1->mousePointer(), pointer);
}

void TestRefraction::totalReflectionIsBlack_data() {
    QTest::addColumn<double>("alphaDeg");
    QTest::addColumn<bool>("total");
    QTest::newRow("below critical angle 48.75") << 48.70 << false;
    QTest::newRow("above critical angle") << 48.80 << true;
}

void TestRefraction::totalReflectionIsBlack() {
    QFETCH(double, alphaDeg);
    QFETCH(bool, total);
    w->Check3D3->click(); // show reflected rays
    const float hit = float(500 * std::tan(alphaDeg * M_PI / 180));
    ray(hit / 2, 250);
    const SurfaceRecorder rec = recordOn(w->Picture1, [&] { w->Check3D_Click(); });
    const QList<SurfaceOp> lines = linesFrom(rec, w->scene.rayHitX[1]);
    // Refracted (upwards) exists only below the critical angle, and then lies close to
    // the interface; the reflected ray (downwards) is grey, or black under total reflection.
    int up = 0;
    Rgb reflected{1, 2, 3};
    for (const SurfaceOp &op : lines) {
        if (op.y2 < 0) {
            ++up;
            QVERIFY(std::fabs(op.y2) < 2000 * 0.2);
        } else {
            reflected = op.color;
        }
    }
    QCOMPARE(up, total ? 0 : 1);
    const Rgb expected = total ? kBlack : Rgb{192, 192, 192};
    QVERIFY(reflected == expected);
}

void TestRefraction::equalIndexGoesStraightThrough() {
    w->HScroll1->setValue(100);
    w->Check3D2->click(); // extension of the refracted ray
    ray(50, 250);
    const RefractionTrace t = TraceRefraction(w->scene.objX, w->scene.objY, w->scene.rayHitX[1], w->scene.indexRatio);
    // The refracted ray continues the incident ray; its extension runs back through P.
    const double inX = 100 - 0, inY = 0 - 500;
    const double cross = inX * (t.refrEndY - 0) - inY * (t.refrEndX - 100);
    QVERIFY(std::fabs(cross) / 2000 / std::hypot(inX, inY) < 1e-5);
    const double crossBack = (t.refrBackX - 100) * (500 - 0) - (t.refrBackY - 0) * (0 - 100);
    QVERIFY(std::fabs(crossBack) / 2000 / std::hypot(inX, inY) < 1e-5);
}

void TestRefraction::draggingPAcrossInterface() {
    w->Check3D3->click();
    const float hit = float(500 * std::tan(60 * M_PI / 180)); // beyond the critical angle
    ray(hit / 2, 250);
    QCOMPARE(w->scene.indexRatio, 1.33f);
    w->Picture1_MouseDown(2, 0, 0, 400);
    w->Picture1_MouseMove(2, 0, 0, -500);
    QCOMPARE(w->scene.objY, -500.f);
    QCOMPARE(w->scene.indexRatio, 1 / 1.33f);
    const RefractionTrace t = TraceRefraction(w->scene.objX, w->scene.objY, w->scene.rayHitX[1], w->scene.indexRatio);
    QVERIFY(t.refracted);     // no total reflection from the thinner medium
    QVERIFY(t.refrEndY > 0);  // refracted into the lower medium
    QVERIFY(t.reflEndY < 0);  // reflected back up
    w->Picture1_MouseUp(2, 0, 0, -500);
    w->Picture1_MouseDown(2, 0, 0, 500);
    QCOMPARE(w->scene.indexRatio, 1.33f);
}

void TestRefraction::clearingButtonsKeepTheOtherKind() {
    ray(50, 250);
    w->Picture5_Click();
    mark(-300, -300);
    w->Picture3_Click();
    mark(200, 0);
    QCOMPARE(int(w->scene.pointCount), 1);
    QCOMPARE(int(w->scene.protractorOn), 1);
    w->Command4_Click();
    QCOMPARE(int(w->scene.pointCount), 0);
    QCOMPARE(int(w->scene.protractorOn), 0);
    QCOMPARE(int(w->scene.rayCount), 1);
    w->Picture5_Click();
    mark(-300, -300);
    w->Command1_Click();
    QCOMPARE(int(w->scene.rayCount), 0);
    QCOMPARE(int(w->scene.pointCount), 1);
}

void TestRefraction::eyes() {
    // Before any point the eye looks at the origin.
    w->Picture2_Click();
    QCOMPARE(int(w->eyeMode), 1);
    QCOMPARE(Screen::mousePointer(), 2);
    mark(-300, -400);
    QCOMPARE(int(w->scene.eyeCount), 1);
    QVERIFY(std::fabs(w->scene.eyeDirX[1] + 0.6f) < 1e-6 && std::fabs(w->scene.eyeDirY[1] + 0.8f) < 1e-6);
    QCOMPARE(int(w->eyeMode), 0);
    QCOMPARE(Screen::mousePointer(), 0);
    // Arming the point releases the eye and the other way round.
    w->Picture2_Click();
    w->Picture5_Click();
    QCOMPARE(int(w->eyeMode), 0);
    QCOMPARE(w->Picture2->borderStyle(), 0);
    mark(100, -100);
    // An eye dragged onto the last point looks left, with a finite direction.
    w->Picture2_Click();
    w->Picture1_MouseDown(1, 0, 500, -500);
    w->Picture1_MouseMove(1, 0, 300, -300);
    w->Picture1_MouseUp(1, 0, 100, -100);
    QCOMPARE(QPointF(w->scene.eyeX[2], w->scene.eyeY[2]), QPointF(100, -100));
    QCOMPARE(w->scene.eyeDirX[2], 1.f);
    QCOMPARE(w->scene.eyeDirY[2], 0.f);
}

void TestRefraction::markCapacities() {
    for (int i = 0; i < RayPathScene::kMaxPoints; ++i) {
        w->Picture5_Click();
        mark(-900 + 20 * i, -200);
    }
    QCOMPARE(int(w->scene.pointCount), 20);
    w->Picture5_Click();
    mark(0, -900);
    QCOMPARE(int(w->scene.pointCount), 20);
    QCOMPARE(int(w->pointMode), 0);
    QCOMPARE(dialogs().messages.last(), QStringLiteral("Nur 20 Punkte möglich"));
    for (int i = 0; i < RayPathScene::kMaxEyes; ++i) {
        w->Picture2_Click();
        mark(-900 + 40 * i, -600);
    }
    QCOMPARE(int(w->scene.eyeCount), 20);
    w->Picture2_Click();
    mark(0, -900);
    QCOMPARE(int(w->scene.eyeCount), 20);
    QCOMPARE(dialogs().messages.last(), QStringLiteral("Nur 20 Augen möglich"));
    QCOMPARE(w->scene.eyeX[20], -900.f + 40 * 19);
}

void TestRefraction::protractorPressStartsNoRay() {
    w->Picture3_Click();
    w->Picture1_MouseDown(1, 0, 200, 300);
    w->Picture1_MouseMove(1, 0, 250, 250);
    w->Picture1_MouseUp(1, 0, 250, 250);
    QCOMPARE(int(w->scene.rayCount), 0);
    QCOMPARE(int(w->scene.protractorOn), 1);
    QCOMPARE(w->scene.protractorX, 200.f);
    QCOMPARE(w->Picture3->borderStyle(), 0);
    // The protractor's vertical diameter lies on the normal and is red.
    const QImage img = w->Picture1->image();
    QVERIFY(colourNear(img, int(w->Picture1->toDeviceX(200)), int(w->Picture1->toDeviceY(-300)), 1,
                       QColor(255, 0, 0)));
    // A second protractor replaces the first.
    w->Picture3_Click();
    mark(-400, 0);
    QCOMPARE(w->scene.protractorX, -400.f);
}

void TestRefraction::diagram() {
    w->Picture4_MouseDown();
    QCOMPARE(int(w->scene.diagramOn), 1);
    QVERIFY(w->Picture6->isVisible());
    QCOMPARE(w->Label2->text(), QStringLiteral("Einfalls- und Brechungswinkel für n = 1.33"));
    QVERIFY(std::abs(w->Picture6->x() - 0.6375 * w->Picture1->width()) <= 1);
    // The first click only flattens the symbol.
    SurfaceRecorder rec;
    w->Picture6->attachRecorder(&rec);
    w->Picture6_MouseDown(1, 0, 50, 10);
    QCOMPARE(rec.count(SurfaceOp::Line), 0);
    QCOMPARE(w->Picture4->borderStyle(), 0);
    QCOMPARE(int(w->scene.diagramOn), 1);
    // Below the diagonal: an angle of incidence, read on the curve.
    w->Picture6_MouseDown(1, 0, 50, 10);
    QCOMPARE(rec.count(SurfaceOp::Line), 2);
    const double beta = std::asin(std::sin(50 * M_PI / 180) / 1.33) * 180 / M_PI;
    QVERIFY(std::fabs(rec.ops[0].y2 - beta) < 1e-3);
    QCOMPARE(rec.ops[0].x1, 50.0);
    // On the diagonal: an angle of refraction.
    rec.clear();
    w->Picture6_MouseDown(1, 0, 40, 40);
    QCOMPARE(rec.count(SurfaceOp::Line), 2);
    const double alpha = std::asin(1.33 * std::sin(40 * M_PI / 180)) * 180 / M_PI;
    QVERIFY(std::fabs(rec.ops[0].x1 - alpha) < 1e-3);
    QCOMPARE(rec.ops[0].y2, 40.0);
    w->Picture6->attachRecorder(nullptr);
    // The second press on the flat symbol sinks it again; the next one hides the diagram.
    w->Picture4_MouseDown();
    QVERIFY(w->Picture6->isVisible());
    w->Picture4_MouseDown();
    QVERIFY(!w->Picture6->isVisible());
    QCOMPARE(int(w->scene.diagramOn), 0);
}

void TestRefraction::diagramRedrawnForNewIndex() {
    w->Picture4_MouseDown();
    w->Picture6_MouseDown(1, 0, 50, 10);
    w->Picture6_MouseDown(1, 0, 50, 10);
    const QImage marked = w->Picture6->image();
    w->HScroll1->setValue(50);
    QCOMPARE(w->Label2->text(), QStringLiteral("Einfalls- und Brechungswinkel für n = 0.5"));
    const QImage redrawn = w->Picture6->image();
    QVERIFY(redrawn != marked);
    w->DrawAngleDiagram();
    QCOMPARE(w->Picture6->image(), redrawn); // no reading marks left
    // The curve ends at 30 degrees for n = 0.5: nothing plotted beyond it.
    const SurfaceRecorder rec = recordOn(w->Picture6, [&] { w->DrawAngleDiagram(); });
    for (const SurfaceOp &op : rec.ops)
        if (op.kind == SurfaceOp::PSet && op.width == 3 && op.y1 > 0 && op.x1 > 0)
            QVERIFY2(op.x1 <= 30.0, qPrintable(QString::number(op.x1)));
}

void TestRefraction::infoToggle() {
    w->Command3->click();
    QCOMPARE(w->Command3->text(), QStringLiteral("Info off"));
    QVERIFY(Forms::isVisible(FormId::BreI1));
    w->Command3->click();
    QCOMPARE(w->Command3->text(), QStringLiteral("Info"));
    QVERIFY(!Forms::isVisible(FormId::BreI1));
    w->Command3->click();
    QVERIFY(Forms::isVisible(FormId::BreI1));
    // Closed by its close box: the toggle is set back, the next press shows it again.
    Forms::get(FormId::BreI1)->close();
    QCOMPARE(w->Command3->text(), QStringLiteral("Info"));
    w->Command3->click();
    QVERIFY(Forms::isVisible(FormId::BreI1));
    QCOMPARE(w->Command3->text(), QStringLiteral("Info off"));
}

void TestRefraction::printIndexLines_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::newRow("n < 1") << 50 << "n = 2" << "n = 1";
    QTest::newRow("n >= 1") << 133 << "n =  1" << "n = 1.33";
}

void TestRefraction::printIndexLines() {
    QFETCH(int, value);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    w->HScroll1->setValue(value);
    ray(50, 250);
    w->Picture4_MouseDown(); // the diagram goes on paper too
    QTemporaryDir dir;
    const SurfaceRecorder rec = printPage([&] { w->Command2->click(); }, QStringLiteral("Brechung"), dir.filePath("brechung.pdf"));
    QCOMPARE(printedTexts(rec), (QStringList{"Brechung", upper, lower}));
    bool interface1200 = false, diagramAxis = false;
    for (const SurfaceOp &op : rec.ops) {
        interface1200 |= op.kind == SurfaceOp::Line && op.x1 == -1200 && op.x2 == 1200 && op.y1 == 0;
        diagramAxis |= op.kind == SurfaceOp::Line && op.x1 == 400 && op.y1 == -200 && op.y2 == -900;
    }
    QVERIFY(interface1200);
    QVERIFY(diagramAxis);
    // The printed text positions are fractions of the page.
    const SurfaceOp *title = nullptr;
    for (const SurfaceOp &op : rec.ops)
        if (op.kind == SurfaceOp::Text && !title)
            title = &op;
    QVERIFY(title && title->x1 < 0 && title->y1 < 0);
}

void TestRefraction::saveIncludesMarksAndDiagram() {
    QTemporaryDir dir;
    ray(50, 250);
    w->Picture5_Click();
    mark(-600, -500);
    w->Picture4_MouseDown();
    const QString file = dir.filePath("brechung.bmp");
    dialogs().inputAnswers.push_back({true, file});
    w->Command6->click();
    const QImage saved(file, "BMP");
    QCOMPARE(saved.size(), w->Picture1->image().size());
    const auto at = [&](float x, float y) { return QPoint(int(w->Picture1->toDeviceX(x)), int(w->Picture1->toDeviceY(y))); };
    QVERIFY(colourNear(saved, at(-600, -500).x(), at(-600, -500).y(), 1, Qt::black)); // the mark
    // The diagram's axis corner, drawn in the scale -900..900 x -1100..1100.
    const int cx = int((400 + 900) / 1800.0 * saved.width()), cy = int((-200 + 1100) / 2200.0 * saved.height());
    QVERIFY(colourNear(saved, cx, cy, 2, Qt::black));
}

void TestRefraction::angleReadings_data() {
    // From P = (0, 500) under the interface, n = 1.33: the mouse at half the hit point's x
    // and half P's depth. sin(beta) = 1.33 sin(alpha).
    QTest::addColumn<float>("mouseX");
    QTest::addColumn<QStringList>("readings");
    QTest::newRow("30 degrees") << float(250 * std::tan(M_PI / 6)) << QStringList{"α = 30,0°", "β = 41,7°"};
    QTest::newRow("hit at x = 100") << 50.f << QStringList{"α = 11,3°", "β = 15,1°"};
    QTest::newRow("beyond the critical angle") << 300.f << QStringList{"α = 50,2°", "Totalreflexion"};
}

void TestRefraction::angleReadings() {
    QFETCH(float, mouseX);
    QFETCH(QStringList, readings);
    const auto written = [](const SurfaceRecorder &rec) {
        QStringList out;
        for (const SurfaceOp &op : rec.ops)
            if (op.kind == SurfaceOp::Text)
                out << QString::fromStdString(op.text);
        return out;
    };
    SetDecimalSeparator(',');
    w->scene.view.angles = true;
    ray(-100, 250); // a stored ray at 21.8 degrees
    SurfaceRecorder rec;
    w->Picture1->attachRecorder(&rec);
    // While dragging: the dragged ray's angles alone.
    w->Picture1_MouseDown(1, 0, mouseX, 250);
    w->Picture1_MouseMove(1, 0, mouseX, 250);
    const QStringList live = written(rec);
    rec.clear();
    // After the release: the same ray, now the last one stored.
    w->Picture1_MouseUp(1, 0, mouseX, 250);
    const QStringList stored = written(rec);
    w->Picture1->attachRecorder(nullptr);
    SetDecimalSeparator('.');
    QCOMPARE(live, readings + readings);
    QCOMPARE(stored, readings);
    w->scene.view.angles = false;
    rec.clear();
    w->Picture1->attachRecorder(&rec);
    w->Redraw();
    w->Picture1->attachRecorder(nullptr);
    QVERIFY(written(rec).isEmpty());
}

int runImagingTests(int argc, char **argv);

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    TestRefraction rayPath;
    const int failed = QTest::qExec(&rayPath, argc, argv);
    return failed | runImagingTests(argc, argv);
}
#include "tst_refraction.moc"
