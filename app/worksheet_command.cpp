// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/worksheet_command.h"

#include "app/qt_text.h"
#include "app/worksheet_painting.h"
#include "practice/room.h"
#include "working/plain_text.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vorantis {
namespace {

using practice::RoomText;

QString said(RoomText text)
{
    return toQString(working::plainText(practice::roomWords(text), currentLanguage()));
}

enum Status { written = 0, notWritten = 1, badChoice = 2 };

int fail(Status status, const working::Step& why, const QString& program)
{
    std::fputs(
        qPrintable(QString("%1: %2\n").arg(program, toQString(working::plainText(why, currentLanguage())))),
        stderr);
    return status;
}

} // namespace

bool WorksheetCommand::asked(int argc, char* argv[])
{
    return std::any_of(argv + 1, argv + argc, [](const char* argument) {
        return std::strcmp(argument, "--worksheet") == 0 || std::strncmp(argument, "--worksheet=", 12) == 0;
    });
}

WorksheetCommand::WorksheetCommand()
    : m_code("worksheet", said(RoomText::worksheetOption), "CODE"),
      m_count("count", said(RoomText::countOption), "N"), m_noKey("no-key", said(RoomText::noKeyOption)),
      m_size("size", said(RoomText::sizeOption), "POINTS"),
      m_paper("paper", said(RoomText::paperOption), "PAPER"),
      m_output("output", said(RoomText::outputOption), "FILE")
{
}

void WorksheetCommand::addTo(QCommandLineParser& parser) const
{
    parser.addOptions({m_code, m_count, m_noKey, m_size, m_paper, m_output});
}

bool WorksheetCommand::isSet(const QCommandLineParser& parser) const { return parser.isSet(m_code); }

int WorksheetCommand::run(const QCommandLineParser& parser, const QString& program) const
{
    const auto read = practice::readSheetCode(parser.value(m_code).toStdString());
    if (const auto* unread = std::get_if<practice::UnreadCode>(&read))
        return fail(badChoice, practice::problemStep(*unread), program);
    SheetChoices choices{.key = !parser.isSet(m_noKey), .paper = usualPaper()};
    bool number = true;
    if (parser.isSet(m_count))
        choices.count = parser.value(m_count).toInt(&number);
    if (!number || choices.count < practice::fewestOnASheet || choices.count > practice::mostOnASheet)
        return fail(badChoice, practice::countProblem(parser.value(m_count).toStdString()), program);
    if (parser.isSet(m_size)) {
        const QString size = parser.value(m_size);
        const auto* points = std::find_if(std::begin(practice::sheetPoints), std::end(practice::sheetPoints),
                                          [&](int each) { return QString::number(each) == size; });
        if (points == std::end(practice::sheetPoints))
            return fail(badChoice, practice::sizeProblem(size.toStdString()), program);
        choices.points = *points;
    }
    if (parser.isSet(m_paper)) {
        const QString paper = parser.value(m_paper);
        const auto rows = practice::papers();
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const practice::PaperRow& each) {
            return paper.compare(toQString(each.code), Qt::CaseInsensitive) == 0;
        });
        if (row == rows.end())
            return fail(badChoice, practice::paperProblem(paper.toStdString()), program);
        choices.paper = row->paper;
    }
    if (!parser.isSet(m_output) || parser.value(m_output).isEmpty())
        return fail(badChoice, practice::noOutputProblem(), program);
    const QString path = parser.value(m_output);
    const practice::Worksheet sheet = practice::worksheet(std::get<practice::SheetCode>(read), choices.count);
    if (const std::optional<FileTrouble> trouble = writeWorksheetPdf(path, sheet, choices))
        return fail(notWritten, practice::outputProblem(path.toStdString(), reasonOf(*trouble).toStdString()),
                    program);
    return written;
}

} // namespace vorantis
