#include "jukebox/shell/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "jukebox/common/path_functions.h"
#include "tests/support/temp_dir.h"

namespace {

CommandLine parse(std::vector<const char*> arguments, const char* folder = "/home/u") {
    arguments.insert(arguments.begin(), "velorine");
    return ParseCommandLine(static_cast<int>(arguments.size()), arguments.data(),
                            PathFromLocalBytes(QByteArray(folder)));
}

TEST(CommandLineTest, TheFileIsTheFirstArgumentThatIsNoOption) {
    CommandLine line = parse({"-x", "/music/a b.mp3", "-v", "second.mp3"});
    EXPECT_EQ(line.file, QStringLiteral("/music/a b.mp3"));  // an absolute path is no option
    EXPECT_EQ(line.files, (QStringList{QStringLiteral("/music/a b.mp3"),
                                       QStringLiteral("/home/u/second.mp3")}));
    EXPECT_FALSE(line.minimized);

    line = parse({"--minimized", "-", "song.mp3"});
    EXPECT_TRUE(line.minimized);
    EXPECT_EQ(line.files.size(), 1);
    EXPECT_EQ(line.file, QStringLiteral("/home/u/song.mp3"));

    EXPECT_EQ(parse({"sub/song.mp3"}, "/").file, QStringLiteral("/sub/song.mp3"));
    EXPECT_EQ(parse({"", "-v"}).file, QString());
    EXPECT_FALSE(parse({}).minimized);
}

TEST(CommandLineTest, BytesThatAreNoUtf8ComeThroughUnchanged) {
    const CommandLine line = parse({"caf\xe9 \xc4\xe3.mp3"}, "/home/\xb0\xa1");
    EXPECT_EQ(LocalPathBytes(line.file), QByteArray("/home/\xb0\xa1/caf\xe9 \xc4\xe3.mp3"));
}

TEST(CommandLineTest, AddressesStayAsTheyAreAndFileUrlsBecomePaths) {
    const CommandLine line =
        parse({"http://radio.example/live.mp3", "HTTPS://music.example/a%20b.ogg?x=1",
               "rtsp://cam.example:554/1", "file:///music/caf%E9%20%C4%E3.mp3",
               "file://localhost/music/b.mp3", "http:song.mp3", "my.scheme://x"});
    EXPECT_EQ(line.file, QStringLiteral("http://radio.example/live.mp3"));
    ASSERT_EQ(line.files.size(), 7);
    EXPECT_EQ(line.files[1], QStringLiteral("HTTPS://music.example/a%20b.ogg?x=1"));
    EXPECT_EQ(line.files[2], QStringLiteral("rtsp://cam.example:554/1"));
    EXPECT_EQ(LocalPathBytes(line.files[3]), QByteArray("/music/caf\xe9 \xc4\xe3.mp3"));
    EXPECT_EQ(line.files[4], QStringLiteral("/music/b.mp3"));
    // Without "//" it is a name in the current folder.
    EXPECT_EQ(line.files[5], QStringLiteral("/home/u/http:song.mp3"));
    EXPECT_EQ(line.files[6], QStringLiteral("my.scheme://x"));
}

TEST(CommandLineTest, TheCurrentFolderKeepsItsBytes) {
    TempDir temp;
    const std::filesystem::path folder = temp / "caf\xe9";
    std::filesystem::create_directory(folder);
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    const QString current = CurrentFolder();
    std::filesystem::current_path(before);
    EXPECT_EQ(LocalPathBytes(current), QByteArray::fromStdString(folder.string()));
}

}  // namespace
