#pragma once
// What the ray-path window's events do to its scene, without Qt: rays dragged from P, P
// moved by the right button, the point, eye and protractor tools and the angle diagram.
// Events come in world coordinates; each answer says what the window has to show again.
#include "refraction/RefractionUpdate.h"

#include <cstdint>

namespace varelo {

class RayPathScene;

// The refusals at the capacities, in the window's translation context.
inline constexpr char kRayPathTextContext[] = "varelo::frmBre1";
inline constexpr char kTooManyPathRays[] =
    QT_TRANSLATE_NOOP("varelo::frmBre1", "Nur 100 Strahlen möglich");
inline constexpr char kTooManyPathPoints[] =
    QT_TRANSLATE_NOOP("varelo::frmBre1", "Nur 20 Punkte möglich");
inline constexpr char kTooManyPathEyes[] =
    QT_TRANSLATE_NOOP("varelo::frmBre1", "Nur 20 Augen möglich");
// The index boxes in the picture and the angle diagram's caption, an index following.
inline constexpr char kPathIndexIs[] = QT_TRANSLATE_NOOP("varelo::frmBre1", "n = ");
inline constexpr char kPathIndexOne[] = QT_TRANSLATE_NOOP("varelo::frmBre1", "n = 1 ");
inline constexpr char kDiagramCaption[] =
    QT_TRANSLATE_NOOP("varelo::frmBre1", "Einfalls- und Brechungswinkel für n = ");

enum class PathTool { Point, Eye, Protractor };

// What becomes of the angle diagram's own picture.
enum class DiagramChange {
    None,
    Shown, // placed beside the scene, captioned and drawn
    Hidden,
    Redrawn, // captioned and drawn anew; earlier readings vanish
    Reading, // the reading lines at the press on it
};

struct RayPathUpdate : RefractionUpdate {
    bool toolsChanged = false; // the frames of the tool symbols and of the diagram symbol
    DiagramChange diagram = DiagramChange::None;
};

class RayPathController {
public:
    explicit RayPathController(RayPathScene &scene) : scene_(scene) {}

    // Button 1 is the left, 2 the right, 3 both; 0 a move without a button.
    RayPathUpdate mouseDown(int button, float x, float y);
    RayPathUpdate mouseMove(int button, float x, float y);
    RayPathUpdate mouseUp(int button, float x, float y);
    // A touch held still: the previewed ray or mark goes unstored.
    RayPathUpdate dropLive();

    // A tool symbol clicked: the tool is armed, or released when it was.
    RayPathUpdate toolClicked(PathTool tool);
    // The diagram symbol pressed: the diagram shows, or goes while the symbol is framed.
    RayPathUpdate diagramSymbolPressed();
    // A press on the diagram; the first one after it showed only takes the frame away.
    RayPathUpdate diagramPressed(int button);

    RayPathUpdate indexBar(int value); // the bar's value is 100 n
    RayPathUpdate options(bool refracted, bool extendRefracted, bool reflected,
                          bool extendReflected, bool normals);
    RayPathUpdate clearRays();    // "Strahlen löschen"
    RayPathUpdate clearMarkers(); // "Markierungen löschen"
    RayPathUpdate undo();
    RayPathUpdate redo();
    // A view option changed: the diagram is drawn in the new look too.
    RayPathUpdate viewChanged() const;
    // A lesson replaced the scene: no tool armed, the diagram as the lesson has it.
    RayPathUpdate sceneReplaced();

    // 1 while the tool is armed (its symbol framed).
    const int16_t &armed(PathTool tool) const { return armed_[static_cast<int>(tool)]; }
    bool diagramFramed() const { return diagramFramed_; }

private:
    void release(PathTool tool) { armed_[static_cast<int>(tool)] = 0; }

    RayPathScene &scene_;
    int16_t armed_[3] = {};
    bool diagramFramed_ = false;
    bool rayDrag_ = false;   // a left press without a tool started a ray
    bool markPress_ = false; // a left press placed or is placing a mark
};

} // namespace varelo
