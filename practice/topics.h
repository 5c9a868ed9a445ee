// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the practice room offers: a table of topics, each with the two letters that begin its
// sheet codes, its name, what a sheet of it asks, and a tip for the exercises whose working
// goes straight to the answer. A front end lists its topics from here; their levels are in
// practice/levels.h.

#include "working/entry.h"

#include <span>
#include <string_view>

namespace vorantis::practice {

enum class Topic {
    fractionSums, // FA
    fractionDifferences, // FS
    fractionProducts, // FM
    fractionQuotients, // FD
    simplifying, // SF
    conversions, // FP
    wholeDivision, // WD
    decimalSums, // DA
    decimalDifferences, // DS
    decimalProducts, // DM
    decimalQuotients, // DD
    powers, // PW
    squareRoots, // SR
    primes, // PC
};

struct TopicRow {
    Topic topic;
    std::string_view code; // two capitals
    std::string_view name; // English, said through the catalogue
    std::string_view instruction; // English: what every exercise of the topic asks
    std::string_view tip; // English: a hint where the working has no step short of the answer
    bool mixedAnswers; // an answer above 1 is written as a mixed number, as a calculation's is
};

// In the order of Topic.
std::span<const TopicRow> topics();
const TopicRow& topicRow(Topic topic);
// The topic of those two letters, capitals only; nullptr for none.
const TopicRow* topicCoded(std::string_view code);

// The name and the instruction as steps of words alone, for a front end to write or say.
working::Step nameOf(Topic topic);
working::Step instructionOf(Topic topic);

} // namespace vorantis::practice
