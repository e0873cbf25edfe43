#include "tools/ui/animated_brush_dialog.h"

#include <QHBoxLayout>
#include <QLabel>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

AnimatedBrushDialog::AnimatedBrushDialog(AnimatedBrushModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(ToQString(AnimatedBrushModel::kDepthLabel), this));
    frames = new QSpinBox(this);
    frames->setRange(1, model.Largest());
    frames->setValue(model.Frames());
    row->addWidget(frames);
    layout->addLayout(row);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        controls[i] = new QRadioButton(ToQString(AnimatedBrushModel::kControlTexts[i]), this);
        controls[i]->setChecked(model.Control() == int(i));
        layout->addWidget(controls[i]);
        connect(controls[i], &QRadioButton::clicked, this, [this, i] { model_.SetControl(int(i)); });
    }
    AddOkCancel(this, layout);
    connect(frames, &QSpinBox::valueChanged, this, [this](int value) { model_.SetFrames(value); });
}

void AnimatedBrushDialog::accept() {
    frames->interpretText();
    QDialog::accept();
}

}  // namespace quillor
