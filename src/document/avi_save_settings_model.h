#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/avi_rules.h"
#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

// "AVI Save Settings": the document frames to write, first to last (backwards when the
// last comes first), and the movie's rate, kept under "AVI Settings" / "FPS".
class AviSaveSettingsModel final : public CheckedDialogModel {
public:
    static constexpr std::string_view kTitle = "AVI Save Settings";
    static constexpr std::string_view kStartLabel = "Start Frame:";
    static constexpr std::string_view kEndLabel = "End Frame:";
    static constexpr std::string_view kRateLabel = "Frames Per Second:";
    static constexpr std::string_view kSection = "AVI Settings";
    static constexpr std::size_t kFrameChars = 6;
    static constexpr std::size_t kRateChars = 10;
    static constexpr std::string_view kCautionTitle = "Caution";
    static constexpr std::string_view kCautionText =
        "You now need to choose a codec for saving the AVI.\nSome choices may cause loss of image quality, so if you "
        "wish to load the animation back into Quillor in it's original state,\nmake sure you save the images first, "
        "or choose the 'Full Frames (no compression)' option.\nAlso note that some codecs may not support certain "
        "formats, so if your chosen one fails, just choose another.";
    static constexpr std::string_view kSaveFailedText = "Error: Could not save file.";

    explicit AviSaveSettingsModel(int frameCount) : frameCount_(frameCount) {}
    std::string_view Title() const override { return kTitle; }
    // A frame past the last is refused; 0 or less (or nothing) takes its default.
    std::optional<OkRefusal> CheckOk() const override;

    // The rate stored, or the document's own with three decimals.
    void Load(const SettingsStore& settings, double documentRate);
    void Store(SettingsStore& settings) const;

    const std::string& StartText() const { return start_; }
    const std::string& EndText() const { return end_; }
    const std::string& RateText() const { return rate_; }
    // Typed text, cut to the field's length.
    void SetStartText(std::string_view text) { start_ = std::string(text.substr(0, kFrameChars)); }
    void SetEndText(std::string_view text) { end_ = std::string(text.substr(0, kFrameChars)); }
    void SetRateText(std::string_view text) { rate_ = std::string(text.substr(0, kRateChars)); }

    // The values OK writes with: a start of 0 or less is 1, an end of 0 or less the last
    // frame, a rate of 0 or less 25.
    int Start() const;
    int End() const;
    double Rate() const;
    AviTimeBase TimeBase() const { return AviTimeBaseFor(Rate()); }

private:
    int frameCount_;
    std::string start_ = "1";
    std::string end_;
    std::string rate_;
};

}  // namespace quillor
