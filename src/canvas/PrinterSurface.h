#pragma once
// The drawing operations on a printer page (or any paint device), plus text output at a
// position with a font size, and ending the document.
#include "canvas/ImageSurface.h"

#include <QString>

class QPaintDevice;

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

    using Surface::PrintText;
    void PrintText(const QString &text) { PrintText(text.toStdString()); }
    void PrintText(const char *text) { PrintText(std::string(text)); }
    // Ends the document: the page goes to the printer or file.
    void EndDoc();

protected:
    QPaintDevice *paintDevice() override { return device_; }
    void paintClear() override {} // on paper nothing is cleared
    double paintText(double x, double y, const std::string &text, double points, Rgb c) override;

private:
    QPaintDevice *device_;
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
