#pragma once

#include <string_view>

#include "platform/interaction.h"
#include "platform/settings_store.h"
#include "utilities/class_registry.h"

namespace quillor {

// On the first start, before the main window exists, asks which picture types the
// desktop should open with Quillor. Once the user has chosen (OK), it never asks again;
// a cancelled choice is offered again at the next start.
void OfferFileAssociationsOnFirstStart(Interaction& ui, SettingsStore& settings, ClassRegistry& registry,
                                       std::string_view programPath);

}  // namespace quillor
