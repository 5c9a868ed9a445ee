// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a front end says beyond the controls' captions and the menus, in English, for tr().

#include "language/language.h"

#include <string_view>

namespace vorantis {

inline constexpr std::string_view programName = "Vorantis";
inline constexpr std::string_view okCaption = translatable("OK");
inline constexpr std::string_view menuBarName = translatable("menu bar");
// Beside a result that a failed click did not reach: it shows what an earlier click left.
inline constexpr std::string_view staleNote = translatable("left from an earlier click");
// Beside what a failed click wrote before it stopped: not an answer.
inline constexpr std::string_view unfinishedNote =
    translatable("unfinished: the calculation stopped after writing this");
// After File > Exit, where the front end cannot close itself (a browser's page).
inline constexpr std::string_view endedNote = translatable("Vorantis has ended.");
inline constexpr std::string_view startAgainCaption = translatable("Start Again");
// The two ways Save As… keeps the working, and the name it suggests.
inline constexpr std::string_view saveAsTextCaption = translatable("Plain Text (.txt)");
inline constexpr std::string_view saveAsPageCaption = translatable("Web Page (.html)");
inline constexpr std::string_view savedWorkingName = translatable("working");
inline constexpr std::string_view notCopiedNote =
    translatable("Working: not copied, as the clipboard is closed to this page");
// Why Read Aloud cannot be chosen.
inline constexpr std::string_view noVoiceNote =
    translatable("No voice of this language is installed for reading aloud");
// Where the page could not fetch a language's words ({language}: its own name): it goes on in
// the language it spoke, English at first.
inline constexpr std::string_view wordsNotLoadedNote =
    translatable("The words of {language} could not be loaded");
// Keys a phone's number pad may lack, offered beside a field while it has focus.
inline constexpr std::string_view missingKeys = "-.e";
inline constexpr std::string_view missingKeysName =
    translatable("keys for a minus sign, a decimal point and an exponent");

} // namespace vorantis
