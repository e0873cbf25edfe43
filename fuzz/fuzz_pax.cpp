#include "formats/codec/pax_codec.h"
#include "fuzz_reader.h"

using namespace quillor;

// The program always tries an empty password first. On a protected file that attempt
// must fail before any key is derived, or every open would pay for a derivation.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    const bool locked = IsPaxProtected(file);
    ImageInfo info;
    const bool infoOk = ReadPaxInfo(file, "", info);
    if (locked && infoOk) __builtin_trap();
    MemoryRaster raster;
    const bool readOk = ReadPax(file, "", raster);
    if (locked && readOk) __builtin_trap();
    fuzz::CheckRead(infoOk, info, readOk, raster);
    PaxIdentity creator;
    ReadPaxCreator(file, "", creator);
    return 0;
}
