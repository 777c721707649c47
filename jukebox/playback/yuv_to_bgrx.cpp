#include "jukebox/playback/yuv_to_bgrx.h"

#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace YuvToBgrx {

namespace {

constexpr double kOne = 8192.0;   // 13 fraction bits
constexpr int kFractionBits = 5;  // of the sums, after the high half of the products
constexpr int kRound = 1 << (kFractionBits - 1);

std::int16_t weight(double value) {
    return static_cast<std::int16_t>(std::lround(value * kOne));
}

std::uint8_t clamp(int value) {
    return static_cast<std::uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
}

// What the vector code computes, pixel by pixel: the high halves of the same
// products (an arithmetic shift is the floor, as the vector instruction's).
void convertTail(const std::uint8_t* y, const std::uint8_t* u, const std::uint8_t* v,
                 std::uint8_t* bgrx, int from, int width, const Weights& w) {
    for (int x = from; x < width; ++x) {
        const int luma = static_cast<int>((static_cast<unsigned>(y[x]) << 8) * w.luma >> 16) -
                         w.lumaOffset + kRound;
        const int cu = (u[x >> 1] - 128) * 256;
        const int cv = (v[x >> 1] - 128) * 256;
        bgrx[4 * x] = clamp((luma + ((cu * w.blueFromU) >> 16)) >> kFractionBits);
        bgrx[4 * x + 1] = clamp(
            (luma + ((cu * w.greenFromU) >> 16) + ((cv * w.greenFromV) >> 16)) >> kFractionBits);
        bgrx[4 * x + 2] = clamp((luma + ((cv * w.redFromV) >> 16)) >> kFractionBits);
        bgrx[4 * x + 3] = 255;
    }
}

}  // namespace

Weights WeightsFor(double kr, double kb, bool fullRange) {
    const double kg = 1.0 - kr - kb;
    const double lumaScale = fullRange ? 1.0 : 255.0 / 219.0;
    const double chromaScale = fullRange ? 1.0 : 255.0 / 224.0;
    Weights w;
    // The luma factor is taken of the byte shifted by 8 and keeps 5 fraction bits.
    w.luma = static_cast<std::uint16_t>(std::lround(lumaScale * kOne));
    w.lumaOffset = static_cast<std::int16_t>(
        fullRange ? 0 : std::lround(16.0 * lumaScale * (1 << kFractionBits)));
    w.redFromV = weight(2.0 * (1.0 - kr) * chromaScale);
    w.greenFromU = weight(-2.0 * kb * (1.0 - kb) / kg * chromaScale);
    w.greenFromV = weight(-2.0 * kr * (1.0 - kr) / kg * chromaScale);
    w.blueFromU = weight(2.0 * (1.0 - kb) * chromaScale);
    return w;
}

void ConvertRow(const std::uint8_t* y, const std::uint8_t* u, const std::uint8_t* v,
                std::uint8_t* bgrx, int width, const Weights& w) {
    int x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i centre = _mm_set1_epi16(static_cast<short>(0x8000));
    const __m128i luma = _mm_set1_epi16(static_cast<short>(w.luma));
    const __m128i offset = _mm_set1_epi16(static_cast<short>(w.lumaOffset - kRound));
    const __m128i rv = _mm_set1_epi16(w.redFromV);
    const __m128i gu = _mm_set1_epi16(w.greenFromU);
    const __m128i gv = _mm_set1_epi16(w.greenFromV);
    const __m128i bu = _mm_set1_epi16(w.blueFromU);
    const __m128i opaque = _mm_set1_epi8(static_cast<char>(0xff));
    // Rows that start on 16 bytes are written past the cache: nothing here reads
    // them again, and the cache need not first fetch what is overwritten.
    const bool aligned = (reinterpret_cast<std::uintptr_t>(bgrx) & 15) == 0;
    for (; x + 16 <= width; x += 16) {
        const __m128i ys = _mm_loadu_si128(reinterpret_cast<const __m128i*>(y + x));
        const __m128i us = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(u + x / 2));
        const __m128i vs = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(v + x / 2));
        // Bytes into the high halves of 16-bit lanes: the byte times 256; the
        // chroma centred on zero by flipping the sign bit.
        const __m128i cu = _mm_xor_si128(_mm_unpacklo_epi8(zero, us), centre);
        const __m128i cv = _mm_xor_si128(_mm_unpacklo_epi8(zero, vs), centre);
        const __m128i chroma[3] = {
            _mm_mulhi_epi16(cv, rv),
            _mm_add_epi16(_mm_mulhi_epi16(cu, gu), _mm_mulhi_epi16(cv, gv)),
            _mm_mulhi_epi16(cu, bu),
        };
        const __m128i lumaLow =
            _mm_sub_epi16(_mm_mulhi_epu16(_mm_unpacklo_epi8(zero, ys), luma), offset);
        const __m128i lumaHigh =
            _mm_sub_epi16(_mm_mulhi_epu16(_mm_unpackhi_epi8(zero, ys), luma), offset);
        __m128i channel[3];
        for (int c = 0; c < 3; ++c) {
            // Each chroma term serves two neighbouring pixels.
            const __m128i low = _mm_srai_epi16(
                _mm_add_epi16(lumaLow, _mm_unpacklo_epi16(chroma[c], chroma[c])), kFractionBits);
            const __m128i high = _mm_srai_epi16(
                _mm_add_epi16(lumaHigh, _mm_unpackhi_epi16(chroma[c], chroma[c])), kFractionBits);
            channel[c] = _mm_packus_epi16(low, high);
        }
        const __m128i bgLow = _mm_unpacklo_epi8(channel[2], channel[1]);
        const __m128i bgHigh = _mm_unpackhi_epi8(channel[2], channel[1]);
        const __m128i raLow = _mm_unpacklo_epi8(channel[0], opaque);
        const __m128i raHigh = _mm_unpackhi_epi8(channel[0], opaque);
        auto* out = reinterpret_cast<__m128i*>(bgrx + 4 * x);
        if (aligned) {
            _mm_stream_si128(out, _mm_unpacklo_epi16(bgLow, raLow));
            _mm_stream_si128(out + 1, _mm_unpackhi_epi16(bgLow, raLow));
            _mm_stream_si128(out + 2, _mm_unpacklo_epi16(bgHigh, raHigh));
            _mm_stream_si128(out + 3, _mm_unpackhi_epi16(bgHigh, raHigh));
        } else {
            _mm_storeu_si128(out, _mm_unpacklo_epi16(bgLow, raLow));
            _mm_storeu_si128(out + 1, _mm_unpackhi_epi16(bgLow, raLow));
            _mm_storeu_si128(out + 2, _mm_unpacklo_epi16(bgHigh, raHigh));
            _mm_storeu_si128(out + 3, _mm_unpackhi_epi16(bgHigh, raHigh));
        }
    }
    _mm_sfence();
#endif
    convertTail(y, u, v, bgrx, x, width, w);
}

}  // namespace YuvToBgrx
