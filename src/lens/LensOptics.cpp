#include "lens/LensOptics.h"

#include "core/NumRules.h"

#include <cmath>

namespace varelo {

namespace {

double sgn(double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

float rimX1(const LensParams &p, double sd) {
    if (p.k1 == 0)
        return 0;
    return static_cast<float>(p.r1 - sgn(p.r1) * std::sqrt(double(p.r1) * p.r1 - sd * sd));
}

float rimX2(const LensParams &p, double sd) {
    if (p.k2 == 0)
        return -p.thickness;
    return static_cast<float>((p.r2 - p.thickness) - sgn(p.r2) * std::sqrt(double(p.r2) * p.r2 - sd * sd));
}

// Solves (x - c)^2 + (m x + b)^2 = r^2 and keeps the root on the surface's side.
LensPoint onSphere(double c, double r, double m, double b, double semiDiameter, bool rightHalf) {
    LensPoint pt;
    const double p = 2 * (m * b - c) / (1 + m * m);
    const double q = (b * b + c * c - r * r) / (1 + m * m);
    const double d = p * p - 4 * q;
    if (!(d >= 0))
        return pt;
    const double x = rightHalf ? (-p + std::sqrt(d)) / 2 : (-p - std::sqrt(d)) / 2;
    pt.met = true;
    pt.x = static_cast<float>(x);
    pt.y = static_cast<float>(m * x + b);
    pt.inside = std::fabs(pt.y) <= semiDiameter;
    return pt;
}

LensPoint onPlane(double xs, double m, double b, double semiDiameter) {
    LensPoint pt;
    pt.met = true;
    pt.x = static_cast<float>(xs);
    pt.y = static_cast<float>(m * xs + b);
    pt.inside = std::fabs(pt.y) <= semiDiameter;
    return pt;
}

// Slope of the normal at a point of R2 (left) or R1 (right).
double normalSlopeLeft(const LensParams &p, const LensPoint &q) {
    return p.k2 == 0 ? 0.0 : q.y / (double(q.x) - (p.r2 - p.thickness));
}
double normalSlopeRight(const LensParams &p, const LensPoint &q) {
    return p.k1 == 0 ? 0.0 : q.y / (double(q.x) - p.r1);
}

LensSegment normalAt(bool curved, double cx, double planeX, const LensPoint &q) {
    if (!curved)
        return {static_cast<float>(planeX - 100), q.y, static_cast<float>(planeX + 100), q.y};
    const double dx = q.x - cx, dy = q.y;
    const double t = 100 / std::sqrt(dx * dx + dy * dy);
    return {static_cast<float>(q.x + t * dx), static_cast<float>(q.y + t * dy), static_cast<float>(q.x - t * dx),
            static_cast<float>(q.y - t * dy)};
}

// The slope of the line of angle atan(sN) + e, from the slope sN and tan e.
double turned(double sN, double tanE) { return (sN + tanE) / (1 - sN * tanE); }

double asinBySlope(double s) { return std::atan(s / std::sqrt(1 - s * s)); }

// The angle between two lines from the difference of their directions, 0 .. pi / 2.
float between(double d) {
    d = std::fabs(std::remainder(d, kPi));
    return static_cast<float>(d);
}

} // namespace

float RimX1(const LensParams &p) { return rimX1(p, p.semiDiameter); }
float RimX2(const LensParams &p) { return rimX2(p, p.semiDiameter); }

void EnforceDiameterLimit(LensParams &p) {
    // A plane surface keeps its last radius; it does not limit the aperture.
    if (p.k1 != 0 && double(p.r1) * p.r1 - double(p.semiDiameter) * p.semiDiameter < 0) {
        p.r1 = Int(p.r1);
        p.semiDiameter = std::fabs(p.r1);
    }
    if (p.k2 != 0 && double(p.r2) * p.r2 - double(p.semiDiameter) * p.semiDiameter < 0) {
        p.r2 = Int(p.r2);
        p.semiDiameter = std::fabs(p.r2);
    }
    float x1 = RimX1(p), x2 = RimX2(p);
    if (x2 > x1) {
        if (p.k1 != 0 && p.k2 != 0) {
            do {
                p.semiDiameter -= 5;
                x1 = RimX1(p);
                x2 = RimX2(p);
            } while (p.semiDiameter > 10 && x1 < x2);
        } else if (p.k2 != 0) {
            do {
                p.semiDiameter -= 5;
                x2 = RimX2(p);
            } while (p.semiDiameter > 10 && x2 > 0);
        } else if (p.k1 != 0) {
            do {
                p.semiDiameter -= 5;
                x1 = RimX1(p);
            } while (p.semiDiameter > 10 && x1 < -p.thickness);
        }
    }
    // The scroll bar's range: the edge may then stay negative, as for any extreme lens.
    if (p.semiDiameter < 10)
        p.semiDiameter = 10;
}

void ComputeArcAngles(const LensParams &p, float &alpha1, float &alpha2) {
    auto angle = [&p](float r) {
        const double q = (double(r) / p.semiDiameter) * (double(r) / p.semiDiameter);
        return q < 1.0000001 ? static_cast<float>(kPi / 2) : static_cast<float>(std::atan(1 / std::sqrt(q - 1)));
    };
    alpha1 = angle(p.r1);
    alpha2 = angle(p.r2);
}

bool ThinLensFocalLength(const LensParams &p, float &f) {
    if (p.refrIndex == 1 || p.k1 == p.k2)
        return false;
    f = static_cast<float>(1 / ((p.refrIndex - 1) * (p.k2 / 12000.0 - p.k1 / 12000.0)));
    return true;
}

bool ThickLensCardinals(const LensParams &p, LensCardinals &c) {
    // The light meets R2 (vertex at -thickness) first, then R1 (vertex at 0); curvatures
    // from the indices, so that a plane surface has none.
    const double n = p.refrIndex, t = p.thickness;
    const double c1 = p.k2 / 12000.0, c2 = p.k1 / 12000.0;
    const double power = (n - 1) * (c1 - c2 + (n - 1) * t * c1 * c2 / n);
    if (!(std::fabs(power) > 1e-12) || n == 1)
        return false;
    c.f = 1 / power;
    c.xH = -t - c.f * (n - 1) * t * c2 / n;
    c.xH2 = -c.f * (n - 1) * t * c1 / n;
    c.xF = c.xH - c.f;
    c.xF2 = c.xH2 + c.f;
    return std::isfinite(c.f) && std::fabs(c.f) < 1e9;
}

bool ParaxialLensImage(const LensParams &p, double x, double y, double &imageX, double &imageY) {
    LensCardinals c;
    if (!ThickLensCardinals(p, c))
        return false;
    const double g = c.xH - x; // the object distance, positive left of H
    if (std::fabs(g - c.f) < 1e-9 * std::max(1.0, std::fabs(c.f)))
        return false;
    imageX = c.xH2 + g * c.f / (g - c.f);
    imageY = y * c.f / (c.f - g);
    return std::isfinite(imageX) && std::isfinite(imageY);
}

LensPoint IntersectLeftSurface(const LensParams &p, double m, double b) {
    if (p.k2 == 0)
        return onPlane(-p.thickness, m, b, p.semiDiameter);
    return onSphere(p.r2 - p.thickness, p.r2, m, b, p.semiDiameter, p.r2 < 0);
}

LensPoint IntersectRightSurface(const LensParams &p, double m, double b) {
    if (p.k1 == 0)
        return onPlane(0, m, b, p.semiDiameter);
    return onSphere(p.r1, p.r1, m, b, p.semiDiameter, p.r1 < 0);
}

bool LensEntryPoint(const LensParams &p, float xP, float yP, float xA, float yA, float &x, float &y) {
    if (xA == xP)
        return false;
    const double m = (double(yP) - yA) / (double(xP) - xA), b = yP - m * xP;
    const LensPoint e = IntersectLeftSurface(p, m, b);
    if (!e.met || !std::isfinite(e.x) || !std::isfinite(e.y))
        return false;
    x = e.x;
    y = e.y;
    return true;
}

LensRay TraceLensRay(const LensParams &p, LensRayKind kind, float xP, float yP, float xA, float yA,
                     float length) {
    LensRay ray;
    if (xA == xP)
        return ray;
    const double L = length, n = p.refrIndex, cL = p.r2 - p.thickness;
    const double m = (double(yP) - yA) / (double(xP) - xA), b = yP - m * xP;
    const LensPoint e = IntersectLeftSurface(p, m, b);
    if (!e.met || !e.inside)
        return ray;
    ray.x[0] = xP;
    ray.y[0] = yP;
    ray.x[1] = e.x;
    ray.y[1] = e.y;
    const double sN = normalSlopeLeft(p, e), thN = std::atan(sN), th = std::atan(m);
    const LensSegment entryNormal = normalAt(p.k2 != 0, cL, -p.thickness, e);

    if (kind == LensRayKind::FrontReflected) {
        const double a = kPi + 2 * thN - th;
        ray.x[2] = static_cast<float>(e.x + L * std::cos(a));
        ray.y[2] = static_cast<float>(e.y + L * std::sin(a));
        ray.pointCount = 3;
        ray.blackPoints = 2;
        ray.extension = {e.x, e.y, static_cast<float>(e.x - L * std::cos(a)), static_cast<float>(e.y - L * std::sin(a))};
        ray.normals[0] = entryNormal;
        ray.normalCount = 1;
        ray.drawn = true;
        return ray;
    }

    // Into the glass through R2.
    const double s1 = std::sin(thN - th) / n;
    if (!(std::fabs(s1) < 1))
        return ray;
    const double m1 = turned(sN, std::tan(-asinBySlope(s1)));
    const double b1 = e.y - m1 * e.x;
    const LensPoint x2 = IntersectRightSurface(p, m1, b1);
    if (!x2.met || !x2.inside)
        return ray;
    ray.x[2] = x2.x;
    ray.y[2] = x2.y;
    const double sN2 = normalSlopeRight(p, x2), thN2 = std::atan(sN2);
    const double eps = thN2 - std::atan(m1);
    const LensSegment exitNormal = normalAt(p.k1 != 0, p.r1, 0, x2);

    // Where the transmitted light enters and whether it leaves at the second surface: its
    // readings, and for the kinds that share its first segments whether it drew them.
    const double sOut = n * std::sin(eps);
    const bool leaves = std::fabs(sOut) < 1;
    ray.incidences[0] = {e.x, e.y, between(thN - th), static_cast<float>(std::fabs(asinBySlope(s1))), false};
    ray.incidences[1] = {x2.x, x2.y, between(eps), leaves ? static_cast<float>(std::fabs(asinBySlope(sOut))) : 0,
                         !leaves};
    ray.incidenceCount = 2;

    if (kind == LensRayKind::Transmitted) {
        const double s = sOut;
        if (!leaves)
            return ray; // totally reflected inside
        const double out = thN2 - asinBySlope(s);
        ray.x[3] = static_cast<float>(x2.x + L * std::cos(out));
        ray.y[3] = static_cast<float>(x2.y + L * std::sin(out));
        ray.pointCount = ray.blackPoints = 4;
        ray.extension = {x2.x, x2.y, static_cast<float>(x2.x - L * std::cos(out)),
                         static_cast<float>(x2.y - L * std::sin(out))};
        ray.normals[0] = entryNormal;
        ray.normals[1] = exitNormal;
        ray.normalCount = 2;
        ray.drawn = true;
        return ray;
    }

    // Reflected inside at R1, back to R2 and out to the left.
    const double m2 = turned(sN2, std::tan(eps));
    const double b2 = x2.y - m2 * x2.x;
    const LensPoint r = IntersectLeftSurface(p, m2, b2);
    if (!r.met || !r.inside)
        return ray;
    const double thN3 = std::atan(normalSlopeLeft(p, r));
    const double s3 = n * std::sin(thN3 - std::atan(m2));
    if (!(std::fabs(s3) < 1))
        return ray;
    const double th3 = thN3 - asinBySlope(s3);
    ray.x[3] = r.x;
    ray.y[3] = r.y;
    ray.x[4] = static_cast<float>(r.x - L * std::cos(th3));
    ray.y[4] = static_cast<float>(r.y - L * std::sin(th3));
    ray.pointCount = 5;
    ray.blackPoints = 3;
    ray.extension = {r.x, r.y, static_cast<float>(r.x + L * std::cos(th3)), static_cast<float>(r.y + L * std::sin(th3))};
    ray.normals[0] = entryNormal;
    ray.normals[1] = exitNormal;
    ray.normals[2] = normalAt(p.k2 != 0, cL, -p.thickness, r);
    ray.normalCount = 3;
    ray.drawn = true;
    return ray;
}

} // namespace varelo
