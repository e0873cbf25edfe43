// New, Open, Save, the images made from the clipboard, a copy or the brush, printing,
// help and Exit.

#include "app/app_commands.h"
#include "app/command_table.h"
#include "app/commands/command_rules.h"
#include "app/commands/shell.h"
#include "document/select_file_type_model.h"
#include "formats/image_file_type.h"
#include "document/document_environment.h"
#include "formats/image_file_dialogs.h"

namespace quillor {

namespace {

using namespace command_rules;

void New(CommandContext& c) {
    SelectFileTypeModel choice(SelectFileTypeModel::Question::ImageOrAnimation);
    if (!c.ui.RunDialog(choice)) return;
    c.shell.NewDocument(choice.Choice() == 0 ? NewDocumentKind::NewImage : NewDocumentKind::NewAnimation);
}

void OpenImage(CommandContext& c) {
    if (auto path = ChooseImageFileToOpen(c.environment.FileContext())) c.shell.OpenPath(*path);
}

constexpr std::string_view kSequenceFilter =
    "Animation Sequence Script File (*.qua)|*.qua|Layered Image Script File (*.qul)|*.qul|"
    "All Files (*.*)|*.*|";

// An animation sequence script: the name gets ".qua" unless it names a script already.
void OpenSequence(CommandContext& c) {
    FileDialogRequest request;
    request.title = "Open";
    request.settingsKey = "Anim Open";
    request.filter = std::string(kSequenceFilter);
    request.defaultExtension = "qua";
    std::optional<std::string> path = ChooseFileRemembering(request, false, c.environment.FileContext());
    if (!path) return;
    if (!EndsWithNoCase(*path, ".qua") && !EndsWithNoCase(*path, ".qul")) *path += ".qua";
    c.shell.OpenPath(*path);
}

// An AVI movie: the name gets ".avi" unless it ends so already.
void OpenAvi(CommandContext& c) {
    FileDialogRequest request;
    request.title = "Open AVI";
    request.settingsKey = "AVI Load";
    request.filter = "AVI Files (*.avi)|*.avi|All Files (*.*)|*.*|";
    request.defaultExtension = "avi";
    std::optional<std::string> path = ChooseFileRemembering(request, false, c.environment.FileContext());
    if (!path) return;
    if (!EndsWithNoCase(*path, ".avi")) *path += ".avi";
    c.shell.OpenPath(*path);
}

void OpenAnimation(CommandContext& c) {
    SelectFileTypeModel choice(SelectFileTypeModel::Question::SequenceOrMovie);
    if (!c.ui.RunDialog(choice)) return;
    if (choice.Choice() == 0) OpenSequence(c);
    else OpenAvi(c);
}

void Open(CommandContext& c) {
    SelectFileTypeModel choice(SelectFileTypeModel::Question::ImageOrAnimation);
    if (!c.ui.RunDialog(choice)) return;
    if (choice.Choice() == 0) OpenImage(c);
    else OpenAnimation(c);
}

template <NewDocumentKind kind>
void Make(CommandContext& c) {
    c.shell.NewDocument(kind);
}

constexpr Command kCommands[] = {
    {cmd::kNew, Always, nullptr, New},
    {cmd::kOpen, Always, nullptr, Open},
    {cmd::kImageNew, Always, nullptr, Make<NewDocumentKind::NewImage>},
    {cmd::kAnimNew, Always, nullptr, Make<NewDocumentKind::NewAnimation>},
    {cmd::kImageOpen, Always, nullptr, OpenImage},
    {cmd::kAnimOpen, Always, nullptr, OpenAnimation},
    {cmd::kOpenAvi, Always, nullptr, OpenAvi},
    {cmd::kCompose, Always, nullptr, Make<NewDocumentKind::Compose>},
    {cmd::kPasteImage, Always, nullptr, Make<NewDocumentKind::FromClipboard>},
    {cmd::kDuplicateImage, HasDocument, nullptr, Make<NewDocumentKind::Duplicate>},
    {cmd::kImageFromBrush, Always, nullptr, Make<NewDocumentKind::FromBrush>},
    {cmd::kSave, HasDocument, nullptr, [](CommandContext& c) { c.document->Save(); }},
    {cmd::kSaveAs, HasDocument, nullptr, [](CommandContext& c) { c.document->SaveAs(); }},
    {cmd::kCopy, HasDocument, nullptr, [](CommandContext& c) { c.shell.CopyFrameToClipboard(); }},
    {cmd::kPrint, HasDocument, nullptr, [](CommandContext& c) { c.shell.Print(); }},
    {cmd::kPrintPreview, HasDocument, nullptr, [](CommandContext& c) { c.shell.PrintPreview(); }},
    {cmd::kPrintSetup, Always, nullptr, [](CommandContext& c) { c.shell.PrintSetup(); }},
    {cmd::kHelp, Always, nullptr, [](CommandContext& c) { c.shell.ShowHelp(); }},
    {cmd::kAbout, Always, nullptr, [](CommandContext& c) { c.shell.ShowAbout(); }},
    {cmd::kExit, Always, nullptr, [](CommandContext& c) { c.shell.Exit(); }},
};

}  // namespace

std::span<const Command> FileCommands() { return kCommands; }

}  // namespace quillor
