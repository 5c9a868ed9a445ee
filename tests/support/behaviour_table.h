#pragma once

// The rows of tests/behaviour.table: what a click writes, in order, and where it stops.

#include "tests/support/memory_form.h"

#include <string>
#include <vector>

namespace vorantis::testing {

struct BehaviourRow {
    int line; // in the table, for the report
    std::string click; // the control whose procedure runs
    std::vector<std::pair<std::string, std::string>> typed; // field, text (escapes undone)
    std::string writes; // "Label36=+ Text22=5", as the table writes them
    std::string failure; // "NotANumber: empty", or empty when the click runs to its end
};

std::vector<BehaviourRow> behaviourRows();

// What one click did, as the table writes it: "Label36=/" and "DivisionByZero: <message>".
struct ClickOutcome {
    std::string writes;
    std::string failure;
};

// Clicks the control on the form, with the writes counted from the click on.
ClickOutcome clickOn(std::string_view control, MemoryForm& form);

} // namespace vorantis::testing
