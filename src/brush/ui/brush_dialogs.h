#pragma once

#include "platform/ui/qt_interaction.h"

namespace quillor {

// Binds the brush dialog models to their Qt dialogs.
void RegisterBrushDialogs(QtInteraction& ui);

}  // namespace quillor
