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
