#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QUrl>
#include <fstream>

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

// A file whose name is GBK bytes is found through the text the folder walks make
// of its name, and a dropped URL of it gives the same text.
TEST(PathFunctions, NamesThatAreNotUtf8AreFoundAgain) {
    TempDir dir;
    const QByteArray bytes =
        QByteArray::fromStdString(dir.path().string()) + "/\xD4\xC2\xC1\xC1.mp3";
    std::ofstream(bytes.toStdString()) << "x";
    QString path = PathFromLocalBytes(bytes);
    EXPECT_EQ(LocalPathBytes(path), bytes);
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(FileExists(QString::fromLocal8Bit(bytes)));  // the lossy decode misses it

    QUrl url(QStringLiteral("file://") + QString::fromLatin1(bytes.toPercentEncoding("/")));
    EXPECT_EQ(LocalPathOfUrl(url), path);
    EXPECT_EQ(LocalPathOfUrl(QUrl(QStringLiteral("http://radio/x.mp3"))), QString());
}

}  // namespace
