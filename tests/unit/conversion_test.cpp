#include "panels/conversion.h"

#include "core/failure.h"
#include "tests/support/memory_form.h"

#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <sstream>
#include <string>

namespace vorantis {
namespace {

using testing::MemoryForm;

// "n=1 d=4" typed into a fresh form.
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

// The writes in order, as "d=100 n=25 ...".
std::string writesOf(const MemoryForm& form)
{
    std::string joined;
    for (const auto& write : form.writes())
        joined += (joined.empty() ? "" : " ") + write.control + "=" + write.value;
    return joined;
}

struct Row {
    const char* typed;
    void (*click)(Form&);
    const char* writes;
    std::optional<FailureKind> failure = std::nullopt;
    const char* says = "";
};

void check(const Row& row)
{
    SCOPED_TRACE(row.typed);
    MemoryForm form = typedForm(row.typed);
    try {
        row.click(form);
        EXPECT_FALSE(row.failure) << "completed without the expected failure";
    } catch (const Failure& failure) {
        ASSERT_TRUE(row.failure) << failure.what();
        EXPECT_EQ(failure.kind(), *row.failure);
        EXPECT_NE(std::string(failure.what()).find(row.says), std::string::npos) << failure.what();
    }
    EXPECT_EQ(writesOf(form), row.writes);
}

TEST(Conversion, WritesEveryFieldInOrder)
{
    const Row rows[] = {
        {"Text1=0.25", fromdec_Click, "d=100 n=25 Text5=25 Text6=100 d=4 n=1 Text2=25"},
        {"Text1=1.5", fromdec_Click, "d=100 n=150 Text5=50 Text6=300 d=2 n=3 Text2=150"},
        // The factor is read back as shown, so three places give no exact fraction.
        {"Text1=0.123", fromdec_Click, "d=100 n=12.3 Text5=4.1 Text6=300 d=24.390243902439 n=3 Text2=12.3"},
        // Divided by 1.06666666666667 as shown, not by 16/15: 93.75 and 3 would be wrong here.
        {"Text1=0.032", fromdec_Click,
         "d=100 n=3.2 Text5=1.06666666666667 Text6=300 d=93.7499999999997 n=2.99999999999999 Text2=3.2"},
        {"Text1=-0.25", fromdec_Click, "d=100 n=-25 Text5=-25 Text6=100 d=-4 n=1 Text2=-25"},
        // LCM(100, -30) = -3000 / -gcd(100, 30) = 300: no endless loop, the sign goes below.
        {"Text1=-0.3", fromdec_Click, "d=100 n=-30 Text5=-10 Text6=300 d=-10 n=3 Text2=-30"},
        // The largest hundredfold whose product with 100 is still a 32-bit number.
        {"Text1=214748.36", fromdec_Click,
         "d=100 n=21474836 Text5=4 Text6=536870900 d=25 n=5368709 Text2=21474836"},
        {"Text1=0", fromdec_Click, "d=100 n=0 Text5=100 Text6=0 d=1 n=0 Text2=0"},
        {"Text2=25", frompercent_Click, "Text1=0.25 n=25 d=100 Text5=25 Text6=100 d=4 n=1"},
        {"Text2=50", frompercent_Click, "Text1=0.5 n=50 d=100 Text5=50 Text6=100 d=2 n=1"},
        // n first receives the percent's text exactly as typed.
        {"Text2=2.5E1", frompercent_Click, "Text1=0.25 n=2.5E1 d=100 Text5=25 Text6=100 d=4 n=1"},
        {"Text2=0", frompercent_Click, "Text1=0 n=0 d=100 Text5=100 Text6=0 d=1 n=0"},
        {"Text2=-0.0", frompercent_Click, "Text1=0 n=-0.0 d=100 Text5=100 Text6=0 d=1 n=0"},
        {"n=1 d=4 Text5=7 Text6=9", fromfrac_Click, "Text1=0.25 Text2=25"},
        {"n=2 d=4", fromfrac_Click, "Text1=0.5 Text2=50"},
        {"n=1 d=3", fromfrac_Click, "Text1=0.333333333333333 Text2=33.3333333333333"},
        {"n=0 d=-5", fromfrac_Click, "Text1=0 Text2=0"},
    };
    for (const Row& row : rows)
        check(row);
}

TEST(Conversion, FailureKeepsWhatWasWrittenAndSaysWhy)
{
    using enum FailureKind;
    const Row rows[] = {
        {"n=5 d=0", fromfrac_Click, "", DivisionByZero, "denominator is 0"},
        {"n=0 d=0.0", fromfrac_Click, "", InvalidOperation, "denominator is 0"},
        {"n=x d=4", fromfrac_Click, "", NotANumber, "\"x\""},
        {"Text1=x", fromdec_Click, "d=100", NotANumber, "\"x\""},
        {"Text1=0.004", fromdec_Click, "d=100 n=0.4", DivisionByZero, "decimal \"0.004\" is too small"},
        {"Text1=214748.37", fromdec_Click, "d=100 n=21474837", OutOfRange, "too large"},
        {"Text1=1e307", fromdec_Click, "d=100 n=Infinity", OutOfRange, "decimal \"1e307\" is too large"},
        {"Text2=x", frompercent_Click, "", NotANumber, "\"x\""},
        {"Text2=0.4", frompercent_Click, "Text1=0.004 n=0.4 d=100", DivisionByZero, "percent \"0.4\" is too small"},
        {"Text2=3e10", frompercent_Click, "Text1=300000000 n=3e10 d=100", OutOfRange, "too large"},
        {"Text2=21474837", frompercent_Click, "Text1=214748.37 n=21474837 d=100", OutOfRange, "too large"},
    };
    for (const Row& row : rows)
        check(row);
}

// Every whole percent ends in lowest terms over the reduced 100, checked against std::gcd.
TEST(Conversion, WholePercentReducesToLowestTerms)
{
    for (int percent = 1; percent <= 1000; ++percent) {
        MemoryForm form = typedForm("Text2=" + std::to_string(percent));
        frompercent_Click(form);
        const int factor = std::gcd(percent, 100);
        ASSERT_EQ(form.text(Field::n), std::to_string(percent / factor)) << percent;
        ASSERT_EQ(form.text(Field::d), std::to_string(100 / factor)) << percent;
        ASSERT_EQ(form.text(Field::Text5), std::to_string(factor)) << percent;
        ASSERT_EQ(form.text(Field::Text6), std::to_string(std::lcm(percent, 100))) << percent;
    }
}

} // namespace
} // namespace vorantis
