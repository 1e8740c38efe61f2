#include "core/Scene.h"

namespace varelo {

Scene::~Scene() = default;

Styles::Styles(std::initializer_list<StyleBlock> blocks) {
    for (const StyleBlock &b : blocks)
        for (size_t i = 0; i < b.count; ++i) {
            const StyleEntry &e = b.entries[i];
            if (e.kind >= static_cast<int>(entries_.size()))
                entries_.resize(static_cast<size_t>(e.kind) + 1);
            entries_[static_cast<size_t>(e.kind)] = e.style;
        }
}

const Style &Styles::operator[](int kind) const {
    static const Style fallback;
    return kind >= 0 && kind < static_cast<int>(entries_.size()) ? entries_[kind] : fallback;
}

Rgb Styles::use(Surface &s, int kind) const {
    const Style &st = (*this)[kind];
    s.SetDrawWidth(st.width);
    s.SetDrawStyle(st.style);
    return st.color;
}

void SceneKey::add(const void *data, size_t bytes) {
    const auto *p = static_cast<const unsigned char *>(data);
    for (size_t i = 0; i < bytes; ++i) {
        h_ ^= p[i];
        h_ *= 1099511628211ull;
    }
}

} // namespace varelo
