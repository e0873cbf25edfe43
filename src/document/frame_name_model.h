#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"

namespace quillor {

class CAnimDoc;

// "Change BMP Name": a new file name for the frame being edited, unique among the
// document's frames.
class FrameNameModel final : public CheckedDialogModel {
public:
    static constexpr std::string_view kTitle = "Change BMP Name";
    static constexpr std::string_view kLabel = "Change BMP name to:";
    static constexpr std::string_view kTaken = "This file name already exists, please choose a unique file name.";
    static constexpr std::string_view kEmpty = "Please enter a file name for the frame.";
    static constexpr std::string_view kRefusalTitle = "REQUEST";

    // Starts with the frame's `name`; `otherNames` are the names of every other frame.
    FrameNameModel(std::string name, std::vector<std::string> otherNames);

    std::string_view Title() const override { return kTitle; }
    const std::string& Name() const { return name_; }
    void SetName(std::string_view name) { name_ = std::string(name); }

    // A name another frame has, compared exactly, is refused; so is an empty one, which
    // could never be saved.
    std::optional<OkRefusal> CheckOk() const override;

private:
    std::string name_;
    std::vector<std::string> otherNames_;
};

// "Change Frame Name": asks until the user gives a name no other frame has, or cancels.
// True when a new name was stored; the frame is then shown again so the title follows,
// and the document counts as changed. Cancel, or OK on the name the frame already has,
// changes nothing.
bool ChangeFrameName(CAnimDoc& document, Interaction& ui);

}  // namespace quillor
