#include "shell/Forms.h"

#include "canvas/WindowLayout.h"
#include "shell/Modules.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QGuiApplication>
#include <map>
#include <set>
#include <vector>

namespace varelo {

namespace {
std::map<FormId, Form *> g_loaded;
std::set<FormId> g_unloading;
Forms::Factory g_factory;
std::function<void()> g_onAllUnloaded;
} // namespace

void Forms::setFactory(Factory factory) { g_factory = std::move(factory); }
void Forms::setOnAllUnloaded(std::function<void()> callback) { g_onAllUnloaded = std::move(callback); }

Form *Forms::get(FormId id) {
    auto it = g_loaded.find(id);
    return it == g_loaded.end() ? nullptr : it->second;
}

void Forms::toggleInfo(QWidget *module, FormId info, QAbstractButton *button, int16_t &infoOn) {
    infoOn = static_cast<int16_t>(1 - infoOn);
    if (infoOn == 1) {
        const bool wasLoaded = isLoaded(info);
        Form *w = show(info);
        if (!wasLoaded)
            QObject::connect(w, &Form::unloaded, module, [button, &infoOn] {
                infoOn = 0;
                setFittedText(button, QCoreApplication::translate("varelo::Canvas", "Info"));
            });
        setFittedText(button, QCoreApplication::translate("varelo::Canvas", "Info off"));
    } else {
        hide(info);
        setFittedText(button, QCoreApplication::translate("varelo::Canvas", "Info"));
    }
}

void Forms::closeModule(FormId module) {
    if (const ModuleRow *row = ModuleOf(module))
        for (FormId id : row->closedByMenu)
            unload(id);
    show(FormId::Varelo);
}

bool Forms::isLoaded(FormId id) { return get(id) != nullptr; }
bool Forms::isVisible(FormId id) {
    Form *f = get(id);
    return f && f->isVisible();
}
int Forms::loadedCount() { return static_cast<int>(g_loaded.size()); }

Form *Forms::load(FormId id) {
    if (Form *f = get(id))
        return f;
    if (!g_factory)
        return nullptr;
    Form *f = g_factory(id);
    g_loaded[id] = f;
    f->Form_Load();
    return f;
}

Form *Forms::show(FormId id) {
    Form *f = load(id);
    if (f) {
        f->show();
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
            f->raise();
            f->activateWindow();
        }
    }
    return f;
}

void Forms::hide(FormId id) {
    if (Form *f = get(id))
        f->hide();
}

void Forms::unload(FormId id) {
    Form *f = get(id);
    if (!f || g_unloading.count(id))
        return;
    g_unloading.insert(id);
    f->Form_Unload();
    g_loaded.erase(id);
    emit f->unloaded();
    g_unloading.erase(id);
    f->hide();
    f->deleteLater();
    if (g_loaded.empty() && g_onAllUnloaded)
        g_onAllUnloaded();
}

void Forms::endProgram() {
    if (g_onAllUnloaded)
        g_onAllUnloaded();
}

} // namespace varelo
