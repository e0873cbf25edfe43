#pragma once

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <array>

#include "palette/palette_edit_model.h"
#include "palette/ui/palette_window_base.h"

namespace quillor {

class Interaction;

// The palette edit window ("Palette", "Palette Edit"): the grid of the table's entries,
// the hue strip, RGB or HSV sliders for the selected entry, the range operations, its
// own undo and "Exclude". Everything it does is the model's; it draws and forwards.
class PaletteEditWindow final : public PaletteWindowBase {
    Q_OBJECT
public:
    PaletteEditWindow(ActiveDocument activeDocument, Interaction& ui, QWidget* parent = nullptr);

    const PaletteEditModel& Model() const { return model_; }

    std::array<QLabel*, 3> labels{};
    std::array<QSlider*, 3> sliders{};
    std::array<QSpinBox*, 3> edits{};
    QRadioButton* rgb = nullptr;
    QRadioButton* hsv = nullptr;
    QLabel* selection = nullptr;
    QLabel* status = nullptr;
    QPushButton* copy = nullptr;
    QPushButton* swap = nullptr;
    QPushButton* spread = nullptr;
    QPushButton* exclude = nullptr;
    QPushButton* undo = nullptr;
    QPushButton* redo = nullptr;
    QPushButton* ok = nullptr;

protected:
    void Follow(CAnimDoc* document) override;
    void Update(CAnimDoc& document) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Runs `action` on the active picture, then shows what it changed.
    template <typename Action>
    void Act(Action&& action);
    void ShowSliders();
    void ShowStatus(std::optional<int> entryUnderPointer);

    Interaction& ui_;
    PaletteEditModel model_;
    bool draggingHue_ = false;
    bool draggingGrid_ = false;
    bool showing_ = false;
};

}  // namespace quillor
