#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formats/image_file_context.h"

namespace quillor {

// Extensions the image Open command takes: the image formats and the animation and
// layered scripts.
bool IsOpenableImagePath(const std::string& path);

// The image Open command's dialog ("Bitmap Open"), then the extension check with its
// "Unrecognized file format." message. The path to open, or nothing.
std::optional<std::string> ChooseImageFileToOpen(const ImageFileContext& context);

// What the program was started with: the files to open. Embedding and automation
// switches are accepted and ignored.
struct StartArguments {
    std::vector<std::string> files;
};
StartArguments ParseStartArguments(int argc, char** argv);

}  // namespace quillor
