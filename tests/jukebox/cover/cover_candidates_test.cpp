#include "jukebox/cover/cover_candidates.h"

#include <gtest/gtest.h>

#include "jukebox/common/path_functions.h"
#include "tests/support/temp_dir.h"

namespace {

QString qpath(const std::filesystem::path& p) {
    return PathFromLocalBytes(QByteArray::fromStdString(p.string()));
}

QStringList names(const QStringList& paths) {
    QStringList out;
    for (const QString& path : paths) {
        out.append(FileNamePart(path));
    }
    return out;
}

}  // namespace

// The three names in their order whatever the case, the exact spelling before
// its case variants, and nothing else of the folder.
TEST(CoverCandidatesTest, ThreeNamesInOrderIgnoringCaseExactSpellingFirst) {
    TempDir dir;
    for (const char* name : {"COVER.PNG", "Cover.JPG", "cover.jpg", "cover.jpeg", "folder.jpg",
                             "cover.png.bak", "song.mp3"}) {
        writeFileBytes(dir / name, "x");
    }
    const QString track = qpath(dir / "song.mp3");
    const QStringList found = CoverCandidates(track);
    EXPECT_EQ(names(found), (QStringList{QStringLiteral("cover.jpg"), QStringLiteral("Cover.JPG"),
                                         QStringLiteral("COVER.PNG")}));
    EXPECT_EQ(found.first(), FolderPart(track) + QStringLiteral("cover.jpg"));

    writeFileBytes(dir / "Cover.Bmp", "x");
    EXPECT_EQ(names(CoverCandidates(track)).first(), QStringLiteral("Cover.Bmp"));
}

TEST(CoverCandidatesTest, FolderWithoutCoverOrNotThereGivesNone) {
    TempDir dir;
    writeFileBytes(dir / "song.mp3", "x");
    EXPECT_TRUE(CoverCandidates(qpath(dir / "song.mp3")).isEmpty());
    EXPECT_TRUE(CoverCandidates(qpath(dir / "gone" / "song.mp3")).isEmpty());
}

// Folders named in a legacy code page are bytes that are not UTF-8.
TEST(CoverCandidatesTest, FolderNamedInBig5Bytes) {
    TempDir dir;
    const std::filesystem::path folder = dir / std::string("\xA4\xEB\xAB\x47");
    std::filesystem::create_directory(folder);
    writeFileBytes(folder / "Cover.png", "x");
    const QStringList found = CoverCandidates(qpath(folder / "a.mp3"));
    ASSERT_EQ(found.size(), 1);
    EXPECT_TRUE(FileExists(found.first()));
}
