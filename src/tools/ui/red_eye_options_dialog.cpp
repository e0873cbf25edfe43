#include "tools/ui/red_eye_options_dialog.h"

#include <QGridLayout>
#include <QLabel>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

namespace {

// A percentage with its label, and its explanation wrapped beneath.
QSpinBox* AddPercentRow(QDialog* dialog, QGridLayout* grid, int row, std::string_view label, std::string_view help,
                        int value) {
    grid->addWidget(new QLabel(ToQString(label), dialog), row, 0);
    auto* spin = new QSpinBox(dialog);
    spin->setRange(RedEyeOptionsModel::kMinimum, RedEyeOptionsModel::kMaximum);
    spin->setSuffix("%");
    spin->setValue(value);
    grid->addWidget(spin, row, 1);
    auto* explanation = new QLabel(ToQString(help), dialog);
    explanation->setWordWrap(true);
    grid->addWidget(explanation, row + 1, 0, 1, 3);
    return spin;
}

}  // namespace

RedEyeOptionsDialog::RedEyeOptionsDialog(RedEyeOptionsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    saturation = AddPercentRow(this, grid, 0, RedEyeOptionsModel::kSaturationLabel, RedEyeOptionsModel::kSaturationHelp,
                               model.Saturation());
    range = AddPercentRow(this, grid, 2, RedEyeOptionsModel::kRangeLabel, RedEyeOptionsModel::kRangeHelp,
                          model.Range());
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    AddOkCancel(this, layout);
    connect(saturation, &QSpinBox::valueChanged, this, [this](int value) { model_.SetSaturation(value); });
    connect(range, &QSpinBox::valueChanged, this, [this](int value) { model_.SetRange(value); });
}

void RedEyeOptionsDialog::accept() {
    saturation->interpretText();
    range->interpretText();
    QDialog::accept();
}

}  // namespace quillor
