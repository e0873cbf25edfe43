#include "document/avi_load_options_model.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "document/avi_rules.h"

namespace quillor {

AviLoadOptionsModel::AviLoadOptionsModel(int length, double framesPerSecond)
    : length_(std::max(length, 0)), framesPerSecond_(framesPerSecond) {
    selectEvery_ = std::max(1, int(framesPerSecond_ > 0 ? std::trunc(framesPerSecond_) : 0));
    ApplyList();
}

std::optional<OkRefusal> AviLoadOptionsModel::CheckOk() const {
    if (std::any_of(items_.begin(), items_.end(), [](const Item& i) { return i.selected; })) return std::nullopt;
    return OkRefusal{std::string(kNoSelectionText), std::string(kNoSelectionTitle), MessageIcon::Information};
}

void AviLoadOptionsModel::ApplyList() {
    listEvery_ = std::max(listEvery_, 1);
    listStart_ = std::max(listStart_, 1);
    const int last = std::min(length_, kListLimit / listEvery_);
    listStart_ = std::min(listStart_, std::max(last, 1));
    items_.clear();
    // A movie without a rate still has its frames listed, one "second" to a frame.
    const double rate = framesPerSecond_ > 0 ? framesPerSecond_ : 1.0;
    int previousSecond = 0;
    for (int frame = listStart_; frame <= last; frame += listEvery_) {
        const int second = int(std::floor(double(frame - 1) / rate)) + 1;
        Item item;
        item.frame = frame;
        if (second != previousSecond)
            item.text = "FRAME " + std::to_string(frame) + " (" + std::to_string(second) + OrdinalSuffix(second) +
                        " sec)";
        else
            item.text = "Frame " + std::to_string(frame);
        previousSecond = second;
        items_.push_back(std::move(item));
    }
}

void AviLoadOptionsModel::ApplySelection() {
    selectEvery_ = std::max(selectEvery_, 1);
    const std::size_t from = std::size_t(std::max(selectStart_ - 1, 0));
    for (std::size_t i = from; i < items_.size(); ++i) items_[i].selected = (i - from) % std::size_t(selectEvery_) == 0;
}

void AviLoadOptionsModel::Select(std::size_t item, bool selected) {
    if (item < items_.size()) items_[item].selected = selected;
}

void AviLoadOptionsModel::ReverseSelection() {
    for (Item& item : items_) item.selected = !item.selected;
}

std::string AviLoadOptionsModel::TotalText() const {
    const auto count = std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.selected; });
    return "Total Number of Frames: " + std::to_string(count);
}

std::string AviLoadOptionsModel::FrameOrdinal(int number) { return std::string(OrdinalSuffix(number)) + " frame"; }

std::string AviLoadOptionsModel::ListEveryLabel(int number) { return number == 1 ? "frame" : FrameOrdinal(number); }

int AviLoadOptionsModel::FrameOfText(std::string_view text) {
    if (text.size() <= 5) return 0;
    return std::atoi(std::string(text.substr(5)).c_str());
}

std::vector<int> AviLoadOptionsModel::Selection() const {
    std::vector<int> selection;
    selection.reserve(items_.size());
    for (const Item& item : items_) selection.push_back(item.selected ? FrameOfText(item.text) - 1 : -1);
    return selection;
}

}  // namespace quillor
