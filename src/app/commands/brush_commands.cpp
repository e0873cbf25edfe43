// The brush: single pixel, the previous brush, single colour, the frames of an animated
// brush, and the brush settings the Brush menu turns on and off.

#include "app/command_table.h"
#include "app/commands/command_rules.h"
#include "brush/brush_deform_model.h"
#include "brush/brush_transforms.h"
#include "brush/resize_brush_model.h"
#include "tools/animated_brush_model.h"
#include "tools/click_tools.h"
#include "tools/brush_drag_tools.h"
#include "tools/brush_file_commands.h"
#include "tools/tool_context.h"

namespace quillor {

namespace {

using namespace command_rules;

bool TrueColour(CommandContext& c) { return c.tools.HasPicture() && c.tools.Target().TrueColour(); }

// The last frame an animated brush may step to: the document's last.
int LastFrame(const CommandContext& c) {
    return c.document ? std::max(0, int(c.document->frameCount) - 1) : 0;
}

void SinglePixel(CommandContext& c) {
    if (c.tools.HasPicture()) c.tools.brush.UseSinglePixel(c.tools.Target(), c.ui);
}

void SingleColour(CommandContext& c) {
    if (c.tools.HasPicture()) c.tools.brush.SingleColour(c.tools.Target(), c.document->frameCount);
}

// A Brush menu setting kept in the tool settings, 0 or 1.
template <int ToolPreferences::*setting>
bool IsOn(const CommandContext& c) {
    return c.tools.settings.*setting != 0;
}
template <int ToolPreferences::*setting>
void Flip(CommandContext& c) {
    c.tools.settings.*setting = c.tools.settings.*setting != 0 ? 0 : 1;
}

void FlipGuideOnly(CommandContext& c) {
    // A rotation in progress ends before its look changes.
    if (c.tools.TemporaryToolActive()) c.tools.RestoreTool();
    Flip<&ToolPreferences::brushRotateGuideOnly>(c);
}

std::uint32_t DocumentFrames(const CommandContext& c) { return c.document ? c.document->frameCount : 0; }

// The size commands work on a grabbed brush only, and say so otherwise.
bool Grabbed(CommandContext& c) {
    if (c.tools.brush.kind == BrushKind::Grabbed) return true;
    c.ui.ShowMessage("The current brush is not a grabbed brush.\nPlease grab a brush first.", "No Brush To Deform",
                     MessageIcon::Information);
    return false;
}

template <bool (*resize)(PaintBrush&, bool, bool, std::uint32_t)>
void ResizeGrabbed(CommandContext& c) {
    if (Grabbed(c)) resize(c.tools.brush, TrueColour(c), c.tools.settings.brushBilinearStretch != 0, DocumentFrames(c));
}

bool ResizeWithDialog(PaintBrush& brush, bool trueColour, bool bilinear, std::uint32_t documentFrames,
                      CommandContext& c) {
    const BrushRecord& record = brush.Current(trueColour);
    if (!record.Exists()) return false;
    ResizeBrushModel model(record.width, record.height);
    SettingsStore& settings = c.environment.Settings();
    model.Load(settings);
    const bool ok = RunCheckedDialog(c.ui, model);
    model.Store(settings);
    const auto size = model.NewSize();
    if (!ok || !size) return false;
    return ResizeBrush(brush, trueColour, size->first, size->second, bilinear, documentFrames);
}

void AnimatedBrushSettings(CommandContext& c) {
    AnimatedBrushModel model(int(DocumentFrames(c)));
    SettingsStore& settings = c.environment.Settings();
    model.Load(settings);
    if (!c.ui.RunDialog(model)) return;
    model.Store(settings);
    c.tools.brush.animationControl = std::uint32_t(model.Control());
    c.tools.requestedBrushFrames = model.Frames();
}

// A running custom sizing, stretch, rotation or symmetry-centre tool gives way before
// another brush tool starts, so the new one hands back to the user's own tool.
void EndBrushSizingTool(ToolContext& tools) {
    if (!tools.TemporaryToolActive()) return;
    switch (tools.CurrentToolId()) {
        case tool_id::kCustomBrushSizing:
        case tool_id::kBrushStretch:
        case tool_id::kBrushRotation:
        case tool_id::kSymmetryCentre: tools.RestoreTool(); break;
        default: break;
    }
}

// The grabbed brush of the picture's depth, when it can be reshaped.
BrushRecord* ReshapeableBrush(CommandContext& c) {
    if (!Grabbed(c) || !c.tools.HasPicture()) return nullptr;
    BrushRecord& record = c.tools.brush.Current(TrueColour(c));
    return record.Exists() && !record.borrowed ? &record : nullptr;
}

void Stretch(CommandContext& c) {
    BrushRecord* record = ReshapeableBrush(c);
    if (!record) return;
    EndBrushSizingTool(c.tools);
    c.tools.brush.SaveAsPrevious(TrueColour(c), DocumentFrames(c));
    // The brush hangs from its bottom-right corner, which the drag then pulls.
    record->handleX = 0;
    record->handleY = 0;
    c.tools.SetTool(std::make_unique<BrushStretchTool>(c.tools));
}

void Rotate(CommandContext& c) {
    if (!ReshapeableBrush(c)) return;
    EndBrushSizingTool(c.tools);
    c.tools.brush.SaveAsPrevious(TrueColour(c), DocumentFrames(c));
    c.tools.SetTool(std::make_unique<BrushRotationTool>(c.tools));
}

void Deform(CommandContext& c) {
    const BrushRecord* record = ReshapeableBrush(c);
    if (!record) return;
    const bool trueColour = TrueColour(c);
    const auto [width, height] = BrushDeformModel::CanvasFor(record->width, record->height);
    BrushDeformModel model(c.tools.brush, trueColour, ColourValueOf(c.tools.Target().BackgroundValue(), trueColour),
                           width, height);
    if (!model.Fits()) {
        c.ui.ShowMessage(BrushDeformModel::kTooBigText, BrushDeformModel::kTooBigTitle, MessageIcon::Information);
        return;
    }
    model.Start(DocumentFrames(c));
    // OK and Cancel both keep the reshaped brush; the one from before is the previous brush.
    c.ui.RunDialog(model);
}

template <bool horizontal>
void FlipTheBrush(CommandContext& c) {
    FlipBrush(c.tools.brush, TrueColour(c), horizontal, DocumentFrames(c));
}

constexpr Command kCommands[] = {
    {cmd::kSinglePixelBrush, HasDocument, nullptr, SinglePixel},
    {cmd::kRestorePreviousBrush, HasDocument, nullptr,
     [](CommandContext& c) { c.tools.brush.RestorePreviousBrush(TrueColour(c)); }},
    {cmd::kSingleColour, HasDocument, nullptr, SingleColour},
    {cmd::kNextBrushImage, HasDocument, nullptr,
     [](CommandContext& c) { c.tools.brush.NextFrame(TrueColour(c), LastFrame(c)); }},
    {cmd::kPreviousBrushImage, HasDocument, nullptr,
     [](CommandContext& c) { c.tools.brush.PreviousFrame(TrueColour(c), LastFrame(c)); }},
    {cmd::kFirstBrushImage, HasDocument, nullptr,
     [](CommandContext& c) { c.tools.brush.FirstFrame(TrueColour(c)); }},
    {cmd::kAnimatedBrushes, Always, IsOn<&ToolPreferences::animatedBrush>,
     Flip<&ToolPreferences::animatedBrush>},
    {cmd::kAntiAlias, Always, IsOn<&ToolPreferences::brushAntiAlias>,
     Flip<&ToolPreferences::brushAntiAlias>},
    {cmd::kRotationGuideOnly, Always, IsOn<&ToolPreferences::brushRotateGuideOnly>, FlipGuideOnly},
    {cmd::kBilinearResize, Always, IsOn<&ToolPreferences::brushBilinearStretch>,
     Flip<&ToolPreferences::brushBilinearStretch>},
    {cmd::kBrushQuarterTurn, HasDocument, nullptr,
     [](CommandContext& c) { QuarterTurnBrush(c.tools.brush, TrueColour(c), DocumentFrames(c)); }},
    {cmd::kBrushFlipHorizontal, HasDocument, nullptr, FlipTheBrush<true>},
    {cmd::kBrushFlipVertical, HasDocument, nullptr, FlipTheBrush<false>},
    {cmd::kBrushDouble, HasDocument, nullptr, ResizeGrabbed<DoubleBrush>},
    {cmd::kBrushHalve, HasDocument, nullptr, ResizeGrabbed<HalveBrush>},
    {cmd::kAnimatedBrushSettings, HasDocument, nullptr, AnimatedBrushSettings},
    {cmd::kBrushHandle, HasDocument, nullptr,
     [](CommandContext& c) { c.tools.SetTool(std::make_unique<BrushHandleTool>(c.tools)); }},
    {cmd::kBrushResize, HasDocument, nullptr,
     [](CommandContext& c) {
         if (Grabbed(c))
             ResizeWithDialog(c.tools.brush, TrueColour(c), c.tools.settings.brushBilinearStretch != 0,
                              DocumentFrames(c), c);
     }},
    {cmd::kBrushEnlarge, HasDocument, nullptr, ResizeGrabbed<EnlargeBrush>},
    {cmd::kBrushStretch, HasDocument, nullptr, Stretch},
    {cmd::kBrushRotate, HasDocument, nullptr, Rotate},
    {cmd::kBrushDeform, HasDocument, nullptr, Deform},
    {cmd::kBrushShrink, HasDocument, nullptr, ResizeGrabbed<ShrinkBrush>},
    {cmd::kSaveBrushAs, HasDocument, nullptr,
     [](CommandContext& c) { SaveBrushAs(c.tools.brush, TrueColour(c), c.environment.FileContext()); }},
    {cmd::kLoadBrush, HasDocument, nullptr,
     [](CommandContext& c) {
         LoadBrush(c.tools.brush, TrueColour(c), c.document->frameCount, c.environment.FileContext());
     }},
};

}  // namespace

std::span<const Command> BrushCommands() { return kCommands; }

}  // namespace quillor
