// The options sheet run from the running jukebox: what OK and Cancel change in
// the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "jukebox/options_sheet/option_sheet.h"
#include "jukebox/shell/app_settings.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/time_display.h"
#include "jukebox/shell/track_panel.h"
#include "jukebox/tracklist/tracklist_store.h"
#include "jukebox/video_window/video_wnd.h"
#include "taglib/code_page_converter.h"
#include "tests/jukebox/playback/test_media.h"
#include "tests/jukebox/shell/jukebox_rig.h"
#include "tests/taglib/id3v1_fixtures.h"

namespace {

constexpr int kWaitMs = 10000;

// Runs act on the sheet once it shows, then presses the button: the sheet
// runs modally, so this has to be in place before the command.
void whenSheetShows(QDialogButtonBox::StandardButton button,
                    const std::function<void(COptionSheet&)>& act) {
    QTimer::singleShot(0, [=] {
        auto* sheet = qobject_cast<COptionSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
        act(*sheet);
        QTest::mouseClick(sheet->findChild<QDialogButtonBox*>()->button(button), Qt::LeftButton);
    });
}

void showPage(COptionSheet& sheet, COptionSheet::Slot slot) {
    auto* tabs = sheet.findChild<QTabWidget*>();
    tabs->setCurrentIndex(tabs->indexOf(sheet.page(slot)));
}

// Counts the events of one type that a widget gets.
class EventCounter : public QObject {
public:
    EventCounter(QWidget& widget, QEvent::Type type) : type_(type) {
        widget.installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_) {
            ++count;
        }
        return false;
    }

private:
    QEvent::Type type_;
};

TEST(OptionsWiring, OkReachesThePanelAndCancelOnlyTheAlwaysOnTopChoice) {
    JukeboxRig rig;
    rig.start();
    CVelorineWnd& wnd = rig.window();
    CTrackPanel& panel = wnd.controls().panel();
    rig.drop({copyMedia(testMedia().wav, rig.folder() / "music", "tone.wav")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.lineShown() == QStringLiteral(" - tone.wav"); },
                                kWaitMs));
    ASSERT_TRUE(panel.stateBits() & PanelBit::Scroll);
    QSignalSpy formatsChanged(&wnd, &CVelorineWnd::formatsChanged);

    // The Options button: a new primary format, scrolling off, always on top.
    whenSheetShows(QDialogButtonBox::Ok, [](COptionSheet& sheet) {
        showPage(sheet, COptionSheet::TagPage);
        auto* primary = sheet.findChild<QLineEdit*>(QStringLiteral("primaryFormat"));
        primary->selectAll();
        QTest::keyClicks(primary, QStringLiteral("[%n]"));
        sheet.findChild<QCheckBox*>(QStringLiteral("autoTranslate"))->setChecked(true);
        showPage(sheet, COptionSheet::GeneralPage);
        sheet.findChild<QCheckBox*>(QStringLiteral("scrollText"))->setChecked(false);
        sheet.findChild<QCheckBox*>(QStringLiteral("alwaysOnTop"))->setChecked(true);
        auto* charset = sheet.findChild<QComboBox*>(QStringLiteral("charset"));
        charset->setCurrentIndex(charset->findText(QStringLiteral("SJIS")));
    });
    rig.click(ControlId::Options);
    // New tag options read the list again, which the panel tells for a moment.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return panel.lineShown() == QStringLiteral("Scan: stop"); }, kWaitMs));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return panel.lineShown() == QStringLiteral("[tone.wav]"); }, kWaitMs));
    EXPECT_FALSE(panel.stateBits() & PanelBit::Scroll);
    EXPECT_EQ(formatsChanged.count(), 1);
    EXPECT_TRUE(wnd.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(wnd.isVisible());
    EXPECT_EQ(rig.app().record().defaultCodePage, 932);
    EXPECT_TRUE(rig.app().record().autoTranslate);

    // The menu's Options, cancelled: the always-on-top choice is applied all
    // the same (it is the one it was), nothing else changes.
    whenSheetShows(QDialogButtonBox::Cancel, [](COptionSheet& sheet) {
        EXPECT_EQ(sheet.currentSlot(), COptionSheet::GeneralPage);
        sheet.findChild<QCheckBox*>(QStringLiteral("scrollText"))->setChecked(true);
        auto* charset = sheet.findChild<QComboBox*>(QStringLiteral("charset"));
        charset->setCurrentIndex(charset->findText(QStringLiteral("KSC")));
        showPage(sheet, COptionSheet::TagPage);
        auto* primary = sheet.findChild<QLineEdit*>(QStringLiteral("primaryFormat"));
        primary->selectAll();
        QTest::keyClicks(primary, QStringLiteral("%a"));
    });
    wnd.OnCommand(CommandId::MenuOptions);
    EXPECT_EQ(panel.lineShown(), QStringLiteral("[tone.wav]"));
    EXPECT_FALSE(panel.stateBits() & PanelBit::Scroll);
    EXPECT_EQ(formatsChanged.count(), 1);
    EXPECT_TRUE(wnd.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(rig.app().settings().tagPage.primaryFormat, QStringLiteral("[%n]"));
    EXPECT_EQ(rig.app().record().defaultCodePage, 932);
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.messages.join(u'|').toStdString();
    EXPECT_TRUE(rig.closeWithControl());
}

// A new character set (or the Tag page's switches) reads the list's tags again at
// once: a Big5 title without a marker turns from garbage into Chinese on OK, with
// no Rescan, in the list and in the panel.
TEST(OptionsWiring, ANewCharacterSetReadsTheListsTagsAgainAtOnce) {
    JukeboxRig rig;
    AppSettings settings;
    settings.tagPage.useAutoTranslate = true;
    settings.general.codePage = CodePage::Utf8;
    SaveAppSettings(settings);
    rig.start();
    const std::u16string title = u"月亮代表我的心";
    RawBlock block;
    block.title = IcuCodePageConverter::instance().fromUtf16(CodePage::Big5, title);
    block.artist = "Teresa";
    writeFileBytes(rig.folder() / "big5.mp3",
                   readFileBytes(testMedia().mp3Plain.toStdString()) + block.bytes());
    rig.drop({rig.path("big5.mp3")});
    TracklistStore& list = rig.app().tracklist();
    ASSERT_EQ(list.EntryCount(), 1);
    ASSERT_NE(list.EntryAt(0).name.toStdU16String(), title);

    whenSheetShows(QDialogButtonBox::Ok, [](COptionSheet& sheet) {
        showPage(sheet, COptionSheet::GeneralPage);
        auto* charset = sheet.findChild<QComboBox*>(QStringLiteral("charset"));
        charset->setCurrentIndex(charset->findText(QStringLiteral("BIG5")));
    });
    rig.click(ControlId::Options);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return list.EntryAt(0).name.toStdU16String() == title; }, kWaitMs));
    CTrackPanel& panel = rig.window().controls().panel();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return panel.lineShown().contains(QString::fromStdU16String(title)); }, kWaitMs))
        << panel.lineShown().toStdString();
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.messages.join(u'|').toStdString();
}

// Ticking and unticking "Always on top" keeps every window as it was: never
// hidden, the same native windows, which go on drawing (the playing time moves
// on the face).
TEST(OptionsWiring, AlwaysOnTopKeepsTheWindowsDrawingBothWays) {
    JukeboxRig rig;
    rig.start();
    CVelorineWnd& wnd = rig.window();
    CVideoWnd& video = rig.app().videoWindow();
    CTimeDisplay& time = wnd.controls().time();
    writeFileBytes(rig.folder() / "quiet.wav", silentWavBytes(30));
    rig.drop({rig.path("quiet.wav")});
    wnd.OnCommand(ControlId::Play);
    ASSERT_EQ(wnd.transport().mode(), Transport::Mode::Playing);
    video.winId();  // the video window exists natively though it is hidden
    const QWindow* face = wnd.windowHandle();
    const QWindow* picture = video.windowHandle();
    const WId faceId = wnd.winId();
    EventCounter paints(time, QEvent::Paint);
    EventCounter hides(wnd, QEvent::Hide);

    for (const bool onTop : {true, false}) {
        whenSheetShows(QDialogButtonBox::Ok, [onTop](COptionSheet& sheet) {
            showPage(sheet, COptionSheet::GeneralPage);
            sheet.findChild<QCheckBox*>(QStringLiteral("alwaysOnTop"))->setChecked(onTop);
        });
        rig.click(ControlId::Options);
        EXPECT_EQ(wnd.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_EQ(video.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_EQ(wnd.windowHandle(), face);
        EXPECT_EQ(wnd.winId(), faceId);
        EXPECT_EQ(video.windowHandle(), picture);
        EXPECT_EQ(wnd.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        ASSERT_TRUE(wnd.isVisible());
        EXPECT_EQ(hides.count, 0);

        const int second = time.seconds();
        const int painted = paints.count;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return time.seconds() > second && paints.count > painted; }, kWaitMs))
            << "still at " << second << "s";
    }
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.messages.join(u'|').toStdString();
    EXPECT_TRUE(rig.closeWithControl());
}

}  // namespace
