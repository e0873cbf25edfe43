#include "formats/jpeg_save_settings_model.h"

#include <algorithm>

#include "formats/edit_text.h"
#include "formats/image_settings_keys.h"

namespace quillor {

using namespace settings_keys;

void JpegSaveSettingsModel::Load(const SettingsStore& settings) {
    SetQualityText(std::to_string(settings.GetInt(kJpgSave, kJpgQuality, 100)));
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

int JpegSaveSettingsModel::Quality() const { return std::clamp(EditInteger(qualityText_), 1, 100); }

}  // namespace quillor
