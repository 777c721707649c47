// The running jukebox on a session bus, driven as a desktop's media controls
// drive it: through D-Bus calls from a connection of their own (every call
// passes the bus daemon), and a second start of the real program that hands
// its file over. scripts/test gives the tests a private bus.
#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QProcess>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "jukebox/mpris/mpris_bridge.h"
#include "jukebox/mpris/mpris_service.h"
#include "jukebox/mpris/player_name.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/skin_button.h"
#include "jukebox/shell/skin_slider.h"
#include "jukebox/shell/status_lamp.h"
#include "tests/jukebox/playback/test_media.h"
#include "tests/jukebox/shell/jukebox_rig.h"
#include "tests/taglib/id3v1_fixtures.h"

namespace {

constexpr int kWaitMs = 10000;
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");

// The desktop's side: a connection of its own to the same bus.
class Client : public QObject {
    Q_OBJECT
public:
    Client()
        : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                             QStringLiteral("media-controls"))) {}
    ~Client() override { QDBusConnection::disconnectFromBus(bus_.name()); }

    // A call, answered while the jukebox's event loop runs.
    QDBusMessage call(const QString& interface, const QString& method,
                      const QVariantList& args = {}) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            QString::fromLatin1(kPlayerBusName), QString::fromLatin1(MprisService::kObjectPath),
            interface, method);
        message.setArguments(args);
        QDBusPendingCall pending = bus_.asyncCall(message, kWaitMs);
        if (!QTest::qWaitFor([&] { return pending.isFinished(); }, kWaitMs + 1000)) {
            return QDBusMessage::createError(QDBusError::Timeout, QStringLiteral("no answer"));
        }
        return pending.reply();
    }
    QVariant get(const QString& name) {
        const QDBusMessage reply = call(QStringLiteral("org.freedesktop.DBus.Properties"),
                                        QStringLiteral("Get"), {kPlayer, name});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    bool set(const QString& name, const QVariant& value) {
        return call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"),
                    {kPlayer, name, QVariant::fromValue(QDBusVariant(value))})
                   .type() == QDBusMessage::ReplyMessage;
    }
    bool player(const QString& method, const QVariantList& args = {}) {
        return call(kPlayer, method, args).type() == QDBusMessage::ReplyMessage;
    }
    void listen() {
        bus_.connect(QString(), QString::fromLatin1(MprisService::kObjectPath),
                     QStringLiteral("org.freedesktop.DBus.Properties"),
                     QStringLiteral("PropertiesChanged"), this,
                     SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    }

    QList<QVariantMap> changes;

public Q_SLOTS:
    void propertiesChanged(const QString& interface, const QVariantMap& changed,
                           const QStringList&) {
        if (interface == kPlayer) {
            changes.append(changed);
        }
    }

private:
    QDBusConnection bus_;
};

// Metadata arrives as a D-Bus argument inside the variant.
QVariantMap asMap(const QVariant& value) {
    QVariantMap map;
    if (value.canConvert<QDBusArgument>()) {
        value.value<QDBusArgument>() >> map;
    } else {
        map = value.toMap();
    }
    return map;
}

class MprisBusTest : public testing::Test {
protected:
    static void SetUpTestSuite() { testMedia(); }

    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected()) {
            GTEST_SKIP() << "no session bus: run the tests under dbus-run-session "
                            "(scripts/test does)";
        }
        QDBusConnection bus = QDBusConnection::sessionBus();
        ASSERT_EQ(ClaimPlayerName(bus), NameClaim::Owned);
    }
    void TearDown() override {
        service.reset();
        QDBusConnection::sessionBus().unregisterService(QString::fromLatin1(kPlayerBusName));
    }
    void start() {
        rig.start();
        service = std::make_unique<MprisService>(rig.app(), QDBusConnection::sessionBus());
        ASSERT_TRUE(service->registered());
    }

    CVelorineWnd& wnd() { return rig.window(); }
    Transport::Mode mode() { return wnd().transport().mode(); }
    int pmLamp() { return wnd().controls().lamp(ControlId::PmLamp)->state(); }
    QVariantMap metadata() { return asMap(client.get(QStringLiteral("Metadata"))); }

    JukeboxRig rig;
    std::unique_ptr<MprisService> service;
    Client client;
    const TestMedia& media = testMedia();
};

TEST_F(MprisBusTest, PlayPauseNextSetPositionAndVolumeReachTheJukebox) {
    start();
    const auto music = rig.folder() / "music";
    std::filesystem::create_directories(music);
    writeFileBytes(music / "long.wav", silentWavBytes(20));
    const QString second = copyMedia(media.mp3Plain, music, "second.mp3");
    rig.drop({QString::fromStdString((music / "long.wav").string()), second});
    ASSERT_EQ(rig.app().tracklist().EntryCount(), 2);
    client.listen();

    ASSERT_TRUE(client.player(QStringLiteral("PlayPause")));
    EXPECT_EQ(client.get(QStringLiteral("PlaybackStatus")), QStringLiteral("Playing"));
    EXPECT_TRUE(wnd().controls().button(ControlId::Play)->isOn());
    EXPECT_EQ(pmLamp(), 1);
    ASSERT_TRUE(client.player(QStringLiteral("PlayPause")));
    EXPECT_EQ(client.get(QStringLiteral("PlaybackStatus")), QStringLiteral("Paused"));
    EXPECT_TRUE(wnd().controls().button(ControlId::Pause)->isOn());
    EXPECT_EQ(pmLamp(), 2);

    const QVariantMap first = metadata();
    const QDBusObjectPath trackId =
        first.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>();
    EXPECT_TRUE(first.value(QStringLiteral("xesam:url")).toString().endsWith(u"/long.wav"));
    ASSERT_TRUE(client.player(QStringLiteral("SetPosition"),
                              {QVariant::fromValue(trackId), qlonglong(12'000'000)}));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return std::abs(rig.app().engine().GetPositionMs() - 12000) < 300; }, kWaitMs))
        << rig.app().engine().GetPositionMs();
    EXPECT_NEAR(client.get(QStringLiteral("Position")).toLongLong(), 12'000'000, 300'000);

    ASSERT_TRUE(client.set(QStringLiteral("Volume"), 0.25));
    EXPECT_EQ(rig.app().engine().GetVolume(), 25);
    EXPECT_EQ(wnd().controls().slider(ControlId::Volume)->value(), 25);
    EXPECT_DOUBLE_EQ(client.get(QStringLiteral("Volume")).toDouble(), 0.25);

    client.changes.clear();
    ASSERT_TRUE(client.player(QStringLiteral("Next")));
    EXPECT_EQ(rig.app().tracklist().currentIndex(), 1);
    EXPECT_EQ(mode(), Transport::Mode::Paused);  // opening keeps the mode
    EXPECT_TRUE(metadata().value(QStringLiteral("xesam:url")).toString().endsWith(u"/second.mp3"));
    // The desktop hears of the new track without asking.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (const QVariantMap& changed : client.changes) {
                if (asMap(changed.value(QStringLiteral("Metadata")))
                        .value(QStringLiteral("xesam:url"))
                        .toString()
                        .endsWith(u"/second.mp3")) {
                    return true;
                }
            }
            return false;
        },
        kWaitMs));
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.messages.join(u'|').toStdString();
}

TEST_F(MprisBusTest, TheMetadataShowsABig5TagInUnicodeWithTheCodePageSet) {
    AppSettings settings;
    settings.tagPage.useAutoTranslate = true;
    settings.general.codePage = 950;
    SaveAppSettings(settings);
    start();
    RawBlock big5;
    big5.title = "\xA4\xA4\xA4\xE5";  // two Chinese characters in BIG5
    big5.artist = "\xA4\xA4";
    big5.album = "\xA4\xE5";
    big5.genre = 17;  // no code-page marker: the default character set decides
    const auto folder = rig.folder() / "big5";
    std::filesystem::create_directories(folder);
    writeFileBytes(folder / "song.mp3",
                   readFileBytes(media.mp3Plain.toStdString()) + big5.bytes('\0'));
    rig.drop({QString::fromStdString((folder / "song.mp3").string())});

    const QVariantMap meta = metadata();
    EXPECT_EQ(meta.value(QStringLiteral("xesam:title")), QString::fromUtf16(u"\u4e2d\u6587"));
    EXPECT_EQ(meta.value(QStringLiteral("xesam:artist")),
              QStringList(QString::fromUtf16(u"\u4e2d")));
    EXPECT_EQ(meta.value(QStringLiteral("xesam:album")), QString::fromUtf16(u"\u6587"));
    EXPECT_NEAR(meta.value(QStringLiteral("mpris:length")).toLongLong() / 1000.0, media.mp3PlainMs,
                100);
}

// The real program, started with a file while the rig's jukebox owns the name.
int secondStart(const std::filesystem::path& folder, const QStringList& args) {
    TempDir home;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.path().string()));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       QString::fromStdString((home / "config").string()));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(QString::fromStdString(folder.string()));
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(VELORINE_PROGRAM), args);
    // The jukebox answers from its event loop, so the wait must keep it running.
    const bool ended =
        QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 30000);
    if (!ended) {
        program.kill();
        program.waitForFinished();
        return -1;
    }
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2;
}

TEST_F(MprisBusTest, ASecondStartHandsItsFileToTheRunningJukeboxAndEnds) {
    start();
    const auto music = rig.folder() / "music";
    copyMedia(media.wav, music, "tone.wav");
    copyMedia(media.flac, music, "more.flac");
    // Relative to its folder, two files as a file manager's "Open with" names
    // them: both join, and the first is the one that plays.
    EXPECT_EQ(secondStart(music, {QStringLiteral("tone.wav"), QStringLiteral("more.flac")}), 0);
    // It was answered at once; the files open after.
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.app().tracklist().EntryCount() == 2; }, kWaitMs));
    EXPECT_EQ(rig.app().tracklist().EntryAt(-1).path,
              QString::fromStdString((music / "tone.wav").string()));
    EXPECT_EQ(mode(), Transport::Mode::Playing);
    EXPECT_TRUE(rig.app().engine().HasGraph());

    // Without a file it brings the running one back from where it was put away.
    wnd().OnCommand(ControlId::Mini);
    ASSERT_TRUE(wnd().minimized());
    EXPECT_EQ(secondStart(music, {}), 0);
    EXPECT_FALSE(wnd().minimized());
    EXPECT_EQ(rig.app().tracklist().EntryCount(), 2);
}

// Without a bus: a file handed over while the jukebox still starts waits for
// the start-up step, whose loading of the tracklist would otherwise drop it.
TEST(HandedFilesTest, AFileHandedOverBeforeTheListLoadsJoinsTheLoadedListAndPlays) {
    JukeboxRig rig;
    const QString listed = copyMedia(testMedia().wav, rig.folder() / "music", "listed.wav");
    const QString handed = copyMedia(testMedia().flac, rig.folder() / "music", "handed.flac");
    const QString text = QChar(0xFEFF) + listed + QStringLiteral("\r\n");
    writeFileBytes(
        rig.folder() / "default.trk",
        std::string_view(reinterpret_cast<const char*>(text.utf16()), size_t(text.size()) * 2));
    rig.startWithoutStep();
    ASSERT_FALSE(rig.app().startupStepDone());
    rig.app().OpenFiles({handed});
    ASSERT_TRUE(rig.waitForStep());
    ASSERT_EQ(rig.app().tracklist().EntryCount(), 2);
    EXPECT_EQ(rig.app().tracklist().EntryAt(-1).path, handed);
    EXPECT_EQ(rig.window().transport().mode(), Transport::Mode::Playing);
}

}  // namespace

#include "mpris_bus_test.moc"
