#pragma once
// The menu bar of a module window: "Datei" (lessons, picture, printing, examples, back to
// the main menu), "Bearbeiten" (undo, redo), "Ansicht", "Hilfe". Its entries call the
// window's own handlers, so a menu entry and the button beside the picture are one action.
#include "shell/Form.h"

#include <vector>

class QMenu;

namespace varelo {

// The window's slots the entries call (its buttons' handlers); undo and redo are its "Undo"
// and "Redo". With didacticNotes, the notes are "Bedienungshinweise" and the didactic notes;
// without, the window's "Info" (its information window).
struct ModuleMenuSlots {
    const char *savePicture, *print, *backToMenu, *operatingNotes, *didacticNotes;
};

// Builds the menu bar of a module window; returns its "Ansicht" menu for the window's views.
QMenu *InstallModuleMenu(Form *window, const ModuleMenuSlots &handlers);
// The main menu's bar: opening a lesson and the examples.
void InstallMainMenu(Form *window);
// The shipped example lessons: (title, resource path).
struct ExampleLesson {
    const char *title; // source text
    const char *file;  // in the program's resources
};
const std::vector<ExampleLesson> &ExampleLessons();

} // namespace varelo
