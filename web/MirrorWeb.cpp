// The mirror window in the browser: its controller, marker tools and zoom behind the
// window's handler names.
#include "MarkedWeb.h"
#include "core/NumRules.h"
#include "core/ObjectBundles.h"
#include "core/Texts.h"
#include "mirror/MirrorController.h"
#include "mirror/MirrorScene.h"

namespace varelo {

namespace {

class MirrorModule : public MarkedModule {
public:
    MirrorModule() : MarkedModule(scene_.markers) {}
    MirrorScene scene_;
    MirrorController control{scene_};
    float lastX = 0, lastY = 0; // the pointer in world coordinates
    bool releasing_ = false;
    bool pointerMoved = false;

    Scene &scene() override { return scene_; }
    const char *lessonName() const override { return "mirror"; }
    const Styles &styles() const override {
        return scene_.view.presentation ? kPresentMirrorStyles : kScreenMirrorStyles;
    }
    std::unique_ptr<Scene> freshScene() const override { return std::make_unique<MirrorScene>(); }
    void resetScene() override { scene_ = MirrorScene(); }

    // The whole state the page shows besides the picture_.
    std::string state(const MirrorUpdate &u, const MarkerUpdate &m) {
        std::ostringstream o;
        // The marker tools set the screen's pointer, and so does a release; a move the picture's.
        const MousePointer screen = m.pointer != MousePointer::Unchanged ? m.pointer
                                    : releasing_                         ? u.pointer
                                                                         : MousePointer::Unchanged;
        const MousePointer pointer = releasing_ ? MousePointer::Unchanged : u.pointer;
        o << "{\"layers\":" << (u.layers | m.layers)
          << ",\"newObjectPoint\":" << (u.newObjectPoint ? 1 : 0) << ",\"pointer\":" << int(pointer)
          << ",\"screen\":" << int(screen) << ",\"key\":" << (scene_.key() & 0xffffffffu);
        // The texts in the page's language, each in its context.
        if (u.message || m.message)
            o << ",\"message\":"
              << Quoted(u.message ? Tr(kBundleTextContext, u.message)
                                  : Tr(kMarkerTextContext, m.message));

        // The fields the window sets again for this answer, and the zoom's.
        o << ",\"texts\":{\"Text10\":" << Quoted(zoom.zoomText());
        if (u.hint)
            o << ",\"Label6\":" << Quoted(Tr(kBundleTextContext, u.hint));
        if (u.radiusChanged)
            o << ",\"Text3\":" << Quoted(control.radiusText());
        if (u.diameterChanged)
            o << ",\"Text6\":" << Quoted(control.diameterText());
        if (u.objectMoved)
            o << ",\"Text8\":" << Quoted(control.objectXText())
              << ",\"Text9\":" << Quoted(control.objectYText());
        if (u.objectsChanged)
            o << ",\"Text11\":" << Quoted(control.objectNumberText());
        if (pointerMoved)
            o << ",\"Text1\":" << Quoted(MirrorController::pointerXText(lastX))
              << ",\"Text2\":" << Quoted(MirrorController::pointerYText(lastY));
        o << "},\"faces\":{" << facesJson() << "},\"bars\":{" << panBarsJson()
          << ",\"HScroll2\":" << -scene_.mirror.curvature
          << ",\"HScroll5\":" << CInt(scene_.mirror.halfAperture) << "}"
          << ",\"checks\":{\"Check3D5\":" << int(scene_.extendReflected)
          << ",\"Check3D2\":" << int(scene_.dottedReflected)
          << ",\"Check3D8\":" << int(scene_.drawNormals) << "},\"view\":" << viewJson() << "}";
        pointerMoved = false;
        return o.str();
    }

    std::string viewChanged() {
        return state(control.viewChanged(zoom.zoomFactor, static_cast<float>(zoom.panX()),
                                         static_cast<float>(zoom.panY())),
                     {});
    }

    std::string mouse(int phase, int button, double px, double py) override {
        const float x = static_cast<float>(picture_.toWorldX(px)),
                    y = static_cast<float>(picture_.toWorldY(py));
        lastX = x;
        lastY = y;
        MirrorUpdate u;
        MarkerUpdate m;
        if (phase == 0) {
            scene_.markers.computeRasterSteps(picture_.ScaleWidth(), picture_.ScaleHeight());
            u = control.mouseDown(button, x, y, markers.anyMode());
            if (u.toMarkers)
                m = markers.mouseDown(x, y);
        } else if (phase == 1) {
            pointerMoved = true;
            u = control.mouseMove(button, x, y, markers.anyMode());
            if (u.toMarkers)
                m = markers.mouseMove(x, y);
        } else {
            releasing_ = true;
            u = control.mouseUp(button, x, y, markers.anyMode());
            if (u.toMarkers)
                m = markers.mouseUp(x, scene_.currentX(), scene_.currentY());
        }
        const std::string answer = state(u, m);
        releasing_ = false;
        return answer;
    }

    std::string event(const std::string &name, const std::string &member, double a, double b,
                      double) override {
        const MirrorUpdate none;
        const MarkerUpdate noMarks;
        if (name == "HScroll2_Pressed") {
            control.curvaturePressed();
            return state(none, noMarks);
        }
        if (name == "HScroll2_Change")
            return state(control.curvatureBar(static_cast<int>(a), b != 0), noMarks);
        if (name == "HScroll5_Change")
            return state(control.apertureBar(static_cast<int>(a)), noMarks);
        if (name == "Check3D_Click") {
            // One handler for the three boxes: the box's member says which option it is.
            bool extend = scene_.extendReflected, dotted = scene_.dottedReflected,
                 normals = scene_.drawNormals;
            (member == "Check3D5" ? extend : member == "Check3D2" ? dotted : normals) = a != 0;
            return state(control.options(extend, dotted, normals), noMarks);
        }
        if (bool moved = false; viewEvent(name, a, moved))
            return moved ? viewChanged() : state(none, noMarks);
        if (MarkerUpdate m; symbolEvent(name, m))
            return state(none, m);
        if (name == "Spin2_SpinUp")
            return state(control.stepObject(ObjectStep::Left), noMarks);
        if (name == "Spin2_SpinDown")
            return state(control.stepObject(ObjectStep::Right), noMarks);
        if (name == "Spin3_SpinUp")
            return state(control.stepObject(ObjectStep::Up), noMarks);
        if (name == "Spin3_SpinDown")
            return state(control.stepObject(ObjectStep::Down), noMarks);
        if (name == "Command5_Click")
            return state(control.newObject(), noMarks);
        if (name == "command1_Click")
            return state(control.clearBundle(), noMarks);
        if (name == "Command6_Click")
            return state(control.startAgain(), noMarks);
        if (name == "Undo")
            return state(control.undo(), noMarks);
        if (name == "Redo")
            return state(control.redo(), noMarks);
        if (name == "Picture1_DropLive") {
            markers.cancelPlacing();
            return state(control.dropLive(), noMarks);
        }
        if (name == "Command2_Click")
            return state(none, markers.clear(rightEdge()));
        if (name == "View") {
            // An entry of the "Ansicht" menu: the option with this bit on or off.
            setViewOption(static_cast<unsigned>(a), b != 0);
            MirrorUpdate u;
            u.layers = kFullRedraw;
            return state(u, noMarks);
        }
        if (name == "Form_Load") {
            // The first picture: the mirror and the first object point.
            MirrorUpdate u;
            u.layers = Layer::Clear | Layer::Element | Layer::Bundles;
            return state(u, noMarks);
        }
        if (name == "Redraw") {
            MirrorUpdate u;
            u.layers = kFullRedraw;
            return state(u, noMarks);
        }
        return state(none, noMarks);
    }

    int drawExtra() override {
        recorder_.clear();
        scene_.drawObjectPoint(picture_, styles(), scene_.objectCount);
        picture_.SetDrawWidth(1);
        return flatten();
    }

    std::string sceneReplaced() override {
        zoom.setView(scene_.zoomFactor, CInt(scene_.panX), CInt(scene_.panY));
        MirrorUpdate u = control.sceneReplaced();
        u.radiusChanged = u.diameterChanged = true;
        return state(u, markers.showMarks());
    }
};

} // namespace

std::unique_ptr<WebModule> MakeMirrorModule() {
    return std::make_unique<MirrorModule>();
}

} // namespace varelo
