#include "document/colour_balance_model.h"

#include <algorithm>

namespace quillor {

void ColourBalanceModel::Type(int channel, int value) {
    if (channel < 0 || channel > 2) return;
    values_[std::size_t(channel)] = std::clamp(value, kLowest, kHighest);
    if (onChange_) onChange_();
}

void ColourBalanceModel::Slide(int channel, int value) {
    if (channel < 0 || channel > 2) return;
    const int moved = std::clamp(value, kLowest, kHighest);
    const int step = moved - values_[std::size_t(channel)];
    values_[std::size_t(channel)] = moved;
    if (locked_)
        for (int other = 0; other < 3; ++other)
            if (other != channel)
                values_[std::size_t(other)] = std::clamp(values_[std::size_t(other)] + step, kLowest, kHighest);
    if (onChange_) onChange_();
}

}  // namespace quillor
