#include "document/anim_doc.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/text_format.h"
#include "document/document_title.h"
#include "document/frame_image_io.h"
#include "formats/image_file_messages.h"
#include "formats/image_file_type.h"

namespace quillor {

namespace {

constexpr char kAnimationControls[] = "Animation Controls";
constexpr char kFramesPerSecond[] = "Frames Per Second";
constexpr float kDefaultFramesPerSecond = 2.0f;
constexpr char kErrorPath[] = "Error.ERR";

constexpr std::string_view kImageExtensions[] = {".bmp", ".jpg", ".jpeg", ".pax", ".tla", ".png",
                                                 ".psd", ".tga", ".tif", ".tiff", ".pcx"};
constexpr std::string_view kKeptExtensions[] = {".bmp", ".jpg", ".jpeg", ".pax", ".tla",
                                                ".pcx", ".png", ".psd", ".tga", ".tif",
                                                ".tiff", ".avi", ".qua", ".qul"};

// The lower-cased extension of the file name, from its last "." on; a dot in a folder
// name is no extension.
std::string LowerExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return LowerAscii(std::string_view(path).substr(dot));
}

float ReadFramesPerSecond(const SettingsStore& settings) {
    const std::string text = settings.GetString(kAnimationControls, kFramesPerSecond);
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin != end && *begin == ' ') ++begin;
    float value = 0.0f;
    const auto [stop, error] = std::from_chars(begin, end, value);
    (void)stop;
    // A rate of 0, a negative one or none at all would stop playback dead.
    if (error != std::errc() || !std::isfinite(value) || value <= 0.0f) return kDefaultFramesPerSecond;
    return value;
}

}  // namespace

bool IsDocumentPath(const std::string& path) {
    const std::string lower = LowerAscii(path);
    return std::any_of(std::begin(kKeptExtensions), std::end(kKeptExtensions),
                       [&](std::string_view ext) { return lower.ends_with(ext); });
}

CAnimDoc::CAnimDoc(DocumentEnvironment& environment) : environment_(environment) {
    // The painting table holds the default table's numbers as they are, entry for entry.
    const auto& defaults = DefaultColourTable();
    std::copy(defaults.begin(), defaults.end(), colourTable_.begin());
    framesPerSecond = ReadFramesPerSecond(environment.Settings());
    frameDelay = 1.0f / framesPerSecond;
}

CAnimDoc::~CAnimDoc() = default;

// --- Frames -----------------------------------------------------------------------------

AnimFrame* CAnimDoc::AddFrames(std::uint32_t count) {
    AnimFrame* last = nullptr;
    for (std::uint32_t i = 0; i < count; ++i) {
        frames_.push_back(std::make_unique<AnimFrame>());
        last = frames_.back().get();
        last->index = int(i);
    }
    return last;
}

AnimFrame* CAnimDoc::FindFrame(int index) {
    for (const auto& frame : frames_)
        if (frame->index == index) return frame.get();
    return nullptr;
}

const AnimFrame* CAnimDoc::FindFrame(int index) const {
    return const_cast<CAnimDoc*>(this)->FindFrame(index);
}

bool CAnimDoc::LoadFrameImage(COXDIB& image, const std::string& filePath) {
    return quillor::LoadFrameImage(image, filePath, environment_.FileContext());
}

void CAnimDoc::FinishFrameLoad(AnimFrame& frame) {
    if (frame.image->IsEmpty()) return;
    frame.colourMode = FinishImageLoad(*frame.image);
    frame.TakeSizeFromImage();
    if (frame.colourMode == ColourMode::Colours16 || frame.colourMode == ColourMode::Mono)
        foreground_ = 1;
}

bool CAnimDoc::SaveFrameImage(const std::string& filePath, int index) {
    bool saved = false;
    {
        WaitCursor wait(environment_.Ui());
        const AnimFrame* frame = FindFrame(index);
        if (frame == nullptr) return false;
        saved = SaveImageInMode(*frame->image, frame->colourMode, filePath, environment_.FileContext());
    }
    // A file that was never written has no place among the recent files.
    if (saved) environment_.AddRecentFile(filePath);
    return saved;
}

// --- Opening ------------------------------------------------------------------------------

void CAnimDoc::Open(const std::string& filePath) {
    undo_.Reset();
    frames_.clear();
    const std::string extension = LowerExtension(filePath);
    if (extension == ".qua" || extension == ".qul") {
        OpenScript(filePath, extension == ".qul");
    } else if (extension == ".avi") {
        OpenAvi(filePath);
    } else if (std::find(std::begin(kImageExtensions), std::end(kImageExtensions), extension) !=
               std::end(kImageExtensions)) {
        OpenSingleImage(filePath);
    } else {
        OpenOther(filePath);
    }
    changed = false;
    currentFrame_ = 0;
    displayedFrame_ = -1;
}

bool CAnimDoc::IsKept() const { return IsDocumentPath(path); }

void CAnimDoc::OpenSingleImage(const std::string& filePath) {
    isAnimation = false;
    frameCount = 0;
    rangeEnd = 0;
    AnimFrame& frame = *AddFrames(1);
    path = filePath;
    frame.name = filePath;
    frame.colourMode = ColourMode::TrueColour;

    LoadOutcome outcome = LoadOutcome::Failed;
    const bool loaded = quillor::LoadFrameImage(*frame.image, filePath, environment_.FileContext(), &outcome);
    if (!loaded) {
        // A cancelled page or password prompt, a refused password or a reported file
        // error has already had its answer; a second message would only repeat it.
        openFailureTold = true;
        if (outcome == LoadOutcome::Failed)
            environment_.Ui().ShowMessage(FormatText(messages::kCannotLoad, {filePath}),
                                          messages::kLoadingError, MessageIcon::Exclamation);
        MakePlaceholder(filePath);
    }
    FinishFrameLoad(frame);
    if (loaded) environment_.AddRecentFile(filePath);
}

void CAnimDoc::OpenOther(const std::string& filePath) {
    isAnimation = false;
    frameCount = 0;
    MakePlaceholder(filePath);
}

void CAnimDoc::MakePlaceholder(const std::string& name) {
    AnimFrame* frame = FindFrame(0);
    if (frame == nullptr) frame = AddFrames(1);
    frame->image->CreateBlank(24, 40, 1);
    frame->colourMode = ColourMode::TrueColour;
    frame->name = name;
    frame->TakeSizeFromImage();
    path = kErrorPath;
}

// --- Titles -----------------------------------------------------------------------------

bool CAnimDoc::ShowFrame(int index) {
    if (FindFrame(index) == nullptr) return false;
    currentFrame_ = index;
    displayedFrame_ = -1;
    NotifyTitle();
    return true;
}

void CAnimDoc::DisplayPlaybackFrame(int index) {
    if (FindFrame(index) == nullptr) return;
    displayedFrame_ = index;
    NotifyTitle();
}

std::string CAnimDoc::Title() const {
    const AnimFrame* frame = FindFrame(ShownFrame());
    if (frame == nullptr) return path;
    TitleParts parts;
    parts.path = path;
    parts.frameName = frame->name;
    parts.currentFolder = environment_.CurrentFolder();
    parts.index = frame->index;
    parts.frameCount = std::int64_t(frameCount);
    parts.layered = isLayered;
    parts.layerOn = frame->layerOn;
    parts.colourMode = frame->colourMode;
    return DocumentTitle(parts);
}

void CAnimDoc::NotifyTitle() {
    observers_.ForEach([this](DocumentObserver& o) { o.OnTitleChanged(*this); });
}

// --- Colours ------------------------------------------------------------------------------

void CAnimDoc::SetForeground(std::uint8_t index) {
    if (foreground_ == index) return;
    foreground_ = index;
    NotifyColours();
}

void CAnimDoc::SetBackground(std::uint8_t index) {
    if (background_ == index) return;
    background_ = index;
    NotifyColours();
}

void CAnimDoc::SetTableColour(std::uint8_t index, ColourRef colour) {
    if (colourTable_[index] == colour) return;
    colourTable_[index] = colour;
    NotifyColours();
}

void CAnimDoc::SetColourTable(const ColourTable& colours) {
    if (colourTable_ == colours) return;
    colourTable_ = colours;
    NotifyColours();
}

void CAnimDoc::NotifyColours() {
    observers_.ForEach([this](DocumentObserver& o) { o.OnColoursChanged(*this); });
}

// --- Changes ------------------------------------------------------------------------------

void CAnimDoc::FramesChanged(int frameIndex) {
    SetChanged(true);
    observers_.ForEach([this, frameIndex](DocumentObserver& o) { o.OnFramesChanged(*this, frameIndex); });
}

void CAnimDoc::FrameRemade(int frameIndex) {
    FramesChanged(frameIndex);
    NotifyTitle();
    NotifyColours();
}

void CAnimDoc::RedrawFrames(int frameIndex) {
    observers_.ForEach([this, frameIndex](DocumentObserver& o) { o.OnFramesChanged(*this, frameIndex); });
}

void CAnimDoc::SetChanged(bool value) {
    if (changed == value) return;
    changed = value;
    NotifyTitle();
}

}  // namespace quillor
