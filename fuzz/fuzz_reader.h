#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "formats/codec/memory_raster.h"
#include "formats/codec/raster.h"

namespace quillor::fuzz {

// The checks a sanitizer cannot make: a reader that reports success must have handed
// over a picture, and one the information call already sized must match that size.
inline void CheckRead(bool infoOk, const ImageInfo& info, bool readOk, const MemoryRaster& raster) {
    if (!readOk) return;
    if (!raster.allocated) __builtin_trap();
    if (infoOk && (raster.width != info.width || raster.height != info.height)) __builtin_trap();
}

// Runs the information call and then the read, as the program does when it opens a
// file. The read also runs after a refused information call: no reader may rely on
// its caller having asked first.
template <typename Info, typename Read>
int RunReader(const std::uint8_t* data, std::size_t size, Info info, Read read) {
    const std::span<const std::uint8_t> file(data, size);
    ImageInfo header;
    const bool infoOk = info(file, header);
    MemoryRaster raster;
    const bool readOk = read(file, raster);
    CheckRead(infoOk, header, readOk, raster);
    return 0;
}

}  // namespace quillor::fuzz
