#pragma once
// Printing a titled hardcopy and saving the picture as a bitmap: the flows shared by the
// module windows, which supply their own drawing and texts.
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

namespace varelo {

class ImageSurface;
class Scene;
class Styles;
struct PageTexts;
class PrinterSurface;
class Surface;

// Asks for the title and shows the printer dialog; unless the dialog is cancelled, runs
// `afterDialog` (the screen repair), then `draw` on the chosen printer at 600 dpi and ends
// the document. Returns false when the dialog was cancelled.
class SurfaceRecorder;
// Tests attach a recorder to the printer surface of the next hardcopies.
void AttachPrintRecorder(SurfaceRecorder *recorder);

// The printer dialog opens with the orientation the window's notes ask for.
enum class PageOrientation { Portrait, Landscape };
bool PrintHardcopy(PageOrientation orientation, const std::function<void()> &afterDialog,
                   const std::function<void(PrinterSurface &, const QString &title)> &draw);
// The same for a scene: the page scaled and drawn by the scene, its words translated.
bool PrintHardcopy(const Scene &scene, PageOrientation orientation, const std::function<void()> &afterDialog);
// The words of a scene's page in the user's language.
PageTexts TranslatedPageTexts(const Scene &scene, const QString &title);

struct SaveSteps {
    SaveSteps() = default;
    SaveSteps(QString promptText, QString defaultFile, QString error, bool critical)
        : prompt(std::move(promptText)), defaultName(std::move(defaultFile)), errorText(std::move(error)),
          criticalIcon(critical) {}
    QString prompt;
    QString defaultName;
    QString errorText;
    bool criticalIcon = true;
    std::function<void()> beforeAsking; // draws what goes into the file before the input box
    std::function<void()> beforeWriting;
    std::function<void()> afterWriting;
    // Draws what the file holds onto a vector surface scaled as the picture (".svg", ".pdf"):
    // drawVector, or else these layers of the scene with these styles.
    std::function<void(Surface &)> drawVector;
    const Scene *scene = nullptr;
    const Styles *styles = nullptr;
    unsigned layers = 0;
    void vectorScene(const Scene &s, const Styles &st, unsigned drawn) {
        scene = &s;
        styles = &st;
        layers = drawn;
    }
};

// Asks for the file name and writes the picture: by the name's extension as PNG of the same
// pixels, as SVG or PDF drawn anew as vectors, and otherwise (".bmp", none, any other) as an
// uncompressed Windows BMP. The file is written atomically: a failed save leaves any file of
// that name as it was. Returns false when the user cancelled the input box.
bool SavePictureFile(ImageSurface &picture, const SaveSteps &steps);

// Writes an image as BMP atomically; false on any failure.
bool WriteBitmapFile(const QImage &image, const QString &fileName);

} // namespace varelo
