#pragma once
// Surfaces that rasterise with QPainter: onto any paint device, or onto a retained image.
#include "core/SmoothLine.h"
#include "core/Surface.h"

#include <QImage>
#include <QPainter>
#include <vector>

namespace varelo {

class PainterSurface : public Surface {
public:
    ~PainterSurface() override;
    // Ends the open painter so that the device can be read or painted elsewhere.
    void flush();
    // Smooth edges (the presentation look); off, exact aliased pixels.
    void setAntialiased(bool on);
    bool antialiased() const { return antialiased_; }

protected:
    virtual QPaintDevice *paintDevice() = 0;
    // The open painter, or null when the device cannot be painted on (that is kept, not
    // retried on every operation).
    QPainter *painter();
    void paintLine(double x1, double y1, double x2, double y2, Rgb c, int width, int style) override;
    void paintDot(double x, double y, Rgb c, int diameter) override;
    void paintEllipse(double cx, double cy, double rx, double ry, Rgb c, int width, int style,
                      double startDeg, double spanDeg) override;
    // Labels in the picture, in the classic font.
    double paintText(double x, double y, const std::string &text, double points, Rgb c) override;
public:
    double TextWidth(const std::string &text, double points) override;
    double TextLineHeight(double points) override;
protected:
    // The painter's pen was changed behind usePen's back (text output).
    void invalidatePen() { penValid_ = false; }
    // A new device: painting may work again.
    void deviceChanged() {
        flush();
        beginFailed_ = false;
    }
    // Called after every rasterised operation (the screen picture schedules a repaint).
    virtual void changed() {}
    // Sets what was kept back for drawing in one go; before any other drawing or reading.
    virtual void commitDeferred() {}

private:
    void usePen(Rgb c, int width, int style);
    QPainter painter_;
    bool beginFailed_ = false;
    bool penValid_ = false;
    bool antialiased_ = false;
    Rgb penColor_;
    int penWidth_ = -1, penStyle_ = -1;
};

// A surface that keeps its drawing in an image of a fixed size. Sizes, coordinates and line
// widths count logical pixels; the image holds pixelRatio() device pixels for each of them,
// so that a high-density screen shows it sharp.
class ImageSurface : public PainterSurface {
public:
    explicit ImageSurface(int width = 1, int height = 1);
    ~ImageSurface() override;
    // A new, blank image of this logical size.
    void resizeImage(int width, int height);
    // Device pixels per logical pixel; a change keeps the drawing (enlarged or reduced
    // until it is drawn again).
    void setPixelRatio(qreal ratio);
    qreal pixelRatio() const { return ratio_; }
    // The retained image, with all drawing so far in it, in device pixels.
    const QImage &image();
    // Replaces the retained image (same size), e.g. from a cached layer.
    void restoreImage(const QImage &img);
    // Copies a picture into the image with its top-left corner at the logical pixel (x, y).
    void paintImage(int x, int y, const QImage &img);
    void setBackColor(Rgb c);
    // Wide solid lines set by the program's own routine in whole pixels, not by the painter
    // (many times faster for the heavy lines of a presentation frame while something is
    // dragged); off, the painter's exact look.
    void setQuickWideLines(bool on) { quickWide_ = on; }
    Rgb backColor() const { return backColor_; }
    int deviceWidth() const override { return width_; }
    int deviceHeight() const override { return height_; }

protected:
    QPaintDevice *paintDevice() override { return &image_; }
    void paintClear() override;
    // One-pixel lines are set straight into the image (the painter's thin-line path costs a
    // call per pixel), as square blocks of the pixel ratio; wider lines go through the painter.
    void paintLine(double x1, double y1, double x2, double y2, Rgb c, int width, int style) override;
    // Smooth pictures set their smallest dots (the raster's) as squares: too small to show
    // an edge, and hundreds of them must not cost a frame.
    void paintDot(double x, double y, Rgb c, int diameter) override;

private:
    // Solid antialiased lines are set into the image by the program itself: the painter's
    // stroker takes many times as long for the thousands of rays of a full scene.
    void paintSmoothLine(double x1, double y1, double x2, double y2, Rgb c, int width);
    void commitDeferred() override;
    std::vector<SmoothLine> smooth_;
    bool quickWide_ = false;
    QImage blankImage(int width, int height) const;
    QImage image_;
    int width_ = 1, height_ = 1;
    qreal ratio_ = 1;
    Rgb backColor_ = kWhite;
};

} // namespace varelo
