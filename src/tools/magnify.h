#pragma once

#include <cstdint>

namespace quillor {

// How the magnify tool and the zoom commands change the zoom.
enum class MagnifyType : std::uint8_t {
    Times2 = 0,
    Times3 = 1,
    Times4 = 2,
    Times8 = 3,
    Times16 = 4,
    Times32 = 5,
    Fixed = 6,     // by the "Magnify Fixed" factor
    Variable = 7,  // steps of 1 above zoom 1, of 0.0125 below
};

struct MagnifySettings {
    MagnifyType type = MagnifyType::Variable;
    unsigned fixed = 5;  // the factor of MagnifyType::Fixed
};

inline constexpr double kMaxZoom = 40.0;
inline constexpr int kMinShownPixels = 16;

}  // namespace quillor
