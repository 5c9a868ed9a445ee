// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A click as every front end runs it: the procedure runs on the form, and a failure becomes
// the one line the user reads. This is the only place where a failure is caught. The click
// also keeps what it saw and did, from which its working is explained.

#include "core/failure.h"
#include "panels/form.h"
#include "panels/procedures.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vorantis {

// The texts of every field and the captions of the labels procedures write.
struct FormState {
    std::array<std::string, allFields.size()> texts;
    std::array<std::string, allLabels.size()> captions;

    const std::string& operator[](Field field) const { return texts[static_cast<std::size_t>(field)]; }
    const std::string& operator[](Label label) const { return captions[static_cast<std::size_t>(label)]; }
};

struct Click {
    const Procedure* procedure;
    FormState before;
    FormState after;
    std::vector<std::pair<std::string_view, std::string>> writes; // control, value ("shown" / "hidden")
    std::string failure; // empty when the procedure ran to its end, else "<panel>: <what went wrong>"
    std::optional<FailureKind> kind; // of a failure of the arithmetic
};

// Runs the procedure to its end, or to its first failure, whose writes stay.
Click runClick(const Procedure& procedure, Form& form);

} // namespace vorantis
