#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <typeindex>

#include "platform/interaction.h"

namespace quillor {

// Talks to the user with real windows: message boxes, file dialogs, the dialogs bound to
// each dialog model, and the wait cursor.
class QtInteraction final : public Interaction {
public:
    using DialogRunner = std::function<bool(DialogModel&, QWidget* parent)>;

    explicit QtInteraction(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    // Binds a model type to the Qt dialog that shows it.
    template <typename Model, typename Dialog>
    void RegisterDialog() {
        runners_[std::type_index(typeid(Model))] = [](DialogModel& model, QWidget* parent) {
            Dialog dialog(static_cast<Model&>(model), parent);
            return dialog.exec() == QDialog::Accepted;
        };
    }
    bool CanShow(const DialogModel& model) const;

    void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
    Answer Ask(std::string_view text, std::string_view title, QuestionButtons buttons,
               MessageIcon icon) override;
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
    bool RunDialog(DialogModel& model) override;
    void BeginWait() override;
    void EndWait() override;
    void Progress(std::string_view what, int done, int total) override;

private:
    std::unique_ptr<QProgressDialog> progress_;
    QWidget* parent_;
    std::map<std::type_index, DialogRunner> runners_;
};

// Converts between the program's strings (UTF-8) and Qt's.
QString ToQString(std::string_view text);
std::string FromQString(const QString& text);
QMessageBox::Icon ToQtIcon(MessageIcon icon);

}  // namespace quillor
