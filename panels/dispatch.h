// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A click as every front end runs it: the procedure runs on the form, and a failure becomes
// the one line the user reads. This is the one place where a procedure's failure is caught
// (the working, which asks the core about texts that may be no numbers, catches the answers
// to its own questions). The click also keeps what it saw and did, from which its working is
// explained.

#include "core/failure.h"
#include "panels/form.h"
#include "panels/procedures.h"

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vorantis {

// The texts of every field and the captions of the labels procedures write.
struct FormState {
    std::array<std::string, allFields.size()> texts;
    std::array<std::string, allLabels.size()> captions;

    const std::string& operator[](Field field) const { return texts[static_cast<std::size_t>(field)]; }
    const std::string& operator[](Label label) const { return captions[static_cast<std::size_t>(label)]; }
};

enum class Visibility { hidden, shown };

// One write of a procedure, in the order it made them: a field's text, a label's caption, or
// whether a label is shown.
struct Write {
    std::string_view control;
    std::variant<std::string, Visibility> value;
};

struct Click {
    const Procedure* procedure;
    FormState before;
    FormState after;
    std::vector<Write> writes;
    std::string failure; // empty when the procedure ran to its end, else "<panel>: <what went wrong>"
    std::optional<FailureKind> kind; // of a failure of the arithmetic
};

// Runs the procedure to its end, or to its first failure, whose writes stay.
Click runClick(const Procedure& procedure, Form& form);

// The results a failed click did not reach: what they show is left from an earlier click,
// and a front end marks them so, without changing their text (17 ÷ 0 beside an earlier
// "-4 remainder 3"). Empty for a click that ran to its end.
std::vector<std::string_view> staleResults(const Click& click);

} // namespace vorantis
