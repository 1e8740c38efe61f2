#include "canvas/BundleActions.h"

#include "canvas/Dialogs.h"
#include "core/ObjectBundles.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

namespace varelo::BundleActions {

bool newObject(ObjectBundles &b, float x, float y, QLabel *hint, QLineEdit *number, const QString &numberPrefix) {
    if (!b.addObject(x, y)) {
        Dialogs::instance().messageBox(QCoreApplication::translate(kBundleTextContext, kTooManyObjects), true);
        return false;
    }
    showObjects(b, hint, number, numberPrefix);
    return true;
}

void showObjects(const ObjectBundles &b, QLabel *hint, QLineEdit *number, const QString &numberPrefix) {
    if (b.objectCount > 1)
        hint->setText(QCoreApplication::translate(kBundleTextContext, kMoveNewObjectHint));
    number->setText(numberPrefix + QString::number(b.objectCount));
}

void storeRay(ObjectBundles &b, bool met, float x, float y, const std::function<void()> &redraw) {
    const bool stored = met && b.storeRay(x, y);
    redraw();
    if (met && !stored)
        Dialogs::instance().messageBox(QCoreApplication::translate(kBundleTextContext, kTooManyRays), true);
}

void undo(ObjectBundles &b, bool dragging, const std::function<void()> &redraw) {
    if (!dragging && b.takeBackRay())
        redraw();
}

void redo(ObjectBundles &b, bool dragging, const std::function<void()> &redraw) {
    if (!dragging && b.redoRay())
        redraw();
}

} // namespace varelo::BundleActions
