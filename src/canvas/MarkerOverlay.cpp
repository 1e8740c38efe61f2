#include "canvas/MarkerOverlay.h"

#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "core/NumRules.h"

#include <algorithm>
#include <cmath>

namespace varelo {

const MarkerWidths kScreenMarkerWidths{5, 2, 12, 2};
const MarkerWidths kPrinterMarkerWidths{20, 5, 30, 2};

MarkerHost::~MarkerHost() = default;

namespace {
// Marker positions are stored as 16-bit integers; far out of a zoomed-out view they
// would not fit, so they are kept at the edge of the range.
int16_t toInt16(double v) { return static_cast<int16_t>(std::clamp(CInt(v), -32768, 32767)); }
} // namespace

MarkerOverlay::MarkerOverlay(PictureBox *picture, SymbolButton *pointSymbol, SymbolButton *eyeSymbol,
                             SymbolButton *rasterSymbol, SymbolButton *lineSymbol, MarkerHost *host)
    : pic_(picture), pointSym_(pointSymbol), eyeSym_(eyeSymbol), rasterSym_(rasterSymbol),
      lineSym_(lineSymbol), host_(host) {}

void MarkerOverlay::Load() { screenLineX = toInt16(pic_->ScaleLeft() + pic_->ScaleWidth()); }

void MarkerOverlay::drawPointSymbol(Surface &s) {
    s.SetDrawWidth(10);
    s.PSet(0, 0);
}

void MarkerOverlay::drawEyeSymbol(Surface &s) {
    s.SetDrawWidth(2);
    s.Circle(0, 0, 45);
    s.SetDrawWidth(10);
    s.PSet(-30, 0);
}

void MarkerOverlay::drawRasterSymbol(Surface &s) {
    static const int steps[] = {-99, -74, -49, -24, 1, 26, 51, 76};
    for (int x : steps)
        for (int y : steps)
            s.PSet(x, y);
}

void MarkerOverlay::drawLineSymbol(Surface &s) {
    s.SetDrawWidth(2);
    s.Line(0, 100, 0, -100);
}

void MarkerOverlay::PointSymbol_Click() {
    pointSym_->flipBorder();
    markPointMode = static_cast<int16_t>(pointSym_->borderStyle());
    eyeSym_->flipBorder();
    markEyeMode = static_cast<int16_t>(1 - markPointMode);
    Screen::setMousePointer(2);
}

void MarkerOverlay::EyeSymbol_Click() {
    eyeSym_->flipBorder();
    markEyeMode = static_cast<int16_t>(eyeSym_->borderStyle());
    pointSym_->flipBorder();
    markPointMode = static_cast<int16_t>(1 - markEyeMode);
    Screen::setMousePointer(2);
}

void MarkerOverlay::LineSymbol_Click() {
    lineSym_->flipBorder();
    if (lineSym_->borderStyle()) {
        markLineMode = 1;
        Screen::setMousePointer(2);
    } else {
        markLineMode = 0;
        host_->redrawWithoutRaster();
    }
}

void MarkerOverlay::RasterSymbol_Click() {
    rasterSym_->flipBorder();
    if (rasterSym_->borderStyle()) {
        rasterOn = 1;
        DrawRaster(*pic_);
    } else {
        rasterOn = 0;
        host_->redrawWithoutRaster();
    }
}

void MarkerOverlay::ClearMarkers() {
    pointCount = 0;
    eyeCount = 0;
    screenLineX = toInt16(pic_->ScaleLeft() + pic_->ScaleWidth());
    host_->redrawAfterClear();
}

int MarkerOverlay::pupilWidth(const MarkerWidths &w) const {
    return CInt(w.pupilBase * host_->currentZoomFactor());
}

void MarkerOverlay::drawEye(Surface &s, float x, float y, Rgb c, float dirX, float dirY,
                            const MarkerWidths &w) const {
    s.SetDrawWidth(w.eyeCircle);
    s.Circle(x, y, 80, c);
    s.SetDrawWidth(pupilWidth(w));
    s.PSet(x + 50 * dirX, y + 50 * dirY, c);
}

void MarkerOverlay::drawScreenLine(Rgb c, int width) {
    pic_->SetDrawWidth(width);
    pic_->Line(screenLineX, pic_->ScaleTop(), screenLineX, pic_->ScaleTop() + pic_->ScaleHeight(), c);
}

void MarkerOverlay::placeScreenLine(float x) {
    drawScreenLine(kWhite, 5);
    screenLineX = toInt16(x);
    drawScreenLine(kBlack, 2);
    pic_->SetDrawWidth(1);
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
    const MarkerWidths &w = kScreenMarkerWidths;
    placing_ = false;
    if (markPointMode == 1) {
        if (pointCount + 2 > kPointEntries) {
            disarmPoint();
            host_->refuse("Nur 25 Punktmarkierungen möglich");
            return;
        }
        placing_ = true;
        pic_->SetDrawWidth(w.markDot);
        markX = x;
        markY = y;
        pic_->PSet(x, y);
    } else if (markEyeMode == 1) {
        if (eyeCount >= kEyes) {
            disarmEye();
            host_->refuse("Nur 10 Augen möglich");
            return;
        }
        placing_ = true;
        markX = x;
        markY = y;
        drawEye(*pic_, x, y, kBlack, -1, 0, w);
        pic_->SetDrawWidth(1);
    } else if (markLineMode == 1) {
        placing_ = true;
        placeScreenLine(x);
    }
}

void MarkerOverlay::MouseMove(float x, float y) {
    if (!placing_)
        return;
    const MarkerWidths &w = kScreenMarkerWidths;
    if (markPointMode == 1) {
        pic_->SetDrawWidth(w.markDot);
        pic_->PSet(markX, markY, kWhite);
        markX = x;
        markY = y;
        pic_->PSet(x, y);
    } else if (markEyeMode == 1) {
        drawEye(*pic_, markX, markY, kWhite, -1, 0, w);
        markX = x;
        markY = y;
        drawEye(*pic_, x, y, kBlack, -1, 0, w);
        pic_->SetDrawWidth(1);
    } else if (markLineMode == 1) {
        placeScreenLine(x);
    }
}

void MarkerOverlay::MouseUp(float x, float /*y*/) {
    if (!placing_)
        return;
    placing_ = false;
    const MarkerWidths &w = kScreenMarkerWidths;
    if (markPointMode == 1) {
        float ox = 0, oy = 0;
        host_->currentObjectPoint(ox, oy);
        ++pointCount;
        pointX[pointCount] = toInt16(ox);
        pointY[pointCount] = toInt16(oy);
        pic_->PSet(pointX[pointCount], pointY[pointCount]);
        ++pointCount;
        pointX[pointCount] = toInt16(markX);
        pointY[pointCount] = toInt16(markY);
        pic_->PSet(pointX[pointCount], pointY[pointCount]);
        disarmPoint();
    } else if (markEyeMode == 1) {
        ++eyeCount;
        eyeX[eyeCount] = toInt16(markX);
        eyeY[eyeCount] = toInt16(markY);
        pic_->SetDrawWidth(w.eyeCircle);
        pic_->Circle(markX, markY, 80);
        pic_->SetDrawWidth(pupilWidth(w));
        pic_->PSet(markX - 50, markY, kWhite);
        const float tx = pointX[pointCount], ty = pointY[pointCount];
        const float dist = std::sqrt((ty - markY) * (ty - markY) + (tx - markX) * (tx - markX));
        eyeDist[eyeCount] = dist;
        if (dist > 0) {
            eyeDirX[eyeCount] = (tx - markX) / dist;
            eyeDirY[eyeCount] = (ty - markY) / dist;
        } else {
            // Placed on its target: keep the provisional look to the left.
            eyeDirX[eyeCount] = -1;
            eyeDirY[eyeCount] = 0;
        }
        pic_->PSet(markX + 50 * eyeDirX[eyeCount], markY + 50 * eyeDirY[eyeCount], kBlack);
        pic_->SetDrawWidth(1);
        disarmEye();
    } else if (markLineMode == 1) {
        placeScreenLine(x);
        lineSym_->setBorderStyle(0);
        markLineMode = 0;
        pic_->SetDrawWidth(1);
        host_->repairScene();
    }
}

void MarkerOverlay::DrawMarkers(Surface &s, const MarkerWidths &w) const {
    s.SetDrawWidth(w.markDot);
    for (int i = 1; i <= pointCount; ++i)
        s.PSet(pointX[i], pointY[i], kBlack);
    for (int i = 1; i <= eyeCount; ++i)
        drawEye(s, eyeX[i], eyeY[i], kBlack, eyeDirX[i], eyeDirY[i], w);
    s.SetDrawWidth(w.screenLine);
    s.Line(screenLineX, s.ScaleTop(), screenLineX, s.ScaleTop() + s.ScaleHeight(), kBlack);
    s.SetDrawWidth(1);
}

void MarkerOverlay::computeRasterSteps() {
    rasterStepX = toInt16(pic_->ScaleWidth() / 40);
    rasterStepY = toInt16(pic_->ScaleHeight() / 20);
}

void MarkerOverlay::DrawRaster(Surface &s) {
    computeRasterSteps();
    if (rasterOn != 1 || rasterStepX <= 0 || rasterStepY <= 0)
        return;
    const float left = static_cast<float>(s.ScaleLeft());
    const float right = static_cast<float>(s.ScaleLeft() + s.ScaleWidth() / 2);
    const int top = CInt(s.ScaleTop()), bottom = CInt(s.ScaleTop() + s.ScaleHeight());
    for (float x = left; x <= right; x += rasterStepX)
        for (int y = top; y <= bottom; y += rasterStepY)
            s.PSet(x, y);
}

void MarkerOverlay::snapToRaster(float x, float y, float &sx, float &sy) const {
    sx = Int(x / rasterStepX + 0.5f) * rasterStepX;
    sy = Int(y / rasterStepY + 0.5f) * rasterStepY;
}

} // namespace varelo
