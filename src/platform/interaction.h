#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/work_progress.h"

namespace quillor {

enum class MessageIcon { None, Information, Exclamation, Question, Stop };
enum class QuestionButtons { OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    std::string title;          // also the "Previous Paths" key, unless settingsKey names one
    std::string filter;         // "Name (*.ext)|*.ext|..." as the program's tables write it
    std::string folder;         // where the dialog starts
    std::string fileName;       // initial file name
    std::string defaultExtension;
    bool confirmOverwrite = false;
    // The "Previous Paths" key the dialog's folder is remembered under, when it is not
    // the title (the palette dialogs remember under "Palette Save" and "Palette Load").
    std::string settingsKey;
};

// The state and rules of one dialog, independent of any toolkit. The toolkit side shows
// a window bound to the model; tests drive the model directly.
class DialogModel {
public:
    virtual ~DialogModel() = default;
    virtual std::string_view Title() const = 0;
};

// What OK refuses in a dialog that checks its values: the message to show before the
// dialog opens again with the values the user left in it.
struct OkRefusal {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Information;
};

// A dialog whose OK may be refused. The toolkit side asks CheckOk before it closes and
// stays open on a refusal; RunCheckedDialog asks again, so that a dialog answered from
// elsewhere (a test, a script) obeys the same rule.
class CheckedDialogModel : public DialogModel {
public:
    virtual std::optional<OkRefusal> CheckOk() const = 0;
};

// The only way program logic talks to the user: messages, questions, file choice,
// dialogs and the wait cursor. The window program implements it with real windows, the
// command line with the terminal and the tests with a scripted fake.
class Interaction {
public:
    virtual ~Interaction() = default;

    virtual void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) = 0;
    virtual Answer Ask(std::string_view text, std::string_view title, QuestionButtons buttons,
                       MessageIcon icon) = 0;
    virtual std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) = 0;
    // Shows the dialog for `model`; true when the user pressed OK. The model holds the
    // values the user left in it either way.
    virtual bool RunDialog(DialogModel& model) = 0;

    virtual void BeginWait() = 0;
    virtual void EndWait() = 0;
    // Long work says how far it has come, between BeginWait and EndWait: `done` of
    // `total` steps of `what`. The windows show a progress bar once the work has taken
    // a moment, and stay painted; done == total ends the bar.
    virtual void Progress(std::string_view /*what*/, int /*done*/, int /*total*/) {}
};

// Runs the dialog until the user cancels (false) or OK is not refused (true); every
// refusal is shown before the dialog opens again.
inline bool RunCheckedDialog(Interaction& ui, CheckedDialogModel& model) {
    while (ui.RunDialog(model)) {
        const std::optional<OkRefusal> refusal = model.CheckOk();
        if (!refusal) return true;
        ui.ShowMessage(refusal->text, refusal->title, refusal->icon);
    }
    return false;
}

// Shows the wait cursor for as long as it lives, and restores the previous one.
class WaitCursor {
public:
    explicit WaitCursor(Interaction& ui) : ui_(ui) { ui_.BeginWait(); }
    // Also shows progress titled `what`, in percent, from what the work itself reports
    // (see WorkProgress) while this cursor is up.
    WaitCursor(Interaction& ui, std::string_view what) : ui_(ui), what_(what) {
        ui_.BeginWait();
        progress_.emplace([this](int percent) {
            shown_ = percent;
            ui_.Progress(what_, percent, 100);
        });
    }
    ~WaitCursor() {
        progress_.reset();
        // Work that stopped short (a failure) still takes its bar away.
        if (shown_ >= 0 && shown_ < 100) ui_.Progress(what_, 100, 100);
        ui_.EndWait();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Interaction& ui_;
    std::string what_;
    std::optional<WorkProgress> progress_;
    int shown_ = -1;
};

}  // namespace quillor
