// The two refraction windows in the browser: the ray path (its tools, and the angle diagram
// in a picture of its own) and the imaging of points, each through its window's controller
// behind the window's handler names. The answers carry what the windows' showUpdate sets.
#include "WebModule.h"
#include "core/AngleGraph.h"
#include "core/NumRules.h"
#include "core/Texts.h"
#include "refraction/ImagingController.h"
#include "refraction/ImagingScene.h"
#include "refraction/RayPathController.h"
#include "refraction/RayPathScene.h"
#include "refraction/RefractionOptics.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace varelo {

namespace {

// The pointer as the desktop shows it: one the controller sets for the whole screen (while
// a drag or an armed tool lasts) goes before the picture's own.
class Pointers {
public:
    void take(const RefractionUpdate &u) {
        if (u.pointer != MousePointer::Unchanged)
            picture_ = u.pointer;
        if (u.screenPointer != MousePointer::Unchanged)
            screen_ = u.screenPointer;
    }
    MousePointer shown() const { return screen_ != MousePointer::Arrow ? screen_ : picture_; }

private:
    MousePointer picture_ = MousePointer::Arrow, screen_ = MousePointer::Arrow;
};

// The index bar's value as the desktop's bar keeps it: within its range.
int IndexBarValue(double v) {
    return std::isfinite(v) ? static_cast<int>(std::clamp(v, 50.0, 200.0)) : 50;
}

// The answer's parts both windows share: layers, key, pointer, the live frame's base, the
// message and a module to go to.
void Begin(std::ostringstream &o, const RefractionUpdate &u, const Scene &scene,
           MousePointer pointer, Layers base, const char *open, const char *textContext) {
    o << "{\"layers\":" << u.layers << ",\"key\":" << (scene.key() & 0xffffffffu)
      << ",\"pointer\":" << int(pointer) << ",\"base\":" << base;
    if (u.message)
        o << ",\"message\":" << Quoted(Tr(textContext, u.message)); // in the page's language
    if (open)
        o << ",\"open\":" << Quoted(open);
}

class RayPathModule : public WebModule {
public:
    RayPathScene scene_;
    RayPathController control{scene_};
    Pointers pointers;
    bool diagramShown = false;
    // The readings clicked on the diagram since it was last drawn anew, in degrees.
    std::vector<std::pair<float, float>> readings;

    Scene &scene() override { return scene_; }
    const char *lessonName() const override { return "ray-path"; }
    const Styles &styles() const override {
        return scene_.view.presentation ? kPresentRayPathStyles : kScreenRayPathStyles;
    }
    std::unique_ptr<Scene> freshScene() const override { return std::make_unique<RayPathScene>(); }
    void resetScene() override { scene_ = RayPathScene(); }
    // The window keeps the whole picture under the ray being dragged; nothing more with it.
    Layers liveBase() const override { return Layer::Clear | kRayPathPicture; }
    Layers withLive() const override { return 0; }

    std::string state(const RayPathUpdate &u, const char *open = nullptr) {
        pointers.take(u);
        if (u.diagram == DiagramChange::Shown)
            diagramShown = true;
        else if (u.diagram == DiagramChange::Hidden)
            diagramShown = false;
        if (u.diagram == DiagramChange::Shown || u.diagram == DiagramChange::Redrawn)
            readings.clear();

        std::ostringstream o;
        Begin(o, u, scene_, pointers.shown(), liveBase(), open, kRayPathTextContext);
        // The texts the window sets again for this answer: the indices, the diagram's caption,
        // in the page's language.
        const MediaIndices m = IndicesOfMedia(scene_.relIndex);
        const std::string is = Tr(kRayPathTextContext, kPathIndexIs),
                          one = Tr(kRayPathTextContext, kPathIndexOne);
        o << ",\"texts\":{";
        if (u.indexChanged)
            o << "\"Text3\":" << Quoted(m.upper) << ",\"Text2\":" << Quoted(m.lower)
              << ",\"Text1\":" << Quoted(m.upperIsOne ? one : is + m.upper)
              << ",\"Text4\":" << Quoted(m.upperIsOne ? is + m.lower : one);
        if (u.diagram == DiagramChange::Shown || u.diagram == DiagramChange::Redrawn)
            o << (u.indexChanged ? "," : "") << "\"Label2\":"
              << Quoted(Tr(kRayPathTextContext, kDiagramCaption) + NumText(scene_.relIndex));
        o << '}';
        o << ",\"faces\":{\"Picture5\":" << control.armed(PathTool::Point)
          << ",\"Picture2\":" << control.armed(PathTool::Eye)
          << ",\"Picture3\":" << control.armed(PathTool::Protractor)
          << ",\"Picture4\":" << int(control.diagramFramed()) << '}';
        o << ",\"bars\":{\"HScroll1\":[50,200,1,1," << CInt(100 * scene_.relIndex) << "]}";
        o << ",\"checks\":{\"Check3D1\":" << int(scene_.showRefracted)
          << ",\"Check3D2\":" << int(scene_.extendRefracted)
          << ",\"Check3D3\":" << int(scene_.showReflected)
          << ",\"Check3D4\":" << int(scene_.extendReflected)
          << ",\"Check3D5\":" << int(scene_.showNormals) << '}';
        const char *shown = diagramShown ? "true" : "false";
        o << ",\"visible\":{\"Picture6\":" << shown << ",\"Label2\":" << shown << '}';
        // The diagram when it is drawn anew or read, the diagram symbol's face when n changed.
        const bool diagram =
            diagramShown && u.diagram != DiagramChange::None && u.diagram != DiagramChange::Hidden;
        o << ",\"pictures\":[";
        if (diagram)
            o << "\"Picture6\"";
        if (u.indexChanged)
            o << (diagram ? "," : "") << "\"Picture4\"";
        o << ']';
        o << ",\"view\":" << viewJson() << '}';
        return o.str();
    }

    std::string mouse(int phase, int button, double px, double py) override {
        const float x = static_cast<float>(picture_.toWorldX(px)),
                    y = static_cast<float>(picture_.toWorldY(py));
        if (phase == 0)
            return state(control.mouseDown(button, x, y));
        if (phase == 1)
            return state(control.mouseMove(button, x, y));
        return state(control.mouseUp(button, x, y));
    }

    std::string event(const std::string &name, const std::string &member, double a, double b,
                      double) override {
        if (name == "Form_Load") {
            RayPathUpdate u;
            u.layers = Layer::Element | Layer::Bundles;
            return state(u);
        }
        if (name == "Check3D_Click") {
            // One handler for the five boxes: the box's member says which option it is.
            bool o[5] = {scene_.showRefracted, scene_.extendRefracted, scene_.showReflected,
                         scene_.extendReflected, scene_.showNormals};
            static const char *const boxes[5] = {"Check3D1", "Check3D2", "Check3D3", "Check3D4",
                                                 "Check3D5"};
            for (int i = 0; i < 5; ++i)
                if (member == boxes[i])
                    o[i] = a != 0;
            return state(control.options(o[0], o[1], o[2], o[3], o[4]));
        }
        if (name == "HScroll1_Change")
            return state(control.indexBar(IndexBarValue(a)));
        if (name == "Command1_Click")
            return state(control.clearRays());
        if (name == "Undo")
            return state(control.undo());
        if (name == "Redo")
            return state(control.redo());
        if (name == "Command4_Click")
            return state(control.clearMarkers());
        if (name == "Command5_Click")
            return state({}, "imaging");
        if (name == "Picture5_Click")
            return state(control.toolClicked(PathTool::Point));
        if (name == "Picture2_Click")
            return state(control.toolClicked(PathTool::Eye));
        if (name == "Picture3_Click")
            return state(control.toolClicked(PathTool::Protractor));
        if (name == "Picture4_MouseDown")
            return state(control.diagramSymbolPressed());
        if (name == "Picture1_DropLive")
            return state(control.dropLive());
        if (name == "View") {
            setViewOption(static_cast<unsigned>(a), b != 0);
            return state(control.viewChanged());
        }
        // The picture anew (a new size, after saving it); the diagram keeps its readings.
        if (name == "Redraw") {
            RayPathUpdate u;
            u.layers = control.viewChanged().layers;
            return state(u);
        }
        return state({});
    }

    // The diagram's graph in the scale its window gives it, with the readings since it was
    // drawn; the diagram symbol's face, which follows n.
    int drawPicture(const std::string &member, int w, int h) override {
        RecordingSurface s;
        s.width = w;
        s.height = h;
        recorder_.clear();
        s.attachRecorder(&recorder_);
        if (member == "Picture6") {
            DrawAngleGraph(s, scene_.relIndex,
                           scene_.view.presentation ? Doubled(kRayPathDiagramWidths)
                                                    : kRayPathDiagramWidths);
            for (const auto &[x, y] : readings) {
                s.SetDrawWidth(1);
                DrawAngleReading(s, scene_.relIndex, x, y);
            }
        } else if (member == "Picture4") {
            s.Scale(-100, -100, 100, 100);
            DrawAngleGraphFace(s, scene_.relIndex);
        }
        return flattenInDevicePixels(s);
    }

    std::string pictureMouse(const std::string &member, int phase, int button, double px, double py,
                             int w, int h) override {
        // Only a press counts, and a hidden diagram takes none.
        if (member != "Picture6" || phase != 0 || !diagramShown)
            return state({});
        const RayPathUpdate u = control.diagramPressed(button);
        if (u.diagram == DiagramChange::Reading) {
            RecordingSurface s;
            s.width = w;
            s.height = h;
            SetAngleGraphScale(s);
            readings.emplace_back(static_cast<float>(s.toWorldX(px)),
                                  static_cast<float>(s.toWorldY(py)));
        }
        return state(u);
    }

    std::string sceneReplaced() override { return state(control.sceneReplaced()); }
};

class ImagingModule : public WebModule {
public:
    ImagingScene scene_;
    ImagingController control{scene_};
    Pointers pointers;
    // What the last answer draws over the picture after its redraw.
    bool eraseRaster = false, objectDot = false;

    Scene &scene() override { return scene_; }
    const char *lessonName() const override { return "imaging"; }
    const Styles &styles() const override {
        return scene_.view.presentation ? kPresentImagingStyles : kScreenImagingStyles;
    }
    std::unique_ptr<Scene> freshScene() const override { return std::make_unique<ImagingScene>(); }
    void resetScene() override { scene_ = ImagingScene(); }
    // The eye or point being dragged over the whole picture without it, nothing more with it.
    Layers liveBase() const override { return kFullRedraw; }
    Layers withLive() const override { return 0; }

    std::string state(const ImagingUpdate &u, const char *open = nullptr) {
        pointers.take(u);
        eraseRaster = u.eraseRaster;
        objectDot = u.objectDot;
        std::ostringstream o;
        Begin(o, u, scene_, pointers.shown(), liveBase(), open, kImagingTextContext);
        if (eraseRaster || objectDot)
            o << ",\"extraAfter\":1";
        // The indices, which the window sets again when they changed.
        const MediaIndices m = IndicesOfMedia(scene_.relIndex);
        const std::string is = Tr(kImagingTextContext, kImgIndexIs),
                          one = Tr(kImagingTextContext, kImgIndexOne);
        o << ",\"texts\":{";
        if (u.indexChanged)
            o << "\"Text1\":" << Quoted(m.upperIsOne ? "  1.00 " : "  " + m.upper)
              << ",\"Text4\":" << Quoted("  " + m.lower)
              << ",\"Text2\":" << Quoted(m.upperIsOne ? one : is + m.upper)
              << ",\"Text3\":" << Quoted(m.upperIsOne ? is + m.lower : one);
        o << '}';
        o << ",\"bars\":{\"HScroll1\":[50,200,1,10," << CInt(100 * scene_.relIndex) << "]}";
        o << ",\"checks\":{\"Option3D1\":" << int(!scene_.rowMode)
          << ",\"Option3D2\":" << int(scene_.rowMode) << ",\"Raster\":" << int(scene_.rasterOn)
          << '}';
        o << ",\"view\":" << viewJson() << '}';
        return o.str();
    }

    std::string mouse(int phase, int button, double px, double py) override {
        const float x = static_cast<float>(picture_.toWorldX(px)),
                    y = static_cast<float>(picture_.toWorldY(py));
        if (phase == 0)
            return state(control.mouseDown(button, x, y));
        if (phase == 1)
            return state(control.mouseMove(button, x, y));
        return state(control.mouseUp(button, x, y));
    }

    std::string event(const std::string &name, const std::string &member, double a, double b,
                      double) override {
        if (name == "Form_Load" || name == "Redraw") {
            ImagingUpdate u;
            u.layers = kFullRedraw;
            return state(u);
        }
        if (name == "HScroll1_Change")
            return state(control.indexBar(IndexBarValue(a)));
        if (name == "Raster_Click")
            return state(control.raster(a != 0));
        if (name == "Option3D_Click") {
            // Either option: the one chosen says the mode.
            const bool chosen = a != 0;
            return state(control.rowMode(member == "Option3D2" ? chosen : !chosen));
        }
        if (name == "Command1_Click")
            return state(control.clearRow());
        if (name == "Undo")
            return state(control.undo());
        if (name == "Redo")
            return state(control.redo());
        if (name == "Command2_Click")
            return state({}, "ray-path");
        if (name == "Picture1_DropLive")
            return state(control.dropLive());
        if (name == "View") {
            setViewOption(static_cast<unsigned>(a), b != 0);
            ImagingUpdate u;
            u.layers = kFullRedraw;
            return state(u);
        }
        return state({});
    }

    // The raster erased in white, and O, over the picture after the redraw.
    int drawExtra() override {
        recorder_.clear();
        if (eraseRaster)
            scene_.DrawRaster(picture_, styles(), true);
        if (objectDot)
            scene_.drawObjectDot(picture_, styles(), scene_.objX, scene_.objY);
        return flatten();
    }

    std::string sceneReplaced() override { return state(control.sceneReplaced()); }
};

} // namespace

std::unique_ptr<WebModule> MakeRayPathModule() {
    return std::make_unique<RayPathModule>();
}
std::unique_ptr<WebModule> MakeImagingModule() {
    return std::make_unique<ImagingModule>();
}

} // namespace varelo
