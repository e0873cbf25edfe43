#pragma once

#include <QCheckBox>
#include <QDialog>

#include "formats/png_save_settings_model.h"

namespace quillor {

class PngSaveSettingsDialog final : public QDialog {
public:
    PngSaveSettingsDialog(PngSaveSettingsModel& model, QWidget* parent = nullptr);

    QCheckBox* interlaced = nullptr;
};

}  // namespace quillor
