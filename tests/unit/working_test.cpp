// SPDX-License-Identifier: GPL-3.0-or-later
// The working of a click against the window it explains: the worked examples, each checked by
// hand, and for random numbers in every panel an entry that ends with what the window shows.

#include "core/convert.h"
#include "panels/working.h"
#include "panels/working_log.h"
#include "tests/support/memory_form.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace vorantis::testing {
namespace {

std::mt19937 random(20261207);

// Types "n=12 d=18" and clicks; D types a random decimal, W a random whole number.
Click clicked(std::string_view control, const std::string& typed, MemoryForm& form)
{
    std::istringstream pairs(typed);
    for (std::string pair; pairs >> pair;) {
        const std::string name = pair.substr(0, pair.find('=')), text = pair.substr(name.size() + 1);
        const int n = static_cast<int>(random() % 199999) - 99999;
        const std::string drawn = text == "D" ? DoubleToText(n / 100.0) : std::to_string(n % 120);
        form.type(*fieldNamed(name), text == "D" || text == "W" ? drawn : text);
    }
    return runClick(*procedureFor(control), form);
}

// "= {n}/{d}" with each control in braces replaced by what it shows, a label's caption lowercased.
std::string shownBy(std::string pattern, const MemoryForm& form)
{
    for (std::size_t open; (open = pattern.find('{')) != std::string::npos;) {
        const std::string name = pattern.substr(open + 1, pattern.find('}', open) - open - 1);
        std::string value = fieldNamed(name) ? form.text(*fieldNamed(name)) : "";
        for (const Label label : allLabels)
            if (controlName(label) == name && form.isVisible(label) && !(value = form.caption(label)).empty())
                value[0] = static_cast<char>(std::tolower(value[0]));
        pattern.replace(open, name.size() + 2, value);
    }
    return pattern;
}

// A row with a whole entry, worked by hand, must give exactly that. A row with a pattern runs on random
// numbers, and its entry ends (the root's and the prime test's start) with what the window shows then.
TEST(Working, SaysEachStepAndEndsWithWhatTheWindowShows)
{
    const std::string fractions = "Text29=W Text30=W Text31=W Text32=W",
                      result = " = {Label41}{Text33}/{Text34}";
    // clang-format off
    const std::string rows[][3]{
        {"simp", "n=12 d=18", "Simplify 12/18: the least common multiple of 12 and 18 is 36, so their common factor "
            "is 12 × 18 ÷ 36 = 6\n12 ÷ 6 = 2 and 18 ÷ 6 = 3\nthe least common multiple of 2 and 3 is 6\n12/18 = 2/3"},
        {"addfrac", "Text29=1 Text30=2 Text31=1 Text32=3", "1/2 + 1/3: the common denominator is 6, the least "
            "common multiple of 2 and 3\n1/2 = 3/6 and 1/3 = 2/6\n3/6 + 2/6 = 5/6\nthe least common multiple of "
            "5 and 6 is 30, so their common factor is 5 × 6 ÷ 30 = 1: 5/6 is in lowest terms\n1/2 + 1/3 = 5/6"},
        {"multifrac", "Text29=2 Text30=3 Text31=3 Text32=4", "2/3 × 3/4 = (2 × 3)/(3 × 4) = 6/12\nthe least common"
            " multiple of 6 and 12 is 12, so their common factor is 6 × 12 ÷ 12 = 6\n6 ÷ 6 = 1 and 12 ÷ 6 = 2\n"
            "2/3 × 3/4 = 1/2"},
        {"divfrac", "Text29=1 Text30=2 Text31=1 Text32=4", "1/2 ÷ 1/4 = 1/2 × 4/1 = (1 × 4)/(2 × 1) = 4/2\nthe "
            "least common multiple of 4 and 2 is 4, so their common factor is 4 × 2 ÷ 4 = 2\n4 ÷ 2 = 2 and 2 ÷ 2 "
            "= 1\n1/2 ÷ 1/4 = 2/1"},
        {"Command3", "Text23=17 Text24=5", "17 ÷ 5 = 3 remainder 2\ncheck: 5 × 3 + 2 = 17"},
        {"Label17", "Text9=91", "91 is composite: 91 = 7 × 13, 7 being its smallest factor"},
        {"Label17", "Text9=97", "97 is prime: no whole number from 2 to 9 divides it, and 10 × 10 is already more "
            "than 97"},
        {"Label17", "Text9=0", "0 is neither prime nor composite: only whole numbers from 2 up are one or the other"
            "\na prime has exactly two divisors, 1 and itself; every whole number from 1 up divides 0"},
        {"fromdec", "Text1=0.75", "0.75 × 100 = 75, so 0.75 = 75/100\nthe least common multiple of 75 and 100 is "
            "300, so their common factor is 75 × 100 ÷ 300 = 25\n75 ÷ 25 = 3 and 100 ÷ 25 = 4\n0.75 = 75/100 = 3/4 "
            "= 75 %"},
        {"decsub", "Text20=D Text21=D", " = {Text22}"}, {"mecdiv", "Text20=D Text21=W", " = {Text22}"},
        {"Command3", "Text23=D Text24=W", " = {Text23}"}, {"Label12", "Text8=D", "√{Text8} = {Label12}\n"},
        {"calcsquare", "Text13=D Text14=W", " = {Text15}"}, {"Label17", "Text9=W", "{Text9} is {Label17}"},
        {"fromfrac", "n=W d=W", " = {Text1} = {Text2} %"}, {"fromdec", "Text1=D", " = {n}/{d} = {Text2} %"},
        {"frompercent", "Text2=W", " = {n}/{d} = {Text1}"}, {"simp", "n=W d=W", " = {n}/{d}"},
        {"addfrac", fractions, result}, {"subfrac", fractions, result}, {"multifrac", fractions, result},
        {"divfrac", fractions, result}};
    // clang-format on
    MemoryForm form; // one form throughout, as results stay in the window from click to click
    for (int i = 0; i < 500; ++i)
        for (const auto& [control, typed, pattern] : rows) {
            const Click click = clicked(control, typed, form);
            const std::string entry = explain(click), failure = click.failure;
            const std::string end =
                failure.empty() ? shownBy(pattern, form) : failure.substr(failure.find(": ") + 2);
            const bool isPattern = pattern.find('{') != std::string::npos;
            ASSERT_TRUE(isPattern ? entry.starts_with(end) || entry.ends_with(end) : entry == pattern)
                << entry;
        }
}

TEST(WorkingLog, KeepsTheLastThousandEntriesAsTextOrAsAnEscapedPage)
{
    WorkingLog log;
    for (int i = 0; i <= 1000; ++i)
        log.add(std::to_string(i) + "\n<a & \"b\">");
    EXPECT_EQ(log.entries().size(), 1000u);
    EXPECT_TRUE(log.plainText().starts_with("1\n<a & \"b\">\n\n2\n"));
    EXPECT_NE(log.html().find("<p>1<br>\n&lt;a &amp; &quot;b&quot;&gt;</p>"), std::string::npos);
}

} // namespace
} // namespace vorantis::testing
