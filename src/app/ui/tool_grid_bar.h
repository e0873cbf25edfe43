#pragma once

#include <QToolBar>
#include <functional>
#include <vector>

class QGridLayout;
class QToolButton;

namespace quillor {

// The "Tools" bar: its buttons sit two to a row (two to a column when the bar is docked
// along the top or bottom).
class ToolGridBar final : public QToolBar {
public:
    ToolGridBar(const QString& title, QWidget* parent = nullptr);
    void AddAction(QAction* action);
    // Called with a button's command when the button is clicked with the right button.
    std::function<void(int)> onRightClick;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Relayout();

    QWidget* grid_ = nullptr;
    QGridLayout* layout_ = nullptr;
    std::vector<QToolButton*> buttons_;
};

}  // namespace quillor
