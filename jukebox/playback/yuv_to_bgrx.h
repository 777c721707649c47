#pragma once

#include <cstdint>

// Turns rows of 4:2:0 Y'CbCr pictures (one chroma sample for two pixels across)
// into B, G, R, 255 bytes, the format an X server of depth 24 takes as it is.
// The general converter of the media framework costs more than the decoder for
// a 1080p picture; this one works on 16 pixels at a time in 16-bit fixed point
// and is within one level of the exact result.
namespace YuvToBgrx {

// The matrix as 16-bit factors: luma with 13 fraction bits (an unsigned product
// of the luma byte shifted by 8), the chroma terms with 13 fraction bits (signed
// products of the centred chroma byte shifted by 8), and the luma offset in
// units of 1/32.
struct Weights {
    std::uint16_t luma = 0;
    std::int16_t lumaOffset = 0;
    std::int16_t redFromV = 0;
    std::int16_t greenFromU = 0;
    std::int16_t greenFromV = 0;
    std::int16_t blueFromU = 0;
};

// kr and kb are the shares of red and blue in luma (0.299 and 0.114 for BT.601,
// 0.2126 and 0.0722 for BT.709); fullRange for levels 0–255, else luma 16–235
// and chroma 16–240.
Weights WeightsFor(double kr, double kb, bool fullRange);

// One row of width pixels: y holds width bytes, u and v (width + 1) / 2;
// bgrx receives 4 × width bytes. No alignment is needed.
void ConvertRow(const std::uint8_t* y, const std::uint8_t* u, const std::uint8_t* v,
                std::uint8_t* bgrx, int width, const Weights& weights);

}  // namespace YuvToBgrx
