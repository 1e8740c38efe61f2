#include "canvas/Hardcopy.h"

#include "canvas/Dialogs.h"
#include "canvas/ImageSurface.h"
#include "canvas/PrinterSurface.h"

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

bool PrintHardcopy(PageOrientation orientation, const std::function<void()> &afterDialog,
                   const std::function<void(PrinterSurface &, const QString &title)> &draw) {
    QString title;
    if (!Dialogs::instance().inputBox(QStringLiteral("Bitte geben Sie die Titelzeile für den Ausdruck ein!"),
                                      QStringLiteral("Eingabe"), QString(), &title))
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

void SetPrintScaleFromView(PrinterSurface &s, float zoomFactor, double panX, double panY) {
    const double pw = s.pageWidthTwips() / 7, ph = s.pageHeightTwips() / 7;
    s.Scale(-pw / zoomFactor + panX, -ph / zoomFactor + panY, pw / zoomFactor + panX, ph / zoomFactor + panY);
}

void PrintLines(PrinterSurface &s, double fx, double fy, const QStringList &lines) {
    s.SetCurrentY(s.ScaleTop() + fy * s.ScaleHeight());
    for (const QString &line : lines) {
        s.SetCurrentX(s.ScaleLeft() + fx * s.ScaleWidth());
        s.PrintText(line);
    }
}

void DrawScaleBar(PrinterSurface &s, bool heavyTicks) {
    const double L = s.ScaleLeft(), T = s.ScaleTop(), W = s.ScaleWidth(), H = s.ScaleHeight();
    const double x0 = L + 0.53 * W, y0 = T + 0.9 * H;
    s.SetDrawWidth(2);
    s.Line(x0, y0, x0 + 2000, y0, kBlack);
    for (int i = 0; i <= 20; ++i)
        s.Line(x0 + 100 * i, y0 - 20, x0 + 100 * i, y0 + 20, kBlack);
    if (heavyTicks) {
        s.SetDrawWidth(3);
        for (int i = 0; i <= 20; i += 5)
            s.Line(x0 + 100 * i, y0 - 20, x0 + 100 * i, y0 + 20, kBlack);
        s.SetDrawWidth(10);
        for (int i = 0; i <= 20; i += 10)
            s.Line(x0 + 100 * i, y0 - 20, x0 + 100 * i, y0 + 20, kBlack);
        s.SetDrawWidth(1);
    }
    const double labelX = L + (heavyTicks ? 0.535 : 0.53) * W;
    for (int i = 0; i <= 200; i += 50) {
        s.SetCurrentX(labelX + 10 * i - 50);
        s.SetCurrentY(T + 0.91 * H);
        s.PrintText(QString::number(i));
    }
}


namespace {
// The scene drawn as vectors into the file, with the picture's size and scale.
bool writeVectorFile(ImageSurface &picture, const SaveSteps &steps, const QString &fileName, bool pdf) {
    QSaveFile file(fileName);
    if (!steps.drawVector || !file.open(QIODevice::WriteOnly))
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
        steps.drawVector(s);
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
    if (!Dialogs::instance().inputBox(steps.prompt, QStringLiteral("Eingabe"), QString(), &name))
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
