// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working as a web page writes it: each piece of mathematics in MathML Core (math, mrow, mn,
// mo, mi, mfrac, msup, msqrt, mtext), which Chromium, Firefox and Safari draw alike, inside the
// sentences of its steps; the heading as a heading, the answer on a line of its own, emphasised.

#include "working/entry.h"

#include <string>

namespace vorantis::working {

// The contents of a <math> element.
std::string mathML(const Math& math, const Language& writtenIn);
// A step's sentence as HTML, its mathematics in <math> elements, each named by its spoken form.
std::string html(const Step& step, const Language& writtenIn);
// An entry as HTML: its heading as <h3>, a paragraph each for the steps, the answer, what follows
// it and the failure.
std::string html(const Entry& entry);

// Text with every character that means something in HTML written as an entity.
std::string escapedHtml(std::string_view text);

} // namespace vorantis::working
