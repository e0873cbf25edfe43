// The file utilities: the picture browser, the palette mapper, the renamers and the
// desktop's file associations. They work on files, not on the open documents.

#include "app/command_table.h"
#include "app/commands/command_rules.h"
#include "app/commands/shell.h"
#include "document/document_environment.h"
#include "platform/program_path.h"
#include "utilities/desktop_class_registry.h"
#include "utilities/dot_rename_model.h"
#include "utilities/file_associations.h"
#include "utilities/image_browser_model.h"
#include "utilities/palette_mapper_model.h"
#include "utilities/sequential_rename_model.h"

namespace quillor {

namespace {

using namespace command_rules;

void Browse(CommandContext& c) {
    if (auto path = RunBrowseFiles(c.ui, c.environment.Settings())) c.shell.OpenPath(*path);
}

void FileAssociations(CommandContext& c) {
    DesktopClassRegistry registry(DesktopClassRegistry::FromEnvironment());
    RunFileAssociations(c.ui, c.environment.Settings(), registry, RunningProgramPath());
}

constexpr Command kCommands[] = {
    {cmd::kBrowse, Always, nullptr, Browse},
    {cmd::kBatchRemap, Always, nullptr, [](CommandContext& c) { RunPaletteMapper(c.ui, c.environment.Settings()); }},
    {cmd::kSequentialRename, Always, nullptr,
     [](CommandContext& c) { RunSequentialRename(c.ui, c.environment.Settings()); }},
    {cmd::kDotRename, Always, nullptr, [](CommandContext& c) { RunDotRename(c.ui, c.environment.Settings()); }},
    {cmd::kFileAssociations, Always, nullptr, FileAssociations},
};

}  // namespace

std::span<const Command> UtilityCommands() { return kCommands; }

}  // namespace quillor
