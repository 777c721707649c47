// FindInDictionary and the row edits that must keep its index in step.
#include <QRandomGenerator>

#include "jukebox/common/path_functions.h"

#include "jukebox/dictionary/dictionary_listener.h"
#include "tests/jukebox/dictionary/dictionary_fixture.h"

namespace {

class DictionaryLookupTest : public DictionaryTest {
protected:
    // Loads rows with the given file names, their Display telling them apart.
    void loadNames(const QStringList& names) {
        QStringList lines;
        for (qsizetype i = 0; i < names.size(); ++i) {
            lines << names[i] << QStringLiteral("row %1").arg(i) << QString() << QString()
                  << QString() << QString() << QString();
        }
        writeFileBytes(dir / "default.dic", dicBytes(lines));
        ASSERT_TRUE(store.LoadDictionary());
    }
    // The Display of the row FindInDictionary takes for path, or "none".
    QString found(const QString& path) {
        TrackEntry entry;
        entry.path = path;
        return store.FindInDictionary(entry) ? entry.name : QStringLiteral("none");
    }
};

TEST_F(DictionaryLookupTest, FillsTheEntryFromTheRowWithTheExactName) {
    writeFileBytes(dir / "default.dic",
                   dicBytes({QStringLiteral("Song.avi"), QStringLiteral("The Song"),
                             QStringLiteral("Band"), QString(), QStringLiteral("1999"),
                             QStringLiteral("Album"), QString(), QStringLiteral("stream"),
                             QString(), QString(), QString(), QString(), QString(), QString()}));
    ASSERT_TRUE(store.LoadDictionary());

    TrackEntry entry;
    entry.path = QStringLiteral("D:\\video\\Song.avi");
    entry.playable = 1;
    entry.genre = QStringLiteral("stale");
    entry.genreFound = true;
    entry.mediaKind = MediaAudio;
    entry.isXing = true;
    entry.durationMs = 5;
    entry.bitrateKbps = 128;
    ASSERT_TRUE(store.FindInDictionary(entry));
    TrackEntry expected;
    expected.path = entry.path;
    expected.playable = 1;
    expected.name = QStringLiteral("The Song");
    expected.artist = QStringLiteral("Band");
    expected.date = QStringLiteral("1999");
    expected.source = QStringLiteral("Album");
    expected.nameFound = expected.artistFound = expected.dateFound = expected.sourceFound = true;
    expected.mappingKind = MappingDictionary;
    expected.mediaKind = MediaVideo;  // from the row's name
    EXPECT_EQ(entry, expected);

    // Case matters, and the whole file name must match.
    for (const char16_t* miss : {u"/v/song.avi", u"/v/SONG.AVI", u"/v/Song.avi.bak", u"Song.av"}) {
        TrackEntry untouched;
        untouched.path = qs(miss);
        untouched.name = QStringLiteral("kept");
        TrackEntry copy = untouched;
        EXPECT_FALSE(store.FindInDictionary(copy)) << copy.path.toStdString();
        EXPECT_EQ(copy, untouched);
    }
    EXPECT_EQ(found(QStringLiteral("/v/Song.avi")), QStringLiteral("The Song"));
    TrackEntry notFound;  // a match leaves playable as it was, 0 too
    notFound.path = QStringLiteral("/gone/Song.avi");
    ASSERT_TRUE(store.FindInDictionary(notFound));
    EXPECT_EQ(notFound.playable, 0);
    TrackEntry address;
    address.path = QStringLiteral("http://radio.example/stream");
    ASSERT_TRUE(store.FindInDictionary(address));
    EXPECT_FALSE(address.nameFound);
    EXPECT_EQ(address.mediaKind, MediaNone);
}

TEST_F(DictionaryLookupTest, TheFirstRowWinsAfterRenamesAndDeletes) {
    loadNames({QStringLiteral("a.avi"), QStringLiteral("dup.avi"), QStringLiteral("b.avi"),
               QStringLiteral("dup.avi"), QStringLiteral("c.avi")});
    EXPECT_EQ(found(QStringLiteral("dup.avi")), QStringLiteral("row 1"));
    ASSERT_TRUE(store.renameRow(4, QStringLiteral("dup.avi")));
    EXPECT_EQ(found(QStringLiteral("dup.avi")), QStringLiteral("row 1"));
    ASSERT_TRUE(store.renameRow(1, QStringLiteral("x.avi")));
    EXPECT_EQ(found(QStringLiteral("dup.avi")), QStringLiteral("row 3"));
    ASSERT_TRUE(store.renameRow(2, QStringLiteral("dup.avi")));
    EXPECT_EQ(found(QStringLiteral("dup.avi")), QStringLiteral("row 2"));
    store.deleteRows({2, 2, 99, -1});
    EXPECT_EQ(found(QStringLiteral("dup.avi")), QStringLiteral("row 3"));
    EXPECT_EQ(found(QStringLiteral("b.avi")), QStringLiteral("none"));
    store.deleteRows({2});
    EXPECT_EQ(found(QStringLiteral("dup.avi")), QStringLiteral("row 4"));
    EXPECT_EQ(filenames(), QStringList({QStringLiteral("a.avi"), QStringLiteral("x.avi"),
                                        QStringLiteral("dup.avi")}));
    EXPECT_FALSE(store.setText(3, ColumnDisplay, QString()));
    EXPECT_FALSE(store.setText(0, DictionaryColumnCount, QString()));
}

// Random renames and deletes over few names, checked against plain scans of the rows.
// Among them the texts of file names in Latin-1 bytes: as bytes that are not UTF-8
// their letters have no case to ignore.
TEST_F(DictionaryLookupTest, IndexesAgreeWithScansOfTheRows) {
    const QStringList names{QStringLiteral("a.avi"),
                            QStringLiteral("A.avi"),
                            QStringLiteral("b.mp3"),
                            qs(u"\u00C4.wav"),
                            qs(u"\u00E4.wav"),
                            PathFromLocalBytes("\xC4.wav"),
                            PathFromLocalBytes("\xE4.wav")};
    ASSERT_FALSE(names[5].compare(names[6], Qt::CaseInsensitive) == 0);
    QStringList start;
    for (int i = 0; i < 40; ++i) {
        start << names[i % names.size()];
    }
    loadNames(start);
    QRandomGenerator random(7);
    for (int step = 0; step < 400; ++step) {
        int row = static_cast<int>(random.bounded(store.rowCount()));
        if (step % 10 == 9 && store.rowCount() > 10) {
            store.deleteRows({row, static_cast<int>(random.bounded(store.rowCount()))});
        } else {
            store.renameRow(row, names[random.bounded(names.size())]);
        }
        for (const QString& name : names) {
            int first = static_cast<int>(filenames().indexOf(name));
            bool anyCase = filenames().contains(name, Qt::CaseInsensitive);
            ASSERT_EQ(store.findRow(name), first) << "step " << step;
            ASSERT_EQ(store.containsIgnoringCase(name), anyCase) << "step " << step;
        }
    }
}

// Checks that every notification comes on the right side of its change.
class CheckingListener : public DictionaryListener {
public:
    explicit CheckingListener(const DictionaryStore& store) : store_(store) {}
    void rowsAboutToBeReset() override { log << QStringLiteral("reset?"); }
    void rowsReset() override { log << QStringLiteral("reset %1").arg(store_.rowCount()); }
    void rowsAboutToBeAppended(int first, int last) override {
        EXPECT_EQ(first, store_.rowCount());
        expectedCount_ = last + 1;
    }
    void rowsAppended() override {
        EXPECT_EQ(store_.rowCount(), expectedCount_);
        log << QStringLiteral("append %1").arg(expectedCount_ - 1);
    }
    void rowChanged(int row) override { log << QStringLiteral("changed %1").arg(row); }
    QStringList log;

private:
    const DictionaryStore& store_;
    int expectedCount_ = -1;
};

TEST_F(DictionaryLookupTest, ListenersHearEveryChange) {
    CheckingListener listener(store);
    store.setListener(&listener);
    loadNames({QStringLiteral("a.avi")});
    store.AddToDictionary(QStringLiteral("b.avi"));
    store.setText(1, ColumnArtist, QStringLiteral("x"));
    store.setText(1, ColumnArtist, QStringLiteral("x"));  // no change, no notice
    store.deleteRows({0});
    store.deleteRows({5});
    EXPECT_EQ(listener.log, QStringList({QStringLiteral("reset?"), QStringLiteral("reset 1"),
                                         QStringLiteral("append 1"), QStringLiteral("changed 1"),
                                         QStringLiteral("reset?"), QStringLiteral("reset 1")}));
    store.setListener(nullptr);
}

}  // namespace
