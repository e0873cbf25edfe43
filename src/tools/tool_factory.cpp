#include "tools/tool_factory.h"

#include <iterator>

#include "tools/band_tools.h"
#include "tools/click_tools.h"
#include "tools/freehand_tools.h"

namespace quillor {

namespace {

template <typename Tool>
std::unique_ptr<PaintTool> Make(ToolContext& context, int) {
    return std::make_unique<Tool>(context);
}

std::unique_ptr<PaintTool> MakeBoxShape(ToolContext& context, int id) {
    return std::make_unique<BoxShapeTool>(context, id);
}

struct Registration {
    int id;
    std::unique_ptr<PaintTool> (*make)(ToolContext&, int);
};

// Every tool a button or command can select, by its identifier.
constexpr Registration kTools[] = {
    {tool_id::kPaint, Make<PaintFreehandTool>},
    {tool_id::kSpray, Make<SprayTool>},
    {tool_id::kText, Make<TextTool>},
    {tool_id::kLine, Make<LineTool>},
    {tool_id::kCurve, Make<CurveTool>},
    {tool_id::kSquare, MakeBoxShape},
    {tool_id::kFilledSquare, MakeBoxShape},
    {tool_id::kCircle, MakeBoxShape},
    {tool_id::kFilledCircle, MakeBoxShape},
    {tool_id::kMagnify, Make<MagnifyTool>},
    {tool_id::kRedEye, Make<RedEyeTool>},
    {tool_id::kGrab, Make<GrabTool>},
    {tool_id::kGrabFreehand, Make<FreehandGrabTool>},
    {tool_id::kFill, Make<FillTool>},
    {tool_id::kPick, Make<PickTool>},
    {tool_id::kHandle, Make<HandleTool>},
    {tool_id::kSymmetryCentre, Make<SymmetryCentreTool>},
};

}  // namespace

std::unique_ptr<PaintTool> MakeTool(ToolContext& context, int toolId) {
    for (const Registration& r : kTools)
        if (r.id == toolId) return r.make(context, toolId);
    return nullptr;
}

bool IsSelectableTool(int toolId) {
    for (const Registration& r : kTools)
        if (r.id == toolId) return true;
    return false;
}

}  // namespace quillor
