#pragma once

namespace quillor {

class CAnimDoc;

// Rebuilds the compiled image of a layered document (frame 0) from its layers: the
// image becomes a grey of the background index, then every switched-on true-colour layer
// is laid over it, bottom layer first, with the background index as its transparent
// colour. The views redraw frame 0; the document does not count as changed, as the
// picture follows from the layers. Nothing for documents that are not layered or whose
// frame 0 is not true colour.
void CompileLayers(CAnimDoc& document);

}  // namespace quillor
