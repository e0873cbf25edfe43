#include "tools/ui/spray_options_dialog.h"

#include <QGridLayout>
#include <QLabel>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

namespace {

QSpinBox* AddValueRow(QDialog* dialog, QGridLayout* grid, int row, std::string_view label, int value) {
    grid->addWidget(new QLabel(ToQString(label), dialog), row, 0);
    auto* spin = new QSpinBox(dialog);
    spin->setRange(SprayOptionsModel::kMinimum, SprayOptionsModel::kMaximum);
    spin->setValue(value);
    grid->addWidget(spin, row, 1);
    return spin;
}

}  // namespace

SprayOptionsDialog::SprayOptionsDialog(SprayOptionsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    diameter = AddValueRow(this, grid, 0, SprayOptionsModel::kDiameterLabel, model.Size());
    density = AddValueRow(this, grid, 1, SprayOptionsModel::kDensityLabel, model.Density());
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    AddOkCancel(this, layout);
    connect(diameter, &QSpinBox::valueChanged, this, [this](int value) { model_.SetSize(value); });
    connect(density, &QSpinBox::valueChanged, this, [this](int value) { model_.SetDensity(value); });
}

void SprayOptionsDialog::accept() {
    diameter->interpretText();
    density->interpretText();
    QDialog::accept();
}

}  // namespace quillor
