#include "document/undo_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "document/anim_doc.h"
#include "support/fake_document_environment.h"

namespace quillor {
namespace {

// A document of `frames` small palette frames, each marked with its own index. Writes
// announce themselves as every pixel writer does.
class UndoStoreTest : public ::testing::Test {
protected:
    void Push() { wholeFrames ? store.PushWholeFrame(document) : store.Push(document); }
    void MakeFrames(int frames) {
        document.AddFrames(std::uint32_t(frames));
        for (const auto& frame : document.Frames()) {
            ASSERT_TRUE(frame->image->CreateBlank(8, 4, 3));
            frame->TakeSizeFromImage();
            frame->colourMode = ColourMode::Colours256;
            frame->name = "frame" + std::to_string(frame->index);
            SetMark(frame->index, std::uint8_t(100 + frame->index));
        }
    }
    AnimFrame& Frame(int index) { return *document.FindFrame(index); }
    void SetMark(int frame, std::uint8_t value) {
        if (PixelWriteGuard* guard = store.GuardFor(Frame(frame))) guard->BeforeWrite({0, 0, 1, 1});
        Frame(frame).image->Line(0)[0] = value;
    }
    int Mark(int frame) { return Frame(frame).image->Line(0)[0]; }

    testing::FakeDocumentEnvironment environment;
    CAnimDoc document{environment};
    UndoStore store;
    bool wholeFrames = false;
};

// The ring's rules are the same whether its steps keep tiles or whole frames.
class UndoRing : public UndoStoreTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override { wholeFrames = GetParam(); }
};

struct ChangeRecorder : DocumentObserver {
    std::vector<int> changed;
    void OnFramesChanged(CAnimDoc&, int frameIndex) override { changed.push_back(frameIndex); }
};

TEST_P(UndoRing, TheRingKeepsTenStepsAndWrapsItsCounters) {
    MakeFrames(1);
    EXPECT_FALSE(store.Undo(document));  // a fresh store has nothing
    EXPECT_FALSE(store.Redo(document));
    EXPECT_EQ(Mark(0), 100);

    for (int i = 0; i < 11; ++i) {
        SetMark(0, std::uint8_t(i));
        Push();
    }
    SetMark(0, 11);
    EXPECT_EQ(store.Count(), 9);  // capped
    EXPECT_EQ(store.Index(), 0);  // wrapped past slot 9
    EXPECT_TRUE(document.IsModified());

    for (int expected = 10; expected >= 1; --expected) {
        ASSERT_TRUE(store.Undo(document));
        EXPECT_EQ(Mark(0), expected);
    }
    EXPECT_EQ(store.Count(), UndoStore::kNone);
    EXPECT_FALSE(store.Undo(document));
    EXPECT_EQ(Mark(0), 1);

    // All ten come back again, and no eleventh.
    for (int expected = 2; expected <= 11; ++expected) {
        ASSERT_TRUE(store.Redo(document));
        EXPECT_EQ(Mark(0), expected);
    }
    EXPECT_FALSE(store.Redo(document));
}

TEST_F(UndoStoreTest, UndoAndRedoExchangeThePixelsAndTheFrameAttributes) {
    MakeFrames(1);
    store.PushWholeFrame(document);
    // The change makes a different picture altogether.
    AnimFrame& frame = Frame(0);
    ASSERT_TRUE(frame.image->CreateBlank(24, 7, 5));
    frame.TakeSizeFromImage();
    frame.colourMode = ColourMode::TrueColour;
    frame.name = "changed";

    ASSERT_TRUE(store.Undo(document));
    EXPECT_EQ(frame.image->GetBitCount(), 8);
    EXPECT_EQ(frame.colourMode, ColourMode::Colours256);
    EXPECT_EQ(frame.width, 4);
    EXPECT_EQ(frame.height, 3);
    EXPECT_EQ(frame.name, "frame0");
    EXPECT_EQ(Mark(0), 100);

    ASSERT_TRUE(store.Redo(document));
    EXPECT_EQ(frame.image->GetBitCount(), 24);
    EXPECT_EQ(frame.colourMode, ColourMode::TrueColour);
    EXPECT_EQ(frame.width, 7);
    EXPECT_EQ(frame.height, 5);
    EXPECT_EQ(frame.name, "changed");
    EXPECT_FALSE(store.Redo(document));
}

TEST_P(UndoRing, UndoGoesBackToTheFrameTheSnapshotCameFrom) {
    MakeFrames(6);
    ChangeRecorder recorder;
    auto subscription = document.Subscribe(recorder);
    ASSERT_TRUE(document.ShowFrame(3));
    Push();
    SetMark(3, 7);
    ASSERT_TRUE(document.ShowFrame(5));

    ASSERT_TRUE(store.Undo(document));
    EXPECT_EQ(document.CurrentFrame(), 3);
    EXPECT_EQ(Mark(3), 103);
    EXPECT_EQ(Mark(5), 105);
    EXPECT_EQ(recorder.changed, std::vector<int>{3});
}

TEST_P(UndoRing, TheCompiledImageOfALayeredDocumentTakesNoSnapshot) {
    MakeFrames(2);
    document.isLayered = true;
    document.ShowFrame(0);
    Push();
    EXPECT_FALSE(store.CanUndo());
    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(store.Undo(document));

    document.ShowFrame(1);  // a layer is ordinary
    Push();
    EXPECT_TRUE(store.CanUndo());
}

TEST_P(UndoRing, ANewChangeAfterUndoDropsTheRedoStepsAhead) {
    MakeFrames(1);
    // Ten pushes fill every slot; after two undos and a new push, the slot ahead still
    // holds a snapshot from the old history, which must never come back.
    for (int i = 0; i < 10; ++i) {
        SetMark(0, std::uint8_t(i));
        Push();
    }
    SetMark(0, 10);
    ASSERT_TRUE(store.Undo(document));
    ASSERT_TRUE(store.Undo(document));
    EXPECT_TRUE(store.CanRedo());
    EXPECT_EQ(Mark(0), 8);
    SetMark(0, 50);
    Push();
    SetMark(0, 51);

    EXPECT_FALSE(store.CanRedo());
    EXPECT_FALSE(store.Redo(document));
    EXPECT_EQ(Mark(0), 51);
    ASSERT_TRUE(store.Undo(document));
    EXPECT_EQ(Mark(0), 50);
    ASSERT_TRUE(store.Undo(document));
    EXPECT_EQ(Mark(0), 7);
}

TEST_P(UndoRing, SnapshotsFollowTheirFramesWhenFramesComeAndGo) {
    MakeFrames(3);
    document.ShowFrame(2);
    Push();
    SetMark(2, 1);

    // A frame inserted at 1: the old frame 2 is now frame 3.
    for (const auto& frame : document.Frames())
        if (frame->index >= 1) ++frame->index;
    AnimFrame& inserted = *document.AddFrames(1);
    inserted.index = 1;
    ASSERT_TRUE(inserted.image->CreateBlank(8, 4, 3));
    SetMark(1, 55);
    store.FrameInserted(1);
    ASSERT_TRUE(store.Undo(document));
    EXPECT_EQ(document.CurrentFrame(), 3);
    EXPECT_EQ(Mark(3), 102);
    ASSERT_TRUE(store.Redo(document));
    EXPECT_EQ(Mark(3), 1);

    // Now frame 0 is changed, then frame 3 again, and frame 0 is deleted. Only frame 3's
    // step is left (as frame 2), before and after an undo.
    document.ShowFrame(0);
    Push();
    SetMark(0, 2);
    document.ShowFrame(3);
    Push();
    SetMark(3, 3);
    ASSERT_TRUE(store.Undo(document));
    EXPECT_EQ(Mark(3), 1);

    Frame(0).index = 99;  // gone from the numbering
    for (const auto& frame : document.Frames())
        if (frame->index != 99 && frame->index > 0) --frame->index;
    store.FrameDeleted(0);
    ASSERT_TRUE(store.Redo(document));
    EXPECT_EQ(Mark(2), 3);
    ASSERT_TRUE(store.Undo(document));
    EXPECT_EQ(Mark(2), 1);
    ASSERT_TRUE(store.Undo(document));  // the first step, on the same frame
    EXPECT_EQ(Mark(2), 102);
    // The deleted frame's step is not replayed on the frame that took its number.
    EXPECT_FALSE(store.Undo(document));
    EXPECT_EQ(Mark(0), 55);
    EXPECT_EQ(Mark(1), 101);
    EXPECT_EQ(Mark(99), 2);
}

INSTANTIATE_TEST_SUITE_P(TilesAndWholeFrames, UndoRing, ::testing::Bool());

TEST_F(UndoStoreTest, AStepHoldsWhatItsChangeReachedAndTheColourTable) {
    MakeFrames(1);
    AnimFrame& frame = Frame(0);
    ASSERT_TRUE(frame.image->CreateBlank(24, 2000, 1500));
    frame.TakeSizeFromImage();
    frame.colourMode = ColourMode::TrueColour;
    store.Push(document);
    EXPECT_TRUE(document.IsModified());
    EXPECT_LT(store.BytesHeld(), 4096u);  // nothing copied yet

    // A dab in the last, partial tile and one in the first.
    PixelWriteGuard* guard = store.GuardFor(frame);
    ASSERT_NE(guard, nullptr);
    guard->BeforeWrite({1990, 1490, 2005, 1505});
    for (int y = 1490; y < 1500; ++y) std::memset(frame.image->Line(y) + 3 * 1990, 7, 30);
    guard->BeforeWrite({0, 0, 1, 1});
    frame.image->Line(0)[0] = 9;
    const std::size_t tiles = std::size_t(64 * 64 + 16 * 28) * 3;  // 2000 = 31 x 64 + 16
    EXPECT_GE(store.BytesHeld(), tiles);
    EXPECT_LT(store.BytesHeld(), tiles + 4096);

    ASSERT_TRUE(store.Undo(document));
    EXPECT_EQ(frame.image->Line(0)[0], 255);
    EXPECT_EQ(frame.image->Line(1499)[3 * 1999], 255);
    ASSERT_TRUE(store.Redo(document));
    EXPECT_EQ(frame.image->Line(0)[0], 9);
    EXPECT_EQ(frame.image->Line(1499)[3 * 1999], 7);

    // A palette change needs no announcement: the table comes back with the step.
    MakeFrames(1);
    store.Reset();
    store.Push(document);
    Frame(0).image->SetTableWord(4, 0xABCDEF);
    ASSERT_TRUE(store.Undo(document));
    EXPECT_EQ(Frame(0).image->GetTableWord(4), DefaultColourTable()[4]);
}

TEST_F(UndoStoreTest, WritesReachAStepOnlyWhileItIsOpenOnTheirFrame) {
    MakeFrames(2);
    EXPECT_EQ(store.GuardFor(Frame(0)), nullptr);  // nothing begun
    store.Push(document);
    SetMark(0, 1);
    store.Push(document);
    EXPECT_NE(store.GuardFor(Frame(0)), nullptr);
    EXPECT_EQ(store.GuardFor(Frame(1)), nullptr);
    SetMark(0, 2);
    ASSERT_TRUE(store.Undo(document));
    // Undone, the step holds the change for redo; a write now is not part of it.
    EXPECT_EQ(store.GuardFor(Frame(0)), nullptr);
    ASSERT_TRUE(store.Redo(document));
    EXPECT_EQ(store.GuardFor(Frame(0)), nullptr);

    // A push on the compiled image of a layered document begins nothing there.
    document.isLayered = true;
    store.Push(document);
    EXPECT_EQ(store.GuardFor(Frame(0)), nullptr);
    document.isLayered = false;

    // An inserted frame leaves the open step open on its frame, a deleted one closes it.
    store.Push(document);
    AnimFrame& painted = Frame(0);
    AnimFrame& other = Frame(1);
    other.index = 2;
    painted.index = 1;
    store.FrameInserted(0);
    EXPECT_NE(store.GuardFor(painted), nullptr);
    other.index = 99;  // gone from the numbering
    store.FrameDeleted(2);
    EXPECT_NE(store.GuardFor(painted), nullptr);
    painted.index = 98;
    store.FrameDeleted(1);
    EXPECT_EQ(store.GuardFor(painted), nullptr);
}

TEST_F(UndoStoreTest, AFrameReshapedBehindAStepIsLeftAsItIs) {
    MakeFrames(1);
    store.Push(document);
    SetMark(0, 1);
    // Made over without a whole-frame step: the tiles no longer fit it.
    AnimFrame& frame = Frame(0);
    ASSERT_TRUE(frame.image->CreateBlank(24, 9, 9));
    frame.TakeSizeFromImage();
    EXPECT_FALSE(store.Undo(document));
    EXPECT_EQ(frame.image->GetBitCount(), 24);
    EXPECT_EQ(frame.width, 9);
    EXPECT_FALSE(store.CanUndo());
}

}  // namespace
}  // namespace quillor
