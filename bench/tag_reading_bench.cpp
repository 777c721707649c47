// Reading the ID3v1 block and the MPEG facts of 10,000 small MP3 files, beside a
// baseline that only opens each file, reads its first 4 and last 128 bytes and
// closes it.
#include <benchmark/benchmark.h>

#include "bench/bench_files.h"
#include "taglib/code_page_converter.h"
#include "taglib/tag_record.h"

namespace {

constexpr int kFileCount = 10000;

const std::vector<std::string>& files() {
    static BenchFolder folder;
    static std::vector<std::string> paths = makeTaggedMp3Files(folder.path(), kFileCount);
    return paths;
}

void BM_OpenReadHeadAndTailBaseline(benchmark::State& state) {
    const auto& paths = files();
    for (auto _ : state) {
        benchmark::DoNotOptimize(readHeadsAndTails(paths));
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_OpenReadHeadAndTailBaseline)->Unit(benchmark::kMillisecond);

void BM_ReadTagAndMpegFacts(benchmark::State& state) {
    const auto& paths = files();
    // Paths are converted beforehand: the jukebox holds them as UTF-16 already.
    std::vector<std::u16string> widePaths;
    for (const std::string& path : paths) {
        widePaths.push_back(utf8ToUtf16(path));
    }
    TagRecord record;
    record.selectCodePage = true;
    record.autoTranslate = true;
    for (auto _ : state) {
        for (const std::u16string& path : widePaths) {
            record.open(path);
            record.read();
            record.readMpegFacts();
            benchmark::DoNotOptimize(record.title.data());
            record.close();
        }
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_ReadTagAndMpegFacts)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
