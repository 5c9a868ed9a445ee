// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/explainers.h"

#include "core/convert.h"
#include "working/classroom.h"
#include "working/fraction_forms.h"
#include "working/reduction.h"

namespace vorantis::working {
namespace {

std::string resultShown(const Entry& entry)
{
    return entry.resultSign() + fraction(entry.after(Field::Text33), entry.after(Field::Text34));
}

// The result's lines before the last: its exact value or the way a pupil writes it.
void explainResult(Entry& entry, const std::string& operation, const std::optional<Ratio>& exact)
{
    explainShownFraction(entry, entry.resultSign(), entry.after(Field::Text33), entry.after(Field::Text34),
                         {operation, exact, false});
}

// The exact value of two typed fractions combined by the operation the label shows.
std::optional<Ratio> exactResult(const Entry& entry, const std::string& caption)
{
    const auto first = ratioOf(entry.before(Field::Text29), entry.before(Field::Text30));
    const auto second = ratioOf(entry.before(Field::Text31), entry.before(Field::Text32));
    if (!first || !second)
        return std::nullopt;
    return caption == "+" ? addRatios(*first, *second)
        : caption == "-"  ? subtractRatios(*first, *second)
        : caption == "*"  ? multiplyRatios(*first, *second)
                          : divideRatios(*first, *second);
}

// "75/100 = 3/4", or "7/100" alone where the fraction over 100 was in lowest terms already.
std::string overHundredAndReduced(const Entry& entry, const std::string& n, const std::string& hundred)
{
    const std::string reduced = fraction(entry.after(Field::n), entry.after(Field::d));
    return reduced == fraction(n, hundred) ? reduced : fraction(n, hundred) + " = " + reduced;
}

std::string commonDenominatorLine(const std::string& d1, const std::string& d2, const std::string& common)
{
    if (d1 == d2 && isWhole(d1))
        return sentence("both fractions are over {denominator}, so the common denominator is {denominator}",
                        {{"denominator", d1}});
    const std::string how = multipleFound(TextToLong(d1), TextToLong(d2), TextToLong(common), false);
    const std::initializer_list<std::pair<std::string_view, std::string>> values{
        {"common", common}, {"first", wholeOf(d1)}, {"second", wholeOf(d2)}, {"how", how}};
    return how.empty()
        ? sentence("the common denominator is {common}, the least common multiple of {first} and {second}",
                   values)
        : sentence(
              "the common denominator is {common}, the least common multiple of {first} and {second}: {how}",
              values);
}

} // namespace

void explainFromFraction(Entry& entry)
{
    const std::string n = entry.before(Field::n);
    const std::string d = entry.before(Field::d);
    const std::string division = n + " ÷ " + operand(d);
    entry.about(fraction(n, d));
    const auto decimal = entry.written(Field::Text1);
    if (!decimal)
        return;
    noteRange(entry, division, *decimal);
    entry.add(fraction(n, d) + " = " + division + " = " + *decimal);
    if (const auto percent = entry.written(Field::Text2)) {
        entry.add(division + " × 100 = " + *percent);
        entry.add(fraction(n, d) + " = " + *decimal + " = " + *percent + " %");
    }
}

void explainFromDecimal(Entry& entry)
{
    const std::string decimal = entry.before(Field::Text1);
    entry.about(sentence("{decimal} as a fraction", {{"decimal", decimal}}));
    const auto hundred = entry.written(Field::d);
    const auto n = entry.written(Field::n);
    if (!hundred || !n)
        return;
    noteRange(entry, decimal + " × 100", *n);
    entry.add(sentence("{decimal} × 100 = {n}, so {decimal} = {fraction}",
                       {{"decimal", decimal}, {"n", *n}, {"fraction", fraction(*n, *hundred)}}));
    explainFieldReduction(entry, *n, *hundred, 1);
    if (const auto percent = entry.written(Field::Text2)) {
        explainShownFraction(entry, "", entry.after(Field::n), entry.after(Field::d),
                             {decimal, decimalRatio(decimal), true});
        entry.add(decimal + " = " + overHundredAndReduced(entry, *n, *hundred) + " = " + *percent + " %");
    }
}

void explainFromPercent(Entry& entry)
{
    const std::string percent = entry.before(Field::Text2);
    entry.about(percent + " %");
    const auto decimal = entry.written(Field::Text1);
    if (!decimal)
        return;
    const auto n = entry.written(Field::n);
    const auto hundred = entry.written(Field::d);
    if (!n || !hundred)
        return; // both follow the decimal, with no step between that could fail
    entry.add(percent + " % = " + fraction(*n, *hundred) + " = " + percent + " ÷ 100 = " + *decimal);
    explainFieldReduction(entry, *n, *hundred, 1);
    if (entry.failed())
        return;
    const auto typed = decimalRatio(percent);
    explainShownFraction(entry, "", entry.after(Field::n), entry.after(Field::d),
                         {percent + " %", typed ? divideRatios(*typed, {100, 1}) : std::nullopt, true});
    entry.add(percent + " % = " + overHundredAndReduced(entry, *n, *hundred) + " = " + *decimal);
}

void explainSimplify(Entry& entry)
{
    const std::string n = entry.before(Field::n);
    const std::string d = entry.before(Field::d);
    entry.about(sentence("Simplify {fraction}", {{"fraction", fraction(n, d)}}), true);
    explainFieldReduction(entry, n, d, 0);
    // Text6 ends with the multiple of the reduced terms; a zero result shows 0 there.
    const auto newN = entry.written(Field::n);
    const auto newD = entry.written(Field::d);
    const auto multiple = entry.written(Field::Text6);
    const bool unchanged = newN && newD && fraction(*newN, *newD) == fraction(n, d);
    if (multiple && newN && newD && !isZeroOver(n, d) && !unchanged)
        entry.add(multipleLine(*newN, *newD, *multiple));
    if (entry.failed())
        return;
    const std::string shown = fraction(entry.after(Field::n), entry.after(Field::d));
    explainShownFraction(entry, "", entry.after(Field::n), entry.after(Field::d),
                         {fraction(n, d), ratioOf(n, d), false});
    entry.add(unchanged ? sentence("the fraction stays {fraction}", {{"fraction", shown}})
                        : fraction(n, d) + " = " + shown);
}

void explainFractionSum(Entry& entry)
{
    const std::string d1 = entry.before(Field::Text30);
    const std::string d2 = entry.before(Field::Text32);
    const std::string first = fraction(entry.before(Field::Text29), d1);
    const std::string second = fraction(entry.before(Field::Text31), d2);
    const std::string caption = entry.written(Label::Label20).value_or("?");
    const std::string operation = first + " " + symbolFor(caption) + " " + operand(second);
    entry.about(operation, true);
    const auto common = entry.written(Field::Text30) ? multipleOf(d1, d2) : std::nullopt;
    if (!common)
        return;
    entry.add(commonDenominatorLine(d1, d2, *common));

    const auto n1 = entry.written(Field::Text29), n2 = entry.written(Field::Text31);
    const std::string newD1 = entry.written(Field::Text30).value_or("");
    const std::string newD2 = entry.written(Field::Text32).value_or("");
    const bool firstRewritten = n1 && fraction(*n1, newD1) != first;
    const bool secondRewritten = n2 && fraction(*n2, newD2) != second;
    if (firstRewritten && secondRewritten)
        entry.add(sentence("{first} = {firstRewritten} and {second} = {secondRewritten}",
                           {{"first", first},
                            {"firstRewritten", fraction(*n1, newD1)},
                            {"second", second},
                            {"secondRewritten", fraction(*n2, newD2)}}));
    else if (firstRewritten)
        entry.add(first + " = " + fraction(*n1, newD1));
    else if (secondRewritten)
        entry.add(second + " = " + fraction(*n2, newD2));

    const auto numerator = entry.written(Field::Text35);
    if (!numerator || !n1 || !n2)
        return;
    const std::string a = fraction(*n1, newD1), b = fraction(*n2, newD2);
    const std::string result = fraction(*numerator, entry.written(Field::Text34).value_or(*common));
    const std::string minus = entry.resultSign();
    if (caption == "+")
        entry.add(a + " + " + operand(b) + " = " + result);
    else if (!minus.empty())
        entry.add(sentence("{a} is less than {b}, so {a} − {b'} = {minus}({b} − {a'}) = {minus}{result}",
                           {{"a", a},
                            {"b", b},
                            {"b'", operand(b)},
                            {"a'", operand(a)},
                            {"minus", minus},
                            {"result", operand(result)}}));
    else
        entry.add(a + " − " + operand(b) + " = " + result);
    explainResultReduction(entry);
    if (entry.failed())
        return;
    explainResult(entry, operation, exactResult(entry, caption));
    entry.add(operation + " = " + resultShown(entry));
}

void explainFractionProduct(Entry& entry)
{
    const std::string n1 = entry.before(Field::Text29), d1 = entry.before(Field::Text30);
    const std::string n2 = entry.before(Field::Text31), d2 = entry.before(Field::Text32);
    const std::string caption = entry.written(Label::Label20).value_or("?");
    const bool divide = caption == "/";
    const std::string operation = fraction(n1, d1) + (divide ? " ÷ " : " × ") + operand(fraction(n2, d2));
    entry.about(operation);
    // A quotient is the first fraction times the second turned upside down.
    const std::string top = n1 + " × " + operand(divide ? d2 : n2);
    const std::string bottom = d1 + " × " + operand(divide ? n2 : d2);
    const auto numerator = entry.written(Field::Text33);
    const auto denominator = entry.written(Field::Text34);
    if (numerator && denominator)
        entry.add(operation + " = " +
                  (divide ? fraction(n1, d1) + " × " + operand(fraction(d2, n2)) + " = " : std::string()) +
                  "(" + top + ")/(" + bottom + ") = " + fraction(*numerator, *denominator));
    else if (numerator)
        entry.add(sentence("the numerator of the result is {top} = {n}", {{"top", top}, {"n", *numerator}}));
    else if (denominator)
        entry.add(sentence("the denominator of the result is {bottom} = {d}",
                           {{"bottom", bottom}, {"d", *denominator}}));
    explainResultReduction(entry);
    if (entry.failed())
        return;
    explainResult(entry, operation, exactResult(entry, caption));
    entry.add(operation + " = " + resultShown(entry));
}

} // namespace vorantis::working
