#pragma once

#include <QDialog>
#include <QSpinBox>

#include "document/frame_count_model.h"

namespace quillor {

// "New Animation Sequence".
class FrameCountDialog final : public QDialog {
public:
    FrameCountDialog(FrameCountModel& model, QWidget* parent = nullptr);

    // OK closes the dialog only for a count the model accepts; otherwise it says why.
    void accept() override;

    QSpinBox* count = nullptr;

private:
    FrameCountModel& model_;
};

}  // namespace quillor
