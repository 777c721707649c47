// Filling the dictionary window's list with 10,000 rows: a load of default.dic
// into the store with the window's model attached, until the list has laid out
// and painted once; beside it the baseline, the same load with no window. The
// window's own part is the difference of the two.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QWindow>

#include "bench/bench_files.h"
#include "jukebox/common/utf16_file.h"
#include "jukebox/dictionary/dictionary_store.h"
#include "jukebox/dictionary_window/dictionary_wnd.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/ui/quiet_ui_service.h"

namespace {

constexpr int kRows = 10000;

// A default.dic of kRows rows with texts of the length tags give, some in
// Chinese, written once.
const BenchFolder& dictionaryFolder() {
    static BenchFolder folder;
    static const bool written = [] {
        QStringList lines;
        lines.reserve(kRows * 7);
        for (int i = 0; i < kRows; ++i) {
            const QString name =
                QStringLiteral("Clip %1 \u4E2D\u6587.avi").arg(i, 5, 10, QChar(u'0'));
            // Filename, Display, Artist, Genre, Date, Source, Comment
            lines << name << QStringLiteral("Clip title %1").arg(i)
                  << QStringLiteral("Artist %1").arg(i % 97) << QStringLiteral("Pop")
                  << QStringLiteral("2001") << QStringLiteral("Album %1").arg(i % 31)
                  << QStringLiteral("comment");
        }
        return WriteUtf16Lines(
            QString::fromStdString((folder.path() / DictionaryStore::kFileName).string()), lines);
    }();
    (void)written;
    return folder;
}

// Counts the paint events of a widget, so that a figure without painting shows.
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

struct StoreSetup {
    QuietUiService ui;
    ExtensionLists lists{ui, {QStringLiteral("wav")}, {QStringLiteral("avi")}};
    DictionaryStore store{ui, lists, QString::fromStdString(dictionaryFolder().path().string())};
};

void BM_LoadIntoTheWindow10k(benchmark::State& state) {
    StoreSetup setup;
    CDictionaryWnd wnd(setup.store, setup.ui);
    wnd.resize(680, 400);
    wnd.show();
    QElapsedTimer waited;
    waited.start();
    while (!wnd.windowHandle()->isExposed() && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    PaintCounter paints;
    wnd.list().viewport()->installEventFilter(&paints);
    long unpainted = 0;
    for (auto _ : state) {
        const long before = paints.count;
        setup.store.LoadDictionary();
        // The view lays out and paints from posted events.
        for (int round = 0; round < 100 && paints.count == before; ++round) {
            QCoreApplication::processEvents();
        }
        unpainted += paints.count == before ? 1 : 0;
    }
    if (unpainted > 0 || wnd.list().model()->rowCount() != kRows) {
        state.SkipWithError("the list did not show every row");
    }
    state.counters["rows"] = wnd.list().model()->rowCount();
}

void BM_LoadAloneBaseline10k(benchmark::State& state) {
    StoreSetup setup;
    for (auto _ : state) {
        setup.store.LoadDictionary();
    }
    if (setup.store.rowCount() != kRows) {
        state.SkipWithError("not every row loaded");
    }
}

}  // namespace

BENCHMARK(BM_LoadIntoTheWindow10k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAloneBaseline10k)->Unit(benchmark::kMillisecond);
