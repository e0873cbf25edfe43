// The filter and adjustment dialogs' models, and the live preview that the adjustments
// draw into the frame while their sliders move.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "document/anim_doc.h"
#include "document/colour_balance_model.h"
#include "document/filter_amount_model.h"
#include "document/live_preview.h"
#include "document/tone_adjust_model.h"
#include "support/fake_document_environment.h"
#include "support/temp_dir.h"

namespace quillor {
namespace {

TEST(FilterAmountModel, EachFilterRemembersItsOwnNumber) {
    testing::TempDir dir;
    SettingsStore settings(dir.File("quillor.ini"));
    FilterAmountModel sharpen(FilterAmountModel::Kind::Sharpen);
    sharpen.Load(settings);
    EXPECT_EQ(sharpen.Value(), 25);
    sharpen.SetText("80");
    sharpen.Store(settings);
    EXPECT_EQ(settings.GetInt("Image Sharpening", "Percentage", 0), 80);

    FilterAmountModel blur(FilterAmountModel::Kind::Blur);
    blur.Load(settings);
    EXPECT_EQ(blur.Value(), 25);
    blur.SetText("150");  // the filter limits percentages itself
    EXPECT_EQ(blur.Value(), 150);
    blur.SetText("lots");
    EXPECT_EQ(blur.Value(), 0);
    blur.SetText("40");
    blur.Store(settings);
    EXPECT_EQ(settings.GetInt("Image Bluring", "Percentage", 0), 40);
    EXPECT_EQ(blur.Title(), "Blur Image");
    EXPECT_EQ(blur.Label(), "Blurring level:");
}

TEST(FilterAmountModel, TheSimplifyFactorStaysWithinOneToFiveAsItIsTyped) {
    FilterAmountModel simplify(FilterAmountModel::Kind::Simplify);
    EXPECT_EQ(simplify.Value(), 3);
    simplify.SetText("9");
    EXPECT_EQ(simplify.Text(), "5");
    simplify.SetText("0");
    EXPECT_EQ(simplify.Text(), "1");
    simplify.SetText("-");  // the start of a number being typed is left alone
    EXPECT_EQ(simplify.Text(), "-");
    EXPECT_EQ(simplify.Value(), 1);

    testing::TempDir dir;
    SettingsStore settings(dir.File("quillor.ini"));
    settings.SetInt("Image Simplify", "Factor", 40);
    simplify.Load(settings);
    EXPECT_EQ(simplify.Value(), 5);
}

TEST(ColourBalanceModel, TheLockMovesTheOtherChannelsByTheSameStepWithinTheirLimits) {
    int changes = 0;
    ColourBalanceModel balance([&] { ++changes; });
    balance.Type(0, 80);
    balance.Type(2, -90);
    balance.SetLocked(true);
    balance.Slide(1, 30);
    EXPECT_EQ(balance.Value(0), 100);
    EXPECT_EQ(balance.Value(1), 30);
    EXPECT_EQ(balance.Value(2), -60);
    EXPECT_EQ(changes, 3);

    // Typing moves one channel only, lock or not, and is limited.
    balance.Type(1, 250);
    EXPECT_EQ(balance.Value(1), 100);
    EXPECT_EQ(balance.Value(0), 100);
    balance.SetLocked(false);
    balance.Slide(0, -100);
    EXPECT_EQ(balance.Value(2), -60);

    EXPECT_EQ(balance.Offset(0), -255);
    balance.Type(0, 50);
    EXPECT_EQ(balance.Offset(0), 127);
    balance.Type(0, 1);
    EXPECT_EQ(balance.Offset(0), 2);
    balance.Type(0, -1);
    EXPECT_EQ(balance.Offset(0), -2);
}

TEST(ToneAdjustModel, ValuesAreLimitedAndEveryChangeIsShown) {
    std::vector<int> shown;
    ToneAdjustModel gamma(ToneAdjustModel::Kind::Gamma, [&](int value) { shown.push_back(value); });
    EXPECT_EQ(gamma.Title(), "Gamma Correction");
    gamma.SetValue(40);
    gamma.SetValue(-300);
    EXPECT_EQ(shown, (std::vector<int>{40, -100}));
    EXPECT_EQ(gamma.Value(), -100);
}

class Preview : public ::testing::Test {
protected:
    void SetUp() override {
        doc.AddFrames(1);
        AnimFrame& frame = *doc.FindFrame(0);
        ASSERT_TRUE(frame.image->CreateBlank(24, 5, 3));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 15; ++x) frame.image->Line(y)[x] = std::uint8_t(10 * y + x);
        frame.colourMode = ColourMode::TrueColour;
        frame.TakeSizeFromImage();
        doc.SetChanged(false);
    }
    std::vector<std::uint8_t> Bytes() {
        const COXDIB& image = *doc.FindFrame(0)->image;
        return {image.GetBits(), image.GetBits() + image.GetImageBytes()};
    }
    static void AddToEveryByte(COXDIB& frame, const COXDIB& original, int amount) {
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 15; ++x) frame.Line(y)[x] = std::uint8_t(original.Line(y)[x] + amount);
    }
    testing::FakeDocumentEnvironment env;
    CAnimDoc doc{env};
};

TEST_F(Preview, EveryMoveStartsFromTheOriginalAndCancelRestoresItExactly) {
    const std::vector<std::uint8_t> before = Bytes();
    {
        LivePreview preview(doc);
        ASSERT_TRUE(preview.Ready());
        preview.Show([](COXDIB& f, const COXDIB& o) { AddToEveryByte(f, o, 5); });
        preview.Show([](COXDIB& f, const COXDIB& o) { AddToEveryByte(f, o, 7); });
        EXPECT_EQ(Bytes()[0], before[0] + 7);  // not 12: each move starts afresh
        preview.Revert();
    }
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(doc.changed);
    EXPECT_FALSE(doc.Undo().Undo(doc));

    // A dialog that ends without an answer reverts too.
    {
        LivePreview preview(doc);
        preview.Show([](COXDIB& f, const COXDIB& o) { AddToEveryByte(f, o, 9); });
    }
    EXPECT_EQ(Bytes(), before);
}

TEST_F(Preview, OkKeepsTheResultAsOneStepBackToTheOriginal) {
    const std::vector<std::uint8_t> before = Bytes();
    LivePreview preview(doc);
    preview.Show([](COXDIB& f, const COXDIB& o) { AddToEveryByte(f, o, 3); });
    preview.Show([](COXDIB& f, const COXDIB& o) { AddToEveryByte(f, o, 4); });
    preview.Keep();
    const std::vector<std::uint8_t> kept = Bytes();
    EXPECT_EQ(kept[5], before[5] + 4);
    EXPECT_TRUE(doc.changed);
    ASSERT_TRUE(doc.Undo().Undo(doc));
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(doc.Undo().Undo(doc));
    ASSERT_TRUE(doc.Undo().Redo(doc));
    EXPECT_EQ(Bytes(), kept);
}

}  // namespace
}  // namespace quillor
