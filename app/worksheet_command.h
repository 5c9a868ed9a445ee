// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QString>

class QCommandLineParser;

namespace vorantis {

// vorantis --worksheet FA3-4821 --count 20 --output sheet.pdf [--no-key] [--size 12|14|18]
// [--paper a4|letter]: the sheet written as a PDF file, with no window and no display, in the
// language in use.
class WorksheetCommand {
public:
    // Whether the command line asks for a sheet: it is then answered in the language chosen in
    // the View menu, which the settings remember.
    static bool asked(int argc, char* argv[]);

    WorksheetCommand();
    void addTo(QCommandLineParser& parser) const;
    bool isSet(const QCommandLineParser& parser) const;
    // 0 once the file is written, 1 where it cannot be, 2 for a choice the sheet has not; each
    // failure said on stderr in one line.
    int run(const QCommandLineParser& parser, const QString& program) const;

private:
    QCommandLineOption m_code, m_count, m_noKey, m_size, m_paper, m_output;
};

} // namespace vorantis
