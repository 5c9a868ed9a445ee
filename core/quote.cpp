// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quote.h"

#include "language/language.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vorantis {
namespace {

constexpr std::size_t longest = 24;
constexpr std::size_t kept = 11; // characters kept at each end of a longer text

// Unicode's format characters (general category Cf): they draw nothing, yet change what a text
// says (a zero-width space inside "12 3", a soft hyphen) or which way it runs (the marks,
// embeddings, overrides and isolates of the bidirectional algorithm). Unicode 15.
struct Range {
    char32_t first, last;
};
constexpr std::array formatCharacters{
    Range{0x00ad, 0x00ad},   Range{0x0600, 0x0605},   Range{0x061c, 0x061c},   Range{0x06dd, 0x06dd},
    Range{0x070f, 0x070f},   Range{0x0890, 0x0891},   Range{0x08e2, 0x08e2},   Range{0x180e, 0x180e},
    Range{0x200b, 0x200f},   Range{0x202a, 0x202e},   Range{0x2060, 0x2064},   Range{0x2066, 0x206f},
    Range{0xfeff, 0xfeff},   Range{0xfff9, 0xfffb},   Range{0x110bd, 0x110bd}, Range{0x110cd, 0x110cd},
    Range{0x13430, 0x1343f}, Range{0x1bca0, 0x1bca3}, Range{0x1d173, 0x1d17a}, Range{0xe0001, 0xe0001},
    Range{0xe0020, 0xe007f},
};

bool isFormatCharacter(char32_t c)
{
    return std::any_of(formatCharacters.begin(), formatCharacters.end(),
                       [c](Range range) { return c >= range.first && c <= range.last; });
}

// One character of the text: its bytes as they came, and its code point (U+FFFD for bytes that
// are no UTF-8, which are kept as they are).
struct Character {
    std::string bytes;
    char32_t code;
};

std::vector<Character> charactersOf(std::string_view text)
{
    std::vector<Character> characters;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1
            : lead >> 5 == 0x6                 ? 2
            : lead >> 4 == 0xe                 ? 3
            : lead >> 3 == 0x1e                ? 4
                                               : 1;
        char32_t code = length == 1 ? (lead < 0x80 ? lead : 0xfffd) : lead & (0x7f >> length);
        std::size_t taken = 1;
        for (; taken < length && i + taken < text.size(); ++taken) {
            const auto next = static_cast<unsigned char>(text[i + taken]);
            if ((next & 0xc0) != 0x80)
                break;
            code = code << 6 | (next & 0x3f);
        }
        if (taken < length)
            code = 0xfffd;
        characters.push_back({std::string(text.substr(i, taken)), code});
        i += taken;
    }
    return characters;
}

// How a character shows in a quote: a line break (Unicode's separators too) as ¶, a tab as →,
// any other control or format character as ◌.
std::string_view markFor(char32_t c)
{
    if (c == '\n' || c == '\r' || c == 0x85 || c == 0x2028 || c == 0x2029)
        return "¶";
    if (c == '\t')
        return "→";
    if (c < 0x20 || (c >= 0x7f && c < 0xa0) || isFormatCharacter(c))
        return "◌";
    return {};
}

} // namespace

std::string quoted(std::string_view text)
{
    const std::vector<Character> characters = charactersOf(text);
    std::string shown;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (characters.size() > longest && i == kept) {
            shown += "…";
            i = characters.size() - kept;
        }
        const std::string_view mark = markFor(characters[i].code);
        shown += mark.empty() ? std::string_view(characters[i].bytes) : mark;
    }
    // TRANSLATORS: how a message quotes what the user typed, with the language's own marks.
    return fill(tr("\"{text}\""), {{"text", shown}});
}

} // namespace vorantis
