#pragma once

#include <optional>
#include <string>

#include "formats/image_file_context.h"

namespace quillor {

inline constexpr char kBitmapOpenTitle[] = "Bitmap Open";
inline constexpr char kBitmapSaveAsTitle[] = "Bitmap Save As";
inline constexpr char kBitmapOpenFilter[] =
    "All Files (*.*)|*.*|BMP Files (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|PCX Files (*.pcx)|*.pcx|PNG "
    "Files (*.png)|*.png|PSD Files (*.psd)|*.psd|TGA Files (*.tga)|*.tga|TIF Files (*.tif)|*.tif|"
    "TIFF Files (*.tiff)|*.tiff|PAX Files (*.pax)|*.pax|TLA Files (*.tla)|*.tla|";
inline constexpr char kBitmapSaveAsFilter[] =
    "All Files (*.*)|*.*|BMP Files (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|PAX Files (*.pax)|*.pax|PCX "
    "Files (*.pcx)|*.pcx|PNG Files (*.png)|*.png|PSD Files (*.psd)|*.psd|TGA Files (*.tga)|*.tga|"
    "TIF Files (*.tif)|*.tif|TLA Files (*.tla)|*.tla|";

// A file dialog that starts in the folder last used with the same title (or settings
// key, when the request names one) and remembers the folder chosen in it ("Previous
// Paths"). Empty when the user cancels.
std::optional<std::string> ChooseFileRemembering(FileDialogRequest request, bool save,
                                                 const ImageFileContext& context);

// The image open dialog ("Bitmap Open").
std::optional<std::string> ChooseImageToOpen(const ImageFileContext& context);

// The image Save As dialog ("Bitmap Save As"), starting with `currentPath` as the file
// name; it adds ".bmp" to a bare name and asks before overwriting.
std::optional<std::string> ChooseImageSaveAs(const std::string& currentPath,
                                              const ImageFileContext& context);

// The folder a file dialog starts in when nothing is remembered: the user's Pictures
// folder, or home.
std::string DefaultPictureFolder();

}  // namespace quillor
