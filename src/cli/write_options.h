// The options that set how image files are written, shared by the verbs that write them.
#pragma once

#include <set>
#include <string>

#include "cli/cli_interaction.h"
#include "cli/cli_options.h"
#include "platform/settings_store.h"

namespace quillor {

const std::set<std::string>& WriteValueOptions();
const std::set<std::string>& WriteFlagOptions();

// Puts the write options into the settings the save dialogs read. The password is
// refused rather than cut when a PAX or TLA file (`sealed`) could not hold it: a file
// must open with exactly the password its user gave. False (with a message) on a wrong
// value.
bool ApplyWriteOptions(const CliOptions& options, const CliInteraction& terminal, bool sealed,
                       SettingsStore& settings);

// The codec's own words on the last failure, when it left any.
void ReportCodecDetail();

// True when OUT's extension names a format pictures can be written in; otherwise says
// which extensions would do.
bool WritableImageName(const std::string& out);

inline constexpr const char* kWriteOptionsHelp =
    "  --quality N               JPEG quality, 1 to 100 (default 100)\n"
    "  --progressive             write progressive JPEGs\n"
    "  --interlace               write Adam7-interlaced PNGs\n"
    "  --tiff-compression KIND   none (default), jpeg (true colour only) or packbits\n"
    "  --password-env VAR        the password of protected PAX or TLA frames, and of the\n"
    "                            output when it is PAX or TLA, from environment variable VAR\n"
    "  --output-password-env VAR a different password for the output\n"
    "                            (a PAX or TLA password has at most 8 characters)\n"
    "  --encryption-type N       PAX key-derivation strength, 1 (fast) to 6 (strongest)\n";

}  // namespace quillor
