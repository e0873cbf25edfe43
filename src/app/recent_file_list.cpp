#include "app/recent_file_list.h"

#include <algorithm>

namespace quillor {

namespace {
constexpr char kSection[] = "Recent File List";
std::string Key(std::size_t i) { return "File" + std::to_string(i + 1); }
}  // namespace

void RecentFileList::Load(const SettingsStore& settings) {
    paths_.clear();
    for (std::size_t i = 0; i < kSize; ++i) {
        const std::string path = settings.GetString(kSection, Key(i));
        if (!path.empty() && std::find(paths_.begin(), paths_.end(), path) == paths_.end())
            paths_.push_back(path);
    }
}

void RecentFileList::Store(SettingsStore& settings) const {
    SettingsStore::Batch batch(settings);
    for (std::size_t i = 0; i < kSize; ++i) {
        if (i < paths_.size()) settings.SetString(kSection, Key(i), paths_[i]);
        else settings.Remove(kSection, Key(i));
    }
}

void RecentFileList::Add(const std::string& path) {
    if (path.empty()) return;
    Remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kSize) paths_.resize(kSize);
}

void RecentFileList::Remove(const std::string& path) {
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
}

}  // namespace quillor
