#pragma once

#include <optional>
#include <span>

namespace quillor {

class CAnimDoc;
class DocumentEnvironment;
class Interaction;
class Shell;
struct ToolContext;

// What a command acts on: the active document (null when no window is open), the tools
// and their brush, the user and the program's windows.
struct CommandContext {
    CAnimDoc* document;
    ToolContext& tools;
    Interaction& ui;
    DocumentEnvironment& environment;
    Shell& shell;
};

// One command of the menus, keys and toolbars: when it can be chosen, whether it shows
// checked, and what it does. Menus, keys and buttons only name its identifier.
struct Command {
    int id;
    bool (*enabled)(const CommandContext&);
    // Null for commands without a checked state.
    bool (*checked)(const CommandContext&);
    void (*run)(CommandContext&);
};

// Every command that does something, in no particular order.
std::span<const Command> AllCommands();
const Command* FindCommandBehaviour(int id);

// The command a right click on the "Tools" bar's button `buttonId` runs: the tool's
// settings where it has them (its identifier + 120), else the button's own command.
int RightClickCommandFor(int buttonId);

// Runs `id` when it is enabled; false when it is unknown or disabled.
bool RunCommand(int id, CommandContext& context);
bool CommandEnabled(int id, const CommandContext& context);
// Whether the command shows checked; nothing for commands without a checked state.
std::optional<bool> CommandChecked(int id, const CommandContext& context);

// The command families, each in its own file; AllCommands joins them.
std::span<const Command> FileCommands();
std::span<const Command> EditCommands();
std::span<const Command> ToolCommands();
std::span<const Command> BrushCommands();
std::span<const Command> WindowCommands();
std::span<const Command> PaletteCommands();
std::span<const Command> AnimCommands();
std::span<const Command> ImageCommands();
std::span<const Command> UtilityCommands();

}  // namespace quillor
