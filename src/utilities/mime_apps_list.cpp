#include "utilities/mime_apps_list.h"

#include "core/text_trim.h"
#include "platform/file_io.h"

namespace quillor {

namespace {

constexpr std::string_view kGroup = "[Default Applications]";

bool IsGroupHeader(std::string_view line) {
    line = TrimBlanks(line);
    return !line.empty() && line.front() == '[';
}

}  // namespace

bool MimeAppsList::Load(const std::string& path, std::string* error) {
    path_ = path;
    lines_.clear();
    if (!FileExists(path)) return true;
    FileBuffer bytes;
    if (!ReadWholeFile(path, bytes, error)) return false;
    std::string line;
    for (std::uint8_t byte : bytes) {
        if (byte == '\n') {
            lines_.push_back(std::move(line));
            line.clear();
        } else {
            line.push_back(char(byte));
        }
    }
    if (!line.empty()) lines_.push_back(std::move(line));
    return true;
}

bool MimeAppsList::Save(std::string* error) const {
    AtomicFileWriter out;
    bool ok = out.Open(path_);
    for (const std::string& line : lines_) {
        if (!ok) break;
        ok = out.Write(line.data(), line.size()) && out.Write("\n", 1);
    }
    if (ok) ok = out.Commit();
    if (!ok && error != nullptr) *error = out.Error().empty() ? "cannot write " + path_ : out.Error();
    return ok;
}

int MimeAppsList::GroupStart() const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (TrimBlanks(lines_[i]) == kGroup) return int(i);
    }
    return -1;
}

int MimeAppsList::LineOf(std::string_view mimeType) const {
    const int start = GroupStart();
    if (start < 0) return -1;
    for (std::size_t i = std::size_t(start) + 1; i < lines_.size() && !IsGroupHeader(lines_[i]); ++i) {
        const std::string_view line = TrimBlanks(lines_[i]);
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos && TrimBlanks(line.substr(0, equals)) == mimeType) return int(i);
    }
    return -1;
}

std::string MimeAppsList::DefaultFor(std::string_view mimeType) const {
    const int at = LineOf(mimeType);
    if (at < 0) return {};
    const std::string_view line = lines_[std::size_t(at)];
    return std::string(TrimBlanks(line.substr(line.find('=') + 1)));
}

void MimeAppsList::SetDefault(std::string_view mimeType, std::string_view value) {
    const int at = LineOf(mimeType);
    std::string line(mimeType);
    line += '=';
    line += value;
    if (at >= 0) {
        if (value.empty()) {
            lines_.erase(lines_.begin() + at);
        } else {
            lines_[std::size_t(at)] = std::move(line);
        }
        return;
    }
    if (value.empty()) return;
    int start = GroupStart();
    if (start < 0) {
        if (!lines_.empty() && !TrimBlanks(lines_.back()).empty()) lines_.emplace_back();
        lines_.emplace_back(kGroup);
        start = int(lines_.size()) - 1;
    }
    // At the end of the group, before any blank lines that separate it from the next.
    std::size_t end = std::size_t(start) + 1;
    while (end < lines_.size() && !IsGroupHeader(lines_[end])) ++end;
    while (end > std::size_t(start) + 1 && TrimBlanks(lines_[end - 1]).empty()) --end;
    lines_.insert(lines_.begin() + std::ptrdiff_t(end), std::move(line));
}

}  // namespace quillor
