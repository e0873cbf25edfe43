// Saving a single picture, and the question before a changed document closes.

#include "core/text_format.h"
#include "document/anim_doc.h"
#include "document/document_title.h"
#include "formats/image_file_dialogs.h"
#include "formats/image_file_type.h"
#include "formats/save_checks.h"

namespace quillor {

namespace {

constexpr std::string_view kSaveChanges = "Save changes to %s?";
constexpr std::string_view kUnsavedChanges = "Unsaved Changes";

// The file name without its folder and extension begins with "untitled": the picture
// was never saved under a name of the user's choosing.
bool IsUntitled(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.resize(dot);
    return LowerAscii(name).starts_with("untitled");
}

}  // namespace

bool CAnimDoc::CheckFormat() {
    const AnimFrame* frame = FindFrame(0);
    return frame != nullptr &&
           CheckBeforeSave(path, frame->colourMode, false, environment_.FileContext());
}

bool CAnimDoc::Save() {
    // An animation is saved as its script and frames; Save offers the same choices as
    // Save As rather than doing nothing.
    if (isAnimation) return SaveAnimationAs();
    if (!CheckFormat()) return false;
    const bool saved = SaveFrameImage(path, 0);
    if (saved) SetChanged(false);
    return saved;
}

bool CAnimDoc::SaveAs() {
    if (isAnimation) return SaveAnimationAs();
    const std::optional<std::string> chosen = ChooseImageSaveAs(path, environment_.FileContext());
    if (!chosen) return false;

    path = *chosen;
    // Later dialogs and titles start from where the user saved; the process itself
    // never changes its working folder.
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos) environment_.SetCurrentFolder(slash == 0 ? "/" : path.substr(0, slash));

    bool saved = false;
    if (CheckFormat()) {
        FindFrame(0)->name = path;
        saved = SaveFrameImage(path, 0);
        if (saved) SetChanged(false);
    }
    // The path changed even when the save was refused, and the title shows it.
    ShowFrame(currentFrame_);
    return saved;
}

bool CAnimDoc::SaveModified(bool markDiscarded) {
    if (!changed) return true;
    const Answer answer = environment_.Ui().Ask(FormatText(kSaveChanges, {path}), kUnsavedChanges,
                                                QuestionButtons::YesNoCancel, MessageIcon::Question);
    if (answer != Answer::Yes && answer != Answer::No) return false;
    if (answer == Answer::No) {
        if (markDiscarded) SetChanged(false);
        return true;
    }
    bool saved = false;
    if (IsSequencePath(path)) saved = SaveAnimationAs();
    else saved = IsUntitled(path) ? SaveAs() : Save();
    if (!saved) return false;
    SetChanged(false);
    return true;
}

}  // namespace quillor
