#pragma once

#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

// What loading and saving image files needs from the program: someone to talk to and
// the settings the dialogs read and write.
struct ImageFileContext {
    Interaction& ui;
    SettingsStore& settings;
};

}  // namespace quillor
