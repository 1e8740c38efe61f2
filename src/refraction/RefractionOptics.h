#pragma once
// Refraction and reflection of a ray at the plane interface y = 0 between two media
// (upper medium y < 0, lower medium y >= 0), by Snell's law.

#include <string>

namespace varelo {

// The indices of the two media as the windows show them: the optically thinner medium's is
// 1.00; the other's is n, or for n < 1 the upper medium's 1 / n on two decimals.
struct MediaIndices {
    std::string upper, lower;
    bool upperIsOne = true;
};
MediaIndices IndicesOfMedia(float relIndex);

// k = n when P lies in the lower medium (y >= 0), 1/n when it lies in the upper one.
float IndexRatio(float relIndex, float objY);

struct RefractionTrace {
    float slope = 0;      // m of the incident line (infinite for a perpendicular ray)
    float hitX = 0;       // hit point (hitX, 0)
    float alpha = 0;      // angle of incidence, 0..pi/2
    float sinBeta = 0;    // s = k sin(alpha)
    bool refracted = false; // |s| <= 1; otherwise total internal reflection
    float beta = 0;       // angle of refraction
    float phi = 0;        // direction of the refracted ray
    float psi = 0;        // direction of the reflected ray
    float refrEndX = 0, refrEndY = 0, refrBackX = 0, refrBackY = 0;
    float reflEndX = 0, reflEndY = 0, reflBackX = 0, reflBackY = 0;
};

// Traces the ray from P to its hit point on the interface. Segments reach `length`
// beyond the hit point. A ray perpendicular to the interface goes straight on and is
// reflected back along itself.
RefractionTrace TraceRefraction(float objX, float objY, float hitX, float k, float length = 2000);

// The hit point of the line from P through the mouse position, followed towards the
// interface. Refused (false) when the mouse is level with P or straight above or below
// it, or when the hit point lies farther than 2000 from the centre.
bool PreviewHitPoint(float objX, float objY, float mouseX, float mouseY, float &hitX);


} // namespace varelo
