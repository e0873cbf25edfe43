#pragma once

#include "platform/ui/qt_interaction.h"

namespace quillor {

// Binds the new-document dialog models to their Qt dialogs.
void RegisterDocumentDialogs(QtInteraction& ui);

}  // namespace quillor
