// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform_start.h"

#include "app/qt_text.h"
#include "language/language.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace vorantis {
namespace {

// Qt ends a platform that cannot start with a fatal message, five lines about reinstalling,
// and an abort. Whether a display opens is known only by trying, and the message handler is
// the one place that runs before the abort: it holds back what Qt says while it starts, and at
// the fatal message prints one plain line and ends, leaving the half-made application alone.
struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
std::mutex heldLock; // Qt may speak from a thread of its own while it starts
std::vector<HeldMessage> held;
QString unopenedLine;

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fputs(qPrintable(unopenedLine), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    const std::lock_guard hold(heldLock);
    held.push_back({type, context.file, context.function, context.category, context.line, text});
}

// The value of Qt's option -NAME VALUE (or --NAME), whose last one counts, else the variable's.
QString optionOr(int argc, char* argv[], const QString& name, const char* variable)
{
    QString value = qEnvironmentVariable(variable);
    for (int i = 1; i + 1 < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == "-" + name || argument == "--" + name)
            value = QString::fromLocal8Bit(argv[++i]);
    }
    return value;
}

// Names the display Qt tries: the platform's own, or without one X where it is named, else
// Wayland, whose default display is wayland-0.
QString unopened(int argc, char* argv[])
{
    const QString platform =
        optionOr(argc, argv, "platform", "QT_QPA_PLATFORM").section(';', 0, 0).section(':', 0, 0);
    const QString x = optionOr(argc, argv, "display", "DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    std::string what;
    if (platform.startsWith("wayland") || (platform.isEmpty() && x.isEmpty() && !wayland.isEmpty()))
        what = fill(vorantis::tr("cannot open the Wayland display {display}"),
                    {{"display", wayland.isEmpty() ? "wayland-0" : wayland.toStdString()}});
    else if (!platform.isEmpty() && platform != "xcb")
        what = fill(vorantis::tr("cannot open a window on the platform '{platform}'"),
                    {{"platform", platform.toStdString()}});
    else if (!x.isEmpty())
        what = fill(vorantis::tr("cannot open the display {display}"), {{"display", x.toStdString()}});
    else
        what = wayland.isEmpty()
            ? vorantis::tr("no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)")
            : vorantis::tr("no display to open the window on (DISPLAY is unset)");
    const std::string program = QCoreApplication::applicationName().toStdString();
    return toQString(fill(
               vorantis::tr(
                   "{program}: {what}; run it in a desktop session, or on a virtual one: xvfb-run {program}"),
               {{"program", program}, {"what", what}})) +
        "\n";
}

} // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char* argv[])
{
    unopenedLine = unopened(argc, argv);
    const QtMessageHandler previous = qInstallMessageHandler(holdBack);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    const std::lock_guard hold(heldLock);
    for (const HeldMessage& message : held)
        previous(message.type,
                 QMessageLogContext(message.file.constData(), message.line, message.function.constData(),
                                    message.category.constData()),
                 message.text);
    held.clear();
    return application;
}

} // namespace vorantis
