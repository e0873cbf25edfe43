// Reading BMP files as other programs write them: every header form, bit count and
// compression in use, checked against the file's length before anything is allocated.

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "core/coxdib.h"
#include "core/image_limits.h"

namespace quillor {

namespace {

enum : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kOs2Rle24 = 4,
    kAlphaBitFields = 6,
};

constexpr std::uint32_t kCoreHeader = 12;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kLargestHeader = 4096;  // well past V5; anything bigger is not a BMP

struct BmpLayout {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    unsigned bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t coloursUsed = 0;
    std::int32_t xRes = 0, yRes = 0;
    std::uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
    bool alphaHonoured = false;
    std::size_t tableOffset = 0;
    unsigned tableEntryBytes = 4;
    std::size_t bitsOffset = 0;  // from the file header; 0 when unusable
};

// One colour channel of a packed pixel, described by its mask.
struct Field {
    unsigned shift = 0;
    unsigned bits = 0;

    explicit Field(std::uint32_t mask) {
        if (mask == 0) return;
        shift = unsigned(std::countr_zero(mask));
        bits = unsigned(std::countr_one(mask >> shift));
    }
    std::uint32_t Raw(std::uint32_t pixel) const {
        return bits == 0 ? 0 : (pixel >> shift) & ((bits >= 32) ? ~0u : ((1u << bits) - 1));
    }
    // Five- and six-bit fields widen by shifting, as 16-bit images always have here;
    // narrower fields are scaled so that their largest value is full intensity.
    std::uint8_t Colour(std::uint32_t pixel) const {
        const std::uint32_t v = Raw(pixel);
        if (bits == 0) return 0;
        if (bits < 5) return std::uint8_t((v * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1));
        if (bits <= 8) return std::uint8_t(v << (8 - bits));
        return std::uint8_t(v >> (bits - 8));
    }
    std::uint8_t Alpha(std::uint32_t pixel) const {
        const std::uint32_t v = Raw(pixel);
        if (bits == 0) return 255;
        if (bits <= 8) return std::uint8_t((v * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1));
        return std::uint8_t(v >> (bits - 8));
    }
};

bool ReadHeaders(ByteReader& in, BmpLayout& b) {
    const std::size_t start = in.Position();
    std::uint16_t magic = 0;
    std::uint32_t fileSize = 0, bitsOffset = 0, headerSize = 0;
    std::uint16_t reserved = 0;
    if (!in.U16(magic) || magic != 19778) return false;  // "BM"
    if (!in.U32(fileSize) || !in.U16(reserved) || !in.U16(reserved) || !in.U32(bitsOffset))
        return false;
    if (!in.U32(headerSize)) return false;
    if (headerSize < kCoreHeader || headerSize > kLargestHeader) return false;
    if (headerSize > kCoreHeader && headerSize < 16) return false;

    auto body = in.Take(headerSize - 4);
    if (body.size() != headerSize - 4) return false;
    ByteReader h(body);
    const bool os2 = headerSize != kInfoHeader && headerSize != 52 && headerSize != 56 &&
                     headerSize <= 64;
    std::uint16_t planes = 0, bits = 0;
    if (headerSize == kCoreHeader) {
        std::uint16_t w = 0, ht = 0;
        h.U16(w), h.U16(ht), h.U16(planes), h.U16(bits);
        b.width = w;
        b.height = ht;
        b.tableEntryBytes = 3;
    } else {
        std::int32_t w = 0, ht = 0;
        h.I32(w), h.I32(ht), h.U16(planes), h.U16(bits);
        b.width = w;
        b.height = ht;
        // Fields a short OS/2 header leaves out read as zero.
        h.U32(b.compression);
        std::uint32_t imageSize = 0;
        h.U32(imageSize);
        h.I32(b.xRes), h.I32(b.yRes);
        h.U32(b.coloursUsed);
        if (os2) {
            if (b.compression == kBitFields) return false;  // OS/2 Huffman 1D
            if (b.compression == kOs2Rle24 && bits != 24) return false;
        } else if (headerSize >= 52) {
            std::uint32_t important = 0;
            h.U32(important);
            h.U32(b.masks[0]), h.U32(b.masks[1]), h.U32(b.masks[2]);
            if (headerSize >= 56) h.U32(b.masks[3]);
        }
    }
    b.bitCount = bits;
    if (b.height < 0) {
        b.topDown = true;
        b.height = -b.height;
    }

    std::size_t tableOffset = start + 14 + headerSize;
    if (!os2 && headerSize == kInfoHeader &&
        (b.compression == kBitFields || b.compression == kAlphaBitFields)) {
        const unsigned count = b.compression == kAlphaBitFields ? 4 : 3;
        for (unsigned i = 0; i < count; ++i)
            if (!in.U32(b.masks[i])) return false;
        tableOffset += count * 4;
    }
    b.tableOffset = tableOffset;
    if (bitsOffset != 0 && start + bitsOffset >= tableOffset && start + bitsOffset < in.Size())
        b.bitsOffset = start + bitsOffset;

    if (b.compression == kBitFields || b.compression == kAlphaBitFields) {
        if (b.bitCount != 16 && b.bitCount != 32) return false;
        b.alphaHonoured = b.masks[3] != 0 && (b.compression == kAlphaBitFields || headerSize >= 56);
        if (b.masks[0] == 0 && b.masks[1] == 0 && b.masks[2] == 0) b.compression = kRgb;
    }
    if (b.compression == kRgb) {
        if (b.bitCount == 16) {
            b.masks[0] = 0x7C00, b.masks[1] = 0x03E0, b.masks[2] = 0x001F;
        } else if (b.bitCount == 32) {
            b.masks[0] = 0xFF0000, b.masks[1] = 0xFF00, b.masks[2] = 0xFF;
        }
        // Headers from V3 on name an alpha mask even for plain pixels; writers that fill
        // it in mean their alpha to count.
        b.alphaHonoured = b.masks[3] != 0 && headerSize >= 56 && !os2 &&
                          (b.bitCount == 16 || b.bitCount == 32);
    }

    switch (b.bitCount) {
        case 1: case 2: case 4: case 8: case 16: case 24: case 32: break;
        default: return false;
    }
    switch (b.compression) {
        case kRgb: case kBitFields: case kAlphaBitFields: break;
        case kRle8: if (b.bitCount != 8) return false; break;
        case kRle4: if (b.bitCount != 4) return false; break;
        case kOs2Rle24: if (!os2) return false; break;
        default: return false;  // embedded JPEG or PNG, or unknown
    }
    return ImageSideOk(b.width) && ImageSideOk(b.height);
}

// How many times the held rows can outgrow the file. Uncompressed rows grow only by
// widening (2 to 4 bits, 16 to 24), with room left for a file cut short. A run of at
// most 255 pixels costs two bytes (four with its colour at 24 bits); skipping a whole
// picture by deltas or an early end of bitmap is what no writer does.
std::uint64_t MaxExpansion(std::uint32_t compression) {
    switch (compression) {
        case kRle8: return 128;  // 255 bytes from 2
        case kRle4: return 64;   // 128 bytes from 2
        case kOs2Rle24: return 192;  // 765 bytes from 4
        default: return 4;
    }
}

unsigned OutputBitCount(unsigned fileBits) {
    if (fileBits == 1) return 1;
    if (fileBits <= 4) return 4;
    if (fileBits == 8) return 8;
    return 24;
}

// Rows go from the file's order to the bottom-up memory order.
struct RowMap {
    int height;
    bool topDown;
    int MemoryRow(int fileRow) const { return topDown ? height - 1 - fileRow : fileRow; }
};

void CopyRows(std::span<const std::uint8_t> data, std::size_t srcStride, COXDIB& dib,
              const RowMap& map) {
    const std::size_t dstStride = dib.GetStride();
    const std::size_t take = std::min(srcStride, dstStride);
    for (int r = 0; r < map.height; ++r) {
        const std::size_t at = std::size_t(r) * srcStride;
        if (at >= data.size()) break;  // a short file keeps its missing rows at zero
        const std::size_t n = std::min(take, data.size() - at);
        std::memcpy(dib.GetBits() + std::size_t(map.MemoryRow(r)) * dstStride, data.data() + at, n);
    }
}

void Expand2BitRows(std::span<const std::uint8_t> data, std::size_t srcStride, int width,
                    COXDIB& dib, const RowMap& map) {
    const std::size_t dstStride = dib.GetStride();
    for (int r = 0; r < map.height; ++r) {
        const std::size_t at = std::size_t(r) * srcStride;
        if (at >= data.size()) break;
        std::uint8_t* dst = dib.GetBits() + std::size_t(map.MemoryRow(r)) * dstStride;
        for (int x = 0; x < width; ++x) {
            const std::size_t byteAt = at + std::size_t(x) / 4;
            if (byteAt >= data.size()) break;
            const std::uint8_t v = (data[byteAt] >> (6 - 2 * (x & 3))) & 3;
            dst[x / 2] |= std::uint8_t((x & 1) ? v : v << 4);
        }
    }
}

void ConvertMaskedRows(std::span<const std::uint8_t> data, std::size_t srcStride, const BmpLayout& b,
                       COXDIB& dib, const RowMap& map) {
    const Field red(b.masks[0]), green(b.masks[1]), blue(b.masks[2]), alpha(b.masks[3]);
    const unsigned bpp = b.bitCount / 8;
    const int width = int(b.width);
    const bool useAlpha = b.alphaHonoured;
    const std::size_t dstStride = dib.GetStride();
    for (int r = 0; r < map.height; ++r) {
        const std::size_t at = std::size_t(r) * srcStride;
        if (at >= data.size()) break;
        std::uint8_t* dst = dib.GetBits() + std::size_t(map.MemoryRow(r)) * dstStride;
        for (int x = 0; x < width; ++x) {
            const std::size_t p = at + std::size_t(x) * bpp;
            if (p + bpp > data.size()) break;
            std::uint32_t px = data[p] | std::uint32_t(data[p + 1]) << 8;
            if (bpp == 4) px |= std::uint32_t(data[p + 2]) << 16 | std::uint32_t(data[p + 3]) << 24;
            std::uint8_t c[3] = {blue.Colour(px), green.Colour(px), red.Colour(px)};
            if (useAlpha) {
                const std::uint8_t a = alpha.Alpha(px);
                for (auto& v : c) v = OverWhite(v, a);
            }
            std::memcpy(dst + std::size_t(x) * 3, c, 3);
        }
    }
}

// Run-length data for 4, 8 and 24 bits. Runs that would pass the row's end are cut at
// it; decoding stops at the end of the bitmap, of the rows or of the data, keeping what
// it has so far. Pixels the data skips stay at zero. A delta that moves past the
// picture's right or top edge is damage (repeated, it would carry the position beyond
// any row): false.
bool DecodeRle(std::span<const std::uint8_t> data, unsigned bits, COXDIB& dib, const RowMap& map) {
    const int width = dib.GetSize().width;
    const std::size_t stride = dib.GetStride();
    std::size_t pos = 0;
    int x = 0, y = 0;
    auto put = [&](std::uint8_t v) {  // one index at (x, y)
        if (x < width) {
            std::uint8_t* row = dib.GetBits() + std::size_t(map.MemoryRow(y)) * stride;
            if (bits == 8) {
                row[x] = v;
            } else {
                std::uint8_t& byte = row[x / 2];
                byte = (x & 1) ? std::uint8_t((byte & 0xF0) | (v & 0x0F))
                               : std::uint8_t((byte & 0x0F) | (v << 4));
            }
        }
        ++x;
    };
    auto putColour = [&](const std::uint8_t* bgr) {
        if (x < width) {
            std::uint8_t* row = dib.GetBits() + std::size_t(map.MemoryRow(y)) * stride;
            std::memcpy(row + std::size_t(x) * 3, bgr, 3);
        }
        ++x;
    };
    while (y < map.height && pos + 2 <= data.size()) {
        const unsigned count = data[pos];
        const unsigned value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            if (bits == 24) {
                if (pos + 2 > data.size()) return true;  // the run's colour is three bytes
                const std::uint8_t bgr[3] = {std::uint8_t(value), data[pos], data[pos + 1]};
                pos += 2;
                for (unsigned i = 0; i < count && x < width; ++i) putColour(bgr);
            } else if (bits == 8) {
                for (unsigned i = 0; i < count && x < width; ++i) put(std::uint8_t(value));
            } else {
                for (unsigned i = 0; i < count && x < width; ++i)
                    put(std::uint8_t((i & 1) ? value & 0x0F : value >> 4));
            }
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            return true;
        } else if (value == 2) {  // delta
            if (pos + 2 > data.size()) return true;
            const int right = data[pos], up = data[pos + 1];
            if (right > width - x || up > map.height - y) return false;
            x += right;
            y += up;
            pos += 2;
        } else {  // a literal run of `value` pixels, padded to a 16-bit boundary
            const unsigned n = value;
            const std::size_t bytes =
                bits == 24 ? std::size_t(n) * 3 : bits == 8 ? n : (std::size_t(n) + 1) / 2;
            if (pos + bytes > data.size()) {
                // Keep what the cut-off literal still holds.
                for (std::size_t i = 0; bits == 8 && pos + i < data.size() && x < width; ++i)
                    put(data[pos + i]);
                return true;
            }
            for (unsigned i = 0; i < n && x < width; ++i) {
                if (bits == 24) putColour(&data[pos + std::size_t(i) * 3]);
                else if (bits == 8) put(data[pos + i]);
                else put(std::uint8_t((i & 1) ? data[pos + i / 2] & 0x0F : data[pos + i / 2] >> 4));
            }
            pos += bytes + (bytes & 1);
        }
    }
    return true;
}

// The index of a black table entry, adding one when the table has room; failing both,
// the darkest entry there is.
std::uint8_t BlackEntry(std::array<TableWord, 256>& table, unsigned& count, unsigned capacity) {
    unsigned darkest = 0, darkestSum = ~0u;
    for (unsigned i = 0; i < count; ++i) {
        const TableWord w = table[i];
        const unsigned sum = (w >> 16 & 255) + (w >> 8 & 255) + (w & 255);
        if (sum < darkestSum) darkestSum = sum, darkest = i;
    }
    if (darkestSum == 0 || count >= capacity) return std::uint8_t(darkest);
    table[count] = 0;
    return std::uint8_t(count++);
}

}  // namespace

bool COXDIB::ReadBmp(ByteReader& in) {
    Clear();
    BmpLayout b;
    if (!ReadHeaders(in, b)) return false;

    const unsigned outBits = OutputBitCount(b.bitCount);
    const std::uint64_t outImage = DibStride(b.width, outBits) * std::uint64_t(b.height);
    const bool rle = b.compression == kRle4 || b.compression == kRle8 || b.compression == kOs2Rle24;
    if (!DecodedSizePlausible(outImage, in.Size(), MaxExpansion(b.compression))) return false;

    // The colour table: as many entries as the header asks for, never more than the
    // depth can index or fit before the pixel data. A file that ends inside the table
    // has lost it, and with it every row.
    unsigned tableCount = 0;
    if (b.bitCount <= 8) {
        const unsigned full = 1u << b.bitCount;
        tableCount = (b.coloursUsed != 0 && b.coloursUsed < full) ? b.coloursUsed : full;
        if (in.Size() < b.tableOffset) return false;
        const std::size_t inFile = (in.Size() - b.tableOffset) / b.tableEntryBytes;
        if (b.bitsOffset == 0 && inFile < tableCount) return false;
        if (b.bitsOffset != 0) {
            const std::size_t fits = (b.bitsOffset - b.tableOffset) / b.tableEntryBytes;
            tableCount = unsigned(std::min<std::size_t>(tableCount, fits));
        }
        if (tableCount == 0) return false;
    }
    std::array<TableWord, 256> table{};
    for (unsigned i = 0; i < tableCount; ++i) {
        const std::uint8_t* e = in.All().data() + b.tableOffset + std::size_t(i) * b.tableEntryBytes;
        table[i] = MakeTableWord(e[2], e[1], e[0]);
    }
    // Pixels that run-length data skips show black, as other readers show them.
    const unsigned fileTableCount = tableCount;
    std::uint8_t skipIndex = 0;
    if (rle && b.bitCount <= 8) skipIndex = BlackEntry(table, tableCount, 1u << b.bitCount);

    // A 2-bit picture is held at 4 bits; its table keeps the four entries it has.
    std::size_t rowsOffset = b.bitsOffset != 0
                                 ? b.bitsOffset
                                 : b.tableOffset + std::size_t(fileTableCount) * b.tableEntryBytes;
    if (rowsOffset > in.Size()) rowsOffset = in.Size();

    const std::size_t blockBytes = sizeof(BitmapInfoHeader) + std::size_t(tableCount) * 4 + outImage;
    Block block = AllocateBlock(blockBytes);
    if (!block) return false;
    auto* header = reinterpret_cast<BitmapInfoHeader*>(block.get());
    header->size = sizeof(BitmapInfoHeader);
    header->width = std::int32_t(b.width);
    header->height = std::int32_t(b.height);
    header->planes = 1;
    header->bitCount = std::uint16_t(outBits);
    header->imageSize = std::uint32_t(outImage);
    header->xPelsPerMeter = b.xRes;
    header->yPelsPerMeter = b.yRes;
    header->coloursUsed = tableCount;

    std::memcpy(block.get() + sizeof(BitmapInfoHeader), table.data(), std::size_t(tableCount) * 4);
    Adopt(std::move(block), blockBytes);
    if (skipIndex != 0) {
        const std::uint8_t fill = outBits == 4 ? std::uint8_t(skipIndex << 4 | skipIndex) : skipIndex;
        std::memset(GetBits(), fill, GetImageBytes());
    }

    const auto data = in.All().subspan(rowsOffset);
    const RowMap map{int(b.height), b.topDown};
    const std::size_t srcStride = DibStride(b.width, b.bitCount);
    bool decoded = true;
    switch (b.compression) {
        case kRle8: decoded = DecodeRle(data, 8, *this, map); break;
        case kRle4: decoded = DecodeRle(data, 4, *this, map); break;
        case kOs2Rle24: decoded = DecodeRle(data, 24, *this, map); break;
        default:
            if (b.bitCount == 2) Expand2BitRows(data, srcStride, int(b.width), *this, map);
            else if (b.bitCount <= 8 || b.bitCount == 24) CopyRows(data, srcStride, *this, map);
            else ConvertMaskedRows(data, srcStride, b, *this, map);
            break;
    }
    if (!decoded) {
        Clear();
        return false;
    }
    const std::uint64_t consumed = rle ? data.size() : srcStride * std::uint64_t(b.height);
    in.Seek(rowsOffset + std::size_t(std::min<std::uint64_t>(consumed, data.size())));
    return true;
}

}  // namespace quillor
