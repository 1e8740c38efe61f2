#include "refraction/RefractionOptics.h"

#include "core/NumRules.h"

#include <cmath>
#include <limits>

namespace varelo {

float IndexRatio(float relIndex, float objY) { return objY >= 0 ? relIndex : 1.0f / relIndex; }

MediaIndices IndicesOfMedia(float relIndex) {
    if (relIndex < 1)
        return {NumText(UpperIndex(relIndex)), "1.00", false};
    return {"1.00", NumText(relIndex), true};
}

RefractionTrace TraceRefraction(float objX, float objY, float hitX, float k, float length) {
    RefractionTrace t;
    t.hitX = hitX;
    const float dx = objX - hitX;
    double m;
    if (dx == 0.0f) // perpendicular: the slope is infinite, towards the interface
        m = objY >= 0 ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
    else
        m = double(objY) / dx;
    t.slope = static_cast<float>(m);
    const double atnM = std::atan(m);
    const double alpha = m <= 0 ? kPi / 2 + atnM : kPi / 2 - atnM;
    const double s = k * std::sin(alpha);
    t.alpha = static_cast<float>(alpha);
    t.sinBeta = static_cast<float>(s);
    const double halfTurn = objY >= 0 ? 0 : kPi;
    if (std::fabs(s) <= 1) {
        t.refracted = true;
        const double beta = std::fabs(s) < 1 ? std::atan(s / std::sqrt(1 - s * s)) : (s > 0 ? kPi / 2 : -kPi / 2);
        double phi = m <= 0 ? kPi / 2 - beta : kPi / 2 + beta;
        phi += halfTurn;
        t.beta = static_cast<float>(beta);
        t.phi = static_cast<float>(phi);
        t.refrEndX = static_cast<float>(hitX + length * std::cos(phi));
        t.refrEndY = static_cast<float>(-length * std::sin(phi));
        t.refrBackX = static_cast<float>(hitX - length * std::cos(phi));
        t.refrBackY = static_cast<float>(length * std::sin(phi));
    }
    const double psi = m <= 0 ? alpha - kPi / 2 + halfTurn : -alpha - kPi / 2 + halfTurn;
    t.psi = static_cast<float>(psi);
    t.reflEndX = static_cast<float>(hitX + length * std::cos(psi));
    t.reflEndY = static_cast<float>(-length * std::sin(psi));
    t.reflBackX = static_cast<float>(hitX - length * std::cos(psi));
    t.reflBackY = static_cast<float>(length * std::sin(psi));
    return t;
}

bool PreviewHitPoint(float objX, float objY, float mouseX, float mouseY, float &hitX) {
    if (mouseY == objY || mouseX == objX)
        return false;
    const double m = (double(objY) - mouseY) / (double(objX) - mouseX);
    const double x = objX - objY / m;
    if (!(std::fabs(x) <= 2000))
        return false;
    hitX = static_cast<float>(x);
    return true;
}

} // namespace varelo
