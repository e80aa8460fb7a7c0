#include <QApplication>

#include "shell/mdi_main.h"
#include "shell/qt_platform_services.h"
#include "shell/start_up.h"

// The program takes no command line and reads no environment variables.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Rillo2");

    rillo::QtPlatformServices services;
    rillo::MDIMain window(services);
    QObject::connect(&window, &rillo::MDIMain::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!rillo::RunStartUp(window)) return 1;
    return QApplication::exec();
}
