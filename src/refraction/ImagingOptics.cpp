#include "refraction/ImagingOptics.h"

#include "core/NumRules.h"

#include <cmath>

namespace varelo {

RefractedRay RefractUpwards(float px, float py, float x, float n, bool strict) {
    RefractedRay r;
    double alpha = 0;
    bool rightOfP = true; // m <= 0
    if (x != px) {
        const double m = double(py) / (double(px) - x);
        alpha = m <= 0 ? kPi / 2 + std::atan(m) : kPi / 2 - std::atan(m);
        rightOfP = m <= 0;
    }
    const double s = n * std::sin(alpha);
    if (strict ? !(std::fabs(s) < 1) : !(std::fabs(s) <= 1))
        return r;
    const double beta = std::fabs(s) < 1 ? std::atan(s / std::sqrt(1 - s * s)) : kPi / 2;
    const double phi = rightOfP ? kPi / 2 - beta : kPi / 2 + beta;
    r.refracted = true;
    r.phi = static_cast<float>(phi);
    r.endX = static_cast<float>(x + 2000 * std::cos(phi));
    r.endY = static_cast<float>(-2000 * std::sin(phi));
    r.backX = static_cast<float>(x - 2000 * std::cos(phi));
    r.backY = static_cast<float>(2000 * std::sin(phi));
    return r;
}

float FindEyeRay(float px, float py, float eyeX, float eyeY, float n) {
    double start = -1000, end = 1000, step = 200;
    if (n > 1) {
        const double r = std::sqrt(double(n) * n - 1);
        start = px - py / r;
        end = px + py / r;
        step = (2 * py / r) / 10;
    }
    // One pass: from x while the eye lies on the advancing side of the refracted ray. The
    // steps are counted from the start, so that a step too small for x to change (a point
    // just under the interface) still ends the pass.
    auto pass = [&](double from, double dx) {
        double x = from;
        for (long i = 1; x <= end && i <= 1000000; ++i) {
            const double alpha = std::atan(std::fabs((double(px) - x) / py));
            const double s = n * std::sin(alpha);
            if (!(std::fabs(s) < 1))
                break;
            const double beta = std::atan(s / std::sqrt(1 - s * s));
            const double side = x <= px ? std::cos(beta) * (eyeX - x) - eyeY * std::sin(beta)
                                        : std::cos(beta) * (eyeX - x) + eyeY * std::sin(beta);
            if (!(side > 0))
                break;
            x = from + i * dx;
        }
        return x;
    };
    double x = pass(start + 0.001, step);
    for (int i = 2; i <= 4; ++i) {
        x = pass(x - step, step / 10);
        step /= 10;
    }
    return static_cast<float>(x - step);
}

bool ImagePoint(float px, float py, float hitX, float n, float &x, float &y) {
    const float x1 = hitX + py / 100, x2 = hitX;
    const RefractedRay r1 = RefractUpwards(px, py, x1, n, false), r2 = RefractUpwards(px, py, x2, n, false);
    if (!r1.refracted || !r2.refracted)
        return false;
    const double c1 = std::cos(r1.phi), s1 = std::sin(r1.phi), c2 = std::cos(r2.phi), s2 = std::sin(r2.phi);
    const double d = s2 * c1 - c2 * s1;
    if (!(std::fabs(d) > 1e-12))
        return false; // parallel: no image point
    const double t = (x2 - x1) * s2 / d;
    x = static_cast<float>(x1 + t * c1);
    y = static_cast<float>(-t * s1);
    return std::isfinite(x) && std::isfinite(y);
}

float SnapToRaster(float v) { return Int(v / 50 + 0.5f) * 50; }

} // namespace varelo
