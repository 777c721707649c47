#include <gtest/gtest.h>

#include "jukebox/skin/skin_shape.h"

namespace {

// A panel of six bands whose mask band comes from maskPixel; the other bands
// are white, which must not matter.
QImage panelWithMask(int width, int faceHeight, const std::function<QRgb(int, int)>& maskPixel) {
    QImage panel(width, faceHeight * 6, QImage::Format_RGB32);
    panel.fill(qRgb(255, 255, 255));
    for (int y = 0; y < faceHeight; ++y) {
        for (int x = 0; x < width; ++x) {
            panel.setPixel(x, 5 * faceHeight + y, maskPixel(x, y));
        }
    }
    return panel;
}

::testing::AssertionResult regionMatches(const QRegion& region, const QImage& panel,
                                         int faceHeight) {
    for (int y = 0; y < faceHeight; ++y) {
        for (int x = 0; x < panel.width(); ++x) {
            bool inside = (panel.pixel(x, 5 * faceHeight + y) & 0xFFFFFF) != 0xFFFFFF;
            if (region.contains(QPoint(x, y)) != inside) {
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " should be "
                                                     << (inside ? "inside" : "outside");
            }
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(SkinShape, OnlyPureWhiteIsOutside) {
    const QRgb nearWhites[] = {qRgb(254, 255, 255), qRgb(255, 254, 255), qRgb(255, 255, 254),
                               qRgb(0, 0, 0),       qRgb(255, 0, 0),     qRgb(128, 128, 128)};
    QImage panel = panelWithMask(12, 6, [&](int x, int y) {
        return (x + y) % 3 == 0 ? qRgb(255, 255, 255) : nearWhites[(x * 7 + y) % 6];
    });
    QRegion region = BuildSkinShape(panel, 6);
    EXPECT_TRUE(regionMatches(region, panel, 6));
    // The panel may come in any image format.
    EXPECT_TRUE(
        regionMatches(BuildSkinShape(panel.convertToFormat(QImage::Format_RGB888), 6), panel, 6));
}

TEST(SkinShape, RunsAndEqualRowsAreMerged) {
    // A face with a hole: top band, the band beside the hole, bottom band.
    QImage framed = panelWithMask(40, 30, [](int x, int y) {
        bool hole = x >= 10 && x < 30 && y >= 10 && y < 20;
        return hole ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    });
    QRegion region = BuildSkinShape(framed, 30);
    EXPECT_TRUE(regionMatches(region, framed, 30));
    EXPECT_EQ(region.rectCount(), 4);

    QImage solid = panelWithMask(64, 20, [](int, int) { return qRgb(1, 2, 3); });
    QRegion whole = BuildSkinShape(solid, 20);
    EXPECT_EQ(whole.rectCount(), 1);
    EXPECT_EQ(whole.boundingRect(), QRect(0, 0, 64, 20));
}

TEST(SkinShape, ManyMoreRectanglesThanOneBlockStillMakeTheExactShape) {
    // A checkerboard: every pixel its own run, far beyond one block.
    QImage board = panelWithMask(
        150, 100, [](int x, int y) { return (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 128, 0); });
    QRegion region = BuildSkinShape(board, 100);
    EXPECT_GT(150 * 100 / 2, kShapeBlock);
    EXPECT_TRUE(regionMatches(region, board, 100));
}

TEST(SkinShape, RaggedRoundFaceMatchesItsMask) {
    QImage round = panelWithMask(90, 70, [](int x, int y) {
        int dx = x - 45, dy = y - 35;
        bool inside = dx * dx * 49 + dy * dy * 81 < 45 * 45 * 49 + (x % 7) * 400;
        return inside ? qRgb(200, 10, 10) : qRgb(255, 255, 255);
    });
    EXPECT_TRUE(regionMatches(BuildSkinShape(round, 70), round, 70));
}

TEST(SkinShape, NoMaskBandGivesNoRegion) {
    EXPECT_TRUE(BuildSkinShape(QImage(), 10).isEmpty());
    EXPECT_TRUE(BuildSkinShape(QImage(10, 50, QImage::Format_RGB32), 10).isEmpty());
    EXPECT_TRUE(BuildSkinShape(QImage(10, 60, QImage::Format_RGB32), 0).isEmpty());
    QImage white = panelWithMask(10, 10, [](int, int) { return qRgb(255, 255, 255); });
    EXPECT_TRUE(BuildSkinShape(white, 10).isEmpty());
}

}  // namespace
