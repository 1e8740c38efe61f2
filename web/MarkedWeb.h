#pragma once
// The mirror and lens windows in the browser share their marker tools, their zoom and pan
// and the handlers of both: the symbols Picture2 .. Picture5, the zoom's spin button Spin1
// and the pan bars HScroll1 and VScroll1.
#include "WebModule.h"
#include "core/MarkerTools.h"
#include "core/View.h"

namespace varelo {

class MarkedModule : public WebModule {
protected:
    // Only kept: the set belongs to the module's scene, made after this base.
    explicit MarkedModule(MarkerSet &marks) : markers(marks), marks_(marks) {}

    // The screen line on the right edge of the first view, as the window's Form_Load.
    void loaded() override;
    double rightEdge() const { return picture_.ScaleLeft() + picture_.ScaleWidth(); }
    // The zoom's spin button or a pan bar: whether the event was one; `moved` says whether the
    // view changed (a bar keeps its value within its range, NaN is no value).
    bool viewEvent(const std::string &name, double a, bool &moved);
    // A marker symbol: whether the event was one, and what the tool answers.
    bool symbolEvent(const std::string &name, MarkerUpdate &m);
    // The answer's parts: the symbols' faces (without braces) and the pan bars (ditto).
    std::string facesJson() const;
    std::string panBarsJson() const;

    MarkerTools markers;
    ZoomModel zoom{&picture_};

private:
    MarkerSet &marks_;
};

} // namespace varelo
