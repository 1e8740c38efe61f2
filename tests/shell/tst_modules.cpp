// What the four module windows share, one row per window: printing (orientation, the title
// prompt, the scale bar, the view followed, cancelling) and saving the picture (the prompt,
// cancelling, the default name, a bad name's message).
#include "TestSupport.h"

#include "canvas/Hardcopy.h"
#include "canvas/PictureBox.h"
#include "canvas/SpinButton.h"

#include <QDir>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace varelo;
using namespace varelo::test;

namespace {
const QString kTitlePrompt = QStringLiteral("Bitte geben Sie die Titelzeile für den Ausdruck ein!");

// The dash-dot axis through y = 0, as the page draws it.
const SurfaceOp *printedAxis(const SurfaceRecorder &rec) {
    for (const SurfaceOp &op : rec.ops)
        if (op.kind == SurfaceOp::Line && op.style == kDashDot && op.y1 == 0 && op.y2 == 0)
            return &op;
    return nullptr;
}
} // namespace

class TestModules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpProgram(); }
    void cleanup() {
        tearDownWindows();
        QDir::setCurrent(previous_);
    }
    void printing_data();
    void printing();
    void printCancelled_data() { printing_data(); }
    void printCancelled();
    void saving_data();
    void saving();

private:
    QString previous_ = QDir::currentPath();
    Form *show(int id) {
        Forms::show(FormId::Varelo);
        return Forms::show(static_cast<FormId>(id));
    }
    static PictureBox *picture(Form *w) { return w->findChild<PictureBox *>(QStringLiteral("Picture1")); }
};

void TestModules::printing_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<bool>("zoomAndPan"); // a scale bar and a view that zooms and pans
    QTest::newRow("mirror") << int(FormId::Spieg) << "Command3" << true << true;
    QTest::newRow("lens") << int(FormId::Lins) << "Command3" << true << true;
    QTest::newRow("ray path") << int(FormId::Bre1) << "Command2" << false << false;
    QTest::newRow("imaging") << int(FormId::Bre2) << "Command3" << false << false;
}

void TestModules::printing() {
    QFETCH(int, id);
    QFETCH(QString, button);
    QFETCH(bool, landscape);
    QFETCH(bool, zoomAndPan);
    Form *w = show(id);
    auto *print = w->findChild<QPushButton *>(button);
    QVERIFY(print);
    QTemporaryDir dir;
    const SurfaceRecorder rec = printPage([&] { print->click(); }, QStringLiteral("Quer"), dir.filePath("quer.pdf"));
    QCOMPARE(dialogs().prompts, QStringList{kTitlePrompt});
    QCOMPARE(dialogs().printerLandscape, QList<bool>{landscape});
    QCOMPARE(printedTexts(rec).first(), QStringLiteral("Quer"));
    QCOMPARE(pdfPageCount(dir.filePath("quer.pdf")), 1);
    QCOMPARE(rec.ops.back().kind, SurfaceOp::EndPage);
    QCOMPARE(printedTexts(rec).contains(QStringLiteral("200")), zoomAndPan);
    if (zoomAndPan) {
        // The title stands at 0.1 and the 2000 long bar at 0.53 of the width: that gives the
        // page's extent, and the label "200" lies inside it.
        double titleX = 0, barX = 0, labelX = 0;
        for (const SurfaceOp &op : rec.ops) {
            if (op.kind == SurfaceOp::Text && op.text == "Quer")
                titleX = op.x1;
            if (op.kind == SurfaceOp::Line && std::fabs(op.x2 - op.x1 - 2000) < 1e-6 && op.y1 == op.y2)
                barX = op.x1;
            if (op.kind == SurfaceOp::Text && op.text == "200")
                labelX = op.x1;
        }
        const double width = (barX - titleX) / 0.43, left = titleX - 0.1 * width;
        QVERIFY(barX > titleX);
        QVERIFY(labelX + 150 < left + width);
        // The axis spans the printed width, centred on the same world point as the screen.
        const SurfaceOp *axis = printedAxis(rec);
        QVERIFY(axis);
        const double width100 = axis->x2 - axis->x1;
        QVERIFY(std::fabs(axis->x1 + axis->x2) < 1e-6);
        emit w->findChild<SpinButton *>(QStringLiteral("Spin1"))->SpinUp();
        w->findChild<QScrollBar *>(QStringLiteral("HScroll1"))->setValue(1000);
        w->findChild<QScrollBar *>(QStringLiteral("VScroll1"))->setValue(-400);
        const SurfaceRecorder zoomed = printPage([&] { print->click(); }, QString(), dir.filePath("zoom.pdf"));
        axis = printedAxis(zoomed);
        QVERIFY(axis);
        QVERIFY(std::fabs((axis->x1 + axis->x2) / 2 - 1000) < 1e-6);
        QVERIFY(std::fabs((axis->x2 - axis->x1) - width100 / 1.25) < 1e-3);
        QCOMPARE(printedTexts(zoomed).first(), QString()); // an empty title prints an empty line
        QCOMPARE(pdfPageCount(dir.filePath("zoom.pdf")), 1);
    }
}

void TestModules::printCancelled() {
    QFETCH(int, id);
    QFETCH(QString, button);
    Form *w = show(id);
    QTemporaryDir dir;
    dialogs().printToFile = dir.filePath("none.pdf");
    // The printer dialog cancelled: the screen is left as it is, no file written.
    dialogs().inputAnswers.push_back({true, "x"});
    dialogs().printerAnswers.push_back(false);
    const SurfaceRecorder screen = recordOn(picture(w), [&] { w->findChild<QPushButton *>(button)->click(); });
    QCOMPARE(dialogs().prompts, QStringList{kTitlePrompt});
    QCOMPARE(dialogs().printerLandscape.size(), 1);
    QVERIFY(screen.ops.empty());
    QVERIFY(!QFile::exists(dialogs().printToFile));
}

void TestModules::saving_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("prompt"); // its start
    QTest::addColumn<QString>("defaultName"); // empty: not checked, one bitmap is enough
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("critical");
    const QString picturePrompt = QStringLiteral("Bitte geben Sie den Namen der Bilddatei an; als Extension sollten Sie.bmp");
    const QString filePrompt = QStringLiteral("Bitte geben Sie den Namen der Datei ein. Benützen Sie die Extension .bmp!");
    const QString full = QStringLiteral("Fehler beim Speichern! Disk full?");
    QTest::newRow("mirror") << int(FormId::Spieg) << "Command4" << picturePrompt << "Spiegel.bmp" << full << true;
    // The lens's message has two blanks and no icon.
    QTest::newRow("lens") << int(FormId::Lins) << "Command4" << picturePrompt << "Linsen.bmp"
                          << QStringLiteral("Fehler beim Speichern!  Disk full?") << false;
    QTest::newRow("ray path") << int(FormId::Bre1) << "Command6" << filePrompt << "" << full << false;
    QTest::newRow("imaging") << int(FormId::Bre2) << "Command4" << filePrompt << "titel.bmp" << full << false;
}

void TestModules::saving() {
    QFETCH(int, id);
    QFETCH(QString, button);
    QFETCH(QString, prompt);
    QFETCH(QString, defaultName);
    QFETCH(QString, message);
    QFETCH(bool, critical);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Form *w = show(id);
    auto *save = w->findChild<QPushButton *>(button);
    QVERIFY(save);
    // Cancel saves nothing, not even under the default name, and the picture is back.
    dialogs().inputAnswers.push_back({false, {}});
    save->click();
    QVERIFY2(dialogs().prompts.size() == 1 && dialogs().prompts[0].startsWith(prompt), qPrintable(dialogs().prompts.join('\n')));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    const QImage after = picture(w)->image();
    w->Redraw();
    QCOMPARE(after, picture(w)->image());
    // An empty answer confirmed with OK uses the default name, relative to the current folder.
    dialogs().inputAnswers.push_back({true, {}});
    save->click();
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    if (!defaultName.isEmpty())
        QCOMPARE(files[0], defaultName);
    const QImage saved(dir.filePath(files[0]), "BMP");
    QCOMPARE(saved.size(), picture(w)->image().size());
    QVERIFY(dialogs().messages.isEmpty());
    // A missing folder: the window's message; the window goes on.
    dialogs().inputAnswers.push_back({true, dir.filePath("fehlt/bild.bmp")});
    save->click();
    QCOMPARE(dialogs().messages, QStringList{message});
    QCOMPARE(dialogs().messageIcons, QList<bool>{critical});
    QVERIFY(!QDir(dir.filePath("fehlt")).exists());
}

int runModuleTests(int argc, char **argv) {
    TestModules t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_modules.moc"
