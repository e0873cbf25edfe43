#include "document/avi_save_settings_model.h"

#include <charconv>
#include <cstdlib>

namespace quillor {

namespace {

int Number(const std::string& text) { return std::atoi(text.c_str()); }

}  // namespace

std::optional<OkRefusal> AviSaveSettingsModel::CheckOk() const {
    if (Number(start_) > frameCount_ || Number(end_) > frameCount_)
        return OkRefusal{"Please enter frames from 1 to " + std::to_string(frameCount_) + ".", std::string(kTitle),
                         MessageIcon::Information};
    return std::nullopt;
}

void AviSaveSettingsModel::Load(const SettingsStore& settings, double documentRate) {
    start_ = "1";
    end_ = std::to_string(frameCount_);
    rate_ = settings.GetString(kSection, "FPS", "");
    if (rate_.empty()) {
        // Three decimals with a point, whatever the user's language.
        char text[64];
        const auto [end, error] = std::to_chars(text, text + sizeof text, documentRate, std::chars_format::fixed, 3);
        rate_ = error == std::errc() ? std::string(text, end) : std::string("25");
    }
    rate_ = rate_.substr(0, kRateChars);
}

void AviSaveSettingsModel::Store(SettingsStore& settings) const { settings.SetString(kSection, "FPS", rate_); }

int AviSaveSettingsModel::Start() const {
    const int start = Number(start_);
    return start <= 0 ? 1 : start;
}

int AviSaveSettingsModel::End() const {
    const int end = Number(end_);
    return end <= 0 ? frameCount_ : end;
}

double AviSaveSettingsModel::Rate() const {
    // Read with a point, whatever the user's language; what follows a number is ignored.
    double rate = 0.0;
    const std::size_t begin = rate_.find_first_not_of(' ');
    if (begin != std::string::npos) std::from_chars(rate_.data() + begin, rate_.data() + rate_.size(), rate);
    return rate > 0.0 ? rate : 25.0;
}

}  // namespace quillor
