#include "document/ui/clear_frames_dialog.h"

#include <QHBoxLayout>
#include <QLabel>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

ClearFramesDialog::ClearFramesDialog(ClearFramesModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    const std::string_view labels[3] = {ClearFramesModel::kCurrentLabel, ClearFramesModel::kRangeLabel,
                                        ClearFramesModel::kAllLabel};
    for (int i = 0; i < 3; ++i) {
        choices[i] = new QRadioButton(ToQString(labels[i]), this);
        choices[i]->setChecked(model.ChoiceMade() == i);
        connect(choices[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on) return;
            model_.SetChoice(i);
            ShowRangeState();
        });
    }
    auto frameBox = [this](int value) {
        auto* box = new QSpinBox(this);
        box->setRange(1, model_.FrameCount());
        box->setValue(value);
        return box;
    };
    start = frameBox(model.Start());
    finish = frameBox(model.Finish());
    connect(start, &QSpinBox::valueChanged, this, [this](int value) { model_.SetStart(value); });
    connect(finish, &QSpinBox::valueChanged, this, [this](int value) { model_.SetFinish(value); });

    layout->addWidget(choices[ClearFramesModel::kCurrent]);
    auto* range = new QHBoxLayout;
    range->addWidget(choices[ClearFramesModel::kRange]);
    range->addWidget(start);
    range->addWidget(new QLabel(ToQString(ClearFramesModel::kToLabel), this));
    range->addWidget(finish);
    range->addStretch();
    layout->addLayout(range);
    layout->addWidget(choices[ClearFramesModel::kAll]);
    AddOkCancel(this, layout);
    ShowRangeState();
}

void ClearFramesDialog::ShowRangeState() {
    start->setEnabled(model_.RangeEnabled());
    finish->setEnabled(model_.RangeEnabled());
}

}  // namespace quillor
