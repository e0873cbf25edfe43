// Choosing a tool from the "Tools" bar, its toggles, and the settings a right click on a
// tool's button opens (the tool's identifier + 120).

#include "app/command_table.h"
#include "app/commands/command_rules.h"
#include "brush/brush_shape_model.h"
#include "filters/red_eye.h"
#include "tools/band_tools.h"
#include "tools/fx_brush_model.h"
#include "tools/magnify_options_model.h"
#include "tools/red_eye_options_model.h"
#include "tools/shape_style_models.h"
#include "tools/spray_options_model.h"
#include "tools/text_model.h"
#include "tools/symmetry_options_model.h"
#include "tools/tool_context.h"
#include "tools/tool_factory.h"
#include "tools/tool_ids.h"

namespace quillor {

namespace {

using namespace command_rules;

constexpr int RightClick(int toolId) { return toolId + tool_id::kRightClickOffset; }

template <int toolId>
void Select(CommandContext& c) {
    c.tools.SelectTool(toolId);
}

template <int toolId>
bool Selected(const CommandContext& c) {
    return c.tools.ButtonToolId() == toolId;
}

// Runs a tool settings dialog on the settings as they stand; true after OK.
template <typename Model>
bool RunSettings(Model& model, CommandContext& c) {
    model.Load(c.tools.settings);
    if (!c.ui.RunDialog(model)) return false;
    model.Store(c.tools.settings);
    return true;
}

void MagnifySettings(CommandContext& c) {
    MagnifyOptionsModel model;
    if (RunSettings(model, c)) c.tools.SelectTool(tool_id::kMagnify);
}

template <ShapeStyleModel::Family family>
void ShapeSettings(CommandContext& c) {
    ShapeStyleModel model(family);
    RunSettings(model, c);
}

void SpraySettings(CommandContext& c) {
    SprayOptionsModel model;
    RunSettings(model, c);
}

void SymmetrySettings(CommandContext& c) {
    SymmetryOptionsModel model;
    if (!RunSettings(model, c) || !model.CentreRequested()) return;
    // A temporary brush tool gives way first, so the centre tool hands back to the
    // user's own tool.
    if (c.tools.TemporaryToolActive()) c.tools.RestoreTool();
    c.tools.SelectTool(tool_id::kSymmetryCentre);
}

// The text dialog, then the text tool with a brush of the text; Cancel changes nothing.
void ChooseText(CommandContext& c) {
    ToolContext& tools = c.tools;
    if (!tools.HasPicture()) return;
    if (tools.textRasteriser == nullptr) {
        c.ui.ShowMessage("Text can only be drawn in the window program, with its fonts.", "No Text",
                         MessageIcon::Information);
        return;
    }
    TextModel model(tools.textRasteriser->Families());
    SettingsStore& settings = c.environment.Settings();
    model.Load(settings);
    if (!RunCheckedDialog(c.ui, model)) return;
    model.Store(settings);
    if (!BuildTextBrush(tools.textBrush, *tools.textRasteriser, model.Text(), model.Style(), tools.Target())) {
        c.ui.ShowMessage("The text could not be drawn.", "No Text", MessageIcon::Exclamation);
        return;
    }
    if (tools.TemporaryToolActive()) tools.RestoreTool();
    tools.SelectTool(tool_id::kText);
}

void FxBrushSettings(CommandContext& c) {
    FxBrushModel model;
    RunSettings(model, c);
}

void RedEyeSettings(CommandContext& c) {
    RedEyeOptionsModel model;
    RunSettings(model, c);
}

// The red-eye filter works on true-colour pictures only.
void SelectRedEye(CommandContext& c) {
    if (c.tools.HasPicture() && !c.tools.Target().TrueColour()) {
        c.ui.ShowMessage(kRedEyeNotAvailableText, kRedEyeNotAvailableTitle, MessageIcon::Information);
        return;
    }
    c.tools.SelectTool(tool_id::kRedEye);
}

// The "Paint Brush Shape" dialog and what its choice asks for.
void ChooseBrushShape(CommandContext& c) {
    ToolContext& tools = c.tools;
    if (!tools.HasPicture()) return;
    BrushShapeModel model(tools.brush.shapeChoice);
    if (!c.ui.RunDialog(model)) return;
    const std::uint32_t frames = c.document ? c.document->frameCount : 0;
    switch (tools.brush.ChooseShape(model.Chosen(), tools.Target(), c.ui, frames)) {
        case ShapeChoiceResult::SizeCustomSquare:
            tools.SetTool(std::make_unique<CustomBrushSizingTool>(tools, BrushKind::CustomSquare));
            break;
        case ShapeChoiceResult::SizeCustomCircle:
            tools.SetTool(std::make_unique<CustomBrushSizingTool>(tools, BrushKind::CustomCircle));
            break;
        case ShapeChoiceResult::Built:
            // A new brush is for painting with.
            if (!tools.Tool() || !tools.Tool()->ShowsBrushPreview()) tools.SelectTool(tool_id::kPaint);
            break;
        case ShapeChoiceResult::RestoredPrevious:
            break;
    }
}

constexpr Command kCommands[] = {
    {cmd::kUsePaintTool, HasDocument, nullptr, Select<tool_id::kPaint>},
    {tool_id::kPaint, Always, Selected<tool_id::kPaint>, Select<tool_id::kPaint>},
    {tool_id::kPick, Always, Selected<tool_id::kPick>, Select<tool_id::kPick>},
    {tool_id::kLine, Always, Selected<tool_id::kLine>, Select<tool_id::kLine>},
    {tool_id::kCurve, Always, Selected<tool_id::kCurve>, Select<tool_id::kCurve>},
    {tool_id::kSquare, Always, Selected<tool_id::kSquare>, Select<tool_id::kSquare>},
    {tool_id::kFilledSquare, Always, Selected<tool_id::kFilledSquare>, Select<tool_id::kFilledSquare>},
    {tool_id::kCircle, Always, Selected<tool_id::kCircle>, Select<tool_id::kCircle>},
    {tool_id::kFilledCircle, Always, Selected<tool_id::kFilledCircle>, Select<tool_id::kFilledCircle>},
    {tool_id::kFill, Always, Selected<tool_id::kFill>, Select<tool_id::kFill>},
    {tool_id::kSpray, Always, Selected<tool_id::kSpray>, Select<tool_id::kSpray>},
    {tool_id::kMagnify, Always, Selected<tool_id::kMagnify>, Select<tool_id::kMagnify>},
    {tool_id::kRedEye, Always, Selected<tool_id::kRedEye>, SelectRedEye},
    {tool_id::kText, HasDocument, Selected<tool_id::kText>, ChooseText},
    {tool_id::kGrab, Always, Selected<tool_id::kGrab>, Select<tool_id::kGrab>},
    {tool_id::kGrabFreehand, Always, Selected<tool_id::kGrabFreehand>, Select<tool_id::kGrabFreehand>},
    {tool_id::kHandle, Always, Selected<tool_id::kHandle>, Select<tool_id::kHandle>},
    {tool_id::kSymmetry, Always, [](const CommandContext& c) { return c.tools.symmetryOn; },
     [](CommandContext& c) { c.tools.symmetryOn = !c.tools.symmetryOn; }},
    {tool_id::kStencil, Always, [](const CommandContext& c) { return c.tools.stencilOn; },
     [](CommandContext& c) { c.tools.stencilOn = !c.tools.stencilOn; }},
    {tool_id::kFxBrush, Always, [](const CommandContext& c) { return c.tools.fxBrushOn; },
     [](CommandContext& c) { c.tools.fxBrushOn = !c.tools.fxBrushOn; }},
    {tool_id::kScrollPush, Always, [](const CommandContext& c) { return c.tools.scrollPushOn; },
     [](CommandContext& c) { c.tools.scrollPushOn = !c.tools.scrollPushOn; }},
    {RightClick(tool_id::kPaint), HasDocument, nullptr, ChooseBrushShape},
    {RightClick(tool_id::kMagnify), Always, nullptr, MagnifySettings},
    {RightClick(tool_id::kSquare), Always, nullptr, ShapeSettings<ShapeStyleModel::Family::Squares>},
    {RightClick(tool_id::kFilledSquare), Always, nullptr, ShapeSettings<ShapeStyleModel::Family::Squares>},
    {RightClick(tool_id::kCircle), Always, nullptr, ShapeSettings<ShapeStyleModel::Family::Circles>},
    {RightClick(tool_id::kFilledCircle), Always, nullptr, ShapeSettings<ShapeStyleModel::Family::Circles>},
    {RightClick(tool_id::kSpray), Always, nullptr, SpraySettings},
    {RightClick(tool_id::kRedEye), Always, nullptr, RedEyeSettings},
    {RightClick(tool_id::kFxBrush), Always, nullptr, FxBrushSettings},
    {RightClick(tool_id::kText), HasDocument, nullptr, ChooseText},
    {RightClick(tool_id::kSymmetry), Always, nullptr, SymmetrySettings},
};
static_assert(RightClick(tool_id::kPaint) == cmd::kChooseBrushShape);

}  // namespace

std::span<const Command> ToolCommands() { return kCommands; }

}  // namespace quillor
