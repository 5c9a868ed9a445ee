// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working as a pupil says it aloud, for a screen reader and for Read Aloud: "three
// quarters", not "3/4"; "two to the power of ten", not "2^10". Built from the working's tree by
// the rules of each language (language/speech.h), in the language in use; nothing is read back
// from text.

#include "working/entry.h"

#include <string>

namespace vorantis::working {

std::string spoken(const Math& math, const Language& writtenIn);
std::string spoken(const Step& step, const Language& writtenIn);
// The heading, the steps, the answer and the failure, each a sentence of its own.
std::string spoken(const Entry& entry);
// A failure said after the heading is a sentence of its own, which a braille display shows with
// its capital: a small first letter, ASCII's or Latin-1's (é, ü, ñ), is raised. One that begins
// with a number, a sign or a quotation is said as written.
std::string asSentence(std::string said);
// A field's number as a screen reader should say it, in the language in use ("0 point 1 2 5",
// "1 times ten to the power of 20"); nothing where the text says itself ("12") or is no number.
std::string spokenValue(const std::string& text);

} // namespace vorantis::working
