// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the procedures of every panel on an in-memory form, in any order and on any text, and
// checks after each click what must always hold. The input is lines: "Text29=6" types the text
// after the first = into the field named before it (any other name still picks a field, from
// its bytes); any other line clicks the control it names (or one picked from its bytes).

#include "core/convert.h"
#include "core/failure.h"
#include "panels/dispatch.h"
#include "tests/support/memory_form.h"
#include "tests/support/tables.h"
#include "working/explain.h"
#include "working/plain_text.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <numeric>
#include <sstream>
#include <string>
#include <string_view>

#include <sys/time.h>

namespace vorantis {
namespace {

using testing::MemoryForm;

// What each click may write, in order: `C#` a number, `C=a|b` one of these texts, `C<F` a copy
// of field F's text, `*=` any number of fields emptied; a trailing `?` marks a write that may be
// left out. A click that runs to its end makes every write that is not optional; one that fails
// makes a leading part of them.
// clang-format off
const std::map<std::string_view, std::string_view> allowedWrites{
    {"clear", "Label12=Calculate Label17=Check *= Label41=hidden"}, {"clear21", "*= Label41=hidden"},
    {"decadd", "Label36=+ Text22#"}, {"decsub", "Label36=- Text22#"}, {"decmulti", "Label36=* Text22#"},
    {"mecdiv", "Label36=/ Text22#"}, {"Command3", "Text3# Text4#"}, {"Label12", "Label12#"},
    {"calcsquare", "Text15#"}, {"Label17", "Label17=True|False|Neither Label17=Composite? Label17=Prime?"},
    {"fromfrac", "Text1# Text2#"}, {"fromdec", "d# n# Text5# Text6# d# n# Text2#"},
    {"frompercent", "Text1# n<Text2 d# Text5# Text6# d# n#"}, {"simp", "Text5# d# n# Text6#"},
    {"addfrac", "Label41=hidden Label20=+ Text30# Text32# Text29# Text31# Text35# Text33# Text34# Text33#? Text34#"},
    {"subfrac", "Label41=hidden Label20=- Text30# Text32# Text29# Text31# Text35# Label41=shown? Text33# Text34# "
                "Text33#? Text34#"},
    {"multifrac", "Label41=hidden Label20=* Text34# Text33# Text33#? Text34#"},
    {"divfrac", "Label41=hidden Label20=/ Text33# Text34# Text33#? Text34#"},
};
// clang-format on

// Whether a written number reads back as the number it shows ("Infinity" is one too).
bool readsBack(const std::string& text)
{
    try {
        return text == "Infinity" || text == "-Infinity" || DoubleToText(TextToDouble(text)) == text;
    } catch (const Failure&) {
        return text == "1.79769313486232E+308" || text == "-1.79769313486232E+308"; // rounded past the top
    }
}

bool fits(const std::string& rule, const std::string& write, const MemoryForm& form)
{
    const auto mark = rule.find_first_of("#=<");
    const std::string control = write.substr(0, write.find('=')), value = write.substr(control.size() + 1);
    if (rule.starts_with("*="))
        return value.empty() && fieldNamed(control);
    if (rule.substr(0, mark) != control)
        return false;
    if (rule[mark] == '#')
        return readsBack(value);
    if (rule[mark] == '<')
        return value == form.text(*fieldNamed(rule.substr(mark + 1)));
    return ("|" + rule.substr(mark + 1) + "|").find("|" + value + "|") != std::string::npos;
}

std::string writeProblem(const Click& click, const MemoryForm& form)
{
    std::istringstream words{std::string(allowedWrites.at(click.procedure->control))};
    std::string rule;
    bool more = static_cast<bool>(words >> rule);
    for (const Write& each : click.writes) {
        const std::string write = std::string(controlName(each.control)) + "=" + testing::valueOf(each);
        for (; more && !fits(rule.substr(0, rule.find('?')), write, form);
             more = static_cast<bool>(words >> rule))
            if (!rule.ends_with('?') && !rule.starts_with("*="))
                return "wrote " + write + " where it may only write " + rule;
        if (!more)
            return "wrote " + write + " after its last write";
        if (!rule.starts_with("*="))
            more = static_cast<bool>(words >> rule);
    }
    for (; !click.failed() && more; more = static_cast<bool>(words >> rule))
        if (!rule.ends_with('?') && !rule.starts_with("*="))
            return "finished without " + rule;
    return {};
}

// No procedure here loops more than some fifteen thousand rounds; a second of processor time
// means one that never ends, which would otherwise never come back to be checked.
void setStepLimit(long seconds)
{
    [[maybe_unused]] static const auto handler = std::signal(SIGVTALRM, [](int) { std::abort(); });
    const itimerval timer{{0, 0}, {seconds, 0}};
    setitimer(ITIMER_VIRTUAL, &timer, nullptr);
}

// A failure of the arithmetic says what went wrong; anything else is a fault of the program.
std::string clickProblem(const Procedure& procedure, MemoryForm& form)
{
    setStepLimit(1);
    const Click click = runClick(procedure, form);
    setStepLimit(0);
    if (click.failed() && (!click.kind || click.failure->said().empty()))
        return "failed with \"" + statusLine(click) + "\"";
    // Its working is written for every click, whatever the fields held; a throw would end the run.
    if (working::plainText(explain(click)).empty())
        return "has no working";
    const std::string problem = writeProblem(click, form);
    if (!problem.empty() || click.failed() || procedure.control != "Label17")
        return problem;
    const long long n = TextToLong(form.text(Field::Text9)); // the verdict, against trial division
    bool prime = n >= 2;
    for (long long d = 2; d * d <= n; ++d)
        prime = prime && n % d != 0;
    const std::string verdict = n < 2 ? "Neither" : prime ? "Prime" : "Composite";
    return form.caption(Label::Label17) == verdict ? "" : "gave \"" + form.caption(Label::Label17) + "\"";
}

// Any name picks one of `count`, from its bytes.
std::size_t pick(std::string_view name, std::size_t count)
{
    return std::accumulate(name.begin(), name.end(), std::size_t{0},
                           [](std::size_t sum, char c) { return sum + static_cast<unsigned char>(c); }) %
        count;
}

} // namespace
} // namespace vorantis

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vorantis;
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    testing::MemoryForm form;
    for (std::string line; std::getline(input, line);) {
        const auto equals = line.find('=');
        if (equals != std::string::npos) {
            const Field field = fieldNamed(line.substr(0, equals))
                                    .value_or(allFields[pick(line.substr(0, equals), allFields.size())]);
            form.type(field, line.substr(equals + 1));
        } else if (!line.empty()) {
            const Procedure* named = procedureFor(line);
            const Procedure& procedure = named ? *named : procedures()[pick(line, procedures().size())];
            if (const std::string problem = clickProblem(procedure, form); !problem.empty()) {
                std::fprintf(stderr, "== %s: %s\n", procedure.control.data(), problem.c_str());
                std::abort();
            }
        }
    }
    return 0;
}
