#pragma once
// The ray-path window's scene: one object point P on either side of the interface y = 0,
// the stored rays by their hit points, the five ray options, the points, eyes and the
// protractor, the ray being dragged, and the angle graph drawn into the picture.
#include "core/AngleGraph.h"
#include "core/Fields.h"
#include "core/Scene.h"
#include "refraction/RefractionOptics.h"

#include <cstdint>
#include <vector>

namespace varelo {

enum RayPathKind {
    kPathObjectDot,
    kPathInterface, // extent: half its length
    kPathRay,       // incident and refracted rays
    kPathExtension, // backward extensions
    kPathReflected, // (the colour is the ray's grey level, black under total reflection)
    kPathNormal,
    kPathMarkDot,
    kPathEyeCircle,
    kPathPupil,
    kPathScaleDots,    // protractor: every 5 degrees
    kPathScaleDots10,  // every 10 degrees
    kPathScaleGaps,    // the white gaps every 30 degrees
    kPathScaleTicks,   // radial ticks every 30 degrees
    kPathDiameter,     // the diameter along the interface
    kPathDiameterNormal, // the diameter on the normal
    kPathGraphAxis,
    kPathGraphCurve,
    kPathGraphTick5,
    kPathGraphTick10,
    kPathGraphTick30,
    kPathGraphSmallAngle,
    kPathArrow,     // the light's direction on a segment (size: its length)
    kPathAngleText, // the angles at the point of incidence (size: points)
    kPathKindCount
};
// The angle diagram in the window's picture of its own (the browser's too).
constexpr AngleGraphWidths kRayPathDiagramWidths{3, 3, 1, 3, 5, 1};
// What the window's redraw draws: the interface, P with its rays, and the markers.
constexpr Layers kRayPathPicture = Layer::Element | Layer::Bundles | Layer::Markers;
extern const Styles kScreenRayPathStyles;
// On a projector (drawn antialiased).
extern const Styles kPresentRayPathStyles;
extern const Styles kPrinterRayPathStyles;

class RayPathScene : public Scene {
public:
    static constexpr int kMaxRays = 100;
    static constexpr int kMaxPoints = 20;
    static constexpr int kMaxEyes = 20;
    enum class Pending { None, Point, Eye };

    // k = n when P lies in the lower medium, 1 / n in the upper one.
    void UpdateIndexRatio();
    // The relative index n; k follows it.
    void setRelIndex(float n);
    void setRayOptions(bool refracted, bool extendRefracted, bool reflected, bool extendReflected,
                       bool normals);
    void moveObject(float x, float y);
    // The pointer is near enough to P to drag it: within 100 of it on both axes.
    bool nearObject(float x, float y) const;
    // Starts or moves the ray being dragged through the mouse position; false when it
    // finds no hit point (that frame shows no ray and a release stores nothing).
    bool aimPreview(float x, float y);
    // A release: the previewed ray joins the stored ones; false when 100 are stored.
    bool storePreview();
    // The end of a ray drag: a valid preview is stored and the preview goes; false when
    // the ray was refused (a refused preview stores nothing, not the ray before it).
    bool endPreview();
    // "Strahlen löschen"; taking back the last stored ray and bringing it back again.
    void clearRays();
    bool takeBackRay();
    bool redoRay();
    bool addPoint(float x, float y);
    // The eye looks at the last marked point.
    bool addEye(float x, float y);
    // A press with the point or eye tool (None: the protractor) starts the mark being
    // placed; false when that kind is full.
    bool beginMark(Pending kind, float x, float y);
    void movePending(float x, float y) {
        pendingX = x;
        pendingY = y;
    }
    // The release sets the pending point or eye down there; false when none was pending.
    bool placePending(float x, float y);
    void placeProtractor(float x);
    void clearMarkers();

    // Layer::Element is the interface, Bundles P and the rays, Markers the points, eyes and
    // protractor, Live the ray and mark being placed, Extra the angle graph while it is on.
    void draw(Surface &s, const Styles &st, Layers layers) const override;
    // The page (portrait): the picture with the graph, the title and the two indices.
    void scalePage(Surface &page, double widthTwips, double heightTwips) const override;
    void drawPage(Surface &page, const PageTexts &texts) const override;
    std::vector<const char *> pageWords() const override;
    const char *textContext() const override { return "varelo::RayPathScene"; }
    // The index on a step of its bar, and k as it follows from it and from P's side.
    bool checkLesson(std::string &faults) const override;
    void DrawEye(Surface &s, const Styles &st, int i) const;
    static void DrawProtractor(Surface &s, const Styles &st, float xc);
    // The protractor tool's symbol face.
    static void DrawProtractorSymbol(Surface &s);
    // The scene's state as fields; the drag picture's key derives from it.
    unsigned viewOptions() const override {
        return kViewPresentation | kViewArrows | kViewAngles;
    }
    void visit(FieldVisitor &v) override;
    uint64_t key() const override;

    float objX = 0, objY = 500;
    float relIndex = 1.33f, indexRatio = 1.33f;
    int16_t rayCount = 0;
    float rayHitX[kMaxRays + 1] = {};
    bool showRefracted = true, extendRefracted = false, showReflected = false, extendReflected = false,
         showNormals = false;
    int16_t pointCount = 0;
    float pointX[kMaxPoints + 1] = {}, pointY[kMaxPoints + 1] = {};
    int16_t eyeCount = 0;
    float eyeX[kMaxEyes + 1] = {}, eyeY[kMaxEyes + 1] = {};
    float eyeDirX[kMaxEyes + 1] = {}, eyeDirY[kMaxEyes + 1] = {};
    int16_t protractorOn = 0;
    float protractorX = 0;
    int16_t diagramOn = 0;

    bool previewActive = false, previewValid = false;
    float mouseX = 0, mouseY = 0, hitX = 0;
    Pending pending = Pending::None;
    float pendingX = 0, pendingY = 0;

private:
    std::vector<float> takenBack_;
    // One ray from P through its hit point with the chosen options: the one routine for
    // stored, live and printed rays; grey is the level of a partially reflected ray.
    void drawRay(Surface &s, const Styles &st, float hit, int grey) const;
    // The angles of incidence and refraction (or total reflection) beside a ray's hit point.
    void drawAngles(Surface &s, const Styles &st, float hit) const;
};

} // namespace varelo
