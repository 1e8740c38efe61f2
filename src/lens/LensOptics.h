#pragma once
// A thick lens of two spherical or plane surfaces and the tracing of rays through it.
// The right surface R1 has its vertex at x = 0, the left surface R2 at x = -thickness; a
// radius is positive when its centre lies right of its vertex. Light comes from the left.
#include <cstdint>

namespace varelo {

struct LensParams {
    int16_t k1 = -12; // curvature index of R1 (right), 0 plane; r1 = 12000 / k1
    int16_t k2 = 12;  // curvature index of R2 (left)
    float r1 = -1000, r2 = 1000;
    float thickness = 300;
    float semiDiameter = 500;
    float refrIndex = 1.6f;
};

// x of the rim points of R1 and R2 at the height semiDiameter.
float RimX1(const LensParams &p);
float RimX2(const LensParams &p);
// Keeps the aperture inside both spheres and the surfaces from crossing inside it: a
// radius smaller than the aperture takes the aperture down to it (the radius rounded
// down first), crossing surfaces shrink it in steps of 5. The aperture never ends below 10.
void EnforceDiameterLimit(LensParams &p);
// Half the opening angles of the two arcs.
void ComputeArcAngles(const LensParams &p, float &alpha1, float &alpha2);
// The lensmaker's focal length, 1/f = (n - 1)(1/r2 - 1/r1); false for n = 1 or k1 = k2.
bool ThinLensFocalLength(const LensParams &p, float &f);

// The thick lens's paraxial cardinal points: its focal length and, on the axis, the
// principal planes H (object side) and H' and the focal points F and F'. False for an
// afocal lens (no finite focal length) and for n = 1.
struct LensCardinals {
    double f = 0, xH = 0, xH2 = 0, xF = 0, xF2 = 0;
};
bool ThickLensCardinals(const LensParams &p, LensCardinals &c);
// Where the imaging equation puts the image of (x, y): false when it has none (the object
// in the focal plane) or the lens has no focal points.
bool ParaxialLensImage(const LensParams &p, double x, double y, double &imageX, double &imageY);

struct LensPoint {
    bool met = false;    // the line meets the surface's sphere or plane
    bool inside = false; // ... within the aperture (|y| <= semiDiameter, inclusive)
    float x = 0, y = 0;
};
LensPoint IntersectLeftSurface(const LensParams &p, double m, double b);
LensPoint IntersectRightSurface(const LensParams &p, double m, double b);

enum class LensRayKind { Transmitted, FrontReflected, BackReflected };

struct LensSegment {
    float x1, y1, x2, y2;
};

// A point of incidence of the transmitted ray with its angles against the normal, in
// radians: incidence and refraction, or `total` when the light cannot leave the glass there.
struct LensIncidence {
    float x = 0, y = 0;
    float alpha = 0, beta = 0;
    bool total = false;
};

// One traced ray: the path from P through its points, of which the first blackPoints are
// drawn black and the rest in the kind's colour; the backward extension; the normals at
// its points of incidence.
struct LensRay {
    bool drawn = false;
    int pointCount = 0, blackPoints = 0;
    float x[5] = {}, y[5] = {};
    LensSegment extension{};
    int normalCount = 0;
    LensSegment normals[3] = {};
    // The points of incidence of the transmitted light, traced by the kinds that go into
    // the glass: both surfaces, also when the light is totally reflected at the second one
    // (the transmitted ray is then not drawn).
    int incidenceCount = 0;
    LensIncidence incidences[2] = {};
};

// Traces the line from P through the aim point A, followed to the right, as one kind of
// ray; free segments are `length` long. Not drawn when it misses or is blocked by the
// mount, or when it cannot leave the glass.
LensRay TraceLensRay(const LensParams &p, LensRayKind kind, float xP, float yP, float xA, float yA,
                     float length);

// Where the line from P through A meets the left surface (inside the aperture or beyond
// the rim): what a released ray stores. False for a vertical aim or a miss.
bool LensEntryPoint(const LensParams &p, float xP, float yP, float xA, float yA, float &x, float &y);

} // namespace varelo
