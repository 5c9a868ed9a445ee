// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/speech.h"

#include "core/convert.h"
#include "core/quote.h"
#include "language/language.h"
#include "language/speech.h"
#include "working/plain_text.h"
#include "working/seen.h"

#include <algorithm>
#include <cctype>

namespace vorantis::working {
namespace {

using Kind = Math::Kind;

std::string fillRule(std::string_view name,
                     std::initializer_list<std::pair<std::string_view, std::string_view>> values)
{
    return fill(speechRule(name), values);
}

bool isDigits(std::string_view text)
{
    return !text.empty() &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A whole number from 0 to 20 by its word, where a voice could read a digit wrongly beside a
// fraction ("ein Viertel", never "eins Viertel"; "one and three quarters"); any other as its
// digits.
std::string numeral(std::string_view digits, bool numerator)
{
    if (numerator && digits == "1" && !speechRule("numerator 1").empty())
        return std::string(speechRule("numerator 1"));
    if (digits.size() <= 2) {
        const std::string_view word = speechRule("number " + std::string(digits));
        if (!word.empty())
            return std::string(word);
    }
    return std::string(digits);
}

// A number as the program writes it, in the language's words for its sign, its decimal mark and
// its exponent: "-0,125" is "minus null Komma eins zwei fünf"... digits stay digits, which every
// voice reads right, but where a rule says otherwise.
std::string saidNumber(const std::string& written)
{
    std::string_view text = written;
    if (text.starts_with('-') || text.starts_with('+'))
        return text.starts_with('+') ? saidNumber(written.substr(1))
                                     : fillRule("negative", {{"term", saidNumber(written.substr(1))}});
    if (isInfinityText(text)) // a word, not a number in E notation: "Unendlich" holds an e
        return std::string(speechRule("infinity"));
    if (text.starts_with('.') || text.starts_with(',')) // ",5" is said as the 0,5 it is
        return saidNumber("0" + written);
    if (const auto e = text.find_first_of("Ee"); e != std::string_view::npos) {
        std::string exponent(text.substr(text[e + 1] == '+' ? e + 2 : e + 1));
        const bool below = exponent.starts_with('-');
        if (below)
            exponent.erase(0, 1);
        exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1)); // 1E-05: five
        if (below)
            exponent.insert(0, "-");
        const std::string normal = exponent.starts_with('-')
            ? fillRule("negative", {{"term", saidNumber(exponent.substr(1))}})
            : saidNumber(exponent);
        return fillRule("times ten to the",
                        {{"number", saidNumber(std::string(text.substr(0, e)))}, {"exponent", normal}});
    }
    const auto mark = text.find_first_of(".,");
    if (mark == std::string_view::npos)
        return std::string(text);
    std::string decimals(text.substr(mark + 1));
    if (speechRule("decimal digits") == "one by one") {
        std::string apart;
        for (const char digit : decimals)
            apart += (apart.empty() ? "" : " ") + std::string(1, digit);
        decimals = apart;
    }
    return std::string(text.substr(0, mark)) + " " + std::string(speechRule("decimal mark")) + " " + decimals;
}

// What brackets hold, between the language's words for them where it has such words.
std::string grouped(const std::string& said)
{
    const std::string_view open = speechRule("sign ("), close = speechRule("sign )");
    if (open.empty() || close.empty())
        return said;
    return std::string(open) + " " + said + " " + std::string(close);
}

// "three quarters" where the denominator has a name, else "3 over 7".
std::string fraction(const Math& top, const Math& bottom, const Language& writtenIn)
{
    const std::string n = respelled(top.text, writtenIn), d = respelled(bottom.text, writtenIn);
    if (top.kind == Kind::number && bottom.kind == Kind::number && top.text.starts_with('-') && isDigits(d))
        return fillRule("negative",
                        {{"term", fraction(working::number(top.text.substr(1)), bottom, writtenIn)}});
    const std::string_view names =
        isDigits(n) && isDigits(d) ? speechRule("fraction " + d) : std::string_view();
    // A term of several is said between the words for brackets, or (12 ÷ 6)/(18 ÷ 6) would be
    // heard as one division after another.
    const auto term = [&writtenIn](const Math& part) {
        return part.kind == Kind::row ? grouped(spoken(part, writtenIn)) : spoken(part, writtenIn);
    };
    if (names.empty())
        return fillRule("fraction over", {{"numerator", term(top)}, {"denominator", term(bottom)}});
    const auto bar = names.find('|');
    std::string_view one = names.substr(0, bar),
                     many = bar == std::string_view::npos ? one : names.substr(bar + 1);
    const auto trim = [](std::string_view s) {
        while (!s.empty() && s.front() == ' ')
            s.remove_prefix(1);
        while (!s.empty() && s.back() == ' ')
            s.remove_suffix(1);
        return s;
    };
    std::string singulars(speechRule("singular for"));
    bool singular = false;
    for (std::size_t at = 0; at <= singulars.size();) {
        const std::size_t end = std::min(singulars.find(' ', at), singulars.size());
        singular = singular || singulars.substr(at, end - at) == n;
        at = end + 1;
    }
    return fillRule("fraction", {{"numerator", numeral(n, true)}, {"name", trim(singular ? one : many)}});
}

std::string power(const Math& math, const Language& writtenIn)
{
    // (−2)⁴ is said with its brackets: "minus 2 to the power of 4" would be −(2⁴).
    const std::string base = bracketedAsBase(math.parts[0]) && math.parts[0].kind != Kind::fraction
        ? grouped(spoken(math.parts[0], writtenIn))
        : spoken(math.parts[0], writtenIn);
    const Math& exponent = math.parts[1];
    if (exponent.kind == Kind::number && (exponent.text == "2" || exponent.text == "3"))
        return fillRule("power " + exponent.text, {{"base", base}});
    return fillRule("power", {{"base", base}, {"exponent", spoken(exponent, writtenIn)}});
}

// Side by side, a sign by its word; a row of a whole number and a fraction is a mixed number.
std::string row(const Math& math, const Language& writtenIn)
{
    const auto& parts = math.parts;
    if (parts.size() == 2 && parts[0].kind == Kind::number && parts[1].kind == Kind::fraction) {
        const std::string whole = respelled(parts[0].text, writtenIn);
        return fillRule("mixed",
                        {{"whole", isDigits(whole) ? numeral(whole, false) : spoken(parts[0], writtenIn)},
                         {"fraction", spoken(parts[1], writtenIn)}});
    }
    // A minus sign that opens a row is the sign of all that follows it: −(3/6 − 2/6), −1 3/4.
    if (parts.size() >= 2 && parts[0].kind == Kind::sign && parts[0].text == "−") {
        const Math rest = parts.size() == 2 ? parts[1] : working::row({parts.begin() + 1, parts.end()});
        return fillRule("negative", {{"term", spoken(rest, writtenIn)}});
    }
    // Brackets round a single term (2 − (−3)) are only written; round several they are said.
    std::string said;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::string word;
        if (parts[i].kind == Kind::sign && parts[i].text == "(") {
            std::size_t close = i + 1, depth = 1;
            for (; close < parts.size() && depth > 0; ++close)
                if (parts[close].kind == Kind::sign)
                    depth += parts[close].text == "(" ? 1 : parts[close].text == ")" ? -1 : 0;
            const std::vector<Math> inner(parts.begin() + long(i) + 1, parts.begin() + long(close) - 1);
            word = inner.size() == 1 ? spoken(inner.front(), writtenIn)
                                     : grouped(spoken(working::row(inner), writtenIn));
            i = close - 1;
        } else {
            word = spoken(parts[i], writtenIn);
        }
        if (!word.empty())
            said += (said.empty() ? "" : " ") + word;
    }
    return said;
}

} // namespace

std::string spoken(const Math& math, const Language& writtenIn)
{
    switch (math.kind) {
    case Kind::number:
        return saidNumber(respelled(math.text, writtenIn));
    case Kind::typed:
        return quoted(math.text);
    case Kind::sign:
        return std::string(speechRule("sign " + math.text));
    case Kind::words:
        return std::string(tr(math.text));
    case Kind::fraction:
        return fraction(math.parts[0], math.parts[1], writtenIn);
    case Kind::power:
        return power(math, writtenIn);
    case Kind::root:
        return fillRule("root", {{"radicand", spoken(math.parts[0], writtenIn)}});
    case Kind::row:
        return row(math, writtenIn);
    case Kind::list: {
        std::string said;
        for (const Math& item : math.parts)
            said += (said.empty() ? "" : ", ") + spoken(item, writtenIn);
        return said;
    }
    }
    return {};
}

std::string spoken(const Step& step, const Language& writtenIn)
{
    std::string said;
    for (const Piece& piece : piecesOf(step))
        said += piece.math ? spoken(*piece.math, writtenIn) : std::string(piece.words);
    return said;
}

std::string spoken(const Entry& entry)
{
    // Each line a sentence of its own: a full stop after it, unless it ends as a question does.
    std::string said;
    const auto add = [&said](const std::string& line) {
        said += (said.empty() ? "" : " ") + line + (line.ends_with('?') || line.ends_with('.') ? "" : ".");
    };
    add(spoken(entry.heading, *entry.language));
    for (const Step& step : entry.steps)
        add(spoken(step, *entry.language));
    for (const auto& last : {entry.result, entry.afterword})
        if (last)
            add(spoken(*last, *entry.language));
    if (entry.failure)
        add(asSentence(entry.failure->said()));
    return said;
}

std::string asSentence(std::string said)
{
    const auto first = said.empty() ? 0 : static_cast<unsigned char>(said[0]);
    if (first >= 'a' && first <= 'z') {
        said[0] = static_cast<char>(first - 'a' + 'A');
    } else if (first == 0xC3 && said.size() >= 2) {
        // à to þ, but for ÷, are C3 A0 to C3 BE in UTF-8, and their capitals C3 80 to C3 9E.
        const auto second = static_cast<unsigned char>(said[1]);
        if (second >= 0xA0 && second <= 0xBE && second != 0xB7)
            said[1] = static_cast<char>(second - 0x20);
    }
    return said;
}

std::string spokenValue(const std::string& text)
{
    const Math value = term(text);
    if (value.kind != Kind::number)
        return {};
    std::string said = spoken(value, currentLanguage());
    return said == text ? std::string() : said;
}

} // namespace vorantis::working
