#pragma once
// The imaging window's scene: the object point O below the interface, the eye E above
// it, the index, a row of object points, the raster, and the eye or point being dragged.
#include "core/Fields.h"
#include "core/Scene.h"
#include "refraction/ImagingOptics.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace varelo {

enum ImagingKind {
    kImgInterface,
    kImgRay, // the bundle's incident and refracted rays and their extensions
    kImgImageDot,
    kImgObjectDot,
    kImgEyeCircle,
    kImgPupil,
    kImgRaster,
    kImgArrow, // the light's direction on a segment (size: its length)
    kImgKindCount
};
extern const Styles kScreenImagingStyles;
// On a projector (drawn antialiased).
extern const Styles kPresentImagingStyles;
extern const Styles kPrinterImagingStyles;

class ImagingScene : public Scene {
public:
    static constexpr int kMaxRowPoints = 100;
    enum class Drag { None, Eye, Object };

    // A row point, which becomes O; false (and nothing changes) when there are 100 already.
    bool addRowPoint(float x, float y);
    // "Löschen"; taking back the last row point and bringing it back again. In the point-row
    // mode O follows: the last remaining row point, or the object point from before the row.
    void clearRow();
    bool takeBackRowPoint();
    bool redoRowPoint();
    // The single mode's object point: O, and what O goes back to when the row is taken back.
    void placeSingleObject(float x, float y);

    // Layer::Element is the interface; Raster the raster; Markers the eye and, in the single
    // mode, O; Bundles
    // the row points, then the bundle of O and the image points, so that a red image point
    // is never hidden under a black dot (at n = 1 it lies on its object point); Live the
    // eye or point being dragged; Extra the row points, the bundle and the image points
    // whatever the mode (what a saved picture holds).
    void draw(Surface &s, const Styles &st, Layers layers) const override;
    // The page (portrait): the interface, the eye, O or the row with the bundle and the
    // image points, the raster; the title and the two indices.
    void scalePage(Surface &page, double widthTwips, double heightTwips) const override;
    void drawPage(Surface &page, const PageTexts &texts) const override;
    std::vector<const char *> pageWords() const override;
    const char *textContext() const override { return "varelo::ImagingScene"; }
    // The index on a step of its bar.
    bool checkLesson(std::string &faults) const override;
    void DrawImagingBundle(Surface &s, const Styles &st) const;
    void DrawImagePoint(Surface &s, const Styles &st, float px, float py, float hit) const;
    void DrawRowImages(Surface &s, const Styles &st) const;
    void DrawRowPoints(Surface &s, const Styles &st) const;
    void DrawEyeSymbol(Surface &s, const Styles &st, float ex, float ey) const;
    void drawObjectDot(Surface &s, const Styles &st, float x, float y) const;
    // The raster's dots, or white over them (whatever lies under them goes too).
    void DrawRaster(Surface &s, const Styles &st, bool erase) const;
    // The scene's state as fields; the drag picture's key derives from it and the drag.
    unsigned viewOptions() const override {
        return kViewPresentation | kViewArrows;
    }
    void visit(FieldVisitor &v) override;
    uint64_t key() const override;

    float objX = 0, objY = 500;
    float eyeX = 300, eyeY = -500;
    float relIndex = 1.33f;
    int16_t rowCount = 0;
    float rowX[kMaxRowPoints + 1] = {}, rowY[kMaxRowPoints + 1] = {};
    bool rowMode = false;
    bool rasterOn = false;
    // In the point-row mode an index change shows the row alone, a placement the bundle too.
    bool bundleInRowMode = true;
    Drag drag = Drag::None;
    float dragX = 0, dragY = 0;

private:
    void objectToRowEnd();

    std::vector<std::pair<float, float>> takenBack_;
    float rowBaseX_ = 0, rowBaseY_ = 500; // O before the first row point
};

} // namespace varelo
