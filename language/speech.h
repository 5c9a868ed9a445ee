// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How each language says mathematics aloud: the rules of po/<code>.speech, which a translator
// reads and writes beside the catalogue, compiled by the build (language/make_speech.py). The
// working's spoken writer (working/speech.h) is their one reader.

#include <span>
#include <string_view>

namespace vorantis::speech {

struct SpeechRule {
    std::string_view name; // "fraction 4"
    std::string_view said; // "quarter | quarters"
};

struct SpeechRules {
    std::string_view code;
    std::span<const SpeechRule> rules; // sorted by name, byte by byte
};

extern const std::span<const SpeechRules> rules;

} // namespace vorantis::speech

namespace vorantis {

// The rule of that name in the language in use, else English's; empty where neither has it.
std::string_view speechRule(std::string_view name);

} // namespace vorantis
