#include "core/large_allocation.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

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
#ifdef QUILLOR_ADDRESS_SANITIZER
// Under AddressSanitizer every block comes from the checked heap, so a reader that
// overruns a picture is caught at the first byte past it.
constexpr std::size_t kLargeThreshold = ~std::size_t(0);
#else
constexpr std::size_t kLargeThreshold = kHugePage;
#endif

std::size_t RoundUp(std::size_t bytes) { return (bytes + kHugePage - 1) & ~(kHugePage - 1); }

}  // namespace

void* AllocateZeroed(std::size_t bytes) {
    if (bytes < kLargeThreshold) return std::calloc(bytes == 0 ? 1 : bytes, 1);
    const std::size_t size = RoundUp(bytes);
    if (size < bytes) return nullptr;  // wrapped
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

void FreeZeroed(void* block, std::size_t bytes) {
    if (block == nullptr) return;
    if (bytes < kLargeThreshold) {
        std::free(block);
        return;
    }
    ::munmap(block, RoundUp(bytes));
}

}  // namespace quillor
