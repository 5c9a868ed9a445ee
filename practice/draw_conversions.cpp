// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/draw.h"
#include "practice/numbers.h"

#include "language/language.h"

#include <array>
#include <numeric>

namespace vorantis::practice {
namespace {

enum class NumberForm { fraction, decimal, percent };

// Each of the six conversions is asked alike often: from the form given, to the form asked.
struct Conversion {
    NumberForm given, asked;
};
constexpr std::array<Conversion, 6> conversions{{{NumberForm::fraction, NumberForm::decimal},
                                                 {NumberForm::fraction, NumberForm::percent},
                                                 {NumberForm::decimal, NumberForm::fraction},
                                                 {NumberForm::decimal, NumberForm::percent},
                                                 {NumberForm::percent, NumberForm::decimal},
                                                 {NumberForm::percent, NumberForm::fraction}}};

Ratio hundredfold(Ratio value) { return lowestTerms(*multiplyRatios(value, {100, 1})); }

working::Math written(NumberForm form, Ratio value)
{
    switch (form) {
    case NumberForm::fraction:
        return usualFraction(value, true);
    case NumberForm::decimal:
        return numeral(*decimalText(value));
    case NumberForm::percent:
        return working::row({numeral(*decimalText(hundredfold(value))), working::sign("%")});
    }
    return {};
}

std::string_view asked(NumberForm form)
{
    switch (form) {
    case NumberForm::fraction:
        return translatable("as a fraction");
    case NumberForm::decimal:
        return translatable("as a decimal");
    case NumberForm::percent:
        return translatable("as a percent");
    }
    return {};
}

} // namespace

Drawn draw(Topic, const ConversionLevel& level, SeededRandom& random)
{
    struct Asked {
        Ratio value;
        Conversion conversion;
    };
    // From a decimal or a percent the calculator writes a fraction over 100 and takes its terms
    // as whole numbers: one with a fraction of a hundredth (87.5%) would show a working of
    // rounded figures, so it is asked only from a fraction.
    const auto [value, conversion] = drawUntil(
        [&] {
            const std::int64_t denominator = level.denominators[random.below(level.denominators.size())];
            const std::int64_t numerator =
                drawUntil([&] { return random.between(1, denominator - 1); },
                          [&](std::int64_t n) { return std::gcd(n, denominator) == 1; });
            const std::int64_t wholePart = random.between(level.smallestWhole, level.largestWhole);
            return Asked{{wholePart * denominator + numerator, denominator},
                         conversions[random.below(conversions.size())]};
        },
        [](const Asked& asked) {
            return asked.conversion.given == NumberForm::fraction ||
                hundredfold(asked.value).denominator == 1;
        });
    Drawn drawn{working::row({written(conversion.given, value), working::words(asked(conversion.asked))}),
                AnswerShape::fraction,
                value,
                ProcedureId::fromfrac,
                {{Field::n, std::to_string(value.numerator)}, {Field::d, std::to_string(value.denominator)}}};
    if (conversion.given == NumberForm::decimal)
        drawn = {drawn.question,
                 drawn.shape,
                 drawn.exact,
                 ProcedureId::fromdec,
                 {{Field::Text1, *decimalText(value)}}};
    if (conversion.given == NumberForm::percent)
        drawn = {drawn.question,
                 drawn.shape,
                 drawn.exact,
                 ProcedureId::frompercent,
                 {{Field::Text2, *decimalText(hundredfold(value))}}};
    if (conversion.asked == NumberForm::decimal)
        drawn.shape = AnswerShape::decimal;
    if (conversion.asked == NumberForm::percent) {
        drawn.shape = AnswerShape::percent;
        drawn.exact = hundredfold(value);
    }
    return drawn;
}

} // namespace vorantis::practice
