#pragma once
// The screen as the windows see it: its size in twips, twips per pixel and the
// application-wide mouse pointer.
#include "core/ControllerTypes.h"

class QWidget;

namespace varelo {
// Height of a window's title bar and borders: the classic sizes count the outer window,
// Qt sizes the client area.
constexpr double kWindowFrameTwips = 465;
} // namespace varelo

namespace varelo::Screen {

int widthTwips();
int heightTwips();
double twipsPerPixel();
int px(double twips); // twips to device pixels

// Pretend a screen of this pixel size at 96 dpi (tests and snapshots); 0 clears it.
void setSizeOverride(int widthPx, int heightPx);

// Application-wide pointer, numbered as the classic pointers were.
enum Pointer : int { kArrow = 0, kCrossHair = 2, kNoDrop = 12 };
void setMousePointer(int pointer);
// The pointer a controller asks for (Unchanged counts as the arrow).
int pointerFor(MousePointer p);
int mousePointer();

// Places a widget with left, top, width and height given in twips.
void place(QWidget *w, double left, double top, double width, double height);

} // namespace varelo::Screen
