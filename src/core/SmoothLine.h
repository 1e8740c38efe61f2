#pragma once
// A line of some width set pixel by pixel: per step along its major axis the pixels inside
// its width are set and the two edge pixels mixed by their coverage, in fixed point. The
// screen picture of the desktop and the browser's picture both set their smooth lines so.
#include <cstddef>
#include <cstdint>

namespace varelo {

struct SmoothLine {
    bool xMajor;
    double u0, v0, slope, span; // the centre on the minor axis: v0 + slope (u - u0)
    int endFirst, endLast;      // the steps of its ends, covered in part
    uint32_t coverFirst, coverLast;
    int first, last;    // the steps inside the image
    double top, bottom; // the rows it may touch
    uint32_t colour;    // packed as the image's pixels are, alpha in the top byte
    bool hard;          // whole pixels only (a frame drawn while something is dragged)
};

// The line from (x1, y1) to (x2, y2), in device pixels, `width` wide, for an image of
// imageWidth x imageHeight; false when it misses the image.
bool MakeSmoothLine(double x1, double y1, double x2, double y2, double width, int imageWidth,
                    int imageHeight, uint32_t colour, bool hard, SmoothLine &l);
// Sets the line's pixels in the rows from rowFirst to rowLast of an image of 32-bit pixels,
// `stride` pixels a row.
void RasterSmoothLine(const SmoothLine &l, uint32_t *bits, ptrdiff_t stride, int imageWidth,
                      int rowFirst, int rowLast);

} // namespace varelo
