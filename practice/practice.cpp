// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practice.h"

#include "language/language.h"
#include "practice/calculator.h"
#include "practice/hint.h"

namespace vorantis::practice {
namespace {

constexpr std::string_view rightWords = translatable("Right.");
constexpr std::string_view notYetWords = translatable("Not yet.");
constexpr std::string_view workingWords = translatable("Here is the working.");

working::Step words(std::string_view english) { return working::said(english, {}); }

} // namespace

void Practice::end(int Tally::*column)
{
    if (!m_ended)
        ++(m_tally.*column);
    m_ended = true;
}

Reply Practice::answer(const Answer& typed)
{
    const Checked checked = check(m_exercise, typed);
    Reply reply{checked.outcome, {}, std::nullopt, &currentLanguage()};
    switch (checked.outcome) {
    case Outcome::right:
        reply.lines.push_back(checked.note.value_or(words(rightWords)));
        end(m_helped ? &Tally::rightAfterHint : &Tally::rightFirstTime);
        break;
    case Outcome::unfinished:
        reply.lines.push_back(*checked.note);
        end(&Tally::rightAfterHint);
        break;
    case Outcome::unread:
        reply.lines.push_back(*checked.note);
        break;
    case Outcome::notYet:
        m_helped = true;
        if (++m_wrong >= 2) {
            reply.lines = {words(notYetWords), words(workingWords)};
            reply.working = workingOf(m_exercise);
            end(&Tally::shown);
        } else {
            reply.lines = {words(notYetWords),
                           checked.note ? *checked.note : hintFor(m_exercise, workingOf(m_exercise))};
        }
        break;
    }
    return reply;
}

Reply Practice::hint()
{
    m_helped = true;
    return {std::nullopt, {hintFor(m_exercise, workingOf(m_exercise))}, std::nullopt, &currentLanguage()};
}

Reply Practice::showWorking()
{
    end(&Tally::shown);
    return {std::nullopt, {words(workingWords)}, workingOf(m_exercise), &currentLanguage()};
}

void Practice::next()
{
    m_exercise = m_sheet.next();
    m_helped = false;
    m_wrong = 0;
    m_ended = false;
}

} // namespace vorantis::practice
