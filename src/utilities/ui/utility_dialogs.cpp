#include "utilities/ui/utility_dialogs.h"

#include "utilities/ui/add_dot_dialog.h"
#include "utilities/ui/dot_rename_dialog.h"
#include "utilities/ui/palette_mapper_dialog.h"
#include "utilities/ui/sequential_rename_dialog.h"

namespace quillor {

void RegisterUtilityDialogs(QtInteraction& ui) {
    ui.RegisterDialog<PaletteMapperModel, PaletteMapperDialog>();
    ui.RegisterDialog<SequentialRenameModel, SequentialRenameDialog>();
    ui.RegisterDialog<DotRenameModel, DotRenameDialog>();
    ui.RegisterDialog<AddDotModel, AddDotDialog>();
}

}  // namespace quillor
