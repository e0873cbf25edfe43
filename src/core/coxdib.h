#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/byte_reader.h"
#include "core/byte_writer.h"
#include "core/colour.h"
#include "core/large_allocation.h"

namespace quillor {

static_assert(std::endian::native == std::endian::little,
              "COXDIB keeps the BMP layout in memory and assumes a little-endian machine");

// The 40-byte BMP info header, exactly as it sits at the start of an image block.
struct BitmapInfoHeader {
    std::uint32_t size;
    std::int32_t width;
    std::int32_t height;
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t compression;
    std::uint32_t imageSize;
    std::int32_t xPelsPerMeter;
    std::int32_t yPelsPerMeter;
    std::uint32_t coloursUsed;
    std::uint32_t coloursImportant;
};
static_assert(sizeof(BitmapInfoHeader) == 40);

struct DibSize {
    int width = 0;
    int height = 0;
    bool operator==(const DibSize&) const = default;
};

// Bytes in one stored row of `width` pixels at `bitCount` bits, padded to 4 bytes.
constexpr std::uint64_t DibStride(std::int64_t width, unsigned bitCount) {
    return ((std::uint64_t(width) * bitCount + 31) / 32) * 4;
}

// The 256 colours every new palette image starts with, as table words (0xRRGGBB).
const std::array<TableWord, 256>& DefaultColourTable();

// Frees an image block with the size it was allocated with.
struct DibBlockDeleter {
    std::size_t bytes = 0;
    void operator()(std::uint8_t* p) const { FreeZeroed(p, bytes); }
};

// A simple two-way archive: it either loads from a reader or stores to a writer.
struct DibArchive {
    ByteReader* reader = nullptr;
    ByteWriter* writer = nullptr;
    bool IsStoring() const { return writer != nullptr; }
};

// One raster image held as a packed device-independent bitmap: the info header, the
// colour table and the bottom-up rows in one block, as they follow a BMP file header.
// Callers reach pixels through GetBits() and the stride; there is no per-pixel call.
class COXDIB {
public:
    COXDIB() = default;
    ~COXDIB() = default;
    COXDIB(const COXDIB&) = delete;
    COXDIB& operator=(const COXDIB&) = delete;
    COXDIB(COXDIB&& other) noexcept;
    COXDIB& operator=(COXDIB&& other) noexcept;

    bool IsEmpty() const { return block_ == nullptr; }
    void Clear();

    // Replaces the image by a blank one; false (old image kept) when the size is out
    // of range or the memory cannot be had.
    bool CreateBlank(std::uint16_t bitCount, std::int32_t width, std::int32_t height);

    DibSize GetSize() const;
    std::uint16_t GetBitCount() const;
    std::uint16_t GetColourCount() const;
    std::uint32_t GetColourTableBytes() const { return std::uint32_t(GetColourCount()) * 4; }
    std::uint32_t GetStride() const;
    std::size_t GetImageBytes() const;

    std::uint8_t* GetBits();
    const std::uint8_t* GetBits() const;
    // Picture line y counted from the top.
    std::uint8_t* Line(int y) { return GetBits() + std::size_t(RowOfLine(y)) * GetStride(); }
    const std::uint8_t* Line(int y) const {
        return GetBits() + std::size_t(RowOfLine(y)) * GetStride();
    }

    BitmapInfoHeader* Header() { return reinterpret_cast<BitmapInfoHeader*>(block_.get()); }
    const BitmapInfoHeader* Header() const {
        return reinterpret_cast<const BitmapInfoHeader*>(block_.get());
    }

    // Indices at or beyond the colour count are not part of the table: reads give 0,
    // writes are ignored.
    ColourRef GetColour(std::uint8_t index) const;
    void SetColour(std::uint8_t index, ColourRef colour);
    TableWord GetTableWord(std::uint8_t index) const;
    void SetTableWord(std::uint8_t index, TableWord word);

    // Deep copy into `destination` with a full table for its depth. False when the
    // destination could not be made (it is then empty).
    bool CopyTo(COXDIB& destination) const;
    // The same copy into a destination that may already hold a picture: when it has this
    // image's size, depth and table length its memory is reused (no allocation, nothing
    // to page in), as an undo store copying one frame again and again wants.
    bool CopyInto(COXDIB& destination) const;

    // Reads a BMP file: every header form in use (core, OS/2, info, V2 to V5), bit
    // counts 1 to 32, RLE4/RLE8/RLE24, bit-field masks and top-down rows. The image
    // ends up 1, 4, 8 or 24 bits deep; alpha is composited over white. On failure the
    // image is left empty.
    bool ReadBmp(ByteReader& in);
    // Writes the image as a BMP file with a 40-byte header. False when the image is
    // empty, its header is not 40 bytes or the writer fails.
    bool WriteBmp(ByteWriter& out) const;
    bool Serialize(DibArchive& archive);

    bool ExpandFrom4Bit();
    bool ExpandFrom1Bit();
    bool PackTo4Bit(COXDIB& destination) const;
    bool PackTo1Bit(COXDIB& destination) const;

    void FillBytes(std::uint8_t value);
    void OverlayOnto(COXDIB& destination, int width, int height, TableWord keyColour, bool keyOn,
                     bool opacityOn, int opacity, bool smoothEdges) const;

    // A zero-filled block, or null when the memory cannot be had. Readers build their
    // image in one and hand it over with Adopt once header, table and rows are valid.
    using BlockDeleter = DibBlockDeleter;
    using Block = std::unique_ptr<std::uint8_t[], BlockDeleter>;
    static Block AllocateBlock(std::size_t bytes);
    void Adopt(Block block, std::size_t bytes);
    std::size_t BlockBytes() const { return blockBytes_; }

private:
    bool Create(std::uint16_t bitCount, std::int32_t width, std::int32_t height, bool white);
    int RowOfLine(int y) const { return Header()->height - 1 - y; }
    TableWord* Table();
    const TableWord* Table() const;

    Block block_;
    std::size_t blockBytes_ = 0;
};

}  // namespace quillor
