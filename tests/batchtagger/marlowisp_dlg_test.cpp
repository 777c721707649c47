// Marlowisp's dialog driven as a user would, offscreen: drops, clicks, keys and
// typing, with the files' bytes checked afterwards.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "taglib/code_page_converter.h"
#include "tests/batchtagger/marlowisp_dlg_fixture.h"

namespace {

constexpr int kTitle = 3, kArtist = 33, kYear = 93;

TEST_F(MarlowispDlgTest, StartsWithItsCaptionsListsAndLimits) {
    EXPECT_EQ(dialog->windowTitle(), u"Marlowisp");
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    for (const char* stem : {"title", "artist", "album", "comment"}) {
        EXPECT_EQ(edit(stem)->maxLength(), 30) << stem;
    }
    EXPECT_EQ(edit("year")->maxLength(), 4);
    EXPECT_EQ(edit("track")->maxLength(), 3);
    QTest::keyClicks(edit("title"), QStringLiteral("1234567890123456789012345678901234"));
    EXPECT_EQ(edit("title")->text().size(), 30);

    auto* codePages = child<QComboBox>("codePageList");
    ASSERT_EQ(codePages->count(), 6);
    EXPECT_EQ(codePages->itemText(0), u"UTF8");
    EXPECT_EQ(codePages->itemText(4), u"KSC");
    EXPECT_EQ(codePages->itemText(5), u"As detected");
    EXPECT_EQ(codePages->currentIndex(), 0);

    auto* genres = child<QComboBox>("genreList");
    ASSERT_EQ(genres->count(), 155);
    EXPECT_EQ(genres->currentIndex(), -1);
    EXPECT_EQ(genres->itemText(0), u"Blues");
    EXPECT_EQ(genres->itemText(147), u"Synthpop");
    QStringList markers;
    for (int item = 148; item < 155; ++item) {
        markers.append(genres->itemText(item));
    }
    EXPECT_EQ(markers,
              QStringList({QStringLiteral("BIG5"), QStringLiteral("SJIS"), QStringLiteral("GB"),
                           QStringLiteral("KSC"), QString(), QString(), QStringLiteral("UTF-8")}));

    EXPECT_TRUE(QTest::qWaitFor([&] { return status() == u"Marlowisp 3.60"; }, 3000));
    EXPECT_TRUE(child<QLineEdit>("statusLine")->isReadOnly());
    EXPECT_TRUE(child<QLineEdit>("statusBox")->text().isEmpty());
}

TEST_F(MarlowispDlgTest, TabWalksDownTheFieldsThenTheButtons) {
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    list->setFocus();
    const char* order[] = {
        "titleEdit",    "titleChange",    "artistEdit",      "artistChange", "albumEdit",
        "albumChange",  "yearEdit",       "yearChange",      "commentEdit",  "commentChange",
        "trackEdit",    "trackChange",    "genreList",       "genreChange",  "writeButton",
        "removeButton", "selAllButton",   "codePageList",    "convertBox",   "previewButton",
        "exitButton",   "addFilesButton", "addFolderButton", "undoButton",   "fileList"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
}

TEST_F(MarlowispDlgTest, ADroppedFolderIsListedSortedWithoutDuplicates) {
    auto a = makeMp3("drop/a.MP3");
    auto b = makeMp3("drop/b.mp3");
    writeFileBytes(dir / "drop/c.wav", "RIFF");
    auto d = makeMp3("drop/sub/d.mp3");
    drop({dir / "drop"});
    QStringList expected{qpath(a), qpath(b), qpath(d)};
    EXPECT_EQ(listed(), expected);

    drop({dir / "drop", b});
    EXPECT_EQ(listed(), expected);

    // A file let go over an edit box still goes to the list, not into the text.
    auto e = makeMp3("e.mp3");
    drop({e}, edit("title"));
    EXPECT_EQ(listed().size(), 4);
    EXPECT_TRUE(edit("title")->text().isEmpty());
}

TEST_F(MarlowispDlgTest, DroppingKeepsTheSelection) {
    drop({makeMp3("b.mp3"), makeMp3("d.mp3")});
    clickRow(1);
    edit("title")->setText(QStringLiteral("typed"));
    drop({makeMp3("a.mp3"), makeMp3("c.mp3")});
    EXPECT_EQ(selectedRows(), QList<int>({3}));
    EXPECT_EQ(edit("title")->text(), u"typed");
}

TEST_F(MarlowispDlgTest, OneSelectedFileShowsItsBlockAndSeveralShowNothing) {
    RawBlock block{"Moonlight", "Nadia", "Songs", "1998", "Live", 17};
    auto tagged = makeMp3("a.mp3", &block);
    auto bare = makeMp3("b.mp3");
    drop({tagged, bare});

    clickRow(0);
    EXPECT_EQ(edit("title")->text(), u"Moonlight");
    EXPECT_EQ(edit("artist")->text(), u"Nadia");
    EXPECT_EQ(edit("album")->text(), u"Songs");
    EXPECT_EQ(edit("year")->text(), u"1998");
    EXPECT_EQ(edit("comment")->text(), u"Live");
    EXPECT_EQ(child<QComboBox>("genreList")->currentText(), u"Rock");

    clickRow(1);  // no block: empty texts and the first genre
    EXPECT_TRUE(edit("title")->text().isEmpty());
    EXPECT_EQ(child<QComboBox>("genreList")->currentIndex(), 0);

    clickRow(0);
    clickRow(1, Qt::ControlModifier);
    EXPECT_EQ(selectedRows(), QList<int>({0, 1}));
    EXPECT_TRUE(edit("title")->text().isEmpty());
    EXPECT_EQ(child<QComboBox>("genreList")->currentIndex(), -1);

    clickRow(0);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rowRect(0).center());
    EXPECT_EQ(selectedRows(), QList<int>({0, 1}));
    EXPECT_TRUE(edit("artist")->text().isEmpty());
}

TEST_F(MarlowispDlgTest, ArtistOnlyWriteToTenFilesKeepsTheRestAsRead) {
    QList<std::filesystem::path> paths;
    std::vector<std::string> before;
    for (int i = 0; i < 10; ++i) {
        std::string n = std::to_string(i);
        RawBlock block{"Title " + n, "Old " + n,  "Album " + n,
                       "19" + n + n, "Note " + n, static_cast<uint8_t>(i == 9 ? 249 : i * 7)};
        paths.append(makeMp3("ten/t" + n + ".mp3", &block));
        before.push_back(readFileBytes(paths.back()));
    }
    drop({dir / "ten"});
    QTest::mouseClick(change("artist"), Qt::LeftButton);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(selectedRows().size(), 10);
    QTest::keyClicks(edit("artist"), QStringLiteral("New Artist"));
    click("writeButton");

    for (int i = 0; i < 10; ++i) {
        std::string after = readFileBytes(paths[i]);
        ASSERT_EQ(after.size(), before[i].size());
        EXPECT_EQ(blockField(after, kArtist, 30), padded("New Artist", 30));
        // Everything but the artist is byte for byte what it was.
        after.replace(after.size() - 128 + kArtist, 30, blockField(before[i], kArtist, 30));
        EXPECT_EQ(after, before[i]) << i;
    }
    EXPECT_TRUE(selectedRows().isEmpty());
    EXPECT_EQ(edit("artist")->text(), u"New Artist");
}

TEST_F(MarlowispDlgTest, WritingGivesAFileWithoutABlockOneFromTheTickedFields) {
    auto bare = makeMp3("bare.mp3");
    drop({bare});
    clickRow(0);
    edit("year")->setText(QStringLiteral("2024"));
    QTest::mouseClick(change("year"), Qt::LeftButton);
    click("writeButton");
    std::string bytes = readFileBytes(bare);
    ASSERT_EQ(bytes.size(), audioBody().size() + 128);
    EXPECT_EQ(bytes.substr(bytes.size() - 128, 3), "TAG");
    EXPECT_EQ(blockField(bytes, kYear, 4), "2024");
    EXPECT_EQ(blockField(bytes, kTitle, 30), std::string(1, '\0') + std::string(29, ' '));
    EXPECT_EQ(bytes.back(), '\0');  // genre 0
    EXPECT_EQ(selectedRows(), QList<int>({0}));
}

TEST_F(MarlowispDlgTest, ReturnInAnEditWritesNothing) {
    auto path = makeMp3("a.mp3");
    drop({path});
    clickRow(0);
    QTest::mouseClick(change("title"), Qt::LeftButton);
    QTest::keyClicks(edit("title"), QStringLiteral("Typed"));
    QTest::keyClick(edit("title"), Qt::Key_Return);
    EXPECT_EQ(readFileBytes(path), audioBody());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(MarlowispDlgTest, TheBig5MarkerIsWrittenAsByte248) {
    RawBlock block{"Song", "", "", "", "", 13};
    auto path = makeMp3("a.mp3", &block);
    drop({path});
    clickRow(0);
    child<QComboBox>("genreList")->setCurrentIndex(148);
    EXPECT_EQ(child<QComboBox>("genreList")->currentText(), u"BIG5");
    QTest::mouseClick(change("genre"), Qt::LeftButton);
    click("writeButton");
    EXPECT_EQ(static_cast<uint8_t>(readFileBytes(path).back()), 248);
}

TEST_F(MarlowispDlgTest, ThirtyCjkCharactersInUtf8AreWrittenAsTen) {
    auto path = makeMp3("a.mp3");
    drop({path});
    clickRow(0);
    QString title;
    for (int i = 0; i < 30; ++i) {
        title.append(QChar(0x4E00 + i));
    }
    edit("title")->setText(title);
    QTest::mouseClick(change("title"), Qt::LeftButton);
    click("writeButton");
    EXPECT_EQ(blockField(readFileBytes(path), kTitle, 30), title.left(10).toStdString());
}

TEST_F(MarlowispDlgTest, TheCodePageListChoosesTheCodePageOfReadAndWrite) {
    struct Case {
        int item;
        int codePage;
        const char* title;  // UTF-8
    };
    const Case cases[] = {{0, CodePage::Utf8, "Ärger 月亮"},
                          {1, CodePage::Big5, "月亮代表我的心"},
                          {2, CodePage::ShiftJis, "さくら"},
                          {3, CodePage::Gb, "月亮代表"},
                          {4, CodePage::Ksc, "아리랑"}};
    const IcuCodePageConverter& icu = IcuCodePageConverter::instance();
    auto* codePages = child<QComboBox>("codePageList");
    QTest::mouseClick(change("title"), Qt::LeftButton);
    for (const Case& c : cases) {
        auto path = makeMp3("cp" + std::to_string(c.item) + ".mp3");
        drop({path});
        clickRow(rowCount() - 1);
        codePages->setCurrentIndex(c.item);
        edit("title")->setText(QString::fromUtf8(c.title));
        click("writeButton");
        std::string expected = icu.fromUtf16(c.codePage, u16(c.title));
        EXPECT_EQ(blockField(readFileBytes(path), kTitle, 30), padded(expected, 30)) << c.item;

        // Read back in the same code page the text is as typed; in another it is not.
        edit("title")->clear();
        list->clearSelection();
        clickRow(rowCount() - 1);
        EXPECT_EQ(edit("title")->text(), QString::fromUtf8(c.title)) << c.item;
        codePages->setCurrentIndex(c.item == 1 ? 2 : 1);
        EXPECT_NE(edit("title")->text(), QString::fromUtf8(c.title)) << c.item;
        // Selected again, the file is read in the code page its text is in.
        list->clearSelection();
        clickRow(rowCount() - 1);
        EXPECT_EQ(edit("title")->text(), QString::fromUtf8(c.title)) << c.item;
        EXPECT_EQ(codePages->currentIndex(), c.item);
    }
}

TEST_F(MarlowispDlgTest, SelAllTicksAllUnlessAllAreTicked) {
    const char* stems[] = {"title", "artist", "album", "year", "comment", "track", "genre"};
    auto tickedCount = [&] {
        int n = 0;
        for (const char* stem : stems) {
            n += change(stem)->isChecked() ? 1 : 0;
        }
        return n;
    };
    for (const char* stem : {"title", "year", "genre"}) {
        QTest::mouseClick(change(stem), Qt::LeftButton);
    }
    EXPECT_EQ(tickedCount(), 3);
    click("selAllButton");
    EXPECT_EQ(tickedCount(), 7);
    click("selAllButton");
    EXPECT_EQ(tickedCount(), 0);
    click("selAllButton");
    EXPECT_EQ(tickedCount(), 7);
}

TEST_F(MarlowispDlgTest, RemoveCutsBlocksAndLeavesFilesWithoutOne) {
    RawBlock block{"Song", "Artist", "", "", "", 1};
    auto tagged = makeMp3("a.mp3", &block);
    auto bare = makeMp3("b.mp3");
    std::string bareBefore = readFileBytes(bare);
    drop({tagged, bare});
    clickRow(0);
    clickRow(1, Qt::ShiftModifier);
    click("removeButton");
    EXPECT_EQ(readFileBytes(tagged), audioBody());
    EXPECT_EQ(readFileBytes(bare), bareBefore);
    EXPECT_TRUE(selectedRows().isEmpty());
    EXPECT_EQ(listed().size(), 2);
}

TEST_F(MarlowispDlgTest, DeleteTakesItemsOffTheListAndSelectsTheNext) {
    QList<std::filesystem::path> paths;
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        paths.append(makeMp3(std::string(name) + ".mp3"));
    }
    drop(paths);
    clickRow(1);
    clickRow(2, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(listed(), QStringList({qpath(paths[0]), qpath(paths[3]), qpath(paths[4])}));
    EXPECT_EQ(selectedRows(), QList<int>({1}));

    clickRow(2);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(listed().size(), 2);
    EXPECT_EQ(selectedRows(), QList<int>({1}));

    list->selectAll();
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(rowCount(), 0);
    for (const auto& path : paths) {
        EXPECT_TRUE(std::filesystem::exists(path));  // the files themselves stay
    }
}

TEST_F(MarlowispDlgTest, ATickedGenreWithoutAChoiceKeepsEachFilesGenre) {
    RawBlock rock{"One", "", "", "", "", 17};
    RawBlock gb{"Two", "", "", "", "", 250};
    auto first = makeMp3("a.mp3", &rock);
    auto second = makeMp3("b.mp3", &gb);
    drop({first, second});
    list->selectAll();
    ASSERT_EQ(child<QComboBox>("genreList")->currentIndex(), -1);
    click("selAllButton");
    edit("title")->setText(QStringLiteral("Same"));
    click("writeButton");
    EXPECT_EQ(static_cast<uint8_t>(readFileBytes(first).back()), 17);
    EXPECT_EQ(static_cast<uint8_t>(readFileBytes(second).back()), 250);
    EXPECT_EQ(blockField(readFileBytes(second), kTitle, 30), padded("Same", 30));
}

TEST_F(MarlowispDlgTest, FilesThatCannotBeWrittenAreNamedAndStaySelected) {
    auto good = makeMp3("a.mp3");
    auto gone = makeMp3("b.mp3");
    auto alsoGone = makeMp3("c.mp3");
    auto good2 = makeMp3("d.mp3");
    drop({good, gone, alsoGone, good2});
    std::filesystem::remove(gone);
    std::filesystem::remove(alsoGone);
    list->selectAll();
    click("selAllButton");
    click("writeButton");
    // Each file is named with its folder: an album's track names repeat.
    QString folder = QString::fromStdString(dir.path().filename().string());
    EXPECT_EQ(status(),
              QStringLiteral("Wrote 2 files; cannot write %1/b.mp3, %1/c.mp3 (left selected)")
                  .arg(folder));
    // The summary stays until the next action.
    QTest::qWait(CMarlowispDlg::kStatusDelayMs + 300);
    EXPECT_TRUE(status().startsWith(u"Wrote 2 files"));
    EXPECT_EQ(selectedRows(), QList<int>({1, 2}));
    EXPECT_EQ(readFileBytes(good).size(), audioBody().size() + 128);
    EXPECT_EQ(readFileBytes(good2).size(), audioBody().size() + 128);

    clickRow(1);
    EXPECT_EQ(status(), QStringLiteral("Cannot open %1").arg(qpath(gone)));
    click("removeButton");
    EXPECT_EQ(status(),
              QStringLiteral("Removed the tag of 0 files; cannot remove the tag of %1/b.mp3")
                  .arg(folder));
    // The next action lets the line return to its own text.
    clickRow(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return status() == u"Marlowisp 3.60"; }, 3000));
}

TEST_F(MarlowispDlgTest, AShortWriteIsReportedAsAFailure) {
    auto path = makeMp3("a.mp3");
    drop({path});
    clickRow(0);
    click("selAllButton");
    {
        FileSizeLimit limit(static_cast<long long>(audioBody().size()) + 64);
        click("writeButton");
    }
    EXPECT_EQ(status(), QStringLiteral("Wrote 0 files; cannot write %1/a.mp3")
                            .arg(QString::fromStdString(dir.path().filename().string())));
}

TEST_F(MarlowispDlgTest, TheSystemMenuOpensTheAboutBox) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            dialog->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(dialog.get(), &event);
    QMenu* menu = dialog->systemMenu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000));
    QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->text(), u"&About Marlowisp...");
    menu->hide();
    actions[2]->trigger();

    auto* box = dialog->findChild<QMessageBox*>(QStringLiteral("aboutBox"));
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
    EXPECT_EQ(box->windowTitle(), u"About Marlowisp");
    EXPECT_EQ(box->text(), u"Marlowisp Version 3.40");
    EXPECT_FALSE(box->iconPixmap().isNull());
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return dialog->findChild<QMessageBox*>() == nullptr; }, 2000));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(MarlowispDlgTest, ExitEndsTheDialog) {
    click("exitButton");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

}  // namespace
