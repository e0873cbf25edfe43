#include "document/resize_model.h"

#include "core/image_limits.h"

namespace quillor {

ResizeModel::ResizeModel(int oldWidth, int oldHeight) : oldWidth_(oldWidth), oldHeight_(oldHeight) {}

void ResizeModel::Load(const SettingsStore& settings) {
    width_ = settings.GetInt(kSection, kWidthKey, 640);
    height_ = settings.GetInt(kSection, kHeightKey, 480);
    offsetX_ = settings.GetInt(kSection, kOffsetXKey, 0);
    offsetY_ = settings.GetInt(kSection, kOffsetYKey, 0);
    rescale_ = settings.GetInt(kSection, kRescaleKey, 1) != 0;
    aspect_ = settings.GetInt(kSection, kAspectKey, 1) != 0;
    bilinear_ = settings.GetInt(kSection, kBilinearKey, 1) != 0;
}

void ResizeModel::Store(SettingsStore& settings) const {
    settings.SetInt(kSection, kWidthKey, width_);
    settings.SetInt(kSection, kHeightKey, height_);
    settings.SetInt(kSection, kOffsetXKey, offsetX_);
    settings.SetInt(kSection, kOffsetYKey, offsetY_);
    settings.SetInt(kSection, kRescaleWrittenKey, rescale_ ? 1 : 0);
    settings.SetInt(kSection, kAspectKey, aspect_ ? 1 : 0);
    settings.SetInt(kSection, kBilinearKey, bilinear_ ? 1 : 0);
}

void ResizeModel::TypeWidth(int width) {
    width_ = width;
    if (aspect_) height_ = ProportionalSide(width, oldWidth_, oldHeight_, height_);
}

void ResizeModel::TypeHeight(int height) {
    height_ = height;
    if (aspect_) width_ = ProportionalSide(height, oldHeight_, oldWidth_, width_);
}

void ResizeModel::SetAspect(bool on) {
    aspect_ = on;
    if (on) TypeWidth(width_);
}

void ResizeModel::Anchor(int anchor) {
    if (anchor < 0 || anchor > 8) return;
    const int column = anchor % 3;
    const int row = anchor / 3;
    // Each half is cut on its own, as the offsets of a centred picture have always been.
    const int centreX = oldWidth_ / 2 - width_ / 2;
    const int centreY = oldHeight_ / 2 - height_ / 2;
    offsetX_ = column == 0 ? 0 : (column == 1 ? centreX : oldWidth_ - width_);
    offsetY_ = row == 0 ? 0 : (row == 1 ? centreY : oldHeight_ - height_);
}

std::optional<OkRefusal> ResizeModel::CheckOk() const {
    if (width_ < 1 || height_ < 1 || width_ > kLargestSide || height_ > kLargestSide)
        return OkRefusal{std::string(kSizeRefusal), std::string(kTitle), MessageIcon::Exclamation};
    return std::nullopt;
}

}  // namespace quillor
