#pragma once

#include "formats/codec/memory_raster.h"

namespace quillor::testing {

// Pixels that differ along both axes and across channels, and (indexed) a palette of 200
// colours unlike any ramp, so a swapped channel, flipped line or lost entry shows.
// `flat` pictures have long runs of one value instead, for run-length coders.
MemoryRaster MakeRasterPicture(PixelLayout layout, int width, int height, bool flat = false);

// Checks a decoded raster against the one that was written: layout, size, every pixel
// and, for indexed pictures, every palette entry (entries the original lacks read black).
void ExpectSameRaster(const MemoryRaster& decoded, const MemoryRaster& original);

}  // namespace quillor::testing
