#include "canvas/MarkerOverlay.h"

#include "canvas/Dialogs.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"

#include <QCoreApplication>

namespace varelo {

MarkerOverlay::MarkerOverlay(MarkerSet &set, PictureBox *picture, SymbolButton *pointSymbol,
                             SymbolButton *eyeSymbol, SymbolButton *rasterSymbol, SymbolButton *lineSymbol,
                             Redraw redraw)
    : set_(set), pic_(picture), pointSym_(pointSymbol), eyeSym_(eyeSymbol), rasterSym_(rasterSymbol),
      lineSym_(lineSymbol), redraw_(std::move(redraw)) {}

double MarkerOverlay::rightEdge() const { return pic_->ScaleLeft() + pic_->ScaleWidth(); }

void MarkerOverlay::Load() { set_.resetScreenLine(rightEdge()); }

void MarkerOverlay::showMarks() {
    disarmPoint();
    disarmEye();
    markLineMode = 0;
    lineSym_->setBorderStyle(0);
    rasterSym_->setBorderStyle(set_.rasterOn ? 1 : 0);
    placing_ = false;
    set_.pending = MarkerSet::Pending::None;
    Screen::setMousePointer(Screen::kArrow);
}

void MarkerOverlay::computeRasterSteps() { set_.computeRasterSteps(pic_->ScaleWidth(), pic_->ScaleHeight()); }

void MarkerOverlay::PointSymbol_Click() {
    pointSym_->flipBorder();
    markPointMode = static_cast<int16_t>(pointSym_->borderStyle());
    eyeSym_->flipBorder();
    markEyeMode = static_cast<int16_t>(1 - markPointMode);
    Screen::setMousePointer(Screen::kCrossHair);
}

void MarkerOverlay::EyeSymbol_Click() {
    eyeSym_->flipBorder();
    markEyeMode = static_cast<int16_t>(eyeSym_->borderStyle());
    pointSym_->flipBorder();
    markPointMode = static_cast<int16_t>(1 - markEyeMode);
    Screen::setMousePointer(Screen::kCrossHair);
}

void MarkerOverlay::LineSymbol_Click() {
    lineSym_->flipBorder();
    if (lineSym_->borderStyle()) {
        markLineMode = 1;
        Screen::setMousePointer(Screen::kCrossHair);
    } else {
        markLineMode = 0;
        redraw_(kFullRedraw & ~Layer::Raster);
    }
}

void MarkerOverlay::RasterSymbol_Click() {
    rasterSym_->flipBorder();
    if (rasterSym_->borderStyle()) {
        set_.rasterOn = 1;
        redraw_(Layer::Raster);
    } else {
        set_.rasterOn = 0;
        redraw_(kFullRedraw & ~Layer::Raster);
    }
}

void MarkerOverlay::ClearMarkers() {
    set_.clearPointsAndEyes();
    set_.resetScreenLine(rightEdge());
    redraw_(kFullRedraw);
}

void MarkerOverlay::disarmPoint() {
    markPointMode = 0;
    pointSym_->setBorderStyle(0);
}

void MarkerOverlay::disarmEye() {
    markEyeMode = 0;
    eyeSym_->setBorderStyle(0);
}

void MarkerOverlay::MouseDown(float x, float y) {
    placing_ = false;
    if (markPointMode == 1) {
        if (set_.pointsFull()) {
            disarmPoint();
            Dialogs::instance().messageBox(QCoreApplication::translate("varelo::Canvas", "Nur 25 Punktmarkierungen möglich"), true);
            return;
        }
        set_.pending = MarkerSet::Pending::Point;
    } else if (markEyeMode == 1) {
        if (set_.eyesFull()) {
            disarmEye();
            Dialogs::instance().messageBox(QCoreApplication::translate("varelo::Canvas", "Nur 10 Augen möglich"), true);
            return;
        }
        set_.pending = MarkerSet::Pending::Eye;
    } else if (markLineMode == 1) {
        set_.setScreenLine(x);
    } else {
        return;
    }
    placing_ = true;
    set_.pendingX = x;
    set_.pendingY = y;
    redraw_(Layer::Live);
}

void MarkerOverlay::MouseMove(float x, float y) {
    if (!placing_)
        return;
    if (markLineMode == 1 && set_.pending == MarkerSet::Pending::None)
        set_.setScreenLine(x);
    set_.pendingX = x;
    set_.pendingY = y;
    redraw_(Layer::Live);
}

void MarkerOverlay::cancelPlacing() {
    placing_ = false;
    set_.pending = MarkerSet::Pending::None;
}

void MarkerOverlay::MouseUp(float x, float objX, float objY) {
    if (!placing_)
        return;
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
        lineSym_->setBorderStyle(0);
        markLineMode = 0;
    }
    redraw_(kFullRedraw);
}

} // namespace varelo
