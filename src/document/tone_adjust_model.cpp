#include "document/tone_adjust_model.h"

#include <algorithm>


namespace quillor {

ToneAdjustModel::ToneAdjustModel(Kind kind, std::function<void(int value)> onChange)
    : kind_(kind), onChange_(std::move(onChange)) {}

std::string_view ToneAdjustModel::Title() const {
    return kind_ == Kind::Contrast ? "Contrast" : "Gamma Correction";
}

std::string_view ToneAdjustModel::Label() const {
    return kind_ == Kind::Contrast ? "Contrast (-100 to +100):" : "Gamma correction (-100 to +100):";
}

void ToneAdjustModel::SetValue(int value) {
    value_ = std::clamp(value, kLowest, kHighest);
    if (onChange_) onChange_(value_);
}

}  // namespace quillor
