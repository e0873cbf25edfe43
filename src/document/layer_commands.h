#pragma once

namespace quillor {

class CAnimDoc;
class Interaction;

// The layer commands of the edit view. Frame 0 of a layered document is the compiled
// image, rebuilt from the layers whenever it is shown: the layer commands do not apply to
// it, and edits of it do not last.

inline constexpr char kCompiledImageNotApplicable[] =
    "This is the compiled image from the layered image, so this function is not applicable.";
inline constexpr char kNotAvailableTitle[] = "Fuction Not Available";
inline constexpr char kTemporaryResultNote[] =
    "This function is available, but the result will only be temporary, as this is the compiled\n"
    "image of the layered image, and will be rebuilt from the other layers.";
inline constexpr char kTemporaryFlipNote[] =
    "This function will be performed, but it is only temporary, as this is the compiled\n"
    "image of the layered image, and will be rebuilt from the other layers.";
inline constexpr char kNoteTitle[] = "Note";

// True, after telling the user, when the document shows the compiled image of a layered
// document, where a layer command has nothing to work on.
bool LayerFunctionNotApplicable(CAnimDoc& document, Interaction& ui);

// "Turn On Layer" and "Turn Off Layer": switches the current layer in or out of the
// composition and shows it again, so that its title ends in "[ON]" or "[OFF]". Nothing
// for documents that are not layered; the note on the compiled image.
void SetLayerOn(CAnimDoc& document, Interaction& ui, bool on);

// Told before an image operation works on the compiled image of a layered document: the
// result lasts only until the image is compiled again. `verticalFlip` picks the flip's
// own wording. Nothing for any other frame or document.
void NoteTemporaryResult(CAnimDoc& document, Interaction& ui, bool verticalFlip);

}  // namespace quillor
