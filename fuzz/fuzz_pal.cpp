#include <cstddef>
#include <cstdint>
#include <span>

#include "palette/palette_file.h"

using namespace quillor;

// A palette file that reads must be a whole one, and must write back as the bytes it
// was read from (but for the ignored fourth byte of each entry).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const auto colours = DecodePaletteFile(bytes);
    if (!colours) return 0;
    if (size < kPaletteFileBytes) __builtin_trap();
    const std::vector<std::uint8_t> written = EncodePaletteFile(*colours);
    if (written.size() != kPaletteFileBytes) __builtin_trap();
    for (std::size_t i = 0; i < kPaletteFileBytes; ++i) {
        const bool fourth = i >= 5 && (i - 5) % 4 == 3;
        if (written[i] != (fourth ? 0 : data[i])) __builtin_trap();
    }
    const auto again = DecodePaletteFile(written);
    if (!again || *again != *colours) __builtin_trap();
    return 0;
}
