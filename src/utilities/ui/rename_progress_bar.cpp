#include "utilities/ui/rename_progress_bar.h"

namespace quillor {

RenameProgressBar::RenameProgressBar(RenameProgress& progress, QWidget* parent)
    : QProgressBar(parent), progress_(progress) {
    setRange(0, 1);
    setValue(0);
    setTextVisible(false);
    progress_.SetListener([this](int value, int maximum) {
        setRange(0, maximum > 0 ? maximum : 1);
        setValue(value);
        repaint();
    });
}

RenameProgressBar::~RenameProgressBar() { progress_.SetListener({}); }

}  // namespace quillor
