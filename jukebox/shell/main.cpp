// Velorine, the skinned jukebox. Data files are read from and written to the
// current folder (scripts/run starts it in the user's working folder).
#include <QApplication>

#include "jukebox/shell/command_line.h"
#include "jukebox/shell/termination_signals.h"
#include "jukebox/shell/velorine_app.h"
#include "jukebox/shell/velorine_wnd.h"
#include "jukebox/ui/qt_ui_service.h"

int main(int argc, char** argv) {
    // The arguments as the system gave them, before Qt takes its own out.
    const CommandLine commandLine = ParseCommandLine(argc, argv, CurrentFolder());
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillamo"));
    QCoreApplication::setApplicationName(QStringLiteral("velorine"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Velorine"));
    // The window hides in the tray; only the close sequence ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    TerminationSignals signals;
    QtUiService ui;
    CVelorineApp velorine(ui, commandLine);
    QObject::connect(&signals, &TerminationSignals::received, &velorine,
                     &CVelorineApp::RequestClose);
    // exit, not quit: quit first asks every window to close, and the jukebox's
    // windows only hide when asked.
    QObject::connect(
        &velorine, &CVelorineApp::finished, &app, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    velorine.InitInstance();
    ui.setParent(&velorine.window());
    return app.exec();
}
