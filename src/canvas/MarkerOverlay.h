#pragma once
// The marker tools of the mirror and lens windows on the screen: the point, eye, raster and
// line symbols and the left-button placement in the picture.
#include "core/MarkerSet.h"
#include "core/MarkerTools.h"
#include "core/Scene.h"

#include <cstdint>
#include <functional>

namespace varelo {

class PictureBox;
class SymbolButton;

// The operating note on the marker tools, in the help panels of both windows.
inline constexpr char kMarkerNote[] = QT_TRANSLATE_NOOP(
    "varelo::HelpPanel",
    "Im Bildfeld können mehrere Punkte, Augen sowie ein Raster (zum Ausrichten von Punkten) und eine Linie "
    "(als Bildschirm) markiert werden. Auf das entsprechende Symbol (Punkt, Auge oder Linie) links klicken und "
    "dann wieder links auf die gewünschte Stelle des Bildes. Das Auge blickt immer zu dem an letzter Stelle "
    "gesetzten Punkt.");

// The tools' rules are MarkerTools'; the overlay shows their faces, pointer and messages
// on the window's symbols and asks its window for a redraw.
class MarkerOverlay {
public:
    using Redraw = std::function<void(Layers)>;
    MarkerOverlay(MarkerSet &set, PictureBox *picture, SymbolButton *pointSymbol, SymbolButton *eyeSymbol,
                  SymbolButton *rasterSymbol, SymbolButton *lineSymbol, Redraw redraw);

    void Load(); // the screen line on the right edge of the view
    // After the marks were replaced (a lesson): no tool armed, the raster's symbol as its state.
    void showMarks();

    void PointSymbol_Click();
    void EyeSymbol_Click();
    void RasterSymbol_Click();
    void LineSymbol_Click();
    void ClearMarkers(); // "Markierungen löschen"

    bool anyMode() const { return tools.anyMode(); }
    void MouseDown(float x, float y);
    void MouseMove(float x, float y);
    void MouseUp(float x, float objX, float objY);
    void cancelPlacing() { tools.cancelPlacing(); }
    void computeRasterSteps();

    MarkerTools tools;
    const int16_t &markPointMode = tools.markPointMode;
    const int16_t &markEyeMode = tools.markEyeMode;
    const int16_t &markLineMode = tools.markLineMode;

private:
    void show(const MarkerUpdate &u);
    double rightEdge() const;

    MarkerSet &set_;
    PictureBox *pic_;
    SymbolButton *pointSym_, *eyeSym_, *rasterSym_, *lineSym_;
    Redraw redraw_;
};

} // namespace varelo
