// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/reduction.h"

#include "core/convert.h"
#include "core/failure.h"
#include "core/float_ops.h"
#include "core/integer_routines.h"
#include "language/language.h"
#include "working/classroom.h"

#include <vector>

namespace vorantis::working {
namespace {

// What a click wrote of one reduction, as far as it got.
struct Reduction {
    std::string n, d;
    std::int32_t multiple; // the calculator's least common multiple of the terms as whole numbers
    std::optional<std::string> factor; // n × d ÷ multiple
    bool factorShown; // in Text5; a fraction result's factor stays inside the click
    std::optional<std::string> newN, newD;
};

Step zeroStep(const std::string& numerator, const std::string& denominator)
{
    return said(
        translatable("{fraction} is 0, written {zero}"),
        {{"fraction", fraction(term(numerator), term(denominator))}, {"zero", fraction(whole(0), whole(1))}});
}

// (n × d)/multiple = factor: the calculator's common factor, worked out.
Math factorWorked(const Reduction& r)
{
    return relation(fraction(row({term(r.n), sign("×"), bracketed(term(r.d))}), term(r.multiple)), "=",
                    term(*r.factor));
}

// n/d = (n ÷ factor)/(d ÷ factor) = n'/d', as a pupil divides both terms.
void addDivision(Entry& entry, const Reduction& r, bool bySign)
{
    if (!r.newN || !r.newD)
        return;
    const Math factor = bracketed(term(*r.factor));
    const Math divided =
        row({fraction(term(r.n), term(r.d)), sign("="),
             fraction(row({term(r.n), sign("÷"), factor}), row({term(r.d), sign("÷"), factor})), sign("="),
             fraction(term(*r.newN), term(*r.newD))});
    entry.steps.push_back(
        bySign ? said(translatable("the calculator divides both terms by {factor}: {division}"),
                      {{"factor", term(*r.factor)}, {"division", divided}})
               : shown(divided));
}

// Whole terms: the pupil's greatest common factor, then the calculator's figure where Text5 shows
// it, then the division by the factor the calculator used.
void addWholeReduction(Entry& entry, const Reduction& r)
{
    const std::int64_t n = TextToLong(r.n), d = TextToLong(r.d);
    const CommonFactor found = commonFactor(n, d, fraction(term(r.n), term(r.d)));
    if (found.step)
        entry.steps.push_back(*found.step);
    if (!r.factor)
        return;
    const bool asPupils = *r.factor == textOf(static_cast<double>(found.value));
    if (r.factorShown) {
        const Math multiple = found.byFactors && r.multiple > 0
            ? relation(term(r.multiple), "=", primeProduct(primeFactors(r.multiple)))
            : term(r.multiple);
        entry.steps.push_back(
            asPupils
                ? said(
                      translatable(
                          "the calculator finds it as {worked}, with {multiple} their least common multiple"),
                      {{"worked", factorWorked(r)}, {"multiple", multiple}})
                : said(translatable(
                           "the calculator's common factor is {worked}, with {multiple} the least common "
                           "multiple it finds"),
                       {{"worked", factorWorked(r)}, {"multiple", multiple}}));
    }
    if (*r.factor != "1")
        addDivision(entry, r, !asPupils && !r.factorShown);
}

// Terms with a fraction part: only the calculator's way, from the terms taken as whole numbers.
void addCalculatorsReduction(Entry& entry, const Reduction& r)
{
    std::vector<Math> taken;
    for (const std::string& t : {r.n, r.d})
        if (!isWhole(t))
            taken.push_back(row({term(t), words(translatable("as")), term(TextToLong(t))}));
    if (!r.factor) {
        entry.steps.push_back(said(translatable("taking {taken}: least common multiple {multiple}"),
                                   {{"taken", list(std::move(taken))}, {"multiple", term(r.multiple)}}));
        return;
    }
    entry.steps.push_back(said(
        translatable("taking {taken}: least common multiple {multiple}, common factor {worked}"),
        {{"taken", list(std::move(taken))}, {"multiple", term(r.multiple)}, {"worked", factorWorked(r)}}));
    if (*r.factor != "1")
        addDivision(entry, r, false);
}

void addReduction(Entry& entry, const Reduction& r)
{
    if (isWhole(r.n) && isWhole(r.d))
        addWholeReduction(entry, r);
    else
        addCalculatorsReduction(entry, r);
}

} // namespace

std::optional<std::int32_t> multipleOf(const std::string& first, const std::string& second)
{
    try {
        return LCM(TextToLong(first), TextToLong(second));
    } catch (const Failure&) {
        return std::nullopt;
    }
}

bool isZeroOver(const std::string& numerator, const std::string& denominator)
{
    try {
        return valueOf(numerator) == 0 && valueOf(denominator) != 0;
    } catch (const Failure&) {
        return false;
    }
}

void addFieldReduction(const Seen& seen, Entry& entry, const std::string& n, const std::string& d, int nth)
{
    if (isZeroOver(n, d)) {
        if (seen.written(Field::n, nth))
            entry.steps.push_back(zeroStep(n, d));
    } else if (const auto multiple = multipleOf(d, n)) {
        addReduction(entry,
                     {n, d, *multiple, seen.written(Field::Text5), true, seen.written(Field::n, nth),
                      seen.written(Field::d, nth)});
    }
}

void addResultReduction(const Seen& seen, Entry& entry)
{
    const auto n = seen.written(Field::Text33);
    const auto d = seen.written(Field::Text34);
    if (!n || !d)
        return;
    const auto newN = seen.written(Field::Text33, 1);
    const auto newD = seen.written(Field::Text34, 1);
    if (!newN && newD) {
        entry.steps.push_back(zeroStep(*n, *d));
        return;
    }
    const auto multiple = multipleOf(*n, *d);
    if (!multiple)
        return;
    std::optional<std::string> factor;
    try {
        factor = textOf(checkedDivide(checkedMultiply(valueOf(*n), valueOf(*d)), *multiple));
    } catch (const Failure&) {
        // The click stopped here too: its multiple is 0.
    }
    addReduction(entry, {*n, *d, *multiple, factor, false, newN, newD});
}

} // namespace vorantis::working
