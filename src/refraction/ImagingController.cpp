#include "refraction/ImagingController.h"

#include "refraction/ImagingOptics.h"
#include "refraction/ImagingScene.h"

#include <limits>

namespace varelo {

namespace {
// The eye stays in the upper medium, at least this far above the interface.
constexpr float kEyeLowest = -50;
// Above this depth a single object point is refused at the press, and a dragged point
// does not follow; a press above kPressedLowest or a drag above kObjectLowest puts the point
// at kObjectLowest, where its bundle still fits between it and the interface.
constexpr float kObjectHighest = 10, kPressedLowest = 100, kObjectLowest = 50;
// A drag of the right button above this height shows that the point cannot follow.
constexpr float kDragRefused = -10;

ImagingUpdate Redraw(Layers layers) {
    ImagingUpdate u;
    u.layers = layers;
    return u;
}
} // namespace

ImagingUpdate ImagingController::dragEye(float x, float y) {
    ImagingUpdate u;
    if (y > kEyeLowest) {
        u.screenPointer = MousePointer::NoDrop;
        return u;
    }
    scene_.drag = ImagingScene::Drag::Eye;
    scene_.dragX = x;
    scene_.dragY = y;
    u.screenPointer = MousePointer::CrossHair;
    u.layers = Layer::Live;
    return u;
}

ImagingUpdate ImagingController::dragObject(float x, float y, float lowest) {
    if (scene_.rasterOn) {
        x = SnapToRaster(x);
        y = SnapToRaster(y);
    }
    if (y < lowest)
        y = kObjectLowest;
    scene_.drag = ImagingScene::Drag::Object;
    scene_.dragX = x;
    scene_.dragY = y;
    ImagingUpdate u = Redraw(Layer::Live);
    u.screenPointer = MousePointer::CrossHair;
    return u;
}

ImagingUpdate ImagingController::mouseDown(int button, float x, float y) {
    if (button == 1)
        return dragEye(x, y);
    if (button != 2)
        return {};
    if (!scene_.rowMode && y < kObjectHighest) {
        ImagingUpdate u;
        u.pointer = MousePointer::NoDrop;
        return u;
    }
    // A row point may lie anywhere, above the interface too.
    return dragObject(x, y, scene_.rowMode ? std::numeric_limits<float>::lowest() : kPressedLowest);
}

ImagingUpdate ImagingController::mouseMove(int button, float x, float y) {
    if (button == 1)
        return dragEye(x, y);
    ImagingUpdate u;
    if (button != 2)
        return u;
    // Dragged, a row point too stays below the interface.
    if (y >= kObjectHighest)
        return dragObject(x, y, kObjectLowest);
    if (y < kDragRefused)
        u.screenPointer = MousePointer::NoDrop;
    return u;
}

ImagingUpdate ImagingController::mouseUp(int button, float, float) {
    using Drag = ImagingScene::Drag;
    ImagingUpdate u = Redraw(kFullRedraw);
    u.pointer = u.screenPointer = MousePointer::Arrow;
    if (button == 1 && scene_.drag == Drag::Eye) {
        scene_.eyeX = scene_.dragX;
        scene_.eyeY = scene_.dragY;
    } else if (button == 2 && scene_.drag == Drag::Object) {
        if (!scene_.rowMode)
            scene_.placeSingleObject(scene_.dragX, scene_.dragY);
        else if (!scene_.addRowPoint(scene_.dragX, scene_.dragY))
            u.message = kTooManyRowPoints;
    }
    scene_.drag = Drag::None;
    // A placement brings the bundle back in the point-row mode; a refused one does not.
    if ((button == 1 || button == 2) && !u.message)
        scene_.bundleInRowMode = true;
    return u;
}

ImagingUpdate ImagingController::dropLive() {
    scene_.drag = ImagingScene::Drag::None;
    ImagingUpdate u = Redraw(kFullRedraw);
    u.screenPointer = MousePointer::Arrow;
    return u;
}

ImagingUpdate ImagingController::indexBar(int value) {
    scene_.relIndex = value / 100.0f;
    // In the point-row mode the row shows alone until the next placement.
    scene_.bundleInRowMode = false;
    ImagingUpdate u = Redraw(kFullRedraw);
    u.indexChanged = true;
    return u;
}

ImagingUpdate ImagingController::raster(bool on) {
    scene_.rasterOn = on;
    // On, the dots go over the picture; off, they are erased in white.
    ImagingUpdate u = Redraw(on ? Layers{Layer::Raster} : 0);
    u.eraseRaster = !on;
    return u;
}

ImagingUpdate ImagingController::rowMode(bool rows) {
    // The picture changes with the next placement or index.
    scene_.rowMode = rows;
    return {};
}

ImagingUpdate ImagingController::clearRow() {
    scene_.clearRow();
    ImagingUpdate u = Redraw(Layer::Clear | Layer::Element | Layer::Markers | Layer::Raster);
    u.objectDot = true;
    return u;
}

ImagingUpdate ImagingController::undo() {
    // Nothing is taken back or brought back while the eye or a point is dragged.
    const bool idle = scene_.drag == ImagingScene::Drag::None;
    return Redraw(idle && scene_.takeBackRowPoint() ? kFullRedraw : 0);
}

ImagingUpdate ImagingController::redo() {
    const bool idle = scene_.drag == ImagingScene::Drag::None;
    return Redraw(idle && scene_.redoRowPoint() ? kFullRedraw : 0);
}

ImagingUpdate ImagingController::sceneReplaced() const {
    ImagingUpdate u = Redraw(kFullRedraw);
    u.indexChanged = true;
    return u;
}

} // namespace varelo
