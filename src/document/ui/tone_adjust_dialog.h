#pragma once

#include <QDialog>
#include <QSlider>
#include <QSpinBox>

#include "document/tone_adjust_model.h"

namespace quillor {

// "Contrast" and "Gamma Correction": a slider and its number, followed live by the picture.
class ToneAdjustDialog final : public QDialog {
public:
    ToneAdjustDialog(ToneAdjustModel& model, QWidget* parent = nullptr);
    QSlider* slider = nullptr;
    QSpinBox* value = nullptr;

private:
    void Set(int v);
    ToneAdjustModel& model_;
};

}  // namespace quillor
