#include "mirror/MirrorScene.h"

#include "core/Aids.h"
#include "core/NumRules.h"
#include "core/View.h"

#include <cmath>

namespace varelo {

namespace {
constexpr Rgb kExtensionGrey{180, 180, 180};
} // namespace

// Marker kinds first, then the mirror's own.
constexpr StyleEntry kScreenMirrorEntries[] = {
    {kMirrorObjectDot, {kBlack, 5}},
    {kMirrorRay, {kBlack, 1}},
    {kMirrorDotted, {kBlack, 1, kDotted}},
    {kMirrorExtension, {kExtensionGrey, 1}},
    {kMirrorNormal, {kRed, 1}},
    {kMirrorOutline, {kBlack, 2}},
    {kMirrorAxis, {kBlack, 1, kDashDot}},
    {kMirrorCentre, {kBlack, 1}},
    {kMirrorArrow, {kBlack, 1, kSolid, 0, 10}},
    {kMirrorFocal, {kBlack, 2, kSolid, 0, 8, 10}},
    {kMirrorParaxial, {kRed, 1, kSolid, 0, 6}},
};
static_assert(CoversKinds(kScreenMirrorEntries, kMirrorObjectDot, kMirrorKindCount));
const Styles kScreenMirrorStyles{kScreenMarkerStyles, kScreenMirrorEntries};
const Styles kPresentMirrorStyles = Styles::Presentation(kScreenMirrorStyles, {kMirrorRay, kMirrorDotted});
constexpr StyleEntry kPrinterMirrorEntries[] = {
    {kMirrorObjectDot, {kBlack, 20}},
    {kMirrorRay, {kBlack, 2}},
    {kMirrorDotted, {kBlack, 1, kDotted}},
    {kMirrorExtension, {kExtensionGrey, 2}},
    {kMirrorNormal, {kRed, 2}},
    {kMirrorOutline, {kBlack, 4}},
    {kMirrorAxis, {kBlack, 1, kDashDot}},
    {kMirrorCentre, {kBlack, 1}},
    {kMirrorArrow, {kBlack, 3, kSolid, 0, 60}},
    {kMirrorFocal, {kBlack, 6, kSolid, 0, 48, 10}},
    {kMirrorParaxial, {kRed, 4, kSolid, 0, 36}},
};
static_assert(CoversKinds(kPrinterMirrorEntries, kMirrorObjectDot, kMirrorKindCount));
const Styles kPrinterMirrorStyles{kPrinterMarkerStyles, kPrinterMirrorEntries};

MirrorScene::MirrorScene() {
    restart(-1600, -750);
    markers.resetScreenLine(2000);
}

void MirrorScene::aimTrial(float x, float y) {
    trialActive = true;
    aimX = x;
    aimY = y;
    const RayTrace t = TraceRay(mirror, currentX(), currentY(), x, y, 1);
    trialHasHit = t.outcome != TraceOutcome::NoHit;
    if (trialHasHit) {
        hitX = t.hitX;
        hitY = t.hitY;
    }
}

void MirrorScene::moveCurrentTo(float x, float y) {
    if (markers.rasterOn == 0) {
        setCurrent(x, y);
        return;
    }
    float sx = 0, sy = 0;
    markers.snapToRaster(x, y, sx, sy);
    // A snapped point on the mirror plane would leave the object side.
    if (sx >= 0)
        sx = -static_cast<float>(markers.rasterStepX);
    setCurrent(sx, sy);
}

float MirrorScene::arcHalfAngle() const {
    return ComputeApertureAngle(mirror.mirrorRadius, mirror.halfAperture, static_cast<float>(kPi));
}

void MirrorScene::draw(Surface &s, const Styles &st, Layers layers) const {
    if (layers & Layer::Clear)
        s.Cls();
    if (layers & Layer::Element)
        DrawMirror(s, st);
    if (layers & Layer::Bundles) {
        DrawBundles(s, st);
        drawImagingAids(s, st);
    }
    if (layers & Layer::Markers)
        markers.drawMarks(s, st, zoomFactor);
    if (layers & Layer::Live) {
        if (trialActive) {
            const RayTrace t = TraceRay(mirror, currentX(), currentY(), aimX, aimY,
                                        static_cast<float>(s.ScaleWidth()));
            if (t.outcome == TraceOutcome::Reflected) {
                st.use(s, kMirrorRay);
                drawRay(s, bundleStyles(st, objectCount), currentX(), currentY(), t, false);
            }
        }
        markers.drawPending(s, st, zoomFactor);
    }
    if (layers & Layer::Raster)
        markers.drawRaster(s, st);
    s.SetDrawWidth(1);
}

void MirrorScene::DrawMirror(Surface &s, const Styles &st) const {
    const float pi = static_cast<float>(kPi);
    const float r = mirror.mirrorRadius, h = mirror.halfAperture, a = arcHalfAngle();
    s.Circle(0, 0, 5, st.use(s, kMirrorCentre));
    const Rgb axis = st.use(s, kMirrorAxis);
    s.Line(s.ScaleLeft(), 0, s.ScaleLeft() + s.ScaleWidth(), 0, axis);
    const Rgb c = st.use(s, kMirrorOutline);
    if (mirror.curvature == 0)
        s.Line(0, h, 0, -h, c);
    else if (r > 0)
        s.Arc(r, 0, std::fabs(r), c, pi - a, pi + a);
    else
        s.Arc(r, 0, std::fabs(r), c, 2 * pi - a, a);
    if (mirror.curvature != 0)
        s.Line(r, 20, r, -20, c);
    s.SetDrawWidth(1);
}

void MirrorScene::drawObjectPoint(Surface &s, const Styles &st, int k) const {
    s.PSet(objX[k], objY[k], bundleStyles(st, k).use(s, kMirrorObjectDot));
}

Styles MirrorScene::bundleStyles(const Styles &st, int k) const {
    return view.colouredBundles ? st.recoloured({kMirrorObjectDot, kMirrorRay, kMirrorDotted}, BundleColour(k - 1)) : st;
}

void MirrorScene::drawImagingAids(Surface &s, const Styles &st) const {
    double xF = 0;
    if (view.focalPoints && MirrorFocus(mirror, xF))
        DrawAxisMark(s, st[kMirrorFocal], xF, "F");
    double x = 0, y = 0;
    if (view.paraxialImage && objectCount >= 1 && ParaxialMirrorImage(mirror, currentX(), currentY(), x, y))
        DrawParaxialImage(s, st[kMirrorParaxial], x, y);
}

void MirrorScene::drawRay(Surface &s, const Styles &st, float px, float py, const RayTrace &t,
                          bool normal) const {
    s.Line(px, py, t.hitX, t.hitY, st[kMirrorRay].color);
    const Rgb reflected = st[dottedReflected ? kMirrorDotted : kMirrorRay].color;
    if (dottedReflected) {
        s.Line(t.hitX, t.hitY, t.endX, t.endY, st.use(s, kMirrorDotted));
        st.use(s, kMirrorRay);
    } else {
        s.Line(t.hitX, t.hitY, t.endX, t.endY, reflected);
    }
    if (view.arrows) {
        DrawArrowHead(s, st[kMirrorArrow], st[kMirrorRay].color, px, py, t.hitX, t.hitY, true);
        DrawArrowHead(s, st[kMirrorArrow], reflected, t.hitX, t.hitY, t.endX, t.endY, false);
    }
    if (extendReflected)
        s.Line(t.hitX, t.hitY, t.backX, t.backY, st[kMirrorExtension].color);
    if (normal && drawNormals) {
        const Segment n = MirrorNormal(mirror, t.hitX, t.hitY);
        s.Line(n.x1, n.y1, n.x2, n.y2, st[kMirrorNormal].color);
    }
}

void MirrorScene::DrawBundles(Surface &s, const Styles &st) const {
    const float length = static_cast<float>(s.ScaleWidth());
    for (int k = 1; k <= objectCount; ++k)
        drawObjectPoint(s, st, k);
    st.use(s, kMirrorRay);
    for (int k = 1; k <= objectCount; ++k) {
        const float px = objX[k], py = objY[k];
        const Styles bundle = bundleStyles(st, k);
        for (int j = 1; j <= rayCount[k]; ++j) {
            const RayTrace t = TraceRay(mirror, px, py, rayX[k][j], rayY[k][j], length);
            if (t.outcome == TraceOutcome::NoHit)
                continue;
            if (t.outcome == TraceOutcome::OutsideOpening) {
                // Stored, but it passes the mirror: kept invisible.
                s.Line(px, py, rayX[k][j], rayY[k][j], kWhite);
                continue;
            }
            drawRay(s, bundle, px, py, t, true);
        }
    }
    s.SetDrawWidth(1);
}

namespace {
const char *const kParameters = QT_TRANSLATE_NOOP("varelo::MirrorScene", "Spiegelparameter: r = ");
const char *const kPlane = QT_TRANSLATE_NOOP("varelo::MirrorScene", "plan");
const char *const kOpening = QT_TRANSLATE_NOOP("varelo::MirrorScene", "Durchmesser der Öffnung = ");
const char *const kFocal = QT_TRANSLATE_NOOP("varelo::MirrorScene", "Brennweite nach Formel f = ");
// Where the page's lines stand, as fractions of the page from its top-left corner.
constexpr double kTitleX = 0.1, kTitleY = 0.05, kLinesX = 0.1, kLinesY = 0.9;
} // namespace

void MirrorScene::pressCurvature() {
    apertureAtPress_ = mirror.halfAperture;
    radiusAtPress_ = mirror.mirrorRadius;
}

bool MirrorScene::setCurvature(int curvature, bool dragging) {
    mirror.curvature = static_cast<int16_t>(curvature);
    if (curvature != 0)
        mirror.mirrorRadius = RadiusOfCurvature(curvature);
    else if (dragging && radiusAtPress_ != 0)
        mirror.mirrorRadius = radiusAtPress_;
    const float before = mirror.halfAperture;
    const float wanted = dragging && apertureAtPress_ > 0 ? apertureAtPress_ : before;
    // Limited, the opening is what the aperture bar can show: the whole part of the limit.
    mirror.halfAperture = apertureLimit() < wanted ? Int(apertureLimit()) : wanted;
    return mirror.halfAperture != before;
}

float MirrorScene::apertureLimit() const { return static_cast<float>(0.99 * std::fabs(mirror.mirrorRadius)); }

void MirrorScene::setHalfAperture(float h) {
    const float limit = apertureLimit();
    mirror.halfAperture = limit <= h ? limit : h;
}

void MirrorScene::scalePage(Surface &page, double widthTwips, double heightTwips) const {
    ScalePageToView(page, widthTwips, heightTwips, zoomFactor, panX, panY);
}

std::vector<const char *> MirrorScene::pageWords() const { return {kParameters, kPlane, kOpening, kFocal}; }

void MirrorScene::drawPage(Surface &s, const PageTexts &texts) const {
    draw(s, kPrinterMirrorStyles, Layer::Element | Layer::Bundles | Layer::Markers);
    const float r = mirror.mirrorRadius;
    const bool curved = mirror.curvature != 0;
    s.SetFontSize(20);
    PrintLines(s, kTitleX, kTitleY, {texts.title});
    s.SetFontSize(12);
    std::vector<std::string> lines{texts.words(kParameters) + (curved ? ShownLength(r) : texts.words(kPlane)),
                                   texts.words(kOpening) + ShownLength(2 * mirror.halfAperture)};
    if (curved)
        lines.push_back(texts.words(kFocal) + ShownLength(r / 2));
    PrintLines(s, kLinesX, kLinesY, lines);
    DrawScaleBar(s, false);
}

bool MirrorScene::checkLesson(std::string &faults) const {
    if (mirror.curvature != 0 && mirror.mirrorRadius != RadiusOfCurvature(mirror.curvature))
        faults += "mirror.mirrorRadius\n";
    if (!(mirror.halfAperture <= apertureLimit()) || mirror.halfAperture < 10 || mirror.halfAperture > 1000)
        faults += "mirror.halfAperture\n";
    if (mirror.mirrorRadius == 0)
        faults += "mirror.mirrorRadius\n";
    CheckZoomedView(zoomFactor, panX, panY, markers.rasterStepX, markers.rasterStepY, faults);
    return faults.empty();
}

void MirrorScene::visit(FieldVisitor &v) {
    v.enter("mirror");
    v.field("curvature", mirror.curvature, -36, 36);
    v.field("mirrorRadius", mirror.mirrorRadius, -kCoordinateLimit, kCoordinateLimit);
    v.field("halfAperture", mirror.halfAperture, 0, kCoordinateLimit);
    v.leave();
    v.field("dottedReflected", dottedReflected);
    v.field("extendReflected", extendReflected);
    v.field("drawNormals", drawNormals);
    v.field("zoomFactor", zoomFactor, 1e-3, 1e3);
    v.field("panX", panX, -32768, 32767);
    v.field("panY", panY, -32768, 32767);
    ObjectBundles::visit(v);
    markers.visit(v);
    visitView(v);
}

uint64_t MirrorScene::key() const {
    KeyVisitor k;
    const_cast<MirrorScene &>(*this).visit(k); // the key visitor only reads
    return k.key();
}

} // namespace varelo
