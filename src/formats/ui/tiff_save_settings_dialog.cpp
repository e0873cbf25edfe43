#include "formats/ui/tiff_save_settings_dialog.h"

#include <QLabel>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

TiffSaveSettingsDialog::TiffSaveSettingsDialog(TiffSaveSettingsModel& model, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(ToQString(TiffSaveSettingsModel::kPrompt), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    for (int i = 0; i < 3; ++i) {
        choices[i] = new QRadioButton(ToQString(TiffSaveSettingsModel::kChoices[i]), this);
        choices[i]->setChecked(model.CompressionType() == i);
        connect(choices[i], &QRadioButton::toggled, this, [&model, i](bool on) {
            if (on) model.SetCompressionType(i);
        });
        layout->addWidget(choices[i]);
    }
    AddOkCancel(this, layout);
}

}  // namespace quillor
