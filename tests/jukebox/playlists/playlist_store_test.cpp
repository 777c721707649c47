// Playlists of other players in the tracklist store: saved as M3U8 or PLS and
// opened again to the same paths in the same order (names that are not UTF-8
// included), entries joining by the same rules as tracklist lines, a missing
// playlist made in its own format, and a huge one refused with a message.
#include <filesystem>

#include "jukebox/common/path_functions.h"
#include "tests/jukebox/tracklist/tracklist_fixture.h"
#include "tests/taglib/id3v1_fixtures.h"

namespace {

using namespace Qt::StringLiterals;

class PlaylistStoreTest : public TracklistTest {
protected:
    PlaylistStoreTest() {
        record.selectCodePage = true;
        record.autoTranslate = true;
    }
    // A file whose name is given as bytes, not necessarily UTF-8.
    QString writeBytesNamed(const std::string& name) {
        const std::filesystem::path file = dir.path() / name;
        std::filesystem::create_directories(file.parent_path());
        writeFileBytes(file, audioBody(600));
        return PathFromLocalBytes(QByteArray::fromStdString(file.string()));
    }
    QString text(const std::string& name) const {
        return QString::fromUtf8(QByteArray::fromStdString(readFileBytes(dir / name)));
    }
    QStringList loaded(const QString& listPath) {
        observer.events.clear();
        store.setTracklistPath(listPath);
        EXPECT_TRUE(store.LoadTracklist());
        return storePaths();
    }
};

TEST_F(PlaylistStoreTest, SavedAsM3u8OrPlsAndOpenedAgainGivesTheSamePathsInOrder) {
    const QString tagged =
        writeMp3("lists/sub/夜曲.mp3", RawBlock{"Night Song", "Someone", "", "", "", 0}.bytes());
    const QString here = writeMp3("lists/here.mp3");
    const QString hash = writeMp3("lists/#1 hit.mp3");
    const QString outside = writeMp3("music/歌.mp3");
    const QString gbk = writeBytesNamed("lists/\xB8\xE8\xD6\xD0.mp3");  // 歌中 in GBK
    const QString missing = u"/nowhere/gone.mp3"_s;
    // A backslash is part of a Linux name; missing, the name must not come back
    // as a Windows path.
    const QString backslash = path("lists") + u"/gone\\01.mp3"_s;
    const QString address = u"http://radio.example/live?x=1"_s;
    const QStringList paths{tagged, here, hash, outside, gbk, missing, backslash, address};
    for (const QString& entryPath : paths) {
        ASSERT_TRUE(store.AddPath(entryPath));
    }
    ASSERT_EQ(storePaths(), paths);
    // A length as the MPEG facts give it for a longer file: written in whole seconds.
    TrackEntry first = store.EntryAt(0);
    first.durationMs = 125'600;
    store.ReplaceEntry(0, first);
    const int seconds = 126;

    // Under the playlist's folder relative, an existing file elsewhere by way of
    // "..", a missing one absolute, bytes that are not UTF-8 and backslashes as a
    // file URL, the address as it is.
    store.setTracklistPath(path("lists/mine.m3u8"));
    ASSERT_TRUE(store.SaveTracklist());
    const QString folder = path("lists");
    EXPECT_EQ(text("lists/mine.m3u8"),
              u"#EXTM3U\n"
              "#EXTINF:%1,Someone - Night Song\nsub/夜曲.mp3\n"
              "#EXTINF:-1,here.mp3\nhere.mp3\n"
              "#EXTINF:-1,#1 hit.mp3\n./#1 hit.mp3\n"
              "#EXTINF:-1,歌.mp3\n../music/歌.mp3\n"
              "#EXTINF:-1,????.mp3\nfile://%3/%B8%E8%D6%D0.mp3\n"
              "#EXTINF:-1,gone.mp3\n/nowhere/gone.mp3\n"
              "#EXTINF:-1,01.mp3\nfile://%3/gone%5C01.mp3\n"
              "#EXTINF:-1,live?x=1\nhttp://radio.example/live?x=1\n"_s.arg(seconds)
                  .arg(QString::fromUtf8(folder.toUtf8().toPercentEncoding("/"))));
    EXPECT_EQ(observer.title, u"Tracklist - mine.m3u8"_s);

    EXPECT_EQ(loaded(path("lists/mine.m3u8")), paths);
    EXPECT_EQ(store.EntryAt(0).artist, u"Someone"_s);
    EXPECT_EQ(store.EntryAt(4).playable, 1) << "the GBK-named file is found";
    EXPECT_EQ(store.EntryAt(5).playable, 0);
    EXPECT_EQ(store.EntryAt(5).artist, u"N/A"_s);

    // PLS the same way, with the lengths the M3U8 brought; a playlist name in
    // capitals is a playlist all the same.
    store.setTracklistPath(path("lists/mine.PLS"));
    ASSERT_TRUE(store.SaveTracklist());
    EXPECT_TRUE(text("lists/mine.PLS")
                    .startsWith(u"[playlist]\nFile1=sub/夜曲.mp3\nTitle1=Someone - Night "
                                u"Song\nLength1=126\nFile2=here.mp3\n"_s));
    EXPECT_TRUE(text("lists/mine.PLS").endsWith(u"NumberOfEntries=8\nVersion=2\n"_s));
    EXPECT_EQ(loaded(path("lists/mine.PLS")), paths);
    store.setTracklistPath(path("lists/old.M3U"));
    ASSERT_TRUE(store.SaveTracklist());
    EXPECT_EQ(loaded(path("lists/old.M3U")), paths);
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

// Another player's playlist saved again: its relative entries stay relative (also
// those that lead up with "../", found or not), its lengths and titles stay, and
// a name that ends in a space comes back with it.
TEST_F(PlaylistStoreTest, AnotherPlayersPlaylistIsSavedTheWayItCame) {
    writeMp3("music/a.mp3");
    writeMp3("lists/sub/b.mp3");
    const QString absolute = writeMp3("lists/c.mp3");
    const std::string theirs =
        "#EXTM3U\n"
        "#EXTINF:215,Artist - Song\n../music/a.mp3\n"
        "#EXTINF:-1,Gone\n../music/gone.mp3\n"
        "#EXTINF:42 tvg-id=\"x\",Radio\nhttp://radio.example/a\n"
        "#EXTINF:-1,b.mp3\nsub/b.mp3\n" +
        absolute.toStdString() + "\n";
    writeFile("lists/theirs.m3u8", theirs);
    const QStringList paths = loaded(path("lists/theirs.m3u8"));
    ASSERT_EQ(paths, QStringList({path("music/a.mp3"), path("music/gone.mp3"),
                                  u"http://radio.example/a"_s, path("lists/sub/b.mp3"), absolute}));
    ASSERT_TRUE(store.SaveTracklist());
    EXPECT_EQ(readFileBytes(dir / "lists/theirs.m3u8"),
              theirs.substr(0, theirs.size() - absolute.size() - 1) + "#EXTINF:-1,c.mp3\n" +
                  absolute.toStdString() + "\n");

    // Elsewhere the same files, relative to the new place.
    store.setTracklistPath(path("other/copy.m3u8"));
    std::filesystem::create_directories(dir / "other");
    ASSERT_TRUE(store.SaveTracklist());
    EXPECT_EQ(text("other/copy.m3u8"),
              u"#EXTM3U\n"
              "#EXTINF:215,Artist - Song\n../music/a.mp3\n"
              "#EXTINF:-1,Gone\n../music/gone.mp3\n"
              "#EXTINF:42 tvg-id=\"x\",Radio\nhttp://radio.example/a\n"
              "#EXTINF:-1,b.mp3\n../lists/sub/b.mp3\n"
              "#EXTINF:-1,c.mp3\n../lists/c.mp3\n"_s);
    EXPECT_EQ(loaded(path("other/copy.m3u8")), paths);

    // As PLS the lengths and titles the playlist brought.
    store.setTracklistPath(path("lists/theirs.m3u8"));
    store.LoadTracklist();
    const QString spaced = u"/nowhere/gone.mp3 "_s;
    ASSERT_TRUE(store.AddPath(spaced));
    store.setTracklistPath(path("lists/mine.pls"));
    ASSERT_TRUE(store.SaveTracklist());
    EXPECT_TRUE(
        text("lists/mine.pls")
            .startsWith(u"[playlist]\nFile1=../music/a.mp3\nTitle1=Artist - Song\n"
                        u"Length1=215\nFile2=../music/gone.mp3\nTitle2=Gone\nLength2=-1\n"_s))
        << text("lists/mine.pls").toStdString();
    EXPECT_EQ(loaded(path("lists/mine.pls")), paths + QStringList{spaced});
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

TEST_F(PlaylistStoreTest, PlaylistEntriesJoinByTheRulesOfTracklistLines) {
    const QString song = writeMp3("music/a.mp3");
    writeMp3("music/folder/b.mp3");
    writeFile("music/folder/notes.txt");
    writeFile("music/readme.txt");
    // The same lines as a tracklist and as a playlist: a file twice (it joins
    // once), a missing file twice (twice), a folder (scanned), a file that is no
    // media (passed over), an address.
    const QStringList lines{song,
                            song,
                            path("music/gone.mp3"),
                            path("music/gone.mp3"),
                            path("music/folder"),
                            path("music/readme.txt"),
                            u"http://radio.example/a"_s};
    writeTracklist("same.trk", lines);
    writeFile("same.m3u8", "#EXTM3U\n" + lines.join(u'\n').toStdString() + "\n");
    const QStringList fromTracklist = loaded(path("same.trk"));
    EXPECT_EQ(fromTracklist.size(), 5);
    EXPECT_EQ(loaded(path("same.m3u8")), fromTracklist);

    // The load is a long operation like any other: busy, the scan shown on the
    // panel, the title set, and Abort heard between entries.
    EXPECT_EQ(observer.matching(u"busy"_s), QStringList({u"busy 1"_s, u"busy 0"_s}));
    EXPECT_EQ(observer.matching(u"bits"_s), QStringList({u"bits +2"_s, u"bits -2"_s}));
    EXPECT_EQ(observer.title, u"Tracklist - same.m3u8"_s);
    ui.onDispatch = [&] {
        if (store.EntryCount() == 2) {
            store.RequestAbort();
        }
    };
    EXPECT_EQ(loaded(path("same.m3u8")), fromTracklist.mid(0, 2));
    EXPECT_FALSE(store.abortRequested());
}

TEST_F(PlaylistStoreTest, AMissingPlaylistIsMadeInItsOwnFormatAndAHugeOneIsRefused) {
    // Open/New with a new name, or a remembered playlist gone since: made empty,
    // as an M3U8 or a PLS, never as a tracklist, so the next start reads it.
    for (const std::string name : {"new.m3u8", "new.pls"}) {
        ui.messages.clear();
        EXPECT_TRUE(loaded(path(name)).isEmpty());
        EXPECT_EQ(ui.messages, QStringList({path(name),
                                            u"Cannot open tracklist\nWill attempt "
                                            u"to create"_s}));
        ui.messages.clear();
        EXPECT_TRUE(loaded(path(name)).isEmpty());
        EXPECT_TRUE(ui.messages.isEmpty());
    }
    EXPECT_EQ(readFileBytes(dir / "new.m3u8"), "#EXTM3U\n");
    EXPECT_EQ(readFileBytes(dir / "new.pls"), "[playlist]\nNumberOfEntries=0\nVersion=2\n");

    appendEntries({u"/old.mp3"_s});
    store.UpdateTitle(true);
    writeFile("huge.m3u");
    std::filesystem::resize_file(dir / "huge.m3u", 100'000'000);
    store.setTracklistPath(path("huge.m3u"));
    EXPECT_FALSE(store.LoadTracklist());
    EXPECT_EQ(ui.messages, QStringList{u"Playlist too large (over 64 MiB)"_s});
    EXPECT_EQ(store.EntryCount(), 0);
    EXPECT_EQ(observer.title, u"Tracklist - new.pls *"_s);  // unchanged, as for a refused file
    EXPECT_FALSE(store.busy());
}

}  // namespace
