#include <gtest/gtest.h>

#include "document/resize_model.h"
#include "support/temp_dir.h"

namespace quillor {
namespace {

TEST(ResizeModel, AKeptAspectRatioCarriesTypedSidesOverTruncated) {
    ResizeModel model(640, 480);
    model.SetAspect(true);
    model.TypeWidth(320);
    EXPECT_EQ(model.Height(), 240);
    model.TypeHeight(100);
    EXPECT_EQ(model.Width(), 133);  // 100 / 480 * 640 = 133.33
    model.SetAspect(false);
    model.TypeWidth(50);
    EXPECT_EQ(model.Height(), 100);
    // Checking the box again brings the height into line with the width.
    model.SetAspect(true);
    EXPECT_EQ(model.Height(), 37);  // 50 / 640 * 480 = 37.5
}

TEST(ResizeModel, AnchorsPlaceTheOldPictureInTheNewOne) {
    ResizeModel grow(100, 100);
    grow.SetAspect(false);
    grow.TypeWidth(150);
    grow.TypeHeight(150);
    grow.Anchor(4);  // centre
    EXPECT_EQ(grow.OffsetX(), -25);
    EXPECT_EQ(grow.OffsetY(), -25);

    ResizeModel shrink(100, 100);
    shrink.SetAspect(false);
    shrink.TypeWidth(40);
    shrink.TypeHeight(40);
    const int expected[9][2] = {{0, 0}, {30, 0}, {60, 0}, {0, 30}, {30, 30}, {60, 30}, {0, 60}, {30, 60}, {60, 60}};
    for (int anchor = 0; anchor < 9; ++anchor) {
        shrink.Anchor(anchor);
        EXPECT_EQ(shrink.OffsetX(), expected[anchor][0]) << anchor;
        EXPECT_EQ(shrink.OffsetY(), expected[anchor][1]) << anchor;
    }

    // Each half is cut on its own: 8 / 2 - 3 / 2 = 3, where (8 - 3) / 2 would be 2.
    ResizeModel odd(8, 8);
    odd.SetAspect(false);
    odd.TypeWidth(3);
    odd.TypeHeight(3);
    odd.Anchor(4);
    EXPECT_EQ(odd.OffsetX(), 3);
}

TEST(ResizeModel, SettingsComeBackAndOnlyRealSizesAreAccepted) {
    testing::TempDir dir;
    SettingsStore settings(dir.File("quillor.ini"));
    ResizeModel first(10, 10);
    first.Load(settings);
    EXPECT_EQ(first.Width(), 640);
    EXPECT_EQ(first.Height(), 480);
    EXPECT_TRUE(first.Rescale());
    EXPECT_TRUE(first.BilinearEnabled());
    EXPECT_FALSE(first.CropEnabled());
    first.SetAspect(false);
    first.TypeWidth(20);
    first.TypeHeight(30);
    first.SetRescale(false);
    first.SetBilinear(false);
    first.SetOffsetX(-4);
    first.Store(settings);

    ResizeModel second(10, 10);
    second.Load(settings);
    EXPECT_EQ(second.Width(), 20);
    EXPECT_EQ(second.Height(), 30);
    EXPECT_EQ(second.OffsetX(), -4);
    EXPECT_FALSE(second.Rescale());
    EXPECT_FALSE(second.Aspect());
    EXPECT_FALSE(second.Bilinear());
    EXPECT_TRUE(second.CropEnabled());
    EXPECT_FALSE(second.BilinearEnabled());
    EXPECT_FALSE(second.CheckOk().has_value());

    second.TypeWidth(0);
    EXPECT_TRUE(second.CheckOk().has_value());
    second.TypeWidth(70000);
    EXPECT_TRUE(second.CheckOk().has_value());
}

}  // namespace
}  // namespace quillor
