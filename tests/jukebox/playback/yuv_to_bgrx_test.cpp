// The fixed-point 4:2:0 to BGRx rows against the exact matrix arithmetic: every
// pixel within one level, for both common matrices and both level ranges, at
// widths that use the 16-pixel path, the pixel-by-pixel rest, or both.
#include "jukebox/playback/yuv_to_bgrx.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace {

struct Matrix {
    double kr;
    double kb;
    bool full;
};

int exact(double value) {
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

// B, G, R of one pixel by the textbook formulas in floating point.
std::array<int, 3> reference(int y, int u, int v, const Matrix& m) {
    const double kg = 1.0 - m.kr - m.kb;
    const double luma = m.full ? y : (y - 16) * 255.0 / 219.0;
    const double cb = (u - 128) * (m.full ? 1.0 : 255.0 / 224.0);
    const double cr = (v - 128) * (m.full ? 1.0 : 255.0 / 224.0);
    return {exact(luma + 2.0 * (1.0 - m.kb) * cb),
            exact(luma - 2.0 * m.kb * (1.0 - m.kb) / kg * cb - 2.0 * m.kr * (1.0 - m.kr) / kg * cr),
            exact(luma + 2.0 * (1.0 - m.kr) * cr)};
}

// The largest difference from the reference over one converted row, written
// shift bytes into its buffer (rows of 16-byte aligned starts are written past
// the cache, others not).
int worstRow(const std::vector<std::uint8_t>& y, const std::vector<std::uint8_t>& u,
             const std::vector<std::uint8_t>& v, const Matrix& m, int shift = 0) {
    const int width = static_cast<int>(y.size());
    // Guard bytes around the row catch a write outside it.
    std::vector<std::uint8_t> buffer(4 * width + 32, 0xab);
    const auto start = buffer.begin() + shift;
    YuvToBgrx::ConvertRow(y.data(), u.data(), v.data(), &*start, width,
                          YuvToBgrx::WeightsFor(m.kr, m.kb, m.full));
    EXPECT_TRUE(std::all_of(buffer.begin(), start, [](std::uint8_t byte) { return byte == 0xab; }));
    const std::vector<std::uint8_t> out(start, buffer.end());
    int worst = 0;
    for (int x = 0; x < width; ++x) {
        const auto want = reference(y[x], u[x / 2], v[x / 2], m);
        for (int c = 0; c < 3; ++c) {
            worst = std::max(worst, std::abs(want[c] - out[4 * x + c]));
        }
        EXPECT_EQ(out[4 * x + 3], 255) << "x " << x;
    }
    EXPECT_TRUE(std::all_of(out.begin() + 4 * width, out.end(),
                            [](std::uint8_t byte) { return byte == 0xab; }));
    return worst;
}

const Matrix kMatrices[] = {
    {0.299, 0.114, false},    // BT.601, video levels
    {0.2126, 0.0722, false},  // BT.709, video levels
    {0.299, 0.114, true},     // BT.601, full levels (JPEG)
    {0.2627, 0.0593, false},  // BT.2020, video levels
};

TEST(YuvToBgrxTest, EveryPixelIsWithinOneLevelOfTheExactMatrix) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> byte(0, 255);
    for (const Matrix& m : kMatrices) {
        // Random rows: 1 to 48 pixels take the pixel-by-pixel rest, whole
        // 16-pixel steps, or both; 1920 is a whole HD row.
        for (int width : {1, 2, 7, 15, 16, 17, 31, 32, 33, 48, 1920}) {
            std::vector<std::uint8_t> y(width);
            std::vector<std::uint8_t> u((width + 1) / 2);
            std::vector<std::uint8_t> v((width + 1) / 2);
            for (int round = 0; round < 20; ++round) {
                std::generate(y.begin(), y.end(), [&] { return byte(random); });
                std::generate(u.begin(), u.end(), [&] { return byte(random); });
                std::generate(v.begin(), v.end(), [&] { return byte(random); });
                EXPECT_LE(worstRow(y, u, v, m, 4 * (round % 2)), 1)
                    << "kr " << m.kr << " width " << width;
            }
        }
        // Every corner of the cube of inputs, where the results clamp: luma
        // and chroma at 0, 255 and the video levels' limits, 16 pixels wide so
        // the vector path takes them.
        const int levels[] = {0, 16, 128, 235, 240, 255};
        for (int yl : levels) {
            for (int ul : levels) {
                for (int vl : levels) {
                    const std::vector<std::uint8_t> y(16, static_cast<std::uint8_t>(yl));
                    const std::vector<std::uint8_t> u(8, static_cast<std::uint8_t>(ul));
                    const std::vector<std::uint8_t> v(8, static_cast<std::uint8_t>(vl));
                    EXPECT_LE(worstRow(y, u, v, m), 1) << yl << ' ' << ul << ' ' << vl;
                }
            }
        }
    }
}

TEST(YuvToBgrxTest, VideoLevelsReachFullBlackWhiteAndPrimaries) {
    const auto bt709 = YuvToBgrx::WeightsFor(0.2126, 0.0722, false);
    auto pixel = [&](int y, int u, int v) {
        const std::vector<std::uint8_t> ys(16, static_cast<std::uint8_t>(y));
        const std::vector<std::uint8_t> us(8, static_cast<std::uint8_t>(u));
        const std::vector<std::uint8_t> vs(8, static_cast<std::uint8_t>(v));
        std::vector<std::uint8_t> out(64);
        YuvToBgrx::ConvertRow(ys.data(), us.data(), vs.data(), out.data(), 16, bt709);
        return std::array<int, 3>{out[2], out[1], out[0]};  // R, G, B
    };
    EXPECT_EQ(pixel(16, 128, 128), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(pixel(235, 128, 128), (std::array<int, 3>{255, 255, 255}));
    // BT.709's red, green and blue at video levels.
    const auto red = pixel(63, 102, 240);
    const auto green = pixel(173, 42, 26);
    const auto blue = pixel(32, 240, 118);
    EXPECT_GE(red[0], 253);
    EXPECT_LE(std::max(red[1], red[2]), 2);
    EXPECT_GE(green[1], 253);
    EXPECT_LE(std::max(green[0], green[2]), 2);
    EXPECT_GE(blue[2], 253);
    EXPECT_LE(std::max(blue[0], blue[1]), 2);
}

}  // namespace
