#include "document/layer_commands.h"

#include "document/anim_doc.h"
#include "platform/interaction.h"

namespace quillor {

namespace {

bool ShowsCompiledImage(const CAnimDoc& document) { return document.isLayered && document.CurrentFrame() == 0; }

}  // namespace

bool LayerFunctionNotApplicable(CAnimDoc& document, Interaction& ui) {
    if (!ShowsCompiledImage(document)) return false;
    ui.ShowMessage(kCompiledImageNotApplicable, kNotAvailableTitle, MessageIcon::Information);
    return true;
}

void SetLayerOn(CAnimDoc& document, Interaction& ui, bool on) {
    if (!document.isLayered || LayerFunctionNotApplicable(document, ui)) return;
    AnimFrame* layer = document.FindFrame(document.CurrentFrame());
    if (layer == nullptr) return;
    // The switch is written into the layered script, so a real change is one to save.
    if (layer->layerOn != on) {
        layer->layerOn = on;
        document.SetChanged(true);
    }
    document.ShowFrame(layer->index);
}

void NoteTemporaryResult(CAnimDoc& document, Interaction& ui, bool verticalFlip) {
    if (!ShowsCompiledImage(document)) return;
    ui.ShowMessage(verticalFlip ? kTemporaryFlipNote : kTemporaryResultNote, kNoteTitle, MessageIcon::Information);
}

}  // namespace quillor
