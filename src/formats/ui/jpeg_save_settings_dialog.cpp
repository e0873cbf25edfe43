#include "formats/ui/jpeg_save_settings_dialog.h"

#include <QHBoxLayout>
#include <QLabel>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

JpegSaveSettingsDialog::JpegSaveSettingsDialog(JpegSaveSettingsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(ToQString(JpegSaveSettingsModel::kQualityLabel), this));
    quality = new QLineEdit(ToQString(model.QualityText()), this);
    quality->setMaxLength(int(JpegSaveSettingsModel::kQualityMaxChars));
    quality->setInputMask("");
    quality->setFixedWidth(fontMetrics().horizontalAdvance("0000") + 12);
    row->addWidget(quality);
    row->addWidget(new QLabel(ToQString(JpegSaveSettingsModel::kPercent), this));
    row->addStretch();
    layout->addLayout(row);
    progressive = new QCheckBox(ToQString(JpegSaveSettingsModel::kProgressiveLabel), this);
    progressive->setChecked(model.Progressive());
    layout->addWidget(progressive);
    AddOkCancel(this, layout);

    connect(quality, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.SetQualityText(FromQString(text));
        if (quality->text() != ToQString(model_.QualityText())) quality->setText(ToQString(model_.QualityText()));
    });
    connect(progressive, &QCheckBox::toggled, this, [this](bool on) { model_.SetProgressive(on); });
}

}  // namespace quillor
