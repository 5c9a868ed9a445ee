// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One click's entry as it is put together: what the click read and wrote, and the lines said of
// it. Numbers keep the text their field shows (a "-" included); only the operations are written
// as a pupil writes them (+ − × ÷).

#include "panels/dispatch.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorantis::working {

class Entry {
public:
    explicit Entry(const Click& click) : m_click(click) { }

    // A field's text before the click, and a field's text or a label's caption after it, as shown.
    std::string before(Field field) const;
    std::string after(Field field) const;
    const std::string& after(Label label) const { return m_click.after[label]; }
    // The nth write (from 0) the click made to a field, as shown, or to a label, as it is;
    // nothing if it made none.
    std::optional<std::string> written(Field field, int nth = 0) const;
    std::optional<std::string> written(Label label, int nth = 0) const;
    // Whether the click last showed or hid the label; nothing if it did neither.
    std::optional<Visibility> visibilityWritten(Label label) const;
    // The minus sign of the fraction result, as the window shows it, or nothing while it is hidden.
    std::string resultSign() const;
    bool failed() const { return m_click.failed(); }

    // What the click set out to do ("1/2 + 1/3"): it opens the first line of a click that
    // stopped, and of any other where `opensFirstLine` says so.
    void about(std::string subject, bool opensFirstLine = false);
    void add(std::string line) { m_lines.push_back(std::move(line)); }
    // The lines, then the failure's message; empty when nothing could be said.
    std::string text() const;

private:
    std::optional<std::string> written(std::string_view control, int nth) const;

    const Click& m_click;
    std::string m_subject;
    bool m_subjectOpens = false;
    std::vector<std::string> m_lines;
};

// An infinite result, or a 0 where the exact result is not 0, is the double range's doing: a
// line says so before the result.
void noteRange(Entry& entry, const std::string& operation, const std::string& result,
               bool exactIsZero = true);

// A line from its sentence pattern, in the language in use, each "{name}" replaced by its value:
// every line is one whole sentence, which a translation can reorder around its numbers.
// The same for a line that counts something: the language's form for `count`.
std::string sentencePlural(std::string_view one, std::string_view many, unsigned long count,
                           std::initializer_list<std::pair<std::string_view, std::string>> values);
std::string sentence(std::string_view pattern,
                     std::initializer_list<std::pair<std::string_view, std::string>> values);
// A whole number as the program writes it; exact below 10 to the 15th, as every one said is.
std::string wholeText(std::int64_t value);

// A number's text without the blanks around it and with the decimal mark of the language in
// use, whichever mark it was typed with; any other text, and a number too long to read at a
// glance, in quotes, on one line, short.
std::string shown(std::string_view text);
// A shown term, in brackets where it starts with a minus sign: a term after an operation sign.
std::string operand(const std::string& term);
std::string fraction(const std::string& numerator, const std::string& denominator);
// The value of a number's text; throws Failure for any other text.
double valueOf(const std::string& text);
// Whether the text is a whole number as the program writes one.
bool isWhole(const std::string& text);
// The whole number the program takes a text as: "2 (2.5 taken as a whole number)".
std::string wholeOf(const std::string& text);
// The operation sign a label shows ("-", "*", "/"), as a pupil writes it.
std::string symbolFor(std::string_view caption);

} // namespace vorantis::working
