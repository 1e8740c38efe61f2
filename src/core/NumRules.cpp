#include "core/NumRules.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace varelo {

namespace {
char g_decimalSeparator = '.';

// Builds plain (or, for very large or small values, exponent) notation from the
// digits and decimal exponent of a printf %e rendering.
std::string formatDigits(double v, int digits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, v);
    std::string s(buf);
    const bool negative = s[0] == '-';
    if (negative)
        s.erase(0, 1);
    const auto ePos = s.find('e');
    const int exponent = std::atoi(s.c_str() + ePos + 1);
    std::string mantissa;
    for (size_t i = 0; i < ePos; ++i)
        if (s[i] != '.')
            mantissa += s[i];
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out;
    if (exponent >= 15 || exponent < -9) {
        out = mantissa.substr(0, 1);
        if (mantissa.size() > 1)
            out += g_decimalSeparator + mantissa.substr(1);
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += e;
    } else if (exponent < 0) {
        out = std::string("0") + g_decimalSeparator + std::string(-exponent - 1, '0') + mantissa;
    } else if (static_cast<int>(mantissa.size()) <= exponent + 1) {
        out = mantissa + std::string(exponent + 1 - mantissa.size(), '0');
    } else {
        out = mantissa.substr(0, exponent + 1) + g_decimalSeparator + mantissa.substr(exponent + 1);
    }
    return negative ? "-" + out : out;
}

template <typename T> std::string shortestText(T v, int maxDigits) {
    if (std::isnan(v))
        return "NaN";
    if (std::isinf(v))
        return v < 0 ? "-Inf" : "Inf";
    if (v == 0)
        return "0";
    for (int digits = 1; digits < maxDigits; ++digits) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*e", digits - 1, static_cast<double>(v));
        if (static_cast<T>(std::strtod(buf, nullptr)) == v)
            return formatDigits(static_cast<double>(v), digits);
    }
    return formatDigits(static_cast<double>(v), maxDigits);
}
} // namespace

float Int(float v) { return std::floor(v); }
double Int(double v) { return std::floor(v); }

int CInt(double v) {
    // nearbyint rounds ties to even in the default rounding mode.
    const double r = std::nearbyint(v);
    if (!(r > -2147483648.0 && r < 2147483647.0))
        return r < 0 || std::isnan(r) ? -2147483647 - 1 : 2147483647;
    return static_cast<int>(r);
}

std::string NumText(float v) { return shortestText<float>(v, 7); }
std::string NumText(double v) { return shortestText<double>(v, 15); }
std::string NumText(int v) { return std::to_string(v); }

std::string ShownLength(float worldLength) { return NumText(Int(worldLength / 10 + 0.5f)); }
std::string ShownHeight(float worldY) { return NumText(-Int(worldY / 10 + 0.5f)); }

bool OnIndexStep(float n) { return std::isfinite(n) && CInt(n * 100) / 100.0f == n; }

void SetDecimalSeparator(char c) { g_decimalSeparator = c; }
char DecimalSeparator() { return g_decimalSeparator; }

} // namespace varelo
