#include "panels/conversion.h"

#include "tests/support/test_helpers.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace vorantis {
namespace {

using testing::MemoryForm;

// Failures are in the failure table.
TEST(Conversion, WritesEveryFieldInOrder)
{
    const struct {
        void (*click)(Form&);
        const char* typed;
        const char* writes;
    } rows[] = {
        {fromdec_Click, "Text1=0.25", "d=100 n=25 Text5=25 Text6=100 d=4 n=1 Text2=25"},
        // The factor is read back as shown, so three places give no exact fraction.
        {fromdec_Click, "Text1=0.123", "d=100 n=12.3 Text5=4.1 Text6=300 d=24.390243902439 n=3 Text2=12.3"},
        // Divided by 1.06666666666667 as shown, not by 16/15: 93.75 and 3 would be wrong here.
        {fromdec_Click, "Text1=0.032",
         "d=100 n=3.2 Text5=1.06666666666667 Text6=300 d=93.7499999999997 n=2.99999999999999 Text2=3.2"},
        // LCM(100, -30) = -3000 / -gcd(100, 30) = 300: no endless loop, the sign goes below.
        {fromdec_Click, "Text1=-0.3", "d=100 n=-30 Text5=-10 Text6=300 d=-10 n=3 Text2=-30"},
        // The largest hundredfold whose product with 100 is still a 32-bit number.
        {fromdec_Click, "Text1=214748.36",
         "d=100 n=21474836 Text5=4 Text6=536870900 d=25 n=5368709 Text2=21474836"},
        {fromdec_Click, "Text1=0", "d=100 n=0 Text5=100 Text6=0 d=1 n=0 Text2=0"},
        {frompercent_Click, "Text2=25", "Text1=0.25 n=25 d=100 Text5=25 Text6=100 d=4 n=1"},
        // n first receives the percent's text exactly as typed.
        {frompercent_Click, "Text2=2.5E1", "Text1=0.25 n=2.5E1 d=100 Text5=25 Text6=100 d=4 n=1"},
        {frompercent_Click, "Text2=0", "Text1=0 n=0 d=100 Text5=100 Text6=0 d=1 n=0"},
        {frompercent_Click, "Text2=-0.0", "Text1=0 n=-0.0 d=100 Text5=100 Text6=0 d=1 n=0"},
        {fromfrac_Click, "n=1 d=4 Text5=7 Text6=9", "Text1=0.25 Text2=25"},
        // The percent is the quotient times 100: 5700 / 13 would end in 538.
        {fromfrac_Click, "n=57 d=13", "Text1=4.38461538461539 Text2=438.461538461539"},
        {fromfrac_Click, "n=0 d=-5", "Text1=0 Text2=0"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(testing::outcome(row.click, row.typed), row.writes) << row.typed;
}

// Every whole percent ends in lowest terms over the reduced 100, checked against std::gcd.
TEST(Conversion, WholePercentReducesToLowestTerms)
{
    for (int percent = 1; percent <= 1000; ++percent) {
        MemoryForm form = testing::typedForm("Text2=" + std::to_string(percent));
        frompercent_Click(form);
        const int g = std::gcd(percent, 100);
        ASSERT_EQ(form.text(Field::n) + "/" + form.text(Field::d) + " " + form.text(Field::Text5) + " " +
                      form.text(Field::Text6),
                  std::to_string(percent / g) + "/" + std::to_string(100 / g) + " " + std::to_string(g) +
                      " " + std::to_string(std::lcm(percent, 100)));
    }
}

} // namespace
} // namespace vorantis
