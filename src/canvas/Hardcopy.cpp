#include "canvas/Hardcopy.h"

#include "canvas/Dialogs.h"
#include "canvas/ImageSurface.h"
#include "canvas/PrinterSurface.h"
#include "core/Scene.h"

#include <QCoreApplication>
#include <QImage>
#include <QPrinter>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <memory>

namespace varelo {

namespace {
SurfaceRecorder *g_printRecorder = nullptr;
} // namespace

void AttachPrintRecorder(SurfaceRecorder *recorder) { g_printRecorder = recorder; }

PageTexts TranslatedPageTexts(const Scene &scene, const QString &title) {
    PageTexts texts;
    texts.title = title.toStdString();
    for (const char *word : scene.pageWords())
        texts.words.set(word, QCoreApplication::translate(scene.textContext(), word).toStdString());
    return texts;
}

bool PrintHardcopy(const Scene &scene, PageOrientation orientation, const std::function<void()> &afterDialog) {
    return PrintHardcopy(orientation, afterDialog, [&scene](PrinterSurface &s, const QString &title) {
        scene.scalePage(s, s.pageWidthTwips(), s.pageHeightTwips());
        scene.drawPage(s, TranslatedPageTexts(scene, title));
    });
}

bool PrintHardcopy(PageOrientation orientation, const std::function<void()> &afterDialog,
                   const std::function<void(PrinterSurface &, const QString &title)> &draw) {
    QString title;
    if (!Dialogs::instance().inputBox(QCoreApplication::translate("varelo::Canvas", "Bitte geben Sie die Titelzeile für den Ausdruck ein!"),
                                      QCoreApplication::translate("varelo::Canvas", "Eingabe"), QString(), &title))
        title.clear(); // as an empty title: the printer dialog still lets the user cancel
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    printer.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
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

namespace {
// The scene drawn as vectors into the file, with the picture's size and scale.
bool writeVectorFile(ImageSurface &picture, const SaveSteps &steps, const QString &fileName, bool pdf) {
    QSaveFile file(fileName);
    if ((!steps.drawVector && !steps.scene) || !file.open(QIODevice::WriteOnly))
        return false;
    const int w = picture.deviceWidth(), h = picture.deviceHeight();
    bool ok = true;
    {
        std::unique_ptr<QPaintDevice> device;
        if (pdf) {
            auto writer = std::make_unique<QPdfWriter>(&file);
            writer->setResolution(96);
            writer->setPageMargins(QMarginsF(0, 0, 0, 0));
            writer->setPageSize(QPageSize(QSizeF(w * 72.0 / 96, h * 72.0 / 96), QPageSize::Point));
            writer->setCreator(QStringLiteral("Varelo"));
            device = std::move(writer);
        } else {
            auto svg = std::make_unique<QSvgGenerator>();
            svg->setOutputDevice(&file);
            svg->setSize(QSize(w, h));
            svg->setViewBox(QRect(0, 0, w, h));
            svg->setTitle(QStringLiteral("Varelo"));
            device = std::move(svg);
        }
        VectorSurface s(device.get());
        s.Scale(picture.ScaleLeft(), picture.ScaleTop(), picture.ScaleLeft() + picture.ScaleWidth(),
                picture.ScaleTop() + picture.ScaleHeight());
        if (steps.drawVector)
            steps.drawVector(s);
        else
            steps.scene->draw(s, *steps.styles, steps.layers);
        s.EndDoc();
        ok = s.deviceWidth() > 0;
    }
    if (!ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writePixels(const QImage &image, const QString &fileName, const char *format) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!image.convertToFormat(QImage::Format_RGB888).save(&file, format)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
} // namespace

bool WriteBitmapFile(const QImage &image, const QString &fileName) { return writePixels(image, fileName, "BMP"); }

bool SavePictureFile(ImageSurface &picture, const SaveSteps &steps) {
    if (steps.beforeAsking)
        steps.beforeAsking();
    QString name;
    if (!Dialogs::instance().inputBox(steps.prompt, QCoreApplication::translate("varelo::Canvas", "Eingabe"), QString(), &name))
        return false;
    if (name.isEmpty())
        name = steps.defaultName;
    if (steps.beforeWriting)
        steps.beforeWriting();
    const QString suffix = QFileInfo(name).suffix().toLower();
    bool written = false;
    if (suffix == QLatin1String("png"))
        written = writePixels(picture.image(), name, "PNG");
    else if (suffix == QLatin1String("svg") || suffix == QLatin1String("pdf"))
        written = writeVectorFile(picture, steps, name, suffix == QLatin1String("pdf"));
    else
        written = WriteBitmapFile(picture.image(), name);
    if (!written)
        Dialogs::instance().messageBox(steps.errorText, steps.criticalIcon);
    if (steps.afterWriting)
        steps.afterWriting();
    return true;
}

} // namespace varelo
