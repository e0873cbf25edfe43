#include "document/filter_amount_model.h"

#include <algorithm>
#include <charconv>

namespace quillor {

namespace {

struct KindText {
    std::string_view title;
    std::string_view label;
    std::string_view unit;
    std::string_view section;
    std::string_view key;
    int fallback;
};

constexpr KindText kTexts[] = {
    {"Sharpen Image", "Sharpening level:", "%", "Image Sharpening", "Percentage", 25},
    {"Blur Image", "Blurring level:", "%", "Image Bluring", "Percentage", 25},
    {"Simplify Image", "Simplification factor:", "(1-5)", "Image Simplify", "Factor", 3},
};

constexpr int kLowestFactor = 1;
constexpr int kHighestFactor = 5;

const KindText& TextsOf(FilterAmountModel::Kind kind) { return kTexts[int(kind)]; }

// A leading optional sign and digits, as a number edit reads them; anything else is 0.
int Leading(std::string_view text) {
    int value = 0;
    const char* begin = text.data();
    if (!text.empty() && text.front() == '+') ++begin;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    (void)end;
    return error == std::errc() ? value : 0;
}

}  // namespace

FilterAmountModel::FilterAmountModel(Kind kind) : kind_(kind), text_(std::to_string(TextsOf(kind).fallback)) {}

std::string_view FilterAmountModel::Title() const { return TextsOf(kind_).title; }
std::string_view FilterAmountModel::Label() const { return TextsOf(kind_).label; }
std::string_view FilterAmountModel::Unit() const { return TextsOf(kind_).unit; }

void FilterAmountModel::Load(const SettingsStore& settings) {
    const KindText& texts = TextsOf(kind_);
    SetText(std::to_string(settings.GetInt(texts.section, texts.key, texts.fallback)));
}

void FilterAmountModel::Store(SettingsStore& settings) const {
    const KindText& texts = TextsOf(kind_);
    settings.SetInt(texts.section, texts.key, Value());
}

void FilterAmountModel::SetText(std::string_view text) {
    text_ = std::string(text);
    if (kind_ != Kind::Simplify || text_.empty() || text_ == "-" || text_ == "+") return;
    const int factor = Leading(text_);
    if (factor > kHighestFactor) text_ = std::to_string(kHighestFactor);
    if (factor < kLowestFactor) text_ = std::to_string(kLowestFactor);
}

int FilterAmountModel::Value() const {
    const int value = Leading(text_);
    return kind_ == Kind::Simplify ? std::clamp(value, kLowestFactor, kHighestFactor) : value;
}

}  // namespace quillor
