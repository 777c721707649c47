#include "jukebox/shell/app_settings.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <future>
#include <thread>

#include "jukebox/common/path_functions.h"
#include "taglib/tag_record.h"

namespace {

// Every test starts from an empty configuration and leaves none behind.
class AppSettingsTest : public testing::Test {
protected:
    AppSettingsTest() { QFile::remove(file()); }
    ~AppSettingsTest() override { QFile::remove(file()); }

    static QString file() { return AppSettingsFile(); }
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
    // No place is stored: the windows go beside the main window instead.
    EXPECT_EQ(settings.stored, AppSettings::StoredPlaces());
    EXPECT_FALSE(settings.tlistShown || settings.coverShown || settings.dictShown);
    EXPECT_EQ(settings.coverSize, QSize(100, 100));
    EXPECT_EQ(settings.dictSize, QSize(400, 200));
    EXPECT_EQ(settings.tlistSize, QSize(275, 375));
    EXPECT_EQ(settings.skinName, QStringLiteral("XP Aqua"));
    const TagPageSettings& tag = settings.tagPage;
    EXPECT_FALSE(tag.useMarlow || tag.useWinampGenres || tag.preferId3v2);
    // A new user reads the markers and lets each tag's bytes tell their code page.
    EXPECT_TRUE(tag.useAutoTranslate);
    for (const QString& format : {tag.primaryFormat, tag.alternateFormat, tag.listFormat}) {
        EXPECT_EQ(format, QStringLiteral("%a - %n"));
    }
    EXPECT_TRUE(settings.general.scrollText);
    EXPECT_EQ(settings.general.codePage, GeneralSettings::kAutomaticCodePage);
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
    saved.tlistShown = saved.coverShown = saved.dictShown = true;
    saved.skinName = QStringLiteral("Blue Steel");
    saved.tagPage = {true,
                     true,
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
    expected.stored = {true, true, true, true, true};
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
                                    "Autoplay TxtDelay PreferId3v2 TlistShown CoverShown "
                                    "DictShown")
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
        "DispMode=3\n"
        "TlistX=-5\n"
        "TlistY=-7\n"
        "DictX=300\n"
        "CoverX=1\n"
        "CoverY=x\n"
        "TlistShown=1\n");
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
    // A place is stored only where both of its numbers are.
    EXPECT_TRUE(settings.stored.tlist);
    EXPECT_EQ(settings.tlistPos, QPoint(-5, -7));
    EXPECT_FALSE(settings.stored.dict || settings.stored.cover || settings.stored.play);
    EXPECT_TRUE(settings.tlistShown);
    EXPECT_FALSE(settings.coverShown);
}

// Values edited by hand or left by another machine come back within their
// ranges, so no arithmetic with them overflows (the sanitized build aborts on
// that) and no choice holds a value its page cannot show.
TEST_F(AppSettingsTest, ValuesOutOfRangeAreBroughtIntoTheirRanges) {
    writeFile(
        "[Settings]\n"
        "TxtDelay=2147483647\n"
        "Volume=-2147483648\n"
        "Balance=500\n"
        "CoverX=2147483647\n"
        "CoversizeX=2147483647\n"
        "CoversizeY=-5\n"
        "MainX=2147483600\n"
        "MainY=-2147483600\n"
        "CodePage=12345\n");
    AppSettings settings;
    LoadAppSettings(settings);
    EXPECT_EQ(settings.general.popupDelay, GeneralSettings::kMaxPopupDelay);
    EXPECT_EQ(settings.volume, 0);
    EXPECT_EQ(settings.balance, 100);
    EXPECT_LE(settings.coverPos.x(), 100000);
    EXPECT_LE(settings.coverSize.width(), 20000);
    EXPECT_EQ(settings.coverSize.height(), 0);
    EXPECT_LE(settings.mainPos.x(), 100000);
    EXPECT_GE(settings.mainPos.y(), -100000);
    EXPECT_EQ(settings.general.codePage, GeneralSettings::kAutomaticCodePage);
}

// A settings file that cannot be written is reported, never taken as saved; a
// FIFO where the file should be neither blocks the start nor is read.
TEST_F(AppSettingsTest, SettingsThatCannotBeWrittenOrReadAreSaidNotHung) {
    const QByteArray path = QFile::encodeName(file());
    ASSERT_EQ(::mkfifo(path.constData(), 0600), 0);
    std::promise<AppSettings> loaded;
    std::thread reader([&] {
        AppSettings settings;
        settings.volume = 1;  // not the default: shows that nothing was read
        LoadAppSettings(settings);
        loaded.set_value(settings);
    });
    std::future<AppSettings> result = loaded.get_future();
    const bool answered = result.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!answered) {
        // Let the blocked reader go before failing.
        const int writer = ::open(path.constData(), O_WRONLY);
        ::close(writer);
    }
    reader.join();
    ASSERT_TRUE(answered) << "reading the settings blocked on a FIFO";
    EXPECT_EQ(result.get().volume, 1);
    EXPECT_FALSE(SaveAppSettings(AppSettings()));
    ::unlink(path.constData());

    // A folder in the file's place: the write fails and says so.
    ASSERT_TRUE(QDir().mkpath(file()));
    EXPECT_FALSE(SaveAppSettings(AppSettings()));
    ASSERT_TRUE(QDir().rmdir(file()));
    EXPECT_TRUE(SaveAppSettings(AppSettings()));
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
    EXPECT_FALSE(record.autoDetect);

    // Automatic: the text of each tag tells, UTF-8 where nothing is left to tell.
    settings.general.codePage = GeneralSettings::kAutomaticCodePage;
    settings.applyTagOptions(record);
    EXPECT_TRUE(record.autoDetect);
    EXPECT_EQ(record.defaultCodePage, CodePage::Utf8);
}

}  // namespace
