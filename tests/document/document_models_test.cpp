// The new-document dialogs' models: what they start from, what they accept, what they keep.

#include <gtest/gtest.h>

#include "document/frame_count_model.h"
#include "document/new_image_model.h"

namespace quillor {
namespace {

TEST(NewImageModelTest, TypedSizesAreDigitsWithinTheLimits) {
    NewImageModel model;
    model.SetSizeChoice(5);
    EXPECT_TRUE(model.CustomSizeEnabled());
    model.SetWidthText("1a2-3456");
    EXPECT_EQ(model.WidthText(), "12345");  // five digits at most, nothing else
    model.SetHeightText("");
    EXPECT_EQ(model.Refusal(), NewImageModel::kSideRefusal);
    for (const char* bad : {"0", "00000", "65536", "99999"}) {
        model.SetHeightText(bad);
        EXPECT_EQ(model.Refusal(), NewImageModel::kSideRefusal) << bad;
    }
    model.SetWidthText("1");
    model.SetHeightText("65535");
    EXPECT_EQ(model.Refusal(), "");
    EXPECT_EQ(model.Height(), 65535);

    // Legal sides can still ask for more than one picture may hold.
    model.SetWidthText("65535");
    model.SetHeightText("32768");
    model.SetColourChoice(0);
    EXPECT_EQ(model.Refusal(), "");  // exactly 2 GiB of 8-bit rows
    model.SetColourChoice(3);
    EXPECT_EQ(model.Refusal(), NewImageModel::kTooLargeRefusal);

    // What is typed does not matter once a listed size is chosen again.
    model.SetSizeChoice(4);
    EXPECT_FALSE(model.CustomSizeEnabled());
    EXPECT_EQ(model.Refusal(), "");
    EXPECT_EQ(model.Width(), 640);
}

TEST(NewImageModelTest, SettingsRoundTripAndNonsenseFallsBackToDefaults) {
    SettingsStore settings;
    NewImageModel fresh;
    fresh.Load(settings);
    EXPECT_EQ(fresh.SizeChoice(), 3);
    EXPECT_EQ(fresh.ColourChoice(), 0);
    EXPECT_EQ(fresh.WidthText(), "");

    NewImageModel chosen;
    chosen.SetSizeChoice(5);
    chosen.SetWidthText("800");
    chosen.SetHeightText("600");
    chosen.SetColourChoice(2);
    chosen.Store(settings);
    EXPECT_EQ(settings.GetString("New Document", "Width"), "800");
    EXPECT_EQ(settings.GetInt("New Document", "Selected", -1), 5);
    EXPECT_EQ(settings.GetInt("New Document", "Colours", -1), 2);
    NewImageModel again;
    again.Load(settings);
    EXPECT_EQ(again.Width(), 800);
    EXPECT_EQ(again.Height(), 600);
    EXPECT_EQ(again.Mode(), ColourMode::Mono);

    settings.SetInt("New Document", "Selected", 9);
    settings.SetInt("New Document", "Colours", -1);
    settings.SetString("New Document", "Width", "12x");
    NewImageModel odd;
    odd.Load(settings);
    EXPECT_EQ(odd.SizeChoice(), 3);
    EXPECT_EQ(odd.ColourChoice(), 0);
    EXPECT_EQ(odd.WidthText(), "12");
}

TEST(FrameCountModelTest, StartsFromTheRememberedCountAndRefusesNoFrames) {
    SettingsStore settings;
    FrameCountModel model;
    EXPECT_EQ(model.Title(), "New Animation Sequence");
    model.Load(settings);
    EXPECT_EQ(model.Count(), 5);
    EXPECT_EQ(model.Refusal(), "");

    model.SetCount(12);
    model.Store(settings);
    EXPECT_EQ(settings.GetString("New Document", "Num of Frames"), "12");
    FrameCountModel again;
    again.Load(settings);
    EXPECT_EQ(again.Count(), 12);

    for (int bad : {0, -3, 10000}) {
        model.SetCount(bad);
        EXPECT_EQ(model.Refusal(), FrameCountModel::kRefusal) << bad;
    }
    model.SetCount(9999);
    EXPECT_EQ(model.Refusal(), "");
    model.SetCount(1);
    EXPECT_EQ(model.Refusal(), "");
}

}  // namespace
}  // namespace quillor
