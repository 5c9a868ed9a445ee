// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/explainers.h"

#include "core/convert.h"
#include "language/language.h"
#include "working/classroom.h"
#include "working/fraction_forms.h"
#include "working/reduction.h"

namespace vorantis::working {
namespace {

Math over(const std::string& numerator, const std::string& denominator)
{
    return fraction(term(numerator), term(denominator));
}

Math hundredths(const std::string& numerator) { return over(numerator, "100"); }

Math percent(const std::string& value) { return row({term(value), sign("%")}); }

// The exact value of the two typed fractions combined by the procedure's operation.
std::optional<Ratio> exactResult(const Seen& seen, ProcedureId operation)
{
    const auto first = ratioOf(seen.before(Field::Text29), seen.before(Field::Text30));
    const auto second = ratioOf(seen.before(Field::Text31), seen.before(Field::Text32));
    if (!first || !second)
        return std::nullopt;
    switch (operation) {
    case ProcedureId::addfrac:
        return addRatios(*first, *second);
    case ProcedureId::subfrac:
        return subtractRatios(*first, *second);
    case ProcedureId::multifrac:
        return multiplyRatios(*first, *second);
    default:
        return divideRatios(*first, *second);
    }
}

// What a conversion's answer says before the fraction the window shows: the fraction over 100 as
// well, where the window's is another ("0.75 = 75/100", then "= 3/4").
Math beforeShown(const Seen& seen, std::vector<Math> start, const std::string& n)
{
    if (seen.after(Field::n) != n || seen.after(Field::d) != "100")
        start.insert(start.end(), {sign("="), hundredths(n)});
    return row(std::move(start));
}

void addCommonDenominator(const Seen& seen, Entry& entry, const std::string& d1, const std::string& d2,
                          const std::string& common)
{
    if (d1 == d2 && isWhole(d1))
        return; // over one denominator already: nothing to find
    if (isWhole(d1) && isWhole(d2)) {
        entry.steps.push_back(commonDenominatorStep(TextToLong(d1), TextToLong(d2), TextToLong(common)));
        return;
    }
    std::vector<Math> taken;
    for (const std::string& d : {d1, d2})
        if (!isWhole(d))
            taken.push_back(row({term(d), words(translatable("as")), term(TextToLong(d))}));
    (void)seen;
    entry.steps.push_back(said(translatable("taking {taken}: common denominator {common}"),
                               {{"taken", list(std::move(taken))}, {"common", term(common)}}));
}

} // namespace

void explainFromFraction(const Seen& seen, Entry& entry)
{
    const std::string n = seen.before(Field::n), d = seen.before(Field::d);
    entry.heading = said(translatable("{fraction} as a decimal and a percent"), {{"fraction", over(n, d)}});
    const auto decimal = seen.written(Field::Text1);
    if (!decimal)
        return;
    const Math division = row({term(n), sign("÷"), bracketed(term(d))});
    addRangeNote(entry, division, *decimal);
    entry.steps.push_back(shown(row({over(n, d), sign("="), division, sign("="), term(*decimal)})));
    const auto hundredfold = seen.written(Field::Text2);
    if (!hundredfold)
        return;
    entry.steps.push_back(
        shown(relation(row({term(*decimal), sign("×"), whole(100)}), "=", term(*hundredfold))));
    entry.result = shown(row({over(n, d), sign("="), term(*decimal), sign("="), percent(*hundredfold)}));
}

void explainFromDecimal(const Seen& seen, Entry& entry)
{
    const std::string decimal = seen.before(Field::Text1);
    entry.heading = said(translatable("{decimal} as a fraction and a percent"), {{"decimal", term(decimal)}});
    const auto hundred = seen.written(Field::d);
    const auto n = seen.written(Field::n);
    if (!hundred || !n)
        return;
    const Math hundredfold = row({term(decimal), sign("×"), whole(100)});
    addRangeNote(entry, hundredfold, *n);
    entry.steps.push_back(said(translatable("{hundredfold}, so {fraction}"),
                               {{"hundredfold", relation(hundredfold, "=", term(*n))},
                                {"fraction", relation(term(decimal), "=", over(*n, *hundred))}}));
    addFieldReduction(seen, entry, *n, *hundred, 1);
    const auto percentage = seen.written(Field::Text2);
    if (!percentage)
        return;
    addAnswer(entry, beforeShown(seen, {term(decimal)}, *n), false, seen.after(Field::n),
              seen.after(Field::d), decimalRatio(decimal), percent(*percentage));
}

void explainFromPercent(const Seen& seen, Entry& entry)
{
    const std::string typed = seen.before(Field::Text2);
    entry.heading =
        said(translatable("{percent} as a decimal and a fraction"), {{"percent", percent(typed)}});
    const auto decimal = seen.written(Field::Text1);
    const auto n = seen.written(Field::n);
    const auto hundred = seen.written(Field::d);
    if (!decimal)
        return;
    entry.steps.push_back(shown(row(
        {percent(typed), sign("="), row({term(typed), sign("÷"), whole(100)}), sign("="), term(*decimal)})));
    if (!n || !hundred)
        return; // both follow the decimal, with no step between that could fail
    addFieldReduction(seen, entry, *n, *hundred, 1);
    if (seen.failed())
        return;
    const auto exact = decimalRatio(typed);
    addAnswer(entry, beforeShown(seen, {percent(typed), sign("="), term(*decimal)}, *n), false,
              seen.after(Field::n), seen.after(Field::d),
              exact ? divideRatios(*exact, {100, 1}) : std::nullopt);
}

void explainSimplify(const Seen& seen, Entry& entry)
{
    const std::string n = seen.before(Field::n), d = seen.before(Field::d);
    entry.heading = said(translatable("Simplify {fraction}"), {{"fraction", over(n, d)}});
    addFieldReduction(seen, entry, n, d, 0);
    // Text6 ends with the multiple of the reduced terms; a zero result shows 0 there.
    const auto newN = seen.written(Field::n), newD = seen.written(Field::d);
    const auto multiple = seen.written(Field::Text6);
    const bool unchanged = newN && newD && *newN == n && *newD == d;
    // Beside 1 or −1 the multiple is the other term's size, which needs no saying.
    const auto isOne = [](const std::string& t) { return t == "1" || t == "-1"; };
    if (multiple && newN && newD && !isZeroOver(n, d) && !unchanged && isWhole(*newN) && isWhole(*newD) &&
        isWhole(*multiple) && !isOne(*newN) && !isOne(*newD))
        entry.steps.push_back(multipleStep(TextToLong(*newN), TextToLong(*newD), TextToLong(*multiple)));
    if (seen.failed())
        return;
    if (unchanged && (isWhole(n) && isWhole(d)))
        entry.result = said(translatable("the fraction stays {fraction}"), {{"fraction", over(n, d)}});
    else
        addAnswer(entry, over(n, d), false, seen.after(Field::n), seen.after(Field::d), ratioOf(n, d));
}

void explainFractionSum(const Seen& seen, Entry& entry)
{
    const std::string n1 = seen.before(Field::Text29), d1 = seen.before(Field::Text30);
    const std::string n2 = seen.before(Field::Text31), d2 = seen.before(Field::Text32);
    const bool adding = seen.procedure() == ProcedureId::addfrac;
    const Math operation = row({over(n1, d1), sign(adding ? "+" : "−"), bracketed(over(n2, d2))});
    entry.heading = shown(operation);
    const auto common = seen.written(Field::Text30) ? multipleOf(d1, d2) : std::nullopt;
    if (!common)
        return;
    addCommonDenominator(seen, entry, d1, d2, textOf(*common));

    const auto newN1 = seen.written(Field::Text29), newN2 = seen.written(Field::Text31);
    const std::string newD1 = seen.written(Field::Text30).value_or(""),
                      newD2 = seen.written(Field::Text32).value_or("");
    const auto numerator = seen.written(Field::Text35);
    if (!numerator || !newN1 || !newN2) {
        // Stopped while rewriting: the fractions rewritten so far.
        if (newN1 && (*newN1 != n1 || newD1 != d1))
            entry.steps.push_back(shown(relation(over(n1, d1), "=", over(*newN1, newD1))));
        return;
    }
    // As on the board: the sum, the same over the common denominator, then the one fraction.
    const Math a = over(*newN1, newD1), b = over(*newN2, newD2);
    const Math sum = over(*numerator, seen.written(Field::Text34).value_or(textOf(*common)));
    std::vector<Math> chain{operation};
    if (*newN1 != n1 || newD1 != d1 || *newN2 != n2 || newD2 != d2)
        chain.insert(chain.end(), {sign("="), row({a, sign(adding ? "+" : "−"), bracketed(b)})});
    if (!adding && seen.resultNegative()) {
        chain.insert(chain.end(),
                     {sign("="), negative(row({sign("("), b, sign("−"), bracketed(a), sign(")")})), sign("="),
                      negative(sum)});
        entry.steps.push_back(said(translatable("{a} is less than {b}: {chain}"),
                                   {{"a", a}, {"b", b}, {"chain", row(std::move(chain))}}));
    } else {
        chain.insert(chain.end(), {sign("="), sum});
        entry.steps.push_back(shown(row(std::move(chain))));
    }
    addResultReduction(seen, entry);
    if (seen.failed())
        return;
    addAnswer(entry, operation, seen.resultNegative(), seen.after(Field::Text33), seen.after(Field::Text34),
              exactResult(seen, seen.procedure()));
}

void explainFractionProduct(const Seen& seen, Entry& entry)
{
    const std::string n1 = seen.before(Field::Text29), d1 = seen.before(Field::Text30);
    const std::string n2 = seen.before(Field::Text31), d2 = seen.before(Field::Text32);
    const bool dividing = seen.procedure() == ProcedureId::divfrac;
    const Math operation = row({over(n1, d1), sign(dividing ? "÷" : "×"), bracketed(over(n2, d2))});
    entry.heading = shown(operation);
    // A quotient is the first fraction times the second turned upside down.
    const Math top = row({term(n1), sign("×"), bracketed(term(dividing ? d2 : n2))});
    const Math bottom = row({term(d1), sign("×"), bracketed(term(dividing ? n2 : d2))});
    const auto numerator = seen.written(Field::Text33);
    const auto denominator = seen.written(Field::Text34);
    if (numerator && denominator) {
        std::vector<Math> chain{operation, sign("=")};
        if (dividing)
            chain.insert(chain.end(), {row({over(n1, d1), sign("×"), bracketed(over(d2, n2))}), sign("=")});
        chain.insert(chain.end(), {fraction(top, bottom), sign("="), over(*numerator, *denominator)});
        entry.steps.push_back(shown(row(std::move(chain))));
    } else if (numerator) {
        entry.steps.push_back(said(translatable("the numerator of the result is {top}"),
                                   {{"top", relation(top, "=", term(*numerator))}}));
    } else if (denominator) {
        entry.steps.push_back(said(translatable("the denominator of the result is {bottom}"),
                                   {{"bottom", relation(bottom, "=", term(*denominator))}}));
    }
    addResultReduction(seen, entry);
    if (seen.failed())
        return;
    addAnswer(entry, operation, false, seen.after(Field::Text33), seen.after(Field::Text34),
              exactResult(seen, seen.procedure()));
}

} // namespace vorantis::working
