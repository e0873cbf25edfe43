#pragma once

#include <memory>

#include "tools/paint_tool.h"

namespace quillor {

// A new tool object for a tool identifier, or null for identifiers that are not tools
// one can hold (toggles and buttons) or whose tools are not there yet.
std::unique_ptr<PaintTool> MakeTool(ToolContext& context, int toolId);

}  // namespace quillor
