#include "tools/text_model.h"

#include <algorithm>

namespace quillor {

std::optional<OkRefusal> TextModel::CheckOk() const {
    if (!text_.empty()) return std::nullopt;
    return OkRefusal{std::string(kNoTextMessage), std::string(kNoTextTitle), MessageIcon::Information};
}

void TextModel::SetFamily(int index) {
    family_ = families_.empty() ? 0 : std::clamp(index, 0, int(families_.size()) - 1);
}

void TextModel::SetSizeIndex(int index) { sizeIndex_ = std::clamp(index, 0, kLargest - kSmallest); }

void TextModel::Load(const SettingsStore& settings) {
    text_ = settings.GetString(kSection, "String", "");
    SetSizeIndex(settings.GetInt(kSection, "Size", 12));
    SetFamily(settings.GetInt(kSection, "Font", 0));
    bold = settings.GetInt(kSection, "Bold", 0) != 0;
    italic = settings.GetInt(kSection, "Italic", 0) != 0;
    strikeOut = settings.GetInt(kSection, "Strike Out", 0) != 0;
    underline = settings.GetInt(kSection, "Underline", 0) != 0;
    antiAlias = settings.GetInt(kSection, "Anti-alias", 1) != 0;
}

void TextModel::Store(SettingsStore& settings) const {
    SettingsStore::Batch batch(settings);
    settings.SetString(kSection, "String", text_);
    settings.SetInt(kSection, "Size", sizeIndex_);
    settings.SetInt(kSection, "Font", family_);
    settings.SetInt(kSection, "Bold", bold ? 1 : 0);
    settings.SetInt(kSection, "Italic", italic ? 1 : 0);
    settings.SetInt(kSection, "Strike Out", strikeOut ? 1 : 0);
    settings.SetInt(kSection, "Underline", underline ? 1 : 0);
    settings.SetInt(kSection, "Anti-alias", antiAlias ? 1 : 0);
}

TextStyle TextModel::Style() const {
    TextStyle style;
    if (!families_.empty()) style.family = families_[std::size_t(family_)];
    style.pixelSize = PixelSize();
    style.bold = bold;
    style.italic = italic;
    style.strikeOut = strikeOut;
    style.underline = underline;
    style.antiAlias = antiAlias;
    return style;
}

}  // namespace quillor
