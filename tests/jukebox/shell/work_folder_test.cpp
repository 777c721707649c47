#include "jukebox/shell/work_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "jukebox/common/path_functions.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

QString qpath(const fs::path& p) {
    return PathFromLocalBytes(QByteArray::fromStdString(p.string()));
}

// A shipped data folder as an install lays it out: <prefix>/share/velorine/shipped
// beside <prefix>/bin.
struct ShippedData {
    TempDir prefix;
    fs::path data = prefix / "share" / "velorine" / "shipped";
    ShippedData() {
        fs::create_directories(data / "skins" / "XPAqua");
        fs::create_directories(prefix / "bin");
        writeFileBytes(data / "audio.flt", "mp3\n");
        writeFileBytes(data / "video.flt", "avi\n");
        writeFileBytes(data / "skins" / "XPAqua" / "spec.txt", "new spec");
        writeFileBytes(data / "skins" / "Ember.vlz", "archive");
    }
};

}  // namespace

TEST(WorkFolderTest, ChoiceFollowsTheVariableThenTheListsThenTheDataHome) {
    TempDir dir;
    unsetenv("VELORINE_WORK_DIR");
    const QString dataHome = PathFromLocalBytes(qgetenv("XDG_DATA_HOME"));
    WorkFolderChoice choice = ChooseWorkFolder(qpath(dir.path()));
    EXPECT_EQ(choice.folder, dataHome + QStringLiteral("/velorine"));
    EXPECT_TRUE(choice.prepare);

    writeFileBytes(dir / "audio.flt", "mp3\n");
    choice = ChooseWorkFolder(qpath(dir.path()));
    EXPECT_EQ(choice.folder, qpath(dir.path()));
    EXPECT_FALSE(choice.prepare);

    setenv("VELORINE_WORK_DIR", (dir / "given").c_str(), 1);
    choice = ChooseWorkFolder(qpath(dir.path()));
    unsetenv("VELORINE_WORK_DIR");
    EXPECT_EQ(choice.folder, qpath(dir / "given"));
    EXPECT_TRUE(choice.prepare);
}

TEST(WorkFolderTest, ShippedDataIsFoundBesideAnInstalledProgramOnly) {
    ShippedData shipped;
    EXPECT_EQ(ShippedDataFolder(qpath(shipped.prefix / "bin")), qpath(shipped.data));
    EXPECT_TRUE(ShippedDataFolder(qpath(shipped.data)).isEmpty());
}

// A first start gets everything; a later one keeps what the user changed or
// added, whatever its date, and brings only the shipped skin files the user left
// alone up to date.
TEST(WorkFolderTest, PreparingFillsInWhatIsMissingAndKeepsTheUsersFiles) {
    ShippedData shipped;
    TempDir home;
    const fs::path work = home / "data" / "velorine";
    QString error;
    ASSERT_TRUE(PrepareWorkFolder(qpath(work), qpath(shipped.data), error)) << error.toStdString();
    EXPECT_EQ(readFileBytes(work / "audio.flt"), "mp3\n");
    EXPECT_EQ(readFileBytes(work / "skins" / "Ember.vlz"), "archive");
    EXPECT_TRUE(fs::exists(work / "default.trk"));
    EXPECT_EQ(fs::file_size(work / "default.dic"), 0u);

    writeFileBytes(work / "audio.flt", "mp3\nflac\n");
    writeFileBytes(work / "default.dic", "user rows");
    writeFileBytes(work / "skins" / "Mine.vlz", "user skin");
    const fs::path spec = work / "skins" / "XPAqua" / "spec.txt";
    writeFileBytes(spec, "user's spec");
    // A newer version ships other skins and lists.
    for (const fs::path& file :
         {shipped.data / "skins" / "XPAqua" / "spec.txt", shipped.data / "skins" / "Ember.vlz",
          shipped.data / "audio.flt"}) {
        writeFileBytes(file, "newer");
        fs::last_write_time(file, fs::last_write_time(spec) + std::chrono::hours(1));
    }
    ASSERT_TRUE(PrepareWorkFolder(qpath(work), qpath(shipped.data), error));
    EXPECT_EQ(readFileBytes(work / "audio.flt"), "mp3\nflac\n");
    EXPECT_EQ(readFileBytes(work / "default.dic"), "user rows");
    EXPECT_EQ(readFileBytes(work / "skins" / "Mine.vlz"), "user skin");
    EXPECT_EQ(readFileBytes(spec), "user's spec");
    EXPECT_EQ(readFileBytes(work / "skins" / "Ember.vlz"), "newer");

    // Files of those names that are no regular files are left alone, unread.
    fs::remove(work / "default.trk");
    fs::remove(work / "skins" / "Ember.vlz");
    ASSERT_EQ(::mkfifo((work / "default.trk").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((work / "skins" / "Ember.vlz").c_str(), 0600), 0);
    EXPECT_TRUE(PrepareWorkFolder(qpath(work), qpath(shipped.data), error)) << error.toStdString();
    EXPECT_TRUE(fs::is_fifo(work / "default.trk"));
    EXPECT_TRUE(fs::is_fifo(work / "skins" / "Ember.vlz"));
}

TEST(WorkFolderTest, AFolderThatCannotBeMadeIsReported) {
    TempDir dir;
    writeFileBytes(dir / "file", "x");
    QString error;
    EXPECT_FALSE(PrepareWorkFolder(qpath(dir / "file" / "velorine"), QString(), error));
    EXPECT_TRUE(error.contains(QStringLiteral("velorine"))) << error.toStdString();
}
