#pragma once
// What the mirror window's events do to its scene, without Qt, so that any front-end can
// drive the same rules: events come in world coordinates, and each returns what the
// front-end has to show again.
#include "core/ControllerTypes.h"
#include "core/Scene.h"

#include <string>

namespace varelo {

class MirrorScene;

struct MirrorUpdate {
    Layers layers = 0;            // to redraw; none when 0
    bool newObjectPoint = false;  // only the new object point, drawn onto the kept picture
    // Texts in the context kBundleTextContext, for the front-end to translate.
    const char *message = nullptr; // a refusal, shown after the redraw
    const char *hint = nullptr;    // the new text of the hint in the picture
    bool objectMoved = false;      // the current object point's position
    bool objectsChanged = false;   // the number of object points
    bool radiusChanged = false;
    bool diameterChanged = false;
    bool toMarkers = false;        // the left button belongs to the armed marker tool
    MousePointer pointer = MousePointer::Unchanged;
};

// The curvature bar's and the aperture bar's ranges; a value outside is taken at the end.
inline constexpr int kCurvatureBarEnd = 36;
inline constexpr int kApertureBarMin = 10, kApertureBarMax = 1000;

class MirrorController {
public:
    explicit MirrorController(MirrorScene &scene) : scene_(scene) {}

    // Button 1 is the left, 2 the right; markerTool says a marker tool is armed.
    MirrorUpdate mouseDown(int button, float x, float y, bool markerTool);
    MirrorUpdate mouseMove(int button, float x, float y, bool markerTool);
    MirrorUpdate mouseUp(int button, float x, float y, bool markerTool);
    // A touch held still: the ray being aimed goes unstored.
    MirrorUpdate dropLive();

    // The curvature bar's value (its right end is the most concave), and whether its
    // slider is held.
    void curvaturePressed();
    MirrorUpdate curvatureBar(int value, bool dragging);
    MirrorUpdate apertureBar(int value);
    MirrorUpdate options(bool extendReflected, bool dottedReflected, bool drawNormals);
    MirrorUpdate viewChanged(float zoomFactor, float panX, float panY);
    MirrorUpdate stepObject(ObjectStep step);

    MirrorUpdate newObject();   // "Neues Objekt"
    MirrorUpdate clearBundle(); // "Aktuelles Bündel löschen"
    MirrorUpdate startAgain();  // "Neu beginnen"
    MirrorUpdate undo();
    MirrorUpdate redo();
    // A lesson replaced the scene: positions, numbers and the whole picture.
    MirrorUpdate sceneReplaced() const;

    // The shown values as the window's fields show them, translated by Tr.
    std::string radiusText() const;
    std::string diameterText() const;
    std::string objectXText() const;
    std::string objectYText() const;
    std::string objectNumberText() const;
    // The pointer's position under the picture.
    static std::string pointerXText(float x);
    static std::string pointerYText(float y);

private:
    MirrorUpdate moveObjectTo(float x, float y);
    MirrorScene &scene_;
};

} // namespace varelo
