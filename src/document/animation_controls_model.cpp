#include "document/animation_controls_model.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/text_trim.h"
#include "document/anim_doc.h"
#include "formats/edit_text.h"

namespace quillor {

namespace {

constexpr char kSection[] = "Animation Controls";
constexpr char kFramesPerSecond[] = "Frames Per Second";
constexpr double kFastestTypedRate = 500.0;
constexpr double kFastRateReplacement = 200.0;

// The whole text as a number of type T, or nothing.
template <typename T>
std::optional<T> Parsed(std::string_view text) {
    text = TrimBlanks(text);
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string FormatRate(double rate) {
    char text[64];
    std::snprintf(text, sizeof text, "%3.3f", rate);
    return text;
}

// Still being typed: nothing to correct yet.
bool Unfinished(std::string_view text) { return text.empty() || text == "-"; }

}  // namespace

AnimationControlsModel::AnimationControlsModel(int frameCount, int rangeStart, int rangeEnd, double framesPerSecond)
    : frameCount_(std::max(frameCount, 1)),
      start_(std::to_string(rangeStart)),
      end_(std::to_string(rangeEnd)),
      rate_(FormatRate(framesPerSecond)) {}

std::string AnimationControlsModel::TypedFrameNumber(std::string_view typed) const {
    std::string text = LimitEditText(typed, kFrameChars, false);
    if (Unfinished(text)) return text;
    const int value = Parsed<int>(text).value_or(0);
    if (value > frameCount_) return std::to_string(frameCount_);
    if (value <= 0) return "1";
    return text;
}

std::string AnimationControlsModel::SpunFrameNumber(const std::string& text, int steps) const {
    const long long from = Parsed<int>(text).value_or(1);
    return std::to_string(std::clamp<long long>(from + steps, 1, frameCount_));
}

void AnimationControlsModel::SetStartText(std::string_view text) { start_ = TypedFrameNumber(text); }

void AnimationControlsModel::SetEndText(std::string_view text) { end_ = TypedFrameNumber(text); }

void AnimationControlsModel::SetRateText(std::string_view typed) {
    rate_ = LimitEditText(typed, kRateChars, false);
    const std::optional<double> rate = Parsed<double>(rate_);
    if (rate && *rate < 0) rate_ = "1";
}

void AnimationControlsModel::SpinStart(int steps) { start_ = SpunFrameNumber(start_, steps); }

void AnimationControlsModel::SpinEnd(int steps) { end_ = SpunFrameNumber(end_, steps); }

void AnimationControlsModel::SpinRate(int steps) {
    double from = Parsed<double>(rate_).value_or(kRateSpinMinimum);
    if (!std::isfinite(from)) from = kRateSpinMaximum;
    // A rate between whole numbers steps to the next whole number in that direction.
    const double whole = steps > 0 ? std::floor(from) : std::ceil(from);
    rate_ = FormatRate(std::clamp(whole + steps, double(kRateSpinMinimum), double(kRateSpinMaximum)));
}

std::optional<int> AnimationControlsModel::Start() const { return Parsed<int>(start_); }

std::optional<int> AnimationControlsModel::End() const { return Parsed<int>(end_); }

std::optional<double> AnimationControlsModel::Rate() const { return Parsed<double>(rate_); }

std::optional<OkRefusal> AnimationControlsModel::CheckOk() const {
    auto inRange = [this](std::optional<int> frame) { return frame && *frame >= 1 && *frame <= frameCount_; };
    if (!inRange(Start()) || !inRange(End()))
        return OkRefusal{"Please enter frame numbers from 1 to " + std::to_string(frameCount_) + " for the range.",
                         std::string(kTitle), MessageIcon::Information};
    const std::optional<double> rate = Rate();
    if (!rate || !std::isfinite(*rate) || *rate < kSlowestRate)
        return OkRefusal{"Please enter a rate of at least 0.001 frames per second.", std::string(kTitle),
                         MessageIcon::Information};
    return std::nullopt;
}

void ApplyAnimationControls(CAnimDoc& document, const AnimationControlsModel& model, SettingsStore& settings) {
    if (model.CheckOk()) return;
    document.rangeStart = *model.Start();
    document.rangeEnd = *model.End();
    double rate = *model.Rate();
    if (rate > kFastestTypedRate) rate = kFastRateReplacement;
    document.framesPerSecond = float(rate);
    settings.SetString(kSection, kFramesPerSecond, FormatRate(rate));
    document.frameDelay = 1.0f / document.framesPerSecond;
    if (document.playPosition > document.rangeEnd) document.playPosition = document.rangeStart;
    if (document.playPosition < document.rangeStart) document.playPosition = document.rangeEnd;
    document.lastTick = 0;
}

bool EditAnimationControls(CAnimDoc& document, Interaction& ui, SettingsStore& settings) {
    AnimationControlsModel model(document.HeldFrames(), document.rangeStart, document.rangeEnd,
                                 document.framesPerSecond);
    if (!RunCheckedDialog(ui, model)) return false;
    ApplyAnimationControls(document, model, settings);
    return true;
}

}  // namespace quillor
