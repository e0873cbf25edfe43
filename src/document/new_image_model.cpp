#include "document/new_image_model.h"

#include "core/coxdib.h"
#include "core/image_limits.h"
#include "formats/edit_text.h"

namespace quillor {

using namespace document_keys;

void NewImageModel::Load(const SettingsStore& settings) {
    SetSizeChoice(settings.GetInt(kNewDocument, kSelected, kDefaultSize));
    SetWidthText(settings.GetString(kNewDocument, kWidth));
    SetHeightText(settings.GetString(kNewDocument, kHeight));
    SetColourChoice(settings.GetInt(kNewDocument, kColours, 0));
}

void NewImageModel::Store(SettingsStore& settings) const {
    SettingsStore::Batch batch(settings);
    settings.SetString(kNewDocument, kWidth, widthText_);
    settings.SetString(kNewDocument, kHeight, heightText_);
    settings.SetInt(kNewDocument, kSelected, sizeChoice_);
    settings.SetInt(kNewDocument, kColours, colourChoice_);
}

void NewImageModel::SetSizeChoice(int choice) {
    // A settings file edited by hand must not pick a size that is not offered.
    sizeChoice_ = (choice >= 0 && choice < kSizeChoices) ? choice : kDefaultSize;
}

void NewImageModel::SetWidthText(std::string_view text) { widthText_ = LimitEditText(text, 5, true); }
void NewImageModel::SetHeightText(std::string_view text) { heightText_ = LimitEditText(text, 5, true); }

void NewImageModel::SetColourChoice(int choice) {
    colourChoice_ = (choice >= 0 && choice < kColourChoices) ? choice : 0;
}

int NewImageModel::Width() const {
    return CustomSizeEnabled() ? EditInteger(widthText_) : kPresetWidths[sizeChoice_];
}

int NewImageModel::Height() const {
    return CustomSizeEnabled() ? EditInteger(heightText_) : kPresetHeights[sizeChoice_];
}

ColourMode NewImageModel::Mode() const {
    switch (colourChoice_) {
        case 1: return ColourMode::Colours16;
        case 2: return ColourMode::Mono;
        case 3: return ColourMode::TrueColour;
        default: return ColourMode::Colours256;
    }
}

std::string_view NewImageModel::Refusal() const {
    const int width = Width();
    const int height = Height();
    if (!ImageSideOk(width) || !ImageSideOk(height)) return kSideRefusal;
    // Both sides may be legal and the picture still beyond what a blank image may take.
    if (DibStride(width, BitCount()) * std::uint64_t(height) > kMaxRowBytes) return kTooLargeRefusal;
    return {};
}

}  // namespace quillor
