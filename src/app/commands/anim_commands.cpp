// The "Anim" menu: copying, removing and naming frames, moving between them, playback
// and its controls, and the commands of layered images.

#include "app/command_table.h"
#include "app/commands/command_rules.h"
#include "app/commands/shell.h"
#include "document/animation_controls_model.h"
#include "document/document_environment.h"
#include "document/frame_name_model.h"
#include "document/goto_frame_model.h"
#include "document/layer_commands.h"
#include "document/layer_compile.h"
#include "document/layer_settings_model.h"
#include "document/playback.h"
#include "tools/tool_context.h"

namespace quillor {

namespace {

constexpr std::string_view kOnlyFrame = "This is the only frame in the animation. Delete aborted.";
constexpr std::string_view kCannotDelete = "Cannot Delete";
constexpr std::string_view kDeleteQuestion =
    "Are you sure you want to delete this frame from the animation sequence?";
constexpr std::string_view kDeleteTitle = "Delete Frame";

bool IsAnimation(const CommandContext& c) { return c.document != nullptr && c.document->isAnimation; }
bool IsPlainAnimation(const CommandContext& c) { return IsAnimation(c) && !c.document->isLayered; }
bool IsLayered(const CommandContext& c) { return c.document != nullptr && c.document->isLayered; }

// Playback belongs to the view that starts it: the active window's, which need not hold
// the keyboard (a toolbar button starts it too).
const void* ThisView(const CommandContext& c) { return c.shell.ActiveViewId(); }
std::uint64_t Now(CommandContext& c) { return c.environment.Clock().NowMs(); }

// Shows another frame; the compiled image of a layered document is built afresh first.
void GoToFrame(CommandContext& c, int index) {
    CAnimDoc& document = *c.document;
    if (document.isLayered && index == 0) CompileLayers(document);
    document.ShowFrame(index);
}

int FrameTotal(const CAnimDoc& document) { return document.HeldFrames(); }

void Back(CommandContext& c) {
    const int previous = c.document->CurrentFrame() - 1;
    GoToFrame(c, previous < 0 ? FrameTotal(*c.document) - 1 : previous);
}

void Advance(CommandContext& c) {
    const int next = c.document->CurrentFrame() + 1;
    GoToFrame(c, next > FrameTotal(*c.document) - 1 ? 0 : next);
}

void Duplicate(CommandContext& c) {
    CAnimDoc& document = *c.document;
    const int current = document.CurrentFrame();
    if (document.InsertFrameCopy(current)) document.ShowFrame(current + 1);
}

void Delete(CommandContext& c) {
    CAnimDoc& document = *c.document;
    if (document.HeldFrames() <= 1) {
        c.ui.ShowMessage(kOnlyFrame, kCannotDelete, MessageIcon::Exclamation);
        return;
    }
    if (c.ui.Ask(kDeleteQuestion, kDeleteTitle, QuestionButtons::YesNo, MessageIcon::Exclamation) !=
        Answer::Yes)
        return;
    if (document.DeleteFrame(document.CurrentFrame())) document.ShowFrame(document.CurrentFrame());
}

void GoTo(CommandContext& c) {
    if (const std::optional<int> index = AskGotoFrame(*c.document, c.ui)) GoToFrame(c, *index);
}

void Controls(CommandContext& c) {
    EditAnimationControls(*c.document, c.ui, c.environment.Settings());
}

void ViewCompiled(CommandContext& c) { GoToFrame(c, 0); }

constexpr Command kCommands[] = {
    {cmd::kDuplicateFrame, IsPlainAnimation, nullptr, Duplicate},
    {cmd::kDeleteFrame, IsPlainAnimation, nullptr, Delete},
    {cmd::kChangeFrameName, IsAnimation, nullptr,
     [](CommandContext& c) { ChangeFrameName(*c.document, c.ui); }},
    {cmd::kBackFrame, IsAnimation, nullptr, Back},
    {cmd::kAdvanceFrame, IsAnimation, nullptr, Advance},
    {cmd::kGotoFrame, IsAnimation, nullptr, GoTo},
    {cmd::kPlayLoop, IsPlainAnimation, nullptr,
     [](CommandContext& c) { PlayLoop(*c.document, ThisView(c), Now(c)); }},
    {cmd::kPlayOnce, IsPlainAnimation, nullptr,
     [](CommandContext& c) { PlayOnce(*c.document, ThisView(c), Now(c)); }},
    {cmd::kPlayPingPong, IsPlainAnimation, nullptr,
     [](CommandContext& c) { PlayPingPong(*c.document, ThisView(c), Now(c)); }},
    // A layered document never plays: its Stop would start a loop through its layers.
    {cmd::kStopAnimation, IsPlainAnimation, nullptr,
     [](CommandContext& c) { StopAnimation(*c.document, ThisView(c)); }},
    {cmd::kAnimationControls, IsPlainAnimation, nullptr, Controls},
    {cmd::kViewCompiled, IsLayered, nullptr, ViewCompiled},
    {cmd::kLayerOn, IsLayered, nullptr, [](CommandContext& c) { SetLayerOn(*c.document, c.ui, true); }},
    {cmd::kLayerOff, IsLayered, nullptr, [](CommandContext& c) { SetLayerOn(*c.document, c.ui, false); }},
    {cmd::kLayerSettings, IsLayered, nullptr,
     [](CommandContext& c) { EditLayerSettings(*c.document, c.ui); }},
};

}  // namespace

std::span<const Command> AnimCommands() { return kCommands; }

}  // namespace quillor
