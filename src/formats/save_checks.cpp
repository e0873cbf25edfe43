#include "formats/save_checks.h"

#include "core/text_format.h"
#include "formats/image_file_messages.h"
#include "formats/image_file_type.h"
#include "formats/jpeg_save_settings_model.h"
#include "formats/password_save_settings_model.h"
#include "formats/png_save_settings_model.h"
#include "formats/tiff_save_settings_model.h"

namespace quillor {

namespace {

bool Refuse(const ImageFileContext& context, std::string_view shortText, std::string_view namedText,
            bool named, const std::string& path) {
    const std::string text = named ? FormatText(namedText, {path}) : std::string(shortText);
    context.ui.ShowMessage(text, messages::kCannotSave, MessageIcon::Information);
    return false;
}

template <typename Model>
bool RunSettings(Model& model, const ImageFileContext& context) {
    model.Load(context.settings);
    if (!context.ui.RunDialog(model)) return false;
    model.Store(context.settings);
    return true;
}

}  // namespace

bool CheckBeforeSave(const std::string& path, ColourMode mode, bool named,
                     const ImageFileContext& context) {
    const bool bmp = EndsWithNoCase(path, ".bmp");
    if (!bmp && mode == ColourMode::Mono)
        return Refuse(context, messages::kMonoNeedsBmp, messages::kMonoNeedsBmpNamed, named, path);
    if (!bmp && mode == ColourMode::Colours16)
        return Refuse(context, messages::k16NeedsBmp, messages::k16NeedsBmpNamed, named, path);

    if (EndsWithNoCase(path, ".jpg") || EndsWithNoCase(path, ".jpeg")) {
        if (mode != ColourMode::TrueColour)
            return Refuse(context, messages::kJpgNeedsTrueColour, messages::kJpgNeedsTrueColourNamed,
                          named, path);
        JpegSaveSettingsModel model;
        return RunSettings(model, context);
    }
    if (EndsWithNoCase(path, ".pax") || EndsWithNoCase(path, ".tla")) {
        const auto format = EndsWithNoCase(path, ".pax") ? PasswordSaveSettingsModel::Format::Pax
                                                         : PasswordSaveSettingsModel::Format::Tla;
        PasswordSaveSettingsModel model(format, PasswordDialogLabel(path, named, format));
        return RunSettings(model, context);
    }
    // Saving frames in a batch has only ever recognised the short TIFF extension.
    if (EndsWithNoCase(path, ".tif") || (!named && EndsWithNoCase(path, ".tiff"))) {
        TiffSaveSettingsModel model;
        return RunSettings(model, context);
    }
    if (EndsWithNoCase(path, ".png")) {
        PngSaveSettingsModel model;
        return RunSettings(model, context);
    }
    return true;
}

}  // namespace quillor
