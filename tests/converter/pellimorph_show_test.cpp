// pellimorph --show and the code page "auto", run as a process as users run it.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <filesystem>
#include <sstream>
#include <string>

#include "../taglib/id3v1_fixtures.h"
#include "taglib/code_page_converter.h"
#include "tests/support/process_runner.h"
#include "tests/support/temp_dir.h"

namespace {

std::string gbk(const char* utf8Text) {
    return IcuCodePageConverter::instance().fromUtf16(CodePage::Gb, u16(utf8Text));
}

class PellimorphShow : public testing::Test {
protected:
    std::filesystem::path tagged(const std::string& name, const std::string& tail) {
        std::filesystem::path path = dir / name;
        std::filesystem::create_directories(path.parent_path());
        writeFileBytes(path, audioBody() + tail);
        return path;
    }
    // The output's lines as JSON objects; fails the test on a line that is none.
    static std::vector<QJsonObject> objects(const std::string& output) {
        std::vector<QJsonObject> result;
        std::istringstream lines(output);
        std::string line;
        while (std::getline(lines, line)) {
            QJsonParseError error{};
            QJsonDocument document =
                QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
            EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
            EXPECT_TRUE(document.isObject()) << line;
            result.push_back(document.object());
        }
        return result;
    }
    static std::string text(const QJsonObject& object, const char* key) {
        return object.value(QString::fromUtf8(key)).toString().toStdString();
    }

    TempDir dir;
};

TEST_F(PellimorphShow, ShowsEachTagAsAJsonLineWithItsCodePageAndHowItWasChosen) {
    RawBlock album{gbk("青藏高原"), gbk("丑八怪"), gbk("那一年"), "2004", "", 13};
    album.comment = std::string("Live") + std::string(24, ' ') + '\0' + '\x07';  // track 7
    auto first = tagged("album/01.mp3", album.bytes());
    album.title = gbk("常回家看看");
    album.comment = "";
    auto second = tagged("album/02.mp3", album.bytes());
    // Its only text beyond ASCII is the artist's two characters: the folder votes.
    album.title = "Intro";
    auto third = tagged("album/03.mp3", album.bytes());
    auto marked = tagged("other/marked.mp3", RawBlock{"\xA4\xA4", "", "", "", "", 248}.bytes());
    auto cafe =
        tagged("other/caf\xE9.mp3", RawBlock{"Caf\xE9", "\"Q\"\\", "", "", "\t", 0}.bytes());
    auto plain = tagged("other/plain.mp3", "");

    ProcessResult result =
        runProcess(PELLIMORPH_PATH, {"--show", first.string(), second.string(), marked.string(),
                                     cafe.string(), plain.string(), third.string()});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    std::vector<QJsonObject> tags = objects(result.output);
    ASSERT_EQ(tags.size(), 6u);
    EXPECT_EQ(text(tags[0], "file"), first.string());
    EXPECT_EQ(text(tags[0], "codepage"), "GB");
    EXPECT_EQ(text(tags[0], "source"), "detected");
    EXPECT_EQ(text(tags[0], "title"), "青藏高原");
    EXPECT_EQ(text(tags[0], "artist"), "丑八怪");  // as its album is read
    EXPECT_EQ(text(tags[0], "album"), "那一年");
    EXPECT_EQ(text(tags[0], "year"), "2004");
    EXPECT_EQ(text(tags[0], "comment"), "Live");
    EXPECT_EQ(tags[0].value(QStringLiteral("track")).toInt(), 7);
    EXPECT_EQ(text(tags[0], "genre"), "Pop");
    EXPECT_TRUE(tags[1].value(QStringLiteral("track")).isNull());
    EXPECT_EQ(text(tags[1], "artist"), "丑八怪");
    EXPECT_EQ(text(tags[2], "codepage"), "BIG5");
    EXPECT_EQ(text(tags[2], "source"), "marker");
    EXPECT_EQ(text(tags[2], "title"), "中");
    EXPECT_EQ(text(tags[2], "genre"), "BIG5");
    // A Latin-1 name and text; quotes, backslashes and tabs escaped. The file's
    // name is not UTF-8: its byte comes back as an escaped lone surrogate.
    EXPECT_NE(result.output.find("\"file\":\"" + (dir / "other/caf").string() + "\\udce9.mp3\""),
              std::string::npos)
        << result.output;
    EXPECT_EQ(text(tags[3], "codepage"), "ANSI");
    EXPECT_EQ(text(tags[3], "title"), "Café");
    EXPECT_EQ(text(tags[3], "artist"), "\"Q\"\\");
    EXPECT_EQ(text(tags[3], "comment"), "\t");
    EXPECT_EQ(text(tags[4], "error"), "no ID3v1 tag");
    EXPECT_EQ(text(tags[5], "codepage"), "GB");
    EXPECT_EQ(text(tags[5], "artist"), "丑八怪");

    // --from names the code page: no marker, no detection.
    result = runProcess(PELLIMORPH_PATH, {"--show", "--from", "big5", first.string(),
                                          marked.string(), (dir / "missing.mp3").string()});
    EXPECT_EQ(result.exitCode, 1);
    tags = objects(result.output);
    ASSERT_EQ(tags.size(), 3u);
    EXPECT_EQ(text(tags[0], "codepage"), "BIG5");
    EXPECT_EQ(text(tags[0], "source"), "given");
    EXPECT_NE(text(tags[0], "title"), "青藏高原");
    EXPECT_EQ(text(tags[1], "source"), "given");
    EXPECT_EQ(text(tags[2], "error"), "cannot open");

    // Nothing to show: the usage, exit code 1.
    result = runProcess(PELLIMORPH_PATH, {"--show"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("--show"), std::string::npos);
}

TEST_F(PellimorphShow, AutoAsTheCurrentCodePageDetectsIt) {
    RawBlock block{gbk("月亮之上"), gbk("凤凰传奇"), "", "2005", "", 13};
    auto path = tagged("auto.mp3", block.bytes());
    ProcessResult result = runProcess(PELLIMORPH_PATH, {"AUTO", "utf8", path.string()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, "Pellimorph: processing " + path.string());
    std::string bytes = readFileBytes(path);
    EXPECT_EQ(blockField(bytes, 3, 12), "月亮之上");
    EXPECT_EQ(blockField(bytes, 33, 12), "凤凰传奇");
    // A marker names the code page of a tag read with auto.
    auto marked = tagged("marked.mp3", RawBlock{gbk("中文"), "", "", "", "", 248}.bytes());
    EXPECT_EQ(runProcess(PELLIMORPH_PATH, {"auto", "utf8", marked.string()}).exitCode, 0);
    std::string big5Reading =
        utf8(IcuCodePageConverter::instance().toUtf16(CodePage::Big5, gbk("中文")));
    EXPECT_EQ(blockField(readFileBytes(marked), 3, big5Reading.size()), big5Reading);
}

}  // namespace
