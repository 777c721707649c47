// The code-page detector on a corpus made from the example texts: each text in its
// legacy code page (and in UTF-8), cut at 30 bytes as old tools did, read back
// through TagRecord as single fields, as whole tags and as album folders whose
// tags vote. Prints the shares read exactly and holds them to the goals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>

#include "taglib/code_page_converter.h"
#include "taglib/tag_record.h"
#include "tests/support/codepage_examples.h"
#include "tests/support/temp_dir.h"

namespace {

struct Example {
    std::string language;  // zh-Hant, zh-Hans, ja, ko or Western
    std::string kind;      // title, artist, album, comment, year
    std::u16string text;
};

// One field as an old tool wrote it.
struct Field {
    std::string kind;
    std::string bytes;  // at most the field's width
    std::u16string expected;
    bool cut = false;  // a character was cut in two at the end
};

std::vector<Example> loadExamples() {
    const std::vector<CodePageExampleLine> lines = ReadCodePageExamples(CODEPAGE_EXAMPLES);
    EXPECT_FALSE(lines.empty()) << CODEPAGE_EXAMPLES;
    std::vector<Example> examples;
    for (auto [language, kind, text] : lines) {
        if (language.rfind("mixed:", 0) == 0) {
            language = language.substr(6);
        }
        bool cjk =
            language == "zh-Hant" || language == "zh-Hans" || language == "ja" || language == "ko";
        examples.push_back({cjk ? language : "Western", kind, utf8ToUtf16(text)});
    }
    return examples;
}

int legacyCodePage(const std::string& language) {
    static const std::map<std::string, int> kPages = {{"zh-Hant", CodePage::Big5},
                                                      {"zh-Hans", CodePage::Gb},
                                                      {"ja", CodePage::ShiftJis},
                                                      {"ko", CodePage::Ksc},
                                                      {"Western", CodePage::Ansi}};
    return kPages.at(language);
}

size_t widthOf(const std::string& kind) {
    return kind == "year" ? TagRecord::kYearWidth : TagRecord::kTextWidth;
}

// The text in codePage, cut at the field's width; nothing when the code page cannot
// hold the text.
std::optional<Field> encode(const Example& example, int codePage) {
    const auto& converter = IcuCodePageConverter::instance();
    std::string whole = converter.fromUtf16(codePage, example.text);
    if (converter.toUtf16(codePage, whole) != example.text) {
        return std::nullopt;
    }
    size_t width = widthOf(example.kind);
    Field field{example.kind, whole.substr(0, width), {}, false};
    // The whole characters that fit, without the padding a read drops.
    size_t used = 0;
    for (size_t i = 0; i < example.text.size();) {
        size_t units = (example.text[i] & 0xFC00) == 0xD800 ? 2 : 1;
        std::u16string_view character = std::u16string_view(example.text).substr(i, units);
        size_t bytes = converter.fromUtf16(codePage, character).size();
        if (used + bytes > width) {
            field.cut = used < width;
            break;
        }
        used += bytes;
        field.expected += character;
        i += units;
    }
    while (field.expected.size() > 1 && field.expected.back() == u' ') {
        field.expected.pop_back();
    }
    return field;
}

bool plainAscii(const std::string& bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<uint8_t>(c) < 0x80; });
}

int offsetOf(const std::string& kind) {
    static const std::map<std::string, int> kOffsets = {
        {"title", 3}, {"artist", 33}, {"album", 63}, {"year", 93}, {"comment", 97}};
    return kOffsets.at(kind);
}

std::string blockOf(const std::vector<Field>& fields) {
    std::string block(TagRecord::kBlockSize, ' ');
    block.replace(0, 3, "TAG");
    block[127] = 12;  // "Other": no marker
    for (const Field& field : fields) {
        block.replace(static_cast<size_t>(offsetOf(field.kind)), field.bytes.size(), field.bytes);
    }
    return block;
}

std::u16string textOf(const TagRecord& record, const std::string& kind) {
    if (kind == "title") {
        return record.title;
    }
    if (kind == "artist") {
        return record.artist;
    }
    if (kind == "album") {
        return record.album;
    }
    return kind == "year" ? record.year : record.comment;
}

struct Tally {
    int exact = 0;
    int total = 0;
    void count(bool ok) {
        exact += ok ? 1 : 0;
        ++total;
    }
    double percent() const { return total == 0 ? 100.0 : 100.0 * exact / total; }
};

std::string bucketOf(size_t bytes) {
    return bytes <= 6 ? "1-6" : bytes <= 15 ? "7-15" : "16-30";
}

class CodePageCorpus : public testing::Test {
protected:
    static void SetUpTestSuite() { examples_ = new std::vector<Example>(loadExamples()); }
    static void TearDownTestSuite() {
        delete examples_;
        examples_ = nullptr;
    }

    // Writes a file holding fields and reads it back detecting, with vote.
    bool readsExactly(const std::filesystem::path& path, const std::vector<Field>& fields,
                      const CodePageVote* vote = nullptr) {
        TagRecord record;
        record.autoDetect = true;
        record.vote = vote;
        EXPECT_TRUE(record.open(utf8ToUtf16(path.string())));
        EXPECT_TRUE(record.read());
        bool exact = std::all_of(fields.begin(), fields.end(), [&](const Field& field) {
            return textOf(record, field.kind) == field.expected;
        });
        if (!exact && verbose()) {
            for (const Field& field : fields) {
                std::cout << "  misread (" << record.codePage
                          << "): " << utf16ToUtf8(field.expected) << " -> "
                          << utf16ToUtf8(textOf(record, field.kind)) << "\n";
            }
        }
        return exact;
    }

    std::filesystem::path write(const std::vector<Field>& fields, const std::string& folder = "") {
        std::filesystem::path dir = folder.empty() ? dir_.path() : dir_ / folder;
        std::filesystem::create_directories(dir);
        std::filesystem::path path = dir / ("f" + std::to_string(files_++) + ".mp3");
        writeFileBytes(path, blockOf(fields));
        return path;
    }

    static bool verbose() { return std::getenv("VELORINE_CORPUS_VERBOSE") != nullptr; }

    static std::vector<Example>* examples_;
    TempDir dir_;
    int files_ = 0;
};

std::vector<Example>* CodePageCorpus::examples_ = nullptr;

const std::vector<std::string> kLanguages = {"zh-Hant", "zh-Hans", "ja", "ko", "Western"};

std::string groupName(const std::string& language, int codePage) {
    return codePage == CodePage::Utf8 ? language + " UTF-8" : language;
}

void print(const std::string& title, const std::map<std::string, Tally>& tallies) {
    std::printf("%s\n", title.c_str());
    for (const auto& [name, tally] : tallies) {
        std::printf("  %-24s %5d / %5d  %6.1f %%\n", name.c_str(), tally.exact, tally.total,
                    tally.percent());
    }
}

TEST_F(CodePageCorpus, SingleFieldsReadAsWritten) {
    std::map<std::string, Tally> byGroup;
    std::map<std::string, Tally> byLength;
    Tally legacyCjk, utf8, western, cut;
    int skipped = 0;
    for (const Example& example : *examples_) {
        for (int codePage : {legacyCodePage(example.language), int{CodePage::Utf8}}) {
            std::optional<Field> field = encode(example, codePage);
            if (!field) {
                ++skipped;
                continue;
            }
            if (plainAscii(field->bytes)) {
                continue;  // every candidate reads it alike
            }
            bool ok = readsExactly(write({*field}), {*field});
            std::string group = groupName(example.language, codePage);
            byGroup[group].count(ok);
            byLength[group + " " + bucketOf(field->bytes.size())].count(ok);
            if (example.language != "Western" && codePage != CodePage::Utf8) {
                legacyCjk.count(ok);
            }
            if (codePage == CodePage::Utf8) {
                utf8.count(ok);
            }
            if (example.language == "Western") {
                western.count(ok);
            }
            if (field->cut) {
                cut.count(ok);
            }
        }
    }
    print("Single fields with text beyond ASCII, read exactly:", byGroup);
    print("By length in bytes:", byLength);
    std::printf("  legacy CJK fields %d / %d (%.1f %%); UTF-8 fields %d / %d (%.1f %%)\n",
                legacyCjk.exact, legacyCjk.total, legacyCjk.percent(), utf8.exact, utf8.total,
                utf8.percent());
    std::printf("  Western fields read as anything else: %d / %d (%.2f %%)\n",
                western.total - western.exact, western.total, 100.0 - western.percent());
    std::printf(
        "  fields cut inside a character: %d / %d read up to the cut; %d texts "
        "skipped (not in their code page)\n",
        cut.exact, cut.total, skipped);

    EXPECT_GE(legacyCjk.percent(), 98.0);
    for (const char* language : {"zh-Hant", "zh-Hans", "ja", "ko"}) {
        const Tally& shortFields = byLength[std::string(language) + " 1-6"];
        EXPECT_GT(shortFields.total, 10) << language;
        EXPECT_GE(shortFields.percent(), 95.0) << language;
    }
    EXPECT_GE(utf8.percent(), 99.5);
    EXPECT_LE(100.0 - western.percent(), 0.3);
    EXPECT_GT(cut.total, 50);
    EXPECT_GE(cut.percent(), 98.0);
}

// The examples of one language and code page, by kind; texts the code page cannot
// hold are left out.
std::map<std::string, std::vector<Field>> fieldsByKind(const std::vector<Example>& examples,
                                                       const std::string& language, int codePage) {
    std::map<std::string, std::vector<Field>> kinds;
    for (const Example& example : examples) {
        if (example.language == language) {
            if (std::optional<Field> field = encode(example, codePage)) {
                kinds[example.kind].push_back(*field);
            }
        }
    }
    return kinds;
}

Field as(const std::string& kind, Field field) {
    field.kind = kind;
    return field;
}

bool anyBeyondAscii(const std::vector<Field>& fields) {
    return std::any_of(fields.begin(), fields.end(),
                       [](const Field& field) { return !plainAscii(field.bytes); });
}

TEST_F(CodePageCorpus, WholeTagsAndAlbumFoldersReadAsWritten) {
    constexpr size_t kTracksPerAlbum = 6;
    std::map<std::string, Tally> tags;
    std::map<std::string, Tally> folders;
    Tally allTags, allFolders;
    for (const std::string& language : kLanguages) {
        for (int codePage : {legacyCodePage(language), int{CodePage::Utf8}}) {
            auto kinds = fieldsByKind(*examples_, language, codePage);
            const auto& titles = kinds["title"];
            const auto& artists = kinds["artist"];
            const auto& albums = kinds["album"];
            ASSERT_FALSE(titles.empty() || artists.empty() || albums.empty()) << language;
            std::string group = groupName(language, codePage);
            // Whole tags: a title, an artist and an album of the language, scored together.
            for (size_t i = 0; i < titles.size(); ++i) {
                std::vector<Field> tag = {titles[i], as("artist", artists[i % artists.size()]),
                                          as("album", albums[i % albums.size()])};
                if (anyBeyondAscii(tag)) {
                    bool ok = readsExactly(write(tag), tag);
                    tags[group].count(ok);
                    allTags.count(ok);
                }
            }
            // Album folders: one artist and album, several titles; the tags of a folder
            // vote, as when a folder is added.
            for (size_t a = 0; a * kTracksPerAlbum < titles.size(); ++a) {
                std::string folder = group + " " + std::to_string(a);
                std::vector<std::vector<Field>> album;
                std::vector<std::filesystem::path> paths;
                for (size_t t = a * kTracksPerAlbum;
                     t < std::min(titles.size(), (a + 1) * kTracksPerAlbum); ++t) {
                    album.push_back({titles[t], as("artist", artists[a % artists.size()]),
                                     as("album", albums[a % albums.size()])});
                    paths.push_back(write(album.back(), folder));
                }
                CodePageVote vote;
                for (const auto& path : paths) {
                    TagRecord record;
                    ASSERT_TRUE(record.open(utf8ToUtf16(path.string())));
                    CodePageScores scores;
                    ASSERT_TRUE(record.scoreBlock(scores));
                    vote.add(scores);
                }
                bool ok = true;
                for (size_t i = 0; i < album.size(); ++i) {
                    ok = readsExactly(paths[i], album[i], &vote) && ok;
                }
                folders[group].count(ok);
                allFolders.count(ok);
            }
        }
    }
    print("Whole tags (title, artist, album) read exactly:", tags);
    print("Album folders read exactly, the tags of a folder voting:", folders);
    std::printf("  all tags %d / %d (%.1f %%); all folders %d / %d (%.1f %%)\n", allTags.exact,
                allTags.total, allTags.percent(), allFolders.exact, allFolders.total,
                allFolders.percent());
    EXPECT_GE(allTags.percent(), 99.5);
    EXPECT_GE(allFolders.percent(), 99.5);
}

}  // namespace
