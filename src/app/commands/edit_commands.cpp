// Undo, redo and clearing the frame, from the Edit menu and the "Tools" bar alike.

#include "app/command_table.h"
#include "app/commands/command_rules.h"
#include "document/clear_frames_model.h"
#include "document/document_environment.h"
#include "document/frame_clear.h"
#include "document/undo_store.h"
#include "tools/tool_context.h"
#include "tools/tool_ids.h"

namespace quillor {

namespace {

using namespace command_rules;

// A frame brought back as a palette picture cannot keep the red-eye tool, which works on
// true colour only.
void LeaveRedEyeOnPalette(CommandContext& c) {
    if (c.tools.CurrentToolId() == tool_id::kRedEye && c.tools.HasPicture() && !c.tools.Target().TrueColour())
        c.tools.SelectTool(tool_id::kPaint);
}

void Undo(CommandContext& c) {
    c.document->Undo().Undo(*c.document);
    LeaveRedEyeOnPalette(c);
}
void Redo(CommandContext& c) {
    c.document->Undo().Redo(*c.document);
    LeaveRedEyeOnPalette(c);
}
void Clear(CommandContext& c) { ClearCurrentFrame(*c.document); }
// The "Tools" bar's button offers a range of frames when there are several.
void ClearCanvasButton(CommandContext& c) { ClearCanvas(*c.document, c.ui, c.environment.Settings()); }

constexpr Command kCommands[] = {
    {cmd::kEditUndo, HasDocument, nullptr, Undo},
    {tool_id::kUndo, HasDocument, nullptr, Undo},
    {cmd::kEditRedo, HasDocument, nullptr, Redo},
    {tool_id::kRedo, HasDocument, nullptr, Redo},
    {cmd::kEditClear, HasDocument, nullptr, Clear},
    {tool_id::kClearScreen, HasDocument, nullptr, ClearCanvasButton},
};

}  // namespace

std::span<const Command> EditCommands() { return kCommands; }

}  // namespace quillor
