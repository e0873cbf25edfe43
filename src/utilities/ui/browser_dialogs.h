#pragma once

#include "platform/ui/qt_interaction.h"

namespace quillor {

// Binds the image browser's dialog models to their Qt dialogs.
void RegisterBrowserDialogs(QtInteraction& ui);

}  // namespace quillor
