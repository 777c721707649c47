#include "jukebox/playback/media_engine.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <limits>

#include "jukebox/options/extension_lists.h"
#include "tests/jukebox/playback/fake_media_graph.h"
#include "tests/jukebox/playback/recording_engine_window.h"
#include "tests/support/recording_ui_service.h"

namespace {

const QString kVideo = QStringLiteral("/media/clip.webm");
const QString kAudio = QStringLiteral("/media/song.MP3");

QStringList list(std::initializer_list<const char*> items) {
    QStringList result;
    for (const char* item : items) {
        result.append(QString::fromUtf8(item));
    }
    return result;
}

QString failure(const char* code, const char* text) {
    return QStringLiteral("Operation Failed, HRESULT %1\n%2")
        .arg(QString::fromLatin1(code), QString::fromUtf8(text));
}

class MediaEngineTest : public testing::Test {
protected:
    MediaEngineTest() {
        window.setEngine(&engine);
        graph.errorTexts.insert(kGraphFail, QStringLiteral("Unspecified error"));
    }

    // Opens path and forgets what the open did, so a test sees only what follows.
    void openQuietly(const QString& path) {
        ASSERT_TRUE(engine.OpenMedia(path));
        graph.calls.clear();
        window.calls.clear();
        ui.messages.clear();
    }

    FakeMediaGraph graph;
    RecordingEngineWindow window;
    RecordingUiService ui;
    ExtensionLists lists{ui,
                         {QStringLiteral("mp3"), QStringLiteral("wav")},
                         {QStringLiteral("webm"), QStringLiteral("avi")}};
    MediaEngine engine{graph, window, ui, [this](const QString& extension) {
                           return lists.ClassifyExtension(extension);
                       }};
};

TEST_F(MediaEngineTest, OpensAVideoFileStepByStepAndCuesIt) {
    graph.duration = 1234567899;
    graph.videoWidth = 320;
    graph.videoHeight = 240;
    EXPECT_TRUE(engine.firstOpen());
    ASSERT_TRUE(engine.OpenMedia(kVideo));
    EXPECT_EQ(graph.calls, list({"CreateGraph",
                                 "Query(Events)",
                                 "GetEventHandle",
                                 "PrepareVideoOutput(window)",
                                 "RenderFile(/media/clip.webm)",
                                 "Query(Events)",
                                 "SetNotifyWindow(window)",
                                 "GetVideoStreamCount",
                                 "Query(VideoWindow)",
                                 "PutOwner(window)",
                                 "PutWindowState(true)",
                                 "Query(BasicVideo)",
                                 "GetVideoSize",
                                 "Query(Seeking)",
                                 "SetTimeFormatMediaTime",
                                 "Query(Control)",
                                 "Pause",
                                 "StopWhenReady",
                                 "Query(Seeking)",
                                 "GetDuration",
                                 "Query(Audio)",
                                 "PutVolume(0)",
                                 "Query(Audio)",
                                 "PutBalance(0)"}));
    EXPECT_EQ(window.calls, list({"showWithFade", "videoOutputBound(first)", "refreshFilters"}));
    EXPECT_EQ(graph.notifyTarget, &window);
    EXPECT_EQ(graph.owner, &window);
    EXPECT_TRUE(engine.HasGraph());
    EXPECT_EQ(engine.engineState(), MediaEngine::Paused);
    EXPECT_EQ(engine.GetDurationMs(), 123456);
    EXPECT_EQ(engine.videoWidth(), 320);
    EXPECT_EQ(engine.videoHeight(), 240);
    EXPECT_FALSE(engine.firstOpen());
    EXPECT_TRUE(ui.messages.isEmpty());

    // The next file releases this graph first; the window is no longer new.
    graph.calls.clear();
    window.calls.clear();
    graph.videoWidth = 640;
    ASSERT_TRUE(engine.OpenMedia(QStringLiteral("/media/other.AVI")));
    EXPECT_EQ(graph.calls.mid(0, 7),
              list({"Query(VideoWindow)", "PutWindowState(false)", "PutOwner(none)",
                    "Query(Events)", "SetNotifyWindow(none)", "Release", "CreateGraph"}));
    EXPECT_TRUE(graph.calls.contains(QStringLiteral("PrepareVideoOutput(window)")));
    EXPECT_EQ(window.calls, list({"showWithFade", "videoOutputBound", "refreshFilters"}));
    EXPECT_EQ(engine.videoWidth(), 640);
}

TEST_F(MediaEngineTest, AudioHidesTheVideoWindowAndOtherClassesLeaveIt) {
    struct Case {
        QString path;
        QStringList windowCalls;
    };
    const Case cases[] = {
        {kAudio, list({"hideWithFade", "refreshFilters"})},
        {QStringLiteral("/media/take.WAV"), list({"hideWithFade", "refreshFilters"})},
        {QStringLiteral("/media/notes.txt"), list({"refreshFilters"})},
        // No dot in the name: the extension is the whole path.
        {QStringLiteral("/media.mp3/track"), list({"refreshFilters"})},
        {QStringLiteral("/media/track"), list({"refreshFilters"})},
    };
    for (const Case& c : cases) {
        window.calls.clear();
        ASSERT_TRUE(engine.OpenMedia(c.path)) << c.path.toStdString();
        EXPECT_EQ(window.calls, c.windowCalls) << c.path.toStdString();
        EXPECT_FALSE(graph.operations().contains(QStringLiteral("GetVideoSize")));
        // Only a video gets a sink that may draw into the window.
        EXPECT_FALSE(graph.calls.contains(QStringLiteral("PrepareVideoOutput(window)")));
    }
    EXPECT_TRUE(engine.firstOpen());

    // The window is hidden before the graph is made: also when that fails.
    window.calls.clear();
    graph.script(QStringLiteral("CreateGraph"), {kGraphFail});
    EXPECT_FALSE(engine.OpenMedia(kAudio));
    EXPECT_EQ(window.calls, list({"hideWithFade"}));
}

TEST_F(MediaEngineTest, AVideoFileWithoutPictureIsAudioAndLeavesTheFirstOpenToAVideo) {
    graph.videoWidth = 320;
    graph.videoHeight = 240;
    graph.videoStreams = 0;
    ASSERT_TRUE(engine.OpenMedia(QStringLiteral("/music/song.webm")));
    EXPECT_EQ(window.calls, list({"hideWithFade", "refreshFilters"}));
    for (const char* untouched : {"PutOwner(window)", "PutWindowState(true)", "GetVideoSize"}) {
        EXPECT_FALSE(graph.calls.contains(QString::fromLatin1(untouched))) << untouched;
    }
    EXPECT_TRUE(engine.firstOpen());
    EXPECT_EQ(engine.videoWidth(), 0);
    EXPECT_EQ(engine.engineState(), MediaEngine::Paused);

    // A graph that cannot count its streams binds as before.
    window.calls.clear();
    graph.script(QStringLiteral("GetVideoStreamCount"), {kGraphFail});
    ASSERT_TRUE(engine.OpenMedia(kVideo));
    EXPECT_EQ(window.calls, list({"showWithFade", "videoOutputBound(first)", "refreshFilters"}));
    EXPECT_EQ(engine.videoWidth(), 320);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MediaEngineTest, AnAddressOpensWithoutWaitingAndEndsThroughTheWindow) {
    graph.duration = 1234567899;
    const QString address = QStringLiteral("http://radio.example/live.mp3");
    EXPECT_EQ(engine.BeginOpen(address), OpenResult::Pending);
    EXPECT_EQ(graph.operations(), list({"CreateGraph", "GetEventHandle", "SetNotifyWindow(window)",
                                        "BeginRenderFile(http://radio.example/live.mp3)"}));
    EXPECT_TRUE(engine.opening());
    EXPECT_EQ(window.calls, list({"hideWithFade"}));
    // Nothing to play yet: the transport waits, silently.
    graph.calls.clear();
    engine.Run();
    engine.SeekTo(100);
    EXPECT_FALSE(engine.SetRate(2.0));
    EXPECT_EQ(engine.GetPositionMs(), 0);
    EXPECT_FALSE(engine.AtEnd());
    EXPECT_TRUE(graph.calls.isEmpty()) << graph.calls.join(u' ').toStdString();

    // Settled: the steps of an open, then the window hears it.
    graph.events = {{kEventBuffering, 100, 0}, {kEventRenderComplete, kGraphOk, 0}};
    engine.OnGraphEvent();
    EXPECT_FALSE(engine.opening());
    EXPECT_EQ(graph.operations(),
              list({"GetEvent", "FreeEventParams(17)", "GetEvent", "SetTimeFormatMediaTime",
                    "Pause", "StopWhenReady", "GetDuration", "PutVolume(0)", "PutBalance(0)",
                    "FreeEventParams(32769)", "GetEvent"}));
    EXPECT_EQ(window.calls, list({"hideWithFade", "refreshFilters", "openFinished(opened)"}));
    EXPECT_EQ(engine.GetDurationMs(), 123456);
    EXPECT_EQ(engine.engineState(), MediaEngine::Paused);
    engine.Run();
    EXPECT_EQ(engine.engineState(), MediaEngine::Running);
    EXPECT_TRUE(ui.messages.isEmpty());

    // Failed: one notice naming the address, an empty graph, and the window hears it.
    window.calls.clear();
    graph.errorTexts.insert(kGraphAbort, QStringLiteral("The graph did not get ready in time"));
    const QString secure = QStringLiteral("https://music.example/a%20b.ogg?x=1");
    EXPECT_FALSE(engine.OpenMedia(secure));  // pending is not opened
    EXPECT_TRUE(ui.messages.isEmpty());
    graph.events = {{kEventRenderComplete, kGraphAbort, 0}};
    engine.OnGraphEvent();
    EXPECT_EQ(ui.notices, QStringList(failure("80004004", "The graph did not get ready in time") +
                                      QStringLiteral("\nCannot render the file\n") + secure));
    EXPECT_EQ(window.calls, list({"openFinished(failed)"}));
    EXPECT_TRUE(engine.HasGraph());
    EXPECT_FALSE(engine.opening());
    graph.calls.clear();
    engine.Run();
    EXPECT_TRUE(graph.calls.isEmpty());
    // A render that cannot even start fails at once.
    ui.messages.clear();
    graph.script(QStringLiteral("BeginRenderFile"), {kGraphFail});
    EXPECT_EQ(engine.BeginOpen(address), OpenResult::Failed);
    EXPECT_FALSE(engine.opening());
    EXPECT_EQ(ui.messages.size(), 1);
}

TEST_F(MediaEngineTest, APendingOpenIsDroppedSilentlyByEveryWayOfLeavingIt) {
    const QString address = QStringLiteral("mms://radio.example/live");
    struct Way {
        std::function<void()> leave;
        bool stillOpening;  // a new pending open took its place
    };
    const Way ways[] = {
        {[&] { engine.CancelOpen(); }, false},
        {[&] { engine.ReleaseGraph(); }, false},
        {[&] { engine.Stop(); }, false},
        {[&] { ASSERT_TRUE(engine.OpenMedia(kAudio)); }, false},
        {[&] { engine.BeginOpen(QStringLiteral("rtsp://cam.example/1")); }, true},
    };
    int index = 0;
    for (const Way& way : ways) {
        ASSERT_EQ(engine.BeginOpen(address), OpenResult::Pending) << index;
        graph.calls.clear();
        window.calls.clear();
        way.leave();
        EXPECT_TRUE(graph.calls.contains(QStringLiteral("Release"))) << index;
        EXPECT_EQ(engine.opening(), way.stillOpening) << index;
        if (!way.stillOpening) {
            // A late word of the render is not heard.
            graph.events = {{kEventRenderComplete, kGraphOk, 0}};
            engine.OnGraphEvent();
            EXPECT_FALSE(window.calls.contains(QStringLiteral("openFinished(opened)"))) << index;
        }
        ++index;
    }
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
    engine.CancelOpen();
    EXPECT_FALSE(engine.opening());

    // Local files open at once, whatever their names look like.
    for (const char* local : {"/music/http.mp3", "file:///music/a.mp3", "relative/b.wav"}) {
        graph.calls.clear();
        EXPECT_EQ(engine.BeginOpen(QString::fromLatin1(local)), OpenResult::Opened) << local;
        EXPECT_TRUE(
            graph.calls.contains(QStringLiteral("RenderFile(%1)").arg(QLatin1String(local))))
            << local;
    }
}

TEST_F(MediaEngineTest, VolumeFollowsTheCubeCurveAndClamps) {
    struct Case {
        int volume;
        long sent;
        int read;
    };
    const Case cases[] = {{0, -10000, 0}, {50, -1250, 50}, {90, -10, 90}, {100, 0, 100},
                          {150, 0, 100},  {-5, -10000, 0}, {1, -9702, 1}, {99, 0, 99}};
    openQuietly(kAudio);
    for (const Case& c : cases) {
        graph.calls.clear();
        engine.SetVolume(c.volume);
        EXPECT_EQ(graph.calls, QStringList({QStringLiteral("Query(Audio)"),
                                            QStringLiteral("PutVolume(%1)").arg(c.sent)}))
            << c.volume;
        EXPECT_EQ(engine.GetVolume(), c.read) << c.volume;
    }
}

TEST_F(MediaEngineTest, BalanceFollowsTheCurveAndClamps) {
    struct Case {
        int balance;
        long sent;
        int read;
    };
    const Case cases[] = {{-100, -10000, -100}, {-50, -883, -50},  {0, 0, 0},
                          {50, 883, 50},        {100, 10000, 100}, {250, 10000, 100},
                          {-250, -10000, -100}, {1, 0, 1},         {99, 9654, 99}};
    openQuietly(kAudio);
    for (const Case& c : cases) {
        graph.calls.clear();
        engine.SetBalance(c.balance);
        EXPECT_EQ(graph.calls, QStringList({QStringLiteral("Query(Audio)"),
                                            QStringLiteral("PutBalance(%1)").arg(c.sent)}))
            << c.balance;
        EXPECT_EQ(engine.GetBalance(), c.read) << c.balance;
    }
}

TEST_F(MediaEngineTest, VolumeAndBalanceSetWithoutAGraphWaitForTheNextOpen) {
    engine.SetVolume(50);
    engine.SetBalance(-50);
    EXPECT_TRUE(graph.calls.isEmpty());
    EXPECT_EQ(engine.GetVolume(), 50);
    EXPECT_EQ(engine.GetBalance(), -50);
    ASSERT_TRUE(engine.OpenMedia(kAudio));
    EXPECT_EQ(graph.operations().mid(graph.operations().indexOf(QStringLiteral("GetDuration"))),
              list({"GetDuration", "PutVolume(-1250)", "PutBalance(-883)"}));

    engine.ReleaseGraph();
    graph.calls.clear();
    engine.SetVolume(90);
    engine.SetBalance(100);
    EXPECT_TRUE(graph.calls.isEmpty());
    ASSERT_TRUE(engine.OpenMedia(kAudio));
    EXPECT_TRUE(graph.calls.contains(QStringLiteral("PutVolume(-10)")));
    EXPECT_TRUE(graph.calls.contains(QStringLiteral("PutBalance(10000)")));
}

TEST_F(MediaEngineTest, EngineStateRecordsTheLastTransportCall) {
    EXPECT_EQ(engine.engineState(), MediaEngine::Stopped);
    // Without a graph the transport does nothing at all.
    engine.Run();
    engine.Pause();
    engine.SeekTo(500);
    engine.SetRate(2.0);
    EXPECT_EQ(engine.engineState(), MediaEngine::Stopped);
    EXPECT_TRUE(graph.calls.isEmpty());

    openQuietly(kAudio);
    EXPECT_EQ(engine.engineState(), MediaEngine::Paused);
    struct Step {
        std::function<void()> call;
        int state;
        QStringList operations;
    };
    const Step steps[] = {
        {[&] { engine.Run(); }, MediaEngine::Running, list({"Run"})},
        {[&] { engine.Pause(); }, MediaEngine::Paused, list({"Pause", "StopWhenReady"})},
        {[&] { engine.Stop(); }, MediaEngine::Stopped, list({"Stop"})},
        {[&] { engine.Run(); }, MediaEngine::Running, list({"Run"})},
        {[&] { engine.SeekTo(300); }, MediaEngine::Running, list({"SetPositions(3000000)"})},
        {[&] { engine.Rewind(); }, MediaEngine::Running, list({"SetPositions(0)"})},
        {[&] { engine.SetRate(2.0); }, MediaEngine::Running, list({"SetRate(2)"})},
        {[&] { engine.Pause(); }, MediaEngine::Paused, list({"Pause", "StopWhenReady"})},
        {[&] { engine.ReleaseGraph(); }, MediaEngine::Paused,
         list({"PutWindowState(false)", "PutOwner(none)", "SetNotifyWindow(none)", "Release"})},
        {[&] { engine.Run(); }, MediaEngine::Paused, {}},
    };
    int index = 0;
    for (const Step& step : steps) {
        graph.calls.clear();
        step.call();
        EXPECT_EQ(engine.engineState(), step.state) << "step " << index;
        EXPECT_EQ(graph.operations(), step.operations) << "step " << index;
        ++index;
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MediaEngineTest, SeekWhilePausedOrStoppedShowsTheNewFrameAndKeepsTheState) {
    openQuietly(kVideo);
    for (int state : {MediaEngine::Paused, MediaEngine::Stopped}) {
        state == MediaEngine::Paused ? engine.Pause() : engine.Stop();
        graph.calls.clear();
        engine.SeekTo(1500);
        EXPECT_EQ(graph.calls, list({"Query(Seeking)", "SetPositions(15000000)", "Query(Control)",
                                     "Pause", "StopWhenReady"}));
        EXPECT_EQ(engine.engineState(), state);
        EXPECT_EQ(engine.GetPositionMs(), 1500);
    }
    engine.Run();
    graph.calls.clear();
    engine.SeekTo(250);
    EXPECT_EQ(graph.calls, list({"Query(Seeking)", "SetPositions(2500000)"}));
    EXPECT_EQ(engine.engineState(), MediaEngine::Running);
}

TEST_F(MediaEngineTest, TimeCrossesInMillisecondsTruncatedTowardZero) {
    EXPECT_EQ(engine.GetPositionMs(), 0);
    EXPECT_TRUE(graph.calls.isEmpty());  // no graph, nothing asked
    graph.duration = 99999999;
    openQuietly(kAudio);
    EXPECT_EQ(engine.GetDurationMs(), 9999);
    struct Case {
        GraphTime position;
        int ms;
    };
    const Case cases[] = {{12345678, 1234}, {9999, 0},    {10000, 1},
                          {-15, 0},         {-19999, -1}, {21474836479999, 2147483647}};
    for (const Case& c : cases) {
        graph.position = c.position;
        EXPECT_EQ(engine.GetPositionMs(), c.ms) << c.position;
    }
    graph.duration = 21474836479999;  // known better while playing
    graph.events = {{kEventLengthChanged, 0, 0}};
    engine.OnGraphEvent();
    graph.calls.clear();
    engine.SeekTo(2147483647);  // 64-bit: no overflow on the way
    EXPECT_EQ(graph.operations().value(0), QStringLiteral("SetPositions(21474836470000)"));
    graph.duration = 99999999;
    graph.events = {{kEventLengthChanged, 0, 0}};
    engine.OnGraphEvent();
    // The duration is read once, at the open, and outlives the graph.
    graph.duration = 5;
    engine.ReleaseGraph();
    EXPECT_EQ(engine.GetDurationMs(), 9999);
    EXPECT_EQ(engine.GetPositionMs(), 0);
}

TEST_F(MediaEngineTest, SeeksBeyondTheKnownDurationGoToTheEnd) {
    graph.duration = 25000000;
    openQuietly(kAudio);
    for (int target : {7500, 2500, 2147483647}) {
        graph.calls.clear();
        engine.SeekTo(target);
        EXPECT_EQ(graph.operations().value(0), QStringLiteral("SetPositions(25000000)")) << target;
        graph.script(QStringLiteral("GetCurrentPosition"), {kGraphFail});
        EXPECT_EQ(engine.GetPositionMs(), 2500) << target;
    }
    graph.calls.clear();
    engine.SeekTo(2499);
    EXPECT_EQ(graph.operations().value(0), QStringLiteral("SetPositions(24990000)"));
    // A duration the graph could not give leaves the target alone.
    graph.script(QStringLiteral("GetDuration"), {kGraphFail});
    openQuietly(kAudio);
    engine.SeekTo(7500);
    EXPECT_EQ(graph.operations().value(0), QStringLiteral("SetPositions(75000000)"));
}

TEST_F(MediaEngineTest, RatesThatAreNotFiniteOrBeyondSixteenAreRefused) {
    EXPECT_FALSE(engine.SetRate(1.0));  // no graph
    openQuietly(kAudio);
    const double refused[] = {std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN(),
                              1e300,
                              16.0001,
                              0.0,
                              -1.0};
    for (double rate : refused) {
        EXPECT_FALSE(engine.SetRate(rate)) << rate;
    }
    EXPECT_TRUE(graph.calls.isEmpty()) << graph.calls.join(u' ').toStdString();
    EXPECT_TRUE(engine.SetRate(16.0));
    EXPECT_TRUE(engine.SetRate(0.25));
    graph.script(QStringLiteral("SetRate"), {kGraphFail});
    EXPECT_FALSE(engine.SetRate(2.0));
    EXPECT_EQ(graph.operations(), list({"SetRate(16)", "SetRate(0.25)", "SetRate(2)"}));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MediaEngineTest, PositionTheGraphCannotGiveIsTheLastOneKnown) {
    openQuietly(kAudio);
    graph.position = 5000000;
    EXPECT_EQ(engine.GetPositionMs(), 500);
    graph.position = 7770000;
    graph.script(QStringLiteral("GetCurrentPosition"), {kGraphFail});
    EXPECT_EQ(engine.GetPositionMs(), 500);
    EXPECT_TRUE(ui.messages.isEmpty());  // that result is not reported
    graph.script(QStringLiteral("Query(Seeking)"), {kGraphNoInterface});
    EXPECT_EQ(engine.GetPositionMs(), 500);
    EXPECT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(engine.GetPositionMs(), 777);
    // After a seek the target is the best answer.
    engine.SeekTo(1200);
    graph.script(QStringLiteral("GetCurrentPosition"), {kGraphFail});
    EXPECT_EQ(engine.GetPositionMs(), 1200);
    // A new file starts again from 0.
    graph.script(QStringLiteral("GetCurrentPosition"), {kGraphFail, kGraphFail});
    ASSERT_TRUE(engine.OpenMedia(kAudio));
    EXPECT_EQ(engine.GetPositionMs(), 0);
}

TEST_F(MediaEngineTest, AGraphThatCannotBeMadeIsOneNoticeNamingTheFileAndLeavesNoGraph) {
    struct Case {
        const char* failing;
        GraphResult code;
        const char* text;
        bool released;
    };
    const Case cases[] = {
        {"CreateGraph", kGraphFail, "Operation Failed, HRESULT 80004005\nUnspecified error", false},
        {"Query(Events)", kGraphNoInterface,
         "Operation Failed, HRESULT 80004002\nAsking for the event interface failed", true},
        {"GetEventHandle", kGraphFail, "Operation Failed, HRESULT 80004005\nUnspecified error",
         true},
    };
    for (const Case& c : cases) {
        graph.calls.clear();
        ui.messages.clear();
        graph.script(QString::fromLatin1(c.failing), {c.code});
        EXPECT_FALSE(engine.OpenMedia(kAudio)) << c.failing;
        EXPECT_EQ(
            ui.notices.join(u'|'),
            QString::fromUtf8(c.text) + QStringLiteral("\nFailed to init quartz core\nsong.MP3"))
            << c.failing;
        ui.notices.clear();
        EXPECT_FALSE(engine.HasGraph()) << c.failing;
        EXPECT_EQ(graph.calls.contains(QStringLiteral("Release")), c.released) << c.failing;
        EXPECT_FALSE(graph.calls.contains(QStringLiteral("RenderFile(/media/song.MP3)")));
    }
    graph.calls.clear();
    engine.Run();
    EXPECT_TRUE(graph.calls.isEmpty());
}

TEST_F(MediaEngineTest, AFileThatCannotBeRenderedIsOneNoticeAndLeavesAQuietEmptyGraph) {
    const auto notFound = static_cast<GraphResult>(0x8047040Bu);
    graph.errorTexts.insert(notFound, QStringLiteral("Could not determine type of stream."));
    struct Case {
        QString path;
        QString name;
    };
    const Case cases[] = {
        {kAudio, QStringLiteral("song.MP3")},
        {QStringLiteral("file:///media/M%C3%BCsik.mp3"), QStringLiteral("M\u00fcsik.mp3")},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        window.calls.clear();
        graph.script(QStringLiteral("RenderFile"), {notFound});
        EXPECT_FALSE(engine.OpenMedia(c.path));
        EXPECT_EQ(ui.notices.join(u'|'),
                  failure("8047040B", "Could not determine type of stream.") +
                      QStringLiteral("\nCannot render the file\n") + c.name);
        ui.notices.clear();
        EXPECT_TRUE(engine.HasGraph());
        EXPECT_EQ(graph.operations().last(), QStringLiteral("RenderFile(%1)").arg(c.path));
        EXPECT_EQ(window.calls, list({"hideWithFade"}));
    }

    // The transport leaves the empty graph alone and says nothing.
    ui.messages.clear();
    graph.calls.clear();
    engine.Run();
    engine.Pause();
    engine.SeekTo(1000);
    engine.Rewind();
    EXPECT_FALSE(engine.SetRate(2.0));
    engine.Stop();
    EXPECT_EQ(engine.GetPositionMs(), 0);
    EXPECT_FALSE(engine.AtEnd());
    EXPECT_TRUE(graph.calls.isEmpty()) << graph.calls.join(u' ').toStdString();
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(engine.engineState(), MediaEngine::Stopped);
}

TEST_F(MediaEngineTest, AFailedQuerySkipsItsStepAndIsReported) {
    openQuietly(kVideo);
    struct Case {
        const char* query;
        std::function<void()> call;
        const char* skipped;
    };
    const Case cases[] = {
        {"Query(Audio)", [&] { engine.SetVolume(40); }, "PutVolume"},
        {"Query(Audio)", [&] { engine.SetBalance(40); }, "PutBalance"},
        {"Query(Control)", [&] { engine.Run(); }, "Run"},
        {"Query(Control)", [&] { engine.Pause(); }, "Pause"},
        {"Query(Seeking)", [&] { engine.SeekTo(40); }, "SetPositions"},
        {"Query(Seeking)", [&] { engine.SetRate(1.5); }, "SetRate"},
        {"Query(VideoWindow)", [&] { engine.SetOutputFullScreen(true); }, "PutFullScreenMode"},
        {"Query(Events)", [&] { engine.OnGraphEvent(); }, "GetEvent"},
    };
    for (const Case& c : cases) {
        graph.calls.clear();
        ui.messages.clear();
        graph.script(QString::fromLatin1(c.query), {kGraphNoInterface});
        c.call();
        ASSERT_EQ(ui.messages.size(), 1) << c.query << " " << c.skipped;
        EXPECT_TRUE(
            ui.messages[0].startsWith(QStringLiteral("Operation Failed, HRESULT 80004002\n")));
        for (const QString& call : graph.calls) {
            EXPECT_FALSE(call.startsWith(QString::fromLatin1(c.skipped))) << c.skipped;
        }
    }
    EXPECT_EQ(engine.GetVolume(), 40);  // the value is kept all the same
    EXPECT_EQ(engine.engineState(), MediaEngine::Paused);
}

TEST_F(MediaEngineTest, ResultsThatAreIgnoredShowNothing) {
    for (const char* op :
         {"Pause", "StopWhenReady", "SetPositions", "GetDuration", "GetCurrentPosition", "SetRate",
          "PutVolume", "PutBalance", "PutOwner", "PutWindowState", "GetVideoSize",
          "SetTimeFormatMediaTime", "SetNotifyWindow"}) {
        graph.script(QString::fromLatin1(op), {kGraphFail});
    }
    graph.duration = 30000000;
    ASSERT_TRUE(engine.OpenMedia(kVideo));
    engine.SeekTo(10);
    engine.SetRate(2.0);
    EXPECT_EQ(engine.GetPositionMs(), 0);
    engine.SetVolume(10);
    engine.SetBalance(10);
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
    EXPECT_EQ(engine.GetDurationMs(), 0);  // unknown, not the previous file's
    EXPECT_EQ(engine.videoWidth(), 0);
    EXPECT_EQ(engine.engineState(), MediaEngine::Paused);
}

TEST_F(MediaEngineTest, FailureMessagesNameTheCodeAndWhatFailed) {
    struct Case {
        GraphResult hr;
        QString text;
        QString expected;  // empty: nothing shown
    };
    const Case cases[] = {
        {kGraphOk, QStringLiteral("fine"), QString()},
        {kGraphFalse, QString(), QString()},
        {static_cast<GraphResult>(0x8004022Fu), QStringLiteral("Stream type unsupported"),
         failure("8004022F", "Stream type unsupported")},
        {static_cast<GraphResult>(0x80000001u), QString(),
         failure("80000001", "Rendering the file failed")},
        {kGraphFail, QString(161, u'x'), failure("80004005", "") + QString(160, u'x')},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        graph.errorTexts.insert(c.hr, c.text);
        engine.ReportError(c.hr, QStringLiteral("Rendering the file"));
        EXPECT_EQ(ui.messages, c.expected.isEmpty() ? QStringList() : QStringList(c.expected))
            << std::hex << c.hr;
    }
    // Through the open: a render failure without any text still says what failed.
    ui.messages.clear();
    graph.errorTexts.remove(kGraphFail);
    graph.script(QStringLiteral("RenderFile"), {kGraphFail});
    EXPECT_FALSE(engine.OpenMedia(kAudio));
    EXPECT_EQ(ui.messages.value(0), failure("80004005", "Rendering the file failed") +
                                        QStringLiteral("\nCannot render the file\nsong.MP3"));
}

TEST_F(MediaEngineTest, GraphEventsAreAllTakenAndFullScreenLostReturnsToWindowed) {
    graph.duration = 20000000;
    openQuietly(kVideo);
    graph.duration = 20480000;  // known better while playing
    graph.events = {{kEventBuffering, 50, 0},
                    {kEventFullScreenLost, 0, 0},
                    {kEventLengthChanged, 0, 0},
                    {kEventErrorAbort, kGraphFail, 0}};
    QCoreApplication::postEvent(&window, new QEvent(kGraphEventType));
    QCoreApplication::sendPostedEvents(&window);
    EXPECT_EQ(window.graphNotices, 1);
    EXPECT_EQ(window.calls, list({"fullScreenLost", "durationChanged(2048)"}));
    EXPECT_EQ(
        graph.operations(),
        list({"GetEvent", "FreeEventParams(17)", "GetEvent", "FreeEventParams(18)", "GetEvent",
              "GetDuration", "FreeEventParams(30)", "GetEvent", "FreeEventParams(3)", "GetEvent"}));
    EXPECT_EQ(engine.GetDurationMs(), 2048);
    EXPECT_TRUE(ui.messages.isEmpty());

    // The end of the stream re-reads the duration too; a failed read keeps it, and
    // the window hears only of a duration that changed.
    window.calls.clear();
    graph.events = {{kEventComplete, 0, 0}, {kEventLengthChanged, 0, 0}};
    graph.script(QStringLiteral("GetDuration"), {kGraphFail});
    engine.OnGraphEvent();
    EXPECT_EQ(engine.GetDurationMs(), 2048);
    graph.duration = 20512345;
    graph.events = {{kEventComplete, 0, 0}};
    engine.OnGraphEvent();
    EXPECT_EQ(window.calls, list({"durationChanged(2051)"}));

    engine.ReleaseGraph();
    graph.calls.clear();
    graph.events = {{kEventFullScreenLost, 0, 0}};
    engine.OnGraphEvent();
    EXPECT_TRUE(graph.calls.isEmpty());
}

TEST_F(MediaEngineTest, TheVideoWindowAndFiltersDialogReachTheGraphOnlyWhileItExists) {
    QStringList names;
    QList<FilterProperty> properties;
    EXPECT_FALSE(engine.SetOutputFullScreen(true));
    engine.FitOutput(QRect(0, 0, 640, 480));
    engine.OutputLostFullScreen();
    EXPECT_FALSE(engine.EnumFilters(names));
    EXPECT_FALSE(engine.GetFilterProperties(QStringLiteral("decoder"), properties));
    EXPECT_FALSE(engine.SetFilterProperty(QStringLiteral("decoder"), QStringLiteral("a"),
                                          QStringLiteral("1")));
    EXPECT_TRUE(graph.calls.isEmpty());

    openQuietly(kVideo);
    graph.filters = list({"audioconvert0", "decoder"});
    EXPECT_TRUE(engine.SetOutputFullScreen(true));
    engine.FitOutput(QRect(0, 0, 640, 480));
    engine.OutputLostFullScreen();
    EXPECT_TRUE(engine.EnumFilters(names));
    EXPECT_EQ(names, graph.filters);
    graph.script(QStringLiteral("SetFilterProperty"), {kGraphInvalidArg});
    EXPECT_FALSE(engine.SetFilterProperty(QStringLiteral("decoder"), QStringLiteral("a"),
                                          QStringLiteral("x")));
    EXPECT_EQ(graph.operations(),
              list({"PutFullScreenMode(true)", "SetWindowPosition(0,0,640,480)",
                    "NotifyFullScreenLost", "EnumFilters", "SetFilterProperty(decoder,a,x)"}));
    EXPECT_TRUE(ui.messages.isEmpty());  // the filters dialog shows no messages
}

}  // namespace

TEST_F(MediaEngineTest, VideoStatisticsComeFromTheCuedGraphOnly) {
    VideoStatistics statistics;
    statistics.shown = 99;
    EXPECT_FALSE(engine.GetVideoStatistics(statistics));
    EXPECT_EQ(statistics.shown, 0u);  // nothing left of what the caller had

    graph.statistics = {QStringLiteral("ximagesink"), 297, 3};
    ASSERT_TRUE(engine.OpenMedia(kVideo));
    ASSERT_TRUE(engine.GetVideoStatistics(statistics));
    EXPECT_EQ(statistics.sink, QStringLiteral("ximagesink"));
    EXPECT_EQ(statistics.shown, 297u);
    EXPECT_EQ(statistics.dropped, 3u);

    // A graph that cannot say, and a file that did not render, give nothing.
    graph.script(QStringLiteral("GetVideoStatistics"), {kGraphNoInterface});
    EXPECT_FALSE(engine.GetVideoStatistics(statistics));
    graph.script(QStringLiteral("RenderFile"), {kGraphFail});
    EXPECT_FALSE(engine.OpenMedia(kVideo));
    EXPECT_FALSE(engine.GetVideoStatistics(statistics));
    EXPECT_EQ(statistics.sink, QString());
}
