// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/mathml.h"

#include "core/convert.h"
#include "core/quote.h"
#include "language/language.h"
#include "working/speech.h"

namespace vorantis::working {
namespace {

using Kind = Math::Kind;

std::string element(std::string_view name, const std::string& content)
{
    return "<" + std::string(name) + ">" + content + "</" + std::string(name) + ">";
}

// A number's minus sign is an operator of its own in MathML, drawn as a pupil writes it (−).
std::string numberML(const std::string& text)
{
    if (text.starts_with('-'))
        return element("mrow", "<mo form=\"prefix\">−</mo>" + element("mn", escapedHtml(text.substr(1))));
    return element("mn", escapedHtml(text));
}

} // namespace

std::string escapedHtml(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string mathML(const Math& math, const Language& writtenIn)
{
    const auto ml = [&writtenIn](const Math& part) { return mathML(part, writtenIn); };
    switch (math.kind) {
    case Kind::number:
        return numberML(respelled(math.text, writtenIn));
    case Kind::typed:
        return element("mtext", escapedHtml(quoted(math.text)));
    case Kind::sign:
        return element("mo", escapedHtml(math.text));
    case Kind::words:
        // Spaced from the terms beside it, as the words of a sentence are.
        return element("mtext", "\u00a0" + escapedHtml(tr(math.text)) + "\u00a0");
    case Kind::fraction: {
        // A minus sign of the numerator stands before the bar, where a pupil writes it.
        const Math& top = math.parts[0];
        if (top.kind == Kind::number && top.text.starts_with('-'))
            return element("mrow",
                           "<mo form=\"prefix\">−</mo>" +
                               element("mfrac",
                                       element("mrow", numberML(respelled(top.text.substr(1), writtenIn))) +
                                           element("mrow", ml(math.parts[1]))));
        return element("mfrac", element("mrow", ml(top)) + element("mrow", ml(math.parts[1])));
    }
    case Kind::power: {
        const std::string base = bracketedAsBase(math.parts[0])
            ? element("mrow", "<mo>(</mo>" + ml(math.parts[0]) + "<mo>)</mo>")
            : ml(math.parts[0]);
        return element("msup", element("mrow", base) + element("mrow", ml(math.parts[1])));
    }
    case Kind::root:
        return element("msqrt", ml(math.parts[0]));
    case Kind::row: {
        std::string content;
        for (std::size_t i = 0; i < math.parts.size(); ++i) {
            const Math& part = math.parts[i];
            // A sign that opens a row is the term's own: −3/4.
            content += i == 0 && part.kind == Kind::sign && part.text == "−" ? "<mo form=\"prefix\">−</mo>"
                                                                             : ml(part);
        }
        return element("mrow", content);
    }
    case Kind::list: {
        std::string content;
        const std::string separator = "<mo>" + escapedHtml(tr(", ", "list")) + "</mo>";
        for (std::size_t i = 0; i < math.parts.size(); ++i)
            content += (i == 0 ? std::string() : separator) + ml(math.parts[i]);
        return element("mrow", content);
    }
    }
    return {};
}

std::string html(const Step& step, const Language& writtenIn)
{
    std::string text;
    for (const Piece& piece : piecesOf(step))
        // A screen reader says each piece as a pupil says it: "three quarters", not "3 slash 4".
        text += piece.math ? "<math aria-label=\"" + escapedHtml(spoken(*piece.math, writtenIn)) + "\">" +
                mathML(*piece.math, writtenIn) + "</math>"
                           : escapedHtml(piece.words);
    return text;
}

std::string html(const Entry& entry)
{
    const Language& language = *entry.language;
    // Each line keeps its spoken form, which Read Aloud says; the heading is named by it too, so
    // that a screen reader lists it among the headings in words.
    const auto line = [&language](std::string_view tag, std::string_view attributes, const Step& step,
                                  std::string_view inner = {}) {
        const std::string said = escapedHtml(spoken(step, language));
        return "<" + std::string(tag) + std::string(attributes) + " data-spoken=\"" + said + "\"" +
            (tag == "h3" ? " aria-label=\"" + said + "\"" : std::string()) + ">" +
            (inner.empty()
                 ? html(step, language)
                 : "<" + std::string(inner) + ">" + html(step, language) + "</" + std::string(inner) + ">") +
            "</" + std::string(tag) + ">";
    };
    std::string text = line("h3", "", entry.heading);
    for (const Step& step : entry.steps)
        text += line("p", "", step);
    if (entry.result)
        text += line("p", " class=\"result\"", *entry.result, "strong");
    if (entry.afterword)
        text += line("p", "", *entry.afterword);
    if (entry.failure) {
        const std::string said = escapedHtml(entry.failure->said());
        text += "<p class=\"failure\" data-spoken=\"" + said + "\">" + said + "</p>";
    }
    return text;
}

} // namespace vorantis::working
