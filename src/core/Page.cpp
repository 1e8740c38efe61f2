#include "core/Page.h"

#include "core/Surface.h"

namespace varelo {

void ScalePageToView(Surface &s, double pageWidthTwips, double pageHeightTwips, float zoomFactor, double panX,
                     double panY) {
    const double pw = pageWidthTwips / 7, ph = pageHeightTwips / 7;
    s.Scale(-pw / zoomFactor + panX, -ph / zoomFactor + panY, pw / zoomFactor + panX, ph / zoomFactor + panY);
}

void ScalePageToMiddle(Surface &s, double pageWidthTwips, double pageHeightTwips) {
    const double pw = pageWidthTwips, ph = pageHeightTwips;
    s.Scale(-pw / 10, -ph / 10, pw / 10, ph / 10);
}

void PrintLines(Surface &s, double fx, double fy, const std::vector<std::string> &lines) {
    s.SetCurrentY(s.ScaleTop() + fy * s.ScaleHeight());
    for (const std::string &line : lines) {
        s.SetCurrentX(s.ScaleLeft() + fx * s.ScaleWidth());
        s.PrintText(line);
    }
}

void DrawScaleBar(Surface &s, bool heavyTicks) {
    const double L = s.ScaleLeft(), T = s.ScaleTop(), W = s.ScaleWidth(), H = s.ScaleHeight();
    const double x0 = L + 0.53 * W, y0 = T + 0.9 * H;
    s.SetDrawWidth(2);
    s.Line(x0, y0, x0 + 2000, y0, kBlack);
    for (int i = 0; i <= 20; ++i)
        s.Line(x0 + 100 * i, y0 - 20, x0 + 100 * i, y0 + 20, kBlack);
    if (heavyTicks) {
        s.SetDrawWidth(3);
        for (int i = 0; i <= 20; i += 5)
            s.Line(x0 + 100 * i, y0 - 20, x0 + 100 * i, y0 + 20, kBlack);
        s.SetDrawWidth(10);
        for (int i = 0; i <= 20; i += 10)
            s.Line(x0 + 100 * i, y0 - 20, x0 + 100 * i, y0 + 20, kBlack);
        s.SetDrawWidth(1);
    }
    const double labelX = L + (heavyTicks ? 0.535 : 0.53) * W;
    for (int i = 0; i <= 200; i += 50) {
        s.SetCurrentX(labelX + 10 * i - 50);
        s.SetCurrentY(T + 0.91 * H);
        s.PrintText(std::to_string(i));
    }
}

} // namespace varelo
