// Listing a dropped folder of 10,000 MP3 files (and a few others) in Marlowisp,
// beside a baseline that only walks the folder and collects the names. The drop
// on the dialog adds filling the table. Then the table with 20,000 files: its
// fill and paging through it beside the fill of a plain list of the paths.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QTableView>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "batchtagger/batch_file_list.h"
#include "batchtagger/batch_tag_table_model.h"
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

// The table of the listed files with 20,000 of them, beside the plain list the
// dialog had before. Three files in four have no code-page marker, so the rows
// shown are detected as they are read.
namespace {

constexpr int kTableFileCount = 20000;

const QStringList& tableFiles() {
    static BenchFolder files;
    static QStringList paths = [] {
        const IcuCodePageConverter& icu = IcuCodePageConverter::instance();
        struct Sample {
            int codePage;
            const char16_t* title;
            const char16_t* artist;
            int genre;
        };
        const Sample samples[] = {{CodePage::Big5, u"月亮代表我的心", u"鄧麗君", 17},
                                  {CodePage::Gb, u"青藏高原", u"李娜", 13},
                                  {CodePage::ShiftJis, u"さくら", u"森山直太朗", 249},
                                  {CodePage::Ksc, u"아리랑", u"조용필", 12}};
        std::string body(2048, '\0');
        body[0] = '\xFF';
        body[1] = '\xFB';
        body[2] = '\x90';
        QStringList list;
        for (int i = 0; i < kTableFileCount; ++i) {
            const Sample& sample = samples[i % 4];
            std::string block(128, ' ');
            block.replace(0, 3, "TAG");
            std::string title =
                icu.fromUtf16(sample.codePage, sample.title) + " " + std::to_string(i);
            block.replace(3, std::min<size_t>(title.size(), 30), title.substr(0, 30));
            std::string artist = icu.fromUtf16(sample.codePage, sample.artist);
            block.replace(33, artist.size(), artist);
            block.replace(93, 4, std::to_string(1970 + i % 50));
            block[127] = static_cast<char>(sample.genre);
            char name[32];
            std::snprintf(name, sizeof name, "song%05d.mp3", i);
            std::filesystem::path path = files.path() / name;
            std::ofstream(path, std::ios::binary) << body << block;
            list.append(QString::fromStdString(path.string()));
        }
        return list;
    }();
    return paths;
}

// A table view of the dialog's kind, shown offscreen at a dialog's size.
std::unique_ptr<QTableView> makeView(BatchTagTableModel& model) {
    auto view = std::make_unique<QTableView>();
    view->setModel(&model);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(20);
    view->resize(1000, 400);
    view->show();
    return view;
}

void BM_FillOldListBaseline(benchmark::State& state) {
    const QStringList& files = tableFiles();  // made before the clock runs
    QListWidget list;
    list.resize(1000, 400);
    list.show();
    for (auto _ : state) {
        list.clear();
        list.addItems(files);
        benchmark::DoNotOptimize(list.viewport()->grab());
    }
    state.SetItemsProcessed(state.iterations() * kTableFileCount);
}
BENCHMARK(BM_FillOldListBaseline)->Unit(benchmark::kMillisecond);

// Filling the table and painting its first page: the tags of the rows shown are
// read then, the others not.
void BM_FillTagTable(benchmark::State& state) {
    const QStringList& files = tableFiles();
    for (auto _ : state) {
        BatchTagTableModel model;
        auto view = makeView(model);
        model.setPaths(files);
        benchmark::DoNotOptimize(view->viewport()->grab());
    }
    state.SetItemsProcessed(state.iterations() * kTableFileCount);
}
BENCHMARK(BM_FillTagTable)->Unit(benchmark::kMillisecond);

// Paging down through rows never shown before: each page reads its tags.
void BM_ScrollTagTablePages(benchmark::State& state) {
    constexpr int kPages = 50;
    const QStringList& files = tableFiles();
    for (auto _ : state) {
        state.PauseTiming();
        BatchTagTableModel model;
        auto view = makeView(model);
        model.setPaths(files);
        view->viewport()->grab();
        QScrollBar* bar = view->verticalScrollBar();
        state.ResumeTiming();
        for (int page = 0; page < kPages; ++page) {
            bar->setValue(bar->value() + bar->pageStep());
            benchmark::DoNotOptimize(view->viewport()->grab());
        }
    }
    state.SetItemsProcessed(state.iterations() * kPages);
    state.SetLabel("items = pages");
}
BENCHMARK(BM_ScrollTagTablePages)->Unit(benchmark::kMillisecond);

// Sorting by title reads every tag once.
void BM_SortTagTableByTitle(benchmark::State& state) {
    const QStringList& files = tableFiles();
    for (auto _ : state) {
        BatchTagTableModel model;
        model.setPaths(files);
        model.sort(BatchTagTableModel::TitleColumn, Qt::AscendingOrder);
        benchmark::DoNotOptimize(model.pathAt(0));
    }
    state.SetItemsProcessed(state.iterations() * kTableFileCount);
}
BENCHMARK(BM_SortTagTableByTitle)->Unit(benchmark::kMillisecond);

}  // namespace
