#pragma once

#include <cstdint>
#include <optional>

namespace quillor {

// What the current tool and brush add to the view's status text.
struct StatusExtras {
    enum class BrushNote : std::uint8_t { None, Animated, SingleFrame };
    // Set while the brush-rotation tool is current: shown instead of the drag extent.
    std::optional<int> rotationDegrees;
    // For a grabbed brush: whether the brush of the image's depth has several frames.
    BrushNote brush = BrushNote::None;
};

}  // namespace quillor
