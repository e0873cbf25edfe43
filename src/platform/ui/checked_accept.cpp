#include "platform/ui/checked_accept.h"

#include <QMessageBox>

#include "platform/ui/qt_interaction.h"

namespace quillor {

bool RefusedOk(QDialog* dialog, const CheckedDialogModel& model) {
    const std::optional<OkRefusal> refusal = model.CheckOk();
    if (!refusal) return false;
    QMessageBox box(ToQtIcon(refusal->icon), ToQString(refusal->title), ToQString(refusal->text), QMessageBox::Ok,
                    dialog);
    box.exec();
    return true;
}

}  // namespace quillor
