#pragma once

#include <QLabel>
#include <QPushButton>
#include <functional>

#include "palette/colour_stencil_model.h"
#include "palette/ui/palette_window_base.h"

namespace quillor {

// "Colour Stencil": the active picture's palette with a marker per entry; the left
// button protects the entries it passes over, the right button frees them. While it is
// open, the picture it follows is in choosing mode (picks toggle an entry), and it closes
// when that picture turns true colour or the last picture goes.
class ColourStencilWindow final : public PaletteWindowBase {
public:
    // Told which document is choosing now (null: none).
    using ChoosingFor = std::function<void(CAnimDoc*)>;

    ColourStencilWindow(ActiveDocument activeDocument, ChoosingFor choosingFor, QWidget* parent = nullptr);

    QLabel* hover = nullptr;
    QPushButton* invert = nullptr;
    QPushButton* clear = nullptr;

protected:
    void Follow(CAnimDoc* document) override;
    void Update(CAnimDoc& document) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Changed();
    ChoosingFor choosingFor_;
};

}  // namespace quillor
