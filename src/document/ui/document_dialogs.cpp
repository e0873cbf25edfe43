#include "document/ui/document_dialogs.h"

#include "document/ui/frame_count_dialog.h"
#include "document/ui/new_image_dialog.h"

namespace quillor {

void RegisterDocumentDialogs(QtInteraction& ui) {
    ui.RegisterDialog<NewImageModel, NewImageDialog>();
    ui.RegisterDialog<FrameCountModel, FrameCountDialog>();
}

}  // namespace quillor
