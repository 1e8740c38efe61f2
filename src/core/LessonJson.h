#pragma once
// The lesson file's text: JSON with "format", "version", "module" and the fields in nested
// groups (a list for a field with several values). One reader and one writer for every
// front-end, so that a file one writes the others open.
#include "core/Lesson.h"
#include "core/Texts.h"

#include <string>

namespace varelo {

// The messages of a file that is no lesson, in the source language; %1 is the file's name,
// %2 the first field in fault. Front-ends translate them in this context.
inline constexpr char kLessonTextContext[] = "varelo::LessonFile";
inline constexpr char kNotALesson[] = QT_TRANSLATE_NOOP(
    "varelo::LessonFile", "Die Datei \"%1\" ist keine Varelo-Lektion oder ist beschädigt.");
inline constexpr char kNewerLesson[] = QT_TRANSLATE_NOOP(
    "varelo::LessonFile", "Die Lektion \"%1\" wurde mit einer neueren Version von Varelo "
                          "gespeichert und kann hier nicht geöffnet werden.");
inline constexpr char kBadLessonValue[] = QT_TRANSLATE_NOOP(
    "varelo::LessonFile",
    "Die Lektion \"%1\" enthält einen ungültigen Wert (%2) und wurde nicht geöffnet.");

inline constexpr char kLessonTooBig[] = QT_TRANSLATE_NOOP(
    "varelo::LessonFile", "Die Datei \"%1\" ist zu groß für eine Lektion (mehr als 10 MB).");

// A lesson of a module this program does not have (%1 the file's name).
inline constexpr char kUnknownModule[] = QT_TRANSLATE_NOOP(
    "varelo::Lessons",
    "Die Lektion \"%1\" gehört zu einem Teil von Varelo, den es hier nicht gibt.");

enum class LessonTextFault { None, NotALesson, Newer, BadValue };

// Reads a lesson from the file's text; on a fault `lesson` stays as it was and `badPath`
// names the first field in fault (BadValue).
LessonTextFault LessonFromText(const std::string &text, Lesson &lesson, std::string &badPath);
// The file's text of a lesson (indented, one value a line).
std::string LessonToText(const Lesson &lesson);
// The field that a list of faults (one path a line, as ReadLessonFields gives them) names
// first, without what follows the path.
std::string FirstFaultPath(const std::string &faults);

} // namespace varelo
