#include "cli/write_options.h"

#include <cstdio>

#include "formats/codec/codec_error.h"
#include "formats/edit_text.h"
#include "formats/image_file_type.h"
#include "formats/image_settings_keys.h"
#include "formats/password_save_settings_model.h"

namespace quillor {

void ReportCodecDetail() {
    if (!LastCodecError().empty()) std::fprintf(stderr, "quillor: (%s)\n", LastCodecError().c_str());
}

const std::set<std::string>& WriteValueOptions() {
    static const std::set<std::string> names = {"--quality", "--tiff-compression", "--password-env",
                                                "--output-password-env", "--encryption-type"};
    return names;
}
const std::set<std::string>& WriteFlagOptions() {
    static const std::set<std::string> names = {"--progressive", "--interlace"};
    return names;
}

bool ApplyWriteOptions(const CliOptions& options, const CliInteraction& terminal, bool sealed,
                       SettingsStore& settings) {
    using namespace settings_keys;
    int quality = 100;
    if (!options.Integer("--quality", 1, 100, quality)) return false;
    settings.SetInt(kJpgSave, kJpgQuality, quality);
    settings.SetInt(kJpgSave, kJpgProgressive, options.flags.count("--progressive") ? 1 : 0);
    settings.SetInt(kPngSave, kPngInterlace, options.flags.count("--interlace") ? 1 : 0);

    int compression = 0;
    if (const auto it = options.values.find("--tiff-compression"); it != options.values.end()) {
        if (it->second == "jpeg") compression = 1;
        else if (it->second == "packbits") compression = 2;
        else if (it->second != "none") {
            std::fprintf(stderr, "quillor: --tiff-compression takes none, jpeg or packbits\n");
            return false;
        }
    }
    settings.SetInt(kTifSave, kTifCompression, compression);

    int encryption = 1;
    if (!options.Integer("--encryption-type", 1, 6, encryption)) return false;
    settings.SetInt(kPaxSave, kPaxEncryption, encryption);

    std::string password = terminal.password.value_or("");
    std::string variable = terminal.passwordVariable;
    if (const auto it = options.values.find("--output-password-env"); it != options.values.end()) {
        if (!PasswordFromEnvironment(it->second, password)) return false;
        variable = it->second;
    }
    const std::size_t length = CharacterCount(password);
    if (sealed && length > PasswordSaveSettingsModel::kPasswordMaxChars) {
        std::fprintf(stderr,
                     "quillor: the password in %s has %zu characters; a PAX or TLA password has "
                     "at most %zu, so nothing was written\n",
                     variable.c_str(), length, PasswordSaveSettingsModel::kPasswordMaxChars);
        return false;
    }
    settings.SetInMemory(kPaxSave, kPassword, password);
    settings.SetInMemory(kTlaSave, kPassword, password);
    return true;
}

bool WritableImageName(const std::string& out) {
    const ImageFileType type = GetImageFileType(out);
    if (type != ImageFileType::Unknown && type != ImageFileType::Gif) return true;
    std::fprintf(stderr, "quillor: cannot write '%s': name it with one of the extensions "
                         ".bmp .jpg .jpeg .png .tif .tiff .tga .pcx .psd .pax .tla\n",
                 out.c_str());
    return false;
}

}  // namespace quillor
