#pragma once

#include <cstddef>

namespace quillor {

// Zero-filled memory for pictures and file buffers. Blocks of a few megabytes and more
// come straight from the kernel on 2 MiB boundaries and ask for huge pages: touching a
// fresh picture then costs one page fault per 2 MiB instead of one per 4 KiB, which on
// virtual machines is most of the time a large load or save takes. Blocks of a quarter
// megabyte and more share huge pages in a pool of equal slots. Null when the memory
// cannot be had. Free with the same size; safe from any thread.
void* AllocateZeroed(std::size_t bytes);
void FreeZeroed(void* block, std::size_t bytes);

}  // namespace quillor
