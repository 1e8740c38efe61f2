#include "refraction/ImagingScene.h"

#include "core/Aids.h"
#include "core/MarkerSet.h"
#include "core/NumRules.h"

#include <cmath>

namespace varelo {

constexpr StyleEntry kScreenImagingEntries[] = {
    {kImgInterface, {kBlack, 2}},
    {kImgRay, {kBlack, 1}},
    {kImgImageDot, {kRed, 5}},
    {kImgObjectDot, {kBlack, 5}},
    {kImgEyeCircle, {kBlack, 3}},
    {kImgPupil, {kBlack, 15}},
    {kImgRaster, {kBlack, 1}},
    {kImgArrow, {kBlack, 1, kSolid, 0, 10}},
};
static_assert(CoversKinds(kScreenImagingEntries, kImgInterface, kImgKindCount));
const Styles kScreenImagingStyles{kScreenImagingEntries};
const Styles kPresentImagingStyles = Styles::Presentation(kScreenImagingStyles, {kImgRay});
// Heavier on paper: the raster as given, every other line six times its screen width.
constexpr StyleEntry kPrinterImagingEntries[] = {
    {kImgInterface, {kBlack, 12}},
    {kImgRay, {kBlack, 6}},
    {kImgImageDot, {kRed, 30}},
    {kImgObjectDot, {kBlack, 30}},
    {kImgEyeCircle, {kBlack, 18}},
    {kImgPupil, {kBlack, 90}},
    {kImgRaster, {kBlack, 3}},
    {kImgArrow, {kBlack, 3, kSolid, 0, 60}},
};
static_assert(CoversKinds(kPrinterImagingEntries, kImgInterface, kImgKindCount));
const Styles kPrinterImagingStyles{kPrinterImagingEntries};

bool ImagingScene::addRowPoint(float x, float y) {
    if (rowCount >= kMaxRowPoints)
        return false;
    if (rowCount == 0) {
        rowBaseX_ = objX;
        rowBaseY_ = objY;
    }
    ++rowCount;
    rowX[rowCount] = x;
    rowY[rowCount] = y;
    objX = x;
    objY = y;
    takenBack_.clear();
    return true;
}

void ImagingScene::placeSingleObject(float x, float y) {
    objX = rowBaseX_ = x;
    objY = rowBaseY_ = y;
}

void ImagingScene::objectToRowEnd() {
    if (!rowMode)
        return; // the single object point is not part of the row
    objX = rowCount > 0 ? rowX[rowCount] : rowBaseX_;
    objY = rowCount > 0 ? rowY[rowCount] : rowBaseY_;
}

void ImagingScene::clearRow() {
    rowCount = 0;
    takenBack_.clear();
}

bool ImagingScene::takeBackRowPoint() {
    if (rowCount <= 0)
        return false;
    takenBack_.emplace_back(rowX[rowCount], rowY[rowCount]);
    --rowCount;
    objectToRowEnd();
    return true;
}

bool ImagingScene::redoRowPoint() {
    if (takenBack_.empty() || rowCount >= kMaxRowPoints)
        return false;
    ++rowCount;
    rowX[rowCount] = takenBack_.back().first;
    rowY[rowCount] = takenBack_.back().second;
    takenBack_.pop_back();
    objectToRowEnd();
    return true;
}

void ImagingScene::DrawImagePoint(Surface &s, const Styles &st, float px, float py, float hit) const {
    float x = 0, y = 0;
    if (!ImagePoint(px, py, hit, relIndex, x, y))
        return;
    s.PSet(x, y, st.use(s, kImgImageDot));
    s.SetDrawWidth(1);
}

void ImagingScene::DrawImagingBundle(Surface &s, const Styles &st) const {
    if (!(objY >= 50))
        return; // only a point at least 50 below the interface, as the placing rules keep it
    const float hit = FindEyeRay(objX, objY, eyeX, eyeY, relIndex);
    const float h = objY / 100;
    const Rgb c = st.use(s, kImgRay);
    for (int k = -2; k <= 2; ++k) {
        const float x = hit + k * h;
        const RefractedRay r = RefractUpwards(objX, objY, x, relIndex);
        if (!r.refracted)
            continue;
        s.Line(objX, objY, x, 0, c);
        s.Line(x, 0, r.endX, r.endY, c);
        s.Line(x, 0, r.backX, r.backY, c);
        if (view.arrows) {
            DrawArrowHead(s, st[kImgArrow], c, objX, objY, x, 0, true);
            DrawArrowHead(s, st[kImgArrow], c, x, 0, r.endX, r.endY, false);
        }
    }
    DrawImagePoint(s, st, objX, objY, hit);
}

void ImagingScene::DrawRowImages(Surface &s, const Styles &st) const {
    for (int i = 1; i <= rowCount; ++i)
        if (rowY[i] > 0)
            DrawImagePoint(s, st, rowX[i], rowY[i], FindEyeRay(rowX[i], rowY[i], eyeX, eyeY, relIndex));
}

void ImagingScene::DrawRowPoints(Surface &s, const Styles &st) const {
    const Rgb c = st.use(s, kImgObjectDot);
    for (int i = 1; i <= rowCount; ++i)
        s.PSet(rowX[i], rowY[i], c);
    s.SetDrawWidth(1);
}

void ImagingScene::DrawEyeSymbol(Surface &s, const Styles &st, float ex, float ey) const {
    s.Circle(ex, ey, 50, st.use(s, kImgEyeCircle));
    // The pupil on the side facing the object point.
    float dx = 0, dy = 0;
    LookDirection(ex, ey, objX, objY, dx, dy);
    s.PSet(ex + 30 * dx, ey + 30 * dy, st.use(s, kImgPupil));
    s.SetDrawWidth(1);
}

void ImagingScene::drawObjectDot(Surface &s, const Styles &st, float x, float y) const {
    s.PSet(x, y, st.use(s, kImgObjectDot));
    s.SetDrawWidth(1);
}

void ImagingScene::DrawRaster(Surface &s, const Styles &st, bool erase) const {
    const Rgb c = st.use(s, kImgRaster);
    for (int x = -1000; x <= 1000; x += 50)
        for (int y = -1000; y <= 1000; y += 50)
            s.PSet(x, y, erase ? kWhite : c);
    s.SetDrawWidth(1);
}

void ImagingScene::draw(Surface &s, const Styles &st, Layers layers) const {
    if (layers & Layer::Clear)
        s.Cls();
    if (layers & Layer::Element)
        s.Line(-1000, 0, 1000, 0, st.use(s, kImgInterface));
    // The raster under the points: a raster dot must not cover an image point.
    if ((layers & Layer::Raster) && rasterOn)
        DrawRaster(s, st, false);
    if (layers & Layer::Markers) {
        if (!rowMode && drag != Drag::Object)
            drawObjectDot(s, st, objX, objY);
        if (drag != Drag::Eye)
            DrawEyeSymbol(s, st, eyeX, eyeY);
    }
    if (layers & Layer::Bundles) {
        if (rowMode) {
            DrawRowPoints(s, st);
            if (bundleInRowMode)
                DrawImagingBundle(s, st);
            DrawRowImages(s, st);
        } else {
            DrawImagingBundle(s, st);
        }
    }
    if (layers & Layer::Extra) {
        DrawRowPoints(s, st);
        DrawImagingBundle(s, st);
        DrawRowImages(s, st);
    }
    if (layers & Layer::Live) {
        if (drag == Drag::Eye)
            DrawEyeSymbol(s, st, dragX, dragY);
        else if (drag == Drag::Object)
            drawObjectDot(s, st, dragX, dragY);
    }
    s.SetDrawWidth(1);
}

namespace {
const char *const kUpperIndex = QT_TRANSLATE_NOOP("varelo::ImagingScene", "n =  1");
const char *const kLowerIndex = QT_TRANSLATE_NOOP("varelo::ImagingScene", "n = ");
// Where the page's lines stand, as fractions of the page from its top-left corner.
constexpr double kTitleX = 0.05, kTitleY = 0.15, kIndexX = 0.8, kUpperY = 0.2, kLowerY = 0.55;
} // namespace

void ImagingScene::scalePage(Surface &page, double widthTwips, double heightTwips) const {
    ScalePageToMiddle(page, widthTwips, heightTwips);
}

std::vector<const char *> ImagingScene::pageWords() const { return {kUpperIndex, kLowerIndex}; }

void ImagingScene::drawPage(Surface &s, const PageTexts &texts) const {
    const Styles &st = kPrinterImagingStyles;
    draw(s, st, Layer::Element | Layer::Markers | Layer::Raster);
    if (rowMode) {
        DrawRowPoints(s, st);
        DrawImagingBundle(s, st);
        DrawRowImages(s, st);
    } else {
        DrawImagingBundle(s, st);
    }
    s.SetFontSize(20);
    PrintLines(s, kTitleX, kTitleY, {texts.title});
    s.SetFontSize(12);
    // Both lines for every n, also below 1.
    PrintLines(s, kIndexX, kUpperY, {texts.words(kUpperIndex)});
    PrintLines(s, kIndexX, kLowerY, {texts.words(kLowerIndex) + NumText(relIndex)});
}

bool ImagingScene::checkLesson(std::string &faults) const {
    if (!OnIndexStep(relIndex))
        faults += "relIndex\n";
    return faults.empty();
}

void ImagingScene::visit(FieldVisitor &v) {
    v.field("objX", objX, -kCoordinateLimit, kCoordinateLimit);
    v.field("objY", objY, -kCoordinateLimit, kCoordinateLimit);
    v.field("eyeX", eyeX, -kCoordinateLimit, kCoordinateLimit);
    v.field("eyeY", eyeY, -kCoordinateLimit, -50);
    v.field("relIndex", relIndex, 0.5, 2);
    v.field("rowCount", rowCount, 0, kMaxRowPoints);
    v.field("rowX", rowX + 1, rowCount, -kCoordinateLimit, kCoordinateLimit);
    v.field("rowY", rowY + 1, rowCount, -kCoordinateLimit, kCoordinateLimit);
    v.field("rowBaseX", rowBaseX_, -kCoordinateLimit, kCoordinateLimit);
    v.field("rowBaseY", rowBaseY_, -kCoordinateLimit, kCoordinateLimit);
    v.field("rowMode", rowMode);
    v.field("rasterOn", rasterOn);
    v.field("bundleInRowMode", bundleInRowMode);
    visitView(v);
}

uint64_t ImagingScene::key() const {
    KeyVisitor k;
    const_cast<ImagingScene &>(*this).visit(k); // the key visitor only reads
    // The dragged eye or point is left out of the kept picture.
    int dragged = static_cast<int>(drag);
    k.field("drag", dragged, 0, 2);
    return k.key();
}

} // namespace varelo
