#pragma once
#include "shell/Form.h"

namespace varelo {
// Creates the window of this id (not loaded yet); the registry's factory.
Form *createForm(FormId id);
// Program-wide set-up: font substitution, the locale's decimal separator, the factory.
void initApplication();
} // namespace varelo
