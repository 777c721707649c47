// Loading the shipped skins, beside a baseline that only reads the bytes of the
// same files; and building the window shape of a 1920x1080 mask with a ragged
// edge, beside a baseline that only scans the mask for white pixels.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <cmath>

#include "jukebox/skin/skin_loader.h"
#include "jukebox/skin/skin_packages.h"
#include "jukebox/skin/skin_shape.h"
#include "jukebox/ui/console_ui_service.h"

namespace {

// Counts messages instead of showing them; a shipped skin must show none.
QString shippedSkin(const char* name) {
    return QStringLiteral(VELORINE_SHIPPED_SKINS) + u'/' + QLatin1StringView(name);
}

void readAllBytes(const QString& path) {
    QFileInfo info(path);
    QStringList files;
    if (info.isDir()) {
        for (const QString& name : QDir(path).entryList(QDir::Files)) {
            files << QDir(path).filePath(name);
        }
    } else {
        files << path;
    }
    for (const QString& file : files) {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll().size());
    }
}

void BM_ReadSkinFilesBaseline(benchmark::State& state, const char* name) {
    const QString path = shippedSkin(name);
    for (auto _ : state) {
        readAllBytes(path);
    }
}

void BM_LoadSkin(benchmark::State& state, const char* name) {
    const QString path = shippedSkin(name);
    ConsoleUiService ui;
    SkinPackages packages(ui);
    SkinLoader loader(ui, packages);
    for (auto _ : state) {
        SkinDescription skin;
        loader.LoadSkin(path, skin);
        benchmark::DoNotOptimize(skin.main.shape.rectCount());
    }
    if (ui.messageCount() != 0) {
        state.SkipWithError("the shipped skin showed messages");
    }
}

BENCHMARK_CAPTURE(BM_ReadSkinFilesBaseline, XPAqua, "XPAqua")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSkin, XPAqua, "XPAqua")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadSkinFilesBaseline, Ember, "Ember.vlz")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSkin, Ember, "Ember.vlz")->Unit(benchmark::kMillisecond);

// A 1920x1080 face (six bands) whose mask is a wobbling ellipse: every row has
// its own edge, so no two rows merge.
const QImage& raggedPanel() {
    static const QImage panel = [] {
        const int w = 1920, h = 1080;
        QImage image(w, h * 6, QImage::Format_RGB32);
        image.fill(qRgb(255, 255, 255));
        for (int y = 0; y < h; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(5 * h + y));
            double dy = (y - h / 2.0) / (h / 2.0);
            double half = (w / 2.0) * std::sqrt(std::max(0.0, 1 - dy * dy)) + 9 * std::sin(y * 0.7);
            for (int x = 0; x < w; ++x) {
                bool hole = (x / 64 + y / 64) % 5 == 0 && std::abs(x - w / 2) < half - 80;
                line[x] = std::abs(x - w / 2.0) < half && !hole ? qRgb(20, 40, 60) : 0xFFFFFFFF;
            }
        }
        return image;
    }();
    return panel;
}

void BM_ScanMaskBaseline(benchmark::State& state) {
    const QImage& panel = raggedPanel();
    for (auto _ : state) {
        long inside = 0;
        for (int y = 0; y < 1080; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(panel.constScanLine(5 * 1080 + y));
            for (int x = 0; x < 1920; ++x) {
                inside += (line[x] & 0xFFFFFF) != 0xFFFFFF;
            }
        }
        benchmark::DoNotOptimize(inside);
    }
}
BENCHMARK(BM_ScanMaskBaseline)->Unit(benchmark::kMillisecond);

void BM_BuildShape1920x1080(benchmark::State& state) {
    const QImage& panel = raggedPanel();
    int rects = 0;
    for (auto _ : state) {
        QRegion shape = BuildSkinShape(panel, 1080);
        rects = shape.rectCount();
        benchmark::DoNotOptimize(rects);
    }
    state.counters["rects"] = rects;
}
BENCHMARK(BM_BuildShape1920x1080)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
