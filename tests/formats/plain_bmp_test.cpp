// The plain-BMP reader must make exactly the picture the general reader makes, while
// reading rows straight into it.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/byte_reader.h"
#include "core/byte_writer.h"
#include "core/coxdib.h"
#include "formats/plain_bmp.h"

namespace quillor {
namespace {

struct VectorWriter final : ByteWriter {
    std::vector<std::uint8_t> bytes;
    bool Write(const void* data, std::size_t size) override {
        const auto* p = static_cast<const std::uint8_t*>(data);
        bytes.insert(bytes.end(), p, p + size);
        return true;
    }
};

void Put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v[at + std::size_t(i)] = std::uint8_t(x >> (8 * i));
}

// A BMP as other programs write them: rows padded with junk, a resolution, table
// entries whose reserved byte is not 0, and `listed` table entries (0: all 256).
std::vector<std::uint8_t> File(int width, int height, int bits, std::uint32_t listed) {
    const std::uint32_t table = bits == 8 ? (listed == 0 ? 256 : listed) : 0;
    const std::size_t stride = (std::size_t(width) * std::size_t(bits) / 8 + 3) & ~std::size_t(3);
    const std::size_t offset = 54 + table * 4;
    std::vector<std::uint8_t> f(offset + stride * std::size_t(height));
    f[0] = 'B';
    f[1] = 'M';
    Put32(f, 2, std::uint32_t(f.size()));
    Put32(f, 10, std::uint32_t(offset));
    Put32(f, 14, 40);
    Put32(f, 18, std::uint32_t(width));
    Put32(f, 22, std::uint32_t(height));
    f[26] = 1;
    f[28] = std::uint8_t(bits);
    Put32(f, 38, 2835);
    Put32(f, 42, 3780);
    Put32(f, 46, listed);
    for (std::uint32_t i = 0; i < table; ++i) {
        f[54 + i * 4] = std::uint8_t(i);
        f[55 + i * 4] = std::uint8_t(255 - i);
        f[56 + i * 4] = std::uint8_t(i * 3);
        f[57 + i * 4] = 0xAA;
    }
    for (std::size_t i = offset; i < f.size(); ++i) f[i] = std::uint8_t(i * 7 + 3);
    return f;
}

// The picture as the general reader makes it, and as the plain one does, each written
// back out so that header, table and rows are compared at once.
struct Both {
    std::vector<std::uint8_t> general;
    std::vector<std::uint8_t> plain;
    PlainBmpRead outcome = PlainBmpRead::Failed;
};

Both ReadBoth(const std::vector<std::uint8_t>& file) {
    Both both;
    COXDIB a;
    ByteReader in(file);
    if (a.ReadBmp(in)) {
        VectorWriter w;
        a.WriteBmp(w);
        both.general = w.bytes;
    }
    COXDIB b;
    both.outcome = ReadPlainBmp(b, file.size(), [&](std::uint64_t at, void* to, std::size_t n) {
        if (at + n > file.size()) return false;
        std::memcpy(to, file.data() + at, n);
        return true;
    });
    if (!b.IsEmpty()) {
        VectorWriter w;
        b.WriteBmp(w);
        both.plain = w.bytes;
    }
    return both;
}

TEST(PlainBmp, MakesThePictureTheGeneralReaderMakes) {
    for (const auto& [width, height, bits, listed] :
         std::vector<std::array<int, 4>>{{7, 5, 24, 0}, {8, 3, 24, 0}, {5, 4, 8, 0}, {9, 2, 8, 16}, {1, 1, 8, 1}}) {
        const Both both = ReadBoth(File(width, height, bits, std::uint32_t(listed)));
        ASSERT_EQ(both.outcome, PlainBmpRead::Read) << width << "x" << height << "x" << bits;
        ASSERT_FALSE(both.general.empty());
        EXPECT_EQ(both.plain, both.general) << width << "x" << height << "x" << bits << " listing " << listed;
    }
}

TEST(PlainBmp, LeavesEveryOtherLayoutToTheGeneralReader) {
    std::vector<std::uint8_t> topDown = File(4, 4, 24, 0);
    Put32(topDown, 22, std::uint32_t(-4));
    std::vector<std::uint8_t> rle = File(4, 4, 8, 0);
    Put32(rle, 30, 1);
    std::vector<std::uint8_t> gap = File(4, 4, 24, 0);
    Put32(gap, 10, 60);  // rows elsewhere than right after the header
    std::vector<std::uint8_t> shortFile = File(4, 4, 24, 0);
    shortFile.resize(shortFile.size() - 1);
    std::vector<std::uint8_t> fourBit = File(4, 4, 24, 0);
    fourBit[28] = 4;
    for (const auto* file : {&topDown, &rle, &gap, &shortFile, &fourBit}) {
        COXDIB image;
        ASSERT_TRUE(image.CreateBlank(24, 2, 2));
        const PlainBmpRead outcome = ReadPlainBmp(image, file->size(), [&](std::uint64_t at, void* to, std::size_t n) {
            if (at + n > file->size()) return false;
            std::memcpy(to, file->data() + at, n);
            return true;
        });
        EXPECT_EQ(outcome, PlainBmpRead::NotPlain);
        EXPECT_EQ(image.GetSize(), (DibSize{2, 2}));  // untouched
    }
}

TEST(PlainBmp, AReadThatFailsLeavesThePictureAsItWas) {
    const std::vector<std::uint8_t> file = File(6, 6, 24, 0);
    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(8, 3, 3));
    int reads = 0;
    const PlainBmpRead outcome = ReadPlainBmp(image, file.size(), [&](std::uint64_t at, void* to, std::size_t n) {
        if (++reads > 1) return false;  // the header arrives, the rows do not
        std::memcpy(to, file.data() + at, n);
        return true;
    });
    EXPECT_EQ(outcome, PlainBmpRead::Failed);
    EXPECT_EQ(image.GetSize(), (DibSize{3, 3}));
    EXPECT_EQ(image.GetBitCount(), 8);
}

}  // namespace
}  // namespace quillor
