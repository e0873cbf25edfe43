#pragma once

#include <QDialog>
#include <QRadioButton>
#include <QSpinBox>

#include "document/clear_frames_model.h"

namespace quillor {

// "Clear Canvas" of an animation.
class ClearFramesDialog final : public QDialog {
public:
    ClearFramesDialog(ClearFramesModel& model, QWidget* parent = nullptr);

    QRadioButton* choices[3] = {};
    QSpinBox* start = nullptr;
    QSpinBox* finish = nullptr;

private:
    void ShowRangeState();

    ClearFramesModel& model_;
};

}  // namespace quillor
