#include "platform/program_path.h"

#include <filesystem>

namespace quillor {

std::string RunningProgramPath(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.string();
    return argv0 != nullptr ? std::string(argv0) : std::string();
}

}  // namespace quillor
