#pragma once

#include <QWidget>

class QLabel;

namespace quillor {

// The CAP, NUM and SCRL panes of the status bar. They light up with the keyboard's lock
// lights where the window system tells them (X11); elsewhere they stay dim.
class LockIndicators final : public QWidget {
public:
    explicit LockIndicators(QWidget* parent = nullptr);

private:
    void Refresh();

    QLabel* caps_ = nullptr;
    QLabel* num_ = nullptr;
    QLabel* scroll_ = nullptr;
};

}  // namespace quillor
