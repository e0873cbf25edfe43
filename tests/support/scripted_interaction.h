#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/interaction.h"

namespace quillor::testing {

struct RecordedMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
};

struct RecordedQuestion {
    std::string text;
    std::string title;
    QuestionButtons buttons;
    MessageIcon icon;
};

// Stands in for the user. Every message is recorded; questions, file dialogs and
// dialogs are answered from queues the test fills beforehand, and anything the test did
// not expect fails it. Expectations left unused when the fake is destroyed fail too.
class ScriptedInteraction final : public Interaction {
public:
    using DialogScript = std::function<bool(DialogModel&)>;

    ~ScriptedInteraction() override;

    void ExpectQuestion(std::string title, Answer answer);
    void ExpectOpenFile(std::optional<std::string> path);
    void ExpectSaveFile(std::optional<std::string> path);
    void ExpectDialog(std::string title, DialogScript script);
    // Shorthand for a dialog of model type M.
    template <typename M>
    void ExpectDialogOf(std::string title, std::function<bool(M&)> script) {
        ExpectDialog(std::move(title), [script](DialogModel& model) {
            auto* typed = dynamic_cast<M*>(&model);
            return typed != nullptr && script(*typed);
        });
    }

    const std::vector<RecordedMessage>& Messages() const { return messages_; }
    const std::vector<std::string>& QuestionsAsked() const { return questionTexts_; }
    const std::vector<RecordedQuestion>& Questions() const { return questions_asked_; }
    const std::vector<FileDialogRequest>& FileRequests() const { return fileRequests_; }
    // True when exactly one message was shown and it matches.
    bool OnlyMessageIs(const std::string& text, const std::string& title, MessageIcon icon) const;
    void ClearMessages() { messages_.clear(); }
    int WaitDepth() const { return waitDepth_; }
    int WaitCount() const { return waitCount_; }

    void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
    Answer Ask(std::string_view text, std::string_view title, QuestionButtons buttons,
               MessageIcon icon) override;
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
    bool RunDialog(DialogModel& model) override;
    void BeginWait() override;
    void EndWait() override;
    void Progress(std::string_view, int done, int total) override { progress.emplace_back(done, total); }
    // Every progress report, as (done, total).
    std::vector<std::pair<int, int>> progress;

private:
    struct Question {
        std::string title;
        Answer answer;
    };
    struct Dialog {
        std::string title;
        DialogScript script;
    };
    std::vector<RecordedMessage> messages_;
    std::vector<std::string> questionTexts_;
    std::vector<RecordedQuestion> questions_asked_;
    std::vector<FileDialogRequest> fileRequests_;
    std::deque<Question> questions_;
    std::deque<std::optional<std::string>> openFiles_;
    std::deque<std::optional<std::string>> saveFiles_;
    std::deque<Dialog> dialogs_;
    int waitDepth_ = 0;
    int waitCount_ = 0;
};

}  // namespace quillor::testing
