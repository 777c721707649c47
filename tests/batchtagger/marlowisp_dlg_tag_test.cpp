// Marlowisp's dialog and the tags it shows and writes: fields that are not ticked
// keep their bytes, the code-page markers or the text choose how a tag is shown,
// the fields follow the selection after a Delete, and file names in legacy bytes
// work.
#include <QComboBox>
#include <QTest>
#include <chrono>

#include "jukebox/common/path_functions.h"
#include "taglib/code_page_converter.h"
#include "tests/batchtagger/marlowisp_dlg_fixture.h"

namespace {

constexpr int kTitle = 3, kArtist = 33, kYear = 93, kGenre = 127;

std::string inCodePage(int codePage, const char16_t* text) {
    return IcuCodePageConverter::instance().fromUtf16(codePage, text);
}

// The file's bytes with one block field put back as it was in before.
std::string withFieldOf(std::string bytes, const std::string& before, int offset, int width) {
    bytes.replace(bytes.size() - 128 + static_cast<size_t>(offset), static_cast<size_t>(width),
                  blockField(before, offset, width));
    return bytes;
}

QUrl urlOfBytes(const std::filesystem::path& path) {
    QByteArray bytes = QByteArray::fromStdString(path.string());
    return QUrl::fromEncoded(QByteArray("file://") + bytes.toPercentEncoding("/"));
}

TEST_F(MarlowispDlgTest, UntickedFieldsKeepTheirBytesInAnyCodePage) {
    // Texts that UTF-8 and Big5 cannot decode: Latin-1 and Shift-JIS bytes.
    RawBlock latin1{"Caf\xE9 Noir", "Ren\xE9", "Alb\xFCm", "1999", "Tr\xE8s bien", 17};
    RawBlock sjis{inCodePage(CodePage::ShiftJis, u"さくら"),
                  inCodePage(CodePage::ShiftJis, u"東京"),
                  "",
                  "",
                  inCodePage(CodePage::ShiftJis, u"春"),
                  12};
    QList<std::filesystem::path> paths{makeMp3("a.mp3", &latin1), makeMp3("b.mp3", &sjis)};
    std::vector<std::string> before{readFileBytes(paths[0]), readFileBytes(paths[1])};
    drop(paths);
    auto* codePages = child<QComboBox>("codePageList");
    QTest::mouseClick(change("year"), Qt::LeftButton);
    for (int item : {0, 1}) {  // UTF8, then BIG5
        codePages->setCurrentIndex(item);
        list->selectAll();
        QString year = QString::number(2001 + item);
        edit("year")->setText(year);
        click("writeButton");
        for (size_t i = 0; i < 2; ++i) {
            std::string after = readFileBytes(paths[static_cast<qsizetype>(i)]);
            EXPECT_EQ(blockField(after, kYear, 4), year.toStdString()) << item << i;
            EXPECT_EQ(withFieldOf(after, before[i], kYear, 4), before[i]) << item << i;
        }
    }

    // Big5 text written in BIG5 stays Big5 when a later write in UTF8 changes only
    // the year and the genre.
    auto c = makeMp3("c.mp3");
    drop({c});
    clickRow(2);
    codePages->setCurrentIndex(1);
    QTest::mouseClick(change("title"), Qt::LeftButton);
    QTest::mouseClick(change("year"), Qt::LeftButton);
    edit("title")->setText(QStringLiteral("月亮代表我的心"));
    click("writeButton");
    std::string big5 = padded(inCodePage(CodePage::Big5, u"月亮代表我的心"), 30);
    ASSERT_EQ(blockField(readFileBytes(c), kTitle, 30), big5);
    codePages->setCurrentIndex(0);
    QTest::mouseClick(change("title"), Qt::LeftButton);
    QTest::mouseClick(change("year"), Qt::LeftButton);
    QTest::mouseClick(change("genre"), Qt::LeftButton);
    edit("year")->setText(QStringLiteral("1977"));
    child<QComboBox>("genreList")->setCurrentIndex(17);
    click("writeButton");
    std::string after = readFileBytes(c);
    EXPECT_EQ(blockField(after, kTitle, 30), big5);
    EXPECT_EQ(blockField(after, kYear, 4), "1977");
    EXPECT_EQ(static_cast<uint8_t>(after[after.size() - 128 + kGenre]), 17);
}

TEST_F(MarlowispDlgTest, AWriteWithNothingTickedTouchesNoFile) {
    RawBlock latin1{"Caf\xE9 Noir", "", "", "", "", 17};
    QList<std::filesystem::path> paths{makeMp3("a.mp3", &latin1), makeMp3("b.mp3")};
    auto old = std::filesystem::last_write_time(paths[0]) - std::chrono::hours(48);
    std::vector<std::string> before;
    for (const auto& path : paths) {
        std::filesystem::last_write_time(path, old);
        before.push_back(readFileBytes(path));
    }
    drop(paths);
    for (bool several : {false, true}) {
        if (several) {
            list->selectAll();
        } else {
            clickRow(0);
        }
        click("writeButton");
        for (size_t i = 0; i < 2; ++i) {
            const auto& path = paths[static_cast<qsizetype>(i)];
            EXPECT_EQ(readFileBytes(path), before[i]) << several << i;
            EXPECT_EQ(std::filesystem::last_write_time(path), old) << several << i;
        }
    }
}

TEST_F(MarlowispDlgTest, AfterDeleteTheFieldsShowTheFileSelectedNext) {
    RawBlock one{"One", "First", "", "", "", 1};
    RawBlock two{"Two", "Second", "", "", "", 2};
    RawBlock three{"Three", "Third", "", "", "", 3};
    drop({makeMp3("a.mp3", &one), makeMp3("b.mp3", &two), makeMp3("c.mp3", &three)});
    auto* genres = child<QComboBox>("genreList");
    clickRow(1);
    ASSERT_EQ(edit("title")->text(), u"Two");
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(selectedRows(), QList<int>({1}));
    EXPECT_EQ(edit("title")->text(), u"Three");
    EXPECT_EQ(edit("artist")->text(), u"Third");
    EXPECT_EQ(genres->currentIndex(), 3);

    // The last item gone, the one before it is shown.
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(selectedRows(), QList<int>({0}));
    EXPECT_EQ(edit("title")->text(), u"One");
    EXPECT_EQ(genres->currentIndex(), 1);

    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(rowCount(), 0);
    EXPECT_TRUE(edit("title")->text().isEmpty());
    EXPECT_EQ(genres->currentIndex(), -1);
}

TEST_F(MarlowispDlgTest, AMarkedFileIsShownInItsCodePage) {
    const QString moon = QStringLiteral("月亮代表我的心");
    std::string big5 = inCodePage(CodePage::Big5, u"月亮代表我的心");
    RawBlock marked{big5, "", "", "", "", 248};
    RawBlock unmarked{big5, "", "", "", "", 17};
    RawBlock unnamedMarker{big5, "", "", "", "", 252};
    RawBlock utf8Marked{"\xC3\x84rger", "", "", "", "", 254};
    drop({makeMp3("a.mp3", &marked), makeMp3("b.mp3", &unmarked), makeMp3("c.mp3", &unnamedMarker),
          makeMp3("d.mp3", &utf8Marked)});
    auto* codePages = child<QComboBox>("codePageList");
    auto* genres = child<QComboBox>("genreList");

    clickRow(0);
    EXPECT_EQ(edit("title")->text(), moon);
    EXPECT_EQ(codePages->currentText(), u"BIG5");
    EXPECT_EQ(genres->currentText(), u"BIG5");
    clickRow(3);
    EXPECT_EQ(edit("title")->text(), u"Ärger");
    EXPECT_EQ(codePages->currentText(), u"UTF8");
    // Without a marker (252 names no code page) the text tells its code page.
    for (int row : {1, 2}) {
        clickRow(row);
        EXPECT_EQ(edit("title")->text(), moon) << row;
        EXPECT_EQ(codePages->currentText(), u"BIG5") << row;
    }

    // Choosing a code page shows the selected file's tag in it...
    clickRow(1);
    codePages->setCurrentIndex(3);
    EXPECT_NE(edit("title")->text(), moon);
    codePages->setCurrentIndex(1);
    EXPECT_EQ(edit("title")->text(), moon);
    // ...also against the file's marker, and the choice stays...
    clickRow(0);
    codePages->setCurrentIndex(3);
    EXPECT_EQ(codePages->currentText(), u"GB");
    EXPECT_NE(edit("title")->text(), moon);
    codePages->setCurrentIndex(1);
    EXPECT_EQ(edit("title")->text(), moon);
    // ...but never over what the user has typed since the tag was shown.
    QTest::keyClicks(edit("artist"), QStringLiteral("Teresa"));
    QString typed = edit("artist")->text();
    ASSERT_TRUE(typed.endsWith(u"Teresa"));
    codePages->setCurrentIndex(3);
    EXPECT_EQ(edit("title")->text(), moon);
    EXPECT_EQ(edit("artist")->text(), typed);
}

TEST_F(MarlowispDlgTest, AFileWithoutAMarkerIsShownAsTheFilesOfItsFolderRead) {
    auto gbk = [](const char16_t* text) { return inCodePage(CodePage::Gb, text); };
    RawBlock one{gbk(u"青藏高原"), gbk(u"丑八怪"), gbk(u"那一年"), "2004", "", 13};
    RawBlock two{gbk(u"常回家看看"), gbk(u"丑八怪"), gbk(u"那一年"), "2004", "", 13};
    // Its only text beyond ASCII is the artist's three characters.
    RawBlock intro{"Intro", gbk(u"丑八怪"), "", "2004", "", 13};
    RawBlock latin1{"Caf\xE9", "", "", "", "", 13};
    drop({makeMp3("album/1.mp3", &one), makeMp3("album/2.mp3", &two),
          makeMp3("album/3.mp3", &intro), makeMp3("other/cafe.mp3", &latin1)});
    auto* codePages = child<QComboBox>("codePageList");
    clickRow(2);
    EXPECT_EQ(edit("artist")->text(), QStringLiteral("丑八怪"));
    EXPECT_EQ(codePages->currentText(), u"GB");
    // Western text is shown as such; the list has no item for it and stays.
    clickRow(3);
    EXPECT_EQ(edit("title")->text(), QStringLiteral("Café"));
    EXPECT_EQ(codePages->currentText(), u"GB");
}

TEST_F(MarlowispDlgTest, FilesNamedInGbkBytesAreListedReadAndWritten) {
    // "歌" and "你好" in GBK: bytes that are not UTF-8.
    std::filesystem::path folder = dir.path() / "\xB8\xE8";
    std::filesystem::path inFolder = folder / "\xC4\xE3\xBA\xC3.mp3";
    std::filesystem::path single = dir.path() / "\xC4\xE3\xBA\xC3 2.mp3";
    std::filesystem::create_directories(folder);
    RawBlock hello{"Hello", "", "", "", "", 17};
    RawBlock alone{"Alone", "", "", "", "", 17};
    writeFileBytes(inFolder, audioBody() + hello.bytes());
    writeFileBytes(single, audioBody() + alone.bytes());

    dropUrls({urlOfBytes(folder), urlOfBytes(single)});
    auto localPath = [](const std::filesystem::path& path) {
        return PathFromLocalBytes(QByteArray::fromStdString(path.string()));
    };
    ASSERT_EQ(listed(), QStringList({localPath(inFolder), localPath(single)}));
    clickRow(0);
    EXPECT_EQ(edit("title")->text(), u"Hello");
    clickRow(1);
    EXPECT_EQ(edit("title")->text(), u"Alone");

    list->selectAll();
    QTest::mouseClick(change("artist"), Qt::LeftButton);
    edit("artist")->setText(QStringLiteral("Both"));
    click("writeButton");
    for (const auto& path : {inFolder, single}) {
        EXPECT_EQ(blockField(readFileBytes(path), kArtist, 30), padded("Both", 30));
    }
}

}  // namespace
