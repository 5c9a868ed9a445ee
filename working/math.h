// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A piece of mathematics as a pupil writes it in an exercise book: numbers, fractions stacked
// over their bar, powers raised, roots under their sign, rows of terms and signs, lists. The
// working's sentences hold these in their placeholders, and each writer of the working (plain
// text, MathML, the window's drawing, speech) puts them down in its own way; none of them reads
// mathematics back from text.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vorantis::working {

struct Math {
    enum class Kind {
        number, // `text`: a number as the program writes it, "-12,5" (a sign, digits, a mark, an exponent)
        typed, // `text`: what the user typed where it is no number, shown quoted
        sign, // `text`: an operation or a relation, + − × ÷ = < ≤ > ≥, or a bracket
        words, // `text`: English words inside the mathematics ("remainder"), said through the catalogue
        fraction, // `parts`: numerator, denominator, each a term or a row
        power, // `parts`: base, exponent
        root, // `parts`: what is under the square root
        row, // `parts`, side by side: "3/6 + 2/6 = 5/6"
        list, // `parts`, apart by commas: "2, 4, 6"
    };
    Kind kind;
    std::string text;
    std::vector<Math> parts;

    bool operator==(const Math&) const = default;
};

// A number's text as a field shows it or the program writes it.
Math number(std::string text);
Math whole(long long value);
Math typed(std::string text);
Math sign(std::string_view symbol);
Math words(std::string_view english);
Math fraction(Math numerator, Math denominator);
Math power(Math base, Math exponent);
Math root(Math radicand);
Math row(std::vector<Math> parts);
Math list(std::vector<Math> items);

// A term with a minus sign before it, as a pupil writes −3/4 or −(3/6 − 2/6).
Math negative(Math term);

// A term after an operation sign, in brackets where it is below 0: 2 − (−3), 1/4 + (−3/12).
Math bracketed(Math term);

// Whether a power's base is written in brackets: (−2)⁴, (3/4)², (1.5E3)², but 2⁴.
bool bracketedAsBase(const Math& base);

// The operation a label shows ("+", "-", "*", "/"), as a pupil writes it (+ − × ÷).
Math operationSign(std::string_view caption);

// Two pieces joined by a sign: left = right.
Math relation(Math left, std::string_view symbol, Math right);

} // namespace vorantis::working
