#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "jukebox/options/extension_lists.h"
#include "tests/jukebox/cover/child_run.h"
#include "tests/support/recording_ui_service.h"
#include "tests/support/temp_dir.h"

namespace {

class ExtensionListsTest : public testing::Test {
protected:
    QString folder() const { return QString::fromStdString(dir.path().string()); }
    TempDir dir;
    RecordingUiService ui;
};

TEST_F(ExtensionListsTest, ClassifiesIgnoringCaseVideoFirst) {
    ExtensionLists lists(ui, {QStringLiteral("MP3"), QStringLiteral("ogg"), QStringLiteral("avi")},
                         {QStringLiteral("avi"), QStringLiteral(".mkv")});
    EXPECT_EQ(lists.ClassifyExtension(QStringLiteral("mp3")), MediaAudio);
    EXPECT_EQ(lists.ClassifyExtension(QStringLiteral("Ogg")), MediaAudio);
    EXPECT_EQ(lists.ClassifyExtension(QStringLiteral("AVI")), MediaVideo);
    EXPECT_EQ(lists.ClassifyExtension(QStringLiteral("mkv")), MediaNone);
    EXPECT_EQ(lists.ClassifyExtension(QStringLiteral(".mkv")), MediaVideo);
    EXPECT_EQ(lists.ClassifyExtension(QString()), MediaNone);
    for (const char* stream : {"asf", "ASF", "asx", "ASX", "aSx"}) {
        EXPECT_TRUE(IsStreamExtension(QString::fromLatin1(stream))) << stream;
    }
    EXPECT_FALSE(IsStreamExtension(QStringLiteral("asfx")));
}

TEST_F(ExtensionListsTest, ReadsByteLinesWholeSkippingEmptyOnes) {
    writeFileBytes(dir / "audio.flt", "mp3\r\n\r\nwav\r\n\xE9xt\n  ogg \r\nlast");
    writeFileBytes(dir / "video.flt", std::string(300, 'v') + "\r\r\rmkv\r");
    ExtensionLists lists(ui, folder());
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(
        lists.audioExtensions(),
        QStringList({QStringLiteral("mp3"), QStringLiteral("wav"), QString::fromUtf16(u"\u00E9xt"),
                     QStringLiteral("  ogg "), QStringLiteral("last")}));
    // Lines are not trimmed: "  ogg " is not "ogg".
    EXPECT_EQ(lists.ClassifyExtension(QStringLiteral("ogg")), MediaNone);
    EXPECT_EQ(lists.ClassifyExtension(QStringLiteral("  OGG ")), MediaAudio);
    // A long entry is one entry; lines ended by CR alone are lines.
    EXPECT_EQ(lists.videoExtensions(), QStringList({QString(300, u'v'), QStringLiteral("mkv")}));
}

TEST_F(ExtensionListsTest, MissingFilesAreReportedAndCreatedEmpty) {
    writeFileBytes(dir / "audio.flt", "mp3\r\n");
    ExtensionLists lists(ui, folder());
    EXPECT_EQ(ui.messages,
              QStringList({QStringLiteral("Cannot open video.flt\nWill attempt to create")}));
    EXPECT_TRUE(std::filesystem::exists(dir / "video.flt"));
    EXPECT_EQ(readFileBytes(dir / "video.flt"), "");
    EXPECT_TRUE(lists.videoExtensions().isEmpty());
    ui.messages.clear();
    ExtensionLists again(ui, folder());
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(ExtensionListsTest, AFolderThatCannotHoldTheFilesEndsTheProgram) {
    ExtensionLists lists(ui, QString::fromStdString((dir / "no" / "such").string()));
    EXPECT_EQ(ui.fatalMessages.size(), 2);
    EXPECT_EQ(ui.fatalMessages.value(0), QStringLiteral("Cannot create.  Exiting..."));
}

// A list that is no regular file (a FIFO would wait for a writer for ever) is
// refused like one that cannot be opened, and is left as it is.
TEST_F(ExtensionListsTest, AListThatIsNoRegularFileIsRefusedWithoutWaiting) {
    writeFileBytes(dir / "audio.flt", "mp3\r\n");
    ASSERT_EQ(::mkfifo((dir / "video.flt").c_str(), 0600), 0);
    const bool refused = FinishesInChild(
        [&] {
            ExtensionLists lists(ui, folder());
            return lists.audioExtensions() == QStringList{QStringLiteral("mp3")} &&
                   lists.videoExtensions().isEmpty() &&
                   ui.messages == QStringList({QStringLiteral("Cannot open video.flt\nWill "
                                                              "attempt to create"),
                                               QStringLiteral("Cannot create.  Exiting...")}) &&
                   ui.fatalMessages.size() == 1;
        },
        ChildLimits{10});
    EXPECT_TRUE(refused);
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "video.flt"));
}

TEST_F(ExtensionListsTest, SavesCrLfLinesWholeOrNotAtAll) {
    writeFileBytes(dir / "audio.flt", "wav\r\n");
    writeFileBytes(dir / "video.flt", "avi\r\n");
    ExtensionLists lists(ui, folder());
    // Characters up to U+00FF are one byte each; others have none and become "?".
    ASSERT_TRUE(lists.replaceAndSave(
        {QStringLiteral("aac"), QStringLiteral("ogg"), QString::fromUtf16(u"\u4E2D"),
         QString::fromUtf16(u"\u0080\u00E9\u00FF\u0100")},
        {}));
    EXPECT_EQ(readFileBytes(dir / "audio.flt"), "aac\r\nogg\r\n?\r\n\x80\xE9\xFF?\r\n");
    EXPECT_EQ(readFileBytes(dir / "video.flt"), "");
    {
        FileSizeLimit limit(4);
        EXPECT_FALSE(lists.replaceAndSave({QStringLiteral("flac"), QStringLiteral("opus")},
                                          {QStringLiteral("webm")}));
    }
    EXPECT_EQ(ui.messages, QStringList({QStringLiteral("Cannot open audio.flt"),
                                        QStringLiteral("Cannot open video.flt")}));
    EXPECT_EQ(readFileBytes(dir / "audio.flt"), "aac\r\nogg\r\n?\r\n\x80\xE9\xFF?\r\n");
    EXPECT_EQ(lists.audioExtensions().size(), 2);  // memory keeps the new lists
}

}  // namespace
