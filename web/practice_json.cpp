// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/practice_json.h"

#include "language/language.h"
#include "practice/captions.h"
#include "practice/levels.h"
#include "practice/room.h"
#include "practice/topics.h"
#include "web/json.h"
#include "working/mathml.h"
#include "working/plain_text.h"
#include "working/speech.h"

#include <vector>

namespace vorantis::practiceJson {
namespace {

using working::Step;

const Language& inUse() { return currentLanguage(); }

std::string text(const working::Math& math) { return json::string(working::plainText(math, inUse())); }

// A step as HTML with MathML, the numbers written in `writtenIn`.
std::string page(const Step& step, const Language& writtenIn)
{
    return json::string(working::html(step, writtenIn));
}

std::string pages(const std::vector<Step>& steps, const Language& writtenIn)
{
    return json::array(steps, [&writtenIn](const Step& step) { return page(step, writtenIn); });
}

std::string spokenSteps(const std::vector<Step>& steps, const Language& writtenIn)
{
    std::string said;
    for (const Step& step : steps)
        said += (said.empty() ? "" : " ") + working::spoken(step, writtenIn);
    return said;
}

std::string topicsJson()
{
    return json::array(practice::topics(), [](const practice::TopicRow& row) {
        std::vector<std::string> levels;
        for (int level = 1; level <= practice::levelCount(row.topic); ++level)
            levels.push_back(working::plainText(practice::levelStep(row.topic, level), inUse()));
        return json::object({{"code", json::string(row.code)},
                             {"name", json::string(working::plainText(practice::nameOf(row.topic), inUse()))},
                             {"levels", json::strings(levels)}});
    });
}

// "Page {page} of {pages}" cut into its words and its two numbers, in order, for a printed page's
// foot to count its pages itself: {"text": "Page "}, {"count": "page"}, ...
std::string pageParts()
{
    const Step line = practice::pageLine(1, 2);
    return json::array(working::piecesOf(line), [&line](const working::Piece& piece) {
        if (!piece.math)
            return json::object({{"text", json::string(piece.words)}});
        const bool first = piece.math == &line.values.front().second;
        return json::object({{"count", json::string(first ? "page" : "pages")}});
    });
}

std::string roomTexts()
{
    using practice::RoomText;
    constexpr std::pair<std::string_view, RoomText> named[]{
        {"practice", RoomText::practice},
        {"topic", RoomText::topic},
        {"level", RoomText::level},
        {"sheetCode", RoomText::sheetCode},
        {"newSheet", RoomText::newSheet},
        {"printWorksheet", RoomText::printWorksheet},
        {"exercises", RoomText::exercises},
        {"answerKey", RoomText::answerKey},
        {"noAnswerKey", RoomText::noAnswerKey},
        {"textSize", RoomText::textSize},
        {"paper", RoomText::paper},
        {"name", RoomText::name},
        {"date", RoomText::date},
        {"answers", RoomText::answers},
        {"start", RoomText::start},
        {"cancel", RoomText::cancel},
    };
    std::string object = "{";
    for (const auto& [name, words] : named)
        object +=
            (object.size() > 1 ? "," : "") + json::string(name) + ":" + text(practice::roomWords(words));
    return object + "}";
}

// "Sheet FA3-4821" as a page's margin shows it: the code as typed, without a quotation's marks.
std::string sheetLineText(const std::string& code)
{
    const Step line = practice::sheetLine(code);
    std::string text;
    for (const working::Piece& piece : working::piecesOf(line))
        text += piece.math ? code : std::string(piece.words);
    return text;
}

std::string_view shapeName(practice::AnswerShape shape)
{
    using practice::AnswerShape;
    switch (shape) {
    case AnswerShape::fraction:
        return "fraction";
    case AnswerShape::decimal:
        return "decimal";
    case AnswerShape::percent:
        return "percent";
    case AnswerShape::wholeNumber:
        return "wholeNumber";
    case AnswerShape::quotientAndRemainder:
        return "quotientAndRemainder";
    case AnswerShape::verdict:
        return "verdict";
    }
    return "";
}

std::string fieldsOf(practice::AnswerShape shape)
{
    return json::array(practice::answerFields(shape),
                       [](const practice::AnswerField& field) { return text(practice::captionOf(field)); });
}

std::string questionPage(const practice::Exercise& exercise)
{
    return page(working::shown(exercise.question), *exercise.language);
}

} // namespace

std::string words()
{
    return json::object(
        {{"texts", roomTexts()},
         {"topics", topicsJson()},
         {"moves",
          json::array(practice::moves(),
                      [](const practice::MoveRow& row) { return text(practice::captionOf(row.move)); })},
         {"verdicts",
          json::array(
              practice::verdictChoices(),
              [](const practice::VerdictChoice& choice) { return text(practice::captionOf(choice)); })},
         {"papers",
          json::array(practice::papers(),
                      [](const practice::PaperRow& row) {
                          return json::object(
                              {{"code", json::string(row.code)}, {"caption", json::string(tr(row.caption))}});
                      })},
         {"points", json::array(practice::sheetPoints, [](int points) { return json::number(points); })},
         {"fewest", json::number(practice::fewestOnASheet)},
         {"most", json::number(practice::mostOnASheet)},
         {"largestSeed", json::number(practice::largestSeed)},
         {"pageParts", pageParts()}});
}

std::string room(const practice::Practice& practice, std::string_view code,
                 const std::optional<practice::Reply>& reply, std::string_view said)
{
    const practice::Exercise& exercise = practice.exercise();
    const auto fromStart = practice::readSheetCode(code);
    const auto& sheetCode = std::get<practice::SheetCode>(fromStart);
    return json::object(
        {{"code", json::string(code)},
         {"topic", json::number(static_cast<int>(sheetCode.topic))},
         {"level", json::number(sheetCode.level)},
         {"number", json::number(exercise.index + 1)},
         {"instruction", page(practice::instructionOf(exercise.topic), inUse())},
         {"question", questionPage(exercise)},
         {"shape", json::string(shapeName(exercise.shape))},
         {"fields", fieldsOf(exercise.shape)},
         {"lines", reply ? pages(reply->lines, *reply->language) : "[]"},
         {"working", json::string(reply && reply->working ? working::html(*reply->working) : std::string())},
         {"tally", pages(practice::tallyLines(practice.tally()), inUse())},
         {"ended", json::boolean(practice.ended())},
         {"said", json::string(said)}});
}

std::string question(const practice::Exercise& exercise)
{
    return working::spoken(practice::instructionOf(exercise.topic), inUse()) + " " +
        working::spoken(exercise.question, *exercise.language);
}

std::string said(const practice::Reply& reply) { return spokenSteps(reply.lines, *reply.language); }

std::string problem(const practice::UnreadCode& unread)
{
    const Step why = practice::problemStep(unread);
    return json::object(
        {{"problem", page(why, inUse())}, {"said", json::string(working::spoken(why, inUse()))}});
}

practice::Answer answer(std::string_view texts, int verdict)
{
    practice::Answer typed;
    for (auto end = texts.find('\n'); end != std::string_view::npos; end = texts.find('\n')) {
        typed.texts.emplace_back(texts.substr(0, end));
        texts.remove_prefix(end + 1);
    }
    const auto choices = practice::verdictChoices();
    if (verdict >= 0 && verdict < static_cast<int>(choices.size()))
        typed.verdict = choices[static_cast<std::size_t>(verdict)].verdict;
    return typed;
}

std::string sheet(const practice::Worksheet& sheet)
{
    const Language& writtenIn = *sheet.language;
    const std::string code = practice::codeText(sheet.code);
    return json::object(
        {{"code", json::string(code)},
         {"sheetLine", json::string(sheetLineText(code))},
         {"title", page(sheet.title, writtenIn)},
         {"level", page(sheet.level, writtenIn)},
         {"instruction", page(sheet.instruction, writtenIn)},
         {"exercises",
          json::array(sheet.exercises,
                      [](const practice::Exercise& exercise) { return questionPage(exercise); })},
         {"key", json::array(sheet.key, [&writtenIn](const practice::KeyLine& line) {
              return json::object({{"answer", page(working::shown(line.answer), writtenIn)},
                                   {"working", pages(line.working, writtenIn)}});
          })}});
}

} // namespace vorantis::practiceJson
