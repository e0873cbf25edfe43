#pragma once

#include <cstdint>

namespace quillor {

// Sizes every reader and CreateBlank accept. Anything outside is refused before a
// byte is allocated, so no file can make the program reach for gigabytes.
inline constexpr std::int64_t kMaxImageSide = 65535;
inline constexpr std::uint64_t kMaxRowBytes = std::uint64_t(2) << 30;  // 2 GiB of rows

// A decoder may always allocate this much for a picture whose data is compressed or
// cut short; beyond it, the claimed size must be backed by the file's own length.
inline constexpr std::uint64_t kUnbackedAllowance = std::uint64_t(16) << 20;

constexpr bool ImageSideOk(std::int64_t side) { return side >= 1 && side <= kMaxImageSide; }

// True when decoding `decodedBytes` from a file of `fileBytes` is plausible for a
// format whose data expands by at most `maxExpansion` times.
constexpr bool DecodedSizePlausible(std::uint64_t decodedBytes, std::uint64_t fileBytes,
                                    std::uint64_t maxExpansion) {
    if (decodedBytes > kMaxRowBytes) return false;
    return decodedBytes <= kUnbackedAllowance || decodedBytes / maxExpansion <= fileBytes;
}

}  // namespace quillor
