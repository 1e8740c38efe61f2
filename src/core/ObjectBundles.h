#pragma once
// The object points of the mirror and lens windows, each with a bundle of stored rays:
// up to ten points, the newest being the current one, up to 100 rays each. A ray is
// stored as the point where it met the element; it is traced again from the point's
// present position on every redraw.
#include "core/Texts.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace varelo {

// The refusals at the capacities and the hint after a new object point, in the source
// language; the windows translate them in this context.
inline constexpr char kBundleTextContext[] = "varelo::ObjectBundles";
inline constexpr char kTooManyObjects[] = QT_TRANSLATE_NOOP("varelo::ObjectBundles", "Nur 10 Objekte möglich");
inline constexpr char kTooManyRays[] =
    QT_TRANSLATE_NOOP("varelo::ObjectBundles", "Nur 100 Strahlen je Objekt möglich");
inline constexpr char kMoveNewObjectHint[] = QT_TRANSLATE_NOOP(
    "varelo::ObjectBundles", "Neues Objekt kann durch Drücken der rechten Maustaste und Ziehen bewegt werden!");

class FieldVisitor;

class ObjectBundles {
public:
    static constexpr int kMaxObjects = 10;
    static constexpr int kMaxRays = 100;

    // One object point at (x, y), no rays ("Neu beginnen", and the start).
    void restart(float x, float y);
    // A new current object point; false when there are ten already.
    bool addObject(float x, float y);
    // The current bundle loses its rays ("Aktuelles Bündel löschen").
    void clearCurrent();
    // Adds a ray to the current bundle; false when it holds 100 already.
    bool storeRay(float x, float y);
    // Takes back the last ray of the current bundle (false when it is empty), and brings
    // back what was taken back until something new is stored or the bundles change.
    bool takeBackRay();
    bool redoRay();

    float currentX() const { return objX[objectCount]; }
    float currentY() const { return objY[objectCount]; }
    void setCurrent(float x, float y);

    // The spin-button moves of the current point; each says whether it moved. Towards
    // the element x becomes 0.9 x while that stays left of xLimit; away from it x / 0.9
    // while |x| stays under 30000; up and down by Int(|x| / 20) while |y| stays under it.
    bool moveTowardsElement(float xLimit);
    bool moveAwayFromElement();
    bool moveDown();
    bool moveUp();

    // The points and their stored rays as fields ("bundles").
    void visit(FieldVisitor &v);

    int16_t objectCount = 1;
    float objX[kMaxObjects + 1] = {}, objY[kMaxObjects + 1] = {};
    int16_t rayCount[kMaxObjects + 1] = {};
    float rayX[kMaxObjects + 1][kMaxRays + 1] = {}, rayY[kMaxObjects + 1][kMaxRays + 1] = {};

private:
    bool append(float x, float y);
    std::vector<std::pair<float, float>> takenBack_;
};

} // namespace varelo
