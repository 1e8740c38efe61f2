#include "core/AngleGraph.h"

#include "core/NumRules.h"
#include "core/Scene.h"

#include <cmath>

namespace varelo {

namespace {
constexpr double kDeg = kPi / 180;
} // namespace

AngleGraphWidths GraphWidths(const Styles &st, int firstKind) {
    AngleGraphWidths w;
    w.axis = st[firstKind].width;
    w.curve = st[firstKind + 1].width;
    w.tick5 = st[firstKind + 2].width;
    w.tick10 = st[firstKind + 3].width;
    w.tick30 = st[firstKind + 4].width;
    w.smallAngle = st[firstKind + 5].width;
    return w;
}

AngleGraphWidths Doubled(AngleGraphWidths w) {
    for (int *width : {&w.axis, &w.curve, &w.tick5, &w.tick10, &w.tick30, &w.smallAngle})
        *width *= 2;
    return w;
}

bool RefractionAngleDeg(float a, float relIndex, float &beta) {
    const double s = std::sin(a * kDeg) / relIndex;
    if (s >= 1)
        return false;
    beta = static_cast<float>(std::atan(s / std::sqrt(1 - s * s)) / kDeg);
    return true;
}

bool IncidenceAngleDeg(float b, float relIndex, float &alpha) {
    const double s = relIndex * std::sin(b * kDeg);
    if (s >= 1)
        return false;
    alpha = static_cast<float>(std::atan(s / std::sqrt(1 - s * s)) / kDeg);
    return true;
}


namespace {
void drawTicks(Surface &s, const AngleGraphWidths &w, double x0, double dx, double y0, double dy,
               double ax, double ay, double bx, double by) {
    for (int t = 0; t <= 90; t += 5) {
        s.SetDrawWidth(t % 30 == 0 ? w.tick30 : t % 10 == 0 ? w.tick10 : w.tick5);
        s.PSet(x0 + dx * t + ax, y0 + ay, kBlack);
        s.PSet(x0 + bx, y0 + dy * t + by, kBlack);
    }
}

void drawGraphLines(Surface &s, float n, const AngleGraphWidths &w) {
    s.SetDrawWidth(w.axis);
    s.Line(0, 0, 92, 0, kBlack);
    s.Line(0, 0, 0, 92, kBlack);
    s.SetDrawWidth(w.curve);
    float beta = 0;
    for (int i = 0; i <= 180; ++i)
        if (RefractionAngleDeg(i * 0.5f, n, beta))
            s.PSet(i * 0.5f, beta, kBlack);
    drawTicks(s, w, 0, 1, 0, 1, 0, -2, -2, 0);
    s.SetDrawWidth(w.smallAngle);
    for (int a = 0; a <= 90; ++a)
        s.PSet(a, a / n, kBlack);
}
} // namespace

void SetAngleGraphScale(Surface &s) { s.Scale(-10, 100, 100, -10); }

void DrawAngleGraphFace(Surface &s, float n) {
    SetAngleGraphScale(s);
    s.SetDrawWidth(2);
    s.Line(0, 0, 92, 0, kBlack);
    s.Line(0, 0, 0, 92, kBlack);
    s.SetDrawWidth(1);
    float beta = 0;
    for (int i = 0; i <= 180; ++i)
        if (RefractionAngleDeg(i * 0.5f, n, beta))
            s.PSet(i * 0.5f, beta, kBlack);
    for (int a = 0; a <= 90; ++a)
        s.PSet(a, a / n, kBlack);
}

void DrawAngleGraph(Surface &s, float n, const AngleGraphWidths &w) {
    s.Cls();
    SetAngleGraphScale(s);
    drawGraphLines(s, n, w);
}

void DrawAngleGraphInBox(Surface &s, float n, const AngleGraphWidths &w, double left, double top, double width,
                         double height) {
    if (!(width > 0 && height > 0))
        return;
    const double L = s.ScaleLeft(), T = s.ScaleTop(), W = s.ScaleWidth(), H = s.ScaleHeight();
    // Graph x = -10 + (x - left) 110 / width; graph y = 100 - (y - top) 110 / height.
    const double ax = 110 / width, ay = -110 / height;
    s.SetScaleLeft(ax * L - 10 - left * ax);
    s.SetScaleWidth(ax * W);
    s.SetScaleTop(ay * T + 100 - top * ay);
    s.SetScaleHeight(ay * H);
    drawGraphLines(s, n, w);
    s.SetScaleLeft(L);
    s.SetScaleTop(T);
    s.SetScaleWidth(W);
    s.SetScaleHeight(H);
}

void DrawAngleReading(Surface &s, float n, float x, float y) {
    float angle = 0;
    if (x <= 90 && x > y && RefractionAngleDeg(x, n, angle)) {
        s.Line(x, 0, x, angle, kBlack);
        s.LineTo(0, angle, kBlack);
        y = angle;
    }
    if (y < 90 && y >= x && IncidenceAngleDeg(y, n, angle)) {
        s.Line(angle, 0, angle, y, kBlack);
        s.LineTo(0, y, kBlack);
    }
}

void DrawAngleGraphInPicture(Surface &s, float n, const AngleGraphWidths &w) {
    const double left = s.ScaleLeft(), top = s.ScaleTop(), width = s.ScaleWidth(), height = s.ScaleHeight();
    s.Scale(-900, -1100, 900, 1100);
    s.SetDrawWidth(w.axis);
    s.Line(400, -200, 400, -900, kBlack);
    s.Line(400, -200, 900, -200, kBlack);
    drawTicks(s, w, 400, 5, -200, -7, 0, 10, -10, 0);
    s.SetDrawWidth(w.curve);
    float beta = 0;
    for (int i = 0; i <= 450; ++i)
        if (RefractionAngleDeg(i * 0.2f, n, beta))
            s.PSet(400 + 5 * (i * 0.2f), -200 - 7 * beta, kBlack);
    s.SetDrawWidth(w.smallAngle);
    for (int i = 0; i <= 180; ++i)
        s.PSet(400 + 5 * (i * 0.5f), -200 - 7 * (i * 0.5f / n), kBlack);
    // The grid stays one pixel wide: dotted lines exist only at that width.
    s.SetDrawWidth(1);
    s.SetDrawStyle(kDotted);
    for (int t = 0; t <= 90; t += 10) {
        s.Line(400 + 5 * t, -200, 400 + 5 * t, -900, kBlack);
        s.Line(400, -200 - 7 * t, 900, -200 - 7 * t, kBlack);
    }
    s.SetDrawStyle(kSolid);
    // The exact scale comes back (not rounded), so that nothing shifts afterwards.
    s.SetScaleLeft(left);
    s.SetScaleTop(top);
    s.SetScaleWidth(width);
    s.SetScaleHeight(height);
}

} // namespace varelo
