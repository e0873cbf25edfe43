#include "document/ui/frame_count_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

FrameCountDialog::FrameCountDialog(FrameCountModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(ToQString(FrameCountModel::kPrompt), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    count = new QSpinBox(this);
    count->setRange(FrameCountModel::kMinimum, FrameCountModel::kMaximum);
    count->setValue(model.Count());
    // A remembered count outside the range shows clamped; the model takes what is shown.
    model_.SetCount(count->value());
    connect(count, &QSpinBox::valueChanged, this, [this](int value) { model_.SetCount(value); });
    auto* row = new QHBoxLayout;
    row->addWidget(count);
    row->addStretch();
    layout->addLayout(row);
    AddOkCancel(this, layout);
}

void FrameCountDialog::accept() {
    // Text still being typed has not reached the model yet.
    count->interpretText();
    const std::string_view refusal = model_.Refusal();
    if (!refusal.empty()) {
        QMessageBox::information(this, windowTitle(), ToQString(refusal));
        return;
    }
    QDialog::accept();
}

}  // namespace quillor
