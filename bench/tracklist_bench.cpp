// The tracklist's long operations, each beside a baseline in this program:
// loading a tracklist of 10,000 tagged MP3 files (baseline: opening each file and
// reading its head and tail), adding a folder of 10,000 and 100,000 files
// (baseline: listing the folder and reading each file's head and tail), and
// sorting 100,000 entries by artist (baseline: std::stable_sort on the artist).
#include <benchmark/benchmark.h>

#include <dirent.h>
#include <sys/resource.h>
#include <QString>
#include <algorithm>
#include <random>

#include "bench/bench_files.h"
#include "jukebox/common/utf16_file.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/tracklist/tag_page_settings.h"
#include "jukebox/tracklist/tracklist_store.h"
#include "jukebox/ui/quiet_ui_service.h"
#include "taglib/tag_record.h"

namespace {

// Shows nothing and counts the event pumps.
class CountingUiService : public QuietUiService {
public:
    void dispatchEvents() override { ++dispatches; }
    long dispatches = 0;
};

// A store as the jukebox sets it up: mp3 on the audio list, tags read with the
// code-page markers honoured.
struct StoreSetup {
    StoreSetup() {
        record.selectCodePage = true;
        record.autoTranslate = true;
    }
    CountingUiService ui;
    ExtensionLists lists{
        ui, {QStringLiteral("mp3"), QStringLiteral("wav")}, {QStringLiteral("avi")}};
    TagRecord record;
    TagPageSettings tagPage;
    TracklistStore store{ui, lists, record, tagPage};
};

void reportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// --- Loading a tracklist of 10,000 tagged MP3 files ---

constexpr int kLoadCount = 10000;

struct LoadFiles {
    LoadFiles() {
        paths = makeTaggedMp3Files(folder.path(), kLoadCount);
        QStringList lines;
        for (const std::string& path : paths) {
            lines.append(QString::fromStdString(path));
        }
        tracklist = QString::fromStdString((folder.path() / "bench.trk").string());
        WriteUtf16Lines(tracklist, lines);
    }
    BenchFolder folder;
    std::vector<std::string> paths;
    QString tracklist;
};

const LoadFiles& loadFiles() {
    static LoadFiles files;
    return files;
}

void BM_OpenReadHeadAndTailBaseline(benchmark::State& state) {
    const LoadFiles& files = loadFiles();
    for (auto _ : state) {
        benchmark::DoNotOptimize(readHeadsAndTails(files.paths));
    }
    state.SetItemsProcessed(state.iterations() * kLoadCount);
}
BENCHMARK(BM_OpenReadHeadAndTailBaseline)->Unit(benchmark::kMillisecond);

void BM_LoadTracklist(benchmark::State& state) {
    const LoadFiles& files = loadFiles();
    StoreSetup setup;
    setup.store.setTracklistPath(files.tracklist);
    for (auto _ : state) {
        setup.store.LoadTracklist();
        if (setup.store.EntryCount() != kLoadCount) {
            state.SkipWithError("not every file was loaded");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kLoadCount);
    state.counters["dispatches"] = benchmark::Counter(static_cast<double>(setup.ui.dispatches),
                                                      benchmark::Counter::kAvgIterations);
    reportPeakMemory(state);
}
BENCHMARK(BM_LoadTracklist)->Unit(benchmark::kMillisecond);

// --- Adding a folder of 10,000 and of 100,000 files ---

struct ScanFolder {
    explicit ScanFolder(int count) {
        // Small tagged MP3 files: a frame header and the ID3v1 block.
        makeTaggedMp3Files(folder.path(), count, 128);
    }
    BenchFolder folder;
};

const ScanFolder& scanFolder(int count) {
    static ScanFolder small(10000);
    static ScanFolder large(100000);
    return count == 10000 ? small : large;
}

void BM_ListFolderAndReadHeadAndTailBaseline(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const ScanFolder& scan = scanFolder(count);
    for (auto _ : state) {
        std::vector<std::string> paths;
        DIR* listing = opendir(scan.folder.path().c_str());
        while (dirent* item = readdir(listing)) {
            if (item->d_name[0] != '.') {
                paths.push_back((scan.folder.path() / item->d_name).string());
            }
        }
        closedir(listing);
        benchmark::DoNotOptimize(readHeadsAndTails(paths));
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ListFolderAndReadHeadAndTailBaseline)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

void BM_AddFolder(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const ScanFolder& scan = scanFolder(count);
    QString folder = QString::fromStdString(scan.folder.path().string());
    long dispatches = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto setup = std::make_unique<StoreSetup>();
        state.ResumeTiming();
        setup->store.AddDroppedFiles({folder});
        if (setup->store.EntryCount() != count) {
            state.SkipWithError("not every file was added");
            break;
        }
        dispatches += setup->ui.dispatches;
        state.PauseTiming();
        setup.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["dispatches"] =
        benchmark::Counter(static_cast<double>(dispatches), benchmark::Counter::kAvgIterations);
    reportPeakMemory(state);
}
BENCHMARK(BM_AddFolder)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// --- Sorting 100,000 entries by artist ---

constexpr int kSortCount = 100000;

std::vector<TrackEntry> sortEntries() {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> artist(0, 5000);
    std::uniform_int_distribution<int> title(0, 99999);
    std::vector<TrackEntry> entries;
    entries.reserve(kSortCount);
    for (int i = 0; i < kSortCount; ++i) {
        TrackEntry entry;
        entry.path = QStringLiteral("/music/Artist %1/track%2.mp3").arg(i % 977).arg(i);
        entry.artist = QStringLiteral("Some Artist Name %1").arg(artist(random));
        entry.name = QStringLiteral("A Track Title %1").arg(title(random));
        entries.push_back(entry);
    }
    return entries;
}

void BM_StableSortByArtistBaseline(benchmark::State& state) {
    const std::vector<TrackEntry> entries = sortEntries();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<TrackEntry> copy = entries;
        state.ResumeTiming();
        std::stable_sort(copy.begin(), copy.end(), [](const TrackEntry& a, const TrackEntry& b) {
            return a.artist < b.artist;
        });
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * kSortCount);
}
BENCHMARK(BM_StableSortByArtistBaseline)->Unit(benchmark::kMillisecond);

void BM_SortEntriesByArtist(benchmark::State& state) {
    const std::vector<TrackEntry> entries = sortEntries();
    long dispatches = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto setup = std::make_unique<StoreSetup>();
        for (const TrackEntry& entry : entries) {
            setup->store.AppendEntry(entry);
        }
        state.ResumeTiming();
        setup->store.SortEntries(SortKey::Artist);
        dispatches += setup->ui.dispatches;
        state.PauseTiming();
        setup.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kSortCount);
    state.counters["dispatches"] =
        benchmark::Counter(static_cast<double>(dispatches), benchmark::Counter::kAvgIterations);
    reportPeakMemory(state);
}
BENCHMARK(BM_SortEntriesByArtist)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
