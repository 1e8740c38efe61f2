// The browser's binding of the core: a module window's scene, controller and picture behind
// a handful of C functions. Events come in as the window's handler names with device
// pixels or values; each answers with what the page shows again (JSON), and a draw leaves
// the picture's pixels and the surface's operations as a flat array of numbers.
#include "WebModule.h"
#include "core/Aids.h"
#include "core/NumRules.h"
#include "core/Texts.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#else
#define EMSCRIPTEN_KEEPALIVE
#endif

using namespace varelo;

namespace {
std::unique_ptr<WebModule> module;
std::string answer;

// The translations of the page's language, set by the page before a module opens.
std::map<std::pair<std::string, std::string>, std::string> &Translations() {
    static std::map<std::pair<std::string, std::string>, std::string> table;
    return table;
}

std::string Translated(const char *context, const char *source) {
    const auto it = Translations().find({context, source});
    return it == Translations().end() ? std::string(source) : it->second;
}
} // namespace

extern "C" {

// The page's language ("de": the source texts; else the translations the page adds) and the
// decimal separator of its numbers.
EMSCRIPTEN_KEEPALIVE void vw_language(const char *lang) {
    const bool german = std::string(lang).rfind("de", 0) == 0;
    SetDecimalSeparator(german ? ',' : '.');
    Translations().clear();
    SetTranslator(Translated);
}

EMSCRIPTEN_KEEPALIVE void vw_translation(const char *context, const char *source,
                                         const char *translation) {
    Translations()[{context, source}] = translation;
    // The words the core draws into pictures keep their own table.
    if (std::string(context) == "varelo::PictureWords")
        PictureWords().set(source, translation);
}

// Opens a module ("mirror", "lens") on a picture of w x h device pixels showing the world rectangle
// from (left, top), width by height; false for an unknown module.
EMSCRIPTEN_KEEPALIVE int vw_open(const char *name, int w, int h, double left, double top,
                                 double width, double height) {
    std::unique_ptr<WebModule> m = MakeWebModule(name);
    if (!m)
        return 0;
    module = std::move(m);
    module->open(std::max(1, w), std::max(1, h), left, top, width, height);
    return 1;
}

// Device pixels per point of the page's text (96 / 72 times the screen's pixel ratio).
EMSCRIPTEN_KEEPALIVE void vw_text_scale(double pointPixels) {
    if (module && std::isfinite(pointPixels) && pointPixels > 0)
        module->setTextScale(pointPixels);
}

// While the hand moves something the presentation look's lines are set in whole pixels.
EMSCRIPTEN_KEEPALIVE void vw_quick(int on) {
    if (module)
        module->setQuick(on != 0);
}

// The picture's new size; the view keeps its world rectangle.
EMSCRIPTEN_KEEPALIVE void vw_resize(int w, int h) {
    module->resize(std::max(1, w), std::max(1, h));
}

EMSCRIPTEN_KEEPALIVE const char *vw_mouse(int phase, int button, double px, double py) {
    // A pointer has a place; anything else is no event.
    answer = std::isfinite(px) && std::isfinite(py) ? module->mouse(phase, button, px, py) : "{}";
    return answer.c_str();
}

EMSCRIPTEN_KEEPALIVE const char *vw_event(const char *name, const char *member, double a, double b,
                                          double c) {
    answer = module->event(name, member, a, b, c);
    return answer.c_str();
}

EMSCRIPTEN_KEEPALIVE int vw_draw(unsigned layers) {
    return module->draw(layers);
}
EMSCRIPTEN_KEEPALIVE int vw_draw_base() {
    return module->drawBase();
}
EMSCRIPTEN_KEEPALIVE int vw_draw_saved() {
    return module->drawSaved();
}

// A picture of the window's own, in device pixels of a w x h canvas.
EMSCRIPTEN_KEEPALIVE int vw_draw_picture(const char *member, int w, int h) {
    return module->drawPicture(member, std::max(1, w), std::max(1, h));
}

EMSCRIPTEN_KEEPALIVE const char *vw_picture_mouse(const char *member, int phase, int button,
                                                  double px, double py, int w, int h) {
    answer = module->pictureMouse(member, phase, button, px, py, std::max(1, w), std::max(1, h));
    return answer.c_str();
}
EMSCRIPTEN_KEEPALIVE int vw_draw_extra() {
    return module->drawExtra();
}
EMSCRIPTEN_KEEPALIVE const double *vw_ops() {
    return module->ops();
}
EMSCRIPTEN_KEEPALIVE const char *vw_op_text(int i) {
    return module->opText(i);
}
// The picture's pixels (red, green, blue, alpha), row by row.
EMSCRIPTEN_KEEPALIVE const uint8_t *vw_pixels() {
    return module->pixels();
}
// The view's world rectangle: 0 left, 1 top, 2 width, 3 height.
EMSCRIPTEN_KEEPALIVE double vw_scale(int i) {
    return module->scale(i);
}

EMSCRIPTEN_KEEPALIVE const char *vw_set_fields(const char *fields) {
    answer = module->setFields(fields);
    return answer.c_str();
}

// A lesson file's text (see WebModule::openLesson).
EMSCRIPTEN_KEEPALIVE const char *vw_open_lesson(const char *text, const char *fileName) {
    answer = module->openLesson(text, fileName);
    return answer.c_str();
}

EMSCRIPTEN_KEEPALIVE const char *vw_lesson_text() {
    answer = module->lessonText();
    return answer.c_str();
}

// The printed page (see WebModule::printPage); its operations as vw_draw's.
EMSCRIPTEN_KEEPALIVE int vw_print_page(const char *title, double widthTwips, double heightTwips,
                                       double dpi) {
    return module->printPage(title, widthTwips, heightTwips, dpi);
}

EMSCRIPTEN_KEEPALIVE const char *vw_fields() {
    answer = module->fields();
    return answer.c_str();
}

} // extern "C"
