// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application_identity.h"
#include "app/command_line.h"
#include "app/language_choice.h"
#include "app/main_window.h"
#include "app/platform_start.h"

int main(int argc, char* argv[])
{
    vorantis::speak(vorantis::systemLanguage());
    if (const std::optional<int> status = vorantis::answerCommandLine(argc, argv))
        return *status;
    const std::unique_ptr<QApplication> application = vorantis::startApplication(argc, argv);
    vorantis::speak(vorantis::currentLanguage()); // Qt's dialogs too, now that they can be
    vorantis::identifyApplication();
    vorantis::MainWindow window;
    window.show();
    return QApplication::exec();
}
