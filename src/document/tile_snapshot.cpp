#include "document/tile_snapshot.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace quillor {

namespace {

// The header and colour table: everything in the image's block before its rows.
std::size_t HeadBytes(const COXDIB& image) {
    return std::size_t(image.GetBits() - reinterpret_cast<const std::uint8_t*>(image.Header()));
}

int TilesAcross(int pixels) {
    return int((std::int64_t(pixels) + TileSnapshot::kTileSide - 1) / TileSnapshot::kTileSide);
}

}  // namespace

void TileSnapshot::Begin(const COXDIB& image) {
    // The tiles go back to the allocator one by one; the bookkeeping keeps its memory for
    // the next step.
    tiles_.clear();
    spoilt_ = false;
    if (image.IsEmpty()) {
        size_ = {};
        bitCount_ = 0;
        stride_ = 0;
        columns_ = rows_ = 0;
        head_.clear();
        saved_.clear();
        return;
    }
    size_ = image.GetSize();
    bitCount_ = image.GetBitCount();
    stride_ = image.GetStride();
    columns_ = TilesAcross(size_.width);
    rows_ = TilesAcross(size_.height);
    const auto* block = reinterpret_cast<const std::uint8_t*>(image.Header());
    head_.assign(block, block + HeadBytes(image));
    saved_.assign(std::size_t(columns_) * std::size_t(rows_), false);
}

void TileSnapshot::Clear() {
    *this = TileSnapshot{};
}

bool TileSnapshot::SameShape(const COXDIB& image) const {
    if (image.IsEmpty()) return head_.empty();
    return image.GetSize() == size_ && image.GetBitCount() == bitCount_ &&
           image.GetStride() == stride_ && HeadBytes(image) == head_.size();
}

std::size_t TileSnapshot::ColumnBegin(int column) const {
    return std::size_t(column) * kTileSide * bitCount_ / 8;
}

// The last column takes the row's padding too, so that nothing of a row is left out.
std::size_t TileSnapshot::ColumnEnd(int column) const {
    return column + 1 == columns_ ? stride_ : ColumnBegin(column + 1);
}

int TileSnapshot::RowEnd(int row) const {
    return std::min(size_.height, (row + 1) * kTileSide);
}

void TileSnapshot::CopyTile(const COXDIB& image, Tile& tile) const {
    const std::size_t begin = ColumnBegin(tile.column);
    const std::size_t width = ColumnEnd(tile.column) - begin;
    std::uint8_t* out = tile.bytes.get();
    for (int y = tile.row * kTileSide; y < RowEnd(tile.row); ++y, out += width)
        std::memcpy(out, image.Line(y) + begin, width);
}

void TileSnapshot::Save(const COXDIB& image, const IntRect& pictureRect) {
    if (spoilt_) return;
    const IntRect rect = Intersection(pictureRect, {0, 0, size_.width, size_.height});
    if (rect.Empty()) return;
    if (!SameShape(image)) {
        spoilt_ = true;
        return;
    }
    const int lastColumn = (rect.right - 1) / kTileSide;
    const int lastRow = (rect.bottom - 1) / kTileSide;
    for (int row = rect.top / kTileSide; row <= lastRow; ++row) {
        for (int column = rect.left / kTileSide; column <= lastColumn; ++column) {
            const std::size_t at = std::size_t(row) * std::size_t(columns_) + std::size_t(column);
            if (saved_[at]) continue;
            const std::size_t bytes = (ColumnEnd(column) - ColumnBegin(column)) *
                                      std::size_t(RowEnd(row) - row * kTileSide);
            Tile tile{column, row, std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[bytes])};
            if (!tile.bytes) {
                spoilt_ = true;
                return;
            }
            CopyTile(image, tile);
            tiles_.push_back(std::move(tile));
            saved_[at] = true;
        }
    }
}

bool TileSnapshot::SwapWith(COXDIB& image) {
    if (spoilt_ || !SameShape(image)) return false;
    if (image.IsEmpty()) return true;
    auto* block = reinterpret_cast<std::uint8_t*>(image.Header());
    std::swap_ranges(head_.begin(), head_.end(), block);
    for (Tile& tile : tiles_) {
        const std::size_t begin = ColumnBegin(tile.column);
        const std::size_t width = ColumnEnd(tile.column) - begin;
        std::uint8_t* kept = tile.bytes.get();
        for (int y = tile.row * kTileSide; y < RowEnd(tile.row); ++y, kept += width)
            std::swap_ranges(kept, kept + width, image.Line(y) + begin);
    }
    return true;
}

std::size_t TileSnapshot::BytesHeld() const {
    std::size_t bytes = head_.capacity() + saved_.capacity() / 8 + tiles_.capacity() * sizeof(Tile);
    for (const Tile& tile : tiles_)
        bytes += (ColumnEnd(tile.column) - ColumnBegin(tile.column)) *
                 std::size_t(RowEnd(tile.row) - tile.row * kTileSide);
    return bytes;
}

}  // namespace quillor
