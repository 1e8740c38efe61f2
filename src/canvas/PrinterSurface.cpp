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

double PrinterSurface::paintText(double x, double y, const std::string &text, double points, Rgb c) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    const QFontMetricsF metrics(font, device_);
    QPainter *p = painter();
    if (p && !ended_) {
        p->setFont(font);
        p->setPen(QColor(c.r, c.g, c.b));
        p->drawText(QPointF(x, y + metrics.ascent()), QString::fromStdString(text));
        invalidatePen();
    }
    return metrics.height();
}

void PrinterSurface::EndDoc() {
    SurfaceOp op;
    op.kind = SurfaceOp::EndPage;
    record(op);
    flush();
    ended_ = true;
}

} // namespace varelo
