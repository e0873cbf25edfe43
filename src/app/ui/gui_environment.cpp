#include "app/ui/gui_environment.h"

#include "document/ui/clipboard_reader.h"

namespace quillor {

void GuiEnvironment::AddRecentFile(const std::string& path) {
    recentFiles_.Add(path);
    if (recentFilesChanged) recentFilesChanged();
}

std::optional<BrushPicture> GuiEnvironment::GrabbedBrush(bool trueColour) {
    return grabbedBrush ? grabbedBrush(trueColour) : std::nullopt;
}

std::optional<ClipboardBitmap> GuiEnvironment::ClipboardImage() { return ReadClipboardBitmap(); }

bool GuiEnvironment::FirstClipboardPaste() {
    const bool first = !clipboardPasted_;
    clipboardPasted_ = true;
    return first;
}

}  // namespace quillor
