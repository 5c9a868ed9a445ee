// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The languages and their words, as the build compiles them from po/ (make_catalogue.py): the
// list of every language the program speaks, and the words of those compiled into it, which is
// all of them in the window and English alone in the page, which fetches another language's
// words when it is chosen (language/language.h, loadLanguage).

#include "language/language.h"

#include <array>
#include <span>
#include <string_view>

namespace vorantis::catalogue {

struct Entry {
    std::string_view english; // the msgid, after its msgctxt and \x04 where it has one
    std::string_view englishPlural; // the msgid_plural, or empty
    std::array<std::string_view, 2> texts; // msgstr, or msgstr[0] and msgstr[1]
};

// A rule by which the language says mathematics aloud (po/<code>.speech).
struct SpeechRule {
    std::string_view name; // "fraction 4"
    std::string_view said; // "quarter | quarters"
};

struct Catalogue {
    std::string_view code;
    bool pluralFromTwo; // the other form from 2 on (French), else for every count but 1
    std::span<const Entry> entries; // sorted by `english`, byte by byte; English's are none
    std::span<const SpeechRule> speech; // sorted by `name`, byte by byte
};

// English first, then po/LINGUAS's.
extern const std::span<const Language> known;
extern const std::span<const Catalogue> compiled;

// The words of a language with that code, compiled in or loaded; nullptr for one not yet loaded.
const Catalogue* catalogueOf(std::string_view code);

} // namespace vorantis::catalogue
