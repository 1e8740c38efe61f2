#pragma once
// What the lens window's events do to its scene, without Qt, so that any front-end can
// drive the same rules (as MirrorController does for the mirror): events come in world
// coordinates, and each returns what the front-end has to show again.
#include "core/ControllerTypes.h"
#include "core/Scene.h"

#include <string>

namespace varelo {

class LensScene;

// The context of the lens window's own texts (the radius boxes' "plan").
inline constexpr char kLensWindowContext[] = "varelo::frmLins";

struct LensUpdate {
    Layers layers = 0;            // to redraw; none when 0
    bool newObjectPoint = false;  // only the new object point, drawn onto the kept picture
    bool newProtractor = false;   // only the newest protractor, drawn onto the kept picture
    // Source texts for the front-end to translate: message and hint in kBundleTextContext,
    // plane in kLensWindowContext.
    const char *message = nullptr; // a refusal, shown after the redraw
    const char *hint = nullptr;    // the new text of the hint in the picture
    const char *plane = nullptr;   // how a changed plane radius reads
    // Parameters whose bar and box show a new value.
    bool r1Changed = false, r2Changed = false, thicknessChanged = false;
    bool diameterChanged = false, indexChanged = false;
    // The current object point's x and y boxes: rewritten, also after a refused spin step.
    bool objectXChanged = false, objectYChanged = false;
    bool objectsChanged = false;   // the number of object points
    bool graphChanged = false;     // the graph symbol's face, and the graph as graphOn says
    int highlight = -1;            // the preset field to highlight, 0 none, -1 as it is
    int storedPreset = 0;          // the preset field that now holds the present lens
    bool toMarkers = false;        // the left button belongs to the armed marker tool
    bool protractorDone = false;   // the protractor tool is disarmed
    MousePointer pointer = MousePointer::Unchanged;
};

// The seven ray options, as their check boxes show them.
// The ranges of the lens window's bars and their change amounts; a front-end's bar gives
// only values within them.
struct LensBarRange {
    int min, max, small, large;
};
inline constexpr LensBarRange kRadiusBar{-36, 36, 1, 2}, kThicknessBar{10, 1000, 1, 10}, kDiameterBar{10, 1000, 5, 50},
    kIndexBar{10, 200, 1, 10};

struct LensRayOptions {
    bool transmitted = true, extendTransmitted = false;
    bool front = false, extendFront = false;
    bool back = false, extendBack = false;
    bool normals = false;
};

class LensController {
public:
    explicit LensController(LensScene &scene) : scene_(scene) {}

    // Button 1 is the left, 2 the right; markerTool says a marker tool is armed,
    // protractorTool the protractor (the marker tools come first).
    LensUpdate mouseDown(int button, float x, float y, bool markerTool, bool protractorTool);
    LensUpdate mouseMove(int button, float x, float y, bool markerTool);
    LensUpdate mouseUp(int button, float x, float y, bool markerTool);
    // A touch held still: the ray being aimed goes unstored.
    LensUpdate dropLive();

    // A curvature or thickness bar's slider was pressed: a drag limits the diameter of now.
    void lensBarPressed();
    // The bars' values and whether their slider is held. The left radius bar runs the
    // other way: its value is -k2.
    LensUpdate rightRadiusBar(int value, bool dragging);
    LensUpdate leftRadiusBar(int value, bool dragging);
    LensUpdate thicknessBar(int value, bool dragging);
    LensUpdate diameterBar(int value);
    LensUpdate indexBar(int value); // n in hundredths
    LensUpdate options(const LensRayOptions &o);
    // Preset field i (1 .. 10): button 1 loads it, button 2 (or a touch hold) stores the lens.
    LensUpdate presetField(int i, int button);
    LensUpdate viewChanged(float zoomFactor, float panX, float panY);
    LensUpdate stepObject(ObjectStep step);

    LensUpdate newObject();   // "Neues Objekt"
    LensUpdate clearBundle(); // "Aktuelles Bündel löschen"
    LensUpdate startAgain();  // "Neu beginnen"
    LensUpdate undo();
    LensUpdate redo();
    LensUpdate angleGraph();  // the graph symbol: the graph shown or hidden
    // "Markierungen löschen": the protractors and the graph; the marker tools clear their own.
    LensUpdate clearMarks();
    // A lesson replaced the scene: the lens, positions, numbers and the whole picture.
    LensUpdate sceneReplaced() const;

    // The shown values as the window's fields show them, translated by Tr. A plane
    // surface's radius reads as `plane` says (an update's plane).
    std::string rightRadiusText(const char *plane) const;
    std::string leftRadiusText(const char *plane) const;
    std::string thicknessText() const;
    std::string diameterText() const;
    std::string indexText() const;
    std::string objectXText() const;
    std::string objectYText() const;
    // With the hint after a new object point the number stands one blank in.
    std::string objectNumberText(bool withHint) const;
    // The pointer's position over the picture (x from the lens centre).
    std::string pointerXText(float x) const;
    static std::string pointerYText(float y);
    // The angle graph's caption for the present index.
    std::string graphCaption() const;

private:
    LensUpdate moveObjectTo(float x, float y);
    LensScene &scene_;
    // The diameter when a curvature or thickness slider was pressed.
    float diameterAtPress_ = 0;
};

} // namespace varelo
