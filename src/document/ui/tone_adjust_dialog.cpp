#include "document/ui/tone_adjust_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

ToneAdjustDialog::ToneAdjustDialog(ToneAdjustModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(ToQString(model.Label()), this));
    value = new QSpinBox(this);
    value->setRange(ToneAdjustModel::kLowest, ToneAdjustModel::kHighest);
    value->setValue(model.Value());
    row->addWidget(value);
    layout->addLayout(row);
    slider = new QSlider(Qt::Horizontal, this);
    slider->setRange(ToneAdjustModel::kLowest, ToneAdjustModel::kHighest);
    slider->setValue(model.Value());
    slider->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    layout->addWidget(slider);
    AddOkCancel(this, layout);
    connect(slider, &QSlider::valueChanged, this, [this](int v) { Set(v); });
    connect(value, &QSpinBox::valueChanged, this, [this](int v) { Set(v); });
}

void ToneAdjustDialog::Set(int v) {
    if (v == model_.Value()) return;
    model_.SetValue(v);
    const QSignalBlocker blockSlider(slider);
    const QSignalBlocker blockValue(value);
    slider->setValue(model_.Value());
    value->setValue(model_.Value());
}

}  // namespace quillor
