#pragma once
// Zoom (one spin button) and pan (two scroll bars) of a picture whose scale starts at
// (-2000, -1000)-(2000, 1000). Every step ends in the window's redraw.
#include "core/View.h"

#include <functional>

class QScrollBar;
class QLineEdit;

namespace varelo {

class Surface;

class ZoomPan {
public:
    ZoomPan(Surface *picture, QScrollBar *hScroll, QScrollBar *vScroll, QLineEdit *zoomText,
            std::function<void()> redraw);

    void Load(); // initial limits, change amounts and "100%"
    void ZoomOut();
    void ZoomIn();
    void HScroll1_Change();
    void VScroll1_Change();

    // A view of a lesson: the zoom steps to this factor from 100 %, then the pan, without
    // a redraw (the factor must be one the steps give, see ViewReachable).
    void setView(float zoomFactor, int panX, int panY);

    // The pan: the world point at the centre of the view.
    int panX() const;
    int panY() const;

    float zoomFactor = 1.0f;
    float zoomLevel = 1.0f;
    // While the help panel is shown the view stays scrolled far away.
    bool parked = false;
    void park();
    void unpark();

private:
    PanRange range() const;
    void setRange(const PanRange &r);
    void updateChangeAmounts();
    void afterStep();
    Surface *pic_;
    QScrollBar *h_;
    QScrollBar *v_;
    QLineEdit *text_;
    std::function<void()> redraw_;
};

} // namespace varelo
