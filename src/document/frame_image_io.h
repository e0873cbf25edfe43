#pragma once

#include <string>

#include "core/colour_mode.h"
#include "core/coxdib.h"
#include "formats/image_file.h"

namespace quillor {

// Loads one image file the way a frame is loaded: by extension, then with its colour
// table brought to a standard length (a table of another length is copied out and back,
// which fills it to 16 or 256 entries from the default table).
bool LoadFrameImage(COXDIB& image, const std::string& path, const ImageFileContext& context,
                    LoadOutcome* outcome = nullptr);

// The colour mode a freshly loaded image gives its frame; 1- and 4-bit images are
// unpacked to 8 bits so that editing only ever sees 8 and 24 bits.
ColourMode FinishImageLoad(COXDIB& image);

// Writes an image held in `mode`: 2- and 16-colour pictures are packed to 1 and 4 bits
// first, the others are written as they are.
bool SaveImageInMode(const COXDIB& image, ColourMode mode, const std::string& path,
                     const ImageFileContext& context);

}  // namespace quillor
