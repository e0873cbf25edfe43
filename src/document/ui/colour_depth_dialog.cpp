#include "document/ui/colour_depth_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

ColourDepthDialog::ColourDepthDialog(ColourDepthModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* modeBox = new QGroupBox(ToQString(ColourDepthModel::kModesGroup), this);
    auto* modeLayout = new QVBoxLayout(modeBox);
    for (std::size_t i = 0; i < modes.size(); ++i) {
        const ColourMode mode = ColourDepthModel::kModes[i];
        modes[i] = new QRadioButton(ToQString(ColourDepthModel::kModeTexts[i]), modeBox);
        modes[i]->setEnabled(model.ModeEnabled(mode));
        modes[i]->setChecked(model.Target() == mode);
        modeLayout->addWidget(modes[i]);
        connect(modes[i], &QRadioButton::clicked, this, [this, mode] {
            model_.SetTarget(mode);
            ShowMethods();
        });
    }
    auto* methodBox = new QGroupBox(ToQString(ColourDepthModel::kMethodsGroup), this);
    auto* methodLayout = new QVBoxLayout(methodBox);
    for (std::size_t i = 0; i < methods.size(); ++i) {
        methods[i] = new QRadioButton(ToQString(ColourDepthModel::kMethodTexts[i]), methodBox);
        methods[i]->setChecked(model.Method() == int(i));
        methodLayout->addWidget(methods[i]);
        connect(methods[i], &QRadioButton::clicked, this, [this, i] { model_.SetMethod(int(i)); });
    }
    row->addWidget(modeBox);
    row->addWidget(methodBox);
    layout->addLayout(row);
    AddOkCancel(this, layout);
    ShowMethods();
    // The arrow keys then step from the proposed mode to its neighbours.
    for (std::size_t i = 0; i < modes.size(); ++i)
        if (ColourDepthModel::kModes[i] == model.Target()) modes[i]->setFocus();
}

void ColourDepthDialog::ShowMethods() {
    for (QRadioButton* method : methods) method->setEnabled(model_.MethodEnabled());
}

}  // namespace quillor
