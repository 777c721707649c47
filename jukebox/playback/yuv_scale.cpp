#include "jukebox/playback/yuv_scale.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace YuvScale {

namespace {

// Output sample i's centre in source samples, in 1/256.
long long position(long long i, long long num, long long den) {
    return (2 * i + 1) * num * 256 / (2 * den) - 128;
}

struct Tap {
    int first = 0;
    int share = 0;
};

// The tap for position p over sourceCount samples: before the first sample and
// past the last the edge sample alone.
Tap tapAt(long long p, int sourceCount) {
    if (p <= 0) {
        return {};
    }
    const long long first = p >> 8;
    if (first >= sourceCount - 1) {
        return {sourceCount - 1, 0};
    }
    return {static_cast<int>(first), static_cast<int>(p & 255)};
}

int blend(int a, int b, int share) {
    return (a * (256 - share) + b * share + 128) >> 8;
}

#if defined(__SSE2__)
int pairAt(const std::uint8_t* p) {
    std::uint16_t pair;
    std::memcpy(&pair, p, sizeof pair);
    return pair;
}
#endif

}  // namespace

Taps TapsFor(int count, int sourceCount, long long num, long long den) {
    Taps taps;
    taps.first.resize(static_cast<size_t>(count));
    taps.share.resize(static_cast<size_t>(count));
    taps.weights.resize(2 * static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const Tap tap = tapAt(position(i, num, den), sourceCount);
        taps.first[i] = tap.first;
        taps.share[i] = static_cast<std::uint16_t>(tap.share);
        taps.weights[2 * i] = static_cast<std::int16_t>(256 - tap.share);
        taps.weights[2 * i + 1] = static_cast<std::int16_t>(tap.share);
    }
    return taps;
}

void BlendRows(const std::uint8_t* a, const std::uint8_t* b, int weight, std::uint8_t* out,
               int count) {
    if (weight == 0 || a == b) {
        std::memcpy(out, a, static_cast<size_t>(count));
        return;
    }
    int x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i wa = _mm_set1_epi16(static_cast<short>(256 - weight));
    const __m128i wb = _mm_set1_epi16(static_cast<short>(weight));
    const __m128i round = _mm_set1_epi16(128);
    // The sums stay below 65536: unsigned 16-bit lanes hold them.
    for (; x + 16 <= count; x += 16) {
        const __m128i as = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + x));
        const __m128i bs = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + x));
        const __m128i low = _mm_srli_epi16(
            _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(as, zero), wa),
                                        _mm_mullo_epi16(_mm_unpacklo_epi8(bs, zero), wb)),
                          round),
            8);
        const __m128i high = _mm_srli_epi16(
            _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(as, zero), wa),
                                        _mm_mullo_epi16(_mm_unpackhi_epi8(bs, zero), wb)),
                          round),
            8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(low, high));
    }
#endif
    for (; x < count; ++x) {
        out[x] = static_cast<std::uint8_t>(blend(a[x], b[x], weight));
    }
}

void ScaleRow(const std::uint8_t* in, const Taps& taps, std::uint8_t* out, int count) {
    const std::int32_t* first = taps.first.data();
    int x = 0;
#if defined(__SSE2__)
    // Eight pairs of neighbouring source bytes gathered as 16-bit words, each
    // pair multiplied by its two weights and summed in one step.
    const __m128i zero = _mm_setzero_si128();
    const __m128i round = _mm_set1_epi32(128);
    const auto* weights = reinterpret_cast<const __m128i*>(taps.weights.data());
    for (; x + 8 <= count; x += 8) {
        __m128i pairs = _mm_cvtsi32_si128(pairAt(in + first[x]));
        pairs = _mm_insert_epi16(pairs, pairAt(in + first[x + 1]), 1);
        pairs = _mm_insert_epi16(pairs, pairAt(in + first[x + 2]), 2);
        pairs = _mm_insert_epi16(pairs, pairAt(in + first[x + 3]), 3);
        pairs = _mm_insert_epi16(pairs, pairAt(in + first[x + 4]), 4);
        pairs = _mm_insert_epi16(pairs, pairAt(in + first[x + 5]), 5);
        pairs = _mm_insert_epi16(pairs, pairAt(in + first[x + 6]), 6);
        pairs = _mm_insert_epi16(pairs, pairAt(in + first[x + 7]), 7);
        const __m128i low = _mm_srli_epi32(
            _mm_add_epi32(
                _mm_madd_epi16(_mm_unpacklo_epi8(pairs, zero), _mm_loadu_si128(weights + x / 4)),
                round),
            8);
        const __m128i high =
            _mm_srli_epi32(_mm_add_epi32(_mm_madd_epi16(_mm_unpackhi_epi8(pairs, zero),
                                                        _mm_loadu_si128(weights + x / 4 + 1)),
                                         round),
                           8);
        const __m128i words = _mm_packs_epi32(low, high);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(words, words));
    }
#endif
    for (; x < count; ++x) {
        out[x] = static_cast<std::uint8_t>(blend(in[first[x]], in[first[x] + 1], taps.share[x]));
    }
}

Scaler::Rows Scaler::rowsFor(int count, int sourceCount, long long num, long long den,
                             bool fields) {
    Rows rows;
    rows.first.resize(static_cast<size_t>(count));
    rows.second.resize(static_cast<size_t>(count));
    rows.share.resize(static_cast<size_t>(count));
    for (int r = 0; r < count; ++r) {
        // A field's lines are every other line, from its parity on.
        int parity = fields ? (r & 1) : 0;
        int index = fields ? r >> 1 : r;
        int lines = fields ? (sourceCount - parity + 1) / 2 : sourceCount;
        if (lines == 0) {  // one line: the bottom field has none of its own
            parity = 0;
            lines = 1;
        }
        const Tap tap = tapAt(position(index, num, den), lines);
        const int step = fields ? 2 : 1;
        rows.first[r] = tap.first * step + parity;
        rows.second[r] = std::min(tap.first + 1, lines - 1) * step + parity;
        rows.share[r] = static_cast<std::uint16_t>(tap.share);
    }
    return rows;
}

void Scaler::Prepare(int width, int height, int outWidth, int outHeight) {
    width_ = width;
    height_ = height;
    outWidth_ = outWidth;
    outHeight_ = outHeight;
    const int chromaWidth = (width + 1) / 2;
    const int outChromaWidth = (outWidth + 1) / 2;
    lumaColumns_ = TapsFor(outWidth, width, width, outWidth);
    // A chroma sample serves two output pixels across and two rows down: its
    // centre is that of the pair, at the same scale.
    chromaColumns_ = TapsFor(outChromaWidth, chromaWidth, width, outWidth);
    for (const bool fields : {false, true}) {
        lumaRows_[fields] = rowsFor(outHeight, height, height, outHeight, fields);
        chromaRows_[fields] =
            rowsFor((outHeight + 1) / 2, (height + 1) / 2, height, outHeight, fields);
    }
    // One byte past a row for the second tap of the last sample.
    column_.assign(static_cast<size_t>(width) + 1, 0);
    row_.assign(static_cast<size_t>(outWidth) + 2 * static_cast<size_t>(outChromaWidth), 0);
}

void Scaler::Convert(const Planes& in, bool fields, std::uint8_t* bgrx, int stride,
                     const YuvToBgrx::Weights& weights) {
    const Rows& lumaRows = lumaRows_[fields];
    const Rows& chromaRows = chromaRows_[fields];
    const int chromaWidth = (width_ + 1) / 2;
    const int outChromaWidth = (outWidth_ + 1) / 2;
    std::uint8_t* y = row_.data();
    std::uint8_t* u = y + outWidth_;
    std::uint8_t* v = u + outChromaWidth;
    auto rowOf = [](const std::uint8_t* plane, int planeStride, int row) {
        return plane + static_cast<std::ptrdiff_t>(row) * planeStride;
    };
    auto scale = [&](const std::uint8_t* plane, int planeStride, const Rows& rows, int r, int count,
                     const Taps& taps, int outCount, std::uint8_t* out) {
        BlendRows(rowOf(plane, planeStride, rows.first[r]),
                  rowOf(plane, planeStride, rows.second[r]), rows.share[r], column_.data(), count);
        column_[count] = column_[count - 1];
        ScaleRow(column_.data(), taps, out, outCount);
    };
    int chromaDone = -1;
    for (int r = 0; r < outHeight_; ++r) {
        scale(in.y, in.yStride, lumaRows, r, width_, lumaColumns_, outWidth_, y);
        // Two rows share a chroma row: that of their field with fields.
        const int chroma = std::min(fields ? (r >> 2) * 2 + (r & 1) : r >> 1,
                                    static_cast<int>(chromaRows.first.size()) - 1);
        if (chroma != chromaDone) {
            scale(in.u, in.uStride, chromaRows, chroma, chromaWidth, chromaColumns_, outChromaWidth,
                  u);
            scale(in.v, in.vStride, chromaRows, chroma, chromaWidth, chromaColumns_, outChromaWidth,
                  v);
            chromaDone = chroma;
        }
        YuvToBgrx::ConvertRow(y, u, v, bgrx + static_cast<std::ptrdiff_t>(r) * stride, outWidth_,
                              weights);
    }
}

}  // namespace YuvScale
