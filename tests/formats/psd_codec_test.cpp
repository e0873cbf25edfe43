#include "formats/codec/psd_codec.h"

#include <gtest/gtest.h>

#include <vector>

#include "formats/codec/memory_raster.h"
#include "support/test_rasters.h"

namespace quillor {
namespace {

using Bytes = std::vector<std::uint8_t>;


struct Psd {
    unsigned version = 1, channels = 3, width = 2, height = 1, depth = 8, mode = 3;
    Bytes modeData{}, resources{}, layers{};
    unsigned compression = 0;
    Bytes data{};
};

void PutBe(Bytes& b, std::uint64_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) b.push_back(std::uint8_t(v >> (8 * i)));
}

Bytes Build(const Psd& p) {
    Bytes b = {'8', 'B', 'P', 'S'};
    PutBe(b, p.version, 2);
    PutBe(b, 0, 6);
    PutBe(b, p.channels, 2);
    PutBe(b, p.height, 4);
    PutBe(b, p.width, 4);
    PutBe(b, p.depth, 2);
    PutBe(b, p.mode, 2);
    for (const Bytes* section : {&p.modeData, &p.resources, &p.layers}) {
        PutBe(b, section->size(), 4);
        b.insert(b.end(), section->begin(), section->end());
    }
    PutBe(b, p.compression, 2);
    b.insert(b.end(), p.data.begin(), p.data.end());
    return b;
}

// PackBits image data: the table of row lengths, then the rows.
Bytes Packed(const std::vector<Bytes>& rows) {
    Bytes b;
    for (const Bytes& row : rows) PutBe(b, row.size(), 2);
    for (const Bytes& row : rows) b.insert(b.end(), row.begin(), row.end());
    return b;
}

// A layer section whose layer count is `layers` (negative: the merged image has alpha).
Bytes LayerCount(int layers) {
    return {0, 0, 0, 2, std::uint8_t(layers >> 8), std::uint8_t(layers)};
}

MemoryRaster Read(const Psd& p) {
    MemoryRaster m;
    EXPECT_TRUE(ReadPsd(Build(p), m));
    return m;
}

TEST(PsdCodec, RoundTripsExactlyWithACorrectRowTable) {
    for (PixelLayout layout : {PixelLayout::Indexed8, PixelLayout::Bgr24}) {
        for (auto [w, h, flat] : {std::tuple{1, 1, false},
                                  {3, 2, false},
                                  {17, 5, false},
                                  {2, 17, false},
                                  {300, 3, true},
                                  {257, 2, false}}) {
            SCOPED_TRACE(::testing::Message() << w << "x" << h << " depth " << int(layout));
            const MemoryRaster original = testing::MakeRasterPicture(layout, w, h, flat);
            VectorWriter out;
            ASSERT_TRUE(WritePsd(out, original.View()));
            const Bytes& file = out.Bytes();
            // Header, colour table, two empty sections, then compression 1 and a table
            // whose lengths add up to the rest of the file.
            const std::size_t channels = layout == PixelLayout::Bgr24 ? 3 : 1;
            const std::size_t table = 26 + 4 + (channels == 1 ? 768 : 0) + 8 + 2;
            ASSERT_EQ(file[table - 1], 1);
            std::size_t total = table + 2 * channels * std::size_t(h);
            for (std::size_t i = table; i < table + 2 * channels * std::size_t(h); i += 2)
                total += std::size_t(file[i] << 8 | file[i + 1]);
            EXPECT_EQ(total, file.size());
            ImageInfo info;
            ASSERT_TRUE(ReadPsdInfo(file, info));
            EXPECT_EQ(info.depth, layout == PixelLayout::Bgr24 ? 24 : 8);
            MemoryRaster back;
            ASSERT_TRUE(ReadPsd(file, back));
            testing::ExpectSameRaster(back, original);
        }
    }
}

// The row table holds 16-bit lengths; a row PackBits cannot fit in one goes out raw.
TEST(PsdCodec, WritesRawWhenARowOutgrowsTheRowTable) {
    const MemoryRaster original = testing::MakeRasterPicture(PixelLayout::Bgr24, 65535, 1);
    VectorWriter out;
    ASSERT_TRUE(WritePsd(out, original.View()));
    EXPECT_EQ(out.Bytes()[26 + 4 + 8 + 1], 0);
    MemoryRaster back;
    ASSERT_TRUE(ReadPsd(out.Bytes(), back));
    EXPECT_EQ(back.pixels, original.pixels);
}

TEST(PsdCodec, ReadsEachColourModeFromRawData) {
    EXPECT_EQ(Read({.data = {10, 20, 30, 40, 50, 60}}).pixels, (Bytes{50, 30, 10, 60, 40, 20}));

    // 16 bits per channel: the high byte counts.
    EXPECT_EQ(Read({.width = 1, .depth = 16, .data = {0x12, 0x34, 0xAB, 0xCD, 0xFF, 0x00}}).pixels,
              (Bytes{0xFF, 0xAB, 0x12}));

    for (unsigned mode : {1u, 7u, 8u}) {  // grey; multichannel and duotone as grey
        const MemoryRaster grey =
            Read({.channels = mode == 7 ? 2u : 1u, .mode = mode, .data = {0, 200, 9, 9}});
        ASSERT_EQ(grey.layout, PixelLayout::Indexed8) << mode;
        EXPECT_EQ(grey.pixels, (Bytes{0, 200})) << mode;
        EXPECT_EQ(grey.palette.entries[200], 0xC8C8C8u) << mode;
    }

    Bytes table(768);
    for (unsigned i = 0; i < 256; ++i)
        table[i] = std::uint8_t(i), table[256 + i] = std::uint8_t(255 - i), table[512 + i] = 7;
    const MemoryRaster indexed =
        Read({.channels = 1, .mode = 2, .modeData = table, .data = {3, 4}});
    EXPECT_EQ(indexed.pixels, (Bytes{3, 4}));
    EXPECT_EQ(indexed.palette.entries[3], MakeTableWord(3, 252, 7));

    // Bitmap: one bit per pixel, set bits black, lines padded to whole bytes.
    const MemoryRaster bitmap =
        Read({.channels = 1, .width = 10, .depth = 1, .mode = 0, .data = {0xA0, 0x40}});
    EXPECT_EQ(bitmap.pixels, (Bytes{1, 0, 1, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(bitmap.palette.entries[0], 0xFFFFFFu);
    EXPECT_EQ(bitmap.palette.entries[1], 0x000000u);

    // CMYK is stored inverted: magenta ink, then half black.
    const MemoryRaster cmyk =
        Read({.channels = 4, .mode = 4, .data = {255, 255, 0, 255, 255, 255, 255, 128}});
    EXPECT_EQ(cmyk.pixels, (Bytes{255, 0, 255, 128, 128, 128}));

    // Resources and layers, whatever they hold, are stepped over by their lengths.
    EXPECT_EQ(Read({.channels = 1,
                    .width = 1,
                    .mode = 1,
                    .resources = Bytes(13, 0xEE),
                    .layers = Bytes(7, 0xDD),
                    .data = {42}})
                  .pixels,
              (Bytes{42}));
}

TEST(PsdCodec, DecodesPackBitsRowsAndContainsBadOnes) {
    // A no-op, a literal and a run; then a run far longer than its row.
    const MemoryRaster m = Read({.channels = 1,
                                 .width = 3,
                                 .height = 2,
                                 .mode = 1,
                                 .compression = 1,
                                 .data = Packed({{0x80, 0x00, 5, 0xFF, 9}, {0xF0, 1}})});
    EXPECT_EQ(m.pixels, (Bytes{5, 9, 9, 1, 1, 1}));
    // A row whose length runs past the end keeps what is there; the rest stays blank.
    Bytes cut = Packed({{0x01, 6, 7}, {0x02, 1, 2, 3}});
    cut.resize(cut.size() - 2);
    EXPECT_EQ(
        Read({.channels = 1, .width = 3, .height = 2, .mode = 1, .compression = 1, .data = cut})
            .pixels,
        (Bytes{6, 7, 0, 1, 0, 0}));
}

TEST(PsdCodec, CompositesMergedAlphaOnlyWhenMarkedAndNotAlreadyMatted) {
    // Straight colour 100 at alpha 128 and 0.
    const Bytes straight = {100, 100, 100, 100, 100, 100, 128, 0};
    const std::uint8_t half = OverWhite(100, 128);
    EXPECT_EQ(Read({.channels = 4, .layers = LayerCount(-1), .data = straight}).pixels,
              (Bytes{half, half, half, 255, 255, 255}));
    // A positive layer count means the fourth channel is some other mask.
    EXPECT_EQ(Read({.channels = 4, .layers = LayerCount(1), .data = straight}).pixels,
              Bytes(6, 100));
    // Photoshop's merged colour is matted with white already; doing it again would pale it.
    const Bytes matted = {half, 255, half, 255, half, 255, 128, 0};
    EXPECT_EQ(Read({.channels = 4, .layers = LayerCount(-1), .data = matted}).pixels,
              (Bytes{half, half, half, 255, 255, 255}));
}

TEST(PsdCodec, SurvivesEveryTruncation) {
    for (PixelLayout layout : {PixelLayout::Indexed8, PixelLayout::Bgr24}) {
        VectorWriter out;
        ASSERT_TRUE(WritePsd(out, testing::MakeRasterPicture(layout, 5, 3).View()));
        const Bytes& whole = out.Bytes();
        for (std::size_t n = 0; n < whole.size(); ++n) {
            const Bytes cut(whole.begin(), whole.begin() + std::ptrdiff_t(n));
            MemoryRaster m;
            if (ReadPsd(cut, m))
                EXPECT_EQ(m.pixels.size(), m.LineBytes() * 3) << n;
            else
                EXPECT_FALSE(m.allocated) << n;
        }
    }
    // Raw data cut inside the picture keeps the lines it holds.
    EXPECT_EQ(Read({.channels = 1, .width = 1, .height = 2, .mode = 1, .data = {7}}).pixels,
              (Bytes{7, 0}));
}

TEST(PsdCodec, RefusesWhatItCannotReadBeforeAllocating) {
    const auto refused = [](const Psd& p) {
        MemoryRaster m;
        ImageInfo info;
        const Bytes file = Build(p);
        return !ReadPsdInfo(file, info) && !ReadPsd(file, m) && !m.allocated;
    };
    EXPECT_TRUE(refused({.width = 60000, .height = 60000, .data = {1, 2, 3}}));
    EXPECT_TRUE(
        refused({.width = 20000, .height = 20000, .compression = 1, .data = Bytes(120010, 0x81)}));
    EXPECT_TRUE(refused({.width = 0}));
    EXPECT_TRUE(refused({.version = 2}));  // PSB
    EXPECT_TRUE(refused({.mode = 9}));     // Lab
    EXPECT_TRUE(refused({.depth = 32}));
    EXPECT_TRUE(refused({.channels = 0}));
    EXPECT_TRUE(refused({.channels = 2}));                                        // RGB needs three
    EXPECT_TRUE(refused({.compression = 2}));                                     // ZIP
    EXPECT_TRUE(refused({.channels = 1, .mode = 2, .modeData = Bytes(100)}));     // no colour table
    EXPECT_TRUE(refused({.height = 4, .compression = 1, .data = {0, 1, 0, 1}}));  // row table cut
    Psd notPsd;
    Bytes file = Build(notPsd);
    file[0] = 'X';
    MemoryRaster m;
    EXPECT_FALSE(ReadPsd(file, m));
}

}  // namespace
}  // namespace quillor
