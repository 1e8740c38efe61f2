#include "TestSupport.h"

#include "canvas/Hardcopy.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "lens/frmLins.h"
#include "mirror/frmSpieg.h"
#include "refraction/frmBre1.h"
#include "refraction/frmBre2.h"
#include "shell/FormFactory.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

namespace varelo::test {

namespace {
ScriptedDialogs g_dialogs;
int g_endRequests = 0;
} // namespace

void ScriptedDialogs::messageBox(const QString &text, bool critical) {
    messages << text;
    messageIcons << critical;
}

bool ScriptedDialogs::inputBox(const QString &prompt, const QString &title, const QString &, QString *answer) {
    prompts << prompt;
    inputTitles << title;
    Answer a;
    if (!inputAnswers.empty()) {
        a = inputAnswers.front();
        inputAnswers.pop_front();
    }
    if (a.ok && answer)
        *answer = a.text;
    return a.ok;
}

bool ScriptedDialogs::printerDialog(QPrinter *printer) {
    printerLandscape << (printer->pageLayout().orientation() == QPageLayout::Landscape);
    if (printerAnswers.empty())
        return false;
    const bool ok = printerAnswers.front();
    printerAnswers.pop_front();
    if (ok && !printToFile.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printToFile);
    }
    return ok;
}

bool ScriptedDialogs::lessonFileDialog(bool, const QString &title, const QString &, QString *fileName) {
    fileTitles << title;
    if (fileAnswers.empty())
        return false;
    const Answer a = fileAnswers.front();
    fileAnswers.pop_front();
    if (a.ok)
        *fileName = a.text;
    return a.ok;
}

SurfaceRecorder printPage(const std::function<void()> &print, const QString &title, const QString &pdf) {
    g_dialogs.inputAnswers.push_back({true, title});
    g_dialogs.printerAnswers.push_back(true);
    g_dialogs.printToFile = pdf;
    SurfaceRecorder rec;
    AttachPrintRecorder(&rec);
    print();
    AttachPrintRecorder(nullptr);
    return rec;
}

SurfaceRecorder recordOn(PictureBox *picture, const std::function<void()> &draw) {
    SurfaceRecorder rec;
    picture->attachRecorder(&rec);
    draw();
    picture->attachRecorder(nullptr);
    return rec;
}

void showLongestTexts(Form *f) {
    if (auto *w = qobject_cast<frmSpieg *>(f)) {
        for (int i = 0; i < 40; ++i) {
            w->Spin2_SpinUp();
            w->Spin3_SpinDown();
            w->Spin1_SpinUp();
        }
        w->Picture1_MouseMove(0, 0, -29990, 29990);
        w->Command7_Click();
    } else if (auto *w = qobject_cast<frmLins *>(f)) {
        for (int i = 0; i < 40; ++i) {
            w->Spin2_SpinUp();
            w->Spin3_SpinDown();
            w->Spin1_SpinUp();
        }
        w->Picture1_MouseMove(0, 0, -29990, 29990);
        w->HScroll6->setValue(199);
        w->Picture7_Click();
        w->command1_Click();
    } else if (auto *w = qobject_cast<frmBre1 *>(f)) {
        w->Picture4_MouseDown();
        w->HScroll1->setValue(51);
        w->Command3_Click();
    } else if (auto *w = qobject_cast<frmBre2 *>(f)) {
        w->HScroll1->setValue(51);
        w->Command5_Click();
    }
}

namespace {
void menuTexts(const QList<QAction *> &actions, QStringList &texts) {
    for (QAction *a : actions) {
        texts << a->text() << a->toolTip();
        if (a->menu())
            menuTexts(a->menu()->actions(), texts);
    }
}
} // namespace

QStringList shownTexts(Form *w) {
    QStringList texts{w->windowTitle()};
    if (w->menuBar())
        menuTexts(w->menuBar()->actions(), texts);
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (!c->isVisibleTo(w))
            continue;
        texts << c->toolTip() << c->accessibleName() << c->accessibleDescription();
        if (auto *b = qobject_cast<QAbstractButton *>(c))
            texts << b->text();
        else if (auto *l = qobject_cast<QLabel *>(c))
            texts << l->text();
        else if (auto *t = qobject_cast<QLineEdit *>(c))
            texts << t->text();
        else if (auto *e = qobject_cast<QPlainTextEdit *>(c))
            texts << e->toPlainText();
    }
    return texts;
}

int pdfPageCount(const QString &fileName) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray data = f.readAll();
    if (!data.startsWith("%PDF"))
        return -1;
    return static_cast<int>(QString::fromLatin1(data).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

QStringList printedTexts(const SurfaceRecorder &rec) {
    QStringList out;
    for (const SurfaceOp &op : rec.ops)
        if (op.kind == SurfaceOp::Text)
            out << QString::fromStdString(op.text);
    return out;
}

void setUpProgram(int w, int h) {
    Screen::setSizeOverride(w, h);
    initApplication();
    Dialogs::install(&g_dialogs);
    Forms::setOnAllUnloaded([] { ++g_endRequests; });
}

ScriptedDialogs &dialogs() { return g_dialogs; }
int endRequests() { return g_endRequests; }

void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void tearDownWindows() {
    for (FormId id : {FormId::Spieg, FormId::SpiegIn, FormId::Bre1, FormId::Bre2, FormId::BreI1,
                      FormId::BreI2, FormId::Lins, FormId::LinsInf, FormId::Varelo})
        Forms::unload(id);
    processDeletes();
    g_dialogs = ScriptedDialogs{};
    Screen::setMousePointer(0);
}

QPointingDevice *touchScreen() {
    static QPointingDevice *device = QTest::createTouchDevice();
    return device;
}

void touchHold(PictureBox *picture, QPoint from, QPoint to) {
    const int interval = PictureBox::holdInterval();
    PictureBox::setHoldInterval(20);
    QTest::touchEvent(picture, touchScreen()).press(0, from);
    QTRY_VERIFY(picture->holdShown());
    QTest::touchEvent(picture, touchScreen()).move(0, to);
    QTest::touchEvent(picture, touchScreen()).release(0, to);
    PictureBox::setHoldInterval(interval);
}

void pinch(PictureBox *picture, int from, int to) {
    const QPoint c = picture->rect().center();
    QTest::touchEvent(picture, touchScreen()).press(0, c - QPoint(from / 2, 0)).press(1, c + QPoint(from / 2, 0));
    QTest::touchEvent(picture, touchScreen()).move(0, c - QPoint(to / 2, 0)).move(1, c + QPoint(to / 2, 0));
    QTest::touchEvent(picture, touchScreen()).release(0, c - QPoint(to / 2, 0)).release(1, c + QPoint(to / 2, 0));
}

QColor pixelAt(const QImage &img, int x, int y) { return img.pixelColor(x, y); }

bool colourNear(const QImage &img, int x, int y, int radius, QColor c) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const int px = x + dx, py = y + dy;
            if (px >= 0 && py >= 0 && px < img.width() && py < img.height() &&
                img.pixelColor(px, py).rgb() == c.rgb())
                return true;
        }
    return false;
}

} // namespace varelo::test
