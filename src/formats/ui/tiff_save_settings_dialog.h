#pragma once

#include <QDialog>
#include <QRadioButton>

#include "formats/tiff_save_settings_model.h"

namespace quillor {

class TiffSaveSettingsDialog final : public QDialog {
public:
    TiffSaveSettingsDialog(TiffSaveSettingsModel& model, QWidget* parent = nullptr);

    QRadioButton* choices[3] = {};
};

}  // namespace quillor
