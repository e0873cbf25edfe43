#include "formats/ui/png_save_settings_dialog.h"

#include <QLabel>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

PngSaveSettingsDialog::PngSaveSettingsDialog(PngSaveSettingsModel& model, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(ToQString(PngSaveSettingsModel::kPrompt), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    interlaced = new QCheckBox(ToQString(PngSaveSettingsModel::kInterlaceLabel), this);
    interlaced->setChecked(model.Interlaced());
    connect(interlaced, &QCheckBox::toggled, this, [&model](bool on) { model.SetInterlaced(on); });
    layout->addWidget(interlaced);
    AddOkCancel(this, layout);
}

}  // namespace quillor
