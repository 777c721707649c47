// AddToDictionary: typed paths, the case-blind duplicate test and folder walks.
#include <algorithm>
#include <filesystem>

#include "jukebox/common/path_functions.h"

#include "tests/jukebox/dictionary/dictionary_fixture.h"

namespace fs = std::filesystem;

namespace {

using namespace Qt::StringLiterals;

TEST_F(DictionaryTest, AddingIgnoresCaseWhileLookupsDoNot) {
    EXPECT_EQ(store.AddToDictionary(QStringLiteral("D:\\video\\Song.avi")), 1);
    EXPECT_EQ(store.rowAt(0), makeRow(QStringLiteral("Song.avi"), QStringLiteral("Song.avi")));
    EXPECT_EQ(store.AddToDictionary(QStringLiteral("/other/song.avi")), 0);
    EXPECT_EQ(store.AddToDictionary(QStringLiteral("/other/SONG.AVI")), 0);
    EXPECT_EQ(store.findRow(QStringLiteral("song.avi")), -1);
    // A rename away frees the name for adding.
    store.renameRow(0, QStringLiteral("Other.avi"));
    EXPECT_EQ(store.AddToDictionary(QStringLiteral("/other/song.avi")), 1);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(DictionaryTest, CaseBlindnessFollowsSimpleUnicodeFolding) {
    struct Case {
        const char16_t* first;
        const char16_t* second;
        bool duplicate;
    };
    const Case cases[] = {
        {u"\u00C4rger.mp3", u"\u00E4RGER.mp3", true},  // Latin-1 umlaut
        {u"\u03A3\u039F\u03A6\u039F\u03A3.mp3", u"\u03C3\u03BF\u03C6\u03BF\u03C2.mp3",
         true},                                        // final sigma
        {u"\u0416.mp3", u"\u0436.mp3", true},          // Cyrillic
        {u"\U00010400.mp3", u"\U00010428.mp3", true},  // Deseret, beyond U+FFFF
        {u"\u212A.mp3", u"k.mp3", true},               // Kelvin sign
        {u"\uFF21.mp3", u"\uFF41.mp3", true},          // full-width A
        {u"Stra\u00DFe.mp3", u"STRASSE.mp3", false},   // no one-to-two folding
        {u"\u00E9.mp3", u"e\u0301.mp3", false},        // no normalisation
        {u"\u0130.mp3", u"i.mp3", false},              // dotted capital I
        {u"\u00C5.mp3", u"\u212B.mp3", true},          // Angstrom sign
    };
    for (const Case& c : cases) {
        DictionaryStore fresh(ui, lists, folder());
        ASSERT_EQ(fresh.AddToDictionary(qs(c.first)), 1);
        EXPECT_EQ(fresh.AddToDictionary(qs(c.second)), c.duplicate ? 0 : 1)
            << QString::fromUtf16(c.second).toStdString();
    }
}

TEST_F(DictionaryTest, OnlyMediaNamesThatFitOnALineAreAdded) {
    for (const char16_t* path : {u"", u".", u"..", u"/music/.", u"/music/..", u"notes.txt",
                                 u"noextension", u"song.mp3.txt", u"two\nlines.mp3", u"cr\r.wav"}) {
        EXPECT_EQ(store.AddToDictionary(qs(path)), 0) << QString::fromUtf16(path).toStdString();
    }
    QString longName = QString(DictionaryStore::kMaxTextUnits, u'n') + QStringLiteral(".mp3");
    EXPECT_EQ(store.AddToDictionary(longName), 0);
    EXPECT_EQ(store.AddToDictionary(QStringLiteral("/no/such/file.WAV")), 1);
    EXPECT_EQ(store.AddToDictionary(QStringLiteral("fifty.Mp3")), 1);
    EXPECT_EQ(store.AddToDictionary(QStringLiteral("/dotless/mp3")),
              1);  // the whole name is the extension
    EXPECT_TRUE(ui.messages.isEmpty());
}

class DictionaryFolderTest : public DictionaryTest {
protected:
    void touch(const std::string& relative) {
        fs::create_directories((dir / relative).parent_path());
        writeFileBytes(dir / relative, "");
    }
    QStringList sortedNames() const {
        QStringList names = filenames();
        names.sort();
        return names;
    }
};

TEST_F(DictionaryFolderTest, AFolderAddsEveryMediaFileBelowItOnceInNaturalOrder) {
    touch("drop/one.mp3");
    touch("drop/sub/two.avi");
    touch("drop/sub/deeper/ONE.MP3");  // same name, other case, met later: refused
    touch("drop/cover.jpg");
    touch("drop/10 - y.mp3");
    touch("drop/Bonus.wav");
    touch("drop/.hidden.wav");
    touch("drop/2 - x.mp3");
    touch("drop/clip.avi/inside.wav");  // a folder with a media name is walked, not added
    fs::create_directories(dir / "drop/empty");
    EXPECT_EQ(store.AddToDictionary(pathIn("drop")), 7);
    // Each folder's names by value and without regard to case, subfolders at
    // their place among them.
    EXPECT_EQ(filenames(),
              QStringList({u".hidden.wav"_s, u"2 - x.mp3"_s, u"10 - y.mp3"_s, u"Bonus.wav"_s,
                           u"inside.wav"_s, u"one.mp3"_s, u"two.avi"_s}));
    EXPECT_GE(ui.dispatchCount, 1);
    // A trailing separator names the same folder; everything is known by now.
    EXPECT_EQ(store.AddToDictionary(pathIn("drop/")), 0);
}

// Names in GBK bytes, of files and of a folder, are added as their bytes decode:
// two names that a lossy decode would make alike stay two, the folder is walked,
// and a track found by the tracklist's walk finds its row.
TEST_F(DictionaryFolderTest, NamesThatAreNotUtf8AreAddedAsTheirBytes) {
    touch("drop/\xD4\xC2.avi");
    touch("drop/\xC1\xC1.avi");
    touch("drop/\xB8\xE8/\xC1\xD0.wav");
    auto text = [this](const std::string& name) {
        return PathFromLocalBytes(QByteArray::fromStdString((dir / name).string()));
    };
    EXPECT_EQ(store.AddToDictionary(text("drop")), 3);
    QStringList expected{FileNamePart(text("drop/\xD4\xC2.avi")),
                         FileNamePart(text("drop/\xC1\xC1.avi")),
                         FileNamePart(text("drop/\xB8\xE8/\xC1\xD0.wav"))};
    expected.sort();
    EXPECT_EQ(sortedNames(), expected);
    TrackEntry entry;
    entry.path = text("drop/\xB8\xE8/\xC1\xD0.wav");
    EXPECT_TRUE(store.FindInDictionary(entry));
    EXPECT_EQ(entry.mediaKind, MediaAudio);
}

TEST_F(DictionaryFolderTest, SymbolicLinkLoopsEndTheWalk) {
    touch("tree/a.mp3");
    touch("tree/sub/b.wav");
    touch("outside/c.avi");
    // Two ways back up at every level: unguarded, the walk would grow as 2^depth.
    fs::create_directory_symlink(dir / "tree", dir / "tree/sub/up");
    fs::create_directory_symlink("..", dir / "tree/sub/parent");
    fs::create_directory_symlink("self", dir / "tree/self");  // points at itself
    fs::create_directory_symlink(dir / "outside", dir / "tree/sub/out");
    fs::create_symlink(dir / "outside/c.avi", dir / "tree/link.avi");
    EXPECT_EQ(store.AddToDictionary(pathIn("tree")), 4);
    EXPECT_EQ(sortedNames(), QStringList({QStringLiteral("a.mp3"), QStringLiteral("b.wav"),
                                          QStringLiteral("c.avi"), QStringLiteral("link.avi")}));
}

TEST_F(DictionaryFolderTest, EventsDispatchedDuringAWalkCannotStartAnother) {
    for (int i = 0; i < 200; ++i) {
        touch("many/f" + std::to_string(i) + ".mp3");
    }
    int nestedAdds = 0;
    bool nestedLoad = true;
    bool nestedSave = true;
    ui.onDispatch = [&] {
        EXPECT_TRUE(store.busy());
        nestedAdds += store.AddToDictionary(QStringLiteral("nested.avi"));
        nestedLoad = store.LoadDictionary();
        nestedSave = store.SaveDictionary();
        // Edits from the window stay allowed and keep the indexes right.
        if (store.rowCount() > 0) {
            store.deleteRows({0});
        }
    };
    int added = store.AddToDictionary(pathIn("many"));
    ui.onDispatch = nullptr;
    EXPECT_FALSE(store.busy());
    EXPECT_GE(ui.dispatchCount, 1);
    EXPECT_EQ(nestedAdds, 0);
    EXPECT_FALSE(nestedLoad);
    EXPECT_FALSE(nestedSave);
    EXPECT_EQ(added, 200);
    for (const QString& name : filenames()) {
        EXPECT_EQ(store.findRow(name), filenames().indexOf(name));
    }
    EXPECT_FALSE(fs::exists(dir / "default.dic"));
    EXPECT_TRUE(ui.messages.isEmpty());
}

}  // namespace
