#include "palette/ui/palette_dialogs.h"

#include "palette/ui/spread_palettes_dialog.h"

namespace quillor {

void RegisterPaletteDialogs(QtInteraction& ui) {
    ui.RegisterDialog<SpreadPalettesModel, SpreadPalettesDialog>();
}

}  // namespace quillor
