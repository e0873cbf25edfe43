// Windows and zoom: another window on the picture, arranging and closing windows, and
// the zoom of the active view.

#include "app/command_table.h"
#include "app/commands/command_rules.h"
#include "app/commands/shell.h"

namespace quillor {

namespace {

using namespace command_rules;

template <Shell::Zoom zoom>
void ZoomView(CommandContext& c) {
    c.shell.ZoomActiveView(zoom);
}

constexpr Command kCommands[] = {
    {cmd::kNewWindow, HasDocument, nullptr, [](CommandContext& c) { c.shell.NewWindow(); }},
    {cmd::kCascade, HasDocument, nullptr, [](CommandContext& c) { c.shell.CascadeWindows(); }},
    {cmd::kTile, HasDocument, nullptr, [](CommandContext& c) { c.shell.TileWindows(); }},
    {cmd::kCloseWindow, HasDocument, nullptr, [](CommandContext& c) { c.shell.CloseActiveWindow(); }},
    {cmd::kZoomIn, HasDocument, nullptr, ZoomView<Shell::Zoom::In>},
    {cmd::kZoomOut, HasDocument, nullptr, ZoomView<Shell::Zoom::Out>},
    {cmd::kUnzoom, HasDocument, nullptr, ZoomView<Shell::Zoom::Unzoom>},
    {cmd::kClampFrame, HasDocument, nullptr, ZoomView<Shell::Zoom::ClampFrame>},
};

}  // namespace

std::span<const Command> WindowCommands() { return kCommands; }

}  // namespace quillor
