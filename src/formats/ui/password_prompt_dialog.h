#pragma once

#include <QDialog>
#include <QLineEdit>

#include "formats/password_prompt_model.h"

namespace quillor {

// "Password", asked when a protected file is opened.
class PasswordPromptDialog final : public QDialog {
public:
    PasswordPromptDialog(PasswordPromptModel& model, QWidget* parent = nullptr);

    QLineEdit* password = nullptr;
};

}  // namespace quillor
