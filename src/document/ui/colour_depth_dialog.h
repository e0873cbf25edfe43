#pragma once

#include <QDialog>
#include <QRadioButton>
#include <array>

#include "document/colour_depth_model.h"

namespace quillor {

// "Convert Number of Colours".
class ColourDepthDialog final : public QDialog {
public:
    ColourDepthDialog(ColourDepthModel& model, QWidget* parent = nullptr);

    std::array<QRadioButton*, 4> modes{};
    std::array<QRadioButton*, 3> methods{};

private:
    void ShowMethods();
    ColourDepthModel& model_;
};

}  // namespace quillor
