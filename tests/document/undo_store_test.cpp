#include "document/undo_store.h"

#include <gtest/gtest.h>

#include <vector>

#include "document/anim_doc.h"
#include "support/fake_document_environment.h"

namespace quillor {
namespace {

// A document of `frames` small palette frames, each marked with its own index.
class UndoStoreTest : public ::testing::Test {
protected:
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
    void SetMark(int frame, std::uint8_t value) { Frame(frame).image->Line(0)[0] = value; }
    int Mark(int frame) { return Frame(frame).image->Line(0)[0]; }

    testing::FakeDocumentEnvironment environment;
    CAnimDoc document{environment};
    UndoStore store;
};

struct ChangeRecorder : DocumentObserver {
    std::vector<int> changed;
    void OnFramesChanged(CAnimDoc&, int frameIndex) override { changed.push_back(frameIndex); }
};

TEST_F(UndoStoreTest, TheRingKeepsTenStepsAndWrapsItsCounters) {
    MakeFrames(1);
    EXPECT_FALSE(store.Undo(document));  // a fresh store has nothing
    EXPECT_FALSE(store.Redo(document));
    EXPECT_EQ(Mark(0), 100);

    for (int i = 0; i < 11; ++i) {
        SetMark(0, std::uint8_t(i));
        store.Push(document);
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
    store.Push(document);
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

TEST_F(UndoStoreTest, UndoGoesBackToTheFrameTheSnapshotCameFrom) {
    MakeFrames(6);
    ChangeRecorder recorder;
    auto subscription = document.Subscribe(recorder);
    ASSERT_TRUE(document.ShowFrame(3));
    store.Push(document);
    SetMark(3, 7);
    ASSERT_TRUE(document.ShowFrame(5));

    ASSERT_TRUE(store.Undo(document));
    EXPECT_EQ(document.currentFrame, 3);
    EXPECT_EQ(Mark(3), 103);
    EXPECT_EQ(Mark(5), 105);
    EXPECT_EQ(recorder.changed, std::vector<int>{3});
}

TEST_F(UndoStoreTest, TheCompiledImageOfALayeredDocumentTakesNoSnapshot) {
    MakeFrames(2);
    document.isLayered = true;
    document.currentFrame = 0;
    store.Push(document);
    EXPECT_FALSE(store.CanUndo());
    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(store.Undo(document));

    document.currentFrame = 1;  // a layer is ordinary
    store.Push(document);
    EXPECT_TRUE(store.CanUndo());
}

TEST_F(UndoStoreTest, ANewChangeAfterUndoDropsTheRedoStepsAhead) {
    MakeFrames(1);
    // Ten pushes fill every slot; after two undos and a new push, the slot ahead still
    // holds a snapshot from the old history, which must never come back.
    for (int i = 0; i < 10; ++i) {
        SetMark(0, std::uint8_t(i));
        store.Push(document);
    }
    SetMark(0, 10);
    ASSERT_TRUE(store.Undo(document));
    ASSERT_TRUE(store.Undo(document));
    EXPECT_TRUE(store.CanRedo());
    EXPECT_EQ(Mark(0), 8);
    SetMark(0, 50);
    store.Push(document);
    SetMark(0, 51);

    EXPECT_FALSE(store.CanRedo());
    EXPECT_FALSE(store.Redo(document));
    EXPECT_EQ(Mark(0), 51);
    ASSERT_TRUE(store.Undo(document));
    EXPECT_EQ(Mark(0), 50);
    ASSERT_TRUE(store.Undo(document));
    EXPECT_EQ(Mark(0), 7);
}

TEST_F(UndoStoreTest, SnapshotsFollowTheirFramesWhenFramesComeAndGo) {
    MakeFrames(3);
    document.ShowFrame(2);
    store.Push(document);
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
    EXPECT_EQ(document.currentFrame, 3);
    EXPECT_EQ(Mark(3), 102);
    ASSERT_TRUE(store.Redo(document));
    EXPECT_EQ(Mark(3), 1);

    // Now frame 0 is changed, then frame 3 again, and frame 0 is deleted. Only frame 3's
    // step is left (as frame 2), before and after an undo.
    document.ShowFrame(0);
    store.Push(document);
    SetMark(0, 2);
    document.ShowFrame(3);
    store.Push(document);
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

}  // namespace
}  // namespace quillor
