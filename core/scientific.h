// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A number's 15 significant digits, correctly rounded, as C's "%.14e" writes them:
// "-1.23450000000000e+05". The window has them from the C library; the page from the
// browser's own toExponential(14), which the browser already carries where the C library's
// formatting would add its decimal arithmetic to the module the page downloads. The two
// differ only at an exact tie, which the browser takes away from zero and the C library to
// the even digit: the page mends that (evenOnTie), so both write every double alike.

#include <string>
#include <string_view>

namespace vorantis {

// `value` finite and not zero.
std::string scientificText(double value);

// A text as scientificText writes it, taken apart: "-1.23450000000000e+05" has the digits
// "123450000000000" and the exponent 5.
struct ScientificParts {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};
ScientificParts partsOf(std::string_view scientific);

// A value's text as toExponential(14) writes it (a tie away from zero), with an exact tie
// taken to the even digit instead: "1.00000000000001e+15" for 1000000000000005 becomes
// "1.00000000000000e+15". Any other text is given back as it is.
std::string evenOnTie(double value, std::string text);

} // namespace vorantis
