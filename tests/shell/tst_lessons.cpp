// Lessons through the windows: a module's state saved and opened again looks and reads the
// same; a bad file gives its message and leaves the open window exactly as it was; a lesson
// of another module switches to it.
#include "TestSupport.h"

#include "canvas/HelpPanel.h"
#include "canvas/PictureBox.h"
#include "core/Scene.h"
#include "lens/frmLins.h"
#include "mirror/frmSpieg.h"
#include "refraction/frmBre1.h"
#include "refraction/frmBre2.h"
#include "shell/Lessons.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace varelo;
using namespace varelo::test;

namespace {
void click(Form *w, int button, float x, float y) {
    QMetaObject::invokeMethod(w, "Picture1_MouseDown", Q_ARG(int, button), Q_ARG(int, 0), Q_ARG(float, x),
                              Q_ARG(float, y));
    QMetaObject::invokeMethod(w, "Picture1_MouseUp", Q_ARG(int, button), Q_ARG(int, 0), Q_ARG(float, x),
                              Q_ARG(float, y));
}

// A state with something of everything the window keeps, made as a teacher would.
void buildState(Form *f) {
    if (auto *w = qobject_cast<frmSpieg *>(f)) {
        w->HScroll2->setValue(14); // concave
        for (int i = 0; i < 12; ++i)
            click(w, 1, -900, -500 + 60.f * i);
        w->Command5_Click();
        click(w, 1, -700, 100);
        w->Check3D5->click();
        w->Spin1_SpinUp(); // zoomed in
        w->HScroll1->setValue(400);
        w->Picture3_Click(); // an eye
        w->Picture3_Click();
        click(w, 1, -1000, 500);
        w->Picture4_Click(); // the raster
    } else if (auto *w = qobject_cast<frmLins *>(f)) {
        w->Preset_MouseDown(7, 1);
        w->HScroll3->setValue(36); // r1 = 333: it limits the diameter and keeps its whole part
        // The point moved after the new thickness: its text is that of the present lens.
        click(w, 2, -1500, -500);
        for (int i = 0; i < 10; ++i)
            click(w, 1, -400, -300 + 60.f * i);
        w->Check3D2->click();
        w->Picture6_Click(); // a protractor
        click(w, 1, -150, 200);
        w->Picture7_Click(); // the graph
        w->Spin1_SpinDown();
    } else if (auto *w = qobject_cast<frmBre1 *>(f)) {
        w->HScroll1->setValue(150);
        for (int i = 0; i < 10; ++i)
            click(w, 1, -500 + 100.f * i, 0);
        w->Check3D3->click();
        w->Picture5_Click();
        click(w, 1, -200, 300);
    } else if (auto *w = qobject_cast<frmBre2 *>(f)) {
        w->Option3D2->setChecked(true);
        w->Raster->setChecked(true);
        for (int i = 0; i < 6; ++i)
            click(w, 2, -500 + 200.f * i, 400);
        w->HScroll1->setValue(140);
    }
}

// What a user sees and reads of a window: its picture and the texts and values of its controls.
QStringList readings(Form *w) {
    QStringList r;
    for (QLineEdit *t : w->findChildren<QLineEdit *>())
        r << t->objectName() + "=" + t->text();
    for (QScrollBar *s : w->findChildren<QScrollBar *>())
        r << s->objectName() + "=" + QString::number(s->value());
    for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
        r << b->objectName() + (b->isChecked() ? "+" : "-");
    return r;
}
} // namespace

class TestLessons : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpProgram(); }
    void cleanup() { tearDownWindows(); }
    void savedAndOpenedTheSame_data();
    void savedAndOpenedTheSame();
    void badFilesChangeNothing_data();
    void badFilesChangeNothing();
    void lessonOfAnotherModuleSwitches();
    void openedWhileNotesShown();
    void menuBar_data();
    void menuBar();
};

void TestLessons::savedAndOpenedTheSame_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("mirror") << int(FormId::Spieg);
    QTest::newRow("ray path") << int(FormId::Bre1);
    QTest::newRow("imaging") << int(FormId::Bre2);
    QTest::newRow("lens") << int(FormId::Lins);
}

void TestLessons::savedAndOpenedTheSame() {
    QFETCH(int, id);
    Forms::show(FormId::Varelo);
    Form *w = Forms::show(static_cast<FormId>(id));
    buildState(w);
    // Every option of the "Ansicht" menu on (full screen is the window's, not the lesson's).
    QStringList options;
    for (QAction *a : w->findChildren<QAction *>())
        if (a->isCheckable() && a->objectName() != QStringLiteral("Vollbild")) {
            a->trigger();
            options << a->objectName();
        }
    QVERIFY(options.contains(QStringLiteral("Präsentation")) && options.contains(QStringLiteral("Pfeile")));
    const uint64_t key = w->moduleScene()->key();
    const QImage picture = w->findChild<PictureBox *>(QStringLiteral("Picture1"))->image();
    const QStringList seen = readings(w);
    QTemporaryDir dir;
    const QString file = dir.filePath("stunde.varelo");
    QVERIFY(SaveLesson(w, file));
    // Back in the main menu the module is gone; the lesson brings it back as it was.
    Forms::closeModule(static_cast<FormId>(id));
    processDeletes();
    QVERIFY(OpenLesson(file, FormId::Varelo));
    w = Forms::get(static_cast<FormId>(id));
    QVERIFY(w && w->isVisible());
    QVERIFY(!Forms::isVisible(FormId::Varelo));
    QCOMPARE(w->moduleScene()->key(), key);
    QCOMPARE(readings(w), seen);
    QVERIFY(w->findChild<PictureBox *>(QStringLiteral("Picture1"))->image() == picture);
    QVERIFY(dialogs().messages.isEmpty());
    // The menu shows the lesson's options when it opens.
    for (QMenu *m : w->findChildren<QMenu *>())
        emit m->aboutToShow();
    for (QAction *a : w->findChildren<QAction *>())
        if (options.contains(a->objectName()))
            QVERIFY2(a->isChecked(), qPrintable(a->objectName()));
}

void TestLessons::badFilesChangeNothing_data() {
    QTest::addColumn<QByteArray>("edit"); // how the good file is spoiled
    QTest::addColumn<QString>("message");
    QTest::newRow("truncated") << QByteArray("truncate") << "ist keine Varelo-Lektion oder ist beschädigt";
    QTest::newRow("a newer version") << QByteArray("\"version\": 1|\"version\": 2")
                                     << "mit einer neueren Version von Varelo gespeichert";
    QTest::newRow("an unknown module") << QByteArray("\"module\": \"mirror\"|\"module\": \"prism\"")
                                       << "gehört zu einem Teil von Varelo, den es hier nicht gibt";
    QTest::newRow("eleven objects") << QByteArray("\"objectCount\": 2|\"objectCount\": 11") << "(bundles.objectCount)";
    QTest::newRow("a curvature off its bar") << QByteArray("\"curvature\": -14|\"curvature\": -37")
                                             << "(mirror.curvature)";
    QTest::newRow("a radius that does not fit the curvature")
        << QByteArray("\"curvature\": -14|\"curvature\": -13") << "(mirror.mirrorRadius)";
    QTest::newRow("a zoom the button cannot give") << QByteArray("\"zoomFactor\": 1.25|\"zoomFactor\": 1.3")
                                                   << "(zoomFactor)";
    QTest::newRow("a number as text") << QByteArray("\"drawNormals\": 0|\"drawNormals\": \"nein\"")
                                      << "(drawNormals)";
    QTest::newRow("larger than 10 MB") << QByteArray("huge") << "ist zu groß für eine Lektion";
    QTest::newRow("a list far too long") << QByteArray("\"rayX\": [|\"rayX\": [" + QByteArray("0, ").repeated(2000))
                                         << "(bundles.object1.rayX)";
}

void TestLessons::badFilesChangeNothing() {
    QFETCH(QByteArray, edit);
    QFETCH(QString, message);
    Forms::show(FormId::Varelo);
    auto *w = qobject_cast<frmSpieg *>(Forms::show(FormId::Spieg));
    buildState(w);
    QTemporaryDir dir;
    const QString file = dir.filePath("stunde.varelo");
    QVERIFY(SaveLesson(w, file));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    if (edit == "truncate") {
        bytes.truncate(bytes.size() / 2);
    } else if (edit == "huge") {
        bytes.append(QByteArray(11 * 1024 * 1024, ' '));
    } else {
        const QList<QByteArray> parts = edit.split('|');
        QVERIFY2(bytes.contains(parts[0]), parts[0].constData());
        bytes.replace(parts[0], parts[1]);
    }
    f.resize(0);
    f.write(bytes);
    f.close();
    // Something changed after saving: the open window must keep it.
    w->Check3D8->click();
    const uint64_t key = w->scene.key();
    const QImage picture = w->Picture1->image();
    const QStringList seen = readings(w);
    dialogs().messages.clear();
    QVERIFY(!OpenLesson(file, FormId::Spieg));
    QCOMPARE(dialogs().messages.size(), 1);
    QVERIFY2(dialogs().messages[0].contains(message), qPrintable(dialogs().messages[0]));
    QVERIFY2(dialogs().messages[0].contains(QStringLiteral("stunde.varelo")), qPrintable(dialogs().messages[0]));
    QCOMPARE(Forms::get(FormId::Spieg), static_cast<Form *>(w));
    QCOMPARE(w->scene.key(), key);
    QCOMPARE(readings(w), seen);
    QVERIFY(w->Picture1->image() == picture);
}

void TestLessons::lessonOfAnotherModuleSwitches() {
    Forms::show(FormId::Varelo);
    auto *lens = qobject_cast<frmLins *>(Forms::show(FormId::Lins));
    buildState(lens);
    const uint64_t key = lens->scene.key();
    QTemporaryDir dir;
    QVERIFY(SaveLesson(lens, dir.filePath("linse.varelo")));
    Forms::closeModule(FormId::Lins);
    processDeletes();
    // Opened from the mirror's menu: the mirror goes, the lens comes.
    Forms::hide(FormId::Varelo);
    Forms::show(FormId::Spieg);
    QVERIFY(OpenLesson(dir.filePath("linse.varelo"), FormId::Spieg));
    processDeletes();
    QVERIFY(!Forms::isLoaded(FormId::Spieg));
    QVERIFY(Forms::isVisible(FormId::Lins));
    QCOMPARE(Forms::as<frmLins>(FormId::Lins)->scene.key(), key);
}

void TestLessons::openedWhileNotesShown() {
    // The operating notes go, and the lesson's picture shows at once.
    Forms::show(FormId::Varelo);
    auto *w = qobject_cast<frmSpieg *>(Forms::show(FormId::Spieg));
    buildState(w);
    QTemporaryDir dir;
    QVERIFY(SaveLesson(w, dir.filePath("s.varelo")));
    w->Command7_Click();
    QCOMPARE(int(w->help->helpShown), 1);
    QVERIFY(OpenLesson(dir.filePath("s.varelo"), FormId::Spieg));
    QCOMPARE(int(w->help->helpShown), 0);
    QVERIFY(!w->Picture1->Suspended());
    // The mirror's vertex on the axis is drawn.
    QVERIFY(colourNear(w->Picture1->image(), int(w->Picture1->toDeviceX(0)), int(w->Picture1->toDeviceY(0)), 3,
                       Qt::black));
}

void TestLessons::menuBar_data() { savedAndOpenedTheSame_data(); }

void TestLessons::menuBar() {
    // The four menus with access keys; every entry has a name without its markers; the
    // entries reach the window's own handlers.
    QFETCH(int, id);
    Forms::show(FormId::Varelo);
    Form *w = Forms::show(static_cast<FormId>(id));
    QStringList menus;
    for (QAction *a : w->menuBar()->actions())
        menus << a->text();
    QCOMPARE(menus, (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&Hilfe"}));
    QStringList entries;
    for (QAction *menu : w->menuBar()->actions())
        for (QAction *a : menu->menu()->actions())
            if (!a->isSeparator() && !a->menu()) {
                QVERIFY2(a->text().contains(QLatin1Char('&')), qPrintable(a->text()));
                entries << a->objectName();
            }
    for (const char *entry : {"Lektion öffnen", "Lektion speichern", "Lektion speichern unter", "Bild speichern",
                              "Drucken", "Zurück zum Menü", "Rückgängig", "Wiederholen", "Über Varelo"})
        QVERIFY2(entries.contains(QString::fromUtf8(entry)), entry);
    // "Drucken…" asks for the title as the button does; cancelled, nothing is printed.
    dialogs().prompts.clear();
    dialogs().inputAnswers.push_back({false, QString()});
    for (QAction *a : w->findChildren<QAction *>())
        if (a->objectName() == QStringLiteral("Drucken"))
            a->trigger();
    QCOMPARE(dialogs().prompts, QStringList{QStringLiteral("Bitte geben Sie die Titelzeile für den Ausdruck ein!")});
    // Ctrl+Z and Ctrl+Y are the menu's: the last ray or row point goes and comes back.
    buildState(w);
    const uint64_t before = w->moduleScene()->key();
    for (QAction *a : w->findChildren<QAction *>())
        if (a->shortcuts().contains(QKeySequence::Undo))
            a->trigger();
    QVERIFY(w->moduleScene()->key() != before);
    for (QAction *a : w->findChildren<QAction *>())
        if (a->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))))
            a->trigger();
    QCOMPARE(w->moduleScene()->key(), before);
    // "Zurück zum Menü" closes the module.
    for (QAction *a : w->findChildren<QAction *>())
        if (a->objectName() == QStringLiteral("Zurück zum Menü"))
            a->trigger();
    processDeletes();
    QVERIFY(!Forms::isLoaded(static_cast<FormId>(id)));
    QVERIFY(Forms::isVisible(FormId::Varelo));
}

int runLessonWindowTests(int argc, char **argv) {
    TestLessons t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_lessons.moc"
