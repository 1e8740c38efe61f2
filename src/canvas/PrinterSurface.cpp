#include "canvas/PrinterSurface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <cmath>

namespace varelo {

PrinterSurface::PrinterSurface(QPaintDevice *device) : device_(device) {}

PrinterSurface::~PrinterSurface() { flush(); }

void VectorSurface::paintClear() {
    if (QPainter *p = painter())
        p->fillRect(QRect(0, 0, deviceWidth(), deviceHeight()), Qt::white);
}

int PrinterSurface::deviceWidth() const { return device_->width(); }
int PrinterSurface::deviceHeight() const { return device_->height(); }
double PrinterSurface::pageWidthTwips() const { return device_->width() * 1440.0 / device_->logicalDpiX(); }
double PrinterSurface::pageHeightTwips() const { return device_->height() * 1440.0 / device_->logicalDpiY(); }

void PrinterSurface::SetFontSize(double points) {
    fontSize_ = points;
    SurfaceOp op;
    op.kind = SurfaceOp::FontSize;
    op.x1 = points;
    record(op);
}

void PrinterSurface::PrintText(const QString &text) {
    SurfaceOp op;
    op.kind = SurfaceOp::Text;
    op.x1 = CurrentX();
    op.y1 = CurrentY();
    op.text = text.toStdString();
    record(op);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(fontSize_);
    QPainter *p = painter();
    const QFontMetricsF metrics(font, device_);
    const double x = toDeviceX(CurrentX()), y = toDeviceY(CurrentY());
    if (p && !ended_ && std::isfinite(x) && std::isfinite(y)) {
        p->setFont(font);
        p->setPen(QColor(ForeColor().r, ForeColor().g, ForeColor().b));
        p->drawText(QPointF(x, y + metrics.ascent()), text);
        invalidatePen();
    }
    // Next line: back to the left edge, one line height lower.
    SetCurrentX(ScaleLeft());
    SetCurrentY(toWorldY(y + metrics.height()));
}

void PrinterSurface::EndDoc() {
    SurfaceOp op;
    op.kind = SurfaceOp::EndPage;
    record(op);
    flush();
    ended_ = true;
}

} // namespace varelo
