#include "core/Scene.h"

namespace varelo {

Scene::~Scene() = default;

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
