#include "app/commands/command.h"

#include <vector>

#include "tools/tool_ids.h"

namespace quillor {

std::span<const Command> AllCommands() {
    static const std::vector<Command> all = [] {
        std::vector<Command> joined;
        for (auto family : {FileCommands(), EditCommands(), ToolCommands(), BrushCommands(),
                            WindowCommands(), PaletteCommands(), AnimCommands(), ImageCommands(),
                            UtilityCommands()})
            joined.insert(joined.end(), family.begin(), family.end());
        return joined;
    }();
    return all;
}

const Command* FindCommandBehaviour(int id) {
    for (const Command& c : AllCommands())
        if (c.id == id) return &c;
    return nullptr;
}

int RightClickCommandFor(int buttonId) {
    const int settings = buttonId + tool_id::kRightClickOffset;
    return FindCommandBehaviour(settings) ? settings : buttonId;
}

bool CommandEnabled(int id, const CommandContext& context) {
    const Command* c = FindCommandBehaviour(id);
    return c != nullptr && (c->enabled == nullptr || c->enabled(context));
}

std::optional<bool> CommandChecked(int id, const CommandContext& context) {
    const Command* c = FindCommandBehaviour(id);
    if (c == nullptr || c->checked == nullptr) return std::nullopt;
    return c->checked(context);
}

bool RunCommand(int id, CommandContext& context) {
    const Command* c = FindCommandBehaviour(id);
    if (c == nullptr || !CommandEnabled(id, context)) return false;
    c->run(context);
    return true;
}

}  // namespace quillor
