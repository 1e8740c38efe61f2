#include "canvas/MarkerOverlay.h"

#include "canvas/Dialogs.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"

#include <QCoreApplication>

namespace varelo {

MarkerOverlay::MarkerOverlay(MarkerSet &set, PictureBox *picture, SymbolButton *pointSymbol,
                             SymbolButton *eyeSymbol, SymbolButton *rasterSymbol, SymbolButton *lineSymbol,
                             Redraw redraw)
    : tools(set), set_(set), pic_(picture), pointSym_(pointSymbol), eyeSym_(eyeSymbol), rasterSym_(rasterSymbol),
      lineSym_(lineSymbol), redraw_(std::move(redraw)) {}

double MarkerOverlay::rightEdge() const { return pic_->ScaleLeft() + pic_->ScaleWidth(); }

void MarkerOverlay::Load() { set_.resetScreenLine(rightEdge()); }

void MarkerOverlay::computeRasterSteps() { set_.computeRasterSteps(pic_->ScaleWidth(), pic_->ScaleHeight()); }

void MarkerOverlay::show(const MarkerUpdate &u) {
    pointSym_->setBorderStyle(tools.pointFace);
    eyeSym_->setBorderStyle(tools.eyeFace);
    lineSym_->setBorderStyle(tools.lineFace);
    rasterSym_->setBorderStyle(tools.rasterFace);
    if (u.pointer != MousePointer::Unchanged)
        Screen::setMousePointer(Screen::pointerFor(u.pointer));
    if (u.message)
        Dialogs::instance().messageBox(QCoreApplication::translate(kMarkerTextContext, u.message), true);
    if (u.layers)
        redraw_(u.layers);
}

void MarkerOverlay::showMarks() { show(tools.showMarks()); }
void MarkerOverlay::PointSymbol_Click() { show(tools.pointSymbol()); }
void MarkerOverlay::EyeSymbol_Click() { show(tools.eyeSymbol()); }
void MarkerOverlay::LineSymbol_Click() { show(tools.lineSymbol()); }
void MarkerOverlay::RasterSymbol_Click() { show(tools.rasterSymbol()); }
void MarkerOverlay::ClearMarkers() { show(tools.clear(rightEdge())); }
void MarkerOverlay::MouseDown(float x, float y) { show(tools.mouseDown(x, y)); }
void MarkerOverlay::MouseMove(float x, float y) { show(tools.mouseMove(x, y)); }
void MarkerOverlay::MouseUp(float x, float objX, float objY) { show(tools.mouseUp(x, objX, objY)); }

} // namespace varelo
