#include "support/scripted_interaction.h"

#include <gtest/gtest.h>

namespace quillor::testing {

ScriptedInteraction::~ScriptedInteraction() {
    EXPECT_TRUE(questions_.empty()) << questions_.size() << " expected question(s) never asked";
    EXPECT_TRUE(dialogs_.empty()) << dialogs_.size() << " expected dialog(s) never shown, first \""
                                  << (dialogs_.empty() ? "" : dialogs_.front().title) << "\"";
    EXPECT_TRUE(openFiles_.empty() && saveFiles_.empty()) << "expected file dialog(s) never shown";
    EXPECT_EQ(waitDepth_, 0) << "wait cursor left on";
}

void ScriptedInteraction::ExpectQuestion(std::string title, Answer answer) {
    questions_.push_back({std::move(title), answer});
}
void ScriptedInteraction::ExpectOpenFile(std::optional<std::string> path) {
    openFiles_.push_back(std::move(path));
}
void ScriptedInteraction::ExpectSaveFile(std::optional<std::string> path) {
    saveFiles_.push_back(std::move(path));
}
void ScriptedInteraction::ExpectDialog(std::string title, DialogScript script) {
    dialogs_.push_back({std::move(title), std::move(script)});
}

bool ScriptedInteraction::OnlyMessageIs(const std::string& text, const std::string& title,
                                        MessageIcon icon) const {
    return messages_.size() == 1 && messages_[0].text == text && messages_[0].title == title &&
           messages_[0].icon == icon;
}

void ScriptedInteraction::ShowMessage(std::string_view text, std::string_view title,
                                      MessageIcon icon) {
    messages_.push_back({std::string(text), std::string(title), icon});
}

Answer ScriptedInteraction::Ask(std::string_view text, std::string_view title, QuestionButtons buttons,
                                MessageIcon icon) {
    questionTexts_.emplace_back(text);
    questions_asked_.push_back({std::string(text), std::string(title), buttons, icon});
    if (questions_.empty()) {
        ADD_FAILURE() << "unexpected question \"" << text << "\" titled \"" << title << "\"";
        return Answer::Cancel;
    }
    const Question q = questions_.front();
    questions_.pop_front();
    EXPECT_EQ(q.title, title) << "question \"" << text << "\"";
    return q.answer;
}

std::optional<std::string> ScriptedInteraction::ChooseFileToOpen(const FileDialogRequest& request) {
    fileRequests_.push_back(request);
    if (openFiles_.empty()) {
        ADD_FAILURE() << "unexpected open-file dialog \"" << request.title << "\"";
        return std::nullopt;
    }
    auto answer = openFiles_.front();
    openFiles_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedInteraction::ChooseFileToSave(const FileDialogRequest& request) {
    fileRequests_.push_back(request);
    if (saveFiles_.empty()) {
        ADD_FAILURE() << "unexpected save-file dialog \"" << request.title << "\"";
        return std::nullopt;
    }
    auto answer = saveFiles_.front();
    saveFiles_.pop_front();
    return answer;
}

bool ScriptedInteraction::RunDialog(DialogModel& model) {
    if (dialogs_.empty()) {
        ADD_FAILURE() << "unexpected dialog \"" << model.Title() << "\"";
        return false;
    }
    Dialog d = std::move(dialogs_.front());
    dialogs_.pop_front();
    EXPECT_EQ(d.title, model.Title());
    return d.script(model);
}

void ScriptedInteraction::BeginWait() {
    ++waitDepth_;
    ++waitCount_;
}
void ScriptedInteraction::EndWait() { --waitDepth_; }

}  // namespace quillor::testing
