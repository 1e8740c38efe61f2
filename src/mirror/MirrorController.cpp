#include "mirror/MirrorController.h"

#include "core/NumRules.h"
#include "core/ObjectBundles.h"
#include "core/Texts.h"
#include "mirror/MirrorScene.h"

#include <algorithm>
#include <cmath>

namespace varelo {

namespace {
// What a change of the element, the options or the view asks for.
MirrorUpdate WholePicture() {
    MirrorUpdate u;
    u.layers = kFullRedraw;
    return u;
}

// Where new object points appear in the start view; zoomed in, nearer the mirror.
constexpr float kNewObjectX = -1600, kNewObjectY = -750;
// The pointer shows the cross while the right button drags this near the object point.
constexpr float kGrabDistance = 100;
} // namespace

MirrorUpdate MirrorController::moveObjectTo(float x, float y) {
    MirrorUpdate u;
    // The object stays in front of the mirror's plane.
    if (!(x < 0))
        return u;
    scene_.moveCurrentTo(x, y);
    u.objectMoved = true;
    u.layers = kFullRedraw;
    return u;
}

MirrorUpdate MirrorController::mouseDown(int button, float x, float y, bool markerTool) {
    MirrorUpdate u;
    if (button == 1 && markerTool) {
        u.toMarkers = true;
    } else if (button == 1) {
        scene_.aimTrial(x, y);
        u.layers = Layer::Live;
    } else if (button == 2) {
        u = moveObjectTo(x, y);
    }
    return u;
}

MirrorUpdate MirrorController::mouseMove(int button, float x, float y, bool markerTool) {
    // Near where the point was before this move.
    const bool near = std::fabs(scene_.currentX() - x) < kGrabDistance &&
                      std::fabs(scene_.currentY() - y) < kGrabDistance;
    MirrorUpdate u;
    if (button == 1 && markerTool) {
        u.toMarkers = true;
    } else if (button == 1) {
        if (scene_.trialActive) {
            scene_.aimTrial(x, y);
            u.layers = Layer::Live;
        }
    } else if (button == 2) {
        u = moveObjectTo(x, y);
    }
    u.pointer = button == 2 && near ? MousePointer::CrossHair : MousePointer::Arrow;
    return u;
}

MirrorUpdate MirrorController::mouseUp(int button, float, float, bool markerTool) {
    MirrorUpdate u;
    u.pointer = MousePointer::Arrow;
    if (button == 1 && markerTool) {
        u.toMarkers = true;
    } else if (button == 1 && scene_.trialActive) {
        scene_.endTrial();
        const bool met = scene_.trialHasHit;
        if (met && !scene_.storeRay(scene_.hitX, scene_.hitY))
            u.message = kTooManyRays;
        u.layers = kFullRedraw;
    }
    return u;
}

MirrorUpdate MirrorController::dropLive() {
    scene_.endTrial();
    return WholePicture();
}

void MirrorController::curvaturePressed() { scene_.pressCurvature(); }

MirrorUpdate MirrorController::curvatureBar(int value, bool dragging) {
    scene_.setCurvature(-std::clamp(value, -kCurvatureBarEnd, kCurvatureBarEnd), dragging);
    MirrorUpdate u;
    u.radiusChanged = u.diameterChanged = true;
    u.layers = kFullRedraw;
    return u;
}

MirrorUpdate MirrorController::apertureBar(int value) {
    scene_.setHalfAperture(static_cast<float>(std::clamp(value, kApertureBarMin, kApertureBarMax)));
    MirrorUpdate u;
    u.diameterChanged = true;
    u.layers = kFullRedraw;
    return u;
}

MirrorUpdate MirrorController::options(bool extendReflected, bool dottedReflected, bool drawNormals) {
    scene_.extendReflected = extendReflected;
    scene_.dottedReflected = dottedReflected;
    scene_.drawNormals = drawNormals;
    return WholePicture();
}

MirrorUpdate MirrorController::viewChanged(float zoomFactor, float panX, float panY) {
    scene_.zoomFactor = zoomFactor;
    scene_.panX = panX;
    scene_.panY = panY;
    return WholePicture();
}

MirrorUpdate MirrorController::stepObject(ObjectStep step) {
    bool moved = false;
    switch (step) {
    case ObjectStep::Left: moved = scene_.moveAwayFromElement(); break;
    // 0.9 x stays negative: the mirror's plane is never reached.
    case ObjectStep::Right: moved = scene_.moveTowardsElement(0); break;
    case ObjectStep::Up: moved = scene_.moveUp(); break;
    case ObjectStep::Down: moved = scene_.moveDown(); break;
    }
    MirrorUpdate u;
    if (moved) {
        u.objectMoved = true;
        u.layers = kFullRedraw;
    }
    return u;
}

MirrorUpdate MirrorController::newObject() {
    MirrorUpdate u;
    if (!scene_.addObject(kNewObjectX / scene_.zoomFactor, kNewObjectY / scene_.zoomFactor)) {
        u.message = kTooManyObjects;
        return u;
    }
    u.objectsChanged = true;
    u.hint = kMoveNewObjectHint;
    u.newObjectPoint = true;
    return u;
}

MirrorUpdate MirrorController::clearBundle() {
    scene_.clearCurrent();
    MirrorUpdate u;
    u.objectsChanged = true;
    u.layers = kFullRedraw;
    return u;
}

MirrorUpdate MirrorController::startAgain() {
    scene_.restart(kNewObjectX / scene_.zoomFactor, kNewObjectY / scene_.zoomFactor);
    scene_.markers.clearPointsAndEyes();
    MirrorUpdate u;
    u.objectsChanged = true;
    u.layers = Layer::Clear | Layer::Element | Layer::Bundles;
    return u;
}

MirrorUpdate MirrorController::undo() {
    MirrorUpdate u;
    // Nothing is taken back or brought back while a ray is dragged.
    if (!scene_.trialActive && scene_.takeBackRay())
        u.layers = kFullRedraw;
    return u;
}

MirrorUpdate MirrorController::redo() {
    MirrorUpdate u;
    if (!scene_.trialActive && scene_.redoRay())
        u.layers = kFullRedraw;
    return u;
}

MirrorUpdate MirrorController::sceneReplaced() const {
    MirrorUpdate u;
    u.objectsChanged = u.objectMoved = true;
    if (scene_.objectCount > 1)
        u.hint = kMoveNewObjectHint;
    u.layers = kFullRedraw;
    return u;
}

namespace {
constexpr char kWindow[] = "varelo::frmSpieg";
} // namespace

std::string MirrorController::radiusText() const {
    const MirrorParams &m = scene_.mirror;
    return m.curvature != 0 ? ShownLength(m.mirrorRadius) : " " + Tr(kWindow, QT_TRANSLATE_NOOP("varelo::frmSpieg", "plan"));
}

std::string MirrorController::diameterText() const { return ShownLength(2 * scene_.mirror.halfAperture); }

std::string MirrorController::objectXText() const {
    return Tr(kWindow, QT_TRANSLATE_NOOP("varelo::frmSpieg", "x=")) + ShownLength(scene_.currentX());
}

std::string MirrorController::objectYText() const {
    return Tr(kWindow, QT_TRANSLATE_NOOP("varelo::frmSpieg", "y=")) + ShownHeight(scene_.currentY());
}

std::string MirrorController::objectNumberText() const { return "   " + NumText(int(scene_.objectCount)); }

std::string MirrorController::pointerXText(float x) {
    return Tr(kWindow, QT_TRANSLATE_NOOP("varelo::frmSpieg", "x = ")) + ShownLength(x);
}

std::string MirrorController::pointerYText(float y) {
    return Tr(kWindow, QT_TRANSLATE_NOOP("varelo::frmSpieg", "y = ")) + ShownHeight(y);
}

} // namespace varelo
