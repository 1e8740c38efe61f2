#pragma once
// Imaging of an object point in the lower medium (y > 0) by a slender bundle seen by an
// eye in the upper medium: the ray that reaches the eye, found by a stepwise search along
// the interface, and the image point where the backward extensions of two neighbouring
// refracted rays meet. n is the lower medium's index over the upper one's.

namespace varelo {

struct RefractedRay {
    bool refracted = false;
    float phi = 0; // direction of the refracted ray, y upwards
    float endX = 0, endY = 0, backX = 0, backY = 0;
};

// The ray from P = (px, py) to (x, 0) and on into the upper medium, 2000 long each way.
// strict: refracted only while |n sin alpha| < 1 (otherwise <= 1). A hit point straight
// above P goes straight up.
RefractedRay RefractUpwards(float px, float py, float x, float n, bool strict = true);

// The hit point of the ray from P whose refracted continuation passes through the eye:
// four passes of a stepwise search, each a tenth of the step of the one before.
float FindEyeRay(float px, float py, float eyeX, float eyeY, float n);

// The image point of P from the rays at hitX + py / 100 and hitX; false when either is
// not refracted or the two do not meet.
bool ImagePoint(float px, float py, float hitX, float n, float &x, float &y);

// A coordinate snapped to the raster of 50 units.
float SnapToRaster(float v);

} // namespace varelo
