// Saving an animation or layered image: its script, its frames as image files, or both.

#include <algorithm>
#include <optional>

#include "core/text_format.h"
#include "document/anim_doc.h"
#include "document/anim_script.h"
#include "document/file_exists_model.h"
#include "document/file_name_order.h"
#include "document/save_sequence_model.h"
#include "document/select_file_type_model.h"
#include "document/sequence_save.h"
#include "formats/image_file_messages.h"
#include "formats/save_checks.h"
#include "platform/file_io.h"

namespace quillor {

namespace {

constexpr std::string_view kScriptExists = "File %s name already exists. Overwrite?.";
constexpr std::string_view kScriptExistsTitle = "File Exists";
constexpr std::string_view kCouldNotSaveScript = "Error - Could not save file %s.";
constexpr std::string_view kCouldNotSaveScriptTitle = "ERROR";
constexpr std::string_view kTypeNotWritable =
    "Quillor cannot write %s files, so nothing was saved.\nPlease choose another type.";
constexpr std::string_view kNameNotWritable =
    "'%s' does not name a file type Quillor can write, so it was not saved.";

using Reply = FileExistsModel::Reply;

// The frames asked for, each once, in frame order.
std::vector<int> FramesInOrder(std::vector<int> frames, int held) {
    std::sort(frames.begin(), frames.end());
    frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
    std::erase_if(frames, [held](int i) { return i < 0 || i >= held; });
    return frames;
}

}  // namespace

bool CAnimDoc::SaveAnimationAs() {
    if (!isAnimation) return false;
    Interaction& ui = environment_.Ui();
    if (!isLayered) {
        SelectFileTypeModel choice(SelectFileTypeModel::Question::SequenceOrMovie);
        if (!ui.RunDialog(choice)) return false;
        if (choice.Choice() == 1) return SaveAvi();
    }

    std::vector<std::string> names;
    for (int i = 0; i < HeldFrames(); ++i) names.push_back(FindFrame(i) ? FindFrame(i)->name : std::string());
    SettingsStore& settings = environment_.Settings();
    SaveSequenceModel model(isLayered, path, std::move(names),
                            [this](const std::string& folder) { environment_.SetCurrentFolder(folder); });
    model.Load(settings, FolderOrWorking(environment_.CurrentFolder()));
    if (!RunCheckedDialog(ui, model)) return false;
    model.Store(settings);
    return SaveSequence(model.Request());
}

bool CAnimDoc::SaveSequence(const SequenceSaveRequest& request) {
    if (!isAnimation) return false;
    Interaction& ui = environment_.Ui();
    // Asked for a type nothing can write, the save stops before it writes a script that
    // would name files that never come.
    if (request.newSequence && !SequenceTypeWritable(request.type)) {
        ui.ShowMessage(FormatText(kTypeNotWritable, {request.type}), messages::kCannotSave,
                       MessageIcon::Information);
        return false;
    }

    const std::string& folder = request.folder;
    const int held = HeldFrames();
    auto nameOf = [&](int index) {
        return request.newSequence ? NewSequenceName(request, index, isLayered) : FindFrame(index)->name;
    };
    // Frame files are written into the output folder; a frame's own name that is a full
    // path stays one.
    auto fileOf = [&](const std::string& name) { return name.starts_with('/') ? name : JoinPath(folder, name); };

    bool complete = true;
    std::string scriptWritten;
    if (request.writeScript) {
        const std::string scriptPath = JoinPath(folder, request.scriptName);
        environment_.SetCurrentFolder(folder);
        const bool replace = !FileExists(scriptPath) ||
                             ui.Ask(FormatText(kScriptExists, {scriptPath}), kScriptExistsTitle,
                                    QuestionButtons::YesNo, MessageIcon::Exclamation) == Answer::Yes;
        if (!replace) complete = false;
        if (replace) {
            std::vector<ScriptFrame> lines(static_cast<std::size_t>(held));
            for (int i = 0; i < held; ++i) {
                const AnimFrame& frame = *FindFrame(i);
                ScriptFrame& line = lines[std::size_t(i)];
                line.name = request.newSequence ? JoinPath(folder, nameOf(i)) : frame.name;
                line.layerOn = frame.layerOn;
                line.smoothEdges = frame.smoothEdges;
                line.opacityOn = frame.opacityOn;
                line.opacity = frame.opacity;
            }
            bool written = false;
            {
                WaitCursor wait(ui);
                written = WriteAnimationScript(scriptPath, lines, isLayered);
            }
            if (!written) {
                ui.ShowMessage(FormatText(kCouldNotSaveScript, {scriptPath}), kCouldNotSaveScriptTitle,
                               MessageIcon::Exclamation);
                return false;
            }
            scriptWritten = scriptPath;
            path = scriptPath;
        }
    }

    std::optional<Reply> standing;  // "Yes to All" or "No To All"
    for (const int index : FramesInOrder(request.frames, held)) {
        environment_.SetCurrentFolder(folder);
        const std::string name = nameOf(index);
        if (!ImageNameWritable(name)) {
            ui.ShowMessage(FormatText(kNameNotWritable, {name}), messages::kCannotSave, MessageIcon::Information);
            complete = false;
            continue;
        }
        const std::string file = fileOf(name);
        if (FileExists(file)) {
            Reply reply = Reply::Yes;
            if (standing) {
                reply = *standing == Reply::YesToAll ? Reply::Yes : Reply::No;
            } else {
                FileExistsModel question(name);
                reply = ui.RunDialog(question) ? question.GetReply() : Reply::Cancel;
            }
            if (reply == Reply::YesToAll || reply == Reply::NoToAll) standing = reply;
            if (reply == Reply::Cancel) {
                complete = false;
                break;
            }
            if (reply == Reply::No || reply == Reply::NoToAll) {
                complete = false;
                continue;
            }
        }
        // A refused frame (a depth the format cannot hold, a cancelled settings dialog)
        // is not written, and the save is not complete.
        AnimFrame& frame = *FindFrame(index);
        if (!CheckBeforeSave(name, frame.colourMode, true, environment_.FileContext()) ||
            !SaveFrameImage(file, index)) {
            complete = false;
            continue;
        }
        // The frame now lives in the file it was written to, as the script says.
        if (request.newSequence) frame.name = file;
    }

    if (!scriptWritten.empty()) environment_.AddRecentFile(scriptWritten);
    if (complete) SetChanged(false);
    NotifyTitle();
    return complete;
}

}  // namespace quillor
