#pragma once

#include <atomic>
#include <cstdint>
#include <span>

#include "utilities/thumbnail_image.h"

namespace quillor {

enum class JpegThumbnailOutcome {
    Made,
    Unsupported,  // a JPEG this path does not scale (CMYK); the full decoder reads it
    Failed,       // not a JPEG that can be read
    Cancelled,
};

// Makes the thumbnail of a JPEG file without decoding it at full size: libjpeg-turbo
// decodes at the smallest of its scales (1/8 to 8/8) that still gives at least the
// thumbnail's size, and the rest is averaged down line by line. `cancel`, when set
// during the decode, stops it within a few lines.
JpegThumbnailOutcome MakeJpegThumbnail(std::span<const std::uint8_t> file, ThumbnailBox box,
                                       const std::atomic<bool>* cancel, ThumbnailResult& result);

// The scale numerator (over 8) libjpeg should decode a width x height picture at to
// cover `size`: the smallest that still gives at least that many pixels both ways.
int JpegThumbnailScale(int width, int height, ThumbnailSize size);

}  // namespace quillor
