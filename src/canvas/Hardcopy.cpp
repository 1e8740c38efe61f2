#include "canvas/Hardcopy.h"

#include "canvas/Dialogs.h"
#include "canvas/ImageSurface.h"
#include "canvas/PrinterSurface.h"

#include <QImage>
#include <QPrinter>
#include <QSaveFile>

namespace varelo {

namespace {
SurfaceRecorder *g_printRecorder = nullptr;
} // namespace

void AttachPrintRecorder(SurfaceRecorder *recorder) { g_printRecorder = recorder; }

bool PrintHardcopy(const std::function<void()> &afterDialog,
                   const std::function<void(PrinterSurface &, const QString &title)> &draw) {
    QString title;
    if (!Dialogs::instance().inputBox(QStringLiteral("Bitte geben Sie die Titelzeile für den Ausdruck ein!"),
                                      QStringLiteral("Eingabe"), QString(), &title))
        title.clear(); // as an empty title: the printer dialog still lets the user cancel
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    if (!Dialogs::instance().printerDialog(&printer))
        return false;
    printer.setResolution(600);
    if (afterDialog)
        afterDialog();
    // Printer failures are not reported; whatever cannot be drawn is lost silently.
    PrinterSurface surface(&printer);
    surface.attachRecorder(g_printRecorder);
    draw(surface, title);
    surface.EndDoc();
    return true;
}

bool WriteBitmapFile(const QImage &image, const QString &fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!image.convertToFormat(QImage::Format_RGB888).save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool SavePictureFile(ImageSurface &picture, const SaveSteps &steps) {
    if (steps.beforeAsking)
        steps.beforeAsking();
    QString name;
    if (!Dialogs::instance().inputBox(steps.prompt, QStringLiteral("Eingabe"), QString(), &name))
        return false;
    if (name.isEmpty())
        name = steps.defaultName;
    if (steps.beforeWriting)
        steps.beforeWriting();
    if (!WriteBitmapFile(picture.image(), name))
        Dialogs::instance().messageBox(steps.errorText, steps.criticalIcon);
    if (steps.afterWriting)
        steps.afterWriting();
    return true;
}

} // namespace varelo
