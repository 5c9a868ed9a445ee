// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What one click read and wrote, as its working tells it: a field's text before and after the
// click, each write it made, in order. The working says nothing the click did not do.

#include "panels/dispatch.h"
#include "working/math.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorantis::working {

class Seen {
public:
    explicit Seen(const Click& click) : m_click(click) { }

    // A field's text before the click, and after it, without the blanks around it; a label's
    // caption after the click, as it is.
    std::string before(Field field) const;
    std::string after(Field field) const;
    const std::string& after(Label label) const { return m_click.after[label]; }
    // The nth write (from 0) the click made to a field (without blanks around) or a label;
    // nothing if it made none.
    std::optional<std::string> written(Field field, int nth = 0) const;
    std::optional<std::string> written(Label label, int nth = 0) const;
    // Whether the click last showed or hid the label; nothing if it did neither.
    std::optional<Visibility> visibilityWritten(Label label) const;
    // The minus sign of the fraction result as the window shows it apart from the terms, or
    // nothing while it is hidden.
    bool resultNegative() const;
    bool failed() const { return m_click.failed(); }
    ProcedureId procedure() const { return m_click.procedure->id; }

private:
    const Click& m_click;
};

// A field's text as a term of the working: a number as it was typed, or, for a text that is no
// number or too long to read at a glance, what was typed, quoted short.
Math term(const std::string& text);
// A whole number the core found.
Math term(std::int64_t value);

// The value of a number's text; throws Failure for any other text.
double valueOf(const std::string& text);
// Whether the text is a whole number as the program writes one.
bool isWhole(const std::string& text);
// The text of a number the program computed, as it writes numbers.
std::string textOf(double value);

} // namespace vorantis::working
