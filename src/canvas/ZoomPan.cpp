#include "canvas/ZoomPan.h"

#include <QLineEdit>
#include <QScrollBar>

namespace varelo {

ZoomPan::ZoomPan(Surface *picture, QScrollBar *hScroll, QScrollBar *vScroll, QLineEdit *zoomText,
                 std::function<void()> redraw)
    : ZoomModel(picture), h_(hScroll), v_(vScroll), text_(zoomText), redraw_(std::move(redraw)) {}

void ZoomPan::showBars() {
    const QSignalBlocker bh(h_), bv(v_);
    const PanRange &r = range();
    // Shrinking, the minimum moves first; growing, the maximum: the bar never holds min > max.
    if (r.hMin > h_->minimum()) {
        h_->setMinimum(r.hMin);
        h_->setMaximum(r.hMax);
    } else {
        h_->setMaximum(r.hMax);
        h_->setMinimum(r.hMin);
    }
    if (r.vMin > v_->minimum()) {
        v_->setMinimum(r.vMin);
        v_->setMaximum(r.vMax);
    } else {
        v_->setMaximum(r.vMax);
        v_->setMinimum(r.vMin);
    }
    h_->setValue(panX());
    v_->setValue(panY());
    h_->setPageStep(hLarge());
    h_->setSingleStep(hSmall());
    v_->setPageStep(vLarge());
    v_->setSingleStep(vSmall());
    text_->setText(QString::fromStdString(zoomText()));
}

void ZoomPan::Load() {
    load();
    showBars();
}

void ZoomPan::ZoomOut() {
    if (!zoomOut())
        return;
    showBars();
    redraw_();
}

void ZoomPan::ZoomIn() {
    if (!zoomIn())
        return;
    showBars();
    redraw_();
}

void ZoomPan::HScroll1_Change() {
    setPanX(h_->value());
    redraw_();
}

void ZoomPan::VScroll1_Change() {
    setPanY(v_->value());
    redraw_();
}

void ZoomPan::setView(float factor, int panX, int panY) {
    if (ZoomModel::setView(factor, panX, panY))
        showBars();
}

} // namespace varelo
