// The tag cache between runs: an unchanged file gives its texts without being
// read, a changed one and changed tag options are read again, the folder's
// votes come out the same, and a damaged cache file only costs a cold load.
#include <fcntl.h>
#include <sys/stat.h>
#include <zlib.h>

#include <cstring>
#include <random>

#include "jukebox/common/path_functions.h"
#include "jukebox/common/whole_file.h"
#include "jukebox/tracklist/tag_cache.h"
#include "taglib/code_page_converter.h"
#include "tests/jukebox/tracklist/tracklist_fixture.h"
#include "tests/taglib/id3v1_fixtures.h"

namespace {

class TagCacheTest : public TracklistTest {
protected:
    TagCacheTest() {
        // A new user's choices: markers read, else detection.
        record.selectCodePage = true;
        record.autoTranslate = true;
        record.autoDetect = true;
    }

    QString cacheFile() const { return path("cache/velorine/tags"); }

    // One run of the program: a cache read from its file, the list loaded, the
    // cache written.
    std::vector<TrackEntry> run(TagCache& cache) {
        store.setTagCache(&cache);
        EXPECT_TRUE(store.LoadTracklist());
        std::vector<TrackEntry> entries;
        for (int i = 0; i < store.EntryCount(); ++i) {
            entries.push_back(store.EntryAt(i));
        }
        EXPECT_TRUE(cache.Flush());
        store.setTagCache(nullptr);
        return entries;
    }

    // Music is older than the moment it is listed: a file changed a moment ago
    // is not kept.
    static void setTime(const QString& file, time_t seconds) {
        timespec times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, LocalPathBytes(file).constData(), times, 0), 0);
    }

    QString tagged(const std::string& name, const RawBlock& block, time_t when = kLongAgo) {
        QString file = writeMp3(name, block.bytes());
        setTime(file, when);
        return file;
    }

    void list(const QStringList& files) {
        store.setTracklistPath(writeTracklist("list.trk", files));
    }

    static constexpr time_t kLongAgo = 1600000000;
};

std::string fileBytes(const QString& file) {
    QByteArray bytes;
    EXPECT_EQ(ReadFileWhole(file, bytes), WholeFileRead::Ok);
    return bytes.toStdString();
}

TEST_F(TagCacheTest, UnchangedFilesGiveTheirTextsWithoutBeingReadAndChangedOnesAreReadAgain) {
    const QString a = tagged("music/a.mp3", RawBlock{"Alpha", "Ann", "Album", "2001", "", 13});
    const QString b = tagged("music/b.mp3", RawBlock{"Beta", "Bob", "", "", "", 13});
    const QString big5 =
        tagged("music/c.mp3", RawBlock{"\xA4\xA4\xA4\xE5", "", "", "", "", 248});  // with marker
    const QString plain = writeMp3("music/untagged.mp3");
    setTime(plain, kLongAgo);
    const QString wav = writeFile("music/d.wav");
    dictionary.rows[QStringLiteral("d.wav")].name = QStringLiteral("From the dictionary");
    list({a, b, big5, plain, wav, path("music/missing.mp3")});

    TagCache first(cacheFile());
    const std::vector<TrackEntry> cold = run(first);
    ASSERT_EQ(cold.size(), 6u);
    EXPECT_EQ(cold[2].name, QString::fromUtf16(u"\u4e2d\u6587"));
    // The four MP3s and the WAV are looked up; the WAV has no tags to keep.
    EXPECT_EQ(first.misses(), 5);
    EXPECT_EQ(first.hits(), 0);

    // The next run: a's bytes change but its size and time stay, so only a
    // read of the file could show the new title; the dictionary's row changes.
    std::string bytes = fileBytes(a);
    bytes.replace(bytes.size() - 125, 5, "Omega");
    writeFile("music/a.mp3", bytes);
    setTime(a, kLongAgo);
    dictionary.rows[QStringLiteral("d.wav")].name = QStringLiteral("Renamed in the dictionary");
    TagCache second(cacheFile());
    std::vector<TrackEntry> warm = run(second);
    EXPECT_EQ(second.hits(), 4);
    EXPECT_EQ(second.misses(), 1);
    ASSERT_EQ(warm.size(), cold.size());
    EXPECT_EQ(warm[4].name, QStringLiteral("Renamed in the dictionary"));
    warm[4] = cold[4];
    EXPECT_EQ(warm, cold) << "a's old title shows: the file was not read";

    // Then a's time moves, and b grows by a byte: both are read again.
    setTime(a, kLongAgo + 60);
    writeFile("music/b.mp3", audioBody(601) + RawBlock{"Beta 2", "Bob", "", "", "", 13}.bytes());
    setTime(b, kLongAgo);
    TagCache third(cacheFile());
    const std::vector<TrackEntry> changed = run(third);
    EXPECT_EQ(third.misses(), 3);
    EXPECT_EQ(third.hits(), 2);
    EXPECT_EQ(changed[0].name, QStringLiteral("Omega"));
    EXPECT_EQ(changed[1].name, QStringLiteral("Beta 2"));
    EXPECT_EQ(changed[2], cold[2]);

    // What was read again is what the cache now gives.
    TagCache fourth(cacheFile());
    EXPECT_EQ(run(fourth), changed);
    EXPECT_EQ(fourth.hits(), 4);
    // Its Flush let the memory go; a later load in the same run reads the file.
    EXPECT_EQ(run(fourth), changed);
    EXPECT_EQ(fourth.hits(), 8);

    // A file changed a moment ago may change again within its time's tick: it
    // is read at every load until it has settled.
    writeMp3("music/a.mp3", RawBlock{"Fresh", "", "", "", "", 13}.bytes());
    for (int i = 0; i < 2; ++i) {
        TagCache again(cacheFile());
        EXPECT_EQ(run(again)[0].name, QStringLiteral("Fresh"));
        EXPECT_EQ(again.misses(), 2);
    }
}

TEST_F(TagCacheTest, TagOptionsThatShapeTheTextsAreReadAgain) {
    const QString big5 = tagged("c.mp3", RawBlock{"\xA4\xA4\xA4\xE5", "", "", "", "", 248});
    list({big5});
    const QString chinese = QString::fromUtf16(u"\u4e2d\u6587");
    const QString western = QString::fromUtf16(u"\u00a4\u00a4\u00a4\u00e5");
    struct Step {
        bool autoTranslate;
        int defaultCodePage;
        bool autoDetect;
        QString name;
        int misses;
    };
    // Each change of the options reads the file again; the same options again
    // take what the cache holds.
    const Step steps[] = {
        {true, CodePage::Utf8, true, chinese, 1},   {true, CodePage::Utf8, true, chinese, 0},
        {false, CodePage::Utf8, false, western, 1}, {false, CodePage::Utf8, false, western, 0},
        {false, CodePage::Utf8, true, chinese, 1},  // detected without the marker
        {true, CodePage::Utf8, true, chinese, 1},   {true, CodePage::Big5, true, chinese, 1},
    };
    for (const Step& step : steps) {
        record.autoTranslate = step.autoTranslate;
        record.defaultCodePage = step.defaultCodePage;
        record.autoDetect = step.autoDetect;
        TagCache cache(cacheFile());
        const std::vector<TrackEntry> entries = run(cache);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].name, step.name);
        EXPECT_EQ(cache.misses(), step.misses);
    }
}

// The folder's votes are cast by cached entries too: a tag that alone reads
// otherwise is read with its folder in every run.
TEST_F(TagCacheTest, CachedEntriesVoteWithTheirFolder) {
    const CodePageConverter& icu = IcuCodePageConverter::instance();
    auto gbk = [&](const char16_t* text) { return icu.fromUtf16(CodePage::Gb, text); };
    const QStringList files = {
        tagged("album/1.mp3",
               RawBlock{gbk(u"青藏高原"), gbk(u"丑八怪"), gbk(u"那一年"), "", "", 13}),
        tagged("album/2.mp3",
               RawBlock{gbk(u"常回家看看"), gbk(u"丑八怪"), gbk(u"那一年"), "", "", 13}),
        tagged("album/3.mp3", RawBlock{"Intro", gbk(u"丑八怪"), "", "", "", 13}),
        tagged("album/4.mp3", RawBlock{"Caf\xE9", "Zo\xEB", "", "", "", 13}),
    };
    list(files);
    TagCache first(cacheFile());
    const std::vector<TrackEntry> cold = run(first);
    ASSERT_EQ(cold.size(), 4u);
    ASSERT_EQ(cold[2].artist, QString::fromStdU16String(u"丑八怪"));
    TagCache second(cacheFile());
    EXPECT_EQ(run(second), cold);
    EXPECT_EQ(second.hits(), 4);
}

// The header's fields and a record's, as the cache file lays them out.
constexpr size_t kCrcAt = 12, kFirstRecord = 32, kPathLengthAt = 24, kFlagsAt = 26, kAgeAt = 27,
                 kStateAt = 29, kFirstTextAt = 48;

void setCrc(std::string& bytes) {
    const uint32_t crc =
        uint32_t(crc32_z(0, reinterpret_cast<const Bytef*>(bytes.data() + 32), bytes.size() - 32));
    std::memcpy(bytes.data() + kCrcAt, &crc, 4);
}

// Records kept in a run go to a side file a block at a time (here one record a
// block): they come back within the run, one kept again replaces the first,
// Flush writes each once, and the side file has no name, so a run that ends
// without Flush leaves the cache folder as it was.
TEST_F(TagCacheTest, KeptRecordsGoToAnUnnamedSideFileAndComeBackWithinTheRun) {
    QStringList files;
    for (int i = 0; i < 5; ++i) {
        const std::string title = "Track " + std::to_string(i);
        files.append(
            tagged("s/" + std::to_string(i) + ".mp3", RawBlock{title, "A", "", "", "", 1}));
    }
    list(files);
    const std::filesystem::path folder = dir.path() / "cache/velorine";
    auto folderNames = [&folder] {
        std::vector<std::string> names;
        for (const auto& item : std::filesystem::directory_iterator(folder)) {
            names.push_back(item.path().filename().string());
        }
        return names;
    };
    std::vector<TrackEntry> cold;
    {
        TagCache cache(cacheFile(), 1);
        store.setTagCache(&cache);
        ASSERT_TRUE(store.LoadTracklist());
        EXPECT_EQ(cache.misses(), 5);
        EXPECT_TRUE(folderNames().empty()) << "the spilled records are in no named file";
        for (int i = 0; i < store.EntryCount(); ++i) {
            cold.push_back(store.EntryAt(i));
        }
        // Read back from the side file; then one file changes and is kept again.
        ASSERT_TRUE(store.LoadTracklist());
        EXPECT_EQ(cache.hits(), 5);
        writeFile("s/2.mp3", audioBody(700) + RawBlock{"Changed", "A", "", "", "", 1}.bytes());
        setTime(files[2], kLongAgo + 10);
        ASSERT_TRUE(store.LoadTracklist());
        EXPECT_EQ(cache.hits(), 9);
        EXPECT_EQ(store.EntryAt(2).name, QStringLiteral("Changed"));
        EXPECT_TRUE(cache.Flush());
        store.setTagCache(nullptr);
    }
    EXPECT_EQ(folderNames(), std::vector<std::string>{"tags"});
    cold[2].name = QStringLiteral("Changed");
    TagCache next(cacheFile());
    EXPECT_EQ(run(next), cold);
    EXPECT_EQ(next.hits(), 5);
    EXPECT_EQ(next.recordCount(), 0) << "let go at Flush";

    // A run that ends without Flush (a crash) leaves the file and nothing beside it.
    const std::string before = fileBytes(cacheFile());
    setTime(files[0], kLongAgo + 20);
    {
        TagCache crashed(cacheFile(), 1);
        store.setTagCache(&crashed);
        ASSERT_TRUE(store.LoadTracklist());
        EXPECT_EQ(crashed.misses(), 1);
        store.setTagCache(nullptr);
    }
    EXPECT_EQ(folderNames(), std::vector<std::string>{"tags"});
    EXPECT_EQ(fileBytes(cacheFile()), before);
}

// Damage of every kind costs nothing but a cold load: the entries are right,
// nothing is said, and the next run finds a sound cache again.
TEST_F(TagCacheTest, ADamagedCacheIsReadAsEmptyAndWrittenAnew) {
    QStringList files;
    for (int i = 0; i < 3; ++i) {
        const std::string title = "Title " + std::to_string(i);
        files.append(
            tagged("m/" + std::to_string(i) + ".mp3", RawBlock{title, "A", "", "", "", 1}));
    }
    list(files);
    std::vector<TrackEntry> cold;
    {
        TagCache cache(cacheFile());
        cold = run(cache);
    }
    const std::string sound = fileBytes(cacheFile());
    ASSERT_GT(sound.size(), kFirstRecord + kFirstTextAt);
    // The first text follows the detection's scores when there are some.
    const size_t firstText =
        kFirstRecord + kFirstTextAt + ((sound[kFirstRecord + kFlagsAt] & 0x80) ? 50 : 0);

    std::vector<std::pair<const char*, std::string>> damaged = {
        {"empty", ""},
        {"header cut", sound.substr(0, 20)},
        {"record cut", sound.substr(0, kFirstRecord + 40)},
        {"last byte gone", sound.substr(0, sound.size() - 1)},
        {"garbage", std::string(4096, '\xA7')},
    };
    auto variant = [&](const char* what, auto change, bool fixCrc = true) {
        std::string bytes = sound;
        change(bytes);
        if (fixCrc) {
            setCrc(bytes);
        }
        damaged.emplace_back(what, bytes);
    };
    variant(
        "payload byte flipped", [](std::string& b) { b[b.size() - 9] ^= 0x20; }, false);
    variant("other version", [](std::string& b) { b[4] = char(b[4] + 1); });
    variant("more records than there are", [](std::string& b) { b[8] = char(b[8] + 1); });
    variant("record length zero", [](std::string& b) { std::memset(&b[kFirstRecord], 0, 4); });
    variant("record length past the end", [](std::string& b) { b[kFirstRecord + 3] = 0x7F; });
    variant("path length past the record",
            [](std::string& b) { b[kFirstRecord + kPathLengthAt + 1] = 0x7F; });
    variant("text length past the record", [&](std::string& b) { b[firstText + 1] = 0x7F; });
    variant("flags claim more texts",
            [](std::string& b) { b[kFirstRecord + kFlagsAt] = char(0xBF); });
    variant("age out of range", [](std::string& b) { b[kFirstRecord + kAgeAt] = char(200); });
    variant("state not written by the program",
            [](std::string& b) { b[kFirstRecord + kStateAt] = 1; });
    for (const auto& [what, bytes] : damaged) {
        SCOPED_TRACE(what);
        writeFile("cache/velorine/tags", bytes);
        TagCache cache(cacheFile());
        const std::vector<TrackEntry> entries = run(cache);
        EXPECT_EQ(entries, cold);
        EXPECT_LE(cache.hits(), 3);
        EXPECT_TRUE(ui.messages.isEmpty());
        TagCache next(cacheFile());
        EXPECT_EQ(run(next), cold);
        EXPECT_EQ(next.hits(), 3) << "written anew";
    }

    // Changes that keep the layout whole and the checksum right cannot all be
    // told from a sound file: they may give other texts, but never crash.
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        std::string bytes = sound;
        for (int n = 0; n < 4; ++n) {
            bytes[kFirstRecord + random() % (bytes.size() - kFirstRecord)] = char(random());
        }
        setCrc(bytes);
        writeFile("cache/velorine/tags", bytes);
        TagCache cache(cacheFile());
        const std::vector<TrackEntry> entries = run(cache);
        ASSERT_EQ(entries.size(), cold.size());
        for (size_t e = 0; e < entries.size(); ++e) {
            EXPECT_EQ(entries[e].path, cold[e].path);
        }
    }

    // A folder where the file should be: nothing kept, nothing said.
    std::filesystem::remove(dir.path() / "cache/velorine/tags");
    std::filesystem::create_directories(dir.path() / "cache/velorine/tags");
    TagCache blocked(cacheFile());
    store.setTagCache(&blocked);
    ASSERT_TRUE(store.LoadTracklist());
    EXPECT_FALSE(blocked.Flush());
    store.setTagCache(nullptr);
    EXPECT_EQ(store.EntryAt(0), cold[0]);
    EXPECT_TRUE(ui.messages.isEmpty());
}

}  // namespace
