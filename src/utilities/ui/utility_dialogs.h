#pragma once

#include "platform/ui/qt_interaction.h"

namespace quillor {

// Binds the models of the palette mapper and the two renamers to their dialogs.
void RegisterUtilityDialogs(QtInteraction& ui);

}  // namespace quillor
