#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace quillor {

class COXDIB;

enum class PlainBmpRead {
    NotPlain,  // not the common layout: read it the general way
    Read,      // the image holds the picture
    Failed,    // the file could not be read; the image is as it was
};

// Most BMP files are the plain kind: a 40-byte header, no compression, 8 or 24 bits,
// bottom-up rows right after the colour table. Their rows are read straight into the
// picture through `readAt` (exactly `size` bytes from `offset`), with no copy of the
// file on the way; the picture is the one the general reader makes of the same file.
PlainBmpRead ReadPlainBmp(COXDIB& image, std::uint64_t fileSize,
                          const std::function<bool(std::uint64_t offset, void* data, std::size_t size)>& readAt);

}  // namespace quillor
