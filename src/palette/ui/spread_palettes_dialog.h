#pragma once

#include <QDialog>
#include <QLineEdit>

#include "palette/palette_spread.h"

namespace quillor {

// "Spread Palettes Across Frames": the first and last frame of the blend.
class SpreadPalettesDialog final : public QDialog {
public:
    SpreadPalettesDialog(SpreadPalettesModel& model, QWidget* parent = nullptr);

    QLineEdit* from = nullptr;
    QLineEdit* to = nullptr;

private:
    SpreadPalettesModel& model_;
};

}  // namespace quillor
