#include "mirror/MirrorOptics.h"

#include <algorithm>
#include <cmath>

namespace varelo {

RayTrace TraceRay(const MirrorParams &mirror, float xP, float yP, float xQ, float yQ,
                  float rayLength) {
    RayTrace t;
    const float dx = xP - xQ;
    if (dx == 0.0f)
        return t; // vertical line: no slope, no hit point
    const double m = (double(yP) - yQ) / dx;
    const double b = yP - m * xP;
    const double r = mirror.mirrorRadius;
    double xS = 0;
    if (mirror.curvature != 0) {
        const double p = 2 * (m * b - r) / (m * m + 1);
        const double q = b * b / (m * m + 1);
        const double d = p * p - 4 * q;
        if (d < 0)
            return t; // the line misses the sphere
        xS = r < 0 ? (-p + std::sqrt(d)) / 2 : (-p - std::sqrt(d)) / 2;
    }
    const double yS = m * xS + b;
    t.hitX = static_cast<float>(xS);
    t.hitY = static_cast<float>(yS);
    if (std::fabs(t.hitY) > mirror.halfAperture) {
        t.outcome = TraceOutcome::OutsideOpening;
        return t;
    }
    const double mN = mirror.curvature != 0 ? yS / (xS - r) : 0.0;
    const double pi = 4 * std::atan(1.0);
    const double theta = std::atan(m);
    const double delta = theta - std::atan(mN);
    const double phi = pi + theta - 2 * delta;
    t.outcome = TraceOutcome::Reflected;
    t.phi = static_cast<float>(phi);
    t.endX = static_cast<float>(xS + rayLength * std::cos(phi));
    t.endY = static_cast<float>(yS + rayLength * std::sin(phi));
    t.backX = static_cast<float>(xS - rayLength * std::cos(phi));
    t.backY = static_cast<float>(yS - rayLength * std::sin(phi));
    return t;
}

float ComputeApertureAngle(float mirrorRadius, float halfAperture, float pi) {
    const double q = double(mirrorRadius) / halfAperture;
    if (q * q >= 1.0000001)
        return static_cast<float>(std::atan(1 / std::sqrt(q * q - 1)));
    return pi / 2;
}

Segment MirrorNormal(const MirrorParams &mirror, float hitX, float hitY) {
    if (mirror.curvature == 0)
        return {-100, hitY, 100, hitY};
    const double r = mirror.mirrorRadius;
    const double d = std::sqrt((hitX - r) * (hitX - r) + double(hitY) * hitY);
    const double t = 100 / d;
    return {static_cast<float>((1 + t) * hitX - t * r), static_cast<float>((1 + t) * hitY),
            static_cast<float>((1 - t) * hitX + t * r), static_cast<float>((1 - t) * hitY)};
}

bool MirrorFocus(const MirrorParams &mirror, double &xF) {
    if (mirror.curvature == 0)
        return false;
    xF = mirror.mirrorRadius / 2.0;
    return true;
}

bool ParaxialMirrorImage(const MirrorParams &mirror, double x, double y, double &imageX, double &imageY) {
    const double g = -x;
    if (!(g != 0))
        return false;
    if (mirror.curvature == 0) {
        imageX = g;
        imageY = y;
        return true;
    }
    // f = -r / 2 with the radius's sign of this program (concave: r < 0, f > 0).
    const double f = -mirror.mirrorRadius / 2.0;
    if (std::fabs(g - f) < 1e-9 * std::max(1.0, std::fabs(f)))
        return false;
    const double b = g * f / (g - f);
    imageX = -b;
    imageY = -y * b / g;
    return std::isfinite(imageX) && std::isfinite(imageY);
}

} // namespace varelo
