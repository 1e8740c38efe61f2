#pragma once
// What the lens window does with its object points and bundles: a new object point,
// storing a released ray, taking rays back and bringing them back.
#include <functional>

class QLabel;
class QLineEdit;
class QString;

namespace varelo {

class ObjectBundles;

namespace BundleActions {
// "Neues Objekt": a new current point, or the refusal at ten; the hint and the number box
// change. True when the point was added.
bool newObject(ObjectBundles &b, float x, float y, QLabel *hint, QLineEdit *number, const QString &numberPrefix);
// The number box, and the hint once there is more than one point (as after "Neues Objekt").
void showObjects(const ObjectBundles &b, QLabel *hint, QLineEdit *number, const QString &numberPrefix);
// A released ray that met the element is stored (refused at 100); the picture is redrawn.
void storeRay(ObjectBundles &b, bool met, float x, float y, const std::function<void()> &redraw);
// Ctrl+Z and Ctrl+Shift+Z, not while a ray is dragged.
void undo(ObjectBundles &b, bool dragging, const std::function<void()> &redraw);
void redo(ObjectBundles &b, bool dragging, const std::function<void()> &redraw);
} // namespace BundleActions

} // namespace varelo
