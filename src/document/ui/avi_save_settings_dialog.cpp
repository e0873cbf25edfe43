#include "document/ui/avi_save_settings_dialog.h"

#include <QFormLayout>
#include <QRegularExpressionValidator>

#include "platform/ui/checked_accept.h"
#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

namespace {

QLineEdit* MakeField(QWidget* parent, const std::string& text, std::size_t maxChars, const QString& pattern) {
    auto* field = new QLineEdit(ToQString(text), parent);
    field->setMaxLength(int(maxChars));
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
    field->setFixedWidth(parent->fontMetrics().averageCharWidth() * int(maxChars + 2));
    return field;
}

}  // namespace

AviSaveSettingsDialog::AviSaveSettingsDialog(AviSaveSettingsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    start = MakeField(this, model.StartText(), AviSaveSettingsModel::kFrameChars, "[0-9]*");
    end = MakeField(this, model.EndText(), AviSaveSettingsModel::kFrameChars, "[0-9]*");
    rate = MakeField(this, model.RateText(), AviSaveSettingsModel::kRateChars, "[0-9]*\\.?[0-9]*");
    form->addRow(ToQString(AviSaveSettingsModel::kStartLabel), start);
    form->addRow(ToQString(AviSaveSettingsModel::kEndLabel), end);
    form->addRow(ToQString(AviSaveSettingsModel::kRateLabel), rate);
    layout->addLayout(form);
    AddOkCancel(this, layout);

    connect(start, &QLineEdit::textEdited, this, [this](const QString& t) { model_.SetStartText(FromQString(t)); });
    connect(end, &QLineEdit::textEdited, this, [this](const QString& t) { model_.SetEndText(FromQString(t)); });
    connect(rate, &QLineEdit::textEdited, this, [this](const QString& t) { model_.SetRateText(FromQString(t)); });
    start->selectAll();
}

void AviSaveSettingsDialog::accept() {
    if (!RefusedOk(this, model_)) QDialog::accept();
}

}  // namespace quillor
