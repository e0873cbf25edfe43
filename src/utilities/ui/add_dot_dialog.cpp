#include "utilities/ui/add_dot_dialog.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

AddDotDialog::AddDotDialog(AddDotModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    sample = new QLabel(ToQString(model.Sample()), this);
    sample->setTextInteractionFlags(Qt::TextSelectableByMouse);
    result = new QLabel(ToQString(model.SampleWithDot()), this);
    offset = new QSpinBox(this);
    offset->setRange(0, model.MaximumOffset());
    offset->setValue(model.Offset());
    form->addRow(ToQString(AddDotModel::kSampleLabel), sample);
    form->addRow(ToQString(AddDotModel::kOffsetLabel), offset);
    form->addRow(QString(), result);
    layout->addLayout(form);
    AddOkCancel(this, layout);
    connect(offset, &QSpinBox::valueChanged, this, [this](int value) {
        model_.SetOffset(value);
        result->setText(ToQString(model_.SampleWithDot()));
    });
}

void AddDotDialog::accept() {
    // Text still being typed has not reached the model yet.
    offset->interpretText();
    QDialog::accept();
}

}  // namespace quillor
