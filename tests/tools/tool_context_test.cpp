// The tools as the edit view drives them: presses, drags, releases and timer ticks in
// picture coordinates, checked on the frame's pixels.

#include "tools/click_tools.h"
#include "tools/tool_context.h"

#include <gtest/gtest.h>

#include <deque>

#include "document/anim_doc.h"
#include "support/fake_document_environment.h"
#include "support/fake_edit_view.h"
#include "support/fake_text_rasteriser.h"
#include "support/test_images.h"
#include "tools/band_tools.h"
#include "tools/text_brush.h"
#include "tools/tool_factory.h"
#include "tools/paint_tool.h"
#include "document/undo_store.h"

namespace quillor {
namespace {

using namespace pointer_flags;

using FakeView = testing::FakeEditView;

class ScriptedRandom final : public RandomSource {
public:
    std::deque<int> values;
    int Next() override {
        if (values.empty()) return 0;
        const int v = values.front();
        values.pop_front();
        values.push_back(v);
        return v;
    }
};

class Tools : public ::testing::Test {
protected:
    void Open(int bits, int width = 40, int height = 30) {
        AnimFrame* frame = doc.AddFrames(1);
        frame->image->CreateBlank(std::uint16_t(bits), width, height);
        frame->colourMode = bits == 24 ? ColourMode::TrueColour : ColourMode::Colours256;
        frame->TakeSizeFromImage();
        tools.ui = &env.ui;
        tools.activeView = &view;
        tools.document = &doc;
        tools.currentImage = frame;
        tools.Activated();
    }
    std::uint8_t Index(int x, int y) { return doc.FindFrame(0)->image->Line(y)[x]; }
    TableWord Shown(int x, int y) { return testing::ShownColour(*doc.FindFrame(0)->image, x, y); }
    void Stroke(unsigned button, std::initializer_list<IntPoint> points) {
        auto it = points.begin();
        tools.Press(button, *it);
        for (++it; it != points.end(); ++it)
            tools.Move(button == kLeft ? CapturedButton::Left : CapturedButton::Right, *it);
        tools.Release(0, *(points.end() - 1));
    }

    testing::FakeDocumentEnvironment env;
    CAnimDoc doc{env};
    FakeView view{doc};
    ToolContext tools;
};

TEST_F(Tools, APaintStrokeUsesTheBrushAndCanBeUndone) {
    Open(8);
    doc.SetForeground(5);
    tools.RebuildBrush();  // as every colour change does
    Stroke(kLeft, {{2, 2}, {6, 2}});
    for (int x = 2; x <= 5; ++x) EXPECT_EQ(Index(x, 2), 5) << x;
    EXPECT_EQ(Index(6, 2), 0);  // a segment's end is where the next one would start
    EXPECT_TRUE(doc.changed);
    ASSERT_TRUE(doc.Undo().Undo(doc));
    EXPECT_EQ(Index(3, 2), 0);
}

TEST_F(Tools, TheStencilKeepsPaintFillsAndGrabsOffTheColoursItProtects) {
    Open(8);
    for (int x = 0; x < 10; ++x) doc.FindFrame(0)->image->Line(2)[x] = std::uint8_t(x < 5 ? 5 : 6);
    doc.stencil.Set(5, true);
    doc.SetForeground(9);
    tools.RebuildBrush();
    tools.stencilOn = true;
    Stroke(kLeft, {{0, 2}, {9, 2}});
    EXPECT_EQ(Index(2, 2), 5);  // protected
    EXPECT_EQ(Index(6, 2), 9);  // free
    tools.SelectTool(tool_id::kFill);
    Stroke(kLeft, {{1, 2}});
    EXPECT_EQ(Index(1, 2), 5);  // a fill from a protected colour does nothing
    tools.SelectTool(tool_id::kGrab);
    Stroke(kLeft, {{3, 2}, {6, 2}});
    EXPECT_EQ(tools.brush.Current(false).frames[0], (std::vector<std::uint8_t>{0, 0, 9, 9}));
    // Off, the stencil protects nothing; true-colour pictures never have one.
    tools.stencilOn = false;
    tools.SelectTool(tool_id::kPaint);
    tools.brush.UseSinglePixel(tools.Target(), env.ui);
    Stroke(kLeft, {{0, 2}, {3, 2}});
    EXPECT_EQ(Index(1, 2), 9);
    EXPECT_FALSE(tools.Target().isProtected);
}

TEST_F(Tools, WhileTheStencilWindowChoosesAPickProtectsOrFreesTheIndexAndStays) {
    Open(8);
    tools.SelectTool(tool_id::kLine);
    doc.FindFrame(0)->image->Line(4)[4] = 7;
    doc.stencil.choosing = true;
    tools.SelectTool(tool_id::kPick);
    Stroke(kLeft, {{4, 4}});
    EXPECT_TRUE(doc.stencil.Protects(7));
    EXPECT_EQ(doc.Foreground(), 1);  // the painting colours are left alone
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kPick);
    Stroke(kRight, {{4, 4}});
    EXPECT_FALSE(doc.stencil.Protects(7));
    doc.stencil.choosing = false;
    Stroke(kLeft, {{4, 4}});
    EXPECT_EQ(doc.Foreground(), 7);
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kLine);
}

TEST_F(Tools, TheRedEyeToolReducesItsSquaredRectangleAsOneUndoStep) {
    Open(24);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            std::uint8_t* p = doc.FindFrame(0)->image->Line(y) + 3 * x;
            p[0] = 60, p[1] = 40, p[2] = 200;  // red 200, green 40, blue 60
        }
    tools.settings.squareOnly = 0;  // the band is squared
    tools.SelectTool(tool_id::kRedEye);
    Stroke(kLeft, {{2, 2}, {5, 3}, {6, 3}});  // 5 x 2 dragged: columns and rows 2 to 6
    EXPECT_EQ(Shown(2, 2), 0x32283Cu);
    EXPECT_EQ(Shown(6, 6), 0x32283Cu);
    EXPECT_EQ(Shown(7, 2), 0xC8283Cu);
    EXPECT_EQ(Shown(2, 7), 0xC8283Cu);
    ASSERT_TRUE(doc.Undo().Undo(doc));
    EXPECT_EQ(Shown(4, 4), 0xC8283Cu);
}

TEST_F(Tools, WithTheFxBrushOnALeftStrokeTintsEachPixelOnceAndTheRightButtonPaints) {
    Open(24);
    for (int y = 0; y < 30; ++y) std::fill_n(doc.FindFrame(0)->image->Line(y), 40 * 3, std::uint8_t(0));
    doc.SetTableColour(1, MakeColour(255, 255, 255));
    doc.SetTableColour(0, MakeColour(10, 20, 30));
    doc.SetForeground(1);
    doc.SetBackground(0);
    tools.RebuildBrush();
    tools.fxBrushOn = true;
    tools.settings.fxType = 1;  // tint, 50 percent over the whole brush
    tools.settings.fxOpacity = 50;
    Stroke(kLeft, {{2, 2}, {6, 2}, {2, 2}});  // there and back again
    EXPECT_EQ(Shown(3, 2), 0x7F7F7Fu);        // tinted once only
    EXPECT_EQ(Shown(7, 2), 0x000000u);
    Stroke(kLeft, {{3, 2}});  // a new stroke starts from the picture as it is
    EXPECT_EQ(Shown(3, 2), 0xBFBFBFu);
    Stroke(kRight, {{3, 4}, {5, 4}});  // the right button paints the background plainly
    EXPECT_EQ(Shown(4, 4), 0x0A141Eu);
    tools.symmetryOn = true;  // so do symmetric strokes
    tools.settings.symmetryPoints = 1;
    Stroke(kLeft, {{3, 6}, {5, 6}});
    EXPECT_EQ(Shown(4, 6), 0xFFFFFFu);
}

TEST_F(Tools, TheTextToolPaintsItsTextBrushAndTheHandleToolMovesThatBrush) {
    Open(8);
    doc.SetForeground(5);
    testing::FakeTextRasteriser fonts;
    TextStyle style;
    style.pixelSize = 6;
    ASSERT_TRUE(BuildTextBrush(tools.textBrush, fonts, "abc", style, tools.Target()));
    // Measured 4 wide and 10 high: 4 + 5 - 1 = 8 wide, handle (5, 6). The ink is
    // columns 0 to 2, rows 2 to 5.
    tools.SelectTool(tool_id::kText);
    Stroke(kLeft, {{10, 10}});  // top-left at (7, 6)
    EXPECT_EQ(Index(7, 8), 5);
    EXPECT_EQ(Index(9, 11), 5);
    EXPECT_EQ(Index(10, 8), 0);  // the text's paper is transparent
    EXPECT_EQ(Index(7, 7), 0);
    doc.SetBackground(2);
    tools.RebuildBrush();        // as every colour change does: the paper follows
    Stroke(kRight, {{10, 10}});  // the background where the text is
    EXPECT_EQ(Index(8, 9), 2);
    EXPECT_EQ(Index(10, 9), 0);

    tools.SetTool(std::make_unique<BrushHandleTool>(tools));
    Stroke(kLeft, {{20, 20}, {22, 21}});
    EXPECT_EQ(tools.textBrush.Current(false).handleX, 5 - 2);
    EXPECT_EQ(tools.textBrush.Current(false).handleY, 6 - 1);
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kText);
}

TEST_F(Tools, RightButtonShapesPaintTheBackground) {
    Open(24);
    doc.SetTableColour(0, MakeColour(10, 20, 30));
    doc.SetBackground(0);
    tools.RebuildBrush();
    tools.SelectTool(tool_id::kFilledSquare);
    Stroke(kRight, {{3, 3}, {6, 5}});
    EXPECT_EQ(Shown(3, 3), 0x0A141Eu);
    EXPECT_EQ(Shown(6, 5), 0x0A141Eu);
    EXPECT_EQ(Shown(7, 5), 0xFFFFFFu);
}

TEST_F(Tools, BandsStayOffThePictureUntilTheRelease) {
    Open(8);
    doc.SetForeground(7);
    tools.RebuildBrush();
    tools.SelectTool(tool_id::kLine);
    tools.Press(kLeft, {1, 1});
    tools.Move(CapturedButton::Left, {10, 1});
    ASSERT_NE(tools.Band(), nullptr);
    EXPECT_EQ(tools.Band()->Size(), 9u);  // (1,1) up to the pointer, which is left out
    EXPECT_EQ(Index(5, 1), 0);  // the band is drawn over the picture, not into it
    tools.Release(0, {10, 1});
    EXPECT_EQ(tools.Band(), nullptr);
    EXPECT_EQ(Index(5, 1), 7);
    EXPECT_EQ(Index(10, 1), 0);  // a line's last pixel is not stamped
}

TEST_F(Tools, TheCurveTakesTwoClicks) {
    Open(8);
    doc.SetForeground(3);
    tools.RebuildBrush();
    tools.SelectTool(tool_id::kCurve);
    Stroke(kLeft, {{0, 10}, {20, 10}});
    EXPECT_EQ(Index(10, 10), 0);  // ends fixed, nothing drawn yet
    // The band of the line stays up, and the stroke goes on, until the bend is clicked.
    EXPECT_TRUE(tools.HasBand());
    EXPECT_TRUE(tools.strokeInProgress);
    tools.Move(CapturedButton::None, {10, 10});  // the bend half way: a straight curve
    tools.Press(kLeft, {10, 10});
    tools.Release(0, {10, 10});
    for (int x = 0; x < 20; ++x) EXPECT_EQ(Index(x, 10), 3) << x;
    EXPECT_FALSE(tools.HasBand());
    EXPECT_FALSE(tools.strokeInProgress);
}

TEST_F(Tools, FillAndPickActAtTheRelease) {
    Open(8);
    doc.SetForeground(9);
    tools.RebuildBrush();
    tools.SelectTool(tool_id::kFill);
    Stroke(kLeft, {{5, 5}});
    EXPECT_EQ(Index(0, 0), 9);
    EXPECT_EQ(Index(39, 29), 9);

    tools.SelectTool(tool_id::kPick);
    doc.FindFrame(0)->image->Line(2)[2] = 44;
    Stroke(kRight, {{2, 2}});
    EXPECT_EQ(doc.Background(), 44);
    // The pick acts once, then the tool before it is back.
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kFill);
}

TEST_F(Tools, PickOnTrueColourFillsTheTableEntries) {
    Open(24);
    std::uint8_t* px = doc.FindFrame(0)->image->Line(4) + 3 * 4;
    px[0] = 1, px[1] = 2, px[2] = 3;  // blue, green, red
    tools.SelectTool(tool_id::kPick);
    Stroke(kLeft, {{4, 4}});
    EXPECT_EQ(doc.Foreground(), 1);
    EXPECT_EQ(doc.TableColour(1), MakeColour(3, 2, 1));
    tools.SelectTool(tool_id::kPick);  // it acts once
    Stroke(kRight, {{4, 4}});
    EXPECT_EQ(doc.Background(), 0);
    EXPECT_EQ(doc.TableColour(0), MakeColour(3, 2, 1));
}

TEST_F(Tools, NothingPaintsWhileTheAnimationPlays) {
    Open(8);
    doc.playing = true;
    doc.SetForeground(9);
    tools.SelectTool(tool_id::kFill);
    Stroke(kLeft, {{5, 5}});
    EXPECT_EQ(Index(5, 5), 0);
    EXPECT_FALSE(doc.Undo().CanUndo());
    tools.SelectTool(tool_id::kPick);  // picking still works
    Stroke(kLeft, {{5, 5}});
    EXPECT_EQ(doc.Foreground(), 0);
}

TEST_F(Tools, SymmetryRepeatsTheDabAroundTheCentre) {
    Open(8, 200, 200);
    doc.SetForeground(2);
    tools.RebuildBrush();
    tools.symmetryOn = true;
    tools.settings.symmetryStyle = int(SymmetryStyle::Cyclic);
    tools.settings.symmetryPoints = 4;
    tools.settings.symmetryCentreX = 100;
    tools.settings.symmetryCentreY = 100;
    Stroke(kLeft, {{110, 100}});
    EXPECT_EQ(Index(110, 100), 2);
    EXPECT_EQ(Index(100, 90), 2);
    EXPECT_EQ(Index(90, 100), 2);
    EXPECT_EQ(Index(100, 110), 2);
}

TEST_F(Tools, SprayKeepsSprayingWhileHeldStill) {
    Open(8, 100, 100);
    ScriptedRandom random;
    random.values = {0, 16384, 16384};  // radius R, then the middle of the disc
    tools.random = &random;
    tools.settings.spraySize = 5;
    tools.settings.sprayDensity = 1;
    doc.SetForeground(4);
    tools.RebuildBrush();
    tools.SelectTool(tool_id::kSpray);
    tools.Press(kLeft, {50, 50});
    tools.TimerTick({50, 50});
    tools.TimerTick({50, 50});  // held still: sprays
    EXPECT_EQ(Index(50, 50), 4);
    tools.Release(0, {50, 50});
}

TEST_F(Tools, MagnifyHandleAndTemporaryTools) {
    Open(8);
    tools.SelectTool(tool_id::kLine);
    tools.SelectTool(tool_id::kMagnify);
    Stroke(kLeft, {{3, 4}});
    EXPECT_EQ(view.zoomedIn, (IntPoint{3, 4}));
    EXPECT_FALSE(view.dragged.has_value());
    Stroke(kLeft, {{2, 2}, {8, 6}});
    ASSERT_TRUE(view.dragged.has_value());
    EXPECT_EQ(view.dragged->right, 9);
    Stroke(kRight, {{5, 5}});
    EXPECT_EQ(view.zoomedOut, (IntPoint{5, 5}));
    tools.RestoreTool();
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kLine);

    tools.SelectTool(tool_id::kHandle);
    view.pointer = {100, 100};
    tools.Press(kLeft, {0, 0});
    view.pointer = {90, 80};
    tools.Move(CapturedButton::Left, {0, 0});
    EXPECT_EQ(view.placement.originX, -10);
    EXPECT_EQ(view.placement.originY, -20);
}

TEST_F(Tools, TheBrushHandleToolMovesTheHandleByTheDragAndHandsBack) {
    Open(8);
    tools.SelectTool(tool_id::kLine);
    BrushRecord& brush = tools.brush.Current(false);
    brush.handleX = 3;
    brush.handleY = 4;
    tools.SetTool(std::make_unique<BrushHandleTool>(tools));
    Stroke(kLeft, {{10, 10}, {12, 11}, {15, 8}});
    EXPECT_EQ(brush.handleX, 3 + 10 - 15);
    EXPECT_EQ(brush.handleY, 4 + 10 - 8);
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kLine);
    EXPECT_EQ(Index(10, 10), 0);  // nothing painted
}

TEST_F(Tools, EveryChangeOfToolIsToldWhoeverMakesIt) {
    Open(8);
    int told = 0;
    tools.toolChanged = [&] { ++told; };
    tools.SelectTool(tool_id::kPick);
    EXPECT_EQ(told, 1);
    Stroke(kLeft, {{3, 3}});  // the pick hands back to the paint tool by itself
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kPaint);
    EXPECT_EQ(told, 2);

    // A command's temporary tool leaves the user's tool shown on the bar.
    tools.SelectTool(tool_id::kLine);
    tools.SetTool(std::make_unique<CustomBrushSizingTool>(tools, BrushKind::CustomSquare));
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kCustomBrushSizing);
    EXPECT_EQ(tools.ButtonToolId(), tool_id::kLine);
    told = 0;
    Stroke(kLeft, {{2, 2}, {5, 5}});  // sizing ends by handing over to the paint tool
    EXPECT_EQ(tools.ButtonToolId(), tool_id::kPaint);
    EXPECT_GE(told, 1);
}

TEST_F(Tools, PalettePicturesAndTrueColourPicturesKeepTheirOwnBrushShape) {
    Open(8);
    AnimFrame* palette = doc.FindFrame(0);
    testing::FakeDocumentEnvironment env2;
    CAnimDoc photo{env2};
    AnimFrame* deep = photo.AddFrames(1);
    deep->image->CreateBlank(24, 40, 30);
    deep->colourMode = ColourMode::TrueColour;
    deep->TakeSizeFromImage();
    FakeView photoView{photo};
    auto activate = [&](EditViewPort& v, CAnimDoc& d, AnimFrame* f) {
        tools.activeView = &v;
        tools.document = &d;
        tools.currentImage = f;
        tools.Activated();
    };
    tools.brush.ChooseShape(1036, tools.Target(), env.ui);  // "Diam 25" on the palette picture
    ASSERT_EQ(tools.brush.shapeChoice, 1036);
    activate(photoView, photo, deep);
    EXPECT_EQ(tools.brush.shapeChoice, kSinglePixelShape);
    EXPECT_EQ(tools.brush.kind, BrushKind::SinglePixel);
    EXPECT_EQ(tools.brush.Current(true).width, 1);
    tools.brush.ChooseShape(1039, tools.Target(), env.ui);
    activate(view, doc, palette);
    EXPECT_EQ(tools.brush.shapeChoice, 1036);
    EXPECT_EQ(tools.brush.kind, BrushKind::Shape);
    EXPECT_EQ(tools.brush.Current(false).width, 25);
    activate(photoView, photo, deep);
    EXPECT_EQ(tools.brush.shapeChoice, 1039);
    // Another palette picture keeps the palette choice: no swap without a change of depth.
    activate(view, doc, palette);
    activate(view, doc, palette);
    EXPECT_EQ(tools.brush.shapeChoice, 1036);
}

TEST_F(Tools, ANewViewStartsWithTheSinglePixelUnlessABrushWasGrabbed) {
    Open(8);
    tools.brush.ChooseShape(1036, tools.Target(), env.ui);
    int told = 0;
    tools.toolChanged = [&] { ++told; };
    tools.FirstTick();
    EXPECT_EQ(tools.brush.kind, BrushKind::SinglePixel);
    EXPECT_EQ(tools.brush.Current(false).width, 1);
    EXPECT_EQ(told, 1);  // the menus' check marks follow

    tools.brush.kind = BrushKind::Grabbed;
    tools.FirstTick();
    EXPECT_EQ(tools.brush.kind, BrushKind::Grabbed);
}

TEST(ToolKinds, EachToolSaysWhatItIsAndWhichCursorItShows) {
    using S = CursorShape;
    ToolContext tools;
    struct Expected {
        int id;
        bool paints, band, preview, symmetric;
        S normal, fx, symmetry, both;
    };
    const Expected table[] = {
        {tool_id::kPaint, true, false, true, true, S::Paint, S::PaintFx, S::PaintSymmetry, S::PaintSymmetry},
        {tool_id::kLine, true, true, true, true, S::Line, S::LineFx, S::LineSymmetry, S::LineSymmetry},
        // Square, circle and curve: FX only without symmetry, never a symmetry shape.
        {tool_id::kSquare, true, true, true, false, S::Square, S::SquareFx, S::Square, S::Square},
        {tool_id::kCircle, true, true, true, false, S::Circle, S::CircleFx, S::Circle, S::Circle},
        {tool_id::kCurve, true, true, true, false, S::Curve, S::CurveFx, S::Curve, S::Curve},
        // The filled shapes paint plain colour: no brush, no FX look.
        {tool_id::kFilledSquare, true, true, false, false, S::Square, S::Square, S::Square, S::Square},
        {tool_id::kFilledCircle, true, true, false, false, S::Circle, S::Circle, S::Circle, S::Circle},
        // Spray has a symmetry shape and no FX shape.
        {tool_id::kSpray, true, false, false, true, S::Spray, S::Spray, S::SpraySymmetry, S::SpraySymmetry},
        {tool_id::kFill, true, false, false, false, S::Fill, S::Fill, S::Fill, S::Fill},
        {tool_id::kPick, false, false, false, false, S::Pick, S::Pick, S::Pick, S::Pick},
        {tool_id::kMagnify, false, true, false, false, S::Magnify, S::Magnify, S::Magnify, S::Magnify},
        {tool_id::kHandle, false, false, false, false, S::Handle, S::Handle, S::Handle, S::Handle},
    };
    for (const Expected& e : table) {
        const auto tool = MakeTool(tools, e.id);
        ASSERT_NE(tool, nullptr) << e.id;
        EXPECT_EQ(tool->Paints(), e.paints) << e.id;
        EXPECT_EQ(tool->UsesBand(), e.band) << e.id;
        EXPECT_EQ(tool->ShowsBrushPreview(), e.preview) << e.id;
        EXPECT_EQ(tool->RepeatsSymmetrically(), e.symmetric) << e.id;
        EXPECT_TRUE(tool->Lasting()) << e.id;
        EXPECT_EQ(tool->Cursor(false, false), e.normal) << e.id;
        EXPECT_EQ(tool->Cursor(true, false), e.fx) << e.id;
        EXPECT_EQ(tool->Cursor(false, true), e.symmetry) << e.id;
        EXPECT_EQ(tool->Cursor(true, true), e.both) << e.id;
    }
    EXPECT_FALSE(MakeTool(tools, tool_id::kSymmetryCentre)->Lasting());
    EXPECT_EQ(MakeTool(tools, tool_id::kClampFrame), nullptr);  // a button, not a tool
}

TEST_F(Tools, APaintingToolShowsTheBlockedCursorAndPaintsNothingWhilePlaying) {
    Open(8);
    doc.playing = true;
    EXPECT_EQ(tools.Cursor(), CursorShape::Blocked);
    tools.SelectTool(tool_id::kMagnify);  // zooming is not painting
    EXPECT_EQ(tools.Cursor(), CursorShape::Magnify);
    doc.playing = false;
    tools.SelectTool(tool_id::kLine);
    tools.symmetryOn = true;
    EXPECT_EQ(tools.Cursor(), CursorShape::LineSymmetry);
}

TEST_F(Tools, ThePreviewLiesOverThePictureAndNeverInIt) {
    Open(8);
    doc.SetForeground(6);
    tools.RebuildBrush();
    tools.brush.ChooseShape(1027, tools.Target(), env.ui);  // "Diam 3": a cross in 3 x 3
    EXPECT_EQ(tools.Preview(), nullptr);
    tools.Move(CapturedButton::None, {10, 10});
    EXPECT_EQ(Index(10, 10), 0);  // the frame is never touched
    const PreviewPatch* preview = tools.Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->at, (IntPoint{9, 9}));
    EXPECT_EQ(preview->image.GetSize(), (DibSize{3, 3}));
    EXPECT_EQ(preview->image.Line(1)[1], 6);
    EXPECT_EQ(preview->image.Line(0)[0], 0);  // a corner of the cross shows the picture

    // Made afresh from the frame: a change under a still pointer shows at once.
    doc.FindFrame(0)->image->Line(9)[9] = 9;
    preview = tools.Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->image.Line(0)[0], 9);
    EXPECT_EQ(preview->image.Line(1)[1], 6);

    tools.Press(kLeft, {10, 10});  // a press takes the preview away
    EXPECT_EQ(tools.Preview(), nullptr);
    tools.Release(0, {10, 10});
    tools.Move(CapturedButton::None, {2, 2});
    ASSERT_NE(tools.Preview(), nullptr);
    tools.HidePreview();
    EXPECT_EQ(tools.Preview(), nullptr);
    tools.HidePreview();  // twice is harmless
}

}  // namespace
}  // namespace quillor
