#pragma once
// The marker tools of the mirror and lens windows without Qt: which symbol is armed, the
// left-button placement of points, eyes and the screen line, and the raster switch. Each
// event returns what the front-end shows again; the marks themselves are the MarkerSet's.
#include "core/ControllerTypes.h"
#include "core/MarkerSet.h"
#include "core/Scene.h"

#include <cstdint>

namespace varelo {

// The context of the tools' texts for the translation.
inline constexpr char kMarkerTextContext[] = "varelo::Canvas";

struct MarkerUpdate {
    Layers layers = 0;             // to redraw; none when 0
    const char *message = nullptr; // a refusal (context kMarkerTextContext)
    MousePointer pointer = MousePointer::Unchanged;
};

class MarkerTools {
public:
    explicit MarkerTools(MarkerSet &set) : set_(set) {}

    // The symbols' faces: sunk (1) or raised (0). Clicking the point or the eye symbol
    // flips both faces, as the classic pair of buttons did.
    int pointFace = 0, eyeFace = 0, lineFace = 0, rasterFace = 0;
    int16_t markPointMode = 0, markEyeMode = 0, markLineMode = 0;
    bool anyMode() const { return markPointMode || markEyeMode || markLineMode; }

    // After the marks were replaced (a lesson): no tool armed, the raster's face as its state.
    MarkerUpdate showMarks();

    MarkerUpdate pointSymbol();
    MarkerUpdate eyeSymbol();
    MarkerUpdate lineSymbol();
    MarkerUpdate rasterSymbol();
    // "Markierungen löschen": the screen line goes back to the view's right edge.
    MarkerUpdate clear(double rightEdge);

    // The left-button branches while a tool is armed; a point mark also stores the
    // current object point.
    MarkerUpdate mouseDown(float x, float y);
    MarkerUpdate mouseMove(float x, float y);
    MarkerUpdate mouseUp(float x, float objX, float objY);
    // A placement begun by a press is dropped (a touch turned into a hold); the tool stays armed.
    void cancelPlacing();

private:
    void disarmPoint();
    void disarmEye();
    MarkerSet &set_;
    bool placing_ = false; // a placement was started by a press in the picture
};

} // namespace varelo
