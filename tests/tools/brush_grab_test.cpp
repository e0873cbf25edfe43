// Grabbing a brush from the picture: the rectangle's corners and clamping, the pixels and
// handle it takes, and the frames an animated grab collects (wrapping round, stopping at
// a frame of the other depth).

#include "tools/brush_grab.h"

#include <gtest/gtest.h>

#include "document/anim_doc.h"
#include "support/fake_document_environment.h"

namespace quillor {
namespace {

class BrushGrab : public ::testing::Test {
protected:
    // Frames of the given bit counts, 10 x 8, pixel bytes 100 * frame + 10 * y + byte.
    void Make(std::initializer_list<int> bits) {
        const int count = int(bits.size());
        doc.AddFrames(std::uint32_t(count));
        int i = 0;
        for (int b : bits) {
            AnimFrame& frame = *doc.FindFrame(i);
            ASSERT_TRUE(frame.image->CreateBlank(std::uint16_t(b), 10, 8));
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 10 * b / 8; ++x) frame.image->Line(y)[x] = std::uint8_t(100 * i + 10 * y + x);
            frame.image->SetColour(3, MakeColour(1, 2, 3));
            frame.colourMode = ColourModeFromBitCount(unsigned(b));
            frame.TakeSizeFromImage();
            ++i;
        }
        if (count > 1) {
            doc.isAnimation = true;
            doc.frameCount = std::uint32_t(count);
        }
    }
    std::uint8_t FramePixel(int frame, int x, int y) { return doc.FindFrame(frame)->image->Line(y)[x]; }
    bool Grab(const IntRect& area, GrabSettings settings = {}, const GrabMask* mask = nullptr) {
        return GrabBrush(brush, doc, area, mask, settings, true, env.ui);
    }

    testing::FakeDocumentEnvironment env;
    CAnimDoc doc{env};
    PaintBrush brush;
};

TEST(GrabRectangle, BothCornersAreInsideAndTheEdgesAreCutToThePicture) {
    const IntRect r = GrabRectangle({5, 5}, {2, 8}, 10, 10);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 5);
    EXPECT_EQ(r.Width(), 4);
    EXPECT_EQ(r.Height(), 4);
    const IntRect past = GrabRectangle({7, -3}, {14, 2}, 10, 10);
    EXPECT_EQ(past.right, 10);  // ends at column 9
    EXPECT_EQ(past.top, 0);
    EXPECT_TRUE(GrabRectangle({12, 12}, {15, 20}, 10, 10).Empty());
}

TEST_F(BrushGrab, APaletteGrabTakesIndicesHandleAndPaletteAndBecomesTheGrabbedBrush) {
    Make({8});
    doc.SetBackground(77);
    ASSERT_TRUE(Grab(GrabRectangle({5, 5}, {2, 7}, 10, 8)));
    const BrushRecord& b = brush.Current(false);
    EXPECT_EQ(brush.kind, BrushKind::Grabbed);
    EXPECT_FALSE(b.borrowed);
    EXPECT_EQ(b.width, 4);
    EXPECT_EQ(b.height, 3);
    EXPECT_EQ(b.handleX, 3);
    EXPECT_EQ(b.handleY, 2);
    ASSERT_EQ(b.frameCount, 1u);
    EXPECT_EQ(b.frames[0][0], FramePixel(0, 2, 5));
    EXPECT_EQ(b.frames[0][11], FramePixel(0, 5, 7));
    EXPECT_EQ(b.palette[3], MakeColour(1, 2, 3));
    EXPECT_EQ(b.rememberedBackground, 77u);

    // Parts of an area off the picture take the background index.
    ASSERT_TRUE(Grab(IntRect{8, 6, 12, 9}));
    EXPECT_EQ(brush.Current(false).frames[0][0], FramePixel(0, 8, 6));
    EXPECT_EQ(brush.Current(false).frames[0][2], 77);
    EXPECT_EQ(brush.Current(false).frames[0][11], 77);
    // The grab before is the previous brush.
    EXPECT_EQ(brush.Previous(false).width, 4);
}

TEST_F(BrushGrab, APaletteGrabLeavesOutTheColoursTheStencilProtects) {
    Make({8});
    doc.SetBackground(77);
    // Row 2 of the frame holds indices 20 to 29; the stencil protects 22.
    GrabSettings settings;
    settings.isProtected = [](std::uint8_t index) { return index == 22; };
    ASSERT_TRUE(Grab(IntRect{1, 2, 4, 3}, settings));
    EXPECT_EQ(brush.Current(false).frames[0], (std::vector<std::uint8_t>{21, 77, 23}));
}

TEST_F(BrushGrab, ATrueColourGrabStoresRedGreenBlueAndRemembersTheTablesBackground) {
    Make({24});
    doc.SetTableColour(5, MakeColour(9, 8, 7));
    doc.SetBackground(5);
    ASSERT_TRUE(Grab(IntRect{1, 2, 3, 3}));
    const BrushRecord& b = brush.Current(true);
    const std::uint8_t* p = doc.FindFrame(0)->image->Line(2) + 3;  // pixel (1, 2): blue, green, red
    EXPECT_EQ(b.frames[0], (std::vector<std::uint8_t>{p[2], p[1], p[0], p[5], p[4], p[3]}));
    EXPECT_EQ(b.rememberedBackground, MakeColour(9, 8, 7));
    EXPECT_TRUE(brush.Current(false).frames.empty());  // the other depth is left alone
}

TEST_F(BrushGrab, AnAnimatedGrabWrapsRoundTheFramesAndStopsAtTheOtherDepth) {
    Make({8, 8, 8});
    doc.ShowFrame(2);
    ASSERT_TRUE(Grab(IntRect{0, 0, 2, 2}, GrabSettings{true, 5}));
    const BrushRecord& b = brush.Current(false);
    ASSERT_EQ(b.frameCount, 3u);
    EXPECT_EQ(b.frames[0][0], FramePixel(2, 0, 0));
    EXPECT_EQ(b.frames[1][0], FramePixel(0, 0, 0));
    EXPECT_EQ(b.frames[2][0], FramePixel(1, 0, 0));

    ASSERT_TRUE(Grab(IntRect{0, 0, 2, 2}, GrabSettings{false, 5}));
    EXPECT_EQ(brush.Current(false).frameCount, 1u);
    ASSERT_TRUE(Grab(IntRect{0, 0, 2, 2}, GrabSettings{true, 0}));  // nothing stored: every frame
    EXPECT_EQ(brush.Current(false).frameCount, 3u);
    EXPECT_TRUE(env.ui.Messages().empty());
}

TEST_F(BrushGrab, MixedDepthsWarnOnceAndKeepTheFramesBefore) {
    Make({8, 8, 24, 8});
    ASSERT_TRUE(Grab(IntRect{0, 0, 3, 3}, GrabSettings{true, 4}));
    EXPECT_EQ(brush.Current(false).frameCount, 2u);
    EXPECT_TRUE(env.ui.OnlyMessageIs(
        "There are True Colour images in this animation, the 256 Colour brush grab will ignore these.",
        "Mixed Animation", MessageIcon::Information));
}

TEST_F(BrushGrab, AnEmptyAreaLeavesTheBrushAsItWas) {
    Make({8});
    ASSERT_TRUE(Grab(IntRect{0, 0, 2, 2}));
    const BrushRecord before = brush.Current(false);
    EXPECT_FALSE(Grab(GrabRectangle({20, 20}, {30, 30}, 10, 8)));
    EXPECT_EQ(brush.Current(false).frames, before.frames);
    EXPECT_EQ(brush.Current(false).width, 2);
}

TEST(FreehandOutline, AnOpenOutlineIsClosedToItsStartAndOnlyWhatLiesOutsideIsMarked) {
    // A right triangle drawn as two sides; the third, back up to the start, is left open.
    FreehandOutline outline(20, 20, {2, 2});
    outline.LineTo({8, 2});
    outline.LineTo({2, 8});
    const IntRect area = outline.Close();
    // The box runs one beyond the points that pushed it: x and y from 1 to 9.
    EXPECT_EQ(area.left, 2);
    EXPECT_EQ(area.top, 2);
    EXPECT_EQ(area.Width(), 7);
    EXPECT_EQ(area.Height(), 7);
    const GrabMask& mask = outline.Mask();
    EXPECT_EQ(mask.stride, 22);  // 20 rounded up to 4, plus the margin
    EXPECT_TRUE(mask.Outside(7, 7));   // beyond the slanted side
    EXPECT_TRUE(mask.Outside(8, 8));
    EXPECT_FALSE(mask.Outside(3, 4));  // inside: the closing side kept the fill out
    EXPECT_FALSE(mask.Outside(2, 6));  // on the closing side
    EXPECT_FALSE(mask.Outside(5, 5));  // on the slanted side
    EXPECT_TRUE(mask.Outside(-5, 3));  // beyond the mask altogether
}

TEST_F(BrushGrab, AFreehandGrabKeepsTheInsideAndMakesTheOutsideTransparent) {
    Make({8});
    doc.SetBackground(250);
    FreehandOutline outline(10, 8, {1, 1});
    outline.LineTo({6, 1});
    outline.LineTo({1, 6});
    const IntRect area = outline.Close();
    ASSERT_TRUE(GrabBrush(brush, doc, area, &outline.Mask(), {}, false, env.ui));
    const BrushRecord& b = brush.Current(false);
    ASSERT_EQ(b.width, 6);
    ASSERT_EQ(b.height, 6);
    EXPECT_EQ(b.frames[0][0], FramePixel(0, 1, 1));                   // the corner, on the outline
    EXPECT_EQ(b.frames[0][std::size_t(5 * 6 + 5)], 250);               // (6, 6): outside
    EXPECT_EQ(b.frames[0][std::size_t(1 * 6 + 1)], FramePixel(0, 2, 2));  // inside
}

TEST_F(BrushGrab, CellsOutsideTheMaskTakeTheBackground) {
    Make({8});
    doc.SetBackground(200);
    GrabMask mask;
    mask.stride = 12 + 2;
    mask.rows = 8 + 2;
    mask.cells.assign(std::size_t(mask.stride * mask.rows), GrabMask::kUnknown);
    mask.cells[std::size_t(1 * mask.stride + 2)] = GrabMask::kOutside;  // picture pixel (1, 0)
    ASSERT_TRUE(Grab(IntRect{0, 0, 3, 1}, {}, &mask));
    EXPECT_EQ(brush.Current(false).frames[0], (std::vector<std::uint8_t>{FramePixel(0, 0, 0), 200, FramePixel(0, 2, 0)}));
}

}  // namespace
}  // namespace quillor
