#pragma once
// The lens window's operating notes, laid over its picture by the help panel.
#include "canvas/HelpPanel.h"

#include <vector>

namespace varelo {

extern const HelpNote kLensNotes[];
extern const int kLensNoteCount;
// The notes' names in the panel's two columns, top to bottom (the title spans both).
extern const std::vector<const char *> kLensNotesLeft, kLensNotesRight;

} // namespace varelo
