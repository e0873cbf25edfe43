#pragma once

#include <QImage>

#include "core/coxdib.h"

namespace quillor {

// The picture as an opaque 32-bit QImage of its own size, palette images through their
// table: what the clipboard and the printer receive. Null for an empty image or a depth
// the editor does not hold (only 8 and 24 bits are edited).
QImage DibToQImage(const COXDIB& image);

}  // namespace quillor
