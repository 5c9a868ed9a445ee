#include "core/checked_int.h"
#include "core/float_ops.h"
#include "core/variant.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace vorantis {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

template <class Call> std::optional<FailureKind> failureOf(Call call)
{
    try {
        call();
    } catch (const Failure& failure) {
        return failure.kind();
    }
    return std::nullopt;
}

using Operation = Variant (*)(const Variant&, const Variant&);

struct VariantRow {
    const char* name;
    Operation operation;
    Variant left;
    Variant right;
    double value; // when no failure
    std::optional<FailureKind> failure;
};

TEST(VariantArithmetic, ReadsTextsAsNumbersAndChecksTheResult)
{
    const VariantRow rows[] = {
        {"text times int16", product, Variant::text("2.5"), Variant::integer(4), 10, {}},
        {"int32 times double", product, Variant::longInteger(2147483647), Variant::number(2),
         4294967294.0, {}},
        {"text minus text", difference, Variant::text("7"), Variant::text(" 10 "), -3, {}},
        {"empty counts as 0", difference, Variant(), Variant::integer(5), -5, {}},
        {"quotient", division, Variant::text("-17"), Variant::longInteger(5), -3.4, {}},
        {"underflow is 0", product, Variant::number(1e-300), Variant::text("1e-300"), 0, {}},
        {"nonzero / 0", division, Variant::integer(1), Variant::text("0"), 0,
         FailureKind::DivisionByZero},
        {"0 / 0", division, Variant::text("0.0"), Variant::number(-0.0), 0,
         FailureKind::InvalidOperation},
        {"0 / empty", division, Variant::integer(0), Variant(), 0, FailureKind::InvalidOperation},
        {"product too large", product, Variant::text("1E200"), Variant::text("1E200"), 0,
         FailureKind::OutOfRange},
        {"quotient too large", division, Variant::number(1e300), Variant::number(1e-300), 0,
         FailureKind::OutOfRange},
        {"difference too large", difference, Variant::number(-1e308), Variant::number(1e308), 0,
         FailureKind::OutOfRange},
        {"empty text", product, Variant::text(""), Variant::integer(1), 0,
         FailureKind::NotANumber},
        {"not a number", division, Variant::integer(1), Variant::text("x"), 0,
         FailureKind::NotANumber},
        {"infinity minus infinity", difference, Variant::number(infinity), Variant::number(infinity),
         0, FailureKind::InvalidOperation},
    };
    for (const auto& row : rows) {
        if (row.failure)
            EXPECT_EQ(failureOf([&] { row.operation(row.left, row.right); }), row.failure)
                << row.name;
        else
            EXPECT_EQ(row.operation(row.left, row.right).toDouble(), row.value) << row.name;
    }
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
    try {
        VariantToLong(field);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.kind(), FailureKind::NotANumber);
        EXPECT_STREQ(failure.what(), "\"abc\" is not a number");
    }
}

TEST(Variant, ConversionsWholePartAndEquality)
{
    EXPECT_EQ(VariantToText(Variant()), "");
    EXPECT_EQ(VariantToText(Variant::integer(-32768)), "-32768");
    EXPECT_EQ(VariantToText(Variant::longInteger(-2147483647 - 1)), "-2147483648");
    EXPECT_EQ(VariantToText(Variant::number(0.1 + 0.2)), "0.3");
    EXPECT_EQ(VariantToText(Variant::text(" 1,5 ")), " 1,5 ");

    EXPECT_EQ(VariantToLong(Variant()), 0);
    EXPECT_EQ(VariantToLong(Variant::number(3.5)), 4);
    EXPECT_EQ(VariantToLong(Variant::number(-2147483648.5)), -2147483647 - 1);
    EXPECT_EQ(failureOf([] { VariantToLong(Variant::text("2147483647.5")); }),
              FailureKind::OutOfRange);
    // Rounded from the exact value, not from its 15-digit text (which would say 2.5).
    EXPECT_EQ(VariantToLong(Variant::number(2.5000000000000004)), 3);

    EXPECT_EQ(wholePart(Variant::number(-2.5)).toDouble(), -3);
    EXPECT_EQ(wholePart(Variant::text("2.999")).toDouble(), 2);
    EXPECT_EQ(wholePart(Variant::text("-0.5")).toDouble(), -1);

    EXPECT_TRUE(numericallyEqual(Variant::text("2.0"), Variant::integer(2)));
    EXPECT_FALSE(numericallyEqual(Variant::number(0.1 + 0.2), Variant::text("0.3")));
}

struct FloatRow {
    const char* name;
    double (*operation)(double, double);
    double left;
    double right;
    double value;
    std::optional<FailureKind> failure;
};

TEST(FloatOps, FailOnDivisionByZeroAndInvalidOperationsOnly)
{
    const FloatRow rows[] = {
        {"sum", checkedAdd, 0.1, 0.2, 0.1 + 0.2, {}},
        {"difference", checkedSubtract, 2, 7, -5, {}},
        {"quotient", checkedDivide, 7, 2, 3.5, {}},
        {"overflow is infinite", checkedMultiply, 1e200, 1e200, infinity, {}},
        {"negative overflow", checkedMultiply, -1e200, 1e200, -infinity, {}},
        {"sum overflows", checkedAdd, 1.7976931348623157e308, 1.7976931348623157e308, infinity, {}},
        {"quotient overflows", checkedDivide, 1e300, 1e-300, infinity, {}},
        {"underflow is 0", checkedMultiply, 1e-300, 1e-300, 0, {}},
        {"infinity stays", checkedAdd, infinity, 1, infinity, {}},
        {"1 / 0", checkedDivide, 1, 0, 0, FailureKind::DivisionByZero},
        {"-1 / -0", checkedDivide, -1, -0.0, 0, FailureKind::DivisionByZero},
        {"0 / 0", checkedDivide, 0, 0, 0, FailureKind::InvalidOperation},
        {"infinity - infinity", checkedSubtract, infinity, infinity, 0,
         FailureKind::InvalidOperation},
        {"infinity + -infinity", checkedAdd, infinity, -infinity, 0, FailureKind::InvalidOperation},
        {"0 x infinity", checkedMultiply, 0, infinity, 0, FailureKind::InvalidOperation},
        {"infinity / infinity", checkedDivide, infinity, -infinity, 0,
         FailureKind::InvalidOperation},
    };
    for (const auto& row : rows) {
        if (row.failure)
            EXPECT_EQ(failureOf([&] { row.operation(row.left, row.right); }), row.failure)
                << row.name;
        else
            EXPECT_EQ(row.operation(row.left, row.right), row.value) << row.name;
    }
}

// Every pair of edge values, against the same operation in 64 bits.
TEST(CheckedInt, AgreesWithSixtyFourBitArithmetic)
{
    constexpr std::int32_t min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
    const std::int32_t edges[] = {min,    min + 1, -65536, -46341, -46340, -7, -2, -1, 0,
                                  1,      2,       7,      46340,  46341,  65536, max - 1, max};
    const auto expect = [](auto checkedOp, std::int64_t exact, std::int32_t a, std::int32_t b) {
        const bool fits = exact >= min && exact <= max;
        if (fits)
            EXPECT_EQ(checkedOp(a, b), exact) << a << ", " << b;
        else
            EXPECT_EQ(failureOf([&] { checkedOp(a, b); }), FailureKind::OutOfRange)
                << a << ", " << b;
    };
    for (const std::int64_t a : edges) {
        for (const std::int64_t b : edges) {
            const auto a32 = static_cast<std::int32_t>(a);
            const auto b32 = static_cast<std::int32_t>(b);
            expect(checked::add, a + b, a32, b32);
            expect(checked::subtract, a - b, a32, b32);
            expect(checked::multiply, a * b, a32, b32);
            if (b == 0) {
                EXPECT_EQ(failureOf([&] { checked::divide(a32, 0); }), FailureKind::DivisionByZero);
                EXPECT_EQ(failureOf([&] { checked::remainder(a32, 0); }),
                          FailureKind::DivisionByZero);
                continue;
            }
            expect(checked::divide, a / b, a32, b32); // min / -1 is out of range
            EXPECT_EQ(checked::remainder(a32, b32), a % b) << a << ", " << b;
        }
    }
}

} // namespace
} // namespace vorantis
