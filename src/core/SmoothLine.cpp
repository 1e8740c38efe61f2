#include "core/SmoothLine.h"

#include "core/Surface.h"

#include <algorithm>
#include <cmath>

namespace varelo {

bool MakeSmoothLine(double x1, double y1, double x2, double y2, double width, int imageWidth,
                    int imageHeight, uint32_t colour, bool hard, SmoothLine &l) {
    const double half = width / 2.0;
    // Clipped to the image grown by the width, so that the edges near the border stay right.
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double margin = half + 1;
    if (!ClipSegment(x1, y1, dx, dy, -margin, -margin, imageWidth + margin, imageHeight + margin,
                     t0, t1))
        return false;
    const double ax = x1 + t0 * dx, ay = y1 + t0 * dy, bx = x1 + t1 * dx, by = y1 + t1 * dy;
    l.xMajor = std::fabs(bx - ax) >= std::fabs(by - ay);
    // Walk along the major axis u; the centre on the minor axis v is v0 + slope (u - u0).
    l.u0 = l.xMajor ? ax : ay;
    l.v0 = l.xMajor ? ay : ax;
    const double u1 = l.xMajor ? bx : by, v1 = l.xMajor ? by : bx;
    const double lo = std::min(l.u0, u1), hi = std::max(l.u0, u1);
    l.slope = u1 != l.u0 ? (v1 - l.v0) / (u1 - l.u0) : 0;
    l.span = half * std::sqrt(1 + l.slope * l.slope); // the half-width across the minor axis
    l.endFirst = static_cast<int>(std::floor(lo));
    l.endLast = static_cast<int>(std::floor(hi));
    l.first = std::max(0, l.endFirst);
    l.last = std::min((l.xMajor ? imageWidth : imageHeight) - 1, l.endLast);
    auto along = [lo, hi](int u) {
        return static_cast<uint32_t>(
            std::clamp(std::min(hi, u + 1.0) - std::max(lo, static_cast<double>(u)), 0.0, 1.0) *
            256);
    };
    l.coverFirst = along(l.endFirst);
    l.coverLast = along(l.endLast);
    l.top = std::min(ay, by) - half - 1;
    l.bottom = std::max(ay, by) + half + 1;
    l.colour = colour;
    l.hard = hard;
    return true;
}

namespace {
// A packed colour (alpha in the top byte) mixed over another by alpha / 256.
inline uint32_t mixColour(uint32_t dst, uint32_t src, uint32_t alpha) {
    const uint32_t rb =
        (((src & 0xff00ffu) * alpha + (dst & 0xff00ffu) * (256 - alpha)) >> 8) & 0xff00ffu;
    const uint32_t g =
        (((src & 0x00ff00u) * alpha + (dst & 0x00ff00u) * (256 - alpha)) >> 8) & 0x00ff00u;
    return 0xff000000u | rb | g;
}
} // namespace

// Sets the line's pixels in the rows from rowFirst to rowLast: per step along the major axis
// the pixels inside the width are set and the two edge pixels mixed by their coverage, in
// fixed point (8 bits of fraction).
void RasterSmoothLine(const SmoothLine &l, uint32_t *bits, ptrdiff_t stride, int imageWidth,
                      int rowFirst, int rowLast) {
    const int vMin = l.xMajor ? rowFirst : 0, vMax = l.xMajor ? rowLast : imageWidth - 1;
    int first = l.first, last = l.last;
    if (l.xMajor) {
        if (l.slope != 0) {
            // Only the steps where the line passes the band.
            double a = (vMin - l.span - 1 - l.v0) / l.slope + l.u0 - 0.5,
                   b = (vMax + l.span + 2 - l.v0) / l.slope + l.u0 - 0.5;
            if (a > b)
                std::swap(a, b);
            first = std::max(first, static_cast<int>(std::floor(std::max(a, -1.0))));
            last = std::min(last, static_cast<int>(std::ceil(std::min(b, 1e9))));
        }
    } else {
        first = std::max(first, rowFirst);
        last = std::min(last, rowLast);
    }
    if (first > last)
        return;
    const ptrdiff_t stepU = l.xMajor ? 1 : stride, stepV = l.xMajor ? stride : 1;
    const double centre = l.v0 + l.slope * (first + 0.5 - l.u0);
    // The edges at the first step and their change per step.
    int64_t top = std::llround((centre - l.span) * 256),
            bottom = std::llround((centre + l.span) * 256);
    const int64_t step = std::llround(l.slope * 256);
    const uint32_t colour = l.colour;
    auto mix = [colour](uint32_t &d, uint32_t alpha) { d = mixColour(d, colour, alpha); };
    if (l.hard) {
        // Whole pixels: those whose centre lies inside the width, at the end steps those
        // covered at least half along the line.
        for (int u = first; u <= last; ++u, top += step, bottom += step) {
            if ((u == l.endFirst && l.coverFirst < 128) || (u == l.endLast && l.coverLast < 128))
                continue;
            const int from = std::max(static_cast<int>((top + 127) >> 8), vMin);
            const int to = std::min(static_cast<int>((bottom + 127) >> 8) - 1, vMax);
            uint32_t *column = bits + u * stepU;
            for (int v = from; v <= to; ++v)
                column[v * stepV] = colour;
        }
        return;
    }
    for (int u = first; u <= last; ++u, top += step, bottom += step) {
        // Only the two end steps are covered in part along the line.
        uint32_t cover = 256;
        if (u == l.endFirst || u == l.endLast) {
            cover = u == l.endFirst ? l.coverFirst : l.coverLast;
            if (!cover)
                continue;
        }
        const int vt = static_cast<int>(top >> 8), vb = static_cast<int>(bottom >> 8);
        if (vb < vMin || vt > vMax)
            continue;
        uint32_t *column = bits + u * stepU;
        if (vt == vb) {
            mix(column[vt * stepV], static_cast<uint32_t>(bottom - top) * cover >> 8);
            continue;
        }
        if (vt >= vMin)
            mix(column[vt * stepV], (256 - static_cast<uint32_t>(top & 255)) * cover >> 8);
        const int fullFirst = std::max(vt + 1, vMin), fullLast = std::min(vb - 1, vMax);
        for (int v = fullFirst; v <= fullLast; ++v)
            if (cover == 256)
                column[v * stepV] = colour;
            else
                mix(column[v * stepV], cover);
        if (vb <= vMax)
            mix(column[vb * stepV], static_cast<uint32_t>(bottom & 255) * cover >> 8);
    }
}

} // namespace varelo
