#pragma once

#include <cstdlib>
#include <filesystem>

namespace quillor::testing {

// The real-world image corpus: $QUILLOR_CORPUS_DIR when set, else ../shared/corpus beside
// the source tree. Tests that need it skip, saying so, when it is absent.
inline std::filesystem::path CorpusDir() {
    if (const char* dir = std::getenv("QUILLOR_CORPUS_DIR"); dir && *dir) return dir;
    return QUILLOR_CORPUS_DIR;
}

}  // namespace quillor::testing
