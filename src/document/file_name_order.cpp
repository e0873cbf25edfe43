#include "document/file_name_order.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "formats/image_file_type.h"

namespace quillor {

namespace {

constexpr std::array<std::string_view, 11> kComposableExtensions = {
    ".bmp", ".jpg", ".jpeg", ".tla", ".tga", ".tiff", ".tif", ".png", ".pax", ".pcx", ".psd"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The leading decimal digits of a piece, without leading zeros ("" for none or zero), so
// that numbers of any length compare exactly: first by length, then digit by digit.
std::string_view LeadingNumber(std::string_view piece) {
    std::size_t end = 0;
    while (end < piece.size() && IsDigit(piece[end])) ++end;
    std::size_t start = 0;
    while (start < end && piece[start] == '0') ++start;
    return piece.substr(start, end - start);
}

// -1, 0 or 1 as the number of `a` is smaller than, equal to or larger than that of `b`.
int CompareNumbers(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// Names are compared piece by piece; std::string_view compares bytes as unsigned.
int CompareNames(std::string_view a, std::string_view b) {
    while (true) {
        const std::size_t cutA = a.find_first_of("._-");
        const std::size_t cutB = b.find_first_of("._-");
        const std::string_view pieceA = a.substr(0, cutA);
        const std::string_view pieceB = b.substr(0, cutB);
        const int numbers = CompareNumbers(LeadingNumber(pieceA), LeadingNumber(pieceB));
        if (numbers != 0) return numbers;
        const int text = pieceA.compare(pieceB);
        if (text != 0) return text < 0 ? -1 : 1;
        if (pieceA.empty()) return 0;
        a = cutA == std::string_view::npos ? std::string_view() : a.substr(cutA + 1);
        b = cutB == std::string_view::npos ? std::string_view() : b.substr(cutB + 1);
    }
}

// Bare names of the entries of `folder` that are not folders (following links, as
// opening them would), in byte order.
std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec);
    if (ec) return names;
    for (const auto end = std::filesystem::directory_iterator(); it != end; it.increment(ec)) {
        if (ec) break;
        std::error_code typeError;
        if (it->is_directory(typeError)) continue;
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

bool FileNameSortsAfter(std::string_view a, std::string_view b) { return CompareNames(a, b) > 0; }

void SortFileNames(std::vector<std::string>& names) {
    // The comparison is a consistent ordering, so a stable sort gives the very order
    // repeated swaps of neighbours would, in n log n rather than n squared.
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return CompareNames(a, b) < 0; });
}

std::vector<std::string> ListComposableImages(const std::string& folder) {
    const std::vector<std::string> all = FileNamesIn(folder);
    std::vector<std::string> lower;
    lower.reserve(all.size());
    for (const std::string& name : all) lower.push_back(LowerAscii(name));
    // Collected extension by extension, so that names the order ties keep the order of
    // the extension list.
    std::vector<std::string> names;
    for (const std::string_view ext : kComposableExtensions)
        for (std::size_t i = 0; i < all.size(); ++i)
            if (lower[i].ends_with(ext)) names.push_back(all[i]);
    SortFileNames(names);
    return names;
}

std::vector<std::string> ListFolderFiles(const std::string& folder) { return FileNamesIn(folder); }

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string FolderOrWorking(const std::string& folder) {
    if (!folder.empty()) return folder;
    std::error_code ec;
    const std::filesystem::path working = std::filesystem::current_path(ec);
    return ec ? std::string() : working.string();
}

bool IsFolder(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

}  // namespace quillor
