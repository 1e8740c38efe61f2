#include "core/Aids.h"

#include "core/NumRules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace varelo {

namespace {
constexpr double kWing = 25 * kPi / 180;
// A free end's arrow sits this many arrow lengths from its start.
constexpr double kFreeEndOffset = 4;

// Where on the segment the tip sits (0 at its start, 1 at its end), from the segment in
// device pixels; -1 when no part of it is in the picture. The part in the picture stands for
// the segment, so that a ray from a point outside still shows its way.
double tipParameter(const Surface &s, const Style &st, double px1, double py1, double dx, double dy, bool finite) {
    const double length = std::hypot(dx, dy);
    double t0 = 0, t1 = 1;
    if (!(length > 0) || !ClipSegment(px1, py1, dx, dy, 0, 0, s.deviceWidth(), s.deviceHeight(), t0, t1))
        return -1;
    if (finite)
        return (t0 + t1) / 2;
    // A free end: a few arrow lengths from where it starts to show (never past the middle).
    const double visible = (t1 - t0) * length;
    return t0 + std::min(0.5, (kFreeEndOffset + 1) * st.size / visible) * (t1 - t0);
}
} // namespace

void ArrowTip(const Surface &s, const Style &st, double x1, double y1, double x2, double y2, bool finite,
              double &tipX, double &tipY) {
    const double px1 = s.toDeviceX(x1), py1 = s.toDeviceY(y1);
    const double t = std::max(0.0, tipParameter(s, st, px1, py1, s.toDeviceX(x2) - px1, s.toDeviceY(y2) - py1, finite));
    tipX = x1 + t * (x2 - x1);
    tipY = y1 + t * (y2 - y1);
}

void DrawArrowHead(Surface &s, const Style &st, Rgb colour, double x1, double y1, double x2, double y2,
                   bool finite) {
    // In device pixels, so that the head keeps its shape on any scale.
    const double px1 = s.toDeviceX(x1), py1 = s.toDeviceY(y1);
    const double dx = s.toDeviceX(x2) - px1, dy = s.toDeviceY(y2) - py1;
    const double length = std::hypot(dx, dy);
    if (!(length > 0) || st.size <= 0)
        return;
    const double t = tipParameter(s, st, px1, py1, dx, dy, finite);
    if (t < 0)
        return; // nothing of it in the picture (many, in a zoomed picture)
    const double tipX = x1 + t * (x2 - x1), tipY = y1 + t * (y2 - y1);
    const double px = px1 + t * dx, py = py1 + t * dy;
    // The wings: the way back, turned by the wing angle either side (thousands of heads in
    // a full lens picture, so no trigonometry per head).
    const double bx = -dx / length * st.size, by = -dy / length * st.size;
    static const double c = std::cos(kWing), sn = std::sin(kWing);
    const int width = s.DrawWidth(), style = s.DrawStyle();
    s.SetDrawWidth(st.width);
    s.SetDrawStyle(kSolid);
    for (double side : {-1.0, 1.0}) {
        const double wx = bx * c - side * by * sn, wy = by * c + side * bx * sn;
        s.Line(tipX, tipY, s.toWorldX(px + wx), s.toWorldY(py + wy), colour);
    }
    s.SetDrawWidth(width);
    s.SetDrawStyle(style);
}

double DrawLabel(Surface &s, double x, double y, double dx, double dy, const std::string &text, double points,
                 Rgb colour) {
    const double fontSize = s.FontSize();
    const Rgb fore = s.ForeColor();
    s.SetFontSize(points);
    s.SetForeColor(colour);
    s.SetCurrentX(s.toWorldX(s.toDeviceX(x) + dx));
    const double top = s.toDeviceY(y) + dy;
    s.SetCurrentY(s.toWorldY(top));
    s.PrintText(text);
    const double height = s.toDeviceY(s.CurrentY()) - top;
    s.SetFontSize(fontSize);
    s.SetForeColor(fore);
    return std::isfinite(height) ? std::max(0.0, height) : 0;
}

void DrawAxisMark(Surface &s, const Style &st, double x, const std::string &label, const std::string &note,
                  int row) {
    const double px = s.toDeviceX(x), py = s.toDeviceY(0);
    if (!(std::fabs(px) < 1e6) || !(std::fabs(py) < 1e6))
        return;
    const int width = s.DrawWidth();
    s.SetDrawWidth(st.width);
    s.SetDrawStyle(kSolid);
    s.Line(x, s.toWorldY(py - st.size), x, s.toWorldY(py + st.size), st.color);
    s.SetDrawWidth(width);
    const double gap = st.size / 2;
    const double height =
        DrawLabel(s, x, 0, gap, st.size + gap + row * s.TextLineHeight(st.points), label, st.points, st.color);
    if (!note.empty())
        DrawLabel(s, x, 0, gap, st.size + gap + height, note, st.points, st.color);
}

void DrawParaxialImage(Surface &s, const Style &st, double x, double y) {
    const double perPixel = 1 / s.toDeviceLength(1);
    if (!(std::fabs(s.toDeviceX(x)) < 1e6) || !(std::fabs(s.toDeviceY(y)) < 1e6) || !std::isfinite(perPixel))
        return;
    const int width = s.DrawWidth();
    s.SetDrawWidth(st.width);
    s.SetDrawStyle(kSolid);
    s.Circle(x, y, st.size * perPixel, st.color);
    s.SetDrawWidth(width);
}

void DrawLabelLines(Surface &s, double x, double y, double dx, double dy, const std::vector<std::string> &lines,
                    double points, Rgb colour, double clearRight) {
    const double fontSize = s.FontSize();
    const Rgb fore = s.ForeColor();
    s.SetFontSize(points);
    s.SetForeColor(colour);
    double width = 0;
    for (const std::string &line : lines)
        width = std::max(width, s.TextWidth(line, points));
    const double lineHeight = s.TextLineHeight(points), height = lineHeight * lines.size();
    const double left = s.toDeviceX(x) + dx;
    if (left + width > s.deviceWidth() - clearRight)
        dx = -std::fabs(dx) - width;
    else if (left < 0)
        dx = std::max(2.0, -dx - width);
    // The windows write a line of help at the picture's top and bottom: keep clear of both.
    const double top = s.toDeviceY(y) + dy, margin = 3 * lineHeight;
    if (top + height > s.deviceHeight() - margin)
        dy = -dy - height;
    else if (top < margin)
        dy = std::max(2.0, -dy - height);
    // A point near an edge: the block slides along it to stay whole.
    const double py = s.toDeviceY(y), px = s.toDeviceX(x);
    if (height > 0 && s.deviceHeight() > 2 * margin + height)
        dy = std::clamp(py + dy, margin, s.deviceHeight() - margin - height) - py;
    if (width > 0 && s.deviceWidth() - clearRight > width)
        dx = std::clamp(px + dx, 0.0, s.deviceWidth() - clearRight - width) - px;
    s.SetCurrentY(s.toWorldY(s.toDeviceY(y) + dy));
    for (const std::string &line : lines) {
        // Printing returns to the left edge: every line starts at the label's x again.
        s.SetCurrentX(s.toWorldX(s.toDeviceX(x) + dx));
        s.PrintText(line);
    }
    s.SetFontSize(fontSize);
    s.SetForeColor(fore);
}

std::string AngleReading(const char *symbol, double degrees) {
    char number[32];
    std::snprintf(number, sizeof number, "%.1f", degrees);
    std::string text = number;
    for (char &c : text)
        if (c == '.')
            c = DecimalSeparator();
    return std::string(symbol) + " = " + text + "\u00b0";
}

std::vector<std::string> IncidenceReadings(double alphaDegrees, double betaDegrees, bool total) {
    return {AngleReading("\u03b1", alphaDegrees),
            total ? PictureWords()(kTotalReflectionWord) : AngleReading("\u03b2", betaDegrees)};
}

TextTable &PictureWords() {
    static TextTable words;
    return words;
}

const char *const kTotalReflectionWord = QT_TRANSLATE_NOOP("varelo::PictureWords", "Totalreflexion");

Rgb BundleColour(int k) {
    // Okabe and Ito's colours without black and yellow, then darker kin of four of them.
    // The first bundles take the ones furthest from the pictures' own red normals and the
    // lens's green and blue reflections.
    static constexpr Rgb kColours[kBundleColours] = {
        {204, 121, 167}, // reddish purple
        {230, 159, 0},   // orange
        {0, 114, 178},   // blue
        {213, 94, 0},    // vermilion
        {0, 158, 115},   // bluish green
        {86, 180, 233},  // sky blue
        {120, 50, 100},  // dark purple
        {140, 50, 0},    // dark vermilion
        {0, 60, 110},    // dark blue
        {0, 95, 70},     // dark green
    };
    return kColours[((k % kBundleColours) + kBundleColours) % kBundleColours];
}

} // namespace varelo
