#include "refraction/RayPathController.h"

#include "refraction/RayPathScene.h"

namespace varelo {

namespace {
// The window's whole picture: the interface, P with its rays, and the markers.
constexpr Layers kPicture = Layer::Clear | kRayPathPicture;

RayPathUpdate Redraw(Layers layers) {
    RayPathUpdate u;
    u.layers = layers;
    return u;
}
} // namespace

RayPathUpdate RayPathController::mouseDown(int button, float x, float y) {
    using P = RayPathScene::Pending;
    const bool point = armed(PathTool::Point), eye = armed(PathTool::Eye);
    RayPathUpdate u;
    if (button == 1 && !point && !eye && !armed(PathTool::Protractor)) {
        rayDrag_ = true;
        scene_.aimPreview(x, y);
        u.layers = Layer::Live;
    } else if (button == 1) {
        // The point comes before the eye, either before the protractor.
        const P kind = point ? P::Point : eye ? P::Eye : P::None;
        if (!scene_.beginMark(kind, x, y)) {
            // The full kind's tool goes with the refusal.
            release(point ? PathTool::Point : PathTool::Eye);
            u.toolsChanged = true;
            u.message = point ? kTooManyPathPoints : kTooManyPathEyes;
            return u;
        }
        markPress_ = true;
        if (scene_.pending == P::None) {
            // The protractor is set down at the press.
            scene_.placeProtractor(x);
            release(PathTool::Protractor);
            u.toolsChanged = true;
        }
        u.layers = Layer::Live;
    } else if (button == 2) {
        scene_.moveObject(x, y);
        u.layers = kPicture;
    }
    return u;
}

RayPathUpdate RayPathController::mouseMove(int button, float x, float y) {
    RayPathUpdate u;
    // The cross shows where the right button would take P (near where it was).
    u.pointer = !(button & 1) && scene_.nearObject(x, y) ? MousePointer::CrossHair
                                                         : MousePointer::Arrow;
    if (button == 1 && rayDrag_) {
        scene_.aimPreview(x, y);
        u.layers = Layer::Live;
    } else if (button == 1 && markPress_ && scene_.pending != RayPathScene::Pending::None) {
        scene_.movePending(x, y);
        u.layers = Layer::Live;
    } else if (button == 2) {
        scene_.moveObject(x, y);
        u.layers = kPicture;
    }
    return u;
}

RayPathUpdate RayPathController::mouseUp(int button, float x, float y) {
    RayPathUpdate u;
    if (button == 1 && rayDrag_) {
        rayDrag_ = false;
        if (!scene_.endPreview())
            u.message = kTooManyPathRays;
    } else if (button == 1 && markPress_) {
        markPress_ = false;
        if (scene_.placePending(x, y)) {
            release(PathTool::Point);
            release(PathTool::Eye);
            u.toolsChanged = true;
        }
    }
    // Whatever was previewed, the picture is the stored scene again.
    u.layers = kPicture;
    u.screenPointer = MousePointer::Arrow;
    return u;
}

RayPathUpdate RayPathController::dropLive() {
    rayDrag_ = markPress_ = false;
    scene_.previewActive = scene_.previewValid = false;
    scene_.pending = RayPathScene::Pending::None;
    return Redraw(kPicture);
}

RayPathUpdate RayPathController::toolClicked(PathTool tool) {
    int16_t &mode = armed_[static_cast<int>(tool)];
    mode = mode ? 0 : 1;
    RayPathUpdate u;
    u.toolsChanged = true;
    if (mode) {
        // Point and eye exclude each other; an armed tool shows the cross.
        if (tool == PathTool::Point)
            release(PathTool::Eye);
        else if (tool == PathTool::Eye)
            release(PathTool::Point);
        u.screenPointer = MousePointer::CrossHair;
    }
    return u;
}

RayPathUpdate RayPathController::diagramSymbolPressed() {
    diagramFramed_ = !diagramFramed_;
    scene_.diagramOn = diagramFramed_ ? 1 : 0;
    RayPathUpdate u = Redraw(kRayPathPicture);
    u.toolsChanged = true;
    u.diagram = diagramFramed_ ? DiagramChange::Shown : DiagramChange::Hidden;
    return u;
}

RayPathUpdate RayPathController::diagramPressed(int button) {
    RayPathUpdate u;
    if (button == 1 && !diagramFramed_)
        u.diagram = DiagramChange::Reading;
    diagramFramed_ = false;
    scene_.diagramOn = 1;
    u.toolsChanged = true;
    return u;
}

RayPathUpdate RayPathController::indexBar(int value) {
    scene_.setRelIndex(value / 100.0f);
    RayPathUpdate u = Redraw(kPicture);
    u.indexChanged = true;
    if (scene_.diagramOn)
        u.diagram = DiagramChange::Redrawn;
    return u;
}

RayPathUpdate RayPathController::options(bool refracted, bool extendRefracted, bool reflected,
                                         bool extendReflected, bool normals) {
    scene_.setRayOptions(refracted, extendRefracted, reflected, extendReflected, normals);
    return Redraw(kPicture);
}

RayPathUpdate RayPathController::clearRays() {
    scene_.clearRays();
    return Redraw(kPicture);
}

RayPathUpdate RayPathController::clearMarkers() {
    scene_.clearMarkers();
    RayPathUpdate u = Redraw(kPicture);
    u.diagram = DiagramChange::Hidden;
    return u;
}

RayPathUpdate RayPathController::undo() {
    // Nothing is taken back or brought back while a ray is dragged.
    return Redraw(!rayDrag_ && scene_.takeBackRay() ? kPicture : 0);
}

RayPathUpdate RayPathController::redo() {
    return Redraw(!rayDrag_ && scene_.redoRay() ? kPicture : 0);
}

RayPathUpdate RayPathController::viewChanged() const {
    RayPathUpdate u = Redraw(kPicture);
    if (scene_.diagramOn)
        u.diagram = DiagramChange::Redrawn;
    return u;
}

RayPathUpdate RayPathController::sceneReplaced() {
    for (int16_t &mode : armed_)
        mode = 0;
    rayDrag_ = markPress_ = false;
    diagramFramed_ = scene_.diagramOn != 0;
    RayPathUpdate u = Redraw(kPicture);
    u.toolsChanged = u.indexChanged = true;
    u.screenPointer = MousePointer::Arrow;
    u.diagram = diagramFramed_ ? DiagramChange::Shown : DiagramChange::Hidden;
    return u;
}

} // namespace varelo
