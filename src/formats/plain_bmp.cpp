#include "formats/plain_bmp.h"

#include <array>
#include <cstring>

#include "core/colour.h"
#include "core/coxdib.h"
#include "core/image_limits.h"

namespace quillor {

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;

std::uint32_t U32(const std::uint8_t* p) { return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t U16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }

}  // namespace

PlainBmpRead ReadPlainBmp(COXDIB& image, std::uint64_t fileSize,
                          const std::function<bool(std::uint64_t, void*, std::size_t)>& readAt) {
    std::array<std::uint8_t, kFileHeader + kInfoHeader> head{};
    if (fileSize < head.size()) return PlainBmpRead::NotPlain;
    if (!readAt(0, head.data(), head.size())) return PlainBmpRead::Failed;
    const std::uint8_t* h = head.data() + kFileHeader;
    const std::uint32_t bitsOffset = U32(head.data() + 10);
    const auto width = std::int32_t(U32(h + 4));
    const auto height = std::int32_t(U32(h + 8));
    const std::uint16_t bitCount = U16(h + 14);
    const std::uint32_t coloursUsed = U32(h + 32);
    if (head[0] != 'B' || head[1] != 'M' || U32(h) != kInfoHeader || U16(h + 12) != 1 || U32(h + 16) != 0 ||
        (bitCount != 8 && bitCount != 24) || !ImageSideOk(width) || !ImageSideOk(height))
        return PlainBmpRead::NotPlain;
    // An 8-bit file keeps the entries it lists, all 256 when it lists none or too many.
    const std::uint32_t tableCount = bitCount == 24 ? 0 : (coloursUsed != 0 && coloursUsed < 256 ? coloursUsed : 256);
    const std::uint64_t imageBytes = DibStride(width, bitCount) * std::uint64_t(height);
    if (bitsOffset != head.size() + std::uint64_t(tableCount) * 4 || imageBytes > kMaxRowBytes ||
        fileSize < bitsOffset + imageBytes)
        return PlainBmpRead::NotPlain;

    const std::size_t blockBytes = kInfoHeader + std::size_t(tableCount) * 4 + std::size_t(imageBytes);
    COXDIB::Block block = COXDIB::AllocateBlock(blockBytes);
    if (!block) return PlainBmpRead::Failed;
    auto* header = reinterpret_cast<BitmapInfoHeader*>(block.get());
    header->size = kInfoHeader;
    header->width = width;
    header->height = height;
    header->planes = 1;
    header->bitCount = bitCount;
    header->imageSize = std::uint32_t(imageBytes);
    header->xPelsPerMeter = std::int32_t(U32(h + 24));
    header->yPelsPerMeter = std::int32_t(U32(h + 28));
    header->coloursUsed = tableCount;

    std::uint8_t* table = block.get() + kInfoHeader;
    if (tableCount > 0) {
        if (!readAt(head.size(), table, std::size_t(tableCount) * 4)) return PlainBmpRead::Failed;
        // The fourth byte of an entry is reserved; pictures keep it 0.
        for (std::uint32_t i = 0; i < tableCount; ++i) {
            const std::uint8_t* e = table + std::size_t(i) * 4;
            const TableWord word = MakeTableWord(e[2], e[1], e[0]);
            std::memcpy(table + std::size_t(i) * 4, &word, 4);
        }
    }
    std::uint8_t* bits = table + std::size_t(tableCount) * 4;
    if (!readAt(bitsOffset, bits, std::size_t(imageBytes))) return PlainBmpRead::Failed;
    image.Adopt(std::move(block), blockBytes);
    return PlainBmpRead::Read;
}

}  // namespace quillor
