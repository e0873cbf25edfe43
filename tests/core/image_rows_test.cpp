// Row views: writable rows read as read-only rows without losing their shape or channel
// order, never the other way, and a bottom-up image is walked from its top line.

#include "core/image_rows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <type_traits>
#include <utility>

#include "core/coxdib.h"

namespace quillor {
namespace {

static_assert(std::is_convertible_v<Rows, ConstRows>);
static_assert(!std::is_convertible_v<ConstRows, Rows>);

TEST(ImageRows, WritableRowsReadAsTheSameRows) {
    std::uint8_t bytes[24] = {};
    const Rows rows{bytes + 16, -8, 2, 3, ChannelOrder::Bgr};
    const ConstRows read = rows;
    EXPECT_EQ(read.top, rows.top);
    EXPECT_EQ(read.step, -8);
    EXPECT_EQ(read.width, 2);
    EXPECT_EQ(read.height, 3);
    EXPECT_EQ(read.order, ChannelOrder::Bgr);
    EXPECT_EQ(read.Line(2), bytes);
}

TEST(ImageRows, ABottomUpImageIsWalkedFromItsTopLine) {
    for (unsigned bits : {8u, 24u}) {
        SCOPED_TRACE(bits);
        COXDIB image;
        ASSERT_TRUE(image.CreateBlank(std::uint16_t(bits), 5, 3));
        const Rows rows = DibRows(image);
        const ConstRows read = DibRows(std::as_const(image));
        EXPECT_EQ(rows.width, 5);
        EXPECT_EQ(rows.height, 3);
        EXPECT_EQ(rows.order, ChannelOrder::Bgr);
        EXPECT_EQ(rows.step, -std::ptrdiff_t(image.GetStride()));
        EXPECT_EQ(rows.LineBytes(int(bits / 8)), 5 * bits / 8);
        for (int y = 0; y < 3; ++y) {
            EXPECT_EQ(rows.Line(y), image.Line(y)) << "line " << y;
            EXPECT_EQ(read.Line(y), image.Line(y)) << "line " << y;
        }
        // The bottom line is the first one stored.
        EXPECT_EQ(rows.Line(2), image.GetBits());
    }
}

TEST(ImageRows, AnEmptyImageHasNoRows) {
    COXDIB empty;
    const Rows rows = DibRows(empty);
    EXPECT_EQ(rows.top, nullptr);
    EXPECT_EQ(rows.width, 0);
    EXPECT_EQ(rows.height, 0);
}

}  // namespace
}  // namespace quillor
