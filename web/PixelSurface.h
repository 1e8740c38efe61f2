#pragma once
// The browser's picture: the surface's operations set as pixels into a buffer the page puts
// onto its canvas in one piece. Thin lines are stepped pixel by pixel with the desktop
// picture's patterns (dotted 1 on 2 off, dash-dot 4 on 2 off 1 on 2 off), so the picture looks
// as the desktop's; text is left to the page, which draws the recorded text operations.
#include "core/Surface.h"

#include <cstdint>
#include <vector>

namespace varelo {

class PixelSurface : public Surface {
public:
    // A white picture of w x h pixels.
    void resize(int w, int h);
    int deviceWidth() const override { return width_; }
    int deviceHeight() const override { return height_; }
    // Four bytes a pixel, red, green, blue and alpha, row by row.
    const uint8_t *pixels() const { return reinterpret_cast<const uint8_t *>(pixels_.data()); }
    // Solid lines antialiased (the presentation look), as the desktop's screen sets them.
    bool smooth = false;
    // While the hand moves something (a slider held, the object point dragged): the same
    // lines in whole pixels, drawn faster; the smooth picture follows on release.
    bool quick = false;
    // Device pixels per point of text, as the page sets its fonts.
    double pointPixels = 96.0 / 72;
    // Text measured with the page's font, so that labels keep clear of each other and of the
    // picture's edges as on the desktop.
    double TextWidth(const std::string &text, double points) override;
    double TextLineHeight(double points) override { return points * pointPixels * 1.15; }

protected:
    void paintClear() override;
    void paintLine(double x1, double y1, double x2, double y2, Rgb c, int width,
                   int style) override;
    void paintDot(double x, double y, Rgb c, int diameter) override;
    void paintEllipse(double cx, double cy, double rx, double ry, Rgb c, int width, int style,
                      double startDeg, double spanDeg) override;
    // The page draws the text; here a line only moves the next one down.
    double paintText(double, double, const std::string &, double points, Rgb) override {
        return TextLineHeight(points);
    }

private:
    // A square brush of `width` pixels centred on the pixel (x, y).
    void plot(int x, int y, uint32_t colour, int width);
    int width_ = 0, height_ = 0;
    std::vector<uint32_t> pixels_;
};

} // namespace varelo
