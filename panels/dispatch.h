#pragma once

// A click as every front end runs it: the procedure runs on the form, and a failure becomes
// the one line the user reads. This is the only place where a failure is caught.

#include "panels/form.h"
#include "panels/procedures.h"

#include <string>

namespace vorantis {

// Runs the procedure to its end, or to its first failure, whose writes stay. Gives the
// empty text when it ran to its end, otherwise "<panel>: <what went wrong>".
std::string runClick(const Procedure& procedure, Form& form);

} // namespace vorantis
