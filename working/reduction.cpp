// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/reduction.h"

#include "core/convert.h"
#include "core/failure.h"
#include "core/float_ops.h"
#include "core/integer_routines.h"

namespace vorantis::working {
namespace {

std::string zeroLine(const std::string& numerator, const std::string& denominator)
{
    return fraction(numerator, denominator) + " is 0, written 0/1";
}

// The common factor from the least common multiple, n × d ÷ lcm(n, d), and both terms divided by
// it, as far as the click got.
void addReduction(Entry& entry, const std::string& n, const std::string& d, const std::string& multiple,
                  const std::optional<std::string>& factor, const std::optional<std::string>& newN,
                  const std::optional<std::string>& newD)
{
    std::string line =
        "the least common multiple of " + wholeOf(n) + " and " + wholeOf(d) + " is " + multiple;
    if (!factor) {
        entry.add(line);
        return;
    }
    line +=
        ", so their common factor is " + n + " × " + operand(d) + " ÷ " + operand(multiple) + " = " + *factor;
    if (*factor == "1" && isWhole(n) && isWhole(d)) {
        entry.add(line + ": " + fraction(n, d) + " is in lowest terms");
        return;
    }
    entry.add(line);
    const std::string divisor = " ÷ " + operand(*factor) + " = ";
    if (newN && newD)
        entry.add(n + divisor + *newN + " and " + d + divisor + *newD);
    else if (newD)
        entry.add(d + divisor + *newD);
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
        addReduction(entry, n, d, *multiple, entry.written(Field::Text5), entry.written(Field::n, nth),
                     entry.written(Field::d, nth));
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
    addReduction(entry, *n, *d, *multiple, factor, newN, newD);
}

} // namespace vorantis::working
