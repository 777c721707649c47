// Velorine, the skinned jukebox. Data files are read from and written to the
// current folder (scripts/run starts it in the user's working folder).
#include <QApplication>
#include <memory>

#include "jukebox/mpris/mpris_service.h"
#include "jukebox/mpris/player_name.h"
#include "jukebox/shell/command_line.h"
#include "jukebox/shell/termination_signals.h"
#include "jukebox/shell/velorine_app.h"
#include "jukebox/shell/velorine_wnd.h"
#include "jukebox/ui/qt_ui_service.h"

namespace {

// How long a second start waits for the running jukebox to answer before it
// takes that one for hung and starts on its own.
constexpr int kHandOverTimeoutMs = 5000;

}  // namespace

int main(int argc, char** argv) {
    // The arguments as the system gave them, before Qt takes its own out.
    const CommandLine commandLine = ParseCommandLine(argc, argv, CurrentFolder());
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillamo"));
    QCoreApplication::setApplicationName(QStringLiteral("velorine"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Velorine"));
    // The window hides in the tray; only the close sequence ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // The name is taken before the window is built, so that of two quick
    // starts only one goes on; the bus lets it go when the process ends.
    QDBusConnection bus = QDBusConnection::sessionBus();
    const NameClaim claim = ClaimPlayerName(bus);
    if (claim == NameClaim::OwnedElsewhere &&
        HandOverToOwner(bus, commandLine.file, kHandOverTimeoutMs)) {
        return 0;
    }

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
    std::unique_ptr<MprisService> mpris;
    if (claim == NameClaim::Owned) {
        mpris = std::make_unique<MprisService>(velorine, bus);
    }
    return app.exec();
}
