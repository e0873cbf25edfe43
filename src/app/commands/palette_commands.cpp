// The palette: ordering it, carrying colours between the picture and the brush palette,
// stepping the foreground colour, spreading palettes across frames, palette files, and
// opening the palette windows.

#include "app/command_table.h"
#include "app/commands/command_rules.h"
#include "app/commands/shell.h"
#include "document/document_environment.h"
#include "palette/brush_palette.h"
#include "palette/palette_file.h"
#include "palette/palette_order.h"
#include "palette/palette_spread.h"
#include "palette/palette_table.h"
#include "tools/tool_context.h"
#include "tools/tool_ids.h"

namespace quillor {

namespace {

using namespace command_rules;
using Window = Shell::PaletteWindow;

// The current frame is a palette picture: the brush-palette commands work on it.
bool OnPalettePicture(const CommandContext& c) {
    if (c.document == nullptr) return false;
    const AnimFrame* frame = c.document->FindFrame(c.document->CurrentFrame());
    return frame != nullptr && frame->colourMode != ColourMode::TrueColour;
}

template <PaletteOrder order>
void Order(CommandContext& c) {
    OrderColours(*c.document, order);
}

// The foreground steps stay within the colours the picture has: a 16-colour picture has
// no entry 16 to paint with.
void StepForeground(CommandContext& c, int step) {
    PaletteTable table(*c.document);
    if (!table.Valid()) return;
    const int next = int(c.document->Foreground()) + step;
    if (next >= 0 && next < table.Count()) c.document->SetForeground(std::uint8_t(next));
}

void Spread(CommandContext& c) {
    SpreadPalettesModel model(int(c.document->frameCount == 0 ? 1 : c.document->frameCount));
    if (!c.ui.RunDialog(model)) return;
    SpreadPalettes(*c.document, model.From(), model.To());
}

// The stencil window takes the clicks on the picture that the palette windows would:
// never both at once.
void Toggle(CommandContext& c, Window window) {
    const bool open = !c.shell.PaletteWindowOpen(window);
    if (open) c.shell.ShowPaletteWindow(Window::Stencil, false);
    c.shell.ShowPaletteWindow(window, open);
}

void ColourStencil(CommandContext& c) {
    if (!OnPalettePicture(c)) {
        c.ui.ShowMessage("Stencil is only available for 256, 16 or 2 colour images.", "Stencil Not Available",
                         MessageIcon::Information);
        return;
    }
    c.shell.ShowPaletteWindow(Window::Edit, false);
    c.shell.ShowPaletteWindow(Window::View, false);
    c.shell.ShowPaletteWindow(Window::Stencil, true);
}

// The palette button of the "Tools" bar: the small palette, or, when that is open
// already, the edit window in its place.
void PaletteButton(CommandContext& c) {
    if (c.shell.PaletteWindowOpen(Window::View)) {
        Toggle(c, Window::Edit);
        return;
    }
    c.shell.ShowPaletteWindow(Window::Edit, false);
    c.shell.ShowPaletteWindow(Window::Stencil, false);
    c.shell.ShowPaletteWindow(Window::View, true);
}

constexpr Command kCommands[] = {
    {cmd::kDarkToLight, HasDocument, nullptr, Order<PaletteOrder::DarkToLight>},
    {cmd::kLightToDark, HasDocument, nullptr, Order<PaletteOrder::LightToDark>},
    {cmd::kGroupHues, HasDocument, nullptr, Order<PaletteOrder::GroupHues>},
    {cmd::kRemapToBrushPalette, OnPalettePicture, nullptr,
     [](CommandContext& c) { RemapToBrushPalette(*c.document, c.tools.brush); }},
    {cmd::kUseBrushPalette, OnPalettePicture, nullptr,
     [](CommandContext& c) { UseBrushPalette(*c.document, c.tools.brush); }},
    {cmd::kRemapBrushToPalette, OnPalettePicture, nullptr,
     [](CommandContext& c) {
         RemapBrushToPalette(*c.document, c.tools.brush);
         c.tools.RedrawView();
     }},
    {cmd::kNextForeground, HasDocument, nullptr, [](CommandContext& c) { StepForeground(c, +1); }},
    {cmd::kPreviousForeground, HasDocument, nullptr, [](CommandContext& c) { StepForeground(c, -1); }},
    {cmd::kSpreadPalettes, HasDocument, nullptr, Spread},
    {cmd::kSavePalette, HasDocument, nullptr,
     [](CommandContext& c) { SavePaletteAs(*c.document, c.environment.FileContext()); }},
    {cmd::kLoadPalette, HasDocument, nullptr,
     [](CommandContext& c) { LoadPalette(*c.document, c.environment.FileContext()); }},
    {cmd::kPaletteEdit, HasDocument, nullptr, [](CommandContext& c) { Toggle(c, Window::Edit); }},
    {cmd::kPaletteView, HasDocument, nullptr, [](CommandContext& c) { Toggle(c, Window::View); }},
    {tool_id::kPalette, HasDocument, nullptr, PaletteButton},
    {tool_id::kPalette + tool_id::kRightClickOffset, HasDocument, nullptr,
     [](CommandContext& c) { Toggle(c, Window::Edit); }},
    {tool_id::kStencil + tool_id::kRightClickOffset, HasDocument, nullptr, ColourStencil},
};

}  // namespace

std::span<const Command> PaletteCommands() { return kCommands; }

}  // namespace quillor
