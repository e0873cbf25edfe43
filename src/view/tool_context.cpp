#include "view/tool_context.h"

#include <algorithm>

namespace quillor {

void ToolContext::ApplyPreferences() {
    magnifyType = MagnifyType(std::clamp(preferences.magnifyType, 0, 7));
    magnifyFixed = unsigned(std::clamp(preferences.magnifyFixed, 1, 40));
}

void ToolContext::CollectPreferences() {
    preferences.magnifyType = int(magnifyType);
    preferences.magnifyFixed = int(magnifyFixed);
}

}  // namespace quillor
