#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "core/coxdib.h"
#include "support/test_images.h"

namespace quillor {
namespace {

using testing::DifferenceBetween;
using testing::MakeGradient24;
using testing::MakePattern8;
using testing::ShownColour;

// Builds BMP files byte by byte, the way other programs lay them out.
struct BmpBuilder {
    std::vector<std::uint8_t> bytes;
    void U8(unsigned v) { bytes.push_back(std::uint8_t(v)); }
    void U16(unsigned v) { U8(v), U8(v >> 8); }
    void U32(std::uint32_t v) { U16(v & 0xFFFF), U16(v >> 16); }
    void FileHeader(std::uint32_t bitsOffset) {
        U8('B'), U8('M'), U32(0), U16(0), U16(0), U32(bitsOffset);
    }
    // An info header of `size` bytes (40, 56, 108 or 124); masks follow at 40 when it has room.
    void InfoHeader(std::uint32_t size, int w, int h, unsigned bits, std::uint32_t compression,
                    std::uint32_t coloursUsed = 0, const std::uint32_t* masks = nullptr) {
        U32(size), U32(std::uint32_t(w)), U32(std::uint32_t(h)), U16(1), U16(bits), U32(compression);
        U32(0), U32(0), U32(0), U32(coloursUsed), U32(0);
        for (std::uint32_t at = 40; at < size; at += 4) {
            const std::size_t i = (at - 40) / 4;
            U32(masks && i < 4 ? masks[i] : 0);
        }
    }
    COXDIB Read(bool* ok = nullptr) const {
        COXDIB image;
        ByteReader in(bytes);
        const bool read = image.ReadBmp(in);
        if (ok) *ok = read;
        return image;
    }
};

std::vector<std::uint8_t> Written(const COXDIB& image) {
    VectorWriter out;
    EXPECT_TRUE(image.WriteBmp(out));
    return out.Bytes();
}

TEST(BmpWriteTest, WrittenFilesReadBackExactly) {
    COXDIB gradient, pattern, four, one;
    MakeGradient24(gradient, 13, 7);
    MakePattern8(pattern, 5, 9);
    ASSERT_TRUE(four.CreateBlank(4, 3, 3));
    four.GetBits()[0] = 0x5A;
    ASSERT_TRUE(one.CreateBlank(1, 9, 2));
    one.SetTableWord(1, 0xFFFFFF);
    one.GetBits()[0] = 0x81;
    for (const COXDIB* image : {&gradient, &pattern, &four, &one}) {
        const auto bytes = Written(*image);
        ASSERT_EQ(bytes.size(), 14 + 40 + image->GetColourTableBytes() + image->GetImageBytes());
        const auto u32 = [&bytes](std::size_t at) {
            return std::uint32_t(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                 bytes[at + 3] << 24);
        };
        EXPECT_EQ(u32(2), bytes.size());  // the file header's file size
        EXPECT_EQ(u32(10), 14 + 40 + image->GetColourTableBytes());
        COXDIB back;
        ByteReader in(bytes);
        ASSERT_TRUE(back.ReadBmp(in));
        EXPECT_EQ(back.GetBitCount(), image->GetBitCount());
        EXPECT_EQ(DifferenceBetween(back, *image), "");
    }
}

TEST(BmpWriteTest, EmptyImagesAndFailingWritersReportFailure) {
    COXDIB empty;
    VectorWriter out;
    EXPECT_FALSE(empty.WriteBmp(out));
    EXPECT_TRUE(out.Bytes().empty());

    struct FailingWriter final : ByteWriter {
        bool Write(const void*, std::size_t) override { return false; }
    } failing;
    COXDIB image;
    MakeGradient24(image, 4, 4);
    EXPECT_FALSE(image.WriteBmp(failing));
}

TEST(BmpReadTest, CoreHeaderWithThreeByteEntriesIsHeldWithAnInfoHeader) {
    BmpBuilder b;
    b.FileHeader(14 + 12 + 256 * 3);
    b.U32(12), b.U16(2), b.U16(1), b.U16(1), b.U16(8);
    for (unsigned i = 0; i < 256; ++i) b.U8(i), b.U8(255 - i), b.U8(7);  // blue, green, red
    b.U8(5), b.U8(200), b.U16(0);  // one row: indices 5 and 200, padded
    bool ok = false;
    COXDIB image = b.Read(&ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(image.Header()->size, 40u);
    EXPECT_EQ(image.GetColourCount(), 256);
    EXPECT_EQ(ShownColour(image, 0, 0), MakeTableWord(7, 250, 5));
    EXPECT_EQ(ShownColour(image, 1, 0), MakeTableWord(7, 55, 200));

    const auto bytes = Written(image);
    EXPECT_EQ(bytes[14], 40);  // header size
    EXPECT_EQ(bytes[54 + 5 * 4 + 3], 0);  // four-byte entries
    EXPECT_EQ(bytes[54 + 5 * 4 + 2], 7);
}

TEST(BmpReadTest, SixteenBitPixelsFollowMasksOrFiveFiveFive) {
    const std::uint32_t masks565[3] = {0xF800, 0x07E0, 0x001F};
    BmpBuilder a;
    a.FileHeader(14 + 40 + 12);
    a.InfoHeader(40, 2, 1, 16, 3);
    for (std::uint32_t m : masks565) a.U32(m);
    a.U16(0xFFFF), a.U16(0xF800);
    COXDIB image = a.Read();
    ASSERT_EQ(image.GetBitCount(), 24);
    EXPECT_EQ(ShownColour(image, 0, 0), 0xF8FCF8u);
    EXPECT_EQ(ShownColour(image, 1, 0), 0xF80000u);

    BmpBuilder b;  // no masks: the format's own 5-5-5
    b.FileHeader(14 + 40);
    b.InfoHeader(40, 2, 1, 16, 0);
    b.U16(0x7C00), b.U16(0x03E0);
    image = b.Read();
    EXPECT_EQ(ShownColour(image, 0, 0), 0xF80000u);
    EXPECT_EQ(ShownColour(image, 1, 0), 0x00F800u);
}

TEST(BmpReadTest, LongHeadersTopDownRowsAndBitsOffsetAreHonoured) {
    const std::uint32_t masks[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    BmpBuilder b;
    b.FileHeader(14 + 124 + 16);  // 16 bytes of something between header and pixels
    b.InfoHeader(124, 1, 2, 32, 3, 0, masks);
    for (int i = 0; i < 16; ++i) b.U8(0xEE);
    b.U32(0xFF112233);  // top row (top-down file): opaque
    b.U32(0x00445566);  // bottom row: fully transparent
    b.bytes[22] = 0xFE, b.bytes[23] = 0xFF, b.bytes[24] = 0xFF, b.bytes[25] = 0xFF;  // height -2
    bool ok = false;
    COXDIB image = b.Read(&ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(image.GetSize(), (DibSize{1, 2}));
    EXPECT_GT(image.Header()->height, 0);
    EXPECT_EQ(ShownColour(image, 0, 0), 0x112233u);
    EXPECT_EQ(ShownColour(image, 0, 1), 0xFFFFFFu);  // over white
}

TEST(BmpReadTest, PlainThirtyTwoBitIgnoresTheFourthByte) {
    BmpBuilder b;
    b.FileHeader(54);
    b.InfoHeader(40, 1, 1, 32, 0);
    b.U32(0x00ABCDEF);
    EXPECT_EQ(ShownColour(b.Read(), 0, 0), 0xABCDEFu);
}

TEST(BmpReadTest, RunLengthDataDecodesWithDeltasAndLiterals) {
    BmpBuilder b;
    b.FileHeader(14 + 40 + 3 * 4);
    b.InfoHeader(40, 6, 3, 8, 1, 3);
    b.U32(0xFF0000), b.U32(0x00FF00), b.U32(0x000000);
    const std::uint8_t rle[] = {
        3, 1,           // three of index 1
        0, 3, 2, 0, 2, 0,  // literal 2, 0, 2 (padded)
        0, 0,           // end of line
        0, 2, 4, 1,     // delta: right 4, up 1 (skips the rest of row 1 and into row 2)
        2, 1,           // two of index 1 at x 4, 5 of row 2
        0, 1};          // end of bitmap
    b.bytes.insert(b.bytes.end(), std::begin(rle), std::end(rle));
    bool ok = false;
    COXDIB image = b.Read(&ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(image.GetBitCount(), 8);
    EXPECT_EQ(image.Header()->compression, 0u);
    const std::uint8_t* bottom = image.GetBits();
    EXPECT_EQ(std::vector<int>(bottom, bottom + 6), (std::vector<int>{1, 1, 1, 2, 0, 2}));
    EXPECT_EQ(image.GetBits()[2 * image.GetStride() + 4], 1);
    // What the data skips shows black (entry 2 here).
    EXPECT_EQ(ShownColour(image, 0, 1), 0u);
    EXPECT_EQ(ShownColour(image, 0, 0), 0u);
}

TEST(BmpReadTest, DeltasThatLeaveThePictureAreRefused) {
    // Each delta moves right by 255 and never down: after enough of them the column is
    // past any row, and a run there would write outside the picture.
    BmpBuilder b;
    b.FileHeader(14 + 40 + 8);
    b.InfoHeader(40, 10, 2, 8, 1, 2);
    b.U32(0), b.U32(0xFFFFFF);
    const std::size_t deltas = 8421505;  // 255 times as many columns as an int holds
    b.bytes.reserve(b.bytes.size() + deltas * 4 + 4);
    for (std::size_t i = 0; i < deltas; ++i) b.U8(0), b.U8(2), b.U8(0xFF), b.U8(0);
    b.U8(5), b.U8(7), b.U8(0), b.U8(1);
    bool ok = true;
    COXDIB image = b.Read(&ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(image.IsEmpty());

    // A single delta past the right edge or above the top row is refused the same way;
    // one that ends exactly at the edge is not.
    const auto withDelta = [](unsigned right, unsigned up) {
        BmpBuilder d;
        d.FileHeader(14 + 40 + 8);
        d.InfoHeader(40, 10, 2, 8, 1, 2);
        d.U32(0), d.U32(0xFFFFFF);
        d.U8(2), d.U8(1), d.U8(0), d.U8(2), d.U8(right), d.U8(up), d.U8(0), d.U8(1);
        bool read = false;
        d.Read(&read);
        return read;
    };
    EXPECT_FALSE(withDelta(9, 0));
    EXPECT_FALSE(withDelta(0, 3));
    EXPECT_TRUE(withDelta(8, 0));
    EXPECT_TRUE(withDelta(0, 2));
}

TEST(BmpReadTest, RunsAreCutAtTheRowEnd) {
    BmpBuilder b;
    b.FileHeader(14 + 40 + 8);
    b.InfoHeader(40, 2, 2, 8, 1, 2);
    b.U32(0), b.U32(0xFFFFFF);
    b.U8(255), b.U8(1), b.U8(0), b.U8(1);
    bool ok = false;
    COXDIB image = b.Read(&ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(image.GetBits()[0], 1);
    EXPECT_EQ(image.GetBits()[1], 1);
    EXPECT_EQ(image.GetBits()[image.GetStride()], 0);  // nothing wrapped into the next row
}

TEST(BmpReadTest, MalformedHeadersAreRefusedAndLeaveTheImageEmpty) {
    auto refused = [](BmpBuilder b) {
        COXDIB image;
        MakeGradient24(image, 2, 2);
        ByteReader in(b.bytes);
        return !image.ReadBmp(in) && image.IsEmpty();
    };
    BmpBuilder notBm;
    notBm.U8('M'), notBm.U8('B');
    notBm.bytes.resize(100);
    EXPECT_TRUE(refused(notBm));

    BmpBuilder huge;  // promises 60000 x 60000 from a file of a few bytes
    huge.FileHeader(54);
    huge.InfoHeader(40, 60000, 60000, 24, 0);
    EXPECT_TRUE(refused(huge));

    BmpBuilder zeroWidth;
    zeroWidth.FileHeader(54);
    zeroWidth.InfoHeader(40, 0, 5, 24, 0);
    EXPECT_TRUE(refused(zeroWidth));

    BmpBuilder badBits;
    badBits.FileHeader(54);
    badBits.InfoHeader(40, 1, 1, 7, 0);
    badBits.U32(0);
    EXPECT_TRUE(refused(badBits));

    BmpBuilder jpegInside;
    jpegInside.FileHeader(54);
    jpegInside.InfoHeader(40, 1, 1, 24, 4);
    jpegInside.U32(0);
    EXPECT_TRUE(refused(jpegInside));
}

TEST(BmpReadTest, ShortRowsStillReadAndEveryCutNeverCrashes) {
    COXDIB pattern;
    MakePattern8(pattern, 9, 6);
    auto bytes = Written(pattern);
    bytes.resize(bytes.size() - pattern.GetStride() * 2);  // lose the top two rows
    ByteReader in(bytes);
    COXDIB image;
    ASSERT_TRUE(image.ReadBmp(in));
    EXPECT_EQ(image.GetBits()[0], pattern.GetBits()[0]);
    EXPECT_EQ(image.Line(0)[0], 0);

    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        std::vector<std::uint8_t> part(bytes.begin(), bytes.begin() + std::ptrdiff_t(cut));
        ByteReader r(part);
        COXDIB partial;
        const bool read = partial.ReadBmp(r);
        EXPECT_EQ(read, !partial.IsEmpty()) << cut;
    }
}

TEST(BmpReadTest, RowsCutShortNeverTakeTheBytesBeyondTheFile) {
    // The file is a prefix of a larger buffer whose next bytes are real and not zero:
    // a reader that copied past its end would show them instead of the blank.
    COXDIB pattern, gradient;
    MakePattern8(pattern, 9, 3);
    MakeGradient24(gradient, 5, 3);
    for (const COXDIB* image : {&pattern, &gradient}) {
        auto bytes = Written(*image);
        const std::size_t half = image->GetStride() / 2;
        const std::size_t cut = bytes.size() - image->GetStride() - half;  // inside the second row
        std::fill(bytes.begin() + std::ptrdiff_t(cut), bytes.end(), 0xAB);
        ByteReader in(std::span<const std::uint8_t>(bytes.data(), cut));
        COXDIB read;
        ASSERT_TRUE(read.ReadBmp(in));
        const std::uint8_t* second = read.GetBits() + read.GetStride();
        const std::size_t kept = image->GetStride() - half;
        EXPECT_EQ(std::memcmp(second, image->GetBits() + image->GetStride(), kept), 0);
        for (std::size_t i = kept; i < read.GetStride(); ++i) EXPECT_EQ(second[i], 0) << i;
        for (std::size_t i = 0; i < read.GetStride(); ++i) EXPECT_EQ(read.Line(0)[i], 0) << i;
    }
}

TEST(BmpReadTest, AColourTableCutShortIsAReadingError) {
    COXDIB pattern;
    MakePattern8(pattern, 4, 2);
    const auto bytes = Written(pattern);
    for (std::size_t end : {std::size_t(60), std::size_t(54 + 255 * 4 + 2)}) {
        std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + std::ptrdiff_t(end));
        ByteReader in(cut);
        COXDIB image;
        EXPECT_FALSE(image.ReadBmp(in)) << end;
        EXPECT_TRUE(image.IsEmpty());
    }
    // Cut in the rows instead: the table is whole and the picture reads.
    std::vector<std::uint8_t> rowsCut(bytes.begin(), bytes.begin() + 54 + 1024 + 2);
    ByteReader in(rowsCut);
    COXDIB image;
    EXPECT_TRUE(image.ReadBmp(in));
}

TEST(BmpReadTest, RunLengthFilesMustBeLongEnoughForTheirRuns) {
    // Rows of 255-pixel runs are the best run-length coding does: such a file opens at
    // any size. The same header over too few bytes is refused before allocating.
    const int w = 5100, h = 4000;  // more than the unbacked allowance at 8 bits
    BmpBuilder b;
    b.FileHeader(14 + 40 + 8);
    b.InfoHeader(40, w, h, 8, 1, 2);
    b.U32(0), b.U32(0xFFFFFF);
    const std::size_t header = b.bytes.size();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; x += 255) b.U8(std::min(255, w - x)), b.U8(1);
        b.U8(0), b.U8(0);
    }
    b.U8(0), b.U8(1);
    bool ok = false;
    COXDIB image = b.Read(&ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(image.Line(h - 1)[w - 1], 1);

    // A quarter of it: more than the old 8192-fold allowance needed, far less than runs.
    b.bytes.resize(header + (b.bytes.size() - header) / 4);
    image = b.Read(&ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(image.IsEmpty());
}

TEST(BmpReadTest, TwoBitPicturesAreHeldAtFourBits) {
    BmpBuilder b;
    b.FileHeader(14 + 40 + 16);
    b.InfoHeader(40, 5, 1, 2, 0, 4);
    b.U32(0x000000), b.U32(0xFF0000), b.U32(0x00FF00), b.U32(0x0000FF);
    b.U8(0b00011011), b.U8(0b10000000), b.U16(0);
    COXDIB image = b.Read();
    ASSERT_EQ(image.GetBitCount(), 4);
    EXPECT_EQ(ShownColour(image, 1, 0), 0xFF0000u);
    EXPECT_EQ(ShownColour(image, 3, 0), 0x0000FFu);
    EXPECT_EQ(ShownColour(image, 4, 0), 0x00FF00u);
}

TEST(BmpReadTest, ShortColourTablesKeepTheirLength) {
    COXDIB pattern;
    MakePattern8(pattern, 4, 2);
    auto bytes = Written(pattern);
    // Rewrite as a 20-colour file: the table ends early and the rows follow it.
    std::vector<std::uint8_t> shortFile(bytes.begin(), bytes.begin() + 54 + 20 * 4);
    shortFile.insert(shortFile.end(), bytes.begin() + 54 + 1024, bytes.end());
    shortFile[46] = 20;
    shortFile[10] = std::uint8_t((54 + 80) & 255), shortFile[11] = std::uint8_t((54 + 80) >> 8);
    for (std::size_t i = 54 + 80; i < shortFile.size(); ++i) shortFile[i] %= 20;
    ByteReader in(shortFile);
    COXDIB image;
    ASSERT_TRUE(image.ReadBmp(in));
    EXPECT_EQ(image.GetColourCount(), 20);
    COXDIB full;
    ASSERT_TRUE(image.CopyTo(full));
    EXPECT_EQ(full.GetColourCount(), 256);
    EXPECT_EQ(full.GetTableWord(19), pattern.GetTableWord(19));
    EXPECT_EQ(full.GetTableWord(20), DefaultColourTable()[20]);
}

}  // namespace
}  // namespace quillor
