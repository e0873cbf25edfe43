#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace quillor {

class CliInteraction;

// Options of the form "--name value" and "--flag", and the file arguments between them.
struct CliOptions {
    std::map<std::string, std::string> values;  // the last value of each option
    // Every option as given (flags with an empty value), in command-line order, repeats
    // included: for options that are steps carried out one after the other.
    std::vector<std::pair<std::string, std::string>> sequence;
    std::set<std::string> flags;
    std::vector<std::string> files;

    // False (with a message on standard error) on an unknown option or a missing value.
    bool Parse(int argc, char** argv, const std::set<std::string>& valueOptions,
               const std::set<std::string>& flagOptions);
    bool Has(const std::string& name) const { return values.count(name) || flags.count(name); }
    // The option as a whole number within [low, high]; false with a message otherwise.
    bool Integer(const std::string& name, int low, int high, int& out) const;
};

// --page and --password-env, shared by every verb that reads images.
bool ApplyReadOptions(const CliOptions& options, CliInteraction& ui);

// The value of the environment variable a --...-env option names; false with a message
// when it is not set.
bool PasswordFromEnvironment(const std::string& variable, std::string& password);

}  // namespace quillor
