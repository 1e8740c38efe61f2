#include "core/Surface.h"

#include <algorithm>
#include <cmath>

namespace varelo {

namespace {
constexpr double kPi = 3.14159265358979323846;

bool finite(double v) { return std::isfinite(v); }

} // namespace

bool ClipSegment(double x1, double y1, double dx, double dy, double minX, double minY, double maxX,
                 double maxY, double &t0, double &t1) {
    t0 = 0;
    t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - minX, maxX - x1, y1 - minY, maxY - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
        } else {
            const double t = q[i] / p[i];
            if (p[i] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
            if (t0 > t1)
                return false;
        }
    }
    return true;
}

int SurfaceRecorder::count(SurfaceOp::Kind kind) const {
    return static_cast<int>(
        std::count_if(ops.begin(), ops.end(), [kind](const SurfaceOp &o) { return o.kind == kind; }));
}

Surface::~Surface() = default;

void Surface::record(const SurfaceOp &op) {
    if (recorder_)
        recorder_->ops.push_back(op);
}

void Surface::recordShape(SurfaceOp::Kind kind, double x1, double y1, double x2, double y2, Rgb color, int style,
                          double start, double end) {
    // Tens of thousands of shapes make a full picture: the operation is built only for a
    // recorder.
    if (!recorder_)
        return;
    SurfaceOp op;
    op.kind = kind;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.start = start;
    op.end = end;
    op.color = color;
    op.width = drawWidth_;
    op.style = style;
    recorder_->ops.push_back(op);
}

double Surface::toDeviceX(double x) const { return (x - scaleLeft_) * deviceWidth() / scaleWidth_; }
double Surface::toDeviceY(double y) const { return (y - scaleTop_) * deviceHeight() / scaleHeight_; }
double Surface::toWorldX(double px) const { return scaleLeft_ + px * scaleWidth_ / deviceWidth(); }
double Surface::toWorldY(double py) const { return scaleTop_ + py * scaleHeight_ / deviceHeight(); }
double Surface::toDeviceLength(double len) const { return len * deviceWidth() / scaleWidth_; }

void Surface::Cls() {
    if (suspended_)
        return;
    currentX_ = currentY_ = 0;
    SurfaceOp op;
    op.kind = SurfaceOp::Cls;
    record(op);
    paintClear();
}

void Surface::Line(double x1, double y1, double x2, double y2) { lineImpl(x1, y1, x2, y2, foreColor_); }
void Surface::Line(double x1, double y1, double x2, double y2, Rgb c) { lineImpl(x1, y1, x2, y2, c); }
void Surface::LineTo(double x2, double y2) { lineImpl(currentX_, currentY_, x2, y2, foreColor_); }
void Surface::LineTo(double x2, double y2, Rgb c) { lineImpl(currentX_, currentY_, x2, y2, c); }

void Surface::lineImpl(double x1, double y1, double x2, double y2, Rgb color) {
    if (suspended_ || !finite(x1) || !finite(y1) || !finite(x2) || !finite(y2))
        return; // a faulting statement is skipped
    currentX_ = x2;
    currentY_ = y2;
    recordShape(SurfaceOp::Line, x1, y1, x2, y2, color, effectiveStyle());
    const double a = toDeviceX(x1), b = toDeviceY(y1), c = toDeviceX(x2), d = toDeviceY(y2);
    if (!finite(a) || !finite(b) || !finite(c) || !finite(d))
        return;
    // A generous box around the device, so that a ray running far out never hands the
    // rasteriser absurd coordinates.
    const double mw = 4.0 * deviceWidth() + 100, mh = 4.0 * deviceHeight() + 100;
    double t0 = 0, t1 = 1;
    const double dx = c - a, dy = d - b;
    if (!ClipSegment(a, b, dx, dy, -mw, -mh, mw, mh, t0, t1))
        return;
    paintLine(a + t0 * dx, b + t0 * dy, a + t1 * dx, b + t1 * dy, color, drawWidth_, effectiveStyle());
}

void Surface::PSet(double x, double y) { PSet(x, y, foreColor_); }
void Surface::PSet(double x, double y, Rgb color) {
    if (suspended_ || !finite(x) || !finite(y))
        return;
    currentX_ = x;
    currentY_ = y;
    recordShape(SurfaceOp::PSet, x, y, 0, 0, color, 0);
    const double px = toDeviceX(x), py = toDeviceY(y);
    if (std::fabs(px) > 1e6 || std::fabs(py) > 1e6)
        return;
    paintDot(px, py, color, drawWidth_);
}

void Surface::Circle(double x, double y, double r) { circleImpl(x, y, r, foreColor_, false, 0, 0); }
void Surface::Circle(double x, double y, double r, Rgb c) { circleImpl(x, y, r, c, false, 0, 0); }
void Surface::Arc(double x, double y, double r, Rgb c, double a0, double a1) {
    circleImpl(x, y, r, c, true, a0, a1);
}

void Surface::circleImpl(double x, double y, double r, Rgb color, bool arc, double a0, double a1) {
    if (suspended_ || !finite(x) || !finite(y) || !finite(r) || !finite(a0) || !finite(a1))
        return;
    currentX_ = x;
    currentY_ = y;
    recordShape(arc ? SurfaceOp::Arc : SurfaceOp::Circle, x, y, r, 0, color, effectiveStyle(), a0, a1);
    // A circle is round on the device, its radius in units of x (as the classic pictures
    // drew it in a box whose scale is not isotropic).
    const double rx = std::fabs(toDeviceLength(r));
    const double ry = rx;
    const double cx = toDeviceX(x), cy = toDeviceY(y);
    if (!finite(rx) || rx > 1e6 || std::fabs(cx) > 1e7 || std::fabs(cy) > 1e7)
        return;
    double startDeg = 0, spanDeg = 360;
    if (arc) {
        double span = a1 - a0;
        if (span <= 0)
            span += 2 * kPi;
        startDeg = a0 * 180 / kPi;
        spanDeg = span * 180 / kPi;
    }
    paintEllipse(cx, cy, rx, ry, color, drawWidth_, effectiveStyle(), startDeg, spanDeg);
}

void Surface::SetDrawWidth(int pixels) { drawWidth_ = std::clamp(pixels, 1, 1000); }
void Surface::SetDrawStyle(int style) { drawStyle_ = style; }

void Surface::SetFontSize(double points) {
    fontSize_ = points;
    SurfaceOp op;
    op.kind = SurfaceOp::FontSize;
    op.x1 = points;
    record(op);
}

void Surface::PrintText(const std::string &text) {
    SurfaceOp op;
    op.kind = SurfaceOp::Text;
    op.x1 = currentX_;
    op.y1 = currentY_;
    op.text = text;
    record(op);
    const double x = toDeviceX(currentX_), y = toDeviceY(currentY_);
    double lineHeight = 0;
    if (!suspended_ && finite(x) && finite(y))
        lineHeight = paintText(x, y, text, fontSize_, foreColor_);
    // Next line: back to the left edge, one line height lower.
    currentX_ = scaleLeft_;
    currentY_ = toWorldY(y + lineHeight);
}

double Surface::paintText(double, double, const std::string &, double, Rgb) { return 0; }

void Surface::Scale(double x1, double y1, double x2, double y2) {
    scaleLeft_ = x1;
    scaleTop_ = y1;
    scaleWidth_ = x2 - x1;
    scaleHeight_ = y2 - y1;
}

} // namespace varelo
