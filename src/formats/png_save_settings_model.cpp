#include "formats/png_save_settings_model.h"

#include "formats/image_settings_keys.h"

namespace quillor {

using namespace settings_keys;

void PngSaveSettingsModel::Load(const SettingsStore& settings) {
    interlaced_ = settings.GetInt(kPngSave, kPngInterlace, 0) != 0;
}

void PngSaveSettingsModel::Store(SettingsStore& settings) const {
    settings.SetInt(kPngSave, kPngInterlace, interlaced_ ? 1 : 0);
}

}  // namespace quillor
