// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace vorantis {
namespace {

enum ExitStatus { answered = 0, noDisplay = 1, badCommandLine = 2 };

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

// Without a display Qt aborts with a message about plugins; one plain line serves better.
// The X11 and Wayland platforms need a server; any other (offscreen, vnc, ...) draws for itself.
bool hasDisplay(const QCommandLineParser& parser)
{
    const QString platform =
        parser.isSet("platform") ? parser.value("platform") : qEnvironmentVariable("QT_QPA_PLATFORM");
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY") || parser.isSet("display");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (platform.isEmpty())
        return x11 || wayland;
    if (platform.startsWith("xcb"))
        return x11;
    return !platform.startsWith("wayland") || wayland;
}

void print(std::FILE* stream, const QString& text) { std::fputs(qPrintable(text), stream); }

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    QCoreApplication::setApplicationName("vorantis");
    QCoreApplication::setApplicationVersion(VORANTIS_VERSION);
    const QString program = QCoreApplication::applicationName();

    QCommandLineParser parser;
    parser.setApplicationDescription("A calculator for school arithmetic.\n"
                                     "Qt's own options, such as -platform, -display and -style, work too.");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // -style, as Qt reads it
    const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
    const QCommandLineOption version({"v", "version"}, "Show the name and version and exit.");
    parser.addOptions({help, version});
    acceptQtOptions(parser);

    if (!parser.parse(arguments(argc, argv)) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty()
            ? QString("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst())
            : parser.errorText();
        print(stderr, QString("%1: %2 Try '%1 --help'.\n").arg(program, error));
        return badCommandLine;
    }
    if (parser.isSet(help)) {
        // Without an application object Qt cannot name the program in its usage line.
        print(stdout, parser.helpText().replace("<executable_name>", program));
        return answered;
    }
    if (parser.isSet(version)) {
        print(stdout, QString("%1 %2\n").arg(program, QCoreApplication::applicationVersion()));
        return answered;
    }
    if (!hasDisplay(parser)) {
        print(stderr,
              QString("%1: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset); "
                      "run it in a desktop session, or on a virtual one: xvfb-run %1\n")
                  .arg(program));
        return noDisplay;
    }
    return std::nullopt;
}

} // namespace vorantis
