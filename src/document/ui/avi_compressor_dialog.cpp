#include "document/ui/avi_compressor_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

AviCompressorDialog::AviCompressorDialog(AviCompressorModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);

    auto* compressorRow = new QHBoxLayout;
    auto* compressorLabel = new QLabel(ToQString(AviCompressorModel::kCompressorLabel), this);
    compressor = new QComboBox(this);
    for (const VideoEncoder& encoder : model.Encoders()) compressor->addItem(ToQString(encoder.name));
    compressor->setCurrentIndex(model.Selected());
    compressorLabel->setBuddy(compressor);
    compressorRow->addWidget(compressorLabel);
    compressorRow->addWidget(compressor, 1);
    layout->addLayout(compressorRow);

    qualityRow_ = new QWidget(this);
    auto* qualityLayout = new QHBoxLayout(qualityRow_);
    qualityLayout->setContentsMargins(0, 0, 0, 0);
    auto* qualityLabel = new QLabel(ToQString(AviCompressorModel::kQualityLabel), qualityRow_);
    quality = new QSlider(Qt::Horizontal, qualityRow_);
    quality->setRange(1, 100);
    quality->setValue(model.Quality());
    qualityLabel->setBuddy(quality);
    qualityValue = new QLabel(QString::number(model.Quality()), qualityRow_);
    // Room for "100", so the slider does not shift as the number grows.
    qualityValue->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000")));
    qualityLayout->addWidget(qualityLabel);
    qualityLayout->addWidget(quality, 1);
    qualityLayout->addWidget(qualityValue);
    layout->addWidget(qualityRow_);

    keyFrameRow_ = new QWidget(this);
    auto* keyFrameLayout = new QHBoxLayout(keyFrameRow_);
    keyFrameLayout->setContentsMargins(0, 0, 0, 0);
    auto* keyFrameLabel = new QLabel(ToQString(AviCompressorModel::kKeyFrameLabel), keyFrameRow_);
    keyFrameEvery = new QSpinBox(keyFrameRow_);
    keyFrameEvery->setRange(1, AviCompressorModel::kMaxKeyFrameEvery);
    keyFrameEvery->setValue(model.KeyFrameEvery());
    keyFrameLabel->setBuddy(keyFrameEvery);
    keyFrameLayout->addWidget(keyFrameLabel);
    keyFrameLayout->addWidget(keyFrameEvery);
    keyFrameLayout->addWidget(new QLabel(ToQString(AviCompressorModel::kKeyFrameUnit), keyFrameRow_));
    keyFrameLayout->addStretch();
    layout->addWidget(keyFrameRow_);

    note = new QLabel(this);
    note->setWordWrap(true);
    layout->addWidget(note);
    AddOkCancel(this, layout);

    connect(compressor, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.Select(index);
        ShowChoice();
    });
    connect(quality, &QSlider::valueChanged, this, [this](int v) {
        model_.SetQuality(v);
        qualityValue->setText(QString::number(model_.Quality()));
    });
    connect(keyFrameEvery, &QSpinBox::valueChanged, this, [this](int v) { model_.SetKeyFrameEvery(v); });
    ShowChoice();
}

void AviCompressorDialog::ShowChoice() {
    qualityRow_->setEnabled(model_.QualityEnabled());
    keyFrameRow_->setEnabled(model_.KeyFramesEnabled());
    note->setText(ToQString(model_.Note()));
}

}  // namespace quillor
