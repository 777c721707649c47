// The tracklist window with 100,000 entries, each figure beside a baseline in
// this program:
// - filling the list (baseline: formatting the 100,000 lines alone);
// - scrolling one page and painting it (baseline: painting the page unmoved);
// - sorting by artist through the window's sort command, with the longest time
//   between two event pumps (baseline: the sort order computed alone);
// - the longest time the window served no events (a 1 ms timer that records
//   the gaps between its ticks) while the window sorts 100,000 entries, deletes
//   every other one of them, saves them, opens a list of 100,000 lines and adds
//   a folder of 20,000 files;
// - the memory of the whole jukebox with the 100,000 entries shown in the
//   window (baseline: the same jukebox with an empty list).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <fstream>
#include <functional>
#include <random>

#include "bench/bench_files.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/velorine_app.h"
#include "jukebox/shell/velorine_wnd.h"
#include "jukebox/tracklist/format_entry.h"
#include "jukebox/tracklist/tag_page_settings.h"
#include "jukebox/tracklist/tracklist_store.h"
#include "jukebox/tracklist_window/tracklist_wnd.h"
#include "jukebox/ui/quiet_ui_service.h"
#include "taglib/tag_record.h"

namespace {

constexpr int kEntries = 100000;

// Pumps events as the program's service does and measures the longest time
// between two pumps.
class PumpingUi : public QuietUiService {
public:
    void dispatchEvents() override {
        if (sincePump_.isValid()) {
            longestGapNs = std::max(longestGapNs, sincePump_.nsecsElapsed());
        }
        QCoreApplication::processEvents();
        sincePump_.start();
    }
    void reset() {
        longestGapNs = 0;
        sincePump_.start();
    }
    qint64 longestGapNs = 0;

private:
    QElapsedTimer sincePump_;
};

// Entries with texts of the length tags give, in a shuffled order.
std::vector<TrackEntry> makeEntries() {
    std::vector<TrackEntry> entries(kEntries);
    std::mt19937 random(7);
    for (int i = 0; i < kEntries; ++i) {
        TrackEntry& entry = entries[static_cast<std::size_t>(i)];
        const int album = static_cast<int>(random() % 5000);
        entry.path = QStringLiteral("/home/user/Music/Artist %1/Album %2/%3 Track title %4.mp3")
                         .arg(album % 900)
                         .arg(album)
                         .arg(i % 20)
                         .arg(i);
        entry.artist = QStringLiteral("Artist %1").arg(album % 900);
        entry.name = QStringLiteral("Track title %1").arg(i);
        entry.source = QStringLiteral("Album %1").arg(album);
        entry.genre = QStringLiteral("Rock");
        entry.date = QStringLiteral("1999");
        entry.playable = 1;
        entry.mappingKind = MappingTag;
        entry.mediaKind = 2;
    }
    return entries;
}

const std::vector<TrackEntry>& entries() {
    static const std::vector<TrackEntry> made = makeEntries();
    return made;
}

void fillStore(TracklistStore& store) {
    store.RemoveEntries(0, store.EntryCount());
    for (const TrackEntry& entry : entries()) {
        store.AppendEntry(entry);
    }
}

// Counts the paint events of the list, so that a figure without painting shows.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return QObject::eventFilter(watched, event);
    }
    long count = 0;
};

// A store as the jukebox sets it up, shown in a tracklist window.
struct WindowSetup {
    WindowSetup() {
        fillStore(store);
        store.setObserver(&wnd);
        wnd.resize(275, 375);
        wnd.show();
        QElapsedTimer waited;
        waited.start();
        while (!wnd.windowHandle()->isExposed() && waited.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        wnd.list().viewport()->installEventFilter(&paints);
    }
    ~WindowSetup() { store.setObserver(nullptr); }
    PumpingUi ui;
    ExtensionLists lists{ui, {QStringLiteral("mp3")}, {QStringLiteral("avi")}};
    TagRecord record;
    TagPageSettings tagPage;
    TracklistStore store{ui, lists, record, tagPage};
    CTracklistWnd wnd{store, ui};
    PaintCounter paints;
};

void BM_FillList100k(benchmark::State& state) {
    WindowSetup setup;
    for (auto _ : state) {
        setup.store.FillList();
        QCoreApplication::processEvents();  // the view lays out and paints
    }
    if (setup.wnd.list().model()->rowCount() != kEntries) {
        state.SkipWithError("not every line shown");
    }
}

void BM_FillList100kBaseline(benchmark::State& state) {
    TagPageSettings tagPage;
    for (auto _ : state) {
        QStringList lines;
        lines.reserve(kEntries);
        for (const TrackEntry& entry : entries()) {
            lines.append(FormatEntry(tagPage.listFormat, entry));
        }
        benchmark::DoNotOptimize(lines);
    }
}

void scrollBench(benchmark::State& state, bool move) {
    WindowSetup setup;
    setup.store.FillList();
    QListView& list = setup.wnd.list();
    QScrollBar* bar = list.verticalScrollBar();
    for (auto _ : state) {
        if (move) {
            bar->setValue(bar->value() + bar->pageStep() >= bar->maximum()
                              ? 0
                              : bar->value() + bar->pageStep());
        }
        list.viewport()->repaint();
    }
    if (setup.paints.count < static_cast<long>(state.iterations())) {
        state.SkipWithError("the list was not painted");
    }
}

void BM_ScrollOnePage(benchmark::State& state) {
    scrollBench(state, true);
}

void BM_ScrollOnePageBaseline(benchmark::State& state) {
    scrollBench(state, false);
}

void BM_SortByArtistThroughTheWindow(benchmark::State& state) {
    WindowSetup setup;
    qint64 longestGap = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fillStore(setup.store);
        setup.store.FillList();
        setup.ui.reset();
        state.ResumeTiming();
        setup.wnd.OnCommand(static_cast<int>(SortKey::Artist));
        longestGap = std::max(longestGap, setup.ui.longestGapNs);
    }
    state.counters["longest_unanswered_ms"] = double(longestGap) / 1e6;
}

void BM_SortByArtistBaseline(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            EntrySorter::SortedOrder(entries(), SortKey::Artist, [] { return false; }));
    }
}

// A timer that should tick every millisecond; the longest gap between two ticks
// is the longest time no events were served.
class FrameWatch {
public:
    FrameWatch() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            longestNs_ = std::max(longestNs_, sinceTick_.nsecsElapsed());
            sinceTick_.start();
        });
    }
    // Runs operation with the timer going, and the events that it leaves
    // waiting (the list's layout and paint) after it.
    double longestGapMs(const std::function<void()>& operation) {
        longestNs_ = 0;
        sinceTick_.start();
        timer_.start();
        operation();
        QElapsedTimer after;
        after.start();
        while (after.elapsed() < 100) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        timer_.stop();
        return double(longestNs_) / 1e6;
    }

private:
    QTimer timer_;
    QElapsedTimer sinceTick_;
    qint64 longestNs_ = 0;
};

void reportGap(benchmark::State& state, double longestMs) {
    state.counters["longest_without_events_ms"] = longestMs;
    state.counters["frames_missed_at_60Hz"] = longestMs > 1000.0 / 60.0 ? 1 : 0;
}

void BM_SortGapWithTimer(benchmark::State& state) {
    WindowSetup setup;
    FrameWatch watch;
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fillStore(setup.store);
        setup.store.FillList();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        longest = std::max(longest, watch.longestGapMs([&] {
            setup.wnd.OnCommand(static_cast<int>(SortKey::Artist));
        }));
    }
    reportGap(state, longest);
}

void BM_DeleteEveryOtherLineGapWithTimer(benchmark::State& state) {
    WindowSetup setup;
    FrameWatch watch;
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fillStore(setup.store);
        setup.store.FillList();
        QItemSelection every;
        for (int row = 0; row < kEntries; row += 2) {
            every.select(setup.wnd.list().model()->index(row, 0),
                         setup.wnd.list().model()->index(row, 0));
        }
        setup.wnd.list().selectionModel()->select(every, QItemSelectionModel::ClearAndSelect);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        longest = std::max(longest, watch.longestGapMs([&] { setup.wnd.OnCommand(3381); }));
        if (setup.store.EntryCount() != kEntries / 2) {
            state.SkipWithError("not every other line deleted");
        }
    }
    reportGap(state, longest);
}

void BM_SaveGapWithTimer(benchmark::State& state) {
    WindowSetup setup;
    BenchFolder folder;
    setup.store.FillList();
    setup.store.setTracklistPath(QString::fromStdString((folder.path() / "saved.trk").string()));
    FrameWatch watch;
    double longest = 0;
    for (auto _ : state) {
        longest = std::max(longest, watch.longestGapMs([&] { setup.wnd.OnCommand(3388); }));
    }
    reportGap(state, longest);
}

void BM_OpenLongListGapWithTimer(benchmark::State& state) {
    WindowSetup setup;
    BenchFolder folder;
    // Paths of files that are gone: every line is read and joins the list.
    const std::filesystem::path list = folder.path() / "long.trk";
    {
        std::ofstream out(list, std::ios::binary);
        out << "\xFF\xFE";
        for (const TrackEntry& entry : entries()) {
            const QString line = entry.path + QStringLiteral("\r\n");
            out.write(reinterpret_cast<const char*>(line.utf16()),
                      static_cast<std::streamsize>(line.size() * 2));
        }
    }
    setup.store.setTracklistPath(QString::fromStdString(list.string()));
    FrameWatch watch;
    double longest = 0;
    for (auto _ : state) {
        longest = std::max(longest, watch.longestGapMs([&] { setup.store.LoadTracklist(); }));
        if (setup.store.EntryCount() != kEntries) {
            state.SkipWithError("not every line loaded");
        }
    }
    reportGap(state, longest);
}

void BM_AddFolderGapWithTimer(benchmark::State& state) {
    WindowSetup setup;
    BenchFolder folder;
    makeTaggedMp3Files(folder.path(), 20000, 128);
    FrameWatch watch;
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        setup.store.RemoveEntries(0, setup.store.EntryCount());
        setup.store.FillList();
        state.ResumeTiming();
        longest = std::max(longest, watch.longestGapMs([&] {
            setup.store.AddDroppedFiles({QString::fromStdString(folder.path().string())});
        }));
    }
    reportGap(state, longest);
}

// The resident memory now, in MB.
double residentMB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The working folder as scripts/run prepares it.
struct WorkFolder {
    WorkFolder() {
        copyShippedWorkFiles(VELORINE_WORK_DIR, dir.path());
        std::ofstream(dir.path() / "default.dic").flush();
        std::ofstream(dir.path() / "default.trk", std::ios::binary) << "\xFF\xFE";
        QDir::setCurrent(QString::fromStdString(dir.path().string()));
    }
    BenchFolder dir;
};

void jukeboxMemory(benchmark::State& state, bool withEntries) {
    static WorkFolder folder;
    entries();
    PumpingUi ui;
    for (auto _ : state) {
        CVelorineApp app(ui, CommandLine{});
        app.InitInstance();
        app.RunStartupStep();
        if (withEntries) {
            fillStore(app.tracklist());
            app.tracklist().FillList();
        }
        app.window().OnCommand(ControlId::Tlist);  // the tracklist window shows
        for (int i = 0; i < 20; ++i) {
            QCoreApplication::processEvents();
        }
        state.counters["resident_MB"] = residentMB();
        app.RequestClose();
    }
}

void BM_JukeboxMemoryWith100k(benchmark::State& state) {
    jukeboxMemory(state, true);
}

void BM_JukeboxMemoryEmptyBaseline(benchmark::State& state) {
    jukeboxMemory(state, false);
}

}  // namespace

// The memory figures first, before other runs have grown the heap.
BENCHMARK(BM_JukeboxMemoryEmptyBaseline)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JukeboxMemoryWith100k)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillList100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillList100kBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollOnePageBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortByArtistThroughTheWindow)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByArtistBaseline)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortGapWithTimer)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteEveryOtherLineGapWithTimer)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveGapWithTimer)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLongListGapWithTimer)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddFolderGapWithTimer)->Iterations(1)->Unit(benchmark::kMillisecond);
