#include "core/coxdib.h"

#include <algorithm>
#include <cstring>

#include "core/image_limits.h"

namespace quillor {

namespace {

std::uint16_t NormalisedBitCount(std::uint16_t bitCount) {
    if (bitCount <= 1) return 1;
    if (bitCount <= 4) return 4;
    if (bitCount <= 8) return 8;
    return 24;
}

}  // namespace

COXDIB::COXDIB(COXDIB&& other) noexcept
    : block_(std::move(other.block_)), blockBytes_(other.blockBytes_) {
    other.blockBytes_ = 0;
}

COXDIB& COXDIB::operator=(COXDIB&& other) noexcept {
    if (this != &other) {
        block_ = std::move(other.block_);
        blockBytes_ = other.blockBytes_;
        other.blockBytes_ = 0;
    }
    return *this;
}

void COXDIB::Clear() {
    block_.reset();
    blockBytes_ = 0;
}

COXDIB::Block COXDIB::AllocateBlock(std::size_t bytes) {
    return Block(static_cast<std::uint8_t*>(AllocateZeroed(bytes)), BlockDeleter{bytes});
}

void COXDIB::Adopt(Block block, std::size_t bytes) {
    block_ = std::move(block);
    blockBytes_ = block_ ? bytes : 0;
}

bool COXDIB::CreateBlank(std::uint16_t bitCount, std::int32_t width, std::int32_t height) {
    return Create(bitCount, width, height, true);
}

bool COXDIB::Create(std::uint16_t bitCount, std::int32_t width, std::int32_t height, bool white) {
    if (!ImageSideOk(width) || !ImageSideOk(height)) return false;
    const std::uint16_t bits = NormalisedBitCount(bitCount);
    const std::uint64_t imageSize = DibStride(width, bits) * std::uint64_t(height);
    if (imageSize > kMaxRowBytes) return false;

    const std::size_t bytes = sizeof(BitmapInfoHeader) + 1024 + std::size_t(imageSize);
    Block block = AllocateBlock(bytes);
    if (!block) return false;

    auto* header = reinterpret_cast<BitmapInfoHeader*>(block.get());
    header->size = sizeof(BitmapInfoHeader);
    header->width = width;
    header->height = height;
    header->planes = 1;
    header->bitCount = bits;
    header->imageSize = std::uint32_t(imageSize);
    header->coloursUsed = bits == 4 ? 16 : bits == 8 ? 256 : 0;

    // A 1-bit image keeps both of its entries black until the caller sets them.
    std::memcpy(block.get() + sizeof(BitmapInfoHeader), DefaultColourTable().data(),
                std::size_t(header->coloursUsed) * 4);
    if (bits == 24 && white) {
        std::memset(block.get() + sizeof(BitmapInfoHeader), 0xFF, std::size_t(imageSize));
    }
    Adopt(std::move(block), bytes);
    return true;
}

DibSize COXDIB::GetSize() const {
    if (IsEmpty()) return {};
    return {Header()->width, Header()->height};
}

std::uint16_t COXDIB::GetBitCount() const { return IsEmpty() ? 0 : Header()->bitCount; }

std::uint16_t COXDIB::GetColourCount() const {
    if (IsEmpty()) return 0;
    const auto* h = Header();
    if (h->coloursUsed != 0) return std::uint16_t(h->coloursUsed);
    return h->bitCount <= 8 ? std::uint16_t(1u << h->bitCount) : 0;
}

std::uint32_t COXDIB::GetStride() const {
    return IsEmpty() ? 0 : std::uint32_t(DibStride(Header()->width, Header()->bitCount));
}

std::size_t COXDIB::GetImageBytes() const {
    return IsEmpty() ? 0 : std::size_t(GetStride()) * std::size_t(Header()->height);
}

TableWord* COXDIB::Table() {
    return reinterpret_cast<TableWord*>(block_.get() + sizeof(BitmapInfoHeader));
}
const TableWord* COXDIB::Table() const {
    return reinterpret_cast<const TableWord*>(block_.get() + sizeof(BitmapInfoHeader));
}

std::uint8_t* COXDIB::GetBits() {
    return IsEmpty() ? nullptr : block_.get() + sizeof(BitmapInfoHeader) + GetColourTableBytes();
}
const std::uint8_t* COXDIB::GetBits() const {
    return IsEmpty() ? nullptr : block_.get() + sizeof(BitmapInfoHeader) + GetColourTableBytes();
}

TableWord COXDIB::GetTableWord(std::uint8_t index) const {
    if (IsEmpty() || index >= GetColourCount()) return 0;
    return Table()[index] & 0xFFFFFFu;
}

void COXDIB::SetTableWord(std::uint8_t index, TableWord word) {
    if (IsEmpty() || index >= GetColourCount()) return;
    Table()[index] = word & 0xFFFFFFu;
}

ColourRef COXDIB::GetColour(std::uint8_t index) const {
    return TableWordToColour(GetTableWord(index));
}

void COXDIB::SetColour(std::uint8_t index, ColourRef colour) {
    SetTableWord(index, ColourToTableWord(colour));
}

bool COXDIB::CopyTo(COXDIB& destination) const {
    destination.Clear();
    if (IsEmpty()) return false;
    const DibSize size = GetSize();
    // Every row is copied over below, so the blank need not be made white first.
    if (!destination.Create(GetBitCount(), size.width, size.height, false)) return false;
    const std::uint16_t count = std::min(GetColourCount(), destination.GetColourCount());
    for (unsigned i = 0; i < count; ++i)
        destination.SetTableWord(std::uint8_t(i), GetTableWord(std::uint8_t(i)));
    std::memcpy(destination.GetBits(), GetBits(), GetImageBytes());
    return true;
}

bool COXDIB::CopyInto(COXDIB& destination) const {
    if (IsEmpty() || &destination == this) return false;
    const bool sameShape = !destination.IsEmpty() && destination.GetSize() == GetSize() &&
                           destination.GetBitCount() == GetBitCount() &&
                           destination.GetColourCount() == GetColourCount() &&
                           destination.Header()->size == Header()->size;
    if (!sameShape) return CopyTo(destination);
    std::memcpy(destination.Table(), Table(), GetColourTableBytes());
    std::memcpy(destination.GetBits(), GetBits(), GetImageBytes());
    return true;
}

bool COXDIB::WriteBmp(ByteWriter& out) const {
    if (IsEmpty() || Header()->size != sizeof(BitmapInfoHeader)) return false;
    BitmapInfoHeader header = *Header();
    header.compression = 0;
    header.imageSize = std::uint32_t(GetImageBytes());
    const std::uint32_t tableBytes = GetColourTableBytes();
    const std::uint32_t offset = 14 + sizeof(BitmapInfoHeader) + tableBytes;

    bool ok = out.U16(19778);  // "BM"
    ok = ok && out.U32(offset + header.imageSize);
    ok = ok && out.U16(0) && out.U16(0);
    ok = ok && out.U32(offset);
    ok = ok && out.Write(&header, sizeof header);
    ok = ok && out.Write(block_.get() + sizeof(BitmapInfoHeader), tableBytes);
    ok = ok && out.Write(GetBits(), header.imageSize);
    return ok;
}

bool COXDIB::Serialize(DibArchive& archive) {
    if (archive.IsStoring()) return WriteBmp(*archive.writer);
    return archive.reader != nullptr && ReadBmp(*archive.reader);
}

bool COXDIB::ExpandFrom4Bit() {
    if (GetBitCount() != 4) return false;
    const DibSize size = GetSize();
    COXDIB wide;
    if (!wide.CreateBlank(8, size.width, size.height)) return false;
    for (unsigned i = 0; i < 16; ++i) wide.SetTableWord(std::uint8_t(i), GetTableWord(std::uint8_t(i)));
    const std::uint32_t srcStride = GetStride(), dstStride = wide.GetStride();
    for (int row = 0; row < size.height; ++row) {
        const std::uint8_t* src = GetBits() + std::size_t(row) * srcStride;
        std::uint8_t* dst = wide.GetBits() + std::size_t(row) * dstStride;
        for (int x = 0; x < size.width; ++x) {
            const std::uint8_t byte = src[x / 2];
            dst[x] = (x & 1) ? (byte & 0x0F) : (byte >> 4);
        }
    }
    *this = std::move(wide);
    return true;
}

bool COXDIB::ExpandFrom1Bit() {
    if (GetBitCount() != 1) return false;
    const DibSize size = GetSize();
    COXDIB wide;
    if (!wide.CreateBlank(8, size.width, size.height)) return false;
    wide.SetTableWord(0, GetTableWord(0));
    wide.SetTableWord(1, GetTableWord(1));
    const std::uint32_t srcStride = GetStride(), dstStride = wide.GetStride();
    for (int row = 0; row < size.height; ++row) {
        const std::uint8_t* src = GetBits() + std::size_t(row) * srcStride;
        std::uint8_t* dst = wide.GetBits() + std::size_t(row) * dstStride;
        for (int x = 0; x < size.width; ++x) dst[x] = (src[x >> 3] >> (7 - (x & 7))) & 1;
    }
    *this = std::move(wide);
    return true;
}

bool COXDIB::PackTo4Bit(COXDIB& destination) const {
    destination.Clear();
    if (GetBitCount() != 8) return false;
    const DibSize size = GetSize();
    if (!destination.CreateBlank(4, size.width, size.height)) return false;
    for (unsigned i = 0; i < 16; ++i)
        destination.SetTableWord(std::uint8_t(i), GetTableWord(std::uint8_t(i)));
    const std::uint32_t srcStride = GetStride(), dstStride = destination.GetStride();
    for (int row = 0; row < size.height; ++row) {
        const std::uint8_t* src = GetBits() + std::size_t(row) * srcStride;
        std::uint8_t* dst = destination.GetBits() + std::size_t(row) * dstStride;
        for (int x = 0; x < size.width; x += 2) {
            const std::uint8_t hi = src[x] & 0x0F;
            const std::uint8_t lo = (x + 1 < size.width) ? (src[x + 1] & 0x0F) : 0;
            dst[x / 2] = std::uint8_t(hi << 4 | lo);
        }
    }
    return true;
}

bool COXDIB::PackTo1Bit(COXDIB& destination) const {
    destination.Clear();
    if (GetBitCount() != 8) return false;
    const DibSize size = GetSize();
    if (!destination.CreateBlank(1, size.width, size.height)) return false;
    destination.SetTableWord(0, GetTableWord(0));
    destination.SetTableWord(1, GetTableWord(1));
    const std::uint32_t srcStride = GetStride(), dstStride = destination.GetStride();
    for (int row = 0; row < size.height; ++row) {
        const std::uint8_t* src = GetBits() + std::size_t(row) * srcStride;
        std::uint8_t* dst = destination.GetBits() + std::size_t(row) * dstStride;
        for (int x = 0; x < size.width; ++x)
            if (src[x] & 1) dst[x >> 3] |= std::uint8_t(0x80 >> (x & 7));
    }
    return true;
}

void COXDIB::FillBytes(std::uint8_t value) {
    if (GetBitCount() != 24) return;
    std::memset(GetBits(), value, GetImageBytes());
}

}  // namespace quillor
