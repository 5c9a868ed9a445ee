// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/language.h"

#include <QString>

namespace vorantis {

// The system's language, as gettext programs take it: LANGUAGE (a list), else LC_ALL,
// LC_MESSAGES, LANG, the first of them set; English where none names a language Vorantis has.
const Language& systemLanguage();

// Speaks the language: its catalogue for Vorantis's own texts, and, once there is an
// application, Qt's translations for the texts of Qt's dialogs and of its command-line parser
// (the file dialog's buttons, "Usage:"), where the system has them.
void speak(const Language& language);

} // namespace vorantis
