#pragma once

// Stands in for two system calls in the test program that includes this header, so a
// test can play a user who may not write a file, or a disk whose flush fails, even when
// the tests run as root. Every call passes through to the system until a test says
// otherwise. Include it in exactly one source file of a test program: it defines the
// functions the program's own calls then reach instead of the C library's.

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

namespace quillor::testing {

struct SystemCallFaults {
    // faccessat for writing this path, while it exists, answers EACCES, as it does to a
    // user without rights to the file.
    static inline std::string writeDeniedPath;
    // fsync fails with this errno instead of flushing (0: it flushes).
    static inline int fsyncError = 0;
    // The sizes of the regular files fsync was asked to flush, in order.
    static inline std::vector<std::int64_t> syncedFileSizes;

    static void Reset() {
        writeDeniedPath.clear();
        fsyncError = 0;
        syncedFileSizes.clear();
    }
};

}  // namespace quillor::testing

extern "C" int faccessat(int dirfd, const char* path, int mode, int flags) {
    using Faults = quillor::testing::SystemCallFaults;
    using Real = int (*)(int, const char*, int, int);
    static const Real real = reinterpret_cast<Real>(::dlsym(RTLD_NEXT, "faccessat"));
    if ((mode & W_OK) != 0 && !Faults::writeDeniedPath.empty() && path == Faults::writeDeniedPath &&
        real(dirfd, path, F_OK, flags) == 0) {
        errno = EACCES;
        return -1;
    }
    return real(dirfd, path, mode, flags);
}

extern "C" int fsync(int fd) {
    using Faults = quillor::testing::SystemCallFaults;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) Faults::syncedFileSizes.push_back(st.st_size);
    if (Faults::fsyncError != 0) {
        errno = Faults::fsyncError;
        return -1;
    }
    return int(::syscall(SYS_fsync, fd));
}
