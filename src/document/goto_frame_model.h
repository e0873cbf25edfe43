#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/interaction.h"

namespace quillor {

class CAnimDoc;

// "Goto Frame in Animation Sequence": a frame number from 1 to the number of frames,
// typed or stepped with the spin control.
class GotoFrameModel final : public CheckedDialogModel {
public:
    static constexpr std::string_view kTitle = "Goto Frame in Animation Sequence";
    static constexpr std::string_view kLabel = "Go to frame number:";

    // Starts at `number` (the frame being edited, counted from 1).
    GotoFrameModel(int frameCount, int number);

    std::string_view Title() const override { return kTitle; }
    int FrameCount() const { return frameCount_; }
    const std::string& Text() const { return text_; }
    void SetText(std::string_view text) { text_ = std::string(text); }
    // The spin control: `steps` up (or down, when negative) from the number shown, kept
    // from 1 to the number of frames.
    void Spin(int steps);

    // The number typed, when it is a whole number (surrounding spaces aside).
    std::optional<int> Number() const;
    // Numbers outside 1 to the number of frames, and text that is no number, are refused.
    std::optional<OkRefusal> CheckOk() const override;

private:
    int frameCount_;
    std::string text_;
};

// "Go to Frame": the index (from 0) of the frame the user chose, or nothing on Cancel.
// The caller shows it.
std::optional<int> AskGotoFrame(CAnimDoc& document, Interaction& ui);

}  // namespace quillor
