// Every point where a procedure of the program can fail, and every fault that was mended, with
// the exact writes the click makes before it stops. A failed click must leave its panel able
// to work: the next click with valid input gives what it gives on a fresh window.

#include "panels/procedures.h"
#include "tests/support/test_helpers.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

namespace vorantis {
namespace {

using testing::MemoryForm;
using testing::outcome;
using testing::typeInto;

struct Row {
    const char* label;
    std::string_view click; // the control whose procedure runs
    const char* typed; // "n=6 d=8"
    const char* outcome; // the writes in order, then "!" and the failure's kind, if any
    const char* says = ""; // part of the failure message: the text that is wrong
};

const Row rows[] = {
    // Decimal arithmetic: the sign goes up before either operand is read.
    {"left operand empty", "decadd", "Text20= Text21=3", "Label36=+ !NotANumber", "empty"},
    {"right operand empty", "decsub", "Text20=1 Text21=", "Label36=- !NotANumber", "empty"},
    {"left operand no number", "decsub", "Text20=abc Text21=x", "Label36=- !NotANumber", "\"abc\""},
    {"comma as decimal mark", "decmulti", "Text20=2 Text21=1,5", "Label36=* !NotANumber", "use a point"},
    {"operand beyond doubles", "decadd", "Text20=1e400 Text21=1", "Label36=+ !OutOfRange", "\"1e400\""},
    {"division by zero", "mecdiv", "Text20=1 Text21=0", "Label36=/ !DivisionByZero"},
    {"0 / 0", "mecdiv", "Text20=0 Text21=-0", "Label36=/ !InvalidOperation"},

    // Integer division: every failure comes in the first divide, before either write.
    {"dividend no number", "Command3", "Text23=abc Text24=5", "!NotANumber", "\"abc\""},
    {"divisor empty", "Command3", "Text23=17 Text24=", "!NotANumber"},
    {"both empty", "Command3", "Text23= Text24=", "!NotANumber"},
    {"divisor 0", "Command3", "Text23=17 Text24=0", "!DivisionByZero"},
    {"0 / 0", "Command3", "Text23=0 Text24=0", "!InvalidOperation"},
    {"quotient beyond doubles", "Command3", "Text23=1e308 Text24=1e-10", "!OutOfRange"},

    // Square root, power and prime test: the output keeps what it showed.
    {"root of no number", "Label12", "Text8=abc", "!NotANumber", "\"abc\""},
    {"root of a negative", "Label12", "Text8=-4", "!InvalidOperation", "-4"},
    {"root of a small negative", "Label12", "Text8=-0.01", "!InvalidOperation", "-0.01"},
    {"root of empty", "Label12", "Text8=", "!NotANumber", "empty"},
    {"exponent no number, read first", "calcsquare", "Text13=b Text14=e", "!NotANumber", "\"e\""},
    {"base empty", "calcsquare", "Text13= Text14=2", "!NotANumber"},
    {"negative base, fractional exponent", "calcsquare", "Text13=-8 Text14=0.5", "!InvalidOperation", "-8"},
    {"0 to a negative power", "calcsquare", "Text13=0 Text14=-1", "!DivisionByZero"},
    {"-0 to a negative power", "calcsquare", "Text13=-0 Text14=-2", "!DivisionByZero"},
    {"negative base, fractional negative exponent", "calcsquare", "Text13=-1 Text14=-1.5",
     "!InvalidOperation"},
    {"power beyond doubles", "calcsquare", "Text13=10 Text14=309", "!OutOfRange"},
    {"negative power beyond doubles", "calcsquare", "Text13=-10 Text14=309", "!OutOfRange"},
    {"power of a fraction beyond doubles", "calcsquare", "Text13=0.5 Text14=-1075", "!OutOfRange"},
    {"prime test of no number", "Label17", "Text9=abc", "!NotANumber", "\"abc\""},
    {"prime test beyond 32 bits", "Label17", "Text9=2147483648", "!OutOfRange", "2147483648"},
    {"prime test below 32 bits", "Label17", "Text9=-2147483649", "!OutOfRange", "-2147483649"},
    {"prime test of empty", "Label17", "Text9=", "!NotANumber"},
    {"prime test of a negative", "Label17", "Text9=-7", "!InvalidOperation", "-7"},
    {"mended: 1 is not prime", "Label17", "Text9=1", "Label17=Neither"},
    {"mended: 0 is not prime", "Label17", "Text9=0", "Label17=Neither"},

    // Conversion from a fraction: both reads come before any write.
    {"numerator no number", "fromfrac", "n=x d=y", "!NotANumber", "\"x\""},
    {"denominator no number", "fromfrac", "n=1 d=y", "!NotANumber", "\"y\""},
    {"denominator 0", "fromfrac", "n=1 d=0", "!DivisionByZero"},
    {"0 / 0", "fromfrac", "n=0 d=0.0", "!InvalidOperation"},
    {"quotient beyond doubles: no failure", "fromfrac", "n=1e308 d=1e-10", "Text1=Infinity Text2=Infinity"},

    // Conversion from a decimal: d gets 100 first, then n the hundredfold.
    {"decimal no number", "fromdec", "Text1=x", "d=100 !NotANumber", "\"x\""},
    {"hundredfold beyond doubles", "fromdec", "Text1=1e307", "d=100 n=Infinity !OutOfRange", "\"1e307\""},
    {"numerator beyond 32 bits", "fromdec", "Text1=30000000", "d=100 n=3000000000 !OutOfRange",
     "\"30000000\""},
    {"100 x numerator beyond 32 bits", "fromdec", "Text1=214748.37", "d=100 n=21474837 !OutOfRange"},
    {"numerator rounds to 0", "fromdec", "Text1=0.004", "d=100 n=0.4 !DivisionByZero", "\"0.004\""},
    {"mended: 0 is 0 over 1", "fromdec", "Text1=0", "d=100 n=0 Text5=100 Text6=0 d=1 n=0 Text2=0"},
    {"mended: LCM(100, -30) ends", "fromdec", "Text1=-0.3",
     "d=100 n=-30 Text5=-10 Text6=300 d=-10 n=3 Text2=-30"},

    // Conversion from a percent: Text1, then the typed text copied to n, then d.
    {"percent no number", "frompercent", "Text2=x", "!NotANumber", "\"x\""},
    {"numerator beyond 32 bits", "frompercent", "Text2=3e10", "Text1=300000000 n=3e10 d=100 !OutOfRange",
     "\"3e10\""},
    {"100 x numerator beyond 32 bits", "frompercent", "Text2=21474837",
     "Text1=214748.37 n=21474837 d=100 !OutOfRange"},
    {"numerator rounds to 0", "frompercent", "Text2=0.4", "Text1=0.004 n=0.4 d=100 !DivisionByZero",
     "\"0.4\""},
    {"mended: 0 is 0 over 1", "frompercent", "Text2=0", "Text1=0 n=0 d=100 Text5=100 Text6=0 d=1 n=0"},

    // Simplification: every failure before the reduction writes nothing.
    {"numerator no number", "simp", "n=x d=8", "!NotANumber", "\"x\""},
    {"denominator beyond 32 bits", "simp", "n=6 d=3e10", "!OutOfRange", "\"3e10\""},
    {"product beyond 32 bits", "simp", "n=60000 d=80000", "!OutOfRange"},
    {"denominator 0", "simp", "n=5 d=0", "!DivisionByZero"},
    {"denominator rounds to 0", "simp", "n=5 d=0.3", "!DivisionByZero", "\"0.3\""},
    {"0 over 0", "simp", "n=0 d=0", "!DivisionByZero"},
    {"negative over 0", "simp", "n=-5 d=0", "!InvalidOperation"},
    {"numerator rounds to 0", "simp", "n=0.3 d=8", "!DivisionByZero", "\"0.3\""},
    {"reduced numerator beyond 32 bits", "simp", "n=2000000000 d=0.51",
     "Text5=0.51 d=1 n=3921568627.45098 !OutOfRange"},
    {"mended: 0 over a positive is 0 over 1", "simp", "n=0 d=8", "Text5=8 d=1 n=0 Text6=0"},
    {"mended: 0 over a negative is 0 over 1", "simp", "n=0 d=-8", "Text5=-8 d=1 n=0 Text6=0"},
    {"mended: LCM(-2, 1) of the reduced terms ends", "simp", "n=-4 d=8", "Text5=-4 d=-2 n=1 Text6=2"},

    // Fraction addition and subtraction: Text29 / Text30 and Text31 / Text32. Every fraction
    // operation first hides the minus sign (it once stayed up after a negative difference).
    {"first denominator empty", "addfrac", "Text29=1 Text30= Text31=1 Text32=3",
     "Label41=hidden Label20=+ !NotANumber", "empty"},
    {"second denominator no number, read first", "subfrac", "Text29=1 Text30=y Text31=1 Text32=x",
     "Label41=hidden Label20=- !NotANumber", "\"x\""},
    {"denominator product beyond 32 bits", "addfrac", "Text29=1 Text30=50000 Text31=1 Text32=50001",
     "Label41=hidden Label20=+ !OutOfRange"},
    {"denominator 0", "addfrac", "Text29=1 Text30=0 Text31=1 Text32=3",
     "Label41=hidden Label20=+ !DivisionByZero", "\"0\""},
    {"first numerator empty", "addfrac", "Text29= Text30=2 Text31=1 Text32=3",
     "Label41=hidden Label20=+ Text30=6 Text32=6 !NotANumber"},
    {"second numerator no number", "subfrac", "Text29=1 Text30=2 Text31=x Text32=3",
     "Label41=hidden Label20=- Text30=6 Text32=6 Text29=3 !NotANumber", "\"x\""},
    {"result product beyond 32 bits", "addfrac", "Text29=1 Text30=2000 Text31=1 Text32=2001",
     "Label41=hidden Label20=+ Text30=4002000 Text32=4002000 Text29=2001 Text31=2000 Text35=4001 Text33=4001 "
     "Text34=4002000 !OutOfRange"},
    {"sum beyond doubles", "addfrac", "Text29=1E308 Text30=1 Text31=1E308 Text32=1",
     "Label41=hidden Label20=+ Text30=1 Text32=1 Text29=1E+308 Text31=1E+308 Text35=Infinity Text33=Infinity "
     "Text34=1 !NotANumber"},
    {"mended: equal fractions differ by 0 over 1", "subfrac", "Text29=1 Text30=3 Text31=1 Text32=3",
     "Label41=hidden Label20=- Text30=3 Text32=3 Text29=1 Text31=1 Text35=0 Text33=0 Text34=3 Text34=1"},
    {"mended: opposite fractions add to 0 over 1", "addfrac", "Text29=1 Text30=2 Text31=-1 Text32=2",
     "Label41=hidden Label20=+ Text30=2 Text32=2 Text29=1 Text31=-1 Text35=0 Text33=0 Text34=2 Text34=1"},
    {"mended: zero sum over a negative denominator", "addfrac", "Text29=1 Text30=-4 Text31=-1 Text32=-4",
     "Label41=hidden Label20=+ Text30=-4 Text32=-4 Text29=1 Text31=-1 Text35=0 Text33=0 Text34=-4 Text34=1"},
    {"mended: LCM(6, -4) ends", "addfrac", "Text29=1 Text30=6 Text31=1 Text32=-4",
     "Label41=hidden Label20=+ Text30=12 Text32=12 Text29=2 Text31=-3 Text35=-1 Text33=-1 Text34=12 Text33=1 "
     "Text34=-12"},
    {"mended: LCM(-2, -3) ends", "subfrac", "Text29=1 Text30=-2 Text31=1 Text32=-3",
     "Label41=hidden Label20=- Text30=-6 Text32=-6 Text29=3 Text31=2 Text35=-1 Label41=shown Text33=-1 "
     "Text34=-6 "
     "Text33=1 Text34=6"},

    // Fraction multiplication and division.
    {"first denominator empty", "multifrac", "Text29=1 Text30= Text31=1 Text32=2",
     "Label41=hidden Label20=* !NotANumber"},
    {"first numerator empty", "divfrac", "Text29= Text30=2 Text31=1 Text32=3",
     "Label41=hidden Label20=/ !NotANumber"},
    {"second numerator empty", "multifrac", "Text29=1 Text30=2 Text31= Text32=3",
     "Label41=hidden Label20=* Text34=6 !NotANumber"},
    {"second numerator no number", "divfrac", "Text29=1 Text30=2 Text31=x Text32=3",
     "Label41=hidden Label20=/ Text33=3 !NotANumber", "\"x\""},
    {"numerator beyond 32 bits", "multifrac", "Text29=50000 Text30=1 Text31=50000 Text32=1",
     "Label41=hidden Label20=* Text34=1 Text33=2500000000 !OutOfRange"},
    {"LCM product beyond 32 bits", "multifrac", "Text29=50000 Text30=1 Text31=1 Text32=50001",
     "Label41=hidden Label20=* Text34=50001 Text33=50000 !OutOfRange"},
    {"product beyond doubles", "multifrac", "Text29=1E200 Text30=1 Text31=1E200 Text32=1",
     "Label41=hidden Label20=* Text34=1 Text33=Infinity !NotANumber"},
    {"division by a zero fraction", "divfrac", "Text29=1 Text30=2 Text31=0 Text32=5",
     "Label41=hidden Label20=/ Text33=5 Text34=0 !DivisionByZero"},
    {"negative over a zero fraction", "divfrac", "Text29=-1 Text30=2 Text31=0 Text32=3",
     "Label41=hidden Label20=/ Text33=-3 Text34=0 !DivisionByZero"},
    {"mended: zero product is 0 over 1", "multifrac", "Text29=0 Text30=5 Text31=1 Text32=2",
     "Label41=hidden Label20=* Text34=10 Text33=0 Text34=1"},
    {"mended: zero beside a negative is 0 over 1", "multifrac", "Text29=0 Text30=5 Text31=1 Text32=-2",
     "Label41=hidden Label20=* Text34=-10 Text33=0 Text34=1"},
};

// A valid input for each procedure: the click after a failed one.
const std::map<std::string_view, const char*> validInput{
    {"decadd", "Text20=2 Text21=3"},
    {"decsub", "Text20=2 Text21=3"},
    {"decmulti", "Text20=2 Text21=3"},
    {"mecdiv", "Text20=2 Text21=3"},
    {"Command3", "Text23=-17 Text24=5"},
    {"Label12", "Text8=16"},
    {"calcsquare", "Text13=2 Text14=10"},
    {"Label17", "Text9=9"},
    {"fromfrac", "n=1 d=4"},
    {"fromdec", "Text1=0.25"},
    {"frompercent", "Text2=50"},
    {"simp", "n=6 d=8"},
    {"addfrac", "Text29=1 Text30=2 Text31=1 Text32=3"},
    {"subfrac", "Text29=1 Text30=4 Text31=3 Text32=4"},
    {"multifrac", "Text29=2 Text30=3 Text31=3 Text32=4"},
    {"divfrac", "Text29=1 Text30=2 Text31=1 Text32=4"},
};

void (*procedure(std::string_view control))(Form&) { return procedureFor(control)->run; }

TEST(FailureTable, EachClickStopsAtItsFailingStepWithItsWritesKept)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.click) + ": " + row.label);
        ASSERT_NE(procedureFor(row.click), nullptr);
        EXPECT_EQ(outcome(procedure(row.click), row.typed), row.outcome);
        if (*row.says) {
            MemoryForm form = testing::typedForm(row.typed);
            const std::string message = testing::messageOf([&] { procedure(row.click)(form); });
            EXPECT_NE(message.find(row.says), std::string::npos) << message;
        }
    }
}

TEST(FailureTable, NextValidClickOnThePanelWorksAsOnAFreshWindow)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.click) + ": " + row.label);
        const char* valid = validInput.at(row.click);
        const std::string fresh = outcome(procedure(row.click), valid);
        ASSERT_EQ(fresh.find('!'), std::string::npos) << fresh;

        MemoryForm form = testing::typedForm(row.typed);
        outcome(form, procedure(row.click));
        typeInto(form, valid);
        form.forgetWrites();
        EXPECT_EQ(outcome(form, procedure(row.click)), fresh);
    }
}

} // namespace
} // namespace vorantis
