// The browser's binding of the core: one module window's scene, controller, marker tools
// and zoom behind a handful of C functions. Events come in as the window's handler names
// with device pixels or values; each answers with what the page shows again (JSON), and
// a draw returns the surface's operations as a flat array of numbers.
#include "core/Fields.h"
#include "core/Lesson.h"
#include "core/MarkerTools.h"
#include "core/NumRules.h"
#include "core/Surface.h"
#include "core/View.h"
#include "mirror/MirrorController.h"
#include "mirror/MirrorScene.h"
#include "PixelSurface.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#else
#define EMSCRIPTEN_KEEPALIVE
#endif

namespace varelo {
namespace {

// Draws nothing itself: the recorder attached to it keeps the operations (the live layer,
// which the page draws over the picture).
class WebSurface : public Surface {
public:
    int width = 1, height = 1;
    int deviceWidth() const override { return width; }
    int deviceHeight() const override { return height; }

protected:
    void paintClear() override {}
    void paintLine(double, double, double, double, Rgb, int, int) override {}
    void paintDot(double, double, Rgb, int) override {}
    void paintEllipse(double, double, double, double, Rgb, int, int, double, double) override {}
};

// Numbers per operation in the flat array: kind, x1, y1, x2, y2, start, end, colour, width, style.
constexpr int kOpNumbers = 10;

std::string Quoted(const std::string &s) {
    std::string q = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            q += '\\';
        if (static_cast<unsigned char>(c) < 0x20)
            continue;
        q += c;
    }
    return q + '"';
}

struct MirrorModule {
    PixelSurface picture;
    WebSurface overlay;
    SurfaceRecorder recorder;
    MirrorScene scene;
    MirrorController control{scene};
    MarkerTools markers{scene.markers};
    ZoomModel zoom{&picture};
    std::vector<double> ops;
    std::string answer;
    float lastX = 0, lastY = 0; // the pointer in world coordinates
    bool pointerMoved = false;

    MirrorModule(int w, int h) {
        resize(w, h);
        picture.attachRecorder(&recorder);
        overlay.attachRecorder(&recorder);
        picture.Scale(-2000, -1000, 2000, 1000);
        zoom.load();
        scene.markers.resetScreenLine(rightEdge());
    }
    void resize(int w, int h) {
        picture.resize(w, h);
        overlay.width = picture.deviceWidth();
        overlay.height = picture.deviceHeight();
    }
    double rightEdge() const { return picture.ScaleLeft() + picture.ScaleWidth(); }
    const Styles &styles() const { return scene.view.presentation ? kPresentMirrorStyles : kScreenMirrorStyles; }

    // The whole state the page shows besides the picture.
    std::string state(const MirrorUpdate &u, const MarkerUpdate &m) {
        std::ostringstream o;
        const MousePointer pointer = m.pointer != MousePointer::Unchanged ? m.pointer : u.pointer;
        o << "{\"layers\":" << (u.layers | m.layers) << ",\"newObjectPoint\":" << (u.newObjectPoint ? 1 : 0)
          << ",\"pointer\":" << int(pointer) << ",\"key\":" << (scene.key() & 0xffffffffu);
        if (u.message || m.message)
            o << ",\"message\":" << Quoted(u.message ? u.message : m.message);
        if (u.hint)
            o << ",\"hint\":" << Quoted(u.hint);
        const PanRange &r = zoom.range();
        // The fields the window sets again for this answer, and the zoom's.
        o << ",\"texts\":{\"Text10\":" << Quoted(zoom.zoomText());
        if (u.radiusChanged)
            o << ",\"Text3\":" << Quoted(control.radiusText());
        if (u.diameterChanged)
            o << ",\"Text6\":" << Quoted(control.diameterText());
        if (u.objectMoved)
            o << ",\"Text8\":" << Quoted(control.objectXText()) << ",\"Text9\":" << Quoted(control.objectYText());
        if (u.objectsChanged)
            o << ",\"Text11\":" << Quoted(control.objectNumberText());
        if (pointerMoved)
            o << ",\"Text1\":" << Quoted(MirrorController::pointerXText(lastX))
              << ",\"Text2\":" << Quoted(MirrorController::pointerYText(lastY));
        o << "},\"faces\":{\"Picture2\":" << markers.pointFace << ",\"Picture3\":" << markers.eyeFace
          << ",\"Picture4\":" << markers.rasterFace << ",\"Picture5\":" << markers.lineFace << "}"
          << ",\"bars\":{\"HScroll1\":[" << r.hMin << ',' << r.hMax << ',' << zoom.hSmall() << ',' << zoom.hLarge()
          << ',' << zoom.panX() << "],\"VScroll1\":[" << r.vMin << ',' << r.vMax << ',' << zoom.vSmall() << ','
          << zoom.vLarge() << ',' << zoom.panY() << "],\"HScroll2\":[-36,36,1,2," << -scene.mirror.curvature
          << "],\"HScroll5\":[10,1000,5,50," << CInt(scene.mirror.halfAperture) << "]}"
          << ",\"checks\":{\"Check3D5\":" << int(scene.extendReflected) << ",\"Check3D2\":" << int(scene.dottedReflected)
          << ",\"Check3D8\":" << int(scene.drawNormals) << "},\"view\":{";
        size_t count = 0;
        const ViewOptionRow *rows = ViewOptionRows(count);
        for (size_t i = 0; i < count; ++i)
            o << (i ? "," : "") << '"' << rows[i].field << "\":" << int(scene.view.*rows[i].member);
        o << "}}";
        pointerMoved = false;
        return o.str();
    }

    std::string viewChanged() {
        return state(control.viewChanged(zoom.zoomFactor, static_cast<float>(zoom.panX()), static_cast<float>(zoom.panY())),
                     {});
    }

    std::string mouse(int phase, int button, double px, double py) {
        const float x = static_cast<float>(picture.toWorldX(px)), y = static_cast<float>(picture.toWorldY(py));
        lastX = x;
        lastY = y;
        MirrorUpdate u;
        MarkerUpdate m;
        if (phase == 0) {
            scene.markers.computeRasterSteps(picture.ScaleWidth(), picture.ScaleHeight());
            u = control.mouseDown(button, x, y, markers.anyMode());
            if (u.toMarkers)
                m = markers.mouseDown(x, y);
        } else if (phase == 1) {
            pointerMoved = true;
            u = control.mouseMove(button, x, y, markers.anyMode());
            if (u.toMarkers)
                m = markers.mouseMove(x, y);
        } else {
            u = control.mouseUp(button, x, y, markers.anyMode());
            if (u.toMarkers)
                m = markers.mouseUp(x, scene.currentX(), scene.currentY());
        }
        return state(u, m);
    }

    std::string event(const std::string &name, double a, double b, double c) {
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
        if (name == "Check3D_Click")
            return state(control.options(a != 0, b != 0, c != 0), noMarks);
        if (name == "Spin1_SpinUp" || name == "Spin1_SpinDown") {
            if (!(name == "Spin1_SpinUp" ? zoom.zoomIn() : zoom.zoomOut()))
                return state(none, noMarks);
            return viewChanged();
        }
        if (name == "HScroll1_Change") {
            zoom.setPanX(static_cast<int>(a));
            return viewChanged();
        }
        if (name == "VScroll1_Change") {
            zoom.setPanY(static_cast<int>(a));
            return viewChanged();
        }
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
        if (name == "Picture2_Click")
            return state(none, markers.pointSymbol());
        if (name == "Picture3_Click")
            return state(none, markers.eyeSymbol());
        if (name == "Picture4_Click")
            return state(none, markers.rasterSymbol());
        if (name == "Picture5_Click")
            return state(none, markers.lineSymbol());
        if (name == "Command2_Click")
            return state(none, markers.clear(rightEdge()));
        if (name == "View") {
            // An entry of the "Ansicht" menu: the option with this bit on or off.
            size_t count = 0;
            const ViewOptionRow *rows = ViewOptionRows(count);
            for (size_t i = 0; i < count; ++i)
                if (rows[i].option == static_cast<unsigned>(a) && (scene.viewOptions() & rows[i].option))
                    scene.view.*rows[i].member = b != 0;
            MirrorUpdate u;
            u.layers = kFullRedraw;
            return state(u, noMarks);
        }
        if (name == "Redraw") {
            MirrorUpdate u;
            u.layers = kFullRedraw;
            return state(u, noMarks);
        }
        return state(none, noMarks);
    }

    // The layers into the picture's pixels, the live ones onto the overlay; the operations
    // recorded and flattened either way.
    int draw(Layers layers) {
        recorder.clear();
        if (layers & Layer::Live) {
            overlay.Scale(picture.ScaleLeft(), picture.ScaleTop(), picture.ScaleLeft() + picture.ScaleWidth(),
                          picture.ScaleTop() + picture.ScaleHeight());
            scene.draw(overlay, styles(), layers);
        } else {
            scene.draw(picture, styles(), layers);
        }
        return flatten();
    }

    int drawObjectPoint() {
        recorder.clear();
        scene.drawObjectPoint(picture, styles(), scene.objectCount);
        picture.SetDrawWidth(1);
        return flatten();
    }

    int flatten() {
        ops.resize(recorder.ops.size() * kOpNumbers);
        double *d = ops.data();
        for (const SurfaceOp &op : recorder.ops) {
            d[0] = op.kind;
            d[1] = op.x1;
            d[2] = op.y1;
            d[3] = op.x2;
            d[4] = op.y2;
            d[5] = op.start;
            d[6] = op.end;
            d[7] = (op.color.r << 16) | (op.color.g << 8) | op.color.b;
            d[8] = op.width;
            d[9] = op.style;
            d += kOpNumbers;
        }
        return static_cast<int>(recorder.ops.size());
    }

    // A lesson's fields ("path=value" lines): taken as a whole or not at all.
    std::string setFields(const char *text) {
        FieldMap fields;
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line)) {
            const size_t eq = line.find('=');
            if (eq == std::string::npos)
                continue;
            char *end = nullptr;
            const double v = std::strtod(line.c_str() + eq + 1, &end);
            if (end && *end == '\0' && std::isfinite(v))
                fields[line.substr(0, eq)] = v;
        }
        std::string faults;
        {
            MirrorScene trial;
            if (!ReadLessonFields(trial, fields, faults) || !trial.checkLesson(faults))
                return "{\"faults\":" + Quoted(faults) + "}";
        }
        const ViewOptions kept = scene.view;
        scene = MirrorScene();
        scene.view.presentation = kept.presentation;
        ReadLessonFields(scene, fields, faults);
        zoom.setView(scene.zoomFactor, CInt(scene.panX), CInt(scene.panY));
        MirrorUpdate u = control.sceneReplaced();
        u.radiusChanged = u.diameterChanged = true;
        return state(u, markers.showMarks());
    }

    std::string fields() {
        std::ostringstream o;
        o.precision(17);
        for (const auto &[path, value] : LessonFields(scene))
            o << path << '=' << value << '\n';
        return o.str();
    }
};

std::unique_ptr<MirrorModule> module;
std::string text;

} // namespace
} // namespace varelo

using namespace varelo;

extern "C" {

// Opens the mirror window's scene on a picture of w x h device pixels.
EMSCRIPTEN_KEEPALIVE int vw_open(int w, int h) {
    module = std::make_unique<MirrorModule>(std::max(1, w), std::max(1, h));
    return 1;
}

// The picture's new size; the view keeps its world rectangle.
EMSCRIPTEN_KEEPALIVE void vw_resize(int w, int h) { module->resize(w, h); }

// The picture's pixels (red, green, blue, alpha), row by row.
EMSCRIPTEN_KEEPALIVE const uint8_t *vw_pixels() { return module->picture.pixels(); }

// Mouse: phase 0 press, 1 move, 2 release; button 1 left, 2 right (0 none while moving).
EMSCRIPTEN_KEEPALIVE const char *vw_mouse(int phase, int button, double px, double py) {
    module->answer = module->mouse(phase, button, px, py);
    return module->answer.c_str();
}

EMSCRIPTEN_KEEPALIVE const char *vw_event(const char *name, double a, double b, double c) {
    module->answer = module->event(name, a, b, c);
    return module->answer.c_str();
}

EMSCRIPTEN_KEEPALIVE int vw_draw(unsigned layers) { return module->draw(layers); }
EMSCRIPTEN_KEEPALIVE int vw_draw_object_point() { return module->drawObjectPoint(); }
EMSCRIPTEN_KEEPALIVE const double *vw_ops() { return module->ops.data(); }
EMSCRIPTEN_KEEPALIVE const char *vw_op_text(int i) {
    const auto &ops = module->recorder.ops;
    return i >= 0 && i < static_cast<int>(ops.size()) ? ops[i].text.c_str() : "";
}

// The view's world rectangle: left, top, width, height.
EMSCRIPTEN_KEEPALIVE double vw_scale(int i) {
    const Surface &s = module->picture;
    return i == 0 ? s.ScaleLeft() : i == 1 ? s.ScaleTop() : i == 2 ? s.ScaleWidth() : s.ScaleHeight();
}

EMSCRIPTEN_KEEPALIVE const char *vw_set_fields(const char *fields) {
    module->answer = module->setFields(fields);
    return module->answer.c_str();
}

EMSCRIPTEN_KEEPALIVE const char *vw_fields() {
    text = module->fields();
    return text.c_str();
}

} // extern "C"
