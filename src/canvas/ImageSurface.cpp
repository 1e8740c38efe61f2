#include "canvas/ImageSurface.h"

#include <cmath>

namespace varelo {

PainterSurface::~PainterSurface() = default;

void PainterSurface::flush() {
    if (painter_.isActive())
        painter_.end();
    penValid_ = false;
}

QPainter *PainterSurface::painter() {
    if (!painter_.isActive()) {
        if (beginFailed_ || !painter_.begin(paintDevice())) {
            beginFailed_ = true;
            return nullptr;
        }
        // Exact, aliased pixels, as the classic picture boxes drew them.
        painter_.setRenderHint(QPainter::Antialiasing, false);
        penValid_ = false;
    }
    return &painter_;
}

void PainterSurface::usePen(Rgb c, int width, int style) {
    QPainter &p = painter_;
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
    QPainter *p = painter();
    if (!p)
        return;
    usePen(c, width, style);
    p->drawLine(QLineF(x1, y1, x2, y2));
    changed();
}

void PainterSurface::paintDot(double x, double y, Rgb c, int diameter) {
    QPainter *pp = painter();
    if (!pp)
        return;
    QPainter &p = *pp;
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
    QPainter *p = painter();
    if (!p)
        return;
    usePen(c, width, style);
    const QRectF box(cx - rx, cy - ry, 2 * rx, 2 * ry);
    if (spanDeg >= 360)
        p->drawEllipse(box);
    else
        p->drawArc(box, qRound(startDeg * 16), qRound(spanDeg * 16));
    changed();
}

ImageSurface::ImageSurface(int width, int height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
    image_.fill(Qt::white);
}

// The painter must end before the image it paints on goes away.
ImageSurface::~ImageSurface() { flush(); }

void ImageSurface::resizeImage(int width, int height) {
    deviceChanged();
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

void ImageSurface::paintLine(double x1, double y1, double x2, double y2, Rgb c, int width, int style) {
    if (width != 1 || image_.format() != QImage::Format_RGB32) {
        PainterSurface::paintLine(x1, y1, x2, y2, c, width, style);
        return;
    }
    // Clip to the image, keeping where the visible part starts for the pattern.
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    if (!ClipSegment(x1, y1, dx, dy, 0, 0, image_.width() - 1e-6, image_.height() - 1e-6, t0, t1))
        return;
    // Rounding at the clip edges can land a hair outside: keep every pixel inside.
    const int w = image_.width() - 1, h = image_.height() - 1;
    auto px = [](double v, int hi) { return std::clamp(static_cast<int>(std::floor(v)), 0, hi); };
    int ax = px(x1 + t0 * dx, w), ay = px(y1 + t0 * dy, h);
    const int bx = px(x1 + t1 * dx, w), by = px(y1 + t1 * dy, h);
    flush(); // the painter must not hold the buffer while it is written directly
    auto *bits = reinterpret_cast<uint32_t *>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / 4;
    const uint32_t colour = 0xff000000u | (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b;
    if (style != kDotted && style != kDashDot) {
        // Solid: step along the major axis with a pointer into the image.
        const int adx = std::abs(bx - ax), ady = std::abs(by - ay);
        const qsizetype stepX = ax < bx ? 1 : -1, stepY = ay < by ? stride : -stride;
        uint32_t *p = bits + ay * stride + ax;
        const bool xMajor = adx >= ady;
        const int major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
        const qsizetype stepMajor = xMajor ? stepX : stepY, stepMinor = xMajor ? stepY : stepX;
        int err = major / 2;
        for (int i = 0;; ++i) {
            *p = colour;
            if (i == major)
                break;
            p += stepMajor;
            err -= minor;
            if (err < 0) {
                p += stepMinor;
                err += major;
            }
        }
        changed();
        return;
    }
    // Patterns as the painter's: dotted 1 on 2 off, dash-dot 4 on 2 off 1 on 2 off.
    static const bool dotted[3] = {true, false, false};
    static const bool dashDot[9] = {true, true, true, true, false, false, true, false, false};
    const bool *pattern = style == kDotted ? dotted : dashDot;
    const int period = style == kDotted ? 3 : 9;
    int phase = static_cast<int>(t0 * std::max(std::fabs(dx), std::fabs(dy)));
    const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    const int ddx = std::abs(bx - ax), ddy = -std::abs(by - ay);
    int err = ddx + ddy;
    for (;;) {
        if (pattern[phase % period])
            bits[ay * stride + ax] = colour;
        if (ax == bx && ay == by)
            break;
        const int e2 = 2 * err;
        if (e2 >= ddy) {
            err += ddy;
            ax += sx;
        }
        if (e2 <= ddx) {
            err += ddx;
            ay += sy;
        }
        ++phase;
    }
    changed();
}

void ImageSurface::paintImage(int x, int y, const QImage &img) {
    if (QPainter *p = painter()) {
        p->drawImage(x, y, img);
        changed();
    }
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
