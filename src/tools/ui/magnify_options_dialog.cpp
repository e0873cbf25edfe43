#include "tools/ui/magnify_options_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

MagnifyOptionsDialog::MagnifyOptionsDialog(MagnifyOptionsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    // The fixed choice sits in its own box with its number, so the buttons need a group
    // to stay exclusive across the two parents.
    auto* group = new QButtonGroup(this);
    constexpr int kFixed = int(MagnifyType::Fixed);
    for (int i = 0; i < MagnifyOptionsModel::kChoices; ++i) {
        choices[i] = new QRadioButton(ToQString(MagnifyOptionsModel::kChoiceLabels[i]), this);
        group->addButton(choices[i], i);
        if (i != kFixed) {
            layout->addWidget(choices[i]);
            continue;
        }
        auto* fixedBox = new QGroupBox(ToQString(MagnifyOptionsModel::kFixedGroup), this);
        auto* row = new QHBoxLayout(fixedBox);
        row->addWidget(choices[i]);
        fixed = new QSpinBox(fixedBox);
        fixed->setRange(MagnifyOptionsModel::kMinFixed, MagnifyOptionsModel::kMaxFixed);
        fixed->setValue(model.Fixed());
        row->addWidget(fixed);
        row->addStretch();
        layout->addWidget(fixedBox);
    }
    choices[int(model.Type())]->setChecked(true);
    fixed->setEnabled(model.FixedEnabled());
    AddOkCancel(this, layout);

    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (!on) return;
        model_.SetType(MagnifyType(id));
        fixed->setEnabled(model_.FixedEnabled());
    });
    connect(fixed, &QSpinBox::valueChanged, this, [this](int value) { model_.SetFixed(value); });
}

void MagnifyOptionsDialog::accept() {
    // Digits still being typed have not reached the model yet.
    fixed->interpretText();
    QDialog::accept();
}

}  // namespace quillor
