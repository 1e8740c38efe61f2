#include "canvas/ZoomPan.h"

#include "core/Surface.h"
#include "core/NumRules.h"
#include "core/View.h"

#include <QLineEdit>
#include <QScrollBar>

namespace varelo {

ZoomPan::ZoomPan(Surface *picture, QScrollBar *hScroll, QScrollBar *vScroll, QLineEdit *zoomText,
                 std::function<void()> redraw)
    : pic_(picture), h_(hScroll), v_(vScroll), text_(zoomText), redraw_(std::move(redraw)) {}

void ZoomPan::Load() {
    zoomFactor = 1;
    zoomLevel = 1;
    const QSignalBlocker bh(h_), bv(v_);
    h_->setRange(-6000, 6000);
    v_->setRange(-3000, 3000);
    h_->setValue(0);
    v_->setValue(0);
    updateChangeAmounts();
    text_->setText(QStringLiteral("100%"));
}

void ZoomPan::updateChangeAmounts() {
    h_->setPageStep(CInt(pic_->ScaleWidth() / 10));
    h_->setSingleStep(CInt(pic_->ScaleWidth() / 40));
    v_->setPageStep(CInt(pic_->ScaleHeight() / 10));
    v_->setSingleStep(CInt(pic_->ScaleHeight() / 40));
}

void ZoomPan::ZoomOut() {
    if (!(zoomLevel < 512 && h_->maximum() * 1.2 <= 32767))
        return;
    zoomLevel *= 2;
    pic_->SetScaleWidth(static_cast<float>(pic_->ScaleWidth() * 1.25));
    pic_->SetScaleHeight(static_cast<float>(pic_->ScaleHeight() * 1.25));
    setRange(ZoomedOut(range()));
    updateChangeAmounts();
    zoomFactor = zoomFactor / 1.25f;
    afterStep();
}

void ZoomPan::ZoomIn() {
    if (!(zoomLevel > 1.0f / 256))
        return;
    zoomLevel /= 2;
    pic_->SetScaleWidth(static_cast<float>(pic_->ScaleWidth() / 1.25));
    pic_->SetScaleHeight(static_cast<float>(pic_->ScaleHeight() / 1.25));
    setRange(ZoomedIn(range()));
    updateChangeAmounts();
    zoomFactor = zoomFactor * 1.25f;
    afterStep();
}

void ZoomPan::afterStep() {
    text_->setText(QString::fromStdString(NumText(Int(zoomFactor * 100 + 0.5f))) + QLatin1Char('%'));
    h_->setValue(0);
    v_->setValue(0);
    pic_->SetScaleLeft(static_cast<float>(-pic_->ScaleWidth() / 2));
    pic_->SetScaleTop(static_cast<float>(-pic_->ScaleHeight() / 2));
    if (parked)
        park();
    redraw_();
}

void ZoomPan::HScroll1_Change() {
    pic_->SetScaleLeft(static_cast<float>(-pic_->ScaleWidth() / 2 + h_->value()));
    redraw_();
}

void ZoomPan::VScroll1_Change() {
    pic_->SetScaleTop(static_cast<float>(-pic_->ScaleHeight() / 2 + v_->value()));
    if (parked)
        park();
    redraw_();
}

PanRange ZoomPan::range() const { return {h_->minimum(), h_->maximum(), v_->minimum(), v_->maximum()}; }

void ZoomPan::setRange(const PanRange &r) {
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
}

void ZoomPan::setView(float factor, int panX, int panY) {
    int steps = 0;
    if (!ZoomStepsFor(factor, steps))
        return;
    Load();
    const QSignalBlocker bh(h_), bv(v_);
    for (; steps > 0; --steps) {
        zoomLevel /= 2;
        pic_->SetScaleWidth(static_cast<float>(pic_->ScaleWidth() / 1.25));
        pic_->SetScaleHeight(static_cast<float>(pic_->ScaleHeight() / 1.25));
        setRange(ZoomedIn(range()));
    }
    for (; steps < 0; ++steps) {
        zoomLevel *= 2;
        pic_->SetScaleWidth(static_cast<float>(pic_->ScaleWidth() * 1.25));
        pic_->SetScaleHeight(static_cast<float>(pic_->ScaleHeight() * 1.25));
        setRange(ZoomedOut(range()));
    }
    updateChangeAmounts();
    zoomFactor = factor;
    text_->setText(QString::fromStdString(NumText(Int(zoomFactor * 100 + 0.5f))) + QLatin1Char('%'));
    h_->setValue(panX);
    v_->setValue(panY);
    pic_->SetScaleLeft(static_cast<float>(-pic_->ScaleWidth() / 2 + panX));
    pic_->SetScaleTop(static_cast<float>(-pic_->ScaleHeight() / 2 + panY));
    if (parked)
        park();
}

int ZoomPan::panX() const { return h_->value(); }
int ZoomPan::panY() const { return v_->value(); }

void ZoomPan::park() {
    parked = true;
    pic_->SetScaleTop(static_cast<float>(-2 * pic_->ScaleHeight()));
}

void ZoomPan::unpark() {
    parked = false;
    pic_->SetScaleTop(static_cast<float>(-pic_->ScaleHeight() / 2 + v_->value()));
}

} // namespace varelo
