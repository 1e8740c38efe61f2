#include "core/MarkerTools.h"

namespace varelo {

namespace {
MarkerUpdate Redraw(Layers layers, MousePointer pointer = MousePointer::Unchanged) {
    MarkerUpdate u;
    u.layers = layers;
    u.pointer = pointer;
    return u;
}
} // namespace

MarkerUpdate MarkerTools::showMarks() {
    disarmPoint();
    disarmEye();
    markLineMode = 0;
    lineFace = 0;
    rasterFace = set_.rasterOn ? 1 : 0;
    placing_ = false;
    set_.pending = MarkerSet::Pending::None;
    return Redraw(0, MousePointer::Arrow);
}

MarkerUpdate MarkerTools::pointSymbol() {
    pointFace = 1 - pointFace;
    markPointMode = static_cast<int16_t>(pointFace);
    eyeFace = 1 - eyeFace;
    markEyeMode = static_cast<int16_t>(1 - markPointMode);
    return Redraw(0, MousePointer::CrossHair);
}

MarkerUpdate MarkerTools::eyeSymbol() {
    eyeFace = 1 - eyeFace;
    markEyeMode = static_cast<int16_t>(eyeFace);
    pointFace = 1 - pointFace;
    markPointMode = static_cast<int16_t>(1 - markEyeMode);
    return Redraw(0, MousePointer::CrossHair);
}

MarkerUpdate MarkerTools::lineSymbol() {
    lineFace = 1 - lineFace;
    if (lineFace) {
        markLineMode = 1;
        return Redraw(0, MousePointer::CrossHair);
    }
    markLineMode = 0;
    return Redraw(kFullRedraw & ~Layer::Raster);
}

MarkerUpdate MarkerTools::rasterSymbol() {
    rasterFace = 1 - rasterFace;
    set_.rasterOn = static_cast<int16_t>(rasterFace);
    return Redraw(rasterFace ? Layers(Layer::Raster) : kFullRedraw & ~Layer::Raster);
}

MarkerUpdate MarkerTools::clear(double rightEdge) {
    set_.clearPointsAndEyes();
    set_.resetScreenLine(rightEdge);
    return Redraw(kFullRedraw);
}

void MarkerTools::disarmPoint() {
    markPointMode = 0;
    pointFace = 0;
}

void MarkerTools::disarmEye() {
    markEyeMode = 0;
    eyeFace = 0;
}

MarkerUpdate MarkerTools::mouseDown(float x, float y) {
    placing_ = false;
    MarkerUpdate u;
    if (markPointMode == 1) {
        if (set_.pointsFull()) {
            disarmPoint();
            u.message = QT_TRANSLATE_NOOP("varelo::Canvas", "Nur 25 Punktmarkierungen möglich");
            return u;
        }
        set_.pending = MarkerSet::Pending::Point;
    } else if (markEyeMode == 1) {
        if (set_.eyesFull()) {
            disarmEye();
            u.message = QT_TRANSLATE_NOOP("varelo::Canvas", "Nur 10 Augen möglich");
            return u;
        }
        set_.pending = MarkerSet::Pending::Eye;
    } else if (markLineMode == 1) {
        set_.setScreenLine(x);
    } else {
        return u;
    }
    placing_ = true;
    set_.pendingX = x;
    set_.pendingY = y;
    u.layers = Layer::Live;
    return u;
}

MarkerUpdate MarkerTools::mouseMove(float x, float y) {
    if (!placing_)
        return {};
    if (markLineMode == 1 && set_.pending == MarkerSet::Pending::None)
        set_.setScreenLine(x);
    set_.pendingX = x;
    set_.pendingY = y;
    return Redraw(Layer::Live);
}

void MarkerTools::cancelPlacing() {
    placing_ = false;
    set_.pending = MarkerSet::Pending::None;
}

MarkerUpdate MarkerTools::mouseUp(float x, float objX, float objY) {
    if (!placing_)
        return {};
    placing_ = false;
    const MarkerSet::Pending placed = set_.pending;
    set_.pending = MarkerSet::Pending::None;
    if (placed == MarkerSet::Pending::Point) {
        set_.addPointPair(objX, objY, set_.pendingX, set_.pendingY);
        disarmPoint();
    } else if (placed == MarkerSet::Pending::Eye) {
        set_.addEye(set_.pendingX, set_.pendingY);
        disarmEye();
    } else if (markLineMode == 1) {
        set_.setScreenLine(x);
        lineFace = 0;
        markLineMode = 0;
    }
    return Redraw(kFullRedraw);
}

} // namespace varelo
