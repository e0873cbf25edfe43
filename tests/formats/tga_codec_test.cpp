#include "formats/codec/tga_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/codec/memory_raster.h"
#include "support/test_rasters.h"
#include "support/corpus.h"
#include "support/temp_dir.h"

namespace quillor {
namespace {

using Bytes = std::vector<std::uint8_t>;


struct Map {
    unsigned first = 0, length = 0, bits = 0;
};

// An 18-byte header followed by an image ID of idLength bytes.
Bytes Header(unsigned type, unsigned bits, int w, int h, unsigned descriptor, Map map = {},
             unsigned idLength = 0) {
    Bytes b(18 + idLength, 'x');
    const auto put16 = [&b](std::size_t at, unsigned v) {
        b[at] = std::uint8_t(v);
        b[at + 1] = std::uint8_t(v >> 8);
    };
    b[0] = std::uint8_t(idLength);
    b[1] = map.length ? 1 : 0;
    b[2] = std::uint8_t(type);
    put16(3, map.first);
    put16(5, map.length);
    b[7] = std::uint8_t(map.bits);
    put16(8, 0);
    put16(10, 0);
    put16(12, unsigned(w));
    put16(14, unsigned(h));
    b[16] = std::uint8_t(bits);
    b[17] = std::uint8_t(descriptor);
    return b;
}

Bytes Cat(Bytes a, std::initializer_list<int> more) {
    a.insert(a.end(), more.begin(), more.end());
    return a;
}

MemoryRaster Read(const Bytes& file) {
    MemoryRaster m;
    EXPECT_TRUE(ReadTga(file, m));
    return m;
}

TEST(TgaCodec, RoundTripsExactlyAtAwkwardSizes) {
    for (PixelLayout layout : {PixelLayout::Indexed8, PixelLayout::Bgr24}) {
        for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {17, 5}, {2, 17}}) {
            SCOPED_TRACE(::testing::Message() << w << "x" << h << " depth " << int(layout));
            const MemoryRaster original = testing::MakeRasterPicture(layout, w, h);
            VectorWriter out;
            ASSERT_TRUE(WriteTga(out, original.View()));
            const Bytes& file = out.Bytes();
            EXPECT_EQ(file[17], 0);  // bottom-left origin
            EXPECT_EQ(std::string(file.end() - 18, file.end()),
                      std::string("TRUEVISION-XFILE.\0", 18));
            ImageInfo info;
            ASSERT_TRUE(ReadTgaInfo(file, info));
            EXPECT_EQ(info.depth, layout == PixelLayout::Bgr24 ? 24 : 8);
            const MemoryRaster back = Read(file);
            testing::ExpectSameRaster(back, original);
        }
    }
}

TEST(TgaCodec, ReadsAllFourOriginsUpright) {
    // Grey 3 x 2 with value 10 * y + x, stored in the order each descriptor announces.
    for (unsigned descriptor : {0x00u, 0x10u, 0x20u, 0x30u}) {
        Bytes file = Header(3, 8, 3, 2, descriptor);
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c) {
                const int y = descriptor & 0x20 ? r : 1 - r;
                const int x = descriptor & 0x10 ? 2 - c : c;
                file.push_back(std::uint8_t(10 * y + x));
            }
        EXPECT_EQ(Read(file).pixels, (Bytes{0, 1, 2, 10, 11, 12})) << descriptor;
    }
}

TEST(TgaCodec, DecodesRlePacketsThatCrossLineEnds) {
    // A run of four covers line 0 and the start of line 1; a raw packet finishes it.
    const MemoryRaster grey = Read(Cat(Header(11, 8, 3, 2, 0x20), {0x83, 7, 0x01, 8, 9}));
    EXPECT_EQ(grey.pixels, (Bytes{7, 7, 7, 7, 8, 9}));
    EXPECT_EQ(grey.palette.entries[7], 0x070707u);
    // A packet promising more than the picture holds is cut off at its end.
    EXPECT_EQ(Read(Cat(Header(11, 8, 2, 1, 0x20), {0xFF, 3})).pixels, (Bytes{3, 3}));
}

TEST(TgaCodec, SixteenBitPixelsExpandAndIgnoreTheAttributeBit) {
    // Red 31, green 16, then blue with its attribute bit clear: shown opaque whatever the
    // descriptor says, as other readers show it.
    const auto file = [](unsigned descriptor) {
        return Cat(Header(2, 16, 3, 1, descriptor), {0x00, 0xFC, 0x00, 0x82, 0x1F, 0x00});
    };
    EXPECT_EQ(Read(file(0x21)).pixels, (Bytes{0, 0, 255, 0, 132, 0, 255, 0, 0}));
    EXPECT_EQ(Read(file(0x20)).pixels, (Bytes{0, 0, 255, 0, 132, 0, 255, 0, 0}));
}

TEST(TgaCodec, CompositesThirtyTwoBitAlphaOverWhite) {
    const Bytes soft = Read(Cat(Header(10, 32, 2, 1, 0x28), {0x81, 0, 100, 200, 128})).pixels;
    const Bytes expected = {OverWhite(0, 128), OverWhite(100, 128), OverWhite(200, 128)};
    EXPECT_EQ(soft, Cat(expected, {expected[0], expected[1], expected[2]}));
    // Alpha zero is fully transparent, even when every pixel has it.
    EXPECT_EQ(Read(Cat(Header(2, 32, 1, 1, 0x28), {0, 100, 200, 0})).pixels, (Bytes{255, 255, 255}));
}

TEST(TgaCodec, ThirtyTwoBitPixelsWithoutAlphaBitsCarryPadding) {
    // Descriptor 0x20 counts no attribute bits: the fourth byte is padding, zero or not.
    EXPECT_EQ(Read(Cat(Header(2, 32, 2, 1, 0x20), {10, 20, 30, 0, 40, 50, 60, 77})).pixels,
              (Bytes{10, 20, 30, 40, 50, 60}));
    EXPECT_EQ(Read(Cat(Header(10, 32, 2, 1, 0x20), {0x81, 1, 2, 3, 0})).pixels,
              (Bytes{1, 2, 3, 1, 2, 3}));
}

TEST(TgaCodec, RunLengthFilesMustBeLongEnoughForTheirPackets) {
    // Grey 4200 x 4200 in packets of 128 pixels: two bytes each, the best the coding
    // does. More than the unbacked allowance, so the file's length has to back it.
    const int side = 4200;
    Bytes file = Header(11, 8, side, side, 0x20);
    const std::size_t header = file.size();
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; x += 128) {
            file.push_back(std::uint8_t(0x80 | (std::min(128, side - x) - 1)));
            file.push_back(99);
        }
    ImageInfo info;
    EXPECT_TRUE(ReadTgaInfo(file, info));
    // Three quarters of it cannot be the whole picture.
    file.resize(header + (file.size() - header) * 3 / 4);
    EXPECT_FALSE(ReadTgaInfo(file, info));
}

TEST(TgaCodec, ReadsColourMapsWithOffsetsAndEveryEntrySize) {
    // Three 24-bit entries numbered from 5, behind a two-byte image ID.
    const MemoryRaster offset =
        Read(Cat(Header(1, 8, 3, 1, 0x20, {5, 3, 24}, 2), {1, 2, 3, 4, 5, 6, 7, 8, 9, 5, 7, 6}));
    ASSERT_EQ(offset.layout, PixelLayout::Indexed8);
    EXPECT_EQ(offset.pixels, (Bytes{5, 7, 6}));
    EXPECT_EQ(offset.palette.count, 8u);
    EXPECT_EQ(offset.palette.entries[5], 0x030201u);
    EXPECT_EQ(offset.palette.entries[7], 0x090807u);

    // 15-bit entries in an RLE file.
    const MemoryRaster fifteen =
        Read(Cat(Header(9, 8, 2, 1, 0x20, {0, 1, 15}), {0x1F, 0x7C, 0x81, 0}));
    EXPECT_EQ(fifteen.palette.entries[0], 0xFF00FFu);

    // 32-bit entries with alpha turn into composited palette colours.
    const MemoryRaster alpha =
        Read(Cat(Header(1, 8, 1, 1, 0x28, {0, 2, 32}), {0, 0, 0, 255, 0, 0, 0, 0, 1}));
    EXPECT_EQ(alpha.palette.entries[0], 0x000000u);
    EXPECT_EQ(alpha.palette.entries[1], 0xFFFFFFu);

    // 16-bit indices read as true colour through the map; an index the map lacks is black.
    const MemoryRaster wide =
        Read(Cat(Header(1, 16, 2, 1, 0x20, {300, 1, 24}), {10, 20, 30, 0x2C, 0x01, 0x2D, 0x01}));
    ASSERT_EQ(wide.layout, PixelLayout::Bgr24);
    EXPECT_EQ(wide.pixels, (Bytes{10, 20, 30, 0, 0, 0}));

    // A map in a true-colour file is skipped by its length.
    EXPECT_EQ(Read(Cat(Header(2, 24, 1, 1, 0x20, {0, 2, 24}), {9, 9, 9, 9, 9, 9, 1, 2, 3})).pixels,
              (Bytes{1, 2, 3}));
}

TEST(TgaCodec, GreyWithAlphaIsCompositedAsTrueColour) {
    const MemoryRaster m = Read(Cat(Header(3, 16, 2, 1, 0x28), {100, 255, 100, 0}));
    ASSERT_EQ(m.layout, PixelLayout::Bgr24);
    EXPECT_EQ(m.pixels, (Bytes{100, 100, 100, 255, 255, 255}));
}

TEST(TgaCodec, SurvivesEveryTruncation) {
    VectorWriter out;
    ASSERT_TRUE(WriteTga(out, testing::MakeRasterPicture(PixelLayout::Indexed8, 5, 3).View()));
    const Bytes rle =
        Cat(Header(10, 24, 3, 3, 0), {0x84, 1, 2, 3, 0x03, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6});
    for (const Bytes& whole : {out.Bytes(), rle}) {
        for (std::size_t n = 0; n < whole.size(); ++n) {
            const Bytes cut(whole.begin(), whole.begin() + std::ptrdiff_t(n));
            MemoryRaster m;
            if (ReadTga(cut, m))
                EXPECT_EQ(m.pixels.size(), m.LineBytes() * std::size_t(m.height));
            else
                EXPECT_FALSE(m.allocated) << n;
        }
    }
    // Lines the data never reaches stay blank.
    const MemoryRaster part = Read(Cat(Header(2, 24, 1, 2, 0x20), {1, 2, 3, 4}));
    EXPECT_EQ(part.pixels, (Bytes{1, 2, 3, 255, 255, 255}));
}

TEST(TgaCodec, RefusesImpossibleHeadersBeforeAllocating) {
    const auto refused = [](const Bytes& file) {
        MemoryRaster m;
        ImageInfo info;
        return !ReadTgaInfo(file, info) && !ReadTga(file, m) && !m.allocated;
    };
    EXPECT_TRUE(refused(Cat(Header(2, 32, 65535, 65535, 0), {1, 2, 3, 4})));
    EXPECT_TRUE(refused(Cat(Header(10, 24, 16000, 16000, 0), {0xFF, 1, 2, 3})));
    EXPECT_TRUE(refused(Header(2, 24, 0, 5, 0)));
    EXPECT_TRUE(refused(Header(0, 24, 5, 5, 0)));
    EXPECT_TRUE(refused(Header(2, 8, 5, 5, 0)));
    EXPECT_TRUE(refused(Header(1, 8, 5, 5, 0)));                // no colour map
    EXPECT_TRUE(refused(Header(1, 8, 5, 5, 0, {0, 300, 24})));  // map runs past the end
    EXPECT_TRUE(refused(Cat(Header(1, 8, 5, 5, 0, {0, 2, 8}), {0, 0, 0})));
    EXPECT_TRUE(refused(Bytes(17, 0)));
}

// The conformance suite stores the same pixel bytes under all four origins, and holds
// pairs of files that differ only in compression.
TEST(TgaCodec, ConformanceSuiteVariantsAgree) {
    const std::filesystem::path dir =
        testing::CorpusDir() / "images/tga/testsuite";
    if (!std::filesystem::exists(dir)) GTEST_SKIP() << "TGA conformance suite not found at " << dir;
    const auto load = [&dir](const char* name) {
        MemoryRaster m;
        EXPECT_TRUE(ReadTga(testing::ReadBytes((dir / name).string()), m)) << name;
        return m;
    };
    const auto mirrored = [](const MemoryRaster& m, bool across, bool upDown) {
        Bytes out(m.pixels.size());
        for (int y = 0; y < m.height; ++y)
            for (int x = 0; x < m.width; ++x)
                std::copy_n(
                    m.Line(upDown ? m.height - 1 - y : y) + 3 * (across ? m.width - 1 - x : x), 3,
                    out.begin() + 3 * (std::ptrdiff_t(y) * m.width + x));
        return out;
    };
    const MemoryRaster bottomLeft = load("bottom_left.tga");
    ASSERT_EQ(bottomLeft.layout, PixelLayout::Bgr24);
    // Two pixels of the reference decode: opaque at the top, transparent at the bottom.
    EXPECT_EQ(Bytes(bottomLeft.Line(0) + 3 * 37, bottomLeft.Line(0) + 3 * 38),
              (Bytes{194, 159, 78}));
    EXPECT_EQ(Bytes(bottomLeft.Line(69) + 3 * 37, bottomLeft.Line(69) + 3 * 38),
              (Bytes{255, 255, 255}));
    EXPECT_EQ(load("bottom_right.tga").pixels, mirrored(bottomLeft, true, false));
    EXPECT_EQ(load("top_left.tga").pixels, mirrored(bottomLeft, false, true));
    EXPECT_EQ(load("top_right.tga").pixels, mirrored(bottomLeft, true, true));
    EXPECT_EQ(load("ctc24.tga").pixels, load("utc24.tga").pixels);
    EXPECT_EQ(load("cbw8.tga").pixels, load("ubw8.tga").pixels);
    EXPECT_EQ(load("ccm8.tga").pixels, load("ucm8.tga").pixels);
    // The first pixel of the offset-map file, as its reference decode shows it.
    const MemoryRaster offset = load("cmap_offset.tga");
    EXPECT_EQ(offset.palette.entries[offset.Line(0)[0]], MakeTableWord(3, 57, 250));
}

}  // namespace
}  // namespace quillor
