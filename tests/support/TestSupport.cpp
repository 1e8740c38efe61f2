#include "TestSupport.h"

#include "canvas/Screen.h"
#include "shell/FormFactory.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

namespace varelo::test {

namespace {
ScriptedDialogs g_dialogs;
int g_endRequests = 0;
} // namespace

void ScriptedDialogs::messageBox(const QString &text, bool critical) {
    messages << text;
    messageIcons << critical;
}

bool ScriptedDialogs::inputBox(const QString &prompt, const QString &, const QString &, QString *answer) {
    prompts << prompt;
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
