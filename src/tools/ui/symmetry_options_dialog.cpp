#include "tools/ui/symmetry_options_dialog.h"

#include <QGridLayout>
#include <QLabel>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

namespace {

QSpinBox* AddValueRow(QDialog* dialog, QGridLayout* grid, int row, std::string_view label,
                      int value, int minimum, int maximum) {
    grid->addWidget(new QLabel(ToQString(label), dialog), row, 0);
    auto* spin = new QSpinBox(dialog);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    grid->addWidget(spin, row, 1);
    return spin;
}

}  // namespace

SymmetryOptionsDialog::SymmetryOptionsDialog(SymmetryOptionsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    using M = SymmetryOptionsModel;
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < M::kStyles; ++i) {
        styles[i] = new QRadioButton(ToQString(M::kStyleLabels[i]), this);
        styles[i]->setChecked(int(model.Style()) == i);
        connect(styles[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) model_.SetStyle(SymmetryStyle(i));
        });
        layout->addWidget(styles[i]);
    }
    auto* grid = new QGridLayout;
    points = AddValueRow(this, grid, 0, M::kPointsLabel, model.Points(), M::kMinPoints, M::kMaxPoints);
    width = AddValueRow(this, grid, 1, M::kWidthLabel, model.Width(), M::kMinSide, M::kMaxSide);
    height = AddValueRow(this, grid, 2, M::kHeightLabel, model.Height(), M::kMinSide, M::kMaxSide);
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    QDialogButtonBox* buttons = AddOkCancel(this, layout);
    centre = buttons->addButton(ToQString(M::kCentreButton), QDialogButtonBox::ActionRole);

    connect(points, &QSpinBox::valueChanged, this, [this](int value) { model_.SetPoints(value); });
    connect(width, &QSpinBox::valueChanged, this, [this](int value) { model_.SetWidth(value); });
    connect(height, &QSpinBox::valueChanged, this, [this](int value) { model_.SetHeight(value); });
    connect(centre, &QPushButton::clicked, this, [this] {
        model_.PressCentre();
        accept();
    });
}

void SymmetryOptionsDialog::accept() {
    points->interpretText();
    width->interpretText();
    height->interpretText();
    QDialog::accept();
}

}  // namespace quillor
