#pragma once

#include "filters/filter_applicability.h"

namespace quillor {

class CAnimDoc;
class Interaction;
class SettingsStore;

// The filters and colour adjustments of the current frame, as their commands run them:
// the depth rule and its refusal, the note on a layered image's compiled picture, the
// dialog where there is one, the undo step, and the change. True when the frame changed.
bool ApplyPixelOperation(CAnimDoc& document, Interaction& ui, SettingsStore& settings, PixelOperation operation);

}  // namespace quillor
