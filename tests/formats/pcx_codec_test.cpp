#include "formats/codec/pcx_codec.h"

#include <gtest/gtest.h>

#include <vector>

#include "formats/codec/memory_raster.h"
#include "support/test_rasters.h"

namespace quillor {
namespace {

using Bytes = std::vector<std::uint8_t>;


Bytes Write(const MemoryRaster& m) {
    VectorWriter out;
    EXPECT_TRUE(WritePcx(out, m.View()));
    return out.Bytes();
}

// A 128-byte header for hand-built files; the window starts at (2, 3).
Bytes Header(unsigned bits, unsigned planes, int w, int h, unsigned bytesPerLine,
             unsigned encoding = 1) {
    Bytes b(128, 0);
    const auto put16 = [&b](std::size_t at, unsigned v) {
        b[at] = std::uint8_t(v), b[at + 1] = std::uint8_t(v >> 8);
    };
    b[0] = 0x0A, b[1] = 5, b[2] = std::uint8_t(encoding), b[3] = std::uint8_t(bits);
    put16(4, 2), put16(6, 3), put16(8, unsigned(w + 1)), put16(10, unsigned(h + 2));
    b[65] = std::uint8_t(planes);
    put16(66, bytesPerLine);
    return b;
}

void Append(Bytes& b, std::initializer_list<int> v) {
    b.insert(b.end(), v.begin(), v.end());
}

TEST(PcxCodec, RoundTripsExactlyAtAwkwardSizes) {
    for (PixelLayout layout : {PixelLayout::Indexed8, PixelLayout::Bgr24}) {
        for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {17, 5}, {2, 17}, {130, 3}}) {
            SCOPED_TRACE(::testing::Message() << w << "x" << h << " depth " << int(layout));
            const MemoryRaster original = testing::MakeRasterPicture(layout, w, h);
            const Bytes file = Write(original);
            ASSERT_EQ(file[1], 5);                         // version 5
            EXPECT_EQ((file[66] | file[67] << 8) % 2, 0);  // even line length
            ImageInfo info;
            ASSERT_TRUE(ReadPcxInfo(file, info));
            EXPECT_EQ(info.depth, layout == PixelLayout::Bgr24 ? 24 : 8);
            MemoryRaster back;
            ASSERT_TRUE(ReadPcx(file, back));
            testing::ExpectSameRaster(back, original);
        }
    }
}

TEST(PcxCodec, ReadsLowDepthPicturesThroughTheHeaderPalette) {
    // 10 pixels wide: the bits run into a second byte, and lines are padded to 4 bytes.
    Bytes mono = Header(1, 1, 10, 1, 4);
    Append(mono, {0xA5, 0xC1, 0xC0, 0x00, 0x00});  // 1010 0101 11, one 0xC0 as a run
    MemoryRaster m;
    ASSERT_TRUE(ReadPcx(mono, m));
    EXPECT_EQ(m.pixels, (Bytes{1, 0, 1, 0, 0, 1, 0, 1, 1, 1}));
    EXPECT_EQ(m.palette.entries[0], 0x000000u);  // empty header palette: black and white
    EXPECT_EQ(m.palette.entries[1], 0xFFFFFFu);

    // 16 colours as four 1-bit planes: plane p holds bit p of each index.
    Bytes planar = Header(1, 4, 4, 1, 2);
    planar[16 + 3 * 9] = 0x12, planar[17 + 3 * 9] = 0x34, planar[18 + 3 * 9] = 0x56;
    Append(planar, {0x90, 0, 0x50, 0, 0x70, 0, 0xB0, 0});
    ASSERT_TRUE(ReadPcx(planar, m));
    EXPECT_EQ(m.pixels, (Bytes{9, 6, 12, 15}));
    EXPECT_EQ(m.palette.entries[9], 0x123456u);

    Bytes nibbles = Header(4, 1, 3, 1, 2);
    nibbles[16 + 3 * 7] = 0xFF;
    Append(nibbles, {0x7A, 0x30});
    ImageInfo info;
    ASSERT_TRUE(ReadPcxInfo(nibbles, info));
    EXPECT_EQ(info.depth, 8);
    ASSERT_TRUE(ReadPcx(nibbles, m));
    EXPECT_EQ(m.pixels, (Bytes{7, 10, 3}));
    EXPECT_EQ(m.palette.entries[7], 0xFF0000u);

    Bytes twoBit = Header(2, 1, 5, 1, 2);
    Append(twoBit, {0x1B, 0x80});
    ASSERT_TRUE(ReadPcx(twoBit, m));
    EXPECT_EQ(m.pixels, (Bytes{0, 1, 2, 3, 2}));
}

TEST(PcxCodec, HonoursWindowPaddingRunsAcrossLinesAndRawEncoding) {
    // 3 x 2 pixels in lines of 4 bytes; one run covers the end of line 0 and the start of
    // line 1. No palette at the end, so the picture is grey.
    Bytes rle = Header(8, 1, 3, 2, 4);
    Append(rle, {5, 6, 0xC3, 9, 8, 7});
    MemoryRaster m;
    ASSERT_TRUE(ReadPcx(rle, m));
    EXPECT_EQ(m.width, 3);
    EXPECT_EQ(m.pixels, (Bytes{5, 6, 9, 9, 8, 7}));
    EXPECT_EQ(m.palette.entries[200], 0xC8C8C8u);

    Bytes raw = Header(8, 3, 2, 1, 2, 0);
    Append(raw, {0xC1, 0x10, 0xC2, 0x20, 0xC3, 0x30});  // red, green and blue planes
    ASSERT_TRUE(ReadPcx(raw, m));
    EXPECT_EQ(m.pixels, (Bytes{0xC3, 0xC2, 0xC1, 0x30, 0x20, 0x10}));
}

TEST(PcxCodec, CompositesAFourthPlaneOnlyWhenItHoldsAlpha) {
    Bytes file = Header(8, 4, 1, 1, 1, 0);
    Append(file, {200, 100, 0, 128});
    MemoryRaster m;
    ASSERT_TRUE(ReadPcx(file, m));
    EXPECT_EQ(m.pixels, (Bytes{OverWhite(0, 128), OverWhite(100, 128), OverWhite(200, 128)}));
    file.back() = 0;  // alpha zero throughout: the writer had none
    ASSERT_TRUE(ReadPcx(file, m));
    EXPECT_EQ(m.pixels, (Bytes{0, 100, 200}));
}

TEST(PcxCodec, SurvivesEveryTruncationAndDamagedRuns) {
    const Bytes whole = Write(testing::MakeRasterPicture(PixelLayout::Indexed8, 5, 4));
    for (std::size_t n = 0; n < whole.size(); ++n) {
        MemoryRaster m;
        const Bytes cut(whole.begin(), whole.begin() + std::ptrdiff_t(n));
        if (ReadPcx(cut, m))
            EXPECT_EQ(m.pixels.size(), 20u) << n;
        else
            EXPECT_LT(n, 128u) << "only a missing header may fail";
    }
    // A run far longer than the picture, then a stream of empty runs.
    Bytes runs = Header(8, 3, 2, 2, 2);
    Append(runs, {0xFF, 0x40, 0xC0, 0xC0, 0xC0, 0xC0});
    MemoryRaster m;
    ASSERT_TRUE(ReadPcx(runs, m));
    EXPECT_EQ(m.pixels, Bytes(12, 0x40));
    // Data that stops short must not run on into the palette behind it.
    Bytes shortData = Header(8, 1, 2, 1, 2);
    Append(shortData, {5, 0x0C});
    shortData.resize(shortData.size() + 768, 0x77);
    ASSERT_TRUE(ReadPcx(shortData, m));
    EXPECT_EQ(m.pixels, (Bytes{5, 0}));
    EXPECT_EQ(m.palette.entries[0], 0x777777u);
    Bytes empty = Header(8, 1, 2, 1, 2);
    Append(empty, {0xC0, 1, 0xC0, 2, 0xC0});
    ASSERT_TRUE(ReadPcx(empty, m));
    EXPECT_EQ(m.pixels, (Bytes{0, 0}));
}

TEST(PcxCodec, RefusesImpossibleHeadersBeforeAllocating) {
    const auto refused = [](Bytes file) {
        MemoryRaster m;
        ImageInfo info;
        return !ReadPcxInfo(file, info) && !ReadPcx(file, m) && !m.allocated;
    };
    EXPECT_TRUE(refused(Header(8, 1, 65000, 65000, 65000)));  // gigabytes from 128 bytes
    Bytes inverted = Header(8, 1, 4, 4, 4);
    inverted[8] = 0;  // xmax before xmin
    EXPECT_TRUE(refused(inverted));
    EXPECT_TRUE(refused(Header(8, 1, 9, 1, 8)));  // lines shorter than the width
    EXPECT_TRUE(refused(Header(8, 2, 4, 1, 4)));  // two 8-bit planes mean nothing
    EXPECT_TRUE(refused(Header(3, 1, 4, 1, 4)));
    Bytes notPcx = Header(8, 1, 4, 1, 4);
    notPcx[0] = 0x0B;
    EXPECT_TRUE(refused(notPcx));
    EXPECT_TRUE(refused(Bytes(100, 0x0A)));
}

}  // namespace
}  // namespace quillor
