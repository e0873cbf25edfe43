// Opening an animation or layered script, and composing a new animation from image
// files.

#include "core/text_format.h"
#include "document/anim_doc.h"
#include "document/anim_script.h"
#include "document/file_name_order.h"
#include "document/sequencer_model.h"
#include "document/true_colour_expand.h"
#include "formats/image_file_messages.h"
#include "platform/file_io.h"

namespace quillor {

namespace {

constexpr int kBlankSide = 400;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A relative frame name is looked for beside the script first, so a moved animation
// folder still opens, then in the current folder.
std::string ResolveFrameName(const std::string& name, const std::string& scriptFolder,
                             const std::string& currentFolder) {
    if (name.empty() || name.front() == '/') return name;
    const std::string besideScript = JoinPath(scriptFolder, name);
    if (FileExists(besideScript) || currentFolder.empty()) return besideScript;
    const std::string inCurrent = JoinPath(currentFolder, name);
    return FileExists(inCurrent) ? inCurrent : besideScript;
}

// Loads one frame from `file`. A file that cannot be read becomes a blank true-colour
// picture, and the user is told, naming the frame as the script or list names it. The
// layers of a layered image are made true colour, as their composition needs.
void LoadFrameOrBlank(CAnimDoc& document, AnimFrame& frame, const std::string& file, bool trueColour) {
    Interaction& ui = document.Environment().Ui();
    frame.colourMode = ColourMode::TrueColour;
    bool loaded = false;
    {
        WaitCursor wait(ui);
        loaded = document.LoadFrameImage(*frame.image, file);
        if (loaded && trueColour) loaded = ExpandToTrueColour(*frame.image);
    }
    if (!loaded) {
        ui.ShowMessage(FormatText(messages::kCannotLoadInScript, {frame.name}), messages::kLoadingError,
                       MessageIcon::Exclamation);
        frame.image->CreateBlank(24, kBlankSide, kBlankSide);
    }
    document.FinishFrameLoad(frame);
}

// The path with the extension of its file name (from the last ".") replaced, or added
// when it has none.
std::string WithExtension(const std::string& path, std::string_view extension) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? path.substr(0, dot) : path) + std::string(extension);
}

}  // namespace

void CAnimDoc::OpenScript(const std::string& filePath, bool layered) {
    isAnimation = true;
    isLayered = layered;
    frameCount = 0;
    rangeEnd = 0;
    path = filePath;
    Interaction& ui = environment_.Ui();

    ScriptContents contents;
    if (!ReadAnimationScript(filePath, layered, contents)) {
        ui.ShowMessage(FormatText(messages::kCouldNotOpen, {filePath}), messages::kFileOpeningError,
                       MessageIcon::Exclamation);
        openFailureTold = true;
        MakePlaceholder(filePath);
        return;
    }
    if (contents.status == ScriptStatus::NotValid) {
        ui.ShowMessage(FormatText(kNotAScript, {filePath}), kNotAScriptTitle, MessageIcon::Exclamation);
        openFailureTold = true;
        MakePlaceholder(filePath);
        return;
    }
    // A script without frames gives nothing to show: the window closes with "File not
    // loaded.".
    if (contents.status == ScriptStatus::Empty) {
        MakePlaceholder(filePath);
        return;
    }

    const auto count = std::uint32_t(contents.frames.size());
    frameCount = count;
    rangeEnd = int(count);
    AddFrames(count);
    environment_.AddRecentFile(filePath);
    const std::string scriptFolder = FolderOf(filePath);
    const std::string currentFolder = environment_.CurrentFolder();
    for (std::uint32_t i = 0; i < count; ++i) {
        const ScriptFrame& line = contents.frames[i];
        AnimFrame& frame = *FindFrame(int(i));
        // The name stays as the script wrote it, so saving the script again writes it
        // back unchanged.
        frame.name = line.name;
        frame.layerOn = line.layerOn;
        frame.smoothEdges = line.smoothEdges;
        frame.opacityOn = line.opacityOn;
        frame.opacity = line.opacity;
        LoadFrameOrBlank(*this, frame, ResolveFrameName(line.name, scriptFolder, currentFolder), layered);
    }
}

bool CAnimDoc::ComposeFromFiles(bool layered) {
    isAnimation = true;
    isLayered = layered;
    SettingsStore& settings = environment_.Settings();
    SequencerModel model([this](const std::string& folder) { environment_.SetCurrentFolder(folder); });
    model.Load(settings, FolderOrWorking(environment_.CurrentFolder()));
    if (!RunCheckedDialog(environment_.Ui(), model)) return false;
    model.Store(settings);

    const std::vector<std::string>& files = model.Sequence();
    undo_.Reset();
    frames_.clear();
    frameCount = std::uint32_t(files.size());
    rangeEnd = int(files.size());
    AddFrames(frameCount);
    for (std::size_t i = 0; i < files.size(); ++i) {
        AnimFrame& frame = *FindFrame(int(i));
        frame.name = files[i];
        LoadFrameOrBlank(*this, frame, files[i], layered);
    }
    // The animation is named after its first picture; nothing is written until it is
    // saved.
    path = WithExtension(files.front(), layered ? ".qul" : ".qua");
    currentFrame_ = 0;
    displayedFrame_ = -1;
    return true;
}

}  // namespace quillor
