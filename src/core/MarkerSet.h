#pragma once
// Marked points, eyes that look at the last marked point, one vertical screen line and a
// dot raster over the picture of the mirror and lens windows: the data and its drawing.
// The symbol faces and the rule for where an eye looks are shared with the refraction
// windows' own markers.
#include "core/Scene.h"
#include "core/Surface.h"

#include <cstdint>

namespace varelo {

class FieldVisitor;

// The first kinds of every table that draws markers, and their shared block of styles.
enum MarkerKind { kMarkDot, kEyeCircle, kPupil, kScreenLine, kRasterDot, kMarkerKindCount };
// Marks, eyes and the screen line in black; on paper heavier.
inline constexpr StyleEntry kScreenMarkerStyles[] = {
    {kMarkDot, {kBlack, 5}}, {kEyeCircle, {kBlack, 2}}, {kPupil, {kBlack, 12}},
    {kScreenLine, {kBlack, 2}}, {kRasterDot, {kBlack, 1}},
};
inline constexpr StyleEntry kPrinterMarkerStyles[] = {
    {kMarkDot, {kBlack, 20}}, {kEyeCircle, {kBlack, 5}}, {kPupil, {kBlack, 30}},
    {kScreenLine, {kBlack, 2}}, {kRasterDot, {kBlack, 1}},
};
static_assert(CoversKinds(kScreenMarkerStyles, kMarkDot, kMarkerKindCount) &&
              CoversKinds(kPrinterMarkerStyles, kMarkDot, kMarkerKindCount));

// The unit vector from an eye towards the point it looks at; an eye on its point looks
// to the left. Returns the distance.
float LookDirection(float eyeX, float eyeY, float targetX, float targetY, float &dirX, float &dirY);

// Symbol faces; the caller has set the symbol's scale.
void DrawPointSymbol(Surface &s, int width);
void DrawEyeSymbol(Surface &s, double radius, int width);
void DrawRasterSymbol(Surface &s);
void DrawLineSymbol(Surface &s);

class MarkerSet {
public:
    static constexpr int kPointEntries = 50;
    static constexpr int kEyes = 10;
    enum class Pending { None, Point, Eye };

    // The screen line goes to the right edge of the view.
    void resetScreenLine(double rightEdge);
    void clearPointsAndEyes();
    bool pointsFull() const { return pointCount + 2 > kPointEntries; }
    bool eyesFull() const { return eyeCount >= kEyes; }
    // A point mark stores two entries: the current object point and the mark.
    bool addPointPair(float objX, float objY, float x, float y);
    // The eye looks at the last stored point entry.
    bool addEye(float x, float y);
    void setScreenLine(double x);

    void computeRasterSteps(double scaleWidth, double scaleHeight);
    void snapToRaster(float x, float y, float &sx, float &sy) const;

    // Points, eyes and the screen line; the pupil grows with the zoom.
    void drawMarks(Surface &s, const Styles &st, float zoomFactor) const;
    // The point or eye being placed (it looks left until it is set down).
    void drawPending(Surface &s, const Styles &st, float zoomFactor) const;
    void drawRaster(Surface &s, const Styles &st) const;

    // The marks, eyes, screen line and raster as fields ("markers"); the mark being
    // placed is not part of them.
    void visit(FieldVisitor &v);

    int16_t pointCount = 0;
    int16_t pointX[kPointEntries + 1] = {}, pointY[kPointEntries + 1] = {};
    int16_t eyeCount = 0;
    int16_t eyeX[kEyes + 1] = {}, eyeY[kEyes + 1] = {};
    float eyeDirX[kEyes + 1] = {}, eyeDirY[kEyes + 1] = {}, eyeDist[kEyes + 1] = {};
    int16_t screenLineX = 0;
    int16_t rasterOn = 0;
    int16_t rasterStepX = 100, rasterStepY = 100;
    Pending pending = Pending::None;
    float pendingX = 0, pendingY = 0;

private:
    void drawEye(Surface &s, const Styles &st, float zoomFactor, float x, float y, float dirX,
                 float dirY) const;
};

} // namespace varelo
