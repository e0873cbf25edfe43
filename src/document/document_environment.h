#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/image_file_context.h"
#include "platform/millisecond_clock.h"

namespace quillor {

struct AnimFrame;

// A bitmap as the clipboard hands it over: rows top first, `bitsPerPixel` 1 to 32. For
// 16 bits, `fiveFiveFive` tells the 5-5-5 layout from 5-6-5.
struct ClipboardBitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    bool fiveFiveFive = false;
    std::size_t stride = 0;  // bytes per row
    std::vector<std::uint8_t> bits;
};

// A grabbed brush as a new image is made from it: its current image, rows top first.
struct BrushPicture {
    int width = 0;
    int height = 0;
    bool trueColour = false;
    std::vector<std::uint8_t> pixels;  // indices, or red, green, blue
    std::vector<std::uint32_t> palette;  // 256 ColourRef entries for a palette brush
};

// The documents are given no singletons: whatever outside state creating, opening and
// saving a document needs comes through this.
class DocumentEnvironment {
public:
    virtual ~DocumentEnvironment() = default;

    virtual Interaction& Ui() = 0;
    virtual SettingsStore& Settings() = 0;
    ImageFileContext FileContext() { return {Ui(), Settings()}; }

    // The recent-file list (most recent first).
    virtual void AddRecentFile(const std::string& path) = 0;
    // Numbers for untitled names, counted from 1 for each run of the program.
    virtual int NextUntitledImage() = 0;
    virtual int NextUntitledAnimation() = 0;

    // The frame the active edit view shows, or null when there is none.
    virtual const AnimFrame* ActiveFrame() = 0;
    // The grabbed brush for palette or true-colour pictures, when there is one.
    virtual std::optional<BrushPicture> GrabbedBrush(bool trueColour) = 0;
    // The clipboard's bitmap; nullopt when the clipboard holds none.
    virtual std::optional<ClipboardBitmap> ClipboardImage() = 0;
    // True the first time it is asked in a run of the program, false after.
    virtual bool FirstClipboardPaste() = 0;
    // The folder the user last saved into; frame names below it are shown shortened in
    // titles. The program never changes the process's own working folder.
    virtual std::string CurrentFolder() = 0;
    virtual void SetCurrentFolder(const std::string& folder) = 0;
    // The clock playback keeps its rate by.
    virtual MillisecondClock& Clock() = 0;
};

}  // namespace quillor
