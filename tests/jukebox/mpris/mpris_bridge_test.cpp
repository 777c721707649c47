// The MPRIS bridge without a bus, over the real transport and a fake graph:
// methods end in the buttons' commands, properties read and write the
// transport's state, changes are reported once per turn of the event loop,
// and the metadata and seeks follow the current entry.
#include "jukebox/mpris/mpris_bridge.h"

#include <gtest/gtest.h>

#include <QDBusObjectPath>
#include <QTest>

#include "jukebox/common/path_functions.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/playback/media_engine.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/transport.h"
#include "jukebox/tracklist/tag_page_settings.h"
#include "jukebox/tracklist/tracklist_store.h"
#include "taglib/tag_record.h"
#include "tests/jukebox/playback/fake_media_graph.h"
#include "tests/jukebox/playback/recording_engine_window.h"
#include "tests/jukebox/shell/recording_transport_view.h"
#include "tests/support/recording_ui_service.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr int kDurationMs = 60000;

class MprisBridgeTest : public testing::Test {
protected:
    MprisBridgeTest() {
        window.setEngine(&engine);
        graph.duration = GraphTime{kDurationMs} * kGraphUnitsPerMs;
        for (int i = 0; i < 3; ++i) {
            TrackEntry entry;
            entry.playable = 1;
            entry.path = pathOf(i);
            entry.name = QStringLiteral("Track %1").arg(i);
            entry.artist = QStringLiteral("Artist %1").arg(i);
            entry.source = QStringLiteral("Album %1").arg(i);
            entry.mediaKind = 2;
            store.AppendEntry(entry);
        }
        QObject::connect(&bridge, &MprisBridge::playerPropertiesChanged,
                         [this](const QVariantMap& changed) { reports.append(changed); });
        QObject::connect(&bridge, &MprisBridge::seeked, [this](qlonglong us) { seeks.append(us); });
    }

    QString pathOf(int index) const {
        return QString::fromStdString((folder / "album").string()) +
               QStringLiteral("/track%1.mp3").arg(index);
    }
    void open(int index) {
        store.setCurrentIndex(index);
        ASSERT_TRUE(transport.OpenCurrentTrack());
        view.popups.clear();
        settle();
    }
    // The reports of the last turn of the event loop.
    void settle() {
        reports.clear();
        QCoreApplication::processEvents();
    }
    QVariantMap lastReport() { return reports.isEmpty() ? QVariantMap() : reports.last(); }

    TempDir folder;
    FakeMediaGraph graph;
    RecordingEngineWindow window;
    RecordingUiService ui;
    ExtensionLists lists{ui, {QStringLiteral("mp3")}, {}};
    MediaEngine engine{graph, window, ui,
                       [this](const QString& ext) { return lists.ClassifyExtension(ext); }};
    TagRecord record;
    TagPageSettings tagPage;
    TracklistStore store{ui, lists, record, tagPage};
    RecordingTransportView view;
    Transport transport{engine, store, view};
    QList<int> otherCommands;
    QList<QStringList> handed;
    int raised = 0;
    MprisBridge bridge{transport, store, engine,
                       MprisHooks{[this](int id) {
                                      if (!transport.OnCommand(id)) {
                                          otherCommands.append(id);
                                      }
                                  },
                                  [this](const QStringList& names) { handed.append(names); },
                                  [this] { ++raised; },
                                  [this](std::function<void()> task) {
                                      ui.whenNoModal(std::move(task));
                                  }}};
    QList<QVariantMap> reports;
    QList<qlonglong> seeks;
};

// Playing, pausing and the track moves are also driven over the bus (see
// mpris_bus_test.cpp); here what only shows without it: no command where MPRIS
// asks for nothing, and one report for a turn's changes.
TEST_F(MprisBridgeTest, MethodsSendOnlyTheCommandsThatChangeSomethingAndChangesAreReportedOnce) {
    open(0);
    bridge.PlayPause();  // stopped: plays
    bridge.PlayPause();
    bridge.Pause();  // already paused: nothing
    bridge.Play();   // resumes
    bridge.Play();   // already playing: nothing
    bridge.Stop();
    bridge.Stop();
    bridge.Pause();  // stopped: nothing
    EXPECT_EQ(view.popups,
              QStringList({QStringLiteral("Mode: Play"), QStringLiteral("Mode: Pause"),
                           QStringLiteral("Mode: Play"), QStringLiteral("Mode: Stop")}));
    settle();
    EXPECT_EQ(reports, QList<QVariantMap>(
                           {{{QStringLiteral("PlaybackStatus"), QStringLiteral("Stopped")}}}));

    bridge.Next();
    settle();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(lastReport().value(QStringLiteral("CanSeek")), true);
    EXPECT_TRUE(lastReport().contains(QStringLiteral("Metadata")));
    bridge.Previous();  // at 0 s: the entry before
    EXPECT_EQ(store.currentIndex(), 0);
    bridge.Quit();
    bridge.Raise();
    EXPECT_EQ(otherCommands, QList<int>({ControlId::Close}));
    EXPECT_EQ(raised, 1);
}

// A remote control that keeps pressing Next while a box waits for the user
// must not act inside the box's loop: the calls wait, then run in order once
// it has closed, and none of them opens a box inside another.
TEST_F(MprisBridgeTest, CommandsWaitForAnOpenBoxAndRunInOrderAfterIt) {
    open(0);
    bridge.Play();
    int nested = 0;
    int depthSeen = 0;
    ui.whileMessageShows = [&](const QString&) {
        ++depthSeen;
        for (int i = 0; i < 10; ++i) {
            bridge.Next();
        }
        bridge.setShuffle(true);
        EXPECT_EQ(store.currentIndex(), 0) << "Next ran inside the box";
        EXPECT_FALSE(transport.random());
        nested = std::max(nested, depthSeen);
        --depthSeen;
    };
    ui.showMessage(QStringLiteral("Something to read"));
    EXPECT_EQ(store.currentIndex(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return transport.random(); }, 2000));
    // Ten steps through a list of three, then random mode.
    EXPECT_EQ(store.currentIndex(), 10 % 3);
    EXPECT_EQ(transport.mode(), Transport::Mode::Playing);
    EXPECT_EQ(nested, 1);
}

TEST_F(MprisBridgeTest, LoopShuffleVolumeAndRateMapBothWays) {
    open(0);
    EXPECT_EQ(bridge.loopStatus(), QStringLiteral("Playlist"));  // the list wraps at its end
    bridge.setLoopStatus(QStringLiteral("Track"));
    EXPECT_TRUE(transport.loop());
    EXPECT_TRUE(view.buttonOn.value(ControlId::Loop));
    bridge.setLoopStatus(QStringLiteral("Track"));  // no second toggle
    EXPECT_TRUE(transport.loop());
    bridge.setLoopStatus(QStringLiteral("Sometimes"));
    EXPECT_TRUE(transport.loop());
    bridge.setLoopStatus(QStringLiteral("None"));
    EXPECT_FALSE(transport.loop());

    bridge.setShuffle(true);
    EXPECT_TRUE(transport.random());
    EXPECT_TRUE(view.buttonOn.value(ControlId::Random));

    bridge.setVolume(0.254);
    EXPECT_EQ(engine.GetVolume(), 25);
    EXPECT_EQ(view.sliderValue.value(ControlId::Volume), 25);
    EXPECT_DOUBLE_EQ(bridge.volume(), 0.25);
    bridge.setVolume(1.7);
    EXPECT_EQ(engine.GetVolume(), 100);

    bridge.setRate(0.5);
    EXPECT_DOUBLE_EQ(transport.speed(), 0.5);
    EXPECT_TRUE(graph.calls.contains(QStringLiteral("SetRate(0.5)")))
        << graph.calls.join(u' ').toStdString();
    bridge.setRate(9.0);
    EXPECT_DOUBLE_EQ(bridge.rate(), 2.0);
    EXPECT_EQ(view.popups.mid(view.popups.size() - 6),
              QStringList({QStringLiteral("Loop: Off"), QStringLiteral("Random: On"),
                           QStringLiteral("Volume: 25"), QStringLiteral("Volume: 100"),
                           QStringLiteral("Speed: 0.50X"), QStringLiteral("Speed: 2.00X")}));
    settle();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(lastReport(), QVariantMap({{QStringLiteral("LoopStatus"), QStringLiteral("Playlist")},
                                         {QStringLiteral("Shuffle"), true},
                                         {QStringLiteral("Volume"), 1.0},
                                         {QStringLiteral("Rate"), 2.0}}));

    bridge.Play();
    bridge.setRate(0.0);  // nought means pause
    EXPECT_EQ(transport.mode(), Transport::Mode::Paused);
    EXPECT_DOUBLE_EQ(bridge.rate(), 2.0);
}

TEST_F(MprisBridgeTest, MetadataAndSeeksFollowTheCurrentEntry) {
    EXPECT_EQ(bridge.metadata(),
              QVariantMap({{QStringLiteral("mpris:trackid"),
                            QVariant::fromValue(QDBusObjectPath(MprisBridge::kNoTrack))}}));
    std::filesystem::create_directories(folder / "album");
    writeFileBytes(folder / "album" / "Cover.PNG", "");
    open(0);
    const QVariantMap meta = bridge.metadata();
    const QString trackId =
        meta.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path();
    EXPECT_EQ(trackId, MprisBridge::TrackIdOf(pathOf(0)));
    EXPECT_NE(trackId, MprisBridge::TrackIdOf(pathOf(1)));
    EXPECT_EQ(meta.value(QStringLiteral("xesam:title")), QStringLiteral("Track 0"));
    EXPECT_EQ(meta.value(QStringLiteral("xesam:artist")), QStringList(QStringLiteral("Artist 0")));
    EXPECT_EQ(meta.value(QStringLiteral("xesam:album")), QStringLiteral("Album 0"));
    EXPECT_EQ(meta.value(QStringLiteral("mpris:length")), qlonglong(kDurationMs) * 1000);
    EXPECT_EQ(meta.value(QStringLiteral("xesam:url")), QStringLiteral("file://") + pathOf(0));
    EXPECT_EQ(meta.value(QStringLiteral("mpris:artUrl")),
              QStringLiteral("file://") + QString::fromStdString((folder / "album").string()) +
                  QStringLiteral("/Cover.PNG"));

    bridge.SetPosition(MprisBridge::TrackIdOf(pathOf(1)), 5'000'000);  // not the current track
    bridge.SetPosition(trackId, qlonglong(kDurationMs + 1) * 1000);    // past its end
    EXPECT_TRUE(seeks.isEmpty());
    bridge.SetPosition(trackId, 12'500'000);
    EXPECT_EQ(bridge.position(), 12'500'000);
    EXPECT_EQ(view.sliderValue.value(ControlId::Position), 12500);
    EXPECT_EQ(view.popups.last(), QStringLiteral("Mode: Seek"));
    bridge.Seek(-20'000'000);  // before the start: the start
    EXPECT_EQ(bridge.position(), 0);
    bridge.Seek(30'000'000);
    EXPECT_EQ(seeks, QList<qlonglong>({12'500'000, 0, 30'000'000}));
    bridge.Seek(31'000'000);  // past the end: the next track
    EXPECT_EQ(store.currentIndex(), 1);
    EXPECT_EQ(bridge.metadata().value(QStringLiteral("mpris:artUrl")),
              meta.value(QStringLiteral("mpris:artUrl")));

    // A URI comes through byte for byte; only local files are taken.
    EXPECT_TRUE(bridge.OpenUri(QStringLiteral("file:///music/caf%E9%20bar.mp3")));
    ASSERT_EQ(handed.size(), 1);
    EXPECT_EQ(LocalPathBytes(handed[0].value(0)), QByteArray("/music/caf\xE9 bar.mp3"));
    EXPECT_FALSE(bridge.OpenUri(QStringLiteral("http://example.com/a.mp3")));
    EXPECT_EQ(handed.size(), 1);
}

}  // namespace
