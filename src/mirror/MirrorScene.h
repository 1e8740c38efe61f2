#pragma once
// The mirror window's scene: the mirror, the object points with their bundles, the ray
// options, the markers and the ray being dragged, drawn onto any surface.
#include "core/MarkerSet.h"
#include "core/ObjectBundles.h"
#include "core/Fields.h"
#include "core/Scene.h"
#include "mirror/MirrorOptics.h"

namespace varelo {

enum MirrorKind {
    kMirrorObjectDot = kMarkerKindCount,
    kMirrorRay,
    kMirrorDotted,    // the reflected ray while "gespiegelte gestrichelt" is on
    kMirrorExtension, // backward extension of the reflected ray
    kMirrorNormal,
    kMirrorOutline,
    kMirrorAxis,
    kMirrorCentre,
    kMirrorArrow,     // the light's direction on a segment (size: its length)
    kMirrorFocal,     // F on the axis (size: half the mark)
    kMirrorParaxial,  // the imaging equation's image (size: the circle's radius)
    kMirrorKindCount
};
extern const Styles kScreenMirrorStyles;
// On a projector (drawn antialiased).
extern const Styles kPresentMirrorStyles;
extern const Styles kPrinterMirrorStyles;

class MirrorScene : public ObjectBundles, public Scene {
public:
    MirrorScene();

    // The curvature bar's slider was pressed: the opening and the radius of now are what a
    // drag goes back to, so that the drag does not depend on its path.
    void pressCurvature();
    // The curvature bar: the radius 12000 / curvature (a plane mirror keeps its last one,
    // while `dragging` the one from the press), and the half-aperture limited to 0.99 |r|:
    // the present one, while `dragging` the one from the press. Returns whether the
    // opening changed.
    bool setCurvature(int curvature, bool dragging = false);
    // The aperture bar: the half-aperture, limited to 0.99 |r|; returns it as the bar shows it.
    void setHalfAperture(float h);
    float apertureLimit() const;

    // Starts or moves the ray being dragged: it leaves the current object point through
    // the aim point; its hit point is what a release stores.
    void aimTrial(float x, float y);
    void endTrial() { trialActive = false; }
    // The current object point put at (x, y) by the mouse: on the raster while it is on,
    // and never onto the mirror's plane.
    void moveCurrentTo(float x, float y);

    void draw(Surface &s, const Styles &st, Layers layers) const override;
    // The page (landscape): the view as on the screen, the mirror, rays and markers, the
    // title, the mirror's parameters and the scale bar.
    void scalePage(Surface &page, double widthTwips, double heightTwips) const override;
    void drawPage(Surface &page, const PageTexts &texts) const override;
    std::vector<const char *> pageWords() const override;
    const char *textContext() const override { return "varelo::MirrorScene"; }
    // The radius from the curvature (a plane mirror keeps any), the opening within its limit,
    // the view one the zoom gives.
    bool checkLesson(std::string &faults) const override;
    // The optical axis, the mirror's centre and the mirror itself.
    void DrawMirror(Surface &s, const Styles &st) const;
    // The object points and every stored ray, traced from the points' present places.
    void DrawBundles(Surface &s, const Styles &st) const;
    void drawObjectPoint(Surface &s, const Styles &st, int k) const;
    // The table for bundle k: its own colour while "Farbige Bündel" is on.
    Styles bundleStyles(const Styles &st, int k) const;
    // F and the paraxial image of the current object point, when they are switched on.
    void drawImagingAids(Surface &s, const Styles &st) const;
    float arcHalfAngle() const;
    // The scene's state as fields; the key of what the drawing depends on derives from it.
    unsigned viewOptions() const override {
        return kViewPresentation | kViewArrows | kViewFocalPoints | kViewParaxialImage | kViewColouredBundles;
    }
    void visit(FieldVisitor &v) override;
    uint64_t key() const override;

    MirrorParams mirror;
    bool dottedReflected = false;
    bool extendReflected = false;
    bool drawNormals = false;
    float zoomFactor = 1;
    float panX = 0, panY = 0; // the view's pan (the scroll bars' values)
    MarkerSet markers;

    bool trialActive = false; // a ray is being dragged
    bool trialHasHit = false; // it meets the mirror's line or circle
    float aimX = 0, aimY = 0, hitX = 0, hitY = 0;

private:
    float apertureAtPress_ = 0, radiusAtPress_ = 0;
    // One ray from P reflected at its hit point: the one routine for stored, live and
    // printed rays (the normal is drawn for stored rays only).
    void drawRay(Surface &s, const Styles &st, float px, float py, const RayTrace &t, bool normal) const;
};

} // namespace varelo
