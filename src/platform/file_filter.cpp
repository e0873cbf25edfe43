#include "platform/file_filter.h"

namespace quillor {

std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(current);

    std::vector<FileFilterEntry> entries;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        FileFilterEntry entry{parts[i], {}};
        std::string pattern;
        for (char c : parts[i + 1] + ";") {
            if (c == ';') {
                if (!pattern.empty()) entry.patterns.push_back(pattern);
                pattern.clear();
            } else if (c != ' ') {
                pattern += c;
            }
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string FilterExtension(const FileFilterEntry& entry) {
    if (entry.patterns.empty()) return {};
    const std::string& p = entry.patterns.front();
    if (p.size() < 3 || p.rfind("*.", 0) != 0 || p == "*.*") return {};
    return p.substr(1);
}

}  // namespace quillor
