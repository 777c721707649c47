// Listing a dropped folder of 10,000 MP3 files (and a few others) in Marlowisp,
// beside a baseline that only walks the folder and collects the names. The drop
// on the dialog adds filling the list control.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <cstdlib>
#include <filesystem>

#include "batchtagger/batch_file_list.h"
#include "batchtagger/marlowisp_dlg.h"
#include "bench/bench_files.h"

namespace {

constexpr int kFileCount = 10000;

const QString& folder() {
    static BenchFolder files;
    static QString path = [] {
        // Files of the folder scan's kind: tagged MP3s, with other files and a
        // sub-folder mixed in.
        makeTaggedMp3Files(files.path(), kFileCount, 256);
        std::filesystem::create_directory(files.path() / "covers");
        for (int i = 0; i < 100; ++i) {
            std::filesystem::path other = files.path() / ("note" + std::to_string(i) + ".txt");
            QFile(QString::fromStdString(other.string())).open(QIODevice::WriteOnly);
        }
        return QString::fromStdString(files.path().string());
    }();
    return path;
}

void BM_WalkFolderBaseline(benchmark::State& state) {
    std::string path = QFile::encodeName(folder()).toStdString();
    for (auto _ : state) {
        QStringList names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
            names.append(QFile::decodeName(entry.path().filename().c_str()));
        }
        benchmark::DoNotOptimize(names.size());
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_WalkFolderBaseline)->Unit(benchmark::kMillisecond);

void BM_ListDroppedFolder(benchmark::State& state) {
    for (auto _ : state) {
        BatchFileList list;
        list.addPath(folder());
        benchmark::DoNotOptimize(list.paths().size());
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_ListDroppedFolder)->Unit(benchmark::kMillisecond);

void BM_DropFolderOnDialog(benchmark::State& state) {
    for (auto _ : state) {
        CMarlowispDlg dialog;
        dialog.addDroppedPaths({folder()});
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_DropFolderOnDialog)->Unit(benchmark::kMillisecond);

}  // namespace
