// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A sheet's code names its topic, its level and the seed of its exercises, "FA3-4821": the
// topic's two letters, the level's digit, a dash and a seed of 1 to 6 digits. A pupil who types
// a teacher's code gets the teacher's sheet. Reading one forgives the case of its letters and
// blanks around it, nothing else; a code that cannot be read says why, in words.

#include "practice/topics.h"
#include "working/entry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vorantis::practice {

struct SheetCode {
    Topic topic;
    int level; // from 1
    std::uint32_t seed; // up to 999999

    bool operator==(const SheetCode&) const = default;
};

inline constexpr std::uint32_t largestSeed = 999999;

enum class CodeProblem {
    empty,
    unknownTopic, // no topic has its first two letters
    noSuchLevel, // its topic has no level of that digit
    badSeed, // no dash and seed of 1 to 6 digits after the level, a 0 before other digits, or more after
};

struct UnreadCode {
    CodeProblem problem;
    std::string typed; // the code as typed, for the message
    std::optional<Topic> topic; // where its letters name one
};

std::variant<SheetCode, UnreadCode> readSheetCode(std::string_view text);
std::string codeText(const SheetCode& code);

// Why the code cannot be read, for a front end to write or say.
working::Step problemStep(const UnreadCode& unread);

// Where a sheet's source of chance starts: its topic's letters, its level and its seed side by
// side, so that two sheets never share their numbers.
std::uint64_t seedOf(const SheetCode& code);

} // namespace vorantis::practice
