#include <gtest/gtest.h>

#include "document/colour_depth_model.h"
#include "support/temp_dir.h"

namespace quillor {
namespace {

TEST(ColourDepthModel, TheFramesOwnModeCannotBeChosenAndTheStartFollowsIt) {
    ColourDepthModel trueColour(ColourMode::TrueColour);
    EXPECT_EQ(trueColour.Target(), ColourMode::Colours256);
    EXPECT_FALSE(trueColour.ModeEnabled(ColourMode::TrueColour));
    EXPECT_FALSE(trueColour.SetTarget(ColourMode::TrueColour));
    EXPECT_EQ(trueColour.Target(), ColourMode::Colours256);

    for (ColourMode mode : {ColourMode::Mono, ColourMode::Colours16, ColourMode::Colours256}) {
        ColourDepthModel palette(mode);
        EXPECT_EQ(palette.Target(), ColourMode::TrueColour);
        EXPECT_FALSE(palette.ModeEnabled(mode));
        EXPECT_TRUE(palette.ModeEnabled(ColourMode::TrueColour));
    }
}

TEST(ColourDepthModel, MethodsMatterOnlyWhenColoursAreReduced) {
    ColourDepthModel palette(ColourMode::Colours16);
    EXPECT_FALSE(palette.MethodEnabled());  // to true colour
    ASSERT_TRUE(palette.SetTarget(ColourMode::Mono));
    EXPECT_TRUE(palette.MethodEnabled());
    ASSERT_TRUE(palette.SetTarget(ColourMode::Colours256));
    EXPECT_TRUE(palette.MethodEnabled());

    ColourDepthModel trueColour(ColourMode::TrueColour);
    for (ColourMode mode : {ColourMode::Mono, ColourMode::Colours16, ColourMode::Colours256}) {
        ASSERT_TRUE(trueColour.SetTarget(mode));
        EXPECT_TRUE(trueColour.MethodEnabled());
    }
}

TEST(ColourDepthModel, TheMethodIsRememberedAndAStrangeOneIsKeptInRange) {
    testing::TempDir dir;
    SettingsStore settings(dir.File("quillor.ini"));
    ColourDepthModel first(ColourMode::TrueColour);
    first.Load(settings);
    EXPECT_EQ(first.Method(), 0);
    first.SetMethod(2);
    first.Store(settings);
    EXPECT_EQ(settings.GetInt("Colour Depth Change", "Dither", -1), 2);

    ColourDepthModel second(ColourMode::Colours256);
    second.Load(settings);
    EXPECT_EQ(second.Method(), 2);
    settings.SetInt("Colour Depth Change", "Dither", 7);
    second.Load(settings);
    EXPECT_EQ(second.Method(), 2);
    settings.SetInt("Colour Depth Change", "Dither", -3);
    second.Load(settings);
    EXPECT_EQ(second.Method(), 0);
}

}  // namespace
}  // namespace quillor
