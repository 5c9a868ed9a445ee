// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/language.h"

#include <QString>

namespace vorantis {

// The system's language, as gettext programs take it: LANGUAGE (a list), else LC_ALL,
// LC_MESSAGES, LANG, the first of them set; English where none names a language Vorantis has.
const Language& systemLanguage();

// Speaks the language: its catalogue for Vorantis's own texts, and Qt's translations for the
// texts of Qt's dialogs (the file dialog's buttons, the message box's OK), where the system has them.
void speak(const Language& language);

} // namespace vorantis
