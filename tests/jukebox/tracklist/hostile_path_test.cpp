// Paths that the file system allows and a tracklist must survive: names in legacy
// code-page bytes, names with line breaks, FIFOs, unreadable files and folders,
// and a tracklist in a folder that refuses new files.
#include <fcntl.h>
#include <sys/stat.h>
#include <algorithm>

#include "jukebox/common/path_functions.h"
#include "tests/jukebox/common/unprivileged.h"
#include "tests/jukebox/tracklist/tracklist_fixture.h"
#include "tests/taglib/id3v1_fixtures.h"

namespace fs = std::filesystem;

namespace {

class HostilePathTest : public TracklistTest {
protected:
    // The text of a path in the temporary folder whose name is given as bytes.
    QString bytePath(const std::string& name) const {
        return PathFromLocalBytes(QByteArray::fromStdString((dir.path() / name).string()));
    }
    QStringList sortedPaths() const {
        QStringList paths = storePaths();
        paths.sort();
        return paths;
    }
    std::vector<TrackEntry> entries() const {
        std::vector<TrackEntry> all;
        for (int i = 0; i < store.EntryCount(); ++i) {
            all.push_back(store.EntryAt(i));
        }
        return all;
    }
    // Lets "nobody" reach the temporary folder.
    void openTheFolder() { fs::permissions(dir.path(), fs::perms(0755)); }
};

// GBK bytes in a folder's and a file's name: the walk finds the real files, reads
// the tag, knows them again when dropped, and a tracklist (named in GBK too) gives
// them back exactly.
TEST_F(HostilePathTest, NamesThatAreNotUtf8AreFoundReadAndSavedExactly) {
    RawBlock block;
    block.title = "Moon";
    writeFile("\xB8\xE8/\xD4\xC2\xC1\xC1.mp3", audioBody(600) + block.bytes('\0'));
    writeFile("\xB8\xE8/\xC1\xD0.avi");
    writeFile("\xB8\xE8/\xE6\xAD\x8C.wav");  // UTF-8 beside them
    const QString song = bytePath("\xB8\xE8/\xD4\xC2\xC1\xC1.mp3");
    const QString clip = bytePath("\xB8\xE8/\xC1\xD0.avi");
    const QString utf8 = bytePath("\xB8\xE8/") + QString::fromUtf16(u"\u6B4C.wav");
    store.AddDroppedFiles({bytePath("\xB8\xE8")});
    QStringList expected{song, clip, utf8};
    expected.sort();
    ASSERT_EQ(sortedPaths(), expected);
    TrackEntry entry = store.EntryAt(static_cast<int>(storePaths().indexOf(song)));
    EXPECT_EQ(entry.playable, 1);
    EXPECT_EQ(entry.name, QStringLiteral("Moon"));
    EXPECT_EQ(entry.mappingKind, MappingTag);
    EXPECT_EQ(store.EntryAt(static_cast<int>(storePaths().indexOf(clip))).playable, 1);

    store.AddDroppedFiles({song});
    EXPECT_FALSE(store.AddPath(clip));  // a duplicate
    EXPECT_EQ(store.EntryCount(), 3);

    store.setTracklistPath(bytePath("\xC1\xD0\xB1\xED.trk"));
    ASSERT_TRUE(store.SaveTracklist());
    EXPECT_TRUE(fs::is_regular_file(dir / "\xC1\xD0\xB1\xED.trk"));
    const std::vector<TrackEntry> before = entries();
    ASSERT_TRUE(store.LoadTracklist());
    EXPECT_TRUE(entries() == before);
    EXPECT_TRUE(ui.messages.isEmpty());
}

// A tracklist line cannot hold a line break, so no such name joins: not from a
// walk, nor typed, dropped or named on the command line, whether or not the file
// is there. What is saved then loads as it was.
TEST_F(HostilePathTest, NamesWithLineBreaksAreNeverAdded) {
    const QString ok = writeMp3("music/ok.mp3");
    writeMp3("music/two\nlines.mp3");
    writeMp3("music/cr\r.mp3");
    writeMp3("music/sub\nfolder/inner.mp3");
    store.AddDroppedFiles({path("music")});
    EXPECT_EQ(storePaths(), QStringList{ok});
    for (const QString& refused : {path("music/two\nlines.mp3"), path("music/cr\r.mp3"),
                                   path("gone\n.mp3"), path("music/sub\nfolder")}) {
        EXPECT_TRUE(store.AddPath(refused));  // passed over like a file that is not media
        store.AddDroppedFiles({refused});
        store.AddCommandLinePath(refused);
    }
    EXPECT_EQ(storePaths(), QStringList{ok});
    ASSERT_TRUE(store.SaveTracklist());
    ASSERT_TRUE(store.LoadTracklist());
    EXPECT_EQ(storePaths(), QStringList{ok});
}

// A FIFO named like a media file joins without being opened (an open would wait
// for a writer); a file that cannot be read joins with its file name and asks the
// dictionary; a folder that cannot be listed adds nothing; a tracklist that cannot
// be read is reported and never replaced.
TEST_F(HostilePathTest, FifosAndUnreadableFilesDoNotStopAWalk) {
    const QString ok = writeMp3("walk/ok.mp3");
    ASSERT_EQ(::mkfifo((dir / "walk/pipe.mp3").c_str(), 0666), 0);
    RawBlock block;
    block.title = "Secret";
    const QString locked = writeFile("walk/locked.mp3", audioBody(600) + block.bytes('\0'));
    writeMp3("walk/shut/inner.mp3");
    writeTracklist("secret.trk", {ok});
    openTheFolder();
    fs::permissions(dir / "walk/locked.mp3", fs::perms::none);
    fs::permissions(dir / "walk/shut", fs::perms::none);
    fs::permissions(dir / "secret.trk", fs::perms::none);
    const std::string before = readFileBytes(dir / "secret.trk");

    std::string found = RunUnprivileged([&] {
        store.AddDroppedFiles({path("walk")});
        QStringList seen;
        for (const TrackEntry& entry : entries()) {
            seen.append(QStringLiteral("%1 playable %2 kind %3")
                            .arg(entry.name)
                            .arg(entry.playable)
                            .arg(entry.mappingKind));
        }
        seen.sort();
        QStringList asked = dictionary.asked;
        asked.sort();
        store.setTracklistPath(path("secret.trk"));
        bool loaded = store.LoadTracklist();
        return (seen.join(u'|') + QStringLiteral("; asked ") + asked.join(u',') +
                QStringLiteral("; load %1, %2 messages").arg(loaded).arg(ui.fatalMessages.size()))
            .toStdString();
    });
    EXPECT_EQ(found,
              "locked.mp3 playable 1 kind 0|ok.mp3 playable 1 kind 0|pipe.mp3 playable 1 kind 0;"
              " asked locked.mp3,pipe.mp3; load 0, 1 messages");
    fs::permissions(dir / "secret.trk", fs::perms(0644));
    fs::permissions(dir / "walk/shut", fs::perms(0755));
    EXPECT_EQ(readFileBytes(dir / "secret.trk"), before);
}

// The folder of a tracklist the user may write refuses new files: the tracklist
// is written in place.
TEST_F(HostilePathTest, ATracklistInAFolderThatRefusesNewFilesIsSavedInPlace) {
    writeTracklist("locked/list.trk", {QStringLiteral("/old.mp3")});
    openTheFolder();
    fs::permissions(dir / "locked/list.trk", fs::perms(0666));
    fs::permissions(dir / "locked", fs::perms(0555));
    store.setTracklistPath(path("locked/list.trk"));
    appendEntries({QStringLiteral("/new.mp3")});
    store.UpdateTitle(true);
    const std::string probe = (dir / "locked/probe").string();
    std::string found = RunUnprivileged([&] {
        bool refused = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666) < 0;
        bool saved = store.SaveTracklist();
        return std::string(refused ? "no new file" : "a new file") +
               (saved ? ", saved, " : ", not saved, ") + ui.messages.join(u',').toStdString() +
               observer.title.toStdString();
    });
    fs::permissions(dir / "locked", fs::perms(0755));
    EXPECT_EQ(found, "no new file, saved, Tracklist - list.trk");
    EXPECT_EQ(readFileBytes(dir / "locked/list.trk"),
              "\xFF\xFE" + utf16Bytes(QStringLiteral("/new.mp3\r\n")));
}

}  // namespace
