// The drawing surface (mapping, operations, guards), zoom and pan, the printer surface and
// writing bitmaps.
#include "canvas/Hardcopy.h"
#include "canvas/ImageSurface.h"
#include "canvas/PrinterSurface.h"
#include "canvas/PictureBox.h"
#include "canvas/ZoomPan.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <limits>

using namespace varelo;

class TestCanvas : public QObject {
    Q_OBJECT
private slots:
    void worldToPixelMapping_data();
    void worldToPixelMapping();
    void scaleFromCorners();
    void lineContinuesFromCurrentPoint();
    void clsFillsAndResetsCurrentPoint();
    void dotDiameterIsDrawWidth();
    void styleOnlyAtWidthOne();
    void arcGoesCounterClockwiseThroughZero();
    void thinLinesStayInsideTheImage_data();
    void thinLinesStayInsideTheImage();
    void smoothLines_data();
    void smoothLines();
    void manySmoothLinesKeepTheirRows();
    void degenerateCoordinatesAreSkipped();
    void farLinesAreClipped();
    void zoomLimits();
    void zoomRecentresAndResetsScrollBars();
    void panExtents();
    void zoomChangeAmounts();
    void bitmapWrittenAtomically();
    void printerTextMovesToNextLine();
};

void TestCanvas::worldToPixelMapping_data() {
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<QRectF>("scale");
    // mirror and lens pictures: 2:1; refraction pictures: (-1000, -1000 H/W)..
    QTest::newRow("mirror 1229x614") << 1229 << 614 << QRectF(-2000, -1000, 4000, 2000);
    QTest::newRow("mirror 1844x922") << 1844 << 922 << QRectF(-2000, -1000, 4000, 2000);
    QTest::newRow("ray path 940x921") << 940 << 921 << QRectF(-1000, -1000.0 * 921 / 940, 2000, 2000.0 * 921 / 940);
}

void TestCanvas::worldToPixelMapping() {
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(QRectF, scale);
    ImageSurface s(w, h);
    s.Scale(scale.left(), scale.top(), scale.right(), scale.bottom());
    QCOMPARE(s.toDeviceX(scale.left()), 0.0);
    QCOMPARE(s.toDeviceY(scale.top()), 0.0);
    QVERIFY(std::fabs(s.toDeviceX(scale.right()) - w) < 1e-9);
    QVERIFY(std::fabs(s.toDeviceY(0) - h / 2.0) < 0.6);
    // Isotropic within a pixel: a world unit is as wide as it is high.
    const double sx = w / scale.width(), sy = h / scale.height();
    QVERIFY(std::fabs(sx - sy) / sx < 1.0 / std::min(w, h));
    // Round trip.
    QVERIFY(std::fabs(s.toWorldX(s.toDeviceX(-123.5)) + 123.5) < 1e-9);
    QVERIFY(std::fabs(s.toWorldY(s.toDeviceY(77.25)) - 77.25) < 1e-9);
    // Up is above the centre line: world y < 0 maps to the upper half.
    QVERIFY(s.toDeviceY(-500) < h / 2.0);
}

void TestCanvas::scaleFromCorners() {
    ImageSurface s(100, 50);
    s.Scale(-2000, -1000, 2000, 1000);
    QCOMPARE(s.ScaleLeft(), -2000.0);
    QCOMPARE(s.ScaleTop(), -1000.0);
    QCOMPARE(s.ScaleWidth(), 4000.0);
    QCOMPARE(s.ScaleHeight(), 2000.0);
    s.SetScaleLeft(0);
    QCOMPARE(s.ScaleWidth(), 4000.0);
}

void TestCanvas::lineContinuesFromCurrentPoint() {
    ImageSurface s(200, 100);
    s.Scale(0, 0, 200, 100);
    SurfaceRecorder rec;
    s.attachRecorder(&rec);
    s.Line(10, 10, 50, 10);
    s.LineTo(50, 60, kRed);
    QCOMPARE(rec.ops.size(), size_t(2));
    QCOMPARE(rec.ops[1].x1, 50.0);
    QCOMPARE(rec.ops[1].y1, 10.0);
    QCOMPARE(rec.ops[1].color, kRed);
    const QImage img = s.image();
    QCOMPARE(img.pixelColor(50, 40), QColor(255, 0, 0));
    QCOMPARE(img.pixelColor(30, 10), QColor(0, 0, 0));
}

void TestCanvas::clsFillsAndResetsCurrentPoint() {
    ImageSurface s(40, 20);
    s.Scale(0, 0, 40, 20);
    s.Line(0, 5, 39, 5);
    s.Cls();
    QCOMPARE(s.CurrentX(), 0.0);
    QCOMPARE(s.CurrentY(), 0.0);
    const QImage img = s.image();
    for (int x = 0; x < 40; ++x)
        QCOMPARE(img.pixelColor(x, 5), QColor(Qt::white));
}

void TestCanvas::dotDiameterIsDrawWidth() {
    for (int width : {1, 5, 12, 15}) {
        ImageSurface s(60, 60);
        s.Scale(0, 0, 60, 60);
        s.SetDrawWidth(width);
        s.PSet(30, 30);
        const QImage img = s.image();
        int black = 0;
        for (int x = 0; x < 60; ++x)
            if (img.pixelColor(x, 30) == QColor(Qt::black))
                ++black;
        QVERIFY2(std::abs(black - width) <= 1, qPrintable(QString("%1 -> %2").arg(width).arg(black)));
    }
}

void TestCanvas::styleOnlyAtWidthOne() {
    ImageSurface s(200, 20);
    s.Scale(0, 0, 200, 20);
    SurfaceRecorder rec;
    s.attachRecorder(&rec);
    s.SetDrawStyle(kDotted);
    s.Line(0, 5, 199, 5);
    s.SetDrawWidth(2);
    s.Line(0, 15, 199, 15);
    QCOMPARE(rec.ops[0].style, int(kDotted));
    QCOMPARE(rec.ops[1].style, int(kSolid));
    const QImage img = s.image();
    int gapsDotted = 0, gapsSolid = 0;
    for (int x = 5; x < 195; ++x) {
        gapsDotted += img.pixelColor(x, 5) == QColor(Qt::white);
        gapsSolid += img.pixelColor(x, 15) == QColor(Qt::white);
    }
    QVERIFY(gapsDotted > 30);
    QCOMPARE(gapsSolid, 0);
}

void TestCanvas::arcGoesCounterClockwiseThroughZero() {
    // An arc from 2*pi - a to a is the right-hand part of the circle.
    ImageSurface s(200, 200);
    s.Scale(-100, -100, 100, 100);
    const double a = 0.5;
    s.Arc(0, 0, 80, kBlack, 2 * M_PI - a, a);
    const QImage img = s.image();
    auto hasInk = [&](int x, int y) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (img.pixelColor(x + dx, y + dy) == QColor(Qt::black))
                    return true;
        return false;
    };
    QVERIFY(hasInk(180, 100));  // angle 0, on the right
    QVERIFY(!hasInk(20, 100));  // angle pi, on the left
    QVERIFY(!hasInk(100, 20));  // top
    // Counter-clockwise as seen on the screen: angle 0.4 is above the axis.
    const int x = 100 + int(80 * std::cos(0.4)), y = 100 - int(80 * std::sin(0.4));
    QVERIFY(hasInk(x, y));
}

void TestCanvas::thinLinesStayInsideTheImage_data() {
    QTest::addColumn<QLineF>("line");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("inkedPixels"); // -1: just stay inside
    QTest::newRow("horizontal, exact") << QLineF(10, 5, 29, 5) << int(kSolid) << 20;
    QTest::newRow("vertical through the picture") << QLineF(7, -500, 7, 500) << int(kSolid) << 40;
    QTest::newRow("dotted: a third of the pixels") << QLineF(0, 5, 98, 5) << int(kDotted) << 33;
    QTest::newRow("dash-dot: five of nine") << QLineF(0, 5, 89, 5) << int(kDashDot) << 50;
    QTest::newRow("diagonal far out") << QLineF(-1e5, -1e5 + 0.3, 1e5, 1e5) << int(kSolid) << -1;
    QTest::newRow("grazing the right edge") << QLineF(99.9999, -10, 99.99999, 60) << int(kSolid) << -1;
    QTest::newRow("just left of the edge") << QLineF(-1e-9, 50, -1e-12, -10) << int(kSolid) << 0;
    QTest::newRow("outside") << QLineF(-10, -10, -1, 50) << int(kSolid) << 0;
}

void TestCanvas::thinLinesStayInsideTheImage() {
    QFETCH(QLineF, line);
    QFETCH(int, style);
    QFETCH(int, inkedPixels);
    ImageSurface s(100, 40);
    s.Scale(0, 0, 100, 40);
    s.SetDrawStyle(style);
    s.Line(line.x1(), line.y1(), line.x2(), line.y2(), kRed);
    const QImage img = s.image();
    int inked = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            inked += img.pixelColor(x, y) == QColor(255, 0, 0);
    if (inkedPixels >= 0)
        QCOMPARE(inked, inkedPixels);
    else
        QVERIFY(inked > 0);
}

void TestCanvas::smoothLines_data() {
    QTest::addColumn<QLineF>("line");
    QTest::addColumn<int>("pure");  // pixels of the line's exact colour
    QTest::addColumn<QPoint>("grey"); // a pixel covered in part (-1: none expected)
    QTest::addColumn<int>("ratio");
    // 3 px wide about y = 20.5: rows 19 to 21 whole, from x = 10 up to 150.
    QTest::newRow("on pixel centres") << QLineF(10, 20.5, 150, 20.5) << 3 * 140 << QPoint(-1, -1) << 1;
    // About y = 20: rows 19 and 20 whole, 18 and 21 half.
    QTest::newRow("between pixels") << QLineF(10, 20, 150, 20) << 2 * 140 << QPoint(50, 18) << 1;
    // Through all three bands of 64 rows without a gap.
    QTest::newRow("down the bands") << QLineF(30.5, 0, 30.5, 150) << 3 * 150 << QPoint(-1, -1) << 1;
    // Through the left edge of the picture.
    QTest::newRow("out of the picture") << QLineF(-50, 100.5, 20, 100.5) << 3 * 20 << QPoint(-1, -1) << 1;
    // Twice the device pixels: 6 device rows (38 to 43) from device column 20 up to 300.
    QTest::newRow("pixel ratio 2") << QLineF(10, 20.5, 150, 20.5) << 6 * 280 << QPoint(-1, -1) << 2;
}

void TestCanvas::smoothLines() {
    QFETCH(QLineF, line);
    QFETCH(int, pure);
    QFETCH(QPoint, grey);
    QFETCH(int, ratio);
    ImageSurface s(200, 150);
    s.setPixelRatio(ratio);
    s.Scale(0, 0, 200, 150);
    s.setAntialiased(true);
    s.SetDrawWidth(3);
    s.Line(line.x1(), line.y1(), line.x2(), line.y2(), kBlack);
    const QImage img = s.image();
    int black = 0, partial = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            black += c == QColor(Qt::black);
            partial += c != QColor(Qt::black) && c != QColor(Qt::white);
        }
    QCOMPARE(black, pure);
    if (grey.x() >= 0) {
        const int level = img.pixelColor(grey).red();
        QVERIFY2(level > 100 && level < 160, qPrintable(QString::number(level)));
        QCOMPARE(partial, 2 * 140);
    } else {
        QCOMPARE(partial, 0);
    }
}

void TestCanvas::manySmoothLinesKeepTheirRows() {
    // Enough lines to be set by two threads in bands: every line lands in its own row.
    ImageSurface s(300, 300);
    s.Scale(0, 0, 300, 300);
    s.setAntialiased(true);
    for (int k = 0; k < 90; ++k)
        s.Line(0, 3 * k + 1.5, 300, 3 * k + 1.5, Rgb{0, 0, uint8_t(k + 1)});
    const QImage img = s.image();
    for (int k = 0; k < 90; ++k) {
        QCOMPARE(img.pixelColor(150, 3 * k + 1), QColor(0, 0, k + 1));
        QCOMPARE(img.pixelColor(150, 3 * k), QColor(Qt::white));
    }
}

void TestCanvas::degenerateCoordinatesAreSkipped() {
    ImageSurface s(50, 50);
    s.Scale(0, 0, 50, 50);
    SurfaceRecorder rec;
    s.attachRecorder(&rec);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    s.Line(0, 0, nan, 10);
    s.Line(inf, 0, 10, 10);
    s.PSet(nan, 1);
    s.Circle(10, 10, inf);
    QCOMPARE(rec.ops.size(), size_t(0));
    s.Line(1, 1, 20, 20);
    QCOMPARE(rec.ops.size(), size_t(1));
    QCOMPARE(s.image().pixelColor(10, 10), QColor(Qt::black));
}

void TestCanvas::farLinesAreClipped() {
    ImageSurface s(100, 100);
    s.Scale(-50, -50, 50, 50);
    s.Line(-1e12, 0, 1e12, 0);
    s.Line(-1e30, -1e30, 1e30, 1e30);
    s.Circle(0, 0, 1e15);
    const QImage img = s.image();
    QCOMPARE(img.pixelColor(50, 50), QColor(Qt::black));
    QCOMPARE(img.pixelColor(2, 50), QColor(Qt::black));
}

namespace {
struct ZoomRig {
    PictureBox pic;
    QScrollBar h{Qt::Horizontal}, v{Qt::Vertical};
    QLineEdit text;
    int redraws = 0;
    ZoomPan zoom{&pic, &h, &v, &text, [this] { ++redraws; }};
    ZoomRig() {
        pic.resize(400, 200);
        pic.resizeImage(400, 200);
        pic.Scale(-2000, -1000, 2000, 1000);
        zoom.Load();
        QObject::connect(&h, &QScrollBar::valueChanged, [this] { zoom.HScroll1_Change(); });
        QObject::connect(&v, &QScrollBar::valueChanged, [this] { zoom.VScroll1_Change(); });
    }
};
} // namespace

void TestCanvas::zoomLimits() {
    {
        ZoomRig r;
        QCOMPARE(r.text.text(), QStringLiteral("100%"));
        for (int i = 0; i < 9; ++i)
            r.zoom.ZoomOut();
        QCOMPARE(r.text.text(), QStringLiteral("13%"));
        const double width = r.pic.ScaleWidth();
        QVERIFY(std::fabs(width - 4000 * std::pow(1.25, 9)) < 0.1);
        const int redraws = r.redraws;
        r.zoom.ZoomOut();
        QCOMPARE(r.text.text(), QStringLiteral("13%"));
        QCOMPARE(r.pic.ScaleWidth(), width);
        QCOMPARE(r.redraws, redraws);
        QVERIFY(r.h.maximum() <= 32767);
    }
    {
        ZoomRig r;
        for (int i = 0; i < 8; ++i)
            r.zoom.ZoomIn();
        QCOMPARE(r.text.text(), QStringLiteral("596%"));
        const double width = r.pic.ScaleWidth();
        r.zoom.ZoomIn();
        QCOMPARE(r.text.text(), QStringLiteral("596%"));
        QCOMPARE(r.pic.ScaleWidth(), width);
        // And all the way back.
        for (int i = 0; i < 8; ++i)
            r.zoom.ZoomOut();
        QCOMPARE(r.text.text(), QStringLiteral("100%"));
        QVERIFY(std::fabs(r.pic.ScaleWidth() - 4000) < 0.05);
    }
}

void TestCanvas::zoomRecentresAndResetsScrollBars() {
    ZoomRig r;
    r.h.setValue(3000);
    r.v.setValue(-1200);
    QCOMPARE(r.pic.ScaleLeft(), 1000.0);
    r.zoom.ZoomIn();
    QCOMPARE(r.h.value(), 0);
    QCOMPARE(r.v.value(), 0);
    QCOMPARE(r.pic.ScaleLeft(), -r.pic.ScaleWidth() / 2);
    QCOMPARE(r.pic.ScaleTop(), -r.pic.ScaleHeight() / 2);
    QCOMPARE(r.text.text(), QStringLiteral("125%"));
}

void TestCanvas::panExtents() {
    ZoomRig r;
    r.h.setValue(r.h.maximum());
    QCOMPARE(r.pic.ScaleLeft(), 4000.0);
    QCOMPARE(r.pic.ScaleLeft() + r.pic.ScaleWidth(), 8000.0);
    r.v.setValue(r.v.minimum());
    QCOMPARE(r.pic.ScaleTop(), -4000.0);
    r.zoom.ZoomOut();
    QCOMPARE(r.h.maximum(), 7200);
    QCOMPARE(r.v.minimum(), -3600);
}

void TestCanvas::zoomChangeAmounts() {
    ZoomRig r;
    QCOMPARE(r.h.singleStep(), 100);
    QCOMPARE(r.h.pageStep(), 400);
    QCOMPARE(r.v.singleStep(), 50);
    QCOMPARE(r.v.pageStep(), 200);
    r.zoom.ZoomOut();
    QCOMPARE(r.h.singleStep(), 125);
    QCOMPARE(r.h.pageStep(), 500);
    QCOMPARE(r.v.pageStep(), 250);
}

void TestCanvas::bitmapWrittenAtomically() {
    QTemporaryDir dir;
    QImage img(64, 32, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixelColor(10, 10, Qt::black);
    const QString name = dir.filePath("a.bmp");
    QVERIFY(WriteBitmapFile(img, name));
    QFile f(name);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.read(2), QByteArray("BM")); // a Windows bitmap, uncompressed
    f.close();
    const QImage back(name, "BMP");
    QCOMPARE(back.size(), img.size());
    QCOMPARE(back.pixelColor(10, 10), QColor(Qt::black));
    // A failing write leaves the existing file as it was and leaves no stray file.
    QVERIFY(!WriteBitmapFile(img, name + "/inner.bmp"));
    QVERIFY(!WriteBitmapFile(img, dir.filePath("missing/b.bmp")));
    QCOMPARE(QImage(name, "BMP").pixelColor(10, 10), QColor(Qt::black));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.bmp"});
}

void TestCanvas::printerTextMovesToNextLine() {
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath("t.pdf"));
    pdf.setResolution(600);
    PrinterSurface s(&pdf);
    SurfaceRecorder rec;
    s.attachRecorder(&rec);
    s.Scale(-1000, -1000, 1000, 1000);
    QVERIFY(std::fabs(s.pageWidthTwips() - s.deviceWidth() * 1440.0 / 600) < 1e-6);
    s.SetFontSize(12);
    s.SetCurrentX(100);
    s.SetCurrentY(0);
    s.PrintText("eins");
    QCOMPARE(s.CurrentX(), -1000.0);
    QVERIFY(s.CurrentY() > 0);
    const double line = s.CurrentY();
    s.SetCurrentX(100);
    s.PrintText("zwei");
    QVERIFY(std::fabs(s.CurrentY() - 2 * line) < 1e-6);
    s.EndDoc();
    QCOMPARE(rec.count(SurfaceOp::Text), 2);
    QCOMPARE(rec.ops.back().kind, SurfaceOp::EndPage);
    QVERIFY(QFileInfo(dir.filePath("t.pdf")).size() > 0);
}

int runMarkerTests(int argc, char **argv);
int runLessonTests(int argc, char **argv);

// The retained picture on a high-density screen. Run once at the machine's scale and once
// more under QT_SCALE_FACTOR=2 (alone, as test_canvas_scaled).
class TestPixelRatio : public QObject {
    Q_OBJECT
private slots:
    void thinLinesAreBlocksOfTheRatio_data();
    void thinLinesAreBlocksOfTheRatio();
    void pictureFollowsTheScreen();
};

namespace {
bool black(QRgb c) { return (c & 0xffffff) == 0; }
bool white(QRgb c) { return (c & 0xffffff) == 0xffffff; }

// The device columns of row y that hold black, and whether every pixel is black or white.
QList<int> blackColumns(const QImage &img, int y) {
    QList<int> cols;
    for (int x = 0; x < img.width(); ++x)
        if (black(img.pixel(x, y)))
            cols << x;
    return cols;
}

bool onlyBlackAndWhite(const QImage &img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!black(img.pixel(x, y)) && !white(img.pixel(x, y)))
                return false;
    return true;
}

// The leftmost black column of each device row differs between the two rows of a logical
// row somewhere: the line is not a doubled image of a coarse one.
bool stepsByDevicePixels(const QImage &img) {
    for (int y = 0; y + 1 < img.height(); y += 2) {
        const QList<int> a = blackColumns(img, y), b = blackColumns(img, y + 1);
        if (!a.isEmpty() && !b.isEmpty() && a.first() != b.first())
            return true;
    }
    return false;
}
} // namespace

void TestPixelRatio::thinLinesAreBlocksOfTheRatio_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("style");
    QTest::newRow("1 solid") << 1.0 << int(kSolid);
    QTest::newRow("2 solid") << 2.0 << int(kSolid);
    QTest::newRow("3 solid") << 3.0 << int(kSolid);
    QTest::newRow("2 dotted") << 2.0 << int(kDotted);
}

void TestPixelRatio::thinLinesAreBlocksOfTheRatio() {
    QFETCH(double, ratio);
    QFETCH(int, style);
    const int k = int(ratio);
    ImageSurface s(60, 40);
    s.setPixelRatio(ratio);
    s.Scale(0, 0, 60, 40);
    s.SetDrawStyle(style);
    s.Line(20.5, 0, 20.5, 40);
    QImage img = s.image();
    QCOMPARE(img.size(), QSize(60 * k, 40 * k));
    QCOMPARE(s.deviceWidth(), 60);
    // Logical pixel 20 is the device columns 20k .. 21k - 1, in pure black.
    QList<int> expected;
    for (int i = 0; i < k; ++i)
        expected << 20 * k + i;
    QCOMPARE(blackColumns(img, 0), expected);
    if (style == kDotted) {
        // One logical pixel on, two off: k rows black, 2k white.
        for (int y = 0; y < 3 * k; ++y)
            QCOMPARE(blackColumns(img, y).isEmpty(), y >= k);
        return;
    }
    // A slanted line: aliased, and as fine as the device.
    s.Cls();
    s.Line(0, 0, 60, 23);
    img = s.image();
    QVERIFY(onlyBlackAndWhite(img));
    if (k > 1)
        QVERIFY(stepsByDevicePixels(img));
}

void TestPixelRatio::pictureFollowsTheScreen() {
    const double factor = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1;
    PictureBox pic;
    pic.resize(200, 100);
    pic.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pic));
    QCOMPARE(pic.devicePixelRatioF(), factor);
    QCOMPARE(pic.image().size(), QSize(200 * int(factor), 100 * int(factor)));
    // The mouse still arrives in world coordinates of the logical picture.
    pic.Scale(-2000, -1000, 2000, 1000);
    int button = 0;
    float wx = 0, wy = 0;
    pic.onMouseDown = [&](int b, int, float x, float y) {
        button = b;
        wx = x;
        wy = y;
    };
    QTest::mousePress(&pic, Qt::LeftButton, {}, QPoint(150, 25));
    QCOMPARE(button, 1);
    QCOMPARE(wx, 1000.0f);
    QCOMPARE(wy, -500.0f);
    QTest::mousePress(&pic, Qt::RightButton, {}, QPoint(50, 75));
    QCOMPARE(button, 2);
    QCOMPARE(wx, -1000.0f);
    QCOMPARE(wy, 500.0f);
    pic.Line(0, -1000, 0, 1000);
    const QImage img = pic.image();
    QCOMPARE(blackColumns(img, 0).size(), int(factor));
    // What the screen shows is the image, pixel for pixel.
    const QImage shown = pic.grab().toImage();
    QCOMPARE(shown.size(), img.size());
    QCOMPARE(shown.pixel(100 * int(factor), 10), img.pixel(100 * int(factor), 10));
}

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    TestPixelRatio ratio;
    const int ratioFailed = QTest::qExec(&ratio, argc, argv);
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return ratioFailed;
    TestCanvas canvas;
    const int failed = QTest::qExec(&canvas, argc, argv);
    return ratioFailed | failed | runMarkerTests(argc, argv) | runLessonTests(argc, argv);
}
#include "tst_canvas.moc"
