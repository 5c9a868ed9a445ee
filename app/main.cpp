#include "app/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("vorantis");
    QApplication::setApplicationDisplayName("Vorantis");

    vorantis::MainWindow window;
    window.show();
    return QApplication::exec();
}
