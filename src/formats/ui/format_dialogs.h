#pragma once

#include "platform/ui/qt_interaction.h"

namespace quillor {

// Binds the image-file dialog models to their Qt dialogs.
void RegisterFormatDialogs(QtInteraction& ui);

}  // namespace quillor
