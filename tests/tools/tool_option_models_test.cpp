// The right-click dialogs of the tools: what they start with, what they refuse and what
// OK leaves in the preferences. Their texts are checked where they are shown.

#include <gtest/gtest.h>

#include "tools/magnify_options_model.h"
#include "tools/shape_style_models.h"
#include "tools/spray_options_model.h"
#include "tools/symmetry_options_model.h"

namespace quillor {
namespace {

TEST(ToolOptionModelsTest, MagnificationOptionsStoreTheTypeAndTheFixedFactor) {
    MagnifyOptionsModel model;
    model.Load(ToolPreferences{});
    EXPECT_EQ(model.Type(), MagnifyType::Variable);
    EXPECT_EQ(model.Fixed(), 5);
    EXPECT_FALSE(model.FixedEnabled());

    model.SetType(MagnifyType::Fixed);
    EXPECT_TRUE(model.FixedEnabled());
    model.SetFixed(0);  // would divide the zoom by zero
    EXPECT_EQ(model.Fixed(), 1);
    model.SetFixed(12);
    ToolPreferences stored;
    model.Store(stored);
    EXPECT_EQ(stored.magnifyType, 6);
    EXPECT_EQ(stored.magnifyFixed, 12);

    // A damaged settings file falls back to what the program would have chosen.
    ToolPreferences damaged;
    damaged.magnifyType = 9;
    damaged.magnifyFixed = 500;
    model.Load(damaged);
    EXPECT_EQ(model.Type(), MagnifyType::Variable);
    EXPECT_EQ(model.Fixed(), MagnifyOptionsModel::kMaxFixed);
    damaged.magnifyType = 2;
    model.Load(damaged);
    EXPECT_EQ(model.Type(), MagnifyType::Times4);
}

TEST(ToolOptionModelsTest, SquareAndCircleStylesEachStoreTheirOwnSetting) {
    ShapeStyleModel squares(ShapeStyleModel::Family::Squares);
    ShapeStyleModel circles(ShapeStyleModel::Family::Circles);

    ToolPreferences preferences;
    squares.Load(preferences);
    circles.Load(preferences);
    EXPECT_EQ(squares.Style(), 1);
    EXPECT_EQ(circles.Style(), 0);

    squares.SetStyle(0);
    circles.SetStyle(1);
    circles.SetStyle(2);  // no such choice
    EXPECT_EQ(circles.Style(), 1);
    squares.Store(preferences);
    EXPECT_EQ(preferences.squareOnly, 0);
    EXPECT_EQ(preferences.circleOnly, 0);
    circles.Store(preferences);
    EXPECT_EQ(preferences.circleOnly, 1);
    EXPECT_EQ(preferences.squareOnly, 0);
}

TEST(ToolOptionModelsTest, SprayOptionsHoldBothValuesFromOneTo999) {
    SprayOptionsModel model;
    model.Load(ToolPreferences{});
    EXPECT_EQ(model.Size(), 30);
    EXPECT_EQ(model.Density(), 100);
    model.SetSize(0);
    model.SetDensity(1000);
    EXPECT_EQ(model.Size(), 1);
    EXPECT_EQ(model.Density(), 999);
    model.SetSize(45);
    ToolPreferences stored;
    model.Store(stored);
    EXPECT_EQ(stored.spraySize, 45);
    EXPECT_EQ(stored.sprayDensity, 999);
}

TEST(ToolOptionModelsTest, SymmetryOptionsStoreAllButTheCentre) {
    SymmetryOptionsModel model;
    model.Load(ToolPreferences{});
    EXPECT_EQ(model.Style(), SymmetryStyle::MirroredCyclic);
    EXPECT_EQ(model.Points(), 6);
    EXPECT_EQ(model.Width(), 320);
    EXPECT_EQ(model.Height(), 200);
    EXPECT_FALSE(model.CentreRequested());

    model.SetStyle(SymmetryStyle::Tile);
    model.SetPoints(0);
    model.SetWidth(64);
    model.SetHeight(-3);
    model.PressCentre();
    EXPECT_TRUE(model.CentreRequested());
    ToolPreferences stored;
    stored.symmetryCentreX = 17;
    model.Store(stored);
    EXPECT_EQ(stored.symmetryStyle, 2);
    EXPECT_EQ(stored.symmetryPoints, 1);
    EXPECT_EQ(stored.symmetryWidth, 64);
    EXPECT_EQ(stored.symmetryHeight, 1);
    EXPECT_EQ(stored.symmetryCentreX, 17);
    EXPECT_EQ(stored.symmetryCentreY, 100);

    ToolPreferences damaged;
    damaged.symmetryStyle = -1;
    model.Load(damaged);
    EXPECT_EQ(model.Style(), SymmetryStyle::MirroredCyclic);
}

}  // namespace
}  // namespace quillor
