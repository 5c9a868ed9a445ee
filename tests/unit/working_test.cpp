// SPDX-License-Identifier: GPL-3.0-or-later
// The working of a click against the window it explains.

#include "core/convert.h"
#include "tests/support/tables.h"
#include "working/explain.h"
#include "working/log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <random>
#include <sstream>

namespace vorantis::testing {
namespace {

std::mt19937 random(20261207);

// Types "n=W d=D" and clicks: D a random decimal, W a random whole number.
Click clicked(std::string_view control, const std::string& typed, MemoryForm& form)
{
    std::istringstream pairs(typed);
    for (std::string pair; pairs >> pair;) {
        const int n = static_cast<int>(random() % 199999) - 99999;
        form.type(*fieldNamed(pair.substr(0, pair.find('='))),
                  pair.ends_with("=D") ? DoubleToText(n / 100.0) : std::to_string(n % 120));
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

// The panels a test is run for, each as its own case: "Int Divide" is IntDivide.
std::vector<std::string> panelsOf(const std::vector<std::string>& controls)
{
    std::vector<std::string> panels;
    for (const std::string& control : controls)
        if (const std::string panel(procedureFor(control)->panel);
            std::find(panels.begin(), panels.end(), panel) == panels.end())
            panels.push_back(panel);
    return panels;
}

std::string caseName(const ::testing::TestParamInfo<std::string>& info)
{
    std::string name;
    for (const char c : info.param)
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
    return name;
}

bool inPanel(const std::string& control, const std::string& panel)
{
    return procedureFor(control)->panel == panel;
}

class WorkedExamples : public ::testing::TestWithParam<std::string> { };

TEST_P(WorkedExamples, SayEachStepAsWorkedByHand)
{
    int rows = 0;
    for (const TableRow& row : tableRows("working.table", 3))
        if (inPanel(row.columns[0], GetParam())) {
            MemoryForm form;
            typeInto(form, row.columns[1]);
            EXPECT_EQ(explain(runClick(*procedureFor(row.columns[0]), form)), unescaped(row.columns[2]))
                << "working.table line " << row.line;
            ++rows;
        }
    EXPECT_GT(rows, 0) << "no worked example of the panel";
}

std::vector<std::string> allControls()
{
    std::vector<std::string> controls;
    for (const Procedure& procedure : procedures())
        controls.emplace_back(procedure.control);
    return controls;
}

INSTANTIATE_TEST_SUITE_P(EveryPanel, WorkedExamples, ::testing::ValuesIn(panelsOf(allControls())), caseName);

// For random numbers in every panel, an entry ends (the root's and the prime test's start, the
// division's first line) with what the window shows, or with the message of a click that stops.
const std::string fractions = "Text29=W Text30=W Text31=W Text32=W", result = " = {Label41}{Text33}/{Text34}";
// clang-format off
const std::vector<std::array<std::string, 3>> endings{{"decsub", "Text20=D Text21=D", " = {Text22}"}, {"mecdiv", "Text20=D Text21=W", " = {Text22}"},
    {"Command3", "Text23=D Text24=W", " = {Text3} remainder {Text4}\n"}, {"Label12", "Text8=D", "√{Text8} = {Label12}\n"},
    {"calcsquare", "Text13=D Text14=W", " = {Text15}"}, {"Label17", "Text9=W", "{Text9} is {Label17}"},
    {"fromfrac", "n=W d=W", " = {Text1} = {Text2} %"}, {"fromdec", "Text1=D", " = {n}/{d} = {Text2} %"},
    {"frompercent", "Text2=W", " = {n}/{d} = {Text1}"}, {"simp", "n=W d=W", " {n}/{d}"}, {"addfrac", fractions, result},
    {"subfrac", fractions, result}, {"multifrac", fractions, result}, {"divfrac", fractions, result}};
// clang-format on

class Working : public ::testing::TestWithParam<std::string> { };

TEST_P(Working, EndsWithWhatTheWindowShows)
{
    MemoryForm form; // one form throughout, as results stay in the window from click to click
    for (int i = 0; i < 500; ++i)
        for (const auto& [control, typed, pattern] : endings) {
            if (!inPanel(control, GetParam()))
                continue;
            const Click click = clicked(control, typed, form);
            const std::string entry = explain(click);
            const std::string end = click.failed() ? click.failure->said() : shownBy(pattern, form);
            // A pattern that ends a line may stand at the end of any line.
            ASSERT_TRUE(entry.starts_with(end) || entry.ends_with(end) ||
                        (end.ends_with('\n') && entry.find(end) != std::string::npos))
                << entry;
        }
}

std::vector<std::string> endingControls()
{
    std::vector<std::string> controls;
    for (const auto& row : endings)
        controls.push_back(row[0]);
    return controls;
}

INSTANTIATE_TEST_SUITE_P(EveryPanel, Working, ::testing::ValuesIn(panelsOf(endingControls())), caseName);

TEST(WorkingLog, KeepsTheLastThousandEntries)
{
    WorkingLog log;
    for (int i = 0; i <= 1000; ++i)
        log.add(std::to_string(i));
    EXPECT_EQ(log.entries().size(), 1000u);
    EXPECT_TRUE(log.plainText().starts_with("1\n\n2\n") && log.plainText().ends_with("\n\n1000\n"));
}

TEST(WorkingLog, WritesAnEntryAsPlainTextOrAsAnEscapedParagraph)
{
    WorkingLog log;
    log.add("1\n<a & \"b\">");
    EXPECT_EQ(log.plainText(), "1\n<a & \"b\">\n");
    EXPECT_NE(log.html().find("<p>1<br>\n&lt;a &amp; &quot;b&quot;&gt;</p>"), std::string::npos);
}

} // namespace
} // namespace vorantis::testing
