#pragma once
// The drawing operations of a picture, in world coordinates with y growing downward.
// Concrete surfaces (screen image, printer) only rasterise in device pixels; the
// bookkeeping (scale, current point, width, style, colour) and the guard against
// degenerate coordinates live here, once.
#include <cstdint>
#include <string>
#include <vector>

namespace varelo {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb &o) const { return !(*this == o); }
};

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};

enum DrawStyleKind { kSolid = 0, kDotted = 2, kDashDot = 3 };
// Or-ed into a style: the pattern is kept at every width (classic surfaces draw any line
// wider than one pixel solid), for heavier patterned lines on paper.
constexpr int kPatternAtAnyWidth = 0x10;

// One recorded drawing operation, in world coordinates.
struct SurfaceOp {
    enum Kind { Cls, Line, PSet, Circle, Arc, Text, FontSize, EndPage } kind = Cls;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Line: the ends; PSet: x1,y1; Circle: x1,y1, r = x2
    double start = 0, end = 0;             // Arc angles
    Rgb color;
    int width = 1;
    int style = 0;
    std::string text;
};

// Clips the segment from (x1, y1) by (dx, dy) to the box (Liang-Barsky): the visible part
// runs from parameter t0 to t1; false when nothing is visible.
bool ClipSegment(double x1, double y1, double dx, double dy, double minX, double minY, double maxX,
                 double maxY, double &t0, double &t1);

class SurfaceRecorder {
public:
    std::vector<SurfaceOp> ops;
    void clear() { ops.clear(); }
    int count(SurfaceOp::Kind kind) const;
};

class Surface {
public:
    virtual ~Surface();

    void Cls();
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, Rgb color);
    void LineTo(double x2, double y2);
    void LineTo(double x2, double y2, Rgb color);
    void PSet(double x, double y);
    void PSet(double x, double y, Rgb color);
    void Circle(double x, double y, double radius);
    void Circle(double x, double y, double radius, Rgb color);
    void Arc(double x, double y, double radius, Rgb color, double startAngle, double endAngle);

    // Text on a page: a line printed at the current position in the fore colour, which then
    // moves to the start of the next line. Surfaces without text only record it.
    void SetFontSize(double points);
    double FontSize() const { return fontSize_; }
    void PrintText(const std::string &text);
    // The width of a line of text and the height of a line in device pixels (0 on surfaces
    // without text).
    virtual double TextWidth(const std::string &text, double points) {
        (void)text;
        (void)points;
        return 0;
    }
    virtual double TextLineHeight(double points) {
        (void)points;
        return 0;
    }

    void SetDrawWidth(int pixels);
    int DrawWidth() const { return drawWidth_; }
    void SetDrawStyle(int style);
    int DrawStyle() const { return drawStyle_; }
    void SetForeColor(Rgb c) { foreColor_ = c; }
    Rgb ForeColor() const { return foreColor_; }

    void Scale(double x1, double y1, double x2, double y2);
    double ScaleLeft() const { return scaleLeft_; }
    double ScaleTop() const { return scaleTop_; }
    double ScaleWidth() const { return scaleWidth_; }
    double ScaleHeight() const { return scaleHeight_; }
    void SetScaleLeft(double v) { scaleLeft_ = v; }
    void SetScaleTop(double v) { scaleTop_ = v; }
    void SetScaleWidth(double v) { scaleWidth_ = v; }
    void SetScaleHeight(double v) { scaleHeight_ = v; }
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }

    // World <-> device pixels.
    double toDeviceX(double x) const;
    double toDeviceY(double y) const;
    double toWorldX(double px) const;
    double toWorldY(double py) const;
    double toDeviceLength(double worldLength) const;

    virtual int deviceWidth() const = 0;
    virtual int deviceHeight() const = 0;

    void attachRecorder(SurfaceRecorder *recorder) { recorder_ = recorder; }
    // While suspended every drawing operation is dropped (a picture covered by notes).
    void SetSuspended(bool suspended) { suspended_ = suspended; }
    bool Suspended() const { return suspended_; }

protected:
    // Rasterising hooks, in device pixels; coordinates are finite and clipped.
    virtual void paintClear() = 0;
    virtual void paintLine(double x1, double y1, double x2, double y2, Rgb c, int width,
                           int style) = 0;
    virtual void paintDot(double x, double y, Rgb c, int diameter) = 0;
    virtual void paintEllipse(double cx, double cy, double rx, double ry, Rgb c, int width,
                              int style, double startDeg, double spanDeg) = 0;
    // Draws a line of text with its top-left corner at device (x, y); returns the height of
    // a line in device pixels.
    virtual double paintText(double x, double y, const std::string &text, double points, Rgb c);
    void record(const SurfaceOp &op);
    // A drawn shape for the recorder, with the present width.
    void recordShape(SurfaceOp::Kind kind, double x1, double y1, double x2, double y2, Rgb color, int style,
                     double start = 0, double end = 0);
    int effectiveStyle() const {
        return drawWidth_ == 1 || (drawStyle_ & kPatternAtAnyWidth) ? drawStyle_ & ~kPatternAtAnyWidth : kSolid;
    }

private:
    void lineImpl(double x1, double y1, double x2, double y2, Rgb color);
    void circleImpl(double x, double y, double r, Rgb color, bool arc, double a0, double a1);

    double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 1, scaleHeight_ = 1;
    double currentX_ = 0, currentY_ = 0;
    int drawWidth_ = 1;
    int drawStyle_ = 0;
    double fontSize_ = 12;
    Rgb foreColor_ = kBlack;
    SurfaceRecorder *recorder_ = nullptr;
    bool suspended_ = false;
};

} // namespace varelo
