// The tracklist window driven as the user drives it: the lines and detail
// fields, deleting, sorting, aborting, rescanning, the detail strip, the
// commands held back while a scan runs, and playlists of other players opened
// and saved through its file dialogs.
#include <QAction>
#include <QFile>
#include <QMenu>

#include "jukebox/common/path_functions.h"
#include "jukebox/tracklist/format_entry.h"
#include "jukebox/tracklist_window/tracklist_commands.h"
#include "tests/jukebox/tracklist_window/tracklist_window_fixture.h"
#include "tests/taglib/id3v1_fixtures.h"

namespace {

using namespace Qt::StringLiterals;

using Field = TracklistLayout;
using namespace TracklistCommand;

QStringList selectionOf(CTracklistWnd& wnd) {
    QStringList rows;
    for (int row : wnd.selectedRows()) {
        rows.append(QString::number(row));
    }
    return rows;
}

TEST_F(TracklistWindowTest, LinesAndDetailsOfTaggedDictionaryAndUntaggedEntries) {
    RawBlock tagged;
    tagged.title = "Song";
    tagged.artist = "Singer";
    tagged.album = "Album";
    tagged.year = "1999";
    tagged.comment = "Note";
    tagged.genre = 17;
    RawBlock big5;
    big5.title = "\xA4\xA4\xA4\xE5";  // two Chinese characters in BIG5
    big5.artist = "\xA4\xA4";
    big5.genre = 248;  // the BIG5 marker
    TrackEntry row;
    row.name = QStringLiteral("Clip");
    row.artist = QStringLiteral("Director");
    row.source = QStringLiteral("Reel");
    dictionary.rows[QStringLiteral("clip.avi")] = row;

    const QStringList files{writeMp3("a/tagged.mp3", tagged.bytes('\0')),
                            writeMp3("a/big5.mp3", big5.bytes('\0')), writeFile("a/clip.avi"),
                            writeMp3("a/plain.mp3")};
    for (const QString& file : files) {
        store.AddPath(file);
    }
    EXPECT_EQ(shownLines(),
              (QStringList{u"Singer - Song"_s, u"中 - 中文"_s, QStringLiteral("Director - Clip"),
                           QStringLiteral(" - plain.mp3")}));

    clickLine(0);
    EXPECT_EQ(fieldText(Field::Path), files[0]);
    EXPECT_EQ(fieldText(Field::Source), u"Album"_s);
    EXPECT_EQ(fieldText(Field::MediaKind), u"AUD"_s);
    EXPECT_EQ(fieldText(Field::Mapping), u"TAG"_s);
    EXPECT_EQ(fieldText(Field::Genre), u"Rock"_s);
    EXPECT_EQ(fieldText(Field::Date), u"1999"_s);
    EXPECT_EQ(fieldText(Field::Artist), u"Singer"_s);
    EXPECT_EQ(fieldText(Field::Comment), u"Note"_s);
    EXPECT_EQ(fieldText(Field::IndexTotal), u"1/4"_s);

    pressInList(Qt::Key_Down);
    EXPECT_EQ(fieldText(Field::Artist), u"中"_s);
    pressInList(Qt::Key_Down);
    EXPECT_EQ(fieldText(Field::MediaKind), u"VID"_s);
    EXPECT_EQ(fieldText(Field::Mapping), u"DIC"_s);
    EXPECT_EQ(fieldText(Field::Source), u"Reel"_s);
    EXPECT_EQ(fieldText(Field::Genre), u""_s);  // the previous line's texts are gone
    clickLine(3);
    EXPECT_EQ(fieldText(Field::Path), files[3]);
    EXPECT_EQ(fieldText(Field::Mapping), u""_s);
    EXPECT_EQ(fieldText(Field::MediaKind), u"AUD"_s);
    EXPECT_EQ(fieldText(Field::Artist), u""_s);
    EXPECT_EQ(fieldText(Field::IndexTotal), u"4/4"_s);
}

// The fields describe the list as it is after every change, without the caret
// having to move: never the path and count of a list opened before, nor the
// text a line had before a sort.
TEST_F(TracklistWindowTest, TheDetailsFollowOpenInsertSortAndDeleteAtOnce) {
    QStringList many;
    for (int i = 1; i <= 8; ++i) {
        many.append(QStringLiteral("/m/%1.mp3").arg(i));
    }
    ui.openAnswers.push_back({writeTracklist("many.trk", many)});
    trigger(OpenNew);
    EXPECT_EQ(fieldText(Field::Path), u"/m/1.mp3"_s);
    EXPECT_EQ(fieldText(Field::IndexTotal), u"1/8"_s);
    clickLine(5);
    EXPECT_EQ(fieldText(Field::IndexTotal), u"6/8"_s);

    ui.openAnswers.push_back(
        {writeTracklist("few.trk", {u"/n/c.mp3"_s, u"/n/a.mp3"_s, u"/n/b.mp3"_s})});
    trigger(OpenNew);
    EXPECT_EQ(fieldText(Field::Path), u"/n/c.mp3"_s);
    EXPECT_EQ(fieldText(Field::Artist), u"N/A"_s);
    EXPECT_EQ(fieldText(Field::IndexTotal), u"1/3"_s);

    // A line for a path that names no file counts at once.
    ui.promptAnswers.push_back(u"/n/typed.mp3"_s);
    pressInList(Qt::Key_Insert);
    EXPECT_EQ(fieldText(Field::IndexTotal), u"1/4"_s);

    // Sorted without a current track: the caret is on the first line and the
    // fields show it.
    store.SortByKey(SortKey::Fullpath);
    EXPECT_EQ(fieldText(Field::Path), u"/n/a.mp3"_s);
    EXPECT_EQ(fieldText(Field::IndexTotal), u"1/4"_s);

    // Deleting lines shows the line now under the caret; deleting them all, and
    // a new empty list, show empty fields.
    store.DeleteCommand({0});
    EXPECT_EQ(fieldText(Field::Path), u"/n/b.mp3"_s);
    EXPECT_EQ(fieldText(Field::IndexTotal), u"1/3"_s);
    store.DeleteCommand({0, 1, 2});
    for (int field = 0; field < TracklistLayout::kFieldCount; ++field) {
        EXPECT_EQ(fieldText(static_cast<TracklistLayout::Field>(field)), u""_s) << field;
    }
    fillEntries({u"/o/x.mp3"_s});
    EXPECT_EQ(fieldText(Field::Path), u"/o/x.mp3"_s);
    ui.answers.push_back(UiService::Answer::No);  // the changes are given up
    ui.openAnswers.push_back({path("new.trk")});
    trigger(OpenNew);
    EXPECT_EQ(store.EntryCount(), 0);
    EXPECT_EQ(fieldText(Field::Path), u""_s);
    EXPECT_EQ(fieldText(Field::IndexTotal), u""_s);
}

TEST_F(TracklistWindowTest, DeletingSelectsTheLineAtTheGapOrTheNewLastLine) {
    const QStringList five{u"/m/a.mp3"_s, u"/m/b.mp3"_s, u"/m/c.mp3"_s, u"/m/d.mp3"_s,
                           u"/m/e.mp3"_s};
    fillEntries(five);
    store.UpdateTitle(false);
    clickLine(1);
    clickLine(2, Qt::ControlModifier);
    pressInList(Qt::Key_Delete);
    EXPECT_EQ(shownLines(), (QStringList{u" - a.mp3"_s, u" - d.mp3"_s, u" - e.mp3"_s}));
    EXPECT_EQ(selectionOf(wnd), QStringList{u"1"_s});
    EXPECT_EQ(wnd.caretRow(), 1);
    EXPECT_EQ(fieldText(Field::Path), u"/m/d.mp3"_s);
    EXPECT_TRUE(wnd.windowTitle().endsWith(u" *"_s));

    store.RemoveEntries(0, store.EntryCount());
    fillEntries(five);
    clickLine(3);
    clickLine(4, Qt::ShiftModifier);
    pressInList(Qt::Key_Delete);
    EXPECT_EQ(shownLines(), (QStringList{u" - a.mp3"_s, u" - b.mp3"_s, u" - c.mp3"_s}));
    EXPECT_EQ(selectionOf(wnd), QStringList{u"2"_s});

    store.UpdateTitle(false);
    const QString title = wnd.windowTitle();
    clickLine(0);
    pressInList(Qt::Key_A, Qt::ControlModifier);
    pressInList(Qt::Key_Delete);
    EXPECT_TRUE(shownLines().isEmpty());
    EXPECT_EQ(store.EntryCount(), 0);
    EXPECT_EQ(wnd.windowTitle(), title);  // no mark when nothing remains
}

TEST_F(TracklistWindowTest, DeletingScatteredLinesKeepsEveryOtherLineInOrder) {
    QStringList paths;
    for (int i = 0; i < 300; ++i) {
        paths.append(QStringLiteral("/m/%1.mp3").arg(i));
    }
    fillEntries(paths);
    // Every other line from 5 on: far more separate runs than one notice each.
    QItemSelection chosen;
    for (int row = 5; row < 300; row += 2) {
        chosen.select(wnd.list().model()->index(row, 0), wnd.list().model()->index(row, 0));
    }
    wnd.list().selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
    pressInList(Qt::Key_Delete);

    QStringList expected;
    for (int i = 0; i < 300; ++i) {
        if (i < 5 || i % 2 == 0) {
            expected.append(QStringLiteral(" - %1.mp3").arg(i));
        }
    }
    EXPECT_EQ(shownLines(), expected);
    EXPECT_EQ(store.EntryCount(), expected.size());
    EXPECT_EQ(store.EntryAt(5).path, u"/m/6.mp3"_s);
    EXPECT_EQ(selectionOf(wnd), QStringList{u"5"_s});
}

TEST_F(TracklistWindowTest, TheDeleteButtonKeepsTheCurrentTrackWhereItStays) {
    fillEntries({u"/m/a.mp3"_s, u"/m/b.mp3"_s, u"/m/c.mp3"_s, u"/m/d.mp3"_s, u"/m/e.mp3"_s});
    store.SetCurrent(3);
    clickLine(1);
    clickLine(2, Qt::ControlModifier);
    trigger(Delete);
    EXPECT_EQ(store.currentIndex(), 1);
    EXPECT_EQ(store.EntryAt(-1).path, u"/m/d.mp3"_s);
    EXPECT_EQ(selectionOf(wnd), QStringList{u"1"_s});

    clickLine(1);
    trigger(Delete);  // the current track itself
    EXPECT_EQ(store.currentIndex(), -1);
    EXPECT_TRUE(selectionOf(wnd).isEmpty());
}

// Entries with the texts a sort looks at.
TrackEntry entryOf(const QString& path, const QString& artist, const QString& name) {
    TrackEntry entry;
    entry.path = path;
    entry.artist = artist;
    entry.name = name;
    entry.playable = 1;
    return entry;
}

void sortByMenu(CTracklistWnd& wnd, SortKey key) {
    for (QAction* act : wnd.sortMenu().actions()) {
        if (act->data().toInt() == static_cast<int>(key)) {
            act->trigger();
            return;
        }
    }
    ADD_FAILURE() << "no menu item for the key";
}

TEST_F(TracklistWindowTest, SortingByArtistFallsBackToTheNameAndKeepsTheCurrentTrack) {
    store.AppendEntry(entryOf(u"/m/1"_s, u"b"_s, u"zeta"_s));
    store.AppendEntry(entryOf(u"/m/2"_s, u"\u00C9"_s, u"x"_s));  // É: no folding beyond A-Z
    store.AppendEntry(entryOf(u"/m/3"_s, u"B"_s, u"alpha"_s));
    store.AppendEntry(entryOf(u"/m/4"_s, u"\u00E9"_s, u"y"_s));
    store.AppendEntry(entryOf(u"/m/5"_s, u"a"_s, u"m"_s));
    store.FillList();
    store.SetCurrent(0);

    sortByMenu(wnd, SortKey::Artist);
    EXPECT_EQ(shownLines(), (QStringList{u"a - m"_s, u"B - alpha"_s, u"b - zeta"_s, u"\u00C9 - x"_s,
                                         u"\u00E9 - y"_s}));
    EXPECT_EQ(store.EntryAt(-1).path, u"/m/1"_s);
    EXPECT_EQ(store.currentIndex(), 2);
    EXPECT_EQ(selectionOf(wnd), QStringList{u"2"_s});
    EXPECT_EQ(fieldText(Field::IndexTotal), u"3/5"_s);
    EXPECT_EQ(observer.matching(u"bits"_s), (QStringList{u"bits +4"_s, u"bits -4"_s}));
    EXPECT_FALSE(store.busy());
}

// A list long enough for a sort to serve events, whose artists ("04000" down
// to "00001") run against the line order.
void fillReversedByArtist(TracklistStore& store, int count) {
    for (int i = 0; i < count; ++i) {
        store.AppendEntry(entryOf(u"/m/%1"_s.arg(i),
                                  QStringLiteral("%1").arg(count - i, 5, 10, QChar(u'0')),
                                  QStringLiteral("n")));
    }
    store.FillList();
}

TEST_F(TracklistWindowTest, AbortDuringALongSortLeavesTheCurrentTrackCurrent) {
    const int count = 4000;
    fillReversedByArtist(store, count);
    store.SetCurrent(7);
    bool sortHeldBack = false;
    ui.onDispatch = [&] {
        // The user presses Abort while the sort runs; Sort itself is held back.
        sortHeldBack = !wnd.action(Sort)->isEnabled();
        trigger(Abort);
    };
    sortByMenu(wnd, SortKey::Artist);
    ui.onDispatch = nullptr;

    EXPECT_TRUE(sortHeldBack);
    EXPECT_EQ(shownLines().size(), count);
    EXPECT_NE(shownLines().first(), u"00001 - n"_s) << "the sort did not finish";
    EXPECT_EQ(store.EntryAt(-1).path, u"/m/7"_s);
    EXPECT_EQ(wnd.selectedRows(), std::vector<int>{store.currentIndex()});
    EXPECT_FALSE(store.abortRequested());
    EXPECT_TRUE(wnd.action(Sort)->isEnabled());
}

TEST_F(TracklistWindowTest, ATrackThatEndsDuringALongSortHandsOnToTheNextOne) {
    const int count = 4000;
    fillReversedByArtist(store, count);
    store.SetCurrent(7);
    int ended = 0;
    ui.onDispatch = [&] {
        // The playing track ends while the sort serves events: the next line
        // of the list as it still is becomes current.
        if (ended++ == 0) {
            store.SetCurrent(8);
        }
    };
    sortByMenu(wnd, SortKey::Artist);
    ui.onDispatch = nullptr;

    ASSERT_GT(ended, 0) << "the sort served no events";
    EXPECT_EQ(shownLines().first(), u"00001 - n"_s);
    EXPECT_EQ(store.EntryAt(-1).path, u"/m/8"_s);
    EXPECT_EQ(store.currentIndex(), count - 1 - 8);
}

TEST_F(TracklistWindowTest, RescanningADeletedFileShowsItAsMissing) {
    RawBlock tagged;
    tagged.title = "Song";
    tagged.artist = "Singer";
    const QString file = writeMp3("gone.mp3", tagged.bytes('\0'));
    store.AddPath(file);
    store.AddPath(writeMp3("stays.mp3"));
    clickLine(0);
    EXPECT_EQ(fieldText(Field::Mapping), u"TAG"_s);
    ASSERT_TRUE(QFile::remove(file));

    trigger(Rescan);
    EXPECT_EQ(shownLines().first(), u"N/A - gone.mp3"_s);
    EXPECT_EQ(store.EntryAt(0).playable, 0);
    EXPECT_EQ(fieldText(Field::Artist), u"N/A"_s);
    EXPECT_EQ(fieldText(Field::Mapping), u""_s);
    EXPECT_TRUE(wnd.selectedRows().empty()) << "a rescanned line is not selected";
    EXPECT_EQ(observer.matching(u"bits"_s), (QStringList{u"bits +2"_s, u"bits -2"_s}));
}

TEST_F(TracklistWindowTest, TheDetailStripAddsFiftyFourPixelsThatTheSettingsNeverKeep) {
    wnd.resize(300, 200);
    EXPECT_FALSE(wnd.field(Field::Artist).isVisible());
    EXPECT_EQ(wnd.list().geometry(), QRect(3, 21, 294, 149));

    QTest::mouseClick(&wnd.detailButton(), Qt::LeftButton);
    EXPECT_TRUE(wnd.tagsShown());
    EXPECT_EQ(wnd.height(), 254);
    EXPECT_EQ(wnd.width(), 300);
    EXPECT_TRUE(wnd.field(Field::Artist).isVisible());
    EXPECT_EQ(wnd.list().geometry(), QRect(3, 75, 294, 149));
    EXPECT_EQ(wnd.field(Field::Comment).geometry(), QRect(3, 57, 234, 16));
    EXPECT_EQ(wnd.detailButton().toolTip(), u"Hide tags"_s);
    EXPECT_EQ(wnd.storedRect().height(), 200);

    wnd.resize(300, 400);
    EXPECT_EQ(wnd.storedRect().height(), 346);
    QTest::mouseClick(&wnd.detailButton(), Qt::LeftButton);
    EXPECT_EQ(wnd.height(), 346);
    EXPECT_EQ(wnd.storedRect().height(), 346);

    // Restored with the details hidden, as every start has them.
    wnd.setStoredRect(QPoint(40, 50), QSize(290, 220));
    EXPECT_EQ(wnd.storedRect(), QRect(40, 50, 290, 220));
    const int frame = wnd.frameGeometry().height() - wnd.height();
    EXPECT_EQ(wnd.minimumHeight() + frame, TracklistLayout::kMinHeightHidden);
}

// The window manager tells the frame only after the window shows: a size
// below the limits is kept until then, as a resize at the show would put the
// window's area, not its frame, at the stored place.
TEST_F(TracklistWindowTest, AStoredSizeBelowTheLimitsIsKeptWhenTheWindowShows) {
    // A window that shows without a frame told, as under a window manager.
    CTracklistWnd shown(store, ui);
    shown.setAttribute(Qt::WA_DontShowOnScreen);
    shown.setStoredRect(QPoint(10, 10), QSize(275, 375));
    shown.FadeIn();
    shown.FinishFade();
    ASSERT_TRUE(shown.isVisible());
    ASSERT_EQ(shown.frameGeometry(), shown.geometry());
    EXPECT_EQ(shown.storedRect(), QRect(10, 10, 275, 375));
    // It cannot be made smaller still.
    EXPECT_EQ(shown.minimumSize(), QSize(275, TracklistLayout::kMinHeightHidden));
}

TEST_F(TracklistWindowTest, InsertAndTheEditingButtonsDoNothingWhileAScanRuns) {
    for (int i = 0; i < 6; ++i) {
        writeMp3("scan/" + std::to_string(i) + ".mp3");
    }
    fillEntries({u"/m/a.mp3"_s, u"/m/b.mp3"_s});
    store.SetCurrent(1);
    clickLine(0);
    ui.promptAnswers.push_back(QStringLiteral("/m/typed.mp3"));
    ui.openAnswers.push_back({path("list.trk")});
    ui.saveAnswers.push_back(path("saved.trk"));
    const int heldBack[] = {Focus, Sort, Add, Delete, Rescan, OpenNew, Save, SaveAs};
    QStringList enabledWhileBusy;
    bool pressed = false;
    ui.onDispatch = [&] {
        if (pressed || !store.busy()) {
            return;
        }
        pressed = true;
        pressInList(Qt::Key_Insert);
        pressInList(Qt::Key_Delete);
        for (int command : heldBack) {
            if (wnd.action(command)->isEnabled()) {
                enabledWhileBusy.append(QString::number(command));
            }
            trigger(command);
            wnd.OnCommand(command);  // even past a disabled button
        }
        for (int command : {Select, Abort, Close}) {
            if (!wnd.action(command)->isEnabled()) {
                enabledWhileBusy.append(QStringLiteral("not %1").arg(command));
            }
        }
    };
    store.AddDroppedFiles({path("scan")});
    ui.onDispatch = nullptr;

    ASSERT_TRUE(pressed);
    EXPECT_TRUE(enabledWhileBusy.isEmpty()) << enabledWhileBusy.join(u' ').toStdString();
    EXPECT_TRUE(ui.promptCaptions.isEmpty());
    EXPECT_EQ(ui.openAnswers.size(), 1u);
    EXPECT_EQ(ui.saveAnswers.size(), 1u);
    EXPECT_FALSE(wnd.sortMenu().isVisible());
    EXPECT_FALSE(QFile::exists(path("default.trk")));
    EXPECT_EQ(store.EntryCount(), 8) << "nothing deleted, every scanned file added";
    EXPECT_EQ(store.currentIndex(), 1);
    EXPECT_EQ(selectionOf(wnd), QStringList{u"0"_s}) << "Focus did not run";

    pressInList(Qt::Key_Insert);  // and once the scan is over it works
    EXPECT_EQ(ui.promptCaptions, QStringList{u"Add entry"_s});
    EXPECT_EQ(store.EntryAt(8).path, u"/m/typed.mp3"_s);

    // Add's file dialog starts in the user's home folder.
    ui.openAnswers.clear();
    wnd.OnCommand(Add);
    EXPECT_EQ(ui.openFolders, QStringList{QDir::homePath()});
}

TEST_F(TracklistWindowTest, FileDialogsStartAtTheCurrentTrackElseTheFolderLastUsedElseHome) {
    // Nothing chosen yet and no current track: the home folder, not the
    // working folder.
    trigger(Add);
    trigger(SaveAs);
    EXPECT_EQ(ui.openFolders, QStringList{QDir::homePath()});
    EXPECT_EQ(ui.saveFolders, QStringList{QDir::homePath()});

    // A file chosen in one dialog: the next one starts in its folder.
    ui.openAnswers.push_back({writeMp3("picked/one.mp3")});
    trigger(Add);
    trigger(SaveAs);
    EXPECT_EQ(ui.saveFolders.last(), path("picked"));

    // The current track's folder comes first, for every dialog.
    store.AddPath(writeMp3("music/cd 1/song.mp3"));
    store.SetCurrent(1);
    ui.answers.push_back(UiService::Answer::No);
    trigger(OpenNew);
    trigger(Add);
    trigger(SaveAs);
    EXPECT_EQ(ui.openFolders.mid(2), QStringList({path("music/cd 1"), path("music/cd 1")}));
    EXPECT_EQ(ui.saveFolders.last(), path("music/cd 1"));

    // Unless the dialog cannot go there: a folder named in bytes that are not
    // UTF-8, or one that is gone.
    std::filesystem::create_directories(dir / "\xD6\xD0");
    writeFileBytes(dir / "\xD6\xD0" / "gbk.mp3", "x");
    store.AddPath(
        PathFromLocalBytes(QByteArray::fromStdString((dir / "\xD6\xD0/gbk.mp3").string())));
    appendEntries({u"/no/such/folder/x.mp3"_s});
    ASSERT_EQ(store.EntryCount(), 4);
    for (int current : {2, 3}) {
        store.SetCurrent(current);
        trigger(Add);
        EXPECT_EQ(ui.openFolders.last(), path("picked")) << current;
    }
}

TEST_F(TracklistWindowTest, OpenReadsAnM3u8OfCjkNamesAndSaveAsOffersM3u8) {
    RawBlock song;
    song.title = "Night Song";
    song.artist = "Someone";
    const QString tagged = writeMp3("曲/夜曲.mp3", song.bytes('\0'));
    writeFile("曲/list.m3u8",
              "\xEF\xBB\xBF#EXTM3U\r\n#EXTINF:10,Theirs\r\n夜曲.mp3\r\n"
              "#EXTINF:-1,gone\r\n歌\\缺.mp3\r\nhttp://radio.example/a\r\n");
    ui.openAnswers.push_back({path("曲/list.m3u8")});
    trigger(OpenNew);

    EXPECT_EQ(ui.fileFilters, QStringList{u"Tracklist [*.trk, *.alb] (*.trk *.alb);;Playlists "
                                          u"(*.m3u *.m3u8 *.pls);;All files (*)"_s});
    EXPECT_EQ(wnd.windowTitle(), u"Tracklist - list.m3u8"_s);
    EXPECT_EQ(storePaths(),
              QStringList({tagged, path("曲/歌/缺.mp3"), u"http://radio.example/a"_s}));
    ASSERT_EQ(shownLines().size(), 3);
    EXPECT_EQ(shownLines()[0], FormatEntry(tagPage.listFormat, store.EntryAt(0)));
    EXPECT_TRUE(shownLines()[0].contains(u"Night Song"_s)) << shownLines()[0].toStdString();
    clickLine(1);
    EXPECT_EQ(fieldText(Field::Path), path("曲/歌/缺.mp3"));
    EXPECT_EQ(fieldText(Field::Artist), u"N/A"_s);

    // SaveAs offers M3U8 beside the tracklist format; a name of that kind is
    // written as one, each entry as the playlist wrote it, with its #EXTINF.
    ui.saveAnswers.push_back(path("曲/copy.m3u8"));
    trigger(SaveAs);
    EXPECT_EQ(ui.fileFilters.last(),
              u"Tracklist [*.trk, *.alb] (*.trk *.alb);;M3U8 playlist (*.m3u8)"_s);
    EXPECT_EQ(readFileBytes(dir / "曲/copy.m3u8"),
              "#EXTM3U\n#EXTINF:10,Theirs\n夜曲.mp3\n#EXTINF:-1,gone\n歌\\缺.mp3\n"
              "#EXTINF:-1,a\nhttp://radio.example/a\n");
    EXPECT_EQ(wnd.windowTitle(), u"Tracklist - copy.m3u8"_s);
}

// The sort as it has always been: adjacent entries exchanged while the key
// (then the name) of the first is greater, A-Z folded to a-z and nothing else.
std::vector<TrackEntry> bubbleSorted(std::vector<TrackEntry> entries, SortKey key) {
    auto fold = [](QString text) {
        for (QChar& c : text) {
            if (c >= u'A' && c <= u'Z') {
                c = QChar(c.unicode() + 32);
            }
        }
        return text;
    };
    auto keyOf = [&](const TrackEntry& entry) {
        switch (key) {
            case SortKey::Fullpath:
                return fold(entry.path);
            case SortKey::Path:
                return fold(FolderPart(entry.path));
            case SortKey::Name:
                return fold(entry.name);
            case SortKey::Genre:
                return fold(entry.genre);
            case SortKey::Source:
                return fold(entry.source);
            case SortKey::Artist:
                return fold(entry.artist);
        }
        return QString();
    };
    auto greater = [&](const QString& a, const QString& b) {
        return QStringView(a).compare(QStringView(b), Qt::CaseSensitive) > 0;
    };
    for (std::size_t last = entries.size(); last > 1; --last) {
        bool swapped = false;
        for (std::size_t j = 0; j + 1 < last; ++j) {
            const QString k1 = keyOf(entries[j]);
            const QString k2 = keyOf(entries[j + 1]);
            if (greater(k1, k2) ||
                (k1 == k2 && greater(fold(entries[j].name), fold(entries[j + 1].name)))) {
                std::swap(entries[j], entries[j + 1]);
                swapped = true;
            }
        }
        if (!swapped) {
            break;
        }
    }
    return entries;
}

std::vector<TrackEntry> storeEntries(const TracklistStore& store) {
    std::vector<TrackEntry> entries;
    for (int i = 0; i < store.EntryCount(); ++i) {
        entries.push_back(store.EntryAt(i));
    }
    return entries;
}

QStringList pathsOf(const std::vector<TrackEntry>& entries) {
    QStringList paths;
    for (const TrackEntry& entry : entries) {
        paths.append(entry.path);
    }
    return paths;
}

// Texts that collide in every field, in case and beyond A-Z.
void appendMixedEntries(TracklistStore& store, int count) {
    const QStringList words{u"b"_s, u"B"_s, u"a"_s, u"\u00C9"_s, u"\u00E9"_s, u""_s, u"ab"_s};
    for (int i = 0; i < count; ++i) {
        TrackEntry entry;
        entry.path = u"/m/%1/%2.mp3"_s.arg(words[(i * 3) % 7]).arg(i % 5);
        entry.name = words[(i * 5) % 7] + QString::number(i % 4);
        entry.artist = words[i % 7];
        entry.genre = words[(i / 2) % 7];
        entry.source = words[(i / 3) % 7] + u"x"_s;
        entry.date = QString::number(1990 + i % 3);
        entry.comment = words[(i + 1) % 7];
        entry.playable = 1;
        store.AppendEntry(entry);
    }
}

// The window formats its lines only as it shows them; what it shows is what
// the lines always said: each line in the format it was built with, every
// line in the format of the moment after a sort, in the order of the old sort.
TEST_F(TracklistWindowTest, LinesReadAsTheyAlwaysDidForEveryFormatAndSort) {
    tagPage.listFormat = u"%a - %n"_s;
    store.AddPath(u"/gone/b.mp3"_s);
    store.AddPath(u"/gone/a.mp3"_s);
    tagPage.listFormat = u"[%n]"_s;
    store.AddPath(u"/gone/c.mp3"_s);
    EXPECT_EQ(shownLines(), (QStringList{u"N/A - b.mp3"_s, u"N/A - a.mp3"_s, u"[c.mp3]"_s}));
    clickLine(1);
    trigger(Rescan);  // the rescanned line takes the new format, the others keep theirs
    EXPECT_EQ(shownLines(), (QStringList{u"N/A - b.mp3"_s, u"[a.mp3]"_s, u"[c.mp3]"_s}));

    appendMixedEntries(store, 60);
    const QStringList formats{u"%a - %n"_s, u"%N/%A"_s, u"%s|%g|%d|%c|%x%"_s, u""_s};
    for (const QString& format : formats) {
        for (SortKey key : {SortKey::Fullpath, SortKey::Path, SortKey::Name, SortKey::Genre,
                            SortKey::Source, SortKey::Artist}) {
            tagPage.listFormat = format;
            const std::vector<TrackEntry> expected = bubbleSorted(storeEntries(store), key);
            sortByMenu(wnd, key);
            ASSERT_EQ(pathsOf(storeEntries(store)), pathsOf(expected))
                << format.toStdString() << " " << static_cast<int>(key);
            QStringList lines;
            for (const TrackEntry& entry : expected) {
                lines.append(FormatEntry(format, entry));
            }
            // Twice: once formatted, once from what the list keeps of it.
            EXPECT_EQ(shownLines(), lines) << format.toStdString() << static_cast<int>(key);
            EXPECT_EQ(shownLines(), lines);
        }
    }
}

// A long sort serves events between its slices; nothing the user does then
// changes the list, and the order at the end is the old sort's.
TEST_F(TracklistWindowTest, ASortInSlicesGivesTheOldOrderAndTheListCannotBeEditedMeanwhile) {
    appendMixedEntries(store, 3000);
    store.FillList();
    writeMp3("drop/new.mp3");
    const std::vector<TrackEntry> before = storeEntries(store);
    const QStringList linesBefore = shownLines();
    const std::vector<TrackEntry> expected = bubbleSorted(before, SortKey::Artist);
    ui.promptAnswers.push_back(u"/m/typed.mp3"_s);
    ui.openAnswers.push_back({path("drop/new.mp3")});
    int slices = 0;
    bool listMoved = false;
    ui.onDispatch = [&] {
        if (!store.busy()) {
            return;
        }
        ++slices;
        clickLine(slices % 50);
        pressInList(Qt::Key_Delete);
        pressInList(Qt::Key_Insert);
        for (int command : {Delete, Add, Rescan, OpenNew}) {
            wnd.OnCommand(command);
        }
        sortByMenu(wnd, SortKey::Name);  // a second sort from a menu left open
        store.AddDroppedFiles({path("drop")});
        store.AddDroppedAsCurrent({path("drop/new.mp3")});
        // Until the sort ends, the list shows the entries as they were.
        listMoved = listMoved || store.EntryCount() != static_cast<int>(before.size()) ||
                    wnd.list().model()->rowCount() != static_cast<int>(before.size()) ||
                    store.EntryAt(slices % 50).path != before[slices % 50].path ||
                    wnd.lines().line(slices % 50) != linesBefore[slices % 50];
    };
    sortByMenu(wnd, SortKey::Artist);
    ui.onDispatch = nullptr;

    EXPECT_GT(slices, 10) << "the sort served events between its slices";
    EXPECT_FALSE(listMoved);
    EXPECT_EQ(pathsOf(storeEntries(store)), pathsOf(expected));
    EXPECT_EQ(ui.promptCaptions.size(), 0);
    EXPECT_EQ(ui.openAnswers.size(), 1u);
    QStringList lines;
    for (const TrackEntry& entry : expected) {
        lines.append(FormatEntry(tagPage.listFormat, entry));
    }
    EXPECT_EQ(shownLines(), lines);
}

// A long delete serves events between its slices. Nothing the user does then
// changes the list; a track that ends meanwhile moves the current track on, and
// the new one stays current; at the end exactly the unselected entries remain,
// in order, and the duplicate test knows which paths are left.
TEST_F(TracklistWindowTest, ADeleteInSlicesLeavesTheUnselectedInOrderAndHoldsEditsBack) {
    QStringList paths;
    for (int i = 0; i < 13000; ++i) {
        paths.append(u"/m/%1.mp3"_s.arg(i % 9000));  // rows from 9000 on repeat a path
    }
    fillEntries(paths);
    writeMp3("drop/new.mp3");
    auto chosen = [](int row) { return row % 3 != 2 && row % 11 != 5; };
    store.SetCurrent(5002);  // selected; the line after it is not
    QItemSelection selection;
    QStringList expected;
    for (int row = 0; row < paths.size(); ++row) {
        if (chosen(row)) {
            selection.select(wnd.list().model()->index(row, 0), wnd.list().model()->index(row, 0));
        } else {
            expected.append(paths[row]);
        }
    }
    wnd.list().selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    ui.promptAnswers.push_back(u"/m/typed.mp3"_s);
    ui.openAnswers.push_back({path("drop/new.mp3")});
    int slices = 0;
    bool listMoved = false;
    ui.onDispatch = [&] {
        if (!store.busy()) {
            return;
        }
        if (++slices == 2) {
            store.NextTrack(false, false);  // the playing track ended
        }
        pressInList(Qt::Key_Delete);
        pressInList(Qt::Key_Insert);
        for (int command : {Delete, Add, Rescan, OpenNew}) {
            wnd.OnCommand(command);
        }
        sortByMenu(wnd, SortKey::Name);
        store.AddDroppedFiles({path("drop")});
        const int row = (slices * 997) % 13000;
        listMoved = listMoved || store.EntryCount() != 13000 ||
                    wnd.list().model()->rowCount() != 13000 ||
                    store.EntryAt(row).path != paths[row] ||
                    wnd.lines().line(row) != u" - %1.mp3"_s.arg(row % 9000);
    };
    trigger(Delete);
    ui.onDispatch = nullptr;

    EXPECT_GE(slices, 3) << "the delete served events between its slices";
    EXPECT_FALSE(listMoved);
    EXPECT_FALSE(store.busy());
    EXPECT_EQ(pathsOf(storeEntries(store)), expected);
    EXPECT_EQ(wnd.list().model()->rowCount(), expected.size());
    EXPECT_EQ(wnd.lines().line(1), u" - 5.mp3"_s);
    EXPECT_EQ(store.EntryAt(-1).path, u"/m/5003.mp3"_s);
    EXPECT_EQ(selectionOf(wnd), QStringList{QString::number(expected.indexOf(u"/m/5003.mp3"_s))});
    for (int i = 0; i < 9000; i += 7) {
        const QString gone = u"/m/%1.mp3"_s.arg(i);
        EXPECT_EQ(store.IndexOfPath(gone), expected.indexOf(gone)) << i;
    }
    EXPECT_EQ(ui.promptCaptions.size(), 0);
    EXPECT_EQ(ui.openAnswers.size(), 1u);
}

}  // namespace
