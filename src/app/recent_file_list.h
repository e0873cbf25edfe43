#pragma once

#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace quillor {

// The files last opened or saved, most recent first, kept in section "Recent File List"
// as "File1" to "File16".
class RecentFileList {
public:
    static constexpr std::size_t kSize = 16;

    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;

    // Puts `path` at the top; a path already listed moves up instead of appearing twice.
    void Add(const std::string& path);
    void Remove(const std::string& path);
    const std::vector<std::string>& Paths() const { return paths_; }

private:
    std::vector<std::string> paths_;
};

}  // namespace quillor
