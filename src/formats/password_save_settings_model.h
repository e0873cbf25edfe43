#pragma once

#include <string>

#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

// The save settings of the two password-capable formats. PAX adds an encryption type
// (its key-derivation work factor); TLA has only the password. Passwords are kept in
// memory for the session, never in the settings file.
class PasswordSaveSettingsModel final : public DialogModel {
public:
    enum class Format { Pax, Tla };

    static constexpr std::string_view kPaxTitle = "PAX Save Settings";
    static constexpr std::string_view kTlaTitle = "TLA Save Settings";
    static constexpr std::string_view kExplanation =
        "You can add a password to the file. If you do this, the file will ask for a password "
        "when reopened.";
    static constexpr std::string_view kPasswordLabel = "Password:";
    static constexpr std::string_view kEncryptionLabel = "Encryption Type (1 to 6):";
    static constexpr std::size_t kPasswordMaxChars = 8;
    static constexpr std::size_t kEncryptionMaxChars = 1;

    // `label` is the path the dialog names, or the format's files for a batch of frames.
    PasswordSaveSettingsModel(Format format, std::string label);

    std::string_view Title() const override { return format_ == Format::Pax ? kPaxTitle : kTlaTitle; }
    Format GetFormat() const { return format_; }
    bool HasEncryptionType() const { return format_ == Format::Pax; }
    const std::string& Label() const { return label_; }

    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;

    const std::string& Password() const { return password_; }
    // As typed into the edit: at most kPasswordMaxChars characters (not bytes).
    void SetPassword(std::string_view text);
    const std::string& EncryptionTypeText() const { return encryptionText_; }
    // A value above 6 becomes "6" as it is typed.
    void SetEncryptionTypeText(std::string_view text);
    int EncryptionType() const;

private:
    Format format_;
    std::string label_;
    std::string password_;
    std::string encryptionText_ = "1";
};

// The label a save settings dialog shows for `path`, or for the frames of a batch.
std::string PasswordDialogLabel(std::string_view path, bool batch, PasswordSaveSettingsModel::Format format);

}  // namespace quillor
