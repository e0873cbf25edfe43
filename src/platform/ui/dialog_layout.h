#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace quillor {

// The OK and Cancel row every small settings dialog ends with. It also gives the dialog
// a width at which its wrapped prompts read as sentences, not columns.
inline QDialogButtonBox* AddOkCancel(QDialog* dialog, QBoxLayout* layout) {
    dialog->setMinimumWidth(dialog->fontMetrics().averageCharWidth() * 56);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return buttons;
}

}  // namespace quillor
