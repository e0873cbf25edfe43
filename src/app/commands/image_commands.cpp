// The "Image" and colour commands that remake frames: colour depth, flips, resizing,
// the filters and the colour adjustments.

#include "app/command_table.h"
#include "app/commands/command_rules.h"
#include "brush/paint_brush.h"
#include "document/document_environment.h"
#include "document/frame_filters.h"
#include "document/frame_geometry.h"
#include "tools/tool_context.h"

namespace quillor {

namespace {

bool HasFrame(const CommandContext& c) {
    return c.document != nullptr && c.document->FindFrame(c.document->CurrentFrame()) != nullptr;
}
// Commands that remake a frame wait for a playback to stop; they would change whichever
// frame it shows.
bool StillFrame(const CommandContext& c) { return HasFrame(c) && !c.document->playing; }

void ChangeColours(CommandContext& c) {
    if (!ChangeColourDepth(*c.document, c.ui, c.environment.Settings())) return;
    // The single-pixel brush is made for a depth; the frame now has the other one.
    if (c.tools.brush.kind == BrushKind::SinglePixel && c.tools.HasPicture())
        c.tools.brush.UseSinglePixel(c.tools.Target(), c.ui);
}

template <PixelOperation operation>
void Pixels(CommandContext& c) {
    ApplyPixelOperation(*c.document, c.ui, c.environment.Settings(), operation);
}

constexpr Command kCommands[] = {
    {cmd::kChangeColours, StillFrame, nullptr, ChangeColours},
    {cmd::kResizeCrop, StillFrame, nullptr,
     [](CommandContext& c) { ResizeDocument(*c.document, c.ui, c.environment.Settings()); }},
    {cmd::kFlipHorizontal, StillFrame, nullptr, [](CommandContext& c) { FlipCurrentFrame(*c.document, c.ui, false); }},
    {cmd::kFlipVertical, StillFrame, nullptr, [](CommandContext& c) { FlipCurrentFrame(*c.document, c.ui, true); }},
    {cmd::kSharpen, StillFrame, nullptr, Pixels<PixelOperation::Sharpen>},
    {cmd::kDespeckle, StillFrame, nullptr, Pixels<PixelOperation::Despeckle>},
    {cmd::kBlur, StillFrame, nullptr, Pixels<PixelOperation::Blur>},
    {cmd::kSimplify, StillFrame, nullptr, Pixels<PixelOperation::Simplify>},
    {cmd::kAutoBrightness, StillFrame, nullptr, Pixels<PixelOperation::AutoBrightness>},
    {cmd::kBlackAndWhite, StillFrame, nullptr, Pixels<PixelOperation::BlackAndWhite>},
    {cmd::kNegative, StillFrame, nullptr, Pixels<PixelOperation::Negative>},
    {cmd::kColourBalance, StillFrame, nullptr, Pixels<PixelOperation::ColourBalance>},
    {cmd::kContrast, StillFrame, nullptr, Pixels<PixelOperation::Contrast>},
    {cmd::kGamma, StillFrame, nullptr, Pixels<PixelOperation::Gamma>},
};

}  // namespace

std::span<const Command> ImageCommands() { return kCommands; }

}  // namespace quillor
