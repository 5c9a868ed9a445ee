#include "panels/simplify.h"

#include "core/failure.h"
#include "tests/support/memory_form.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <optional>
#include <random>
#include <sstream>
#include <string>

namespace vorantis {
namespace {

using testing::MemoryForm;

// "n=6 d=8" typed into a fresh form.
MemoryForm typedForm(const std::string& fields)
{
    MemoryForm form;
    std::istringstream in(fields);
    for (std::string item; in >> item;) {
        const auto equals = item.find('=');
        for (const Field field : allFields)
            if (controlName(field) == item.substr(0, equals))
                form.type(field, item.substr(equals + 1));
    }
    return form;
}

// The writes in order, as "Text5=2 d=4 ...".
std::string writesOf(const MemoryForm& form)
{
    std::string joined;
    for (const auto& write : form.writes())
        joined += (joined.empty() ? "" : " ") + write.control + "=" + write.value;
    return joined;
}

struct Row {
    const char* typed;
    const char* writes;
    std::optional<FailureKind> failure = std::nullopt;
    const char* says = "";
};

TEST(Simplify, ReducesInPlaceOrStopsSayingWhy)
{
    using enum FailureKind;
    const Row rows[] = {
        {"n=6 d=8 Text1=0.75 Text2=75", "Text5=2 d=4 n=3 Text6=12"},
        {"n=5 d=7", "Text5=1 d=7 n=5 Text6=35"},
        {"n=8 d=4", "Text5=4 d=1 n=2 Text6=2"},
        {"n=12 d=8", "Text5=4 d=2 n=3 Text6=6"},
        {"n=2.4 d=12", "Text5=2.4 d=5 n=1 Text6=5"},
        // The factor is read back as shown, and Text6 comes from the reduced terms 94 and 3.
        {"n=3.2 d=100", "Text5=1.06666666666667 d=93.7499999999997 n=2.99999999999999 Text6=282"},
        {"n=0 d=8", "Text5=8 d=1 n=0 Text6=0"},
        {"n=0 d=-8", "Text5=-8 d=1 n=0 Text6=0"},
        // Negative terms: LCM(8, -4) = 8, then LCM(-2, 1) = 2 rather than an endless loop.
        {"n=-4 d=8", "Text5=-4 d=-2 n=1 Text6=2"},
        {"n=6 d=-8", "Text5=-2 d=4 n=-3 Text6=12"},
        {"n=5 d=0", "", DivisionByZero, "denominator is 0"},
        {"n=0 d=0", "", DivisionByZero, "denominator is 0"},
        {"n=-5 d=0", "", InvalidOperation, "denominator is 0"},
        {"n=0.3 d=8", "", DivisionByZero, "numerator \"0.3\" is too small"},
        {"n=5 d=0.3", "", DivisionByZero, "denominator \"0.3\" is too small"},
        {"n=60000 d=80000", "", OutOfRange, "\"60000/80000\" is too large"},
        {"n=x d=8", "", NotANumber, "\"x\""},
        {"n=6 d=3e10", "", OutOfRange, "\"3e10\""},
        // A numerator over a denominator below 1 leaves a reduced numerator beyond 32 bits.
        {"n=2000000000 d=0.51", "Text5=0.51 d=1 n=3921568627.45098", OutOfRange, "simplified fraction"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        MemoryForm form = typedForm(row.typed);
        try {
            simp_Click(form);
            EXPECT_FALSE(row.failure) << "completed without the expected failure";
        } catch (const Failure& failure) {
            ASSERT_TRUE(row.failure) << failure.what();
            EXPECT_EQ(failure.kind(), *row.failure);
            EXPECT_NE(std::string(failure.what()).find(row.says), std::string::npos) << failure.what();
        }
        EXPECT_EQ(writesOf(form), row.writes);
    }
}

// Random positive whole fractions, small and up to the 32-bit product: the result equals the
// typed fraction, is in lowest terms, and Text5 / Text6 hold the gcd and the reduced product.
TEST(Simplify, LeavesAnEqualFractionInLowestTerms)
{
    std::mt19937 random(20240607);
    for (int i = 0; i < 3000; ++i) {
        const std::int64_t d = std::uniform_int_distribution<std::int64_t>(1, 46340)(random);
        const std::int64_t limit = i % 2 ? 46340 : 2147483647 / d;
        const std::int64_t n = std::uniform_int_distribution<std::int64_t>(1, limit)(random);
        MemoryForm form = typedForm("n=" + std::to_string(n) + " d=" + std::to_string(d));
        simp_Click(form);

        const std::int64_t reducedN = std::stoll(form.text(Field::n));
        const std::int64_t reducedD = std::stoll(form.text(Field::d));
        ASSERT_EQ(form.text(Field::n), std::to_string(reducedN)) << n << "/" << d;
        ASSERT_EQ(form.text(Field::d), std::to_string(reducedD)) << n << "/" << d;
        ASSERT_EQ(reducedN * d, n * reducedD) << n << "/" << d;
        ASSERT_EQ(std::gcd(reducedN, reducedD), 1) << n << "/" << d;
        ASSERT_EQ(form.text(Field::Text5), std::to_string(std::gcd(n, d))) << n << "/" << d;
        ASSERT_EQ(form.text(Field::Text6), std::to_string(reducedN * reducedD)) << n << "/" << d;
    }
}

} // namespace
} // namespace vorantis
