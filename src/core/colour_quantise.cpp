// Octree quantisation over a fixed six-level tree: every node sits at a known place
// (level k has 8^k nodes, the children of node i being 8i..8i+7 one level down), so the
// tree needs no pointers and a pixel finds its leaf from five bits of each channel.
// Pixels are counted into the 32768 leaves first; the nodes with the fewest pixels
// below them are then folded into their parents until no more than the wanted number
// of nodes hold pixels.

#include "core/colour_quantise.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <vector>

#include "core/work_progress.h"

namespace quillor {

namespace {

constexpr int kLevels = 6;
constexpr int kLeafLevel = kLevels - 1;
// Where each level starts in the flat node array: (8^k - 1) / 7.
constexpr std::array<std::uint32_t, kLevels + 1> kLevelStart = {0, 1, 9, 73, 585, 4681, 37449};
constexpr std::uint32_t kLeaves = 32768;

struct OctreeNode {
    // Sums are 64-bit: a 65535 x 65535 picture overflows 32 bits of red.
    std::uint64_t red = 0, green = 0, blue = 0;
    std::uint32_t count = 0;    // pixels folded into this node itself
    std::uint32_t subtree = 0;  // pixels anywhere below and in it, fixed once counted
    std::uint8_t childMask = 0;
    std::uint8_t level = 0;
};

// Bit b of a channel (b from 7 down to 3) lands in the three-bit group of depth 7 - b;
// red is the group's top bit, blue its bottom one.
struct LeafTables {
    std::array<std::uint16_t, 256> red{}, green{}, blue{};
    LeafTables() {
        for (unsigned v = 0; v < 256; ++v) {
            std::uint16_t spread = 0;
            for (unsigned b = 7; b >= 3; --b)
                if (v & (1u << b)) spread = std::uint16_t(spread | (1u << (3 * (b - 3))));
            red[v] = std::uint16_t(spread << 2);
            green[v] = std::uint16_t(spread << 1);
            blue[v] = spread;
        }
    }
};
const LeafTables& Leaf() {
    static const LeafTables tables;
    return tables;
}

template <int R, int B>
void CountLeaves(const ConstRows& pixels, OctreeNode* leaves) {
    const LeafTables& t = Leaf();
    for (int y = 0; y < pixels.height; ++y) {
        const std::uint8_t* p = pixels.Line(y);
        for (int x = 0; x < pixels.width; ++x, p += 3) {
            OctreeNode& n = leaves[t.red[p[R]] | t.green[p[1]] | t.blue[p[B]]];
            ++n.count;
            n.red += p[R];
            n.green += p[1];
            n.blue += p[B];
        }
        ReportRows(y + 1, pixels.height);
    }
}

class Octree {
public:
    explicit Octree(std::vector<OctreeNode>& nodes) : nodes_(nodes) {
        for (int k = 0; k < kLevels; ++k)
            for (std::uint32_t i = kLevelStart[k]; i < kLevelStart[k + 1]; ++i) nodes_[i].level = std::uint8_t(k);
    }

    OctreeNode* Leaves() { return &nodes_[kLevelStart[kLeafLevel]]; }

    // Leaves with pixels, in ascending leaf order, become the heap; their counts are
    // carried up to every ancestor.
    void BuildHeap() {
        heap_.clear();
        for (std::uint32_t leaf = 0; leaf < kLeaves; ++leaf) {
            const std::uint32_t id = kLevelStart[kLeafLevel] + leaf;
            OctreeNode& n = nodes_[id];
            if (n.count == 0) continue;
            heap_.push_back(id);
            n.subtree = n.count;
            std::uint32_t local = leaf;
            for (int k = kLeafLevel - 1; k >= 0; --k) {
                OctreeNode& parent = nodes_[kLevelStart[k] + local / 8];
                parent.subtree += n.count;
                parent.childMask = std::uint8_t(parent.childMask | (1u << (local % 8)));
                local /= 8;
            }
        }
        for (std::size_t i = heap_.size() / 2; i-- > 0;) SiftDown(i);
    }

    // Folds the node with the fewest pixels below it into its parent until at most
    // `colours` nodes hold pixels.
    void Reduce(std::size_t colours) {
        while (heap_.size() > colours) {
            const std::uint32_t id = heap_[0];
            OctreeNode& n = nodes_[id];
            if (n.level == 0) break;  // the root alone is one colour; cannot happen with colours >= 1
            const std::uint32_t local = id - kLevelStart[n.level];
            const std::uint32_t parentId = kLevelStart[n.level - 1] + local / 8;
            OctreeNode& parent = nodes_[parentId];
            if (parent.count != 0) {
                heap_[0] = heap_.back();
                heap_.pop_back();
            } else {
                heap_[0] = parentId;
            }
            parent.count += n.count;
            parent.red += n.red;
            parent.green += n.green;
            parent.blue += n.blue;
            parent.childMask = std::uint8_t(parent.childMask & ~(1u << (local % 8)));
            if (!heap_.empty()) SiftDown(0);
        }
    }

    std::size_t Colours() const { return heap_.size(); }

    // Depth first, children 7 down to 0 before the node itself.
    void Assign(std::uint32_t id, TableWord* palette, int& next) const {
        const OctreeNode& n = nodes_[id];
        if (n.level < kLeafLevel) {
            const std::uint32_t firstChild = kLevelStart[n.level + 1] + (id - kLevelStart[n.level]) * 8;
            for (int c = 7; c >= 0; --c)
                if (n.childMask & (1u << c)) Assign(firstChild + std::uint32_t(c), palette, next);
        }
        if (n.count == 0) return;
        const std::uint64_t half = n.count / 2;
        const auto channel = [&](std::uint64_t sum) { return std::uint8_t((sum + half) / n.count); };
        TableWord& entry = palette[next++];
        entry = (entry & 0xFF000000u) | MakeTableWord(channel(n.red), channel(n.green), channel(n.blue));
    }

private:
    void SiftDown(std::size_t i) {
        const std::size_t size = heap_.size();
        const std::uint32_t moving = heap_[i];
        const std::uint32_t key = nodes_[moving].subtree;
        for (;;) {
            std::size_t child = 2 * i + 1;
            if (child >= size) break;
            if (child + 1 < size && nodes_[heap_[child + 1]].subtree < nodes_[heap_[child]].subtree) ++child;
            if (!(nodes_[heap_[child]].subtree < key)) break;
            heap_[i] = heap_[child];
            i = child;
        }
        heap_[i] = moving;
    }

    std::vector<OctreeNode>& nodes_;
    std::vector<std::uint32_t> heap_;
};

}  // namespace

bool QuantiseColours(ConstRows pixels, int colours, TableWord* palette, int* found) {
    if (!pixels.top || !palette || pixels.width < 1 || pixels.height < 1) return false;
    colours = std::clamp(colours, 1, 256);
    try {
        std::vector<OctreeNode> nodes(kLevelStart[kLevels]);
        Octree tree(nodes);
        if (pixels.order == ChannelOrder::Rgb)
            CountLeaves<0, 2>(pixels, tree.Leaves());
        else
            CountLeaves<2, 0>(pixels, tree.Leaves());
        tree.BuildHeap();
        tree.Reduce(std::size_t(colours));
        int next = 0;
        tree.Assign(0, palette, next);
        for (int i = next; i < colours; ++i) palette[i] &= 0xFF000000u;
        if (found) *found = next;
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool QuantiseColours(const std::uint8_t* rgb, int width, int height, int colours, TableWord* palette) {
    return QuantiseColours(PackedRows(rgb, width, height, 3), colours, palette);
}

}  // namespace quillor
