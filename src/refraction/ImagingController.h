#pragma once
// What the imaging window's events do to its scene, without Qt: the left button drags the
// eye, the right one the object point or, with "Punktreihen", places row points. Events
// come in world coordinates; each answer says what the window has to show again.
#include "refraction/RefractionUpdate.h"

namespace varelo {

class ImagingScene;

// The refusal at the row's capacity, in the window's translation context.
inline constexpr char kImagingTextContext[] = "varelo::frmBre2";
inline constexpr char kTooManyRowPoints[] =
    QT_TRANSLATE_NOOP("varelo::frmBre2", "Nur 100 Punkte möglich");
// The index boxes in the picture, an index following the first.
inline constexpr char kImgIndexIs[] = QT_TRANSLATE_NOOP("varelo::frmBre2", " n = ");
inline constexpr char kImgIndexOne[] = QT_TRANSLATE_NOOP("varelo::frmBre2", " n = 1 ");

struct ImagingUpdate : RefractionUpdate {
    bool eraseRaster = false; // the raster's dots in white over the picture, nothing redrawn
    bool objectDot = false;   // O over the picture, in either mode
};

class ImagingController {
public:
    explicit ImagingController(ImagingScene &scene) : scene_(scene) {}

    // Button 1 is the left, 2 the right, 3 both.
    ImagingUpdate mouseDown(int button, float x, float y);
    ImagingUpdate mouseMove(int button, float x, float y);
    ImagingUpdate mouseUp(int button, float x, float y);
    // A touch held still: the eye or point being dragged stays where it was.
    ImagingUpdate dropLive();

    ImagingUpdate indexBar(int value); // the bar's value is 100 n
    ImagingUpdate raster(bool on);
    ImagingUpdate rowMode(bool rows); // "Punktreihen" rather than "einzelnen Punkten"
    ImagingUpdate clearRow();         // "Löschen"
    ImagingUpdate undo();
    ImagingUpdate redo();
    // A lesson replaced the scene.
    ImagingUpdate sceneReplaced() const;

private:
    ImagingUpdate dragEye(float x, float y);
    ImagingUpdate dragObject(float x, float y, float lowest);

    ImagingScene &scene_;
};

} // namespace varelo
