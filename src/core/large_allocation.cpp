#include "core/large_allocation.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace quillor {

namespace {

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLOR_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QUILLOR_ADDRESS_SANITIZER 1
#endif

constexpr std::size_t kHugePage = std::size_t(2) << 20;
constexpr std::size_t kPage = 4096;
#ifdef QUILLOR_ADDRESS_SANITIZER
// Under AddressSanitizer every block comes from the checked heap, so a reader that
// overruns a picture is caught at the first byte past it.
constexpr std::size_t kPooledThreshold = ~std::size_t(0);
constexpr std::size_t kLargeThreshold = ~std::size_t(0);
#else
constexpr std::size_t kPooledThreshold = std::size_t(256) << 10;
constexpr std::size_t kLargeThreshold = kHugePage;
#endif
// Address space one pool chunk reserves. Only the huge pages that blocks touch are ever
// backed, so a chunk that holds a single block costs one or two huge pages.
constexpr std::size_t kChunkBytes = std::size_t(64) << 20;

std::size_t RoundUp(std::size_t bytes, std::size_t unit) { return (bytes + unit - 1) & ~(unit - 1); }

// Maps `size` bytes (a multiple of the huge page) on a huge-page boundary and asks for
// huge pages; null when the kernel refuses.
void* MapAligned(std::size_t size) {
    // Map one huge page more than needed, then give back the unaligned ends.
    void* raw = ::mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~std::uintptr_t(kHugePage - 1);
    if (aligned > start) ::munmap(raw, aligned - start);
    const std::uintptr_t end = start + size + kHugePage;
    if (end > aligned + size) ::munmap(reinterpret_cast<void*>(aligned + size), end - (aligned + size));
    ::madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);  // a hint; fine if refused
    return reinterpret_cast<void*>(aligned);
}

// Blocks of a quarter to two megabytes (a 640 x 480 frame is 0.9 MB) from chunks of
// equal slots. Left to the C library, each such block is its own mapping that faults in
// 4 KiB at a time: a 600-frame movie then spends more time in page faults than in
// decoding. Slots share huge pages instead. A freed slot is handed back to the kernel at
// once (so memory falls as frames are deleted) and reads as zeros when it is reused.
class SlotPool {
public:
    void* Allocate(std::size_t bytes) {
        const std::size_t slotBytes = RoundUp(bytes, kPage);
        std::lock_guard lock(mutex_);
        for (Chunk* chunk : bySlot_[slotBytes]) {
            if (void* p = chunk->Take()) return p;
        }
        auto chunk = std::make_unique<Chunk>();
        chunk->slotBytes = slotBytes;
        chunk->slots = kChunkBytes / slotBytes;
        chunk->base = static_cast<std::uint8_t*>(MapAligned(kChunkBytes));
        if (chunk->base == nullptr) return nullptr;
        void* p = chunk->Take();
        bySlot_[slotBytes].push_back(chunk.get());
        const auto base = reinterpret_cast<std::uintptr_t>(chunk->base);
        byBase_.emplace(base, std::move(chunk));
        return p;
    }

    // False when `block` did not come from the pool.
    bool Free(void* block) {
        const auto address = reinterpret_cast<std::uintptr_t>(block);
        std::lock_guard lock(mutex_);
        auto it = byBase_.upper_bound(address);
        if (it == byBase_.begin()) return false;
        --it;
        Chunk& chunk = *it->second;
        if (address >= it->first + kChunkBytes) return false;
        if (--chunk.live == 0) {
            ::munmap(chunk.base, kChunkBytes);
            auto& siblings = bySlot_[chunk.slotBytes];
            std::erase(siblings, &chunk);
            if (siblings.empty()) bySlot_.erase(chunk.slotBytes);
            byBase_.erase(it);
            return true;
        }
        ::madvise(block, chunk.slotBytes, MADV_DONTNEED);
        chunk.freeSlots.push_back(std::uint32_t((address - it->first) / chunk.slotBytes));
        return true;
    }

private:
    struct Chunk {
        std::uint8_t* base = nullptr;
        std::size_t slotBytes = 0;
        std::size_t slots = 0;
        std::size_t untouched = 0;  // slots from here on were never handed out
        std::size_t live = 0;
        std::vector<std::uint32_t> freeSlots;

        void* Take() {
            std::size_t slot;
            if (!freeSlots.empty()) {
                slot = freeSlots.back();
                freeSlots.pop_back();
            } else if (untouched < slots) {
                slot = untouched++;
            } else {
                return nullptr;
            }
            ++live;
            return base + slot * slotBytes;
        }
    };

    std::mutex mutex_;
    std::map<std::size_t, std::vector<Chunk*>> bySlot_;
    std::map<std::uintptr_t, std::unique_ptr<Chunk>> byBase_;
};

SlotPool& Pool() {
    // Never destroyed: blocks may be freed by static destructors after main returns.
    static SlotPool* pool = new SlotPool;
    return *pool;
}

}  // namespace

void* AllocateZeroed(std::size_t bytes) {
    if (bytes < kPooledThreshold) return std::calloc(bytes == 0 ? 1 : bytes, 1);
    if (bytes < kLargeThreshold) {
        if (void* p = Pool().Allocate(bytes)) return p;
        return std::calloc(bytes, 1);
    }
    const std::size_t size = RoundUp(bytes, kHugePage);
    if (size < bytes) return nullptr;  // wrapped
    return MapAligned(size);
}

void FreeZeroed(void* block, std::size_t bytes) {
    if (block == nullptr) return;
    if (bytes < kPooledThreshold) {
        std::free(block);
        return;
    }
    if (bytes < kLargeThreshold) {
        if (!Pool().Free(block)) std::free(block);
        return;
    }
    ::munmap(block, RoundUp(bytes, kHugePage));
}

}  // namespace quillor
