#pragma once
// The number rules of the program: BASIC-style rounding and number-to-text conversion.
#include <string>

namespace varelo {

constexpr double kPi = 3.14159265358979323846;

// Rounds towards minus infinity (BASIC Int).
float Int(float v);
double Int(double v);

// Rounds to the nearest integer, ties to even (BASIC CInt).
int CInt(double v);

// Shortest text that reads back as the same value: at most 7 significant digits for a
// float, 15 for a double; no leading blank; the decimal separator set below.
std::string NumText(float v);
std::string NumText(double v);
std::string NumText(int v);

// A world length as the user reads it: divided by 10, rounded by Int(v / 10 + 0.5).
std::string ShownLength(float worldLength);
// A world y as the user reads it: up is positive, -Int(y / 10 + 0.5).
std::string ShownHeight(float worldY);

// The radius of a surface from its curvature index k (the scroll bars' value): 12000 / k.
inline float RadiusOfCurvature(int k) { return 12000.0f / static_cast<float>(k); }

// The upper medium's index shown for a relative index n < 1: Int(100 / n + 0.5) / 100.
inline float UpperIndex(float n) { return Int(100 / n + 0.5f) / 100; }

// Whether an index is one a scroll bar of value / 100 can give.
bool OnIndexStep(float n);

// The user's decimal separator; the UI sets it from the locale at start-up.
void SetDecimalSeparator(char c);
char DecimalSeparator();

} // namespace varelo
