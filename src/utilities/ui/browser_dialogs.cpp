#include "utilities/ui/browser_dialogs.h"

#include "utilities/ui/browser_name_dialogs.h"
#include "utilities/ui/image_browser_dialog.h"

namespace quillor {

void RegisterBrowserDialogs(QtInteraction& ui) {
    ui.RegisterDialog<ImageBrowserModel, ImageBrowserDialog>();
    ui.RegisterDialog<BrowserSearchModel, BrowserSearchDialog>();
    ui.RegisterDialog<BrowserFileOperationModel, BrowserFileOperationDialog>();
}

}  // namespace quillor
