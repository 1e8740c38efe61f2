#pragma once
#include "shell/Form.h"

#include <QStringList>

namespace varelo {
// Creates the window of this id (not loaded yet); the registry's factory.
Form *createForm(FormId id);
// German when the first of the system's interface languages is German (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), English for every other one.
bool germanInterface(const QStringList &uiLanguages);
// Installs the program's and Qt's translations for German or English, replacing those of an
// earlier call. Windows made afterwards show that language.
void setInterfaceLanguage(bool german);
// Program-wide set-up: the language, font substitution, the locale's decimal separator, the
// factory.
void initApplication();
} // namespace varelo
