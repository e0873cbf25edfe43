#include "formats/tiff_save_settings_model.h"

#include "formats/image_settings_keys.h"

namespace quillor {

using namespace settings_keys;

void TiffSaveSettingsModel::Load(const SettingsStore& settings) {
    SetCompressionType(settings.GetInt(kTifSave, kTifCompression, 0));
}

void TiffSaveSettingsModel::Store(SettingsStore& settings) const {
    settings.SetInt(kTifSave, kTifCompression, compressionType_);
}

void TiffSaveSettingsModel::SetCompressionType(int type) {
    compressionType_ = (type >= 0 && type <= 2) ? type : 0;
}

}  // namespace quillor
