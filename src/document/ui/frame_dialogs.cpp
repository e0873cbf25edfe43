#include "document/ui/frame_dialogs.h"

#include "document/ui/animation_controls_dialog.h"
#include "document/ui/clear_frames_dialog.h"
#include "document/ui/frame_name_dialog.h"
#include "document/ui/goto_frame_dialog.h"
#include "document/ui/layer_settings_dialog.h"

namespace quillor {

void RegisterFrameDialogs(QtInteraction& ui) {
    ui.RegisterDialog<FrameNameModel, FrameNameDialog>();
    ui.RegisterDialog<GotoFrameModel, GotoFrameDialog>();
    ui.RegisterDialog<AnimationControlsModel, AnimationControlsDialog>();
    ui.RegisterDialog<ClearFramesModel, ClearFramesDialog>();
    ui.RegisterDialog<LayerSettingsModel, LayerSettingsDialog>();
}

}  // namespace quillor
