// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/sheet_code.h"

#include "language/language.h"
#include "practice/levels.h"
#include "practice/numbers.h"

namespace vorantis::practice {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

char capital(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The seed after the dash: 1 to 6 digits, without a 0 before others, so each sheet has one code.
std::optional<std::uint32_t> seedIn(std::string_view text)
{
    if (text.empty() || text.size() > 6 || (text.size() > 1 && text.front() == '0'))
        return std::nullopt;
    std::uint32_t seed = 0;
    for (const char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        seed = seed * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return seed;
}

} // namespace

std::variant<SheetCode, UnreadCode> readSheetCode(std::string_view text)
{
    const std::string_view code = trimmed(text);
    const auto unread = [&](CodeProblem problem, std::optional<Topic> topic = {}) {
        return UnreadCode{problem, std::string(code), topic};
    };
    if (code.empty())
        return unread(CodeProblem::empty);
    const std::string letters{capital(code[0]), code.size() > 1 ? capital(code[1]) : ' '};
    const TopicRow* topic = topicCoded(letters);
    if (!topic)
        return unread(CodeProblem::unknownTopic);
    if (code.size() < 3 || !isDigit(code[2]) || code[2] == '0' || code[2] - '0' > levelCount(topic->topic))
        return unread(CodeProblem::noSuchLevel, topic->topic);
    const auto seed = code.size() > 3 && code[3] == '-' ? seedIn(code.substr(4)) : std::nullopt;
    if (!seed)
        return unread(CodeProblem::badSeed, topic->topic);
    return SheetCode{topic->topic, code[2] - '0', *seed};
}

std::string codeText(const SheetCode& code)
{
    return std::string(topicRow(code.topic).code) + std::to_string(code.level) + "-" +
        std::to_string(code.seed);
}

working::Step problemStep(const UnreadCode& unread)
{
    const working::Math typed = working::typed(unread.typed);
    switch (unread.problem) {
    case CodeProblem::empty:
        return working::said(translatable("Type the code of a sheet, such as {example}."),
                             {{"example", working::typed("FA3-4821")}});
    case CodeProblem::unknownTopic:
        return working::said(translatable("{code} does not begin with the two letters of a topic."),
                             {{"code", typed}});
    case CodeProblem::noSuchLevel:
        return working::said(
            translatable("{code}: after its two letters comes a level from {first} to {last}."),
            {{"code", typed}, {"first", whole(1)}, {"last", whole(levelCount(*unread.topic))}});
    case CodeProblem::badSeed:
        return working::said(
            translatable("{code}: after the level comes a dash and a number of up to {digits} "
                         "digits."),
            {{"code", typed}, {"digits", whole(6)}});
    }
    return {};
}

std::uint64_t seedOf(const SheetCode& code)
{
    const std::string_view letters = topicRow(code.topic).code;
    return std::uint64_t(static_cast<unsigned char>(letters[0])) << 56 |
        std::uint64_t(static_cast<unsigned char>(letters[1])) << 48 | std::uint64_t(code.level) << 32 |
        code.seed;
}

} // namespace vorantis::practice
