#include "WebModule.h"

#include "core/Lesson.h"
#include "core/LessonJson.h"
#include "core/Page.h"
#include "core/Texts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace varelo {

std::string Quoted(const std::string &s) {
    std::string q = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            q += '\\';
        if (c == '\n') {
            q += "\\n";
            continue;
        }
        if (static_cast<unsigned char>(c) < 0x20)
            continue;
        q += c;
    }
    return q + '"';
}

WebModule::~WebModule() = default;

void WebModule::open(int w, int h, double left, double top, double width, double height) {
    resize(w, h);
    picture_.attachRecorder(&recorder_);
    overlay_.attachRecorder(&recorder_);
    picture_.Scale(left, top, left + width, top + height);
    loaded();
}

void WebModule::resize(int w, int h) {
    picture_.resize(w, h);
    overlay_.width = picture_.deviceWidth();
    overlay_.height = picture_.deviceHeight();
}

int WebModule::draw(Layers layers) {
    recorder_.clear();
    if (layers & Layer::Live) {
        layers |= withLive();
        overlay_.Scale(picture_.ScaleLeft(), picture_.ScaleTop(),
                       picture_.ScaleLeft() + picture_.ScaleWidth(),
                       picture_.ScaleTop() + picture_.ScaleHeight());
        scene().draw(overlay_, styles(), layers);
    } else {
        picture_.smooth = scene().view.presentation;
        scene().draw(picture_, styles(), layers);
    }
    return flatten();
}

// Numbers per operation in the flat array: kind, x1, y1, x2, y2, start, end, colour, width, style.
int WebModule::flatten() {
    constexpr int kOpNumbers = 10;
    ops_.resize(recorder_.ops.size() * kOpNumbers);
    double *d = ops_.data();
    for (const SurfaceOp &op : recorder_.ops) {
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
    return static_cast<int>(recorder_.ops.size());
}

int WebModule::flattenInDevicePixels(const Surface &s) {
    const int n = flatten();
    for (int i = 0; i < n; ++i) {
        double *d = &ops_[static_cast<size_t>(i) * 10];
        // A font's size is in points, a clearing has no place.
        if (d[0] == SurfaceOp::FontSize || d[0] == SurfaceOp::Cls || d[0] == SurfaceOp::EndPage)
            continue;
        const bool circle = d[0] == SurfaceOp::Circle || d[0] == SurfaceOp::Arc;
        d[1] = s.toDeviceX(d[1]);
        d[2] = s.toDeviceY(d[2]);
        // A circle's radius is a length in units of x; a line's second end a point.
        d[3] = circle ? s.toDeviceLength(d[3]) : s.toDeviceX(d[3]);
        if (!circle)
            d[4] = s.toDeviceY(d[4]);
    }
    return n;
}

void WebModule::setViewOption(unsigned option, bool on) {
    size_t count = 0;
    const ViewOptionRow *rows = ViewOptionRows(count);
    for (size_t i = 0; i < count; ++i)
        if (rows[i].option == option && (scene().viewOptions() & option))
            scene().view.*rows[i].member = on;
}

std::string WebModule::viewJson() {
    std::string o = "{";
    size_t count = 0;
    const ViewOptionRow *rows = ViewOptionRows(count);
    for (size_t i = 0; i < count; ++i)
        o += (i ? ",\"" : "\"") + std::string(rows[i].field) +
             "\":" + (scene().view.*rows[i].member ? "1" : "0");
    return o + "}";
}

const char *WebModule::opText(int i) const {
    return i >= 0 && i < static_cast<int>(recorder_.ops.size()) ? recorder_.ops[i].text.c_str()
                                                                : "";
}

double WebModule::scale(int i) const {
    return i == 0   ? picture_.ScaleLeft()
           : i == 1 ? picture_.ScaleTop()
           : i == 2 ? picture_.ScaleWidth()
                    : picture_.ScaleHeight();
}

std::string WebModule::fields() {
    std::ostringstream o;
    o.precision(17);
    for (const auto &[path, value] : LessonFields(scene()))
        o << path << '=' << value << '\n';
    return o.str();
}

std::string WebModule::setFields(const char *text) {
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
    const std::string answer = takeFields(fields, faults);
    return faults.empty() ? answer : "{\"faults\":" + Quoted(faults) + "}";
}

bool WebModule::lessonFaults(const FieldMap &fields, std::string &faults) const {
    const std::unique_ptr<Scene> trial = freshScene();
    return ReadLessonFields(*trial, fields, faults) && trial->checkLesson(faults);
}

std::string WebModule::takeFields(const FieldMap &fields, std::string &faults) {
    if (!lessonFaults(fields, faults))
        return std::string();
    // The presentation look stays as the room has it.
    const bool presenting = scene().view.presentation;
    resetScene();
    scene().view.presentation = presenting;
    ReadLessonFields(scene(), fields, faults);
    return sceneReplaced();
}

namespace {
// A message with %1 (and %2) filled in, in the user's language.
std::string Filled(const char *source, const std::string &one,
                   const std::string &two = std::string(),
                   const char *context = kLessonTextContext) {
    std::string m = Tr(context, source);
    for (const auto &[mark, value] : {std::pair<std::string, std::string>{"%1", one}, {"%2", two}})
        if (const size_t at = m.find(mark); at != std::string::npos)
            m.replace(at, 2, value);
    return m;
}
} // namespace

std::string WebModule::openLesson(const std::string &text, const std::string &fileName) {
    const std::string name = fileName.substr(fileName.find_last_of('/') + 1);
    if (text.size() > static_cast<size_t>(kLessonMaxBytes))
        return "{\"message\":" + Quoted(Filled(kLessonTooBig, name)) + "}";
    Lesson lesson;
    std::string bad;
    switch (LessonFromText(text, lesson, bad)) {
    case LessonTextFault::NotALesson:
        return "{\"message\":" + Quoted(Filled(kNotALesson, name)) + "}";
    case LessonTextFault::Newer:
        return "{\"message\":" + Quoted(Filled(kNewerLesson, name)) + "}";
    case LessonTextFault::BadValue:
        return "{\"message\":" + Quoted(Filled(kBadLessonValue, name, FirstFaultPath(bad))) + "}";
    case LessonTextFault::None:
        break;
    }
    if (lesson.module != lessonName()) {
        // Checked in a fresh scene of its module before this one is left.
        const std::unique_ptr<WebModule> other = MakeWebModule(lesson.module);
        std::string faults;
        if (other && !other->lessonFaults(lesson.fields, faults))
            return "{\"message\":" + Quoted(Filled(kBadLessonValue, name, FirstFaultPath(faults))) +
                   "}";
        if (!other)
            return "{\"message\":" +
                   Quoted(Filled(kUnknownModule, name, std::string(), "varelo::Lessons")) + "}";
        return "{\"module\":" + Quoted(lesson.module) + "}";
    }
    std::string faults;
    const std::string answer = takeFields(lesson.fields, faults);
    if (!faults.empty())
        return "{\"message\":" + Quoted(Filled(kBadLessonValue, name, FirstFaultPath(faults))) +
               "}";
    return answer;
}

int WebModule::printPage(const std::string &title, double widthTwips, double heightTwips,
                         double dpi) {
    PageSurface page;
    page.dpi = dpi;
    page.width = std::max(1, static_cast<int>(widthTwips * dpi / 1440));
    page.height = std::max(1, static_cast<int>(heightTwips * dpi / 1440));
    page.attachRecorder(&recorder_);
    recorder_.clear();
    PageTexts texts;
    texts.title = title;
    for (const char *word : scene().pageWords())
        texts.words.set(word, Tr(scene().textContext(), word));
    scene().scalePage(page, widthTwips, heightTwips);
    scene().drawPage(page, texts);
    return flattenInDevicePixels(page);
}

std::string WebModule::lessonText() {
    return LessonToText({lessonName(), LessonFields(scene())});
}

std::unique_ptr<WebModule> MakeWebModule(const std::string &name) {
    if (name == "mirror")
        return MakeMirrorModule();
    if (name == "lens")
        return MakeLensModule();
    if (name == "ray-path")
        return MakeRayPathModule();
    if (name == "imaging")
        return MakeImagingModule();
    return nullptr;
}

} // namespace varelo
