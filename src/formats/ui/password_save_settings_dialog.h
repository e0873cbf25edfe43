#pragma once

#include <QDialog>
#include <QLineEdit>

#include "formats/password_save_settings_model.h"

namespace quillor {

// "PAX Save Settings" and "TLA Save Settings".
class PasswordSaveSettingsDialog final : public QDialog {
public:
    PasswordSaveSettingsDialog(PasswordSaveSettingsModel& model, QWidget* parent = nullptr);

    QLineEdit* password = nullptr;
    QLineEdit* encryptionType = nullptr;  // PAX only

private:
    PasswordSaveSettingsModel& model_;
};

}  // namespace quillor
