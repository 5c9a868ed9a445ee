// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/reduction.h"

#include "core/convert.h"
#include "core/failure.h"
#include "core/float_ops.h"
#include "core/integer_routines.h"
#include "language/language.h"
#include "working/classroom.h"

namespace vorantis::working {
namespace {

// What a click wrote of one reduction, as far as it got.
struct Reduction {
    std::string n, d;
    std::string multiple; // the program's least common multiple of the terms as whole numbers
    std::optional<std::string> factor; // n × d ÷ multiple
    bool factorShown; // in Text5; a fraction result's factor stays inside the click
    std::optional<std::string> newN, newD;
};

std::string zeroLine(const std::string& numerator, const std::string& denominator)
{
    return sentence("{fraction} is 0, written 0/1", {{"fraction", fraction(numerator, denominator)}});
}

void addDivision(Entry& entry, const Reduction& r, std::string_view pattern)
{
    const std::string divisor = operand(*r.factor);
    if (r.newN && r.newD)
        entry.add(sentence(
            pattern,
            {{"factor", *r.factor},
             {"divisions",
              sentence(
                  "{n} ÷ {factor} = {newN} and {d} ÷ {factor} = {newD}",
                  {{"n", r.n}, {"d", r.d}, {"factor", divisor}, {"newN", *r.newN}, {"newD", *r.newD}})}}));
    else if (r.newD)
        entry.add(sentence("{d} ÷ {factor} = {newD}", {{"d", r.d}, {"factor", divisor}, {"newD", *r.newD}}));
}

// Whole terms: the pupil's greatest common factor, then the program's figure where Text5 shows
// it, then the division by the factor the program used.
void explainWholeReduction(Entry& entry, const Reduction& r)
{
    const std::int64_t n = TextToLong(r.n), d = TextToLong(r.d), multiple = TextToLong(r.multiple);
    const CommonFactor found = commonFactor(n, d, fraction(r.n, r.d));
    entry.add(found.line);
    if (r.factor && r.factorShown) {
        const std::string how = multipleFound(n, d, multiple, found.byFactors);
        const std::initializer_list<std::pair<std::string_view, std::string>> values{
            {"n", r.n},
            {"d", operand(r.d)},
            {"multiple", operand(r.multiple)},
            {"factor", *r.factor},
            {"lcm", r.multiple},
            {"how", how}};
        entry.add(how.empty()
                      ? sentence("the calculator's common factor is {n} × {d} ÷ {multiple} = {factor}, "
                                 "where {lcm} is the least common multiple it finds for them",
                                 values)
                      : sentence("the calculator's common factor is {n} × {d} ÷ {multiple} = {factor}, "
                                 "where {lcm} is their least common multiple: {how}",
                                 values));
    }
    if (!r.factor || *r.factor == "1")
        return;
    // With a term below 0 the program's factor is the greatest common one with a minus sign.
    addDivision(entry, r,
                r.factorShown || *r.factor == wholeText(found.value)
                    ? std::string_view("{divisions}")
                    : translatable("the calculator divides both by {factor}, the greatest common factor with "
                                   "a minus sign: {divisions}"));
}

void explainReduction(Entry& entry, const Reduction& r)
{
    if (isWhole(r.n) && isWhole(r.d)) {
        explainWholeReduction(entry, r);
        return;
    }
    entry.add(multipleLine(r.n, r.d, r.multiple));
    if (!r.factor)
        return;
    entry.add(sentence(
        "so the calculator's common factor is {n} × {d} ÷ {multiple} = {factor}",
        {{"n", r.n}, {"d", operand(r.d)}, {"multiple", operand(r.multiple)}, {"factor", *r.factor}}));
    addDivision(entry, r, "{divisions}");
}

} // namespace

std::optional<std::string> multipleOf(const std::string& first, const std::string& second)
{
    try {
        return LongToText(LCM(TextToLong(first), TextToLong(second)));
    } catch (const Failure&) {
        return std::nullopt;
    }
}

std::string multipleLine(const std::string& first, const std::string& second, const std::string& multiple)
{
    const std::string how = multipleFound(TextToLong(first), TextToLong(second), TextToLong(multiple), false);
    const std::initializer_list<std::pair<std::string_view, std::string>> values{
        {"first", wholeOf(first)}, {"second", wholeOf(second)}, {"multiple", multiple}, {"how", how}};
    return how.empty()
        ? sentence("the least common multiple of {first} and {second} is {multiple}", values)
        : sentence("the least common multiple of {first} and {second} is {multiple}: {how}", values);
}

bool isZeroOver(const std::string& numerator, const std::string& denominator)
{
    try {
        return valueOf(numerator) == 0 && valueOf(denominator) != 0;
    } catch (const Failure&) {
        return false;
    }
}

void explainFieldReduction(Entry& entry, const std::string& n, const std::string& d, int nth)
{
    if (isZeroOver(n, d)) {
        if (entry.written(Field::n, nth))
            entry.add(zeroLine(n, d));
    } else if (const auto multiple = multipleOf(d, n)) {
        explainReduction(entry,
                         {n, d, *multiple, entry.written(Field::Text5), true, entry.written(Field::n, nth),
                          entry.written(Field::d, nth)});
    }
}

void explainResultReduction(Entry& entry)
{
    const auto n = entry.written(Field::Text33);
    const auto d = entry.written(Field::Text34);
    if (!n || !d)
        return;
    const auto newN = entry.written(Field::Text33, 1);
    const auto newD = entry.written(Field::Text34, 1);
    if (!newN && newD) {
        entry.add(zeroLine(*n, *d));
        return;
    }
    const auto multiple = multipleOf(*n, *d);
    if (!multiple)
        return;
    std::optional<std::string> factor;
    try {
        factor = DoubleToText(checkedDivide(checkedMultiply(valueOf(*n), valueOf(*d)), valueOf(*multiple)));
    } catch (const Failure&) {
        // The click stopped here too: its multiple is 0.
    }
    explainReduction(entry, {*n, *d, *multiple, factor, false, newN, newD});
}

} // namespace vorantis::working
