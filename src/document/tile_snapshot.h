#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/coxdib.h"
#include "core/geometry.h"

namespace quillor {

// What a picture held before a change, kept only where the change wrote: the picture is
// cut into square tiles, and a tile is copied the first time a write reaches it. The
// header and colour table are kept whole (a few hundred bytes). Swapping the kept parts
// with the picture turns it back into what it was, and leaves in the snapshot what the
// picture had become, so the same swap serves undo and redo.
class TileSnapshot {
public:
    static constexpr int kTileSide = 64;

    // Starts over on `image`: its header and colour table are kept, no pixel yet.
    void Begin(const COXDIB& image);
    // Forgets everything, memory included.
    void Clear();
    // Copies the tiles `pictureRect` (picture coordinates, line 0 at the top) touches that
    // were not copied yet. A picture that is no longer of the shape Begin saw, or memory
    // that runs out, spoils the snapshot: it can then never restore the picture.
    void Save(const COXDIB& image, const IntRect& pictureRect);
    // Exchanges the kept tiles, header and table with the picture's. False, with nothing
    // changed, when the snapshot is spoilt or the picture's shape is not the one it was
    // taken of.
    bool SwapWith(COXDIB& image);

    bool Spoilt() const { return spoilt_; }
    std::size_t TileCount() const { return tiles_.size(); }
    std::size_t BytesHeld() const;

private:
    struct Tile {
        int column = 0;
        int row = 0;
        std::unique_ptr<std::uint8_t[]> bytes;
    };
    bool SameShape(const COXDIB& image) const;
    // Bytes [begin, end) of a stored row that tile column `column` covers.
    std::size_t ColumnBegin(int column) const;
    std::size_t ColumnEnd(int column) const;
    // One past the last picture line tile row `row` covers.
    int RowEnd(int row) const;
    void CopyTile(const COXDIB& image, Tile& tile) const;

    DibSize size_;
    unsigned bitCount_ = 0;
    std::size_t stride_ = 0;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<std::uint8_t> head_;
    std::vector<bool> saved_;
    std::vector<Tile> tiles_;
    bool spoilt_ = false;
};

}  // namespace quillor
