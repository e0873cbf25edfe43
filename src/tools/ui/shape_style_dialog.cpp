#include "tools/ui/shape_style_dialog.h"

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

ShapeStyleDialog::ShapeStyleDialog(ShapeStyleModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < ShapeStyleModel::kChoices; ++i) {
        choices[i] = new QRadioButton(ToQString(model.Label(i)), this);
        choices[i]->setChecked(model.Style() == i);
        connect(choices[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) model_.SetStyle(i);
        });
        layout->addWidget(choices[i]);
    }
    AddOkCancel(this, layout);
}

}  // namespace quillor
