#pragma once
// Lessons from the user's side: a module window's scene saved as a file, and a file opened
// in its module window, switching modules as the main menu does. A file is read and checked
// in full before anything changes; every fault gives a message and changes nothing.
#include "shell/Form.h"

#include <QString>

namespace varelo {

// Opens the lesson in its module window, from `from` (the window whose menu asked; the main
// menu, or a module that is left for another). True when it was opened.
bool OpenLesson(const QString &fileName, FormId from);
// Saves the window's scene as a lesson; a message when it could not be written.
bool SaveLesson(Form *module, const QString &fileName);

} // namespace varelo
