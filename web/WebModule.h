#pragma once
// One module window in the browser: its scene's picture (pixels set by the core, and the
// live layer as recorded operations), the lesson fields in and out, and the answer to an
// event as JSON for the page. Each module adds its controller and its handlers' names.
#include "PixelSurface.h"
#include "core/Lesson.h"
#include "core/Scene.h"
#include "core/Surface.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace varelo {

// Draws nothing itself: the recorder attached to it keeps the operations (the live layer,
// which the page draws over the picture).
class RecordingSurface : public Surface {
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

// A printed page: what it records, in device pixels of a page at `dpi`; a line of text is
// as high as the desktop's font makes it (about 1.15 of its size).
class PageSurface : public RecordingSurface {
public:
    double dpi = 200;

protected:
    double paintText(double, double, const std::string &, double points, Rgb) override {
        return points * dpi / 72 * 1.15;
    }
};

// A JSON string literal.
std::string Quoted(const std::string &s);

class WebModule {
public:
    virtual ~WebModule();
    // The picture's size in device pixels and its first view (the desktop window's).
    void open(int w, int h, double left, double top, double width, double height);
    void resize(int w, int h);
    void setTextScale(double pointPixels) { picture_.pointPixels = pointPixels; }
    void setQuick(bool on) { picture_.quick = on; }

    // Mouse: phase 0 press, 1 move, 2 release; button 1 left, 2 right (0 none while moving);
    // in device pixels of the picture.
    virtual std::string mouse(int phase, int button, double px, double py) = 0;
    // A handler of the window by its name, with up to three values (a bar's value, a check
    // box's state).
    // `member` is the control's, for handlers several controls share.
    virtual std::string event(const std::string &name, const std::string &member, double a,
                              double b, double c) = 0;
    // A picture of the window's own (an angle diagram) by its member: its operations in
    // device pixels of a w x h canvas, and the mouse on it.
    virtual int drawPicture(const std::string &member, int w, int h) {
        (void)member, (void)w, (void)h;
        return 0;
    }
    virtual std::string pictureMouse(const std::string &member, int phase, int button, double px,
                                     double py, int w, int h) {
        (void)member, (void)phase, (void)button, (void)px, (void)py, (void)w, (void)h;
        return "{}";
    }

    // The layers into the picture's pixels, the live ones onto the overlay; the operations
    // recorded either way. Returns their number.
    int draw(Layers layers);
    // The picture a live frame is drawn over (as the desktop window keeps it).
    int drawBase() { return draw(liveBase()); }
    // What "Bild speichern" saves (the element and the rays, without marks).
    int drawSaved() { return draw(savedLayers()); }
    // What a module draws straight onto its kept picture (a new object point).
    virtual int drawExtra() { return 0; }
    const double *ops() const { return ops_.data(); }
    const char *opText(int i) const;
    const uint8_t *pixels() const { return picture_.pixels(); }
    double scale(int i) const;

    // The scene's fields as "path=value" lines; a lesson's fields taken as a whole or not at all.
    std::string fields();
    std::string setFields(const char *text);
    // A lesson file's text: the answer with the scene it holds, {"module": name} for another
    // module's lesson, or {"message": ...} with the desktop's message, nothing changed.
    std::string openLesson(const std::string &text, const std::string &fileName);
    // Whether a lesson's fields make a scene of this module; the faults one path a line.
    bool lessonFaults(const FieldMap &fields, std::string &faults) const;
    // The scene as a lesson file's text.
    std::string lessonText();
    // The printed page with this title, of widthTwips x heightTwips at dpi: its operations in
    // device pixels of the page.
    int printPage(const std::string &title, double widthTwips, double heightTwips, double dpi);

protected:
    virtual Scene &scene() = 0;
    // The module's name in a lesson file.
    virtual const char *lessonName() const = 0;
    // The fields of a lesson, checked in a fresh scene first.
    std::string takeFields(const FieldMap &fields, std::string &faults);
    virtual const Styles &styles() const = 0;
    virtual std::unique_ptr<Scene> freshScene() const = 0;
    virtual void resetScene() = 0;
    // The module's scene after a lesson replaced it: controls and picture anew.
    virtual std::string sceneReplaced() = 0;
    // Called after open(): the module's first state (as its window's Form_Load).
    virtual void loaded() {}
    // What a live frame is drawn over, and what is drawn with it on top.
    virtual Layers liveBase() const { return kFullRedraw; }
    virtual Layers withLive() const { return Layer::Raster; }
    virtual Layers savedLayers() const { return Layer::Clear | Layer::Element | Layer::Bundles; }
    // Operations recorded on a surface of w x h device pixels, flattened in device pixels.
    int flattenInDevicePixels(const Surface &s);
    int flatten();
    // An entry of the "Ansicht" menu: the option with this bit on or off, where the scene
    // has it.
    void setViewOption(unsigned option, bool on);
    // The view options as the answer's "view" object.
    std::string viewJson();

    PixelSurface picture_;
    RecordingSurface overlay_;
    SurfaceRecorder recorder_;
    std::vector<double> ops_;
};

// The module of this name ("mirror", "ray-path", "imaging", "lens"), or null.
std::unique_ptr<WebModule> MakeWebModule(const std::string &name);
std::unique_ptr<WebModule> MakeMirrorModule();
std::unique_ptr<WebModule> MakeRayPathModule();
std::unique_ptr<WebModule> MakeImagingModule();
std::unique_ptr<WebModule> MakeLensModule();

} // namespace varelo
