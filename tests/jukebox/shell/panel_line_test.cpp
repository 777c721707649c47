// Which line the track panel paints: pop-ups over everything, then the opening
// text, then the track text, else the no-media text.
#include <gtest/gtest.h>

#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/panel_line.h"

namespace {

QString line(int popup, int bits, bool loop = false, bool random = false, double speed = 1) {
    const PanelLine chosen =
        ChoosePanelLine(PanelLineState{popup, speed, bits, loop, random}, QStringLiteral("A - T"));
    // Only the track text may scroll.
    EXPECT_EQ(chosen.isTrackText, chosen.text == QStringLiteral("A - T"));
    return chosen.text;
}

TEST(PanelLineTest, PopUpsFirstThenOpeningThenTheTrackElseNoMedia) {
    const int all = PanelBit::Opening | PanelBit::Text | PanelBit::Alternate;
    EXPECT_EQ(line(PanelPopup::Scan, all | PanelBit::Scanning), QStringLiteral("Scan: start"));
    EXPECT_EQ(line(PanelPopup::Scan, all), QStringLiteral("Scan: stop"));
    EXPECT_EQ(line(PanelPopup::Sort, all | PanelBit::Sorting), QStringLiteral("Sort: start"));
    EXPECT_EQ(line(PanelPopup::Sort, PanelBit::Scanning), QStringLiteral("Sort: stop"));
    EXPECT_EQ(line(PanelPopup::Loop, all, true, false), QStringLiteral("Loop: on"));
    EXPECT_EQ(line(PanelPopup::Loop, all, false, true), QStringLiteral("Loop: off"));
    EXPECT_EQ(line(PanelPopup::Random, all, false, true), QStringLiteral("Random: on"));
    EXPECT_EQ(line(PanelPopup::Random, all, true, false), QStringLiteral("Random: off"));
    EXPECT_EQ(line(PanelPopup::Speed, all, false, false, 1.5), QStringLiteral("Speed: 1.50X"));
    EXPECT_EQ(line(PanelPopup::Speed, 0, false, false, 16), QStringLiteral("Speed: 16.00X"));

    EXPECT_EQ(line(0, PanelBit::Scroll | PanelBit::Scanning),
              QStringLiteral("No media file opened"));
    EXPECT_EQ(line(0, PanelBit::Opening | PanelBit::Text), QStringLiteral("Opening..."));
    EXPECT_EQ(line(0, PanelBit::Text), QStringLiteral("A - T"));
    // The alternate display shows the text even with no track open, and a kind
    // that names no pop-up leaves the choice to the bits.
    EXPECT_EQ(line(0, PanelBit::Alternate), QStringLiteral("A - T"));
    EXPECT_EQ(line(1, PanelBit::Text), QStringLiteral("A - T"));
}

}  // namespace
