// New, Open, Save, the images made from the clipboard, a copy or the brush, printing,
// help and Exit.

#include "app/app_commands.h"
#include "app/command_table.h"
#include "app/commands/command_rules.h"
#include "app/commands/shell.h"
#include "app/select_file_type_model.h"
#include "document/document_environment.h"

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

void Open(CommandContext& c) {
    SelectFileTypeModel choice(SelectFileTypeModel::Question::ImageOrAnimation);
    // The program reads no animation scripts or movies: only images open.
    choice.SetSecondEnabled(false);
    if (!c.ui.RunDialog(choice)) return;
    if (choice.Choice() == 0) OpenImage(c);
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
    {cmd::kPasteImage, Always, nullptr, Make<NewDocumentKind::FromClipboard>},
    {cmd::kDuplicateImage, HasDocument, nullptr, Make<NewDocumentKind::Duplicate>},
    {cmd::kImageFromBrush, Always, nullptr, Make<NewDocumentKind::FromBrush>},
    {cmd::kSave, HasSingleImage, nullptr, [](CommandContext& c) { c.document->Save(); }},
    {cmd::kSaveAs, HasSingleImage, nullptr, [](CommandContext& c) { c.document->SaveAs(); }},
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
