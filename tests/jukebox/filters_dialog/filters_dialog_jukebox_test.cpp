// The filters dialog inside the running jukebox: Ctrl+F shows and hides it, its
// list follows each file the engine opens, and closing the jukebox takes it and
// an open property page along.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "jukebox/filters_dialog/filter_dialog.h"
#include "jukebox/filters_dialog/property_page.h"
#include "tests/jukebox/playback/test_media.h"
#include "tests/jukebox/shell/jukebox_rig.h"

namespace {

QStringList itemsOf(QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) {
        items.append(list.item(i)->text());
    }
    return items;
}

TEST(FiltersJukeboxTest, CtrlFTogglesTheDialogWhoseListFollowsEachOpen) {
    const TestMedia& media = testMedia();
    ASSERT_FALSE(media.wav.isEmpty());
    ASSERT_FALSE(media.mp3Xing.isEmpty());
    JukeboxRig rig;
    rig.start();
    CFilterDialog& dialog = rig.app().filterDialog();
    auto shown = [&] {
        dialog.FinishFade();
        return dialog.isVisible();
    };
    EXPECT_FALSE(shown());
    QTest::keyClick(&rig.window(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(shown());
    // Ctrl+F in the dialog reaches the main window and hides it again.
    QTest::keyClick(&dialog.list(), Qt::Key_F, Qt::ControlModifier);
    QTest::qWait(0);
    EXPECT_FALSE(shown());
    // Keys the main window acts on when they are let go work there too: L and R
    // switch loop and random on, whether the list or the dialog has the key.
    Transport& transport = rig.window().transport();
    ASSERT_FALSE(transport.loop());
    ASSERT_FALSE(transport.random());
    QTest::keyClick(&dialog.list(), Qt::Key_L);
    QTest::keyClick(&dialog, Qt::Key_R);
    EXPECT_TRUE(QTest::qWaitFor([&] { return transport.loop() && transport.random(); }, 5000));

    MediaEngine& engine = rig.app().engine();
    ASSERT_TRUE(engine.OpenMedia(copyMedia(media.wav, rig.folder() / "music", "a.wav")));
    const QStringList wavItems = itemsOf(dialog.list());
    QStringList names;
    ASSERT_TRUE(engine.EnumFilters(names));
    EXPECT_EQ(wavItems, names);
    ASSERT_TRUE(engine.OpenMedia(copyMedia(media.mp3Xing, rig.folder() / "music", "b.mp3")));
    ASSERT_TRUE(engine.EnumFilters(names));
    EXPECT_EQ(itemsOf(dialog.list()), names);
    EXPECT_NE(names, wavItems);

    QTest::keyClick(&rig.window(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(shown());
    dialog.list().setCurrentItem(
        dialog.list().findItems(QStringLiteral("balance"), Qt::MatchExactly).value(0));
    dialog.ShowFilterProperties();
    ASSERT_NE(dialog.page(), nullptr);
    ASSERT_TRUE(rig.closeWithControl());
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << window->windowTitle().toStdString();
    }
}

}  // namespace
