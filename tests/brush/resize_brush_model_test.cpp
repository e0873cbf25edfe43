// The "Resize Brush" dialog's model: its stored values, the kept proportions, the ratio
// read the same in every locale, and the sizes it refuses.

#include "brush/resize_brush_model.h"

#include <gtest/gtest.h>

namespace quillor {
namespace {

TEST(ResizeBrushModel, StoredValuesComeBackAndAnEmptyRatioIsTwo) {
    SettingsStore settings;
    ResizeBrushModel fresh(10, 20);
    fresh.Load(settings);
    EXPECT_EQ(fresh.Width(), 50);
    EXPECT_EQ(fresh.Height(), 50);
    EXPECT_EQ(fresh.Ratio(), "2");
    EXPECT_TRUE(fresh.UseRatio());
    EXPECT_TRUE(fresh.Aspect());

    fresh.SetUseRatio(false);
    fresh.SetAspect(false);
    fresh.TypeWidth(33);
    fresh.TypeHeight(44);
    fresh.SetRatio("");
    fresh.Store(settings);
    EXPECT_EQ(settings.GetInt("Resize Brush", "Ratio Select", -1), 0);
    EXPECT_EQ(settings.GetInt("Resize Brush", "Size X", -1), 33);
    ResizeBrushModel again(10, 20);
    again.Load(settings);
    EXPECT_EQ(again.Height(), 44);
    EXPECT_FALSE(again.UseRatio());
    EXPECT_FALSE(again.Aspect());
    EXPECT_EQ(again.Ratio(), "2");
}

TEST(ResizeBrushModel, KeptProportionsWorkOutTheOtherSideCutToWholePixels) {
    ResizeBrushModel model(30, 20);
    model.SetUseRatio(false);
    model.TypeWidth(45);
    EXPECT_EQ(model.Height(), 30);
    model.TypeHeight(7);
    EXPECT_EQ(model.Width(), 10);  // 7 / 20 * 30 = 10.5
    model.SetAspect(false);
    model.TypeWidth(99);
    EXPECT_EQ(model.Height(), 7);
    model.SetAspect(true);  // the height follows the width again
    EXPECT_EQ(model.Height(), 66);
    EXPECT_TRUE(model.SizeEnabled());
    EXPECT_FALSE(model.RatioEnabled());
}

TEST(ResizeBrushModel, TheRatioScalesTheOldSizeAndWhatCannotBeASizeIsRefused) {
    ResizeBrushModel model(30, 20);
    model.SetUseRatio(true);
    model.SetRatio("1.5");
    ASSERT_TRUE(model.NewSize());
    EXPECT_DOUBLE_EQ(model.NewSize()->first, 45.0);
    EXPECT_DOUBLE_EQ(model.NewSize()->second, 30.0);
    EXPECT_FALSE(model.CheckOk());
    for (const char* bad : {"", "two", "1,5", "0.01", "-2", "5000"}) {
        model.SetRatio(bad);
        EXPECT_TRUE(model.CheckOk()) << bad;
    }
    model.SetUseRatio(false);
    model.SetAspect(false);
    model.TypeWidth(0);
    ASSERT_TRUE(model.CheckOk());
    EXPECT_EQ(model.CheckOk()->text, "Please enter a width and a height from 1 to 65535.");
    model.TypeWidth(1);
    model.TypeHeight(1);
    EXPECT_FALSE(model.CheckOk());
}

}  // namespace
}  // namespace quillor
