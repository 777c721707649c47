// The options sheet with its real pages on the offscreen platform, driven as a
// user would: tabs clicked, text typed, boxes ticked, OK or Cancel pressed.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "jukebox/options/extension_lists.h"
#include "jukebox/options_sheet/about_page.h"
#include "jukebox/options_sheet/file_ext_page.h"
#include "jukebox/options_sheet/general_page.h"
#include "jukebox/options_sheet/option_sheet.h"
#include "jukebox/options_sheet/tag_page.h"
#include "jukebox/shell/general_settings.h"
#include "jukebox/tracklist/tag_page_settings.h"
#include "tests/support/recording_ui_service.h"
#include "tests/support/temp_dir.h"

namespace {

// A page that only counts what the sheet asks of it (where the Skin page goes).
class CountingPage : public COptionPage {
public:
    QString caption() const override { return QStringLiteral("Skin"); }
    void initPage() override { ++inits; }
    void okPage() override { ++oks; }
    void cancelPage() override { ++cancels; }
    int inits = 0;
    int oks = 0;
    int cancels = 0;
};

class OptionSheetTest : public testing::Test {
protected:
    OptionSheetTest() {
        writeFileBytes(dir / "audio.flt", "wav\r\nMP3\r\n");
        writeFileBytes(dir / "video.flt", "avi\r\n");
        lists = std::make_unique<ExtensionLists>(ui, QString::fromStdString(dir.path().string()));
        sheet.setPage(COptionSheet::TagPage, new CTagPage(tag));
        sheet.setPage(COptionSheet::FileExtPage, new CFileExtPage(*lists, ui));
        sheet.setPage(COptionSheet::GeneralPage, new CGeneralPage(general));
        sheet.setPage(COptionSheet::AboutPage,
                      new CAboutPage(QIcon(), [](const QUrl&) { return true; }));
    }

    void open() {
        sheet.OpenWithoutWaiting();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    }
    void press(QDialogButtonBox::StandardButton which) {
        QTest::mouseClick(sheet.findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
        ASSERT_FALSE(sheet.isVisible());
    }
    void turnTo(COptionSheet::Slot slot) {
        auto* tabs = sheet.findChild<QTabWidget*>();
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->tabRect(tabs->indexOf(sheet.page(slot))).center());
        ASSERT_EQ(sheet.currentSlot(), slot);
    }
    template <typename T>
    T* control(const char* name) {
        T* found = sheet.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void retype(const char* name, const char* text) {
        QLineEdit* edit = control<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    // Near the left end, where a check box has its box and its text.
    void click(const char* name) {
        QAbstractButton* button = control<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    QStringList items(const char* name) {
        QStringList texts;
        QListWidget* box = control<QListWidget>(name);
        for (int row = 0; row < box->count(); ++row) {
            texts.append(box->item(row)->text());
        }
        return texts;
    }

    // Every page visited and every control changed, as a user would before OK
    // or Cancel.
    void changeEverything() {
        turnTo(COptionSheet::TagPage);
        retype("primaryFormat", "%n by %a");
        retype("alternateFormat", "[%g]");
        retype("listFormat", "%d");
        click("winampGenres");
        click("autoTranslate");
        click("preferId3v2");

        turnTo(COptionSheet::FileExtPage);
        ui.promptAnswers = {QStringLiteral("ogg"), QStringLiteral("aac"), std::nullopt, QString()};
        click("addAudio");
        click("addAudio");
        click("addAudio");  // cancelled
        click("addAudio");  // an empty text adds nothing
        QListWidget* video = control<QListWidget>("videoList");
        video->clearSelection();
        click("deleteVideo");  // nothing selected: nothing goes
        EXPECT_EQ(items("videoList"), QStringList{QStringLiteral("avi")});
        video->item(0)->setSelected(true);
        click("deleteVideo");
        ui.promptAnswers = {QStringLiteral("mkv")};
        click("addVideo");
        EXPECT_EQ(ui.promptCaptions.size(), 5);
        EXPECT_EQ(ui.promptCaptions.value(0), QStringLiteral("Add extension"));

        turnTo(COptionSheet::GeneralPage);
        click("alwaysOnTop");
        click("scrollText");
        click("autoplay");
        QComboBox* charset = control<QComboBox>("charset");
        charset->setCurrentIndex(charset->findText(QStringLiteral("SJIS")));
        EXPECT_EQ(general.codePage, 932) << "a choice in the list is taken at once";
        QTest::keyClick(control<QSpinBox>("popupDelay"), Qt::Key_Up);
        EXPECT_TRUE(control<QCheckBox>("alwaysOnTop")->isChecked());
    }

    TempDir dir;
    RecordingUiService ui;
    std::unique_ptr<ExtensionLists> lists;
    TagPageSettings tag;
    GeneralSettings general;
    QPoint position{10, 10};
    COptionSheet sheet{position};
};

TEST_F(OptionSheetTest, OpensOnTheRememberedPageAtTheRememberedPlace) {
    general.codePage = 1252;  // not in the list
    open();
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(sheet.currentSlot(), COptionSheet::TagPage);  // the first page there is
    EXPECT_EQ(sheet.geometry().topLeft(), QPoint(10, 10));
    press(QDialogButtonBox::Ok);
    EXPECT_EQ(general.codePage, 1252) << "OK without the General page shown";

    open();
    turnTo(COptionSheet::GeneralPage);
    EXPECT_EQ(control<QComboBox>("charset")->currentText(), QStringLiteral("UTF-8"));
    EXPECT_EQ(general.codePage, 1252) << "showing the page chooses nothing";
    sheet.move(200, 150);  // the window manager moves the frame
    const QPoint movedTo = sheet.geometry().topLeft();
    press(QDialogButtonBox::Ok);
    EXPECT_EQ(general.codePage, 65001);
    EXPECT_EQ(position, movedTo);

    // The next run's sheet, shown for the first time, comes back to the same
    // place, frame or no frame.
    {
        COptionSheet nextRun(position);
        nextRun.setPage(COptionSheet::AboutPage, new CAboutPage(QIcon()));
        nextRun.OpenWithoutWaiting();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&nextRun));
        EXPECT_EQ(nextRun.geometry().topLeft(), movedTo);
        nextRun.reject();
        EXPECT_EQ(position, movedTo);
    }

    // Another page joins in front: the remembered page is still General, and a
    // page never shown takes no part in OK or Cancel.
    auto* skin = new CountingPage;
    sheet.setPage(COptionSheet::SkinPage, skin);
    open();
    EXPECT_EQ(sheet.currentSlot(), COptionSheet::GeneralPage);
    EXPECT_EQ(sheet.geometry().topLeft(), movedTo);
    press(QDialogButtonBox::Cancel);
    EXPECT_EQ(skin->inits + skin->oks + skin->cancels, 0);

    open();
    turnTo(COptionSheet::SkinPage);
    turnTo(COptionSheet::TagPage);
    turnTo(COptionSheet::SkinPage);
    press(QDialogButtonBox::Ok);
    EXPECT_EQ(skin->inits, 1) << "once per opening";
    EXPECT_EQ(skin->oks, 1);
    open();
    EXPECT_EQ(sheet.currentSlot(), COptionSheet::SkinPage);
    EXPECT_EQ(skin->inits, 2);
    sheet.reject();  // Escape or the window's close button
    EXPECT_EQ(skin->cancels, 1);
}

TEST_F(OptionSheetTest, CancelLeavesEveryPageAsItWas) {
    tag.useMarlow = true;
    general.codePage = 949;
    general.popupDelay = 7;
    const TagPageSettings tagBefore = tag;
    const GeneralSettings generalBefore = general;

    open();
    changeEverything();
    press(QDialogButtonBox::Cancel);
    EXPECT_EQ(tag, tagBefore);
    EXPECT_EQ(general, generalBefore) << "the character set chosen in the list too";
    EXPECT_EQ(readFileBytes(dir / "audio.flt"), "wav\r\nMP3\r\n");
    EXPECT_EQ(readFileBytes(dir / "video.flt"), "avi\r\n");
    EXPECT_EQ(lists->audioExtensions(),
              QStringList({QStringLiteral("wav"), QStringLiteral("MP3")}));

    // The next opening shows the values as they were, not the discarded edits.
    open();
    turnTo(COptionSheet::TagPage);
    EXPECT_EQ(control<QLineEdit>("primaryFormat")->text(), QStringLiteral("%a - %n"));
    EXPECT_FALSE(control<QCheckBox>("winampGenres")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("marlow")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("marlow")->isVisible());
    turnTo(COptionSheet::FileExtPage);
    EXPECT_EQ(items("audioList"), QStringList({QStringLiteral("MP3"), QStringLiteral("wav")}));
    EXPECT_EQ(items("videoList"), QStringList{QStringLiteral("avi")});
    turnTo(COptionSheet::GeneralPage);
    EXPECT_EQ(control<QComboBox>("charset")->currentText(), QStringLiteral("KSC"));
    EXPECT_EQ(control<QSpinBox>("popupDelay")->value(), 7);
    press(QDialogButtonBox::Cancel);
    EXPECT_EQ(general, generalBefore);
}

TEST_F(OptionSheetTest, OkTakesEveryPageAndWritesTheListsSorted) {
    open();
    changeEverything();
    EXPECT_EQ(items("audioList"), QStringList({QStringLiteral("aac"), QStringLiteral("MP3"),
                                               QStringLiteral("ogg"), QStringLiteral("wav")}));
    press(QDialogButtonBox::Ok);

    EXPECT_EQ(tag.primaryFormat, QStringLiteral("%n by %a"));
    EXPECT_EQ(tag.alternateFormat, QStringLiteral("[%g]"));
    EXPECT_EQ(tag.listFormat, QStringLiteral("%d"));
    EXPECT_TRUE(tag.useWinampGenres);
    EXPECT_FALSE(tag.useAutoTranslate);  // ticked for a new user, unticked here
    EXPECT_FALSE(tag.useMarlow);
    EXPECT_TRUE(tag.preferId3v2);

    EXPECT_EQ(readFileBytes(dir / "audio.flt"), "aac\r\nMP3\r\nogg\r\nwav\r\n");
    EXPECT_EQ(readFileBytes(dir / "video.flt"), "mkv\r\n");
    EXPECT_EQ(lists->ClassifyExtension(QStringLiteral("OGG")), MediaAudio);
    EXPECT_EQ(lists->ClassifyExtension(QStringLiteral("avi")), MediaNone);
    EXPECT_TRUE(ui.messages.isEmpty());

    EXPECT_TRUE(general.alwaysOnTop);
    EXPECT_FALSE(general.scrollText);
    EXPECT_TRUE(general.autoplay);
    EXPECT_EQ(general.codePage, 932);
    EXPECT_EQ(general.popupDelay, 11);
}

}  // namespace
