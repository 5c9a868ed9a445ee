// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/typed_numbers.h"

#include "core/convert.h"
#include "core/failure.h"
#include "language/language.h"

namespace vorantis::practice {

bool isBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

Reading readNumber(std::string_view text, std::string_view name)
{
    if (isBlank(text))
        return {std::nullopt,
                working::said(translatable("{field} is empty"), {{"field", working::words(name)}})};
    if (const auto value = decimalRatio(text))
        return {lowestTerms(*value), std::nullopt};
    const working::Math typed = working::typed(std::string(text));
    try {
        TextToDouble(text);
    } catch (const Failure& failure) {
        // The calculator's own words for the text: which decimal mark to write, or that it is
        // no number at all. Without a field's name, each of them holds the text alone.
        return {std::nullopt, working::Step{failure.message().pattern(), {}, 1, {{"text", typed}}}};
    }
    // A number whose digits do not fit 64 bits.
    return {std::nullopt, working::said(translatable("{text} has too many digits"), {{"text", typed}})};
}

Reading readWhole(std::string_view text, std::string_view name)
{
    Reading reading = readNumber(text, name);
    if (reading.value && reading.value->denominator != 1)
        return {
            std::nullopt,
            working::said(translatable("{field} takes a whole number, and {text} is not one"),
                          {{"field", working::words(name)}, {"text", working::typed(std::string(text))}})};
    return reading;
}

} // namespace vorantis::practice
