// Switching the skin of the running jukebox, from the other shipped skin to
// "XP Aqua" (a folder) and to "Ember.vlz" (an archive, unpacked and cleaned
// up each time) until the new face is painted; beside a baseline in this
// program: loading the same skin into a description of its own, with no
// window.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <fstream>

#include "bench/bench_files.h"
#include "jukebox/shell/velorine_app.h"
#include "jukebox/shell/velorine_wnd.h"
#include "jukebox/skin/skin_loader.h"
#include "jukebox/skin/skin_packages.h"
#include "jukebox/ui/quiet_ui_service.h"

namespace {

class CountingUi : public QuietUiService {
public:
    void showMessage(const QString&) override { ++messages; }
    int messages = 0;
};

// The working folder as scripts/run prepares it.
struct WorkFolder {
    WorkFolder() {
        copyShippedWorkFiles(VELORINE_WORK_DIR, dir.path());
        std::ofstream(dir.path() / "default.trk").flush();
        std::ofstream(dir.path() / "default.dic").flush();
        QDir::setCurrent(QString::fromStdString(dir.path().string()));
    }
    BenchFolder dir;
};

void prepareWorkFolder() {
    static WorkFolder folder;
}

int indexOf(const SkinList& skins, const char* name) {
    for (int i = 0; i < skins.entries().size(); ++i) {
        if (skins.entries()[i].name == QLatin1StringView(name)) {
            return i;
        }
    }
    return -1;
}

void paintNow(CVelorineWnd& window) {
    window.repaint();
    QCoreApplication::processEvents();
}

void BM_SkinSwitch(benchmark::State& state, const char* to, const char* from) {
    prepareWorkFolder();
    CountingUi ui;
    CVelorineApp app(ui, CommandLine{});
    app.InitInstance();
    paintNow(app.window());
    const int target = indexOf(app.skins(), to);
    const int other = indexOf(app.skins(), from);
    if (target < 0 || other < 0) {
        state.SkipWithError("a shipped skin is missing");
        return;
    }
    bool switched = true;
    for (auto _ : state) {
        state.PauseTiming();
        switched &= app.SwitchSkin(other);
        paintNow(app.window());
        state.ResumeTiming();
        switched &= app.SwitchSkin(target);
        paintNow(app.window());
    }
    if (!switched || ui.messages != 0 || app.skins().CurrentSkinName() != QLatin1StringView(to)) {
        state.SkipWithError("a switch failed or showed messages");
    }
}

void BM_LoadSkinBaseline(benchmark::State& state, const char* folder) {
    prepareWorkFolder();
    const QString path = QStringLiteral("skins/") + QLatin1StringView(folder);
    CountingUi ui;
    SkinPackages packages(ui);
    SkinLoader loader(ui, packages);
    for (auto _ : state) {
        SkinDescription skin;
        loader.LoadSkin(path, skin);
        benchmark::DoNotOptimize(skin.main.shape.rectCount());
    }
    if (ui.messages != 0) {
        state.SkipWithError("the skin showed messages");
    }
}

}  // namespace

BENCHMARK_CAPTURE(BM_SkinSwitch, ToXPAqua, "XP Aqua", "Ember")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSkinBaseline, XPAqua, "XPAqua")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SkinSwitch, ToEmber, "Ember", "XP Aqua")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSkinBaseline, Ember, "Ember.vlz")->Unit(benchmark::kMillisecond);
