#include "canvas/DragLayer.h"

#include "canvas/ImageSurface.h"
#include "core/Scene.h"

namespace varelo {

void DragLayer::restore(ImageSurface &picture, uint64_t sceneKey, const std::function<void()> &drawBase) {
    SceneKey key;
    key.add(&sceneKey, sizeof sceneKey);
    key.add(picture.ScaleLeft());
    key.add(picture.ScaleTop());
    key.add(picture.ScaleWidth());
    key.add(picture.ScaleHeight());
    key.add(picture.deviceWidth());
    key.add(picture.deviceHeight());
    key.add(double(picture.pixelRatio()));
    key.add(int(picture.Suspended()));
    if (enabled && valid_ && key.value() == key_) {
        picture.restoreImage(image_);
        return;
    }
    drawBase();
    if (!enabled)
        return;
    image_ = picture.image();
    key_ = key.value();
    valid_ = true;
}

} // namespace varelo

namespace varelo {

void DragLayer::draw(ImageSurface &picture, Layers layers, uint64_t sceneKey, Layers base, Layers withLive,
                     const std::function<void(Layers)> &drawScene) {
    if (layers & Layer::Live) {
        restore(picture, sceneKey, [&] { drawScene(base); });
        layers = Layer::Live | withLive;
    }
    drawScene(layers);
}

} // namespace varelo
