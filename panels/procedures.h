// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every procedure a click can start that works on the form alone, with the control that
// starts it and the panel it belongs to (the name a failure message begins with). A
// procedure's id is how other tables join it, the working's explanations among them.

#include "panels/form.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace vorantis {

// One for each procedure, named after the control that starts it.
enum class ProcedureId {
    clear,
    clear21,
    decadd,
    decsub,
    decmulti,
    mecdiv,
    Command3,
    Label12,
    calcsquare,
    Label17,
    fromfrac,
    fromdec,
    frompercent,
    simp,
    addfrac,
    subfrac,
    multifrac,
    divfrac,
};
inline constexpr std::size_t procedureCount = static_cast<std::size_t>(ProcedureId::divfrac) + 1;

struct Procedure {
    ProcedureId id;
    std::string_view control;
    std::string_view panel; // English: tr() gives it in the language in use
    void (*run)(Form&);
    std::span<const Control> results; // the controls where its answer shows
};

// In the order of their ids.
std::span<const Procedure> procedures();

const Procedure& procedure(ProcedureId id);

// The words a procedure writes into a caption, in English: a front end that changes its
// language says a caption showing one of them again in the new one.
std::span<const std::string_view> captionWords();

// The procedure the control starts, or nullptr for a control that starts none.
const Procedure* procedureFor(std::string_view control);

} // namespace vorantis
