// The commands that remake frames, driven with the user scripted: what they ask, what
// they refuse, and the undo step they leave.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "document/anim_doc.h"
#include "document/colour_depth_model.h"
#include "document/filter_amount_model.h"
#include "document/frame_filters.h"
#include "document/frame_geometry.h"
#include "document/resize_model.h"
#include "document/tone_adjust_model.h"
#include "support/fake_document_environment.h"

namespace quillor {
namespace {

class FrameOperations : public ::testing::Test {
protected:
    // `count` frames of 8 x 6, frame i's pixel (x, y) is byte 10 * y + x + i.
    void Make(int count, int bits) {
        doc.AddFrames(std::uint32_t(count));
        for (int i = 0; i < count; ++i) {
            AnimFrame& frame = *doc.FindFrame(i);
            ASSERT_TRUE(frame.image->CreateBlank(std::uint16_t(bits), 8, 6));
            const int bytes = bits / 8;
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 8 * bytes; ++x) frame.image->Line(y)[x] = std::uint8_t(10 * y + x + i);
            frame.colourMode = ColourModeFromBitCount(unsigned(bits));
            frame.TakeSizeFromImage();
        }
        if (count > 1) {
            doc.isAnimation = true;
            doc.frameCount = std::uint32_t(count);
            doc.rangeEnd = count;
        }
        doc.SetChanged(false);
    }
    std::vector<std::uint8_t> Bytes(int frame = 0) {
        const COXDIB& image = *doc.FindFrame(frame)->image;
        return {image.GetBits(), image.GetBits() + image.GetImageBytes()};
    }
    testing::FakeDocumentEnvironment env;
    CAnimDoc doc{env};
    SettingsStore& settings = env.Settings();
};

TEST_F(FrameOperations, ColourDepthConvertsRemembersTheMethodAndUndoesAsOneStep) {
    Make(1, 24);
    const std::vector<std::uint8_t> before = Bytes();
    env.ui.ExpectDialogOf<ColourDepthModel>("Convert Number of Colours", [](ColourDepthModel& m) {
        m.SetTarget(ColourMode::Colours16);
        m.SetMethod(2);
        return true;
    });
    ASSERT_TRUE(ChangeColourDepth(doc, env.ui, settings));
    const AnimFrame& frame = *doc.FindFrame(0);
    EXPECT_EQ(frame.colourMode, ColourMode::Colours16);
    EXPECT_EQ(frame.image->GetBitCount(), 8);
    for (std::uint8_t index : Bytes()) EXPECT_LT(index, 16);
    EXPECT_EQ(settings.GetInt("Colour Depth Change", "Dither", 0), 2);
    EXPECT_TRUE(doc.changed);
    EXPECT_NE(doc.Title().find("16 Colour"), std::string::npos);

    ASSERT_TRUE(doc.Undo().Undo(doc));
    EXPECT_EQ(doc.FindFrame(0)->colourMode, ColourMode::TrueColour);
    EXPECT_EQ(Bytes(), before);

    env.ui.ExpectDialogOf<ColourDepthModel>("Convert Number of Colours", [](ColourDepthModel&) { return false; });
    EXPECT_FALSE(ChangeColourDepth(doc, env.ui, settings));
    EXPECT_EQ(Bytes(), before);

    doc.playing = true;  // nothing while an animation plays, not even the dialog
    EXPECT_FALSE(ChangeColourDepth(doc, env.ui, settings));
}

TEST_F(FrameOperations, FlipsMirrorTheCurrentFrameAndUndo) {
    Make(1, 8);
    const std::vector<std::uint8_t> before = Bytes();
    ASSERT_TRUE(FlipCurrentFrame(doc, env.ui, false));
    EXPECT_EQ(doc.FindFrame(0)->image->Line(2)[0], 27);
    ASSERT_TRUE(FlipCurrentFrame(doc, env.ui, true));
    EXPECT_EQ(doc.FindFrame(0)->image->Line(0)[0], 57);
    EXPECT_TRUE(env.ui.Messages().empty());
    ASSERT_TRUE(doc.Undo().Undo(doc));
    ASSERT_TRUE(doc.Undo().Undo(doc));
    EXPECT_EQ(Bytes(), before);
}

TEST_F(FrameOperations, ResizingOneFrameUndoesAndEveryFrameAsksFirstAndForgetsTheOldSteps) {
    Make(1, 24);
    env.ui.ExpectDialogOf<ResizeModel>("Resize/Crop", [](ResizeModel& m) {
        m.SetAspect(false);
        m.TypeWidth(4);
        m.TypeHeight(3);
        m.SetRescale(true);
        m.SetBilinear(false);
        return true;
    });
    ASSERT_TRUE(ResizeDocument(doc, env.ui, settings));
    EXPECT_EQ(doc.FindFrame(0)->width, 4);
    EXPECT_EQ(doc.FindFrame(0)->image->GetSize(), (DibSize{4, 3}));
    EXPECT_EQ(settings.GetInt("Resize", "Size X", 0), 4);
    ASSERT_TRUE(doc.Undo().Undo(doc));
    EXPECT_EQ(doc.FindFrame(0)->image->GetSize(), (DibSize{8, 6}));

    // Cancel still keeps what was typed for next time, and changes nothing.
    env.ui.ExpectDialogOf<ResizeModel>("Resize/Crop", [](ResizeModel& m) {
        m.SetAspect(false);
        m.TypeWidth(5);
        return false;
    });
    EXPECT_FALSE(ResizeDocument(doc, env.ui, settings));
    EXPECT_EQ(settings.GetInt("Resize", "Size X", 0), 5);
    EXPECT_EQ(doc.FindFrame(0)->image->GetSize(), (DibSize{8, 6}));
}

TEST_F(FrameOperations, ResizingAnAnimationAsksAndLeavesNoStepToPatchTheNewFrames) {
    Make(3, 8);
    ASSERT_TRUE(FlipCurrentFrame(doc, env.ui, false));  // a step of the old size
    env.ui.ExpectQuestion("Confirmation Required", Answer::No);
    EXPECT_FALSE(ResizeDocument(doc, env.ui, settings));
    EXPECT_EQ(doc.FindFrame(2)->image->GetSize(), (DibSize{8, 6}));

    env.ui.ExpectQuestion("Confirmation Required", Answer::Yes);
    env.ui.ExpectDialogOf<ResizeModel>("Resize/Crop", [](ResizeModel& m) {
        m.SetAspect(false);
        m.TypeWidth(10);
        m.TypeHeight(6);
        m.SetRescale(false);
        m.SetOffsetX(-2);
        m.SetOffsetY(0);
        return true;
    });
    doc.SetBackground(200);
    ASSERT_TRUE(ResizeDocument(doc, env.ui, settings));
    // One pass per frame: the bar moves a third at a time and ends full.
    EXPECT_EQ(env.ui.progress, (std::vector<std::pair<int, int>>{{33, 100}, {66, 100}, {100, 100}}));
    for (int i = 0; i < 3; ++i) {
        const COXDIB& image = *doc.FindFrame(i)->image;
        EXPECT_EQ(image.GetSize(), (DibSize{10, 6}));
        EXPECT_EQ(image.Line(0)[0], 200) << i;       // uncovered: the background
        // The old top line moved right by 2; frame 0 was mirrored before.
        EXPECT_EQ(image.Line(0)[2], i == 0 ? 7 : i) << i;
    }
    EXPECT_FALSE(doc.Undo().Undo(doc));
}

TEST_F(FrameOperations, FiltersRefusePaletteFramesAndAskForTheirAmount) {
    Make(1, 8);
    const std::vector<std::uint8_t> before = Bytes();
    EXPECT_FALSE(ApplyPixelOperation(doc, env.ui, settings, PixelOperation::Sharpen));
    EXPECT_TRUE(env.ui.OnlyMessageIs("You can only sharpen true colour images. Please convert to true colour first.",
                                     "Not True Colour Image", MessageIcon::Information));
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(doc.Undo().Undo(doc));

    // The palette forms change the table only.
    env.ui.ClearMessages();
    const ColourRef first = doc.FindFrame(0)->image->GetColour(0);
    ASSERT_TRUE(ApplyPixelOperation(doc, env.ui, settings, PixelOperation::Negative));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(doc.FindFrame(0)->image->GetColour(0), first ^ 0xFFFFFFu);
}

TEST_F(FrameOperations, AFilterDialogsCancelChangesNothingAndOkRemembersTheAmount) {
    Make(1, 24);
    const std::vector<std::uint8_t> before = Bytes();
    env.ui.ExpectDialogOf<FilterAmountModel>("Blur Image", [](FilterAmountModel&) { return false; });
    EXPECT_FALSE(ApplyPixelOperation(doc, env.ui, settings, PixelOperation::Blur));
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(doc.changed);

    env.ui.ExpectDialogOf<FilterAmountModel>("Blur Image", [](FilterAmountModel& m) {
        m.SetText("100");
        return true;
    });
    ASSERT_TRUE(ApplyPixelOperation(doc, env.ui, settings, PixelOperation::Blur));
    EXPECT_NE(Bytes(), before);
    EXPECT_EQ(settings.GetInt("Image Bluring", "Percentage", 0), 100);
    ASSERT_TRUE(doc.Undo().Undo(doc));
    EXPECT_EQ(Bytes(), before);
}

TEST_F(FrameOperations, ALivePreviewFollowsTheSliderAndCancelRestoresTheFrameExactly) {
    Make(1, 24);
    const std::vector<std::uint8_t> before = Bytes();
    std::vector<std::uint8_t> previewed;
    int black = -1;
    int ten = -1;
    env.ui.ExpectDialogOf<ToneAdjustModel>("Gamma Correction", [&](ToneAdjustModel& m) {
        m.SetValue(100);
        previewed = Bytes();
        black = doc.FindFrame(0)->image->Line(0)[0];
        ten = doc.FindFrame(0)->image->Line(1)[0];
        return false;
    });
    EXPECT_FALSE(ApplyPixelOperation(doc, env.ui, settings, PixelOperation::Gamma));
    EXPECT_NE(previewed, before);
    EXPECT_EQ(black, 0);
    EXPECT_EQ(ten, 50);  // trunc(256 x (10 / 256)^0.5)
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(doc.changed);

    env.ui.ExpectDialogOf<ToneAdjustModel>("Gamma Correction", [&](ToneAdjustModel& m) {
        m.SetValue(100);
        return true;
    });
    ASSERT_TRUE(ApplyPixelOperation(doc, env.ui, settings, PixelOperation::Gamma));
    EXPECT_EQ(Bytes(), previewed);
    ASSERT_TRUE(doc.Undo().Undo(doc));
    EXPECT_EQ(Bytes(), before);

    // Gamma is for true colour only; contrast also takes a palette.
    doc.playing = true;
    EXPECT_FALSE(ApplyPixelOperation(doc, env.ui, settings, PixelOperation::Contrast));
}

}  // namespace
}  // namespace quillor
