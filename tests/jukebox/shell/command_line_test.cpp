#include "jukebox/shell/command_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "jukebox/common/path_functions.h"

namespace {

CommandLine parse(std::vector<const char*> arguments, const char* folder = "/home/u") {
    arguments.insert(arguments.begin(), "velorine");
    return ParseCommandLine(static_cast<int>(arguments.size()), arguments.data(),
                            PathFromLocalBytes(QByteArray(folder)));
}

TEST(CommandLineTest, TheFileIsTheFirstArgumentThatIsNoOption) {
    CommandLine line = parse({"-x", "/music/a b.mp3", "/music/second.mp3"});
    EXPECT_EQ(line.file, QStringLiteral("/music/a b.mp3"));  // an absolute path is no option
    EXPECT_FALSE(line.minimized);

    line = parse({"--minimized", "-", "song.mp3"});
    EXPECT_TRUE(line.minimized);
    EXPECT_EQ(line.file, QStringLiteral("/home/u/song.mp3"));

    EXPECT_EQ(parse({"sub/song.mp3"}, "/").file, QStringLiteral("/sub/song.mp3"));
    EXPECT_EQ(parse({"", "-v"}).file, QString());
    EXPECT_FALSE(parse({}).minimized);
}

TEST(CommandLineTest, BytesThatAreNoUtf8ComeThroughUnchanged) {
    const CommandLine line = parse({"caf\xe9 \xc4\xe3.mp3"}, "/home/\xb0\xa1");
    EXPECT_EQ(LocalPathBytes(line.file), QByteArray("/home/\xb0\xa1/caf\xe9 \xc4\xe3.mp3"));
}

}  // namespace
