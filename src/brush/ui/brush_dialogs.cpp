#include "brush/ui/brush_dialogs.h"

#include "brush/ui/brush_shape_dialog.h"

namespace quillor {

void RegisterBrushDialogs(QtInteraction& ui) {
    ui.RegisterDialog<BrushShapeModel, BrushShapeDialog>();
}

}  // namespace quillor
