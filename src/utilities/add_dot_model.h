#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/interaction.h"

namespace quillor {

// "Add Dot": where in the names a dot goes, counted in characters from the start, with
// the longest of the chosen names shown to count on.
class AddDotModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Add Dot";
    static constexpr std::string_view kOffsetLabel = "Dot Offset:";
    static constexpr std::string_view kSampleLabel = "Sample:";

    explicit AddDotModel(std::string sample);
    std::string_view Title() const override { return kTitle; }

    const std::string& Sample() const { return sample_; }
    // The sample with the dot where the offset puts it.
    std::string SampleWithDot() const;
    // From 0 (the dot goes first) to the sample's length (the dot goes last).
    int MaximumOffset() const { return maximum_; }
    int Offset() const { return offset_; }
    void SetOffset(int offset);

private:
    std::string sample_;
    int maximum_ = 0;
    int offset_ = 0;
};

// The number of characters of a UTF-8 name (a byte that does not start a character does
// not count).
int NameLength(std::string_view name);
// `name` with a "." after its first `offset` characters; nothing when it is shorter.
std::optional<std::string> WithDotAt(std::string_view name, int offset);

}  // namespace quillor
