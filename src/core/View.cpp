#include "core/View.h"

#include "core/NumRules.h"
#include "core/Surface.h"

#include <algorithm>
#include <cmath>

namespace varelo {

PanRange ZoomedIn(const PanRange &r) {
    // Shrunk from the inside, so that the minimum never passes the maximum.
    return {CInt(r.hMin / 1.2), CInt(r.hMax / 1.2), CInt(r.vMin / 1.2), CInt(r.vMax / 1.2)};
}

PanRange ZoomedOut(const PanRange &r) {
    return {CInt(r.hMin * 1.2), CInt(r.hMax * 1.2), CInt(r.vMin * 1.2), CInt(r.vMax * 1.2)};
}

bool ZoomStepsFor(float zoomFactor, int &steps) {
    if (!(zoomFactor > 0) || !std::isfinite(zoomFactor))
        return false;
    const int k = static_cast<int>(std::lround(std::log(double(zoomFactor)) / std::log(1.25)));
    if (k > kMaxZoomInSteps || k < -kMaxZoomOutSteps)
        return false;
    // The factor as the steps make it, up to the rounding of a longer way there.
    if (std::fabs(zoomFactor / std::pow(1.25, k) - 1) > 1e-4)
        return false;
    steps = k;
    return true;
}

PanRange PanRangeAfter(int steps) {
    PanRange r;
    for (int i = 0; i < steps; ++i)
        r = ZoomedIn(r);
    for (int i = 0; i < -steps; ++i)
        r = ZoomedOut(r);
    return r;
}

bool ViewReachable(float zoomFactor, float panX, float panY) {
    int steps = 0;
    if (!ZoomStepsFor(zoomFactor, steps))
        return false;
    // Zooming in and out again rounds the bars' ends a little differently from the straight
    // way: a few units of slack.
    constexpr int kSlack = 10;
    const PanRange r = PanRangeAfter(steps);
    return panX == std::floor(panX) && panY == std::floor(panY) && panX >= r.hMin - kSlack &&
           panX <= r.hMax + kSlack && panY >= r.vMin - kSlack && panY <= r.vMax + kSlack;
}

bool RasterStepsReachable(int stepX, int stepY) {
    // The scale as the zoom steps change it, from (-2000, -1000)-(2000, 1000).
    float w = 4000, h = 2000;
    for (int i = 0; i < kMaxZoomInSteps; ++i) {
        w = static_cast<float>(w / 1.25);
        h = static_cast<float>(h / 1.25);
    }
    for (int k = -kMaxZoomInSteps; k <= kMaxZoomOutSteps; ++k) {
        if (CInt(w / 40.0) == stepX && CInt(h / 20.0) == stepY)
            return true;
        w = static_cast<float>(w * 1.25);
        h = static_cast<float>(h * 1.25);
    }
    return false;
}

void CheckZoomedView(float zoomFactor, float panX, float panY, int rasterStepX, int rasterStepY,
                     std::string &faults) {
    if (!ViewReachable(zoomFactor, panX, panY))
        faults += "zoomFactor\n";
    if (!RasterStepsReachable(rasterStepX, rasterStepY))
        faults += "markers.rasterStepX\n";
}

} // namespace varelo

namespace varelo {

void ZoomModel::load() {
    zoomFactor = 1;
    zoomLevel = 1;
    range_ = PanRange();
    panX_ = panY_ = 0;
}

int ZoomModel::hSmall() const { return CInt(pic_->ScaleWidth() / 40); }
int ZoomModel::hLarge() const { return CInt(pic_->ScaleWidth() / 10); }
int ZoomModel::vSmall() const { return CInt(pic_->ScaleHeight() / 40); }
int ZoomModel::vLarge() const { return CInt(pic_->ScaleHeight() / 10); }

std::string ZoomModel::zoomText() const { return NumText(Int(zoomFactor * 100 + 0.5f)) + "%"; }

void ZoomModel::stepOut() {
    zoomLevel *= 2;
    pic_->SetScaleWidth(static_cast<float>(pic_->ScaleWidth() * 1.25));
    pic_->SetScaleHeight(static_cast<float>(pic_->ScaleHeight() * 1.25));
    range_ = ZoomedOut(range_);
}

void ZoomModel::stepIn() {
    zoomLevel /= 2;
    pic_->SetScaleWidth(static_cast<float>(pic_->ScaleWidth() / 1.25));
    pic_->SetScaleHeight(static_cast<float>(pic_->ScaleHeight() / 1.25));
    range_ = ZoomedIn(range_);
}

bool ZoomModel::zoomOut() {
    if (!(zoomLevel < 512 && range_.hMax * 1.2 <= 32767))
        return false;
    stepOut();
    zoomFactor = zoomFactor / 1.25f;
    panX_ = panY_ = 0;
    centre();
    return true;
}

bool ZoomModel::zoomIn() {
    if (!(zoomLevel > 1.0f / 256))
        return false;
    stepIn();
    zoomFactor = zoomFactor * 1.25f;
    panX_ = panY_ = 0;
    centre();
    return true;
}

void ZoomModel::centre() {
    pic_->SetScaleLeft(static_cast<float>(-pic_->ScaleWidth() / 2 + panX_));
    pic_->SetScaleTop(static_cast<float>(-pic_->ScaleHeight() / 2 + panY_));
    if (parked)
        park();
}

void ZoomModel::setPanX(int x) {
    panX_ = std::clamp(x, range_.hMin, range_.hMax);
    pic_->SetScaleLeft(static_cast<float>(-pic_->ScaleWidth() / 2 + panX_));
}

void ZoomModel::setPanY(int y) {
    panY_ = std::clamp(y, range_.vMin, range_.vMax);
    pic_->SetScaleTop(static_cast<float>(-pic_->ScaleHeight() / 2 + panY_));
    if (parked)
        park();
}

bool ZoomModel::setView(float factor, int panX, int panY) {
    int steps = 0;
    if (!ZoomStepsFor(factor, steps))
        return false;
    load();
    for (; steps > 0; --steps)
        stepIn();
    for (; steps < 0; ++steps)
        stepOut();
    zoomFactor = factor;
    panX_ = std::clamp(panX, range_.hMin, range_.hMax);
    panY_ = std::clamp(panY, range_.vMin, range_.vMax);
    centre();
    return true;
}

void ZoomModel::park() {
    parked = true;
    pic_->SetScaleTop(static_cast<float>(-2 * pic_->ScaleHeight()));
}

void ZoomModel::unpark() {
    parked = false;
    pic_->SetScaleTop(static_cast<float>(-pic_->ScaleHeight() / 2 + panY_));
}

} // namespace varelo
