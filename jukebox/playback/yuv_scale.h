#pragma once

#include <cstdint>
#include <vector>

#include "jukebox/playback/yuv_to_bgrx.h"

// Scales 4:2:0 Y'CbCr pictures (I420, YV12) to another size while they turn
// into BGRx, so that a picture shown at the window's size is written once, not
// first scaled as a whole and then converted. Each output sample is the linear
// blend of its two nearest source samples, down the columns first (two source
// rows into one row) and then across, in 8-bit fixed point.
namespace YuvScale {

// Where each output sample lies between two source samples: the first one's
// index and the second one's share in 1/256 (0–256). The second sample is always
// first + 1, and is never past the source's last sample plus one.
struct Taps {
    std::vector<std::int32_t> first;
    std::vector<std::uint16_t> share;
    std::vector<std::int16_t> weights;  // 256 − share and share, for each sample
};

// count output samples over sourceCount source samples, where one output step
// is num/den source steps; output sample i is centred on (i + ½)·num/den − ½.
Taps TapsFor(int count, int sourceCount, long long num, long long den);

// count bytes of out = a blended with b, b's share weight/256.
void BlendRows(const std::uint8_t* a, const std::uint8_t* b, int weight, std::uint8_t* out,
               int count);

// count bytes of out from in along taps; in must hold one byte past the
// largest first index.
void ScaleRow(const std::uint8_t* in, const Taps& taps, std::uint8_t* out, int count);

// One picture's planes.
struct Planes {
    const std::uint8_t* y = nullptr;
    const std::uint8_t* u = nullptr;
    const std::uint8_t* v = nullptr;
    int yStride = 0;
    int uStride = 0;
    int vStride = 0;
};

// Scales and converts pictures of one input size to one output size.
class Scaler {
public:
    // Input width × height (chroma (width + 1) / 2 × (height + 1) / 2), output
    // outWidth × outHeight; all at least 1.
    void Prepare(int width, int height, int outWidth, int outHeight);

    // One picture into bgrx (outHeight rows of stride bytes). With fields, each
    // field of an interlaced picture is scaled on its own lines and chroma.
    void Convert(const Planes& in, bool fields, std::uint8_t* bgrx, int stride,
                 const YuvToBgrx::Weights& weights);

private:
    // The two source rows and the second one's share for each output row.
    struct Rows {
        std::vector<std::int32_t> first;
        std::vector<std::int32_t> second;
        std::vector<std::uint16_t> share;
    };
    static Rows rowsFor(int count, int sourceCount, long long num, long long den, bool fields);

    int width_ = 0;
    int height_ = 0;
    int outWidth_ = 0;
    int outHeight_ = 0;
    Taps lumaColumns_;
    Taps chromaColumns_;
    Rows lumaRows_[2];  // frames, fields
    Rows chromaRows_[2];
    std::vector<std::uint8_t> column_;  // one source row (padded), blended down
    std::vector<std::uint8_t> row_;     // the output row's luma, then u and v
};

}  // namespace YuvScale
