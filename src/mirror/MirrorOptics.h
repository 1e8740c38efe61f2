#pragma once
// Reflection of a ray at a plane or spherical mirror standing upright at the origin.
#include <cstdint>

namespace varelo {

struct MirrorParams {
    int16_t curvature = 0;     // 0 plane, > 0 convex, < 0 concave
    float mirrorRadius = 1200; // signed radius; centre of curvature at (r, 0)
    float halfAperture = 600;  // half the diameter of the opening
};

enum class TraceOutcome { NoHit, OutsideOpening, Reflected };

struct RayTrace {
    TraceOutcome outcome = TraceOutcome::NoHit;
    float hitX = 0, hitY = 0;   // point of incidence S (set unless NoHit)
    float phi = 0;              // direction of the reflected ray (Reflected only)
    float endX = 0, endY = 0;   // end R of the reflected ray
    float backX = 0, backY = 0; // end B of its backward extension
};

// Traces the line through P and Q (as a whole line) to the mirror and reflects it.
// rayLength is the length to which the reflected ray and its extension reach.
RayTrace TraceRay(const MirrorParams &mirror, float xP, float yP, float xQ, float yQ,
                  float rayLength);

// Half the angle the mirror arc subtends at its centre of curvature.
float ComputeApertureAngle(float mirrorRadius, float halfAperture, float pi);

struct Segment {
    float x1, y1, x2, y2;
};

// The normal at the point of incidence S: 200 long and centred on S.
Segment MirrorNormal(const MirrorParams &mirror, float hitX, float hitY);

// The paraxial focus F on the axis, half the radius from the vertex towards the centre;
// false for the plane mirror.
bool MirrorFocus(const MirrorParams &mirror, double &xF);
// Where the imaging equation 1/f = 1/g + 1/b puts the image of (x, y) (a plane mirror's
// image lies behind it); false when there is none (the object in the focal plane).
bool ParaxialMirrorImage(const MirrorParams &mirror, double x, double y, double &imageX, double &imageY);

} // namespace varelo
