#pragma once

#include <QDialog>

#include "document/animation_controls_model.h"
#include "document/ui/text_spin_box.h"

namespace quillor {

// "Animation Control": the play range and the rate.
class AnimationControlsDialog final : public QDialog {
public:
    AnimationControlsDialog(AnimationControlsModel& model, QWidget* parent = nullptr);

    // Values the model refuses are explained and left in their boxes to be changed.
    void accept() override;

    TextSpinBox* start = nullptr;
    TextSpinBox* end = nullptr;
    TextSpinBox* rate = nullptr;

private:
    AnimationControlsModel& model_;
};

}  // namespace quillor
