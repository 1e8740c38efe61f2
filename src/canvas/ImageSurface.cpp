#include "canvas/ImageSurface.h"

namespace varelo {

PainterSurface::~PainterSurface() = default;

void PainterSurface::flush() {
    if (painter_.isActive())
        painter_.end();
    penValid_ = false;
}

QPainter &PainterSurface::painter() {
    if (!painter_.isActive()) {
        painter_.begin(paintDevice());
        // Erasing by over-drawing in white needs exact, aliased pixels.
        painter_.setRenderHint(QPainter::Antialiasing, false);
        penValid_ = false;
    }
    return painter_;
}

void PainterSurface::usePen(Rgb c, int width, int style) {
    QPainter &p = painter();
    if (penValid_ && c == penColor_ && width == penWidth_ && style == penStyle_)
        return;
    QPen pen(QColor(c.r, c.g, c.b));
    pen.setWidth(width);
    pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setStyle(style == kDotted ? Qt::DotLine : style == kDashDot ? Qt::DashDotLine : Qt::SolidLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    penValid_ = true;
    penColor_ = c;
    penWidth_ = width;
    penStyle_ = style;
}

void PainterSurface::paintLine(double x1, double y1, double x2, double y2, Rgb c, int width, int style) {
    usePen(c, width, style);
    painter().drawLine(QLineF(x1, y1, x2, y2));
    changed();
}

void PainterSurface::paintDot(double x, double y, Rgb c, int diameter) {
    QPainter &p = painter();
    if (diameter <= 1) {
        usePen(c, 1, kSolid);
        p.drawPoint(QPointF(x, y));
    } else {
        penValid_ = false;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(c.r, c.g, c.b));
        p.drawEllipse(QPointF(x, y), diameter / 2.0, diameter / 2.0);
        p.setBrush(Qt::NoBrush);
    }
    changed();
}

void PainterSurface::paintEllipse(double cx, double cy, double rx, double ry, Rgb c, int width,
                                  int style, double startDeg, double spanDeg) {
    usePen(c, width, style);
    const QRectF box(cx - rx, cy - ry, 2 * rx, 2 * ry);
    if (spanDeg >= 360)
        painter().drawEllipse(box);
    else
        painter().drawArc(box, qRound(startDeg * 16), qRound(spanDeg * 16));
    changed();
}

ImageSurface::ImageSurface(int width, int height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
    image_.fill(Qt::white);
}

// The painter must end before the image it paints on goes away.
ImageSurface::~ImageSurface() { flush(); }

void ImageSurface::resizeImage(int width, int height) {
    flush();
    image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    paintClear();
}

const QImage &ImageSurface::image() {
    flush();
    return image_;
}

void ImageSurface::restoreImage(const QImage &img) {
    flush();
    if (img.size() == image_.size())
        image_ = img;
    changed();
}

void ImageSurface::setBackColor(Rgb c) {
    backColor_ = c;
    paintClear();
}

void ImageSurface::paintClear() {
    flush();
    image_.fill(QColor(backColor_.r, backColor_.g, backColor_.b));
    changed();
}

} // namespace varelo
