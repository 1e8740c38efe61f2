#pragma once
// The zoom and pan of the mirror and lens windows as numbers: a zoom step multiplies the
// factor by 1.25 (in) or divides it (out), at most 8 steps in and 9 out from 100 %, and
// each step scales the pan bars' ranges (±6000 by ±3000 at 100 %) by 1.2 the other way.
#include <string>

namespace varelo {

constexpr int kMaxZoomInSteps = 8, kMaxZoomOutSteps = 9;

struct PanRange {
    int hMin = -6000, hMax = 6000, vMin = -3000, vMax = 3000;
};

// The range after one step in or out, as the bars are changed by it.
PanRange ZoomedIn(const PanRange &r);
PanRange ZoomedOut(const PanRange &r);

// The steps from 100 % (in > 0, out < 0) that give this factor; false when none does.
bool ZoomStepsFor(float zoomFactor, int &steps);
// The pan bars' range after these steps from 100 %.
PanRange PanRangeAfter(int steps);
// Whether a view (factor and pan) is one the zoom button and the bars can give.
bool ViewReachable(float zoomFactor, float panX, float panY);
// Whether the raster's steps are those of some zoom: the view's width / 40 and height / 20
// when the raster was switched on.
bool RasterStepsReachable(int stepX, int stepY);
// Both, for a lesson of the mirror or lens window: the faults listed one name a line.
void CheckZoomedView(float zoomFactor, float panX, float panY, int rasterStepX, int rasterStepY,
                     std::string &faults);

} // namespace varelo

namespace varelo {

class Surface;

// The zoom button and the two pan bars of a picture whose scale starts at
// (-2000, -1000)-(2000, 1000), as numbers: each step sets the picture's scale; a front-end
// shows the range, the values and the change amounts on its bars.
class ZoomModel {
public:
    explicit ZoomModel(Surface *picture) : pic_(picture) {}

    void load(); // 100 %, the bars' first range, no pan
    // One step; false at the limit (nothing changes).
    bool zoomOut();
    bool zoomIn();
    // A bar moved: the world point at the centre of the view.
    void setPanX(int x);
    void setPanY(int y);
    // A view of a lesson: the zoom steps to this factor from 100 %, then the pan; false when
    // no number of steps gives the factor (see ViewReachable).
    bool setView(float zoomFactor, int panX, int panY);

    int panX() const { return panX_; }
    int panY() const { return panY_; }
    const PanRange &range() const { return range_; }
    // The bars' change amounts: a small step is a fortieth of the view, a large one a tenth.
    int hSmall() const, hLarge() const, vSmall() const, vLarge() const;
    // "100%" and so on.
    std::string zoomText() const;

    float zoomFactor = 1.0f;
    float zoomLevel = 1.0f;
    // While the help panel is shown the view stays scrolled far away.
    bool parked = false;
    void park();
    void unpark();

private:
    void stepIn();
    void stepOut();
    void centre();
    Surface *pic_;
    PanRange range_;
    int panX_ = 0, panY_ = 0;
};

} // namespace varelo
