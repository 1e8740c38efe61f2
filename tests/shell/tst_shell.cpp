// The window life cycle: main menu, opening and leaving modules, switching, ending.
#include "TestSupport.h"

#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "mirror/frmSpieg.h"
#include "refraction/frmBre1.h"
#include "refraction/frmBre2.h"
#include "lens/frmLins.h"
#include "shell/InfoWindow.h"
#include "shell/frmVarelo.h"

#include <QAbstractButton>
#include <QApplication>
#include "canvas/HelpPanel.h"
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QMenuBar>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>
#include <cmath>

using namespace varelo;
using namespace varelo::test;

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpProgram(); }
    void init() { Forms::show(FormId::Varelo); }
    void cleanup() { tearDownWindows(); }
    void darkDesktopStaysLegible();

    void mainMenuCaptionsAndGeometry();
    void mainMenuTopAtHalfScreenWidth_data();
    void mainMenuTopAtHalfScreenWidth();
    void openModuleHidesMenu_data();
    void openModuleHidesMenu();
    void reopenedMirrorStartsFromDefaults_data();
    void reopenedMirrorStartsFromDefaults();
    void returnTable_data();
    void returnTable();
    void refractionSwitchLeavesMenuVisible();
    void lensCloseBoxKeepsItsInfoWindow();
    void endUnloadsEverything();
    void closingMainMenuEndsWhenNothingIsLeft();
    void unloadIsSafe();
    void modulePictures_data();
    void modulePictures();
    void infoWindowsComposeTheirText_data();
    void infoWindowsComposeTheirText();
};

void TestShell::mainMenuCaptionsAndGeometry() {
    auto *m = Forms::as<frmVarelo>(FormId::Varelo);
    QVERIFY(m && m->isVisible());
    QCOMPARE(m->windowTitle(), QStringLiteral("Varelo"));
    QCOMPARE(m->Label1->text(), QStringLiteral("Wandlung von Lichtbündeln durch ..."));
    QCOMPARE(m->Command1->text(), QStringLiteral("Reflexion"));
    QCOMPARE(m->Command2->text(), QStringLiteral("Brechung"));
    QCOMPARE(m->Command3->text(), QStringLiteral("Linsen"));
    QCOMPARE(m->Command4->text(), QStringLiteral("Ende"));
    // 8700 x 2640 twips at 15 twips per pixel under the menu bar.
    QCOMPARE(m->clientArea()->size(), QSize(580, 176));
    QCOMPARE(m->size(), QSize(580, 176 + m->menuBar()->height()));
    QCOMPARE(m->Command4->geometry(), QRect(200, 112, 153, 41));
    QCOMPARE(m->Command1->nextInFocusChain(), static_cast<QWidget *>(m->Command2));
}

void TestShell::mainMenuTopAtHalfScreenWidth_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("top");
    QTest::newRow("1024x768: half the width") << QSize(1024, 768) << 512;
    QTest::newRow("1280x1024: half the width") << QSize(1280, 1024) << 640;
    // Half the width would put the window below the screen's bottom edge.
    QTest::newRow("1920x1080: kept on the screen") << QSize(1920, 1080) << -1;
}

void TestShell::mainMenuTopAtHalfScreenWidth() {
    QFETCH(QSize, screen);
    QFETCH(int, top);
    tearDownWindows();
    Screen::setSizeOverride(screen.width(), screen.height());
    Form *m = Forms::show(FormId::Varelo);
    if (top < 0)
        top = screen.height() - m->height() - 31; // the window with its frame just on the screen
    QCOMPARE(m->pos(), QPoint(0, top)); // left 1 twip
    QVERIFY(m->pos().y() + m->height() < screen.height());
    Screen::setSizeOverride(1280, 1024);
}

void TestShell::openModuleHidesMenu_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("module");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Reflexion") << 1 << int(FormId::Spieg)
                               << "Ebene und sphärische Spiegel  als Bündel-Wandler";
    QTest::newRow("Brechung") << 2 << int(FormId::Bre1)
                              << "Brechung von Bündeln an einer ebenen Grenzfläche - Strahlenverlauf";
    QTest::newRow("Linsen") << 3 << int(FormId::Lins) << "Sphärische Linsen  als Bündel-Wandler";
}

void TestShell::openModuleHidesMenu() {
    QFETCH(int, button);
    QFETCH(int, module);
    QFETCH(QString, caption);
    auto *m = Forms::as<frmVarelo>(FormId::Varelo);
    (button == 1 ? m->Command1 : button == 2 ? m->Command2 : m->Command3)->click();
    const FormId id = static_cast<FormId>(module);
    QVERIFY(Forms::isVisible(id));
    QCOMPARE(Forms::get(id)->windowTitle(), caption);
    QVERIFY(Forms::isLoaded(FormId::Varelo));
    QVERIFY(!Forms::isVisible(FormId::Varelo));
}

void TestShell::reopenedMirrorStartsFromDefaults_data() {
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("Menu button") << false;
    QTest::newRow("close box") << true;
}

void TestShell::reopenedMirrorStartsFromDefaults() {
    QFETCH(bool, byCloseBox);
    Forms::as<frmVarelo>(FormId::Varelo)->Command1_Click();
    auto *w = Forms::as<frmSpieg>(FormId::Spieg);
    w->Picture1_MouseDown(2, 0, -500, 300);
    w->HScroll2->setValue(12);
    w->Command5_Click();
    w->Spin1_SpinUp();
    QCOMPARE(w->Text8->text(), QStringLiteral("x=-50"));
    if (byCloseBox)
        w->close();
    else
        w->Command9_Click();
    QVERIFY(!Forms::isLoaded(FormId::Spieg));
    QVERIFY(Forms::isVisible(FormId::Varelo));
    processDeletes();
    Forms::as<frmVarelo>(FormId::Varelo)->Command1_Click();
    w = Forms::as<frmSpieg>(FormId::Spieg);
    QCOMPARE(w->Text8->text(), QStringLiteral("x=-160"));
    QCOMPARE(w->Text9->text(), QStringLiteral("y=75"));
    QCOMPARE(w->Text3->text(), QStringLiteral("plan"));
    QCOMPARE(w->Text10->text(), QStringLiteral("100%"));
    QCOMPARE(w->Text11->text(), QStringLiteral("   1"));
    QCOMPARE(int(w->scene.objectCount), 1);
    QCOMPARE(w->scene.objX[1], -1600.f);
}

void TestShell::returnTable_data() {
    QTest::addColumn<QString>("trigger");
    QTest::newRow("frmSpieg Menu") << "spieg-menu";
    QTest::newRow("frmSpieg close box") << "spieg-close";
    QTest::newRow("frmBre1 Menue") << "bre1-menu";
    QTest::newRow("frmBre1 close box") << "bre1-close";
    QTest::newRow("frmBre2 Menue") << "bre2-menu";
    QTest::newRow("frmBre2 close box") << "bre2-close";
    QTest::newRow("frmLins Menue") << "lins-menu";
}

void TestShell::returnTable() {
    QFETCH(QString, trigger);
    const int ends = endRequests();
    // Open the module together with its information window.
    if (trigger.startsWith("spieg")) {
        auto *w = qobject_cast<frmSpieg *>(Forms::show(FormId::Spieg));
        Forms::show(FormId::SpiegIn);
        trigger.endsWith("menu") ? w->Command9_Click() : (void)w->close();
        QVERIFY(!Forms::isLoaded(FormId::SpiegIn));
    } else if (trigger.startsWith("bre1")) {
        auto *w = qobject_cast<frmBre1 *>(Forms::show(FormId::Bre1));
        w->Command3_Click();
        QVERIFY(Forms::isVisible(FormId::BreI1));
        trigger.endsWith("menu") ? w->Command7_Click() : (void)w->close();
        QVERIFY(!Forms::isLoaded(FormId::BreI1));
    } else if (trigger.startsWith("bre2")) {
        auto *w = qobject_cast<frmBre2 *>(Forms::show(FormId::Bre2));
        w->Command5_Click();
        QVERIFY(Forms::isVisible(FormId::BreI2));
        trigger.endsWith("menu") ? w->Command6_Click() : (void)w->close();
        if (trigger.endsWith("menu"))
            QVERIFY(!Forms::isLoaded(FormId::BreI2));
    } else {
        auto *w = qobject_cast<frmLins *>(Forms::show(FormId::Lins));
        w->Command8_Click();
        w->Command9_Click();
        QVERIFY(!Forms::isLoaded(FormId::LinsInf));
    }
    for (FormId id : {FormId::Spieg, FormId::Bre1, FormId::Bre2, FormId::Lins})
        QVERIFY(!Forms::isLoaded(id));
    QVERIFY(Forms::isVisible(FormId::Varelo));
    QCOMPARE(endRequests(), ends);
}

void TestShell::refractionSwitchLeavesMenuVisible() {
    Forms::as<frmVarelo>(FormId::Varelo)->Command2_Click();
    QVERIFY(!Forms::isVisible(FormId::Varelo));
    auto *b1 = Forms::as<frmBre1>(FormId::Bre1);
    b1->Command5_Click();
    QVERIFY(!Forms::isLoaded(FormId::Bre1));
    QVERIFY(Forms::isVisible(FormId::Bre2));
    QVERIFY(Forms::isVisible(FormId::Varelo));
    auto *b2 = Forms::as<frmBre2>(FormId::Bre2);
    b2->Command5_Click(); // its information window
    b2->Command2_Click();
    QVERIFY(!Forms::isLoaded(FormId::Bre2));
    QVERIFY(!Forms::isLoaded(FormId::BreI2));
    QVERIFY(Forms::isVisible(FormId::Bre1));
    QVERIFY(Forms::isVisible(FormId::Varelo));
    // From the visible menu a further module can be opened.
    Forms::as<frmVarelo>(FormId::Varelo)->Command1_Click();
    QVERIFY(Forms::isVisible(FormId::Spieg));
    QVERIFY(Forms::isLoaded(FormId::Bre1));
}

void TestShell::lensCloseBoxKeepsItsInfoWindow() {
    auto *w = qobject_cast<frmLins *>(Forms::show(FormId::Lins));
    w->Command8_Click();
    w->close();
    QVERIFY(!Forms::isLoaded(FormId::Lins));
    QVERIFY(Forms::isVisible(FormId::LinsInf));
    QVERIFY(Forms::isVisible(FormId::Varelo));
}

void TestShell::endUnloadsEverything() {
    Forms::show(FormId::SpiegIn);
    Forms::show(FormId::BreI1);
    Forms::show(FormId::LinsInf);
    const int before = endRequests();
    Forms::as<frmVarelo>(FormId::Varelo)->Command4_Click();
    QCOMPARE(Forms::loadedCount(), 0);
    QVERIFY(endRequests() > before);
}

void TestShell::closingMainMenuEndsWhenNothingIsLeft() {
    // With a module open (and hidden menu), closing the menu leaves the module running.
    Forms::show(FormId::SpiegIn);
    auto *w = qobject_cast<frmSpieg *>(Forms::show(FormId::Spieg));
    const int before = endRequests();
    Forms::get(FormId::Varelo)->close();
    QVERIFY(!Forms::isLoaded(FormId::Varelo));
    QVERIFY(!Forms::isLoaded(FormId::SpiegIn));
    QCOMPARE(endRequests(), before);
    // The module's return brings the menu back.
    w->Command9_Click();
    QVERIFY(Forms::isVisible(FormId::Varelo));
    Forms::get(FormId::Varelo)->close();
    QCOMPARE(Forms::loadedCount(), 0);
    QCOMPARE(endRequests(), before + 1);
}

void TestShell::unloadIsSafe() {
    const int count = Forms::loadedCount();
    Forms::unload(FormId::Lins); // not loaded
    QCOMPARE(Forms::loadedCount(), count);
    // A window unloading itself from its own handler is deleted only afterwards.
    auto *w = qobject_cast<frmSpieg *>(Forms::show(FormId::Spieg));
    QPointer<frmSpieg> guard(w);
    w->Command9_Click();
    QVERIFY(guard);
    processDeletes();
    QVERIFY(!guard);
}

void TestShell::modulePictures_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("widthFraction"); // of the window's width, 0 when clamped
    QTest::addColumn<double>("heightPerWidth");
    QTest::addColumn<double>("scaleLeft");
    for (QSize screen : {QSize(1280, 1024), QSize(1024, 768), QSize(1920, 1080)}) {
        const QString tag = QStringLiteral(" %1x%2").arg(screen.width()).arg(screen.height());
        // The column picture is clamped where it would be higher than the window; on a
        // screen wider than 4:3 the window is narrowed instead, so the picture stays 0.75 W.
        const bool tall = 0.75 * 0.98 * screen.width() > 0.98 * (0.95 * screen.height() - 31) &&
                          3 * screen.width() <= 4 * screen.height();
        // The wide picture shrinks with its shape where the panel would not fit under it.
        QTest::newRow(qPrintable("frmSpieg" + tag)) << int(FormId::Spieg) << screen << -1.0 << 0.5 << -2000.0;
        QTest::newRow(qPrintable("frmLins" + tag)) << int(FormId::Lins) << screen << -1.0 << 0.5 << -2000.0;
        QTest::newRow(qPrintable("frmBre1" + tag)) << int(FormId::Bre1) << screen << (tall ? 0 : 0.75) << 0.98 << -1000.0;
        QTest::newRow(qPrintable("frmBre2" + tag)) << int(FormId::Bre2) << screen << (tall ? 0 : 0.75) << 0.98 << -1000.0;
    }
}

void TestShell::modulePictures() {
    QFETCH(int, id);
    QFETCH(QSize, screen);
    QFETCH(double, widthFraction);
    QFETCH(double, heightPerWidth);
    QFETCH(double, scaleLeft);
    tearDownWindows();
    Screen::setSizeOverride(screen.width(), screen.height());
    Form *f = Forms::show(static_cast<FormId>(id));
    auto *pic = f->findChild<PictureBox *>();
    QVERIFY(pic);
    QVERIFY(pic->geometry().bottom() < f->clientArea()->height());
    const double W = f->clientArea()->width(), H = f->clientArea()->height();
    if (widthFraction < 0 && 0.49 * W + H / 40 + 0.26 * H <= H)
        widthFraction = 0.98;
    if (widthFraction > 0)
        QVERIFY(std::abs(pic->width() - widthFraction * W) <= 2);
    if (widthFraction == 0.75) {
        // No empty band: the panel reaches the window's right edge.
        int right = 0;
        for (QWidget *c : f->clientArea()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            right = std::max(right, c->geometry().right());
        QVERIFY2(right >= 0.97 * W, qPrintable(QString::number(right) + " of " + QString::number(f->width())));
    }
    QVERIFY(std::abs(pic->height() - heightPerWidth * pic->width()) <= 1.5);
    QCOMPARE(pic->ScaleLeft(), scaleLeft);
    QCOMPARE(pic->ScaleWidth(), -2 * scaleLeft);
    // Isotropic: world units per pixel equal in x and y, and the origin in the middle.
    const double ux = pic->ScaleWidth() / pic->width(), uy = pic->ScaleHeight() / pic->height();
    QVERIFY(std::fabs(ux - uy) / ux < 0.005);
    QVERIFY(std::fabs(pic->toDeviceY(0) - pic->height() / 2.0) < 1);
    Screen::setSizeOverride(1280, 1024);
}

void TestShell::infoWindowsComposeTheirText_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("emptyLines");
    QTest::addColumn<QString>("heading");
    QTest::newRow("frmSpiegIn") << int(FormId::SpiegIn)
                                << "Didaktische Hinweise zum Programm \" ebene und sphärische Spiegel\""
                                << 2 << "Didaktisches Anliegen des Programms";
    QTest::newRow("frmBreI1") << int(FormId::BreI1)
                              << "Info zum Programm Brechung  an einer ebenen Fläche - Strahlenverlauf" << 1
                              << "Allgemeines";
    QTest::newRow("frmBreI2") << int(FormId::BreI2)
                              << "Info zum Programm Brechung an einer ebenen Fläche - Abbildung von Punkten"
                              << 1 << "Abbildung einzelner Punkte   ";
    QTest::newRow("frmLinsInf") << int(FormId::LinsInf) << "Informationen zum Programm SPHÄRISCHE LINSEN"
                                << 2 << "Allgemeines";
}

void TestShell::infoWindowsComposeTheirText() {
    QFETCH(int, id);
    QFETCH(QString, caption);
    QFETCH(int, emptyLines);
    QFETCH(QString, heading);
    auto *w = qobject_cast<InfoWindow *>(Forms::show(static_cast<FormId>(id)));
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->pos(), QPoint(0, 0)); // (1, 1) twips
    const QString text = w->composedText();
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (int i = 0; i < emptyLines; ++i)
        QCOMPARE(lines[i], QString());
    QCOMPARE(lines[emptyLines], heading);
    // Body lines are indented by three blanks and broken by hand; headings stand at the
    // margin and each is followed by an indented line.
    for (int i = emptyLines + 1; i < lines.size() - 1; ++i) {
        QVERIFY2(lines[i].size() <= 58, qPrintable(lines[i]));
        if (!lines[i].startsWith(QStringLiteral("   ")))
            QVERIFY2(lines[i + 1].startsWith(QStringLiteral("   ")) && !lines[i - 1].isEmpty(),
                     qPrintable(lines[i]));
    }
    QVERIFY(w->Text1->toPlainText().startsWith(QString(emptyLines, QLatin1Char('\n')) + heading));
}

int runAccessTests(int argc, char **argv);
int runLessonWindowTests(int argc, char **argv);
int runExampleTests(int argc, char **argv);
int runModuleTests(int argc, char **argv);

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    TestShell shell;
    const int failed = QTest::qExec(&shell, argc, argv);
    return failed | runAccessTests(argc, argv) | runLessonWindowTests(argc, argv) | runExampleTests(argc, argv) |
           runModuleTests(argc, argv);
}
namespace {
// The WCAG contrast ratio of two colours (1 to 21).
double contrast(QColor a, QColor b) {
    auto luminance = [](QColor c) {
        auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
} // namespace

// Under a dark Fusion desktop every text keeps its contrast, and the picture, the symbols and
// the white notes keep the program's own colours.
void TestShell::darkDesktopStaysLegible() {
    const QPalette before = QApplication::palette();
    const QString style = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    QApplication::setPalette(dark);
    for (FormId id : {FormId::Varelo, FormId::Spieg, FormId::Bre1, FormId::Bre2, FormId::Lins, FormId::SpiegIn}) {
        Form *f = Forms::show(id);
        if (auto *m = qobject_cast<frmSpieg *>(f)) {
            m->Command7_Click(); // the notes shown
            QCOMPARE(m->help->labels.value(QStringLiteral("Label23"))->palette().color(QPalette::Window), QColor(Qt::white));
            QCOMPARE(m->help->labels.value(QStringLiteral("Label23"))->palette().color(QPalette::WindowText), QColor(Qt::black));
            QCOMPARE(m->Picture2->image().pixelColor(1, 1), QColor(224, 224, 224));
        }
        for (PictureBox *p : f->findChildren<PictureBox *>(QStringLiteral("Picture1")))
            QCOMPARE(p->image().pixelColor(0, 0), QColor(Qt::white));
        for (QWidget *c : f->findChildren<QWidget *>()) {
            if (!c->isVisibleTo(f))
                continue;
            const QPalette &p = c->palette();
            if (qobject_cast<QLineEdit *>(c) || qobject_cast<QPlainTextEdit *>(c))
                QVERIFY2(contrast(p.color(QPalette::Text), p.color(QPalette::Base)) >= 4.5, qPrintable(c->objectName()));
            // The red headings of the notes are the program's own colours, dark desktop or not.
            else if ((qobject_cast<QLabel *>(c) || qobject_cast<QAbstractButton *>(c) || qobject_cast<QMenuBar *>(c)) &&
                     p.color(c->foregroundRole()) != QColor(Qt::red))
                QVERIFY2(contrast(p.color(c->foregroundRole()), p.color(c->backgroundRole())) >= 4.5,
                         qPrintable(QString::fromLatin1(c->metaObject()->className()) + QLatin1Char(' ') + c->objectName()));
        }
    }
    tearDownWindows();
    QApplication::setStyle(style);
    QApplication::setPalette(before);
}

#include "tst_shell.moc"
