// Pellimorph run as a process, as users run it.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "../taglib/id3v1_fixtures.h"
#include "tests/support/process_runner.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string kUsage =
    "Pellimorph converts ID3 tags between different character sets\n\n"
    "Syntax: Pellimorph CPcurrent CPdesired filename.mp3\n\n"
    "CPcurrent = codepage of current tag\n"
    "CPdesired = desired codepage\n"
    "Valid codepages are: ANSI, UTF8, BIG5, GB, SJIS, KSC\n"
    "if any parameter has white space in it, enclose it in quotes\n";

std::string padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

class PellimorphTest : public testing::Test {
protected:
    ProcessResult run(const std::vector<std::string>& args) {
        return runProcess(PELLIMORPH_PATH, args);
    }
    std::filesystem::path tagged(const std::string& name, const RawBlock& block) {
        std::filesystem::path path = dir / name;
        writeFileBytes(path, audioBody() + block.bytes());
        return path;
    }
    TempDir dir;
};

TEST_F(PellimorphTest, PrintsUsageForFewerThanThreeArguments) {
    for (const auto& args : std::vector<std::vector<std::string>>{{}, {"big5"}, {"big5", "utf8"}}) {
        ProcessResult result = run(args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.output.rfind("Pellimorph 1.0", 0), 0u) << result.output;
        size_t bannerEnd = result.output.find('\n');
        ASSERT_NE(bannerEnd, std::string::npos);
        EXPECT_EQ(result.output.substr(bannerEnd + 1), kUsage);
    }
}

TEST_F(PellimorphTest, HelpShowsEveryFormAndSucceeds) {
    const ProcessResult result = run({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.output.find(kUsage), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("--dry-run"), std::string::npos);
    EXPECT_NE(result.output.find("--show"), std::string::npos);
}

TEST_F(PellimorphTest, ReportsFilesItCannotOpen) {
    std::string body = audioBody();
    std::filesystem::path mp4 = dir / "song.mp4";
    writeFileBytes(mp4, body);
    for (const std::string& path : {mp4.string(), (dir / "missing.mp3").string()}) {
        ProcessResult result = run({"big5", "utf8", path});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.output, "Cannot open " + path + ", check file name\n\n");
    }
    EXPECT_EQ(readFileBytes(mp4), body);
    if (geteuid() != 0) {
        std::filesystem::path readOnly = tagged("ro.mp3", RawBlock{"x", "", "", "", "", 0});
        chmod(readOnly.c_str(), 0444);
        EXPECT_EQ(run({"ansi", "utf8", readOnly.string()}).exitCode, 1);
    }
}

struct ConversionCase {
    const char* name;
    std::string bytes;  // "中文" or a native text in that code page
    const char* unicode;
};

class PellimorphConversion : public PellimorphTest,
                             public testing::WithParamInterface<ConversionCase> {};

TEST_P(PellimorphConversion, ConvertsToUtf8AndBack) {
    const ConversionCase& c = GetParam();
    RawBlock block{c.bytes, "A " + c.bytes, "", "2001", "", 13};
    std::filesystem::path path = tagged("c.mp3", block);
    size_t size = std::filesystem::file_size(path);

    ProcessResult result = run({c.name, "utf8", path.string()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, "Pellimorph: processing " + path.string());
    std::string bytes = readFileBytes(path);
    EXPECT_EQ(bytes.size(), size);
    EXPECT_EQ(blockField(bytes, 3, 30), padded(c.unicode, 30));
    EXPECT_EQ(blockField(bytes, 33, 30), padded(std::string("A ") + c.unicode, 30));
    EXPECT_EQ(blockField(bytes, 93, 4), "2001");
    EXPECT_EQ(bytes.back(), 13);

    result = run({"UTF8", c.name, path.string()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(readFileBytes(path), audioBody() + block.bytes());
}

INSTANTIATE_TEST_SUITE_P(CodePages, PellimorphConversion,
                         testing::Values(ConversionCase{"big5", "\xA4\xA4\xA4\xE5", "中文"},
                                         ConversionCase{"gb", "\xD6\xD0\xCE\xC4", "中文"},
                                         ConversionCase{"sjis", "\x93\xFA\x96\x7B", "日本"},
                                         ConversionCase{"ksc", "\xC7\xD1\xB1\xB9", "한국"},
                                         ConversionCase{"ansi", "Caf\xE9", "Café"}),
                         [](const testing::TestParamInfo<ConversionCase>& param) {
                             return std::string(param.param.name);
                         });

TEST_F(PellimorphTest, NamesAreCaseBlindAndUnknownNamesMeanAnsi) {
    RawBlock block{"\xA4\xA4", "", "", "", "", 248};
    for (const char* name : {"BIG5", "Big5", "bIg5"}) {
        std::filesystem::path path = tagged("n.mp3", block);
        EXPECT_EQ(run({name, "Utf8", path.string()}).exitCode, 0);
        EXPECT_EQ(blockField(readFileBytes(path), 3, 30), padded("中", 30)) << name;
        // The marker stays as it was.
        EXPECT_EQ(static_cast<uint8_t>(readFileBytes(path).back()), 248);
    }
    // "UTF-8" is no known name: ANSI, so é (E9) becomes the two UTF-8 bytes of é
    // only when read as ANSI.
    std::filesystem::path path = tagged("h.mp3", RawBlock{"\xE9", "", "", "", "", 0});
    EXPECT_EQ(run({"UTF-8", "utf8", path.string()}).exitCode, 0);
    EXPECT_EQ(blockField(readFileBytes(path), 3, 30), padded("\xC3\xA9", 30));
    path = tagged("h.mp3", RawBlock{"\xE9", "", "", "", "", 0});
    EXPECT_EQ(run({"utf8", "UTF-8", path.string()}).exitCode, 0);
    EXPECT_EQ(blockField(readFileBytes(path), 3, 30), padded("?", 30));
}

TEST_F(PellimorphTest, SameCodePageNormalisesPaddingOnly) {
    RawBlock block{"Title  x", "", "", "", "", 0};
    std::filesystem::path path = dir / "same.mp3";
    writeFileBytes(path, audioBody() + block.bytes('\0'));
    EXPECT_EQ(run({"ansi", "ansi", path.string()}).exitCode, 0);
    EXPECT_EQ(readFileBytes(path), audioBody() + block.bytes(' ')
                                                     .replace(33 + 0, 1, 1, '\0')
                                                     .replace(63, 1, 1, '\0')
                                                     .replace(93, 1, 1, '\0')
                                                     .replace(97, 1, 1, '\0'));
}

TEST_F(PellimorphTest, LongTextIsCutBetweenWholeCharacters) {
    // Fifteen Big5 characters fill 30 bytes; in UTF-8 only ten fit.
    std::string fifteen;
    for (int i = 0; i < 15; ++i) {
        fifteen += "\xA4\xA4";
    }
    std::filesystem::path path = tagged("long.mp3", RawBlock{fifteen, "", "", "", "", 0});
    EXPECT_EQ(run({"big5", "utf8", path.string()}).exitCode, 0);
    std::string ten;
    for (int i = 0; i < 10; ++i) {
        ten += "中";
    }
    EXPECT_EQ(blockField(readFileBytes(path), 3, 30), ten);
}

TEST_F(PellimorphTest, LeavesAFileWithoutATagAsItWas) {
    std::filesystem::path path = dir / "plain.mp3";
    writeFileBytes(path, audioBody());
    ProcessResult result = run({"big5", "utf8", path.string()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output.rfind("Pellimorph: processing " + path.string(), 0), 0u);
    EXPECT_NE(result.output.find("No ID3v1 tag"), std::string::npos) << result.output;
    EXPECT_EQ(readFileBytes(path), audioBody());
}

TEST_F(PellimorphTest, AFailedWriteIsReportedAndExitsWithOne) {
    RawBlock block{"\xA4\xA4", "", "", "", "", 0};
    std::filesystem::path path = tagged("full.mp3", block);
    std::string before = readFileBytes(path);
    ProcessResult result;
    {
        // The child inherits the limit: its write of the last block goes past it.
        FileSizeLimit limit(static_cast<long long>(before.size()) - 64);
        result = run({"big5", "utf8", path.string()});
    }
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("Cannot write the tag of " + path.string()), std::string::npos)
        << result.output;
    EXPECT_EQ(readFileBytes(path), before);
}

TEST_F(PellimorphTest, HandlesPathsWithSpacesAndNonAsciiLetters) {
    std::filesystem::path folder = dir / "Mes chansons préférées";
    std::filesystem::create_directory(folder);
    std::filesystem::path path = folder / "歌 曲.MP3";
    writeFileBytes(path, audioBody() + RawBlock{"\xA4\xE5", "", "", "", "", 0}.bytes());
    ProcessResult result = run({"big5", "utf8", path.string()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, "Pellimorph: processing " + path.string());
    EXPECT_EQ(blockField(readFileBytes(path), 3, 30), padded("文", 30));
}

}  // namespace
