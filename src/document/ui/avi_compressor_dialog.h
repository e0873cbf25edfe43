#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

#include "document/avi_compressor_model.h"

namespace quillor {

// "Video Compression": the compressor a movie is written with and, where it has them, its
// quality and how often a frame stands alone.
class AviCompressorDialog final : public QDialog {
public:
    AviCompressorDialog(AviCompressorModel& model, QWidget* parent = nullptr);

    QComboBox* compressor = nullptr;
    QSlider* quality = nullptr;
    QLabel* qualityValue = nullptr;
    QSpinBox* keyFrameEvery = nullptr;
    QLabel* note = nullptr;

private:
    void ShowChoice();

    AviCompressorModel& model_;
    // Each setting's row, label and unit included, so a setting the compressor lacks
    // reads as off as a whole.
    QWidget* qualityRow_ = nullptr;
    QWidget* keyFrameRow_ = nullptr;
};

}  // namespace quillor
