// default.dic: its line order, its messages and what survives a failure.
#include "jukebox/dictionary/dictionary_listener.h"
#include "tests/jukebox/common/unprivileged.h"
#include "tests/jukebox/dictionary/dictionary_fixture.h"

namespace {

const QStringList kTwoRowsInFileOrder = {
    // Filename, Display, Artist, Genre, Date, Source, Comment
    QStringLiteral("Song.avi"),
    QStringLiteral("The Song"),
    QStringLiteral("Band"),
    QStringLiteral("Rock"),
    QStringLiteral("1999"),
    QStringLiteral("Album"),
    QStringLiteral("live"),
    QStringLiteral("b.wav"),
    QString(),
    QString(),
    QString(),
    QString(),
    qs(u"\u4E2D\U0001F3B5"),
    QString(),
};

TEST_F(DictionaryTest, LoadsGenreAndDateBeforeSourceAndSavesTheSameBytes) {
    writeFileBytes(dir / "default.dic", dicBytes(kTwoRowsInFileOrder));
    ASSERT_TRUE(store.LoadDictionary());
    ASSERT_EQ(store.rowCount(), 2);
    const DictionaryEntry& first = store.rowAt(0);
    EXPECT_EQ(first.display, QStringLiteral("The Song"));
    EXPECT_EQ(first.artist, QStringLiteral("Band"));
    EXPECT_EQ(first.genre, QStringLiteral("Rock"));
    EXPECT_EQ(first.date, QStringLiteral("1999"));
    EXPECT_EQ(first.source, QStringLiteral("Album"));
    EXPECT_EQ(first.comment, QStringLiteral("live"));
    EXPECT_EQ(store.rowAt(1).source, qs(u"\u4E2D\U0001F3B5"));
    EXPECT_TRUE(store.rowAt(1).display.isEmpty());
    EXPECT_TRUE(ui.messages.isEmpty());

    std::string before = dicFile();
    writeFileBytes(dir / "default.dic", "");
    ASSERT_TRUE(store.SaveDictionary());
    EXPECT_EQ(dicFile(), before);  // mark, then fourteen CR LF lines
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("Dictionary saved")});
}

TEST_F(DictionaryTest, MissingFileIsCreatedWithTheMarkSoTheNextStartIsQuiet) {
    EXPECT_FALSE(store.LoadDictionary());
    EXPECT_EQ(ui.messages,
              QStringList{QStringLiteral("Cannot open default.dic\nWill attempt to create")});
    EXPECT_EQ(dicFile(), "\xFF\xFE");
    ui.messages.clear();
    EXPECT_TRUE(store.LoadDictionary());
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(store.rowCount(), 0);
}

TEST_F(DictionaryTest, LoadRefusals) {
    struct Case {
        const char* what;
        std::string bytes;
        bool loaded;
        QStringList messages;
    };
    const QStringList notUnicode{QStringLiteral("Dictionary not in UNICODE")};
    const Case cases[] = {
        {"zero bytes", "", true, {}},
        {"big-endian mark", std::string("\xFE\xFF\0a\0\r\0\n", 8), false, notUnicode},
        {"utf-8 mark",
         "\xEF\xBB\xBF"
         "a.avi\r\n",
         false, notUnicode},
        {"plain text", "a.avi\r\n", false, notUnicode},
        {"one byte", "\xFF", false, notUnicode},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        store.AddToDictionary(QStringLiteral("left.avi"));  // a load replaces every row
        writeFileBytes(dir / "default.dic", c.bytes);
        ui.messages.clear();
        EXPECT_EQ(store.LoadDictionary(), c.loaded);
        EXPECT_EQ(ui.messages, c.messages);
        EXPECT_EQ(store.rowCount(), 0);
        EXPECT_EQ(dicFile(), c.bytes);
    }
}

// A file the load refused is still the user's: the first save keeps it beside the
// new one, never over an earlier copy; where no copy can be made, nothing is saved.
TEST_F(DictionaryTest, AFileThatFailedToLoadIsKeptBeforeTheFirstSave) {
    const std::string ansi = "Song.avi\r\nThe Song\r\n";
    writeFileBytes(dir / "default.dic", ansi);
    writeFileBytes(dir / "default.dic.bak", "older");
    ASSERT_FALSE(store.LoadDictionary());
    store.AddToDictionary(QStringLiteral("new.avi"));
    ui.messages.clear();
    ASSERT_TRUE(store.SaveDictionary());
    EXPECT_EQ(ui.messages, QStringList({QStringLiteral("default.dic was not in UNICODE; it was "
                                                       "kept as default.dic.1.bak"),
                                        QStringLiteral("Dictionary saved")}));
    EXPECT_EQ(readFileBytes(dir / "default.dic.1.bak"), ansi);
    EXPECT_EQ(readFileBytes(dir / "default.dic.bak"), "older");
    EXPECT_EQ(dicFile(), dicBytes({QStringLiteral("new.avi"), QStringLiteral("new.avi"), QString(),
                                   QString(), QString(), QString(), QString()}));
    ui.messages.clear();
    ASSERT_TRUE(store.SaveDictionary());
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("Dictionary saved")});

    std::filesystem::create_directory(dir / "locked");
    writeFileBytes(dir / "locked" / "default.dic", ansi);
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0755));
    std::filesystem::permissions(dir / "locked" / "default.dic", std::filesystem::perms(0666));
    std::filesystem::permissions(dir / "locked", std::filesystem::perms(0555));
    const std::string found = RunUnprivileged([&] {
        ui.messages.clear();
        DictionaryStore locked(ui, lists, pathIn("locked"));
        locked.LoadDictionary();
        locked.AddToDictionary(QStringLiteral("new.avi"));
        const bool saved = locked.SaveDictionary();
        return std::string(saved ? "saved" : "refused") + ": " +
               ui.messages.join(u'|').toStdString();
    });
    std::filesystem::permissions(dir / "locked", std::filesystem::perms(0755));
    EXPECT_EQ(found, "refused: Dictionary not in UNICODE|Cannot open default.dic");
    EXPECT_EQ(readFileBytes(dir / "locked" / "default.dic"), ansi);
}

TEST_F(DictionaryTest, AFileThatCannotBeCreatedEndsTheProgram) {
    DictionaryStore nowhere(ui, lists, pathIn("no/such/folder"));
    EXPECT_FALSE(nowhere.LoadDictionary());
    EXPECT_EQ(ui.fatalMessages, QStringList{QStringLiteral("Cannot create.  Exiting...")});
    // A default.dic that cannot be read is never overwritten.
    std::filesystem::create_directory(dir / "default.dic");
    writeFileBytes(dir / "default.dic" / "keep", "x");
    ui.fatalMessages.clear();
    EXPECT_FALSE(store.LoadDictionary());
    EXPECT_EQ(ui.fatalMessages.size(), 1);
    EXPECT_EQ(readFileBytes(dir / "default.dic" / "keep"), "x");
}

TEST_F(DictionaryTest, AFileEndingInsideARowKeepsItWithEmptyTexts) {
    std::string bytes = dicBytes(
        {QStringLiteral("a.avi"), QStringLiteral("A"), QString(), QString(), QString(), QString(),
         QString(), QStringLiteral("cut.wav"), QStringLiteral("Cut"), QStringLiteral("Artist")});
    bytes.resize(bytes.size() - 4);  // the last line has no CR LF either
    writeFileBytes(dir / "default.dic", bytes);
    ASSERT_TRUE(store.LoadDictionary());
    ASSERT_EQ(store.rowCount(), 2);
    DictionaryEntry cut =
        makeRow(QStringLiteral("cut.wav"), QStringLiteral("Cut"), QStringLiteral("Artist"));
    EXPECT_EQ(store.rowAt(1), cut);
}

TEST_F(DictionaryTest, AFailedSaveKeepsTheOldFileAndTheRows) {
    store.AddToDictionary(QStringLiteral("old.avi"));
    ASSERT_TRUE(store.SaveDictionary());
    std::string before = dicFile();
    store.AddToDictionary(QStringLiteral("new.avi"));
    ui.messages.clear();
    {
        FileSizeLimit limit(static_cast<long long>(before.size()) + 4);
        EXPECT_FALSE(store.SaveDictionary());
    }
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("Cannot open default.dic")});
    EXPECT_EQ(dicFile(), before);
    EXPECT_EQ(store.rowCount(), 2);
}

TEST_F(DictionaryTest, TextsStayOneLineSoTheRowsKeepTheirRhythm) {
    store.AddToDictionary(QStringLiteral("a.avi"));
    store.AddToDictionary(QStringLiteral("b.avi"));
    QString longText = QString(256, u'x') + qs(u"\U0001F3B5") + QStringLiteral("tail");
    store.setText(0, ColumnDisplay, longText);
    store.setText(0, ColumnComment, QStringLiteral("two\r\nlines"));
    EXPECT_EQ(store.rowAt(0).display, QString(256, u'x'));  // no half surrogate pair
    EXPECT_EQ(store.rowAt(0).comment, QStringLiteral("two  lines"));
    store.setText(0, ColumnArtist, QString(300, u'y'));
    EXPECT_EQ(store.rowAt(0).artist.size(), DictionaryStore::kMaxTextUnits);

    ASSERT_TRUE(store.SaveDictionary());
    DictionaryStore reloaded(ui, lists, folder());
    ASSERT_TRUE(reloaded.LoadDictionary());
    ASSERT_EQ(reloaded.rowCount(), 2);
    EXPECT_EQ(reloaded.rowAt(0), store.rowAt(0));
    EXPECT_EQ(reloaded.rowAt(1).filename, QStringLiteral("b.avi"));
}

// Texts of any length, as a foreign file may hold them, are read whole, and every
// save reads back as it was: a text cut into two lines would shift every later row.
// Lines ended by CR alone are read too.
TEST_F(DictionaryTest, EverySaveReloadsAsItWas) {
    QStringList lines = kTwoRowsInFileOrder;
    lines[0] = QString(258, u'n') + QStringLiteral(".avi");
    lines[1] = QString(258, u'd');
    lines[9] = QString(300, u'a');
    writeFileBytes(dir / "default.dic", dicBytes(lines));
    ASSERT_TRUE(store.LoadDictionary());
    ASSERT_EQ(store.rowCount(), 2);
    EXPECT_EQ(store.rowAt(0).filename, lines[0]);
    EXPECT_EQ(store.rowAt(0).display, lines[1]);
    EXPECT_EQ(store.rowAt(1).artist, lines[9]);
    const std::string saved = dicBytes(lines);
    for (int cycle = 1; cycle <= 2; ++cycle) {
        ASSERT_TRUE(store.SaveDictionary());
        EXPECT_TRUE(dicFile() == saved) << "cycle " << cycle;
        ASSERT_TRUE(store.LoadDictionary());
        ASSERT_EQ(store.rowCount(), 2) << "cycle " << cycle;
    }
    std::string crOnly = dicBytes({kTwoRowsInFileOrder.join(u'\r')});
    writeFileBytes(dir / "default.dic", crOnly.substr(0, crOnly.size() - 2));
    ASSERT_TRUE(store.LoadDictionary());
    ASSERT_EQ(store.rowCount(), 2);
    EXPECT_EQ(store.rowAt(1).filename, QStringLiteral("b.wav"));
    EXPECT_EQ(store.rowAt(1).source, kTwoRowsInFileOrder[12]);
}

// What the listener hears of the modified state, and when.
class ModifiedLog : public DictionaryListener {
public:
    void modifiedChanged(bool modified) override { heard.append(modified); }
    QList<bool> heard;
};

TEST_F(DictionaryTest, EveryRowChangeMarksTheRowsModifiedUntilALoadOrASuccessfulSave) {
    ModifiedLog log;
    store.setListener(&log);
    auto expectModified = [&](bool expected, const char* after) {
        EXPECT_EQ(store.modified(), expected) << "after " << after;
    };
    store.AddToDictionary(QStringLiteral("a.avi"));
    expectModified(true, "add");
    ASSERT_TRUE(store.SaveDictionary());
    expectModified(false, "save");
    store.AddToDictionary(QStringLiteral("A.AVI"));            // refused as a duplicate
    store.setText(0, ColumnDisplay, QStringLiteral("a.avi"));  // the text it has
    store.deleteRows({7});
    expectModified(false, "changes that change nothing");
    store.setText(0, ColumnArtist, QStringLiteral("Band"));
    expectModified(true, "edit");
    ASSERT_TRUE(store.SaveDictionary());
    store.renameRow(0, QStringLiteral("b.avi"));
    expectModified(true, "rename");
    {
        FileSizeLimit limit(8);
        EXPECT_FALSE(store.SaveDictionary());
    }
    expectModified(true, "a failed save");
    ASSERT_TRUE(store.LoadDictionary());
    expectModified(false, "load");
    EXPECT_EQ(store.rowAt(0).artist, QStringLiteral("Band"));
    store.deleteRows({0});
    expectModified(true, "delete");
    EXPECT_EQ(log.heard, (QList<bool>{true, false, true, false, true, false, true}));
    store.setListener(nullptr);
}

}  // namespace
