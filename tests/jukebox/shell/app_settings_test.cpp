#include "jukebox/shell/app_settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>

#include "jukebox/common/path_functions.h"
#include "taglib/tag_record.h"

namespace {

// Every test starts from an empty configuration and leaves none behind.
class AppSettingsTest : public testing::Test {
protected:
    AppSettingsTest() { QFile::remove(file()); }
    ~AppSettingsTest() override { QFile::remove(file()); }

    static QString file() {
        return QSettings(QStringLiteral("Quillamo"), QStringLiteral("velorine")).fileName();
    }
    // As a later run finds the file: its text, numbers included.
    static void writeFile(const char* text) {
        QFile out(file());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text);
    }
};

TEST_F(AppSettingsTest, AFirstRunGetsTheDefaults) {
    AppSettings settings;
    settings.volume = 3;  // whatever was there before, an absent value is its default
    settings.general.alwaysOnTop = true;
    LoadAppSettings(settings);
    EXPECT_TRUE(settings.loaded);
    EXPECT_FALSE(settings.random);
    EXPECT_EQ(settings.trackfile, QStringLiteral("default.trk"));
    EXPECT_EQ(settings.volume, 90);
    EXPECT_EQ(settings.balance, 0);
    for (QPoint pos : {settings.mainPos, settings.playPos, settings.coverPos, settings.dictPos,
                       settings.tlistPos, settings.optionPos}) {
        EXPECT_EQ(pos, QPoint(10, 10));
    }
    EXPECT_EQ(settings.coverSize, QSize(100, 100));
    EXPECT_EQ(settings.dictSize, QSize(400, 200));
    EXPECT_EQ(settings.tlistSize, QSize(275, 375));
    EXPECT_EQ(settings.skinName, QStringLiteral("XP Aqua"));
    const TagPageSettings& tag = settings.tagPage;
    EXPECT_FALSE(tag.useMarlow || tag.useWinampGenres || tag.useAutoTranslate);
    for (const QString& format : {tag.primaryFormat, tag.alternateFormat, tag.listFormat}) {
        EXPECT_EQ(format, QStringLiteral("%a - %n"));
    }
    EXPECT_TRUE(settings.general.scrollText);
    EXPECT_EQ(settings.general.codePage, 65001);
    EXPECT_FALSE(settings.general.autoplay);
    EXPECT_EQ(settings.general.popupDelay, 10);
    EXPECT_FALSE(settings.general.alwaysOnTop);
}

TEST_F(AppSettingsTest, EveryValueComesBackUnderItsOwnNameButAlwaysOnTopDoesNot) {
    AppSettings saved;
    saved.random = true;
    saved.trackfile = QStringLiteral("/home/u/lists/rock, and more.alb");
    saved.volume = 55;
    saved.balance = -40;
    saved.mainPos = {-20, 31};
    saved.playPos = {32, 33};
    saved.coverPos = {34, 35};
    saved.coverSize = {236, 237};
    saved.dictPos = {38, 39};
    saved.dictSize = {440, 241};
    saved.tlistPos = {42, 43};
    saved.tlistSize = {244, 445};
    saved.optionPos = {46, 47};
    saved.skinName = QStringLiteral("Blue Steel");
    saved.tagPage = {true,
                     true,
                     true,
                     QStringLiteral("%n"),
                     QStringLiteral("%g (%d)"),
                     QStringLiteral("%a: %n")};
    saved.general = {false, 950, true, 37, true, 5};
    SaveAppSettings(saved);

    AppSettings loaded;
    LoadAppSettings(loaded);
    AppSettings expected = saved;
    expected.loaded = true;
    expected.general.alwaysOnTop = false;
    expected.general.displayMode = 0;  // written, never read
    EXPECT_EQ(loaded, expected);

    QSettings stored(QStringLiteral("Quillamo"), QStringLiteral("velorine"));
    stored.beginGroup(QStringLiteral("Settings"));
    QStringList names = stored.childKeys();
    names.sort();
    QStringList expectedNames = QStringLiteral(
                                    "OptionRandom DispMode Trackfile Volume Balance MainX MainY "
                                    "PlayX PlayY CoverX CoverY CoversizeX CoversizeY DictX DictY "
                                    "DictsizeX DictsizeY TlistX TlistY TlistsizeX TlistsizeY "
                                    "OptionX OptionY Skinname Marlow gnrWinAmp gnrVelorine "
                                    "TPPrimary TPAlternate TLFormat TextScroll CodePage "
                                    "Autoplay TxtDelay")
                                    .split(u' ');
    expectedNames.sort();
    EXPECT_EQ(names, expectedNames);
    EXPECT_EQ(stored.value(QStringLiteral("DispMode")).toInt(), 5);
    EXPECT_EQ(stored.value(QStringLiteral("TPAlternate")).toString(), QStringLiteral("%g (%d)"));
}

TEST_F(AppSettingsTest, ARememberedPlaylistNamedInLegacyBytesLoadsAgainAtTheNextStart) {
    // A list opened from a folder and file named in GBK bytes: as text the
    // settings would keep U+FFFD for those bytes, and the next start would make an
    // empty file of that other name instead of loading the list.
    const QString paths[] = {PathFromLocalBytes("/home/u/\xB8\xE8/\xD6\xD0\xCE\xC4.m3u"),
                             QStringLiteral("/home/u/歌/夜曲.m3u8")};
    for (const QString& path : paths) {
        AppSettings saved;
        saved.trackfile = path;
        SaveAppSettings(saved);
        // The next start reads the file as it is on the disk, not what this
        // process still holds of it.
        QFile stored(file());
        ASSERT_TRUE(stored.open(QIODevice::Append));
        stored.write("\n");
        stored.close();
        AppSettings loaded;
        LoadAppSettings(loaded);
        EXPECT_EQ(LocalPathBytes(loaded.trackfile), LocalPathBytes(path));
    }
    // A path in UTF-8 stays readable text in the file.
    EXPECT_TRUE(QSettings(QStringLiteral("Quillamo"), QStringLiteral("velorine"))
                    .value(QStringLiteral("Settings/Trackfile"))
                    .typeId() == QMetaType::QString);
}

TEST_F(AppSettingsTest, NumbersThatALaterRunReadsAsTextKeepTheirSign) {
    writeFile(
        "[Settings]\n"
        "Balance=-40\n"
        "Volume=7\n"
        "OptionRandom=1\n"
        "TextScroll=0\n"
        "gnrVelorine=1\n"
        "CodePage=936\n"
        "MainX=-1200\n"
        "TxtDelay=not a number\n"
        "DispMode=3\n");
    AppSettings settings;
    LoadAppSettings(settings);
    EXPECT_EQ(settings.balance, -40);
    EXPECT_EQ(settings.volume, 7);
    EXPECT_TRUE(settings.random);
    EXPECT_FALSE(settings.general.scrollText);
    EXPECT_TRUE(settings.tagPage.useAutoTranslate);
    EXPECT_FALSE(settings.tagPage.useMarlow);
    EXPECT_EQ(settings.general.codePage, 936);
    EXPECT_EQ(settings.mainPos, QPoint(-1200, 10));
    EXPECT_EQ(settings.general.popupDelay, 10);
    EXPECT_EQ(settings.general.displayMode, 0);
}

TEST_F(AppSettingsTest, TagOptionsReachTheTagRecord) {
    AppSettings settings;
    settings.tagPage.useWinampGenres = true;
    settings.tagPage.useAutoTranslate = true;
    settings.general.codePage = 949;
    TagRecord record;
    record.marlowExtension = true;
    settings.applyTagOptions(record);
    EXPECT_TRUE(record.winampGenres);
    EXPECT_TRUE(record.autoTranslate);
    EXPECT_FALSE(record.marlowExtension);
    EXPECT_EQ(record.defaultCodePage, 949);
    EXPECT_TRUE(record.selectCodePage);
}

}  // namespace
