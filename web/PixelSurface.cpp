#include "PixelSurface.h"

#include "core/NumRules.h"
#include "core/SmoothLine.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
// The page's canvas measures; without one (a test outside a browser) an average glyph.
// clang-format off
EM_JS(double, MeasureText, (const char *text, double px), {
    if (typeof OffscreenCanvas == 'undefined')
        return 0.55 * px * UTF8ToString(text).length;
    const c =
        Module.textMeasure || (Module.textMeasure = new OffscreenCanvas(1, 1).getContext('2d'));
    c.font = px + 'px "DejaVu Sans", sans-serif';
    return c.measureText(UTF8ToString(text)).width;
});
// clang-format on
#else
double MeasureText(const char *text, double px) {
    return 0.55 * px * std::strlen(text);
}
#endif

namespace varelo {

double PixelSurface::TextWidth(const std::string &text, double points) {
    return MeasureText(text.c_str(), points * pointPixels);
}

namespace {
// Red in the lowest byte: the byte order of the canvas's image data on a little-endian machine.
uint32_t Packed(Rgb c) {
    return 0xff000000u | (uint32_t(c.b) << 16) | (uint32_t(c.g) << 8) | c.r;
}

const bool kDottedPattern[3] = {true, false, false};
const bool kDashDotPattern[9] = {true, true, true, true, false, false, true, false, false};

bool PatternOn(int style, int phase) {
    if (style == kDotted)
        return kDottedPattern[phase % 3];
    if (style == kDashDot)
        return kDashDotPattern[phase % 9];
    return true;
}
} // namespace

void PixelSurface::resize(int w, int h) {
    width_ = std::max(1, w);
    height_ = std::max(1, h);
    pixels_.assign(static_cast<size_t>(width_) * height_, Packed(kWhite));
}

void PixelSurface::paintClear() {
    std::fill(pixels_.begin(), pixels_.end(), Packed(kWhite));
}

void PixelSurface::plot(int x, int y, uint32_t colour, int width) {
    if (width <= 1) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_)
            pixels_[static_cast<size_t>(y) * width_ + x] = colour;
        return;
    }
    const int x0 = std::max(0, x - (width - 1) / 2), x1 = std::min(width_ - 1, x + width / 2);
    const int y0 = std::max(0, y - (width - 1) / 2), y1 = std::min(height_ - 1, y + width / 2);
    for (int j = y0; j <= y1; ++j)
        std::fill(pixels_.begin() + static_cast<size_t>(j) * width_ + x0,
                  pixels_.begin() + static_cast<size_t>(j) * width_ + x1 + 1, colour);
}

void PixelSurface::paintLine(double x1, double y1, double x2, double y2, Rgb c, int width,
                             int style) {
    const uint32_t colour = Packed(c);
    if (smooth && style != kDotted && style != kDashDot) {
        SmoothLine l;
        if (MakeSmoothLine(x1, y1, x2, y2, std::max(width, 1), width_, height_, colour, quick, l))
            RasterSmoothLine(l, pixels_.data(), width_, width_, 0, height_ - 1);
        return;
    }
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    if (width == 1 && style != kDotted && style != kDashDot) {
        // The common thin solid line: clipped to the picture, then stepped along its major
        // axis with a pointer, no test per pixel.
        if (!ClipSegment(x1, y1, dx, dy, 0, 0, width_ - 1e-6, height_ - 1e-6, t0, t1))
            return;
        const auto px = [](double v, int hi) {
            return std::clamp(static_cast<int>(std::floor(v)), 0, hi);
        };
        const int ax = px(x1 + t0 * dx, width_ - 1), ay = px(y1 + t0 * dy, height_ - 1);
        const int bx = px(x1 + t1 * dx, width_ - 1), by = px(y1 + t1 * dy, height_ - 1);
        const int adx = std::abs(bx - ax), ady = std::abs(by - ay);
        const ptrdiff_t stepX = ax < bx ? 1 : -1, stepY = ay < by ? width_ : -width_;
        const bool xMajor = adx >= ady;
        const int major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
        const ptrdiff_t stepMajor = xMajor ? stepX : stepY, stepMinor = xMajor ? stepY : stepX;
        uint32_t *p = pixels_.data() + static_cast<ptrdiff_t>(ay) * width_ + ax;
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
        return;
    }
    // Wide or patterned: clipped to the picture widened by the brush, keeping where the
    // visible part starts for the pattern.
    const double margin = width;
    if (!ClipSegment(x1, y1, dx, dy, -margin, -margin, width_ + margin - 1e-6,
                     height_ + margin - 1e-6, t0, t1))
        return;
    int ax = static_cast<int>(std::floor(x1 + t0 * dx)),
        ay = static_cast<int>(std::floor(y1 + t0 * dy));
    const int bx = static_cast<int>(std::floor(x1 + t1 * dx)),
              by = static_cast<int>(std::floor(y1 + t1 * dy));
    int phase = static_cast<int>(t0 * std::max(std::fabs(dx), std::fabs(dy)));
    const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    const int ddx = std::abs(bx - ax), ddy = -std::abs(by - ay);
    int err = ddx + ddy;
    for (;;) {
        if (PatternOn(style, phase))
            plot(ax, ay, colour, width);
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
}

void PixelSurface::paintDot(double x, double y, Rgb c, int diameter) {
    const uint32_t colour = Packed(c);
    if (diameter <= 2) {
        plot(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)), colour, diameter);
        return;
    }
    const double r = diameter / 2.0;
    const int y0 = std::max(0, static_cast<int>(std::floor(y - r))),
              y1 = std::min(height_ - 1, static_cast<int>(std::ceil(y + r)));
    for (int j = y0; j <= y1; ++j) {
        const double h = j + 0.5 - y, half = r * r - h * h;
        if (half < 0)
            continue;
        const double w = std::sqrt(half);
        const int x0 = std::max(0, static_cast<int>(std::lround(x - w))),
                  x1 = std::min(width_ - 1, static_cast<int>(std::lround(x + w)) - 1);
        if (x0 <= x1)
            std::fill(pixels_.begin() + static_cast<size_t>(j) * width_ + x0,
                      pixels_.begin() + static_cast<size_t>(j) * width_ + x1 + 1, colour);
    }
}

void PixelSurface::paintEllipse(double cx, double cy, double rx, double ry, Rgb c, int width,
                                int style, double startDeg, double spanDeg) {
    // Steps of about a pixel along the curve; angles count counter-clockwise on the screen.
    const double r = std::max(rx, ry);
    if (!(r > 0) || r > 1e6)
        return;
    const int steps =
        std::clamp(static_cast<int>(std::ceil(spanDeg / 360 * 2 * kPi * r)), 8, 200000);
    const double a0 = startDeg * kPi / 180, da = spanDeg * kPi / 180 / steps;
    const uint32_t colour = Packed(c);
    int lastX = INT32_MIN, lastY = INT32_MIN, phase = 0;
    for (int i = 0; i <= steps; ++i) {
        const double a = a0 + i * da;
        const int x = static_cast<int>(std::floor(cx + rx * std::cos(a))),
                  y = static_cast<int>(std::floor(cy - ry * std::sin(a)));
        if (x == lastX && y == lastY)
            continue;
        if (PatternOn(style, phase++))
            plot(x, y, colour, width);
        lastX = x;
        lastY = y;
    }
}

} // namespace varelo
