#pragma once

#include <QDialog>
#include <QLineEdit>

#include "document/avi_save_settings_model.h"

namespace quillor {

// "AVI Save Settings": the first and last frame to write and the movie's rate.
class AviSaveSettingsDialog final : public QDialog {
public:
    AviSaveSettingsDialog(AviSaveSettingsModel& model, QWidget* parent = nullptr);

    // A frame the document does not have is explained and left to be changed.
    void accept() override;

    QLineEdit* start = nullptr;
    QLineEdit* end = nullptr;
    QLineEdit* rate = nullptr;

private:
    AviSaveSettingsModel& model_;
};

}  // namespace quillor
