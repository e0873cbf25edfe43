#include "document/layer_compile.h"

#include "document/anim_doc.h"

namespace quillor {

void CompileLayers(CAnimDoc& document) {
    if (!document.isLayered) return;
    AnimFrame* target = document.FindFrame(0);
    if (target == nullptr || target->image->IsEmpty() || target->image->GetBitCount() != 24) return;
    WaitCursor wait(document.Environment().Ui());
    COXDIB& image = *target->image;
    const DibSize size = image.GetSize();
    image.FillBytes(document.Background());
    // The background index doubles as the key: read as a table word it is a colour with
    // blue of that level, so index 0 makes pure black transparent.
    const TableWord key = document.Background();
    for (int index = 1; index < document.HeldFrames(); ++index) {
        const AnimFrame* layer = document.FindFrame(index);
        if (layer == nullptr || !layer->layerOn || layer->image->IsEmpty()) continue;
        // Palette layers are made true colour when a layered file loads; one that is not
        // has no colours the target could take.
        if (layer->image->GetBitCount() != 24) continue;
        layer->image->OverlayOnto(image, size.width, size.height, key, true, layer->opacityOn, layer->opacity,
                                  layer->smoothEdges);
    }
    document.RedrawFrames(0);
}

}  // namespace quillor
