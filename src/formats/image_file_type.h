#pragma once

#include <string_view>

namespace quillor {

enum class ImageFileType { Bmp, Jpeg, Tiff, Pcx, Pax, Tla, Png, Psd, Tga, Gif, Unknown };

// The format a path names, decided by its extension alone without regard to letter case.
ImageFileType GetImageFileType(std::string_view path);

// True when a frame may be named so: one of the extensions the program reads and writes
// (".gif" is read only, so it is not accepted).
bool HasImageExtension(std::string_view name);

const char* ImageFileTypeName(ImageFileType type);

// Lower-cases ASCII letters only; paths keep everything else as it is.
std::string LowerAscii(std::string_view text);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);

}  // namespace quillor
