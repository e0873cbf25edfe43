#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillor {

// The user's "mimeapps.list": which desktop entry opens each MIME type. Only the
// "[Default Applications]" lines this program changes are touched; every other line,
// group and comment is written back as it was read.
class MimeAppsList {
public:
    // False (with `error` set) when the file exists but cannot be read; a missing file
    // is an empty list.
    bool Load(const std::string& path, std::string* error);
    // Writes through a temporary file; false (old file kept) on any error.
    bool Save(std::string* error) const;

    // The whole value (one or more desktop ids separated by ";"), empty when none.
    std::string DefaultFor(std::string_view mimeType) const;
    // An empty value removes the line: the type then falls back to the system's default.
    void SetDefault(std::string_view mimeType, std::string_view value);

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    // Index of the "[Default Applications]" header, or -1.
    int GroupStart() const;
    // Index of the line holding `mimeType` in that group, or -1.
    int LineOf(std::string_view mimeType) const;

    std::string path_;
    std::vector<std::string> lines_;
};

}  // namespace quillor
