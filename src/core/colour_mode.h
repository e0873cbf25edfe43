#pragma once

#include <cstdint>

namespace quillor {

// The colour mode of a frame, named by its bit count. Modes 1 and 4 are held as 8-bit
// images whose indices stay below 2 or 16.
enum class ColourMode : std::uint8_t { Mono = 1, Colours16 = 4, Colours256 = 8, TrueColour = 24 };

constexpr ColourMode ColourModeFromBitCount(unsigned bits) {
    if (bits <= 1) return ColourMode::Mono;
    if (bits <= 4) return ColourMode::Colours16;
    if (bits <= 8) return ColourMode::Colours256;
    return ColourMode::TrueColour;
}

constexpr const char* ColourModeName(ColourMode m) {
    switch (m) {
        case ColourMode::Mono: return "2 colours";
        case ColourMode::Colours16: return "16 colours";
        case ColourMode::Colours256: return "256 colours";
        case ColourMode::TrueColour: return "true colour";
    }
    return "unknown";
}

}  // namespace quillor
