// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tables of tests/: one row a line, columns separated by "|", "#" lines left out. A typed
// column holds `Field=text` pairs whose texts, like a working entry, may hold \s (a blank),
// \n, \t, \0 and \\.

#include "language/language.h"
#include "panels/dispatch.h"
#include "tests/support/memory_form.h"

#include <string>
#include <vector>

namespace vorantis::testing {

struct TableRow {
    int line; // in the table, for the report
    std::vector<std::string> columns; // trimmed; as many as the row has, at least `width`
};

// A typed column that types nothing: the fields as the row before left them, after a change of
// language between the two rows.
inline constexpr std::string_view keptFields = "(kept)";

// The rows of the table of that name in tests/, each with at least `width` columns.
std::vector<TableRow> tableRows(const std::string& name, std::size_t width);
std::string unescaped(const std::string& text);
void typeInto(MemoryForm& form, const std::string& typedColumn);

// A write's value as the tables write it: the text, or "shown" / "hidden" for a label.
std::string valueOf(const Write& write);

// Speaks the language for as long as it lives, English again however a test ends.
struct SpeakingIn {
    explicit SpeakingIn(std::string_view code) { useLanguage(*languageCoded(code)); }
    SpeakingIn(const SpeakingIn&) = delete;
    SpeakingIn& operator=(const SpeakingIn&) = delete;
    ~SpeakingIn() { useLanguage(languages().front()); }
};

// What one click did, as the behaviour table writes it.
struct ClickOutcome {
    std::string writes; // "Label36=/ Text22=3.5"
    std::string failure; // "DivisionByZero: <the message>", "Note: <the note>", or empty
    std::string stale; // the results a failed click left from before: "Text3 Text4"
    std::string unfinished; // what a failed click wrote before it stopped: "Text33 Text34"
};

ClickOutcome clickOn(std::string_view control, MemoryForm& form);

} // namespace vorantis::testing
