#pragma once

#include "platform/ui/qt_interaction.h"

namespace quillor {

// Binds the dialog models of an animation's frames and a layered image's layers to their
// Qt dialogs: frame name, go to frame, animation controls, clearing frames and layer
// settings.
void RegisterFrameDialogs(QtInteraction& ui);

}  // namespace quillor
