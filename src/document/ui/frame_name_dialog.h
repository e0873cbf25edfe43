#pragma once

#include <QDialog>
#include <QLineEdit>

#include "document/frame_name_model.h"

namespace quillor {

// "Change BMP Name".
class FrameNameDialog final : public QDialog {
public:
    FrameNameDialog(FrameNameModel& model, QWidget* parent = nullptr);

    // A name the model refuses is explained and left in the box to be changed.
    void accept() override;

    QLineEdit* name = nullptr;

private:
    FrameNameModel& model_;
};

}  // namespace quillor
