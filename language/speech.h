// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How each language says mathematics aloud: the rules of po/<code>.speech, which a translator
// reads and writes beside the catalogue, compiled with it (language/catalogue.h). The working's
// spoken writer (working/speech.h) is their one reader.

#include <string_view>

namespace vorantis {

// The rule of that name in the language in use, else English's; empty where neither has it.
std::string_view speechRule(std::string_view name);

} // namespace vorantis
