#pragma once

#include <string>

#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

// "Read TIF Page": which page of a multi-page TIFF to open, counted from 1.
class TiffPageModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Read TIF Page";
    static constexpr std::string_view kPrompt =
        "Please select the page in the TIF file you wish to load:";
    static constexpr std::string_view kRangePattern = "(1 to %d pages available)";

    explicit TiffPageModel(int pageCount) : pageCount_(pageCount < 1 ? 1 : pageCount) {}

    std::string_view Title() const override { return kTitle; }
    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;

    int PageCount() const { return pageCount_; }
    std::string RangeLabel() const;
    const std::string& PageText() const { return pageText_; }
    // Whenever the edit changes: 0 or less becomes "1", above the count becomes the count.
    void SetPageText(std::string_view text);
    int Page() const;

private:
    int pageCount_;
    std::string pageText_ = "1";
};

}  // namespace quillor
