#pragma once

#include "core/coxdib.h"
#include "document/document_environment.h"

namespace quillor {

// Bytes in one row of a clipboard bitmap as the clipboard hands them over: 16-bit rows
// unpadded, 24-bit rows padded to an even count, 32-bit rows unpadded. 0 for other depths.
std::size_t ClipboardRowBytes(int width, int bitsPerPixel);

// Makes `image` a true-colour picture from a clipboard bitmap of 16, 24 or 32 bits. The
// clipboard's top row becomes the picture's top line. A bitmap's own stride is used when
// it sets one, else ClipboardRowBytes. False (image untouched) for any other depth, a
// size out of range, or bits too short for the size.
bool ClipboardBitmapToDib(const ClipboardBitmap& bitmap, COXDIB& image);

}  // namespace quillor
