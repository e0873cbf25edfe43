#pragma once

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include "document/avi_load_options_model.h"

namespace quillor {

// "AVI Load Options": the listed movie frames to pick from, the "every N-th" helpers
// that list and select them, and two previews: the listing's start frame on the left,
// the current item's frame on the right.
class AviLoadOptionsDialog final : public QDialog {
public:
    AviLoadOptionsDialog(AviLoadOptionsModel& model, QWidget* parent = nullptr);

    // OK closes the dialog only with at least one frame selected; otherwise it says why.
    void accept() override;

    QListWidget* list = nullptr;
    QSpinBox* selectEvery = nullptr;
    QLabel* selectEveryUnit = nullptr;
    QSpinBox* selectStart = nullptr;
    QLabel* selectStartUnit = nullptr;
    QPushButton* applySelection = nullptr;
    QSpinBox* listEvery = nullptr;
    QLabel* listEveryUnit = nullptr;
    QSpinBox* listStart = nullptr;
    QLabel* listStartUnit = nullptr;
    QPushButton* applyList = nullptr;
    QSlider* startSlider = nullptr;
    QPushButton* reverse = nullptr;
    QLabel* total = nullptr;
    QLabel* length = nullptr;
    QLabel* startPreview = nullptr;
    QLabel* currentPreview = nullptr;
    QLabel* currentCaption = nullptr;
    // Decoding a frame can take a while, so the previews catch up once changes pause.
    QTimer* previewTimer = nullptr;

private:
    void ShowList();
    void ShowSelection();
    void ShowCurrentCaption();
    int CurrentFrame() const;
    void ShowPreviews();
    void ShowPreview(QLabel* box, int frame, int& shown);

    AviLoadOptionsModel& model_;
    // The frames the boxes hold, so a pause with nothing new decodes nothing.
    int startShown_ = 0;
    int currentShown_ = 0;
};

}  // namespace quillor
