#include "core/Texts.h"

namespace varelo {

std::string TextTable::operator()(const char *source) const {
    const auto it = texts_.find(source);
    return it == texts_.end() ? std::string(source) : it->second;
}

void TextTable::set(const char *source, std::string text) { texts_[source] = std::move(text); }

namespace {
Translator translator = nullptr;
} // namespace

void SetTranslator(Translator t) { translator = t; }

std::string Tr(const char *context, const char *source) {
    return translator ? translator(context, source) : std::string(source);
}

} // namespace varelo
