#include "formats/jpeg_save_settings_model.h"

#include <algorithm>

#include "formats/edit_text.h"
#include "formats/image_settings_keys.h"

namespace quillor {

using namespace settings_keys;

void JpegSaveSettingsModel::Load(const SettingsStore& settings) {
    // A hand-edited value is brought into range before it becomes the edit's text, which
    // would otherwise keep only its digits (-7 would read as 7).
    SetQualityText(std::to_string(std::clamp(settings.GetInt(kJpgSave, kJpgQuality, kMaxQuality),
                                             kMinQuality, kMaxQuality)));
    progressive_ = settings.GetInt(kJpgSave, kJpgProgressive, 0) != 0;
}

void JpegSaveSettingsModel::Store(SettingsStore& settings) const {
    SettingsStore::Batch batch(settings);
    settings.SetInt(kJpgSave, kJpgQuality, Quality());
    settings.SetInt(kJpgSave, kJpgProgressive, progressive_ ? 1 : 0);
}

void JpegSaveSettingsModel::SetQualityText(std::string_view text) {
    qualityText_ = LimitEditText(text, kQualityMaxChars, true);
}

int JpegSaveSettingsModel::Quality() const {
    return std::clamp(EditInteger(qualityText_), kMinQuality, kMaxQuality);
}

}  // namespace quillor
