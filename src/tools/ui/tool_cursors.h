#pragma once

#include <QCursor>

#include "tools/cursor_shape.h"

namespace quillor {

// The cursor for a shape, drawn once and kept.
QCursor CursorFor(CursorShape shape);
// Shown over the picture while painting is not allowed.
QCursor BlockedCursor();
// Shown while a slow operation runs in the view.
QCursor BusyCursor();

}  // namespace quillor
