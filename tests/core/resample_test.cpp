// Bilinear rescaling: small cases worked out by hand in double precision (several sit
// exactly where rounding, or a different order of the same arithmetic, changes a byte),
// corners and edges, and random pictures checked byte for byte against a plain walk of
// the rule that searches the palette afresh for every colour.

#include "core/resample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <random>
#include <vector>

namespace quillor {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Tap {
    int a, b;
    double wa, wb;
};

Tap TapAt(int i, int oldSide, int newSide) {
    double p = std::max(std::min(double(i) * (double(oldSide) / double(newSide)), double(oldSide - 1)), 0.0);
    const double f = std::floor(p);
    return {int(f), std::min(int(f) + 1, oldSide - 1), (f + 1.0) - p, p - f};
}

Bytes ReferenceTrueColour(const Bytes& in, int w, int h, int nw, int nh, int n) {
    Bytes out(std::size_t(nw) * nh * n);
    for (int j = 0; j < nh; ++j) {
        const Tap ty = TapAt(j, h, nh);
        for (int i = 0; i < nw; ++i) {
            const Tap tx = TapAt(i, w, nw);
            for (int c = 0; c < n; ++c) {
                auto px = [&](int x, int y) { return double(in[(std::size_t(y) * w + x) * n + c]); };
                const double r0 = px(tx.a, ty.a) * tx.wa + px(tx.b, ty.a) * tx.wb;
                const double r1 = px(tx.a, ty.b) * tx.wa + px(tx.b, ty.b) * tx.wb;
                out[(std::size_t(j) * nw + i) * n + c] = std::uint8_t(int(r0 * ty.wa + r1 * ty.wb));
            }
        }
    }
    return out;
}

std::uint8_t ReferenceNearest(const int c[3], const Bytes& palette, int size) {
    int best = 0, bestDistance = INT_MAX;
    for (int e = 0; e < size; ++e) {
        int d = 0;
        for (int k = 0; k < 3; ++k) d += (c[k] - palette[e * 4 + k]) * (c[k] - palette[e * 4 + k]);
        if (d < bestDistance) bestDistance = d, best = e;
    }
    return std::uint8_t(best);
}

std::uint8_t ReferenceMix(std::uint8_t p, std::uint8_t q, double wp, double wq, const Bytes& palette, int size) {
    int c[3];
    for (int k = 0; k < 3; ++k) c[k] = int(double(palette[p * 4 + k]) * wp + double(palette[q * 4 + k]) * wq);
    return ReferenceNearest(c, palette, size);
}

Bytes ReferencePaletted(const Bytes& in, int w, int h, int nw, int nh, int size, const Bytes& palette) {
    Bytes out(std::size_t(nw) * nh);
    for (int j = 0; j < nh; ++j) {
        const Tap ty = TapAt(j, h, nh);
        for (int i = 0; i < nw; ++i) {
            const Tap tx = TapAt(i, w, nw);
            auto across = [&](int y) {
                return ReferenceMix(in[std::size_t(y) * w + tx.a], in[std::size_t(y) * w + tx.b], tx.wa, tx.wb,
                                    palette, size);
            };
            out[std::size_t(j) * nw + i] = ReferenceMix(across(ty.a), across(ty.b), ty.wa, ty.wb, palette, size);
        }
    }
    return out;
}

Bytes Resampled(const Bytes& in, int w, int h, int nw, int nh, int n) {
    Bytes out(std::size_t(nw) * nh * n, 0xEE);
    EXPECT_TRUE(ResampleTrueColour(in.data(), w, h, out.data(), nw, nh, n));
    return out;
}

Bytes GreyPalette(std::initializer_list<int> greys) {
    Bytes palette(1024, 0);
    int e = 0;
    for (int g : greys) {
        palette[e * 4] = palette[e * 4 + 1] = palette[e * 4 + 2] = std::uint8_t(g);
        ++e;
    }
    return palette;
}

Bytes RandomBytes(std::size_t n, std::mt19937& rng, int below = 256) {
    Bytes b(n);
    for (auto& v : b) v = std::uint8_t(rng() % unsigned(below));
    return b;
}

TEST(ResampleTrueColour, HandWorkedCases) {
    // Two pixels to three: the middle column sits at 2/3 with weights 0.33..37 and
    // 0.66..66; each channel is truncated, not rounded (16.67 gives 16, 133.33 gives 133).
    EXPECT_EQ(Resampled({0, 10, 200, 255, 20, 100}, 2, 1, 3, 1, 3),
              (Bytes{0, 10, 200, 170, 16, 133, 255, 20, 100}));
    // Column 3 of ten reads at 3 * (2 / 10) = 0.6000000000000001, giving
    // 1 * 0.3999999999999999 + 51 * 0.6000000000000001 = 31.000000000000004: 31. Scaling
    // as 3 * 2 / 10 instead lands just under 31. Columns from 5 on all read the last pixel.
    EXPECT_EQ(Resampled({1, 51}, 2, 1, 10, 1, 1), (Bytes{1, 11, 21, 31, 41, 51, 51, 51, 51, 51}));
    // Lines are worked across first, then mixed down: the centre of 2 x 2 to 3 x 3 is
    // 60 * 1/3 + 230 * 2/3 = 173.33.
    EXPECT_EQ(Resampled({0, 90, 180, 255}, 2, 2, 3, 3, 1), (Bytes{0, 60, 90, 120, 173, 200, 180, 230, 255}));
    // Shrinking 4 to 3 reads at 0, 1.33 and 2.67.
    EXPECT_EQ(Resampled({10, 50, 200, 255}, 4, 1, 3, 1, 1), (Bytes{10, 100, 236}));
}

TEST(ResampleTrueColour, CornerKeptAndEdgesReadAtMostTheLastPixel) {
    std::mt19937 rng(7);
    const Bytes in = RandomBytes(5 * 4 * 3, rng);
    const Bytes up = Resampled(in, 5, 4, 13, 11, 3);
    const Bytes down = Resampled(in, 5, 4, 3, 2, 3);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(up[c], in[c]);
        EXPECT_EQ(down[c], in[c]);
        // Enlarged, the bottom-right pixel is the source's bottom-right pixel exactly.
        EXPECT_EQ(up[(10 * 13 + 12) * 3 + c], in[(3 * 5 + 4) * 3 + c]);
    }
    // The same size gives the same picture back.
    EXPECT_EQ(Resampled(in, 5, 4, 5, 4, 3), in);
}

TEST(ResampleTrueColour, MatchesThePlainRuleOnRandomPictures) {
    std::mt19937 rng(1234);
    const int sizes[][4] = {{7, 5, 3, 2}, {3, 4, 10, 9}, {9, 1, 4, 6}, {1, 7, 5, 3}, {13, 11, 13, 4},
                            {40, 30, 17, 43}, {6, 6, 1, 1}, {2, 50, 3, 49},
                            {8, 6, 4, 3}, {9, 12, 3, 4}, {8, 5, 4, 7}};
    for (const auto& s : sizes)
        for (int n = 1; n <= 4; ++n) {
            SCOPED_TRACE(::testing::Message() << s[0] << "x" << s[1] << " to " << s[2] << "x" << s[3] << ", " << n);
            const Bytes in = RandomBytes(std::size_t(s[0]) * s[1] * n, rng);
            EXPECT_EQ(Resampled(in, s[0], s[1], s[2], s[3], n), ReferenceTrueColour(in, s[0], s[1], s[2], s[3], n));
        }
}

TEST(ResampleTrueColour, RowsMayRunBottomUpWithPadding) {
    std::mt19937 rng(99);
    const int w = 5, h = 4, nw = 7, nh = 6;
    const Bytes in = RandomBytes(std::size_t(w) * h * 3, rng);
    // The source stored bottom-up with a 20-byte stride, the destination likewise.
    Bytes stored(20 * h, 0), storedOut(24 * nh, 0x5A);
    for (int y = 0; y < h; ++y) std::copy_n(&in[std::size_t(y) * w * 3], w * 3, &stored[std::size_t(h - 1 - y) * 20]);
    ASSERT_TRUE(ResampleTrueColourRows(ConstRows{&stored[std::size_t(h - 1) * 20], -20, w, h},
                                       Rows{&storedOut[std::size_t(nh - 1) * 24], -24, nw, nh}, 3));
    const Bytes expected = ReferenceTrueColour(in, w, h, nw, nh, 3);
    for (int y = 0; y < nh; ++y) {
        const std::uint8_t* line = &storedOut[std::size_t(nh - 1 - y) * 24];
        EXPECT_TRUE(std::equal(line, line + nw * 3, &expected[std::size_t(y) * nw * 3])) << "line " << y;
        EXPECT_EQ(line[23], 0x5A) << "padding of line " << y;
    }
}

TEST(ResampleTrueColour, RefusesWhatItCannotDo) {
    Bytes in(12, 1), out(12, 7);
    EXPECT_FALSE(ResampleTrueColour(nullptr, 2, 2, out.data(), 2, 2, 3));
    EXPECT_FALSE(ResampleTrueColour(in.data(), 2, 2, nullptr, 2, 2, 3));
    EXPECT_FALSE(ResampleTrueColour(in.data(), 0, 2, out.data(), 2, 2, 3));
    EXPECT_FALSE(ResampleTrueColour(in.data(), 2, 2, out.data(), 2, -1, 3));
    EXPECT_FALSE(ResampleTrueColour(in.data(), 2, 2, out.data(), 65536, 1, 1));
    EXPECT_FALSE(ResampleTrueColour(in.data(), 2, 2, out.data(), 2, 2, 0));
    EXPECT_FALSE(ResampleTrueColour(in.data(), 2, 2, in.data() + 3, 2, 1, 3));  // overlapping
    EXPECT_EQ(out, Bytes(12, 7));
}

TEST(ResamplePaletted, HandWorkedCasesKeepToThePaletteSize) {
    const Bytes palette = GreyPalette({0, 255, 100, 170});
    Bytes out(3);
    // Black and white mix to grey 170: entry 3 when it may be used, else the nearer of
    // the first three (100).
    const Bytes row{0, 1};
    ASSERT_TRUE(ResamplePaletted(row.data(), 2, 1, out.data(), 3, 1, 4, palette.data()));
    EXPECT_EQ(out, (Bytes{0, 3, 1}));
    ASSERT_TRUE(ResamplePaletted(row.data(), 2, 1, out.data(), 3, 1, 3, palette.data()));
    EXPECT_EQ(out, (Bytes{0, 2, 1}));
}

TEST(ResamplePaletted, MixesDownTheColoursOfTheLinesAlreadyMapped) {
    // The lower line's centre mixes 0 and 200 to 133, mapped to grey 100; down the
    // middle 0 * 1/3 + 100 * 2/3 = 66 then maps to 60 (entry 5). Mixing the four source
    // colours at once would give 88, entry 2.
    const Bytes palette = GreyPalette({0, 255, 100, 170, 200, 60});
    const Bytes in{0, 0, 0, 4};
    Bytes out(9);
    ASSERT_TRUE(ResamplePaletted(in.data(), 2, 2, out.data(), 3, 3, 6, palette.data()));
    EXPECT_EQ(out, (Bytes{0, 0, 0, 0, 5, 2, 0, 2, 4}));
}

TEST(ResamplePaletted, TiesGoToTheEarlierEntry) {
    // Entry 2 repeats entry 0's colour: every pixel of it comes back as 0.
    const Bytes palette = GreyPalette({30, 255, 30});
    const Bytes in(6, 2);
    Bytes out(4, 9);
    ASSERT_TRUE(ResamplePaletted(in.data(), 3, 2, out.data(), 2, 2, 3, palette.data()));
    EXPECT_EQ(out, Bytes(4, 0));
    // Halving reads single pixels only; they are still mapped back, not copied.
    Bytes half(2, 9);
    ASSERT_TRUE(ResamplePaletted(in.data(), 3, 2, half.data(), 2, 1, 3, palette.data()));
    EXPECT_EQ(half, Bytes(2, 0));
    const Bytes wide(8, 2);
    ASSERT_TRUE(ResamplePaletted(wide.data(), 4, 2, half.data(), 2, 1, 3, palette.data()));
    EXPECT_EQ(half, Bytes(2, 0));
}

TEST(ResamplePaletted, MatchesThePlainRuleOnRandomPictures) {
    std::mt19937 rng(42);
    const int sizes[][4] = {{7, 5, 3, 2},   {3, 4, 10, 9}, {33, 20, 50, 31}, {64, 64, 21, 37},
                            {1, 5, 4, 2},   {8, 6, 4, 3},  {9, 12, 3, 4},    {8, 5, 4, 7}};
    for (int paletteSize : {2, 16, 256})
        for (const auto& s : sizes) {
            SCOPED_TRACE(::testing::Message() << paletteSize << " entries, " << s[0] << "x" << s[1] << " to "
                                              << s[2] << "x" << s[3]);
            const Bytes palette = RandomBytes(1024, rng);
            // Indices past the palette size still have colours and must come back inside it.
            const Bytes in = RandomBytes(std::size_t(s[0]) * s[1], rng, std::min(256, paletteSize * 2));
            Bytes out(std::size_t(s[2]) * s[3]);
            ASSERT_TRUE(ResamplePaletted(in.data(), s[0], s[1], out.data(), s[2], s[3], paletteSize, palette.data()));
            EXPECT_EQ(out, ReferencePaletted(in, s[0], s[1], s[2], s[3], paletteSize, palette));
            EXPECT_TRUE(std::all_of(out.begin(), out.end(), [&](int v) { return v < paletteSize; }));
        }
}

TEST(ResamplePaletted, TiesGoToTheEarlierEntryInAFullPalette) {
    // Entries drawn from few colours repeat and lie at equal distances from many mixes,
    // so a full palette, searched another way than a short one, meets ties all the time.
    std::mt19937 rng(7);
    const int sizes[][4] = {{7, 5, 3, 2}, {3, 4, 10, 9}, {33, 20, 50, 31}, {8, 5, 4, 7}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(::testing::Message() << s[0] << "x" << s[1] << " to " << s[2] << "x" << s[3]);
        Bytes palette = RandomBytes(1024, rng, 4);
        for (auto& v : palette) v = std::uint8_t(v * 85);
        const Bytes in = RandomBytes(std::size_t(s[0]) * s[1], rng);
        Bytes out(std::size_t(s[2]) * s[3]);
        ASSERT_TRUE(ResamplePaletted(in.data(), s[0], s[1], out.data(), s[2], s[3], 256, palette.data()));
        EXPECT_EQ(out, ReferencePaletted(in, s[0], s[1], s[2], s[3], 256, palette));
    }
}

TEST(ResamplePaletted, RefusesWhatItCannotDo) {
    const Bytes palette = GreyPalette({0, 255});
    Bytes in(4, 1), out(4, 7);
    EXPECT_FALSE(ResamplePaletted(in.data(), 2, 2, out.data(), 2, 2, 2, nullptr));
    EXPECT_FALSE(ResamplePaletted(nullptr, 2, 2, out.data(), 2, 2, 2, palette.data()));
    EXPECT_FALSE(ResamplePaletted(in.data(), 2, 2, out.data(), 2, 2, 0, palette.data()));
    EXPECT_FALSE(ResamplePaletted(in.data(), 2, 2, out.data(), 2, 2, 257, palette.data()));
    EXPECT_FALSE(ResamplePaletted(in.data(), 2, 0, out.data(), 2, 2, 2, palette.data()));
    EXPECT_FALSE(ResamplePaletted(in.data(), 2, 2, in.data(), 2, 2, 2, palette.data()));
    EXPECT_EQ(out, Bytes(4, 7));
}

}  // namespace
}  // namespace quillor
