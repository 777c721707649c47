// The session file of a 100,000-entry list: writing it (what every change and
// every close cost), the keeper's whole write from the store, and reading it at
// start, beside the baseline of writing the same number of bytes with the
// same whole-file save (a new file, flushed to the disk, renamed into place).
#include <benchmark/benchmark.h>

#include <QString>
#include <QStringList>

#include "bench/bench_files.h"
#include "jukebox/common/utf16_file.h"
#include "jukebox/common/whole_file.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/session/session_file.h"
#include "jukebox/session/tracklist_session.h"
#include "jukebox/tracklist/tag_page_settings.h"
#include "jukebox/tracklist/tracklist_store.h"
#include "jukebox/ui/quiet_ui_service.h"
#include "taglib/tag_record.h"

namespace {

// Paths as a music folder gives them: about 70 characters each.
SessionState bigSession(int count) {
    SessionState state;
    state.listPath = QStringLiteral("default.trk");
    state.modified = true;
    state.currentIndex = count / 2;
    state.positionMs = 123456;
    state.paths.reserve(count);
    for (int i = 0; i < count; ++i) {
        state.paths.append(QStringLiteral("/home/user/Music/Artist %1/Album %2/%3 - Title %4.mp3")
                               .arg(i / 100, 3, 10, QChar(u'0'))
                               .arg(i / 10 % 10)
                               .arg(i % 10, 2, 10, QChar(u'0'))
                               .arg(i, 6, 10, QChar(u'0')));
    }
    return state;
}

QString inFolder(const BenchFolder& folder, const char* name) {
    return QString::fromStdString((folder.path() / name).string());
}

void BM_SaveFileWholeBaseline(benchmark::State& state) {
    BenchFolder folder;
    const QString file = inFolder(folder, "baseline.bin");
    const QString written = inFolder(folder, "session.trk");
    WriteSessionFile(written, bigSession(static_cast<int>(state.range(0))));
    QByteArray bytes;
    ReadFileWhole(written, bytes);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SaveFileWhole(file, bytes));
    }
    state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
}
BENCHMARK(BM_SaveFileWholeBaseline)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_WriteSessionFile(benchmark::State& state) {
    BenchFolder folder;
    const QString file = inFolder(folder, "session.trk");
    const SessionState session = bigSession(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteSessionFile(file, session));
    }
}
BENCHMARK(BM_WriteSessionFile)->Arg(100000)->Unit(benchmark::kMillisecond);

// The close: the keeper gathers the store's paths and writes them.
void BM_FlushFromStore(benchmark::State& state) {
    BenchFolder folder;
    QuietUiService ui;
    ExtensionLists lists{ui, {QStringLiteral("mp3")}, {}};
    TagRecord record;
    TagPageSettings tagPage;
    TracklistStore store{ui, lists, record, tagPage};
    WriteUtf16Lines(inFolder(folder, "default.trk"), {});
    store.setTracklistPath(inFolder(folder, "default.trk"));
    TracklistSession session{store, QString::fromStdString(folder.path().string()),
                             [] { return 4321; }};
    session.LoadAtStart();
    for (const QString& path : bigSession(static_cast<int>(state.range(0))).paths) {
        TrackEntry entry;
        entry.path = path;
        store.AppendEntry(std::move(entry));
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(session.Flush());
    }
}
BENCHMARK(BM_FlushFromStore)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ReadSessionFile(benchmark::State& state) {
    BenchFolder folder;
    const QString file = inFolder(folder, "session.trk");
    WriteSessionFile(file, bigSession(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        SessionState back;
        benchmark::DoNotOptimize(ReadSessionFile(file, back));
    }
}
BENCHMARK(BM_ReadSessionFile)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
