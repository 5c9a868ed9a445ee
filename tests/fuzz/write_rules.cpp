#include "tests/fuzz/write_rules.h"

#include "tests/fuzz/shown_number.h"

#include <map>
#include <sstream>

namespace vorantis::fuzz {
namespace {

// One write a procedure may make. Notation in the lists below, one word per write:
//   Text22#        a number
//   Label36=+      exactly this text (alternatives separated by |; nothing after = for empty)
//   n<Text2        a copy of another field's text
// and a trailing ? marks a write that may be left out while later ones are made.
struct Allowed {
    std::string control;
    enum class Kind { Number, OneOf, Copy } kind = Kind::Number;
    std::vector<std::string> values; // OneOf
    std::string source; // Copy
    bool optional = false;
};

std::vector<Allowed> parse(std::string_view list)
{
    std::vector<Allowed> allowed;
    std::istringstream words{std::string(list)};
    for (std::string word; words >> word;) {
        Allowed entry;
        if (word.back() == '?') {
            entry.optional = true;
            word.pop_back();
        }
        const auto mark = word.find_first_of("#=<");
        entry.control = word.substr(0, mark);
        if (word[mark] == '=') {
            entry.kind = Allowed::Kind::OneOf;
            std::string rest = word.substr(mark + 1);
            for (std::size_t bar; (bar = rest.find('|')) != std::string::npos; rest.erase(0, bar + 1))
                entry.values.push_back(rest.substr(0, bar));
            entry.values.push_back(rest);
        } else if (word[mark] == '<') {
            entry.kind = Allowed::Kind::Copy;
            entry.source = word.substr(mark + 1);
        }
        allowed.push_back(std::move(entry));
    }
    return allowed;
}

std::string emptyEveryField()
{
    std::string list;
    for (const Field field : allFields)
        list += " " + std::string(controlName(field)) + "=";
    return list;
}

// Both fraction panels' operations hide the minus sign, then show their operator.
std::string fractionStart(const char* sign) { return "Label41=hidden Label20=" + std::string(sign); }
const std::string commonDenominator = " Text30# Text32# Text29# Text31# Text35#";
// A zero result is 0 over 1: only the denominator is written then.
const std::string resultReduction = " Text33#? Text34#";

const std::map<std::string, std::vector<Allowed>, std::less<>>& rules()
{
    static const std::map<std::string, std::vector<Allowed>, std::less<>> table{
        {"clear", parse("Label12=Calculate Label17=Check" + emptyEveryField())},
        {"clear21", parse(emptyEveryField())},
        {"decadd", parse("Label36=+ Text22#")},
        {"decsub", parse("Label36=- Text22#")},
        {"decmulti", parse("Label36=* Text22#")},
        {"mecdiv", parse("Label36=/ Text22#")},
        {"Command3", parse("Text3# Text4#")},
        {"Label12", parse("Label12#")},
        {"calcsquare", parse("Text15#")},
        {"Label17", parse("Label17=True|False|Neither Label17=Composite? Label17=Prime?")},
        {"fromfrac", parse("Text1# Text2#")},
        {"fromdec", parse("d# n# Text5# Text6# d# n# Text2#")},
        {"frompercent", parse("Text1# n<Text2 d# Text5# Text6# d# n#")},
        {"simp", parse("Text5# d# n# Text6#")},
        {"addfrac", parse(fractionStart("+") + commonDenominator + " Text33# Text34#" + resultReduction)},
        {"subfrac",
         parse(fractionStart("-") + commonDenominator + " Label41=shown? Text33# Text34#" + resultReduction)},
        {"multifrac", parse(fractionStart("*") + " Text34# Text33#" + resultReduction)},
        {"divfrac", parse(fractionStart("/") + " Text33# Text34#" + resultReduction)},
    };
    return table;
}

bool isOneOf(const Allowed& allowed, const std::string& value)
{
    for (const std::string& v : allowed.values)
        if (v == value)
            return true;
    return false;
}

std::string textOf(const Form& form, std::string_view control)
{
    for (const Field field : allFields)
        if (controlName(field) == control)
            return form.text(field);
    return {};
}

} // namespace

std::string writeProblem(std::string_view control, const std::vector<testing::Write>& writes,
                         const Form& after, bool finished)
{
    const auto rule = rules().find(control);
    if (rule == rules().end())
        return "no list of writes for " + std::string(control);
    const std::vector<Allowed>& allowed = rule->second;

    std::size_t next = 0;
    for (std::size_t i = 0; i < writes.size(); ++i) {
        const testing::Write& write = writes[i];
        const auto where = [&] {
            return "write " + std::to_string(i + 1) + " (" + write.control + " = \"" + write.value + "\")";
        };
        // A listed alternative that is optional is passed over when the write is not it.
        while (next < allowed.size() && allowed[next].optional &&
               !(allowed[next].control == write.control &&
                 (allowed[next].kind != Allowed::Kind::OneOf || isOneOf(allowed[next], write.value))))
            ++next;
        if (next == allowed.size() || allowed[next].control != write.control)
            return where() + " is not one this procedure makes at that point";
        const Allowed& entry = allowed[next++];
        switch (entry.kind) {
        case Allowed::Kind::OneOf:
            if (!isOneOf(entry, write.value))
                return where() + " writes a value this control never gets";
            break;
        case Allowed::Kind::Copy:
            if (write.value != textOf(after, entry.source))
                return where() + " is no copy of " + entry.source;
            break;
        case Allowed::Kind::Number:
            if (const std::string problem = shownNumberProblem(write.value); !problem.empty())
                return where() + ": the number " + problem;
            break;
        }
    }
    if (finished)
        for (; next < allowed.size(); ++next)
            if (!allowed[next].optional)
                return "finished without writing " + allowed[next].control;
    return {};
}

} // namespace vorantis::fuzz
