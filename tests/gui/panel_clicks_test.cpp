// Each panel driven through real mouse events on its buttons and clickable labels.

#include "tests/gui/window_fixture.h"

#include <numeric>
#include <random>

namespace vorantis::testing {
namespace {

using PanelClicks = WindowTest;

TEST_F(PanelClicks, SolveShowsQuotientAndRemainder)
{
    const struct {
        const char *dividend, *divisor, *quotient, *remainder;
    } cases[]{{"17", "5", "3", "2"}, {"-17", "5", "-4", "3"}, {"17", "-5", "-4", "-3"}, {"7.5", "2", "3", "1.5"}};
    for (const auto& row : cases) {
        type("Text23", row.dividend);
        type("Text24", row.divisor);
        click("Command3");
        EXPECT_EQ(text("Text3"), row.quotient) << row.dividend << " / " << row.divisor;
        EXPECT_EQ(text("Text4"), row.remainder) << row.dividend << " / " << row.divisor;
    }
    type("Text24", "0");
    click("Command3");
    EXPECT_EQ(text("Text3"), "3");
    EXPECT_TRUE(window.failureMessage().startsWith("Int Divide: "));
}

TEST_F(PanelClicks, ClickableLabelsShowTheirResultInTheirCaption)
{
    type("Text8", "16");
    click("Label12");
    EXPECT_EQ(caption("Label12"), "4");
    type("Text8", "-4");
    click("Label12");
    EXPECT_EQ(caption("Label12"), "4");
    EXPECT_TRUE(window.failureMessage().startsWith("Square Root: "));

    const std::pair<const char*, const char*> verdicts[]{
        {"7", "Prime"}, {"9", "Composite"}, {"2147483647", "Prime"}, {"1", "Neither"}};
    for (const auto& [number, verdict] : verdicts) {
        type("Text9", number);
        click("Label17");
        EXPECT_EQ(caption("Label17"), verdict) << number;
    }
    type("Text9", "-7");
    click("Label17");
    EXPECT_EQ(caption("Label17"), "Neither");
    EXPECT_TRUE(window.failureMessage().startsWith("Prime or Composite: "));
}

TEST_F(PanelClicks, CalculateRaisesTheBaseToTheExponent)
{
    const struct {
        const char *base, *exponent, *power;
    } cases[]{{"2", "10", "1024"}, {"9", "0.5", "3"}, {"2", "-1", "0.5"}, {"0", "0", "1"}};
    for (const auto& row : cases) {
        type("Text13", row.base);
        type("Text14", row.exponent);
        click("calcsquare");
        EXPECT_EQ(text("Text15"), row.power) << row.base << " ^ " << row.exponent;
    }
    type("Text13", "-8");
    type("Text14", "0.5");
    click("calcsquare");
    EXPECT_EQ(text("Text15"), "1");
    EXPECT_TRUE(window.failureMessage().startsWith("Exponents: "));
}

TEST_F(PanelClicks, ConversionButtonsFillTheOtherForms)
{
    type("n", "1");
    type("d", "4");
    click("fromfrac");
    EXPECT_EQ(text("Text1"), "0.25");
    EXPECT_EQ(text("Text2"), "25");

    type("Text1", "1.5");
    click("fromdec");
    EXPECT_EQ(QStringList({text("n"), text("d"), text("Text5"), text("Text6"), text("Text2")}),
              QStringList({"3", "2", "50", "300", "150"}));

    type("Text2", "50");
    click("frompercent");
    EXPECT_EQ(QStringList({text("Text1"), text("n"), text("d"), text("Text5"), text("Text6")}),
              QStringList({"0.5", "1", "2", "50", "100"}));

    type("n", "6");
    type("d", "8");
    click("simp");
    EXPECT_EQ(QStringList({text("n"), text("d"), text("Text5"), text("Text6")}),
              QStringList({"3", "4", "2", "12"}));
}

TEST_F(PanelClicks, SimplifyLeavesRandomFractionsInLowestTermsAtTheSameValue)
{
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> term(1, 2000);
    for (int i = 0; i < 300; ++i) {
        const int numerator = term(random);
        const int denominator = term(random);
        type("n", QString::number(numerator));
        type("d", QString::number(denominator));
        click("simp");
        bool ok1 = false, ok2 = false;
        const long long n = text("n").toLongLong(&ok1);
        const long long d = text("d").toLongLong(&ok2);
        ASSERT_TRUE(ok1 && ok2) << numerator << "/" << denominator << " gave " << text("n").toStdString()
                                << "/" << text("d").toStdString();
        EXPECT_EQ(std::gcd(n, d), 1) << numerator << "/" << denominator;
        EXPECT_EQ(n * denominator, d * numerator) << numerator << "/" << denominator;
    }
}

TEST_F(PanelClicks, FractionButtonsShowOperatorAndReducedResult)
{
    const struct {
        const char* button;
        const char* sign;
        QStringList shown; // first fraction, second fraction, result
    } cases[]{
        {"addfrac", "+", {"3", "6", "2", "6", "5", "6"}},
        {"subfrac", "-", {"3", "6", "2", "6", "1", "6"}},
        {"multifrac", "*", {"1", "2", "1", "3", "1", "6"}},
        {"divfrac", "/", {"1", "2", "1", "3", "3", "2"}},
    };
    for (const auto& row : cases) {
        type("Text29", "1");
        type("Text30", "2");
        type("Text31", "1");
        type("Text32", "3");
        click(row.button);
        EXPECT_EQ(caption("Label20"), row.sign);
        EXPECT_EQ(QStringList({text("Text29"), text("Text30"), text("Text31"), text("Text32"), text("Text33"),
                               text("Text34")}),
                  row.shown)
            << row.button;
        EXPECT_FALSE(control("Label41")->isVisible());
    }

    type("Text29", "1");
    type("Text30", "4");
    type("Text31", "3");
    type("Text32", "4");
    click("subfrac");
    EXPECT_TRUE(control("Label41")->isVisible());
    EXPECT_EQ(text("Text33") + "/" + text("Text34"), "1/2");
    click("addfrac");
    EXPECT_FALSE(control("Label41")->isVisible());
}

} // namespace
} // namespace vorantis::testing
