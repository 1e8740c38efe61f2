#pragma once
// Texts that the Qt-free core draws (page lines, labels in the picture). The core writes
// them in German, the source language, marked for Qt's translation tools; the window fills
// a table with what Qt's translation makes of them, so the core itself holds no Qt.
#include <map>
#include <string>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x // as Qt defines it, so that both may meet
#endif

namespace varelo {

class TextTable {
public:
    // The text for a source text: its translation when one was set, else the source.
    std::string operator()(const char *source) const;
    void set(const char *source, std::string text);

private:
    std::map<std::string, std::string> texts_;
};

// The translation of a source text in its context, as the front-end makes it (Qt's on the
// desktop); without one, the source text.
using Translator = std::string (*)(const char *context, const char *source);
void SetTranslator(Translator translator);
std::string Tr(const char *context, const char *source);

} // namespace varelo
