#pragma once

#include <string>

#include "core/coxdib.h"
#include "formats/image_file_context.h"

namespace quillor {

// Failed: the file could not be read as a picture, and the caller tells the user.
// Reported: the user has been told already (a file that cannot be opened, a BMP that
// cannot be read); another message would only repeat it.
enum class LoadOutcome { Loaded, Failed, Reported, Cancelled, WrongPassword };

// Replaces `image` with the picture in the file at `path`, the format chosen by the
// extension. A file that cannot be opened and BMP problems are reported here; other
// formats' decoding failures are left to the caller, except for a wrong password. A
// multi-page TIFF asks which page, a protected PAX or TLA file asks for its password.
// On failure the image is empty.
bool LoadImageFile(COXDIB& image, const std::string& path, const ImageFileContext& context,
                   LoadOutcome* outcome = nullptr);

// Writes an 8- or 24-bit image (or a packed 1- or 4-bit one to BMP) to `path` in the
// format its extension names, with the save settings as they stand now. The file is
// replaced only once the new one is complete; failures are reported.
bool SaveImageFile(const COXDIB& image, const std::string& path, const ImageFileContext& context);

}  // namespace quillor
