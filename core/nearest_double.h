// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading a number's text is the C library's strtod, or in a browser its own Number(): both give
// the double nearest the text's exact value (the even one of two as near), so the window and the
// page read every text alike. The browser's is there already, where the C library's would add its
// own decimal arithmetic to the module the page downloads.

#include <string>

namespace vorantis {

// The double nearest the value of `text`, a number in the C locale's grammar ("-12.5e3", which
// core/convert.cpp has checked); infinity for a value beyond the largest double.
double nearestDouble(const std::string& text);

} // namespace vorantis
