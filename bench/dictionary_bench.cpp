// FindInDictionary over a 10,000-row dictionary beside two baselines in the same
// program: the first-match scan of every row that an unindexed store does, and a
// plain hash lookup of the same keys. Adding 10,000 typed names, whose case-blind
// duplicate test goes through the second index, runs beside a case-blind scan.
// Memory: the heap the loaded store holds, the part of it that is index, and the
// process's peak resident size.
#include <benchmark/benchmark.h>

#include <QHash>
#include <QStringList>

#include <malloc.h>
#include <sys/resource.h>

#include "bench/bench_files.h"
#include "jukebox/common/path_functions.h"
#include "jukebox/common/utf16_file.h"
#include "jukebox/dictionary/dictionary_store.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/ui/console_ui_service.h"

namespace {

constexpr int kRows = 10000;

// Mixed-case names, some beyond ASCII, as a music folder has them.
QString nameOf(int i) {
    static const char16_t* const kStems[] = {u"Track", u"Live_Take", u"\u00C4rger",
                                             u"\u5B89\u9759"};
    static const char16_t* const kExtensions[] = {u"avi", u"WAV", u"mkv", u"ogg"};
    return QStringLiteral("%1 %2.%3")
        .arg(QString::fromUtf16(kStems[i % 4]))
        .arg(i, 5, 10, QLatin1Char('0'))
        .arg(QString::fromUtf16(kExtensions[(i / 4) % 4]));
}

size_t heapInUse() {
    return mallinfo2().uordblks;
}

struct Fixture {
    Fixture() {
        QStringList lines;
        for (int i = 0; i < kRows; ++i) {
            QString name = nameOf(i);
            lines << name << name << QStringLiteral("Artist %1").arg(i % 97)
                  << QStringLiteral("Pop") << QStringLiteral("2001")
                  << QStringLiteral("Album %1").arg(i % 31) << QString();
            paths << QStringLiteral("/music/library/") + name;
            missPaths << QStringLiteral("/music/library/") + name.toUpper() + u'x';
        }
        WriteUtf16Lines(
            QString::fromStdString(folder.path().string()) + QStringLiteral("/default.dic"), lines);
        size_t before = heapInUse();
        store.LoadDictionary();
        storeBytes = heapInUse() - before;
        QList<DictionaryEntry> rows;
        for (int i = 0; i < store.rowCount(); ++i) {
            rows.append(store.rowAt(i));
        }
        before = heapInUse();
        FilenameIndex index;
        index.rebuild(rows);
        indexBytes = heapInUse() - before;
        for (int i = 0; i < store.rowCount(); ++i) {
            plainHash.insert(store.rowAt(i).filename, i);
        }
    }

    BenchFolder folder;
    ConsoleUiService ui;
    ExtensionLists lists{ui,
                         {QStringLiteral("wav"), QStringLiteral("ogg")},
                         {QStringLiteral("avi"), QStringLiteral("mkv")}};
    DictionaryStore store{ui, lists, QString::fromStdString(folder.path().string())};
    QStringList paths;
    QStringList missPaths;
    QHash<QString, int> plainHash;
    size_t storeBytes = 0;
    size_t indexBytes = 0;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void reportMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["store_KiB"] = static_cast<double>(fixture().storeBytes) / 1024.0;
    state.counters["index_KiB"] = static_cast<double>(fixture().indexBytes) / 1024.0;
    state.counters["peak_RSS_KiB"] = static_cast<double>(usage.ru_maxrss);
}

// The same filling as the store's, after a scan for the first exact match.
bool findByScan(const DictionaryStore& store, const ExtensionLists& lists, TrackEntry& entry) {
    QString name = FileNamePart(entry.path);
    for (int row = 0; row < store.rowCount(); ++row) {
        const DictionaryEntry& found = store.rowAt(row);
        if (found.filename == name) {
            DictionaryStore::FillEntryFromRow(found, lists, entry);
            return true;
        }
    }
    return false;
}

// range(0): 1 looks up every row's name, 0 names that no row holds.
const QStringList& pathsFor(benchmark::State& state) {
    return state.range(0) == 1 ? fixture().paths : fixture().missPaths;
}

void BM_FindInDictionary(benchmark::State& state) {
    const QStringList& paths = pathsFor(state);
    for (auto _ : state) {
        for (const QString& path : paths) {
            TrackEntry entry;
            entry.path = path;
            benchmark::DoNotOptimize(fixture().store.FindInDictionary(entry));
        }
    }
    state.SetItemsProcessed(state.iterations() * paths.size());
    reportMemory(state);
}
BENCHMARK(BM_FindInDictionary)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_FindByScanBaseline(benchmark::State& state) {
    const QStringList& paths = pathsFor(state);
    for (auto _ : state) {
        for (const QString& path : paths) {
            TrackEntry entry;
            entry.path = path;
            benchmark::DoNotOptimize(findByScan(fixture().store, fixture().lists, entry));
        }
    }
    state.SetItemsProcessed(state.iterations() * paths.size());
}
BENCHMARK(BM_FindByScanBaseline)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_PlainHashBaseline(benchmark::State& state) {
    const QStringList& paths = pathsFor(state);
    for (auto _ : state) {
        for (const QString& path : paths) {
            benchmark::DoNotOptimize(fixture().plainHash.value(FileNamePart(path), -1));
        }
    }
    state.SetItemsProcessed(state.iterations() * paths.size());
}
BENCHMARK(BM_PlainHashBaseline)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_AddTypedNames(benchmark::State& state) {
    for (auto _ : state) {
        DictionaryStore store(fixture().ui, fixture().lists, QString());
        for (const QString& path : fixture().paths) {
            store.AddToDictionary(path);
        }
        benchmark::DoNotOptimize(store.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_AddTypedNames)->Unit(benchmark::kMillisecond);

void BM_AddWithCaseBlindScanBaseline(benchmark::State& state) {
    for (auto _ : state) {
        QList<DictionaryEntry> rows;
        for (const QString& path : fixture().paths) {
            QString name = FileNamePart(path);
            bool known = false;
            for (const DictionaryEntry& row : rows) {
                if (row.filename.compare(name, Qt::CaseInsensitive) == 0) {
                    known = true;
                    break;
                }
            }
            if (!known) {
                DictionaryEntry row;
                row.filename = name;
                row.display = name;
                rows.append(row);
            }
        }
        benchmark::DoNotOptimize(rows.size());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_AddWithCaseBlindScanBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
