#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <string>
#include <vector>

#include "core/byte_writer.h"
#include "core/large_allocation.h"

namespace quillor {

// A vector whose growth leaves new bytes uninitialised: a file's bytes are about to be
// read over them, and zeroing tens of megabytes first costs as much as the read.
template <typename T>
struct UninitialisedAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    UninitialisedAllocator() = default;
    template <typename U>
    UninitialisedAllocator(const UninitialisedAllocator<U>&) {}
    T* allocate(std::size_t n) {
        void* p = AllocateZeroed(n * sizeof(T));
        if (p == nullptr) throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t n) { FreeZeroed(p, n * sizeof(T)); }
    template <typename U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};
using FileBuffer = std::vector<std::uint8_t, UninitialisedAllocator<std::uint8_t>>;

// Reads a whole file into memory. False (with `error` set) when it cannot be opened or
// read.
bool ReadWholeFile(const std::string& path, FileBuffer& bytes, std::string* error);

bool FileExists(const std::string& path);

// A file opened for reading pieces of it where they lie, so a reader can put bytes
// straight where they belong instead of into a copy of the whole file.
class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // False (with `error` set) when the path cannot be opened or is not a regular file.
    bool Open(const std::string& path, std::string* error);
    std::uint64_t Size() const { return size_; }
    // Exactly `size` bytes from `offset`; false on an error or when the file ends first.
    bool ReadAt(std::uint64_t offset, void* data, std::size_t size);

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// Writes a file so that a failure can never destroy what was there before: the bytes
// go to a temporary file in the same folder, which replaces the target only when
// everything has been written and flushed. Dropping an uncommitted writer removes the
// temporary file and leaves the target as it was.
class AtomicFileWriter final : public ByteWriter {
public:
    AtomicFileWriter() = default;
    ~AtomicFileWriter() override;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Creates the temporary file beside `path`. False when the folder cannot be written
    // or `path` is a file the user may not write.
    bool Open(const std::string& path);
    bool Write(const void* data, std::size_t size) override;
    // Moves where the next bytes go, as lseek does (writers that patch their headers
    // afterwards need it); -1 on an error.
    std::int64_t Seek(std::int64_t offset, int whence);
    // Flushes, syncs and renames over the target; false (target untouched) on any error.
    bool Commit();
    void Abandon();

    bool IsOpen() const { return fd_ >= 0; }
    bool Failed() const { return failed_; }
    const std::string& TargetPath() const { return target_; }
    const std::string& Error() const { return error_; }

private:
    bool Flush();

    int fd_ = -1;
    bool failed_ = false;
    std::string target_;
    std::string temp_;
    std::string error_;
    std::vector<std::uint8_t> buffer_;
};

}  // namespace quillor
