// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quote.h"

#include <vector>

namespace vorantis {
namespace {

constexpr std::size_t longest = 24;
constexpr std::size_t kept = 11; // characters kept at each end of a longer text

std::string_view visibleMark(char c)
{
    switch (c) {
    case '\n':
    case '\r':
        return "¶";
    case '\t':
        return "→";
    default:
        return "◌";
    }
}

// The marks and embeddings of Unicode's bidirectional algorithm: U+061C, U+200E and U+200F,
// U+202A to U+202E, U+2066 to U+2069.
bool turnsDirection(std::string_view c)
{
    if (c == "\u061c" || c == "\u200e" || c == "\u200f")
        return true;
    if (c.size() != 3 || c[0] != '\xe2')
        return false;
    const auto second = static_cast<unsigned char>(c[1]), third = static_cast<unsigned char>(c[2]);
    return (second == 0x80 && third >= 0xaa && third <= 0xae) ||
        (second == 0x81 && third >= 0xa6 && third <= 0xa9);
}

} // namespace

std::string quoted(std::string_view text)
{
    // The text's characters, each as its UTF-8 bytes, control characters as their marks.
    std::vector<std::string> characters;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f)
            characters.emplace_back(visibleMark(c));
        else if ((byte & 0xc0) == 0x80 && !characters.empty())
            characters.back() += c; // the rest of a character of several bytes
        else
            characters.emplace_back(1, c);
    }
    std::string shown = "\"";
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (characters.size() > longest && i == kept) {
            shown += "…";
            i = characters.size() - kept;
        }
        // The line and paragraph separators of Unicode break a line as \n does; the other
        // control characters beyond ASCII (U+0080 to U+009F), and those that turn the
        // direction of the text after them, are marked as the ones below it: a pasted
        // right-to-left override would otherwise reverse the rest of the message.
        const std::string& c = characters[i];
        shown += c == "\u2028" || c == "\u2029" || c == "\u0085"                         ? "¶"
            : c.size() == 2 && c[0] == '\xc2' && static_cast<unsigned char>(c[1]) < 0xa0 ? "◌"
            : turnsDirection(c)                                                          ? "◌"
                                                                                         : c;
    }
    return shown + "\"";
}

} // namespace vorantis
