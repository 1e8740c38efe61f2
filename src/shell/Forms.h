#pragma once
// The window registry: one instance per window, created and loaded on first use,
// discarded with all its state on unload.
#include "shell/Form.h"

#include <cstdint>
#include <functional>

class QAbstractButton;

namespace varelo {

class Forms {
public:
    // Loads the window if it is not loaded (its Form_Load runs) and returns it.
    static Form *load(FormId id);
    // Loads if needed and shows the window modeless, in front.
    static Form *show(FormId id);
    static void hide(FormId id);
    // Runs Form_Unload once and discards the window; a no-op when it is not loaded.
    // A window that unloads itself from its own handler is deleted after the handler.
    static void unload(FormId id);
    // Closes a module by its menu button: unloads it with the windows that belong to it
    // (its information window; the refraction windows go together), then shows the menu.
    static void closeModule(FormId module);
    // A module's "Info" button: shows its information window ("Info off") or hides it
    // ("Info"); closing the window with its close box sets the button back.
    static void toggleInfo(QWidget *module, FormId info, QAbstractButton *button, int16_t &infoOn);
    static bool isLoaded(FormId id);
    static bool isVisible(FormId id);
    // The loaded instance, or nullptr.
    static Form *get(FormId id);
    template <typename T> static T *as(FormId id) { return qobject_cast<T *>(get(id)); }

    using Factory = std::function<Form *(FormId)>;
    static void setFactory(Factory factory);
    // Called when the last loaded window has been unloaded (the program ends).
    static void setOnAllUnloaded(std::function<void()> callback);
    // Ends the process at once ("Ende").
    static void endProgram();
    static int loadedCount();
};

} // namespace varelo
