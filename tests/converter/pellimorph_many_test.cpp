// Pellimorph over folders: many files, --dry-run, the undo journal and --undo,
// run as a process as users run it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "../taglib/id3v1_fixtures.h"
#include "taglib/code_page_converter.h"
#include "tests/support/process_runner.h"
#include "tests/support/temp_dir.h"

namespace {

std::string encoded(int codePage, const char* utf8Text) {
    return IcuCodePageConverter::instance().fromUtf16(codePage, u16(utf8Text));
}

// A file that cannot be opened for writing, by root too: root ignores the mode,
// so the file is made immutable where the file system allows it.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::filesystem::path& path) : path_(path) {
        chmod(path.c_str(), 0444);
        if (geteuid() != 0) {
            ok_ = true;
            return;
        }
        int fd = open(path.c_str(), O_RDONLY);
        int flags = 0;
        if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            ok_ = immutable_ = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        if (fd >= 0) {
            close(fd);
        }
    }
    ~ReadOnlyFile() {
        if (immutable_) {
            int fd = open(path_.c_str(), O_RDONLY);
            int flags = 0;
            if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
                flags &= ~FS_IMMUTABLE_FL;
                ioctl(fd, FS_IOC_SETFLAGS, &flags);
            }
            if (fd >= 0) {
                close(fd);
            }
        }
        chmod(path_.c_str(), 0644);
    }
    bool ok() const { return ok_; }

private:
    std::filesystem::path path_;
    bool ok_ = false;
    bool immutable_ = false;
};

class PellimorphMany : public testing::Test {
protected:
    void SetUp() override {
        const char* data = std::getenv("XDG_DATA_HOME");
        oldData_ = data ? data : "";
        // The journal of this test alone; the program inherits the setting.
        setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
    }
    void TearDown() override { setenv("XDG_DATA_HOME", oldData_.c_str(), 1); }

    ProcessResult run(const std::vector<std::string>& args) {
        return runProcess(PELLIMORPH_PATH, args);
    }
    std::filesystem::path tagged(const std::string& name, const std::string& tail) {
        std::filesystem::path path = dir / name;
        std::filesystem::create_directories(path.parent_path());
        writeFileBytes(path, audioBody() + tail);
        files_[path] = audioBody() + tail;
        return path;
    }
    // An album in each legacy code page, one tag with a marker, one file without.
    void makeCollection() {
        tagged("music/big5/2 - a.mp3",
               RawBlock{encoded(CodePage::Big5, "月亮代表我的心"),
                        encoded(CodePage::Big5, "鄧麗君"), "", "1977", "", 13}
                   .bytes());
        tagged("music/big5/10 - b.mp3",
               RawBlock{encoded(CodePage::Big5, "甜蜜蜜"), encoded(CodePage::Big5, "鄧麗君"), "",
                        "1979", "", 13}
                   .bytes());
        tagged("music/gbk/01.mp3", RawBlock{encoded(CodePage::Gb, "青藏高原"),
                                            encoded(CodePage::Gb, "李娜"), "", "1994", "", 13}
                                       .bytes());
        tagged("music/sjis/01.mp3",
               RawBlock{encoded(CodePage::ShiftJis, "川の流れのように"),
                        encoded(CodePage::ShiftJis, "美空ひばり"), "", "1989", "", 13}
                   .bytes());
        tagged("music/ksc/01.mp3", RawBlock{encoded(CodePage::Ksc, "아리랑"),
                                            encoded(CodePage::Ksc, "조용필"), "", "1980", "", 13}
                                       .bytes());
        tagged("music/marked/01.mp3",
               RawBlock{encoded(CodePage::ShiftJis, "昴"), "", "", "", "", 249}.bytes());
        tagged("music/plain.mp3", "");
    }
    // Every file made is as it was made.
    void expectAllUnchanged() {
        for (const auto& [path, bytes] : files_) {
            EXPECT_EQ(readFileBytes(path), bytes) << path;
        }
    }
    static std::map<std::string, QJsonObject> showByFile(const std::string& output) {
        std::map<std::string, QJsonObject> result;
        std::istringstream lines(output);
        std::string line;
        while (std::getline(lines, line)) {
            QJsonParseError error{};
            QJsonDocument document =
                QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
            EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
            QJsonObject object = document.object();
            result[object.value(QStringLiteral("file")).toString().toStdString()] = object;
        }
        return result;
    }
    static std::string text(const QJsonObject& object, const char* key) {
        return object.value(QString::fromUtf8(key)).toString().toStdString();
    }
    std::filesystem::path journalFolder() const { return dir / "data/marlowisp/journal"; }

    TempDir dir;
    std::map<std::filesystem::path, std::string> files_;
    std::string oldData_;
};

TEST_F(PellimorphMany, DryRunShowsTheTextsBeforeAndAfterAndWritesNothing) {
    makeCollection();
    std::string fifteen;
    for (int i = 0; i < 15; ++i) {
        fifteen += "中";
    }
    tagged("music/long.mp3",
           RawBlock{encoded(CodePage::Big5, fifteen.c_str()), "", "", "", "", 0}.bytes());
    // Times far back, so that a write would show.
    for (const auto& [path, bytes] : files_) {
        timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
        utimensat(AT_FDCWD, path.c_str(), times, 0);
    }
    ProcessResult result = run({"--dry-run", "auto", "utf8", (dir / "music").string()});
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(result.errors, "");
    const std::string& out = result.output;
    EXPECT_NE(out.find((dir / "music/big5/2 - a.mp3").string() +
                       " (BIG5 detected -> UTF8)\n"
                       "  title: \"月亮代表我的心\" -> \"月亮代表我的心\"\n"
                       "  artist: \"鄧麗君\" -> \"鄧麗君\"\n"),
              std::string::npos)
        << out;
    // Folders walked in natural order: 2 before 10.
    EXPECT_LT(out.find("2 - a.mp3"), out.find("10 - b.mp3"));
    EXPECT_NE(out.find("(GB detected -> UTF8)\n  title: \"青藏高原\" -> \"青藏高原\""),
              std::string::npos);
    EXPECT_NE(out.find("  title: \"川の流れのように\" -> \"川の流れのように\""), std::string::npos);
    EXPECT_NE(out.find("  artist: \"조용필\" -> \"조용필\""), std::string::npos);
    EXPECT_NE(out.find("(SJIS marker -> UTF8, marker SJIS -> UTF-8)"), std::string::npos);
    // Fifteen characters fill 30 bytes of Big5; ten fit in UTF-8.
    EXPECT_NE(out.find("  title: \"" + fifteen + "\" -> \"" + fifteen.substr(0, 30) +
                       "\"  (not the same text)"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("No ID3v1 tag in " + (dir / "music/plain.mp3").string()), std::string::npos);
    EXPECT_NE(out.find("dry run, nothing written: 7 to convert, 1 without a tag, 0 failed"),
              std::string::npos);

    expectAllUnchanged();
    for (const auto& [path, bytes] : files_) {
        struct stat info {};
        ASSERT_EQ(stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mtim.tv_sec, 1000000000) << path;
    }
    EXPECT_FALSE(std::filesystem::exists(journalFolder()));
}

TEST_F(PellimorphMany, ARunOverFoldersConvertsEachFileOnceAndUndoPutsEveryByteBack) {
    makeCollection();
    auto gbk = dir / "music/gbk/01.mp3";
    // The file is named twice, by its folder and by itself: converted twice its
    // UTF-8 would be read as GBK again.
    ProcessResult result = run({"gb", "utf8", (dir / "music/gbk").string(), gbk.string()});
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_NE(result.output.find("1 converted, 0 without a tag, 0 failed"), std::string::npos)
        << result.output;
    std::string gbkConverted = readFileBytes(gbk);
    // Then the whole collection, whatever each tag is in.
    result = run({"auto", "utf8", (dir / "music").string()});
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_NE(result.output.find("6 converted, 1 without a tag, 0 failed"), std::string::npos)
        << result.output;

    result = run({"--show", (dir / "music").string()});
    EXPECT_EQ(result.exitCode, 0);
    std::map<std::string, QJsonObject> shown = showByFile(result.output);
    ASSERT_EQ(shown.size(), 7u);
    const QJsonObject& teresa = shown[(dir / "music/big5/2 - a.mp3").string()];
    EXPECT_EQ(text(teresa, "codepage"), "UTF8");
    EXPECT_EQ(text(teresa, "title"), "月亮代表我的心");
    EXPECT_EQ(text(teresa, "artist"), "鄧麗君");
    EXPECT_EQ(text(teresa, "genre"), "Pop");
    EXPECT_EQ(text(shown[gbk.string()], "title"), "青藏高原");
    EXPECT_EQ(text(shown[(dir / "music/sjis/01.mp3").string()], "artist"), "美空ひばり");
    EXPECT_EQ(text(shown[(dir / "music/ksc/01.mp3").string()], "title"), "아리랑");
    // The marker follows the text into UTF-8, so readers that honour it read it right.
    const QJsonObject& marked = shown[(dir / "music/marked/01.mp3").string()];
    EXPECT_EQ(text(marked, "source"), "marker");
    EXPECT_EQ(text(marked, "codepage"), "UTF8");
    EXPECT_EQ(text(marked, "title"), "昴");
    EXPECT_EQ(text(shown[(dir / "music/plain.mp3").string()], "error"), "no ID3v1 tag");

    // Each undo goes one run further back.
    result = run({"--undo"});
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_NE(result.output.find("undoing the run of pellimorph"), std::string::npos);
    EXPECT_EQ(readFileBytes(gbk), gbkConverted);
    EXPECT_EQ(run({"--undo"}).exitCode, 0);
    expectAllUnchanged();
    result = run({"--undo"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.errors.find("nothing to undo"), std::string::npos);

    // The one-file form keeps its change in the journal too.
    auto big5 = dir / "music/big5/10 - b.mp3";
    result = run({"big5", "utf8", big5.string()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, "Pellimorph: processing " + big5.string());
    EXPECT_NE(readFileBytes(big5), files_[big5]);
    EXPECT_EQ(run({"--undo"}).exitCode, 0);
    expectAllUnchanged();
}

TEST_F(PellimorphMany, AFileThatCannotBeWrittenIsNamedAndTheRunExitsWithOne) {
    makeCollection();
    auto locked = dir / "music/gbk/01.mp3";
    ReadOnlyFile readOnly(locked);
    if (!readOnly.ok()) {
        GTEST_SKIP() << "no read-only file can be made here";
    }
    ProcessResult result = run({"--dry-run", "auto", "utf8", (dir / "music").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, "Pellimorph: cannot write " + locked.string() + "\n");

    result = run({"auto", "utf8", (dir / "music").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, "Pellimorph: cannot open " + locked.string() + "\n");
    EXPECT_NE(result.output.find("5 converted, 1 without a tag, 1 failed"), std::string::npos)
        << result.output;
    EXPECT_EQ(readFileBytes(locked), files_[locked]);
    EXPECT_NE(readFileBytes(dir / "music/ksc/01.mp3"), files_[dir / "music/ksc/01.mp3"]);
    // The files that were done come back.
    EXPECT_EQ(run({"--undo"}).exitCode, 0);
    expectAllUnchanged();
}

TEST_F(PellimorphMany, ADamagedJournalIsReportedAndWhatIsReadableIsUndone) {
    makeCollection();
    ASSERT_EQ(run({"auto", "utf8", (dir / "music/big5").string()}).exitCode, 0);
    auto runs = std::filesystem::directory_iterator(journalFolder());
    std::filesystem::path runFile = runs->path();
    std::string journal = readFileBytes(runFile);
    // The first file's record loses a byte in the middle; a crash cut the end.
    size_t record = journal.find("\nfile ") + 1;
    journal.erase(record + 40, 1);
    writeFileBytes(runFile, journal + "file 17");

    ProcessResult result = run({"--undo"});
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_NE(result.errors.find("2 damaged lines of the journal"), std::string::npos)
        << result.errors;
    // The record read is undone; the damaged one's file stays converted.
    auto first = dir / "music/big5/2 - a.mp3";
    auto second = dir / "music/big5/10 - b.mp3";
    EXPECT_NE(readFileBytes(first), files_[first]);
    EXPECT_EQ(readFileBytes(second), files_[second]);

    // No journal, no change: a journal that cannot be written stops the run.
    std::filesystem::remove_all(dir / "data");
    writeFileBytes(dir / "data", "a file where the data folder should be");
    auto ksc = dir / "music/ksc/01.mp3";
    result = run({"ksc", "utf8", ksc.string(), (dir / "music/sjis").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.errors.find("cannot keep the change of " + ksc.string()), std::string::npos)
        << result.errors;
    EXPECT_NE(result.errors.find("1 more files were left as they are"), std::string::npos);
    EXPECT_EQ(readFileBytes(ksc), files_[ksc]);
}

}  // namespace
