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

// The best ratios the compressors in use reach, as raw bytes per compressed byte. Each
// is what the coding itself allows at best, so no real file exceeds it.
// Deflate: a 258-byte match costs at least two bits, plus block overhead.
inline constexpr std::uint64_t kDeflateMaxExpansion = 1032;
// PackBits (PSD, TIFF): two bytes repeat one byte up to 128 times.
inline constexpr std::uint64_t kPackBitsMaxExpansion = 64;

constexpr bool ImageSideOk(std::int64_t side) { return side >= 1 && side <= kMaxImageSide; }

// The other side of a size that keeps the old proportions when one side is typed, cut
// to whole pixels. A ratio the old size cannot give (no old side), or a side beyond the
// largest picture, leaves the side as it was (`current`).
constexpr int ProportionalSide(int typed, int oldTyped, int oldOther, int current) {
    if (oldTyped <= 0) return current;
    const double side = double(typed) / double(oldTyped) * double(oldOther);
    if (!(side >= 0.0) || side > double(kMaxImageSide)) return current;
    return int(side);
}

// True when a decoder may allocate `allocatedBytes` for a picture whose data cannot
// be coded in fewer than `leastFileBytes`, given a file of `fileBytes`.
constexpr bool AllocationBacked(std::uint64_t allocatedBytes, std::uint64_t leastFileBytes,
                                std::uint64_t fileBytes) {
    if (allocatedBytes > kMaxRowBytes) return false;
    return allocatedBytes <= kUnbackedAllowance || leastFileBytes <= fileBytes;
}

// The fewest bytes that can hold `rawBytes` compressed at best `maxExpansion` times.
constexpr std::uint64_t LeastCompressedBytes(std::uint64_t rawBytes, std::uint64_t maxExpansion) {
    return rawBytes / maxExpansion;
}

// True when decoding `decodedBytes` from a file of `fileBytes` is plausible for a
// format whose data expands by at most `maxExpansion` times.
constexpr bool DecodedSizePlausible(std::uint64_t decodedBytes, std::uint64_t fileBytes,
                                    std::uint64_t maxExpansion) {
    return AllocationBacked(decodedBytes, LeastCompressedBytes(decodedBytes, maxExpansion),
                            fileBytes);
}

}  // namespace quillor
