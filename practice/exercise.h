// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One exercise of a sheet: the question a pupil reads, the shape of the answer to type, the
// exact answer and the answer as a teacher writes it, and the calculator's own procedure with
// the fields it is typed into, so that its working is the calculator's working.

#include "core/exact_fraction.h"
#include "language/language.h"
#include "panels/form.h"
#include "panels/procedures.h"
#include "practice/topics.h"
#include "working/math.h"

#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace vorantis::practice {

enum class AnswerShape {
    fraction, // an optional whole part, a numerator and a denominator
    decimal,
    percent, // the number before the % sign
    wholeNumber,
    quotientAndRemainder,
    verdict, // prime, composite or neither
};

enum class Verdict { prime, composite, neither };

struct QuotientAndRemainder {
    std::int64_t quotient, remainder;
};

// A Ratio in lowest terms (for a percent, the number before the % sign), a quotient with its
// remainder, or a verdict.
using ExactAnswer = std::variant<Ratio, QuotientAndRemainder, Verdict>;

// A field of the calculator and the text typed into it, in the program's plain form ("2.35").
using TypedField = std::pair<Field, std::string>;

struct Exercise {
    Topic topic;
    int level; // from 1
    int index; // from 0, its place on the sheet
    const Language* language; // the one its numbers were written in
    working::Math question; // "1/2 + 1/3", "3/4 as a decimal"
    AnswerShape shape;
    ExactAnswer exact;
    working::Math usual; // "5/6", "1 3/4", "0.75", "75%", "3 remainder 2", "Prime"
    ProcedureId procedure;
    std::vector<TypedField> fields;
};

// What a draw of the generators gives: an exercise but for its place and the answer's usual form.
struct Drawn {
    working::Math question;
    AnswerShape shape;
    ExactAnswer exact;
    ProcedureId procedure;
    std::vector<TypedField> fields;
};

// The answer as a teacher writes it: a fraction in lowest terms (above 1 in size a mixed number
// where `mixed`), a decimal, a percent, "3 remainder 2", "Prime".
working::Math usualAnswer(const ExactAnswer& exact, AnswerShape shape, bool mixed);

// Whether two draws ask the same: the same procedure on the same numbers, for the same form.
bool sameExercise(const Drawn& left, const Drawn& right);

} // namespace vorantis::practice
