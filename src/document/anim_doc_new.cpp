// Creating a new document: a blank picture or animation, or a picture made from the
// brush, the clipboard or the frame being edited.

#include "document/anim_doc.h"
#include "document/brush_image.h"
#include "document/clipboard_image.h"
#include "document/frame_count_model.h"
#include "document/new_image_model.h"
#include "formats/image_file_dialogs.h"
#include "formats/image_settings_keys.h"

namespace quillor {

namespace {

constexpr char kAnimationSave[] = "Animation Save";
constexpr char kAnimationSavePath[] = "Path";

constexpr std::string_view kCannotMakeImage = "Cannot Make Image";
constexpr std::string_view kNoBrushSource = "Could not create image from brush.";
constexpr std::string_view kNoPaletteBrush = "There is currently no grabbed 256 Colour brush";
constexpr std::string_view kNoTrueColourBrush = "There is currently no grabbed True Colour brush";
constexpr std::string_view kNoClipboardImage = "There is no image to paste from the clipboard.";
constexpr std::string_view kUnsupportedClipboardImage =
    "Quillor does not support the image type stored in the clipboard.";
constexpr std::string_view kNote = "Note";
constexpr std::string_view kClipboardNote =
    "Note: The Windows Clipboard stores device dependant images.\nThis means the image copied to "
    "it may not be exactly the same internally as the image pasted.\nUse 'Duplicate Image' to "
    "avoid this if this is important to you.";
constexpr std::string_view kOutOfMemory = "There is not enough memory to create the picture.";

std::string FolderOrPictures(const SettingsStore& settings, std::string_view section,
                             std::string_view key) {
    std::string folder = settings.GetString(section, key);
    return folder.empty() ? DefaultPictureFolder() : folder;
}

std::string BitmapSaveAsFolder(const SettingsStore& settings) {
    return FolderOrPictures(settings, settings_keys::kPreviousPaths, kBitmapSaveAsTitle);
}

std::string UntitledName(const std::string& folder, int number, std::string_view extension) {
    std::string name = "untitled" + std::to_string(number);
    name += extension;
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}


}  // namespace

bool CAnimDoc::OnNewDocument(NewDocumentKind kind) {
    undo_.Reset();
    frames_.clear();
    changed = true;
    currentFrame_ = 0;
    switch (kind) {
        case NewDocumentKind::NewImage: return NewImage();
        case NewDocumentKind::NewAnimation: return NewAnimation();
        case NewDocumentKind::Compose: isAnimation = true; return ComposeFromFiles(false);
        case NewDocumentKind::FromBrush: return FromBrush();
        case NewDocumentKind::FromClipboard: return FromClipboard();
        case NewDocumentKind::Duplicate: return Duplicate();
    }
    return false;
}

void CAnimDoc::StartSingleImage() {
    isAnimation = false;
    frameCount = 0;
    rangeEnd = 0;
    AnimFrame& frame = *AddFrames(1);
    // The number is used up even when the user then cancels.
    const int number = environment_.NextUntitledImage();
    path = UntitledName(BitmapSaveAsFolder(environment_.Settings()), number, ".bmp");
    frame.name = path;
    frame.colourMode = ColourMode::TrueColour;
}

// Every frame becomes a blank picture of the chosen size and colours. The dialog refuses
// sizes it cannot make, but a dialog answered from elsewhere is checked again here.
bool CAnimDoc::MakeBlankFrames(const NewImageModel& model) {
    Interaction& ui = environment_.Ui();
    if (!model.Refusal().empty()) {
        ui.ShowMessage(model.Refusal(), model.Title(), MessageIcon::Information);
        return false;
    }
    {
        WaitCursor wait(ui);
        bool made = true;
        for (const auto& frame : frames_) {
            made = frame->image->CreateBlank(model.BitCount(), model.Width(), model.Height());
            if (!made) break;
            frame->colourMode = model.Mode();
            frame->TakeSizeFromImage();
        }
        if (made) return true;
    }
    ui.ShowMessage(kOutOfMemory, model.Title(), MessageIcon::Exclamation);
    return false;
}

bool CAnimDoc::NewImage() {
    StartSingleImage();
    NewImageModel model;
    SettingsStore& settings = environment_.Settings();
    model.Load(settings);
    if (!environment_.Ui().RunDialog(model) || !MakeBlankFrames(model)) return false;
    model.Store(settings);
    return true;
}

bool CAnimDoc::NewAnimation() {
    isAnimation = true;
    SettingsStore& settings = environment_.Settings();
    Interaction& ui = environment_.Ui();
    const int number = environment_.NextUntitledAnimation();
    path = UntitledName(FolderOrPictures(settings, kAnimationSave, kAnimationSavePath), number, ".qua");

    FrameCountModel counts;
    counts.Load(settings);
    if (!ui.RunDialog(counts)) return false;
    if (!counts.Refusal().empty()) {
        ui.ShowMessage(counts.Refusal(), counts.Title(), MessageIcon::Information);
        return false;
    }
    frameCount = std::uint32_t(counts.Count());
    rangeEnd = counts.Count();
    AddFrames(frameCount);

    NewImageModel model(true);
    model.Load(settings);
    if (!ui.RunDialog(model) || !MakeBlankFrames(model)) return false;
    const std::string folder = BitmapSaveAsFolder(settings);
    for (const auto& frame : frames_) frame->name = UntitledName(folder, frame->index + 1, ".bmp");

    SettingsStore::Batch batch(settings);
    model.Store(settings);
    counts.Store(settings);
    return true;
}

bool CAnimDoc::FromBrush() {
    StartSingleImage();
    Interaction& ui = environment_.Ui();
    const AnimFrame* active = environment_.ActiveFrame();
    if (active == nullptr) {
        ui.ShowMessage(kNoBrushSource, kCannotMakeImage, MessageIcon::Information);
        return false;
    }
    // The brush that matches what the user is painting on.
    const bool trueColour = active->colourMode == ColourMode::TrueColour;
    const std::optional<BrushPicture> brush = environment_.GrabbedBrush(trueColour);
    if (!brush) {
        ui.ShowMessage(trueColour ? kNoTrueColourBrush : kNoPaletteBrush, kCannotMakeImage,
                       MessageIcon::Information);
        return false;
    }
    AnimFrame& frame = *FindFrame(0);
    if (!ImageFromBrush(*brush, trueColour, *frame.image)) {
        ui.ShowMessage(kNoBrushSource, kCannotMakeImage, MessageIcon::Information);
        return false;
    }
    frame.colourMode = trueColour ? ColourMode::TrueColour : ColourMode::Colours256;
    frame.TakeSizeFromImage();
    return true;
}

bool CAnimDoc::FromClipboard() {
    StartSingleImage();
    Interaction& ui = environment_.Ui();
    const std::optional<ClipboardBitmap> bitmap = environment_.ClipboardImage();
    if (!bitmap) {
        ui.ShowMessage(kNoClipboardImage, kCannotMakeImage, MessageIcon::Information);
        return false;
    }
    AnimFrame& frame = *FindFrame(0);
    if (bitmap->bitsPerPixel <= 8 || !ClipboardBitmapToDib(*bitmap, *frame.image)) {
        ui.ShowMessage(kUnsupportedClipboardImage, kCannotMakeImage, MessageIcon::Information);
        return false;
    }
    frame.colourMode = ColourMode::TrueColour;
    frame.TakeSizeFromImage();
    if (environment_.FirstClipboardPaste()) ui.ShowMessage(kClipboardNote, kNote, MessageIcon::Information);
    return true;
}

bool CAnimDoc::Duplicate() {
    StartSingleImage();
    const AnimFrame* source = environment_.ActiveFrame();
    if (source == nullptr || source->image->IsEmpty()) return false;
    AnimFrame& frame = *FindFrame(0);
    if (!source->image->CopyTo(*frame.image)) {
        environment_.Ui().ShowMessage(kOutOfMemory, kCannotMakeImage, MessageIcon::Exclamation);
        return false;
    }
    frame.colourMode = source->colourMode;
    frame.TakeSizeFromImage();
    return true;
}

}  // namespace quillor
