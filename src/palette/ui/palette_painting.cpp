#include "palette/ui/palette_painting.h"

#include <QPainter>

namespace quillor {

void PaintCell(QPainter& painter, const IntRect& cell, ColourRef colour, bool framed) {
    const QRect r = ToQRect(cell);
    painter.fillRect(r, ToQColor(colour));
    if (!framed) return;
    // White inside black, so the frame shows on light and dark colours alike.
    painter.setPen(Qt::black);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(r.adjusted(1, 1, -2, -2));
}

}  // namespace quillor
