#include "lens/LensController.h"

#include "core/NumRules.h"
#include "core/ObjectBundles.h"
#include "core/Texts.h"
#include "lens/LensScene.h"

#include <cmath>

namespace varelo {

namespace {
// How a plane radius reads in its box; a loaded preset writes it without the blank.
constexpr char kPlane[] = QT_TRANSLATE_NOOP("varelo::frmLins", " plan");
constexpr char kPlaneOfPreset[] = QT_TRANSLATE_NOOP("varelo::frmLins", "plan");
// The pointer shows the cross while the right button drags this near the object point.
constexpr float kGrabDistance = 100;

LensUpdate WholePicture() {
    LensUpdate u;
    u.layers = kFullRedraw;
    return u;
}

// A bar changed the lens by hand: its diameter may be limited anew, and no preset is shown.
LensUpdate LensByBar() {
    LensUpdate u = WholePicture();
    u.diameterChanged = true;
    u.highlight = 0;
    return u;
}

// A whole new lens (a preset, a lesson): every parameter, and the graph follows the index.
LensUpdate WholeLens(const char *plane) {
    LensUpdate u = WholePicture();
    u.r1Changed = u.r2Changed = u.thicknessChanged = u.diameterChanged = u.indexChanged = true;
    u.plane = plane;
    u.graphChanged = true;
    return u;
}
} // namespace

LensUpdate LensController::moveObjectTo(float x, float y) {
    LensUpdate u;
    if (!scene_.moveObject(x, y))
        return u;
    u.objectXChanged = u.objectYChanged = true;
    u.layers = kFullRedraw;
    return u;
}

LensUpdate LensController::mouseDown(int button, float x, float y, bool markerTool,
                                     bool protractorTool) {
    LensUpdate u;
    if (button == 1 && markerTool) {
        u.toMarkers = true;
    } else if (button == 1 && protractorTool) {
        // An eleventh is not placed; the click only ends the mode.
        u.newProtractor = scene_.placeProtractor(x, y);
        u.protractorDone = true;
        u.pointer = MousePointer::Arrow;
    } else if (button == 1) {
        scene_.aimTrial(x, y);
        u.layers = Layer::Live;
    } else if (button == 2) {
        u = moveObjectTo(x, y);
    }
    return u;
}

LensUpdate LensController::mouseMove(int button, float x, float y, bool markerTool) {
    // Near where the point was before this move.
    const bool near = std::fabs(scene_.currentX() - x) < kGrabDistance &&
                      std::fabs(scene_.currentY() - y) < kGrabDistance;
    LensUpdate u;
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

LensUpdate LensController::mouseUp(int button, float, float, bool markerTool) {
    LensUpdate u;
    u.pointer = MousePointer::Arrow;
    // One click places one protractor: any release disarms the tool.
    u.protractorDone = true;
    if (button == 1 && markerTool) {
        u.toMarkers = true;
    } else if (button == 1 && scene_.trialActive) {
        scene_.endTrial();
        // Only a ray that meets the left surface's sphere or plane is stored.
        if (scene_.trialHasEntry && !scene_.storeRay(scene_.entryX, scene_.entryY))
            u.message = kTooManyRays;
        u.layers = kFullRedraw;
    }
    return u;
}

LensUpdate LensController::dropLive() {
    scene_.endTrial();
    return WholePicture();
}

void LensController::lensBarPressed() { diameterAtPress_ = scene_.lens.semiDiameter; }

LensUpdate LensController::rightRadiusBar(int value, bool dragging) {
    scene_.setRightCurvature(value, dragging ? diameterAtPress_ : 0);
    LensUpdate u = LensByBar();
    u.r1Changed = true;
    u.plane = kPlane;
    return u;
}

LensUpdate LensController::leftRadiusBar(int value, bool dragging) {
    scene_.setLeftCurvature(-value, dragging ? diameterAtPress_ : 0);
    LensUpdate u = LensByBar();
    u.r2Changed = true;
    u.plane = kPlane;
    return u;
}

LensUpdate LensController::thicknessBar(int value, bool dragging) {
    const bool pushed =
        scene_.setThickness(static_cast<float>(value), dragging ? diameterAtPress_ : 0);
    LensUpdate u = LensByBar();
    u.thicknessChanged = true;
    u.objectXChanged = u.objectYChanged = pushed;
    return u;
}

LensUpdate LensController::diameterBar(int value) {
    scene_.setSemiDiameter(static_cast<float>(value));
    return LensByBar();
}

LensUpdate LensController::indexBar(int value) {
    scene_.setRefrIndex(value / 100.0f);
    LensUpdate u = WholePicture();
    u.indexChanged = u.graphChanged = true;
    u.highlight = 0;
    return u;
}

LensUpdate LensController::options(const LensRayOptions &o) {
    scene_.showTransmitted = o.transmitted;
    scene_.extendTransmitted = o.extendTransmitted;
    scene_.showFront = o.front;
    scene_.extendFront = o.extendFront;
    scene_.showBack = o.back;
    scene_.extendBack = o.extendBack;
    scene_.showNormals = o.normals;
    return WholePicture();
}

LensUpdate LensController::presetField(int i, int button) {
    LensUpdate u;
    if (i < 1 || i > LensScene::kPresets)
        return u;
    if (button == 2) {
        scene_.storePreset(i);
        u.storedPreset = i;
    } else if (button == 1) {
        const bool pushed = scene_.loadPreset(i);
        u = WholeLens(kPlaneOfPreset);
        u.objectXChanged = u.objectYChanged = pushed;
        u.highlight = i;
    }
    return u;
}

LensUpdate LensController::viewChanged(float zoomFactor, float panX, float panY) {
    scene_.zoomFactor = zoomFactor;
    scene_.panX = panX;
    scene_.panY = panY;
    return WholePicture();
}

LensUpdate LensController::stepObject(ObjectStep step) {
    // Each arrow rewrites its own coordinate, also when the step is refused.
    LensUpdate u;
    bool moved = false;
    switch (step) {
    case ObjectStep::Left:
        moved = scene_.moveAwayFromElement();
        u.objectXChanged = true;
        break;
    case ObjectStep::Right:
        moved = scene_.moveTowardsLens();
        u.objectXChanged = true;
        break;
    case ObjectStep::Up:
        moved = scene_.moveUp();
        u.objectYChanged = true;
        break;
    case ObjectStep::Down:
        moved = scene_.moveDown();
        u.objectYChanged = true;
        break;
    }
    if (moved)
        u.layers = kFullRedraw;
    return u;
}

LensUpdate LensController::newObject() {
    LensUpdate u;
    const float zf = scene_.zoomFactor;
    if (!scene_.addObject(scene_.newObjectX(zf), scene_.newObjectY(zf))) {
        u.message = kTooManyObjects;
        return u;
    }
    u.objectsChanged = true;
    u.hint = kMoveNewObjectHint;
    u.newObjectPoint = true;
    return u;
}

LensUpdate LensController::clearBundle() {
    scene_.clearCurrent();
    LensUpdate u = WholePicture();
    u.objectsChanged = true;
    return u;
}

LensUpdate LensController::startAgain() {
    scene_.startAgain(scene_.zoomFactor);
    scene_.graphOn = 0;
    LensUpdate u;
    u.objectsChanged = u.graphChanged = true;
    u.layers = Layer::Clear | Layer::Element | Layer::Bundles;
    return u;
}

LensUpdate LensController::undo() {
    LensUpdate u;
    // Nothing is taken back or brought back while a ray is dragged.
    if (!scene_.trialActive && scene_.takeBackRay())
        u.layers = kFullRedraw;
    return u;
}

LensUpdate LensController::redo() {
    LensUpdate u;
    if (!scene_.trialActive && scene_.redoRay())
        u.layers = kFullRedraw;
    return u;
}

LensUpdate LensController::angleGraph() {
    scene_.graphOn = scene_.graphOn ? 0 : 1;
    LensUpdate u;
    u.graphChanged = true;
    // The bundles are replayed over the present picture.
    u.layers = Layer::Bundles | Layer::Markers;
    return u;
}

LensUpdate LensController::clearMarks() {
    scene_.protractorCount = 0;
    scene_.graphOn = 0;
    LensUpdate u;
    u.graphChanged = true;
    return u;
}

LensUpdate LensController::sceneReplaced() const {
    LensUpdate u = WholeLens(kPlane);
    u.objectXChanged = u.objectYChanged = u.objectsChanged = true;
    if (scene_.objectCount > 1)
        u.hint = kMoveNewObjectHint;
    u.highlight = 0;
    return u;
}

namespace {
std::string RadiusText(int k, float r, const char *plane) {
    return k != 0 ? ShownLength(r) : plane ? Tr(kLensWindowContext, plane) : std::string();
}
} // namespace

std::string LensController::rightRadiusText(const char *plane) const {
    return RadiusText(scene_.lens.k1, scene_.lens.r1, plane);
}

std::string LensController::leftRadiusText(const char *plane) const {
    return RadiusText(scene_.lens.k2, scene_.lens.r2, plane);
}

std::string LensController::thicknessText() const { return ShownLength(scene_.lens.thickness); }
std::string LensController::diameterText() const { return ShownLength(2 * scene_.lens.semiDiameter); }
std::string LensController::indexText() const { return NumText(scene_.lens.refrIndex); }

std::string LensController::objectXText() const {
    return Tr(kLensWindowContext, QT_TRANSLATE_NOOP("varelo::frmLins", "x=")) +
           ShownLength(scene_.shownX(scene_.currentX()));
}

std::string LensController::objectYText() const {
    return Tr(kLensWindowContext, QT_TRANSLATE_NOOP("varelo::frmLins", "y=")) + ShownHeight(scene_.currentY());
}

std::string LensController::objectNumberText(bool withHint) const {
    return (withHint ? " " : "   ") + NumText(int(scene_.objectCount));
}

std::string LensController::pointerXText(float x) const {
    return Tr(kLensWindowContext, QT_TRANSLATE_NOOP("varelo::frmLins", "x = ")) + ShownLength(scene_.shownX(x));
}

std::string LensController::pointerYText(float y) {
    return Tr(kLensWindowContext, QT_TRANSLATE_NOOP("varelo::frmLins", "y = ")) + ShownHeight(y);
}

std::string LensController::graphCaption() const {
    return Tr(kLensWindowContext, QT_TRANSLATE_NOOP("varelo::frmLins", "Einfalls- und Brechungswinkel für n = ")) +
           NumText(scene_.lens.refrIndex);
}

} // namespace varelo
