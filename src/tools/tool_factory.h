#pragma once

#include <memory>

#include "tools/paint_tool.h"

namespace quillor {

// A new tool object for a tool identifier, or null for identifiers that are not tools
// one can hold (toggles and buttons) or that the program has no tool for.
std::unique_ptr<PaintTool> MakeTool(ToolContext& context, int toolId);
// Whether MakeTool makes a tool for `toolId`.
bool IsSelectableTool(int toolId);

}  // namespace quillor
