#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "shell/headless_export.h"
#include "shell/mdi_main.h"
#include "shell/page_layout_settings.h"
#include "shell/program_options.h"
#include "shell/qt_platform_services.h"
#include "shell/start_up.h"

namespace {

constexpr int kExitUsage = 2;

void SetApplicationIdentity() {
    QCoreApplication::setApplicationName("Rillo2");
    QCoreApplication::setApplicationVersion("2.1");
}

// Ties the windows to the installed desktop entry (its icon and name in the
// task bar and on Wayland).
void SetDesktopIdentity() {
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quillbeck.Rillo"));
}

// Reads the command line with an application object that needs no display,
// so that --help and --version work anywhere.
rillo::ProgramOptions ReadCommandLine(int argc, char** argv) {
    QCoreApplication probe(argc, argv);
    SetApplicationIdentity();
    return rillo::ParseProgramOptions(QCoreApplication::arguments());
}

}  // namespace

int main(int argc, char** argv) {
    const rillo::ProgramOptions options = ReadCommandLine(argc, argv);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "rillo: %s\nRun with --help for the options.\n", qPrintable(options.error));
        return kExitUsage;
    }
    if (options.showHelp) {
        std::fputs(qPrintable(options.helpText), stdout);
        return 0;
    }
    if (options.showVersion) {
        std::puts(qPrintable(rillo::kApplicationTitle));
        return 0;
    }

    if (options.IsExport()) {
        // An export shows no window, so it needs no display either.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        SetApplicationIdentity();
        // The PDF pages as Page Setup last left them.
        rillo::QtPlatformServices services;
        return rillo::RunHeadlessExport(options, rillo::StoredPageLayout(services));
    }

    QApplication app(argc, argv);
    SetApplicationIdentity();
    SetDesktopIdentity();
    rillo::QtPlatformServices services;
    rillo::MDIMain window(services);
    QObject::connect(&window, &rillo::MDIMain::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!rillo::RunStartUp(window)) return 1;
    if (!options.fileToOpen.isEmpty()) {
        // Opened once the window is up, as File, Open would; a refused file
        // shows its message and leaves the empty profile.
        QTimer::singleShot(0, &window, [&window, path = options.fileToOpen] {
            rillo::OpenFileGivenAtStartUp(window, path);
        });
    }
    return QApplication::exec();
}
