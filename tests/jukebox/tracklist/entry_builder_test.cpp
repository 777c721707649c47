// How one path becomes an entry: placeholders, tags, the dictionary, streams.
#include "jukebox/common/path_functions.h"
#include "tests/jukebox/tracklist/tracklist_fixture.h"
#include "tests/taglib/id3v1_fixtures.h"

namespace {

using EntryBuilderTest = TracklistTest;

TEST_F(EntryBuilderTest, PlaceholdersNameWhyThereIsNoEntry) {
    for (int index : {-1, 0, 5}) {
        EXPECT_EQ(store.EntryAt(index).name, QStringLiteral("Tracklist is empty"));
    }
    EXPECT_EQ(store.EntryCount(), 0);
    appendEntries({QStringLiteral("/a.mp3"), QStringLiteral("/b.mp3"), QStringLiteral("/c.mp3")});
    EXPECT_EQ(store.EntryAt(-1).name, QStringLiteral("No media file loaded"));
    EXPECT_EQ(store.EntryAt(-5).name, QStringLiteral("No media file loaded"));
    EXPECT_EQ(store.EntryAt(3).name, QStringLiteral("Out of range"));
    TrackEntry outOfRange = store.EntryAt(3);
    EXPECT_EQ(outOfRange.playable, 0);
    EXPECT_TRUE(outOfRange.path.isEmpty() && outOfRange.artist.isEmpty());
    store.setCurrentIndex(1);
    EXPECT_EQ(store.EntryAt(-7).path, QStringLiteral("/b.mp3"));
    store.setCurrentIndex(3);
    EXPECT_EQ(store.EntryAt(-1).name, QStringLiteral("Out of range"));
}

TEST_F(EntryBuilderTest, Mp3WithoutTagKeepsItsFileName) {
    QString file = writeMp3("music/Plain Song.mp3");
    TrackEntry entry = store.BuildEntry(file);
    EXPECT_EQ(entry.path, file);
    EXPECT_EQ(entry.name, QStringLiteral("Plain Song.mp3"));
    EXPECT_EQ(entry.playable, 1);
    EXPECT_EQ(entry.mappingKind, MappingNone);
    EXPECT_EQ(entry.mediaKind, MediaAudio);
    EXPECT_FALSE(entry.nameFound || entry.artistFound || entry.genreFound || entry.dateFound ||
                 entry.sourceFound || entry.commentFound);
    EXPECT_EQ(entry.bitrateKbps, 128);  // the frame header's facts are copied
    EXPECT_TRUE(dictionary.asked.isEmpty());
}

// Each entry takes the MPEG facts of its own file, the Xing flag among them.
TEST_F(EntryBuilderTest, MpegFactsOfEachFileAreCopied) {
    std::string xing = audioBody(1000000);
    xing.replace(36, 4, "Xing");
    xing.replace(44, 4, std::string("\0\0\x03\xE8", 4));  // 1000 frames
    TrackEntry first = store.BuildEntry(writeFile("xing.mp3", xing));
    EXPECT_TRUE(first.isXing);
    EXPECT_EQ(first.durationMs, 26100);
    EXPECT_EQ(first.bitrateKbps, 306);
    TrackEntry second = store.BuildEntry(writeMp3("plain.mp3"));
    EXPECT_FALSE(second.isXing);
    EXPECT_EQ(second.durationMs, 0);
    EXPECT_EQ(second.bitrateKbps, 128);
}

TEST_F(EntryBuilderTest, TagTextsAndTheirFoundFlags) {
    RawBlock block;
    block.title = "Title";
    block.album = "Album";
    block.year = "2001";
    block.genre = 17;
    QString file = writeMp3("t.mp3", block.bytes('\0'));
    TrackEntry entry = store.BuildEntry(file);
    EXPECT_EQ(entry.name, QStringLiteral("Title"));
    EXPECT_EQ(entry.mappingKind, MappingTag);
    EXPECT_TRUE(entry.artist.isEmpty());
    EXPECT_FALSE(entry.artistFound);
    EXPECT_EQ(entry.source, QStringLiteral("Album"));
    EXPECT_EQ(entry.date, QStringLiteral("2001"));
    EXPECT_EQ(entry.genre, QStringLiteral("Rock"));
    EXPECT_TRUE(entry.nameFound && entry.sourceFound && entry.dateFound && entry.genreFound);
    EXPECT_FALSE(entry.commentFound);

    // A tag without a title: texts are taken, the name stays the file name.
    block.title.clear();
    block.artist = "Someone";
    file = writeMp3("untitled.mp3", block.bytes('\0'));  // spaces would read as " "

    entry = store.BuildEntry(file);
    EXPECT_EQ(entry.name, QStringLiteral("untitled.mp3"));
    EXPECT_EQ(entry.artist, QStringLiteral("Someone"));
    EXPECT_EQ(entry.mappingKind, MappingNone);
}

TEST_F(EntryBuilderTest, CodePageMarkerIsHonouredOnlyWithAutoTranslate) {
    RawBlock block;
    block.title = "\xA4\xA4\xA4\xE5";  // "中文" in BIG5
    block.genre = 248;
    QString file = writeMp3("big5.mp3", block.bytes());
    record.selectCodePage = true;
    record.autoTranslate = true;
    EXPECT_EQ(store.BuildEntry(file).name, QString::fromUtf16(u"\u4e2d\u6587"));
    record.autoTranslate = false;  // read as windows-1252 then
    EXPECT_EQ(store.BuildEntry(file).name, QString::fromUtf16(u"\u00a4\u00a4\u00a4\u00e5"));
}

// The files of one folder added or loaded together vote on their code page: an
// artist of three GBK characters, which alone reads as Korean, is read the way
// the other tags of its album are. A Western tag beside them stays Western,
// and the settings' order holds: the marker first, then detection.
TEST_F(EntryBuilderTest, FilesReadTogetherVoteOnTheCodePageOfTheirFolder) {
    // A new user's choices: markers read, else detection.
    record.selectCodePage = true;
    record.autoTranslate = true;
    record.autoDetect = true;
    const CodePageConverter& icu = IcuCodePageConverter::instance();
    auto gbk = [&](const char16_t* text) { return icu.fromUtf16(CodePage::Gb, text); };
    RawBlock one{gbk(u"青藏高原"), gbk(u"丑八怪"), gbk(u"那一年"), "2004", "", 13};
    RawBlock two{gbk(u"常回家看看"), gbk(u"丑八怪"), gbk(u"那一年"), "2004", "", 13};
    RawBlock intro{"Intro", gbk(u"丑八怪"), "", "2004", "", 13};
    RawBlock cafe{"Caf\xE9", "Zo\xEB", "", "", "", 13};
    RawBlock marked{"\xA4\xA4\xA4\xE5", "", "", "", "", 248};  // Big5 with its marker
    writeMp3("album/1.mp3", one.bytes());
    writeMp3("album/2.mp3", two.bytes());
    const QString alone = writeMp3("album/3 intro.mp3", intro.bytes());
    writeMp3("album/4 cafe.mp3", cafe.bytes());
    writeMp3("album/5 marked.mp3", marked.bytes());

    const QString expected = QString::fromStdU16String(u"丑八怪");
    ASSERT_NE(store.BuildEntry(alone).artist, expected) << "alone it is not clear";
    store.AddDroppedFiles({path("album")});
    ASSERT_EQ(store.EntryCount(), 5);
    std::map<QString, TrackEntry> byName;
    for (int i = 0; i < store.EntryCount(); ++i) {
        byName[FileNamePart(store.EntryAt(i).path)] = store.EntryAt(i);
    }
    EXPECT_EQ(byName[QStringLiteral("3 intro.mp3")].artist, expected);
    EXPECT_EQ(byName[QStringLiteral("1.mp3")].name, QString::fromStdU16String(u"青藏高原"));
    EXPECT_EQ(byName[QStringLiteral("4 cafe.mp3")].name, QStringLiteral("Café"));
    EXPECT_EQ(byName[QStringLiteral("4 cafe.mp3")].artist, QStringLiteral("Zoë"));
    EXPECT_EQ(byName[QStringLiteral("5 marked.mp3")].name, QString::fromUtf16(u"\u4e2d\u6587"));

    // The same folder's list loaded again, and the list read again, vote too.
    store.setTracklistPath(path("album.trk"));
    ASSERT_TRUE(store.SaveTracklist());
    ASSERT_TRUE(store.LoadTracklist());
    EXPECT_EQ(store.EntryAt(store.IndexOfPath(alone)).artist, expected);
    store.RereadTags();
    EXPECT_EQ(store.EntryAt(store.IndexOfPath(alone)).artist, expected);
}

TEST_F(EntryBuilderTest, OtherFilesTakeTheRowOfTheirExactFileName) {
    TrackEntry row;
    row.name = QStringLiteral("From the dictionary");
    row.artist = QStringLiteral("Row Artist");
    dictionary.rows[QStringLiteral("a.WAV")] = row;
    QString upper = writeFile("d/a.WAV");
    QString lower = writeFile("d/a.wav");

    TrackEntry entry = store.BuildEntry(upper);
    EXPECT_EQ(entry.name, QStringLiteral("From the dictionary"));
    EXPECT_EQ(entry.mappingKind, MappingDictionary);
    EXPECT_EQ(entry.mediaKind, MediaAudio);
    EXPECT_EQ(entry.playable, 1);
    EXPECT_EQ(entry.path, upper);

    entry = store.BuildEntry(lower);  // a row "a.WAV" does not match "a.wav"
    EXPECT_EQ(entry.name, QStringLiteral("a.wav"));
    EXPECT_EQ(entry.mappingKind, MappingNone);
    EXPECT_EQ(dictionary.asked, QStringList({QStringLiteral("a.WAV"), QStringLiteral("a.wav")}));

    // Without a dictionary nothing is found and nothing fails.
    store.setDictionary(nullptr);
    EXPECT_EQ(store.BuildEntry(upper).mappingKind, MappingNone);
}

TEST_F(EntryBuilderTest, StreamsAskTheDictionaryAndArePlayable) {
    TrackEntry row;
    row.name = QStringLiteral("Radio");
    dictionary.rows[QStringLiteral("live.asx")] = row;
    // Neither exists on disk: streams are not looked for, and are worth a try.
    for (const QString& stream :
         {QStringLiteral("http://radio.example/live.asx"), path("missing/live.asx"),
          QStringLiteral("HTTP://radio.example/stream"), path("clip.ASF"), path("RADIO.ASX")}) {
        TrackEntry entry = store.BuildEntry(stream);
        EXPECT_EQ(entry.playable, 1) << stream.toStdString();
        EXPECT_TRUE(entry.artist.isEmpty()) << "no N/A for streams";
    }
    EXPECT_EQ(store.BuildEntry(QStringLiteral("http://radio.example/live.asx")).name,
              QStringLiteral("Radio"));
    EXPECT_EQ(dictionary.asked.size(), 6);
    // An http address ending in mp3 is not opened as a tag file either.
    EXPECT_EQ(store.BuildEntry(QStringLiteral("http://host/x.mp3")).mappingKind, MappingNone);
    EXPECT_EQ(dictionary.asked.last(), QStringLiteral("x.mp3"));
}

TEST_F(EntryBuilderTest, MissingFilesAreNotPlayable) {
    struct Case {
        QString path;
        QString name;
        int mediaKind;
    };
    const Case cases[] = {
        {path("gone.mp3"), QStringLiteral("gone.mp3"), MediaAudio},
        {path("film.AVI"), QStringLiteral("film.AVI"), MediaVideo},
        {path("mp3"), QStringLiteral("mp3"), MediaAudio},  // no dot: the name is the extension
        {QString(), QString(), MediaNone},
    };
    for (const Case& c : cases) {
        TrackEntry entry = store.BuildEntry(c.path);
        EXPECT_EQ(entry.playable, 0);
        EXPECT_EQ(entry.artist, QStringLiteral("N/A"));
        EXPECT_EQ(entry.name, c.name);
        EXPECT_EQ(entry.mediaKind, c.mediaKind) << c.path.toStdString();
    }
    EXPECT_TRUE(dictionary.asked.isEmpty());
}

}  // namespace

namespace {

TrackEntry row(const QString& name, const QString& artist) {
    TrackEntry texts;
    texts.name = name;
    texts.artist = artist;
    return texts;
}

// Names given in the dictionary reach the entries that take their texts from
// it at once, and only those: a tagged MP3 keeps its tag, an untagged one its
// file name, as a fresh build would give them.
TEST_F(EntryBuilderTest, DictionaryChangesReachOnlyTheEntriesThatTakeThem) {
    RawBlock block;
    block.title = "Tagged";
    store.setObserver(&observer);
    store.AddPath(writeFile("clip.avi"));
    store.AddPath(writeMp3("song.mp3", block.bytes('\0')));
    store.AddPath(writeMp3("bare.mp3"));
    EXPECT_EQ(store.ApplyDictionary(), 0);

    for (const char* name : {"clip.avi", "song.mp3", "bare.mp3"}) {
        dictionary.rows[QString::fromLatin1(name)] =
            row(QStringLiteral("Named"), QStringLiteral("Me"));
    }
    observer.events.clear();
    EXPECT_EQ(store.ApplyDictionary(), 1);
    EXPECT_EQ(store.EntryAt(0).name, QStringLiteral("Named"));
    EXPECT_EQ(store.EntryAt(0).mappingKind, MappingDictionary);
    EXPECT_EQ(store.EntryAt(1).name, QStringLiteral("Tagged"));
    EXPECT_EQ(store.EntryAt(2).name, QStringLiteral("bare.mp3"));
    EXPECT_EQ(observer.matching(QStringLiteral("replace")).size(), 1);
    EXPECT_EQ(store.ApplyDictionary(), 0);  // nothing new: no line redrawn

    dictionary.rows[QStringLiteral("clip.avi")] = row(QStringLiteral("Renamed"), QString());
    EXPECT_EQ(store.ApplyDictionary(), 1);
    EXPECT_EQ(store.EntryAt(0).name, QStringLiteral("Renamed"));
    EXPECT_FALSE(store.EntryAt(0).artistFound);

    dictionary.rows.clear();
    EXPECT_EQ(store.ApplyDictionary(), 1);
    EXPECT_EQ(store.EntryAt(0).name, QStringLiteral("clip.avi"));
    EXPECT_EQ(store.EntryAt(0).mappingKind, MappingNone);

    dictionary.rows[QStringLiteral("clip.avi")] = row(QStringLiteral("Later"), QString());
    store.SetBusy(true);  // a load or scan runs: it builds its own entries
    EXPECT_EQ(store.ApplyDictionary(), 0);
    store.SetBusy(false);
    EXPECT_EQ(store.EntryAt(0).name, QStringLiteral("clip.avi"));
}

}  // namespace
