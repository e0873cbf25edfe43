// The painting commands of the main window: tool selection from the "Tools" bar, the
// right-click settings of the tools, the brush commands, undo, redo and clearing.

#include <QAction>
#include <cstring>

#include "app/command_table.h"
#include "app/ui/main_frame.h"
#include "document/anim_doc.h"
#include "tools/tool_ids.h"
#include "tools/paint_tool.h"
#include "view/ui/bitmap_edit_view.h"
#include "brush/brush_shape_model.h"
#include "tools/magnify_options_model.h"
#include "tools/band_tools.h"
#include "tools/shape_style_models.h"
#include "tools/spray_options_model.h"
#include "tools/symmetry_options_model.h"
#include "document/undo_store.h"

namespace quillor {

namespace {

// The commands that act on the active picture's frame or brush.
constexpr int kPictureCommands[] = {
    cmd::kEditUndo, cmd::kEditRedo, cmd::kEditClear, cmd::kChooseBrushShape, cmd::kUsePaintTool,
    cmd::kSinglePixelBrush, cmd::kRestorePreviousBrush, cmd::kSingleColour, cmd::kNextBrushImage,
    cmd::kPreviousBrushImage, cmd::kFirstBrushImage, tool_id::kClearScreen, tool_id::kUndo,
    tool_id::kRedo};

bool IsToolButton(int id) { return id >= tool_id::kPaint && id <= tool_id::kRedo; }

}  // namespace

void CMainFrame::UpdateToolStates() {
    const bool hasView = ActiveView() != nullptr;
    for (int id : kPictureCommands)
        if (QAction* a = Action(id)) a->setEnabled(hasView);
    const int current = tools_.ButtonToolId();
    for (int id = tool_id::kPaint; id <= tool_id::kRedo; ++id) {
        QAction* a = Action(id);
        if (a && a->isCheckable() && id != tool_id::kSymmetry && id != tool_id::kScrollPush)
            a->setChecked(id == current);
    }
    if (QAction* a = Action(tool_id::kSymmetry)) a->setChecked(tools_.symmetryOn);
    if (QAction* a = Action(tool_id::kScrollPush)) a->setChecked(tools_.scrollPushOn);
    Action(cmd::kAntiAlias)->setChecked(tools_.brush.antiAlias);
    Action(cmd::kAnimatedBrushes)->setChecked(tools_.preferences.animatedBrush != 0);
    Action(cmd::kRotationGuideOnly)->setChecked(tools_.preferences.brushRotateGuideOnly != 0);
    Action(cmd::kBilinearResize)->setChecked(tools_.preferences.brushBilinearStretch != 0);
}

void CMainFrame::ClearCurrentFrame() {
    CBitmapEditView* view = ActiveView();
    if (!view) return;
    CAnimDoc& doc = view->Document();
    AnimFrame* frame = doc.FindFrame(doc.currentFrame);
    if (!frame || !frame->image || frame->image->IsEmpty()) return;
    if (IsPaintingBlocked(doc.playing, doc.isLayered, doc.currentFrame)) return;
    view->Undo().Push(doc);
    COXDIB& image = *frame->image;
    if (image.GetBitCount() == 24) {
        const ColourRef c = doc.colourTable[doc.backgroundIndex];
        const std::uint8_t bgr[3] = {BlueOf(c), GreenOf(c), RedOf(c)};
        const DibSize size = image.GetSize();
        for (int y = 0; y < size.height; ++y) {
            std::uint8_t* line = image.Line(y);
            for (int x = 0; x < size.width; ++x) std::memcpy(line + 3 * x, bgr, 3);
        }
    } else {
        std::memset(image.GetBits(), doc.backgroundIndex, image.GetImageBytes());
    }
    doc.FramesChanged(doc.currentFrame);
}

bool CMainFrame::RunToolCommand(int commandId) {
    CBitmapEditView* view = ActiveView();
    CAnimDoc* doc = view ? &view->Document() : nullptr;
    const bool trueColour = tools_.HasPicture() && tools_.Target().TrueColour();
    switch (commandId) {
        case cmd::kUsePaintTool: tools_.SelectTool(tool_id::kPaint); return true;
        case tool_id::kSymmetry: tools_.symmetryOn = !tools_.symmetryOn; return true;
        case tool_id::kScrollPush: tools_.scrollPushOn = !tools_.scrollPushOn; return true;
        case cmd::kEditUndo:
        case tool_id::kUndo:
        case cmd::kEditRedo:
        case tool_id::kRedo: {
            if (!view) return true;
            const bool undo = commandId == cmd::kEditUndo || commandId == tool_id::kUndo;
            if (undo ? view->Undo().Undo(*doc) : view->Undo().Redo(*doc)) view->ShowFrame(doc->currentFrame);
            return true;
        }
        case cmd::kEditClear:
        case tool_id::kClearScreen: ClearCurrentFrame(); return true;
        case cmd::kSinglePixelBrush:
            if (tools_.HasPicture()) tools_.brush.UseSinglePixel(tools_.Target(), ui_);
            return true;
        case cmd::kRestorePreviousBrush: tools_.brush.RestorePreviousBrush(trueColour); return true;
        case cmd::kSingleColour:
            if (tools_.HasPicture())
                tools_.brush.SingleColour(tools_.Target(), doc ? doc->frameCount : 0);
            return true;
        case cmd::kNextBrushImage:
        case cmd::kPreviousBrushImage: {
            const int lastFrame = doc ? std::max(0, int(doc->frameCount) - 1) : 0;
            if (commandId == cmd::kNextBrushImage) tools_.brush.NextFrame(trueColour, lastFrame);
            else tools_.brush.PreviousFrame(trueColour, lastFrame);
            return true;
        }
        case cmd::kFirstBrushImage: tools_.brush.FirstFrame(trueColour); return true;
        case cmd::kAnimatedBrushes:
            tools_.preferences.animatedBrush = tools_.preferences.animatedBrush ? 0 : 1;
            return true;
        case cmd::kAntiAlias: tools_.brush.antiAlias = !tools_.brush.antiAlias; return true;
        case cmd::kRotationGuideOnly:
            tools_.RestoreTool();
            tools_.preferences.brushRotateGuideOnly = tools_.preferences.brushRotateGuideOnly ? 0 : 1;
            return true;
        case cmd::kBilinearResize:
            tools_.preferences.brushBilinearStretch = tools_.preferences.brushBilinearStretch ? 0 : 1;
            return true;
        case cmd::kChooseBrushShape: RunRightClick(tool_id::kPaint); return true;
        default:
            break;
    }
    if (IsToolButton(commandId) && commandId != tool_id::kClampFrame) {
        tools_.SelectTool(commandId);
        return true;
    }
    return false;
}

namespace {

// Runs a tool settings dialog on the preferences as they stand; true after OK.
template <typename Model>
bool RunToolSettings(Model& model, ToolContext& tools, Interaction& ui) {
    tools.CollectPreferences();
    model.Load(tools.preferences);
    if (!ui.RunDialog(model)) return false;
    model.Store(tools.preferences);
    tools.ApplyPreferences();
    return true;
}

}  // namespace

void CMainFrame::ChooseBrushShape() {
    CBitmapEditView* view = ActiveView();
    if (!view || !tools_.HasPicture()) return;
    BrushShapeModel model(tools_.brush.shapeChoice);
    if (!ui_.RunDialog(model)) return;
    tools_.RemovePreview();
    const ShapeChoiceResult result =
        tools_.brush.ChooseShape(model.Chosen(), tools_.Target(), ui_, view->Document().frameCount);
    switch (result) {
        case ShapeChoiceResult::SizeCustomSquare:
            tools_.SetTool(std::make_unique<CustomBrushSizingTool>(tools_, BrushKind::CustomSquare));
            break;
        case ShapeChoiceResult::SizeCustomCircle:
            tools_.SetTool(std::make_unique<CustomBrushSizingTool>(tools_, BrushKind::CustomCircle));
            break;
        case ShapeChoiceResult::Built:
            // A new brush is for painting with.
            if (!ShowsBrushPreview(tools_.CurrentToolId())) tools_.SelectTool(tool_id::kPaint);
            break;
        case ShapeChoiceResult::RestoredPrevious:
            break;
    }
}

void CMainFrame::RunRightClick(int commandId) {
    tools_.RemovePreview();
    switch (commandId) {
        case tool_id::kPaint: ChooseBrushShape(); break;
        case tool_id::kMagnify: {
            MagnifyOptionsModel model;
            if (RunToolSettings(model, tools_, ui_)) tools_.SelectTool(tool_id::kMagnify);
            break;
        }
        case tool_id::kSquare:
        case tool_id::kFilledSquare: {
            ShapeStyleModel model(ShapeStyleModel::Family::Squares);
            RunToolSettings(model, tools_, ui_);
            break;
        }
        case tool_id::kCircle:
        case tool_id::kFilledCircle: {
            ShapeStyleModel model(ShapeStyleModel::Family::Circles);
            RunToolSettings(model, tools_, ui_);
            break;
        }
        case tool_id::kSpray: {
            SprayOptionsModel model;
            RunToolSettings(model, tools_, ui_);
            break;
        }
        case tool_id::kSymmetry: {
            SymmetryOptionsModel model;
            if (RunToolSettings(model, tools_, ui_) && model.CentreRequested()) {
                // A temporary brush tool gives way first, so the centre tool hands back
                // to the user's own tool.
                if (tools_.CurrentToolId() < 10) tools_.RestoreTool();
                tools_.SelectTool(tool_id::kSymmetryCentre);
            }
            break;
        }
        default:
            // Tools without settings of their own take a right click as a left click.
            Run(commandId);
            return;
    }
    UpdateCommandStates();
    if (CBitmapEditView* view = ActiveView()) view->setFocus();
}

}  // namespace quillor
