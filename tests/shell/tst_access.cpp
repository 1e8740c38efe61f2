// Every module window as a keyboard or screen-reader user meets it: each control named and
// with a tooltip, options that react to any change of their value, symbol buttons by key
// and by the reader's press action, and small fidelity points of the mirror window.
#include "TestSupport.h"

#include "canvas/Hardcopy.h"
#include "canvas/HelpPanel.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/SpinButton.h"
#include "canvas/WindowLayout.h"
#include "lens/frmLins.h"
#include "mirror/frmSpieg.h"
#include "refraction/frmBre1.h"
#include "refraction/frmBre2.h"
#include "shell/FormFactory.h"
#include "shell/InfoWindow.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace varelo;
using namespace varelo::test;

class TestAccess : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpProgram(); }
    void cleanup() {
        tearDownWindows();
        setInterfaceLanguage(true);
        Screen::setSizeOverride(1280, 1024);
    }
    void controlsNamed_data();
    void controlsNamed();
    void optionsReactToEveryChange();
    void symbolsByKeyAndReader();
    void mirrorFidelity();
    void tabOrderFollowsLayout();
    void labelsFitOnSmallScreen_data();
    void labelsFitOnSmallScreen();
};

void TestAccess::controlsNamed_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("mirror") << int(FormId::Spieg);
    QTest::newRow("ray path") << int(FormId::Bre1);
    QTest::newRow("imaging") << int(FormId::Bre2);
    QTest::newRow("lens") << int(FormId::Lins);
}

void TestAccess::controlsNamed() {
    QFETCH(int, id);
    Form *w = Forms::show(static_cast<FormId>(id));
    int controls = 0;
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (!c->isVisibleTo(w))
            continue;
        if (!qobject_cast<QAbstractButton *>(c) && !qobject_cast<QAbstractSlider *>(c) &&
            !qobject_cast<QLineEdit *>(c) && !qobject_cast<PictureBox *>(c))
            continue;
        ++controls;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(c);
        QVERIFY(a);
        const QString what = QString::fromLatin1(c->metaObject()->className()) + " " + QString::number(c->x()) + "," + QString::number(c->y());
        QVERIFY2(!a->text(QAccessible::Name).trimmed().isEmpty() || !c->accessibleName().isEmpty(), qPrintable(what));
        QVERIFY2(!c->toolTip().isEmpty(), qPrintable(a->text(QAccessible::Name) + " " + what));
        if (qobject_cast<SymbolButton *>(c))
            QVERIFY(c->focusPolicy() & Qt::TabFocus);
    }
    QVERIFY(controls > 10);
    // A caption is the name (speech input says what it reads); a ditto mark or a caption
    // that repeats another's gets a name of its own. Every name is the window's only one.
    QStringList captions, names;
    const auto buttons = w->findChildren<QAbstractButton *>();
    for (QAbstractButton *b : buttons)
        captions << b->text().trimmed();
    for (QAbstractButton *b : buttons) {
        const QString caption = b->text().trimmed(), name = QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name).trimmed();
        const bool ownCaption = caption.contains(QRegularExpression(QStringLiteral("\\w\\w"))) && captions.count(caption) == 1;
        if (ownCaption)
            QCOMPARE(name, caption);
    }
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (!qobject_cast<QAbstractButton *>(c) && !qobject_cast<QAbstractSlider *>(c) &&
            !qobject_cast<QLineEdit *>(c) && !qobject_cast<PictureBox *>(c))
            continue;
        const QString name = QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).trimmed();
        QVERIFY2(!names.contains(name), qPrintable(name));
        names << name;
    }
}

void TestAccess::optionsReactToEveryChange() {
    auto *w = qobject_cast<frmSpieg *>(Forms::show(FormId::Spieg));
    // A screen reader's toggle checks the box, and the picture follows.
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w->Check3D5);
    QVERIFY(a && a->actionInterface());
    a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(w->Check3D5->isChecked());
    QVERIFY(w->scene.extendReflected);
    // One click runs the handler once: one clearing of the picture.
    const SurfaceRecorder rec = recordOn(w->Picture1, [&] { QTest::mouseClick(w->Check3D2, Qt::LeftButton); });
    QVERIFY(w->scene.dottedReflected);
    QCOMPARE(rec.count(SurfaceOp::Cls), 1);
}

void TestAccess::symbolsByKeyAndReader() {
    auto *w = qobject_cast<frmSpieg *>(Forms::show(FormId::Spieg));
    // Space arms the point tool as a left click does.
    QTest::keyClick(w->Picture2, Qt::Key_Space);
    QCOMPARE(int(w->markers->markPointMode), 1);
    // The reader's press action is the same click: the pair rule arms the eye.
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w->Picture2);
    QVERIFY(a && a->actionInterface());
    QCOMPARE(a->role(), QAccessible::Button);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(int(w->markers->markPointMode), 0);
    QCOMPARE(int(w->markers->markEyeMode), 1);
    // A right click does nothing; a double click is one click.
    QTest::mouseClick(w->Picture4, Qt::RightButton);
    QCOMPARE(w->Picture4->borderStyle(), 0);
    // A double click as the platform delivers it: press, release, press, double click, release.
    const QPointF centre = QRectF(w->Picture4->rect()).center();
    const QPointF global = w->Picture4->mapToGlobal(centre);
    const std::pair<QEvent::Type, int> events[] = {{QEvent::MouseButtonPress, 0},
                                                   {QEvent::MouseButtonRelease, 40},
                                                   {QEvent::MouseButtonPress, 120},
                                                   {QEvent::MouseButtonDblClick, 120},
                                                   {QEvent::MouseButtonRelease, 160}};
    for (const auto &ev : events) {
        const bool down = ev.first != QEvent::MouseButtonRelease;
        QMouseEvent me(ev.first, centre, global, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        me.setTimestamp(100000 + ev.second);
        QCoreApplication::sendEvent(w->Picture4, &me);
    }
    QCOMPARE(w->Picture4->borderStyle(), 1);
    QCOMPARE(int(w->scene.markers.rasterOn), 1);
}

void TestAccess::mirrorFidelity() {
    auto *w = qobject_cast<frmSpieg *>(Forms::show(FormId::Spieg));
    // Only some notes on white; the headings red on the window's colour.
    QCOMPARE(w->help->labels.value("Label23")->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(w->help->labels.value("Label38")->palette().color(QPalette::Window) != QColor(Qt::white));
    QCOMPARE(w->help->labels.value("Label19")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(w->help->labels.value("Label19")->palette().color(QPalette::Window) != QColor(Qt::white));
    // The title's word centred over the notes.
    QLabel *title = w->help->labels.value("Label22");
    const QFontMetrics fm(title->font());
    const QString text = title->text();
    const int wordLeft = title->indent() + fm.horizontalAdvance(text.left(text.indexOf('B')));
    const int wordCentre = wordLeft + fm.horizontalAdvance(QStringLiteral("Bedienungshinweise")) / 2;
    QVERIFY(std::abs(wordCentre - title->width() / 2) <= 2);
    // The eye symbol is round in its box although the box is not square.
    const QImage eye = w->Picture3->image();
    QVERIFY(eye.width() != eye.height());
    int minX = eye.width(), maxX = -1, minY = eye.height(), maxY = -1;
    for (int y = 0; y < eye.height(); ++y)
        for (int x = 0; x < eye.width(); ++x)
            if (eye.pixelColor(x, y) == Qt::black) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    QVERIFY(std::abs((maxX - minX) - (maxY - minY)) <= 1);
    // The pointer position in the system colours; the information text wraps.
    QVERIFY(w->Text1->palette().color(QPalette::Base) != QColor(192, 192, 192));
    auto *info = qobject_cast<InfoWindow *>(Forms::show(FormId::SpiegIn));
    QCOMPARE(info->Text1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

void TestAccess::tabOrderFollowsLayout() {
    auto *w = qobject_cast<frmSpieg *>(Forms::show(FormId::Spieg));
    QList<QWidget *> order;
    for (QWidget *c = w->HScroll2->nextInFocusChain(); c != w->HScroll2 && order.size() < 7; c = c->nextInFocusChain())
        if ((c->focusPolicy() & Qt::TabFocus) && c->isVisibleTo(w))
            order << c;
    QCOMPARE(order, (QList<QWidget *>{w->HScroll5, w->Check3D5, w->Check3D2, w->Check3D8, w->Spin1->upButton(),
                                      w->Spin1->downButton(), w->Spin2->upButton()}));
}

void TestAccess::labelsFitOnSmallScreen_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("german");
    for (bool german : {true, false})
        for (QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080)}) {
            const QString tag = QStringLiteral(" %1x%2 %3").arg(screen.width()).arg(screen.height()).arg(german ? "de" : "en");
            QTest::newRow(qPrintable("menu" + tag)) << int(FormId::Varelo) << screen << german;
            QTest::newRow(qPrintable("mirror" + tag)) << int(FormId::Spieg) << screen << german;
            QTest::newRow(qPrintable("ray path" + tag)) << int(FormId::Bre1) << screen << german;
            QTest::newRow(qPrintable("imaging" + tag)) << int(FormId::Bre2) << screen << german;
            QTest::newRow(qPrintable("lens" + tag)) << int(FormId::Lins) << screen << german;
        }
}

namespace {
// Every text the window shows fits its box. A text box shows its whole text when it looks
// the same with the cursor at the end as at the start (nothing scrolled away).
void checkTextsFit(Form *w) {
    for (QLineEdit *t : w->findChildren<QLineEdit *>()) {
        if (!t->isVisibleTo(w) || t->text().isEmpty())
            continue;
        t->setCursorPosition(int(t->text().size()));
        const QImage atEnd = t->grab().toImage();
        t->setCursorPosition(0);
        QVERIFY2(t->grab().toImage() == atEnd, qPrintable(t->accessibleName() + ": " + t->text()));
    }
    for (QLabel *l : w->findChildren<QLabel *>()) {
        if (!l->isVisibleTo(w) || l->text().isEmpty())
            continue;
        if (l->wordWrap())
            QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->text()));
        else
            QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
    }
    for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
        if (b->isVisibleTo(w) && !b->text().trimmed().isEmpty())
            QVERIFY2(textFits(b), qPrintable(b->text()));
}

} // namespace

void TestAccess::labelsFitOnSmallScreen() {
    QFETCH(int, id);
    QFETCH(QSize, screen);
    QFETCH(bool, german);
    Screen::setSizeOverride(screen.width(), screen.height());
    setInterfaceLanguage(german);
    Form *w = Forms::show(static_cast<FormId>(id));
    checkTextsFit(w);
    showLongestTexts(w);
    checkTextsFit(w);
}

int runAccessTests(int argc, char **argv) {
    TestAccess t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_access.moc"
