#include "panels/fraction_arithmetic.h"

#include "core/failure.h"
#include "tests/support/memory_form.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace vorantis {
namespace {

using testing::MemoryForm;
using testing::Write;

struct Operation {
    void (*click)(Form&);
    const char* sign;
};
constexpr Operation plus{addfrac_Click, "+"};
constexpr Operation minus{subfrac_Click, "-"};
constexpr Operation times{multifrac_Click, "*"};
constexpr Operation over{divfrac_Click, "/"};

// Text29, Text30 (first fraction), Text31, Text32 (second fraction).
using Operands = std::array<std::string, 4>;

void type(MemoryForm& form, const Operands& operands)
{
    const std::array fields{Field::Text29, Field::Text30, Field::Text31, Field::Text32};
    for (std::size_t i = 0; i < fields.size(); ++i)
        form.type(fields[i], operands[i]);
}

// Clicks and gives the failure, if the click ended in one.
std::optional<Failure> click(MemoryForm& form, const Operation& operation)
{
    try {
        operation.click(form);
    } catch (const Failure& failure) {
        return failure;
    }
    return std::nullopt;
}

// Every click hides the minus sign and sets the operator before anything else; `rest` lists
// the writes after those two as "Control=value" words.
std::vector<Write> expectedWrites(const Operation& operation, const std::string& rest)
{
    std::vector<Write> writes{{"Label41", "hidden"}, {"Label20", operation.sign}};
    std::istringstream words(rest);
    for (std::string word; words >> word;) {
        const auto equals = word.find('=');
        writes.push_back({word.substr(0, equals), word.substr(equals + 1)});
    }
    return writes;
}

struct Case {
    const char* name;
    Operation operation;
    Operands operands;
    const char* writes;
    std::optional<FailureKind> failure;
};

const Case cases[] = {
    // Addition and subtraction: operands rewritten over D, the sum in Text35, then reduced.
    {"thirds and halves", plus, {"1", "2", "1", "3"},
     "Text30=6 Text32=6 Text29=3 Text31=2 Text35=5 Text33=5 Text34=6 Text33=5 Text34=6", {}},
    {"equal denominators", plus, {"1", "4", "1", "4"},
     "Text30=4 Text32=4 Text29=1 Text31=1 Text35=2 Text33=2 Text34=4 Text33=1 Text34=2", {}},
    {"positive difference", minus, {"3", "4", "1", "4"},
     "Text30=4 Text32=4 Text29=3 Text31=1 Text35=2 Text33=2 Text34=4 Text33=1 Text34=2", {}},
    {"negative difference", minus, {"1", "4", "3", "4"},
     "Text30=4 Text32=4 Text29=1 Text31=3 Text35=2 Label41=shown Text33=2 Text34=4 Text33=1 "
     "Text34=2", {}},
    {"negative first numerator", minus, {"-1", "4", "1", "4"},
     "Text30=4 Text32=4 Text29=-1 Text31=1 Text35=2 Label41=shown Text33=2 Text34=4 Text33=1 "
     "Text34=2", {}},
    {"negative sum: sign moves to denominator", plus, {"-3", "4", "1", "4"},
     "Text30=4 Text32=4 Text29=-3 Text31=1 Text35=-2 Text33=-2 Text34=4 Text33=1 Text34=-2", {}},
    {"denominator 2.5 rounds to 2 for D only", plus, {"1", "2.5", "1", "5"},
     "Text30=10 Text32=10 Text29=4 Text31=2 Text35=6 Text33=6 Text34=10 Text33=3 Text34=5", {}},
    {"negative and positive denominators end", plus, {"1", "-4", "1", "6"},
     "Text30=12 Text32=12 Text29=-3 Text31=2 Text35=-1 Text33=-1 Text34=12 Text33=1 Text34=-12",
     {}},
    {"two different negative denominators end", minus, {"1", "-2", "1", "-3"},
     "Text30=-6 Text32=-6 Text29=3 Text31=2 Text35=-1 Label41=shown Text33=-1 Text34=-6 "
     "Text33=1 Text34=6", {}},
    {"equal fractions give 0 over 1 (used to fail)", minus, {"1", "3", "1", "3"},
     "Text30=3 Text32=3 Text29=1 Text31=1 Text35=0 Text33=0 Text34=3 Text34=1", {}},
    {"opposite fractions give 0 over 1 (used to fail)", plus, {"1", "2", "-1", "2"},
     "Text30=2 Text32=2 Text29=1 Text31=-1 Text35=0 Text33=0 Text34=2 Text34=1", {}},
    {"denominator product overflows", plus, {"1", "50000", "1", "50001"}, "",
     FailureKind::OutOfRange},
    {"result product overflows", plus, {"1", "2000", "1", "2001"},
     "Text30=4002000 Text32=4002000 Text29=2001 Text31=2000 Text35=4001 Text33=4001 "
     "Text34=4002000", FailureKind::OutOfRange},
    {"empty first denominator", plus, {"1", "", "1", "3"}, "", FailureKind::NotANumber},
    {"empty second denominator", minus, {"1", "2", "1", ""}, "", FailureKind::NotANumber},
    {"zero denominator", plus, {"1", "0", "1", "3"}, "", FailureKind::DivisionByZero},
    {"empty first numerator", plus, {"", "2", "1", "3"}, "Text30=6 Text32=6",
     FailureKind::NotANumber},
    {"empty second numerator", minus, {"1", "2", "", "3"}, "Text30=6 Text32=6 Text29=3",
     FailureKind::NotANumber},
    {"sum beyond the double range", plus, {"1E308", "1", "1E308", "1"},
     "Text30=1 Text32=1 Text29=1E+308 Text31=1E+308 Text35=Infinity Text33=Infinity Text34=1",
     FailureKind::NotANumber},

    // Multiplication writes the denominator first, division the numerator first.
    {"product", times, {"2", "3", "3", "4"}, "Text34=12 Text33=6 Text33=1 Text34=2", {}},
    {"quotient reduces to a whole", over, {"1", "2", "1", "4"},
     "Text33=4 Text34=2 Text33=2 Text34=1", {}},
    {"quotient of equals", over, {"3", "4", "3", "4"}, "Text33=12 Text34=12 Text33=1 Text34=1",
     {}},
    {"negative numerator: sign moves to denominator", times, {"-1", "2", "1", "3"},
     "Text34=6 Text33=-1 Text33=1 Text34=-6", {}},
    {"zero factor gives 0 over 1 (used to fail)", times, {"0", "5", "1", "2"},
     "Text34=10 Text33=0 Text34=1", {}},
    {"zero beside a negative gives 0 over 1 (used to fail)", times, {"0", "5", "1", "-2"},
     "Text34=-10 Text33=0 Text34=1", {}},
    {"division by a zero fraction", over, {"1", "2", "0", "5"}, "Text33=5 Text34=0",
     FailureKind::DivisionByZero},
    {"negative over zero", over, {"-1", "2", "0", "3"}, "Text33=-3 Text34=0",
     FailureKind::DivisionByZero},
    {"lcm product overflows", times, {"50000", "1", "1", "50001"}, "Text34=50001 Text33=50000",
     FailureKind::OutOfRange},
    {"numerator beyond 32 bits", times, {"50000", "1", "50000", "1"},
     "Text34=1 Text33=2500000000", FailureKind::OutOfRange},
    {"product beyond the double range", times, {"1E200", "1", "1E200", "1"},
     "Text34=1 Text33=Infinity", FailureKind::NotANumber},
    {"empty denominator, first product", times, {"1", "", "1", "2"}, "", FailureKind::NotANumber},
    {"empty numerator, second product", times, {"1", "2", "", "3"}, "Text34=6",
     FailureKind::NotANumber},
    {"empty numerator, first quotient product", over, {"", "2", "1", "3"}, "",
     FailureKind::NotANumber},
};

TEST(FractionArithmetic, WritesInOrderAndStopsAtTheFailingStep)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryForm form;
        type(form, c.operands);
        const std::optional<Failure> failure = click(form, c.operation);
        EXPECT_EQ(form.writes(), expectedWrites(c.operation, c.writes));
        ASSERT_EQ(failure.has_value(), c.failure.has_value()) << (failure ? failure->what() : "");
        if (failure) {
            EXPECT_EQ(failure->kind(), *c.failure);
        }
    }
}

TEST(FractionArithmetic, FailureMessagesSayWhatIsWrong)
{
    const struct {
        Operation operation;
        Operands operands;
        const char* fragment;
    } rows[] = {
        {over, {"1", "2", "0", "5"}, "cannot be divided by zero"},
        {plus, {"1", "0", "1", "3"}, "denominator \"0\""},
        {plus, {"1", "abc", "1", "xyz"}, "\"xyz\""}, // the second denominator is read first
    };
    for (const auto& row : rows) {
        MemoryForm form;
        type(form, row.operands);
        const std::optional<Failure> failure = click(form, row.operation);
        ASSERT_TRUE(failure.has_value());
        EXPECT_NE(std::string(failure->what()).find(row.fragment), std::string::npos)
            << failure->what();
    }
}

// The sign once stayed up after a negative difference and turned every later result negative.
TEST(FractionArithmetic, MinusSignBelongsOnlyToANegativeDifference)
{
    const struct {
        Operation operation;
        Operands operands;
        bool minusShown;
    } steps[] = {
        {minus, {"1", "4", "3", "4"}, true},  {minus, {"3", "4", "1", "4"}, false},
        {minus, {"1", "4", "3", "4"}, true},  {plus, {"1", "2", "1", "3"}, false},
        {minus, {"1", "4", "3", "4"}, true},  {times, {"1", "2", "1", "3"}, false},
        {minus, {"1", "4", "3", "4"}, true},  {over, {"1", "2", "0", "5"}, false},
    };
    MemoryForm form;
    for (const auto& step : steps) {
        type(form, step.operands);
        click(form, step.operation);
        EXPECT_EQ(form.isVisible(Label::Label41), step.minusShown) << step.operation.sign;
    }
}

TEST(FractionArithmetic, SecondAdditionFindsTheOperandsAlreadyOverD)
{
    MemoryForm form;
    type(form, {"1", "2", "1", "3"});
    addfrac_Click(form);
    const std::vector<Write> first = form.writes();
    form.forgetWrites();
    addfrac_Click(form);
    EXPECT_EQ(form.writes(), first);
    EXPECT_EQ(form.text(Field::Text29) + "/" + form.text(Field::Text30), "3/6");
}

// Independent model: exact rationals in 64 bits. A click fails exactly where one of the
// 32-bit products it forms (of the denominators, then of the unreduced result's terms)
// does not fit.
struct Exact {
    std::int64_t numerator;
    std::int64_t denominator;
    bool overflows;
};

Exact exact(const Operation& operation, std::int64_t n1, std::int64_t d1, std::int64_t n2,
            std::int64_t d2)
{
    const auto fits = [](std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; };
    if (operation.click == multifrac_Click)
        return {n1 * n2, d1 * d2, !fits(n1 * n2 * d1 * d2)};
    if (operation.click == divfrac_Click)
        return {n1 * d2, d1 * n2, !fits(n1 * d2 * d1 * n2)};
    const std::int64_t common = std::lcm(d1, d2);
    const std::int64_t second = n2 * (common / d2) * (operation.click == addfrac_Click ? 1 : -1);
    const std::int64_t sum = n1 * (common / d1) + second;
    return {sum, common, !fits(d1 * d2) || !fits(sum * common)};
}

TEST(FractionArithmetic, RandomPositiveFractionsMatchExactRationals)
{
    std::mt19937 random(20240517);
    std::uniform_int_distribution<std::int64_t> term(1, 300);
    int results = 0;
    int failures = 0;
    MemoryForm form; // one form throughout, so a stale minus sign would show
    for (int i = 0; i < 600; ++i) {
        const std::array<std::int64_t, 4> t{term(random), term(random), term(random), term(random)};
        for (const Operation& operation : {plus, minus, times, over}) {
            const Exact want = exact(operation, t[0], t[1], t[2], t[3]);
            const std::int64_t g = std::gcd(want.numerator, want.denominator);
            const Operands operands{std::to_string(t[0]), std::to_string(t[1]),
                                    std::to_string(t[2]), std::to_string(t[3])};
            SCOPED_TRACE(operands[0] + "/" + operands[1] + " " + operation.sign + " " +
                         operands[2] + "/" + operands[3]);
            type(form, operands);
            const std::optional<Failure> failure = click(form, operation);
            ASSERT_EQ(failure.has_value(), want.overflows) << (failure ? failure->what() : "");
            if (failure) {
                ++failures;
                EXPECT_EQ(failure->kind(), FailureKind::OutOfRange);
                continue;
            }
            ++results;
            EXPECT_EQ(form.text(Field::Text33), std::to_string(std::abs(want.numerator) / g));
            EXPECT_EQ(form.text(Field::Text34), std::to_string(want.denominator / g));
            EXPECT_EQ(form.isVisible(Label::Label41), want.numerator < 0);
        }
    }
    EXPECT_GT(results, 1000); // both outcomes really occur in the sample
    EXPECT_GT(failures, 50);
}

} // namespace
} // namespace vorantis
