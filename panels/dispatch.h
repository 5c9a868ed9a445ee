// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A click as every front end runs it: the procedure runs on the form, and its Failure, the one
// exception caught here, becomes the one line the user reads. This is the one place where a
// procedure's failure is caught (the working, which asks the core about texts that may be no
// numbers, catches the answers to its own questions). The click also keeps what it saw and
// did, from which its working is explained.

#include "core/failure.h"
#include "core/message.h"
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
    Control control;
    std::variant<std::string, Visibility> value;
};

struct Click {
    const Procedure* procedure;
    FormState before;
    FormState after;
    std::vector<Write> writes;
    std::optional<Message> failure; // why the procedure stopped; nothing where it ran to its end
    std::optional<FailureKind> kind; // of the failure, where there is one
    // Of a click that ran to its end: a result beyond the numbers the calculator holds, which
    // shows as "Infinity" and is no failure.
    std::optional<Message> note;

    bool failed() const { return failure.has_value(); }
};

// Runs the procedure to its end, or to its first failure, whose writes stay.
Click runClick(const Procedure& procedure, Form& form);

// What the status line shows after a click: "<panel>: <why it stopped>", or the note on its
// result, kept as a value so that it is said again in another language; nothing where there is
// nothing to say.
struct StatusNote {
    std::string_view panel; // English
    std::optional<Message> message;
    // In the language in use; empty where there is no message.
    std::string said() const;
};
StatusNote statusOf(const Click& click);
inline std::string statusLine(const Click& click) { return statusOf(click).said(); }

// The results a failed click did not reach: what they show is left from an earlier click,
// and a front end marks them so, without changing their text (17 ÷ 0 beside an earlier
// "-4 remainder 3"). Empty for a click that ran to its end.
std::vector<Control> staleResults(const Click& click);

// What a failed click did write before it stopped, its operator signs aside: unfinished, as
// 0 over 2 is when 1/2 ÷ 1/0 stops; a front end marks them so, without changing their text,
// until the next click or an edit. Empty for a click that ran to its end.
std::vector<Control> unfinishedWrites(const Click& click);

} // namespace vorantis
