#pragma once

#include <QDialog>
#include <QLineEdit>

#include "formats/tiff_page_model.h"

namespace quillor {

// "Read TIF Page".
class TiffPageDialog final : public QDialog {
public:
    TiffPageDialog(TiffPageModel& model, QWidget* parent = nullptr);

    QLineEdit* page = nullptr;

private:
    TiffPageModel& model_;
};

}  // namespace quillor
