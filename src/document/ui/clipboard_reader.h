#pragma once

#include <QImage>
#include <optional>

#include "document/document_environment.h"

namespace quillor {

// The clipboard's picture as a new document takes it, or nullopt when it holds none.
std::optional<ClipboardBitmap> ReadClipboardBitmap();

// A picture in the layout the clipboard rules expect: 16-bit pictures as 5-5-5 or 5-6-5
// words, 24-bit ones as blue, green, red bytes in rows padded to an even length, every
// deeper one as 32-bit blue, green, red, unused. Alpha is composited over white first.
// Pictures of 8 bits or less keep their depth and no bits, for the document to refuse.
ClipboardBitmap ClipboardBitmapFromImage(const QImage& image);

}  // namespace quillor
