#include "document/ui/document_dialogs.h"

#include "document/ui/avi_compressor_dialog.h"
#include "document/ui/avi_load_options_dialog.h"
#include "document/ui/avi_save_settings_dialog.h"
#include "document/ui/colour_balance_dialog.h"
#include "document/ui/colour_depth_dialog.h"
#include "document/ui/filter_amount_dialog.h"
#include "document/ui/resize_dialog.h"
#include "document/ui/tone_adjust_dialog.h"
#include "document/ui/file_exists_dialog.h"
#include "document/ui/frame_count_dialog.h"
#include "document/ui/new_image_dialog.h"
#include "document/ui/save_sequence_dialog.h"
#include "document/ui/sequencer_dialog.h"

namespace quillor {

void RegisterDocumentDialogs(QtInteraction& ui) {
    ui.RegisterDialog<NewImageModel, NewImageDialog>();
    ui.RegisterDialog<FrameCountModel, FrameCountDialog>();
    ui.RegisterDialog<SequencerModel, SequencerDialog>();
    ui.RegisterDialog<SaveSequenceModel, SaveSequenceDialog>();
    ui.RegisterDialog<FileExistsModel, FileExistsDialog>();
    ui.RegisterDialog<ColourDepthModel, ColourDepthDialog>();
    ui.RegisterDialog<ResizeModel, ResizeDialog>();
    ui.RegisterDialog<FilterAmountModel, FilterAmountDialog>();
    ui.RegisterDialog<ToneAdjustModel, ToneAdjustDialog>();
    ui.RegisterDialog<ColourBalanceModel, ColourBalanceDialog>();
    ui.RegisterDialog<AviLoadOptionsModel, AviLoadOptionsDialog>();
    ui.RegisterDialog<AviSaveSettingsModel, AviSaveSettingsDialog>();
    ui.RegisterDialog<AviCompressorModel, AviCompressorDialog>();
}

}  // namespace quillor
