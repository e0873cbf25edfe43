#pragma once

#include "platform/ui/qt_interaction.h"

namespace quillor {

// Binds the palette's dialog models to their Qt dialogs.
void RegisterPaletteDialogs(QtInteraction& ui);

}  // namespace quillor
