#pragma once
// Zoom (one spin button) and pan (two scroll bars) of a picture: the model's numbers shown
// on the bars and the zoom text. Every step ends in the window's redraw.
#include "core/View.h"

#include <functional>

class QScrollBar;
class QLineEdit;

namespace varelo {

class Surface;

class ZoomPan : public ZoomModel {
public:
    ZoomPan(Surface *picture, QScrollBar *hScroll, QScrollBar *vScroll, QLineEdit *zoomText,
            std::function<void()> redraw);

    void Load(); // initial limits, change amounts and "100%"
    void ZoomOut();
    void ZoomIn();
    void HScroll1_Change();
    void VScroll1_Change();

    // A view of a lesson, without a redraw.
    void setView(float zoomFactor, int panX, int panY);

private:
    void showBars();
    QScrollBar *h_;
    QScrollBar *v_;
    QLineEdit *text_;
    std::function<void()> redraw_;
};

} // namespace varelo
