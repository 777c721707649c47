// Files whose time the pipeline gets wrong or cannot give, and files that are no
// files, on real GStreamer.
#include <fcntl.h>
#include <gst/gst.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtCore/qtestsupport_core.h>
#include <QElapsedTimer>
#include <QUrl>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

#include "tests/jukebox/playback/gst_engine_rig.h"
#include "tests/jukebox/playback/test_media.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr int kWaitMs = 10000;

class GstStreamTimeTest : public testing::Test, protected GstEngineRig {
protected:
    static void SetUpTestSuite() { testMedia(); }

    bool reachesTheEnd() {
        return QTest::qWaitFor(
            [&] {
                const int position = engine.GetPositionMs();
                return position > 0 && position == engine.GetDurationMs();
            },
            kWaitMs);
    }

    const TestMedia& media = testMedia();
};

// After a while, and then again and again until it is told to stop, opens a FIFO
// for writing and closes it: a reader blocked in opening it then reads its end, so
// that a test of code that would block there fails instead of hanging.
class LateFifoWriter {
public:
    LateFifoWriter(std::string path, std::chrono::milliseconds delay)
        : thread_([this, path = std::move(path), delay] {
              std::unique_lock<std::mutex> lock(mutex_);
              auto wait = delay;
              while (!stopped_.wait_for(lock, wait, [&] { return stop_; })) {
                  int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                  if (fd >= 0) {
                      ::close(fd);
                  }
                  wait = std::chrono::milliseconds(100);
              }
          }) {}
    ~LateFifoWriter() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        stopped_.notify_all();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable stopped_;
    bool stop_ = false;
    std::thread thread_;
};

TEST_F(GstStreamTimeTest, AFifoOrAFolderNamedLikeMediaIsRefusedAtOnce) {
    TempDir dir;
    const std::string fifo = (dir / "x.mp3").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(dir / "folder.mp3");
    LateFifoWriter writer(fifo, std::chrono::milliseconds(3000));
    struct Case {
        QString path;
        const char* name;
    };
    const Case cases[] = {
        {QString::fromStdString(fifo), "x.mp3"},
        {QUrl::fromLocalFile(QString::fromStdString(fifo)).toString(), "x.mp3"},
        {QString::fromStdString((dir / "folder.mp3").string()), "folder.mp3"},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(engine.OpenMedia(c.path)) << c.path.toStdString();
        EXPECT_LT(clock.elapsed(), 1000) << c.path.toStdString();
        EXPECT_EQ(ui.messages.join(u'|').toStdString(),
                  "Operation Failed, HRESULT 80470305\n\"" + std::string(c.name) +
                      "\" is not a regular file\nCannot render the file\n" + c.name);
    }
    // The graph is empty, not stuck: the next file plays.
    ui.messages.clear();
    EXPECT_TRUE(engine.OpenMedia(media.wav));
    EXPECT_TRUE(ui.messages.isEmpty());
}

// Such a WAV ends at once in the pipeline, which then answers no position, no
// duration and no seek; our clock stands in.
TEST_F(GstStreamTimeTest, AWavThePipelineCannotPlaceKeepsTimeOnItsOwnClock) {
    struct Clip {
        const char* name;
        QString path;
        double lengthMs;
    };
    const Clip clips[] = {{"8-bit", media.wav8Odd, media.wav8OddMs},
                          {"24-bit", media.wav24Odd, media.wav24OddMs}};
    for (const Clip& clip : clips) {
        ASSERT_TRUE(engine.OpenMedia(clip.path)) << clip.name;
        const int duration = engine.GetDurationMs();
        EXPECT_NEAR(duration, clip.lengthMs, clip.lengthMs / 100) << clip.name;
        EXPECT_EQ(engine.GetPositionMs(), 0) << clip.name;
        engine.Run();
        EXPECT_TRUE(reachesTheEnd()) << clip.name << ": position " << engine.GetPositionMs();

        // The seek is taken by the clock, which runs from there at the pace of the
        // wall clock, sees the end by itself and stands still while paused.
        engine.SeekTo(duration - 300);
        const int landed = engine.GetPositionMs();
        EXPECT_GE(landed, duration - 300) << clip.name;
        EXPECT_LT(landed, duration - 100) << clip.name;
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(reachesTheEnd()) << clip.name << ": position " << engine.GetPositionMs();
        EXPECT_GE(clock.elapsed(), 250) << clip.name;
        EXPECT_EQ(engine.GetDurationMs(), duration) << clip.name;
        engine.SeekTo(500);
        engine.Pause();
        const int paused = engine.GetPositionMs();
        EXPECT_LT(paused, 600) << clip.name;
        EXPECT_FALSE(QTest::qWaitFor([&] { return engine.GetPositionMs() != paused; }, 100))
            << clip.name;

        engine.Stop();
        EXPECT_EQ(engine.engineState(), MediaEngine::Stopped) << clip.name;
        EXPECT_EQ(engine.GetPositionMs(), 0) << clip.name;
        EXPECT_FALSE(engine.SetRate(2.0)) << clip.name;  // the pipeline cannot seek
    }
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

TEST_F(GstStreamTimeTest, SeeksBeyondTheEndStopAtTheEnd) {
    struct Clip {
        const char* name;
        QString path;
        double lengthMs;
    };
    const Clip clips[] = {{"mp3", media.mp3Plain, media.mp3PlainMs},
                          {"vbr mp3", media.mp3VbrQuietStart, media.mp3VbrQuietStartMs},
                          {"flac", media.flac, media.flacMs}};
    for (const Clip& clip : clips) {
        ASSERT_TRUE(engine.OpenMedia(clip.path)) << clip.name;
        for (int target : {3 * engine.GetDurationMs(), INT_MAX}) {
            engine.SeekTo(target);
            EXPECT_LE(engine.GetPositionMs(), engine.GetDurationMs()) << clip.name;
            engine.Run();
            EXPECT_TRUE(reachesTheEnd()) << clip.name << " " << target;
            EXPECT_NEAR(engine.GetDurationMs(), clip.lengthMs, clip.lengthMs / 100)
                << clip.name << " " << target;
            engine.Pause();
        }
    }
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

TEST_F(GstStreamTimeTest, ALameMp3LastsAsLongAsItsMusic) {
    struct Clip {
        QString path;
        int ms;
    };
    for (const Clip& clip :
         {Clip{media.mp3Lame, TestMedia::kLameMs}, Clip{media.mp3Lame3s, TestMedia::kLame3sMs}}) {
        ASSERT_FALSE(clip.path.isEmpty()) << "lame is not installed";
        ASSERT_TRUE(engine.OpenMedia(clip.path));
        // Exactly: the encoder's delay and padding are no part of it, for us as
        // for the pipeline.
        EXPECT_EQ(engine.GetDurationMs(), clip.ms);
        gint64 own = -1;
        ASSERT_TRUE(gst_element_query_duration(graph.pipeline(), GST_FORMAT_TIME, &own));
        EXPECT_EQ(own / GST_MSECOND, clip.ms);
    }
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

// Where the keys seek near the end: the last whole second, or a few ms before the
// end. The stream ends at once, and that end is the end of the track.
TEST_F(GstStreamTimeTest, ASeekToTheEndWhilePlayingEndsTheTrack) {
    const QString clips[] = {media.mp3Lame3s, media.mp3Lame, media.mp3Plain, media.ogg};
    for (const QString& clip : clips) {
        ASSERT_TRUE(engine.OpenMedia(clip)) << clip.toStdString();
        const int duration = engine.GetDurationMs();
        engine.Run();
        ASSERT_TRUE(QTest::qWaitFor([&] { return engine.GetPositionMs() > 0; }, kWaitMs));
        for (int target : {duration / 1000 * 1000, duration - 10, duration - 35, duration}) {
            engine.SeekTo(target);
            EXPECT_TRUE(QTest::qWaitFor([&] { return engine.AtEnd(); }, kWaitMs))
                << clip.toStdString() << " at " << target << ": position " << engine.GetPositionMs()
                << " of " << duration;
            EXPECT_EQ(engine.GetPositionMs(), engine.GetDurationMs()) << clip.toStdString();
            EXPECT_EQ(engine.engineState(), MediaEngine::Running);
        }
        engine.SeekTo(100);
        EXPECT_FALSE(engine.AtEnd()) << clip.toStdString();
        EXPECT_LT(engine.GetPositionMs(), duration - 100) << clip.toStdString();
    }
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

}  // namespace
