#include "formats/image_file_dialogs.h"

#include <cstdlib>
#include <filesystem>

#include "formats/image_settings_keys.h"

namespace quillor {

std::string DefaultPictureFolder() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) return ".";
    std::error_code ec;
    const std::filesystem::path pictures = std::filesystem::path(home) / "Pictures";
    return std::filesystem::is_directory(pictures, ec) ? pictures.string() : std::string(home);
}

std::optional<std::string> ChooseFileRemembering(FileDialogRequest request, bool save,
                                                 const ImageFileContext& context) {
    const std::string key = request.settingsKey.empty() ? request.title : request.settingsKey;
    const std::string remembered = context.settings.GetString(settings_keys::kPreviousPaths, key);
    std::error_code ec;
    if (request.folder.empty())
        request.folder = (!remembered.empty() && std::filesystem::is_directory(remembered, ec))
                             ? remembered
                             : DefaultPictureFolder();
    auto chosen = save ? context.ui.ChooseFileToSave(request) : context.ui.ChooseFileToOpen(request);
    if (!chosen || chosen->empty()) return std::nullopt;
    const std::filesystem::path folder = std::filesystem::path(*chosen).parent_path();
    if (!folder.empty())
        context.settings.SetString(settings_keys::kPreviousPaths, key, folder.string());
    return chosen;
}

std::optional<std::string> ChooseImageToOpen(const ImageFileContext& context) {
    FileDialogRequest request;
    request.title = kBitmapOpenTitle;
    request.filter = kBitmapOpenFilter;
    return ChooseFileRemembering(request, false, context);
}

std::optional<std::string> ChooseImageSaveAs(const std::string& currentPath,
                                              const ImageFileContext& context) {
    FileDialogRequest request;
    request.title = kBitmapSaveAsTitle;
    request.filter = kBitmapSaveAsFilter;
    request.fileName = currentPath;
    request.defaultExtension = "bmp";
    request.confirmOverwrite = true;
    return ChooseFileRemembering(request, true, context);
}

}  // namespace quillor
