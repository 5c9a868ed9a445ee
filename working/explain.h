// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of one click in a pupil's words: how the program got from what the fields held
// to what they show, step by step, or where it stopped and why. An entry is built only from
// what the click read and wrote, with any value in between from the core's own routines, so
// it never disagrees with the window.

#include "panels/dispatch.h"

#include <string>

namespace vorantis {

// One entry, in short plain lines separated by '\n'.
std::string explain(const Click& click);

} // namespace vorantis
