#include "lens/LensScene.h"

#include "core/Aids.h"
#include "core/NumRules.h"
#include "core/View.h"

#include <algorithm>
#include <cmath>

namespace varelo {

namespace {
constexpr Rgb kGrey{180, 180, 180};
constexpr Rgb kGreen{0, 255, 0}, kPaleGreen{180, 255, 180};
constexpr Rgb kBlue{0, 0, 255}, kPaleBlue{180, 180, 255};

const LensRayKind kKinds[] = {LensRayKind::Transmitted, LensRayKind::FrontReflected, LensRayKind::BackReflected};

// A preset's curvatures as the bars hold them, with their radii (a plane keeps the radius
// it had).
void takeCurvatures(LensParams &p, const float *rec) {
    p.k1 = static_cast<int16_t>(CInt(rec[LensScene::kPresetK1]));
    if (p.k1 != 0)
        p.r1 = RadiusOfCurvature(p.k1);
    p.k2 = static_cast<int16_t>(CInt(rec[LensScene::kPresetK2]));
    if (p.k2 != 0)
        p.r2 = RadiusOfCurvature(p.k2);
}

// The presets as the window starts with them: k1, k2, semi-diameter, thickness, n.
const float kInitialPresets[LensScene::kPresets][5] = {
    {-12, 12, 500, 300, 1.6f},          {-12000.f / 920, 0, 500, 250, 1.6f}, {0, 12000.f / 920, 500, 250, 1.6f},
    {10, -10, 500, 70, 1.6f},           {10, 0, 500, 70, 1.6f},             {0, -10, 500, 70, 1.6f},
    {10, 20, 500, 200, 1.6f},           {20, 10, 500, 70, 1.6f},            {0, 0, 500, 500, 1.6f},
    {-24, 24, 500, 1000, 1.6f},
};
} // namespace

// Marker kinds first, then the lens's own.
constexpr StyleEntry kScreenLensEntries[] = {
    {kLensObjectDot, {kBlack, 5}},
    {kLensOutline, {kBlack, 1}},
    {kLensAxis, {kBlack, 1, kDashDot}},
    {kLensCentre, {kBlack, 1}},
    {kLensRay, {kBlack, 1}},
    {kLensFront, {kGreen, 1}},
    {kLensBack, {kBlue, 1}},
    {kLensExtension, {kGrey, 1}},
    {kLensFrontExtension, {kPaleGreen, 1}},
    {kLensBackExtension, {kPaleBlue, 1}},
    {kLensNormal, {kRed, 1}},
    {kLensProtractorCircle, {kBlack, 1}},
    {kLensProtractorDots, {kBlack, 2}},
    {kLensProtractorDots30, {kBlack, 5}},
    {kLensProtractorNormal, {kRed, 2}},
    {kLensProtractorCross, {kBlack, 2}},
    {kLensGraphAxis, {kBlack, 1}},
    {kLensGraphCurve, {kBlack, 2}},
    {kLensGraphTick5, {kBlack, 1}},
    {kLensGraphTick10, {kBlack, 3}},
    {kLensGraphTick30, {kBlack, 5}},
    {kLensGraphSmallAngle, {kBlack, 1}},
    {kLensArrow, {kBlack, 1, kSolid, 0, 10}},
    {kLensFocal, {kBlack, 2, kSolid, 0, 8, 10}},
    {kLensParaxial, {kRed, 1, kSolid, 0, 6}},
    {kLensAngleText, {kBlack, 1, kSolid, 0, 9}},
};
static_assert(CoversKinds(kScreenLensEntries, kLensObjectDot, kLensKindCount));
const Styles kScreenLensStyles{kScreenMarkerStyles, kScreenLensEntries};
const Styles kPresentLensStyles = Styles::Presentation(kScreenLensStyles, {kLensRay, kLensFront, kLensBack});
// On paper every ray is black: its kind shows by the path it takes. The lens, its centre and
// the axis, for which no printed width is given, are readable lines (the axis keeps its
// dash-dot pattern).
constexpr StyleEntry kPrinterLensEntries[] = {
    {kLensObjectDot, {kBlack, 20}},
    {kLensOutline, {kBlack, 6}},
    {kLensAxis, {kBlack, 6, kDashDot | kPatternAtAnyWidth}},
    {kLensCentre, {kBlack, 6}},
    {kLensRay, {kBlack, 3}},
    {kLensFront, {kBlack, 3}},
    {kLensBack, {kBlack, 3}},
    {kLensExtension, {kBlack, 1}},
    {kLensFrontExtension, {kBlack, 1}},
    {kLensBackExtension, {kBlack, 1}},
    {kLensNormal, {kRed, 2}},
    {kLensProtractorCircle, {kBlack, 0}},
    {kLensProtractorDots, {kBlack, 4}},
    {kLensProtractorDots30, {kBlack, 10}},
    {kLensProtractorNormal, {kRed, 4}},
    {kLensProtractorCross, {kBlack, 4}},
    {kLensGraphAxis, {kBlack, 12}},
    {kLensGraphCurve, {kBlack, 12}},
    {kLensGraphTick5, {kBlack, 6}},
    {kLensGraphTick10, {kBlack, 18}},
    {kLensGraphTick30, {kBlack, 30}},
    {kLensGraphSmallAngle, {kBlack, 6}},
    {kLensArrow, {kBlack, 3, kSolid, 0, 60}},
    {kLensFocal, {kBlack, 6, kSolid, 0, 48, 10}},
    {kLensParaxial, {kRed, 4, kSolid, 0, 36}},
    {kLensAngleText, {kBlack, 1, kSolid, 0, 9}},
};
static_assert(CoversKinds(kPrinterLensEntries, kLensObjectDot, kLensKindCount));
const Styles kPrinterLensStyles{kPrinterMarkerStyles, kPrinterLensEntries};

LensScene::LensScene() {
    restart(-1600, -650);
    markers.resetScreenLine(2000);
    for (int i = 1; i <= kPresets; ++i)
        for (int f = 0; f < 5; ++f)
            presets[i][f] = kInitialPresets[i - 1][f];
}

void LensScene::setRightCurvature(int k1, float wanted) {
    lens.k1 = static_cast<int16_t>(k1);
    if (k1 != 0)
        lens.r1 = RadiusOfCurvature(k1);
    if (wanted > 0)
        lens.semiDiameter = wanted;
    EnforceDiameterLimit(lens);
    protractorCount = 0;
}

void LensScene::setLeftCurvature(int k2, float wanted) {
    lens.k2 = static_cast<int16_t>(k2);
    if (k2 != 0)
        lens.r2 = RadiusOfCurvature(k2);
    if (wanted > 0)
        lens.semiDiameter = wanted;
    EnforceDiameterLimit(lens);
    protractorCount = 0;
}

bool LensScene::keepObjectInFront() {
    const float limit = -1.2f * lens.thickness;
    if (!(currentX() > limit))
        return false;
    objX[objectCount] = limit;
    return true;
}

bool LensScene::setThickness(float thickness, float wanted) {
    lens.thickness = thickness;
    if (wanted > 0)
        lens.semiDiameter = wanted;
    protractorCount = 0;
    EnforceDiameterLimit(lens);
    return keepObjectInFront();
}

void LensScene::setSemiDiameter(float semiDiameter) {
    lens.semiDiameter = semiDiameter;
    protractorCount = 0;
    EnforceDiameterLimit(lens);
}

void LensScene::setRefrIndex(float n) { lens.refrIndex = n; }

bool LensScene::loadPreset(int i) {
    if (i < 1 || i > kPresets)
        return false;
    const float *rec = presets[i];
    const LensParams before = lens;
    takeCurvatures(lens, rec);
    // As the scroll bars hold them.
    lens.thickness = static_cast<float>(CInt(rec[kPresetThickness]));
    lens.semiDiameter = static_cast<float>(CInt(rec[kPresetSemiDiameter]));
    lens.refrIndex = CInt(100 * rec[kPresetIndex]) / 100.0f;
    EnforceDiameterLimit(lens);
    // As the bars would: a new shape takes the protractors away, a new index keeps them.
    if (lens.k1 != before.k1 || lens.k2 != before.k2 || lens.thickness != before.thickness ||
        lens.semiDiameter != before.semiDiameter)
        protractorCount = 0;
    return lens.thickness != before.thickness && keepObjectInFront();
}

void LensScene::storePreset(int i) {
    if (i < 1 || i > kPresets)
        return;
    presets[i][kPresetK1] = lens.k1;
    presets[i][kPresetK2] = lens.k2;
    presets[i][kPresetSemiDiameter] = lens.semiDiameter;
    presets[i][kPresetThickness] = lens.thickness;
    presets[i][kPresetIndex] = lens.refrIndex;
}

void LensScene::drawPresetFace(Surface &s, int i) const {
    const float *rec = presets[i];
    LensParams p;
    takeCurvatures(p, rec);
    p.semiDiameter = rec[kPresetSemiDiameter];
    p.thickness = rec[kPresetThickness];
    EnforceDiameterLimit(p);
    const double left = std::min<double>(-p.thickness, RimX2(p)), right = std::max<double>(0, RimX1(p));
    const double half = 1.2 * std::max<double>(p.semiDiameter, (right - left) / 2);
    const double cx = (left + right) / 2;
    s.Scale(cx - half, -half, cx + half, half);
    s.SetDrawWidth(1);
    DrawLensOutline(s, p, kBlack);
}

float LensScene::newObjectX(float zoomFactor) const { return std::min(-1600 / zoomFactor, -1.2f * lens.thickness); }

bool LensScene::inObjectRegion(float x) const { return x < xRim2() && x < -1.1f * lens.thickness; }

bool LensScene::moveObject(float x, float y) {
    if (!inObjectRegion(x))
        return false;
    setCurrent(x, y);
    aimX = x;
    aimY = y;
    return true;
}

void LensScene::startAgain(float zoomFactor) {
    restart(newObjectX(zoomFactor), newObjectY(zoomFactor));
    markers.clearPointsAndEyes();
    protractorCount = 0;
}

bool LensScene::placeProtractor(float x, float y) {
    if (protractorCount >= kMaxProtractors)
        return false;
    ++protractorCount;
    protX[protractorCount] = x;
    protY[protractorCount] = y;
    const LensParams &p = lens;
    const double c2 = p.r2 - p.thickness;
    const double d2 = p.k2 != 0 ? std::fabs(std::hypot(x - c2, double(y)) - std::fabs(p.r2)) : std::fabs(x + p.thickness);
    const double d1 = p.k1 != 0 ? std::fabs(std::hypot(x - double(p.r1), double(y)) - std::fabs(p.r1)) : std::fabs(x);
    double slope = 0;
    if (d1 >= d2)
        slope = p.k2 != 0 ? -y / (x - c2) : 0;
    else
        slope = p.k1 != 0 ? -y / (x - double(p.r1)) : 0;
    protSlope[protractorCount] = static_cast<float>(slope);
    return true;
}

void LensScene::drawProtractor(Surface &s, const Styles &st, int i) const {
    const double px = protX[i], py = protY[i], phi0 = std::atan(protSlope[i]);
    auto at = [&](double r, double a, double &x, double &y) {
        x = px + r * std::cos(a);
        y = py - r * std::sin(a);
    };
    double x = 0, y = 0;
    if (st[kLensProtractorCircle].width > 0)
        s.Circle(px, py, 100, st.use(s, kLensProtractorCircle));
    Rgb c = st.use(s, kLensProtractorDots);
    for (int k = 1; k <= 36; ++k) {
        at(99, phi0 + k * 10 * kPi / 180, x, y);
        s.PSet(x, y, c);
    }
    c = st.use(s, kLensProtractorDots30);
    for (int k = 0; k <= 36; k += 3) {
        at(99, phi0 + k * 10 * kPi / 180, x, y);
        s.PSet(x, y, c);
    }
    const double cx = 100 * std::cos(phi0), sy = 100 * std::sin(phi0);
    s.Line(px + cx, py - sy, px - cx, py + sy, st.use(s, kLensProtractorNormal));
    s.Line(px + sy, py + cx, px - sy, py - cx, st.use(s, kLensProtractorCross));
    s.SetDrawWidth(1);
}

void LensScene::aimTrial(float x, float y) {
    trialActive = true;
    aimX = x;
    aimY = y;
    trialHasEntry = LensEntryPoint(lens, currentX(), currentY(), x, y, entryX, entryY);
}

void LensScene::draw(Surface &s, const Styles &st, Layers layers) const {
    if (layers & Layer::Clear)
        s.Cls();
    if (layers & Layer::Element)
        drawLens(s, st);
    if (layers & Layer::Bundles) {
        replayBundles(s, st);
        drawImagingAids(s, st);
    }
    if (layers & Layer::Markers) {
        markers.drawMarks(s, st, zoomFactor);
        for (int i = 1; i <= protractorCount; ++i)
            drawProtractor(s, st, i);
    }
    if (layers & Layer::Live) {
        if (trialActive && currentX() != aimX) {
            const bool on[] = {showTransmitted, showFront, showBack};
            for (int i = 0; i < 3; ++i)
                if (on[i])
                    drawRay(s, bundleStyles(st, objectCount), kKinds[i],
                            TraceLensRay(lens, kKinds[i], currentX(), currentY(), aimX, aimY,
                                         static_cast<float>(s.ScaleWidth())),
                            false);
            if (view.angles)
                drawAngles(s, st, aimX, aimY);
        }
        markers.drawPending(s, st, zoomFactor);
    }
    if (layers & Layer::Raster)
        markers.drawRaster(s, st);
    s.SetDrawWidth(1);
}

void DrawLensOutline(Surface &s, const LensParams &p, Rgb c) {
    const float pi = static_cast<float>(kPi);
    float a1 = 0, a2 = 0;
    ComputeArcAngles(p, a1, a2);
    if (p.k1 != 0) {
        if (p.k1 < 0)
            s.Arc(p.r1, 0, std::fabs(p.r1), c, -a1, a1);
        else
            s.Arc(p.r1, 0, std::fabs(p.r1), c, pi - a1, pi + a1);
        s.Line(p.r1, 20, p.r1, -20, c);
    } else {
        s.Line(0, p.semiDiameter, 0, -p.semiDiameter, c);
    }
    const float c2 = p.r2 - p.thickness;
    if (p.k2 != 0) {
        if (p.k2 > 0)
            s.Arc(c2, 0, std::fabs(p.r2), c, pi - a2, pi + a2);
        else
            s.Arc(c2, 0, std::fabs(p.r2), c, -a2, a2);
        s.Line(c2, 20, c2, -20, c);
    } else {
        s.Line(-p.thickness, p.semiDiameter, -p.thickness, -p.semiDiameter, c);
    }
    // A rim off its sphere (an inconsistent intermediate state) gives no edge.
    const float x1 = RimX1(p), x2 = RimX2(p);
    s.Line(x1, p.semiDiameter, x2, p.semiDiameter, c);
    s.Line(x1, -p.semiDiameter, x2, -p.semiDiameter, c);
}

void DrawProtractorSymbol(Surface &s) {
    constexpr double kDeg = kPi / 180;
    s.SetDrawWidth(1);
    for (int i = 1; i <= 36; ++i)
        s.PSet(79 * std::cos(i * 10 * kDeg), -79 * std::sin(i * 10 * kDeg), kBlack);
    s.SetDrawWidth(3);
    for (int i = 0; i <= 36; i += 3)
        s.PSet(79 * std::cos(i * 10 * kDeg), -79 * std::sin(i * 10 * kDeg), kBlack);
    s.SetDrawWidth(2);
    s.Line(90, 0, -90, 0, kBlack);
    s.Line(0, -90, 0, 90, kBlack);
    s.SetDrawWidth(1);
}

void LensScene::drawLens(Surface &s, const Styles &st) const {
    const LensParams &p = lens;
    s.Circle(-p.thickness / 2, 0, 5, st.use(s, kLensCentre));
    const Rgb axis = st.use(s, kLensAxis);
    s.Line(s.ScaleLeft(), 0, s.ScaleLeft() + s.ScaleWidth(), 0, axis);
    DrawLensOutline(s, p, st.use(s, kLensOutline));
    s.SetDrawWidth(1);
}

void LensScene::drawObjectPoint(Surface &s, const Styles &st, int k) const {
    s.PSet(objX[k], objY[k], bundleStyles(st, k).use(s, kLensObjectDot));
}

Styles LensScene::bundleStyles(const Styles &st, int k) const {
    // The reflected rays keep their green and blue, the extensions their pale colours.
    return view.colouredBundles ? st.recoloured({kLensObjectDot, kLensRay}, BundleColour(k - 1)) : st;
}

void LensScene::drawImagingAids(Surface &s, const Styles &st) const {
    LensCardinals c;
    if (view.focalPoints && ThickLensCardinals(lens, c)) {
        const Style &mark = st[kLensFocal];
        // Close principal planes (a ball, a thin lens): H' labelled under H.
        const bool close = std::fabs(s.toDeviceX(c.xH2) - s.toDeviceX(c.xH)) < 3 * mark.size;
        DrawAxisMark(s, mark, c.xH, "H");
        DrawAxisMark(s, mark, c.xH2, "H\u2032", {}, close ? 1 : 0);
        DrawAxisMark(s, mark, c.xF, "F");
        DrawAxisMark(s, mark, c.xF2, "F\u2032", "f = " + std::to_string(static_cast<long long>(std::floor(c.f / 10 + 0.5))));
    }
    double x = 0, y = 0;
    if (view.paraxialImage && ParaxialLensImage(lens, currentX(), currentY(), x, y))
        DrawParaxialImage(s, st[kLensParaxial], x, y);
}

void LensScene::drawRay(Surface &s, const Styles &st, LensRayKind kind, const LensRay &ray, bool normals) const {
    if (!ray.drawn)
        return;
    const int k = static_cast<int>(kind);
    const Rgb black = st.use(s, kLensRay);
    for (int i = 1; i < ray.blackPoints; ++i)
        s.Line(ray.x[i - 1], ray.y[i - 1], ray.x[i], ray.y[i], black);
    const Rgb colour = st.use(s, kLensRay + k);
    for (int i = ray.blackPoints; i < ray.pointCount; ++i)
        s.Line(ray.x[i - 1], ray.y[i - 1], ray.x[i], ray.y[i], colour);
    if (view.arrows) {
        // A segment two kinds share gets one arrow: the incident one from the front reflection
        // when it is shown (drawn whenever any kind is), the one in the glass from the
        // transmitted ray when that leaves the lens. A full picture has thousands of heads.
        const bool transmittedLeaves = showTransmitted && ray.incidenceCount == 2 && !ray.incidences[1].total;
        int first = 1;
        if (kind == LensRayKind::Transmitted && showFront)
            first = 2;
        else if (kind == LensRayKind::BackReflected)
            first = transmittedLeaves ? 3 : showFront ? 2 : 1;
        // Every segment but the last one ends at a surface.
        for (int i = first; i < ray.pointCount; ++i)
            DrawArrowHead(s, st[kLensArrow], i < ray.blackPoints ? black : colour, ray.x[i - 1], ray.y[i - 1], ray.x[i],
                          ray.y[i], i < ray.pointCount - 1);
    }
    const bool extend[] = {extendTransmitted, extendFront, extendBack};
    if (extend[k]) {
        const Rgb e = st.use(s, kLensExtension + k);
        s.Line(ray.extension.x1, ray.extension.y1, ray.extension.x2, ray.extension.y2, e);
    }
    if (normals && showNormals) {
        const Rgb red = st.use(s, kLensNormal);
        for (int i = 0; i < ray.normalCount; ++i)
            s.Line(ray.normals[i].x1, ray.normals[i].y1, ray.normals[i].x2, ray.normals[i].y2, red);
    }
    st.use(s, kLensRay);
}

void LensScene::drawAngles(Surface &s, const Styles &st, float xA, float yA) const {
    const LensRay ray = TraceLensRay(lens, LensRayKind::Transmitted, currentX(), currentY(), xA, yA,
                                     static_cast<float>(s.ScaleWidth()));
    // Offsets in arrow lengths, which both tables keep in proportion to the text: the entry's
    // readings left of its point (about seven lengths wide), the exit's right of it, each
    // on the side away from the ray that arrives or leaves there.
    const double gap = st[kLensArrow].size, above = -3.6 * gap, below = gap / 2;
    const Style &text = st[kLensAngleText];
    constexpr double kDegrees = 180 / kPi;
    for (int i = 0; i < ray.incidenceCount; ++i) {
        const LensIncidence &q = ray.incidences[i];
        double dx = gap, dy = below;
        if (i == 0) {
            dx = -7 * gap;
            dy = currentY() < q.y ? below : above;
        } else if (!q.total) {
            dy = ray.y[3] > q.y ? above : below;
        } else {
            dy = q.y < 0 ? above : below;
        }
        DrawLabelLines(s, q.x, q.y, dx, dy, IncidenceReadings(q.alpha * kDegrees, q.beta * kDegrees, q.total),
                       text.size, text.color);
    }
}

void LensScene::replayBundles(Surface &s, const Styles &st) const {
    const float length = static_cast<float>(s.ScaleWidth());
    for (int k = 1; k <= objectCount; ++k)
        drawObjectPoint(s, st, k);
    s.SetDrawWidth(1);
    const bool on[] = {showTransmitted, showFront, showBack};
    for (int i = 0; i < 3; ++i) {
        if (!on[i])
            continue;
        for (int k = 1; k <= objectCount; ++k) {
            const Styles bundle = bundleStyles(st, k);
            for (int j = 1; j <= rayCount[k]; ++j)
                if (rayX[k][j] != objX[k])
                    drawRay(s, bundle, kKinds[i],
                            TraceLensRay(lens, kKinds[i], objX[k], objY[k], rayX[k][j], rayY[k][j], length), true);
        }
    }
    // The last stored ray's angles, until a new ray is dragged.
    const int last = rayCount[objectCount];
    if (view.angles && !trialActive && last > 0 && rayX[objectCount][last] != currentX())
        drawAngles(s, st, rayX[objectCount][last], rayY[objectCount][last]);
    s.SetDrawWidth(1);
}

namespace {
const char *const kParameters = QT_TRANSLATE_NOOP("varelo::LensScene", "Linsenparameter: r1 (rechts) = ");
const char *const kLeft = QT_TRANSLATE_NOOP("varelo::LensScene", "    r2 (links) = ");
const char *const kIndex = QT_TRANSLATE_NOOP("varelo::LensScene", "    n = ");
const char *const kDiameter = QT_TRANSLATE_NOOP("varelo::LensScene", "Durchmesser = ");
const char *const kThickness = QT_TRANSLATE_NOOP("varelo::LensScene", "   Dicke i.d.Mitte = ");
const char *const kFocal = QT_TRANSLATE_NOOP("varelo::LensScene", "Brennweite nach Linsenmacherformel f = ");
const char *const kPlane = QT_TRANSLATE_NOOP("varelo::LensScene", "plan");
const char *const kGraphCaption = QT_TRANSLATE_NOOP("varelo::LensScene", "Einfalls- und Brechungswinkel für n = ");
const char *const kZeroDegrees = QT_TRANSLATE_NOOP("varelo::LensScene", "0°");
const char *const kRightAngle = QT_TRANSLATE_NOOP("varelo::LensScene", "90°");
// Where the page's parts stand, as fractions of the page from its top-left corner.
constexpr double kTitleX = 0.1, kTitleY = 0.05, kLinesX = 0.1, kLinesY = 0.9;
constexpr double kGraphLeft = 0.675, kGraphTop = 0.08, kGraphSize = 0.22, kGraphCaptionY = 0.04;
} // namespace

void LensScene::scalePage(Surface &page, double widthTwips, double heightTwips) const {
    ScalePageToView(page, widthTwips, heightTwips, zoomFactor, panX, panY);
}

std::vector<const char *> LensScene::pageWords() const {
    return {kParameters, kLeft, kIndex, kDiameter, kThickness, kFocal, kPlane, kGraphCaption, kZeroDegrees, kRightAngle};
}

void LensScene::drawPage(Surface &s, const PageTexts &texts) const {
    draw(s, kPrinterLensStyles, Layer::Element | Layer::Bundles | Layer::Markers);
    const double L = s.ScaleLeft(), T = s.ScaleTop(), W = s.ScaleWidth(), H = s.ScaleHeight();
    if (graphOn) {
        const double left = L + kGraphLeft * W, top = T + kGraphTop * H, w = kGraphSize * W, h = kGraphSize * H;
        DrawAngleGraphInBox(s, lens.refrIndex, GraphWidths(kPrinterLensStyles, kLensGraphAxis), left, top, w, h);
        s.SetFontSize(10);
        PrintLines(s, kGraphLeft, kGraphCaptionY, {texts.words(kGraphCaption) + NumText(lens.refrIndex)});
        // The axis labels at the graph's corners.
        s.SetCurrentX(left - 0.02 * W);
        s.SetCurrentY(top + h);
        s.PrintText(texts.words(kZeroDegrees));
        s.SetCurrentX(left + w * 92 / 110);
        s.SetCurrentY(top + h);
        s.PrintText(texts.words(kRightAngle));
        s.SetCurrentX(left - 0.03 * W);
        s.SetCurrentY(top + h * 8 / 110 - 0.01 * H);
        s.PrintText(texts.words(kRightAngle));
    }
    const LensParams &p = lens;
    auto radius = [&](int k, float r) { return k != 0 ? ShownLength(r) : texts.words(kPlane); };
    s.SetFontSize(20);
    PrintLines(s, kTitleX, kTitleY, {texts.title});
    s.SetFontSize(12);
    std::vector<std::string> lines{texts.words(kParameters) + radius(p.k1, p.r1) + texts.words(kLeft) +
                                       radius(p.k2, p.r2) + texts.words(kIndex) + NumText(p.refrIndex),
                                   texts.words(kDiameter) + ShownLength(2 * p.semiDiameter) +
                                       texts.words(kThickness) + ShownLength(p.thickness)};
    float f = 0;
    if (ThinLensFocalLength(p, f))
        lines.push_back(texts.words(kFocal) + ShownLength(f));
    PrintLines(s, kLinesX, kLinesY, lines);
    DrawScaleBar(s, true);
}

bool LensScene::checkLesson(std::string &faults) const {
    LensParams kept = lens;
    EnforceDiameterLimit(kept);
    // A radius is 12000 / k, or its whole part where it limits the diameter.
    auto radiusFits = [this](int k, float r) {
        return k == 0 || r == RadiusOfCurvature(k) ||
               (r == Int(RadiusOfCurvature(k)) && lens.semiDiameter == std::fabs(r));
    };
    if (!radiusFits(lens.k1, lens.r1) || !radiusFits(lens.k2, lens.r2))
        faults += "lens.r1\n";
    if (kept.semiDiameter != lens.semiDiameter || kept.r1 != lens.r1 || kept.r2 != lens.r2)
        faults += "lens.semiDiameter\n";
    if (!OnIndexStep(lens.refrIndex) || lens.thickness != Int(lens.thickness))
        faults += "lens.refrIndex\n";
    CheckZoomedView(zoomFactor, panX, panY, markers.rasterStepX, markers.rasterStepY, faults);
    return faults.empty();
}

void LensScene::visit(FieldVisitor &v) {
    v.enter("lens");
    v.field("k1", lens.k1, -36, 36);
    v.field("k2", lens.k2, -36, 36);
    v.field("r1", lens.r1, -kCoordinateLimit, kCoordinateLimit);
    v.field("r2", lens.r2, -kCoordinateLimit, kCoordinateLimit);
    v.field("thickness", lens.thickness, 10, 1000);
    v.field("semiDiameter", lens.semiDiameter, 1, 1000);
    v.field("refrIndex", lens.refrIndex, 0.1, 2);
    v.leave();
    v.field("showTransmitted", showTransmitted);
    v.field("extendTransmitted", extendTransmitted);
    v.field("showFront", showFront);
    v.field("extendFront", extendFront);
    v.field("showBack", showBack);
    v.field("extendBack", extendBack);
    v.field("showNormals", showNormals);
    v.field("zoomFactor", zoomFactor, 1e-3, 1e3);
    v.field("panX", panX, -32768, 32767);
    v.field("panY", panY, -32768, 32767);
    v.field("graphOn", graphOn, 0, 1);
    v.field("protractorCount", protractorCount, 0, kMaxProtractors);
    v.field("protX", protX + 1, protractorCount, -kCoordinateLimit, kCoordinateLimit);
    v.field("protY", protY + 1, protractorCount, -kCoordinateLimit, kCoordinateLimit);
    v.field("protSlope", protSlope + 1, protractorCount, -1e9, 1e9);
    ObjectBundles::visit(v);
    markers.visit(v);
    for (int i = 1; i <= kPresets; ++i) {
        const std::string preset = "preset" + std::to_string(i);
        v.enter(preset.c_str());
        float *p = presets[i];
        v.field("k1", p[kPresetK1], -36, 36);
        v.field("k2", p[kPresetK2], -36, 36);
        v.field("semiDiameter", p[kPresetSemiDiameter], 1, 1000);
        v.field("thickness", p[kPresetThickness], 10, 1000);
        v.field("refrIndex", p[kPresetIndex], 0.1, 2);
        v.leave();
    }
    visitView(v);
}

uint64_t LensScene::key() const {
    KeyVisitor k;
    const_cast<LensScene &>(*this).visit(k); // the key visitor only reads
    // While a ray is dragged the kept picture goes without the last ray's angles.
    bool dragAngles = view.angles && trialActive;
    k.field("dragAngles", dragAngles);
    return k.key();
}

} // namespace varelo
