// Which line the track panel paints: pop-ups over everything, then the opening
// text, then the track text, else the no-media text.
#include <gtest/gtest.h>

#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/panel_line.h"

namespace {

const QString kTrack = QStringLiteral("Artist - Title");

PanelLine choose(int popup, int bits, bool loop = false, bool random = false, double speed = 1.0) {
    PanelLineState state;
    state.popupKind = popup;
    state.stateBits = bits;
    state.loopOn = loop;
    state.randomOn = random;
    state.popupSpeed = speed;
    return ChoosePanelLine(state, kTrack);
}

PanelLine fixed(const char* text) {
    return {QString::fromLatin1(text), false};
}

TEST(PanelLineTest, PopUpsNameTheirStateAndHideEverythingElse) {
    const int all = PanelBit::Opening | PanelBit::Text | PanelBit::Alternate;
    EXPECT_EQ(choose(PanelPopup::Scan, all | PanelBit::Scanning), fixed("Scan: start"));
    EXPECT_EQ(choose(PanelPopup::Scan, all), fixed("Scan: stop"));
    EXPECT_EQ(choose(PanelPopup::Sort, all | PanelBit::Sorting), fixed("Sort: start"));
    EXPECT_EQ(choose(PanelPopup::Sort, PanelBit::Scanning), fixed("Sort: stop"));
    EXPECT_EQ(choose(PanelPopup::Loop, all, true, false), fixed("Loop: on"));
    EXPECT_EQ(choose(PanelPopup::Loop, all, false, true), fixed("Loop: off"));
    EXPECT_EQ(choose(PanelPopup::Random, all, false, true), fixed("Random: on"));
    EXPECT_EQ(choose(PanelPopup::Random, all, true, false), fixed("Random: off"));
    EXPECT_EQ(choose(PanelPopup::Speed, all, false, false, 1.5), fixed("Speed: 1.50X"));
    EXPECT_EQ(choose(PanelPopup::Speed, 0, false, false, 0.25), fixed("Speed: 0.25X"));
    EXPECT_EQ(choose(PanelPopup::Speed, 0, false, false, 16), fixed("Speed: 16.00X"));
}

TEST(PanelLineTest, WithoutAPopUpTheBitsChoose) {
    EXPECT_EQ(choose(0, 0), fixed("No media file opened"));
    EXPECT_EQ(choose(0, PanelBit::Scroll | PanelBit::Scanning), fixed("No media file opened"));
    EXPECT_EQ(choose(0, PanelBit::Opening | PanelBit::Text), fixed("Opening..."));
    EXPECT_EQ(choose(0, PanelBit::Text), (PanelLine{kTrack, true}));
    // The alternate display shows the text even with no track open.
    EXPECT_EQ(choose(0, PanelBit::Alternate), (PanelLine{kTrack, true}));
    // A kind that names no pop-up leaves the choice to the bits.
    EXPECT_EQ(choose(1, PanelBit::Text), (PanelLine{kTrack, true}));
}

}  // namespace
