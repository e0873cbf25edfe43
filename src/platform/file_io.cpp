#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace quillor {

namespace {

constexpr std::size_t kBufferBytes = 1 << 20;

std::string ErrnoText() { return std::strerror(errno); }

// A save through a symbolic link replaces the file the link points at, not the link.
std::string ResolveTarget(const std::string& path) {
    std::error_code ec;
    std::filesystem::path p(path);
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(p, ec); ++hops) {
        auto next = std::filesystem::read_symlink(p, ec);
        if (ec) break;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return p.string();
}

}  // namespace

bool ReadWholeFile(const std::string& path, FileBuffer& bytes, std::string* error) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (error) *error = ErrnoText();
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (error) *error = S_ISDIR(st.st_mode) ? "is a folder" : "not a regular file";
        ::close(fd);
        return false;
    }
    try {
        bytes.resize(std::size_t(st.st_size));
    } catch (const std::bad_alloc&) {
        if (error) *error = "not enough memory";
        ::close(fd);
        return false;
    }
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            if (error) *error = ErrnoText();
            ::close(fd);
            bytes.clear();
            return false;
        }
        if (n == 0) break;  // the file shrank while we read it
        got += std::size_t(n);
    }
    bytes.resize(got);
    ::close(fd);
    return true;
}

InputFile::~InputFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool InputFile::Open(const std::string& path, std::string* error) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        if (error) *error = ErrnoText();
        return false;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (error) *error = S_ISDIR(st.st_mode) ? "is a folder" : "not a regular file";
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    size_ = std::uint64_t(st.st_size);
    return true;
}

bool InputFile::ReadAt(std::uint64_t offset, void* data, std::size_t size) {
    auto* p = static_cast<std::uint8_t*>(data);
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd_, p + got, size - got, off_t(offset + got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += std::size_t(n);
    }
    return true;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

bool AtomicFileWriter::Open(const std::string& path) {
    Abandon();
    failed_ = false;
    error_.clear();
    target_ = ResolveTarget(path);
    const std::filesystem::path target(target_);
    if (std::filesystem::is_directory(target)) {
        error_ = "is a folder";
        return false;
    }
    // Replacing by rename needs only the folder's permission, so the file's own is asked
    // here: a file the user may not write stays as it is.
    if (::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0 &&
        (errno == EACCES || errno == EPERM)) {
        error_ = ErrnoText();
        return false;
    }
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
    // The temporary name is short whatever the target's, so any name the folder can
    // hold can be saved.
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_ = folder + "/.quillor-" + std::to_string(::getpid()) + "-" +
                std::to_string(++counter) + ".tmp";
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) break;
        if (errno != EEXIST) {
            error_ = ErrnoText();
            temp_.clear();
            return false;
        }
    }
    if (fd_ < 0) {
        error_ = "no temporary name free";
        temp_.clear();
        return false;
    }
    // Keep the permissions of the file being replaced.
    struct stat st {};
    if (::stat(target_.c_str(), &st) == 0) (void)::fchmod(fd_, st.st_mode & 07777);
    buffer_.clear();
    buffer_.reserve(kBufferBytes);
    return true;
}

bool AtomicFileWriter::Flush() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error_ = ErrnoText();
            failed_ = true;
            return false;
        }
        done += std::size_t(n);
    }
    buffer_.clear();
    return true;
}

bool AtomicFileWriter::Write(const void* data, std::size_t size) {
    if (fd_ < 0 || failed_) return false;
    const auto* p = static_cast<const std::uint8_t*>(data);
    if (buffer_.size() + size > kBufferBytes) {
        if (!Flush()) return false;
        if (size >= kBufferBytes) {
            std::size_t done = 0;
            while (done < size) {
                const ssize_t n = ::write(fd_, p + done, size - done);
                if (n < 0 && errno == EINTR) continue;
                if (n <= 0) {
                    error_ = ErrnoText();
                    failed_ = true;
                    return false;
                }
                done += std::size_t(n);
            }
            return true;
        }
    }
    buffer_.insert(buffer_.end(), p, p + size);
    return true;
}

std::int64_t AtomicFileWriter::Seek(std::int64_t offset, int whence) {
    if (fd_ < 0 || failed_ || !Flush()) return -1;
    const off_t at = ::lseek(fd_, off_t(offset), whence);
    if (at < 0) {
        error_ = ErrnoText();
        return -1;
    }
    return at;
}

bool AtomicFileWriter::Commit() {
    if (fd_ < 0 || failed_) {
        Abandon();
        return false;
    }
    if (!Flush() || ::fsync(fd_) != 0) {
        if (error_.empty()) error_ = ErrnoText();
        Abandon();
        return false;
    }
    if (::close(fd_) != 0) {
        fd_ = -1;
        error_ = ErrnoText();
        Abandon();
        return false;
    }
    fd_ = -1;
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
        error_ = ErrnoText();
        Abandon();
        return false;
    }
    temp_.clear();
    return true;
}

void AtomicFileWriter::Abandon() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
    buffer_.clear();
}

}  // namespace quillor
