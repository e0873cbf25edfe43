#pragma once

#include <QDialog>
#include <QPushButton>
#include <QRadioButton>

#include "utilities/palette_mapper_model.h"
#include "utilities/ui/folder_list_panel.h"

namespace quillor {

// "256 Colour BMP Palette Mapper": the source folder and bitmap on the left, the
// destination folder and bitmaps on the right, the operation below. "&OK" maps and stays
// open; "&Exit" closes.
class PaletteMapperDialog final : public QDialog {
public:
    PaletteMapperDialog(PaletteMapperModel& model, QWidget* parent = nullptr);

    FolderListPanel* source = nullptr;
    FolderListPanel* destination = nullptr;
    QPushButton* selectAll = nullptr;
    QPushButton* deselectAll = nullptr;
    QRadioButton* replace = nullptr;
    QRadioButton* remap = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* exit = nullptr;

private:
    PaletteMapperModel& model_;
};

}  // namespace quillor
