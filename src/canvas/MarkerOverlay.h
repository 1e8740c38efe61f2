#pragma once
// Marked points, eyes that look at the last marked point, one vertical screen line and a
// dot raster, drawn over a module's scene. Shared by the mirror and lens windows.
#include "canvas/Surface.h"

#include <cstdint>

namespace varelo {

class PictureBox;
class SymbolButton;

struct MarkerWidths {
    int markDot;
    int eyeCircle;
    int pupilBase; // the pupil is CInt(pupilBase * zoomFactor) pixels wide
    int screenLine;
};
extern const MarkerWidths kScreenMarkerWidths;
extern const MarkerWidths kPrinterMarkerWidths;

// What the overlay needs from its window.
class MarkerHost {
public:
    virtual ~MarkerHost();
    virtual void currentObjectPoint(float &x, float &y) const = 0;
    virtual float currentZoomFactor() const = 0;
    // Cls, then element, rays and markers (no raster).
    virtual void redrawWithoutRaster() = 0;
    // Element, rays, markers and raster over the present picture, without clearing.
    virtual void repairScene() = 0;
    // Cls, then element, rays and raster (after the markers were cleared).
    virtual void redrawAfterClear() = 0;
    // Tells the user that a capacity is reached.
    virtual void refuse(const char *message) = 0;
};

class MarkerOverlay {
public:
    static constexpr int kPointEntries = 50;
    static constexpr int kEyes = 10;

    MarkerOverlay(PictureBox *picture, SymbolButton *pointSymbol, SymbolButton *eyeSymbol,
                  SymbolButton *rasterSymbol, SymbolButton *lineSymbol, MarkerHost *host);

    void Load(); // the screen line on the right edge of the view

    void PointSymbol_Click();
    void EyeSymbol_Click();
    void RasterSymbol_Click();
    void LineSymbol_Click();
    void ClearMarkers(); // "Markierungen löschen"

    bool anyMode() const { return markPointMode || markEyeMode || markLineMode; }
    // The left-button branches while a tool is armed.
    void MouseDown(float x, float y);
    void MouseMove(float x, float y);
    void MouseUp(float x, float y);

    void DrawMarkers(Surface &s, const MarkerWidths &w) const;
    void DrawRaster(Surface &s);
    void computeRasterSteps();
    void snapToRaster(float x, float y, float &sx, float &sy) const;

    int16_t markPointMode = 0, markEyeMode = 0, markLineMode = 0, rasterOn = 0;
    float markX = 0, markY = 0;
    int16_t pointCount = 0;
    int16_t pointX[kPointEntries + 1] = {}, pointY[kPointEntries + 1] = {};
    int16_t eyeCount = 0;
    int16_t eyeX[kEyes + 1] = {}, eyeY[kEyes + 1] = {};
    float eyeDirX[kEyes + 1] = {}, eyeDirY[kEyes + 1] = {}, eyeDist[kEyes + 1] = {};
    int16_t screenLineX = 0;
    int16_t rasterStepX = 100, rasterStepY = 100;

    // Symbol drawings, also used by the symbol buttons of other windows.
    static void drawPointSymbol(Surface &s);
    static void drawEyeSymbol(Surface &s);
    static void drawRasterSymbol(Surface &s);
    static void drawLineSymbol(Surface &s);

private:
    int pupilWidth(const MarkerWidths &w) const;
    void drawEye(Surface &s, float x, float y, Rgb c, float dirX, float dirY, const MarkerWidths &w) const;
    void drawScreenLine(Rgb c, int width);
    void placeScreenLine(float x);
    void disarmPoint();
    void disarmEye();

    PictureBox *pic_;
    SymbolButton *pointSym_, *eyeSym_, *rasterSym_, *lineSym_;
    MarkerHost *host_;
    bool placing_ = false; // a placement was started by a press in the picture
};

} // namespace varelo
