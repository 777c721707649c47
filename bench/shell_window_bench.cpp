// The jukebox's window, each figure beside a baseline in this program:
// - start-up to the first painted frame with the shipped "XP Aqua" skin and a
//   10,000-entry tracklist waiting (baseline: a bare frameless window of the
//   same size shown to its first paint);
// - the start-up step loading that tracklist behind the painted window, with
//   the longest time the window went without handling its events (baseline:
//   the same load in a store with no window);
// - a view switch, fades excluded, until the new view is painted (baseline:
//   setting the two window shapes alone);
// - one position poll while a track plays (baseline: asking the engine for
//   the position alone).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QSettings>
#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "bench/bench_files.h"
#include "jukebox/common/utf16_file.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/shell/velorine_app.h"
#include "jukebox/shell/velorine_wnd.h"
#include "jukebox/tracklist/tracklist_store.h"
#include "jukebox/ui/quiet_ui_service.h"
#include "taglib/tag_record.h"

namespace {

constexpr int kTracks = 10000;

// Shows nothing; pumps events as the program's service does and measures the
// longest time between two pumps.
class BenchUi : public QuietUiService {
public:
    void showMessage(const QString&) override { ++messages; }
    void fatal(const QString&) override { ++messages; }
    void dispatchEvents() override {
        if (sincePump_.isValid()) {
            longestGapNs = std::max(longestGapNs, sincePump_.nsecsElapsed());
        }
        QCoreApplication::processEvents();
        ++pumps;
        sincePump_.start();
    }
    void resetGap() {
        longestGapNs = 0;
        pumps = 0;
        sincePump_.invalidate();
    }
    int messages = 0;
    long pumps = 0;
    qint64 longestGapNs = 0;

private:
    QElapsedTimer sincePump_;
};

std::string wavOfSilence(int seconds) {
    const uint32_t data = uint32_t(seconds) * 44100 * 4;
    std::string out = "RIFF";
    auto le = [&out](uint32_t v, int n) {
        for (int i = 0; i < n; ++i) {
            out.push_back(char((v >> (8 * i)) & 0xFF));
        }
    };
    le(36 + data, 4);
    out += "WAVEfmt ";
    le(16, 4);
    le(1, 2);
    le(2, 2);
    le(44100, 4);
    le(44100 * 4, 4);
    le(4, 2);
    le(16, 2);
    out += "data";
    le(data, 4);
    out.append(data, '\0');
    return out;
}

// The working folder as scripts/run prepares it, plus 10,000 tagged MP3 files
// in the tracklist and a WAV to play.
struct WorkFolder {
    WorkFolder() {
        copyShippedWorkFiles(VELORINE_WORK_DIR, dir.path());
        QStringList lines;
        for (const std::string& path : makeTaggedMp3Files(dir.path() / "music", kTracks)) {
            lines.append(QString::fromStdString(path));
        }
        WriteUtf16Lines(QString::fromStdString((dir.path() / "default.trk").string()), lines);
        std::ofstream(dir.path() / "default.dic").flush();
        std::ofstream(dir.path() / "silence.wav", std::ios::binary) << wavOfSilence(60);
        QDir::setCurrent(QString::fromStdString(dir.path().string()));
    }
    QString path(const char* name) const {
        return QString::fromStdString((dir.path() / name).string());
    }
    BenchFolder dir;
};

WorkFolder& workFolder() {
    static WorkFolder folder;
    return folder;
}

void waitPainted(CVelorineWnd& window) {
    while (!window.painted()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

void BM_FirstPaint(benchmark::State& state) {
    workFolder();
    BenchUi ui;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        CVelorineApp app(ui, CommandLine{});
        app.InitInstance();
        waitPainted(app.window());
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (app.startupStepDone() || app.tracklist().EntryCount() != 0) {
            state.SkipWithError("the list loaded before the first paint");
        }
    }
    if (ui.messages != 0) {
        state.SkipWithError("the start showed messages");
    }
}

// A frameless window that paints one colour.
class BareWindow : public QWidget {
public:
    BareWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {}
    bool painted = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(0x5a, 0x60, 0x68));
        painted = true;
    }
};

void BM_FirstPaintBaseline(benchmark::State& state) {
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        BareWindow window;
        window.setFixedSize(520, 170);
        window.move(10, 10);
        window.show();
        while (!window.painted) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
}

void BM_StartupStepLoads10000(benchmark::State& state) {
    workFolder();
    BenchUi ui;
    qint64 longestGap = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CVelorineApp app(ui, CommandLine{});
        app.InitInstance();
        waitPainted(app.window());
        ui.resetGap();
        state.ResumeTiming();
        app.RunStartupStep();
        state.PauseTiming();
        longestGap = std::max(longestGap, ui.longestGapNs);
        if (app.tracklist().EntryCount() != kTracks) {
            state.SkipWithError("not every track joined the list");
        }
        state.ResumeTiming();
    }
    state.counters["longest_unanswered_ms"] = double(longestGap) / 1e6;
    state.counters["event_pumps"] = double(ui.pumps);
}

void BM_StartupStepBaseline(benchmark::State& state) {
    BenchUi ui;
    ExtensionLists lists(ui, workFolder().path("."));
    TagRecord record;
    TagPageSettings tagPage;
    for (auto _ : state) {
        TracklistStore store(ui, lists, record, tagPage);
        store.setTracklistPath(workFolder().path("default.trk"));
        store.LoadTracklist();
        benchmark::DoNotOptimize(store.EntryCount());
    }
}

struct RunningJukebox {
    RunningJukebox() {
        app.InitInstance();
        waitPainted(app.window());
    }
    WorkFolder& folder = workFolder();  // the current folder before the program starts
    BenchUi ui;
    CVelorineApp app{ui, CommandLine{}};
};

void BM_ViewSwitch(benchmark::State& state) {
    RunningJukebox jukebox;
    CVelorineWnd& window = jukebox.app.window();
    int view = 1;
    for (auto _ : state) {
        view = view == 1 ? 2 : 1;
        window.ApplyViewNow(view);
        QCoreApplication::processEvents();  // the new view painted
    }
    if (!window.skin().hasAlternate) {
        state.SkipWithError("the skin has no alternate view");
    }
}

void BM_ViewSwitchBaseline(benchmark::State& state) {
    RunningJukebox jukebox;
    CVelorineWnd& window = jukebox.app.window();
    const QRegion shapes[2] = {window.skin().main.shape, window.skin().alternate.shape};
    int view = 0;
    for (auto _ : state) {
        view = 1 - view;
        window.setMask(shapes[view]);
        QCoreApplication::processEvents();
    }
}

// A minute of silence playing.
struct PlayingJukebox : RunningJukebox {
    PlayingJukebox() {
        app.tracklist().AddDroppedAsCurrent({workFolder().path("silence.wav")});
        app.window().transport().OpenCurrentTrack();
        app.window().OnCommand(1001);
        QElapsedTimer clock;
        clock.start();
        while (app.engine().GetPositionMs() == 0 && clock.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }
};

void BM_Poll(benchmark::State& state) {
    PlayingJukebox jukebox;
    Transport& transport = jukebox.app.window().transport();
    for (auto _ : state) {
        transport.PollPosition();
    }
    if (transport.mode() != Transport::Mode::Playing || jukebox.app.engine().GetPositionMs() == 0) {
        state.SkipWithError("the track does not play");
    }
}

void BM_PollBaseline(benchmark::State& state) {
    PlayingJukebox jukebox;
    MediaEngine& engine = jukebox.app.engine();
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.GetPositionMs());
    }
}

}  // namespace

BENCHMARK(BM_FirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_FirstPaintBaseline)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartupStepLoads10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_StartupStepBaseline)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ViewSwitch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewSwitchBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Poll)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PollBaseline)->Unit(benchmark::kMicrosecond);
