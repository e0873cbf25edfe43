#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QSlider>

#include "document/layer_settings_model.h"

namespace quillor {

// "Layer # Settings": whether and how one layer takes part in the composition.
class LayerSettingsDialog final : public QDialog {
public:
    LayerSettingsDialog(LayerSettingsModel& model, QWidget* parent = nullptr);

    QCheckBox* on = nullptr;
    QCheckBox* smooth = nullptr;
    QCheckBox* opacityOn = nullptr;
    QLabel* magnitudeLabel = nullptr;
    QSlider* opacity = nullptr;
    QLabel* opacityText = nullptr;

private:
    void ShowState();

    LayerSettingsModel& model_;
};

}  // namespace quillor
