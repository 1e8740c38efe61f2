#pragma once
// The picture of a scene without its live parts, kept while something is dragged over
// it, so that a drag frame only puts it back and draws the live ray or mark.
#include "core/Scene.h"

#include <QImage>
#include <cstdint>
#include <functional>

namespace varelo {

class ImageSurface;

class DragLayer {
public:
    // Puts the kept picture back when neither the scene (its key) nor the view changed
    // since it was kept; otherwise runs drawBase, a full redraw, and keeps its result.
    void restore(ImageSurface &picture, uint64_t sceneKey, const std::function<void()> &drawBase);
    // A window's redraw: the chosen layers of its scene; with Layer::Live, the live layers
    // (and `withLive`) over the kept picture of `base`.
    void draw(ImageSurface &picture, Layers layers, uint64_t sceneKey, Layers base, Layers withLive,
              const std::function<void(Layers)> &drawScene);
    // Off, every frame draws the base anew (kept for comparison in the benchmark).
    bool enabled = true;

private:
    QImage image_;
    uint64_t key_ = 0;
    bool valid_ = false;
};

} // namespace varelo
