#include "formats/codec/tiff_codec.h"
#include "fuzz_reader.h"

using namespace quillor;

// A TIFF opens by its page count, then the page the user picks; the first and the last
// cover both ends of the directory chain.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    int pages = 0;
    if (!ReadTiffPageCount(file, pages)) pages = 1;
    if (pages < 1) __builtin_trap();
    for (int page : {0, pages - 1}) {
        ImageInfo info;
        const bool infoOk = ReadTiffInfo(file, page, info);
        MemoryRaster raster;
        fuzz::CheckRead(infoOk, info, ReadTiffPage(file, page, raster), raster);
        if (pages == 1) break;
    }
    return 0;
}
