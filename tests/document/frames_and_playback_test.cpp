// Copying and removing frames, and playback: the order frames are shown in, who steps
// them and when.

#include <gtest/gtest.h>

#include <vector>

#include "document/anim_doc.h"
#include "document/playback.h"
#include "support/fake_document_environment.h"

namespace quillor {
namespace {

using testing::FakeDocumentEnvironment;

// Each frame is a 4 x 4 true-colour picture whose first pixel holds its own number.
struct Animation : ::testing::Test {
    FakeDocumentEnvironment env;
    CAnimDoc doc{env};
    const int view = 0;
    const int otherView = 0;

    void Make(const std::vector<std::string>& names) {
        doc.isAnimation = true;
        doc.AddFrames(std::uint32_t(names.size()));
        for (std::size_t i = 0; i < names.size(); ++i) {
            AnimFrame& frame = *doc.FindFrame(int(i));
            frame.image->CreateBlank(24, 4, 4);
            frame.image->Line(0)[0] = std::uint8_t(i + 1);
            frame.name = names[i];
            frame.TakeSizeFromImage();
        }
        doc.frameCount = std::uint32_t(names.size());
        doc.rangeEnd = int(names.size());
    }
    void MakeCount(int count) {
        std::vector<std::string> names;
        for (int i = 1; i <= count; ++i) names.push_back("f" + std::to_string(i) + ".bmp");
        Make(names);
    }
    std::vector<std::string> NamesInOrder() const {
        std::vector<std::string> names;
        for (int i = 0; i < doc.HeldFrames(); ++i) names.push_back(doc.FindFrame(i)->name);
        return names;
    }
    int Marker(int index) const { return doc.FindFrame(index)->image->Line(0)[0]; }

    // Runs the clock on in 1 ms ticks of `view` and records every frame number (from 1)
    // displayed, until `steps` frames have been shown or playback stops.
    std::vector<int> Play(std::size_t steps) {
        std::vector<int> shown;
        for (int guard = 0; guard < 100000 && shown.size() < steps; ++guard) {
            ++env.clock.now;
            if (PlaybackTick(doc, &view, env.clock.now)) shown.push_back(doc.ShownFrame() + 1);
            if (!doc.playing) break;
        }
        return shown;
    }
};

TEST_F(Animation, CopiesAreNamedAfterTheirOriginalAndFollowIt) {
    Make({"walk1.bmp", "walk2.bmp", "walk3.bmp"});
    ASSERT_TRUE(doc.InsertFrameCopy(1));
    EXPECT_EQ(NamesInOrder(), (std::vector<std::string>{"walk1.bmp", "walk2.bmp", "walk2_Copy.bmp", "walk3.bmp"}));
    EXPECT_EQ(doc.frameCount, 4u);
    EXPECT_EQ(doc.rangeEnd, 4);
    // The copy is a picture of its own.
    EXPECT_EQ(Marker(2), 2);
    doc.FindFrame(2)->image->Line(0)[0] = 99;
    EXPECT_EQ(Marker(1), 2);
    EXPECT_EQ(Marker(3), 3);

    ASSERT_TRUE(doc.InsertFrameCopy(2));
    EXPECT_EQ(doc.FindFrame(3)->name, "walk2_Copy2.bmp");
    ASSERT_TRUE(doc.InsertFrameCopy(3));
    EXPECT_EQ(doc.FindFrame(4)->name, "walk2_Copy3.bmp");
    EXPECT_EQ(doc.FindFrame(5)->name, "walk3.bmp");
    EXPECT_FALSE(doc.InsertFrameCopy(9));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Animation, CopyNamesLookAtTheFileNameOnly) {
    Make({"/pics/run_Copy/v1.2/jump.png", "/pics/v1.2/noext", "/pics/a_Copy12.bmp"});
    doc.InsertFrameCopy(0);
    EXPECT_EQ(doc.FindFrame(1)->name, "/pics/run_Copy/v1.2/jump_Copy.bmp");
    doc.InsertFrameCopy(2);
    EXPECT_EQ(doc.FindFrame(3)->name, "/pics/v1.2/noext_Copy.bmp");
    doc.InsertFrameCopy(4);
    EXPECT_EQ(doc.FindFrame(5)->name, "/pics/a_Copy13.bmp");
}

TEST_F(Animation, DeletingMovesLaterFramesDownAndKeepsTheEditedFrameInReach) {
    MakeCount(4);
    doc.ShowFrame(3);
    ASSERT_TRUE(doc.DeleteFrame(3));
    EXPECT_EQ(doc.CurrentFrame(), 2);
    EXPECT_EQ(doc.frameCount, 3u);
    EXPECT_EQ(doc.rangeEnd, 3);

    // Deleting a frame before the edited one keeps editing the same picture.
    ASSERT_TRUE(doc.DeleteFrame(0));
    EXPECT_EQ(doc.CurrentFrame(), 1);
    EXPECT_EQ(Marker(doc.CurrentFrame()), 3);
    EXPECT_EQ(Marker(0), 2);

    EXPECT_FALSE(doc.DeleteFrame(7));
    ASSERT_TRUE(doc.DeleteFrame(1));
    EXPECT_FALSE(doc.DeleteFrame(0)) << "the only frame stays";
    EXPECT_EQ(doc.HeldFrames(), 1);
}

TEST_F(Animation, UndoStepsFollowTheirFramesAcrossCopiesAndDeletions) {
    MakeCount(3);
    doc.ShowFrame(1);
    doc.Undo().PushWholeFrame(doc);
    doc.FindFrame(1)->image->Line(0)[0] = 50;
    doc.InsertFrameCopy(0);  // frame 1 is now frame 2
    ASSERT_TRUE(doc.Undo().Undo(doc));
    EXPECT_EQ(Marker(2), 2);
    EXPECT_EQ(Marker(1), 1) << "the copy of frame 0 is untouched";

    doc.ShowFrame(0);
    doc.Undo().PushWholeFrame(doc);
    doc.FindFrame(0)->image->Line(0)[0] = 60;
    doc.DeleteFrame(0);
    EXPECT_FALSE(doc.Undo().Undo(doc) && Marker(0) != 1)
        << "a step of a deleted frame never lands in the frame that took its place";
    EXPECT_EQ(Marker(0), 1);
}

TEST_F(Animation, LoopRunsBackwardsOverAReversedRange) {
    MakeCount(6);
    doc.rangeStart = 5;
    doc.rangeEnd = 2;
    doc.frameDelay = 0.1f;
    doc.ShowFrame(4);
    PlayLoop(doc, &view, env.clock.now);
    EXPECT_TRUE(doc.playing);
    EXPECT_EQ(Play(6), (std::vector<int>{4, 3, 2, 5, 4, 3}));
    EXPECT_EQ(doc.CurrentFrame(), 4) << "playback never changes the frame being edited";
}

TEST_F(Animation, PingPongTurnsAtBothEnds) {
    MakeCount(4);
    doc.frameDelay = 0.05f;
    PlayPingPong(doc, &view, env.clock.now);
    EXPECT_EQ(Play(8), (std::vector<int>{2, 3, 4, 3, 2, 1, 2, 3}));
}

TEST_F(Animation, PlayOnceShowsTheRangeThenReturnsToTheEditedFrame) {
    MakeCount(6);
    doc.rangeStart = 1;
    doc.rangeEnd = 3;
    doc.ShowFrame(4);
    PlayOnce(doc, &view, env.clock.now);
    EXPECT_EQ(doc.ShownFrame(), 0);
    EXPECT_EQ(doc.CurrentFrame(), 4);
    EXPECT_EQ(Play(10), (std::vector<int>{2, 3, 5}));
    EXPECT_FALSE(doc.playing);
    EXPECT_EQ(doc.ShownFrame(), 4);
}

TEST_F(Animation, OnlyThePlayerStepsAndOnlyWhenAStepIsDue) {
    MakeCount(3);
    doc.frameDelay = 1.0f / 12.5f;
    PlayLoop(doc, &view, env.clock.now);
    env.clock.now += 79;
    EXPECT_FALSE(PlaybackTick(doc, &view, env.clock.now));
    EXPECT_TRUE(doc.tickShown);
    env.clock.now += 1;
    EXPECT_FALSE(PlaybackTick(doc, &otherView, env.clock.now)) << "another view of the document";
    EXPECT_TRUE(PlaybackTick(doc, &view, env.clock.now));
    EXPECT_EQ(doc.ShownFrame(), 1);
    EXPECT_EQ(MillisecondsToNextStep(doc, &view, env.clock.now), 80);
    EXPECT_EQ(MillisecondsToNextStep(doc, &otherView, env.clock.now), -1);
}

TEST_F(Animation, TheRateHoldsOnAverageAndAStallIsNotMadeUpInABurst) {
    MakeCount(10);
    doc.frameDelay = 1.0f / 60.0f;
    PlayLoop(doc, &view, env.clock.now);
    // The sixtieth step falls due at the end of the second, give or take the rounding of
    // the frame delay.
    int steps = 0;
    for (int ms = 0; ms < 1001; ++ms) steps += PlaybackTick(doc, &view, ++env.clock.now);
    EXPECT_EQ(steps, 60);

    env.clock.now += 500;
    steps = 0;
    for (int ms = 0; ms < 10; ++ms) steps += PlaybackTick(doc, &view, ++env.clock.now);
    EXPECT_EQ(steps, 1);
}

TEST_F(Animation, PlayCommandsSwitchStopAndResume) {
    MakeCount(5);
    doc.frameDelay = 0.01f;
    doc.ShowFrame(1);
    PlayLoop(doc, &view, env.clock.now);
    EXPECT_EQ(Play(2), (std::vector<int>{3, 4}));

    // Ping-pong while a loop runs only changes the mode: playback goes on from where it is.
    PlayPingPong(doc, &view, env.clock.now);
    EXPECT_TRUE(doc.playing);
    EXPECT_EQ(doc.playMode, kPlayPingPong);
    EXPECT_EQ(Play(3), (std::vector<int>{5, 4, 3}));

    // The running mode's own command stops it and shows the edited frame.
    PlayPingPong(doc, &view, env.clock.now);
    EXPECT_FALSE(doc.playing);
    EXPECT_EQ(doc.ShownFrame(), 1);

    // Stop resumes as a loop from the last playback position.
    const int position = doc.playPosition;
    StopAnimation(doc, &view);
    EXPECT_TRUE(doc.playing);
    EXPECT_EQ(doc.playMode, kPlayLoop);
    EXPECT_EQ(doc.playPosition, position);
    StopAnimation(doc, &view);
    EXPECT_FALSE(doc.playing);

    // Once, pressed while a loop runs, starts over at the start of the range.
    PlayLoop(doc, &view, env.clock.now);
    PlayOnce(doc, &view, env.clock.now);
    EXPECT_TRUE(doc.playing);
    EXPECT_EQ(doc.ShownFrame(), 0);
    PlayOnce(doc, &view, env.clock.now);
    EXPECT_FALSE(doc.playing);
    EXPECT_EQ(doc.ShownFrame(), 1);
}

TEST_F(Animation, AClosingPlayerEndsPlaybackOthersDoNot) {
    MakeCount(3);
    PlayLoop(doc, &view, env.clock.now);
    EndPlayback(doc, &otherView);
    EXPECT_TRUE(doc.playing);
    EndPlayback(doc, &view);
    EXPECT_FALSE(doc.playing);
    EXPECT_EQ(doc.playerView, nullptr);
}

TEST_F(Animation, TheTitleNamesTheFrameOnShow) {
    Make({"a.bmp", "b.bmp"});
    doc.path = "/x/anim.qua";
    doc.DisplayPlaybackFrame(1);
    EXPECT_NE(doc.Title().find("b.bmp - Frame 2 of 2"), std::string::npos) << doc.Title();
    doc.ShowFrame(0);
    EXPECT_NE(doc.Title().find("a.bmp - Frame 1 of 2"), std::string::npos) << doc.Title();
}

}  // namespace
}  // namespace quillor
