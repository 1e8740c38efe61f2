#pragma once
// Printing a titled hardcopy and saving the picture as a bitmap: the flows shared by the
// module windows, which supply their own drawing and texts.
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

namespace varelo {

class ImageSurface;
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

// The printer scale of the mirror and lens windows: the page's twips divided by 7, centred
// on the screen view's pan and magnified by its zoom.
void SetPrintScaleFromView(PrinterSurface &s, float zoomFactor, double panX, double panY);
// Prints the lines one under the other from (fx, fy), fractions of the scale from its
// top-left corner.
void PrintLines(PrinterSurface &s, double fx, double fy, const QStringList &lines);
// The scale bar under the picture: 2000 world units with a tick every 100, labelled 0 to
// 200 in display units. With heavyTicks the ticks every 500 and 1000 are drawn heavier
// and the labels sit a little further right.
void DrawScaleBar(PrinterSurface &s, bool heavyTicks);

struct SaveSteps {
    QString prompt;
    QString defaultName;
    QString errorText;
    bool criticalIcon = true;
    std::function<void()> beforeAsking; // draws what goes into the file before the input box
    std::function<void()> beforeWriting;
    std::function<void()> afterWriting;
    // Draws what the file holds onto a vector surface scaled as the picture (".svg", ".pdf").
    std::function<void(Surface &)> drawVector;
};

// Asks for the file name and writes the picture: by the name's extension as PNG of the same
// pixels, as SVG or PDF drawn anew as vectors, and otherwise (".bmp", none, any other) as an
// uncompressed Windows BMP. The file is written atomically: a failed save leaves any file of
// that name as it was. Returns false when the user cancelled the input box.
bool SavePictureFile(ImageSurface &picture, const SaveSteps &steps);

// Writes an image as BMP atomically; false on any failure.
bool WriteBitmapFile(const QImage &image, const QString &fileName);

} // namespace varelo
