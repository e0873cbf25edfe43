#include "document/avi_compressor_model.h"

#include <algorithm>

namespace quillor {

namespace {

constexpr std::string_view kSection = "AVI Settings";

}  // namespace

AviCompressorModel::AviCompressorModel(std::vector<VideoEncoder> encoders, bool paletteFrames)
    : encoders_(std::move(encoders)), paletteFrames_(paletteFrames) {
    if (!paletteFrames_) std::erase_if(encoders_, [](const VideoEncoder& e) { return e.paletteOnly; });
    // Uncompressed frames need no encoder, so there is always that to choose.
    if (encoders_.empty()) encoders_.push_back({"raw", "Full Frames (no compression)", true, true, false, false});
}

void AviCompressorModel::Load(const SettingsStore& settings) {
    const std::string id = settings.GetString(kSection, "Compressor", "raw");
    selected_ = 0;
    for (std::size_t i = 0; i < encoders_.size(); ++i)
        if (encoders_[i].id == id) selected_ = int(i);
    SetQuality(settings.GetInt(kSection, "Quality", 75));
    SetKeyFrameEvery(settings.GetInt(kSection, "Key Frames", 1));
}

void AviCompressorModel::Store(SettingsStore& settings) const {
    SettingsStore::Batch batch(settings);
    settings.SetString(kSection, "Compressor", Current().id);
    settings.SetInt(kSection, "Quality", quality_);
    settings.SetInt(kSection, "Key Frames", keyFrameEvery_);
}

void AviCompressorModel::Select(int index) {
    if (index >= 0 && index < int(encoders_.size())) selected_ = index;
}

void AviCompressorModel::SetQuality(int quality) { quality_ = std::clamp(quality, 1, 100); }

void AviCompressorModel::SetKeyFrameEvery(int every) { keyFrameEvery_ = std::clamp(every, 1, kMaxKeyFrameEvery); }

std::string AviCompressorModel::Note() const {
    const VideoEncoder& e = Current();
    if (!e.lossless) return "Smaller files, but the pictures lose some detail and come back in true colour.";
    if (paletteFrames_ && !e.keepsPalette)
        return "No detail is lost, but the 256-colour pictures are stored, and come back, in true colour.";
    return "No detail is lost: the pictures come back exactly as they are.";
}

void AviCompressorModel::ApplyTo(VideoWriteSettings& settings) const {
    settings.encoder = Current().id;
    settings.quality = quality_;
    settings.keyFrameEvery = KeyFramesEnabled() ? keyFrameEvery_ : 1;
}

}  // namespace quillor
