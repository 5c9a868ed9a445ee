// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/plain_text.h"

#include "core/convert.h"
#include "core/quote.h"
#include "language/language.h"

#include <array>

namespace vorantis::working {
namespace {

using Kind = Math::Kind;

// An exponent of digits, with a sign, is raised as a pupil writes it: 2¹⁰, 2⁻¹.
std::string superscript(std::string_view exponent)
{
    static constexpr std::array<std::string_view, 10> digits{"⁰", "¹", "²", "³", "⁴",
                                                             "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string raised;
    for (const char c : exponent) {
        if (c == '-')
            raised += "⁻";
        else if (c >= '0' && c <= '9')
            raised += digits[static_cast<std::size_t>(c - '0')];
        else
            return {};
    }
    return raised;
}

bool isBinarySign(const Math& math)
{
    return math.kind == Kind::sign && math.text != "(" && math.text != ")";
}

// A term that needs brackets to stand in a fraction's numerator, a power's base or under a root.
bool isCompound(const Math& math)
{
    return math.kind == Kind::row || (math.kind == Kind::number && math.text.starts_with('-'));
}

std::string inBrackets(const std::string& text) { return "(" + text + ")"; }

} // namespace

std::string plainText(const Math& math, const Language& writtenIn)
{
    const auto text = [&writtenIn](const Math& part) { return plainText(part, writtenIn); };
    switch (math.kind) {
    case Kind::number:
        return respelled(math.text, writtenIn);
    case Kind::typed:
        return quoted(math.text);
    case Kind::sign:
        return math.text;
    case Kind::words:
        return std::string(tr(math.text));
    case Kind::fraction: {
        const Math& numerator = math.parts[0];
        const Math& denominator = math.parts[1];
        return (numerator.kind == Kind::row ? inBrackets(text(numerator)) : text(numerator)) + "/" +
            (denominator.kind == Kind::row ? inBrackets(text(denominator)) : text(denominator));
    }
    case Kind::power: {
        const std::string base =
            bracketedAsBase(math.parts[0]) ? inBrackets(text(math.parts[0])) : text(math.parts[0]);
        const std::string exponent = text(math.parts[1]);
        const std::string raised = math.parts[1].kind == Kind::number ? superscript(exponent) : std::string();
        return base + (raised.empty() ? "^" + exponent : raised);
    }
    case Kind::root:
        return "√" + (isCompound(math.parts[0]) ? inBrackets(text(math.parts[0])) : text(math.parts[0]));
    case Kind::row: {
        // Signs between terms stand apart; a sign that opens a row is the term's own (−3/4).
        std::string line;
        for (std::size_t i = 0; i < math.parts.size(); ++i) {
            const Math& part = math.parts[i];
            const bool tight = i == 0 || (part.kind == Kind::sign && part.text == ")") ||
                (math.parts[i - 1].kind == Kind::sign && math.parts[i - 1].text == "(") ||
                (i == 1 && isBinarySign(math.parts[0]));
            // A minus sign of a term's own is written as the program writes one in a number.
            const bool unary = i == 0 && part.kind == Kind::sign && part.text == "−";
            line += (tight ? "" : " ") + (unary ? std::string("-") : text(part));
        }
        return line;
    }
    case Kind::list: {
        std::string line;
        // TRANSLATORS: between the numbers of a list (2, 4, 6); a language with a decimal comma may
        // want a semicolon, so that 6, 12 does not read as 6,12.
        const std::string_view separator = tr(", ", "list");
        for (std::size_t i = 0; i < math.parts.size(); ++i)
            line += (i == 0 ? std::string() : std::string(separator)) + text(math.parts[i]);
        return line;
    }
    }
    return {};
}

std::string plainText(const Step& step, const Language& writtenIn)
{
    std::string line;
    for (const Piece& piece : piecesOf(step))
        line += piece.math ? plainText(*piece.math, writtenIn) : std::string(piece.words);
    return line;
}

std::string plainText(const Entry& entry)
{
    std::string text = plainText(entry.heading, *entry.language);
    for (const Step& step : entry.steps)
        text += "\n" + plainText(step, *entry.language);
    for (const auto& last : {entry.result, entry.afterword})
        if (last)
            text += "\n" + plainText(*last, *entry.language);
    if (entry.failure)
        text += "\n" + entry.failure->said();
    return text;
}

} // namespace vorantis::working
