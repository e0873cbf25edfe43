#include "formats/password_save_settings_model.h"

#include <algorithm>

#include "formats/edit_text.h"
#include "formats/image_settings_keys.h"

namespace quillor {

using namespace settings_keys;

PasswordSaveSettingsModel::PasswordSaveSettingsModel(Format format, std::string label)
    : format_(format), label_(std::move(label)) {}

void PasswordSaveSettingsModel::Load(const SettingsStore& settings) {
    const char* section = format_ == Format::Pax ? kPaxSave : kTlaSave;
    // Kept whole: cutting it here would seal the file with a password nobody gave.
    password_ = settings.GetString(section, kPassword, "");
    if (HasEncryptionType())
        SetEncryptionTypeText(std::to_string(std::clamp(settings.GetInt(kPaxSave, kPaxEncryption, 1), 1, 6)));
}

void PasswordSaveSettingsModel::Store(SettingsStore& settings) const {
    const char* section = format_ == Format::Pax ? kPaxSave : kTlaSave;
    settings.SetInMemory(section, kPassword, password_);
    if (HasEncryptionType()) settings.SetInt(kPaxSave, kPaxEncryption, EncryptionType());
}

void PasswordSaveSettingsModel::SetPassword(std::string_view text) {
    password_ = LimitEditText(text, kPasswordMaxChars, false);
}

void PasswordSaveSettingsModel::SetEncryptionTypeText(std::string_view text) {
    encryptionText_ = LimitEditText(text, kEncryptionMaxChars, true);
    if (EditInteger(encryptionText_) > 6) encryptionText_ = "6";
}

int PasswordSaveSettingsModel::EncryptionType() const {
    return std::clamp(EditInteger(encryptionText_), 1, 6);
}

std::string PasswordDialogLabel(std::string_view path, bool batch,
                                PasswordSaveSettingsModel::Format format) {
    if (batch) return format == PasswordSaveSettingsModel::Format::Pax ? "PAX Files" : "TLA Files";
    return ShortenedPathLabel(path);
}

}  // namespace quillor
