// The music goes on, in the whole jukebox with real playback: a file that
// cannot play is passed over without a box, remote controls pressed while a
// box waits act only after it, and files handed over that are listed already
// become the current track.
#include <gtest/gtest.h>

#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "jukebox/mpris/mpris_bridge.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/tracklist/tracklist_store.h"
#include "jukebox/ui/ui_service.h"
#include "tests/jukebox/playback/test_media.h"
#include "tests/jukebox/shell/jukebox_rig.h"

namespace {

constexpr int kWaitMs = 20000;

// The rig with a list of the given files and an MPRIS bridge on it, as the
// desktop's sound menu sees the jukebox.
class PlaybackFlowTest : public testing::Test {
protected:
    void startWith(const QStringList& files) {
        rig.start();
        rig.drop(files);
        ASSERT_TRUE(QTest::qWaitFor([&] { return store().EntryCount() == files.size(); }, kWaitMs));
        bridge = std::make_unique<MprisBridge>(
            rig.window().transport(), store(), rig.app().engine(),
            MprisHooks{
                [this](int id) { rig.window().OnCommand(id); },
                [this](const QStringList& names) { rig.app().OpenFiles(names); }, [] {},
                [this](std::function<void()> task) { rig.ui.whenNoModal(std::move(task)); }});
    }
    TracklistStore& store() { return rig.app().tracklist(); }
    Transport& transport() { return rig.window().transport(); }
    bool playingEntry(int index) {
        return store().currentIndex() == index && transport().mode() == Transport::Mode::Playing &&
               rig.app().engine().engineState() == MediaEngine::Running;
    }
    QString music(const char* name, const QString& source) {
        return copyMedia(source, rig.folder() / "music", name);
    }

    JukeboxRig rig;
    std::unique_ptr<MprisBridge> bridge;
};

TEST_F(PlaybackFlowTest, ABrokenFileInTheMiddleIsPassedOverAndTheThirdPlaysWithoutABox) {
    const TestMedia& media = testMedia();
    startWith({music("1 first.wav", media.wav), music("2 broken.mp3", media.notMedia),
               music("3 third.wav", media.wav)});
    store().SetCurrent(0);
    ASSERT_TRUE(transport().OpenCurrentTrack());
    rig.window().OnCommand(ControlId::Play);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playingEntry(0); }, kWaitMs));
    // To the end of the first: the poll finds it and skips.
    transport().SeekTo(rig.app().engine().GetDurationMs(), false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playingEntry(2); }, kWaitMs));
    EXPECT_EQ(rig.ui.notices.size(), 1) << rig.ui.notices.join(u'|').toStdString();
    EXPECT_TRUE(rig.ui.notices.value(0).contains(QStringLiteral("Cannot render the file")));
    EXPECT_EQ(rig.ui.messages, rig.ui.notices) << "a modal box was shown";
    EXPECT_EQ(bridge->playbackStatus(), QStringLiteral("Playing"));
    EXPECT_TRUE(bridge->metadata()
                    .value(QStringLiteral("xesam:url"))
                    .toString()
                    .endsWith(QStringLiteral("3%20third.wav")));
}

TEST_F(PlaybackFlowTest, AListWhereNothingPlaysStopsOnceAndSaysSo) {
    const TestMedia& media = testMedia();
    startWith({music("a.mp3", media.notMedia), music("b.mp3", media.notMedia)});
    store().SetCurrent(0);
    rig.window().OnCommand(ControlId::Play);
    transport().OpenCurrentTrack();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return transport().mode() == Transport::Mode::Stopped; }, kWaitMs));
    QTest::qWait(300);
    EXPECT_EQ(transport().mode(), Transport::Mode::Stopped);
    EXPECT_EQ(bridge->playbackStatus(), QStringLiteral("Stopped"));
    EXPECT_EQ(rig.ui.notices.size(), 2);
    EXPECT_EQ(rig.ui.messages, rig.ui.notices);
}

// A seek that lands at the very end of an MP3 made by lame (the arrow keys
// clamp to its last whole second; a remote control may name any millisecond)
// ends the track, and the next one plays.
TEST_F(PlaybackFlowTest, SeeksToTheEndOfALameMp3EndTheTrackAndTheNextPlays) {
    const TestMedia& media = testMedia();
    ASSERT_FALSE(media.mp3Lame.isEmpty());
    startWith({music("1 lame.mp3", media.mp3Lame3s), music("2 next.wav", media.wav),
               music("3 lame.mp3", media.mp3Lame), music("4 next.wav", media.wav)});
    store().SetCurrent(0);
    ASSERT_TRUE(transport().OpenCurrentTrack());
    rig.window().OnCommand(ControlId::Play);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playingEntry(0); }, kWaitMs));
    // Three whole seconds: the key seek lands exactly at the end.
    EXPECT_EQ(rig.app().engine().GetDurationMs(), TestMedia::kLame3sMs);
    QTest::keyClick(&rig.window(), Qt::Key_Down);  // +10 s, clamped to the last whole second
    ASSERT_TRUE(QTest::qWaitFor([&] { return playingEntry(1); }, kWaitMs));

    store().SetCurrent(2);
    ASSERT_TRUE(transport().OpenCurrentTrack());
    ASSERT_TRUE(QTest::qWaitFor([&] { return playingEntry(2); }, kWaitMs));
    const QString trackId =
        bridge->metadata().value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path();
    bridge->SetPosition(trackId, qlonglong(TestMedia::kLameMs - 10) * 1000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playingEntry(3); }, kWaitMs));
    EXPECT_TRUE(rig.ui.messages.isEmpty());
}

// Ten presses of Next from the sound menu while a box waits for the user: none
// runs inside it, all run after it, and the list moves on by ten.
TEST_F(PlaybackFlowTest, RemoteNextCallsWaitForAnOpenBoxThenAllRun) {
    const TestMedia& media = testMedia();
    QStringList files;
    for (int i = 0; i < 4; ++i) {
        files << music(qPrintable(QStringLiteral("%1.wav").arg(i)), media.wav);
    }
    startWith(files);
    store().SetCurrent(0);
    ASSERT_TRUE(transport().OpenCurrentTrack());
    rig.window().OnCommand(ControlId::Play);
    int insideBox = -1;
    rig.ui.whileMessageShows = [&](const QString&) {
        for (int i = 0; i < 10; ++i) {
            bridge->Next();
        }
        QTest::qWait(100);  // the event loop of the box runs meanwhile
        insideBox = store().currentIndex();
    };
    rig.ui.showMessage(QStringLiteral("Waiting for the user"));
    EXPECT_EQ(insideBox, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playingEntry(10 % 4); }, kWaitMs));
    EXPECT_EQ(rig.ui.messages.size(), 1);
}

// A second start or an MPRIS OpenUri naming a file the list holds already: it
// becomes current and plays; one naming nothing playable keeps the place.
TEST_F(PlaybackFlowTest, HandedFilesThatAreListedAlreadyBecomeCurrentAndPlay) {
    const TestMedia& media = testMedia();
    const QString first = music("first.wav", media.wav);
    const QString second = music("second.wav", media.wav);
    startWith({first, second});
    store().SetCurrent(0);
    ASSERT_TRUE(transport().OpenCurrentTrack());
    rig.window().OnCommand(ControlId::Play);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playingEntry(0); }, kWaitMs));

    rig.app().OpenFiles({second});
    ASSERT_TRUE(QTest::qWaitFor([&] { return playingEntry(1); }, kWaitMs));
    EXPECT_EQ(store().EntryCount(), 2);
    EXPECT_NE(bridge->metadata().value(QStringLiteral("mpris:trackid")).toString(),
              MprisBridge::kNoTrack);

    rig.app().OpenFiles({rig.path("readme.txt")});
    QTest::qWait(500);
    EXPECT_TRUE(playingEntry(1));
    rig.window().OnCommand(ControlId::End);  // Next wraps to the first, not past the end
    ASSERT_TRUE(QTest::qWaitFor([&] { return playingEntry(0); }, kWaitMs));

    // Handed over while the list is busy (a sort, a scan): they wait for it.
    const QString third = music("third.wav", media.wav);
    store().SetBusy(true);
    rig.app().OpenFiles({third});
    QTest::qWait(500);
    EXPECT_EQ(store().EntryCount(), 2);
    store().SetBusy(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playingEntry(2); }, kWaitMs));
    EXPECT_EQ(store().EntryAt(2).path, third);
}

// An address whose server takes the connection and never answers: the window
// goes on answering while it opens, Stop gives it up, and another track takes
// its place at once.
TEST_F(PlaybackFlowTest, AStalledAddressHoldsNothingUpAndStopOrAnotherTrackGivesItUp) {
    QTcpServer stalled;
    ASSERT_TRUE(stalled.listen(QHostAddress::LocalHost));
    QList<QTcpSocket*> held;
    QObject::connect(&stalled, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* socket = stalled.nextPendingConnection()) {
            held.append(socket);  // taken, never answered
        }
    });
    const QString address =
        QStringLiteral("http://127.0.0.1:%1/song.mp3").arg(stalled.serverPort());
    startWith({music("local.wav", testMedia().wav)});
    store().AddPath(address);
    ASSERT_EQ(store().EntryCount(), 2);

    for (bool byStop : {true, false}) {
        SCOPED_TRACE(byStop ? "Stop" : "another track");
        store().SetCurrent(1);
        rig.window().OnCommand(ControlId::Play);
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(transport().OpenCurrentTrack());
        EXPECT_LT(clock.elapsed(), 100);
        EXPECT_TRUE(transport().openPending());
        // The window answers: a key reaches the transport within 100 ms.
        clock.restart();
        QTest::keyClick(&rig.window(), Qt::Key_L);
        QTest::qWait(10);
        EXPECT_TRUE(transport().loop());
        EXPECT_LT(clock.elapsed(), 100);
        QTest::keyClick(&rig.window(), Qt::Key_L);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return stalled.isListening() && !held.isEmpty(); }, kWaitMs));
        if (byStop) {
            rig.window().OnCommand(ControlId::Stop);
            EXPECT_FALSE(rig.app().engine().opening());
            EXPECT_FALSE(transport().openPending());
            EXPECT_EQ(transport().mode(), Transport::Mode::Stopped);
        } else {
            store().SetCurrent(0);
            ASSERT_TRUE(transport().OpenCurrentTrack());
            EXPECT_FALSE(rig.app().engine().opening());
            ASSERT_TRUE(QTest::qWaitFor([&] { return playingEntry(0); }, kWaitMs));
        }
    }
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.messages.join(u'|').toStdString();
}

}  // namespace
