// Code-page detection: its cost per tag beside decoding the tag's fields, and adding
// a music folder of 10,000 tagged MP3 files (1,000 album folders, each in one
// language and its legacy code page) with detection and folder votes, beside the
// same folder read without detection.
#include <benchmark/benchmark.h>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "bench/bench_files.h"
#include "jukebox/options/extension_lists.h"
#include "jukebox/tracklist/tag_page_settings.h"
#include "jukebox/tracklist/tracklist_store.h"
#include "jukebox/ui/quiet_ui_service.h"
#include "taglib/code_page_converter.h"
#include "taglib/code_page_detector.h"
#include "taglib/tag_record.h"
#include "tests/support/codepage_examples.h"

namespace {

constexpr int kAlbums = 1000;
constexpr int kTracksPerAlbum = 10;

struct Language {
    int codePage;
    std::map<std::string, std::vector<std::string>> kinds;  // encoded texts by kind
};

// The example texts of the tests, encoded in their code pages.
std::vector<Language> loadLanguages() {
    std::map<std::string, int> pages = {{"zh-Hant", CodePage::Big5},
                                        {"zh-Hans", CodePage::Gb},
                                        {"ja", CodePage::ShiftJis},
                                        {"ko", CodePage::Ksc}};
    std::map<std::string, Language> languages;
    for (const auto& [language, kind, text] : ReadCodePageExamples(CODEPAGE_EXAMPLES)) {
        auto page = pages.find(language);
        int codePage = page == pages.end() ? CodePage::Ansi : page->second;
        std::string key = page == pages.end() ? "Western" : language;
        languages[key].codePage = codePage;
        languages[key].kinds[kind].push_back(
            IcuCodePageConverter::instance().fromUtf16(codePage, utf8ToUtf16(text)));
    }
    std::vector<Language> result;
    for (auto& [name, language] : languages) {
        result.push_back(std::move(language));
    }
    return result;
}

std::string pick(const std::vector<std::string>& texts, size_t i) {
    return texts.empty() ? std::string() : texts[i % texts.size()];
}

std::string tagBlock(const std::string& title, const std::string& artist,
                     const std::string& album) {
    std::string block(TagRecord::kBlockSize, ' ');
    block.replace(0, 3, "TAG");
    block.replace(3, std::min<size_t>(title.size(), 30), title, 0, 30);
    block.replace(33, std::min<size_t>(artist.size(), 30), artist, 0, 30);
    block.replace(63, std::min<size_t>(album.size(), 30), album, 0, 30);
    block.replace(93, 4, "1999");
    block[127] = 12;
    return block;
}

// The blocks of the library, album by album.
const std::vector<std::string>& blocks() {
    static const std::vector<std::string> all = [] {
        std::vector<Language> languages = loadLanguages();
        std::vector<std::string> result;
        for (int album = 0; album < kAlbums; ++album) {
            const Language& language = languages[static_cast<size_t>(album) % languages.size()];
            auto kind = [&](const char* name) -> const std::vector<std::string>& {
                return language.kinds.at(name);
            };
            size_t albumIndex = static_cast<size_t>(album) / languages.size();
            for (int track = 0; track < kTracksPerAlbum; ++track) {
                result.push_back(tagBlock(
                    pick(kind("title"), albumIndex * kTracksPerAlbum + static_cast<size_t>(track)),
                    pick(kind("artist"), albumIndex), pick(kind("album"), albumIndex)));
            }
        }
        return result;
    }();
    return all;
}

struct Library {
    BenchFolder root;
    std::vector<std::vector<std::u16string>> albums;  // the paths of each album folder
};

const Library& library() {
    static Library lib;
    static const bool made = [] {
        std::string body(4096, '\0');
        body[0] = '\xFF';
        body[1] = '\xFB';
        body[2] = '\x90';
        const auto& all = blocks();
        for (int album = 0; album < kAlbums; ++album) {
            std::filesystem::path folder = lib.root.path() / ("album" + std::to_string(album));
            std::filesystem::create_directory(folder);
            lib.albums.emplace_back();
            for (int track = 0; track < kTracksPerAlbum; ++track) {
                std::filesystem::path path = folder / ("track" + std::to_string(track) + ".mp3");
                std::ofstream(path, std::ios::binary)
                    << body << all[static_cast<size_t>(album * kTracksPerAlbum + track)];
                lib.albums.back().push_back(utf8ToUtf16(path.string()));
            }
        }
        return true;
    }();
    (void)made;
    return lib;
}

void BM_DecodeTagFieldsBaseline(benchmark::State& state) {
    TagRecord record;
    record.codePage = CodePage::Big5;
    std::u16string text;
    for (auto _ : state) {
        for (const std::string& block : blocks()) {
            const auto* bytes = reinterpret_cast<const uint8_t*>(block.data());
            for (int offset : {3, 33, 63, 97}) {
                record.decodeField(text, bytes + offset, TagRecord::kTextWidth);
            }
            record.decodeField(text, bytes + 93, TagRecord::kYearWidth);
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(blocks().size()));
}
BENCHMARK(BM_DecodeTagFieldsBaseline)->Unit(benchmark::kMillisecond);

void BM_ScoreAndDecideTag(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& block : blocks()) {
            CodePageScores scores =
                TagRecord::blockScores(reinterpret_cast<const uint8_t*>(block.data()));
            benchmark::DoNotOptimize(CodePageDetector::Decide(scores));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(blocks().size()));
}
BENCHMARK(BM_ScoreAndDecideTag)->Unit(benchmark::kMillisecond);

struct TracklistSetup {
    explicit TracklistSetup(bool detect) {
        record.selectCodePage = true;
        record.autoTranslate = true;
        record.autoDetect = detect;
        record.defaultCodePage = CodePage::Big5;
    }
    QuietUiService ui;
    ExtensionLists lists{ui, {QStringLiteral("mp3")}, {}};
    TagRecord record;
    TagPageSettings tagPage;
    TracklistStore store{ui, lists, record, tagPage};
};

// How the jukebox reads a file that joins the list.
void readFile(TagRecord& record, const std::u16string& path) {
    record.open(path);
    record.read();
    record.readMpegFacts();
    benchmark::DoNotOptimize(record.title.data());
    record.close();
}

void BM_AddFolderWithoutDetection(benchmark::State& state) {
    const Library& lib = library();
    TagRecord record;
    record.selectCodePage = true;
    record.autoTranslate = true;
    record.defaultCodePage = CodePage::Big5;
    for (auto _ : state) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(lib.root.path())) {
            benchmark::DoNotOptimize(entry.path().c_str());
        }
        for (const auto& album : lib.albums) {
            for (const std::u16string& path : album) {
                readFile(record, path);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kAlbums * kTracksPerAlbum);
}
BENCHMARK(BM_AddFolderWithoutDetection)->Unit(benchmark::kMillisecond);

// Every file is read detecting on its own; the tags of a folder then vote, and only
// the tags whose reading the vote changes are read again.
void BM_AddFolderWithDetection(benchmark::State& state) {
    const Library& lib = library();
    TagRecord record;
    record.selectCodePage = true;
    record.autoTranslate = true;
    record.autoDetect = true;
    int64_t readAgain = 0;
    for (auto _ : state) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(lib.root.path())) {
            benchmark::DoNotOptimize(entry.path().c_str());
        }
        std::vector<CodePageScores> scores;
        std::vector<int> pages;
        for (const auto& album : lib.albums) {
            CodePageVote vote;
            scores.clear();
            pages.clear();
            record.vote = nullptr;
            for (const std::u16string& path : album) {
                readFile(record, path);
                vote.add(record.codePageScores);
                scores.push_back(record.codePageScores);
                pages.push_back(record.codePage);
            }
            record.vote = &vote;
            for (size_t i = 0; i < album.size(); ++i) {
                if (scores[i].evidence && vote.decide(scores[i]).codePage != pages[i]) {
                    readFile(record, album[i]);
                    ++readAgain;
                }
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kAlbums * kTracksPerAlbum);
    state.counters["read_again_per_pass"] = benchmark::Counter(
        static_cast<double>(readAgain) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_AddFolderWithDetection)->Unit(benchmark::kMillisecond);

// The same music folder dropped on the tracklist as the jukebox adds it (entries,
// lines, the dictionary asked for nothing), with the tag read as a chosen code
// page (0) or detected with the folders voting (1).
void BM_TracklistAddsTheFolder(benchmark::State& state) {
    const Library& lib = library();
    const QString root = QString::fromStdString(lib.root.path().string());
    for (auto _ : state) {
        state.PauseTiming();
        auto setup = std::make_unique<TracklistSetup>(state.range(0) != 0);
        state.ResumeTiming();
        setup->store.AddDroppedFiles({root});
        if (setup->store.EntryCount() != kAlbums * kTracksPerAlbum) {
            state.SkipWithError("not every file was added");
            break;
        }
        state.PauseTiming();
        setup.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kAlbums * kTracksPerAlbum);
}
BENCHMARK(BM_TracklistAddsTheFolder)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
