#include "core/ObjectBundles.h"

#include "core/Fields.h"

#include "core/NumRules.h"
#include "core/Scene.h"

#include <cmath>

namespace varelo {

namespace {
constexpr float kFar = 30000;
} // namespace

void ObjectBundles::restart(float x, float y) {
    takenBack_.clear();
    for (int k = 1; k <= kMaxObjects; ++k)
        rayCount[k] = 0;
    objectCount = 1;
    objX[1] = x;
    objY[1] = y;
}

bool ObjectBundles::addObject(float x, float y) {
    if (objectCount >= kMaxObjects)
        return false;
    takenBack_.clear();
    ++objectCount;
    objX[objectCount] = x;
    objY[objectCount] = y;
    rayCount[objectCount] = 0;
    return true;
}

void ObjectBundles::clearCurrent() {
    takenBack_.clear();
    rayCount[objectCount] = 0;
}

bool ObjectBundles::storeRay(float x, float y) {
    if (!append(x, y))
        return false;
    takenBack_.clear();
    return true;
}

bool ObjectBundles::takeBackRay() {
    const int k = objectCount;
    if (rayCount[k] <= 0)
        return false;
    takenBack_.emplace_back(rayX[k][rayCount[k]], rayY[k][rayCount[k]]);
    --rayCount[k];
    return true;
}

bool ObjectBundles::redoRay() {
    if (takenBack_.empty() || !append(takenBack_.back().first, takenBack_.back().second))
        return false;
    takenBack_.pop_back();
    return true;
}

bool ObjectBundles::append(float x, float y) {
    const int k = objectCount;
    if (rayCount[k] >= kMaxRays)
        return false;
    ++rayCount[k];
    rayX[k][rayCount[k]] = x;
    rayY[k][rayCount[k]] = y;
    return true;
}

void ObjectBundles::setCurrent(float x, float y) {
    objX[objectCount] = x;
    objY[objectCount] = y;
}

bool ObjectBundles::moveTowardsElement(float xLimit) {
    const float x = 0.9f * currentX();
    if (!(x < xLimit))
        return false;
    objX[objectCount] = x;
    return true;
}

bool ObjectBundles::moveAwayFromElement() {
    const float x = currentX() / 0.9f;
    if (!(std::fabs(x) < kFar))
        return false;
    objX[objectCount] = x;
    return true;
}

bool ObjectBundles::moveDown() {
    const float y = currentY() + Int(std::fabs(currentX()) / 20);
    if (!(std::fabs(y) < kFar))
        return false;
    objY[objectCount] = y;
    return true;
}

bool ObjectBundles::moveUp() {
    const float y = currentY() - Int(std::fabs(currentX()) / 20);
    if (!(std::fabs(y) < kFar))
        return false;
    objY[objectCount] = y;
    return true;
}

void ObjectBundles::visit(FieldVisitor &v) {
    v.enter("bundles");
    v.field("objectCount", objectCount, 1, kMaxObjects);
    v.field("objX", objX + 1, objectCount, -kCoordinateLimit, kCoordinateLimit);
    v.field("objY", objY + 1, objectCount, -kCoordinateLimit, kCoordinateLimit);
    v.field("rayCount", rayCount + 1, objectCount, 0, kMaxRays);
    for (int k = 1; k <= objectCount; ++k) {
        const std::string object = "object" + std::to_string(k);
        v.enter(object.c_str());
        v.field("rayX", rayX[k] + 1, rayCount[k], -kCoordinateLimit, kCoordinateLimit);
        v.field("rayY", rayY[k] + 1, rayCount[k], -kCoordinateLimit, kCoordinateLimit);
        v.leave();
    }
    v.leave();
}

} // namespace varelo
