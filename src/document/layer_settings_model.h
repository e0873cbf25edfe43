#pragma once

#include <string>
#include <string_view>

#include "platform/interaction.h"

namespace quillor {

class CAnimDoc;
struct AnimFrame;

// "Layer # Settings": how one layer takes part in the composition.
class LayerSettingsModel final : public DialogModel {
public:
    static constexpr std::string_view kOnLabel = "On";
    static constexpr std::string_view kSmoothLabel = "Anti aliased";
    static constexpr std::string_view kOpacityOnLabel = "Transparent";
    static constexpr std::string_view kMagnitudeLabel = "Magnitude:";
    static constexpr int kMinimumOpacity = 1;
    static constexpr int kMaximumOpacity = 100;

    // Starts from the layer's four attributes; the title names its index.
    explicit LayerSettingsModel(const AnimFrame& layer);

    std::string_view Title() const override { return title_; }

    bool On() const { return on_; }
    bool SmoothEdges() const { return smooth_; }
    bool OpacityOn() const { return opacityOn_; }
    int Opacity() const { return opacity_; }
    void SetOn(bool on) { on_ = on; }
    void SetSmoothEdges(bool smooth) { smooth_ = smooth; }
    void SetOpacityOn(bool opacityOn) { opacityOn_ = opacityOn; }
    // The slider's range: 1 to 100.
    void SetOpacity(int opacity);
    // "%d%% opaque" with the slider's value.
    std::string OpacityText() const;

    // "On" enables the two other check boxes; "Transparent" enables the slider and its
    // labels and takes the smoothing out of play, as partial opacity overrides it.
    bool SmoothEnabled() const { return on_ && !opacityOn_; }
    bool OpacityOnEnabled() const { return on_; }
    bool OpacityEnabled() const { return on_ && opacityOn_; }

    // OK: the four attributes become the layer's. True when any of them changed.
    bool StoreInto(AnimFrame& layer) const;

private:
    std::string title_;
    bool on_;
    bool smooth_;
    bool opacityOn_;
    int opacity_;
};

// "Current Layer's Settings": the dialog on the current layer, whose attributes OK
// stores before the layer is shown again. Nothing for documents that are not layered;
// the note on the compiled image. Cancel changes nothing.
void EditLayerSettings(CAnimDoc& document, Interaction& ui);

}  // namespace quillor
