// Velorine, the skinned jukebox. Data files are read from and written to its
// working folder (work_folder.h), which becomes the current folder.
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <QApplication>
#include <cstdio>
#include <memory>

#include "jukebox/common/leftovers.h"
#include "jukebox/common/path_functions.h"
#include "jukebox/mpris/mpris_service.h"
#include "jukebox/mpris/player_name.h"
#include "jukebox/shell/command_line.h"
#include "jukebox/shell/termination_signals.h"
#include "jukebox/shell/velorine_app.h"
#include "jukebox/shell/velorine_wnd.h"
#include "jukebox/shell/work_folder.h"
#include "jukebox/ui/qt_ui_service.h"
#include "jukebox/ui/window_system.h"
#include "translations/ui_language.h"

namespace {

// How long a second start waits for the running jukebox to answer before it
// takes that one for hung and starts on its own.
constexpr int kHandOverTimeoutMs = 5000;

// A folder that cannot be prepared or entered is said on the terminal; the
// jukebox then runs where it was started and reports what it misses there.
void EnterWorkFolder() {
    const WorkFolderChoice work = ChooseWorkFolder(CurrentFolder());
    if (work.prepare) {
        QString error;
        const QString shipped = ShippedDataFolder(QCoreApplication::applicationDirPath());
        if (!PrepareWorkFolder(work.folder, shipped, error)) {
            std::fprintf(stderr, "velorine: preparing the working folder: %s\n",
                         error.toLocal8Bit().constData());
        }
    }
    if (::chdir(LocalPathBytes(work.folder).constData()) != 0) {
        std::perror("velorine: entering the working folder");
    }
    // What jukeboxes that were killed left behind: unpacked skins and half
    // written saves. Those of a jukebox that still runs stay.
    RemoveLeftovers(TemporaryFolder());
    RemoveLeftovers(CurrentFolder());
}

}  // namespace

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // The largest blocks (the arrays of a long list) go back to the system when
    // freed. Left to itself the C library raises this bound to the largest block
    // freed so far, and later blocks below it stay in the heap as holes that a
    // list of 100,000 entries pays for in resident memory. The bound stays above
    // a decoded picture (12 MB at 3840 x 2160): one mapped afresh for every frame
    // costs more than the decoding.
    mallopt(M_MMAP_THRESHOLD, 16 * 1024 * 1024);
#endif
    // The arguments as the system gave them, before Qt takes its own out.
    const CommandLine commandLine = ParseCommandLine(argc, argv, CurrentFolder());
    // A skinned face is dragged, and its windows keep their places and each
    // other's company, only where the program places its windows: on X11, which
    // a Wayland session offers as well (XWayland).
    const bool platformPreferred = PreferX11Platform();
    QApplication app(argc, argv);
    if (platformPreferred) {
        qunsetenv("QT_QPA_PLATFORM");
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Quillamo"));
    QCoreApplication::setApplicationName(QStringLiteral("velorine"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Velorine"));
    InstallUiTranslators(app, QLocale::system());
    // The window hides in the tray; only the close sequence ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // The name is taken before the window is built, so that of two quick
    // starts only one goes on; the bus lets it go when the process ends.
    QDBusConnection bus = QDBusConnection::sessionBus();
    const NameClaim claim = ClaimPlayerName(bus);
    if (claim == NameClaim::OwnedElsewhere &&
        HandOverToOwner(bus, commandLine.files, kHandOverTimeoutMs)) {
        return 0;
    }
    EnterWorkFolder();

    TerminationSignals signals;
    QtUiService ui;
    CVelorineApp velorine(ui, commandLine);
    QObject::connect(&signals, &TerminationSignals::received, &velorine, [&velorine] {
        if (velorine.dictionary().modified()) {
            std::fprintf(stderr,
                         "velorine: ended by a signal; the dictionary's "
                         "unsaved changes are not saved\n");
        }
        velorine.CloseBySignal();
    });
    // exit, not quit: quit first asks every window to close, and the jukebox's
    // windows only hide when asked.
    QObject::connect(
        &velorine, &CVelorineApp::finished, &app, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    velorine.InitInstance();
    if (velorine.closed()) {
        return 0;  // a signal came while start-up showed a message
    }
    ui.setParent(&velorine.window());
    std::unique_ptr<MprisService> mpris;
    if (claim == NameClaim::Owned) {
        mpris = std::make_unique<MprisService>(velorine, bus);
    }
    return app.exec();
}
