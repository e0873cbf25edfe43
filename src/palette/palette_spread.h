#pragma once

#include <string>
#include <string_view>

#include "platform/interaction.h"

namespace quillor {

class CAnimDoc;

// "Spread Palettes Across Frames": the frame numbers (from 1) between which the colour
// tables are blended.
class SpreadPalettesModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Spread Palettes Across Frames";
    static constexpr std::string_view kFromLabel = "Spread palettes from frame#";
    static constexpr std::string_view kToLabel = "to frame#";
    static constexpr std::size_t kMaxChars = 6;

    // From "1" to the document's frame count.
    explicit SpreadPalettesModel(int frameCount);
    std::string_view Title() const override { return kTitle; }

    const std::string& FromText() const { return from_; }
    const std::string& ToText() const { return to_; }
    void SetFromText(std::string_view text);
    void SetToText(std::string_view text);
    // The range OK spreads, pulled into the frames there are.
    int From() const;
    int To() const;

private:
    int frameCount_;
    std::string from_;
    std::string to_;
};

// Blends every colour-table entry of frames from ... to (numbered from 1) linearly from
// frame `from`'s table to frame `to`'s. True-colour frames in the range are skipped. No
// undo step: several frames change at once.
void SpreadPalettes(CAnimDoc& document, int from, int to);

}  // namespace quillor
