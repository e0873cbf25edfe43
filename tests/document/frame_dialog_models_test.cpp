// The frame dialogs of an animation (rename, go to, playback range and rate, clearing
// several frames), driven through their models with the user scripted.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "document/anim_doc.h"
#include "document/animation_controls_model.h"
#include "document/clear_frames_model.h"
#include "document/frame_name_model.h"
#include "document/goto_frame_model.h"
#include "support/fake_document_environment.h"

namespace quillor {
namespace {

// An animation of `count` 6 x 4 frames named f1.bmp ..., every byte of frame i 10 + i.
class FrameDialogs : public ::testing::Test {
protected:
    void MakeAnimation(int count, int bits = 8) {
        doc.path = "/tmp/walk.qua";
        doc.isAnimation = true;
        doc.AddFrames(std::uint32_t(count));
        for (int i = 0; i < count; ++i) {
            AnimFrame& frame = *doc.FindFrame(i);
            ASSERT_TRUE(frame.image->CreateBlank(std::uint16_t(bits), 6, 4));
            std::memset(frame.image->GetBits(), 10 + i, frame.image->GetImageBytes());
            frame.colourMode = ColourModeFromBitCount(unsigned(bits));
            frame.name = "f" + std::to_string(i + 1) + ".bmp";
            frame.TakeSizeFromImage();
        }
        doc.frameCount = std::uint32_t(count);
        doc.rangeEnd = count;
    }
    std::uint8_t& Byte(int frame, int x, int y) { return doc.FindFrame(frame)->image->Line(y)[x]; }
    // Every pixel byte of the frame equals `value`.
    bool AllBytes(int frame, std::uint8_t value) {
        const COXDIB& image = *doc.FindFrame(frame)->image;
        for (int y = 0; y < image.GetSize().height; ++y)
            for (int i = 0; i < image.GetSize().width * image.GetBitCount() / 8; ++i)
                if (image.Line(y)[i] != value) return false;
        return true;
    }
    void ChooseClear(int choice, int start = 1, int finish = 1) {
        env.ui.ExpectDialogOf<ClearFramesModel>("Clear Canvas", [=](ClearFramesModel& m) {
            m.SetChoice(choice);
            m.SetStart(start);
            m.SetFinish(finish);
            return true;
        });
    }
    // A step of the document's history on `frame`, then a write into its first pixel.
    void Paint(int frame, std::uint8_t value) {
        doc.ShowFrame(frame);
        doc.Undo().Push(doc);
        if (PixelWriteGuard* guard = doc.Undo().GuardFor(*doc.FindFrame(frame))) guard->BeforeWrite({0, 0, 1, 1});
        Byte(frame, 0, 0) = value;
    }

    testing::FakeDocumentEnvironment env;
    CAnimDoc doc{env};
};

TEST_F(FrameDialogs, ATakenNameIsAskedForAgainAndCancelKeepsTheOldOne) {
    MakeAnimation(3);
    doc.ShowFrame(1);
    std::vector<std::string> opened;
    for (const char* typed : {"f3.bmp", "F3.bmp"}) {
        env.ui.ExpectDialogOf<FrameNameModel>("Change BMP Name", [&opened, typed](FrameNameModel& m) {
            opened.push_back(m.Name());
            m.SetName(typed);
            return true;
        });
    }
    EXPECT_TRUE(ChangeFrameName(doc, env.ui));
    EXPECT_EQ(opened, (std::vector<std::string>{"f2.bmp", "f3.bmp"})) << "the rejected name comes back";
    EXPECT_TRUE(env.ui.OnlyMessageIs("This file name already exists, please choose a unique file name.", "REQUEST",
                                     MessageIcon::Exclamation));
    EXPECT_EQ(doc.FindFrame(1)->name, "F3.bmp");
    EXPECT_NE(doc.Title().find("F3.bmp"), std::string::npos);
    EXPECT_TRUE(doc.IsModified());

    doc.SetChanged(false);
    env.ui.ExpectDialogOf<FrameNameModel>("Change BMP Name", [](FrameNameModel& m) {
        m.SetName("other.bmp");
        return false;
    });
    EXPECT_FALSE(ChangeFrameName(doc, env.ui));
    EXPECT_EQ(doc.FindFrame(1)->name, "F3.bmp");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(FrameNameModel("", {}).CheckOk()) << "an empty name could never be saved";
}

TEST_F(FrameDialogs, GotoRefusesWhatNamesNoFrame) {
    MakeAnimation(5);
    doc.ShowFrame(2);
    std::string opened;
    for (const char* typed : {"0", "6", "two", "", "3x", " 5 "}) {
        env.ui.ExpectDialogOf<GotoFrameModel>("Goto Frame in Animation Sequence", [&opened, typed](GotoFrameModel& m) {
            if (opened.empty()) opened = m.Text();
            m.SetText(typed);
            return true;
        });
    }
    EXPECT_EQ(AskGotoFrame(doc, env.ui), 4);
    EXPECT_EQ(opened, "3");
    ASSERT_EQ(env.ui.Messages().size(), 5u);
    EXPECT_EQ(env.ui.Messages()[0].text, "Please enter a frame number from 1 to 5.");
    EXPECT_EQ(doc.CurrentFrame(), 2) << "the caller shows the frame";

    env.ui.ExpectDialogOf<GotoFrameModel>("Goto Frame in Animation Sequence", [](GotoFrameModel&) { return false; });
    EXPECT_EQ(AskGotoFrame(doc, env.ui), std::nullopt);
}

TEST_F(FrameDialogs, ControlsCorrectTypingAndRefuseARateThatNeverSteps) {
    AnimationControlsModel m(12, 2, 9, 12.5);
    EXPECT_EQ(m.RateText(), "12.500");
    m.SetStartText("13");
    m.SetEndText("-4");
    EXPECT_EQ(m.StartText(), "12");
    EXPECT_EQ(m.EndText(), "1");
    m.SetEndText("");
    EXPECT_EQ(m.EndText(), "") << "a cleared field may be typed into";
    m.SetRateText("-3");
    EXPECT_EQ(m.RateText(), "1");
    m.SetRateText("12.5");
    m.SpinRate(-1);
    EXPECT_EQ(m.RateText(), "12.000");
    m.SpinRate(500);
    EXPECT_EQ(m.RateText(), "200.000");
    m.SpinEnd(50);
    EXPECT_EQ(m.EndText(), "12");
    EXPECT_FALSE(m.CheckOk());
    for (const char* rate : {"0", "0.0001", "abc", "inf"}) {
        m.SetRateText(rate);
        EXPECT_TRUE(m.CheckOk()) << rate;
    }
}

TEST_F(FrameDialogs, ControlsApplyTheRangeAndRate) {
    MakeAnimation(10);
    doc.playPosition = 9;
    doc.lastTick = 4000;
    AnimationControlsModel m(10, 2, 6, 12.5);
    ApplyAnimationControls(doc, m, env.settings);
    EXPECT_EQ(doc.rangeStart, 2);
    EXPECT_EQ(doc.rangeEnd, 6);
    EXPECT_NEAR(doc.frameDelay * 1000.0, 80.0, 1e-3);
    EXPECT_EQ(env.settings.GetString("Animation Controls", "Frames Per Second"), "12.500");
    EXPECT_EQ(doc.playPosition, 2) << "past the end: back to the start";
    EXPECT_EQ(doc.lastTick, 0.0);

    m.SetRateText("600");
    ApplyAnimationControls(doc, m, env.settings);
    EXPECT_FLOAT_EQ(doc.framesPerSecond, 200.0f);
    EXPECT_EQ(env.settings.GetString("Animation Controls", "Frames Per Second"), "200.000");

    m.SetRateText("0");
    ApplyAnimationControls(doc, m, env.settings);
    EXPECT_FLOAT_EQ(doc.framesPerSecond, 200.0f) << "refused values never reach the document";
}

TEST_F(FrameDialogs, ARangeIsClearedEndsSwappedWithoutUndoAndUndoLeavesItAlone) {
    MakeAnimation(5);
    doc.SetBackground(7);
    Paint(2, 99);
    Paint(0, 98);
    Paint(2, 97);
    ChooseClear(ClearFramesModel::kRange, 4, 2);
    env.ui.ExpectQuestion("CONFIRMATION REQUIRED", Answer::Yes);
    ClearCanvas(doc, env.ui, env.settings);
    ASSERT_EQ(env.ui.Questions().size(), 1u);
    EXPECT_EQ(env.ui.Questions()[0].text, "Are you sure you want clear this many frames? (no UNDO available!)");
    EXPECT_EQ(env.ui.Questions()[0].icon, MessageIcon::Question);
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(AllBytes(i, 7)) << i;
    EXPECT_TRUE(AllBytes(4, 14));
    EXPECT_EQ(env.settings.GetInt("Preferences", "Clear Start", 0), 4);

    // Frame 0's step is kept; frame 2's steps went with the clear.
    ASSERT_TRUE(doc.Undo().Undo(doc));
    EXPECT_EQ(Byte(0, 0, 0), 10);
    EXPECT_FALSE(doc.Undo().Undo(doc));
    EXPECT_TRUE(AllBytes(2, 7));
}

TEST_F(FrameDialogs, ClearingAllTakesTheTableColourAndTheCurrentFramesSize) {
    MakeAnimation(3, 24);
    AnimFrame& big = *doc.FindFrame(1);
    ASSERT_TRUE(big.image->CreateBlank(24, 8, 6));
    big.TakeSizeFromImage();
    big.image->FillBytes(1);
    doc.SetTableColour(3, MakeColour(200, 100, 50));
    doc.SetBackground(3);
    ChooseClear(ClearFramesModel::kAll);
    env.ui.ExpectQuestion("CONFIRMATION REQUIRED", Answer::Yes);
    ClearCanvas(doc, env.ui, env.settings);
    EXPECT_EQ(Byte(2, 0, 0), 50);  // blue, green, red
    EXPECT_EQ(Byte(2, 17, 3), 200);
    EXPECT_EQ(Byte(1, 17, 3), 200);  // inside 6 x 4 from the top left
    EXPECT_EQ(Byte(1, 18, 0), 1);
    EXPECT_EQ(Byte(1, 0, 4), 1);
}

TEST_F(FrameDialogs, NoOrCancelClearsNothingAndOneFrameIsClearedAsAStep) {
    MakeAnimation(3);
    env.settings.SetInt("Preferences", "Clear Type", 2);
    env.settings.SetInt("Preferences", "Clear Start", 40);
    env.ui.ExpectDialogOf<ClearFramesModel>("Clear Canvas", [](ClearFramesModel& m) {
        EXPECT_EQ(m.ChoiceMade(), ClearFramesModel::kAll);
        EXPECT_EQ(m.Start(), 3) << "beyond the frames";
        return true;
    });
    env.ui.ExpectQuestion("CONFIRMATION REQUIRED", Answer::No);
    ClearCanvas(doc, env.ui, env.settings);
    env.ui.ExpectDialogOf<ClearFramesModel>("Clear Canvas", [](ClearFramesModel&) { return false; });
    ClearCanvas(doc, env.ui, env.settings);
    doc.playing = true;  // blocked: not even the dialog
    ClearCanvas(doc, env.ui, env.settings);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(AllBytes(i, std::uint8_t(10 + i)));
    EXPECT_FALSE(doc.IsModified());

    CAnimDoc single(env);
    single.AddFrames(1);
    ASSERT_TRUE(single.FindFrame(0)->image->CreateBlank(8, 2, 2));
    std::memset(single.FindFrame(0)->image->GetBits(), 5, 8);
    ClearCanvas(single, env.ui, env.settings);
    EXPECT_EQ(single.FindFrame(0)->image->Line(0)[0], 0);
    EXPECT_TRUE(single.Undo().CanUndo());
}

}  // namespace
}  // namespace quillor
