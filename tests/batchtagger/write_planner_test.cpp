// The plans of a Write: the preview's texts are what the written file reads back
// as, in every code page and with characters the code page cannot hold; the
// ID3v1.1 track number as a field; and the table of the listed files.
#include <gtest/gtest.h>

#include <QStringList>

#include "batchtagger/batch_tag_table_model.h"
#include "batchtagger/write_planner.h"
#include "tests/support/temp_dir.h"
#include "tests/taglib/id3v1_fixtures.h"

namespace {

constexpr int kComment = 97;

std::string in(int codePage, const char16_t* text) {
    return IcuCodePageConverter::instance().fromUtf16(codePage, text);
}

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::string lastBlock(const std::filesystem::path& path) {
    std::string bytes = readFileBytes(path);
    return bytes.substr(bytes.size() - 128);
}

class WritePlannerTest : public testing::Test {
protected:
    QString make(const std::string& name, const RawBlock& block) {
        std::filesystem::path path = dir / name;
        writeFileBytes(path, audioBody() + block.bytes());
        originals[qpath(path)] = readFileBytes(path);
        return qpath(path);
    }
    void restore() {
        for (const auto& [path, bytes] : originals) {
            writeFileBytes(path.toStdString(), bytes);
        }
    }

    TempDir dir;
    std::map<QString, std::string> originals;
    WritePlanner planner;
    TagViewReader reader;
};

TEST_F(WritePlannerTest, ThePreviewIsWhatTheWrittenFileReadsBack) {
    QStringList files = {
        make("big5.mp3", {in(CodePage::Big5, u"月亮代表我的心"), in(CodePage::Big5, u"鄧麗君"), "",
                          "1977", "", 17}),
        make("gbk.mp3", {in(CodePage::Gb, u"青藏高原"), in(CodePage::Gb, u"李娜"),
                         in(CodePage::Gb, u"那一年"), "", "", 13}),
        make("sjis.mp3", {in(CodePage::ShiftJis, u"さくら"), in(CodePage::ShiftJis, u"森山直太朗"),
                          "", "2003", "", 249}),
        make("ksc.mp3",
             {in(CodePage::Ksc, u"아리랑"), in(CodePage::Ksc, u"조용필"), "", "", "", 12}),
    };
    struct Case {
        const char* name;
        WriteRequest request;
    };
    std::vector<Case> cases;
    for (int codePage : {CodePage::Utf8, CodePage::ShiftJis, CodePage::Big5}) {
        WriteRequest convert;
        convert.codePage = codePage;
        convert.convertText = true;
        cases.push_back({"convert", convert});
    }
    WriteRequest typed;  // each file in its own code page, a title none holds whole
    typed.codePage = WriteRequest::kAsDetected;
    typed.fields.title = QStringLiteral("Caf\u00e9 \u2603 月");
    typed.ticks[static_cast<size_t>(TagField::Title)] = true;
    cases.push_back({"as detected", typed});
    WriteRequest mixed;  // one field in GB beside the others' old bytes
    mixed.codePage = CodePage::Gb;
    mixed.fields.artist = QStringLiteral("김건모");
    mixed.ticks[static_cast<size_t>(TagField::Artist)] = true;
    cases.push_back({"mixed", mixed});

    for (const Case& c : cases) {
        for (const QString& file : files) {
            SCOPED_TRACE(c.name + (" " + file.toStdString()) + " " +
                         std::to_string(c.request.codePage));
            restore();
            FilePlan plan = planner.plan(file, c.request);
            ASSERT_TRUE(plan.readable);
            ASSERT_TRUE(planner.apply(plan));
            std::string written = lastBlock(file.toStdString());
            if (plan.writes) {
                EXPECT_EQ(written, std::string(plan.newBlock.begin(), plan.newBlock.end()));
            } else {
                EXPECT_EQ(readFileBytes(file.toStdString()), originals[file]);
            }
            EXPECT_EQ(reader.readFile(file), plan.after);
            // Every character the code page cannot hold is marked, and only those.
            for (size_t field = 0; field < TagView::kTextCount; ++field) {
                const QString& text = plan.written[field];
                for (qsizetype i = 0; i < text.size(); ++i) {
                    bool held =
                        IcuCodePageConverter::instance().toUtf16(
                            plan.codePage, IcuCodePageConverter::instance().fromUtf16(
                                               plan.codePage, text.mid(i, 1).toStdU16String())) ==
                        text.mid(i, 1).toStdU16String();
                    EXPECT_EQ(plan.lost[field].contains(static_cast<int>(i)), !held)
                        << field << " " << i;
                }
            }
        }
    }

    // Spot checks of what the cases above compared: text converted to UTF-8 reads
    // as before and a marker follows; Hangul in Shift-JIS is lost and marked.
    restore();
    FilePlan toUtf8 = planner.plan(files[2], cases[0].request);
    EXPECT_EQ(toUtf8.after.texts, toUtf8.now.texts);
    EXPECT_EQ(toUtf8.after.codePageLabel(), u"UTF8");
    EXPECT_FALSE(toUtf8.changed[static_cast<size_t>(TagField::Title)]);
    EXPECT_TRUE(toUtf8.changed[static_cast<size_t>(TagField::Genre)]);
    FilePlan hangul = planner.plan(files[3], cases[1].request);
    EXPECT_EQ(hangul.lost[TagView::Title], QList<int>({0, 1, 2}));
    EXPECT_EQ(hangul.after.texts[TagView::Title], u"???");
    EXPECT_TRUE(hangul.changed[static_cast<size_t>(TagField::Title)]);
    FilePlan asDetected = planner.plan(files[0], typed);
    EXPECT_EQ(asDetected.codePage, CodePage::Big5);
    EXPECT_TRUE(asDetected.lost[TagView::Title].contains(5));  // the snowman
    EXPECT_FALSE(asDetected.lost[TagView::Title].contains(7));
    // A marker names the code page as well as the text does: new text goes in it,
    // and the marked file reads it back as typed.
    FilePlan marked = planner.plan(files[2], typed);
    EXPECT_EQ(marked.codePage, CodePage::ShiftJis);
    EXPECT_EQ(marked.after.texts[TagView::Title], QStringLiteral("Caf? ? 月"));
}

TEST_F(WritePlannerTest, APlanIsNotAppliedToAFileThatChangedSince) {
    QString file = make("a.mp3", {"Old", "", "", "", "", 17});
    WriteRequest request;
    request.fields.title = QStringLiteral("New");
    request.ticks[static_cast<size_t>(TagField::Title)] = true;
    FilePlan plan = planner.plan(file, request);
    std::string changed = audioBody() + RawBlock{"Other", "", "", "", "", 17}.bytes();
    writeFileBytes(file.toStdString(), changed);
    EXPECT_FALSE(planner.apply(plan));
    EXPECT_EQ(readFileBytes(file.toStdString()), changed);
}

TEST_F(WritePlannerTest, TheTrackNumberIsAFieldOfItsOwn) {
    // A comment of 30 bytes leaves no room: a track number takes its last two.
    QString file = make("a.mp3", {"Song", "", "", "", "A comment of thirty bytes, ok!", 17});
    auto track = [](int number) {
        WriteRequest request;
        request.fields.track = number;
        request.ticks[static_cast<size_t>(TagField::Track)] = true;
        return request;
    };
    FilePlan seven = planner.plan(file, track(7));
    ASSERT_TRUE(planner.apply(seven));
    std::string block = lastBlock(file.toStdString());
    EXPECT_EQ(block.substr(kComment, 28), "A comment of thirty bytes, o");
    EXPECT_EQ(block[125], '\0');
    EXPECT_EQ(static_cast<uint8_t>(block[126]), 7);
    EXPECT_EQ(reader.readFile(file).track, 7);
    EXPECT_EQ(reader.readFile(file), seven.after);

    // A new comment with the track kept, then none: 0 means no track number.
    WriteRequest comment;
    comment.fields.comment = QStringLiteral("Live");
    comment.ticks[static_cast<size_t>(TagField::Comment)] = true;
    ASSERT_TRUE(planner.apply(planner.plan(file, comment)));
    EXPECT_EQ(reader.readFile(file).track, 7);
    EXPECT_EQ(reader.readFile(file).texts[TagView::Comment], u"Live");
    ASSERT_TRUE(planner.apply(planner.plan(file, track(0))));
    block = lastBlock(file.toStdString());
    EXPECT_EQ(block.substr(kComment, 30), "Live" + std::string(26, ' '));
    EXPECT_EQ(reader.readFile(file).track, 0);

    // Ticked together, a track number cuts a comment at whole characters.
    WriteRequest both = track(9);
    both.fields.comment = QStringLiteral("一二三四五六七八九十");  // 30 bytes in UTF-8
    both.ticks[static_cast<size_t>(TagField::Comment)] = true;
    FilePlan nine = planner.plan(file, both);
    ASSERT_TRUE(planner.apply(nine));
    TagView read = reader.readFile(file);
    EXPECT_EQ(read.track, 9);
    EXPECT_EQ(read.texts[TagView::Comment], QStringLiteral("一二三四五六七八九"));
    EXPECT_EQ(read, nine.after);
}

TEST(BatchTagTableModelTest, ShowsEachTagWithItsCodePageAndSorts) {
    TempDir dir;
    auto make = [&](const std::string& name, const RawBlock* block) {
        writeFileBytes(dir / name, audioBody() + (block ? block->bytes() : std::string()));
        return qpath(dir / name);
    };
    RawBlock marked{in(CodePage::Big5, u"月亮代表我的心"), "", "", "1977", "", 248};
    RawBlock guessed{in(CodePage::Gb, u"青藏高原"), in(CodePage::Gb, u"李娜"), "", "1995", "", 13};
    RawBlock ascii{"Blue Moon", "Nadia", "", "1960", "", 13};
    ascii.comment = std::string("Live") + std::string(24, '\0') + '\0' + '\3';
    QStringList paths = {make("1.mp3", &marked), make("2.mp3", &guessed), make("3.mp3", &ascii),
                         make("4.mp3", nullptr), qpath(dir / "gone.mp3")};
    BatchTagTableModel model;
    model.setPaths(paths);
    ASSERT_EQ(model.rowCount(), 5);
    auto cell = [&](int row, int column) { return model.index(row, column).data().toString(); };
    EXPECT_EQ(cell(0, BatchTagTableModel::FileColumn), u"1.mp3");
    EXPECT_EQ(cell(0, BatchTagTableModel::TitleColumn), QStringLiteral("月亮代表我的心"));
    QStringList codePages;
    for (int row = 0; row < 5; ++row) {
        codePages.append(cell(row, BatchTagTableModel::CodePageColumn));
    }
    EXPECT_EQ(codePages, QStringList({QStringLiteral("BIG5"), QStringLiteral("GB (guess)"),
                                      QStringLiteral("ASCII"), QStringLiteral("no tag"),
                                      QStringLiteral("cannot open")}));
    EXPECT_EQ(cell(2, BatchTagTableModel::TrackColumn), u"3");

    // By year, newest first; the path of each row follows it; back to list order.
    model.sort(BatchTagTableModel::YearColumn, Qt::DescendingOrder);
    EXPECT_EQ(model.pathAt(0), paths[1]);
    EXPECT_EQ(model.pathAt(1), paths[0]);
    EXPECT_EQ(model.rowOf(paths[2]), 2);
    model.sort(-1, Qt::AscendingOrder);
    EXPECT_EQ(model.pathAt(0), paths[0]);

    // A file written behind the table's back shows its new tag once forgotten.
    writeFileBytes(dir / "4.mp3", audioBody() + RawBlock{"Fresh", "", "", "", "", 1}.bytes());
    EXPECT_EQ(cell(3, BatchTagTableModel::TitleColumn), u"");
    model.forget({paths[3]});
    EXPECT_EQ(cell(3, BatchTagTableModel::TitleColumn), u"Fresh");
}

}  // namespace
