#include "document/ui/goto_frame_dialog.h"

#include <QHBoxLayout>
#include <QLabel>

#include "platform/ui/checked_accept.h"
#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

GotoFrameDialog::GotoFrameDialog(GotoFrameModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(ToQString(GotoFrameModel::kLabel), this));
    number = new TextSpinBox(
        ToQString(model.Text()), 0,
        [this](const QString& typed) {
            model_.SetText(FromQString(typed));
            return ToQString(model_.Text());
        },
        [this](int steps) {
            model_.Spin(steps);
            return ToQString(model_.Text());
        },
        this);
    number->selectAll();
    row->addWidget(number);
    row->addStretch();
    layout->addLayout(row);
    AddOkCancel(this, layout);
}

void GotoFrameDialog::accept() {
    if (RefusedOk(this, model_)) {
        number->setFocus();
        number->selectAll();
        return;
    }
    QDialog::accept();
}

}  // namespace quillor
