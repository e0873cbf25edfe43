#include "tools/fx_brush_model.h"

namespace quillor {

void FxBrushModel::Load(const ToolPreferences& p) {
    tint_ = p.fxType == 1;
    allBrush_ = p.fxTransparencyMode != 0;
    direction_ = preference_ranges::kControlledType.Clamp(p.fxControlledType);
    SetOpacity(p.fxOpacity);
    SetFrom(p.fxFrom);
    SetTo(p.fxTo);
}

void FxBrushModel::Store(ToolPreferences& p) const {
    p.fxType = tint_ ? 1 : 0;
    p.fxTransparencyMode = allBrush_ ? 1 : 0;
    p.fxControlledType = direction_;
    p.fxOpacity = opacity_;
    p.fxFrom = from_;
    p.fxTo = to_;
}

void FxBrushModel::SetDirection(int direction) {
    allBrush_ = false;
    direction_ = preference_ranges::kControlledType.Clamp(direction);
}

}  // namespace quillor
