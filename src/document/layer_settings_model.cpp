#include "document/layer_settings_model.h"

#include <algorithm>

#include "document/anim_doc.h"
#include "document/layer_commands.h"

namespace quillor {

LayerSettingsModel::LayerSettingsModel(const AnimFrame& layer)
    : title_("Layer " + std::to_string(layer.index) + " Settings"),
      on_(layer.layerOn),
      smooth_(layer.smoothEdges),
      opacityOn_(layer.opacityOn),
      opacity_(std::clamp(layer.opacity, kMinimumOpacity, kMaximumOpacity)) {}

void LayerSettingsModel::SetOpacity(int opacity) { opacity_ = std::clamp(opacity, kMinimumOpacity, kMaximumOpacity); }

std::string LayerSettingsModel::OpacityText() const { return std::to_string(opacity_) + "% opaque"; }

bool LayerSettingsModel::StoreInto(AnimFrame& layer) const {
    const bool changed = layer.layerOn != on_ || layer.smoothEdges != smooth_ || layer.opacityOn != opacityOn_ ||
                         layer.opacity != opacity_;
    layer.layerOn = on_;
    layer.smoothEdges = smooth_;
    layer.opacityOn = opacityOn_;
    layer.opacity = opacity_;
    return changed;
}

void EditLayerSettings(CAnimDoc& document, Interaction& ui) {
    if (!document.isLayered || LayerFunctionNotApplicable(document, ui)) return;
    AnimFrame* layer = document.FindFrame(document.CurrentFrame());
    if (layer == nullptr) return;
    LayerSettingsModel model(*layer);
    if (!ui.RunDialog(model)) return;
    // The attributes are written into the layered script: a change is one to save.
    if (model.StoreInto(*layer)) document.SetChanged(true);
    document.ShowFrame(layer->index);
}

}  // namespace quillor
