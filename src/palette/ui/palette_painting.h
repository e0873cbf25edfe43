#pragma once

#include <QColor>
#include <QRect>

#include "core/colour.h"
#include "core/geometry.h"

class QPainter;

namespace quillor {

inline QColor ToQColor(ColourRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

inline QRect ToQRect(const IntRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// A cell of a palette grid in its colour, with a frame when it is chosen.
void PaintCell(QPainter& painter, const IntRect& cell, ColourRef colour, bool framed);

}  // namespace quillor
