#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>

#include "jukebox/cover/bmp_reader.h"
#include "jukebox/skin/skin_loader.h"
#include "jukebox/skin/skin_packages.h"
#include "tests/jukebox/cover/child_run.h"
#include "tests/jukebox/cover/image_fixtures.h"
#include "tests/jukebox/skin/skin_fixtures.h"
#include "tests/support/recording_ui_service.h"
#include "tests/support/temp_dir.h"

namespace {

const char* const kFullSpec =
    "[Name]\nTest\n[MAIN]\n"
    "play v 10 20 30 40\n"
    "stop i 50 20 30 40\n"
    "balance v h 5 60 000000 808080 ffffff\n"
    "volume v v 100 5 000000 808080 ffffff\n"
    "position v h 5 80 000000 808080 ffffff\n"
    "time v 120 60\n"
    "tag v 1 2\npm v 3 4\nav v 5 6\n"
    "anim v 7 8 4 100\n"
    "track v b 20 90 150 12 2 50\n"
    "[ALT]\n"
    "play v 2 3 11 12\n"
    "track v f 4 5 60 10 1 30 000000 ffffff\n"
    "time v 70 2\n";

std::map<std::string, QImage> fullBitmaps() {
    return {
        {"m_panel.bmp", solidImage(200, 600)}, {"m_bslider.bmp", solidImage(60, 20)},
        {"m_bthumb.bmp", solidImage(8, 40)},   {"m_vslider.bmp", solidImage(14, 90)},
        {"m_vthumb.bmp", solidImage(14, 24)},  {"m_pslider.bmp", solidImage(150, 16)},
        {"m_pthumb.bmp", solidImage(12, 32)},  {"m_time.bmp", solidImage(110, 12)},
        {"m_sep.bmp", solidImage(7, 12)},      {"m_tag.bmp", solidImage(12, 30)},
        {"m_pm.bmp", solidImage(13, 33)},      {"m_av.bmp", solidImage(14, 36)},
        {"m_anim.bmp", solidImage(16, 65)},    {"m_alpha.bmp", solidImage(320, 31)},
        {"a_panel.bmp", solidImage(100, 120)}, {"a_time.bmp", solidImage(55, 9)},
        {"a_sep.bmp", solidImage(4, 9)},
    };
}

class SkinLoaderTest : public ::testing::Test {
protected:
    bool load(const std::filesystem::path& path) { return loader.LoadSkin(qpath(path), skin); }

    TempDir dir;
    RecordingUiService ui;
    SkinPackages packages{ui};
    SkinLoader loader{ui, packages};
    SkinDescription skin;
};

TEST_F(SkinLoaderTest, CutsEveryBitmapAndPlacesEveryControlInBothViews) {
    writeSkinFolder(dir / "skin", kFullSpec, fullBitmaps());
    ASSERT_TRUE(load(dir / "skin"));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();

    const SkinView& m = skin.main;
    EXPECT_EQ(m.face, QSize(200, 100));  // a panel 600 high gives a face of 100
    EXPECT_EQ(m.entry(SkinPlay).rect, QRect(10, 20, 30, 40));
    EXPECT_TRUE(m.entry(SkinStop).rect.isNull());  // hidden: no rectangle computed
    EXPECT_EQ(m.entry(SkinBalance).rect, QRect(5, 60, 60, 10));
    EXPECT_EQ(skin.main.sliders[0].thumbSize, QSize(8, 10));
    EXPECT_EQ(m.entry(SkinVolume).rect, QRect(100, 5, 14, 45));
    EXPECT_EQ(skin.main.sliders[1].thumbSize, QSize(14, 6));
    EXPECT_EQ(m.entry(SkinPosition).rect, QRect(5, 80, 150, 8));
    EXPECT_EQ(m.digitWidth, 10);
    EXPECT_EQ(m.digitHeight, 12);
    EXPECT_EQ(m.sepWidth, 3);
    EXPECT_EQ(m.entry(SkinTime).rect, QRect(120, 60, 43, 12));
    EXPECT_EQ((std::array{m.timeCellX(0), m.timeCellX(1), m.timeCellX(2), m.timeCellX(3),
                          m.timeCellX(4)}),
              (std::array{0, 10, 20, 23, 33}));
    EXPECT_EQ(m.entry(SkinTag).rect, QRect(1, 2, 12, 10));
    EXPECT_EQ(m.entry(SkinPm).rect, QRect(3, 4, 13, 11));
    EXPECT_EQ(m.entry(SkinAv).rect, QRect(5, 6, 14, 12));
    EXPECT_EQ(m.entry(SkinAnim).rect, QRect(7, 8, 16, 16));  // 65 / 4 frames
    EXPECT_EQ(m.entry(SkinTrack).rect, QRect(20, 90, 150, 12));
    EXPECT_EQ(m.glyphCell, QSize(10, 10));
    EXPECT_FALSE(m.shape.isEmpty());

    ASSERT_TRUE(skin.hasAlternate);
    const SkinView& a = skin.alternate;
    EXPECT_EQ(a.face, QSize(100, 20));
    EXPECT_EQ(a.entry(SkinPlay).rect, QRect(2, 3, 11, 12));
    EXPECT_EQ(a.entry(SkinTrack).rect, QRect(4, 5, 60, 10));
    EXPECT_EQ(a.entry(SkinTime).rect, QRect(70, 2, 22, 9));
    EXPECT_TRUE(a.alpha.isNull());  // font mode needs no glyph sheet
    EXPECT_EQ(a.shape.boundingRect(), QRect(0, 0, 100, 20));
}

TEST_F(SkinLoaderTest, WithoutAlternatePanelOnlyTheMainViewIsLoaded) {
    auto bitmaps = fullBitmaps();
    bitmaps.erase("a_panel.bmp");
    writeSkinFolder(dir / "skin", kFullSpec, bitmaps);
    ASSERT_TRUE(load(dir / "skin"));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
    EXPECT_FALSE(skin.hasAlternate);
    // The [ALT] lines were read, but none of the a_ bitmaps.
    EXPECT_EQ(skin.alternate.entry(SkinPlay).x, 2);
    EXPECT_TRUE(skin.alternate.time.isNull());
    EXPECT_TRUE(skin.alternate.panel.isNull());
    EXPECT_TRUE(skin.alternate.entry(SkinTime).rect.isNull());
}

TEST_F(SkinLoaderTest, NoSpecFileChangesNothing) {
    writeSkinFolder(dir / "good", kFullSpec, fullBitmaps());
    ASSERT_TRUE(load(dir / "good"));
    writeSkinFolder(dir / "empty", nullptr, {{"m_panel.bmp", solidImage(5, 6)}});
    EXPECT_FALSE(load(dir / "empty"));
    EXPECT_FALSE(load(dir / "absent"));
    EXPECT_EQ(ui.messages, (QStringList{QStringLiteral("Skin files not found"),
                                        QStringLiteral("Skin files not found")}));
    EXPECT_EQ(skin.main.face, QSize(200, 100));
    EXPECT_EQ(skin.main.entry(SkinPlay).rect, QRect(10, 20, 30, 40));
}

TEST_F(SkinLoaderTest, MissingOrDamagedBitmapsAreReportedAndKeepTheirSlot) {
    writeSkinFolder(dir / "first", kFullSpec, fullBitmaps());
    ASSERT_TRUE(load(dir / "first"));
    auto bitmaps = fullBitmaps();
    bitmaps.erase("m_time.bmp");
    bitmaps.erase("m_sep.bmp");
    bitmaps.erase("m_tag.bmp");
    writeSkinFolder(dir / "second", kFullSpec, bitmaps);
    std::string damaged = makeBmp(solidImage(12, 30));
    damaged.resize(damaged.size() / 2);
    writeFileBytes(dir / "second" / "m_tag.bmp", damaged);
    writeFileBytes(dir / "second" / "m_pm.bmp", makeBmp(solidImage(99, 99)));
    ASSERT_TRUE(load(dir / "second"));
    const QString folder = qpath(dir / "second");
    EXPECT_EQ(ui.messages, (QStringList{folder + QStringLiteral("/m_time.bmp not found!"),
                                        folder + QStringLiteral("/m_sep.bmp not found!"),
                                        folder + QStringLiteral("/m_tag.bmp not found!")}));
    EXPECT_EQ(skin.main.time.width(), 110);  // kept from the first skin
    EXPECT_EQ(skin.main.pm.width(), 99);
    EXPECT_EQ(skin.main.entry(SkinPm).rect, QRect(3, 4, 99, 33));
}

TEST_F(SkinLoaderTest, ARequiredBitmapMissingOnFirstLoadLeavesNoSize) {
    writeSkinFolder(dir / "skin",
                    "[MAIN]\nbalance v h 5 6 000000 000000 000000\nanim v 1 1 0 100\n",
                    {{"m_panel.bmp", solidImage(40, 60)},
                     {"m_bslider.bmp", solidImage(30, 10)},
                     {"m_anim.bmp", solidImage(10, 10)}});
    ASSERT_TRUE(load(dir / "skin"));
    EXPECT_EQ(ui.messages,
              (QStringList{qpath(dir / "skin") + QStringLiteral("/m_bthumb.bmp not found!")}));
    EXPECT_EQ(skin.main.entry(SkinBalance).rect, QRect(5, 6, 0, 0));
    // No frames: a frame has no height, and nothing divides by zero.
    EXPECT_EQ(skin.main.entry(SkinAnim).rect, QRect(1, 1, 10, 0));
}

// Numbers are clamped when read; positions and sizes further to the bitmaps'
// own limit, so that no rectangle's edge overflows.
TEST_F(SkinLoaderTest, PositionsAndSizesStayWithinTheBitmapLimit) {
    writeSkinFolder(dir / "skin",
                    "[MAIN]\nplay v 2147483647 -99999999999 2147483647 40\n"
                    "track v f -2147483648 99999999999 2147483647 2147483647 1 1 000000 ffffff\n"
                    "tag v 2147483647 2147483647\n",
                    {{"m_panel.bmp", solidImage(20, 60)}, {"m_tag.bmp", solidImage(30, 9)}});
    ASSERT_TRUE(load(dir / "skin"));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
    const int limit = BmpReader::kMaxDimension;
    EXPECT_EQ(skin.main.entry(SkinPlay).rect, QRect(limit, -limit, limit, 40));
    EXPECT_EQ(skin.main.entry(SkinTrack).rect, QRect(-limit, limit, limit, limit));
    EXPECT_EQ(skin.main.entry(SkinTag).rect, QRect(limit, limit, 30, 3));
    // Other numbers keep their range.
    EXPECT_EQ(skin.main.entry(SkinTrack).step, 1);
}

// A font-mode line states the panel's colours, a glyph-mode line none; a skin
// must not show the colours of the skin before it.
TEST_F(SkinLoaderTest, TrackColoursStartBlackAtEachLoad) {
    writeSkinFolder(dir / "font", "[MAIN]\ntrack v f 1 2 30 10 1 50 112233 445566\n",
                    {{"m_panel.bmp", solidImage(40, 60)}});
    writeSkinFolder(dir / "glyphs", "[MAIN]\ntrack v b 1 2 30 10 1 50\n",
                    {{"m_panel.bmp", solidImage(40, 60)}, {"m_alpha.bmp", solidImage(64, 6)}});
    ASSERT_TRUE(load(dir / "font"));
    EXPECT_EQ(skin.main.entry(SkinTrack).bg, qRgb(0x11, 0x22, 0x33));
    ASSERT_TRUE(load(dir / "glyphs"));
    EXPECT_EQ(skin.main.entry(SkinTrack).bg, qRgb(0, 0, 0));
    EXPECT_EQ(skin.main.entry(SkinTrack).fg, qRgb(0, 0, 0));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

// A pipe or other special file under a skin file's name would block the reader;
// it counts as missing. So does a spec.txt larger than any skin needs.
TEST_F(SkinLoaderTest, SpecialAndOversizedFilesCountAsMissing) {
    writeSkinFolder(dir / "good", kFullSpec, fullBitmaps());
    ASSERT_TRUE(load(dir / "good"));
    std::filesystem::create_directories(dir / "pipes");
    ASSERT_EQ(mkfifo((dir / "pipes" / "spec.txt").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo((dir / "pipe.vlz").c_str(), 0600), 0);
    writeSkinFolder(dir / "panel", "[MAIN]\nplay v 1 2 3 4\n", {});
    ASSERT_EQ(mkfifo((dir / "panel" / "m_panel.bmp").c_str(), 0600), 0);
    auto loadsWithoutWaiting = [&] {
        SkinDescription fresh;
        auto loadFresh = [&](const char* name) {
            return loader.LoadSkin(qpath(dir / name), fresh);
        };
        return !loadFresh("pipes") && !loadFresh("pipe.vlz") && loadFresh("panel") &&
               ui.messages ==
                   QStringList{QStringLiteral("Skin files not found"),
                               QStringLiteral("Skin files not found"),
                               qpath(dir / "panel") + QStringLiteral("/m_panel.bmp not found!")};
    };
    EXPECT_TRUE(FinishesInChild(loadsWithoutWaiting, ChildLimits{10}));

    std::string huge = "[MAIN]\nplay v 1 2 3 4\n";
    huge.resize(1024 * 1024 + 1, '\n');
    writeSkinFolder(dir / "huge", huge.c_str(), {{"m_panel.bmp", solidImage(5, 6)}});
    huge.resize(1024 * 1024);
    writeSkinFolder(dir / "large", huge.c_str(), {{"m_panel.bmp", solidImage(7, 12)}});
    EXPECT_FALSE(load(dir / "huge"));
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("Skin files not found")});
    EXPECT_EQ(skin.main.face, QSize(200, 100));
    EXPECT_TRUE(load(dir / "large"));
    EXPECT_EQ(skin.main.face, QSize(7, 2));
}

TEST_F(SkinLoaderTest, FileNamesMatchInAnyCase) {
    std::filesystem::create_directories(dir / "skin");
    writeFileBytes(dir / "skin" / "SPEC.TXT", "[MAIN]\nplay v 1 2 3 4\n");
    writeFileBytes(dir / "skin" / "M_Panel.BMP", makeBmp(solidImage(30, 12)));
    ASSERT_TRUE(load(dir / "skin"));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
    EXPECT_EQ(skin.main.face, QSize(30, 2));
}

TEST_F(SkinLoaderTest, LoadsFromAnArchiveWithSubFolders) {
    std::vector<ZipItem> items = {{"spec.txt", kFullSpec, false}};
    for (const auto& [name, image] : fullBitmaps()) {
        items.push_back({name, makeBmp(image), name.size() % 2 == 0});
    }
    items.push_back({"extras/readme.txt", "hello", true});
    writeZip(dir / "Packed.VLZ", items);
    ASSERT_TRUE(load(dir / "Packed.VLZ"));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
    EXPECT_EQ(skin.main.entry(SkinTime).rect, QRect(120, 60, 43, 12));
    EXPECT_TRUE(skin.hasAlternate);
    // Nothing is unpacked beside the archive.
    EXPECT_EQ(listTree(dir.path()), std::vector<std::string>{"Packed.VLZ"});
}

}  // namespace
