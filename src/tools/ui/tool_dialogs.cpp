#include "tools/ui/tool_dialogs.h"

#include "tools/ui/animated_brush_dialog.h"
#include "tools/ui/fx_brush_dialog.h"
#include "tools/ui/magnify_options_dialog.h"
#include "tools/ui/red_eye_options_dialog.h"
#include "tools/ui/shape_style_dialog.h"
#include "tools/ui/spray_options_dialog.h"
#include "tools/ui/symmetry_options_dialog.h"
#include "tools/ui/text_dialog.h"

namespace quillor {

void RegisterToolDialogs(QtInteraction& ui) {
    ui.RegisterDialog<AnimatedBrushModel, AnimatedBrushDialog>();
    ui.RegisterDialog<FxBrushModel, FxBrushDialog>();
    ui.RegisterDialog<MagnifyOptionsModel, MagnifyOptionsDialog>();
    ui.RegisterDialog<RedEyeOptionsModel, RedEyeOptionsDialog>();
    ui.RegisterDialog<ShapeStyleModel, ShapeStyleDialog>();
    ui.RegisterDialog<SprayOptionsModel, SprayOptionsDialog>();
    ui.RegisterDialog<SymmetryOptionsModel, SymmetryOptionsDialog>();
    ui.RegisterDialog<TextModel, TextDialog>();
}

}  // namespace quillor
