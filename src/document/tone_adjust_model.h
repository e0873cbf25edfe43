#pragma once

#include <functional>
#include <string_view>

#include "platform/interaction.h"

namespace quillor {

// The one-slider adjustment dialogs, "Contrast" and "Gamma Correction": a value from
// -100 to 100 that the picture follows while it moves.
class ToneAdjustModel final : public DialogModel {
public:
    enum class Kind { Contrast, Gamma };
    static constexpr int kLowest = -100;
    static constexpr int kHighest = 100;

    ToneAdjustModel(Kind kind, std::function<void(int value)> onChange);
    std::string_view Title() const override;
    std::string_view Label() const;

    int Value() const { return value_; }
    // Typed or slid: limited to -100..100, and the picture is recomputed.
    void SetValue(int value);

private:
    Kind kind_;
    std::function<void(int)> onChange_;
    int value_ = 0;
};

}  // namespace quillor
