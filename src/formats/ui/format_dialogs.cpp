#include "formats/ui/format_dialogs.h"

#include "formats/ui/jpeg_save_settings_dialog.h"
#include "formats/ui/password_prompt_dialog.h"
#include "formats/ui/password_save_settings_dialog.h"
#include "formats/ui/png_save_settings_dialog.h"
#include "formats/ui/tiff_page_dialog.h"
#include "formats/ui/tiff_save_settings_dialog.h"

namespace quillor {

void RegisterFormatDialogs(QtInteraction& ui) {
    ui.RegisterDialog<JpegSaveSettingsModel, JpegSaveSettingsDialog>();
    ui.RegisterDialog<TiffSaveSettingsModel, TiffSaveSettingsDialog>();
    ui.RegisterDialog<PngSaveSettingsModel, PngSaveSettingsDialog>();
    ui.RegisterDialog<PasswordSaveSettingsModel, PasswordSaveSettingsDialog>();
    ui.RegisterDialog<TiffPageModel, TiffPageDialog>();
    ui.RegisterDialog<PasswordPromptModel, PasswordPromptDialog>();
}

}  // namespace quillor
