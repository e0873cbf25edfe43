#include "utilities/add_dot_model.h"

#include <algorithm>
#include <climits>

namespace quillor {

namespace {

bool Continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

int NameLength(std::string_view name) {
    std::size_t count = 0;
    for (const char c : name)
        if (!Continues(c)) ++count;
    return int(std::min<std::size_t>(count, INT_MAX));
}

std::optional<std::string> WithDotAt(std::string_view name, int offset) {
    if (offset < 0 || offset > NameLength(name)) return std::nullopt;
    // Where the character after the first `offset` ones starts: a dot never splits one.
    std::size_t at = 0;
    for (int seen = 0; at < name.size(); ++at) {
        if (!Continues(name[at]) && seen++ == offset) break;
    }
    return std::string(name.substr(0, at)) + "." + std::string(name.substr(at));
}

AddDotModel::AddDotModel(std::string sample) : sample_(std::move(sample)), maximum_(NameLength(sample_)) {}

std::string AddDotModel::SampleWithDot() const { return WithDotAt(sample_, offset_).value_or(sample_); }

void AddDotModel::SetOffset(int offset) { offset_ = std::clamp(offset, 0, maximum_); }

}  // namespace quillor
