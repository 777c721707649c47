// Loading and saving tracklist files, and the title that shows the modified mark.
#include <QDir>
#include <QFile>

#include "tests/jukebox/tracklist/tracklist_fixture.h"
#include "tests/taglib/id3v1_fixtures.h"

namespace {

using TracklistFileTest = TracklistTest;

TEST_F(TracklistFileTest, SavesTheMarkThenEveryPathWithCrLf) {
    appendEntries({QStringLiteral("D:\\a.mp3"), QStringLiteral("D:\\b.avi")});
    store.setTracklistPath(path("list.trk"));
    ASSERT_TRUE(store.SaveTracklist());
    EXPECT_EQ(readFileBytes(dir / "list.trk"),
              "\xFF\xFE" + utf16Bytes(QStringLiteral("D:\\a.mp3\r\nD:\\b.avi\r\n")));
    EXPECT_EQ(observer.events,
              QStringList({QStringLiteral("busy 1"), QStringLiteral("title Tracklist - list.trk"),
                           QStringLiteral("busy 0")}));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(TracklistFileTest, ReadsLinesAsTheyHaveAlwaysBeenRead) {
    QString longLine = path("") + QString(300 - path("").size(), u'x');  // read whole
    std::string bytes =
        "\xFF\xFE" +
        utf16Bytes(QStringLiteral("\r\n"                 // empty
                                  "; a comment\r\n"      // skipped
                                  "   \r\n"              // kept
                                  " ;not a comment\r\n"  // only a first ";" counts
                                  "x;y\r\n") +
                   longLine + QStringLiteral("\r\n") + path("last.mp3"));  // no CR LF at the end
    writeFile("default.trk", bytes);
    ASSERT_TRUE(store.LoadTracklist());
    EXPECT_EQ(storePaths(), QStringList({QStringLiteral("   "), QStringLiteral(" ;not a comment"),
                                         QStringLiteral("x;y"), longLine, path("last.mp3")}));
    EXPECT_EQ(store.EntryAt(0).artist, QStringLiteral("N/A"));  // missing files join
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(observer.events.first(), QStringLiteral("busy 1"));
    EXPECT_EQ(observer.events.mid(1, 3),
              QStringList({QStringLiteral("refill 0"), QStringLiteral("bits +2"),
                           QStringLiteral("popup 2")}));
    EXPECT_EQ(
        observer.events.mid(observer.events.size() - 4),
        QStringList({QStringLiteral("bits -2"), QStringLiteral("popup 2"),
                     QStringLiteral("title Tracklist - default.trk"), QStringLiteral("busy 0")}));
    EXPECT_EQ(observer.lines.size(), 5);
    EXPECT_EQ(observer.lines[0], QStringLiteral("N/A -    "));
}

// Whatever the jukebox saved reads back as it was, however long its paths; a
// file whose lines end in CR alone is read line by line too.
TEST_F(TracklistFileTest, LongPathsAndCrOnlyLineEndsReadBackAsWritten) {
    const QString longPath = path("") + QString(600, u'x') + QStringLiteral(".mp3");
    const QStringList paths{path("a.mp3"), longPath, QStringLiteral("/b.mp3")};
    appendEntries(paths);
    store.setTracklistPath(path("long.trk"));
    ASSERT_TRUE(store.SaveTracklist());
    ASSERT_TRUE(store.LoadTracklist());
    EXPECT_EQ(storePaths(), paths);

    writeFile("cr.trk", "\xFF\xFE" + utf16Bytes(paths.join(u'\r') + u'\r'));
    store.setTracklistPath(path("cr.trk"));
    ASSERT_TRUE(store.LoadTracklist());
    EXPECT_EQ(storePaths(), paths);
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

TEST_F(TracklistFileTest, RefusesFilesWithoutTheLittleEndianMark) {
    const std::string refused[] = {
        std::string("\xFE\xFF\0a\0\r\0\n", 8),  // big-endian
        "\xEF\xBB\xBF/a.mp3\r\n",               // UTF-8
        "/a.mp3\r\n",                           // ANSI
    };
    store.UpdateTitle(true);
    appendEntries({QStringLiteral("/old.mp3")});
    for (const std::string& bytes : refused) {
        writeFile("default.trk", bytes);
        observer.events.clear();
        ui.messages.clear();
        EXPECT_FALSE(store.LoadTracklist());
        EXPECT_EQ(ui.messages, QStringList({QStringLiteral("Tracklist not in UNICODE")}));
        EXPECT_EQ(store.EntryCount(), 0);
        EXPECT_EQ(observer.title, QStringLiteral("Tracklist - default.trk *"));  // unchanged
        EXPECT_TRUE(observer.matching(QStringLiteral("bits")).isEmpty());
        EXPECT_EQ(observer.events.last(), QStringLiteral("busy 0"));
    }
}

// A refused file is still the user's: the first save to it keeps it beside.
TEST_F(TracklistFileTest, ARefusedFileIsKeptBeforeTheFirstSave) {
    writeFile("default.trk", "/a.mp3\r\n");
    EXPECT_FALSE(store.LoadTracklist());
    appendEntries({QStringLiteral("/new.mp3")});
    ui.messages.clear();
    ASSERT_TRUE(store.SaveTracklist());
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral(
                               "default.trk was not in UNICODE; it was kept as default.trk.bak")});
    EXPECT_EQ(readFileBytes(dir / "default.trk.bak"), "/a.mp3\r\n");
    EXPECT_EQ(readFileBytes(dir / "default.trk"),
              "\xFF\xFE" + utf16Bytes(QStringLiteral("/new.mp3\r\n")));
    ui.messages.clear();
    ASSERT_TRUE(store.SaveTracklist());
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(dir / "default.trk.1.bak"));
}

TEST_F(TracklistFileTest, MissingFileIsCreatedSoThatTheNextStartReadsIt) {
    store.setTracklistPath(path("new.trk"));
    ASSERT_TRUE(store.LoadTracklist());
    EXPECT_EQ(ui.messages,
              QStringList({path("new.trk"), QStringLiteral("Cannot open tracklist\nWill "
                                                           "attempt to create")}));
    EXPECT_EQ(readFileBytes(dir / "new.trk"), "\xFF\xFE");
    EXPECT_EQ(observer.title, QStringLiteral("Tracklist - new.trk"));

    // The next start, and a 0-byte file left by older versions: an empty list, no message.
    ui.messages.clear();
    EXPECT_TRUE(store.LoadTracklist());
    writeFile("zero.trk", "");
    store.setTracklistPath(path("zero.trk"));
    EXPECT_TRUE(store.LoadTracklist());
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(store.EntryCount(), 0);
}

// A list whose folder is gone (a stick unplugged) gives way to the default list
// of the working folder, so that the user is never locked out; only when that
// cannot be had either does the program end.
TEST_F(TracklistFileTest, AListThatCannotBeOpenedNorCreatedGivesWayToTheDefaultList) {
    const QString before = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path().string()));
    store.setTracklistPath(path("no/such/folder/list.trk"));
    EXPECT_TRUE(store.LoadTracklist());
    EXPECT_TRUE(ui.fatalMessages.isEmpty());
    const QString cannotOpen = QStringLiteral("Cannot open tracklist\nWill attempt to create");
    EXPECT_EQ(ui.messages, QStringList({path("no/such/folder/list.trk"), cannotOpen,
                                        QStringLiteral("Cannot create.  Using default.trk instead"),
                                        QStringLiteral("default.trk"), cannotOpen}));
    EXPECT_EQ(store.tracklistPath(), QStringLiteral("default.trk"));
    EXPECT_EQ(readFileBytes(dir / "default.trk"), "\xFF\xFE");
    EXPECT_EQ(observer.title, QStringLiteral("Tracklist - default.trk"));
    EXPECT_FALSE(store.busy());

    // Something that exists but cannot be read as a file is never replaced, and
    // a default list that cannot be had ends the program.
    std::filesystem::remove(dir / "default.trk");
    writeFile("default.trk/inside.mp3");
    store.setTracklistPath(path("folder.trk"));
    writeFile("folder.trk/inside.mp3");
    EXPECT_FALSE(store.LoadTracklist());
    EXPECT_EQ(ui.fatalMessages, QStringList({QStringLiteral("Cannot create.  Exiting...")}));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "folder.trk/inside.mp3"));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "default.trk/inside.mp3"));
    QDir::setCurrent(before);
}

TEST_F(TracklistFileTest, FolderLinesExpandAtLoadAndAreSavedAsTheirFiles) {
    QString a = writeMp3("music/a.mp3");
    writeFile("music/notes.txt");
    QString v = writeFile("music/sub/v.avi");
    writeTracklist("default.trk", {path("music")});
    ASSERT_TRUE(store.LoadTracklist());
    QStringList paths = storePaths();
    paths.sort();
    EXPECT_EQ(paths, QStringList({a, v}));

    // Written back as the files, in store order; loading that again gives the same.
    QStringList before = storePaths();
    ASSERT_TRUE(store.SaveTracklist());
    QString expected;
    for (const QString& entryPath : before) {
        expected += entryPath + QStringLiteral("\r\n");
    }
    EXPECT_EQ(readFileBytes(dir / "default.trk"), "\xFF\xFE" + utf16Bytes(expected));
    ASSERT_TRUE(store.LoadTracklist());
    EXPECT_EQ(storePaths(), before);
}

TEST_F(TracklistFileTest, AFailedSaveKeepsTheOldFileAndTheMark) {
    writeTracklist("default.trk", {QStringLiteral("/old.mp3")});
    std::string before = readFileBytes(dir / "default.trk");
    appendEntries({path("a-rather-long-name-that-does-not-fit.mp3")});
    store.UpdateTitle(true);
    {
        FileSizeLimit limit(static_cast<long long>(before.size()));
        EXPECT_FALSE(store.SaveTracklist());
    }
    EXPECT_EQ(ui.messages, QStringList({QStringLiteral("Cannot save tracklist")}));
    EXPECT_EQ(readFileBytes(dir / "default.trk"), before);
    EXPECT_EQ(observer.title, QStringLiteral("Tracklist - default.trk *"));
    EXPECT_TRUE(store.modified());
    EXPECT_FALSE(store.busy());

    EXPECT_TRUE(store.SaveTracklist());
    EXPECT_EQ(observer.title, QStringLiteral("Tracklist - default.trk"));
}

TEST_F(TracklistFileTest, TitleNamesTheFileOnly) {
    store.setTracklistPath(QStringLiteral("D:\\lists\\default.trk"));
    store.UpdateTitle(false);
    EXPECT_EQ(store.title(), QStringLiteral("Tracklist - default.trk"));
    store.UpdateTitle(true);
    EXPECT_EQ(store.title(), QStringLiteral("Tracklist - default.trk *"));
    EXPECT_EQ(observer.title, store.title());
}

TEST_F(TracklistFileTest, LoadReplacesTheListButKeepsTheCurrentNumber) {
    appendEntries({QStringLiteral("/x.mp3"), QStringLiteral("/y.mp3"), QStringLiteral("/z.mp3")});
    store.setCurrentIndex(2);
    writeTracklist("default.trk", {QStringLiteral("/only.mp3")});
    ASSERT_TRUE(store.LoadTracklist());
    EXPECT_EQ(storePaths(), QStringList({QStringLiteral("/only.mp3")}));
    EXPECT_EQ(store.currentIndex(), 2);
    EXPECT_EQ(store.EntryAt(-1).name, QStringLiteral("Out of range"));
}

TEST_F(TracklistFileTest, AbortDuringALoadIgnoresTheRemainingLines) {
    QStringList lines;
    for (int i = 0; i < 50; ++i) {
        lines.append(QStringLiteral("/missing/%1.mp3").arg(i));
    }
    writeTracklist("default.trk", lines);
    ui.onDispatch = [&] {
        if (store.EntryCount() == 10) {
            store.RequestAbort();
        }
    };
    ASSERT_TRUE(store.LoadTracklist());
    EXPECT_EQ(store.EntryCount(), 10);
    EXPECT_FALSE(store.abortRequested());  // cleared at the end
    EXPECT_GE(ui.dispatchCount, 10);
}

// An album's tracks repeat its artist, album, genre, year and comment: a loaded
// list holds each of those texts once, whatever made the entry (a tag read, or
// an entry handed in whole, as a cache of tags gives them).
TEST_F(TracklistFileTest, EntriesShareTheTextsTheyRepeat) {
    RawBlock block;
    block.artist = "Singer";
    block.album = "Album";
    block.year = "1999";
    block.comment = "Note";
    block.genre = 17;
    QStringList lines;
    for (const char* title : {"One", "Two", "Three"}) {
        block.title = title;
        lines.append(writeMp3(std::string(title) + ".mp3", block.bytes('\0')));
    }
    store.setTracklistPath(writeTracklist("album.trk", lines));
    ASSERT_TRUE(store.LoadTracklist());
    ASSERT_EQ(store.EntryCount(), 3);

    TrackEntry handedIn = store.EntryAt(0);
    handedIn.path = path("Four.mp3");
    handedIn.name = QStringLiteral("Four");
    // Texts of their own, equal to the loaded ones.
    for (QString* text :
         {&handedIn.artist, &handedIn.source, &handedIn.genre, &handedIn.date, &handedIn.comment}) {
        *text = QString::fromStdU16String(text->toStdU16String());
    }
    store.AppendEntry(handedIn);

    const TrackEntry first = store.EntryAt(0);
    EXPECT_EQ(first.artist, QStringLiteral("Singer"));
    EXPECT_EQ(first.source, QStringLiteral("Album"));
    EXPECT_EQ(first.date, QStringLiteral("1999"));
    EXPECT_EQ(first.comment, QStringLiteral("Note"));
    EXPECT_FALSE(first.genre.isEmpty());
    for (int i = 1; i < store.EntryCount(); ++i) {
        const TrackEntry other = store.EntryAt(i);
        EXPECT_EQ(other.artist.constData(), first.artist.constData()) << i;
        EXPECT_EQ(other.source.constData(), first.source.constData()) << i;
        EXPECT_EQ(other.genre.constData(), first.genre.constData()) << i;
        EXPECT_EQ(other.date.constData(), first.date.constData()) << i;
        EXPECT_EQ(other.comment.constData(), first.comment.constData()) << i;
        EXPECT_NE(other.name, first.name);
    }
    // A rescanned entry joins the shared texts again; shared texts stay right
    // for the others when one entry changes.
    store.RescanSelected({1});
    EXPECT_EQ(store.EntryAt(1).artist.constData(), first.artist.constData());
    TrackEntry renamed = store.EntryAt(2);
    renamed.artist = QStringLiteral("Other");
    store.ReplaceEntry(2, renamed);
    EXPECT_EQ(store.EntryAt(2).artist, QStringLiteral("Other"));
    EXPECT_EQ(store.EntryAt(3).artist, QStringLiteral("Singer"));
}

}  // namespace
