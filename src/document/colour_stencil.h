#pragma once

#include <array>
#include <cstdint>

namespace quillor {

// A document's colour stencil: the palette indices protected from paint while the
// stencil is on, and whether the "Colour Stencil" window is choosing them, in which case
// a pick on the picture protects or frees the index picked instead of painting with it.
struct ColourStencil {
    std::array<bool, 256> protectedIndex{};
    bool choosing = false;

    bool Protects(std::uint8_t index) const { return protectedIndex[index]; }
    void Set(std::uint8_t index, bool protect) { protectedIndex[index] = protect; }
    void Toggle(std::uint8_t index) { protectedIndex[index] = !protectedIndex[index]; }
    void Invert() {
        for (bool& p : protectedIndex) p = !p;
    }
    void Clear() { protectedIndex.fill(false); }
};

}  // namespace quillor
