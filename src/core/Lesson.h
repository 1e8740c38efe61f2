#pragma once
// A lesson: one module's whole scene as the plain map of its fields. The lesson file is
// this map as JSON; the rules for taking one in are the scenes' (readLesson), so that a
// file can only give a state the controls could have produced.
#include "core/Fields.h"

#include <string>

namespace varelo {

constexpr const char *kLessonFormat = "varelo-lesson";
constexpr int kLessonVersion = 1;
// The largest lesson file read, in bytes.
constexpr long long kLessonMaxBytes = 10LL * 1024 * 1024;

struct Lesson {
    std::string module; // the module's name in the file: "mirror", "ray-path", "imaging", "lens"
    FieldMap fields;
};

class Scene;

// Reads the map into the scene's fields through its visitor; the faults (missing, out of
// range, or a value no field takes) are listed, one path a line. Used on a fresh scene.
bool ReadLessonFields(Scene &scene, const FieldMap &fields, std::string &faults);
// The scene's fields as a map.
FieldMap LessonFields(Scene &scene);

} // namespace varelo
