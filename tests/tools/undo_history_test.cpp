// The document's history as the tools drive it. Random sequences of strokes, shapes,
// fills, clears, crops, undo and redo on random pictures are checked against a model
// that copies the whole frame at every step: whatever tiles the history keeps, undo and
// redo must give back exactly the frames that model gives back. A writer that forgets to
// announce what it writes shows up here as a frame that does not come back.

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "document/anim_doc.h"
#include "document/frame_clear.h"
#include "document/undo_store.h"
#include "support/fake_document_environment.h"
#include "support/fake_edit_view.h"
#include "tools/tool_context.h"
#include "tools/tool_ids.h"

namespace quillor {
namespace {

using namespace pointer_flags;

// A frame as a step must give it back: header, table and rows, and its attributes.
struct FrameState {
    std::vector<std::uint8_t> block;
    ColourMode mode = ColourMode::TrueColour;
    int width = 0;
    int height = 0;
    std::string name;
    bool operator==(const FrameState&) const = default;
};

FrameState Capture(const AnimFrame& frame) {
    const COXDIB& image = *frame.image;
    const auto* begin = reinterpret_cast<const std::uint8_t*>(image.Header());
    return {{begin, image.GetBits() + image.GetImageBytes()}, frame.colourMode, frame.width,
            frame.height, frame.name};
}

// The history as it was when every step copied its whole frame: at most ten steps
// behind, the undone steps ahead until the next change drops them.
class WholeFrameModel {
public:
    struct Step {
        int frame = 0;
        FrameState state;
    };

    void Push(int frame, FrameState before) {
        behind_.push_back({frame, std::move(before)});
        if (behind_.size() > std::size_t(UndoStore::kSlots)) behind_.pop_front();
        ahead_.clear();
    }
    // The step undone or redone, holding the state its frame must have now.
    std::optional<Step> Undo(const CAnimDoc& document) { return Swap(document, behind_, ahead_); }
    std::optional<Step> Redo(const CAnimDoc& document) { return Swap(document, ahead_, behind_); }

private:
    template <typename From, typename To>
    static std::optional<Step> Swap(const CAnimDoc& document, From& from, To& to) {
        if (from.empty()) return std::nullopt;
        Step step = std::move(from.back());
        from.pop_back();
        to.push_back({step.frame, Capture(*document.FindFrame(step.frame))});
        return step;
    }

    std::deque<Step> behind_;
    std::deque<Step> ahead_;
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::mt19937& engine) : engine_(engine) {}
    int Next() override { return int(engine_() & 0x7FFF); }

private:
    std::mt19937& engine_;
};

constexpr int kColours = 6;
constexpr int kBrushes[] = {kSinglePixelShape, 1027, 1028, 1039, 1033, 1036, 1037, 1045};

class HistoryAgainstWholeFrames : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        tools.ui = &env.ui;
        tools.random = &sprayRandom;
        tools.activeView = &view;
        tools.document = &doc;
    }

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool OneIn(int n) { return Between(1, n) == 1; }

    // Rectangles of a few colours, so that fills find areas to fill.
    void MakeFrames(int bits) {
        doc.AddFrames(2);
        for (const auto& frame : doc.Frames()) {
            ASSERT_TRUE(frame->image->CreateBlank(std::uint16_t(bits), Between(60, 220), Between(60, 220)));
            frame->colourMode = bits == 24 ? ColourMode::TrueColour : ColourMode::Colours256;
            frame->TakeSizeFromImage();
            frame->name = "frame " + std::to_string(frame->index);
            COXDIB& image = *frame->image;
            for (int r = 0; r < 25; ++r) {
                const int left = Between(0, frame->width - 1), top = Between(0, frame->height - 1);
                const int right = std::min(frame->width, left + Between(1, 80));
                const int bottom = std::min(frame->height, top + Between(1, 80));
                const int colour = Between(0, kColours - 1);
                const ColourRef c = doc.TableColour(std::size_t(colour));
                for (int y = top; y < bottom; ++y)
                    for (int x = left; x < right; ++x) {
                        if (bits == 8) {
                            image.Line(y)[x] = std::uint8_t(colour);
                        } else {
                            std::uint8_t* p = image.Line(y) + 3 * x;
                            p[0] = BlueOf(c), p[1] = GreenOf(c), p[2] = RedOf(c);
                        }
                    }
            }
        }
        ShowCurrentFrame();
        tools.Activated();
    }

    AnimFrame& Current() { return *doc.FindFrame(doc.CurrentFrame()); }
    // What the view does when the document shows another frame.
    void ShowCurrentFrame() { tools.currentImage = doc.FindFrame(doc.CurrentFrame()); }

    IntPoint Somewhere() {
        // Now and then off the picture: strokes and shapes are clipped there.
        return {Between(-30, Current().width + 30), Between(-30, Current().height + 30)};
    }

    // Runs `action`, which begins at most one step; the model takes the frame as the
    // history found it when it did.
    template <typename Action>
    bool Recorded(Action&& action) {
        const int frame = doc.CurrentFrame();
        FrameState before = Capture(Current());
        const std::uint8_t index = doc.Undo().Index();
        action();
        if (doc.Undo().Index() == index) return false;
        model.Push(frame, std::move(before));
        return true;
    }

    void Press(unsigned button, IntPoint at) {
        EXPECT_TRUE(Recorded([&] { tools.Press(button, at); })) << "a painting press begins a step";
    }
    void Stroke(int toolId) {
        tools.SelectTool(toolId);
        const unsigned button = OneIn(3) ? kRight : kLeft;
        const CapturedButton held = button == kLeft ? CapturedButton::Left : CapturedButton::Right;
        Press(button, Somewhere());
        for (int moves = Between(0, 6); moves > 0; --moves) {
            const IntPoint to = Somewhere();
            tools.Move(held, to);
            if (toolId == tool_id::kSpray) {
                // Held still: the spray keeps spraying.
                tools.TimerTick(to);
                tools.TimerTick(to);
            }
        }
        tools.Release(0, Somewhere());
        if (toolId == tool_id::kCurve) {
            tools.Move(CapturedButton::None, Somewhere());  // the bend follows the pointer
            const IntPoint bend = Somewhere();
            Press(button, bend);
            tools.Release(0, bend);
        }
    }
    // The brush preview painted into the frame between edits.
    void Hover() {
        tools.SelectTool(tool_id::kPaint);
        for (int moves = Between(1, 3); moves > 0; --moves)
            tools.Move(CapturedButton::None, {Between(0, Current().width - 1), Between(0, Current().height - 1)});
    }
    void ChangeBrushAndColours() {
        doc.SetForeground(std::uint8_t(Between(0, kColours - 1)));
        doc.SetBackground(std::uint8_t(Between(0, kColours - 1)));
        tools.RebuildBrush();
        tools.brush.ChooseShape(kBrushes[Between(0, int(std::size(kBrushes)) - 1)], tools.Target(), env.ui);
        tools.settings.brushAntiAlias = Between(0, 1);
        tools.symmetryOn = OneIn(5);
        tools.settings.symmetryStyle = Between(0, 2);
        tools.settings.symmetryPoints = Between(2, 5);
        tools.settings.symmetryCentreX = Current().width / 2;
        tools.settings.symmetryCentreY = Current().height / 2;
        tools.settings.spraySize = Between(1, 20);
        tools.settings.sprayDensity = Between(1, 30);
    }
    // What a crop does: a whole-frame step, then a frame of another size.
    void Crop() {
        Recorded([&] { doc.Undo().PushWholeFrame(doc); });
        AnimFrame& frame = Current();
        const int width = Between(20, frame.width), height = Between(20, frame.height);
        const int left = Between(0, frame.width - width), top = Between(0, frame.height - height);
        COXDIB cropped;
        ASSERT_TRUE(cropped.CreateBlank(frame.image->GetBitCount(), width, height));
        const int bytes = frame.image->GetBitCount() / 8;
        for (int y = 0; y < height; ++y)
            std::memcpy(cropped.Line(y), frame.image->Line(top + y) + left * bytes, std::size_t(width * bytes));
        *frame.image = std::move(cropped);
        frame.TakeSizeFromImage();
        frame.name += " cropped";
    }
    void UndoOrRedo(bool undo) {
        const int other = 1 - doc.CurrentFrame();
        const FrameState otherBefore = Capture(*doc.FindFrame(other));
        const auto expected = undo ? model.Undo(doc) : model.Redo(doc);
        const bool done = undo ? doc.Undo().Undo(doc) : doc.Undo().Redo(doc);
        ASSERT_EQ(done, expected.has_value()) << (undo ? "undo" : "redo");
        if (!done) return;
        ASSERT_EQ(doc.CurrentFrame(), expected->frame);
        ShowCurrentFrame();
        ASSERT_TRUE(Capture(Current()) == expected->state) << (undo ? "undo" : "redo");
        if (other != expected->frame) {
            ASSERT_TRUE(Capture(*doc.FindFrame(other)) == otherBefore) << "the other frame";
        }
    }

    void RunSequence(int bits, int actions) {
        MakeFrames(bits);
        ChangeBrushAndColours();
        static constexpr const char* kNames[] = {
            "paint", "paint", "spray", "line", "square", "filled square", "circle",
            "filled circle", "curve", "fill", "clear", "crop", "brush and colours", "hover",
            "undo", "undo", "redo", "other frame"};
        std::string done;
        for (int i = 0; i < actions && !HasFatalFailure(); ++i) {
            const int kind = Between(0, 17);
            done += std::string(kNames[kind]) + (tools.symmetryOn ? " (symmetric), " : ", ");
            SCOPED_TRACE(::testing::Message() << "after " << done);
            switch (kind) {
                case 0: case 1: Stroke(tool_id::kPaint); break;
                case 2: Stroke(tool_id::kSpray); break;
                case 3: Stroke(tool_id::kLine); break;
                case 4: Stroke(tool_id::kSquare); break;
                case 5: Stroke(tool_id::kFilledSquare); break;
                case 6: Stroke(tool_id::kCircle); break;
                case 7: Stroke(tool_id::kFilledCircle); break;
                case 8: Stroke(tool_id::kCurve); break;
                case 9: Stroke(tool_id::kFill); break;
                case 10: Recorded([&] { ClearCurrentFrame(doc); }); break;
                case 11: if (OneIn(3)) Crop(); break;
                case 12: ChangeBrushAndColours(); break;
                case 13: Hover(); break;
                case 14: case 15: UndoOrRedo(true); break;
                case 16: UndoOrRedo(false); break;
                case 17:
                    doc.ShowFrame(1 - doc.CurrentFrame());
                    ShowCurrentFrame();
                    break;
            }
        }
        // Everything still held comes back in order.
        for (int i = 0; i <= UndoStore::kSlots && !HasFatalFailure(); ++i) UndoOrRedo(true);
        for (int i = 0; i <= UndoStore::kSlots && !HasFatalFailure(); ++i) UndoOrRedo(false);
    }

    std::mt19937 random{std::uint32_t(GetParam())};
    SeededRandom sprayRandom{random};
    testing::FakeDocumentEnvironment env;
    CAnimDoc doc{env};
    testing::FakeEditView view{doc};
    ToolContext tools;
    WholeFrameModel model;
};

TEST_P(HistoryAgainstWholeFrames, OnPalettePictures) { RunSequence(8, 250); }

TEST_P(HistoryAgainstWholeFrames, OnTrueColourPictures) { RunSequence(24, 250); }

INSTANTIATE_TEST_SUITE_P(Seeds, HistoryAgainstWholeFrames, ::testing::Range(1, 17));

// --- One history per document --------------------------------------------------------------

class SharedHistory : public ::testing::Test {
protected:
    void SetUp() override {
        for (CAnimDoc* d : {&doc, &otherDoc}) {
            AnimFrame* frame = d->AddFrames(1);
            ASSERT_TRUE(frame->image->CreateBlank(8, 300, 200));
            frame->colourMode = ColourMode::Colours256;
            frame->TakeSizeFromImage();
        }
        tools.ui = &env.ui;
    }
    // What a window does when it becomes the active one.
    void Activate(EditViewPort& view) {
        tools.activeView = &view;
        tools.document = &view.Document();
        tools.currentImage = view.Document().FindFrame(view.Document().CurrentFrame());
        tools.Activated();
    }
    void Dab(std::uint8_t colour, IntPoint at) {
        tools.document->SetForeground(colour);
        tools.RebuildBrush();
        tools.Press(kLeft, at);
        tools.Release(0, at);
    }
    std::uint8_t Pixel(CAnimDoc& d, IntPoint at) { return d.FindFrame(0)->image->Line(at.y)[at.x]; }

    testing::FakeDocumentEnvironment env;
    CAnimDoc doc{env};
    CAnimDoc otherDoc{env};
    testing::FakeEditView windowA{doc};
    testing::FakeEditView windowB{doc};
    testing::FakeEditView otherWindow{otherDoc};
    ToolContext tools;
};

TEST_F(SharedHistory, TheWindowsOfADocumentUndoEachOthersStrokes) {
    const IntPoint a{10, 10}, b{200, 150};
    Activate(windowA);
    Dab(3, a);
    Activate(windowB);
    Dab(4, b);
    Dab(5, a);  // over window A's stroke
    ASSERT_EQ(Pixel(doc, a), 5);

    // Undo and redo from either window walk the one history, newest first.
    ASSERT_TRUE(doc.Undo().Undo(doc));
    EXPECT_EQ(Pixel(doc, a), 3);
    Activate(windowA);
    ASSERT_TRUE(doc.Undo().Undo(doc));
    EXPECT_EQ(Pixel(doc, b), 0);
    EXPECT_EQ(Pixel(doc, a), 3);
    Activate(windowB);
    ASSERT_TRUE(doc.Undo().Undo(doc));  // window A's stroke, undone from window B
    EXPECT_EQ(Pixel(doc, a), 0);
    EXPECT_FALSE(doc.Undo().Undo(doc));
    ASSERT_TRUE(doc.Undo().Redo(doc));
    ASSERT_TRUE(doc.Undo().Redo(doc));
    EXPECT_EQ(Pixel(doc, a), 3);
    EXPECT_EQ(Pixel(doc, b), 4);
}

TEST_F(SharedHistory, DocumentsKeepHistoriesOfTheirOwn) {
    Activate(windowA);
    Dab(3, {10, 10});
    Activate(otherWindow);
    Dab(4, {10, 10});
    // The other document's step is open, but not on this document's frame.
    EXPECT_EQ(otherDoc.Undo().GuardFor(*doc.FindFrame(0)), nullptr);
    ASSERT_TRUE(otherDoc.Undo().Undo(otherDoc));
    EXPECT_EQ(Pixel(otherDoc, {10, 10}), 0);
    EXPECT_EQ(Pixel(doc, {10, 10}), 3);
    EXPECT_FALSE(otherDoc.Undo().CanUndo());
    EXPECT_TRUE(doc.Undo().CanUndo());
}

TEST_F(SharedHistory, ThePreviewIsNoEditAndCostsTheHistoryNothing) {
    Activate(windowA);
    tools.brush.ChooseShape(1037, tools.Target(), env.ui);  // "Diam 31"
    Dab(3, {20, 20});
    const std::size_t held = doc.Undo().BytesHeld();
    // The pointer wanders over parts of the picture the stroke never reached.
    for (int x = 60; x < 300; x += 20) tools.Move(CapturedButton::None, {x, 150});
    EXPECT_EQ(doc.Undo().BytesHeld(), held);
    ASSERT_TRUE(doc.Undo().Undo(doc));
    EXPECT_EQ(Pixel(doc, {20, 20}), 0);
    EXPECT_EQ(Pixel(doc, {280, 150}), 0);
}

TEST_F(SharedHistory, ANewPictureOrAnOpenedFileStartsWithNoHistory) {
    Activate(windowA);
    Dab(3, {10, 10});
    ASSERT_TRUE(doc.Undo().CanUndo());
    doc.Open("/nonexistent/picture.bmp");  // its frames are replaced, read or not
    EXPECT_EQ(env.ui.Messages().size(), 1u);  // it could not be read
    EXPECT_FALSE(doc.Undo().CanUndo());
}

}  // namespace
}  // namespace quillor
