// The stretch and rotation tools as the edit view drives them, and how the commands'
// temporary tools hand back to the user's own tool.

#include "tools/brush_drag_tools.h"

#include <gtest/gtest.h>

#include <numbers>

#include "document/anim_doc.h"
#include "support/fake_document_environment.h"
#include "support/fake_edit_view.h"
#include "support/test_brushes.h"
#include "tools/click_tools.h"
#include "tools/tool_context.h"

namespace quillor {
namespace {

using namespace pointer_flags;
using Bytes = std::vector<std::uint8_t>;

class BrushDragTools : public ::testing::Test {
protected:
    void SetUp() override {
        AnimFrame* frame = doc.AddFrames(1);
        frame->image->CreateBlank(8, 40, 30);
        frame->colourMode = ColourMode::Colours256;
        frame->TakeSizeFromImage();
        tools.ui = &env.ui;
        tools.activeView = &view;
        tools.document = &doc;
        tools.currentImage = frame;
        tools.Activated();
        testing::GrabCounting(tools.brush, false, 3, 2, 2, 1);
    }
    BrushRecord& Brush() { return tools.brush.Current(false); }
    void Drag(IntPoint point) { tools.Move(CapturedButton::Left, point); }

    testing::FakeDocumentEnvironment env;
    CAnimDoc doc{env};
    testing::FakeEditView view{doc};
    ToolContext tools;
};

TEST_F(BrushDragTools, AStretchSpansAnchorToPointerMirrorsPastItAndCentresTheHandleAtTheRelease) {
    tools.settings.brushBilinearStretch = 0;
    tools.SelectTool(tool_id::kLine);
    Brush().handleX = Brush().handleY = 0;
    tools.SetTool(std::make_unique<BrushStretchTool>(tools));
    tools.Press(kLeft, {20, 20});  // the brush's top-left corner, (17, 18), stays put
    Drag({23, 22});
    EXPECT_EQ(Brush().width, 6);
    EXPECT_EQ(Brush().height, 4);
    EXPECT_EQ(Brush().handleX, 0);
    Drag({11, 22});  // left of the anchor: mirrored, hanging from its right edge
    EXPECT_EQ(Brush().width, 6);
    EXPECT_EQ(Brush().handleX, 6);
    EXPECT_EQ(Brush().handleY, 0);
    EXPECT_EQ(Brush().frames[0], (Bytes{3, 3, 2, 2, 1, 1, 3, 3, 2, 2, 1, 1, 6, 6, 5, 5, 4, 4, 6, 6, 5, 5, 4, 4}));
    EXPECT_EQ(Brush().frames[1][0], 53);
    Drag({11, 18});  // onto the anchor's row: nothing to stretch to, the brush stays
    EXPECT_EQ(Brush().height, 4);
    tools.Release(0, {11, 18});
    EXPECT_EQ(Brush().handleX, 3);
    EXPECT_EQ(Brush().handleY, 2);
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kBrushStretch);  // ready for another stretch
    EXPECT_EQ(tools.ButtonToolId(), tool_id::kLine);
    EXPECT_EQ(doc.FindFrame(0)->image->Line(20)[20], 0);  // nothing painted
}

TEST_F(BrushDragTools, ARotationTurnsAtEveryMoveOrWithTheGuideOnlyAtTheRelease) {
    const BrushRecord before = Brush();
    tools.SetTool(std::make_unique<BrushRotationTool>(tools));
    tools.Press(kLeft, {20, 10});
    Drag({30, 10});  // a quarter to the right
    const TurnedOutline quarter = TurnOutline(3, 2, std::numbers::pi / 2);
    EXPECT_EQ(Brush().width, quarter.width);
    EXPECT_EQ(Brush().height, quarter.height);
    EXPECT_EQ(tools.Extras().rotationDegrees, 90);
    Drag({20, 25});  // back straight down: as it was, from the copy
    EXPECT_EQ(Brush().frames, before.frames);
    tools.Release(0, {20, 25});
    EXPECT_FALSE(tools.Extras().rotationDegrees);

    tools.settings.brushRotateGuideOnly = 1;
    tools.SetTool(std::make_unique<BrushRotationTool>(tools));
    tools.Press(kLeft, {20, 10});
    ASSERT_NE(tools.Band(), nullptr);
    EXPECT_FALSE(tools.Band()->Empty());  // the brush's outline at the press
    Drag({10, 10});
    EXPECT_EQ(tools.Extras().rotationDegrees, -90);
    EXPECT_EQ(Brush().frames, before.frames);  // only the guide moves
    tools.Release(0, {10, 10});
    EXPECT_EQ(tools.Band(), nullptr);
    const TurnedOutline back = TurnOutline(3, 2, -std::numbers::pi / 2);
    EXPECT_EQ(Brush().width, back.width);
    EXPECT_EQ(Brush().height, back.height);
    EXPECT_NE(Brush().frames, before.frames);
}

TEST_F(BrushDragTools, TemporaryToolsTakingTurnsStillHandBackToTheUsersTool) {
    tools.SelectTool(tool_id::kLine);
    tools.SetTool(std::make_unique<BrushStretchTool>(tools));
    tools.SetTool(std::make_unique<BrushHandleTool>(tools));
    tools.Press(kLeft, {5, 5});
    tools.Release(0, {7, 5});
    EXPECT_EQ(Brush().handleX, 2 + 5 - 7);
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kLine);
}

}  // namespace
}  // namespace quillor
