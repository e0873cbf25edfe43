#pragma once

#include <string_view>

#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

class CAnimDoc;

// "Clear Canvas" of an animation: the frame being edited, a range of frames or all of
// them.
class ClearFramesModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Clear Canvas";
    static constexpr std::string_view kCurrentLabel = "Clear current frame";
    static constexpr std::string_view kRangeLabel = "Clear range of frames:";
    static constexpr std::string_view kToLabel = "to";
    static constexpr std::string_view kAllLabel = "Clear all frames";
    enum Choice : int { kCurrent = 0, kRange = 1, kAll = 2 };

    explicit ClearFramesModel(int frameCount);

    std::string_view Title() const override { return kTitle; }
    int FrameCount() const { return frameCount_; }
    // "Clear Type", "Clear Start" and "Clear Finish" of "Preferences"; numbers beyond
    // this document's frames are brought into them.
    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;

    int ChoiceMade() const { return choice_; }
    void SetChoice(int choice);
    // The range's fields take input only for the range choice.
    bool RangeEnabled() const { return choice_ == kRange; }
    int Start() const { return start_; }
    int Finish() const { return finish_; }
    // Frame numbers from 1 to the number of frames, as the spin controls allow.
    void SetStart(int frame);
    void SetFinish(int frame);

    // The frames (from 1) the choice clears, the lower first; for the current frame,
    // `current` (from 1).
    int FirstFrame(int current) const;
    int LastFrame(int current) const;

private:
    int frameCount_;
    int choice_ = kCurrent;
    int start_ = 1;
    int finish_ = 1;
};

inline constexpr char kClearManyQuestion[] = "Are you sure you want clear this many frames? (no UNDO available!)";
inline constexpr char kClearManyTitle[] = "CONFIRMATION REQUIRED";

// The Tools bar's clear button. A single frame is cleared as one step of the history.
// With several frames the user picks the current frame (cleared the same way), a range
// or all frames; several frames are cleared, after the user confirms, with the
// background colour over the current frame's size from the top left, without a step:
// their earlier steps are dropped, so Undo never patches old pixels into them. Nothing
// while painting is blocked, on Cancel or on No.
void ClearCanvas(CAnimDoc& document, Interaction& ui, SettingsStore& settings);

}  // namespace quillor
