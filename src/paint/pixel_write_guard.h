#pragma once

#include "core/geometry.h"

namespace quillor {

// Told of every part of a frame's pixels just before it is written, so that whatever
// keeps the frame's history can save what is about to change, and only that. A writer
// may announce more than it writes, never less.
class PixelWriteGuard {
public:
    // `pictureRect` is in picture coordinates (line 0 at the top); it may reach outside
    // the picture, whose own part is what counts.
    virtual void BeforeWrite(const IntRect& pictureRect) = 0;

protected:
    ~PixelWriteGuard() = default;
};

}  // namespace quillor
