#include "document/frame_image_io.h"

#include <gtest/gtest.h>

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "support/test_images.h"

namespace quillor {
namespace {

struct FrameImages : ::testing::Test {
    testing::TempDir dir;
    testing::ScriptedInteraction ui;
    SettingsStore settings;
    ImageFileContext context{ui, settings};
};

TEST_F(FrameImages, SixteenColourBitmapsEditAtEightBitsAndSaveAtFour) {
    COXDIB four;
    ASSERT_TRUE(four.CreateBlank(4, 5, 2));
    four.SetTableWord(15, 0x123456);
    four.GetBits()[0] = 0xF1;
    ASSERT_TRUE(SaveImageFile(four, dir.File("a.bmp"), context));

    COXDIB image;
    ASSERT_TRUE(LoadFrameImage(image, dir.File("a.bmp"), context));
    const ColourMode mode = FinishImageLoad(image);
    EXPECT_EQ(mode, ColourMode::Colours16);
    EXPECT_EQ(image.GetBitCount(), 8);
    EXPECT_EQ(image.GetBits()[0], 15);
    EXPECT_EQ(image.GetBits()[1], 1);
    EXPECT_EQ(image.GetTableWord(15), 0x123456u);

    ASSERT_TRUE(SaveImageInMode(image, mode, dir.File("b.bmp"), context));
    EXPECT_EQ(testing::ReadBytes(dir.File("b.bmp"))[28], 4);
    COXDIB back;
    ASSERT_TRUE(LoadFrameImage(back, dir.File("b.bmp"), context));
    EXPECT_EQ(testing::DifferenceBetween(back, four), "");
    EXPECT_GT(ui.WaitCount(), 0);
}

TEST_F(FrameImages, TablesOfOtherLengthsAreFilledFromTheDefaultTable) {
    // A 2-bit bitmap holds four colours; loaded, it is a 16-colour picture.
    const std::vector<std::uint8_t> bmp = {
        'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 70, 0, 0, 0,  // file header
        40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 2, 0, 0, 0, 0, 0, 4, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0,  // info header, 4 colours
        1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0,  // table
        0b00110000, 0, 0, 0};                             // pixels 0, 3
    testing::WriteBytes(dir.File("two.bmp"), bmp);
    COXDIB image;
    ASSERT_TRUE(LoadFrameImage(image, dir.File("two.bmp"), context));
    EXPECT_EQ(image.GetColourCount(), 16);
    EXPECT_EQ(image.GetTableWord(3), 0x0C0B0Au);
    EXPECT_EQ(image.GetTableWord(4), DefaultColourTable()[4]);
    EXPECT_EQ(FinishImageLoad(image), ColourMode::Colours16);
    EXPECT_EQ(image.GetBits()[1], 3);
}

TEST_F(FrameImages, MonochromeLoadsAsTwoColoursAndTrueColourStays) {
    COXDIB one, rgb;
    ASSERT_TRUE(one.CreateBlank(1, 9, 1));
    one.SetTableWord(1, 0xFFFFFF);
    testing::MakeGradient24(rgb, 3, 3);
    ASSERT_TRUE(SaveImageFile(one, dir.File("m.bmp"), context));
    ASSERT_TRUE(SaveImageFile(rgb, dir.File("t.png"), context));
    COXDIB image;
    ASSERT_TRUE(LoadFrameImage(image, dir.File("m.bmp"), context));
    EXPECT_EQ(FinishImageLoad(image), ColourMode::Mono);
    EXPECT_EQ(image.GetBitCount(), 8);
    ASSERT_TRUE(LoadFrameImage(image, dir.File("t.png"), context));
    EXPECT_EQ(FinishImageLoad(image), ColourMode::TrueColour);
    EXPECT_EQ(testing::DifferenceBetween(image, rgb), "");
}

}  // namespace
}  // namespace quillor
