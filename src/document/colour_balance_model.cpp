#include "document/colour_balance_model.h"

#include <algorithm>

#include "filters/colour_adjust.h"

namespace quillor {

namespace {

ColourBalanceValues AsValues(const std::array<int, 3>& v) { return {v[0], v[1], v[2]}; }

}  // namespace

void ColourBalanceModel::Type(int channel, int value) {
    if (channel < 0 || channel > 2) return;
    values_[std::size_t(channel)] = std::clamp(value, kLowest, kHighest);
    if (onChange_) onChange_();
}

void ColourBalanceModel::Slide(int channel, int value) {
    if (channel < 0 || channel > 2) return;
    const ColourBalanceValues moved = MoveBalanceSlider(AsValues(values_), BalanceChannel(channel), value, locked_);
    values_ = {moved.red, moved.green, moved.blue};
    if (onChange_) onChange_();
}

int ColourBalanceModel::Offset(int channel) const { return BalanceOffset(Value(channel)); }

}  // namespace quillor
