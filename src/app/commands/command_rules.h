#pragma once

#include "app/commands/command.h"
#include "document/anim_doc.h"

namespace quillor::command_rules {

// The enabling rules the commands share.
inline bool Always(const CommandContext&) { return true; }
// A window is open.
inline bool HasDocument(const CommandContext& c) { return c.document != nullptr; }

}  // namespace quillor::command_rules
