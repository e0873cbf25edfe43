#pragma once

#include <array>
#include <functional>
#include <string_view>

#include "platform/interaction.h"

namespace quillor {

// The three values of "Colour Balance/Brightness", -100..100 each. With the lock on,
// moving one moves the other two by as much, so the three act as one brightness.
class ColourBalanceModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Colour Balance/Brightness";
    static constexpr std::string_view kGroup = "Red/Green/Blue";
    static constexpr std::array<std::string_view, 3> kChannelLabels = {"R", "G", "B"};
    static constexpr std::string_view kLockText = "Lock RGB for brightness control";
    static constexpr int kLowest = -100;
    static constexpr int kHighest = 100;

    // `onChange` recomputes the picture after every change of a value.
    explicit ColourBalanceModel(std::function<void()> onChange = {}) : onChange_(std::move(onChange)) {}
    std::string_view Title() const override { return kTitle; }

    int Value(int channel) const { return values_[std::size_t(channel)]; }
    bool Locked() const { return locked_; }
    void SetLocked(bool on) { locked_ = on; }

    // A value typed into a channel's edit: limited, and the others stay.
    void Type(int channel, int value);
    // A slider moved to `value`: with the lock on, the other two follow by the same step.
    void Slide(int channel, int value);

    // The amount added to a channel's bytes: trunc(value x 255 / 100).
    int Offset(int channel) const;

private:
    std::function<void()> onChange_;
    std::array<int, 3> values_{};
    bool locked_ = false;
};

}  // namespace quillor
