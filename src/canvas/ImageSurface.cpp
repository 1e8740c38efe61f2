#include "canvas/ImageSurface.h"

#include "core/SmoothLine.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <thread>

namespace varelo {

PainterSurface::~PainterSurface() = default;

void PainterSurface::flush() {
    if (painter_.isActive())
        painter_.end();
    penValid_ = false;
    commitDeferred();
}

QPainter *PainterSurface::painter() {
    commitDeferred();
    if (!painter_.isActive()) {
        if (beginFailed_ || !painter_.begin(paintDevice())) {
            beginFailed_ = true;
            return nullptr;
        }
        // Exact, aliased pixels, as the classic picture boxes drew them, unless smooth.
        painter_.setRenderHint(QPainter::Antialiasing, antialiased_);
        penValid_ = false;
    }
    return &painter_;
}

void PainterSurface::setAntialiased(bool on) {
    antialiased_ = on;
    if (painter_.isActive())
        painter_.setRenderHint(QPainter::Antialiasing, on);
}

void PainterSurface::usePen(Rgb c, int width, int style) {
    QPainter &p = painter_;
    if (penValid_ && c == penColor_ && width == penWidth_ && style == penStyle_)
        return;
    QPen pen(QColor(c.r, c.g, c.b));
    pen.setWidth(width);
    // Round caps make smooth lines go through the stroker, many times slower.
    pen.setCapStyle(width > 1 && !antialiased_ ? Qt::RoundCap : Qt::FlatCap);
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

double PainterSurface::paintText(double x, double y, const std::string &text, double points, Rgb c) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    QPainter *p = painter();
    if (!p)
        return 0;
    const QFontMetricsF metrics(font, paintDevice());
    const QPointF at(x, y + metrics.ascent());
    const QString line = QString::fromStdString(text);
    // A white rim keeps a label readable over the dense rays it names; opaque and aliased,
    // so that a label drawn twice looks as drawn once.
    QPainterPath path;
    path.addText(at, font, line);
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    p->strokePath(path, QPen(Qt::white, std::max(2.0, points / 3), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p->restore();
    p->setFont(font);
    p->setPen(QColor(c.r, c.g, c.b));
    p->drawText(at, line);
    invalidatePen();
    changed();
    return metrics.height();
}

double PainterSurface::TextWidth(const std::string &text, double points) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    QPaintDevice *device = paintDevice();
    return device ? QFontMetricsF(font, device).horizontalAdvance(QString::fromStdString(text)) : 0;
}

double PainterSurface::TextLineHeight(double points) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    QPaintDevice *device = paintDevice();
    return device ? QFontMetricsF(font, device).height() : 0;
}

ImageSurface::ImageSurface(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)) {
    image_ = blankImage(width_, height_);
    image_.fill(Qt::white);
}

// The painter must end before the image it paints on goes away.
ImageSurface::~ImageSurface() { flush(); }

QImage ImageSurface::blankImage(int width, int height) const {
    QImage img(std::max(1, static_cast<int>(std::ceil(width * ratio_ - 1e-9))),
               std::max(1, static_cast<int>(std::ceil(height * ratio_ - 1e-9))), QImage::Format_RGB32);
    // The painter then works in logical pixels.
    img.setDevicePixelRatio(ratio_);
    return img;
}

void ImageSurface::resizeImage(int width, int height) {
    smooth_.clear();
    deviceChanged();
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    image_ = blankImage(width_, height_);
    paintClear();
}

void ImageSurface::setPixelRatio(qreal ratio) {
    // A ratio from a broken screen report must not make a huge or empty image.
    if (!std::isfinite(ratio) || ratio < 1)
        ratio = 1;
    ratio = std::min(ratio, qreal(8));
    if (ratio == ratio_)
        return;
    deviceChanged();
    ratio_ = ratio;
    QImage img = blankImage(width_, height_);
    // Nearest pixels keep the exact colours until the scene is drawn again.
    QImage old = image_.scaled(img.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    old.setDevicePixelRatio(ratio_);
    image_ = old.format() == QImage::Format_RGB32 ? old : old.convertToFormat(QImage::Format_RGB32);
    changed();
}

const QImage &ImageSurface::image() {
    flush();
    return image_;
}

void ImageSurface::restoreImage(const QImage &img) {
    flush();
    if (img.size() == image_.size() && img.devicePixelRatio() == ratio_)
        image_ = img;
    changed();
}

namespace {
// Bresenham's walk along the major axis with a pointer into the image; a loop of its own for
// each way of setting a pixel, so that the common one stays in registers.
template <typename Plot>
inline void WalkLine(uint32_t *p, int major, int minor, qsizetype stepMajor, qsizetype stepMinor, Plot plot) {
    int err = major / 2;
    for (int i = 0;; ++i) {
        plot(p);
        if (i == major)
            break;
        p += stepMajor;
        err -= minor;
        if (err < 0) {
            p += stepMinor;
            err += major;
        }
    }
}
} // namespace

void ImageSurface::paintLine(double x1, double y1, double x2, double y2, Rgb c, int width, int style) {
    if ((antialiased() || (quickWide_ && width > 1)) && image_.format() == QImage::Format_RGB32 && style != kDotted &&
        style != kDashDot) {
        paintSmoothLine(x1, y1, x2, y2, c, width);
        return;
    }
    if (width != 1 || antialiased() || image_.format() != QImage::Format_RGB32) {
        PainterSurface::paintLine(x1, y1, x2, y2, c, width, style);
        return;
    }
    // A logical pixel is a k x k block of device pixels; the line steps by single device
    // pixels, so slanted lines are as fine as the screen allows.
    const int k = std::max(1, static_cast<int>(std::lround(ratio_)));
    const int w = image_.width() - k, h = image_.height() - k; // the highest block corner
    if (w < 0 || h < 0)
        return;
    // Clip to the picture, keeping where the visible part starts for the pattern.
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    if (!ClipSegment(x1, y1, dx, dy, 0, 0, width_ - 1e-6, height_ - 1e-6, t0, t1))
        return;
    // The block centred on the point; rounding at the clip edges can land a hair outside:
    // keep every block inside.
    const double r = ratio_, centre = (k - 1) / 2.0;
    auto px = [r, centre](double v, int hi) {
        return std::clamp(static_cast<int>(std::floor(v * r - centre)), 0, hi);
    };
    int ax = px(x1 + t0 * dx, w), ay = px(y1 + t0 * dy, h);
    const int bx = px(x1 + t1 * dx, w), by = px(y1 + t1 * dy, h);
    flush(); // the painter must not hold the buffer while it is written directly
    auto *bits = reinterpret_cast<uint32_t *>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / 4;
    const uint32_t colour = 0xff000000u | (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b;
    auto plot = [k, stride, colour](uint32_t *p) {
        if (k == 1) {
            *p = colour;
            return;
        }
        for (int j = 0; j < k; ++j, p += stride)
            std::fill(p, p + k, colour);
    };
    if (style != kDotted && style != kDashDot) {
        // Solid: step along the major axis with a pointer into the image.
        const int adx = std::abs(bx - ax), ady = std::abs(by - ay);
        const qsizetype stepX = ax < bx ? 1 : -1, stepY = ay < by ? stride : -stride;
        uint32_t *p = bits + ay * stride + ax;
        const bool xMajor = adx >= ady;
        const int major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
        const qsizetype stepMajor = xMajor ? stepX : stepY, stepMinor = xMajor ? stepY : stepX;
        if (k == 1)
            WalkLine(p, major, minor, stepMajor, stepMinor, [colour](uint32_t *q) { *q = colour; });
        else
            WalkLine(p, major, minor, stepMajor, stepMinor, plot);
        changed();
        return;
    }
    // Patterns as the painter's, in logical pixels: dotted 1 on 2 off, dash-dot 4 on 2 off
    // 1 on 2 off.
    static const bool dotted[3] = {true, false, false};
    static const bool dashDot[9] = {true, true, true, true, false, false, true, false, false};
    const bool *pattern = style == kDotted ? dotted : dashDot;
    const int period = style == kDotted ? 3 : 9;
    int phase = static_cast<int>(t0 * std::max(std::fabs(dx), std::fabs(dy)) * k);
    const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    const int ddx = std::abs(bx - ax), ddy = -std::abs(by - ay);
    int err = ddx + ddy;
    for (;;) {
        // One block per logical pixel, so that a dot is as long as it is wide.
        if (k == 1 ? pattern[phase % period] : phase % k == 0 && pattern[(phase / k) % period])
            plot(bits + ay * stride + ax);
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

void ImageSurface::paintSmoothLine(double x1, double y1, double x2, double y2, Rgb c, int width) {
    // In device pixels from here on.
    const double r = ratio_;
    SmoothLine l;
    const uint32_t colour = 0xff000000u | (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b;
    if (!MakeSmoothLine(x1 * r, y1 * r, x2 * r, y2 * r, std::max(width, 1) * r, image_.width(), image_.height(),
                        colour, !antialiased(), l))
        return;
    // Kept until something else is drawn or the image is read: then all of them are set
    // in one go. The painter lets go of the image first.
    if (smooth_.empty())
        flush();
    smooth_.push_back(l);
    changed();
}

void ImageSurface::commitDeferred() {
    if (smooth_.empty())
        return;
    const int h = image_.height();
    // Detached here, not in two threads at once.
    auto *bits = reinterpret_cast<uint32_t *>(image_.bits());
    const ptrdiff_t stride = image_.bytesPerLine() / 4;
    // Bands of rows small enough to stay in the processor's cache while every line crossing
    // them is set; two threads take every other band. Bands share no pixel, so each keeps
    // the order of the lines in its rows.
    constexpr int kBand = 64;
    const int bands = (h + kBand - 1) / kBand;
    auto work = [this, h, bands, bits, stride](int parity) {
        for (int b = parity; b < bands; b += 2) {
            const int top = b * kBand, bottom = std::min(h, top + kBand) - 1;
            for (const SmoothLine &l : smooth_)
                if (l.top <= bottom && l.bottom >= top)
                    RasterSmoothLine(l, bits, stride, image_.width(), top, bottom);
        }
    };
    if (smooth_.size() < 64 || bands < 2) {
        work(0);
        work(1);
    } else {
        std::thread odd(work, 1);
        work(0);
        odd.join();
    }
    smooth_.clear();
}

void ImageSurface::paintDot(double x, double y, Rgb c, int diameter) {
    if (!antialiased() || diameter > 3 || image_.format() != QImage::Format_RGB32) {
        PainterSurface::paintDot(x, y, c, diameter);
        return;
    }
    const int side = std::max(1, static_cast<int>(std::lround(diameter * ratio_)));
    const int left = static_cast<int>(std::floor(x * ratio_ - side / 2.0 + 0.5));
    const int top = static_cast<int>(std::floor(y * ratio_ - side / 2.0 + 0.5));
    const int x0 = std::max(0, left), x1 = std::min(image_.width(), left + side);
    const int y0 = std::max(0, top), y1 = std::min(image_.height(), top + side);
    if (x0 >= x1 || y0 >= y1)
        return;
    flush();
    const uint32_t colour = 0xff000000u | (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b;
    for (int row = y0; row < y1; ++row) {
        auto *line = reinterpret_cast<uint32_t *>(image_.scanLine(row));
        std::fill(line + x0, line + x1, colour);
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
    smooth_.clear();
    flush();
    image_.fill(QColor(backColor_.r, backColor_.g, backColor_.b));
    changed();
}

} // namespace varelo
