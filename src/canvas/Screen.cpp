#include "canvas/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace varelo::Screen {

namespace {
int g_overrideW = 0, g_overrideH = 0;
int g_pointer = 0;

QSize screenPixels() {
    if (g_overrideW > 0)
        return {g_overrideW, g_overrideH};
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->size();
    return {1024, 768};
}
} // namespace

double twipsPerPixel() {
    if (g_overrideW > 0)
        return 15.0;
    QScreen *s = QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

int widthTwips() { return static_cast<int>(std::lround(screenPixels().width() * twipsPerPixel())); }
int heightTwips() { return static_cast<int>(std::lround(screenPixels().height() * twipsPerPixel())); }
int px(double twips) { return static_cast<int>(std::lround(twips / twipsPerPixel())); }

void setSizeOverride(int widthPx, int heightPx) {
    g_overrideW = widthPx;
    g_overrideH = heightPx;
}

void setMousePointer(int pointer) {
    if (pointer == g_pointer)
        return;
    if (g_pointer != kArrow)
        QGuiApplication::restoreOverrideCursor();
    g_pointer = pointer;
    if (pointer == kCrossHair)
        QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    else if (pointer == kNoDrop)
        QGuiApplication::setOverrideCursor(Qt::ForbiddenCursor);
    else if (pointer != kArrow)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
}

int mousePointer() { return g_pointer; }

void place(QWidget *w, double left, double top, double width, double height) {
    w->setGeometry(px(left), px(top), std::max(px(width), 1), std::max(px(height), 1));
}

int pointerFor(MousePointer p) {
    return p == MousePointer::CrossHair ? kCrossHair : p == MousePointer::NoDrop ? kNoDrop : kArrow;
}

} // namespace varelo::Screen
