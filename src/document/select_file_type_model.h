#pragma once

#include <string>

#include "platform/interaction.h"

namespace quillor {

// "Select File Type": what New and Open should make or open.
class SelectFileTypeModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Select File Type";

    // The first asks "Image" or "Animation"; the second, behind opening an animation,
    // "Image Sequence" or "AVI movie".
    enum class Question { ImageOrAnimation, SequenceOrMovie };

    explicit SelectFileTypeModel(Question question) : question_(question) {}

    std::string_view Title() const override { return kTitle; }
    Question GetQuestion() const { return question_; }
    std::string_view FirstChoice() const {
        return question_ == Question::ImageOrAnimation ? "Image" : "Image Sequence";
    }
    std::string_view SecondChoice() const {
        return question_ == Question::ImageOrAnimation ? "Animation" : "AVI movie";
    }
    // 0 the first choice, 1 the second.
    int Choice() const { return choice_; }
    void SetChoice(int choice) { choice_ = choice == 1 ? 1 : 0; }
    // Whether the second choice can be taken (the program may not read its format).
    bool SecondEnabled() const { return secondEnabled_; }
    void SetSecondEnabled(bool on) {
        secondEnabled_ = on;
        if (!on) choice_ = 0;
    }

private:
    Question question_;
    int choice_ = 0;
    bool secondEnabled_ = true;
};

}  // namespace quillor
