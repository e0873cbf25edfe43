#pragma once

#include "platform/ui/qt_interaction.h"

namespace quillor {

// Binds the tools' right-click dialog models to their Qt dialogs.
void RegisterToolDialogs(QtInteraction& ui);

}  // namespace quillor
