#include "refraction/RayPathScene.h"

#include "core/Aids.h"
#include "core/MarkerSet.h"
#include "core/NumRules.h"

#include <cmath>

namespace varelo {

namespace {
constexpr Rgb kAuxGrey{192, 192, 192};
constexpr double kDeg = kPi / 180;
} // namespace

constexpr StyleEntry kScreenRayPathEntries[] = {
    {kPathObjectDot, {kBlack, 5}},
    {kPathInterface, {kBlack, 2, kSolid, 2000}},
    {kPathRay, {kBlack, 1}},
    {kPathExtension, {kAuxGrey, 1}},
    {kPathReflected, {kBlack, 1}},
    {kPathNormal, {kRed, 1}},
    {kPathMarkDot, {kBlack, 5}},
    {kPathEyeCircle, {kBlack, 3}},
    {kPathPupil, {kBlack, 15}},
    {kPathScaleDots, {kBlack, 2}},
    {kPathScaleDots10, {kBlack, 4}},
    {kPathScaleGaps, {kWhite, 5}},
    {kPathScaleTicks, {kBlack, 3}},
    {kPathDiameter, {kBlack, 2}},
    {kPathDiameterNormal, {kRed, 2}},
    {kPathGraphAxis, {kBlack, 1}},
    {kPathGraphCurve, {kBlack, 2}},
    {kPathGraphTick5, {kBlack, 1}},
    {kPathGraphTick10, {kBlack, 3}},
    {kPathGraphTick30, {kBlack, 5}},
    {kPathGraphSmallAngle, {kBlack, 2}},
    {kPathArrow, {kBlack, 1, kSolid, 0, 10}},
    {kPathAngleText, {kBlack, 1, kSolid, 0, 9}},
};
static_assert(CoversKinds(kScreenRayPathEntries, kPathObjectDot, kPathKindCount));
const Styles kScreenRayPathStyles{kScreenRayPathEntries};
const Styles kPresentRayPathStyles = Styles::Presentation(kScreenRayPathStyles, {kPathRay, kPathReflected});
// Heavier on paper: the points as given for the printer, every other line six times its
// screen width, so that the thinnest is about 0.25 mm at 600 dpi.
constexpr StyleEntry kPrinterRayPathEntries[] = {
    {kPathObjectDot, {kBlack, 20}},
    {kPathInterface, {kBlack, 12, kSolid, 1200}},
    {kPathRay, {kBlack, 6}},
    {kPathExtension, {kAuxGrey, 6}},
    {kPathReflected, {kBlack, 6}},
    {kPathNormal, {kRed, 6}},
    {kPathMarkDot, {kBlack, 20}},
    {kPathEyeCircle, {kBlack, 18}},
    {kPathPupil, {kBlack, 90}},
    {kPathScaleDots, {kBlack, 12}},
    {kPathScaleDots10, {kBlack, 24}},
    {kPathScaleGaps, {kWhite, 30}},
    {kPathScaleTicks, {kBlack, 18}},
    {kPathDiameter, {kBlack, 12}},
    {kPathDiameterNormal, {kRed, 12}},
    {kPathGraphAxis, {kBlack, 6}},
    {kPathGraphCurve, {kBlack, 12}},
    {kPathGraphTick5, {kBlack, 6}},
    {kPathGraphTick10, {kBlack, 18}},
    {kPathGraphTick30, {kBlack, 30}},
    {kPathGraphSmallAngle, {kBlack, 12}},
    {kPathArrow, {kBlack, 3, kSolid, 0, 60}},
    {kPathAngleText, {kBlack, 1, kSolid, 0, 9}},
};
static_assert(CoversKinds(kPrinterRayPathEntries, kPathObjectDot, kPathKindCount));
const Styles kPrinterRayPathStyles{kPrinterRayPathEntries};

void RayPathScene::UpdateIndexRatio() { indexRatio = IndexRatio(relIndex, objY); }

void RayPathScene::setRelIndex(float n) {
    relIndex = n;
    UpdateIndexRatio();
}

void RayPathScene::setRayOptions(bool refracted, bool extendRefr, bool reflected, bool extendRefl,
                                 bool normals) {
    showRefracted = refracted;
    extendRefracted = extendRefr;
    showReflected = reflected;
    extendReflected = extendRefl;
    showNormals = normals;
}

void RayPathScene::moveObject(float x, float y) {
    objX = x;
    objY = y;
    UpdateIndexRatio();
}

bool RayPathScene::nearObject(float x, float y) const {
    return std::fabs(objX - x) < 100 && std::fabs(objY - y) < 100;
}

bool RayPathScene::aimPreview(float x, float y) {
    previewActive = true;
    mouseX = x;
    mouseY = y;
    float h = 0;
    previewValid = PreviewHitPoint(objX, objY, x, y, h);
    if (previewValid)
        hitX = h;
    return previewValid;
}

bool RayPathScene::storePreview() {
    if (rayCount >= kMaxRays)
        return false;
    ++rayCount;
    rayHitX[rayCount] = hitX;
    takenBack_.clear();
    return true;
}

bool RayPathScene::endPreview() {
    const bool stored = !previewValid || storePreview();
    previewActive = previewValid = false;
    return stored;
}

void RayPathScene::clearRays() {
    rayCount = 0;
    takenBack_.clear();
}

bool RayPathScene::takeBackRay() {
    if (rayCount <= 0)
        return false;
    takenBack_.push_back(rayHitX[rayCount--]);
    return true;
}

bool RayPathScene::redoRay() {
    if (takenBack_.empty() || rayCount >= kMaxRays)
        return false;
    rayHitX[++rayCount] = takenBack_.back();
    takenBack_.pop_back();
    return true;
}

bool RayPathScene::addPoint(float x, float y) {
    if (pointCount >= kMaxPoints)
        return false;
    ++pointCount;
    pointX[pointCount] = x;
    pointY[pointCount] = y;
    return true;
}

bool RayPathScene::addEye(float x, float y) {
    if (eyeCount >= kMaxEyes)
        return false;
    ++eyeCount;
    eyeX[eyeCount] = x;
    eyeY[eyeCount] = y;
    // Stored pointing away from the point: the pupil sits at -30 along it.
    float dx = 0, dy = 0;
    LookDirection(x, y, pointX[pointCount], pointY[pointCount], dx, dy);
    eyeDirX[eyeCount] = -dx;
    eyeDirY[eyeCount] = -dy;
    return true;
}

bool RayPathScene::beginMark(Pending kind, float x, float y) {
    if ((kind == Pending::Point && pointCount >= kMaxPoints) ||
        (kind == Pending::Eye && eyeCount >= kMaxEyes))
        return false;
    if (kind != Pending::None)
        pending = kind;
    movePending(x, y);
    return true;
}

bool RayPathScene::placePending(float x, float y) {
    const Pending placed = pending;
    pending = Pending::None;
    if (placed == Pending::Eye)
        addEye(x, y);
    else if (placed == Pending::Point)
        addPoint(x, y);
    return placed != Pending::None;
}

void RayPathScene::placeProtractor(float x) {
    protractorX = x;
    protractorOn = 1;
}

void RayPathScene::clearMarkers() {
    pointCount = 0;
    eyeCount = 0;
    protractorOn = 0;
    diagramOn = 0;
}

void RayPathScene::drawRay(Surface &s, const Styles &st, float hit, int grey) const {
    const RefractionTrace t = TraceRefraction(objX, objY, hit, indexRatio);
    st.use(s, kPathRay);
    if (showNormals)
        s.Line(t.hitX, 100, t.hitX, -100, st[kPathNormal].color);
    if (t.refracted) {
        if (showRefracted)
            s.Line(t.hitX, 0, t.refrEndX, t.refrEndY, st[kPathRay].color);
        if (extendRefracted)
            s.Line(t.hitX, 0, t.refrBackX, t.refrBackY, st[kPathExtension].color);
    }
    s.Line(objX, objY, t.hitX, 0, st[kPathRay].color);
    const uint8_t level = static_cast<uint8_t>(t.refracted ? grey : 0);
    const Rgb reflected{level, level, level};
    if (showReflected)
        s.Line(t.hitX, 0, t.reflEndX, t.reflEndY, reflected);
    if (extendReflected)
        s.Line(t.hitX, 0, t.reflBackX, t.reflBackY, st[kPathExtension].color);
    if (view.arrows) {
        const Style &arrow = st[kPathArrow];
        DrawArrowHead(s, arrow, st[kPathRay].color, objX, objY, t.hitX, 0, true);
        if (t.refracted && showRefracted)
            DrawArrowHead(s, arrow, st[kPathRay].color, t.hitX, 0, t.refrEndX, t.refrEndY, false);
        if (showReflected)
            DrawArrowHead(s, arrow, reflected, t.hitX, 0, t.reflEndX, t.reflEndY, false);
    }
}

void RayPathScene::drawAngles(Surface &s, const Styles &st, float hit) const {
    const RefractionTrace t = TraceRefraction(objX, objY, hit, indexRatio);
    // Right of the normal, in the quarter the rays leave free (the partially reflected ray
    // aside); the offsets go with the arrow's size, which both tables keep in proportion to
    // the text.
    const double gap = st[kPathArrow].size;
    const bool below = (objY >= 0) == (t.hitX >= objX);
    const Style &text = st[kPathAngleText];
    // The index boxes stand at the picture's right edge, ten arrow lengths wide.
    DrawLabelLines(s, t.hitX, 0, gap, below ? gap / 2 : -3.6 * gap,
                   IncidenceReadings(t.alpha / kDeg, std::fabs(t.beta) / kDeg, !t.refracted), text.size, text.color,
                   10 * gap);
}

void RayPathScene::DrawEye(Surface &s, const Styles &st, int i) const {
    s.Circle(eyeX[i], eyeY[i], 50, st.use(s, kPathEyeCircle));
    s.PSet(eyeX[i] - 30 * eyeDirX[i], eyeY[i] - 30 * eyeDirY[i], st.use(s, kPathPupil));
    s.SetDrawWidth(1);
}

void RayPathScene::DrawProtractor(Surface &s, const Styles &st, float xc) {
    auto at = [xc](double r, int deg, double &x, double &y) {
        x = xc + r * std::cos(deg * kDeg);
        y = -r * std::sin(deg * kDeg);
    };
    double x = 0, y = 0, x2 = 0, y2 = 0;
    Rgb c = st.use(s, kPathScaleDots);
    for (int a = 0; a <= 360; a += 5) {
        at(498, a, x, y);
        s.PSet(x, y, c);
    }
    c = st.use(s, kPathScaleDots10);
    for (int a = 0; a <= 360; a += 10) {
        at(499, a, x, y);
        s.PSet(x, y, c);
    }
    c = st.use(s, kPathScaleGaps);
    for (int a = 0; a <= 360; a += 30) {
        at(499, a, x, y);
        s.PSet(x, y, c);
    }
    c = st.use(s, kPathScaleTicks);
    for (int a = 0; a <= 360; a += 30) {
        at(500, a, x, y);
        at(480, a, x2, y2);
        s.Line(x, y, x2, y2, c);
    }
    s.Line(xc + 500, 0, xc - 500, 0, st.use(s, kPathDiameter));
    s.Line(xc, 500, xc, -500, st.use(s, kPathDiameterNormal));
    s.SetDrawWidth(1);
}

void RayPathScene::DrawProtractorSymbol(Surface &s) {
    s.Scale(-600, -600, 600, 600);
    s.SetDrawWidth(1);
    s.Circle(0, 0, 500, kBlack);
    for (int a = 0; a < 360; a += 30)
        s.PSet(499 * std::cos(a * kDeg), -499 * std::sin(a * kDeg), kBlack);
    s.SetDrawWidth(2);
    s.Line(-500, 0, 500, 0, kBlack);
    s.Line(0, -500, 0, 500, kBlack);
}

void RayPathScene::draw(Surface &s, const Styles &st, Layers layers) const {
    if (layers & Layer::Clear)
        s.Cls();
    if (layers & Layer::Element) {
        const double half = st[kPathInterface].extent;
        s.Line(-half, 0, half, 0, st.use(s, kPathInterface));
    }
    if (layers & Layer::Bundles) {
        s.PSet(objX, objY, st.use(s, kPathObjectDot));
        for (int i = 1; i <= rayCount; ++i)
            drawRay(s, st, rayHitX[i], 192);
        // The last stored ray's angles, until a new ray is dragged.
        if (view.angles && !previewActive && rayCount > 0)
            drawAngles(s, st, rayHitX[rayCount]);
    }
    if (layers & Layer::Markers) {
        const Rgb dot = st.use(s, kPathMarkDot);
        for (int i = 1; i <= pointCount; ++i)
            s.PSet(pointX[i], pointY[i], dot);
        for (int i = 1; i <= eyeCount; ++i)
            DrawEye(s, st, i);
        if (protractorOn)
            DrawProtractor(s, st, protractorX);
    }
    if (layers & Layer::Live) {
        if (previewActive && previewValid) {
            drawRay(s, st, hitX, 200);
            if (view.angles)
                drawAngles(s, st, hitX);
        }
        if (pending == Pending::Point) {
            s.PSet(pendingX, pendingY, st.use(s, kPathMarkDot));
        } else if (pending == Pending::Eye) {
            s.Circle(pendingX, pendingY, 50, st.use(s, kPathEyeCircle));
        }
    }
    if ((layers & Layer::Extra) && diagramOn)
        DrawAngleGraphInPicture(s, relIndex, GraphWidths(st, kPathGraphAxis));
    s.SetDrawWidth(1);
}

namespace {
const char *const kIndexIs = QT_TRANSLATE_NOOP("varelo::RayPathScene", "n = ");
const char *const kIndexOne = QT_TRANSLATE_NOOP("varelo::RayPathScene", "n =  1");
const char *const kIndexOneShort = QT_TRANSLATE_NOOP("varelo::RayPathScene", "n = 1");
// Where the page's lines stand, as fractions of the page from its top-left corner.
constexpr double kTitleX = 0.05, kTitleY = 0.05, kIndexX = 0.8, kUpperY = 0.2, kLowerY = 0.6;
} // namespace

void RayPathScene::scalePage(Surface &page, double widthTwips, double heightTwips) const {
    ScalePageToMiddle(page, widthTwips, heightTwips);
}

std::vector<const char *> RayPathScene::pageWords() const { return {kIndexIs, kIndexOne, kIndexOneShort}; }

void RayPathScene::drawPage(Surface &s, const PageTexts &texts) const {
    draw(s, kPrinterRayPathStyles, kRayPathPicture | Layer::Extra);
    s.SetFontSize(20);
    PrintLines(s, kTitleX, kTitleY, {texts.title});
    s.SetFontSize(12);
    const float n = relIndex;
    PrintLines(s, kIndexX, kUpperY, {n < 1 ? texts.words(kIndexIs) + NumText(UpperIndex(n)) : texts.words(kIndexOne)});
    PrintLines(s, kIndexX, kLowerY, {n < 1 ? texts.words(kIndexOneShort) : texts.words(kIndexIs) + NumText(n)});
}

bool RayPathScene::checkLesson(std::string &faults) const {
    if (!OnIndexStep(relIndex))
        faults += "relIndex\n";
    else if (indexRatio != IndexRatio(relIndex, objY))
        faults += "indexRatio\n";
    return faults.empty();
}

void RayPathScene::visit(FieldVisitor &v) {
    v.field("objX", objX, -kCoordinateLimit, kCoordinateLimit);
    v.field("objY", objY, -kCoordinateLimit, kCoordinateLimit);
    v.field("relIndex", relIndex, 0.5, 2);
    v.field("indexRatio", indexRatio, 0.5, 2);
    v.field("rayCount", rayCount, 0, kMaxRays);
    v.field("rayHitX", rayHitX + 1, rayCount, -kCoordinateLimit, kCoordinateLimit);
    v.field("showRefracted", showRefracted);
    v.field("extendRefracted", extendRefracted);
    v.field("showReflected", showReflected);
    v.field("extendReflected", extendReflected);
    v.field("showNormals", showNormals);
    v.field("pointCount", pointCount, 0, kMaxPoints);
    v.field("pointX", pointX + 1, pointCount, -kCoordinateLimit, kCoordinateLimit);
    v.field("pointY", pointY + 1, pointCount, -kCoordinateLimit, kCoordinateLimit);
    v.field("eyeCount", eyeCount, 0, kMaxEyes);
    v.field("eyeX", eyeX + 1, eyeCount, -kCoordinateLimit, kCoordinateLimit);
    v.field("eyeY", eyeY + 1, eyeCount, -kCoordinateLimit, kCoordinateLimit);
    v.field("eyeDirX", eyeDirX + 1, eyeCount, -1, 1);
    v.field("eyeDirY", eyeDirY + 1, eyeCount, -1, 1);
    v.field("protractorOn", protractorOn, 0, 1);
    v.field("protractorX", protractorX, -kCoordinateLimit, kCoordinateLimit);
    v.field("diagramOn", diagramOn, 0, 1);
    visitView(v);
}

uint64_t RayPathScene::key() const {
    KeyVisitor k;
    const_cast<RayPathScene &>(*this).visit(k); // the key visitor only reads
    // While a ray is dragged the kept picture goes without the last ray's angles.
    bool dragAngles = view.angles && previewActive;
    k.field("dragAngles", dragAngles);
    return k.key();
}

} // namespace varelo
