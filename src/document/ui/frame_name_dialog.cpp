#include "document/ui/frame_name_dialog.h"

#include <QLabel>

#include "platform/ui/checked_accept.h"
#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

FrameNameDialog::FrameNameDialog(FrameNameModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString(FrameNameModel::kLabel), this));
    name = new QLineEdit(ToQString(model.Name()), this);
    name->selectAll();
    layout->addWidget(name);
    connect(name, &QLineEdit::textEdited, this, [this](const QString& text) { model_.SetName(FromQString(text)); });
    AddOkCancel(this, layout);
}

void FrameNameDialog::accept() {
    if (RefusedOk(this, model_)) {
        name->setFocus();
        name->selectAll();
        return;
    }
    QDialog::accept();
}

}  // namespace quillor
