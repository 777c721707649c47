// The Skin page and the skin switch on the running jukebox: the folder skin
// "XP Aqua" and the packed "Ember.vlz" in turn while a track plays, what the
// page shows and when it asks for a skin, and a skin that cannot be loaded.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "jukebox/options_sheet/skin_page.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/face_controls.h"
#include "jukebox/shell/skin_button.h"
#include "jukebox/skin/skin_loader.h"
#include "jukebox/skin/skin_packages.h"
#include "tests/jukebox/playback/test_media.h"
#include "tests/jukebox/shell/jukebox_rig.h"
#include "tests/jukebox/skin/skin_fixtures.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

constexpr int kWaitMs = 10000;
const QString kAqua = QStringLiteral("XP Aqua");
const QString kEmber = QStringLiteral("Ember");

class SkinPageTest : public testing::Test {
protected:
    // The jukebox, and the page wired to its skin switch as the sheet wires it.
    void start() {
        rig.start();
        page = std::make_unique<CSkinPage>(rig.app().skins(), rig.app().workFolder());
        QObject::connect(page.get(), &CSkinPage::skinChosen, &rig.app(), &CVelorineApp::SwitchSkin);
    }

    CVelorineWnd& wnd() { return rig.window(); }
    MediaEngine& engine() { return rig.app().engine(); }
    int rowOf(const QString& name) {
        const auto items = page->listBox()->findItems(name, Qt::MatchExactly);
        return items.size() == 1 ? page->listBox()->row(items.first()) : -1;
    }
    QString pathOf(const QString& name) {
        for (const SkinListEntry& entry : rig.app().skins().entries()) {
            if (entry.name == name) {
                return entry.path;
            }
        }
        return {};
    }

    // What a fresh load of the skin gives, away from the window.
    SkinDescription freshLoad(const QString& name) {
        RecordingUiService quiet;
        SkinPackages packages(quiet);
        SkinDescription skin;
        EXPECT_TRUE(SkinLoader(quiet, packages).LoadSkin(pathOf(name), skin)) << name.toStdString();
        return skin;
    }

    // The window shows view of the skin as a fresh load gives it: its size, its
    // shape, and every control where that view puts it (and none elsewhere).
    void expectShows(const QString& name, int view) {
        SCOPED_TRACE(name.toStdString());
        const SkinView expected = freshLoad(name).view(view);
        EXPECT_EQ(wnd().view(), view);
        EXPECT_EQ(wnd().size(), expected.face);
        EXPECT_EQ(wnd().mask(), expected.shape);
        EXPECT_FALSE(wnd().mask().isEmpty());
        QRegion face(QRect(QPoint(0, 0), expected.face));
        for (const SkinEntry& entry : expected.entries) {
            if (entry.show == SkinVisible) {
                face -= entry.rect;
            }
        }
        EXPECT_EQ(wnd().controls().faceAround(wnd().rect()), face);
        EXPECT_EQ(wnd().controls().button(ControlId::Play)->geometry(),
                  expected.entry(SkinPlay).rect);
        EXPECT_EQ(rig.app().skins().CurrentSkinName(), name);
        EXPECT_EQ(rig.app().settings().skinName, name);
    }

    // Plays a minute of silence and waits until the position moves.
    void startPlaying() {
        const auto wav = rig.folder() / "music" / "silence.wav";
        std::filesystem::create_directories(wav.parent_path());
        writeFileBytes(wav, silentWavBytes(60));  // long enough for every switch
        rig.app().settings().general.autoplay = true;
        rig.drop({QString::fromStdString(wav.string())});
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return engine().GetPositionMs() > 200; }, kWaitMs));
    }

    // Still playing: the engine runs and its position moves on.
    void expectStillPlaying() {
        EXPECT_EQ(wnd().transport().mode(), Transport::Mode::Playing);
        EXPECT_EQ(engine().engineState(), MediaEngine::Running);
        const int from = engine().GetPositionMs();
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return engine().GetPositionMs() > from + 200; }, kWaitMs));
        EXPECT_TRUE(wnd().controls().button(ControlId::Play)->isOn());
    }

    // Files an unpacking left in the private temporary folder.
    std::vector<std::string> unpackedFiles() {
        std::vector<std::string> files;
        for (const std::string& name : listTree(scratch / "tmp")) {
            if (!std::filesystem::is_directory(scratch / "tmp" / name)) {
                files.push_back(name);
            }
        }
        return files;
    }

    TempDir scratch;
    JukeboxRig rig;
    // Where archives are unpacked; the working folder lies elsewhere.
    TemporaryFolderAt privateTemp{scratch / "tmp"};
    std::unique_ptr<CSkinPage> page;
};

TEST_F(SkinPageTest, FolderSkinToArchiveSkinAndBackWhileATrackPlays) {
    start();
    startPlaying();
    expectShows(kAqua, 1);
    // The alternate view of XP Aqua; Ember has none, so it shows its main view.
    wnd().ApplyViewNow(2);
    const QPoint origin = wnd().pos();

    page->initPage();
    page->listBox()->setCurrentRow(rowOf(kEmber));
    page->okPage();
    expectShows(kEmber, 1);
    expectStillPlaying();
    // The archive was unpacked into the private folder, and nothing of it stays.
    EXPECT_FALSE(listTree(scratch / "tmp").empty());
    EXPECT_EQ(unpackedFiles(), std::vector<std::string>());
    EXPECT_EQ(wnd().pos(), origin);

    page->initPage();
    EXPECT_EQ(page->listBox()->currentRow(), rowOf(kEmber));
    page->listBox()->setCurrentRow(rowOf(kAqua));
    page->okPage();
    expectShows(kAqua, 1);
    expectStillPlaying();

    // A skin that has the view shown keeps it: "Load" of XP Aqua in its
    // alternate view loads it again and stays there.
    wnd().ApplyViewNow(2);
    page->initPage();
    QTest::mouseClick(page->loadButton(), Qt::LeftButton);
    expectShows(kAqua, 2);
    expectStillPlaying();
    EXPECT_EQ(wnd().pos(), origin);
    EXPECT_EQ(unpackedFiles(), std::vector<std::string>());
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.messages.join(u'|').toStdString();

    // The skin in use is the one saved.
    rig.app().SaveSettings();
    AppSettings stored;
    LoadAppSettings(stored);
    EXPECT_EQ(stored.skinName, kAqua);
}

TEST_F(SkinPageTest, ThePageShowsTheSelectedSkinAndOnlyOkOrLoadChangesIt) {
    start();
    writeSkinFolder(rig.folder() / "skins" / "Late",
                    "[Name]\nLate one\n[Designer]\nSomeone\n"
                    "[Version]\n0.9\n[Desc]\nAdded while "
                    "running.\nSecond line.\n[Controls]\n",
                    {});
    QSignalSpy asked(page.get(), &CSkinPage::skinChosen);
    page->initPage();
    // The list is read again when the page opens: the skin added since is there.
    ASSERT_EQ(page->listBox()->count(), 3);
    EXPECT_EQ(page->listBox()->currentRow(), rowOf(kAqua));
    EXPECT_EQ(page->designerLabel()->text(), QStringLiteral("Velorine team"));
    EXPECT_EQ(page->versionLabel()->text(), QStringLiteral("1.0"));
    EXPECT_EQ(page->descriptionLabel()->text(),
              QStringLiteral("Polished aluminium with glassy aqua buttons.\n"
                             "A compact strip as the alternate view.\n"));

    page->listBox()->setCurrentRow(rowOf(QStringLiteral("Late one")));
    EXPECT_EQ(page->designerLabel()->text(), QStringLiteral("Someone"));
    EXPECT_EQ(page->versionLabel()->text(), QStringLiteral("0.9"));
    EXPECT_EQ(page->descriptionLabel()->text(),
              QStringLiteral("Added while running.\nSecond line.\n"));
    page->listBox()->setCurrentRow(rowOf(kEmber));
    EXPECT_EQ(page->descriptionLabel()->text(),
              QStringLiteral("Dark graphite, amber dot-matrix and a vertical volume fader.\n"));

    // Selecting and Cancel change nothing, and the next opening starts from
    // the skin in use.
    page->cancelPage();
    EXPECT_EQ(asked.count(), 0);
    expectShows(kAqua, 1);
    page->initPage();
    EXPECT_EQ(page->listBox()->currentRow(), rowOf(kAqua));
    EXPECT_EQ(page->designerLabel()->text(), QStringLiteral("Velorine team"));

    // OK on the skin in use asks for nothing; OK on another loads it, once.
    page->okPage();
    EXPECT_EQ(asked.count(), 0);
    page->listBox()->setCurrentRow(rowOf(kEmber));
    page->okPage();
    EXPECT_EQ(asked.count(), 1);
    expectShows(kEmber, 1);
    page->okPage();
    EXPECT_EQ(asked.count(), 1);
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.messages.join(u'|').toStdString();
}

TEST_F(SkinPageTest, ASkinThatCannotBeLoadedLeavesTheWindowAsItWasAndOneThatCanLeavesNoTrace) {
    start();
    wnd().ApplyViewNow(2);
    // A header but not one bitmap: the list takes it, loading it fails.
    writeSkinFolder(rig.folder() / "skins" / "Hollow",
                    "[Name]\nHollow\n[MAIN]\nplay v 0 0 10 10\n[ALT]\nplay v 0 0 10 10\n", {});
    page->initPage();
    page->listBox()->setCurrentRow(rowOf(QStringLiteral("Hollow")));
    QTest::mouseClick(page->loadButton(), Qt::LeftButton);
    EXPECT_EQ(rig.ui.messages,
              QStringList(rig.path("skins/Hollow/m_panel.bmp") + QStringLiteral(" not found!")));
    expectShows(kAqua, 2);
    EXPECT_TRUE(wnd().isVisible());
    // OK after that asks no more: the message is not shown twice.
    page->okPage();
    EXPECT_EQ(rig.ui.messages.size(), 1);

    // A skin whose files went away after the list was read.
    page->initPage();
    std::filesystem::remove(rig.folder() / "skins" / "Hollow" / "spec.txt");
    page->listBox()->setCurrentRow(rowOf(QStringLiteral("Hollow")));
    page->okPage();
    EXPECT_EQ(rig.ui.messages.last(), QStringLiteral("Skin files not found"));
    expectShows(kAqua, 2);

    // A skin of one button and no alternate view: nothing of XP Aqua stays.
    writeSkinFolder(rig.folder() / "skins" / "Small", "[Name]\nSmall\n[MAIN]\nclose v 2 2 10 10\n",
                    {{"m_panel.bmp", solidImage(60, 6 * 30)}});
    page->initPage();
    page->listBox()->setCurrentRow(rowOf(QStringLiteral("Small")));
    page->okPage();
    expectShows(QStringLiteral("Small"), 1);
    EXPECT_EQ(wnd().size(), QSize(60, 30));
    EXPECT_EQ(rig.ui.messages.size(), 2);
}

}  // namespace
