#pragma once

#include <QLabel>

#include "palette/small_palette_model.h"
#include "palette/ui/palette_window_base.h"

namespace quillor {

// The small palette ("Palette View", `CSmallPaletteDlg`): a narrow grid for choosing
// the painting colours, left button foreground, right button background.
class CSmallPaletteDlg final : public PaletteWindowBase {
    Q_OBJECT
public:
    CSmallPaletteDlg(ActiveDocument activeDocument, QWidget* parent = nullptr);

    QLabel* fore = nullptr;
    QLabel* back = nullptr;
    QLabel* hover = nullptr;

protected:
    void Follow(CAnimDoc* document) override;
    void Update(CAnimDoc& document) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    SmallPaletteModel model_;
};

}  // namespace quillor
