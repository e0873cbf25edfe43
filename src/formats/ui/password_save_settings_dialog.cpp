#include "formats/ui/password_save_settings_dialog.h"

#include <QFormLayout>
#include <QLabel>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

PasswordSaveSettingsDialog::PasswordSaveSettingsDialog(PasswordSaveSettingsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* path = new QLabel(ToQString(model.Label()), this);
    path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(path);
    auto* explanation = new QLabel(ToQString(PasswordSaveSettingsModel::kExplanation), this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    auto* form = new QFormLayout;
    // The model limits the length in characters; the widget's own limit would count
    // UTF-16 units and turn away characters outside the basic plane too early.
    password = new QLineEdit(ToQString(model.Password()), this);
    password->setEchoMode(QLineEdit::Password);
    form->addRow(ToQString(PasswordSaveSettingsModel::kPasswordLabel), password);
    connect(password, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.SetPassword(FromQString(text));
        const QString kept = ToQString(model_.Password());
        if (password->text() != kept) password->setText(kept);
    });
    if (model.HasEncryptionType()) {
        encryptionType = new QLineEdit(ToQString(model.EncryptionTypeText()), this);
        encryptionType->setMaxLength(int(PasswordSaveSettingsModel::kEncryptionMaxChars));
        encryptionType->setFixedWidth(fontMetrics().horizontalAdvance("00") + 12);
        form->addRow(ToQString(PasswordSaveSettingsModel::kEncryptionLabel), encryptionType);
        connect(encryptionType, &QLineEdit::textEdited, this, [this](const QString& text) {
            model_.SetEncryptionTypeText(FromQString(text));
            const QString shown = ToQString(model_.EncryptionTypeText());
            if (encryptionType->text() != shown) encryptionType->setText(shown);
        });
    }
    layout->addLayout(form);
    AddOkCancel(this, layout);
}

}  // namespace quillor
