#include "brush/resize_brush_model.h"

#include <charconv>

#include "core/image_limits.h"

namespace quillor {

namespace {

constexpr char kWidthKey[] = "Size X";
constexpr char kHeightKey[] = "Size Y";
constexpr char kRatioKey[] = "Ratio";
constexpr char kUseRatioKey[] = "Ratio Select";
constexpr char kAspectKey[] = "Aspect Ratio";

bool SideOk(double side) { return side >= 1.0 && side < double(ResizeBrushModel::kLargestSide) + 1.0; }

}  // namespace

void ResizeBrushModel::Load(const SettingsStore& settings) {
    width_ = settings.GetInt(kSection, kWidthKey, 50);
    height_ = settings.GetInt(kSection, kHeightKey, 50);
    ratio_ = settings.GetString(kSection, kRatioKey, "2");
    if (ratio_.empty()) ratio_ = "2";
    useRatio_ = settings.GetInt(kSection, kUseRatioKey, 1) != 0;
    aspect_ = settings.GetInt(kSection, kAspectKey, 1) != 0;
}

void ResizeBrushModel::Store(SettingsStore& settings) const {
    SettingsStore::Batch batch(settings);
    settings.SetInt(kSection, kWidthKey, width_);
    settings.SetInt(kSection, kHeightKey, height_);
    settings.SetString(kSection, kRatioKey, ratio_);
    settings.SetInt(kSection, kUseRatioKey, useRatio_ ? 1 : 0);
    settings.SetInt(kSection, kAspectKey, aspect_ ? 1 : 0);
}

void ResizeBrushModel::TypeWidth(int width) {
    width_ = width;
    if (aspect_) height_ = ProportionalSide(width, oldWidth_, oldHeight_, height_);
}

void ResizeBrushModel::TypeHeight(int height) {
    height_ = height;
    if (aspect_) width_ = ProportionalSide(height, oldHeight_, oldWidth_, width_);
}

void ResizeBrushModel::SetAspect(bool on) {
    aspect_ = on;
    if (on) height_ = ProportionalSide(width_, oldWidth_, oldHeight_, height_);
}

std::optional<std::pair<double, double>> ResizeBrushModel::NewSize() const {
    if (!useRatio_) return std::pair{double(width_), double(height_)};
    // Read the same whatever the user's locale writes numbers as.
    double r = 0;
    const char* end = ratio_.data() + ratio_.size();
    const auto [stop, error] = std::from_chars(ratio_.data(), end, r);
    if (error != std::errc() || stop != end) return std::nullopt;
    return std::pair{r * oldWidth_, r * oldHeight_};
}

std::optional<OkRefusal> ResizeBrushModel::CheckOk() const {
    const auto size = NewSize();
    if (size && SideOk(size->first) && SideOk(size->second)) return std::nullopt;
    return OkRefusal{std::string(useRatio_ ? kRatioRefusal : kSizeRefusal), std::string(kTitle),
                     MessageIcon::Exclamation};
}

}  // namespace quillor
