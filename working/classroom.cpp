// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/classroom.h"

#include "working/entry.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace vorantis::working {
namespace {

// Multiples are listed while both lists stay short and the multiple small, as in a lesson.
constexpr std::size_t longestList = 6;
constexpr std::int64_t largestListed = 100;
// Above this a pupil finds the common factor by Euclid's steps rather than by factors.
constexpr std::int64_t largestFactored = 1000;

std::string superscript(std::size_t power)
{
    static const std::array<const char*, 10> digits{"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    const std::string text = std::to_string(power);
    std::string raised;
    for (const char digit : text)
        raised += digits[std::size_t(digit - '0')];
    return raised;
}

std::string multiplesText(const std::vector<std::int64_t>& multiples)
{
    std::string text;
    for (const std::int64_t multiple : multiples)
        text += (text.empty() ? "" : ", ") + wholeText(multiple);
    return text;
}

} // namespace

std::string productText(const Factors& factors)
{
    std::string text;
    for (auto run = factors.begin(); run != factors.end();) {
        const auto end = std::find_if(run, factors.end(), [&](std::int64_t f) { return f != *run; });
        const auto power = static_cast<std::size_t>(end - run);
        for (std::size_t i = 0; i < (power < 4 ? power : 1); ++i)
            text += (text.empty() ? "" : " × ") + wholeText(*run) + (power < 4 ? "" : superscript(power));
        run = end;
    }
    return text;
}

std::string factored(std::int64_t number)
{
    const Factors factors = primeFactors(number);
    if (factors.size() < 2)
        return wholeText(number);
    return wholeText(number) + " = " + (number < 0 ? "-" : "") + productText(factors);
}

std::string listed(const std::vector<std::string>& items, std::string_view lastJoin)
{
    // "2, 3, 5 or 7": the last join is the language's ("or", "oder"), the others a comma.
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " " + std::string(lastJoin) + " " : ", ") + items[i];
    return text;
}

std::string multipleFound(std::int64_t first, std::int64_t second, std::int64_t multiple, bool factorsSaid)
{
    const std::int64_t a = std::llabs(first), b = std::llabs(second);
    const Factors powers = highestPowers(primeFactors(a), primeFactors(b));
    if (a == 0 || b == 0 || productOf(powers) != multiple)
        return "";
    if (a == b)
        return sentence("the two numbers are the same", {});
    if (multiple == std::max(a, b))
        return sentence("{larger} is itself a multiple of {smaller}",
                        {{"larger", wholeText(std::max(a, b))}, {"smaller", wholeText(std::min(a, b))}});
    const auto lists = multiple <= largestListed ? multiplesUntilCommon(a, b, longestList) : std::nullopt;
    if (lists)
        return sentence(
            "multiples of {a}: {first}; multiples of {b}: {second}; the first in both is {multiple}",
            {{"a", wholeText(a)},
             {"b", wholeText(b)},
             {"first", multiplesText(lists->first)},
             {"second", multiplesText(lists->second)},
             {"multiple", wholeText(multiple)}});
    if (factorsSaid)
        return sentence("each prime at its highest power gives {product} = {multiple}",
                        {{"product", productText(powers)}, {"multiple", wholeText(multiple)}});
    return sentence("from {first} and {second}, each prime at its highest power gives {product} = {multiple}",
                    {{"first", factored(first)},
                     {"second", factored(second)},
                     {"product", productText(powers)},
                     {"multiple", wholeText(multiple)}});
}

CommonFactor commonFactor(std::int64_t first, std::int64_t second, const std::string& fraction)
{
    if (std::llabs(first) <= largestFactored && std::llabs(second) <= largestFactored) {
        const Factors shared = sharedFactors(primeFactors(first), primeFactors(second));
        const std::int64_t factor = productOf(shared);
        if (shared.empty())
            return {
                factor, true,
                sentence("{first} and {second} share no prime factor, so {fraction} is in lowest terms",
                         {{"first", factored(first)}, {"second", factored(second)}, {"fraction", fraction}})};
        return {factor, true,
                sentence("{first} and {second} share {shared}, so their greatest common factor is {factor}",
                         {{"first", factored(first)},
                          {"second", factored(second)},
                          {"shared", productText(shared)},
                          {"factor", wholeText(factor)}})};
    }
    const std::vector<EuclidStep> divisions = euclidSteps(first, second);
    std::string steps;
    std::int64_t factor = 0; // the last divisor
    for (const EuclidStep& step : divisions) {
        factor = step.divisor;
        steps += (steps.empty() ? "" : ", ") +
            sentence("{dividend} = {quotient} × {divisor} + {remainder}",
                     {{"dividend", wholeText(step.dividend)},
                      {"quotient", wholeText(step.quotient)},
                      {"divisor", wholeText(step.divisor)},
                      {"remainder", wholeText(step.remainder)}});
    }
    const std::initializer_list<std::pair<std::string_view, std::string>> values{
        {"steps", steps},
        {"first", wholeText(first)},
        {"second", wholeText(second)},
        {"factor", wholeText(factor)},
        {"fraction", fraction}};
    return {factor, false,
            factor == 1 ? sentence("by Euclid's steps, {steps}, the greatest common factor of {first} and "
                                   "{second} is 1, so {fraction} is in lowest terms",
                                   values)
                        : sentence("by Euclid's steps, {steps}, the greatest common factor of {first} and "
                                   "{second} is {factor}",
                                   values)};
}

} // namespace vorantis::working
