#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"
#include "platform/settings_store.h"
#include "platform/video_writer.h"

namespace quillor {

// The compressor choice of an AVI save: one of the compressors this FFmpeg offers, its
// quality where it has one, and how often a frame stands alone where frames can lean on
// earlier ones. Remembered under "AVI Settings".
class AviCompressorModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Video Compression";
    static constexpr std::string_view kCompressorLabel = "&Compressor:";
    static constexpr std::string_view kQualityLabel = "Compression &Quality:";
    static constexpr std::string_view kKeyFrameLabel = "&Key Frame Every";
    static constexpr std::string_view kKeyFrameUnit = "frames";
    static constexpr int kMaxKeyFrameEvery = 1000;

    // `paletteFrames`: the movie is made from 256-colour pictures.
    AviCompressorModel(std::vector<VideoEncoder> encoders, bool paletteFrames);
    std::string_view Title() const override { return kTitle; }

    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;

    const std::vector<VideoEncoder>& Encoders() const { return encoders_; }
    int Selected() const { return selected_; }
    void Select(int index);
    const VideoEncoder& Current() const { return encoders_[std::size_t(selected_)]; }

    bool QualityEnabled() const { return Current().hasQuality; }
    int Quality() const { return quality_; }
    void SetQuality(int quality);
    bool KeyFramesEnabled() const { return Current().hasKeyFrames; }
    int KeyFrameEvery() const { return keyFrameEvery_; }
    void SetKeyFrameEvery(int every);

    // What the chosen compressor does to the pictures, in a sentence.
    std::string Note() const;
    // The settings of a save with this choice.
    void ApplyTo(VideoWriteSettings& settings) const;

private:
    std::vector<VideoEncoder> encoders_;
    bool paletteFrames_;
    int selected_ = 0;
    int quality_ = 75;
    int keyFrameEvery_ = 1;
};

}  // namespace quillor
