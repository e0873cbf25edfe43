#include "app/ui/select_file_type_dialog.h"

#include <QVBoxLayout>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

SelectFileTypeDialog::SelectFileTypeDialog(SelectFileTypeModel& model, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    first = new QRadioButton(ToQString(model.FirstChoice()), this);
    second = new QRadioButton(ToQString(model.SecondChoice()), this);
    second->setEnabled(model.SecondEnabled());
    (model.Choice() == 0 ? first : second)->setChecked(true);
    layout->addWidget(first);
    layout->addWidget(second);
    connect(first, &QRadioButton::toggled, this, [&model](bool on) { if (on) model.SetChoice(0); });
    connect(second, &QRadioButton::toggled, this, [&model](bool on) { if (on) model.SetChoice(1); });
    AddOkCancel(this, layout);
    setMinimumWidth(0);
}

void RegisterAppDialogs(QtInteraction& ui) {
    ui.RegisterDialog<SelectFileTypeModel, SelectFileTypeDialog>();
}

}  // namespace quillor
