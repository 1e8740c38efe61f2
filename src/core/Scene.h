#pragma once
// What every module's scene shares: the style tables its drawing takes (one for the
// screen, one for the printer), the layers a redraw can ask for, and a key of the
// scene's state that tells a cached picture whether it is still current.
#include "core/Fields.h"
#include "core/Page.h"
#include "core/Surface.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace varelo {

// How one kind of drawn thing looks on one surface.
struct Style {
    Rgb color = kBlack;
    int width = 1;
    int style = kSolid;
    // For kinds drawn across the picture: how far they reach (0: as the routine decides).
    double extent = 0;
    // For marks drawn at a fixed size on the surface (arrowheads, labels): device pixels,
    // or the labels' points.
    double size = 0;
    // The points of a mark's label.
    double points = 0;
};

// One entry of a style table: a drawn kind and its look.
struct StyleEntry {
    int kind;
    Style style;
};

// Whether a block of entries names every kind from `first` to `end` - 1 exactly once; each
// table checks its blocks with a static_assert, so no kind is ever missing or doubled.
template <size_t N> constexpr bool CoversKinds(const StyleEntry (&entries)[N], int first, int end) {
    if (static_cast<int>(N) != end - first)
        return false;
    for (int kind = first; kind < end; ++kind) {
        int seen = 0;
        for (size_t i = 0; i < N; ++i)
            seen += entries[i].kind == kind;
        if (seen != 1)
            return false;
    }
    return true;
}

struct StyleBlock {
    const StyleEntry *entries;
    size_t count;
    template <size_t N> constexpr StyleBlock(const StyleEntry (&e)[N]) : entries(e), count(N) {}
};

// A module's table of styles, filled by drawn kind from blocks (the markers' block is
// shared by the mirror and lens tables).
class Styles {
public:
    Styles(std::initializer_list<StyleBlock> blocks);
    // The presentation look of a screen table, for a projector: the light's rays (`rayKinds`)
    // 3 px wide, every other width doubled, dotted and dash-dot patterns kept at any width.
    static Styles Presentation(const Styles &screen, std::initializer_list<int> rayKinds);
    // The table with these kinds in another colour (a bundle's own).
    Styles recoloured(std::initializer_list<int> kinds, Rgb colour) const;
    const Style &operator[](int kind) const;
    int size() const { return static_cast<int>(entries_.size()); }
    // Sets the surface's width and line style for this kind and returns its colour.
    Rgb use(Surface &s, int kind) const;

private:
    std::vector<Style> entries_;
};

// The parts of a scene a redraw draws, in this order: clear, the optical element, the
// object points and their rays, the markers, the live parts (the ray being dragged, the
// mark being placed), the raster; Extra is a module's own addition (drawn last).
namespace Layer {
enum : unsigned {
    Clear = 1u << 0,
    Element = 1u << 1,
    Bundles = 1u << 2,
    Markers = 1u << 3,
    Live = 1u << 4,
    Raster = 1u << 5,
    Extra = 1u << 6,
};
} // namespace Layer
using Layers = unsigned;
constexpr Layers kFullRedraw = Layer::Clear | Layer::Element | Layer::Bundles | Layer::Markers | Layer::Raster;

// What a teacher switches on in a module window's "Ansicht" menu: the presentation look
// and the teaching aids. They belong to the scene, so lessons keep them.
struct ViewOptions {
    bool presentation = false;
    bool arrows = false;          // the direction of the light on every real segment
    bool focalPoints = false;     // F (and F', H, H' of a lens) on the axis
    bool paraxialImage = false;   // the imaging equation's image of the object point
    bool angles = false;          // the angles at the points of incidence of the last ray
    bool colouredBundles = false; // each object point's bundle in its own colour
};
enum ViewOption : unsigned {
    kViewPresentation = 1u << 0,
    kViewArrows = 1u << 1,
    kViewFocalPoints = 1u << 2,
    kViewParaxialImage = 1u << 3,
    kViewAngles = 1u << 4,
    kViewColouredBundles = 1u << 5,
};
struct ViewOptionRow {
    unsigned option;
    bool ViewOptions::*member;
    const char *field; // its name in the lesson
    const char *text;  // its menu entry (source text, translated in "varelo::ModuleMenu")
    const char *key;   // its shortcut, or null
};
// Every option once, in menu order.
const ViewOptionRow *ViewOptionRows(size_t &count);

// What printing and saving need of every module's scene.
class Scene {
public:
    virtual ~Scene();
    ViewOptions view;
    // The options of the "Ansicht" menu that apply to this scene.
    virtual unsigned viewOptions() const { return kViewPresentation; }
    // The applicable options as the group "view" (older lessons may lack them).
    void visitView(FieldVisitor &v);
    virtual void draw(Surface &s, const Styles &st, Layers layers) const = 0;
    // The state as named fields (the lesson file, the drag picture's key, test dumps).
    virtual void visit(FieldVisitor &v) = 0;
    // A hash of what the drawing depends on: the fields (and what is being dragged).
    virtual uint64_t key() const = 0;
    // After a lesson was read into a fresh scene: whether its fields agree with each other
    // as the controls keep them; the faults are listed, one path a line.
    virtual bool checkLesson(std::string &faults) const {
        (void)faults;
        return true;
    }
    // The printed page: its scale from the page's size, then the picture with the printer's
    // table and the page's own lines (title, parameters, scale bar, graph box).
    virtual void scalePage(Surface &page, double widthTwips, double heightTwips) const = 0;
    virtual void drawPage(Surface &page, const PageTexts &texts) const = 0;
    // The source texts of the page's words and the context Qt translates them in.
    virtual std::vector<const char *> pageWords() const { return {}; }
    virtual const char *textContext() const = 0;
};

// A hash (FNV-1a) of the state a scene draws from.
class SceneKey {
public:
    void add(const void *data, size_t bytes);
    void add(double v) { add(&v, sizeof v); }
    void add(int v) { add(&v, sizeof v); }
    uint64_t value() const { return h_; }

private:
    uint64_t h_ = 1469598103934665603ull;
};

} // namespace varelo
