#include "core/checked_int.h"
#include "core/float_ops.h"
#include "core/variant.h"

#include "tests/support/test_helpers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace vorantis {
namespace {

using testing::failureOf;
using testing::messageOf;
using enum FailureKind;

constexpr double infinity = std::numeric_limits<double>::infinity();
const auto text = Variant::text;
const auto number = Variant::number;

TEST(VariantArithmetic, ReadsTextsAsNumbersAndChecksTheResult)
{
    const struct {
        Variant (*operation)(const Variant&, const Variant&);
        Variant left, right;
        const char* result;
    } rows[] = {
        {product, text("2.5"), Variant::integer(4), "10"},
        {product, Variant::longInteger(2147483647), number(2), "4294967294"},
        {difference, Variant(), Variant::integer(5), "-5"}, // empty counts as 0
        {division, text("-17"), Variant::longInteger(5), "-3.4"},
        {product, number(1e-300), text("1e-300"), "0"}, // underflow is 0
        {division, Variant::integer(1), text("0"), "!DivisionByZero"},
        {division, text("0.0"), number(-0.0), "!InvalidOperation"},
        {division, Variant::integer(0), Variant(), "!InvalidOperation"},
        {product, text("1E200"), text("1E200"), "!OutOfRange"},
        {division, number(1e300), number(1e-300), "!OutOfRange"},
        {difference, number(-1e308), number(1e308), "!OutOfRange"},
        {product, text(""), Variant::integer(1), "!NotANumber"},
        {difference, number(infinity), number(infinity), "!InvalidOperation"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(testing::resultOf([&] { return row.operation(row.left, row.right).toDouble(); }),
                  row.result)
            << row.left.toText() << ", " << row.right.toText();
}

TEST(Variant, FieldIsReadAnewAtEveryUse)
{
    std::string fieldText = "3";
    const Variant field = Variant::field([&] { return fieldText; });
    EXPECT_EQ(product(field, Variant::integer(2)).toDouble(), 6);
    fieldText = "1.25";
    EXPECT_EQ(difference(field, Variant::integer(1)).toDouble(), 0.25);
    EXPECT_EQ(VariantToText(field), "1.25");
    fieldText = "-2.5";
    EXPECT_EQ(VariantToLong(field), -2);
    fieldText = "abc";
    EXPECT_EQ(messageOf([&] { VariantToLong(field); }), "\"abc\" is not a number");
}

TEST(Variant, ConversionsWholePartAndEquality)
{
    EXPECT_EQ(VariantToText(Variant()) + "|" + VariantToText(text(" 1,5 ")) + "|" +
                  VariantToText(number(0.1 + 0.2)) + "|" + VariantToText(Variant::integer(-32768)) + "|" +
                  VariantToText(Variant::longInteger(-2147483647 - 1)),
              "| 1,5 |0.3|-32768|-2147483648");
    EXPECT_EQ(VariantToLong(Variant()), 0);
    EXPECT_EQ(failureOf([] { VariantToLong(text("2147483647.5")); }), OutOfRange);
    // Rounded from the exact value, not from its 15-digit text (which would say 2.5).
    EXPECT_EQ(VariantToLong(number(2.5000000000000004)), 3);

    EXPECT_EQ(wholePart(number(-2.5)).toDouble(), -3);
    EXPECT_EQ(wholePart(text("2.999")).toDouble(), 2);
    EXPECT_TRUE(numericallyEqual(text("2.0"), Variant::integer(2)));
    EXPECT_FALSE(numericallyEqual(number(0.1 + 0.2), text("0.3")));
}

TEST(FloatOps, FailOnDivisionByZeroAndInvalidOperationsOnly)
{
    const struct {
        double (*operation)(double, double);
        double left, right;
        const char* result;
    } rows[] = {
        {checkedAdd, 0.1, 0.2, "0.30000000000000004"},
        {checkedMultiply, -1e200, 1e200, "-inf"}, // overflow is no failure
        {checkedAdd, 1.7976931348623157e308, 1.7976931348623157e308, "inf"},
        {checkedDivide, 1e300, 1e-300, "inf"},
        {checkedMultiply, 1e-300, 1e-300, "0"},
        {checkedSubtract, infinity, 1, "inf"},
        {checkedDivide, -1, -0.0, "!DivisionByZero"},
        {checkedDivide, 0, 0, "!InvalidOperation"},
        {checkedSubtract, infinity, infinity, "!InvalidOperation"},
        {checkedAdd, infinity, -infinity, "!InvalidOperation"},
        {checkedMultiply, 0, infinity, "!InvalidOperation"},
        {checkedDivide, infinity, -infinity, "!InvalidOperation"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(testing::resultOf([&] { return row.operation(row.left, row.right); }), row.result)
            << row.left << ", " << row.right;
}

// Every pair of edge values, against the same operation in 64 bits.
TEST(CheckedInt, AgreesWithSixtyFourBitArithmetic)
{
    constexpr std::int32_t min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
    const std::int32_t edges[] = {min, min + 1, -65536, -46341, -46340, -7,    -2,      -1, 0,
                                  1,   2,       7,      46340,  46341,  65536, max - 1, max};
    const auto expect = [](auto checkedOp, std::int64_t exact, std::int32_t a, std::int32_t b) {
        if (exact >= min && exact <= max)
            EXPECT_EQ(checkedOp(a, b), exact) << a << ", " << b;
        else
            EXPECT_EQ(failureOf([&] { checkedOp(a, b); }), OutOfRange) << a << ", " << b;
    };
    for (const std::int32_t a : edges)
        for (const std::int32_t b : edges) {
            const std::int64_t a64 = a;
            expect(checked::add, a64 + b, a, b);
            expect(checked::subtract, a64 - b, a, b);
            expect(checked::multiply, a64 * b, a, b);
            if (b == 0) {
                EXPECT_EQ(failureOf([&] { checked::divide(a, 0); }), DivisionByZero);
                EXPECT_EQ(failureOf([&] { checked::remainder(a, 0); }), DivisionByZero);
                continue;
            }
            expect(checked::divide, a64 / b, a, b); // min / -1 is out of range
            EXPECT_EQ(checked::remainder(a, b), a64 % b) << a << ", " << b;
        }
}

} // namespace
} // namespace vorantis
