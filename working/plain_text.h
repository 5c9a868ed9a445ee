// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working as plain text, as Copy All, Save as text and a screen reader's plain reading give
// it: fractions on one line with a slash (brackets round a numerator or denominator of several
// terms), whole powers raised in superscript digits, roots under √.

#include "working/entry.h"

#include <string>

namespace vorantis::working {

// `writtenIn` is the language the entry's numbers were written in; the text is in the language in
// use, numbers with its decimal mark.
std::string plainText(const Math& math, const Language& writtenIn);
std::string plainText(const Step& step, const Language& writtenIn);
// The heading, the steps, the answer and the failure, each on its own line.
std::string plainText(const Entry& entry);

} // namespace vorantis::working
