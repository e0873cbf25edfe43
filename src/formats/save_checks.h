#pragma once

#include <string>

#include "core/colour_mode.h"
#include "formats/image_file_context.h"

namespace quillor {

// Runs before an image is saved: refuses depths the format cannot take and shows the
// format's save settings dialog. `named` selects the messages that name the file (and
// the batch labels), used when every frame of an animation is saved as its own file.
// False stops the save.
bool CheckBeforeSave(const std::string& path, ColourMode mode, bool named,
                     const ImageFileContext& context);

}  // namespace quillor
