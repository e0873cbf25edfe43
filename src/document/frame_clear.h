#pragma once

namespace quillor {

class CAnimDoc;

// Fills the document's current frame with its background colour, as one step of its
// history. Nothing while painting is blocked; false when nothing was cleared.
bool ClearCurrentFrame(CAnimDoc& document);

}  // namespace quillor
