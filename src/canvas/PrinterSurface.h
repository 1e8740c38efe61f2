#pragma once
// The drawing operations on a printer page (or any paint device), plus text output at a
// position with a font size, and ending the document.
#include "canvas/ImageSurface.h"

class QPaintDevice;
class QString;

namespace varelo {

class PrinterSurface : public PainterSurface {
public:
    explicit PrinterSurface(QPaintDevice *device);
    ~PrinterSurface() override;

    int deviceWidth() const override;
    int deviceHeight() const override;
    // The printable page in twips.
    double pageWidthTwips() const;
    double pageHeightTwips() const;

    void SetFontSize(double points);
    // Prints a line at the current position; the position then moves to the start of the
    // next line.
    void PrintText(const QString &text);
    // Ends the document: the page goes to the printer or file.
    void EndDoc();

protected:
    QPaintDevice *paintDevice() override { return device_; }
    void paintClear() override {} // on paper nothing is cleared

private:
    QPaintDevice *device_;
    double fontSize_ = 12;
    bool ended_ = false;
};

// A picture drawn as vectors (SVG or PDF) with the screen picture's pixel size.
class VectorSurface : public PrinterSurface {
public:
    using PrinterSurface::PrinterSurface;

protected:
    void paintClear() override; // a white picture
};

} // namespace varelo
