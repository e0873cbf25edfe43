#include "formats/codec/pax_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "formats/codec/memory_raster.h"
#include "formats/codec/sealed_container.h"

namespace quillor {
namespace {

const SealedFormat kPax{{'Q', 'P', 'A', 'X'}, "PAX"};  // to build bodies by hand
constexpr char kPassword[] = "Pax#pw";

// Smooth, as JPEG likes, with each channel running its own way, so a swapped channel or
// a flipped picture shows far beyond the loss.
MemoryRaster Gradient(int width, int height) {
    MemoryRaster image;
    RasterView view;
    EXPECT_TRUE(image.Allocate(width, height, PixelLayout::Bgr24, Palette{}, view));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = view.Line(y) + 3 * x;
            p[0] = std::uint8_t(40 + 170 * x / width);
            p[1] = std::uint8_t(230 - 200 * y / height);
            p[2] = std::uint8_t(60 + 90 * (x + y) / (width + height));
        }
    return image;
}

int LargestDifference(const MemoryRaster& a, const MemoryRaster& b) {
    if (a.pixels.size() != b.pixels.size()) return 256;
    int worst = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        worst = std::max(worst, std::abs(int(a.pixels[i]) - int(b.pixels[i])));
    return worst;
}

std::vector<std::uint8_t> Write(const ConstRasterView& image, std::string_view password = "",
                                int encryptionType = 1, const PaxIdentity& identity = {}) {
    VectorWriter out;
    EXPECT_TRUE(WritePax(out, image, password, encryptionType, identity));
    return out.Bytes();
}

std::vector<std::uint8_t> Sealed(std::span<const std::uint8_t> body) {
    VectorWriter out;
    EXPECT_TRUE(WriteSealed(out, kPax, body, "", 1));
    return out.Bytes();
}

std::vector<std::uint8_t> BodyOf(std::span<const std::uint8_t> file) {
    SealedBody body;
    EXPECT_TRUE(OpenSealed(file, kPax, "", body));
    return {body.Bytes().begin(), body.Bytes().end()};
}

TEST(PaxCodecTest, TrueColourRoundTripsWithinJpegLossWithItsCreator) {
    const MemoryRaster image = Gradient(37, 23);
    const auto file = Write(image.View(), "", 1, {"Quillor", "A. N. Author", "quillor-0.1"});
    EXPECT_FALSE(IsPaxProtected(file));
    ImageInfo info;
    ASSERT_TRUE(ReadPaxInfo(file, "", info));
    EXPECT_EQ(info.width, 37);
    EXPECT_EQ(info.height, 23);
    EXPECT_EQ(info.depth, 24);
    MemoryRaster back;
    ASSERT_TRUE(ReadPax(file, "", back));
    EXPECT_EQ(back.layout, PixelLayout::Bgr24);
    EXPECT_LE(LargestDifference(image, back), 12);
    PaxIdentity creator;
    ASSERT_TRUE(ReadPaxCreator(file, "", creator));
    EXPECT_EQ(creator.application, "Quillor");
    EXPECT_EQ(creator.author, "A. N. Author");
    EXPECT_EQ(creator.identifier, "quillor-0.1");
}

TEST(PaxCodecTest, PalettePicturesAreWrittenThroughTheirPalette) {
    // Flat quarters of four colours whose index order is unlike their colour order.
    Palette palette;
    palette.entries = {0x2040E0, 0xF0F020, 0x10A010, 0x808080};
    palette.count = 4;
    MemoryRaster image, back;
    RasterView view;
    ASSERT_TRUE(image.Allocate(32, 32, PixelLayout::Indexed8, palette, view));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) view.Line(y)[x] = std::uint8_t(x / 16 + 2 * (y / 16));
    ASSERT_TRUE(ReadPax(Write(image.View()), "", back));
    ASSERT_EQ(back.layout, PixelLayout::Bgr24);
    // Smooth chroma upsampling blends a pixel or two either side of an edge; inside,
    // each quarter must show its palette colour.
    int worst = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if ((x + 2) % 16 < 4 || (y + 2) % 16 < 4) continue;
            const TableWord word = palette.entries[image.Line(y)[x]];
            for (int c = 0; c < 3; ++c)
                worst = std::max(worst,
                                 std::abs(back.Line(y)[3 * x + c] - int((word >> (8 * c)) & 0xFF)));
        }
    EXPECT_LE(worst, 4);
}

TEST(PaxCodecTest, APasswordHidesTheSizeAndTheCreatorAndOpensWithOneDerivationPerCall) {
    const MemoryRaster image = Gradient(21, 11);
    const auto file = Write(image.View(), kPassword, 1, {"Quillor", "Hidden Author", "id"});
    EXPECT_TRUE(IsPaxProtected(file));
    const std::string_view author = "Hidden Author";
    EXPECT_EQ(std::search(file.begin(), file.end(), author.begin(), author.end()), file.end());
    ImageInfo info;
    MemoryRaster back;
    for (const char* wrong : {"", "Pax#pW"}) {
        EXPECT_FALSE(ReadPaxInfo(file, wrong, info)) << wrong;
        EXPECT_FALSE(ReadPax(file, wrong, back)) << wrong;
    }
    EXPECT_FALSE(back.allocated);
    EXPECT_EQ(info.width, 0);

    const std::uint64_t derivations = KeyDerivationCount();
    ASSERT_TRUE(ReadPaxInfo(file, kPassword, info));
    ASSERT_TRUE(ReadPax(file, kPassword, back));
    EXPECT_EQ(KeyDerivationCount(), derivations + 2);
    EXPECT_EQ(info.width, 21);
    EXPECT_EQ(info.height, 11);
    EXPECT_LE(LargestDifference(image, back), 12);
}

// The one test that pays for a dearer work factor (about a second per derivation).
TEST(PaxCodecTest, EncryptionTypesAreStoredClampedAndOpen) {
    const MemoryRaster image = Gradient(5, 4);
    constexpr std::size_t kTypeAt = 6;
    EXPECT_EQ(Write(image.View(), "", 5)[kTypeAt], 0) << "no password, no encryption";
    EXPECT_EQ(Write(image.View(), kPassword, 0)[kTypeAt], 1);
    const auto file = Write(image.View(), kPassword, 3);
    EXPECT_EQ(file[kTypeAt], 3);
    MemoryRaster back;
    ASSERT_TRUE(ReadPax(file, kPassword, back));
    EXPECT_EQ(back.width, 5);
    EXPECT_EQ(back.height, 4);
}

TEST(PaxCodecTest, CutShortFilesAndBodiesNeverRead) {
    const auto file = Write(Gradient(5, 4).View());
    ImageInfo info;
    for (std::size_t length = 0; length < file.size(); ++length) {
        MemoryRaster back;
        EXPECT_FALSE(ReadPaxInfo(std::span(file.data(), length), "", info)) << length;
        EXPECT_FALSE(ReadPax(std::span(file.data(), length), "", back)) << length;
    }
    // The same cuts inside a well-formed envelope reach the body's own checks.
    const auto body = BodyOf(file);
    for (std::size_t length = 0; length < body.size(); ++length) {
        const auto cut = Sealed(std::span(body.data(), length));
        MemoryRaster back;
        EXPECT_FALSE(ReadPaxInfo(cut, "", info)) << length;
        EXPECT_FALSE(ReadPax(cut, "", back)) << length;
    }
}

TEST(PaxCodecTest, HeadersThatDisagreeWithThePictureAreRefusedBeforeAllocating) {
    const auto body = BodyOf(Write(Gradient(5, 4).View()));
    struct Case {
        std::size_t at;
        std::uint8_t value;
        const char* what;
    } cases[] = {{0, 6, "width unlike the JPEG's"},
                 {4, 3, "height unlike the JPEG's"},
                 {0, 0, "no width"},
                 {2, 1, "wider than 65535"},
                 {8, 8, "not 24-bit"}};
    for (const Case& c : cases) {
        auto damaged = body;
        damaged[c.at] = c.value;
        ImageInfo info;
        MemoryRaster back;
        EXPECT_FALSE(ReadPaxInfo(Sealed(damaged), "", info)) << c.what;
        EXPECT_FALSE(ReadPax(Sealed(damaged), "", back)) << c.what;
        EXPECT_FALSE(back.allocated) << c.what;
    }
}

}  // namespace
}  // namespace quillor
