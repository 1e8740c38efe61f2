#pragma once
// Which modules the program has, written once: each row names the module's window, how it
// is made, its button in the main menu, its information window and its closing rules. The
// registry's factory, the main menu, "Ende" and the closing of every module derive from it.
#include "shell/Form.h"
#include "shell/InfoWindow.h"

#include <memory>
#include <vector>

namespace varelo {

struct ModuleRow {
    FormId window;
    Form *(*create)();
    const char *lessonName;              // the module's name in a lesson file
    std::unique_ptr<Scene> (*makeScene)(); // a fresh scene, to check a lesson in
    const char *menuCaption; // the main menu's button; nullptr: reached from another module
    InfoLayout info;           // its information window
    // Unloaded, besides the window itself, when the window is unloaded (its close box, or a
    // switch to another module); the main menu is shown afterwards.
    std::vector<FormId> unloadedWith;
    // Unloaded, in this order, by the module's menu button; then the main menu is shown.
    std::vector<FormId> closedByMenu;
};

class Scene;

const std::vector<ModuleRow> &Modules();
// The row of a module window, or nullptr (the main menu, an information window).
const ModuleRow *ModuleOf(FormId window);
// A module window's Form_Unload: the windows that go with it, then the main menu.
void UnloadModule(FormId window);
// The row whose information window this is, or nullptr.
const ModuleRow *ModuleOfInfo(FormId info);
// The row of a lesson's module, or nullptr.
const ModuleRow *ModuleOfLesson(const std::string &lessonName);

} // namespace varelo
