// Marlowisp's table, inputs, preview and undo, driven as a user would: the
// command line and the Add buttons list files, the track number is a field, the
// preview shows what a Write then writes, and Undo puts the bytes back after a
// restart, leaving alone a file that changed since.
#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <QTextBrowser>

#include "taglib/code_page_converter.h"
#include "tests/batchtagger/marlowisp_dlg_fixture.h"

namespace {

std::string inCodePage(int codePage, const char16_t* text) {
    return IcuCodePageConverter::instance().fromUtf16(codePage, text);
}

TEST_F(MarlowispDlgTest, CommandLineAndAddButtonsListFilesAsADropDoes) {
    auto a = makeMp3("Music/Old/a.mp3");
    auto b = makeMp3("Music/Old/cd2/b.MP3");
    writeFileBytes(dir / "Music/Old/notes.txt", "x");
    auto c = makeMp3("Music/New/c.mp3");
    auto d = makeMp3("Music/New/d.mp3");
    auto e = makeMp3("Music/e.mp3");
    // marlowisp Old ./New/../New/c.mp3, started in Music
    QStringList paths =
        BatchFileList::pathsFromArguments({"Old", "./New/../New/c.mp3", ""}, qpath(dir / "Music"));
    EXPECT_EQ(paths, QStringList({qpath(dir / "Music/Old"), qpath(c)}));
    dialog->addDroppedPaths(paths);
    EXPECT_EQ(listed(), QStringList({qpath(c), qpath(a), qpath(b)}));

    ui.folderAnswers.push_back(qpath(dir / "Music/New"));
    click("addFolderButton");
    ui.openAnswers.push_back({qpath(e), qpath(dir / "Music/Old/notes.txt")});
    click("addFilesButton");
    EXPECT_EQ(listed(), QStringList({qpath(e), qpath(c), qpath(d), qpath(a), qpath(b)}))
        << listed().join(u'\n').toStdString();
    click("addFilesButton");  // cancelled
    EXPECT_EQ(rowCount(), 5);
}

TEST_F(MarlowispDlgTest, TheTrackNumberIsShownTickedAndWritten) {
    RawBlock block{"Song", "", "", "", std::string("Live") + std::string(24, ' ') + '\0' + '\5',
                   17};
    auto path = makeMp3("a.mp3", &block);
    drop({path});
    clickRow(0);
    EXPECT_EQ(edit("track")->text(), u"5");
    EXPECT_EQ(list->model()->index(0, BatchTagTableModel::TrackColumn).data().toString(), u"5");
    QTest::mouseClick(change("track"), Qt::LeftButton);
    edit("track")->clear();
    QTest::keyClicks(edit("track"), QStringLiteral("1234"));  // at most 255
    EXPECT_EQ(edit("track")->text(), u"123");
    click("writeButton");
    std::string bytes = readFileBytes(path);
    EXPECT_EQ(blockField(bytes, 97, 30), "Live" + std::string(24, ' ') + '\0' + '\x7B');
    EXPECT_EQ(list->model()->index(0, BatchTagTableModel::TrackColumn).data().toString(), u"123");

    edit("track")->clear();  // none
    click("writeButton");
    EXPECT_EQ(blockField(readFileBytes(path), 97, 30), "Live" + std::string(26, ' '));
    list->clearSelection();
    clickRow(0);
    EXPECT_TRUE(edit("track")->text().isEmpty());
}

TEST_F(MarlowispDlgTest, WriteWritesWhatThePreviewShows) {
    RawBlock big5{inCodePage(CodePage::Big5, u"月亮代表我的心"), "", "", "", "", 17};
    RawBlock ksc{inCodePage(CodePage::Ksc, u"아리랑"), "", "", "", "", 17};
    auto first = makeMp3("a.mp3", &big5);
    auto second = makeMp3("b.mp3", &ksc);
    drop({first, second});
    auto* pane = child<QTextBrowser>("previewPane");
    EXPECT_FALSE(pane->isVisible());
    click("previewButton");
    ASSERT_TRUE(pane->isVisible());
    list->selectAll();
    child<QComboBox>("codePageList")->setCurrentIndex(2);  // SJIS: no Hangul
    QTest::mouseClick(child<QCheckBox>("convertBox"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return pane->toPlainText().contains(QStringLiteral("月亮代表我的心")); }, 2000));
    QString shown = pane->toPlainText();
    EXPECT_TRUE(shown.contains(QStringLiteral("a.mp3"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("BIG5 (guess)"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("cannot hold every character")));
    EXPECT_TRUE(pane->toHtml().contains(QStringLiteral("#ff9090")));  // the lost Hangul

    std::vector<FilePlan> plans = dialog->previewPlans(CMarlowispDlg::kPreviewLimit);
    ASSERT_EQ(plans.size(), 2u);
    click("writeButton");
    TagViewReader reader;
    for (const FilePlan& plan : plans) {
        std::string bytes = readFileBytes(plan.path.toStdString());
        EXPECT_EQ(bytes.substr(bytes.size() - 128),
                  std::string(plan.newBlock.begin(), plan.newBlock.end()));
        EXPECT_EQ(reader.readFile(plan.path), plan.after);
    }
    EXPECT_EQ(status(), u"Wrote 2 files");
}

TEST_F(MarlowispDlgTest, UndoPutsBackTheLastWriteOrRemoveAfterARestart) {
    RawBlock one{"One", "First", "", "1990", "", 17};
    RawBlock two{inCodePage(CodePage::Gb, u"青藏高原"), "", "", "", "", 13};
    auto a = makeMp3("a.mp3", &one);
    auto b = makeMp3("b.mp3", &two);
    auto bare = makeMp3("c.mp3");
    const std::vector<std::filesystem::path> files{a, b, bare};
    std::vector<std::string> original;
    for (const auto& file : files) {
        original.push_back(readFileBytes(file));
    }
    auto restart = [&] {
        dialog.reset();
        SetUp();
        drop({a, b, bare});
    };

    drop({a, b, bare});
    list->selectAll();
    click("selAllButton");
    edit("title")->setText(QStringLiteral("Overwritten"));
    click("writeButton");
    ASSERT_EQ(status(), u"Wrote 3 files");
    ASSERT_NE(readFileBytes(bare), original[2]);

    restart();
    click("undoButton");
    EXPECT_EQ(status(), u"Undid the last write: 3 files restored");
    for (size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(readFileBytes(files[i]), original[i]) << i;
    }
    // The table shows the tags as they are again.
    EXPECT_EQ(list->model()->index(0, BatchTagTableModel::TitleColumn).data().toString(), u"One");

    // Remove, then b.mp3 changes before the undo: it is left alone and named.
    list->selectAll();
    click("removeButton");
    ASSERT_EQ(readFileBytes(a), audioBody());
    std::string changed = audioBody() + RawBlock{"Retagged", "", "", "", "", 1}.bytes();
    writeFileBytes(b, changed);
    restart();
    click("undoButton");
    EXPECT_EQ(status(), QStringLiteral("Undid the last write: 1 file restored; %1/b.mp3 changed "
                                       "since, left alone")
                            .arg(QString::fromStdString(dir.path().filename().string())));
    EXPECT_EQ(readFileBytes(a), original[0]);
    EXPECT_EQ(readFileBytes(b), changed);
    EXPECT_EQ(readFileBytes(bare), original[2]);  // never had a block
    // The summary stays until the next action.
    QTest::qWait(CMarlowispDlg::kStatusDelayMs + 300);
    EXPECT_TRUE(status().startsWith(u"Undid the last write"));
}

}  // namespace
