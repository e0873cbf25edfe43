#pragma once

#include <string>
#include <string_view>

namespace quillor {

// A registry of file classes: keys named like ".png", ".png\Undo" or
// "Quillor_png\shell\Open\Command", each with one default string value. Which program
// opens a type and what it was before are kept in it; the desktop's own files stand
// behind it (DesktopClassRegistry).
class ClassRegistry {
public:
    virtual ~ClassRegistry() = default;
    // The key's default value, empty when the key is absent or cannot be read.
    virtual std::string ReadDefault(std::string_view key) = 0;
    virtual void WriteDefault(std::string_view key, std::string_view value) = 0;
    virtual void DeleteKey(std::string_view key) = 0;
    // Makes the changes lasting where the registry keeps them apart; false (with `error`
    // saying why) when that failed.
    virtual bool Flush(std::string* /*error*/) { return true; }
};

}  // namespace quillor
