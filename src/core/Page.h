#pragma once
// The printed page around a scene's picture: its scale, the lines of text and the scale
// bar, in world coordinates of the page. Positions are fractions of the page's scale
// measured from its top-left corner.
#include "core/Texts.h"

#include <string>
#include <vector>

namespace varelo {

class Surface;

// What a printed page shows besides the picture: the title the user typed, and the words
// of its lines in the user's language.
struct PageTexts {
    std::string title;
    TextTable words;
};

// The page of the zoomed windows: its twips divided by 7, centred on the view's pan and
// magnified by its zoom (1 world unit is 3.5 twips at 100 %).
void ScalePageToView(Surface &s, double pageWidthTwips, double pageHeightTwips, float zoomFactor, double panX,
                     double panY);
// The page of the refraction windows: its twips divided by 10 about the middle.
void ScalePageToMiddle(Surface &s, double pageWidthTwips, double pageHeightTwips);
// Prints the lines one under the other from (fx, fy).
void PrintLines(Surface &s, double fx, double fy, const std::vector<std::string> &lines);
// The scale bar under the picture: 2000 world units with a tick every 100, labelled 0 to
// 200 in display units. With heavyTicks the ticks every 500 and 1000 are drawn heavier and
// the labels sit a little further right.
void DrawScaleBar(Surface &s, bool heavyTicks);

} // namespace varelo
