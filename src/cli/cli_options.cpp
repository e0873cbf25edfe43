#include "cli/cli_options.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli/cli_interaction.h"

namespace quillor {

bool CliOptions::Parse(int argc, char** argv, const std::set<std::string>& valueOptions,
                       const std::set<std::string>& flagOptions) {
    bool onlyFiles = false;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (onlyFiles || arg.size() < 2 || arg[0] != '-' || arg == "-") {
            files.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (valueOptions.count(arg)) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "quillor: %s needs a value\n", arg.c_str());
                return false;
            }
            values[arg] = argv[++i];
            sequence.emplace_back(arg, values[arg]);
        } else if (flagOptions.count(arg)) {
            flags.insert(arg);
            sequence.emplace_back(arg, std::string());
        } else {
            std::fprintf(stderr, "quillor: unknown option %s\n", arg.c_str());
            return false;
        }
    }
    return true;
}

bool CliOptions::Integer(const std::string& name, int low, int high, int& out) const {
    const auto it = values.find(name);
    if (it == values.end()) return true;
    const std::string& text = it->second;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        std::fprintf(stderr, "quillor: %s takes a whole number from %d to %d, not '%s'\n",
                     name.c_str(), low, high, text.c_str());
        return false;
    }
    out = value;
    return true;
}

bool PasswordFromEnvironment(const std::string& variable, std::string& password) {
    const char* value = std::getenv(variable.c_str());
    if (value == nullptr) {
        std::fprintf(stderr, "quillor: the environment variable %s is not set\n", variable.c_str());
        return false;
    }
    password = value;
    return true;
}

bool ApplyReadOptions(const CliOptions& options, CliInteraction& ui) {
    if (!options.Integer("--page", 1, 65535, ui.tiffPage)) return false;
    if (const auto it = options.values.find("--password-env"); it != options.values.end()) {
        std::string password;
        if (!PasswordFromEnvironment(it->second, password)) return false;
        ui.password = password;
        ui.passwordVariable = it->second;
    }
    return true;
}

}  // namespace quillor
