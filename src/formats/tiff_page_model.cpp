#include "formats/tiff_page_model.h"

#include <algorithm>

#include "core/text_format.h"
#include "formats/edit_text.h"
#include "formats/image_settings_keys.h"

namespace quillor {

using namespace settings_keys;

void TiffPageModel::Load(const SettingsStore& settings) {
    SetPageText(std::to_string(settings.GetInt(kTifLoad, kTifPage, 1)));
}

void TiffPageModel::Store(SettingsStore& settings) const { settings.SetInt(kTifLoad, kTifPage, Page()); }

std::string TiffPageModel::RangeLabel() const {
    return FormatText(kRangePattern, {std::to_string(pageCount_)});
}

void TiffPageModel::SetPageText(std::string_view text) {
    // A minus sign may be typed on the way to a number; it clamps like any value below 1.
    std::string kept;
    for (char c : text)
        if ((c >= '0' && c <= '9') || (c == '-' && kept.empty())) kept += c;
    if (kept.empty() || kept == "-") {
        pageText_ = kept;
        return;
    }
    const bool negative = kept[0] == '-';
    const bool huge = !negative && kept.size() > 9;  // beyond what an int holds
    const int value = huge ? pageCount_ + 1 : EditInteger(kept);
    if (negative || value <= 0) pageText_ = "1";
    else if (value > pageCount_) pageText_ = std::to_string(pageCount_);
    else pageText_ = std::to_string(value);
}

int TiffPageModel::Page() const { return std::clamp(EditInteger(pageText_), 1, pageCount_); }

}  // namespace quillor
