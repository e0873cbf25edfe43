#pragma once

#include <string>
#include <string_view>

#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

// The one-number dialogs of the filters: how strongly to sharpen or blur, and how many
// times to simplify.
class FilterAmountModel final : public DialogModel {
public:
    enum class Kind { Sharpen, Blur, Simplify };

    explicit FilterAmountModel(Kind kind);
    std::string_view Title() const override;
    std::string_view Label() const;
    // The text after the edit: "%" or "(1-5)".
    std::string_view Unit() const;

    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;

    const std::string& Text() const { return text_; }
    // Typed text; the simplify factor is kept within 1..5 as it is typed.
    void SetText(std::string_view text);
    // The number the filter receives: text that is no number reads as 0, and a factor
    // is never outside 1..5.
    int Value() const;

private:
    Kind kind_;
    std::string text_;
};

}  // namespace quillor
