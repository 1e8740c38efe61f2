#include "core/MarkerSet.h"

#include "core/Fields.h"

#include "core/NumRules.h"
#include "core/Scene.h"

#include <algorithm>
#include <cmath>

namespace varelo {

namespace {
// Marker positions are 16-bit integers; far out of a zoomed-out view they would not fit,
// so they are kept at the edge of the range.
int16_t toInt16(double v) { return static_cast<int16_t>(std::clamp(CInt(v), -32768, 32767)); }
} // namespace

float LookDirection(float eyeX, float eyeY, float targetX, float targetY, float &dirX, float &dirY) {
    const float dx = targetX - eyeX, dy = targetY - eyeY;
    const float dist = std::sqrt(dy * dy + dx * dx);
    if (dist > 0) {
        dirX = dx / dist;
        dirY = dy / dist;
    } else {
        dirX = -1;
        dirY = 0;
    }
    return dist;
}

void DrawPointSymbol(Surface &s, int width) {
    s.SetDrawWidth(width);
    s.PSet(0, 0, kBlack);
}

void DrawEyeSymbol(Surface &s, double radius, int width) {
    s.SetDrawWidth(width);
    s.Circle(0, 0, radius, kBlack);
    s.SetDrawWidth(10);
    s.PSet(-30, 0, kBlack);
}

void DrawRasterSymbol(Surface &s) {
    static const int steps[] = {-99, -74, -49, -24, 1, 26, 51, 76};
    s.SetDrawWidth(1);
    for (int x : steps)
        for (int y : steps)
            s.PSet(x, y, kBlack);
}

void DrawLineSymbol(Surface &s) {
    s.SetDrawWidth(2);
    s.Line(0, 100, 0, -100, kBlack);
}

void MarkerSet::resetScreenLine(double rightEdge) { screenLineX = toInt16(rightEdge); }

void MarkerSet::clearPointsAndEyes() {
    pointCount = 0;
    eyeCount = 0;
}

bool MarkerSet::addPointPair(float objX, float objY, float x, float y) {
    if (pointsFull())
        return false;
    ++pointCount;
    pointX[pointCount] = toInt16(objX);
    pointY[pointCount] = toInt16(objY);
    ++pointCount;
    pointX[pointCount] = toInt16(x);
    pointY[pointCount] = toInt16(y);
    return true;
}

bool MarkerSet::addEye(float x, float y) {
    if (eyesFull())
        return false;
    ++eyeCount;
    eyeX[eyeCount] = toInt16(x);
    eyeY[eyeCount] = toInt16(y);
    // Before any point is marked the eye looks at entry 0, the origin.
    eyeDist[eyeCount] = LookDirection(x, y, pointX[pointCount], pointY[pointCount], eyeDirX[eyeCount],
                                      eyeDirY[eyeCount]);
    return true;
}

void MarkerSet::setScreenLine(double x) { screenLineX = toInt16(x); }

void MarkerSet::computeRasterSteps(double scaleWidth, double scaleHeight) {
    rasterStepX = toInt16(scaleWidth / 40);
    rasterStepY = toInt16(scaleHeight / 20);
}

void MarkerSet::snapToRaster(float x, float y, float &sx, float &sy) const {
    sx = Int(x / rasterStepX + 0.5f) * rasterStepX;
    sy = Int(y / rasterStepY + 0.5f) * rasterStepY;
}

void MarkerSet::drawEye(Surface &s, const Styles &st, float zoomFactor, float x, float y, float dirX,
                        float dirY) const {
    s.Circle(x, y, 80, st.use(s, kEyeCircle));
    s.SetDrawWidth(CInt(st[kPupil].width * zoomFactor));
    s.PSet(x + 50 * dirX, y + 50 * dirY, st[kPupil].color);
}

void MarkerSet::drawMarks(Surface &s, const Styles &st, float zoomFactor) const {
    const Rgb dot = st.use(s, kMarkDot);
    for (int i = 1; i <= pointCount; ++i)
        s.PSet(pointX[i], pointY[i], dot);
    for (int i = 1; i <= eyeCount; ++i)
        drawEye(s, st, zoomFactor, eyeX[i], eyeY[i], eyeDirX[i], eyeDirY[i]);
    const Rgb line = st.use(s, kScreenLine);
    s.Line(screenLineX, s.ScaleTop(), screenLineX, s.ScaleTop() + s.ScaleHeight(), line);
    s.SetDrawWidth(1);
}

void MarkerSet::drawPending(Surface &s, const Styles &st, float zoomFactor) const {
    if (pending == Pending::Point) {
        s.PSet(pendingX, pendingY, st.use(s, kMarkDot));
    } else if (pending == Pending::Eye) {
        drawEye(s, st, zoomFactor, pendingX, pendingY, -1, 0);
    }
    s.SetDrawWidth(1);
}

void MarkerSet::drawRaster(Surface &s, const Styles &st) const {
    const int16_t stepX = toInt16(s.ScaleWidth() / 40), stepY = toInt16(s.ScaleHeight() / 20);
    if (rasterOn != 1 || stepX <= 0 || stepY <= 0)
        return;
    const Rgb c = st.use(s, kRasterDot);
    const float left = static_cast<float>(s.ScaleLeft());
    const float right = static_cast<float>(s.ScaleLeft() + s.ScaleWidth() / 2);
    const int top = CInt(s.ScaleTop()), bottom = CInt(s.ScaleTop() + s.ScaleHeight());
    for (float x = left; x <= right; x += stepX)
        for (int y = top; y <= bottom; y += stepY)
            s.PSet(x, y, c);
    s.SetDrawWidth(1);
}

void MarkerSet::visit(FieldVisitor &v) {
    v.enter("markers");
    v.field("pointCount", pointCount, 0, kPointEntries);
    v.field("pointX", pointX + 1, pointCount, -32768, 32767);
    v.field("pointY", pointY + 1, pointCount, -32768, 32767);
    v.field("eyeCount", eyeCount, 0, kEyes);
    v.field("eyeX", eyeX + 1, eyeCount, -32768, 32767);
    v.field("eyeY", eyeY + 1, eyeCount, -32768, 32767);
    v.field("eyeDirX", eyeDirX + 1, eyeCount, -1, 1);
    v.field("eyeDirY", eyeDirY + 1, eyeCount, -1, 1);
    v.field("eyeDist", eyeDist + 1, eyeCount, 0, kCoordinateLimit);
    v.field("screenLineX", screenLineX, -32768, 32767);
    v.field("rasterOn", rasterOn, 0, 1);
    v.field("rasterStepX", rasterStepX, 1, 32767);
    v.field("rasterStepY", rasterStepY, 1, 32767);
    v.leave();
}

} // namespace varelo
