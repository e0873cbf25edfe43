#include "document/ui/colour_balance_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

ColourBalanceDialog::ColourBalanceDialog(ColourBalanceModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(ToQString(ColourBalanceModel::kGroup), this);
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(ToQString(ColourBalanceModel::kChannelLabels[std::size_t(i)]), group), i, 0);
        QSlider*& slider = sliders[std::size_t(i)];
        QSpinBox*& value = values[std::size_t(i)];
        slider = new QSlider(Qt::Horizontal, group);
        slider->setRange(ColourBalanceModel::kLowest, ColourBalanceModel::kHighest);
        slider->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
        value = new QSpinBox(group);
        value->setRange(ColourBalanceModel::kLowest, ColourBalanceModel::kHighest);
        grid->addWidget(slider, i, 1);
        grid->addWidget(value, i, 2);
        connect(slider, &QSlider::valueChanged, this, [this, i](int v) {
            model_.Slide(i, v);
            ShowModel();
        });
        connect(value, &QSpinBox::valueChanged, this, [this, i](int v) {
            model_.Type(i, v);
            ShowModel();
        });
    }
    layout->addWidget(group);
    lock = new QCheckBox(ToQString(ColourBalanceModel::kLockText), this);
    layout->addWidget(lock);
    connect(lock, &QCheckBox::toggled, this, [this](bool on) { model_.SetLocked(on); });
    AddOkCancel(this, layout);
    ShowModel();
}

void ColourBalanceDialog::ShowModel() {
    for (std::size_t i = 0; i < 3; ++i) {
        const QSignalBlocker blockSlider(sliders[i]);
        const QSignalBlocker blockValue(values[i]);
        sliders[i]->setValue(model_.Value(int(i)));
        values[i]->setValue(model_.Value(int(i)));
    }
}

}  // namespace quillor
