// The jukebox from start to close on the offscreen platform: the settings of a
// first run and their round trip through a real start and close, the skin
// chosen by its exact name, the plain face when no skin loads, a close asked
// for while the start-up step loads the list, and SIGTERM to the real program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/skin_button.h"
#include "jukebox/shell/skin_slider.h"
#include "jukebox/shell/track_panel.h"
#include "jukebox/skin/skin_list.h"
#include "jukebox/skin/skin_packages.h"
#include "jukebox/tracklist_window/tracklist_wnd.h"
#include "tests/jukebox/shell/jukebox_rig.h"
#include "tests/jukebox/skin/skin_fixtures.h"

namespace {

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every value away from its default.
AppSettings customSettings() {
    AppSettings s;
    s.random = true;
    s.trackfile = QStringLiteral("mine.trk");
    s.volume = 37;
    s.balance = -40;
    s.mainPos = {123, 45};
    s.playPos = {1, 2};
    s.coverPos = {3, 4};
    s.coverSize = {150, 160};
    s.dictPos = {5, 6};
    s.dictSize = {410, 220};
    s.tlistPos = {7, 8};
    s.tlistSize = {280, 390};
    s.optionPos = {9, 11};
    s.skinName = QStringLiteral("XP Aqua");
    s.tagPage.useMarlow = s.tagPage.useWinampGenres = s.tagPage.useAutoTranslate = true;
    s.tagPage.primaryFormat = QStringLiteral("%n");
    s.tagPage.alternateFormat = QStringLiteral("%a");
    s.tagPage.listFormat = QStringLiteral("%g");
    s.general.scrollText = false;
    s.general.codePage = 950;
    s.general.autoplay = true;
    s.general.popupDelay = 25;
    return s;
}

TEST(VelorineStartTest, AFirstRunHasTheDefaultsAndARealCloseWritesThemAll) {
    JukeboxRig rig;
    rig.start();
    CVelorineWnd& wnd = rig.window();
    EXPECT_EQ(rig.app().engine().GetVolume(), 90);
    EXPECT_EQ(rig.app().engine().GetBalance(), 0);
    EXPECT_EQ(wnd.controls().slider(ControlId::Volume)->value(), 90);
    EXPECT_EQ(wnd.pos(), QPoint(10, 10));
    EXPECT_EQ(rig.app().skins().CurrentSkinName(), QStringLiteral("XP Aqua"));
    EXPECT_EQ(wnd.size(), wnd.skin().main.face);
    EXPECT_TRUE(wnd.controls().panel().stateBits() & PanelBit::Scroll);
    EXPECT_TRUE(wnd.controls().button(ControlId::Stop)->isOn());
    EXPECT_FALSE(wnd.controls().button(ControlId::Random)->isOn());
    EXPECT_TRUE(wnd.controls().button(ControlId::Play)->isVisible());
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.messages.join(u'|').toStdString();

    ASSERT_TRUE(rig.closeWithControl());
    EXPECT_FALSE(wnd.isVisible());
    AppSettings stored;
    LoadAppSettings(stored);
    AppSettings defaults;
    defaults.loaded = true;
    // The other windows' places were worked out beside the face, and written.
    const QRect face(stored.mainPos, wnd.size());
    EXPECT_FALSE(QRect(stored.tlistPos, stored.tlistSize).intersects(face));
    EXPECT_FALSE(QRect(stored.coverPos, stored.coverSize).intersects(face));
    EXPECT_FALSE(QRect(stored.dictPos, stored.dictSize).intersects(face));
    EXPECT_FALSE(face.contains(stored.playPos));
    EXPECT_FALSE(face.contains(stored.optionPos));
    EXPECT_EQ(stored.stored, AppSettings::StoredPlaces({true, true, true, true, true}));
    defaults.stored = stored.stored;
    defaults.playPos = stored.playPos;
    defaults.coverPos = stored.coverPos;
    defaults.dictPos = stored.dictPos;
    defaults.tlistPos = stored.tlistPos;
    defaults.tlistSize = stored.tlistSize;
    defaults.optionPos = stored.optionPos;
    EXPECT_EQ(stored, defaults);
    EXPECT_TRUE(fileText(JukeboxRig::settingsFile()).contains(QStringLiteral("DispMode=0")));
}

// Places stored for a monitor that is gone bring the windows back on the screen,
// and settings that cannot be written at close are said, not lost in silence.
TEST(VelorineStartTest, WindowsComeBackOnTheScreenAndAFailedSaveOfTheSettingsIsSaid) {
    JukeboxRig rig;
    AppSettings away = customSettings();
    away.trackfile = QStringLiteral("default.trk");
    away.mainPos = {5000, 3000};
    away.tlistPos = {-4000, 20};
    SaveAppSettings(away);
    rig.start();
    const QRect screen = rig.window().screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(rig.window().frameGeometry())) << rig.window().pos().x();
    EXPECT_TRUE(screen.contains(rig.app().tracklistWindow().storedRect().topLeft()));

    const QString file = JukeboxRig::settingsFile();
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkpath(file));  // no file can be written there now
    ASSERT_TRUE(rig.closeWithControl());
    EXPECT_TRUE(
        rig.ui.messages.contains(QStringLiteral("Cannot save the settings to %1").arg(file)))
        << rig.ui.messages.join(u'|').toStdString();
    EXPECT_TRUE(QDir().rmdir(file));
}

TEST(VelorineStartTest, EveryValueSurvivesARealRunAndAlwaysOnTopDoesNot) {
    const AppSettings custom = customSettings();
    {
        JukeboxRig rig;
        SaveAppSettings(custom);
        writeFileBytes(rig.folder() / "mine.trk", "");
        rig.start();
        CVelorineWnd& wnd = rig.window();
        // Each value reached its owner.
        EXPECT_TRUE(wnd.controls().button(ControlId::Random)->isOn());
        EXPECT_EQ(rig.app().engine().GetVolume(), 37);
        EXPECT_EQ(wnd.controls().slider(ControlId::Balance)->value(), -40);
        EXPECT_EQ(wnd.pos(), QPoint(123, 45));
        EXPECT_EQ(rig.app().tracklist().tracklistPath(), QStringLiteral("mine.trk"));
        EXPECT_FALSE(wnd.controls().panel().stateBits() & PanelBit::Scroll);

        rig.app().settings().general.alwaysOnTop = true;
        // The options sheet, closed with Cancel as soon as it shows.
        QTimer::singleShot(0, [] {
            if (auto* sheet = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                sheet->reject();
            }
        });
        wnd.OnCommand(ControlId::Options);
        EXPECT_TRUE(wnd.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(wnd.isVisible());
        EXPECT_EQ(wnd.pos(), QPoint(123, 45));
        ASSERT_TRUE(rig.closeWithControl());
        AppSettings stored;
        LoadAppSettings(stored);
        AppSettings expected = custom;
        expected.loaded = true;
        expected.stored = {true, true, true, true, true};
        EXPECT_EQ(stored, expected);
    }
    JukeboxRig next(false);
    writeFileBytes(next.folder() / "mine.trk", "");
    next.start();
    EXPECT_FALSE(next.app().settings().general.alwaysOnTop);
    EXPECT_FALSE(next.window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(next.app().engine().GetBalance(), -40);
}

// Makes the skins folder hold "XP Aqua" and a small skin of another name, with
// the other one listed first.
QString otherSkinListedFirst(const std::filesystem::path& skins) {
    const char* spec = "[Name]\nPlain\n[MAIN]\nclose v 2 2 10 10\n";
    for (int attempt = 0; attempt < 50; ++attempt) {
        const std::filesystem::path folder = skins / ("plain" + std::to_string(attempt));
        writeSkinFolder(folder, spec, {{"m_panel.bmp", solidImage(60, 6 * 30)}});
        RecordingUiService ui;
        SkinPackages packages(ui);
        SkinList list(packages);
        list.ScanSkins(qpath(skins.parent_path()));
        if (list.entries().value(0).name == QStringLiteral("Plain")) {
            return list.entries().value(0).name;
        }
        std::filesystem::remove_all(folder);
    }
    return QString();
}

TEST(VelorineStartTest, TheSavedSkinNameCountsCaseSoAnotherCaseSelectsTheFirstListedSkin) {
    JukeboxRig rig;
    std::filesystem::remove(rig.folder() / "skins" / "Ember.vlz");
    ASSERT_EQ(otherSkinListedFirst(rig.folder() / "skins"), QStringLiteral("Plain"));
    QSettings(QStringLiteral("Quillamo"), QStringLiteral("velorine"))
        .setValue(QStringLiteral("Settings/Skinname"), QStringLiteral("xp aqua"));
    rig.start();
    EXPECT_EQ(rig.app().skins().CurrentSkinName(), QStringLiteral("Plain"));
    EXPECT_EQ(rig.window().size(), QSize(60, 30));
    ASSERT_TRUE(rig.closeWithControl());
    AppSettings stored;
    LoadAppSettings(stored);
    EXPECT_EQ(stored.skinName, QStringLiteral("Plain"));  // the skin that was in use
}

TEST(VelorineStartTest, WithoutASkinThePlainFaceShowsAndCanStillBeClosed) {
    JukeboxRig rig;
    std::filesystem::remove_all(rig.folder() / "skins");
    rig.start();
    EXPECT_EQ(rig.ui.messages, QStringList(QStringLiteral("Skin files not found")));
    CVelorineWnd& wnd = rig.window();
    EXPECT_TRUE(wnd.isVisible());
    EXPECT_GE(wnd.width(), 200);
    EXPECT_GE(wnd.height(), 40);
    EXPECT_TRUE(wnd.controls().panel().isVisible());
    CSkinButton* close = wnd.controls().button(ControlId::Close);
    ASSERT_TRUE(close->isVisible());
    EXPECT_TRUE(wnd.rect().contains(close->geometry()));
    EXPECT_TRUE(wnd.controls().button(ControlId::Menu)->isVisible());

    // A right click on the face opens the system menu.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(20, 20),
                                 wnd.mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(&wnd, &rightClick);
    QMenu& menu = wnd.tray().systemMenu();
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu.isVisible(); }, 2000));
    QStringList items;
    for (QAction* action : menu.actions()) {
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(items, QStringList({QStringLiteral("Options"), QStringLiteral("Help"),
                                  QStringLiteral("-"), QStringLiteral("Exit")}));
    menu.hide();
    EXPECT_TRUE(rig.closeWithControl());
}

// A tracklist of count lines naming file (the same file, which the list
// takes once; the load still reads every line).
void writeLongTracklist(const std::filesystem::path& path, const QString& file, int count) {
    QString text(QChar(0xFEFF));
    for (int i = 0; i < count; ++i) {
        text += file + QStringLiteral("\r\n");
    }
    const QByteArray bytes(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    writeFileBytes(path, std::string_view(bytes.constData(), size_t(bytes.size())));
}

TEST(VelorineStartTest, ACloseDuringTheStartupStepIsCarriedOutWhenTheStepEnds) {
    JukeboxRig rig;
    writeLongTracklist(rig.folder() / "default.trk", rig.path("missing.mp3"), 5000);
    rig.ui.setDispatchIntervalMs(0);
    bool paintedBeforeLoad = false;
    bool closedDuringStep = false;
    bool keyAnsweredDuringStep = false;
    int dispatches = 0;
    rig.ui.onDispatch = [&] {
        QApplication::processEvents();
        if (++dispatches == 1) {
            paintedBeforeLoad = rig.window().painted();
            QTest::keyClick(&rig.window(), Qt::Key_L);
            keyAnsweredDuringStep = rig.window().transport().loop();
            rig.window().close();  // as the system asks
        }
        closedDuringStep = closedDuringStep || rig.app().closed();
    };
    rig.startWithoutStep();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.app().closed(); }, 30000));
    EXPECT_GT(dispatches, 0);
    EXPECT_TRUE(paintedBeforeLoad);
    EXPECT_TRUE(keyAnsweredDuringStep);
    EXPECT_FALSE(closedDuringStep);
    EXPECT_TRUE(rig.app().startupStepDone());
    EXPECT_TRUE(QFile::exists(JukeboxRig::settingsFile()));
}

// The start-up step follows the first frame at once, so the window shows
// before the list loads; a window that is never painted gets it all the same.
TEST(VelorineStartTest, TheStartupStepFollowsTheFirstFrameOrComesWithoutOne) {
    {
        JukeboxRig rig;
        rig.startWithoutStep();
        bool stepBeforeFrame = true;
        QObject::connect(&rig.window(), &CVelorineWnd::firstPainted,
                         [&] { stepBeforeFrame = rig.app().startupStepDone(); });
        ASSERT_TRUE(QTest::qWaitFor([&] { return rig.window().painted(); }, 30000));
        // No timer is waited for: what the frame posted is all it takes.
        QCoreApplication::sendPostedEvents();
        EXPECT_TRUE(rig.app().startupStepDone());
        EXPECT_FALSE(stepBeforeFrame);
    }
    {
        JukeboxRig rig;
        rig.startWithoutStep();
        rig.window().hide();  // before its first frame
        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(rig.waitForStep());
        EXPECT_FALSE(rig.window().painted());
        EXPECT_GE(clock.elapsed(), CVelorineApp::kPaintWaitMs - 200);
    }
}

// The real program in a working folder of its own, with its settings in a
// private home and no session bus (a jukebox of another test owning the
// player's name there would be handed this start, which would end at once).
class RealProgram {
public:
    RealProgram() {
        std::filesystem::create_directories(config() / "Quillamo");
        writeFileBytes(config() / "Quillamo" / "velorine.conf", "[Settings]\nVolume=33\n");
    }
    std::filesystem::path config() const { return home_ / "config"; }
    const std::filesystem::path& folder() const { return work_.folder(); }
    QString settingsText() const {
        return fileText(qpath(config() / "Quillamo" / "velorine.conf"));
    }

    // Starts it and waits until it listens for SIGTERM.
    bool start() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), qpath(home_.path()));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), qpath(config()));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           QStringLiteral("unix:path=/nonexistent/velorine-test-bus"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(qpath(folder()));
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(QStringLiteral(VELORINE_PROGRAM), {});
        if (!process.waitForStarted()) {
            return false;
        }
        const QString status = QStringLiteral("/proc/%1/status").arg(process.processId());
        // SigCgt: the signals the process catches; SIGTERM is bit 15.
        return QTest::qWaitFor(
            [&] {
                for (const QString& line : fileText(status).split(u'\n')) {
                    if (line.startsWith(QStringLiteral("SigCgt:"))) {
                        return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) &
                               1;
                    }
                }
                return 0ULL;
            },
            20000);
    }
    // Sends sig and gives the time it took the program to end, or -1.
    qint64 signalAndTime(int sig) {
        QElapsedTimer clock;
        clock.start();
        ::kill(pid_t(process.processId()), sig);
        return process.waitForFinished(30000) ? clock.elapsed() : -1;
    }

    QProcess process;

private:
    TempDir home_;
    JukeboxRig work_;  // only the working folder
};

// SIGTERM closes the real program as its close control does, saving its settings.
TEST(VelorineStartTest, SigtermToTheRealProgramSavesTheSettings) {
    RealProgram program;
    ASSERT_TRUE(program.start());
    ASSERT_GE(program.signalAndTime(SIGTERM), 0);
    EXPECT_EQ(program.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.process.exitCode(), 0);
    const QString saved = program.settingsText();
    EXPECT_TRUE(saved.contains(QStringLiteral("Volume=33"))) << saved.toStdString();
    EXPECT_TRUE(saved.contains(QStringLiteral("Skinname=XP Aqua"))) << saved.toStdString();
    EXPECT_TRUE(saved.contains(QStringLiteral("DispMode=0"))) << saved.toStdString();
}

// A signal that comes while a message box of the start waits for OK (no skin,
// a tracklist that is not UTF-16) still ends the program at once, through the
// close sequence: exit code 0 and the settings saved, not the watchdog's end.
TEST(VelorineStartTest, ASignalEndsTheProgramWhileAStartupBoxWaitsForTheUser) {
    for (const char* fault : {"no skin", "tracklist not in UNICODE"}) {
        SCOPED_TRACE(fault);
        RealProgram program;
        if (std::string_view(fault) == "no skin") {
            std::filesystem::remove_all(program.folder() / "skins");
        } else {
            writeFileBytes(program.folder() / "default.trk", "plain text, not UTF-16\n");
        }
        ASSERT_TRUE(program.start());
        QTest::qWait(1500);  // the box is up well before this
        ASSERT_EQ(program.process.state(), QProcess::Running);
        const qint64 took = program.signalAndTime(SIGTERM);
        ASSERT_GE(took, 0) << "the program did not end";
        EXPECT_LT(took, 3000);
        EXPECT_EQ(program.process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.process.exitCode(), 0);
        EXPECT_TRUE(program.settingsText().contains(QStringLiteral("Volume=33")));
    }
}

}  // namespace
