#include <gtest/gtest.h>

#include "core/text_trim.h"

namespace quillor {
namespace {

TEST(TextTrim, BlanksGoFromBothEndsAndStayInside) {
    EXPECT_EQ(TrimBlanks("  12 "), "12");
    EXPECT_EQ(TrimBlanks("\tkey = a b\r\n"), "key = a b");
    EXPECT_EQ(TrimBlanks("*.bmp"), "*.bmp");
    EXPECT_EQ(TrimBlanks("x"), "x");
    EXPECT_EQ(TrimBlanks(" \t\r\n "), "");
    EXPECT_EQ(TrimBlanks(""), "");
}

}  // namespace
}  // namespace quillor
