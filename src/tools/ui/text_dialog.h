#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "tools/text_model.h"

namespace quillor {

// The text dialog: the text, the font family, the size and style, and a sample line in
// the chosen font. OK wants some text.
class TextDialog final : public QDialog {
public:
    TextDialog(TextModel& model, QWidget* parent = nullptr);
    void accept() override;

    QLineEdit* text = nullptr;
    QListWidget* families = nullptr;
    QComboBox* sizes = nullptr;
    QCheckBox* bold = nullptr;
    QCheckBox* italic = nullptr;
    QCheckBox* strikeOut = nullptr;
    QCheckBox* underline = nullptr;
    QCheckBox* antiAlias = nullptr;
    QLabel* sample = nullptr;

private:
    void ShowSample();
    TextModel& model_;
};

}  // namespace quillor
