// The lens window in the browser: its controller, marker tools and zoom behind the
// window's handler names; the preset fields, the angle graph and its symbol as pictures of
// their own, drawn by the core in the page's device pixels.
#include "MarkedWeb.h"
#include "core/AngleGraph.h"
#include "core/NumRules.h"
#include "core/ObjectBundles.h"
#include "core/Texts.h"
#include "lens/LensController.h"
#include "lens/LensScene.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace varelo {

namespace {

// A bar of the window: its member and range (the controller's, which the window's table uses).
struct LensBar {
    const char *member;
    LensBarRange range;
};
constexpr LensBar kRightRadius{"HScroll3", kRadiusBar}, kLeftRadius{"HScroll2", kRadiusBar},
    kThickness{"HScroll4", kThicknessBar}, kDiameter{"HScroll5", kDiameterBar},
    kIndex{"HScroll6", kIndexBar};

// A scroll bar only ever gives a value in its range; NaN is no value at all.
bool BarValue(double a, const LensBarRange &r, int &value) {
    if (!std::isfinite(a))
        return false;
    value = static_cast<int>(std::clamp(a, double(r.min), double(r.max)));
    return true;
}

// The preset fields Picture9 .. Picture18; their numbers' labels (field 4's turns red once
// loaded).
std::string PresetMember(int i) {
    return "Picture" + std::to_string(8 + i);
}
int PresetOf(const std::string &member) {
    for (int i = 1; i <= LensScene::kPresets; ++i)
        if (member == PresetMember(i))
            return i;
    return 0;
}
constexpr char kRedPresetLabel[] = "Label16";

// The seven ray options' boxes.
constexpr const char *kRayBoxes[] = {"Check3D1", "Check3D4", "Check3D2", "Check3D5",
                                     "Check3D3", "Check3D6", "Check3D8"};

class LensModule : public MarkedModule {
public:
    LensModule() : MarkedModule(scene_.markers) {}
    LensScene scene_;
    LensController control{scene_};
    float lastX = 0, lastY = 0; // the pointer in world coordinates
    bool pointerMoved = false;
    int protractorMode = 0; // the protractor tool armed: its symbol sunk
    int presetShown = 0;    // the highlighted preset field, 0 none
    bool redLabel = false;  // field 4 was loaded once
    // The pointer as the desktop keeps it: the application's (set by presses, releases and
    // the tools) over the picture's own (set by moves).
    MousePointer screenPointer = MousePointer::Arrow, picturePointer = MousePointer::Arrow;
    // What the next drawExtra() puts onto the kept picture.
    bool extraObjectPoint = false, extraProtractor = false;
    // The graph's reading clicks (graph coordinates) since it was last drawn anew.
    std::vector<std::pair<float, float>> readings;
    std::vector<std::string> repaint; // pictures the next answer names

    Scene &scene() override { return scene_; }
    const char *lessonName() const override { return "lens"; }
    const Styles &styles() const override {
        return scene_.view.presentation ? kPresentLensStyles : kScreenLensStyles;
    }
    std::unique_ptr<Scene> freshScene() const override { return std::make_unique<LensScene>(); }
    void resetScene() override { scene_ = LensScene(); }

    // The graph drawn anew (the window's paintGraph): its caption, and earlier reading lines go.
    void paintGraph() {
        readings.clear();
        repaint.push_back("Picture8");
    }

    // A bar's value; the page keeps its range from the window's table.
    static void bar(std::ostringstream &o, const LensBar &b, int value) {
        o << ",\"" << b.member << "\":" << value;
    }

    // What the window shows again after an event, as its showUpdate sets it.
    std::string state(const LensUpdate &u, const MarkerUpdate &m = {}) {
        if (u.highlight >= 0) {
            presetShown = u.highlight;
            redLabel = redLabel || u.highlight == 4;
        }
        if (u.storedPreset)
            repaint.push_back(PresetMember(u.storedPreset));
        if (u.protractorDone)
            protractorMode = 0;
        if (u.graphChanged) {
            repaint.push_back("Picture7"); // its face shows the index
            if (scene_.graphOn)
                paintGraph();
        }
        if (m.pointer != MousePointer::Unchanged)
            screenPointer = m.pointer;
        extraObjectPoint = u.newObjectPoint;
        extraProtractor = u.newProtractor;
        const MousePointer pointer =
            screenPointer != MousePointer::Arrow ? screenPointer : picturePointer;
        const LensParams &p = scene_.lens;

        std::ostringstream o;
        o << "{\"layers\":" << (u.layers | m.layers)
          << ",\"newObjectPoint\":" << int(extraObjectPoint || extraProtractor)
          << ",\"pointer\":" << int(pointer) << ",\"key\":" << (scene_.key() & 0xffffffffu);
        // The texts in the page's language, each in its context.
        if (u.message || m.message)
            o << ",\"message\":"
              << Quoted(u.message ? Tr(kBundleTextContext, u.message)
                                  : Tr(kMarkerTextContext, m.message));

        o << ",\"texts\":{\"Text10\":" << Quoted(zoom.zoomText());
        if (u.r1Changed)
            o << ",\"Text4\":" << Quoted(control.rightRadiusText(u.plane));
        if (u.r2Changed)
            o << ",\"Text3\":" << Quoted(control.leftRadiusText(u.plane));
        if (u.thicknessChanged)
            o << ",\"Text5\":" << Quoted(control.thicknessText());
        if (u.indexChanged)
            o << ",\"Text7\":" << Quoted(control.indexText());
        if (u.diameterChanged)
            o << ",\"Text6\":" << Quoted(control.diameterText());
        if (u.objectXChanged)
            o << ",\"Text8\":" << Quoted(control.objectXText());
        if (u.objectYChanged)
            o << ",\"Text9\":" << Quoted(control.objectYText());
        if (u.hint)
            o << ",\"Label6\":" << Quoted(Tr(kBundleTextContext, u.hint));
        if (u.objectsChanged)
            o << ",\"Text11\":" << Quoted(control.objectNumberText(u.hint != nullptr));
        if (std::find(repaint.begin(), repaint.end(), "Picture8") != repaint.end())
            o << ",\"Label40\":" << Quoted(control.graphCaption());
        if (pointerMoved)
            o << ",\"Text1\":" << Quoted(control.pointerXText(lastX))
              << ",\"Text2\":" << Quoted(LensController::pointerYText(lastY));

        o << "},\"faces\":{" << facesJson() << ",\"Picture6\":" << protractorMode
          << ",\"Picture7\":" << int(scene_.graphOn != 0);
        for (int i = 1; i <= LensScene::kPresets; ++i)
            o << ",\"" << PresetMember(i) << "\":" << int(presetShown == i);

        o << "},\"bars\":{" << panBarsJson();
        bar(o, kRightRadius, p.k1);
        bar(o, kLeftRadius, -p.k2);
        bar(o, kThickness, CInt(p.thickness));
        bar(o, kDiameter, CInt(p.semiDiameter));
        bar(o, kIndex, CInt(100 * p.refrIndex));

        const bool on[] = {scene_.showTransmitted, scene_.extendTransmitted, scene_.showFront,
                           scene_.extendFront,     scene_.showBack,          scene_.extendBack,
                           scene_.showNormals};
        o << "},\"checks\":{";
        for (size_t i = 0; i < std::size(kRayBoxes); ++i)
            o << (i ? "," : "") << '"' << kRayBoxes[i] << "\":" << int(on[i]);
        // The caption lies in the graph's picture and goes with it.
        o << "},\"visible\":{\"Picture8\":" << (scene_.graphOn ? "true" : "false")
          << ",\"Label40\":true}";
        if (redLabel)
            o << ",\"backs\":{\"" << kRedPresetLabel << "\":\"#ff0000\"}";
        o << ",\"pictures\":[";
        for (size_t i = 0; i < repaint.size(); ++i)
            o << (i ? "," : "") << Quoted(repaint[i]);
        o << "],\"view\":" << viewJson() << "}";
        pointerMoved = false;
        repaint.clear();
        return o.str();
    }

    std::string viewChanged() {
        return state(control.viewChanged(zoom.zoomFactor, static_cast<float>(zoom.panX()),
                                         static_cast<float>(zoom.panY())));
    }

    static LensUpdate whole() {
        LensUpdate u;
        u.layers = kFullRedraw;
        return u;
    }

    std::string mouse(int phase, int button, double px, double py) override {
        const float x = static_cast<float>(picture_.toWorldX(px)),
                    y = static_cast<float>(picture_.toWorldY(py));
        lastX = x;
        lastY = y;
        LensUpdate u;
        MarkerUpdate m;
        if (phase == 0) {
            scene_.markers.computeRasterSteps(picture_.ScaleWidth(), picture_.ScaleHeight());
            u = control.mouseDown(button, x, y, markers.anyMode(), protractorMode != 0);
            if (u.pointer != MousePointer::Unchanged)
                screenPointer = u.pointer;
            if (u.toMarkers)
                m = markers.mouseDown(x, y);
        } else if (phase == 1) {
            pointerMoved = true;
            u = control.mouseMove(button, x, y, markers.anyMode());
            picturePointer = u.pointer;
            if (u.toMarkers)
                m = markers.mouseMove(x, y);
        } else {
            u = control.mouseUp(button, x, y, markers.anyMode());
            screenPointer = picturePointer = u.pointer;
            if (u.toMarkers)
                m = markers.mouseUp(x, scene_.currentX(), scene_.currentY());
        }
        return state(u, m);
    }

    std::string event(const std::string &name, const std::string &member, double a, double b,
                      double) override {
        const LensUpdate none;
        int v = 0;
        const bool held = b != 0;
        if (name == "HScroll3_Pressed" || name == "HScroll2_Pressed" ||
            name == "HScroll4_Pressed") {
            control.lensBarPressed();
            return state(none);
        }
        if (name == "HScroll3_Change")
            return BarValue(a, kRightRadius.range, v) ? state(control.rightRadiusBar(v, held))
                                                      : state(none);
        if (name == "HScroll2_Change")
            return BarValue(a, kLeftRadius.range, v) ? state(control.leftRadiusBar(v, held))
                                                     : state(none);
        if (name == "HScroll4_Change")
            return BarValue(a, kThickness.range, v) ? state(control.thicknessBar(v, held))
                                                    : state(none);
        if (name == "HScroll5_Change")
            return BarValue(a, kDiameter.range, v) ? state(control.diameterBar(v)) : state(none);
        if (name == "HScroll6_Change")
            return BarValue(a, kIndex.range, v) ? state(control.indexBar(v)) : state(none);
        if (bool moved = false; viewEvent(name, a, moved))
            return moved ? viewChanged() : state(none);
        if (MarkerUpdate m; symbolEvent(name, m))
            return state(none, m);
        if (name == "Check3D_Click") {
            // One handler for the seven boxes: the box's member says which option it is.
            LensRayOptions o{scene_.showTransmitted, scene_.extendTransmitted, scene_.showFront,
                             scene_.extendFront,     scene_.showBack,          scene_.extendBack,
                             scene_.showNormals};
            bool *boxes[] = {&o.transmitted, &o.extendTransmitted, &o.front,  &o.extendFront,
                             &o.back,        &o.extendBack,        &o.normals};
            for (size_t i = 0; i < std::size(kRayBoxes); ++i)
                if (member == kRayBoxes[i])
                    *boxes[i] = a != 0;
            return state(control.options(o));
        }
        if (const int i = name.size() > 10 && name.compare(name.size() - 10, 10, "_MouseDown") == 0
                              ? PresetOf(name.substr(0, name.size() - 10))
                              : 0)
            return state(control.presetField(i, static_cast<int>(a)));
        if (name == "Spin2_SpinUp")
            return state(control.stepObject(ObjectStep::Left));
        if (name == "Spin2_SpinDown")
            return state(control.stepObject(ObjectStep::Right));
        if (name == "Spin3_SpinUp")
            return state(control.stepObject(ObjectStep::Up));
        if (name == "Spin3_SpinDown")
            return state(control.stepObject(ObjectStep::Down));
        if (name == "Command5_Click")
            return state(control.newObject());
        if (name == "Command7_Click")
            return state(control.clearBundle());
        if (name == "Command6_Click")
            return state(control.startAgain());
        if (name == "Undo")
            return state(control.undo());
        if (name == "Redo")
            return state(control.redo());
        if (name == "Picture1_DropLive") {
            markers.cancelPlacing();
            return state(control.dropLive());
        }
        if (name == "Picture6_Click") {
            protractorMode = 1 - protractorMode;
            if (protractorMode)
                screenPointer = MousePointer::CrossHair;
            return state(none);
        }
        if (name == "Picture7_Click")
            return state(control.angleGraph());
        if (name == "Command2_Click") {
            const LensUpdate u = control.clearMarks();
            return state(u, markers.clear(rightEdge()));
        }
        if (name == "View") {
            // An entry of the "Ansicht" menu: the option with this bit on or off; the graph
            // is drawn anew in the look it gives.
            setViewOption(static_cast<unsigned>(a), b != 0);
            if (scene_.graphOn)
                paintGraph();
            return state(whole());
        }
        if (name == "Form_Load") {
            // The first picture: the lens and the first object point.
            LensUpdate u = control.sceneReplaced();
            u.layers = Layer::Clear | Layer::Element | Layer::Bundles;
            return state(u);
        }
        if (name == "Redraw")
            return state(whole());
        return state(none);
    }

    int drawExtra() override {
        recorder_.clear();
        if (extraObjectPoint) {
            scene_.drawObjectPoint(picture_, styles(), scene_.objectCount);
            picture_.SetDrawWidth(1);
        }
        if (extraProtractor)
            scene_.drawProtractor(picture_, styles(), scene_.protractorCount);
        extraObjectPoint = extraProtractor = false;
        return flatten();
    }

    // The angle graph with its reading lines, its symbol's face, and the preset fields' lenses.
    int drawPicture(const std::string &member, int w, int h) override {
        RecordingSurface s;
        s.width = w;
        s.height = h;
        s.attachRecorder(&recorder_);
        recorder_.clear();
        const float n = scene_.lens.refrIndex;
        const int preset = PresetOf(member);
        if (member == "Picture8") {
            DrawAngleGraph(s, n,
                           scene_.view.presentation ? Doubled(kLensGraphWidths) : kLensGraphWidths);
            for (const auto &[x, y] : readings)
                DrawAngleReading(s, n, x, y);
        } else if (member == "Picture7" || preset) {
            // As a symbol button draws its face: in (-100, -100)-(100, 100) unless the face
            // sets its own scale.
            s.Scale(-100, -100, 100, 100);
            if (preset)
                scene_.drawPresetFace(s, preset);
            else
                DrawAngleGraphFace(s, n);
        } else {
            return 0;
        }
        return flattenInDevicePixels(s);
    }

    // A left click on the graph draws the lines that read it off.
    std::string pictureMouse(const std::string &member, int phase, int button, double px, double py,
                             int w, int h) override {
        if (member == "Picture8" && phase == 0 && button == 1 && scene_.graphOn) {
            RecordingSurface s;
            s.width = w;
            s.height = h;
            SetAngleGraphScale(s);
            readings.emplace_back(static_cast<float>(s.toWorldX(px)),
                                  static_cast<float>(s.toWorldY(py)));
            repaint.push_back("Picture8");
        }
        return state({});
    }

    std::string sceneReplaced() override {
        zoom.setView(scene_.zoomFactor, CInt(scene_.panX), CInt(scene_.panY));
        const MarkerUpdate m = markers.showMarks();
        protractorMode = 0;
        for (int i = 1; i <= LensScene::kPresets; ++i)
            repaint.push_back(PresetMember(i));
        return state(control.sceneReplaced(), m);
    }
};

} // namespace

std::unique_ptr<WebModule> MakeLensModule() {
    return std::make_unique<LensModule>();
}

} // namespace varelo
