#include "formats/codec/tla_codec.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <vector>

#include "formats/codec/memory_raster.h"
#include "formats/codec/sealed_container.h"

namespace quillor {
namespace {

const SealedFormat kTla{{'Q', 'T', 'L', 'A'}, "TLA"};  // to build bodies by hand

// Neighbouring pixels and channels all differ, so a swapped channel, flipped row or
// shifted column shows. Indexed pictures use `colours` entries of an unusual palette.
MemoryRaster Picture(int width, int height, PixelLayout layout, unsigned colours = 256) {
    Palette palette;
    for (unsigned i = 0; i < 256; ++i)
        palette.entries[i] =
            MakeTableWord(std::uint8_t(255 - i), std::uint8_t(i * 3), std::uint8_t(i ^ 0x5A));
    palette.count = layout == PixelLayout::Bgr24 ? 0 : colours;
    MemoryRaster image;
    RasterView view;
    EXPECT_TRUE(image.Allocate(width, height, layout, palette, view));
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = std::uint8_t((i * 37 + i / 5) % colours);
    return image;
}

std::vector<std::uint8_t> Write(const ConstRasterView& image, std::string_view password = "") {
    VectorWriter out;
    EXPECT_TRUE(WriteTla(out, image, password));
    return out.Bytes();
}

void ExpectSame(const MemoryRaster& expected, const MemoryRaster& actual) {
    ASSERT_TRUE(actual.allocated);
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.height, expected.height);
    EXPECT_EQ(actual.layout, expected.layout);
    EXPECT_TRUE(actual.pixels == expected.pixels) << "pixels differ";
    EXPECT_EQ(actual.palette.count, expected.palette.count);
    if (expected.layout != PixelLayout::Bgr24) {
        EXPECT_TRUE(actual.palette.entries == expected.palette.entries) << "palette differs";
    }
}

// An unprotected file around a hand-made body: header, a grey palette for 8-bit, then
// `stream` as the pixel data.
std::vector<std::uint8_t> HandMade(std::uint32_t width, std::uint32_t height, std::uint8_t depth,
                                   const std::vector<std::uint8_t>& stream,
                                   std::uint16_t colours = 256) {
    std::vector<std::uint8_t> body;
    const auto little = [&body](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) body.push_back(std::uint8_t(value >> (8 * i)));
    };
    little(width, 4);
    little(height, 4);
    little(depth, 1);
    if (depth == 8) {
        little(colours, 2);
        body.resize(body.size() + 768, 0x40);
    }
    body.insert(body.end(), stream.begin(), stream.end());
    VectorWriter out;
    EXPECT_TRUE(WriteSealed(out, kTla, body, "", 1));
    return out.Bytes();
}

std::vector<std::uint8_t> Deflated(std::size_t bytes, std::uint8_t value = 7) {
    const std::vector<std::uint8_t> raw(bytes, value);
    uLongf size = compressBound(uLong(raw.size()));
    std::vector<std::uint8_t> out(size);
    EXPECT_EQ(compress(out.data(), &size, raw.data(), uLong(raw.size())), Z_OK);
    out.resize(size);
    return out;
}

TEST(TlaCodecTest, PicturesRoundTripExactlyAtOddSizes) {
    struct Case {
        int width, height;
        PixelLayout layout;
        unsigned colours;
    } cases[] = {{37, 23, PixelLayout::Indexed8, 256},
                 {5, 3, PixelLayout::Indexed8, 20},
                 {1, 1, PixelLayout::Bgr24, 256},
                 {37, 23, PixelLayout::Bgr24, 256},
                 {257, 2, PixelLayout::Bgr24, 256}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.width << "x" << c.height << " colours " << c.colours);
        const MemoryRaster image = Picture(c.width, c.height, c.layout, c.colours);
        const auto file = Write(image.View());
        EXPECT_FALSE(IsTlaProtected(file));
        ImageInfo info;
        ASSERT_TRUE(ReadTlaInfo(file, "", info));
        EXPECT_EQ(info.width, c.width);
        EXPECT_EQ(info.height, c.height);
        EXPECT_EQ(info.depth, c.layout == PixelLayout::Bgr24 ? 24 : 8);
        MemoryRaster back;
        ASSERT_TRUE(ReadTla(file, "", back));
        ExpectSame(image, back);
    }
}

TEST(TlaCodecTest, BottomUpAndBilevelSourcesAreWrittenAsSeen) {
    const MemoryRaster image = Picture(9, 7, PixelLayout::Bgr24);
    std::vector<std::uint8_t> flipped(image.pixels.size());
    for (int y = 0; y < 7; ++y)
        std::copy_n(image.Line(y), image.LineBytes(), flipped.data() + (6 - y) * image.LineBytes());
    const ConstRasterView bottomUp{9,
                                   7,
                                   PixelLayout::Bgr24,
                                   flipped.data() + 6 * image.LineBytes(),
                                   -std::ptrdiff_t(image.LineBytes()),
                                   nullptr};
    MemoryRaster back;
    ASSERT_TRUE(ReadTla(Write(bottomUp), "", back));
    ExpectSame(image, back);

    const std::vector<std::uint8_t> bits = {0, 1, 1, 0, 1, 0};
    MemoryRaster mono;
    ASSERT_TRUE(ReadTla(Write(ConstRasterView{3, 2, PixelLayout::Bilevel, bits.data(), 3, nullptr}),
                        "", mono));
    EXPECT_EQ(mono.layout, PixelLayout::Indexed8);
    EXPECT_EQ(mono.pixels, bits);
    EXPECT_EQ(mono.palette.count, 2u);
    EXPECT_EQ(mono.palette.entries[1], 0xFFFFFFu);
}

TEST(TlaCodecTest, APasswordHidesTheSizeAndOpensWithOneDerivationPerCall) {
    const MemoryRaster image = Picture(13, 5, PixelLayout::Indexed8);
    const auto file = Write(image.View(), "Tla!pw");
    EXPECT_TRUE(IsTlaProtected(file));
    ImageInfo info;
    MemoryRaster back;
    for (const char* wrong : {"", "tla!pw"}) {
        EXPECT_FALSE(ReadTlaInfo(file, wrong, info)) << wrong;
        EXPECT_FALSE(ReadTla(file, wrong, back)) << wrong;
    }
    EXPECT_FALSE(back.allocated);
    EXPECT_EQ(info.width, 0);

    const std::uint64_t derivations = KeyDerivationCount();
    ASSERT_TRUE(ReadTlaInfo(file, "Tla!pw", info));
    ASSERT_TRUE(ReadTla(file, "Tla!pw", back));
    EXPECT_EQ(KeyDerivationCount(), derivations + 2);
    EXPECT_EQ(info.width, 13);
    EXPECT_EQ(info.depth, 8);
    ExpectSame(image, back);
}

TEST(TlaCodecTest, CutShortFilesAndBodiesNeverRead) {
    const auto file = Write(Picture(6, 4, PixelLayout::Indexed8, 16).View());
    SealedBody sealed;
    ASSERT_TRUE(OpenSealed(file, kTla, "", sealed));
    const std::vector<std::uint8_t> body(sealed.Bytes().begin(), sealed.Bytes().end());
    ImageInfo info;
    for (std::size_t length = 0; length < file.size(); ++length) {
        MemoryRaster back;
        EXPECT_FALSE(ReadTlaInfo(std::span(file.data(), length), "", info)) << length;
        EXPECT_FALSE(ReadTla(std::span(file.data(), length), "", back)) << length;
    }
    // The same cuts inside a well-formed envelope reach the body's own checks.
    for (std::size_t length = 0; length < body.size(); ++length) {
        VectorWriter cut;
        ASSERT_TRUE(WriteSealed(cut, kTla, std::span(body.data(), length), "", 1));
        MemoryRaster back;
        EXPECT_FALSE(ReadTla(cut.Bytes(), "", back)) << length;
        if (length < 9 + 2 + 768) {  // the header and palette are whole from here on
            EXPECT_FALSE(ReadTlaInfo(cut.Bytes(), "", info)) << length;
        }
    }
}

TEST(TlaCodecTest, PixelDataMustInflateToExactlyThePicture) {
    MemoryRaster good, back;
    ASSERT_TRUE(ReadTla(HandMade(4, 4, 8, Deflated(16)), "", good));
    EXPECT_EQ(good.pixels, std::vector<std::uint8_t>(16, 7));

    EXPECT_FALSE(ReadTla(HandMade(4, 4, 8, Deflated(8 << 20)), "", back)) << "a bomb is cut off";
    EXPECT_FALSE(ReadTla(HandMade(4, 4, 8, Deflated(17)), "", back)) << "one byte too many";
    EXPECT_FALSE(ReadTla(HandMade(4, 4, 8, Deflated(15)), "", back)) << "one byte short";
    auto stream = Deflated(16);
    stream.push_back(0);
    EXPECT_FALSE(ReadTla(HandMade(4, 4, 8, stream), "", back)) << "bytes after the stream";
    stream.pop_back();
    stream.back() ^= 0x01;
    EXPECT_FALSE(ReadTla(HandMade(4, 4, 8, stream), "", back)) << "checksum broken";
}

TEST(TlaCodecTest, ImplausibleHeadersAreRefusedBeforeAllocating) {
    struct Case {
        std::uint32_t width, height;
        std::uint8_t depth;
        std::uint16_t colours;
    } cases[] = {{65535, 65535, 24, 256},
                 {0, 4, 24, 256},
                 {4, 65536, 8, 256},
                 {2, 2, 16, 256},
                 {2, 2, 8, 257}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height << " depth " << int(c.depth)
                                          << " colours " << c.colours);
        const auto file = HandMade(c.width, c.height, c.depth, Deflated(12), c.colours);
        ImageInfo info;
        MemoryRaster back;
        EXPECT_FALSE(ReadTlaInfo(file, "", info));
        EXPECT_FALSE(ReadTla(file, "", back));
        EXPECT_FALSE(back.allocated);
    }
}

}  // namespace
}  // namespace quillor
