// Opening file after file must not leave threads, descriptors or memory behind.
#include <gtest/gtest.h>

#include <QtCore/qtestsupport_core.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer's runtime (its header is not installed here).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

#include "tests/jukebox/playback/gst_engine_rig.h"
#include "tests/jukebox/playback/process_use.h"
#include "tests/jukebox/playback/test_media.h"

namespace {

constexpr long kMemoryToleranceKb = 16 * 1024;

// The memory in use: resident memory, or under AddressSanitizer (which keeps freed
// memory in quarantine, so resident memory grows anyway) the bytes allocated.
long memoryInUseKb(const ProcessUse& use) {
#if defined(__SANITIZE_ADDRESS__)
    (void)use;
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    return use.rssKb;
#endif
}

TEST(GstOpenManyTest, TwoHundredOpensLeaveNoGrowth) {
    const TestMedia& media = testMedia();
    GstEngineRig rig;
    MediaEngine& engine = rig.engine;
    const QString files[] = {media.wav, media.mp3Xing, media.mp3Plain, media.ogg, media.video};
    constexpr int kOpens = 200;

    auto openAll = [&](int count) {
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(engine.OpenMedia(files[i % std::size(files)])) << i;
            // What the graph posted for the window is handled as the window would.
            QCoreApplication::processEvents();
        }
        engine.ReleaseGraph();
        QCoreApplication::processEvents();
    };
    // Every kind once first: plugins load and caches fill only once.
    openAll(2 * static_cast<int>(std::size(files)));
    const ProcessUse before = processUse();
    const long memoryBefore = memoryInUseKb(before);
    QElapsedTimer clock;
    clock.start();
    openAll(kOpens);
    const qint64 elapsed = clock.elapsed();
    // Idle worker threads of the framework's pool end on their own.
    (void)QTest::qWaitFor([&] { return processUse().threads <= before.threads; }, 2000);
    const ProcessUse after = processUse();
    const long memoryAfter = memoryInUseKb(after);

    std::printf(
        "%d opens in %lld ms; threads %d -> %d, fds %d -> %d, RSS %ld kB -> %ld kB, "
        "memory in use %ld kB -> %ld kB\n",
        kOpens, static_cast<long long>(elapsed), before.threads, after.threads, before.fds,
        after.fds, before.rssKb, after.rssKb, memoryBefore, memoryAfter);
    EXPECT_LE(after.threads, before.threads + 1);
    EXPECT_LE(after.fds, before.fds);
    EXPECT_LE(memoryAfter - memoryBefore, kMemoryToleranceKb);
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.messages.join(u'|').toStdString();
}

}  // namespace
