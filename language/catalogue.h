// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The translations as the build compiles them from po/*.po (make_catalogue.py): one sorted
// table a language, in the order of languages(), English's empty.

#include <array>
#include <span>
#include <string_view>

namespace vorantis::catalogue {

struct Entry {
    std::string_view english; // the msgid, after its msgctxt and \x04 where it has one
    std::string_view englishPlural; // the msgid_plural, or empty
    std::array<std::string_view, 2> texts; // msgstr, or msgstr[0] and msgstr[1]
};

struct Catalogue {
    std::span<const Entry> entries; // sorted by `english`, byte by byte
    bool pluralFromTwo; // the other form from 2 on (French), else for every count but 1
};

extern const std::span<const Catalogue> catalogues;

} // namespace vorantis::catalogue
