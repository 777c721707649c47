#include <gtest/gtest.h>

#include <QDir>

#include <signal.h>
#include <unistd.h>

#include "jukebox/common/leftovers.h"
#include "jukebox/common/path_functions.h"
#include "jukebox/skin/skin_list.h"
#include "jukebox/skin/skin_loader.h"
#include "jukebox/skin/skin_packages.h"
#include "tests/jukebox/cover/child_run.h"
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

QString localPath(const std::filesystem::path& path) {
    return PathFromLocalBytes(QByteArray::fromStdString(path.string()));
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

TEST_F(SkinListTest, ReleasingRemovesTheWholeUnpackingFolder) {
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
    // The folder was made for this unpacking alone: what the skin does not use
    // goes too, instead of piling up with every load.
    EXPECT_FALSE(std::filesystem::exists(unpacked));

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
}

// Skins made on Windows often name their files in capitals. Whatever an archive
// holds, a later archive of the same name must not find any of it.
TEST_F(SkinListTest, ArchiveFilesInCapitalsAreCleanedUpAndNeverSeenAgain) {
    const char* spec = "[Name]\nCaps\n[MAIN]\nplay v 1 2 3 4\n";
    writeZip(dir / "Caps.vlz", {{"SPEC.TXT", spec},
                                {"M_PANEL.BMP", makeBmp(solidImage(20, 120))},
                                {"A_Panel.Bmp", makeBmp(solidImage(10, 60))}});
    SkinLoader loader(ui, packages);
    SkinDescription skin;
    ASSERT_TRUE(loader.LoadSkin(qpath(dir / "Caps.vlz"), skin));
    EXPECT_TRUE(skin.hasAlternate);
    const QString folder = packages.PrepareSkinFolder(qpath(dir / "Caps.vlz"));
    packages.ReleaseSkinFolder(qpath(dir / "Caps.vlz"));
    EXPECT_FALSE(QDir(folder).exists());

    writeZip(dir / "Caps.vlz", {{"M_PANEL.BMP", makeBmp(solidImage(20, 120))}});
    EXPECT_FALSE(loader.LoadSkin(qpath(dir / "Caps.vlz"), skin));
    writeZip(dir / "Caps.vlz", {{"Spec.txt", spec}, {"M_PANEL.BMP", makeBmp(solidImage(8, 12))}});
    ASSERT_TRUE(loader.LoadSkin(qpath(dir / "Caps.vlz"), skin));
    EXPECT_FALSE(skin.hasAlternate);
    EXPECT_EQ(skin.main.face, QSize(8, 2));
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("Skin files not found")});
}

// An archive's name decides nothing about where it is unpacked: "...vlz" once
// led to the temporary folder itself.
TEST_F(SkinListTest, EveryUnpackingIsAFreshFolderOfItsOwn) {
    TemporaryFolderAt temporary(dir / "tmp");
    writeFileBytes(dir / "tmp" / "spec.txt", "not a skin's");
    writeFileBytes(dir / "tmp" / "m_panel.bmp", "not a skin's");
    const std::vector<std::string> before = listTree(dir / "tmp");
    const char* spec = "[Name]\nDots\n[MAIN]\nplay v 1 2 3 4\n";
    for (const char* name : {"...vlz", "..vlz", ".vlz"}) {
        writeZip(
            skins() / name,
            {{"spec.txt", spec}, {"m_panel.bmp", makeBmp(solidImage(4, 6))}, {"extra.txt", "x"}});
    }
    {
        SkinPackages own(ui);
        SkinList ownList(own);
        ownList.ScanSkins(qpath(dir.path()));
        EXPECT_EQ(ownList.entries().size(), 3);
        SkinLoader loader(ui, own);
        for (const char* name : {"...vlz", "..vlz", ".vlz"}) {
            SkinDescription skin;
            EXPECT_TRUE(loader.LoadSkin(qpath(skins() / name), skin)) << name;
            EXPECT_EQ(skin.main.face, QSize(4, 1)) << name;
        }
    }
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
    EXPECT_EQ(listTree(dir / "tmp"), before);
    EXPECT_EQ(readFileBytes(dir / "tmp" / "spec.txt"), "not a skin's");
}

// Folder and archive names are bytes, not always UTF-8 (a skin made under an
// 8-bit code page).
TEST_F(SkinListTest, SkinsWhoseNamesAreNotUtf8AreListedAndLoad) {
    const char* spec = "[Name]\nLatin\n[MAIN]\nplay v 1 2 3 4\n";
    writeSkinFolder(skins() / "Caf\xE9", spec, {{"m_panel.bmp", solidImage(6, 6)}});
    writeZip(skins() / "R\xF6t.vlz",
             {{"spec.txt", spec}, {"m_panel.bmp", makeBmp(solidImage(6, 12))}});
    scan();
    QStringList paths;
    for (const SkinListEntry& entry : list.entries()) {
        paths << entry.path;
    }
    paths.sort();
    const QStringList expected = {localPath(skins() / "Caf\xE9"),
                                  localPath(skins() / "R\xF6t.vlz")};
    ASSERT_EQ(paths, expected);
    SkinLoader loader(ui, packages);
    SkinDescription skin;
    ASSERT_TRUE(loader.LoadSkin(expected[0], skin));
    EXPECT_EQ(skin.main.face, QSize(6, 1));
    ASSERT_TRUE(loader.LoadSkin(expected[1], skin));
    EXPECT_EQ(skin.main.face, QSize(6, 2));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(u'|').toStdString();
}

// A small archive can inflate to a spec.txt of many megabytes. The header is
// taken from the first lines, the skin is refused as garbled, and neither
// costs more than a skin could need.
TEST_F(SkinListTest, AnInflatedSpecCostsNoMoreThanItsFirstLines) {
    std::string spec = "[Name]\nBomb\n[Designer]\nAnn\n";
    spec.append(16 * 1024 * 1024, '\n');
    spec += "[Version]\nlate\n[MAIN]\nplay v 1 2 3 4\n";
    writeZip(skins() / "Bomb.vlz",
             {{"spec.txt", spec}, {"m_panel.bmp", makeBmp(solidImage(4, 6))}});
    ASSERT_LT(std::filesystem::file_size(skins() / "Bomb.vlz"), 64u * 1024);
    auto cheap = [&] {
        scan();
        SkinLoader loader(ui, packages);
        SkinDescription skin;
        return list.entries().size() == 1 && !loader.LoadSkin(qpath(skins() / "Bomb.vlz"), skin);
    };
    EXPECT_TRUE(FinishesInChild(cheap, ChildLimits{30, size_t(128) << 20}));
    scan();
    ASSERT_EQ(list.entries().size(), 1);
    EXPECT_EQ(list.entries()[0].name, QStringLiteral("Bomb"));
    EXPECT_EQ(list.entries()[0].designer, QStringLiteral("Ann"));
    EXPECT_TRUE(list.entries()[0].version.isEmpty());
}

TEST_F(SkinListTest, TheUnpackingPlaceGoesWithThePackages) {
    QString folder;
    {
        SkinPackages own(ui);
        writeZip(dir / "Pack.vlz", {{"spec.txt", "[MAIN]\n"}, {"leftover.txt", "x"}});
        // Prepared and never released, as when a load is cut short.
        folder = own.PrepareSkinFolder(qpath(dir / "Pack.vlz"));
        EXPECT_TRUE(QDir(folder).exists());
    }
    EXPECT_FALSE(QDir(folder).exists());
}

// A jukebox killed while it runs cannot clean up: its unpacking place carries its
// process id, so that the next start removes it, and only it.
TEST_F(SkinListTest, TheUnpackingPlaceOfAKilledProcessIsRemovedLater) {
    TemporaryFolderAt temporary(dir / "tmp");
    writeZip(dir / "Pack.vlz", {{"spec.txt", "[MAIN]\n"}, {"m_panel.bmp", "x"}});
    FinishesInChild(
        [&] {
            SkinPackages killed(ui);
            killed.PrepareSkinFolder(qpath(dir / "Pack.vlz"));
            ::kill(::getpid(), SIGKILL);
            return true;
        },
        ChildLimits{});
    auto topLevel = [&] {
        std::vector<std::string> names;
        for (const auto& item : std::filesystem::directory_iterator(dir / "tmp")) {
            names.push_back(item.path().filename().string());
        }
        return names;
    };
    const std::vector<std::string> left = topLevel();
    ASSERT_EQ(left.size(), 1u) << "the killed process left no folder";
    SkinPackages running(ui);
    const QString ours = running.PrepareSkinFolder(qpath(dir / "Pack.vlz"));
    EXPECT_EQ(RemoveLeftovers(TemporaryFolder()), 1);
    const std::vector<std::string> now = topLevel();
    ASSERT_EQ(now.size(), 1u);
    EXPECT_NE(now[0], left[0]);
    EXPECT_TRUE(QDir(ours).exists());
}

}  // namespace
