#include <gtest/gtest.h>

#include <QDir>

#include "jukebox/skin/skin_list.h"
#include "jukebox/skin/skin_loader.h"
#include "jukebox/skin/skin_packages.h"
#include "tests/jukebox/cover/image_fixtures.h"
#include "tests/jukebox/skin/skin_fixtures.h"
#include "tests/support/recording_ui_service.h"
#include "tests/support/temp_dir.h"

namespace {

std::string header(const std::string& name) {
    return "[Name]\n" + name +
           "\n[Designer]\nAnn\n[Version]\n1.0\n[Desc]\nfirst\nsecond\n"
           "[Controls]\n[MAIN]\nplay v 1 2 3 4\n";
}

class SkinListTest : public ::testing::Test {
protected:
    std::filesystem::path skins() { return dir / "skins"; }
    void scan() { list.ScanSkins(qpath(dir.path())); }

    TempDir dir;
    RecordingUiService ui;
    SkinPackages packages{ui};
    SkinList list{packages};
};

TEST(SkinHeader, ReadsEachFieldAndLeavesMissingOnesEmpty) {
    TempDir dir;
    struct Case {
        const char* text;
        const char* name;
        const char* designer;
        const char* version;
        const char* description;
    } cases[] = {
        {"[Name]\r\nBlue\r\n[Designer]\r\nAnn\r\n[Version]\r\n2\r\n[Desc]\r\na b\r\n\r\nc\r\n"
         "[Controls]\r\nafter\r\n",
         "Blue", "Ann", "2", "a b\n\nc\n"},
        // Header lines in any case, fields in any order.
        {"[VERSION]\nv\n[desc]\nd\n[CONTROLS]\n[name]\nN\n", "N", "", "v", "d\n"},
        // Missing fields stay empty; a description without its end runs to the end.
        {"[Desc]\none\ntwo", "", "", "", "one\ntwo\n"},
        {"[MAIN]\nplay v 1 2 3 4\n[Name]", "", "", "", ""},
        // Whole lines only.
        {"[Name] \nX\n [Designer]\nY\n", "", "", "", ""},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        writeFileBytes(dir / "spec.txt", c.text);
        SkinListEntry entry;
        entry.name = QStringLiteral("stale");
        ASSERT_TRUE(ReadSkinHeader(qpath(dir / "spec.txt"), entry));
        EXPECT_EQ(entry.name, QString::fromUtf8(c.name)) << c.text;
        EXPECT_EQ(entry.designer, QString::fromUtf8(c.designer)) << c.text;
        EXPECT_EQ(entry.version, QString::fromUtf8(c.version)) << c.text;
        EXPECT_EQ(entry.description, QString::fromUtf8(c.description)) << c.text;
    }
    SkinListEntry entry;
    EXPECT_FALSE(ReadSkinHeader(qpath(dir / "none.txt"), entry));
    // Names in UTF-8 and in an 8-bit code page both read.
    writeFileBytes(dir / "spec.txt", "[Name]\nCaf\xC3\xA9\n[Designer]\n");
    ASSERT_TRUE(ReadSkinHeader(qpath(dir / "spec.txt"), entry));
    EXPECT_EQ(entry.name, QStringLiteral("Caf\u00E9"));
    writeFileBytes(dir / "spec.txt", "[Name]\nCaf\xE9\n");
    ASSERT_TRUE(ReadSkinHeader(qpath(dir / "spec.txt"), entry));
    EXPECT_EQ(entry.name, QStringLiteral("Caf\u00E9"));
}

TEST_F(SkinListTest, ScanFollowsTheFolderListingAndTakesFoldersAndArchives) {
    writeSkinFolder(skins() / "Blue", header("Blue Sky").c_str(), {});
    writeZip(skins() / "RED.VLZ", {{"spec.txt", header("Red Rock")}});
    writeZip(skins() / "green.vlz", {{"SPEC.TXT", header("Green")}});
    writeSkinFolder(skins() / "Nothing", nullptr, {});
    writeFileBytes(skins() / "notes.txt", header("Not a skin"));
    writeFileBytes(skins() / "old.zip", "");
    scan();
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();

    QStringList expected;
    for (const auto& item : std::filesystem::directory_iterator(skins())) {
        const std::string name = item.path().filename().string();
        if (name == "Blue") {
            expected << QStringLiteral("Blue Sky");
        } else if (name == "RED.VLZ") {
            expected << QStringLiteral("Red Rock");
        } else if (name == "green.vlz") {
            expected << QStringLiteral("Green");
        }
    }
    QStringList names;
    for (const SkinListEntry& entry : list.entries()) {
        names << entry.name;
    }
    EXPECT_EQ(names, expected);
    for (const SkinListEntry& entry : list.entries()) {
        EXPECT_EQ(entry.designer, QStringLiteral("Ann"));
        EXPECT_EQ(entry.description, QStringLiteral("first\nsecond\n"));
        if (entry.name == QStringLiteral("Red Rock")) {
            EXPECT_EQ(entry.path, qpath(skins() / "RED.VLZ"));
        }
    }
    // Reading the headers left nothing behind in the skins folder.
    EXPECT_EQ(listTree(skins()),
              (std::vector<std::string>{"Blue", "Blue/spec.txt", "Nothing", "RED.VLZ", "green.vlz",
                                        "notes.txt", "old.zip"}));
}

TEST_F(SkinListTest, ArchivesWithoutATopLevelSpecAreReportedAndPassedOver) {
    writeZip(skins() / "nested.vlz", {{"skin/spec.txt", header("Nested")}});
    writeFileBytes(skins() / "broken.vlz", "not an archive at all");
    std::string good = readFileBytes(skins() / "nested.vlz");
    writeFileBytes(skins() / "cut.vlz", good.substr(0, good.size() - 10));
    scan();
    EXPECT_TRUE(list.entries().isEmpty());
    QStringList sorted = ui.messages;
    sorted.sort();
    const QString prefix = QStringLiteral("spec.txt not found in ");
    EXPECT_EQ(sorted, (QStringList{prefix + qpath(skins() / "broken.vlz"),
                                   prefix + qpath(skins() / "cut.vlz"),
                                   prefix + qpath(skins() / "nested.vlz")}));
}

TEST_F(SkinListTest, SelectingIsExactAndTheCurrentSkinSurvivesARescan) {
    scan();
    EXPECT_TRUE(list.entries().isEmpty());
    EXPECT_TRUE(list.CurrentSkinName().isEmpty());
    EXPECT_TRUE(list.CurrentSkinPath().isEmpty());
    EXPECT_FALSE(list.SelectSkin(QStringLiteral("XP Aqua")));

    writeSkinFolder(skins() / "a", header("XP Aqua").c_str(), {});
    writeSkinFolder(skins() / "b", header("Other").c_str(), {});
    writeSkinFolder(skins() / "c", header("XP Aqua").c_str(), {});
    scan();
    ASSERT_EQ(list.entries().size(), 3);
    const QString first = list.entries()[0].name;
    EXPECT_EQ(list.CurrentSkinName(), first);

    EXPECT_FALSE(list.SelectSkin(QStringLiteral("xp aqua")));
    EXPECT_EQ(list.currentIndex(), 0);
    ASSERT_TRUE(list.SelectSkin(QStringLiteral("Other")));
    EXPECT_EQ(list.CurrentSkinName(), QStringLiteral("Other"));
    EXPECT_EQ(list.CurrentSkinPath(), qpath(skins() / "b"));
    ASSERT_TRUE(list.SelectSkin(QStringLiteral("XP Aqua")));
    // The first of two equal names wins.
    int firstAqua = list.entries()[0].name == QStringLiteral("XP Aqua") ? 0 : 1;
    EXPECT_EQ(list.currentIndex(), firstAqua);

    ASSERT_TRUE(list.SelectSkin(QStringLiteral("Other")));
    scan();
    EXPECT_EQ(list.CurrentSkinName(), QStringLiteral("Other"));
    std::filesystem::remove_all(skins() / "b");
    scan();
    EXPECT_EQ(list.currentIndex(), 0);
    EXPECT_FALSE(list.SelectIndex(2));
    ASSERT_TRUE(list.SelectIndex(1));
    EXPECT_EQ(list.storedName(), list.entries()[1].name);
}

TEST_F(SkinListTest, AnArchiveAndAnInstalledFolderOfTheSameNameLeaveEachOtherAlone) {
    const char* spec = "[Name]\nTwin\n[MAIN]\nplay v 1 2 3 4\n";
    writeSkinFolder(skins() / "Twin", spec,
                    {{"m_panel.bmp", solidImage(10, 60)}, {"notes.bmp", solidImage(1, 1)}});
    std::vector<std::string> before = listTree(skins());
    std::string panel = readFileBytes(skins() / "Twin" / "m_panel.bmp");
    writeZip(skins() / "Twin.vlz", {{"spec.txt", spec},
                                    {"m_panel.bmp", makeBmp(solidImage(20, 120))},
                                    {"extra/keep.txt", "x"}});
    before.push_back("Twin.vlz");
    std::sort(before.begin(), before.end());

    SkinLoader loader(ui, packages);
    SkinDescription skin;
    scan();
    ASSERT_TRUE(loader.LoadSkin(qpath(skins() / "Twin.vlz"), skin));
    EXPECT_EQ(skin.main.face, QSize(20, 20));
    EXPECT_EQ(listTree(skins()), before);
    EXPECT_EQ(readFileBytes(skins() / "Twin" / "m_panel.bmp"), panel);
    ASSERT_TRUE(loader.LoadSkin(qpath(skins() / "Twin"), skin));
    EXPECT_EQ(skin.main.face, QSize(10, 10));
    EXPECT_EQ(listTree(skins()), before);
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

TEST_F(SkinListTest, ReleasingDeletesTheCleanUpListOnly) {
    writeZip(dir / "Pack.vlz", {{"spec.txt", "[MAIN]\n"},
                                {"m_panel.bmp", makeBmp(solidImage(4, 6))},
                                {"a_alpha.bmp", "x"},
                                {"sub/own.txt", "x"}});
    const QString folder = packages.PrepareSkinFolder(qpath(dir / "Pack.vlz"));
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_FALSE(folder.startsWith(qpath(dir.path())));
    const std::filesystem::path unpacked = folder.toStdString();
    EXPECT_EQ(listTree(unpacked), (std::vector<std::string>{"a_alpha.bmp", "m_panel.bmp",
                                                            "spec.txt", "sub", "sub/own.txt"}));
    packages.ReleaseSkinFolder(qpath(dir / "Pack.vlz"));
    EXPECT_EQ(listTree(unpacked), (std::vector<std::string>{"sub", "sub/own.txt"}));

    writeZip(dir / "Clean.vlz", {{"spec.txt", "[MAIN]\n"}, {"m_pm.bmp", "x"}});
    const QString clean = packages.PrepareSkinFolder(qpath(dir / "Clean.vlz"));
    packages.ReleaseSkinFolder(qpath(dir / "Clean.vlz"));
    EXPECT_FALSE(QDir(clean).exists());

    // A folder is its own skin folder and is never cleaned.
    EXPECT_EQ(packages.PrepareSkinFolder(qpath(dir.path())), qpath(dir.path()));
    packages.ReleaseSkinFolder(qpath(dir.path()));
    EXPECT_TRUE(std::filesystem::exists(dir / "Pack.vlz"));
    EXPECT_TRUE(SkinPackages::IsArchivePath(QStringLiteral("x/y.VlZ")));
    EXPECT_FALSE(SkinPackages::IsArchivePath(QStringLiteral("x.vlz/y")));
    EXPECT_EQ(SkinPackages::CleanUpList().size(), 29);
}

TEST_F(SkinListTest, TheUnpackingPlaceGoesWithThePackages) {
    QString folder;
    {
        SkinPackages own(ui);
        writeZip(dir / "Pack.vlz", {{"spec.txt", "[MAIN]\n"}, {"leftover.txt", "x"}});
        folder = own.PrepareSkinFolder(qpath(dir / "Pack.vlz"));
        own.ReleaseSkinFolder(qpath(dir / "Pack.vlz"));
        EXPECT_TRUE(QDir(folder).exists());  // held by the stray file
    }
    EXPECT_FALSE(QDir(folder).exists());
}

}  // namespace
