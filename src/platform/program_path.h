#pragma once

#include <string>

namespace quillor {

// The running program's own file, as the kernel knows it; `argv0` when that cannot be
// read.
std::string RunningProgramPath(const char* argv0 = nullptr);

}  // namespace quillor
