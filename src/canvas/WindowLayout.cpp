#include "canvas/WindowLayout.h"

#include "canvas/PictureBox.h"
#include "canvas/Screen.h"

namespace varelo {

void placeWidePicture(PictureBox *picture, double W, double H) {
    double picW = 0.98 * W, picH = 0.5 * picW;
    const double panel = 0.26 * H, scrollH = H / 40;
    if (picH + scrollH + panel > H) {
        picH = H - scrollH - panel;
        picW = 2 * picH;
    }
    Screen::place(picture, 1, 1, picW, picH);
    // Exactly 2:1 in pixels, so that the scale stays isotropic.
    picture->resize(picture->width() & ~1, picture->width() / 2);
    picture->resizeImage(picture->width(), picture->height());
    picture->Scale(-2000, -1000, 2000, 1000);
}

void placeColumnPicture(PictureBox *picture, double W, double H) {
    double picW = 0.75 * W, picH = 0.98 * picW;
    if (picH > 0.98 * H) {
        picH = 0.98 * H;
        picW = picH / 0.98;
    }
    Screen::place(picture, 1, 1, picW, picH);
    picture->resizeImage(picture->width(), picture->height());
    const double ratio = double(picture->height()) / picture->width();
    picture->Scale(-1000, -1000 * ratio, 1000, 1000 * ratio);
}

} // namespace varelo
