#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>

#include "formats/jpeg_save_settings_model.h"

namespace quillor {

class JpegSaveSettingsDialog final : public QDialog {
public:
    JpegSaveSettingsDialog(JpegSaveSettingsModel& model, QWidget* parent = nullptr);

    QLineEdit* quality = nullptr;
    QCheckBox* progressive = nullptr;

private:
    JpegSaveSettingsModel& model_;
};

}  // namespace quillor
