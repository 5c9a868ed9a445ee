// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/topics.h"

#include "language/language.h"

#include <array>

namespace vorantis::practice {
namespace {

constexpr std::string_view inLowestTerms =
    translatable("Give each answer in lowest terms, an improper fraction as a mixed number.");
constexpr std::string_view asDecimal = translatable("Give each answer as a decimal.");
constexpr std::string_view lineUp =
    translatable("Write one number under the other with the decimal points in line.");

// clang-format off
constexpr std::array table{
    TopicRow{Topic::fractionSums, "FA", translatable("Adding fractions"), inLowestTerms,
             translatable("Write both fractions over a common denominator, then add the numerators."), true},
    TopicRow{Topic::fractionDifferences, "FS", translatable("Subtracting fractions"), inLowestTerms,
             translatable("Write both fractions over a common denominator, then subtract the numerators."), true},
    TopicRow{Topic::fractionProducts, "FM", translatable("Multiplying fractions"), inLowestTerms,
             translatable("Multiply the numerators together and the denominators together."), true},
    TopicRow{Topic::fractionQuotients, "FD", translatable("Dividing fractions"), inLowestTerms,
             translatable("Turn the second fraction upside down and multiply."), true},
    TopicRow{Topic::simplifying, "SF", translatable("Simplifying fractions"),
             translatable("Write each fraction in lowest terms."),
             translatable("Divide the numerator and the denominator by a number that divides both."), false},
    TopicRow{Topic::conversions, "FP", translatable("Fractions, decimals and percents"),
             translatable("Write each number in the form asked, a fraction in lowest terms."),
             translatable("A fraction is its numerator divided by its denominator, and a percent is a number of hundredths."), true},
    TopicRow{Topic::wholeDivision, "WD", translatable("Dividing with a remainder"),
             translatable("Give the quotient and the remainder."),
             translatable("Find the largest multiple of the divisor that is not more than the dividend."), false},
    TopicRow{Topic::decimalSums, "DA", translatable("Adding decimals"), asDecimal, lineUp, false},
    TopicRow{Topic::decimalDifferences, "DS", translatable("Subtracting decimals"), asDecimal, lineUp, false},
    TopicRow{Topic::decimalProducts, "DM", translatable("Multiplying decimals"), asDecimal,
             translatable("Multiply as whole numbers, then give the answer as many decimal places as both numbers "
                          "have together."), false},
    TopicRow{Topic::decimalQuotients, "DD", translatable("Dividing decimals"), asDecimal,
             translatable("Move the decimal point of both numbers the same number of places, until the divisor "
                          "is a whole number."), false},
    TopicRow{Topic::powers, "PW", translatable("Powers"), translatable("Work out each power."),
             translatable("Write the base as a factor as many times as the exponent says."), false},
    TopicRow{Topic::squareRoots, "SR", translatable("Square roots"), translatable("Work out each square root."),
             translatable("Which number times itself gives the number under the root?"), false},
    TopicRow{Topic::primes, "PC", translatable("Prime or composite"),
             translatable("Say whether each number is prime, composite or neither."),
             translatable("Try dividing by each prime in turn, from the smallest."), false},
};
// clang-format on

consteval bool inOrderOfTopics()
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (static_cast<std::size_t>(table[i].topic) != i)
            return false;
    return true;
}
static_assert(inOrderOfTopics(), "a topic's row is found by its place");

} // namespace

std::span<const TopicRow> topics() { return table; }

const TopicRow& topicRow(Topic topic) { return table[static_cast<std::size_t>(topic)]; }

const TopicRow* topicCoded(std::string_view code)
{
    for (const TopicRow& row : table)
        if (row.code == code)
            return &row;
    return nullptr;
}

working::Step nameOf(Topic topic) { return working::said(topicRow(topic).name, {}); }

working::Step instructionOf(Topic topic) { return working::said(topicRow(topic).instruction, {}); }

} // namespace vorantis::practice
