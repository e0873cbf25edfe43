#include "formats/ui/password_prompt_dialog.h"

#include <QLabel>

#include "formats/edit_text.h"
#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

PasswordPromptDialog::PasswordPromptDialog(PasswordPromptModel& model, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(ToQString(PasswordPromptModel::kPrompt), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    layout->addWidget(new QLabel(ToQString(ShortenedPathLabel(model.Path())), this));
    password = new QLineEdit(this);
    password->setEchoMode(QLineEdit::Password);
    layout->addWidget(password);
    connect(password, &QLineEdit::textEdited, this,
            [&model](const QString& text) { model.SetPassword(FromQString(text)); });
    AddOkCancel(this, layout);
}

}  // namespace quillor
