#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

#include "core/large_allocation.h"

namespace quillor {
namespace {

bool AllBytesAre(const void* block, std::size_t bytes, std::uint8_t value) {
    const auto* p = static_cast<const std::uint8_t*>(block);
    return std::all_of(p, p + bytes, [value](std::uint8_t b) { return b == value; });
}

struct Block {
    void* p;
    std::size_t bytes;
};

// Sizes on both sides of each way the memory is had: the C heap, the slot pool (one
// slot size, several, and sizes just short of a page multiple) and whole mappings.
TEST(LargeAllocation, BlocksOfEverySizeAreZeroAndDoNotOverlap) {
    const std::size_t sizes[] = {1,         4096,        262143,      262144,     922664,
                                 922664,    925696 - 1,  1 << 20,     (2 << 20) - 1,
                                 2 << 20,   (5 << 20) + 3};
    std::vector<Block> blocks;
    for (int round = 0; round < 90; ++round) {  // enough 0.9 MB blocks to need several chunks
        for (std::size_t bytes : sizes) {
            if (round > 0 && bytes != 922664) continue;
            void* p = AllocateZeroed(bytes);
            ASSERT_NE(p, nullptr);
            ASSERT_TRUE(AllBytesAre(p, bytes, 0)) << bytes;
            std::memset(p, int(blocks.size() % 250) + 1, bytes);
            blocks.push_back({p, bytes});
        }
    }
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_TRUE(AllBytesAre(blocks[i].p, blocks[i].bytes, std::uint8_t(i % 250 + 1))) << i;
    }
    for (const Block& b : blocks) FreeZeroed(b.p, b.bytes);
}

// A slot freed and handed out again must read as zeros: pictures are decoded into fresh
// blocks without clearing them, and a blank image relies on it.
TEST(LargeAllocation, ReusedMemoryIsZeroAgainAndNeighboursKeepTheirBytes) {
    constexpr std::size_t kBytes = 700000;
    std::vector<void*> blocks;
    for (int i = 0; i < 20; ++i) {
        blocks.push_back(AllocateZeroed(kBytes));
        ASSERT_NE(blocks.back(), nullptr);
        std::memset(blocks.back(), 0xA5, kBytes);
    }
    for (int i = 0; i < 20; i += 2) FreeZeroed(blocks[std::size_t(i)], kBytes);
    for (int i = 0; i < 20; i += 2) {
        blocks[std::size_t(i)] = AllocateZeroed(kBytes);
        ASSERT_NE(blocks[std::size_t(i)], nullptr);
        EXPECT_TRUE(AllBytesAre(blocks[std::size_t(i)], kBytes, 0)) << i;
    }
    for (int i = 1; i < 20; i += 2) {
        EXPECT_TRUE(AllBytesAre(blocks[std::size_t(i)], kBytes, 0xA5)) << i;
    }
    for (void* p : blocks) FreeZeroed(p, kBytes);
    // Everything freed: the pool starts over with fresh, zeroed memory.
    void* again = AllocateZeroed(kBytes);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(AllBytesAre(again, kBytes, 0));
    FreeZeroed(again, kBytes);
}

TEST(LargeAllocation, ThreadsAllocatingAndFreeingAtOnceKeepTheirOwnBlocks) {
    auto work = [](std::uint8_t mark, bool* ok) {
        for (int i = 0; i < 200; ++i) {
            const std::size_t bytes = 300000 + std::size_t(i % 3) * 4096;
            void* p = AllocateZeroed(bytes);
            if (p == nullptr || !AllBytesAre(p, bytes, 0)) *ok = false;
            if (p == nullptr) return;
            std::memset(p, mark, bytes);
            if (!AllBytesAre(p, bytes, mark)) *ok = false;
            FreeZeroed(p, bytes);
        }
    };
    bool ok1 = true, ok2 = true;
    std::thread a(work, std::uint8_t(1), &ok1), b(work, std::uint8_t(2), &ok2);
    a.join();
    b.join();
    EXPECT_TRUE(ok1);
    EXPECT_TRUE(ok2);
}

}  // namespace
}  // namespace quillor
