#pragma once
// What the controllers of the two refraction windows answer to an event: the layers to
// redraw, a refusal to show, the pointer and whether the index changed. Each controller's
// own answer adds what only its window has.
#include "core/ControllerTypes.h"
#include "core/Scene.h"
#include "core/Texts.h"

namespace varelo {

struct RefractionUpdate {
    Layers layers = 0; // to redraw; none when 0
    // A refusal, shown after the redraw: a source text in the window's own context.
    const char *message = nullptr;
    // The pointer over the picture, and the one over the whole screen while a drag or an
    // armed tool lasts.
    MousePointer pointer = MousePointer::Unchanged;
    MousePointer screenPointer = MousePointer::Unchanged;
    bool indexChanged = false; // the boxes of the two indices
};

} // namespace varelo
