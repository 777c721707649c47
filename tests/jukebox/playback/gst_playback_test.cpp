// The media engine on real GStreamer, with media the tests make themselves.
#include <gst/gst.h>
#include <gtest/gtest.h>

#include <QtCore/qtestsupport_core.h>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <cmath>
#include <filesystem>
#include <limits>

#include "jukebox/common/path_functions.h"
#include "jukebox/playback/gst_filter_inspector.h"
#include "jukebox/playback/gst_media_graph.h"
#include "tests/jukebox/playback/gst_engine_rig.h"
#include "tests/jukebox/playback/process_use.h"
#include "tests/jukebox/playback/test_media.h"

namespace {

constexpr int kWaitMs = 10000;

class GstPlaybackTest : public testing::Test, protected GstEngineRig {
protected:
    static void SetUpTestSuite() { testMedia(); }

    GstState pipelineState() {
        GstState state = GST_STATE_VOID_PENDING;
        gst_element_get_state(graph.pipeline(), &state, nullptr, 0);
        return state;
    }

    // Plays until the end-of-track poll would see the end: position equals duration.
    bool playsToTheEnd() {
        engine.SeekTo(std::max(0, engine.GetDurationMs() - 300));
        engine.Run();
        return QTest::qWaitFor(
            [&] {
                int position = engine.GetPositionMs();
                return position > 0 && position == engine.GetDurationMs();
            },
            kWaitMs);
    }

    const TestMedia& media = testMedia();
};

struct Clip {
    const char* name;
    QString TestMedia::*path;
    double TestMedia::*lengthMs;
};

const Clip kClips[] = {
    {"wav", &TestMedia::wav, &TestMedia::wavMs},
    {"8-bit wav of odd size", &TestMedia::wav8Odd, &TestMedia::wav8OddMs},
    {"mp3 with Xing header", &TestMedia::mp3Xing, &TestMedia::mp3XingMs},
    {"mp3 without header", &TestMedia::mp3Plain, &TestMedia::mp3PlainMs},
    {"vbr mp3 without header, quiet at first", &TestMedia::mp3VbrQuietStart,
     &TestMedia::mp3VbrQuietStartMs},
    {"ogg", &TestMedia::ogg, &TestMedia::oggMs},
    {"flac", &TestMedia::flac, &TestMedia::flacMs},
};

TEST_F(GstPlaybackTest, OpenCuesPausedWithTheRightDuration) {
    for (const Clip& clip : kClips) {
        const QString& path = media.*clip.path;
        ASSERT_FALSE(path.isEmpty()) << clip.name;
        ASSERT_TRUE(engine.OpenMedia(path)) << clip.name << ui.messages.join(u'|').toStdString();
        EXPECT_EQ(engine.engineState(), MediaEngine::Paused) << clip.name;
        EXPECT_EQ(pipelineState(), GST_STATE_PAUSED) << clip.name;
        const double expected = media.*clip.lengthMs;
        EXPECT_NEAR(engine.GetDurationMs(), expected, expected / 100) << clip.name;
        EXPECT_EQ(engine.GetPositionMs(), 0) << clip.name;
    }
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

TEST_F(GstPlaybackTest, OpensNamesBeyondAsciiAndAddresses) {
    const QString unicodePath =
        QFileInfo(media.wav).path() + QString::fromUtf16(u"/M\u00fcsik \u6708\u4eae #1.wav");
    QFile::remove(unicodePath);
    ASSERT_TRUE(QFile::copy(media.wav, unicodePath));
    ASSERT_TRUE(engine.OpenMedia(unicodePath)) << ui.messages.join(u'|').toStdString();
    EXPECT_NEAR(engine.GetDurationMs(), media.wavMs, media.wavMs / 100);
    ASSERT_TRUE(engine.OpenMedia(QUrl::fromLocalFile(unicodePath).toString()));
    EXPECT_NEAR(engine.GetDurationMs(), media.wavMs, media.wavMs / 100);

    // A name in GBK bytes (the moon, again), which is no UTF-8.
    const QByteArray gbkPath =
        LocalPathBytes(QFileInfo(media.wav).path()) + "/\xD4\xC2\xC1\xC1.wav";
    std::filesystem::copy_file(media.wav.toStdString(), gbkPath.toStdString(),
                               std::filesystem::copy_options::overwrite_existing);
    ASSERT_TRUE(engine.OpenMedia(PathFromLocalBytes(gbkPath)))
        << ui.messages.join(u'|').toStdString();
    EXPECT_NEAR(engine.GetDurationMs(), media.wavMs, media.wavMs / 100);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(GstPlaybackTest, RunPauseAndStop) {
    ASSERT_TRUE(engine.OpenMedia(media.wav));
    engine.Run();
    EXPECT_EQ(engine.engineState(), MediaEngine::Running);
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.GetPositionMs() >= 200; }, kWaitMs));
    EXPECT_EQ(pipelineState(), GST_STATE_PLAYING);

    engine.Pause();
    EXPECT_EQ(engine.engineState(), MediaEngine::Paused);
    EXPECT_EQ(pipelineState(), GST_STATE_PAUSED);
    const int paused = engine.GetPositionMs();
    EXPECT_FALSE(QTest::qWaitFor([&] { return engine.GetPositionMs() != paused; }, 150));

    engine.Run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.GetPositionMs() > paused + 50; }, kWaitMs));
    engine.Stop();
    EXPECT_EQ(engine.engineState(), MediaEngine::Stopped);
    EXPECT_EQ(engine.GetPositionMs(), 0);
    EXPECT_EQ(pipelineState(), GST_STATE_PAUSED);

    // Run after Stop starts from the beginning.
    engine.Run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.GetPositionMs() > 50; }, kWaitMs));
    EXPECT_LT(engine.GetPositionMs(), paused + 50);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(GstPlaybackTest, PositionAdvancesWithTheRate) {
    ASSERT_TRUE(engine.OpenMedia(media.ogg));
    engine.Run();
    // Lets a rate change settle, then measures over 250 ms of wall time.
    auto measuredRate = [&] {
        const int settled = engine.GetPositionMs() + 30;
        EXPECT_TRUE(QTest::qWaitFor([&] { return engine.GetPositionMs() >= settled; }, kWaitMs));
        QElapsedTimer clock;
        clock.start();
        const int start = engine.GetPositionMs();
        EXPECT_TRUE(QTest::qWaitFor([&] { return clock.elapsed() >= 250; }, kWaitMs));
        const double advanced = engine.GetPositionMs() - start;
        return advanced / static_cast<double>(clock.elapsed());
    };
    for (double rate : {1.0, 2.0}) {
        EXPECT_TRUE(engine.SetRate(rate));
        EXPECT_NEAR(measuredRate(), rate, 0.25 * rate) << "rate " << rate;
    }
    // Rates that are not finite or absurd are refused; the rate stays, also for
    // the seeks after them.
    EXPECT_FALSE(engine.SetRate(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(engine.SetRate(1e300));
    engine.SeekTo(100);
    EXPECT_NEAR(measuredRate(), 2.0, 0.5);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(GstPlaybackTest, SeekWhilePausedOrStoppedLandsExactly) {
    for (const Clip& clip : kClips) {
        ASSERT_TRUE(engine.OpenMedia(media.*clip.path)) << clip.name;
        engine.SeekTo(700);
        EXPECT_EQ(engine.GetPositionMs(), 700) << clip.name;
        EXPECT_EQ(engine.engineState(), MediaEngine::Paused) << clip.name;
        engine.Stop();
        engine.SeekTo(333);
        EXPECT_EQ(engine.GetPositionMs(), 333) << clip.name;
        EXPECT_EQ(engine.engineState(), MediaEngine::Stopped) << clip.name;
        EXPECT_EQ(pipelineState(), GST_STATE_PAUSED) << clip.name;
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(GstPlaybackTest, AtTheEndThePositionEqualsTheDuration) {
    struct EndClip {
        const char* name;
        QString TestMedia::*path;
    };
    const EndClip clips[] = {
        {"wav", &TestMedia::wav},
        {"mp3 with Xing header", &TestMedia::mp3Xing},
        {"mp3 without header", &TestMedia::mp3Plain},
        {"vbr mp3 without header", &TestMedia::mp3VbrPlain},
        {"8-bit wav of odd size", &TestMedia::wav8Odd},
        {"ogg", &TestMedia::ogg},
        {"flac", &TestMedia::flac},
        {"webm", &TestMedia::video},
    };
    for (const EndClip& clip : clips) {
        ASSERT_TRUE(engine.OpenMedia(media.*clip.path)) << clip.name;
        EXPECT_TRUE(playsToTheEnd()) << clip.name << ": position " << engine.GetPositionMs()
                                     << ", duration " << engine.GetDurationMs();
        // It stays there until the next seek; playing on from the new position,
        // the clock may already have moved a little past it.
        EXPECT_EQ(engine.GetPositionMs(), engine.GetDurationMs()) << clip.name;
        engine.SeekTo(100);
        int position = engine.GetPositionMs();
        EXPECT_GE(position, 100) << clip.name;
        EXPECT_LT(position, 600) << clip.name;
    }
    EXPECT_NEAR(engine.GetDurationMs(), media.videoMs, media.videoMs / 100);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(GstPlaybackTest, VolumeAndBalanceReachThePipeline) {
    engine.SetVolume(50);  // before any file: applied by the open
    ASSERT_TRUE(engine.OpenMedia(media.wav));
    auto volume = [&] {
        gdouble value = -1;
        g_object_get(graph.pipeline(), "volume", &value, nullptr);
        return value;
    };
    auto panorama = [&] {
        gfloat value = -2;
        g_object_get(graph.balanceElement(), "panorama", &value, nullptr);
        return static_cast<double>(value);
    };
    EXPECT_NEAR(volume(), std::pow(10.0, -1250 / 2000.0), 1e-6);
    struct VolumeCase {
        int volume;
        double linear;
    };
    for (const VolumeCase& c : {VolumeCase{100, 1.0}, VolumeCase{90, std::pow(10.0, -10 / 2000.0)},
                                VolumeCase{1, std::pow(10.0, -9702 / 2000.0)}}) {
        engine.SetVolume(c.volume);
        EXPECT_NEAR(volume(), c.linear, 1e-6) << c.volume;
    }
    engine.SetVolume(0);
    EXPECT_EQ(volume(), 0.0);  // silence is exactly 0

    struct BalanceCase {
        int balance;
        double panorama;
    };
    const BalanceCase balances[] = {{-100, std::pow(10.0, -5.0) - 1},
                                    {-50, std::pow(10.0, -883 / 2000.0) - 1},
                                    {0, 0.0},
                                    {50, 1 - std::pow(10.0, -883 / 2000.0)},
                                    {100, 1 - std::pow(10.0, -5.0)}};
    for (const BalanceCase& c : balances) {
        engine.SetBalance(c.balance);
        EXPECT_NEAR(panorama(), c.panorama, 1e-6) << c.balance;
    }
    // The balance element is part of the audio path that plays.
    QStringList filters;
    ASSERT_TRUE(engine.EnumFilters(filters));
    EXPECT_TRUE(filters.contains(QStringLiteral("balance"))) << filters.join(u' ').toStdString();
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(GstPlaybackTest, AFileThatIsNoMediaIsOneNoticeAndLeavesNoPipelineRunning) {
    ASSERT_TRUE(engine.OpenMedia(media.wav));  // threads of a first graph are warm
    engine.ReleaseGraph();
    const int threads = processUse().threads;

    EXPECT_FALSE(engine.OpenMedia(media.notMedia));
    // The code of the framework's "type not found" stream error, its own words,
    // what failed and the file.
    gchar* words = gst_error_get_message(GST_STREAM_ERROR, GST_STREAM_ERROR_TYPE_NOT_FOUND);
    EXPECT_EQ(ui.notices.join(u'|'), QStringLiteral("Operation Failed, HRESULT 80470404\n") +
                                         QString::fromUtf8(words) +
                                         QStringLiteral("\nCannot render the file\nnotes.mp3"));
    g_free(words);
    EXPECT_EQ(ui.messages, ui.notices);
    EXPECT_TRUE(engine.HasGraph());
    EXPECT_EQ(pipelineState(), GST_STATE_NULL);
    EXPECT_TRUE(QTest::qWaitFor([&] { return processUse().threads <= threads; }, kWaitMs))
        << processUse().threads << " threads, " << threads << " before";

    // The transport leaves the empty graph alone, silently.
    ui.messages.clear();
    engine.Run();
    engine.SeekTo(500);
    engine.Stop();
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
    EXPECT_EQ(pipelineState(), GST_STATE_NULL);

    EXPECT_TRUE(engine.OpenMedia(media.mp3Xing));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(GstPlaybackTest, AnErrorWhilePlayingIsReportedWithoutHangingTheTransport) {
    ASSERT_TRUE(engine.OpenMedia(media.wav));
    engine.Run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.GetPositionMs() > 50; }, kWaitMs));
    // What a decoder posts when the data goes bad.
    GError* error = g_error_new_literal(GST_STREAM_ERROR, GST_STREAM_ERROR_DECODE,
                                        "The data of this stream is damaged.");
    gst_element_post_message(graph.pipeline(),
                             gst_message_new_error(GST_OBJECT(graph.pipeline()), error, nullptr));
    g_error_free(error);
    QElapsedTimer clock;
    clock.start();
    engine.Pause();
    engine.SeekTo(100);
    engine.Stop();
    EXPECT_LT(clock.elapsed(), GstMediaGraph::kSettleTimeoutMs / 2);
    EXPECT_EQ(engine.engineState(), MediaEngine::Stopped);
    EXPECT_EQ(ui.messages,
              QStringList(QStringLiteral(
                  "Operation Failed, HRESULT 80470407\nThe data of this stream is damaged.")));
    // The next file plays again.
    ui.messages.clear();
    ASSERT_TRUE(engine.OpenMedia(media.wav));
    engine.Stop();
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(GstPlaybackTest, TheVideoFileGivesItsNativeSizeAndFrames) {
    ASSERT_TRUE(engine.OpenMedia(media.video));
    EXPECT_EQ(engine.videoWidth(), TestMedia::kVideoWidth);
    EXPECT_EQ(engine.videoHeight(), TestMedia::kVideoHeight);
    EXPECT_EQ(window.calls, QStringList({QStringLiteral("showWithFade"),
                                         QStringLiteral("videoOutputBound(first)"),
                                         QStringLiteral("refreshFilters")}));
    // The cued picture arrives without playing.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.frameCount >= 1; }, kWaitMs));
    EXPECT_EQ(window.lastFrame.size(), QSize(TestMedia::kVideoWidth, TestMedia::kVideoHeight));
    const QColor centre = window.lastFrame.pixelColor(160, 120);
    EXPECT_GT(centre.red(), 220);
    EXPECT_LT(centre.green(), 40);
    EXPECT_LT(centre.blue(), 40);

    // A seek while paused shows a new picture.
    const int cued = window.frameCount;
    engine.SeekTo(1000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.frameCount > cued; }, kWaitMs));

    const int before = window.frameCount;
    engine.Run();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.frameCount >= before + 5; }, kWaitMs));

    // An audio file hides the window again.
    window.calls.clear();
    ASSERT_TRUE(engine.OpenMedia(media.ogg));
    EXPECT_EQ(window.calls.value(0), QStringLiteral("hideWithFade"));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(GstPlaybackTest, MusicInAVideoContainerPlaysAsAudioAndTheFirstVideoStillTakesItsSize) {
    for (const QString& music : {media.audioWebm, media.audioMp4}) {
        ASSERT_FALSE(music.isEmpty());
        window.calls.clear();
        ASSERT_TRUE(engine.OpenMedia(music)) << music.toStdString();
        EXPECT_EQ(window.calls,
                  QStringList({QStringLiteral("hideWithFade"), QStringLiteral("refreshFilters")}))
            << music.toStdString();
        EXPECT_TRUE(engine.firstOpen());
        EXPECT_EQ(engine.videoWidth(), 0);
        engine.Run();
        EXPECT_TRUE(QTest::qWaitFor([&] { return engine.GetPositionMs() > 50; }, kWaitMs));
    }
    EXPECT_EQ(window.frameCount, 0);

    window.calls.clear();
    ASSERT_TRUE(engine.OpenMedia(media.video));
    EXPECT_EQ(window.calls, QStringList({QStringLiteral("showWithFade"),
                                         QStringLiteral("videoOutputBound(first)"),
                                         QStringLiteral("refreshFilters")}));
    EXPECT_EQ(engine.videoWidth(), TestMedia::kVideoWidth);
    EXPECT_EQ(engine.videoHeight(), TestMedia::kVideoHeight);
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

TEST_F(GstPlaybackTest, TheOutputPlacesFullScreenAndReportsItsLoss) {
    ASSERT_TRUE(engine.OpenMedia(media.video));
    engine.FitOutput(QRect(0, 0, 400, 300));
    EXPECT_EQ(window.outputRect, QRect(0, 0, 400, 300));
    EXPECT_TRUE(engine.SetOutputFullScreen(true));
    EXPECT_TRUE(window.outputFullScreen);
    engine.OutputLostFullScreen();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window.calls.contains(QStringLiteral("fullScreenLost")); }, kWaitMs));
    bool on = true;
    EXPECT_EQ(graph.GetFullScreenMode(on), kGraphOk);
    EXPECT_FALSE(on);
}

bool hasSinkPads(GstElement* element) {
    GstIterator* it = gst_element_iterate_sink_pads(element);
    GValue item = G_VALUE_INIT;
    bool found = gst_iterator_next(it, &item) == GST_ITERATOR_OK;
    g_value_unset(&item);
    gst_iterator_free(it);
    return found;
}

TEST_F(GstPlaybackTest, TheFiltersOfAnMp3GraphTakeInputAndTheirPropertiesCanBeSet) {
    ASSERT_TRUE(engine.OpenMedia(media.mp3Xing));
    QStringList names;
    ASSERT_TRUE(engine.EnumFilters(names));
    ASSERT_FALSE(names.isEmpty());
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    EXPECT_EQ(names, sorted);
    for (const QString& name : names) {
        GstElement* element = GstFilterInspector::findFilter(graph.pipeline(), name);
        ASSERT_NE(element, nullptr) << name.toStdString();
        EXPECT_TRUE(hasSinkPads(element)) << name.toStdString();
        gst_object_unref(element);
    }
    EXPECT_EQ(names.removeDuplicates(), 0);

    QList<FilterProperty> properties;
    ASSERT_TRUE(engine.GetFilterProperties(QStringLiteral("balance"), properties));
    auto find = [&](const char* name) {
        for (const FilterProperty& p : properties) {
            if (p.name == QLatin1String(name)) {
                return p;
            }
        }
        return FilterProperty();
    };
    EXPECT_TRUE(find("name").name.isEmpty());  // hidden
    const FilterProperty pan = find("panorama");
    EXPECT_EQ(pan.kind, FilterProperty::Real);
    EXPECT_EQ(pan.value, QStringLiteral("0"));
    EXPECT_EQ(pan.minimum, QStringLiteral("-1"));
    EXPECT_EQ(pan.maximum, QStringLiteral("1"));
    EXPECT_TRUE(pan.changeableNow);
    const FilterProperty method = find("method");
    EXPECT_EQ(method.kind, FilterProperty::Choice);
    EXPECT_EQ(method.value, QStringLiteral("simple"));
    EXPECT_TRUE(method.choices.contains(QStringLiteral("psychoacoustic")));

    EXPECT_TRUE(engine.SetFilterProperty(QStringLiteral("balance"), QStringLiteral("panorama"),
                                         QStringLiteral("0.5")));
    ASSERT_TRUE(engine.GetFilterProperties(QStringLiteral("balance"), properties));
    EXPECT_EQ(find("panorama").value, QStringLiteral("0.5"));
    for (const char* bad : {"7", "loud", ""}) {
        EXPECT_FALSE(engine.SetFilterProperty(QStringLiteral("balance"), QStringLiteral("panorama"),
                                              QString::fromLatin1(bad)))
            << bad;
    }
    EXPECT_FALSE(engine.SetFilterProperty(QStringLiteral("balance"), QStringLiteral("name"),
                                          QStringLiteral("x")));
    EXPECT_FALSE(engine.SetFilterProperty(QStringLiteral("no such filter"),
                                          QStringLiteral("panorama"), QStringLiteral("0")));
    // A property that cannot change in the present state is refused.
    bool triedFixed = false;
    for (const QString& name : names) {
        QList<FilterProperty> list;
        ASSERT_TRUE(engine.GetFilterProperties(name, list));
        for (const FilterProperty& p : list) {
            if (!triedFixed && !p.changeableNow && p.kind == FilterProperty::Boolean) {
                EXPECT_FALSE(engine.SetFilterProperty(name, p.name, p.value))
                    << name.toStdString() << "." << p.name.toStdString();
                triedFixed = true;
            }
        }
    }
    EXPECT_TRUE(triedFixed);
    EXPECT_TRUE(ui.messages.isEmpty());
}

}  // namespace
