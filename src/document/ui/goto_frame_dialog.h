#pragma once

#include <QDialog>

#include "document/goto_frame_model.h"
#include "document/ui/text_spin_box.h"

namespace quillor {

// "Goto Frame in Animation Sequence".
class GotoFrameDialog final : public QDialog {
public:
    GotoFrameDialog(GotoFrameModel& model, QWidget* parent = nullptr);

    // A number that names no frame is explained and left in the box to be changed.
    void accept() override;

    TextSpinBox* number = nullptr;

private:
    GotoFrameModel& model_;
};

}  // namespace quillor
