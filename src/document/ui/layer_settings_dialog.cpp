#include "document/ui/layer_settings_dialog.h"

#include <QHBoxLayout>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

LayerSettingsDialog::LayerSettingsDialog(LayerSettingsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto check = [this, layout](std::string_view label, bool value, void (LayerSettingsModel::*set)(bool)) {
        auto* box = new QCheckBox(ToQString(label), this);
        box->setChecked(value);
        connect(box, &QCheckBox::toggled, this, [this, set](bool checked) {
            (model_.*set)(checked);
            ShowState();
        });
        layout->addWidget(box);
        return box;
    };
    on = check(LayerSettingsModel::kOnLabel, model.On(), &LayerSettingsModel::SetOn);
    smooth = check(LayerSettingsModel::kSmoothLabel, model.SmoothEdges(), &LayerSettingsModel::SetSmoothEdges);
    opacityOn = check(LayerSettingsModel::kOpacityOnLabel, model.OpacityOn(), &LayerSettingsModel::SetOpacityOn);

    auto* row = new QHBoxLayout;
    magnitudeLabel = new QLabel(ToQString(LayerSettingsModel::kMagnitudeLabel), this);
    opacity = new QSlider(Qt::Horizontal, this);
    opacity->setRange(LayerSettingsModel::kMinimumOpacity, LayerSettingsModel::kMaximumOpacity);
    opacity->setValue(model.Opacity());
    opacityText = new QLabel(ToQString(model.OpacityText()), this);
    // Wide enough for "100% opaque", so the row does not jump as the slider moves.
    opacityText->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("100% opaque")) + 4);
    connect(opacity, &QSlider::valueChanged, this, [this](int value) {
        model_.SetOpacity(value);
        opacityText->setText(ToQString(model_.OpacityText()));
    });
    row->addWidget(magnitudeLabel);
    row->addWidget(opacity, 1);
    row->addWidget(opacityText);
    layout->addLayout(row);
    AddOkCancel(this, layout);
    ShowState();
}

void LayerSettingsDialog::ShowState() {
    smooth->setEnabled(model_.SmoothEnabled());
    opacityOn->setEnabled(model_.OpacityOnEnabled());
    magnitudeLabel->setEnabled(model_.OpacityEnabled());
    opacity->setEnabled(model_.OpacityEnabled());
    opacityText->setEnabled(model_.OpacityEnabled());
}

}  // namespace quillor
