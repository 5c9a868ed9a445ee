// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/classroom.h"

#include "language/language.h"
#include "working/seen.h"

#include <algorithm>
#include <cstdlib>

namespace vorantis::working {
namespace {

// Multiples are listed while both lists stay short and the multiple small, as in a lesson.
constexpr std::size_t longestList = 6;
constexpr std::int64_t largestListed = 100;
// Above this a pupil finds the common factor by Euclid's remainders rather than by factors.
constexpr std::int64_t largestFactored = 1000;

Math multiples(const std::vector<std::int64_t>& values)
{
    std::vector<Math> items;
    for (const std::int64_t value : values)
        items.push_back(term(value));
    return list(std::move(items));
}

// How the multiple of two sizes other than 0 is found, or nothing where a pupil's is not it.
std::optional<Step> howMultipleFound(std::int64_t a, std::int64_t b, std::int64_t multiple, bool denominator)
{
    const Factors powers = highestPowers(primeFactors(a), primeFactors(b));
    if (a == 0 || b == 0 || productOf(powers) != multiple)
        return std::nullopt;
    const std::initializer_list<std::pair<std::string_view, Math>> values{
        {"multiple", term(multiple)}, {"smaller", term(std::min(a, b))}, {"a", term(a)}, {"b", term(b)}};
    if (multiple == std::max(a, b))
        return denominator
            ? said(translatable("the common denominator is {multiple}, a multiple of {smaller}"), values)
            : said(translatable("the least common multiple of {a} and {b} is {multiple}, a "
                                "multiple of {smaller}"),
                   values);
    if (const auto lists =
            multiple <= largestListed ? multiplesUntilCommon(a, b, longestList) : std::nullopt) {
        const std::initializer_list<std::pair<std::string_view, Math>> listed{
            {"multiple", term(multiple)},
            {"a", term(a)},
            {"b", term(b)},
            {"first", multiples(lists->first)},
            {"second", multiples(lists->second)}};
        return denominator
            ? said(translatable("the common denominator is {multiple}: multiples of {a}: {first}; "
                                "of {b}: {second}"),
                   listed)
            : said(translatable("the least common multiple of {a} and {b} is {multiple}: multiples "
                                "of {a}: {first}; of {b}: {second}"),
                   listed);
    }
    const std::initializer_list<std::pair<std::string_view, Math>> factors{
        {"multiple", relation(term(multiple), "=", primeProduct(powers))},
        {"a", factored(a)},
        {"b", factored(b)}};
    return denominator
        ? said(translatable("the common denominator is {multiple}, each prime at its highest "
                            "power in {a} and {b}"),
               factors)
        : said(translatable("the least common multiple is {multiple}, each prime at its highest "
                            "power in {a} and {b}"),
               factors);
}

} // namespace

Math primeProduct(const Factors& factors)
{
    std::vector<Math> parts;
    for (auto run = factors.begin(); run != factors.end();) {
        const auto end = std::find_if(run, factors.end(), [&](std::int64_t f) { return f != *run; });
        if (!parts.empty())
            parts.push_back(sign("×"));
        const auto times = end - run;
        parts.push_back(times > 1 ? power(term(*run), term(std::int64_t{times})) : term(*run));
        run = end;
    }
    return parts.size() == 1 ? parts.front() : row(std::move(parts));
}

Math factored(std::int64_t number)
{
    const Factors factors = primeFactors(number);
    if (factors.size() < 2)
        return term(number);
    const Math product = number < 0 ? row({sign("−"), primeProduct(factors)}) : primeProduct(factors);
    return relation(term(number), "=", product);
}

Step commonDenominatorStep(std::int64_t first, std::int64_t second, std::int64_t common)
{
    if (auto how = howMultipleFound(std::llabs(first), std::llabs(second), common, true))
        return *how;
    return said(translatable("the calculator's common denominator is {multiple}"),
                {{"multiple", term(common)}});
}

Step multipleStep(std::int64_t first, std::int64_t second, std::int64_t multiple)
{
    // The finding is shown for two terms above 1 (beside 1 the multiple is the other term, and
    // no caller asks); a negative term's is said as the calculator finds it.
    if (auto how = first > 1 && second > 1 ? howMultipleFound(first, second, multiple, false) : std::nullopt)
        return *how;
    return said(translatable("the least common multiple the calculator finds for {a} and {b} is {multiple}"),
                {{"a", term(first)}, {"b", term(second)}, {"multiple", term(multiple)}});
}

CommonFactor commonFactor(std::int64_t numerator, std::int64_t denominator, const Math& lowest)
{
    const std::int64_t a = std::llabs(numerator), b = std::llabs(denominator);
    // Over 1 or with 1 on top a fraction is in lowest terms, and 0 has no greatest factor.
    if (a <= 1 || b <= 1)
        return {a == 0 || b == 0 ? 0 : 1, false, std::nullopt};
    if (a % b == 0 || b % a == 0) {
        const std::int64_t smaller = std::min(a, b);
        return {smaller, false,
                said(translatable("{smaller} divides {larger}, so it is their greatest common factor"),
                     {{"smaller", term(smaller)}, {"larger", term(std::max(a, b))}})};
    }
    if (a <= largestFactored && b <= largestFactored) {
        const Factors shared = sharedFactors(primeFactors(a), primeFactors(b));
        const std::int64_t factor = productOf(shared);
        if (shared.empty())
            return {1, true,
                    said(translatable("{a} and {b} share no prime factor, so {fraction} is in lowest terms"),
                         {{"a", factored(numerator)}, {"b", factored(denominator)}, {"fraction", lowest}})};
        return {factor, true,
                said(translatable("{a} and {b} share {shared}, so their greatest common factor is {factor}"),
                     {{"a", factored(numerator)},
                      {"b", factored(denominator)},
                      {"shared", primeProduct(shared)},
                      {"factor", term(factor)}})};
    }
    // The remainders alone, each that of the two before it: the last before 0 is the factor.
    const std::vector<EuclidStep> divisions = euclidSteps(a, b);
    std::vector<std::int64_t> remainders{divisions.front().dividend, divisions.front().divisor};
    for (const EuclidStep& step : divisions)
        remainders.push_back(step.remainder);
    const std::int64_t factor = divisions.back().divisor;
    const std::initializer_list<std::pair<std::string_view, Math>> values{
        {"remainders", multiples(remainders)}, {"factor", term(factor)}, {"fraction", lowest}};
    return {factor, false,
            factor == 1
                ? said(translatable("by Euclid's remainders {remainders}, the greatest common factor is 1, "
                                    "so {fraction} is in lowest terms"),
                       values)
                : said(translatable("by Euclid's remainders {remainders}, the greatest common factor is "
                                    "{factor}"),
                       values)};
}

} // namespace vorantis::working
