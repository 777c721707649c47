#include "jukebox/shell/transport.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "jukebox/options/extension_lists.h"
#include "jukebox/playback/media_engine.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/key_map.h"
#include "jukebox/tracklist/tag_page_settings.h"
#include "jukebox/tracklist/tracklist_store.h"
#include "taglib/tag_record.h"
#include "tests/jukebox/playback/fake_media_graph.h"
#include "tests/jukebox/playback/recording_engine_window.h"
#include "tests/jukebox/shell/recording_transport_view.h"
#include "tests/support/recording_ui_service.h"

namespace {

using Mode = Transport::Mode;

constexpr int kDurationMs = 60000;

QStringList texts(std::initializer_list<const char*> items) {
    QStringList result;
    for (const char* item : items) {
        result.append(QString::fromUtf8(item));
    }
    return result;
}

QString pathOf(int index) {
    return QStringLiteral("/media/track%1.mp3").arg(index);
}

class TransportTest : public testing::Test {
protected:
    TransportTest() {
        window.setEngine(&engine);
        graph.duration = GraphTime{kDurationMs} * kGraphUnitsPerMs;
        for (int i = 0; i < 3; ++i) {
            TrackEntry entry;
            entry.playable = 1;
            entry.path = pathOf(i);
            entry.name = QStringLiteral("Track %1").arg(i);
            entry.mappingKind = MappingTag;
            entry.mediaKind = 2;
            store.AppendEntry(entry);
        }
    }

    // Makes index current and opens it; the test then sees only what follows.
    void open(int index) {
        store.setCurrentIndex(index);
        ASSERT_TRUE(transport.OpenCurrentTrack());
        forget();
    }
    void forget() {
        graph.calls.clear();
        view.popups.clear();
        view.panelPopups.clear();
    }
    void at(int ms) { graph.position = GraphTime{ms} * kGraphUnitsPerMs; }
    // What reached the graph, without the queries.
    QStringList engineCalls() const { return graph.operations(); }
    bool rendered(int index) const {
        return engineCalls().contains(QStringLiteral("RenderFile(%1)").arg(pathOf(index)));
    }
    void expectMode(Mode mode, bool play, bool pause, bool stop, int lamp) {
        EXPECT_EQ(transport.mode(), mode);
        EXPECT_EQ(view.buttonOn.value(ControlId::Play), play);
        EXPECT_EQ(view.buttonOn.value(ControlId::Pause), pause);
        EXPECT_EQ(view.buttonOn.value(ControlId::Stop), stop);
        EXPECT_EQ(view.lamp.value(ControlId::PmLamp), lamp);
        EXPECT_EQ(view.animationRunning, mode == Mode::Playing);
    }

    FakeMediaGraph graph;
    RecordingEngineWindow window;
    RecordingUiService ui;
    ExtensionLists lists{ui, {QStringLiteral("mp3")}, {QStringLiteral("webm")}};
    MediaEngine engine{graph, window, ui,
                       [this](const QString& ext) { return lists.ClassifyExtension(ext); }};
    TagRecord record;
    TagPageSettings tagPage;
    TracklistStore store{ui, lists, record, tagPage};
    RecordingTransportView view;
    Transport transport{engine, store, view};
};

TEST_F(TransportTest, PlayPauseStopSetButtonsLampsEngineAndPopups) {
    open(0);
    EXPECT_TRUE(transport.OnCommand(CommandId::PauseResume));  // stopped: nothing happens
    EXPECT_EQ(transport.mode(), Mode::Stopped);
    EXPECT_TRUE(engineCalls().isEmpty());
    EXPECT_TRUE(view.popups.isEmpty());

    transport.OnCommand(ControlId::Play);
    expectMode(Mode::Playing, true, false, false, 1);
    EXPECT_TRUE(view.trayPlayChecked);
    EXPECT_TRUE(view.hoverCleared.contains(ControlId::Play));

    transport.OnCommand(ControlId::Pause);
    expectMode(Mode::Paused, true, true, false, 2);
    transport.OnCommand(CommandId::PauseResume);
    expectMode(Mode::Playing, true, false, false, 1);
    transport.OnCommand(ControlId::Pause);
    transport.OnCommand(CommandId::Play);  // play while paused resumes
    expectMode(Mode::Playing, true, false, false, 1);

    transport.OnCommand(CommandId::Stop);
    expectMode(Mode::Stopped, false, false, true, 0);
    EXPECT_FALSE(view.trayPlayChecked);
    EXPECT_TRUE(view.hoverCleared.contains(ControlId::Stop));

    EXPECT_EQ(view.popups, texts({"Mode: Play", "Mode: Pause", "Mode: Resume", "Mode: Pause",
                                  "Mode: Play", "Mode: Stop"}));
    EXPECT_EQ(engineCalls(), texts({"Run", "Pause", "StopWhenReady", "Run", "Pause",
                                    "StopWhenReady", "Run", "Stop"}));
    EXPECT_FALSE(transport.OnCommand(ControlId::Cover));  // the window's own
}

TEST_F(TransportTest, OpeningShowsTheTrackKeepsTheModeAndResetsTheSpeed) {
    transport.OnCommand(ControlId::Play);
    for (int i = 0; i < 4; ++i) {
        transport.OnKeyAction(MapKeyPress(Qt::Key_X, Qt::NoModifier));
    }
    EXPECT_EQ(transport.speed(), 0.25);
    EXPECT_EQ(view.popups.last(), QStringLiteral("Speed: 0.25X"));
    EXPECT_EQ(view.panelPopups.last(), QStringLiteral("512 0.25"));
    for (int i = 0; i < 6; ++i) {
        transport.ChangeSpeed(Transport::kSpeedStep);
    }
    EXPECT_EQ(transport.speed(), 1.75);
    transport.OnKeyAction(MapKeyPress(Qt::Key_Z, Qt::ShiftModifier));
    transport.OnKeyAction(MapKeyPress(Qt::Key_Z, Qt::NoModifier));
    EXPECT_EQ(transport.speed(), 2.0);
    EXPECT_EQ(view.popups.last(), QStringLiteral("Speed: 2.00X"));

    store.setCurrentIndex(1);
    forget();
    ASSERT_TRUE(transport.OpenCurrentTrack());
    EXPECT_EQ(transport.speed(), 1.0);
    EXPECT_EQ(engineCalls().last(), QStringLiteral("SetRate(1)"));
    EXPECT_TRUE(engineCalls().contains(QStringLiteral("Run")));  // still playing
    EXPECT_EQ(transport.mode(), Mode::Playing);
    EXPECT_EQ(view.sliderRange.value(ControlId::Position), kDurationMs);
    EXPECT_EQ(view.totalSeconds, kDurationMs / 1000);
    EXPECT_EQ(view.lamp.value(ControlId::TagLamp), MappingTag);
    EXPECT_EQ(view.lamp.value(ControlId::AvLamp), 2);
    EXPECT_EQ(view.panelBits, PanelBit::Text);
    EXPECT_EQ(view.opened, QStringList({pathOf(1)}));
    EXPECT_EQ(view.popups, texts({"Track 1"}));

    graph.script(QStringLiteral("RenderFile"), {kGraphFail});
    view.popups.clear();
    EXPECT_FALSE(transport.OpenCurrentTrack());  // the engine refuses it
    EXPECT_EQ(view.panelBits, 0);
    EXPECT_EQ(transport.mode(), Mode::Playing);
    EXPECT_TRUE(view.popups.isEmpty());
}

TEST_F(TransportTest, HomeGoesBackEarlyInATrackAndRewindsLaterOrWithLoopOrRandom) {
    open(1);
    at(1200);
    transport.OnCommand(ControlId::Home);
    EXPECT_TRUE(rendered(0));
    EXPECT_EQ(store.currentIndex(), 0);
    EXPECT_EQ(view.popups.last(), QStringLiteral("Mode: Home"));

    open(1);
    at(1499);
    transport.OnCommand(CommandId::Home);
    EXPECT_EQ(store.currentIndex(), 0);

    for (int ms : {1500, 1600}) {
        open(1);
        at(ms);
        transport.OnCommand(ControlId::Home);
        EXPECT_EQ(engineCalls().filter(QStringLiteral("RenderFile")), QStringList()) << ms;
        EXPECT_TRUE(engineCalls().contains(QStringLiteral("SetPositions(0)"))) << ms;
        EXPECT_EQ(store.currentIndex(), 1) << ms;
    }

    for (int toggle : {ControlId::Loop, ControlId::Random}) {
        open(1);
        at(1200);
        transport.OnCommand(toggle);
        transport.OnCommand(ControlId::Home);
        EXPECT_TRUE(engineCalls().contains(QStringLiteral("SetPositions(0)"))) << toggle;
        EXPECT_EQ(store.currentIndex(), 1) << toggle;
        transport.OnCommand(toggle);
    }
}

TEST_F(TransportTest, SkipOpensTheNextTrackOrWithLoopRewindsThisOne) {
    open(1);
    transport.OnCommand(ControlId::End);
    EXPECT_TRUE(rendered(2));
    EXPECT_EQ(store.currentIndex(), 2);
    EXPECT_TRUE(view.hoverCleared.contains(ControlId::End));

    forget();
    transport.OnCommand(ControlId::Loop);
    EXPECT_TRUE(transport.loop());
    EXPECT_TRUE(view.buttonOn.value(ControlId::Loop));
    EXPECT_EQ(view.popups, texts({"Loop: On"}));
    EXPECT_EQ(view.panelPopups, texts({"128 -1"}));
    forget();
    at(30000);
    transport.OnCommand(CommandId::End);
    EXPECT_EQ(engineCalls().filter(QStringLiteral("RenderFile")), QStringList());
    EXPECT_TRUE(engineCalls().contains(QStringLiteral("SetPositions(0)")));
    EXPECT_EQ(store.currentIndex(), 2);

    transport.OnCommand(ControlId::Random);
    EXPECT_EQ(view.popups.last(), QStringLiteral("Random: On"));
    EXPECT_EQ(view.panelPopups.last(), QStringLiteral("256 -1"));
}

TEST_F(TransportTest, QuickSeekStepsAddUpToOneEngineSeekAfterTheLastStep) {
    open(0);
    at(10000);
    QElapsedTimer sinceLastStep;
    for (int i = 0; i < 5; ++i) {
        transport.OnCommand(ControlId::PosForward);
        sinceLastStep.start();
    }
    EXPECT_TRUE(transport.seekPending());
    EXPECT_EQ(view.shownSeconds, 25);
    EXPECT_EQ(view.sliderValue.value(ControlId::Position), 25000);
    EXPECT_EQ(view.popups.last(), QStringLiteral("Mode: Seek"));
    transport.PollPosition();  // a pending seek keeps the poll off the controls
    EXPECT_EQ(view.sliderValue.value(ControlId::Position), 25000);
    EXPECT_TRUE(engineCalls().filter(QStringLiteral("SetPositions")).isEmpty());

    ASSERT_TRUE(QTest::qWaitFor([this] { return !transport.seekPending(); }, 2000));
    EXPECT_GE(sinceLastStep.elapsed(), Transport::kSeekButtonDelayMs);
    EXPECT_EQ(engineCalls().filter(QStringLiteral("SetPositions")),
              texts({"SetPositions(250000000)"}));

    forget();
    at(58000);
    transport.OnKeyAction(MapKeyPress(Qt::Key_Down, Qt::NoModifier));  // +10 s
    EXPECT_EQ(transport.seekTarget(), kDurationMs / 1000);
    transport.OnKeyAction(MapKeyPress(Qt::Key_Left, Qt::NoModifier));
    transport.CommitSeek();
    EXPECT_EQ(engineCalls().filter(QStringLiteral("SetPositions")),
              texts({"SetPositions(590000000)"}));

    at(2000);
    transport.OnCommand(ControlId::PosRewind);
    EXPECT_EQ(transport.seekTarget(), 0);
}

TEST_F(TransportTest, VolumeAndBalanceStepsStayInRangeAndShowTheNumberForASecond) {
    engine.SetVolume(100);
    transport.OnCommand(ControlId::VolUp);
    EXPECT_EQ(engine.GetVolume(), 100);
    EXPECT_EQ(view.popups, texts({"Volume: 100"}));
    EXPECT_EQ(view.sliderValue.value(ControlId::Volume), 100);
    EXPECT_EQ(view.timeMode, 2);
    EXPECT_EQ(view.shownNumber, 100);
    transport.OnCommand(CommandId::VolumeDown);
    EXPECT_EQ(engine.GetVolume(), 99);
    EXPECT_EQ(view.popups.last(), QStringLiteral("Volume: 99"));

    engine.SetBalance(-99);
    view.popups.clear();
    transport.OnCommand(ControlId::BalLeft);
    transport.OnCommand(CommandId::BalanceLeft);
    EXPECT_EQ(engine.GetBalance(), -100);
    EXPECT_EQ(view.shownNumber, -100);
    EXPECT_EQ(view.sliderValue.value(ControlId::Balance), -100);
    EXPECT_TRUE(view.popups.isEmpty());

    EXPECT_TRUE(transport.showingNumber());
    ASSERT_TRUE(QTest::qWaitFor([this] { return view.timeMode == 1; }, 3000));
    EXPECT_FALSE(transport.showingNumber());
}

TEST_F(TransportTest, TheEndOfATrackAdvancesOnlyWhilePlaying) {
    open(0);
    at(12345);
    transport.PollPosition();
    EXPECT_EQ(view.sliderValue.value(ControlId::Position), 12345);
    EXPECT_EQ(view.shownSeconds, 12);

    at(kDurationMs);
    transport.PollPosition();  // stopped
    EXPECT_EQ(store.currentIndex(), 0);
    transport.OnCommand(ControlId::Play);
    transport.OnCommand(ControlId::Pause);
    transport.PollPosition();  // paused
    EXPECT_EQ(store.currentIndex(), 0);

    transport.OnCommand(ControlId::Pause);
    forget();
    transport.PollPosition();
    EXPECT_EQ(store.currentIndex(), 1);
    EXPECT_TRUE(rendered(1));
    EXPECT_EQ(engineCalls().filter(QStringLiteral("Run")), texts({"Run"}));

    // While the position is dragged the poll leaves everything alone.
    at(kDurationMs);
    transport.setDrag(Transport::Drag::Position);
    transport.PollPosition();
    EXPECT_EQ(store.currentIndex(), 1);
}

// While playing, a file that cannot be played is passed over from the event
// loop and the music goes on; a list where nothing plays stops once; a file the
// user opened while stopped just waits.
TEST_F(TransportTest, FilesThatCannotPlayArePassedOverWhilePlayingAndANoPlayableListStopsOnce) {
    open(0);
    transport.OnCommand(ControlId::Play);
    at(kDurationMs);
    forget();
    graph.script(QStringLiteral("RenderFile"), {kGraphFail});  // the second file is broken
    transport.PollPosition();
    EXPECT_EQ(store.currentIndex(), 1);
    EXPECT_EQ(transport.failedInARow(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return store.currentIndex() == 2; }, 2000));
    EXPECT_TRUE(rendered(2));
    EXPECT_EQ(transport.failedInARow(), 0);
    EXPECT_EQ(transport.mode(), Mode::Playing);
    EXPECT_EQ(engineCalls().filter(QStringLiteral("Run")).size(), 1);
    EXPECT_EQ(view.opened.last(), pathOf(2));
    EXPECT_TRUE(ui.notices.isEmpty() == false) << "the failure is told, without a box";
    EXPECT_EQ(ui.messages, ui.notices);

    // Now nothing plays: one round through the list, then one stop.
    forget();
    graph.script(QStringLiteral("RenderFile"), {kGraphFail, kGraphFail, kGraphFail, kGraphFail});
    transport.OnCommand(ControlId::End);
    ASSERT_TRUE(QTest::qWaitFor([&] { return transport.mode() == Mode::Stopped; }, 2000));
    EXPECT_EQ(engineCalls().filter(QStringLiteral("RenderFile")).size(), 3);
    EXPECT_EQ(view.popups.filter(QStringLiteral("Mode: Stop")).size(), 1);
    expectMode(Mode::Stopped, false, false, true, 0);
    QTest::qWait(50);
    EXPECT_EQ(engineCalls().filter(QStringLiteral("RenderFile")).size(), 3);

    // Stopped, a broken file the user picked stays current.
    forget();
    graph.script(QStringLiteral("RenderFile"), {kGraphFail});
    store.setCurrentIndex(1);
    EXPECT_FALSE(transport.OpenCurrentTrack());
    QTest::qWait(50);
    EXPECT_EQ(store.currentIndex(), 1);
    EXPECT_EQ(engineCalls().filter(QStringLiteral("RenderFile")).size(), 1);
}

// The end of a track found while a box waits for the user opens the next one
// only after it has closed.
TEST_F(TransportTest, TheEndOfATrackWaitsForAnOpenBox) {
    transport.setUiService(&ui);
    open(0);
    transport.OnCommand(ControlId::Play);
    at(kDurationMs);
    ui.whileMessageShows = [&](const QString&) {
        transport.PollPosition();
        EXPECT_EQ(store.currentIndex(), 0);
    };
    ui.showMessage(QStringLiteral("A question"));
    transport.PollPosition();
    EXPECT_EQ(store.currentIndex(), 1);
}

TEST_F(TransportTest, TheBossKeyPausesWhatPlayedAndBringsItBack) {
    open(0);
    transport.OnCommand(ControlId::Play);
    view.videoVisible = true;
    transport.OnKeyAction(MapKeyRelease(Qt::Key_B, Qt::NoModifier, false));
    EXPECT_TRUE(transport.bossHidden());
    EXPECT_EQ(transport.mode(), Mode::Paused);
    EXPECT_FALSE(view.videoVisible);
    transport.BossKey();
    EXPECT_FALSE(transport.bossHidden());
    EXPECT_EQ(transport.mode(), Mode::Playing);
    EXPECT_TRUE(view.videoVisible);

    transport.OnCommand(ControlId::Pause);
    view.videoVisible = false;
    transport.BossKey();
    transport.BossKey();
    EXPECT_EQ(transport.mode(), Mode::Paused);  // it was not playing
    EXPECT_FALSE(view.videoVisible);
}

}  // namespace
