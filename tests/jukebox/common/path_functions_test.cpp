#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "jukebox/common/path_functions.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(PathFunctions, SplitOnEitherSeparator) {
    EXPECT_EQ(FileNamePart(QStringLiteral("D:\\music\\a.mp3")), QStringLiteral("a.mp3"));
    EXPECT_EQ(FileNamePart(QStringLiteral("/music/sub\\b.ogg")), QStringLiteral("b.ogg"));
    EXPECT_EQ(FileNamePart(QStringLiteral("c.wav")), QStringLiteral("c.wav"));
    EXPECT_EQ(FileNamePart(QStringLiteral("/music/")), QString());
    EXPECT_EQ(FolderPart(QStringLiteral("D:\\music\\a.mp3")), QStringLiteral("D:\\music\\"));
    EXPECT_EQ(FolderPart(QStringLiteral("/music/sub\\b.ogg")), QStringLiteral("/music/sub\\"));
    EXPECT_EQ(FolderPart(QStringLiteral("c.wav")), QString());
    EXPECT_EQ(ExtensionPart(QStringLiteral("a.b.MP3")), QStringLiteral("MP3"));
    EXPECT_EQ(ExtensionPart(QStringLiteral("noext")), QStringLiteral("noext"));
    EXPECT_EQ(ExtensionPart(QStringLiteral("trailing.")), QString());
    EXPECT_EQ(JoinPath(QStringLiteral("/a/"), QStringLiteral("b")), QStringLiteral("/a//b"));
}

TEST(PathFunctions, HttpAddressesByTheirFirstFourLetters) {
    EXPECT_TRUE(IsHttpAddress(QStringLiteral("http://radio/stream")));
    EXPECT_TRUE(IsHttpAddress(QStringLiteral("HTTPS://radio")));
    EXPECT_TRUE(IsHttpAddress(QStringLiteral("httpfoo")));
    EXPECT_FALSE(IsHttpAddress(QStringLiteral("htt")));
    EXPECT_FALSE(IsHttpAddress(QStringLiteral("/http/a.mp3")));
}

TEST(PathFunctions, FileExistsForFilesAndFolders) {
    TempDir dir;
    QString folder = QString::fromStdString(dir.path().string());
    QFile file(folder + QStringLiteral("/song.mp3"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(FileExists(folder + QStringLiteral("/song.mp3")));
    EXPECT_FALSE(FileExists(folder + QStringLiteral("/other.mp3")));
    EXPECT_FALSE(FileExists(folder + QStringLiteral("/")));
    EXPECT_FALSE(FileExists(QString()));
}

}  // namespace
