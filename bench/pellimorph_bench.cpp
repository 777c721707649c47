// Pellimorph over a collection of 10,000 MP3 files in ten folders, their ID3v1
// tags in Big5, GBK, Shift-JIS and KSC (a tenth with a code-page marker): a dry
// run and a real run followed by its undo, beside a baseline that only opens each
// file and reads its first and last bytes. The driver runs in this process, as
// the program runs it, with its output kept in memory.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bench_files.h"
#include "converter/pellimorph.h"
#include "taglib/code_page_converter.h"
#include "tests/support/codepage_examples.h"

namespace {

constexpr int kFolders = 10;
constexpr int kFilesPerFolder = 1000;
constexpr int kFileCount = kFolders * kFilesPerFolder;

// The example texts of a language by kind (title, artist, album).
std::map<std::string, std::map<std::string, std::vector<std::string>>> loadExamples() {
    std::map<std::string, std::map<std::string, std::vector<std::string>>> texts;
    for (const CodePageExampleLine& line : ReadCodePageExamples(CODEPAGE_EXAMPLES)) {
        texts[line.language][line.kind].push_back(line.text);
    }
    return texts;
}

std::string field(const std::string& text, int codePage, size_t width) {
    std::string bytes = IcuCodePageConverter::instance().fromUtf16(codePage, utf8ToUtf16(text));
    bytes.resize(width, ' ');  // cut at the width, as old tools did
    return bytes;
}

struct Collection {
    BenchFolder root;
    std::vector<std::string> paths;
    Collection() {
        static const std::pair<const char*, int> kLanguages[] = {{"zh-Hant", CodePage::Big5},
                                                                 {"zh-Hans", CodePage::Gb},
                                                                 {"ja", CodePage::ShiftJis},
                                                                 {"ko", CodePage::Ksc}};
        static const uint8_t kMarkers[] = {248, 250, 249, 251};
        auto examples = loadExamples();
        std::string body(4096, '\0');
        body[0] = '\xFF';
        body[1] = '\xFB';
        body[2] = '\x90';
        for (int folder = 0; folder < kFolders; ++folder) {
            const auto& [language, codePage] = kLanguages[folder % 4];
            auto& texts = examples[language];
            if (texts["title"].empty() || texts["artist"].empty() || texts["album"].empty()) {
                throw std::runtime_error("no example texts for " + std::string(language));
            }
            std::filesystem::path dir = root.path() / ("album " + std::to_string(folder));
            std::filesystem::create_directories(dir);
            for (int i = 0; i < kFilesPerFolder; ++i) {
                std::string block(128, ' ');
                block.replace(0, 3, "TAG");
                auto pick = [&](const char* kind) {
                    const auto& list = texts[kind];
                    return list[static_cast<size_t>(i) % list.size()];
                };
                block.replace(3, 30, field(pick("title"), codePage, 30));
                block.replace(33, 30, field(pick("artist"), codePage, 30));
                block.replace(63, 30, field(pick("album"), codePage, 30));
                block.replace(93, 4, "1998");
                block[127] = static_cast<char>(i % 10 == 0 ? kMarkers[folder % 4] : 13);
                std::string path = (dir / (std::to_string(i + 1) + " - track.mp3")).string();
                std::ofstream(path, std::ios::binary) << body << block;
                paths.push_back(path);
            }
        }
        // The journal of the runs below, not the user's.
        setenv("XDG_DATA_HOME", (root.path() / "data").c_str(), 1);
    }
};

Collection& collection() {
    static Collection files;
    return files;
}

int pellimorph(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int code = runPellimorph(args, out, err);
    if (code != 0) {
        throw std::runtime_error("pellimorph failed: " + err.str());
    }
    return code;
}

void BM_ReadHeadsAndTailsBaseline(benchmark::State& state) {
    const auto& paths = collection().paths;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readHeadsAndTails(paths));
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_ReadHeadsAndTailsBaseline)->Unit(benchmark::kMillisecond);

void BM_DryRunAuto(benchmark::State& state) {
    std::string root = collection().root.path().string();
    for (auto _ : state) {
        pellimorph({"--dry-run", "auto", "utf8", root});
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_DryRunAuto)->Unit(benchmark::kMillisecond);

void BM_DryRunGiven(benchmark::State& state) {
    std::string root = collection().root.path().string();
    for (auto _ : state) {
        pellimorph({"--dry-run", "big5", "utf8", root});
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_DryRunGiven)->Unit(benchmark::kMillisecond);

// A real run keeps every change in the journal; the undo puts every file back, so
// each iteration starts from the same collection.
void BM_RunAutoThenUndo(benchmark::State& state) {
    std::string root = collection().root.path().string();
    for (auto _ : state) {
        pellimorph({"auto", "utf8", root});
        pellimorph({"--undo"});
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_RunAutoThenUndo)->Unit(benchmark::kMillisecond);

void BM_Show(benchmark::State& state) {
    std::string root = collection().root.path().string();
    for (auto _ : state) {
        pellimorph({"--show", root});
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_Show)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
