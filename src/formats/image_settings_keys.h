#pragma once

namespace quillor::settings_keys {

inline constexpr char kJpgSave[] = "JPG Save Settings";
inline constexpr char kJpgQuality[] = "Quality";
inline constexpr char kJpgProgressive[] = "Progressive";
inline constexpr char kTifSave[] = "TIF Save Settings";
inline constexpr char kTifCompression[] = "Compression Type";
inline constexpr char kPngSave[] = "PNG Save Settings";
inline constexpr char kPngInterlace[] = "Interlace Type";
inline constexpr char kPaxSave[] = "PAX Save Settings";
inline constexpr char kTlaSave[] = "TLA Save Settings";
inline constexpr char kPassword[] = "Special";  // held in memory only, never in the file
inline constexpr char kPaxEncryption[] = "Encryption Type";
inline constexpr char kTifLoad[] = "TIF Load Settings";
inline constexpr char kTifPage[] = "Page Number";
inline constexpr char kPreviousPaths[] = "Previous Paths";

}  // namespace quillor::settings_keys
