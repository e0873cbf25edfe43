#include "platform/settings_store.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <filesystem>

#include "core/text_trim.h"
#include "platform/file_io.h"

namespace quillor {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Backslash escapes keep line breaks and the INI's own punctuation out of the file's
// structure.
std::string Escape(std::string_view text, bool isKey) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '=': out += isKey ? "\\=" : "="; break;
            case ']': out += isKey ? "\\]" : "]"; break;
            case '[': out += isKey ? "\\[" : "["; break;
            case ';': out += isKey ? "\\;" : ";"; break;
            default: out += c;
        }
    }
    return out;
}

std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char n = text[++i];
            out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The first unescaped occurrence of `c`, or npos.
std::size_t FindUnescaped(std::string_view text, char c) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
            continue;
        }
        if (text[i] == c) return i;
    }
    return std::string_view::npos;
}

}  // namespace

bool SettingsStore::NoCaseLess::operator()(const std::string& a, const std::string& b) const {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char x = Lower(a[i]), y = Lower(b[i]);
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

SettingsStore::SettingsStore(std::string path) : path_(std::move(path)) {
    if (!path_.empty()) Load();
}

std::string SettingsStore::DefaultPath() {
    if (const char* dir = std::getenv("QUILLOR_CONFIG_DIR"); dir && *dir)
        return std::string(dir) + "/quillor.ini";
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return std::string(xdg) + "/quillor/quillor.ini";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config/quillor/quillor.ini";
    return "quillor.ini";
}

void SettingsStore::Load() {
    FileBuffer bytes;
    if (!ReadWholeFile(path_, bytes, nullptr)) return;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::string section;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = TrimBlanks(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::size_t close = FindUnescaped(line.substr(1), ']');
            if (close != std::string_view::npos) section = Unescape(line.substr(1, close));
            continue;
        }
        const std::size_t eq = FindUnescaped(line, '=');
        if (eq == std::string_view::npos || section.empty()) continue;
        Put(stored_, section, Unescape(TrimBlanks(line.substr(0, eq))), Unescape(line.substr(eq + 1)));
    }
}

bool SettingsStore::Save() {
    dirty_ = false;
    if (path_.empty()) return true;
    std::string text;
    for (const auto& [_, section] : stored_) {
        if (section.entries.empty()) continue;
        text.append("[").append(Escape(section.name, true)).append("]\n");
        for (const auto& [__, entry] : section.entries)
            text.append(Escape(entry.name, true)).append("=").append(Escape(entry.value, false)).append("\n");
        text.append("\n");
    }
    std::error_code ec;
    const auto folder = std::filesystem::path(path_).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    AtomicFileWriter out;
    if (!out.Open(path_) || !out.Write(text.data(), text.size()) || !out.Commit()) {
        error_ = out.Error();
        return false;
    }
    return true;
}

void SettingsStore::Changed() {
    dirty_ = true;
    if (batchDepth_ == 0) Save();
}

void SettingsStore::Put(Sections& into, std::string_view section, std::string_view key,
                        std::string_view value) {
    auto& s = into[std::string(section)];
    if (s.name.empty()) s.name = section;
    auto& e = s.entries[std::string(key)];
    if (e.name.empty()) e.name = key;
    e.value = value;
}

const SettingsStore::Entry* SettingsStore::Find(const Sections& from, std::string_view section,
                                                std::string_view key) const {
    const auto s = from.find(std::string(section));
    if (s == from.end()) return nullptr;
    const auto e = s->second.entries.find(std::string(key));
    return e == s->second.entries.end() ? nullptr : &e->second;
}

bool SettingsStore::Has(std::string_view section, std::string_view key) const {
    return Find(memoryOnly_, section, key) || Find(stored_, section, key);
}

int SettingsStore::GetInt(std::string_view section, std::string_view key, int fallback) const {
    const std::string text = GetString(section, key, {});
    const std::string_view t = TrimBlanks(text);
    if (t.empty()) return fallback;
    int value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    return (ec == std::errc() && end == t.data() + t.size()) ? value : fallback;
}

std::string SettingsStore::GetString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
    if (const Entry* e = Find(memoryOnly_, section, key)) return e->value;
    if (const Entry* e = Find(stored_, section, key)) return e->value;
    return std::string(fallback);
}

void SettingsStore::SetInt(std::string_view section, std::string_view key, int value) {
    SetString(section, key, std::to_string(value));
}

void SettingsStore::SetString(std::string_view section, std::string_view key,
                              std::string_view value) {
    const Entry* old = Find(stored_, section, key);
    if (old && old->value == value) return;
    Put(stored_, section, key, value);
    Changed();
}

void SettingsStore::SetInMemory(std::string_view section, std::string_view key,
                                std::string_view value) {
    Put(memoryOnly_, section, key, value);
    // A value that once reached the file (an older version, a hand edit) must not stay there.
    if (Find(stored_, section, key)) Remove(section, key);
}

void SettingsStore::Remove(std::string_view section, std::string_view key) {
    auto s = stored_.find(std::string(section));
    if (s == stored_.end()) return;
    if (s->second.entries.erase(std::string(key)) != 0) Changed();
}

}  // namespace quillor
