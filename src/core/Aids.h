#pragma once
// The teaching aids every module draws the same way: arrowheads on the light's segments,
// labels beside a point, angle readings and the bundles' own colours.
#include "core/Scene.h"
#include "core/Surface.h"
#include "core/Texts.h"

#include <string>
#include <vector>

namespace varelo {

// An arrowhead on the segment from (x1, y1) towards (x2, y2), pointing the way the light
// goes: at the middle of a finite segment, or near the start of a free end (one that runs
// out of the picture). `st.size` is its length in device pixels, the wings at 25 degrees;
// the colour is the segment's.
void DrawArrowHead(Surface &s, const Style &st, Rgb colour, double x1, double y1, double x2, double y2,
                   bool finite);
// Where DrawArrowHead puts the tip, in world coordinates.
void ArrowTip(const Surface &s, const Style &st, double x1, double y1, double x2, double y2, bool finite,
              double &tipX, double &tipY);

// A line of text whose top-left corner is `dx`, `dy` device pixels from the world point
// (x, y), at `points` in the colour. Returns its height in device pixels (0 on surfaces
// without text).
double DrawLabel(Surface &s, double x, double y, double dx, double dy, const std::string &text, double points,
               Rgb colour);

// A short mark across the axis (y = 0) at x, `st.size` device pixels each side, with its
// label under it at `st.points` (`row` lines lower, so that close marks keep their labels
// apart); a second label (may be empty) under the first.
void DrawAxisMark(Surface &s, const Style &st, double x, const std::string &label, const std::string &note = {},
                  int row = 0);
// The imaging equation's image: an open circle of `st.size` device pixels' radius.
void DrawParaxialImage(Surface &s, const Style &st, double x, double y);
// Lines of text under each other, the first one's top-left corner `dx`, `dy` device pixels
// from the world point (x, y), each starting at the same x. A block that would leave the
// picture, run into its top or bottom line of help text, or into the `clearRight` device
// pixels at its right edge (boxes over the picture) goes to the point's other side.
void DrawLabelLines(Surface &s, double x, double y, double dx, double dy, const std::vector<std::string> &lines,
                    double points, Rgb colour, double clearRight = 0);

// "α = 30,0°": a symbol, the angle in degrees with one decimal and the user's separator.
std::string AngleReading(const char *symbol, double degrees);
// The two lines at a point of incidence: α, and β or the word for total reflection.
std::vector<std::string> IncidenceReadings(double alphaDegrees, double betaDegrees, bool total);

// The words the pictures show, in the user's language; the interface fills the table at
// start-up from the marked source texts.
TextTable &PictureWords();
extern const char *const kTotalReflectionWord;

// The ten bundles' colours when each object point's bundle has its own: distinguishable
// on white, on a projector and for most colour-blind viewers.
constexpr int kBundleColours = 10;
Rgb BundleColour(int k);

} // namespace varelo
