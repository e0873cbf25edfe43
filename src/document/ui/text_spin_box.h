#pragma once

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <functional>

namespace quillor {

// An edit box with spin arrows whose text and steps both belong to a model: whatever the
// user types goes to `edited`, which answers with the text the box should hold (the
// model's own corrections included), and the arrows, the arrow keys and the wheel go to
// `stepped`, which answers with the text after the step. Unlike QSpinBox it never
// refuses or reshapes typing on its own, so the model's typing rules hold exactly.
class TextSpinBox final : public QAbstractSpinBox {
public:
    using Edited = std::function<QString(const QString& typed)>;
    using Stepped = std::function<QString(int steps)>;

    // `maxLength` of 0 leaves the length free.
    TextSpinBox(const QString& text, int maxLength, Edited edited, Stepped stepped, QWidget* parent = nullptr);

    void stepBy(int steps) override;
    QLineEdit* Editor() const { return lineEdit(); }

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    Edited edited_;
    Stepped stepped_;
};

}  // namespace quillor
