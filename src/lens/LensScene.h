#pragma once
// The lens window's scene: the lens and its ten presets, the object points with their
// bundles (each ray stored by its entry point on the left surface), the seven ray
// options, the markers, and the ray being dragged, drawn onto any surface.
#include "core/AngleGraph.h"
#include "core/MarkerSet.h"
#include "core/ObjectBundles.h"
#include "core/Fields.h"
#include "core/Scene.h"
#include "lens/LensOptics.h"

namespace varelo {

enum LensKind {
    kLensObjectDot = kMarkerKindCount,
    kLensOutline,
    kLensAxis,
    kLensCentre,
    kLensRay,       // the black part of every ray
    kLensFront,     // reflected at the front surface
    kLensBack,      // reflected inside at the back surface
    kLensExtension, // backward extensions of the three kinds
    kLensFrontExtension,
    kLensBackExtension,
    kLensNormal,
    kLensProtractorCircle, // a width of 0: not drawn
    kLensProtractorDots,   // every 10 degrees
    kLensProtractorDots30, // every 30 degrees
    kLensProtractorNormal, // the diameter on the surface normal
    kLensProtractorCross,  // the diameter across it
    kLensGraphAxis,        // the angle graph drawn into a picture or page
    kLensGraphCurve,
    kLensGraphTick5,
    kLensGraphTick10,
    kLensGraphTick30,
    kLensGraphSmallAngle,
    kLensArrow,     // the light's direction on a segment (size: its length)
    kLensFocal,     // F, F', H, H' on the axis (size: half the mark)
    kLensParaxial,  // the imaging equation's image (size: the circle's radius)
    kLensAngleText, // the angles at the points of incidence (size: points)
    kLensKindCount
};
extern const Styles kScreenLensStyles;
// On a projector (drawn antialiased).
extern const Styles kPresentLensStyles;
extern const Styles kPrinterLensStyles;

// The angle graph in the lens window's own picture.
inline constexpr AngleGraphWidths kLensGraphWidths{2, 2, 1, 3, 5, 1};

// The two surfaces and the edge of a lens, without axis and centre (also the preset faces).
void DrawLensOutline(Surface &s, const LensParams &p, Rgb color);
// The protractor tool's face in the symbol scale: dots every 10 degrees, stronger every 30,
// and the two diameters.
void DrawProtractorSymbol(Surface &s);

class LensScene : public ObjectBundles, public Scene {
public:
    static constexpr int kPresets = 10;
    static constexpr int kMaxProtractors = 10;
    enum PresetField { kPresetK1, kPresetK2, kPresetSemiDiameter, kPresetThickness, kPresetIndex };

    LensScene();

    // The five parameters, each keeping the lens consistent. A thicker lens pushes the
    // current object point left to -1.2 thickness; true when it moved.
    // A curvature or thickness limits the diameter: the diameter `wanted` (> 0) when given
    // (while a bar is dragged, the one from before the drag, so that the drag does not
    // depend on its path), otherwise the present one.
    void setRightCurvature(int k1, float wanted = 0);
    void setLeftCurvature(int k2, float wanted = 0);
    bool setThickness(float thickness, float wanted = 0);
    void setSemiDiameter(float semiDiameter);
    void setRefrIndex(float n);
    // Left click on preset i (1 .. 10): the stored lens; right click: the present lens
    // goes into it. Loading returns whether the object point had to move.
    bool loadPreset(int i);
    void storePreset(int i);
    // Preset i's lens, small, filling a palette field.
    void drawPresetFace(Surface &s, int i) const;
    float xRim1() const { return RimX1(lens); }
    float xRim2() const { return RimX2(lens); }
    // Where the right button may put the object point: left of the left rim and of -1.1
    // thickness.
    bool inObjectRegion(float x) const;
    // The right button's move of the current object point, also the aim; false outside
    // the object region.
    bool moveObject(float x, float y);
    // The spin button's step towards the lens; refused past -1.2 thickness.
    bool moveTowardsLens() { return moveTowardsElement(-1.2f * lens.thickness); }
    // "Neu beginnen": one object point where a new one goes, no marked points, eyes or
    // protractors.
    void startAgain(float zoomFactor);
    // Where a new object point goes: (-1600, -650) of the start view, kept in front of the
    // lens also when zoomed in on a thick one.
    float newObjectX(float zoomFactor) const;
    float newObjectY(float zoomFactor) const { return -650 / zoomFactor; }
    // The object point's x as shown: relative to the lens centre.
    float shownX(float x) const { return lens.thickness / 2 + x; }

    // A protractor at the click point, its normal diameter on the normal of the nearer
    // surface (ties go to the left one; a plane gives a horizontal normal). False when
    // there are ten already.
    bool placeProtractor(float x, float y);
    void drawProtractor(Surface &s, const Styles &st, int i) const;

    void aimTrial(float x, float y);
    void endTrial() { trialActive = false; }

    void draw(Surface &s, const Styles &st, Layers layers) const override;
    // The page (landscape): the view as on the screen, the lens, rays, markers and
    // protractors, the graph in its box while it is shown, the title, the lens's parameters
    // and the scale bar.
    void scalePage(Surface &page, double widthTwips, double heightTwips) const override;
    void drawPage(Surface &page, const PageTexts &texts) const override;
    std::vector<const char *> pageWords() const override;
    const char *textContext() const override { return "varelo::LensScene"; }
    // The lens as its bars keep it (radii from the curvatures, the diameter within its
    // limit, the index on a step) and the view one the zoom gives.
    bool checkLesson(std::string &faults) const override;
    void drawLens(Surface &s, const Styles &st) const;
    void replayBundles(Surface &s, const Styles &st) const;
    void drawObjectPoint(Surface &s, const Styles &st, int k) const;
    // The table for bundle k: its own colour while "Farbige Bündel" is on.
    Styles bundleStyles(const Styles &st, int k) const;
    // F, F', H, H' and the paraxial image of the current object point, when switched on.
    void drawImagingAids(Surface &s, const Styles &st) const;
    // The scene's state as fields (the presets too); the drag picture's key derives from it.
    unsigned viewOptions() const override {
        return kViewPresentation | kViewArrows | kViewFocalPoints | kViewParaxialImage | kViewAngles |
               kViewColouredBundles;
    }
    void visit(FieldVisitor &v) override;
    uint64_t key() const override;

    LensParams lens;
    float presets[kPresets + 1][5] = {};
    bool showTransmitted = true, extendTransmitted = false;
    bool showFront = false, extendFront = false;
    bool showBack = false, extendBack = false;
    bool showNormals = false;
    float zoomFactor = 1;
    float panX = 0, panY = 0; // the view's pan (the scroll bars' values)
    MarkerSet markers;
    int16_t protractorCount = 0;
    float protX[kMaxProtractors + 1] = {}, protY[kMaxProtractors + 1] = {};
    float protSlope[kMaxProtractors + 1] = {}; // of the normal diameter, y upwards
    int16_t graphOn = 0;

    bool trialActive = false;
    bool trialHasEntry = false; // the live line meets the left surface: a release stores it
    float aimX = 0, aimY = 0, entryX = 0, entryY = 0;

private:
    bool keepObjectInFront();
    // One traced ray: the one routine for stored, live and printed rays.
    void drawRay(Surface &s, const Styles &st, LensRayKind kind, const LensRay &ray, bool normals) const;
    // The angles at both surfaces' points of incidence of the ray from the current object
    // point through (xA, yA) (the transmitted light's path).
    void drawAngles(Surface &s, const Styles &st, float xA, float yA) const;
};

} // namespace varelo
