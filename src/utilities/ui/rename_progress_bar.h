#pragma once

#include <QProgressBar>

#include "utilities/rename_progress.h"

namespace quillor {

// The renamers' bar: it follows a RenameProgress and repaints at each step, as a run
// holds the thread until it ends. It stops listening when it goes.
class RenameProgressBar : public QProgressBar {
public:
    RenameProgressBar(RenameProgress& progress, QWidget* parent);
    ~RenameProgressBar() override;

private:
    RenameProgress& progress_;
};

}  // namespace quillor
