#pragma once
// The operating notes of the mirror window, laid over its picture by the help panel.
#include "canvas/HelpPanel.h"

#include <vector>

namespace varelo {

extern const HelpNote kMirrorNotes[];
extern const int kMirrorNoteCount;
// The notes of the two columns under the title, from the top.
extern const std::vector<const char *> kMirrorNotesLeft, kMirrorNotesRight;

} // namespace varelo
