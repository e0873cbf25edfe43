#include "document/ui/animation_controls_dialog.h"

#include <QHBoxLayout>
#include <QLabel>

#include "platform/ui/checked_accept.h"
#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

namespace {

using Model = AnimationControlsModel;

// A box bound to one of the model's fields: its text, what typing does to it and what a
// step does.
TextSpinBox* FieldBox(QWidget* parent, Model& model, std::size_t maxChars, const std::string& (Model::*text)() const,
                      void (Model::*type)(std::string_view), void (Model::*spin)(int)) {
    return new TextSpinBox(
        ToQString((model.*text)()), int(maxChars),
        [&model, text, type](const QString& typed) {
            (model.*type)(FromQString(typed));
            return ToQString((model.*text)());
        },
        [&model, text, spin](int steps) {
            (model.*spin)(steps);
            return ToQString((model.*text)());
        },
        parent);
}

}  // namespace

AnimationControlsDialog::AnimationControlsDialog(AnimationControlsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    start = FieldBox(this, model, Model::kFrameChars, &Model::StartText, &Model::SetStartText, &Model::SpinStart);
    end = FieldBox(this, model, Model::kFrameChars, &Model::EndText, &Model::SetEndText, &Model::SpinEnd);
    rate = FieldBox(this, model, Model::kRateChars, &Model::RateText, &Model::SetRateText, &Model::SpinRate);
    row->addWidget(new QLabel(ToQString(Model::kRangeLabel), this));
    row->addWidget(start);
    row->addWidget(new QLabel(ToQString(Model::kToLabel), this));
    row->addWidget(end);
    row->addWidget(new QLabel(ToQString(Model::kAtLabel), this));
    row->addWidget(rate);
    row->addWidget(new QLabel(ToQString(Model::kRateLabel), this));
    row->addStretch();
    layout->addLayout(row);
    AddOkCancel(this, layout);
}

void AnimationControlsDialog::accept() {
    if (RefusedOk(this, model_)) return;
    QDialog::accept();
}

}  // namespace quillor
