// SPDX-License-Identifier: GPL-3.0-or-later
// The working of a click against the window it explains.

#include "core/convert.h"
#include "tests/support/tables.h"
#include "working/explain.h"
#include "working/log.h"
#include "working/mathml.h"
#include "working/plain_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <random>
#include <sstream>
#include <tuple>

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

std::size_t occurrences(std::string_view text, std::string_view part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class WorkedExamples : public ::testing::TestWithParam<std::string> { };

TEST_P(WorkedExamples, SayEachStepAsWorkedByHand)
{
    int rows = 0;
    for (const TableRow& row : tableRows("working.table", 3))
        if (inPanel(row.columns[0], GetParam())) {
            MemoryForm form;
            typeInto(form, row.columns[1]);
            const working::Entry entry = explain(runClick(*procedureFor(row.columns[0]), form));
            const std::string text = working::plainText(entry);
            EXPECT_EQ(text, unescaped(row.columns[2])) << "working.table line " << row.line;
            // The page shows each of its lines as a line of its own, the answer in bold.
            const std::string page = working::html(entry);
            EXPECT_EQ(occurrences(page, "<h3 ") + occurrences(page, "<p "), occurrences(text, "\n") + 1)
                << "working.table line " << row.line;
            if (entry.result)
                EXPECT_NE(page.find("<strong>" + working::html(*entry.result, *entry.language) + "</strong>"),
                          std::string::npos)
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

// For random numbers in every panel, the answer holds what the window shows, each number as a
// number and each fraction as a fraction, never as a text with a slash in it; an entry of a click
// that stops ends with its message.
using working::Math;
Math field(const MemoryForm& form, Field f) { return working::number(form.text(f)); }
Math over(const MemoryForm& form, Field n, Field d)
{
    return working::fraction(field(form, n), field(form, d));
}
Math fractionResult(const MemoryForm& form)
{
    const Math shown = over(form, Field::Text33, Field::Text34);
    return form.isVisible(Label::Label41) ? working::negative(shown) : shown;
}
using Shown = std::vector<Math> (*)(const MemoryForm&);
const std::string fractions = "Text29=W Text30=W Text31=W Text32=W";
// clang-format off
const std::vector<std::tuple<std::string, std::string, Shown>> answers{
    {"decsub", "Text20=D Text21=D", [](const MemoryForm& f) { return std::vector{field(f, Field::Text22)}; }},
    {"mecdiv", "Text20=D Text21=W", [](const MemoryForm& f) { return std::vector{field(f, Field::Text22)}; }},
    {"Command3", "Text23=D Text24=W", [](const MemoryForm& f) { return std::vector{field(f, Field::Text3), field(f, Field::Text4)}; }},
    {"Label12", "Text8=D", [](const MemoryForm& f) { return std::vector{working::number(f.caption(Label::Label12))}; }},
    {"calcsquare", "Text13=D Text14=W", [](const MemoryForm& f) { return std::vector{field(f, Field::Text15)}; }},
    {"fromfrac", "n=W d=W", [](const MemoryForm& f) { return std::vector{field(f, Field::Text1), field(f, Field::Text2)}; }},
    {"fromdec", "Text1=D", [](const MemoryForm& f) { return std::vector{over(f, Field::n, Field::d), field(f, Field::Text2)}; }},
    {"frompercent", "Text2=W", [](const MemoryForm& f) { return std::vector{over(f, Field::n, Field::d), field(f, Field::Text1)}; }},
    {"simp", "n=W d=W", [](const MemoryForm& f) { return std::vector{over(f, Field::n, Field::d)}; }},
    {"addfrac", fractions, [](const MemoryForm& f) { return std::vector{fractionResult(f)}; }},
    {"subfrac", fractions, [](const MemoryForm& f) { return std::vector{fractionResult(f)}; }},
    {"multifrac", fractions, [](const MemoryForm& f) { return std::vector{fractionResult(f)}; }},
    {"divfrac", fractions, [](const MemoryForm& f) { return std::vector{fractionResult(f)}; }}};
// clang-format on

bool holds(const Math& math, const Math& piece)
{
    return math == piece || std::any_of(math.parts.begin(), math.parts.end(), [&](const Math& part) {
               return holds(part, piece);
           });
}

class Working : public ::testing::TestWithParam<std::string> { };

TEST_P(Working, AnswersWithWhatTheWindowShows)
{
    MemoryForm form; // one form throughout, as results stay in the window from click to click
    for (int i = 0; i < 500; ++i)
        for (const auto& [control, typed, shown] : answers) {
            if (!inPanel(control, GetParam()))
                continue;
            const Click click = clicked(control, typed, form);
            const working::Entry entry = explain(click);
            if (click.failed()) {
                ASSERT_TRUE(working::plainText(entry).ends_with("\n" + click.failure->said()))
                    << working::plainText(entry);
                continue;
            }
            ASSERT_TRUE(entry.result) << working::plainText(entry);
            for (const Math& piece : shown(form))
                ASSERT_TRUE(std::any_of(entry.result->values.begin(), entry.result->values.end(),
                                        [&](const auto& value) { return holds(value.second, piece); }))
                    << working::plainText(entry) << "\nlacks "
                    << working::plainText(piece, languages().front());
        }
}

// The verdict the answer says is the one the window shows, however the number was typed.
TEST(Working, SaysTheVerdictTheWindowShows)
{
    MemoryForm form;
    for (int i = 0; i < 2000; ++i) {
        const Click click = clicked("Label17", "Text9=W", form);
        if (click.failed())
            continue;
        const std::string caption = form.caption(Label::Label17);
        const std::string_view said = explain(click).result->pattern;
        EXPECT_EQ(said,
                  caption == "Prime"           ? "{n} is prime"
                      : caption == "Composite" ? "{n} is composite"
                                               : "{n} is neither prime nor composite")
            << form.text(Field::Text9);
    }
}

std::vector<std::string> endingControls()
{
    std::vector<std::string> controls;
    for (const auto& row : answers)
        controls.push_back(std::get<0>(row));
    return controls;
}

INSTANTIATE_TEST_SUITE_P(EveryPanel, Working, ::testing::ValuesIn(panelsOf(endingControls())), caseName);

working::Entry entryOf(working::Math heading)
{
    working::Entry entry;
    entry.language = &languages().front();
    entry.heading = working::shown(std::move(heading));
    return entry;
}

TEST(WorkingLog, KeepsTheLastThousandEntries)
{
    WorkingLog log;
    for (int i = 0; i <= 1000; ++i)
        log.add(entryOf(working::whole(i)));
    EXPECT_EQ(log.entries().size(), 1000u);
    EXPECT_TRUE(log.plainText().starts_with("1\n\n2\n") && log.plainText().ends_with("\n\n1000\n"));
}

TEST(WorkingLog, WritesAnEntryAsPlainTextOrAsAnEscapedPage)
{
    WorkingLog log;
    log.add(entryOf(working::typed("<a & \"b\">")));
    EXPECT_EQ(log.plainText(), "\"<a & \"b\">\"\n");
    const std::string shown = "&quot;&lt;a &amp; &quot;b&quot;&gt;&quot;";
    const std::string named = "\"" + shown + "\"";
    EXPECT_NE(log.html().find("<h3 data-spoken=" + named + " aria-label=" + named +
                              "><math aria-label=" + named + "><mtext>" + shown + "</mtext></math></h3>"),
              std::string::npos);
}

// Each piece of mathematics as MathML draws it, a minus sign as a prefix operator and a number in
// the decimal mark of the language in use.
TEST(MathML, WritesEachPieceAsItIsDrawn)
{
    using namespace working;
    const std::string minusTwo = "<mrow><mo form=\"prefix\">−</mo><mn>2</mn></mrow>";
    const std::pair<Math, std::string> rows[]{
        {root(whole(16)), "<msqrt><mn>16</mn></msqrt>"},
        {list({whole(2), whole(4), whole(6)}),
         "<mrow><mn>2</mn><mo>, </mo><mn>4</mn><mo>, </mo><mn>6</mn></mrow>"},
        {power(number("-2"), whole(4)),
         "<msup><mrow><mrow><mo>(</mo>" + minusTwo +
             "<mo>)</mo></mrow></mrow><mrow><mn>4</mn></mrow></msup>"},
        {power(whole(2), whole(10)), "<msup><mrow><mn>2</mn></mrow><mrow><mn>10</mn></mrow></msup>"},
        {fraction(whole(3), whole(4)), "<mfrac><mrow><mn>3</mn></mrow><mrow><mn>4</mn></mrow></mfrac>"},
        {row({sign("−"), whole(3)}), "<mrow><mo form=\"prefix\">−</mo><mn>3</mn></mrow>"},
        {row({whole(1), sign("−"), whole(3)}), "<mrow><mn>1</mn><mo>−</mo><mn>3</mn></mrow>"},
        {number("0.5"), "<mn>0.5</mn>"},
    };
    for (const auto& [math, written] : rows)
        EXPECT_EQ(mathML(math, *languageCoded("en")), written) << written;
    const SpeakingIn german("de"); // a number written in English, read in German
    EXPECT_EQ(mathML(number("0.5"), *languageCoded("en")), "<mn>0,5</mn>");
}

} // namespace
} // namespace vorantis::testing
