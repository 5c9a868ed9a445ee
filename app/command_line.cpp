// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "app/language_choice.h"
#include "app/qt_text.h"
#include "app/view_settings.h"
#include "app/worksheet_command.h"
#include "language/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace vorantis {
namespace {

enum ExitStatus { answered = 0, notWritten = 1, badCommandLine = 2 };

// The options QApplication and its X11 platform take out of the command line for
// themselves. This parser runs first, so it must know them to let them through.
const QStringList qtOptionsWithValue = {"platform",        "platformpluginpath",
                                        "platformtheme",   "plugin",
                                        "display",         "geometry",
                                        "qwindowgeometry", "title",
                                        "qwindowtitle",    "icon",
                                        "qwindowicon",     "name",
                                        "style",           "stylesheet",
                                        "session",         "qmljsdebugger"};
const QStringList qtFlags = {"reverse", "sync", "widgetcount", "nograb", "dograb"};

void acceptQtOptions(QCommandLineParser& parser)
{
    for (const QString& name : qtOptionsWithValue + qtFlags) {
        QCommandLineOption option(name, {}, qtOptionsWithValue.contains(name) ? "value" : "");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QStringList arguments(int argc, char* argv[])
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

// The language chosen in the View menu, where the settings remember one, over the system's.
void speakRemembered()
{
    if (const std::optional<ViewSettings> remembered = readViewSettings();
        remembered && !remembered->language.isEmpty())
        if (const Language* chosen = languageCoded(remembered->language.toStdString()))
            speak(*chosen);
}

void print(std::FILE* stream, const QString& text) { std::fputs(qPrintable(text), stream); }

// An answer lost to a full disk or a closed file must not pass for one given: the write and the
// flush are both checked, and what failed is said on stderr.
ExitStatus answer(const QString& text, std::string_view what, const QString& program)
{
    errno = 0;
    if (std::fputs(qPrintable(text), stdout) >= 0 && std::fflush(stdout) == 0 && !std::ferror(stdout))
        return answered;
    print(stderr,
          QString("%1: %2\n").arg(program, toQString(fill(what, {{"reason", std::strerror(errno)}}))));
    return notWritten;
}

// A sheet is written in the language the window speaks, and painted with fonts, which only a
// graphical application has: one on the offscreen platform, so that no display is needed. Qt's
// parser says "Usage:" and "Options:" through Qt's translations, which only an application can
// load: one lives while the command line is answered, in another language.
std::unique_ptr<QCoreApplication> applicationFor(int& argc, char* argv[])
{
    std::unique_ptr<QCoreApplication> application;
    if (WorksheetCommand::asked(argc, argv)) {
        speakRemembered();
        // What the platform says as it starts (no runtime folder, say) is not the sheet's answer.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else if (&currentLanguage() != &languages().front()) {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    if (application)
        speak(currentLanguage());
    return application;
}

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    QCoreApplication::setApplicationName("vorantis");
    QCoreApplication::setApplicationVersion(VORANTIS_VERSION);
    const QString program = QCoreApplication::applicationName();

    std::unique_ptr<QCoreApplication> translating = applicationFor(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(toQString(vorantis::tr(
        "A calculator for school arithmetic.\nQt's own options, such as -platform, -display and -style, "
        "work too.")));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // -style, as Qt reads it
    const QCommandLineOption help({"h", "help"}, toQString(vorantis::tr("Show this help and exit.")));
    const QCommandLineOption version({"v", "version"},
                                     toQString(vorantis::tr("Show the name and version and exit.")));
    parser.addOptions({help, version});
    const WorksheetCommand worksheet;
    worksheet.addTo(parser);
    acceptQtOptions(parser);

    if (!parser.parse(arguments(argc, argv)) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty()
            ? toQString(fill(vorantis::tr("Unexpected argument '{argument}'."),
                             {{"argument", parser.positionalArguments().constFirst().toStdString()}}))
            : parser.errorText();
        print(stderr,
              QString("%1: %2 %3\n")
                  .arg(program, error,
                       toQString(fill(vorantis::tr("Try '{program} --help'."),
                                      {{"program", program.toStdString()}}))));
        return badCommandLine;
    }
    if (parser.isSet(help)) {
        // Qt names the program in its usage line as it was started, or, without an application,
        // not at all: it is called by its name either way.
        QString help = parser.helpText();
        const QString started =
            translating ? QCoreApplication::arguments().constFirst() : "<executable_name>";
        help.replace(help.indexOf(started), started.size(), program);
        return answer(help, vorantis::tr("cannot write the help: {reason}"), program);
    }
    if (parser.isSet(version)) {
        return answer(QString("%1 %2\n").arg(program, QCoreApplication::applicationVersion()),
                      vorantis::tr("cannot write the version: {reason}"), program);
    }
    if (worksheet.isSet(parser))
        return worksheet.run(parser, program);
    return std::nullopt;
}

} // namespace vorantis
