// The track panel on the offscreen platform: which line it shows as tracks open
// and pop-ups come and go, the primary and alternate formats, the scroll on its
// real timers, and the pixels of glyph and font mode.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/track_panel.h"
#include "jukebox/tracklist/tag_page_settings.h"

namespace {

constexpr int kCell = 4;  // glyph cells of the test sheet: 4 x 5 pixels
constexpr int kCellHeight = 5;

QRgb cellColour(int n) {
    return qRgb(20 + n * 2, 230 - n * 2, 100 + n);
}

// A glyph sheet whose every cell is one colour of its own.
QImage glyphSheet() {
    QImage sheet(32 * kCell, 3 * kCellHeight, QImage::Format_RGB32);
    for (int n = 0; n < 96; ++n) {
        for (int y = 0; y < kCellHeight; ++y) {
            for (int x = 0; x < kCell; ++x) {
                sheet.setPixel((n % 32) * kCell + x, (n / 32) * kCellHeight + y, cellColour(n));
            }
        }
    }
    return sheet;
}

// A sheet as a dark skin draws it: amber strokes on black, cells of 8 x 14. Each
// cell lights its own pattern (the bits of its number as bars, and a base line);
// cell 95 is a box. A dim pixel beside each base line, as a character's soft
// edge would be, must not dull the measured ink.
constexpr QSize kLitCell(8, 14);
constexpr QRgb kInk = qRgb(255, 176, 64);
constexpr QRgb kPaper = qRgb(0, 0, 0);

QImage litSheet() {
    const int cw = kLitCell.width();
    const int ch = kLitCell.height();
    QImage sheet(32 * cw, 3 * ch, QImage::Format_RGB32);
    sheet.fill(kPaper);
    for (int n = 0; n < 96; ++n) {
        const int left = (n % 32) * cw;
        const int top = (n / 32) * ch;
        auto light = [&](int x, int y, QRgb c = kInk) { sheet.setPixel(left + x, top + y, c); };
        for (int x = 1; x < 7; ++x) {
            for (int y = 1; y < 13; ++y) {
                const bool box = x == 1 || x == 6 || y == 1 || y == 12;
                const bool bar = y >= 2 && y <= 8 && ((n >> (y - 2)) & 1);
                if (n == 95 ? box : bar || y == 11) {
                    light(x, y);
                }
            }
        }
        light(7, 11, qRgb(90, 60, 20));
    }
    return sheet;
}

// Pixels within a shade of the ink.
int inkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            n += std::abs(qRed(c) - qRed(kInk)) <= 12 && std::abs(qGreen(c) - qGreen(kInk)) <= 12 &&
                 std::abs(qBlue(c) - qBlue(kInk)) <= 12;
        }
    }
    return n;
}

SkinEntry panelEntry(int fontMode, int w, int h) {
    SkinEntry e;
    e.show = SkinVisible;
    e.fontMode = fontMode;
    e.x = 3;
    e.y = 4;
    e.w = w;
    e.h = h;
    e.step = 4;
    e.period = 10;
    e.rect = QRect(e.x, e.y, w, h);
    return e;
}

class TrackPanelTest : public testing::Test {
protected:
    TrackPanelTest() {
        formats.primaryFormat = QStringLiteral("%a - %n");
        formats.alternateFormat = QStringLiteral("%n (%d)");
        track.artist = QStringLiteral("Artist");
        track.name = QStringLiteral("Title");
        track.date = QStringLiteral("1999");
        view.alpha = glyphSheet();
        view.glyphCell = QSize(kCell, kCellHeight);
        window.resize(400, 100);
        panel = std::make_unique<CTrackPanel>(
            formats, [this] { return track; }, [this] { return loop; }, [this] { return random; },
            &window);
    }

    // A glyph-mode panel 40 pixels (ten cells) wide.
    void setupGlyphs(int period = 10) {
        SkinEntry e = panelEntry(SkinGlyphs, 40, kCellHeight);
        e.period = period;
        panel->Setup(e, view);
    }

    // The open sequence of the transport: opening, then the text in the primary format.
    void openTrack() {
        panel->SetBits(true, PanelBit::Opening | PanelBit::Text);
        panel->SetBits(false, PanelBit::Opening);
        panel->ShowPrimary();
    }

    QImage shot() { return panel->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    TagPageSettings formats;
    TrackEntry track;
    bool loop = false;
    bool random = false;
    SkinView view;
    QWidget window;
    std::unique_ptr<CTrackPanel> panel;
};

TEST_F(TrackPanelTest, TracksOpenInThePrimaryFormatAndRightClickTogglesTheAlternate) {
    window.show();
    setupGlyphs();
    EXPECT_EQ(panel->geometry(), QRect(3, 4, 40, kCellHeight));
    EXPECT_EQ(panel->lineShown(), QStringLiteral("No media file opened"));
    panel->SetBits(true, PanelBit::Opening | PanelBit::Text);
    EXPECT_EQ(panel->lineShown(), QStringLiteral("Opening..."));
    openTrack();
    EXPECT_EQ(panel->lineShown(), QStringLiteral("Artist - Title"));
    QSignalSpy doubleClicks(panel.get(), &CTrackPanel::doubleClicked);

    QTest::mouseClick(panel.get(), Qt::RightButton);
    EXPECT_EQ(panel->text(), QStringLiteral("Title (1999)"));
    EXPECT_TRUE(panel->stateBits() & PanelBit::Alternate);
    QTest::mouseClick(panel.get(), Qt::RightButton);
    EXPECT_EQ(panel->text(), QStringLiteral("Artist - Title"));
    EXPECT_FALSE(panel->stateBits() & PanelBit::Alternate);
    EXPECT_EQ(doubleClicks.count(), 0);

    panel->TogglePrimaryAlternate();  // the I key
    EXPECT_EQ(panel->lineShown(), QStringLiteral("Title (1999)"));
    track.name = QStringLiteral("Next");
    openTrack();
    EXPECT_EQ(panel->lineShown(), QStringLiteral("Artist - Next"));
    EXPECT_FALSE(panel->stateBits() & PanelBit::Alternate);

    QTest::mouseDClick(panel.get(), Qt::LeftButton);
    EXPECT_EQ(doubleClicks.count(), 1);

    // A view change shows the primary text again, and the bit says so: the next
    // toggle goes to the alternate, not back to the primary.
    panel->TogglePrimaryAlternate();
    setupGlyphs();
    EXPECT_EQ(panel->lineShown(), QStringLiteral("Artist - Next"));
    EXPECT_FALSE(panel->stateBits() & PanelBit::Alternate);
    panel->TogglePrimaryAlternate();
    EXPECT_EQ(panel->lineShown(), QStringLiteral("Next (1999)"));

    // Glyph mode without a sheet: only the background, and nothing to scroll.
    panel->Setup(panelEntry(SkinGlyphs, 40, kCellHeight), SkinView{});
    EXPECT_EQ(panel->scroll().textWidth(), 0);
    EXPECT_EQ(shot().pixel(1, 1), qRgb(0, 0, 0));

    SkinEntry hidden = panelEntry(SkinGlyphs, 40, kCellHeight);
    hidden.show = SkinHidden;
    panel->Setup(hidden, view);
    EXPECT_TRUE(panel->isHidden());
}

TEST_F(TrackPanelTest, APopUpShowsForTheDelayThenTheLineComesBack) {
    setupGlyphs();
    openTrack();
    panel->setPopupDelayMs(150);

    loop = true;
    QElapsedTimer clock;
    clock.start();
    panel->Popup(PanelPopup::Loop);
    EXPECT_EQ(panel->lineShown(), QStringLiteral("Loop: on"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->lineShown() == panel->text(); }, 10000));
    EXPECT_GE(clock.elapsed(), 100);

    panel->Popup(PanelPopup::Speed, 1.25);
    EXPECT_EQ(panel->lineShown(), QStringLiteral("Speed: 1.25X"));
    panel->popupElapsed();
    panel->Popup(PanelPopup::Speed);  // no speed given: the last one stays
    EXPECT_EQ(panel->lineShown(), QStringLiteral("Speed: 1.25X"));
    panel->popupElapsed();
    EXPECT_EQ(panel->lineShown(), QStringLiteral("Artist - Title"));
}

TEST_F(TrackPanelTest, AWideTitleRestsASecondThenScrollsBackAndForthOnTheTimers) {
    track.artist = QStringLiteral("ABCDEFG");
    track.name = QStringLiteral("HIJKL");  // "ABCDEFG - HIJKL": 15 cells, 60 pixels
    setupGlyphs(0);
    EXPECT_EQ(panel->scrollInterval(), 10) << "a period of 0 would spin";
    panel->SetBits(true, PanelBit::Scroll);
    QElapsedTimer clock;
    clock.start();
    openTrack();
    const PanelScroll& s = panel->scroll();
    ASSERT_EQ(s.textWidth(), 60);

    ASSERT_TRUE(QTest::qWaitFor([&] { return s.offset() < 0; }, 10000));
    EXPECT_GE(clock.elapsed(), 900) << "moved before its one-second rest";
    // Left until the right end meets the panel's right edge (60 - 20 = 40).
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.offset() == -20; }, 10000));
    clock.restart();
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.offset() > -20; }, 10000));
    EXPECT_GE(clock.elapsed(), 900) << "left the right end before its rest";
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.offset() == 0 && !s.moving(); }, 10000));
    EXPECT_TRUE(panel->holdPending());
    EXPECT_FALSE(panel->scrollRunning());

    // A pop-up puts the text home; when it ends the text rests again before moving.
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.offset() < 0; }, 10000));
    panel->Popup(PanelPopup::Random);
    EXPECT_EQ(s.offset(), 0);
    panel->popupElapsed();
    EXPECT_TRUE(panel->holdPending());
    EXPECT_EQ(s.offset(), 0);

    // Scrolling switched off mid-run: the text goes home and stays there.
    panel->holdElapsed();
    panel->scrollTick();
    EXPECT_EQ(s.offset(), -4);
    panel->SetBits(false, PanelBit::Scroll);
    EXPECT_EQ(s.offset(), 0);
    panel->holdElapsed();
    for (int i = 0; i < 20; ++i) {
        panel->scrollTick();
    }
    EXPECT_EQ(s.offset(), 0);
    EXPECT_FALSE(panel->scrollRunning());
}

TEST_F(TrackPanelTest, GlyphModeDrawsTheCellOfEachCharacterOnTheBackground) {
    // An earlier font-mode skin with a red background, then a glyph-mode skin
    // whose line states no colours (black).
    SkinEntry red = panelEntry(SkinFontText, 40, kCellHeight);
    red.bg = qRgb(255, 0, 0);
    panel->Setup(red, view);
    shot();
    setupGlyphs();

    // Characters no font shows take the sheet's box, cell 95.
    track.artist = QStringLiteral("A~");
    track.name = QString::fromUtf8("\x7f\x1f\xee\x80\x80 ");  // U+E000: private use
    formats.primaryFormat = QStringLiteral("%a%n");
    openTrack();
    const QImage image = shot();
    const int cells[] = {'A' - 32, '~' - 32, 95, 95, 95, 0};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(image.pixel(i * kCell + 1, 2), cellColour(cells[i]));
        EXPECT_EQ(image.pixel(i * kCell + 3, 4), cellColour(cells[i]));
    }
    EXPECT_EQ(image.pixel(6 * kCell + 1, 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(39, 0), qRgb(0, 0, 0));

    // A line too wide to keep as one image is drawn cell by cell instead.
    track.artist = QString(9000, u'Z');
    openTrack();
    const int renders = panel->lineImage().renderCount();
    EXPECT_EQ(shot().pixel(39, 2), cellColour('Z' - 32));
    EXPECT_EQ(panel->lineImage().renderCount(), renders);
}

TEST_F(TrackPanelTest, GlyphModeDrawsACjkTitleWithTheFontInTheSheetsInkTwoCellsACharacter) {
    view.alpha = litSheet();
    view.glyphCell = kLitCell;
    const int cw = kLitCell.width();
    const int ch = kLitCell.height();
    auto sheetCell = [&](int n) { return view.alpha.copy((n % 32) * cw, (n / 32) * ch, cw, ch); };
    // Ten cells wide, one cell a tick; a background left by an earlier skin.
    SkinEntry e = panelEntry(SkinGlyphs, 10 * cw, ch);
    e.step = cw;
    e.bg = qRgb(0, 0, 90);
    panel->Setup(e, view);
    panel->SetBits(true, PanelBit::Scroll);
    track.artist = QStringLiteral("Ab");
    track.name = QString::fromUtf8("\u6708\u4eae\u4ee3\u8868\u6211\u7684\u5fc3\u00e9");
    formats.primaryFormat = QStringLiteral("%a%n");
    openTrack();
    // A, b, seven ideographs of two cells, e acute in one.
    const PanelScroll& s = panel->scroll();
    ASSERT_EQ(s.textWidth(), 17 * cw);

    QImage image = shot();
    const QImage firstShot = image;
    EXPECT_EQ(image.copy(0, 0, cw, ch), sheetCell('A' - 32));
    EXPECT_EQ(image.copy(cw, 0, cw, ch), sheetCell('b' - 32));
    for (int c = 2; c < 10; ++c) {
        SCOPED_TRACE(c);
        const QImage cell = image.copy(c * cw, 0, cw, ch);
        EXPECT_NE(cell, sheetCell(95)) << "the box of a character the sheet lacks";
        // On the sheet's paper, not on the stale background.
        EXPECT_EQ(cell.pixel(0, 0), kPaper);
    }
    for (int c = 2; c < 10; c += 2) {
        SCOPED_TRACE(c);
        EXPECT_GE(inkPixels(image.copy(c * cw, 0, 2 * cw, ch)), 8) << "no ideograph in the ink";
    }

    // Cell by cell to the right end (17 - 10 cells); each step moves the picture one
    // cell, across the middle of an ideograph as across any cell.
    const int renders = panel->lineImage().renderCount();
    panel->holdElapsed();
    for (int tick = 1; tick <= 7; ++tick) {
        SCOPED_TRACE(tick);
        panel->scrollTick();
        EXPECT_EQ(s.offset(), -tick * cw);
        const QImage next = shot();
        EXPECT_EQ(next.copy(0, 0, 9 * cw, ch), image.copy(cw, 0, 9 * cw, ch));
        image = next;
    }
    panel->scrollTick();
    EXPECT_FALSE(s.moving()) << "passed the right end";
    EXPECT_EQ(s.offset(), -7 * cw);
    EXPECT_NE(image.copy(9 * cw, 0, cw, ch), sheetCell(95));
    EXPECT_GE(inkPixels(image.copy(9 * cw, 0, cw, ch)), 3) << "no e acute in the ink";
    EXPECT_EQ(panel->lineImage().renderCount(), renders);

    // A pop-up and back draws the line again, but not the characters.
    const int glyphs = panel->lineImage().fallbackRenderCount();
    EXPECT_EQ(glyphs, 8);
    panel->Popup(PanelPopup::Loop);
    shot();
    panel->popupElapsed();
    shot();
    EXPECT_GT(panel->lineImage().renderCount(), renders);
    EXPECT_EQ(panel->lineImage().fallbackRenderCount(), glyphs);

    // A title too wide to keep as one picture is drawn piece by piece at each paint,
    // an ideograph cut by the panel's left edge as the whole line would show it.
    track.artist = QStringLiteral("A");
    track.name = QString::fromUtf8("\u6708\u4eae").repeated(1500);
    openTrack();
    ASSERT_EQ(s.textWidth(), (1 + 6000) * cw);
    panel->holdElapsed();
    panel->scrollTick();
    panel->scrollTick();
    image = shot();
    EXPECT_EQ(image.copy(0, 0, 3 * cw, ch), firstShot.copy(3 * cw, 0, 3 * cw, ch));
    EXPECT_EQ(panel->lineImage().fallbackRenderCount(), glyphs);
}

TEST_F(TrackPanelTest, AScrollTickMovesThePictureWithoutDrawingTheLineAgain) {
    track.artist = QStringLiteral("ABCDEFG");
    track.name = QStringLiteral("HIJKL");
    setupGlyphs();
    panel->SetBits(true, PanelBit::Scroll);
    openTrack();
    EXPECT_EQ(shot().pixel(1, 1), cellColour('A' - 32));
    const int renders = panel->lineImage().renderCount();
    panel->holdElapsed();
    for (int tick = 1; tick <= 3; ++tick) {
        panel->scrollTick();
        // Four pixels (one cell) further left each tick.
        EXPECT_EQ(shot().pixel(1, 1), cellColour("ABCD"[tick] - 32));
    }
    EXPECT_EQ(panel->lineImage().renderCount(), renders);
}

TEST_F(TrackPanelTest, FontModeDrawsTheTextInFgOnBg) {
    SkinEntry e = panelEntry(SkinFontText, 300, 18);
    e.bg = qRgb(0, 0, 128);
    e.fg = qRgb(255, 255, 0);
    panel->Setup(e, view);
    openTrack();
    const QImage image = shot();
    EXPECT_EQ(image.pixel(299, 9), qRgb(0, 0, 128));
    int fg = 0;
    for (int x = 0; x < 40 * 18; ++x) {
        fg += image.pixel(x % 40, x / 40) == qRgb(255, 255, 0);
    }
    EXPECT_GT(fg, 10);
}

}  // namespace
