#include <cstddef>
#include <cstdint>
#include <span>

#include "brush/brush_file.h"

using namespace quillor;

// A brush file that reads must hold all it promised, load into a brush, and write back
// as the bytes it was read from (but for the unused high bytes of the colours).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    auto file = DecodeBrushFile(bytes);
    if (!file) return 0;
    if (size < file->header.FileBytes() || file->frames.size() != file->header.frameCount) __builtin_trap();
    const bool trueColour = file->header.trueColour;
    PaintBrush brush;
    TakeBrushFile(brush, std::move(*file), trueColour);
    const BrushRecord& loaded = brush.Current(trueColour);
    if (!loaded.Exists() || loaded.handleX >= loaded.width || loaded.handleY >= loaded.height) __builtin_trap();
    const std::vector<std::uint8_t> written = EncodeBrushFile(loaded, trueColour);
    const auto again = DecodeBrushFile(written);
    if (!again || again->frames != loaded.frames || again->header.width != loaded.width) __builtin_trap();
    return 0;
}
