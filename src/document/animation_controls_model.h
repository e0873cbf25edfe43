#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

class CAnimDoc;

// "Animation Control": the range of frames playback runs over and its rate. The three
// fields take typed text and correct it as it comes, as the dialog's edit boxes do.
class AnimationControlsModel final : public CheckedDialogModel {
public:
    static constexpr std::string_view kTitle = "Animation Control";
    static constexpr std::string_view kRangeLabel = "Frame Range:";
    static constexpr std::string_view kToLabel = "to";
    static constexpr std::string_view kAtLabel = "at";
    static constexpr std::string_view kRateLabel = "Frames Per Second";
    static constexpr std::size_t kFrameChars = 4;
    static constexpr std::size_t kRateChars = 7;
    static constexpr int kRateSpinMinimum = 1;
    static constexpr int kRateSpinMaximum = 200;
    // The rate is stored with three decimals: anything smaller would read back as 0.
    static constexpr double kSlowestRate = 0.001;

    AnimationControlsModel(int frameCount, int rangeStart, int rangeEnd, double framesPerSecond);

    std::string_view Title() const override { return kTitle; }
    int FrameCount() const { return frameCount_; }

    const std::string& StartText() const { return start_; }
    const std::string& EndText() const { return end_; }
    const std::string& RateText() const { return rate_; }
    // Typing: a frame number above the number of frames becomes that number, and one of
    // 0 or less (or text that is no number) becomes "1"; an empty field, or a lone "-",
    // is left to be finished. A negative rate becomes "1".
    void SetStartText(std::string_view text);
    void SetEndText(std::string_view text);
    void SetRateText(std::string_view text);
    // The spin controls: frame numbers from 1 to the number of frames, the rate in whole
    // frames per second from 1 to 200.
    void SpinStart(int steps);
    void SpinEnd(int steps);
    void SpinRate(int steps);

    // The values when the fields hold whole numbers and a decimal number.
    std::optional<int> Start() const;
    std::optional<int> End() const;
    std::optional<double> Rate() const;

    // Frame numbers outside 1 to the number of frames, and a rate that is no number or
    // below kSlowestRate (a rate of 0 would never show the next frame), are refused.
    std::optional<OkRefusal> CheckOk() const override;

private:
    std::string TypedFrameNumber(std::string_view text) const;
    std::string SpunFrameNumber(const std::string& text, int steps) const;

    int frameCount_;
    std::string start_;
    std::string end_;
    std::string rate_;
};

// OK of the dialog: the range and rate become the document's, a rate above 500 becomes
// 200, the rate is remembered in the settings, and the playback position is brought into
// the range so that the next tick steps at once. Nothing when the model holds values
// CheckOk refuses.
void ApplyAnimationControls(CAnimDoc& document, const AnimationControlsModel& model, SettingsStore& settings);

// "Animation Controls": the dialog on the document's range and rate, then
// ApplyAnimationControls. False on Cancel.
bool EditAnimationControls(CAnimDoc& document, Interaction& ui, SettingsStore& settings);

}  // namespace quillor
