#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace quillor {

// The user's settings: integers and strings in named sections, kept in an INI file.
// Section and key names compare without regard to letter case. Every change is written
// through at once (atomically), unless a Batch is open, which writes once at its end.
//
// Values stored with KeepInMemory never reach the file: passwords live only for as long
// as the program runs.
class SettingsStore {
public:
    // An empty path keeps everything in memory.
    explicit SettingsStore(std::string path = {});

    // $QUILLOR_CONFIG_DIR/quillor.ini, else $XDG_CONFIG_HOME/quillor/quillor.ini, else
    // ~/.config/quillor/quillor.ini.
    static std::string DefaultPath();

    int GetInt(std::string_view section, std::string_view key, int fallback) const;
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view fallback = {}) const;
    bool Has(std::string_view section, std::string_view key) const;

    void SetInt(std::string_view section, std::string_view key, int value);
    void SetString(std::string_view section, std::string_view key, std::string_view value);
    void SetInMemory(std::string_view section, std::string_view key, std::string_view value);
    void Remove(std::string_view section, std::string_view key);

    // Writes the file now; false when it cannot be written (the old file is kept).
    bool Save();
    const std::string& Path() const { return path_; }
    const std::string& LastError() const { return error_; }

    class Batch {
    public:
        explicit Batch(SettingsStore& store) : store_(store) { ++store_.batchDepth_; }
        ~Batch() {
            if (--store_.batchDepth_ == 0 && store_.dirty_) store_.Save();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        SettingsStore& store_;
    };

private:
    struct NoCaseLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    // Keeps the letter case a name was first written with.
    struct Entry {
        std::string name;
        std::string value;
    };
    struct Section {
        std::string name;
        std::map<std::string, Entry, NoCaseLess> entries;
    };
    using Sections = std::map<std::string, Section, NoCaseLess>;

    void Load();
    void Changed();
    const Entry* Find(const Sections& from, std::string_view section, std::string_view key) const;
    static void Put(Sections& into, std::string_view section, std::string_view key,
                    std::string_view value);

    std::string path_;
    std::string error_;
    Sections stored_;
    Sections memoryOnly_;
    int batchDepth_ = 0;
    bool dirty_ = false;
};

}  // namespace quillor
