#pragma once

#include <QDialog>

#include "platform/interaction.h"

namespace quillor {

// The check a dialog makes in its accept(): true, after showing the model's refusal in a
// message box over the dialog, when OK must not close it.
bool RefusedOk(QDialog* dialog, const CheckedDialogModel& model);

}  // namespace quillor
