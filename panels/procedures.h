// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every procedure a click can start that works on the form alone, with the control that
// starts it and the panel it belongs to (the name a failure message begins with).

#include "panels/form.h"

#include <span>
#include <string_view>

namespace vorantis {

struct Procedure {
    std::string_view control;
    std::string_view panel;
    void (*run)(Form&);
};

std::span<const Procedure> procedures();

// The procedure the control starts, or nullptr.
const Procedure* procedureFor(std::string_view control);

} // namespace vorantis
