#include "tools/tool_factory.h"

#include "tools/band_tools.h"
#include "tools/click_tools.h"
#include "tools/freehand_tools.h"

namespace quillor {

std::unique_ptr<PaintTool> MakeTool(ToolContext& context, int toolId) {
    using namespace tool_id;
    switch (toolId) {
        case kPaint: return std::make_unique<PaintFreehandTool>(context);
        case kSpray: return std::make_unique<SprayTool>(context);
        case kLine: return std::make_unique<LineTool>(context);
        case kCurve: return std::make_unique<CurveTool>(context);
        case kSquare:
        case kFilledSquare:
        case kCircle:
        case kFilledCircle: return std::make_unique<BoxShapeTool>(context, toolId);
        case kMagnify: return std::make_unique<MagnifyTool>(context);
        case kFill: return std::make_unique<FillTool>(context);
        case kPick: return std::make_unique<PickTool>(context);
        case kHandle: return std::make_unique<HandleTool>(context);
        case kSymmetryCentre: return std::make_unique<SymmetryCentreTool>(context);
        default: return nullptr;
    }
}

}  // namespace quillor
