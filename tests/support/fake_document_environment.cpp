#include "support/fake_document_environment.h"

#include <algorithm>

namespace quillor::testing {

void FakeDocumentEnvironment::AddRecentFile(const std::string& path) {
    recentFiles.erase(std::remove(recentFiles.begin(), recentFiles.end(), path), recentFiles.end());
    recentFiles.insert(recentFiles.begin(), path);
    if (recentFiles.size() > 16) recentFiles.resize(16);
}

}  // namespace quillor::testing
