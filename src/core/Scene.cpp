#include "core/Scene.h"

#include "core/Texts.h"

namespace varelo {

Scene::~Scene() = default;

const ViewOptionRow *ViewOptionRows(size_t &count) {
    static const ViewOptionRow rows[] = {
        {kViewPresentation, &ViewOptions::presentation, "presentation",
         QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Präsentation"), "F5"},
        {kViewArrows, &ViewOptions::arrows, "arrows", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "P&feile"), nullptr},
        {kViewFocalPoints, &ViewOptions::focalPoints, "focalPoints",
         QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Brennpunkte"), nullptr},
        {kViewParaxialImage, &ViewOptions::paraxialImage, "paraxialImage",
         QT_TRANSLATE_NOOP("varelo::ModuleMenu", "Paraxiales B&ild"), nullptr},
        {kViewAngles, &ViewOptions::angles, "angles", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Winkel anzeigen"),
         nullptr},
        {kViewColouredBundles, &ViewOptions::colouredBundles, "colouredBundles",
         QT_TRANSLATE_NOOP("varelo::ModuleMenu", "Farbige B&ündel"), nullptr},
    };
    count = sizeof rows / sizeof rows[0];
    return rows;
}

void Scene::visitView(FieldVisitor &v) {
    size_t n = 0;
    const ViewOptionRow *rows = ViewOptionRows(n);
    const unsigned applicable = viewOptions();
    v.enter("view");
    for (size_t i = 0; i < n; ++i)
        if (applicable & rows[i].option)
            v.option(rows[i].field, view.*rows[i].member);
    v.leave();
}

Styles::Styles(std::initializer_list<StyleBlock> blocks) {
    for (const StyleBlock &b : blocks)
        for (size_t i = 0; i < b.count; ++i) {
            const StyleEntry &e = b.entries[i];
            if (e.kind >= static_cast<int>(entries_.size()))
                entries_.resize(static_cast<size_t>(e.kind) + 1);
            entries_[static_cast<size_t>(e.kind)] = e.style;
        }
}

Styles Styles::Presentation(const Styles &screen, std::initializer_list<int> rayKinds) {
    Styles p = screen;
    for (Style &st : p.entries_) {
        st.width *= 2;
        st.size *= 2;
        st.points *= 2;
        if (st.style == kDotted || st.style == kDashDot)
            st.style |= kPatternAtAnyWidth;
    }
    for (int kind : rayKinds)
        if (kind >= 0 && kind < p.size() && p.entries_[kind].width > 0)
            p.entries_[kind].width = 3;
    return p;
}

Styles Styles::recoloured(std::initializer_list<int> kinds, Rgb colour) const {
    Styles copy = *this;
    for (int kind : kinds)
        if (kind >= 0 && kind < copy.size())
            copy.entries_[kind].color = colour;
    return copy;
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
