#include "brush/ui/brush_dialogs.h"

#include "brush/ui/brush_deform_dialog.h"
#include "brush/ui/brush_shape_dialog.h"
#include "brush/ui/resize_brush_dialog.h"

namespace quillor {

void RegisterBrushDialogs(QtInteraction& ui) {
    ui.RegisterDialog<BrushShapeModel, BrushShapeDialog>();
    ui.RegisterDialog<ResizeBrushModel, ResizeBrushDialog>();
    ui.RegisterDialog<BrushDeformModel, BrushDeformDialog>();
}

}  // namespace quillor
