#pragma once

namespace quillor {

class CAnimDoc;
class Interaction;
class SettingsStore;

// The commands that remake the current frame or every frame: each asks what it needs,
// keeps an undo step where one can be kept, and returns true when a picture changed.

// "Change Number of Colours" of the current frame.
bool ChangeColourDepth(CAnimDoc& document, Interaction& ui, SettingsStore& settings);
// "Flip Image Horizontally" or "Flip Image Vertically" of the current frame.
bool FlipCurrentFrame(CAnimDoc& document, Interaction& ui, bool vertical);
// "Resize/Crop" of every frame.
bool ResizeDocument(CAnimDoc& document, Interaction& ui, SettingsStore& settings);

inline constexpr char kResizeAllQuestion[] = "Are you sure you want to resize all the animation frames? (no UNDO available!)";
inline constexpr char kResizeAllTitle[] = "Confirmation Required";
inline constexpr char kResizeFailed[] =
    "The frames could not be resized: the new pictures would not fit in memory.";

}  // namespace quillor
