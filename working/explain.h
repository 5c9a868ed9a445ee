// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of one click as a teacher writes it on the board: what the click set out to do,
// the steps from what the fields held to what they show, and the answer, or where it stopped
// and why. An entry is built only from what the click read and wrote, with any value in
// between from the core's own routines, so it never disagrees with the window.

#include "panels/dispatch.h"
#include "working/entry.h"

namespace vorantis {

working::Entry explain(const Click& click);

} // namespace vorantis
