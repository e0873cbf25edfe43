#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"
#include "platform/video_picture.h"

namespace quillor {

// "AVI Load Options": which frames of a movie of `length` frames at `framesPerSecond` to
// load. The list shows every M-th frame from frame S (the first frame of each second
// marked); "Select every" selects every N-th item from item T; OK wants a selection.
class AviLoadOptionsModel final : public CheckedDialogModel {
public:
    static constexpr std::string_view kTitle = "AVI Load Options";
    static constexpr std::string_view kNoSelectionText = "Please select frames to load from the list.";
    static constexpr std::string_view kNoSelectionTitle = "No Selection";
    // At most this many frames, divided by the listing step, are listed.
    static constexpr int kListLimit = 25000;

    struct Item {
        int frame = 0;  // 1-based movie frame
        std::string text;
        bool selected = false;
    };

    AviLoadOptionsModel(int length, double framesPerSecond);
    std::string_view Title() const override { return kTitle; }
    std::optional<OkRefusal> CheckOk() const override;

    int Length() const { return length_; }
    const std::vector<Item>& Items() const { return items_; }

    // "List every" M frames "Start at" S, and its "...Apply to List".
    int ListEvery() const { return listEvery_; }
    int ListStart() const { return listStart_; }
    void SetListEvery(int every) { listEvery_ = every; }
    // The slider and the start field are one value.
    void SetListStart(int start) { listStart_ = start; }
    void ApplyList();

    // "Select every" N items "Start at" T, and its "...Apply to List".
    int SelectEvery() const { return selectEvery_; }
    int SelectStart() const { return selectStart_; }
    void SetSelectEvery(int every) { selectEvery_ = every; }
    void SetSelectStart(int start) { selectStart_ = start; }
    void ApplySelection();

    void Select(std::size_t item, bool selected);
    void ReverseSelection();
    std::string TotalText() const;
    // What follows each number field: "st frame", "nd frame", ...; after "List every" a
    // lone "frame" for 1.
    static std::string FrameOrdinal(int number);
    static std::string ListEveryLabel(int number);
    // The movie frame an item's text names: the number after its first five characters.
    static int FrameOfText(std::string_view text);

    // For every item in list order, the 0-based movie frame to load, or -1.
    std::vector<int> Selection() const;

    // The previews: movie frame `frame` (from 1) decoded, or nothing.
    using PreviewSource = std::function<std::optional<VideoPicture>(int frame)>;
    void SetPreviewSource(PreviewSource source) { preview_ = std::move(source); }
    std::optional<VideoPicture> Preview(int frame) const {
        return preview_ && frame >= 1 && frame <= length_ ? preview_(frame) : std::nullopt;
    }
    // The frame the right preview shows: the anchor item's, or nothing without one.
    static constexpr std::string_view kPreviewFrame = "Frame: %d";

private:
    int length_;
    double framesPerSecond_;
    int listEvery_ = 1;
    int listStart_ = 1;
    int selectEvery_ = 1;
    int selectStart_ = 1;
    std::vector<Item> items_;
    PreviewSource preview_;
};

}  // namespace quillor
