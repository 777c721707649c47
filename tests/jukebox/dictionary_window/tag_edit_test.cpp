// The tag editor over the rows selected in the dictionary window, and its rule
// on its own: only ticked texts are written, to every selected row.
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLineEdit>

#include "tests/jukebox/dictionary_window/dictionary_window_fixture.h"

namespace {

using namespace Qt::StringLiterals;

constexpr int kDisplay = 0;
constexpr int kArtist = 1;
constexpr int kComment = 5;

DictionaryEntry fullRow(const QString& filename, const QString& tag) {
    DictionaryEntry row;
    row.filename = filename;
    row.display = tag + u" display"_s;
    row.artist = tag + u" artist"_s;
    row.source = tag + u" source"_s;
    row.genre = tag + u" genre"_s;
    row.date = tag + u" date"_s;
    row.comment = tag + u" comment"_s;
    return row;
}

// Text as an input method gives it, the way Chinese is typed.
void typeText(QLineEdit& edit, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(&edit, &commit);
}

class TagEditTest : public DictionaryWindowTest {
protected:
    TagEditTest() { loadRows(before); }
    const QList<DictionaryEntry> before{fullRow(u"a.avi"_s, u"a"_s), fullRow(u"b.avi"_s, u"b"_s),
                                        fullRow(u"c.avi"_s, u"c"_s)};
};

TEST_F(TagEditTest, SeveralRowsTakeOnlyTheTypedArtist) {
    pickRows({0, 2});
    whenTagEditShows([](CTagEditDialog& dialog) {
        QTest::keyClicks(&dialog.edit(kArtist), u"Typed"_s);
        dialog.reject();
    });
    pressInList(Qt::Key_Return);
    EXPECT_EQ(rows(), before);  // Cancel
    EXPECT_FALSE(store.modified());

    QString caption;
    QStringList texts;
    std::array<bool, TagEditFields::kFieldCount> ticked{};
    whenTagEditShows([&](CTagEditDialog& dialog) {
        caption = dialog.windowTitle();
        typeText(dialog.edit(kArtist), u"\u6B4C\u624B"_s);
        for (int field = 0; field < TagEditFields::kFieldCount; ++field) {
            texts.append(dialog.edit(field).text());
            ticked[static_cast<std::size_t>(field)] = dialog.changeBox(field).isChecked();
        }
        dialog.accept();
    });
    pressInList(Qt::Key_Space);
    EXPECT_EQ(caption, u"Multi-Tag Edit"_s);
    EXPECT_EQ(texts, (QStringList{{}, u"\u6B4C\u624B"_s, {}, {}, {}, {}}));
    EXPECT_EQ(ticked, (std::array<bool, 6>{false, true, false, false, false, false}));
    QList<DictionaryEntry> expected = before;
    expected[0].artist = u"\u6B4C\u624B"_s;
    expected[2].artist = u"\u6B4C\u624B"_s;
    EXPECT_EQ(rows(), expected);
}

TEST_F(TagEditTest, OneRowShowsItsTextsAndAnEmptiedTickedFieldEmptiesTheColumn) {
    pickRows({1});
    QString caption;
    QString shownComment;
    whenTagEditShows([&](CTagEditDialog& dialog) {
        caption = dialog.windowTitle();
        shownComment = dialog.edit(kComment).text();
        dialog.edit(kDisplay).selectAll();
        QTest::keyClick(&dialog.edit(kDisplay), Qt::Key_Backspace);
        dialog.changeBox(kComment).setChecked(true);  // ticked, text left as it was
        dialog.changeBox(kArtist).setChecked(true);
        dialog.edit(kArtist).clear();  // cleared, but by the program: still ticked
        dialog.accept();
    });
    QTest::mouseDClick(wnd.list().viewport(), Qt::LeftButton, Qt::NoModifier,
                       wnd.list().visualRect(wnd.list().model()->index(1, ColumnDisplay)).center());
    EXPECT_EQ(caption, u"Tag Edit: b.avi"_s);
    EXPECT_EQ(shownComment, u"b comment"_s);
    QList<DictionaryEntry> expected = before;
    expected[1].display.clear();
    expected[1].artist.clear();
    EXPECT_EQ(rows(), expected);
}

TEST_F(TagEditTest, WithNoRowSelectedOkChangesNothing) {
    wnd.list().clearSelection();
    QString caption;
    bool anyText = true;
    whenTagEditShows([&](CTagEditDialog& dialog) {
        caption = dialog.windowTitle();
        anyText = !dialog.edit(kDisplay).text().isEmpty();
        QTest::keyClicks(&dialog.edit(kArtist), u"Nobody"_s);
        dialog.accept();
    });
    triggerMenu(u"Edit"_s);
    EXPECT_EQ(caption, u"Multi-Tag Edit"_s);
    EXPECT_FALSE(anyText);
    EXPECT_EQ(rows(), before);
    EXPECT_FALSE(store.modified());
}

// The rule alone, as the dialog's OK applies it: rows in any order and twice,
// one out of range, the Filename kept whatever the fields hold.
TEST_F(TagEditTest, TheRuleWritesTickedFieldsOnceToEachGivenRow) {
    TagEditFields fields = TagEditFields::ForRows(store, {0});
    EXPECT_EQ(fields.caption, u"Tag Edit: a.avi"_s);
    EXPECT_EQ(fields.texts[kComment], u"a comment"_s);
    fields.texts[kDisplay] = u"Shown"_s;
    fields.change[kDisplay] = true;
    fields.texts[kArtist] = u"not ticked"_s;
    fields.applyTo(store, {2, 0, 2, 9});
    QList<DictionaryEntry> expected = before;
    expected[0].display = u"Shown"_s;
    expected[2].display = u"Shown"_s;
    EXPECT_EQ(rows(), expected);
    EXPECT_EQ(TagEditFields::ForRows(store, {0, 1}).caption, u"Multi-Tag Edit"_s);
}

}  // namespace
