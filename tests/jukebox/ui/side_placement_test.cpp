// Where the windows around the face go on a first start: beside it, on its
// screen, never over it, on screens of any size and with the face anywhere.
#include "jukebox/ui/side_placement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Readable failure output for rectangles.
std::string text(const QRect& r) {
    return std::to_string(r.x()) + ',' + std::to_string(r.y()) + ' ' + std::to_string(r.width()) +
           'x' + std::to_string(r.height());
}

using SidePlacement::Kind;
using SidePlacement::Place;

const QRect kScreen(0, 0, 1600, 1000);
const QSize kFace(520, 170);
// Frames as a window manager with a 20-pixel title bar draws them.
const QSize kTracklist(277, 400);
const QSize kCover(100, 100);
const QSize kVideo(170, 130);
const QSize kDictionary(402, 225);
const QSize kOptions(612, 345);

struct Placed {
    QRect tracklist, cover, video, dictionary, options;
    QList<QRect> all() const { return {tracklist, cover, video, dictionary, options}; }
};

// In the order the jukebox places them, each clear of those before it.
Placed placeAll(const QRect& face, const QRect& screen) {
    Placed p;
    p.tracklist = Place(Kind::Docked, kTracklist, face, screen);
    p.cover = Place(Kind::Beside, kCover, face, screen, {p.tracklist});
    p.video = Place(Kind::Flowing, kVideo, face, screen, {p.tracklist, p.cover});
    p.dictionary = Place(Kind::Centred, kDictionary, face, screen, {p.tracklist, p.cover, p.video});
    p.options = Place(Kind::Centred, kOptions, face, screen);
    return p;
}

void expectBesideTheFace(const Placed& placed, const QRect& face, const QRect& screen) {
    for (const QRect& frame : placed.all()) {
        EXPECT_TRUE(screen.contains(frame)) << text(frame);
        EXPECT_FALSE(frame.intersects(face)) << text(frame);
    }
    // The windows that stay open together do not hide one another.
    const QList<QRect> open{placed.tracklist, placed.cover, placed.video, placed.dictionary};
    for (qsizetype i = 0; i < open.size(); ++i) {
        for (qsizetype j = i + 1; j < open.size(); ++j) {
            EXPECT_FALSE(open[i].intersects(open[j])) << text(open[i]) << " and " << text(open[j]);
        }
    }
}

TEST(SidePlacementTest, AFirstStartDocksTheListBelowTheFaceAndPutsNothingOverIt) {
    const QRect face(QPoint(10, 10), kFace);
    const Placed placed = placeAll(face, kScreen);
    // A docked list: right below the face and just as wide.
    EXPECT_EQ(placed.tracklist, QRect(10, 180, 520, 400));
    // The cover beside the face, top edges even.
    EXPECT_EQ(placed.cover, QRect(530, 10, 100, 100));
    EXPECT_EQ(placed.video.left(), face.right() + 1);
    // The dictionary and the sheet in the middle of the screen.
    EXPECT_EQ(placed.dictionary.center(), kScreen.center());
    EXPECT_EQ(placed.options.center(), kScreen.center());
    expectBesideTheFace(placed, face, kScreen);
}

TEST(SidePlacementTest, AFaceAtAnEdgeOrOnAnotherScreenHasTheWindowsOnItsOtherSides) {
    // In the bottom right corner: the list above, the cover to the left.
    const QRect corner(QPoint(1070, 820), kFace);
    const Placed placed = placeAll(corner, kScreen);
    EXPECT_EQ(placed.tracklist, QRect(1070, 420, 520, 400));
    EXPECT_EQ(placed.cover, QRect(970, 820, 100, 100));
    expectBesideTheFace(placed, corner, kScreen);

    // In the middle, where the dictionary and the sheet would cover it.
    const QRect middle(QPoint(540, 415), kFace);
    expectBesideTheFace(placeAll(middle, kScreen), middle, kScreen);

    // On a second, smaller screen to the right: everything stays on that one.
    const QRect second(1600, 0, 1024, 768);
    const QRect there(QPoint(1700, 100), kFace);
    expectBesideTheFace(placeAll(there, second), there, second);
}

TEST(SidePlacementTest, WindowsTooLargeForTheRoomShrinkOrAtLeastStayOnTheScreen) {
    const QRect face(QPoint(10, 10), kFace);
    // A small screen: the list gives up height to fit below the face.
    const QRect small(0, 0, 800, 600);
    EXPECT_EQ(Place(Kind::Docked, QSize(277, 700), face, small), QRect(10, 180, 520, 420));
    // A large first video takes the room below the face, over the list if it must.
    const QRect list(10, 180, 520, 400);
    const QRect video = Place(Kind::Flowing, QSize(1290, 730), face, kScreen, {list});
    EXPECT_TRUE(kScreen.contains(video));
    EXPECT_FALSE(video.intersects(face));
    EXPECT_EQ(video.size(), QSize(1290, 730));
    // Larger than the screen: no larger than the screen, and on it.
    EXPECT_EQ(Place(Kind::Centred, QSize(2000, 1200), face, kScreen), kScreen);
}

TEST(SidePlacementTest, AFirstVideoLargerThanTheRoomBesideTheFaceIsSizedForThatRoom) {
    using SidePlacement::RoomBeside;
    const QRect face(QPoint(10, 10), kFace);
    // 1080p on 1600x1000: the strip below the face holds it largest.
    const QSize room = RoomBeside(QSize(1920, 1080), face, kScreen);
    EXPECT_EQ(room, QSize(1600, 820));
    const QSize picture = QSize(1920, 1080).scaled(room, Qt::KeepAspectRatio);
    const QRect video = Place(Kind::Flowing, picture, face, kScreen);
    EXPECT_TRUE(kScreen.contains(video)) << text(video);
    EXPECT_FALSE(video.intersects(face)) << text(video);
    // A tall picture goes right of the face.
    EXPECT_EQ(RoomBeside(QSize(600, 1000), face, kScreen), QSize(1070, 1000));
    // A face filling most of the screen leaves only slivers: the whole screen.
    const QRect big(QPoint(10, 10), QSize(1500, 900));
    EXPECT_EQ(RoomBeside(QSize(1920, 1080), big, kScreen), kScreen.size());
    // The face on another screen leaves this one free.
    EXPECT_EQ(RoomBeside(QSize(1920, 1080), QRect(1700, 10, 520, 170), kScreen), kScreen.size());
}

}  // namespace
