#include "palette/ui/spread_palettes_dialog.h"

#include <QFormLayout>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

SpreadPalettesDialog::SpreadPalettesDialog(SpreadPalettesModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto edit = [this](const std::string& text) {
        auto* line = new QLineEdit(ToQString(text), this);
        line->setMaxLength(int(SpreadPalettesModel::kMaxChars));
        return line;
    };
    from = edit(model.FromText());
    to = edit(model.ToText());
    form->addRow(ToQString(SpreadPalettesModel::kFromLabel), from);
    form->addRow(ToQString(SpreadPalettesModel::kToLabel), to);
    layout->addLayout(form);
    AddOkCancel(this, layout);
    connect(from, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetFromText(FromQString(text)); });
    connect(to, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetToText(FromQString(text)); });
}

}  // namespace quillor
