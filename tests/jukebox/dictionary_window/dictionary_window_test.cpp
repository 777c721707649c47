// The dictionary window driven as the user drives it: adding, saving and the
// modified mark, renaming in place, deleting, drops of folders, closing, and
// the question about unsaved changes at program close.
#include <QAbstractItemDelegate>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <filesystem>
#include <set>

#include "tests/jukebox/dictionary_window/dictionary_window_fixture.h"

namespace fs = std::filesystem;

namespace {

using namespace Qt::StringLiterals;
using Answer = UiService::Answer;

TEST_F(DictionaryWindowTest, AddedAndEditedEntriesAreSavedAndTheModifiedMarkComesAndGoes) {
    EXPECT_EQ(shownTitle(), u"Mapping Dictionary"_s);
    ui.promptAnswers = {u"/films/Song.avi"_s, u"\u4E2D\u6587.wav"_s};
    pressInList(Qt::Key_Insert);
    triggerMenu(u"Add"_s);
    EXPECT_EQ(ui.promptCaptions, (QStringList{u"Add entry"_s, u"Add entry"_s}));
    EXPECT_EQ(shownTitle(), u"Mapping Dictionary*"_s);

    pickRows({0});
    whenTagEditShows([](CTagEditDialog& dialog) {
        QTest::keyClicks(&dialog.edit(1), u"Band"_s);
        QTest::keyClicks(&dialog.edit(4), u"1999"_s);
        dialog.accept();
    });
    pressInList(Qt::Key_Space);
    QTest::mouseClick(&wnd.saveButton(), Qt::LeftButton);
    EXPECT_EQ(ui.messages, QStringList{u"Dictionary saved"_s});
    EXPECT_EQ(shownTitle(), u"Mapping Dictionary"_s);
    // Filename, Display, Artist, Genre, Date, Source, Comment for each row.
    EXPECT_EQ(dicFile(), dicBytes({u"Song.avi"_s,
                                   u"Song.avi"_s,
                                   u"Band"_s,
                                   {},
                                   u"1999"_s,
                                   {},
                                   {},
                                   u"\u4E2D\u6587.wav"_s,
                                   u"\u4E2D\u6587.wav"_s,
                                   {},
                                   {},
                                   {},
                                   {},
                                   {}}));

    store.setText(1, ColumnComment, u"live"_s);
    EXPECT_EQ(shownTitle(), u"Mapping Dictionary*"_s);
}

TEST_F(DictionaryWindowTest, RenameEditsTheFilenameOfTheCaretRowInPlace) {
    loadRows({makeRow(u"a.avi"_s, u"A"_s), makeRow(u"b.avi"_s, u"B"_s)});
    auto renameTo = [&](const QString& text, Qt::Key ending) {
        pickRows({1});
        triggerMenu(u"Rename"_s);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text(), store.rowAt(1).filename);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, ending);
        QCoreApplication::processEvents();  // the view ends its editor later
    };
    renameTo(u"given up.avi"_s, Qt::Key_Escape);
    EXPECT_EQ(store.rowAt(1).filename, u"b.avi"_s);
    EXPECT_FALSE(store.modified());

    renameTo(u"Renamed.avi"_s, Qt::Key_Return);
    EXPECT_EQ(rows(), (QList<DictionaryEntry>{makeRow(u"a.avi"_s, u"A"_s),
                                              makeRow(u"Renamed.avi"_s, u"B"_s)}));
    EXPECT_EQ(store.findRow(u"Renamed.avi"_s), 1);
    EXPECT_EQ(wnd.list().model()->index(1, ColumnFilename).data().toString(), u"Renamed.avi"_s);
}

TEST_F(DictionaryWindowTest, DeleteRemovesEverySelectedRow) {
    loadRows({makeRow(u"a.avi"_s, u"A"_s), makeRow(u"b.avi"_s, u"B"_s), makeRow(u"c.avi"_s, u"C"_s),
              makeRow(u"d.avi"_s, u"D"_s)});
    pickRows({0, 2});
    pressInList(Qt::Key_Delete);
    EXPECT_EQ(rows(),
              (QList<DictionaryEntry>{makeRow(u"b.avi"_s, u"B"_s), makeRow(u"d.avi"_s, u"D"_s)}));
    EXPECT_EQ(wnd.list().model()->rowCount(), 2);
    pickRows({1});
    triggerMenu(u"Delete"_s);
    EXPECT_EQ(rows(), QList<DictionaryEntry>{makeRow(u"b.avi"_s, u"B"_s)});
}

QUrl urlOfBytes(const QByteArray& path) {
    return QUrl(u"file://"_s + QString::fromLatin1(path.toPercentEncoding("/")));
}

std::set<QString> filenameSet(const QStringList& names) {
    return {names.begin(), names.end()};
}

TEST_F(DictionaryWindowTest, ADroppedFolderAddsEachMediaFileNameOnce) {
    // The dropped folder's name is GBK bytes: only a byte-exact path reaches it.
    const QByteArray top = QByteArray::fromStdString(dir.path().string()) + "/\xD4\xC2\xC1\xC1";
    const fs::path root(top.toStdString());
    for (const char* file : {"one/song.mp3", "two/Song.MP3", "two/clip.avi", "two/deep/x.wav",
                             "notes.txt", "three/song.mp3", "films.avi/inner.mp3"}) {
        fs::create_directories((root / file).parent_path());
        writeFileBytes(root / file, "x");
    }
    writeFileBytes(dir / "single.wav", "x");
    EXPECT_TRUE(drop({urlOfBytes(top), QUrl::fromLocalFile(pathIn("single.wav")),
                      QUrl(u"http://radio/stream.mp3"_s)}));
    // Walked in natural order, case ignored: one/song.mp3 is met before
    // two/Song.MP3, and in two/ clip.avi and deep/ come before it.
    EXPECT_EQ(filenames(), QStringList({u"inner.mp3"_s, u"song.mp3"_s, u"clip.avi"_s, u"x.wav"_s,
                                        u"single.wav"_s}));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(DictionaryWindowTest, ADropThatComesWhileAnotherIsHandledIsIgnored) {
    for (const char* file : {"walk/a.mp3", "walk/b.mp3", "walk/c.mp3", "late.avi"}) {
        fs::create_directories((dir / file).parent_path());
        writeFileBytes(dir / file, "x");
    }
    ui.setDispatchIntervalMs(0);
    int lateDrops = 0;
    bool lateTaken = false;
    ui.onDispatch = [&] {
        if (lateDrops++ == 0) {
            lateTaken = drop({QUrl::fromLocalFile(pathIn("late.avi"))});
        }
    };
    EXPECT_TRUE(drop({QUrl::fromLocalFile(pathIn("walk"))}));
    EXPECT_GT(lateDrops, 0);
    EXPECT_FALSE(lateTaken);
    EXPECT_EQ(filenameSet(filenames()), filenameSet({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}));
    EXPECT_FALSE(wnd.busy());

    ui.onDispatch = nullptr;
    EXPECT_TRUE(drop({QUrl::fromLocalFile(pathIn("late.avi"))}));
    EXPECT_EQ(store.rowCount(), 4);
}

TEST_F(DictionaryWindowTest, CloseHidesAfterTheFadeAndTellsTheMainWindow) {
    QSignalSpy closed(&wnd, &CDictionaryWnd::closed);
    QTest::mouseClick(&wnd.closeButton(), Qt::LeftButton);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(wnd.shownOrShowing());
    wnd.FinishFade();
    EXPECT_FALSE(wnd.isVisible());
    EXPECT_TRUE(wnd.Toggle());
    wnd.FinishFade();
    EXPECT_TRUE(wnd.isVisible());
    EXPECT_DOUBLE_EQ(wnd.windowOpacity(), 1.0);
    EXPECT_FALSE(wnd.Toggle());
    EXPECT_EQ(closed.count(), 1);  // only Close tells
}

TEST_F(DictionaryWindowTest, UnsavedChangesAtProgramCloseAreSavedDiscardedOrKept) {
    EXPECT_TRUE(wnd.ConfirmClose());
    EXPECT_TRUE(ui.questions.isEmpty());  // nothing to lose, nothing asked

    loadRows({makeRow(u"a.avi"_s, u"A"_s)});
    const std::string saved = dicFile();
    store.setText(0, ColumnArtist, u"Band"_s);
    ui.answers = {Answer::Cancel, Answer::No, Answer::Yes, Answer::Yes};
    EXPECT_FALSE(wnd.ConfirmClose());
    EXPECT_TRUE(wnd.ConfirmClose());
    EXPECT_EQ(dicFile(), saved);
    EXPECT_TRUE(store.modified());
    {
        FileSizeLimit limit(8);
        EXPECT_FALSE(wnd.ConfirmClose());  // the save failed: the program stays
    }
    EXPECT_EQ(dicFile(), saved);
    EXPECT_EQ(ui.messages, QStringList{u"Cannot open default.dic"_s});
    EXPECT_TRUE(wnd.ConfirmClose());
    EXPECT_EQ(dicFile(), dicBytes({u"a.avi"_s, u"A"_s, u"Band"_s, {}, {}, {}, {}}));
    EXPECT_EQ(ui.messages.size(), 1);  // no "saved" box on the way out
    EXPECT_EQ(ui.questions.size(), 4);
    EXPECT_EQ(shownTitle(), u"Mapping Dictionary"_s);
}

}  // namespace
