// The text brush: its size rule, its pixels on palette and true-colour pictures, and the
// text dialog's settings.

#include "tools/text_brush.h"

#include <gtest/gtest.h>

#include "support/fake_document_environment.h"
#include "support/fake_text_rasteriser.h"
#include "tools/text_model.h"

namespace quillor {
namespace {

class TextBrush : public ::testing::Test {
protected:
    void Picture(int bits, int width = 40) {
        ASSERT_TRUE(image.CreateBlank(std::uint16_t(bits), width, 30));
        image.SetColour(3, MakeColour(9, 9, 9));
        image.SetColour(5, MakeColour(200, 0, 0));
        target.image = &image;
        target.mode = bits == 24 ? ColourMode::TrueColour : ColourMode::Colours256;
        table[3] = MakeColour(9, 9, 9);
        table[5] = MakeColour(200, 0, 0);
        target.table = &table;
        target.foreground = 5;
        target.background = 3;
    }
    TextStyle Size(int pixels) {
        TextStyle style;
        style.pixelSize = pixels;
        return style;
    }

    COXDIB image;
    std::array<ColourRef, 256> table{};
    PaintTarget target;
    testing::FakeTextRasteriser fonts;
    PaintBrush brush;
};

TEST_F(TextBrush, IsTheMeasuredTextPlusHalfItsHeightLessOneAndTakesTheForegroundIndex) {
    Picture(8);
    ASSERT_TRUE(BuildTextBrush(brush, fonts, "abcd", Size(10), target));
    const BrushRecord& r = brush.Current(false);
    EXPECT_EQ(r.width, 5 + 14 / 2 - 1);
    EXPECT_EQ(r.height, 14);
    EXPECT_EQ(r.handleX, 11 / 2 + 1);
    EXPECT_EQ(r.handleY, 14 / 2 + 1);
    EXPECT_EQ(r.frames[0][2 * 11 + 0], 5);  // ink: the foreground index
    EXPECT_EQ(r.frames[0][2 * 11 + 4], 3);  // paper: the background index, transparent
    EXPECT_EQ(r.frames[0][0], 3);
    EXPECT_NE(brush.kind, BrushKind::SinglePixel);
}

TEST_F(TextBrush, TrueColourKeepsTheDrawnColoursAndALongTextIsCutAtTwiceThePictureWidth) {
    Picture(24, 10);
    ASSERT_TRUE(BuildTextBrush(brush, fonts, std::string(60, 'x'), Size(8), target));
    const BrushRecord& r = brush.Current(true);
    EXPECT_EQ(r.width, 20);
    EXPECT_EQ(r.frames[0][(2 * 20 + 19) * 3], 200);  // red ink, right to the cut
    EXPECT_EQ(r.frames[0][0], 9);
    EXPECT_FALSE(BuildTextBrush(brush, fonts, "", Size(8), target));
    EXPECT_EQ(brush.Current(true).width, 20);  // nothing to draw: the brush stays
}

TEST(TextModel, WantsSomeTextAndKeepsItsSettingsUnderText) {
    testing::FakeDocumentEnvironment env;
    TextModel model({"Alpha", "Beta"});
    model.Load(env.settings);
    EXPECT_EQ(model.PixelSize(), 20);  // size entry 12 of 8, 9, ...
    EXPECT_EQ(model.Family(), 0);
    const std::optional<OkRefusal> refusal = model.CheckOk();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, "Please input some text.");
    EXPECT_EQ(refusal->title, "No Text");
    model.SetText("Hello");
    model.SetFamily(7);  // past the list: its last family
    model.SetSizeIndex(64);
    model.italic = true;
    EXPECT_FALSE(model.CheckOk());
    model.Store(env.settings);
    EXPECT_EQ(env.settings.GetString("Text", "String"), "Hello");
    EXPECT_EQ(env.settings.GetInt("Text", "Font", -1), 1);
    EXPECT_EQ(env.settings.GetInt("Text", "Size", -1), 64);
    EXPECT_EQ(env.settings.GetInt("Text", "Italic", -1), 1);
    TextModel again({"Alpha", "Beta"});
    again.Load(env.settings);
    EXPECT_EQ(again.Style().family, "Beta");
    EXPECT_EQ(again.Style().pixelSize, 72);
    EXPECT_TRUE(again.Style().italic);
    EXPECT_FALSE(again.Style().bold);
}

}  // namespace
}  // namespace quillor
