// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/numbers.h"

#include "core/convert.h"
#include "language/language.h"

#include <cstdlib>

namespace vorantis::practice {

working::Math numeral(const std::string& plain)
{
    return working::number(respelled(plain, languages().front()));
}

working::Math decimal(std::int64_t units, int places)
{
    std::int64_t scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10;
    return numeral(*decimalText({units, scale}));
}

std::optional<std::string> decimalText(Ratio ratio)
{
    const Ratio lowest = lowestTerms(ratio);
    const std::int64_t size = std::llabs(lowest.numerator);
    std::string text = (lowest.numerator < 0 ? "-" : "") + std::to_string(size / lowest.denominator);
    std::int64_t left = size % lowest.denominator;
    // A fraction over 2s and 5s alone ends within as many places as the larger count of them;
    // 18 places hold every denominator the practice room draws.
    for (int places = 0; left != 0 && places < 18; ++places) {
        text += places == 0 ? "." : "";
        left *= 10;
        text += static_cast<char>('0' + left / lowest.denominator);
        left %= lowest.denominator;
    }
    if (left != 0)
        return std::nullopt;
    return text;
}

working::Math usualFraction(Ratio ratio, bool mixed)
{
    const std::int64_t size = std::llabs(ratio.numerator);
    working::Math unsigned_ = working::fraction(whole(size), whole(ratio.denominator));
    if (ratio.denominator == 1)
        unsigned_ = whole(size);
    else if (mixed && size > ratio.denominator)
        unsigned_ =
            working::row({whole(size / ratio.denominator),
                          working::fraction(whole(size % ratio.denominator), whole(ratio.denominator))});
    return ratio.numerator < 0 ? working::negative(unsigned_) : unsigned_;
}

bool sameValue(Ratio left, Ratio right)
{
    const Ratio a = lowestTerms(left), b = lowestTerms(right);
    return a.numerator == b.numerator && a.denominator == b.denominator;
}

} // namespace vorantis::practice
