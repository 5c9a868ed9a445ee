#pragma once

// What each procedure may write, and in which order. A procedure that finishes writes its
// list through, leaving out only the writes marked as optional; a procedure that fails
// writes a leading part of it and nothing else. Each written value is checked as well: a
// number must read back as the number it shows.

#include "panels/form.h"
#include "tests/support/memory_form.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorantis::fuzz {

// The empty text when `writes`, made by the procedure that `control` starts, fit its list;
// otherwise what does not fit. `finished` tells whether the procedure ran to its end.
std::string writeProblem(std::string_view control, const std::vector<testing::Write>& writes,
                         const Form& after, bool finished);

} // namespace vorantis::fuzz
